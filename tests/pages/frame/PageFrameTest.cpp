#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "pages/frame/ButtonPictures.h"
#include "runtime/forms/Forms.h"
#include "runtime/vb/Integer.h"
#include "shell/PageWindows.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace pagetest;

namespace
{

struct ButtonPlace {
    const char* name;
    int left, width; // twips
};

// The frame's row of buttons at top 6360, 360 high.
TEST(PageFrame, ButtonsSitInOneRowAtTheirDesignPlaces)
{
    const ButtonPlace places[] = {{"cmdBack", 720, 1000},  {"cmdNavigation", 1800, 270},
                                  {"cmdHelp", 2520, 1005}, {"cmdYes", 4200, 975},
                                  {"cmdNo", 5280, 855},    {"cmdContinue", 7200, 1695}};
    showPage(12);
    for (const ButtonPlace& p : places) {
        SCOPED_TRACE(p.name);
        QWidget* button = control(QString::fromLatin1(p.name));
        ASSERT_TRUE(button);
        EXPECT_EQ(button->geometry(), QRect(qRound(p.left / 15.0), 424, qRound(p.width / 15.0), 24));
    }
}

// The registration names each window as the window names itself.
TEST(PageFrame, EveryRegisteredFormIdShowsTheWindowOfItsClass)
{
    const QList<PageWindow> windows = pageWindows();
    ASSERT_FALSE(windows.isEmpty());
    for (const PageWindow& window : windows) {
        SCOPED_TRACE(window.formId);
        QWidget* page = showPage(window.formId);
        ASSERT_TRUE(page);
        EXPECT_EQ(page->objectName(), QString::fromUtf16(window.className));
    }
}

TEST(PageFrame, ButtonFacesAreDrawnOnceAtTheScreensPixelRatio)
{
    // A face at twice the resolution keeps its size in logical pixels.
    const QPixmap sharp = pages::buttonPicture(QStringLiteral("cmdBack"), QSize(67, 24), 2.0);
    EXPECT_EQ(sharp.size(), QSize(134, 48));
    EXPECT_EQ(sharp.deviceIndependentSize().toSize(), QSize(67, 24));
    EXPECT_EQ(pages::buttonPicture(QStringLiteral("cmdBack"), QSize(67, 24)).size(), QSize(67, 24));

    // Every page shares the main window's faces: building more pages draws no new ones.
    ASSERT_TRUE(g_frmMain);
    showPage(12);
    const QIcon first = control<QPushButton>(QStringLiteral("cmdBack"))->icon();
    const qsizetype drawn = g_frmMain->ButtonFaces().count();
    EXPECT_GE(drawn, 6);
    for (int formId : {14, 37, 12}) {
        showPage(formId);
        EXPECT_EQ(g_frmMain->ButtonFaces().count(), drawn) << formId;
    }
    const QIcon again = control<QPushButton>(QStringLiteral("cmdBack"))->icon();
    EXPECT_EQ(again.pixmap(QSize(67, 24)).toImage(), first.pixmap(QSize(67, 24)).toImage());
}

TEST(PageFrame, AButtonLibraryWithoutClickIsReported)
{
    // Buttons that raise no Click() would leave a page with no way on.
    struct ClicklessButtons {
        ClicklessButtons() { registerStandInButton(false); }
        ~ClicklessButtons() { registerStandInButton(); }
    };
    {
        ClicklessButtons clickless;
        boxes().clear();
        LoadForm(currentPage(), vb::Integer(currentFormId() == 12 ? 14 : 12));
        processEvents();
        ASSERT_FALSE(boxes().calls().empty());
        const QString first = boxes().calls().front().prompt;
        EXPECT_TRUE(first.contains(QStringLiteral("<basNavigation.LoadForm>"))) << boxLog();
        EXPECT_TRUE(first.contains(QStringLiteral("438 - Object doesn't support this property or method")))
            << boxLog();
    }
    boxes().clear();
    showPage(12);
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 14) << boxLog();
}

