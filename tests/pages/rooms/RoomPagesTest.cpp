#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "pages/rooms/frm01OtherRooms.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

using namespace pagetest;

namespace
{

QComboBox* combo(const char* name)
{
    return control<QComboBox>(QString::fromLatin1(name));
}

TEST(BedroomsPage, StoredCountIsSelectedAndAChoiceStoresAtOnce)
{
    g_HomeData->setNumBedrooms(3);
    showPage(12);
    QComboBox* list = combo("cmbBedrooms");
    EXPECT_EQ(list->count(), 5);
    EXPECT_EQ(list->currentText(), QStringLiteral("3"));
    EXPECT_EQ(currentPage()->window()->focusWidget(), list);
    EXPECT_FALSE(control<QLabel>(QStringLiteral("imgBedroom"))->pixmap().isNull());
    list->setCurrentIndex(list->findText(QStringLiteral("5")));
    EXPECT_EQ(g_HomeData->NumBedrooms(), 5);
}

TEST(RoomCountPages, CountNotInTheListSelectsNothingAndStaysStored)
{
    struct Case {
        int formId;
        const char* list;
        void (clsHomeData::*set)(vb::Integer);
        vb::Integer (clsHomeData::*get)() const;
        int count;
    };
    const Case cases[] = {
        {12, "cmbBedrooms", &clsHomeData::setNumBedrooms, &clsHomeData::NumBedrooms, 0},
        {12, "cmbBedrooms", &clsHomeData::setNumBedrooms, &clsHomeData::NumBedrooms, 7},
        {14, "cmbFullBath", &clsHomeData::setNumFullBath, &clsHomeData::NumFullBath, 0},
        {14, "cmbHalfBath", &clsHomeData::setNumHalfBath, &clsHomeData::NumHalfBath, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        SCOPED_TRACE(c.count);
        g_HomeData->setNumFullBath(2);
        g_HomeData->setNumHalfBath(1);
        (g_HomeData.get()->*c.set)(c.count);
        boxes().clear();
        showPage(c.formId);
        EXPECT_EQ(combo(c.list)->currentIndex(), -1);
        click(QStringLiteral("cmdContinue"));
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ((g_HomeData.get()->*c.get)(), c.count);
    }
}

TEST(BathroomsPage, StoredCountsSurviveActivation)
{
    const std::pair<int, int> counts[] = {{2, 0}, {3, 2}, {1, 5}};
    for (const auto& [full, half] : counts) {
        SCOPED_TRACE(full * 10 + half);
        g_HomeData->setNumFullBath(full);
        g_HomeData->setNumHalfBath(half);
        showPage(14);
        EXPECT_EQ(combo("cmbFullBath")->currentText(), QString::number(full));
        EXPECT_EQ(combo("cmbHalfBath")->currentText(), QString::number(half));
        EXPECT_EQ(combo("cmbHalfBath")->count(), 6);
        EXPECT_EQ(g_HomeData->NumFullBath(), full);
        EXPECT_EQ(g_HomeData->NumHalfBath(), half);
    }
    combo("cmbHalfBath")->setCurrentIndex(combo("cmbHalfBath")->findText(QStringLiteral("3")));
    EXPECT_EQ(g_HomeData->NumHalfBath(), 3);
}

TEST(OtherRoomsPage, EachBoxShowsAndStoresItsOwnFlag)
{
    for (const auto& room : pages::frm01OtherRooms::Rooms) {
        const QString name = QString::fromUtf16(room.checkBox);
        SCOPED_TRACE(name.toStdString());
        for (const auto& other : pages::frm01OtherRooms::Rooms)
            (g_HomeData.get()->*other.set)(false);
        (g_HomeData.get()->*room.set)(true);
        showPage(15);
        for (const auto& other : pages::frm01OtherRooms::Rooms) {
            auto* box = control<QCheckBox>(QString::fromUtf16(other.checkBox));
            EXPECT_TRUE(box->isVisible());
            EXPECT_EQ(box->isChecked(), &other == &room) << QString::fromUtf16(other.checkBox).toStdString();
        }
        control<QCheckBox>(name)->click();
        EXPECT_FALSE((g_HomeData.get()->*room.get)());
    }
}

TEST(OtherRoomsPage, TickingDenStoresAtOnceAndFocusStartsOnPantry)
{
    for (const auto& room : pages::frm01OtherRooms::Rooms)
        (g_HomeData.get()->*room.set)(false);
    showPage(15);
    EXPECT_EQ(currentPage()->window()->focusWidget(), control(QStringLiteral("chkPantry")));
    auto* den = control<QCheckBox>(QStringLiteral("chkDen"));
    den->click();
    EXPECT_TRUE(g_HomeData->rmDen());
    den->click();
    EXPECT_FALSE(g_HomeData->rmDen());
    click(QStringLiteral("cmdContinue"));
    EXPECT_FALSE(g_HomeData->rmDen());
}

} // namespace
