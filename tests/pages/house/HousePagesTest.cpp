#include "tests/support/PageControls.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

using namespace pagetest;

namespace
{

QString description()
{
    return control<QLabel>(QStringLiteral("lbDescription"))->text();
}

TEST(QualityPage, StoredGradeSelectsItsOptionAndDescription)
{
    struct Case {
        int grade;
        const char* text;
    };
    const Case cases[] = {
        {1,
         "This selection will provide an economy class residence. Materials and workmanship will satisfy "
         "minimum building codes. Low construction costs is more desirable than distinctive features. These "
         "house designs are usually little more than rectangular in shape."},
        {2, "This selection will provide an average class residence from standard plans. Typically there is "
            "little or no deviation from the builders plans. Materials and workmanship will often exceed the "
            "minimum building codes. There are usually special features that make the home distinctive."},
        {3,
         "This selection will provide a custom class residence from designer plans, which can be modified to "
         "provide a distinctive design. Material and workmanship are above average with attention to "
         "construction details. "},
        {4,
         "This selection will provide a luxury class residence from an architect's plans for a specific "
         "owner. "
         "There are many special features. Primary attention is placed on the owner's comfort and pleasure."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grade);
        g_HomeData->setDefaultGrade(c.grade);
        showPage(20);
        EXPECT_TRUE(option(QStringLiteral("optGrade"), c.grade - 1)->isChecked());
        EXPECT_EQ(focused(), option(QStringLiteral("optGrade"), c.grade - 1));
        EXPECT_EQ(description(), QString::fromLatin1(c.text));
        EXPECT_EQ(g_HomeData->DefaultGrade(), c.grade);
    }
}

TEST(QualityPage, PremiumShowsTheCustomDescriptionAtOnceAndStoresThree)
{
    g_HomeData->setDefaultGrade(1);
    showPage(20);
    option(QStringLiteral("optGrade"), 2)->click();
    EXPECT_EQ(g_HomeData->DefaultGrade(), 3);
    EXPECT_EQ(
        description(),
        QStringLiteral("This selection will provide a custom class residence from designer plans, which can "
                       "be modified to provide a distinctive design. Material and workmanship are above "
                       "average with attention to construction details. "));
}

TEST(QualityPage, GradeOutsideTheListKeepsTheGeneralDescription)
{
    for (int grade : {0, 5}) {
        SCOPED_TRACE(grade);
        g_HomeData->setDefaultGrade(grade);
        boxes().clear();
        showPage(20);
        auto* label = control<QLabel>(QStringLiteral("lbDescription"));
        EXPECT_TRUE(label->isVisible());
        EXPECT_EQ(description(), QStringLiteral("General Description"));
        EXPECT_FALSE(label->font().bold());
        EXPECT_EQ(label->font().pointSize(), 12);
        for (int i = 0; i < 4; ++i)
            EXPECT_FALSE(option(QStringLiteral("optGrade"), i)->isChecked());
        click(QStringLiteral("cmdContinue"));
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ(g_HomeData->DefaultGrade(), grade);
    }
}

QComboBox* bays()
{
    return control<QComboBox>(QStringLiteral("cmbGarageBays"));
}

void chooseBays(const char* count)
{
    bays()->setCurrentIndex(bays()->findText(QString::fromLatin1(count)));
}

bool openerQuestionShown()
{
    return control(QStringLiteral("fraOpeners"))->isVisible();
}

TEST(GaragePage, StoredBaysAndOpenersAreShown)
{
    struct Case {
        int bays;
        bool openers;
        bool shown;
        int marked; // -1: none
        bool storedOpeners;
    };
    const Case cases[] = {
        {2, true, true, 0, true},
        {1, false, true, 1, false},
        {4, true, true, 0, true},
        {0, true, false, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bays);
        g_HomeData->setNumCarGarage(c.bays);
        g_HomeData->setDoorOpeners(c.openers);
        showPage(22);
        EXPECT_EQ(bays()->count(), 5);
        EXPECT_EQ(bays()->currentText(), QString::number(c.bays));
        EXPECT_EQ(focused(), bays());
        EXPECT_TRUE(control(QStringLiteral("lbData1"))->isVisible());
        EXPECT_EQ(openerQuestionShown(), c.shown);
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(option(QStringLiteral("optOpeners"), i)->isChecked(), i == c.marked) << i;
        EXPECT_EQ(g_HomeData->DoorOpeners(), c.storedOpeners);
    }
}

TEST(GaragePage, NoBaysHideTheOpenersAndOneBayAgainRestoresTheMarkedAnswer)
{
    g_HomeData->setNumCarGarage(2);
    g_HomeData->setDoorOpeners(true);
    showPage(22);
    chooseBays("0");
    EXPECT_FALSE(openerQuestionShown());
    EXPECT_EQ(g_HomeData->NumCarGarage(), 0);
    EXPECT_FALSE(g_HomeData->DoorOpeners());
    chooseBays("1");
    EXPECT_TRUE(openerQuestionShown());
    EXPECT_TRUE(option(QStringLiteral("optOpeners"), 0)->isChecked());
    EXPECT_EQ(g_HomeData->NumCarGarage(), 1);
    EXPECT_TRUE(g_HomeData->DoorOpeners());
    option(QStringLiteral("optOpeners"), 1)->click();
    EXPECT_FALSE(g_HomeData->DoorOpeners());
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(g_HomeData->NumCarGarage(), 1);
    EXPECT_FALSE(g_HomeData->DoorOpeners());
}

TEST(GaragePage, BayCountOutsideTheListSelectsNothingAndStaysStored)
{
    for (int count : {5, -1}) {
        SCOPED_TRACE(count);
        g_HomeData->setNumCarGarage(count);
        g_HomeData->setDoorOpeners(true);
        boxes().clear();
        showPage(22);
        EXPECT_EQ(bays()->currentIndex(), -1);
        click(QStringLiteral("cmdContinue"));
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ(g_HomeData->NumCarGarage(), count);
        EXPECT_TRUE(g_HomeData->DoorOpeners());
    }
    g_HomeData->setNumCarGarage(2);
}

TEST(StructurePageDesign, QuestionInsideAFrameIsAQuestionAndTheDescriptionIsPlain)
{
    for (int formId : {22, 27}) {
        SCOPED_TRACE(formId);
        showPage(formId);
        auto* question = control<QLabel>(QStringLiteral("Label1"));
        EXPECT_FALSE(question->font().bold());
        EXPECT_EQ(question->font().pointSize(), 12);
    }
    showPage(22);
    EXPECT_TRUE(control<QLabel>(QStringLiteral("lbData1"))->font().bold());
}

} // namespace
