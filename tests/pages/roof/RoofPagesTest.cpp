#include "tests/support/PageControls.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/frmMain.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QRadioButton>

using namespace pagetest;

namespace
{

QRadioButton* option(int index)
{
    return control<QRadioButton>(QStringLiteral("optRoof") + QString::number(index));
}

QImage shownPicture()
{
    return control<QLabel>(QStringLiteral("imgRoof"))->pixmap().toImage();
}

QImage listPicture(const QString& key)
{
    return g_frmMain->ImageList1().picture(key).toImage();
}

struct RoofCase {
    int formId;
    int stored;
    int selected; // -1: none
    const char* picture;
};

const RoofCase kRoofCases[] = {
    {25, 0, 0, "Gable"},  {25, 1, 1, "Hip"},      {25, 2, -1, nullptr},   {26, 4, 0, "Pitch4"},
    {26, 8, 1, "Pitch8"}, {26, 10, 2, "Pitch10"}, {26, 12, 3, "Pitch12"}, {26, 6, -1, nullptr},
};

void storeRoof(int formId, int value)
{
    if (formId == 25)
        g_HomeData->setRoofStyle(value);
    else
        g_HomeData->setRoofPitch(value);
}

int storedRoof(int formId)
{
    return formId == 25 ? g_HomeData->RoofStyle() : g_HomeData->RoofPitch();
}

TEST(RoofPages, StoredValueSelectsItsOptionAndPicture)
{
    for (const RoofCase& c : kRoofCases) {
        SCOPED_TRACE(c.formId);
        SCOPED_TRACE(c.stored);
        storeRoof(c.formId, c.stored);
        boxes().clear();
        showPage(c.formId);
        EXPECT_TRUE(control(QStringLiteral("fraRoof"))->isVisible());
        EXPECT_TRUE(control(QStringLiteral("imgRoof"))->isVisible());
        const int options = c.formId == 25 ? 2 : 4;
        for (int i = 0; i < options; ++i)
            EXPECT_EQ(option(i)->isChecked(), i == c.selected) << i;
        if (c.picture) {
            EXPECT_EQ(focused(), option(c.selected));
            EXPECT_FALSE(shownPicture().isNull());
            EXPECT_EQ(shownPicture(), listPicture(QString::fromLatin1(c.picture)));
        } else {
            EXPECT_TRUE(shownPicture().isNull());
        }
        click(QStringLiteral("cmdContinue"));
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ(storedRoof(c.formId), c.stored);
    }
}

TEST(RoofPages, AClickShowsThePictureAndStoresAtOnce)
{
    for (const RoofCase& c : kRoofCases) {
        if (!c.picture) continue;
        SCOPED_TRACE(c.picture);
        storeRoof(c.formId, c.formId == 25 ? 2 : 6);
        showPage(c.formId);
        option(c.selected)->click();
        EXPECT_EQ(storedRoof(c.formId), c.stored);
        EXPECT_EQ(shownPicture(), listPicture(QString::fromLatin1(c.picture)));
    }
}

} // namespace