TEST(PageFrame, EngineShowsContinueWithItsTagAndHidesYesNo)
{
    showPage(12);
    EXPECT_TRUE(control(QStringLiteral("cmdContinue"))->isVisible());
    EXPECT_EQ(control(QStringLiteral("cmdContinue"))->property("Tag").toString(), QStringLiteral("14"));
    EXPECT_FALSE(control(QStringLiteral("cmdYes"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("cmdNo"))->isVisible());
}

TEST(PageFrame, ContinueAndBackMoveByTheButtonTags)
{
    showPage(12);
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 14);
    click(QStringLiteral("cmdBack"));
    EXPECT_EQ(currentFormId(), 12);
}

TEST(PageFrame, EnterPressesContinue)
{
    showPage(12);
    pressEnter(control<QComboBox>(QStringLiteral("cmbBedrooms")));
    EXPECT_EQ(currentFormId(), 14);
}

TEST(PageFrame, HelpOpensThePageTopicWithoutMovingOrAsking)
{
    showPage(37);
    control<QLineEdit>(QStringLiteral("txtData1"))->setText(QStringLiteral("12")); // would fail validation
    boxes().clear();
    const auto before = helpLog().topics().size();
    click(QStringLiteral("cmdHelp"));
    ASSERT_EQ(helpLog().topics().size(), before + 1);
    EXPECT_EQ(helpLog().topics().back(), 1037);
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
    EXPECT_EQ(currentFormId(), 37);
}

TEST(PageFrame, NavigationValidatesThenShowsTheOneQuickNavigationWindow)
{
    g_HomeData->setStyle(1);
    g_HomeData->setrmBonusRoom(false);
    showPage(37);
    control<QLineEdit>(QStringLiteral("txtData1"))->setText(QStringLiteral("12"));
    boxes().clear();
    click(QStringLiteral("cmdNavigation"));
    EXPECT_EQ(boxes().calls().size(), 1u) << boxLog();
    EXPECT_FALSE(forms::Forms::isLoaded(QStringLiteral("frmNavigation")));

    if (!forms::Forms::isRegistered(QStringLiteral("frmNavigation")))
        GTEST_SKIP() << "the quick-navigation window is not registered";
    control<QLineEdit>(QStringLiteral("txtData1"))->setText(QStringLiteral("1250"));
    click(QStringLiteral("cmdNavigation"));
    ASSERT_TRUE(forms::Forms::isLoaded(QStringLiteral("frmNavigation")));
    QWidget* navigation = forms::Forms::instance(QStringLiteral("frmNavigation"));
    EXPECT_TRUE(navigation->isVisible());
    EXPECT_EQ(g_HomeData->MainFloorSqFt(), 1250); // saved before it opened
    EXPECT_EQ(currentFormId(), 37);
    click(QStringLiteral("cmdNavigation"));
    EXPECT_EQ(forms::Forms::instance(QStringLiteral("frmNavigation")), navigation);
    forms::Forms::unload(navigation);
    processEvents();
}

TEST(PageFrame, CalcFormErrorIsReportedUnderThePageNameAndTheMoveGoesOn)
{
    g_HomeData->setStyle(3);
    g_HomeData->setNumCarGarage(2);
    g_HomeData->setrmBonusRoom(false);
    showPage(37);
    control<QLineEdit>(QStringLiteral("txtData1"))->setText(QStringLiteral("1400"));
    control<QLineEdit>(QStringLiteral("txtData2"))->clear(); // passes as 0, cannot be stored
    boxes().clear();
    click(QStringLiteral("cmdContinue"));
    ASSERT_EQ(boxes().calls().size(), 1u) << boxLog();
    const auto& box = boxes().calls().front();
    EXPECT_EQ(box.title, QStringLiteral("Error"));
    EXPECT_TRUE(box.prompt.contains(QStringLiteral("<frm01SquareFootage.CalcForm>")));
    EXPECT_TRUE(box.prompt.contains(QStringLiteral("Line Info: Calculate Form Data")));
    EXPECT_EQ(g_HomeData->MainFloorSqFt(), 1400); // the other answers are stored
    EXPECT_EQ(currentFormId(), 12);
}

} // namespace
