#include "tests/scenario/walk/WalkFixture.h"

#include "estimate/clsHomeData.h"
#include "shell/frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;
using namespace walk;

namespace
{

// A house file saved by the program as it is released (tests/data/houses): whatever changes,
// the files users keep still open with their answers, on their page, with their Back history.
TEST_F(WalkTest, AHouseFileSavedBeforeOpensWithItsAnswersPageAndHistory)
{
    const QString saved = folder() + u"/Saved Two Storey.tvm"_s;
    QFile::remove(saved);
    ASSERT_TRUE(QFile::copy(QStringLiteral(TAVIMOOR_SAVED_HOUSES "/SavedTwoStorey.tvm"), saved));
    QFile::setPermissions(saved, QFile::ReadOwner | QFile::WriteOwner);

    startProgram(saved);
    ASSERT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
    EXPECT_EQ(g_HouseFilePath, saved);
    EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor - Saved Two Storey.tvm"_s);

    // It was saved on the size of the basement, after going Back from the ceiling heights.
    on(17);
    EXPECT_TRUE(control<QRadioButton>(u"optBasement1"_s)->isChecked());
    EXPECT_EQ(control<QLineEdit>(u"txtData1"_s)->text(), u"700"_s);
    EXPECT_EQ(rows(0), (QList<int>{1, 10, 28, 11, 22, 47, 37, 12, 14, 15, 16, 17}));
    EXPECT_EQ(rows(1), (QList<int>{1, 10, 28, 11, 22, 47, 37, 12, 14, 15, 16, 17, 24, 23}));

    const clsHomeData& h = home();
    const std::pair<const char*, std::pair<QVariant, QVariant>> answers[] = {
        {"Location", {h.LocationName(), u"Coeur d'Alene, Idaho"_s}},
        {"LocationFactor", {h.LocationFactor(), 0.91f}},
        {"Style", {h.Style().value(), 3}},
        {"NumFloors", {h.NumFloors().value(), 2}},
        {"NumCarGarage", {h.NumCarGarage().value(), 3}},
        {"DoorOpeners", {h.DoorOpeners(), false}},
        {"FrontPorchSqFt", {h.FrontPorchSqFt().value(), 120}},
        {"RearPorchSqFt", {h.RearPorchSqFt().value(), 80}},
        {"MainFloorSqFt", {h.MainFloorSqFt().value(), 1400}},
        {"SecondFloorSqFt", {h.SecondFloorSqFt().value(), 1300}},
        {"rmBonusRoom", {h.rmBonusRoom(), true}},
        {"BonusRoomSqFt", {h.BonusRoomSqFt().value(), 300}},
        {"NumBedrooms", {h.NumBedrooms().value(), 4}},
        {"NumFullBath", {h.NumFullBath().value(), 3}},
        {"NumHalfBath", {h.NumHalfBath().value(), 1}},
        {"Foyer", {h.rmFoyer(), false}},
        {"Office", {h.rmOffice(), true}},
        {"SunRoom", {h.rmSunRoom(), true}},
        {"FoundationType", {h.FoundationType().value(), 4}},
        {"BasementSqFt", {h.BasementSqFt().value(), 700}},
        {"BasementCeilingHeight", {h.BasementCeilingHeight().value(), 9}},
        {"LotPrice", {h.LotPrice(), 40000.0f}},
    };
    for (const auto& [name, values] : answers)
        EXPECT_EQ(values.first, values.second) << name;

    // Back walks the saved history, each page showing what was answered there.
    back(16);
    back(15);
    EXPECT_TRUE(control<QCheckBox>(u"chkOffice"_s)->isChecked());
    EXPECT_FALSE(control<QCheckBox>(u"chkFoyer"_s)->isChecked());
    back(14);
    EXPECT_EQ(control<QComboBox>(u"cmbFullBath"_s)->currentText(), u"3"_s);
    EXPECT_EQ(control<QComboBox>(u"cmbHalfBath"_s)->currentText(), u"1"_s);
    back(12);
    EXPECT_EQ(control<QComboBox>(u"cmbBedrooms"_s)->currentText(), u"4"_s);
    back(37);
    EXPECT_EQ(control<QLineEdit>(u"txtData2"_s)->text(), u"1300"_s);
    EXPECT_TRUE(shown(u"txtData4"_s));
    EXPECT_EQ(control<QLineEdit>(u"txtData4"_s)->text(), u"300"_s);
}

} // namespace
