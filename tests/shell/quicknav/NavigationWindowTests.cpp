#include "tests/shell/quicknav/QuickNavFixture.h"

#include "controls/EntryPoints.h"
#include "controls/Lustrel.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/OleColor.h"
#include "runtime/forms/Forms.h"
#include "shell/ScrllngFrm.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/frmMain.h"
#include "shell/frmNavigation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include <sqlite3.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace quicknav
{

namespace
{

// (Form_ID, Section Name) of the control database's rows listed in quick navigation.
QList<std::pair<QString, QString>> listedInControlDatabase(const QString& path)
{
    QList<std::pair<QString, QString>> rows;
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT Form_ID, [Section Name] FROM [Form Definition] "
                       "WHERE Visible <> 0 AND QuickNav <> 0 ORDER BY Sequence",
                       -1, &st, nullptr);
    while (st && sqlite3_step(st) == SQLITE_ROW)
        rows.append({QString::number(sqlite3_column_int(st, 0)),
                     QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)))});
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

bool samePicture(const frmNavigation* nav, const QVariant& picture, int imageIndex)
{
    return picture.value<QPixmap>().toImage() == nav->ImageList1(imageIndex).toImage();
}

QStringList prompts(const forms::ScriptedMessageBoxes& boxes)
{
    QStringList list;
    for (const auto& call : boxes.calls())
        list << call.prompt;
    return list;
}

} // namespace

TEST_F(QuickNavTest, ListsTheVisibleQuickNavSectionsOfThePlanInSequence)
{
    const auto expected = listedInControlDatabase(folder() + u"/HomeControl.cfg"_s);
    ASSERT_GT(expected.size(), 1);
    frmNavigation* nav = openNavigation();
    ASSERT_NE(nav, nullptr);
    EXPECT_EQ(nav->windowTitle(), u"Quick Navigation"_s);
    EXPECT_EQ(listed(nav), expected);
    EXPECT_TRUE(prompts(*boxes).isEmpty()) << prompts(*boxes).join(u" | "_s).toStdString();
    EXPECT_EQ(g_CurrentStep, u"Load Quick Navigation"_s);

    // One row apart, none overlapping, all inside the list surface, which grew by a row each.
    const QList<QWidget*>& buttons = nav->cmdSection();
    ASSERT_EQ(buttons.size(), expected.size());
    for (qsizetype i = 1; i < buttons.size(); ++i) {
        EXPECT_GE(buttons[i]->y(), buttons[i - 1]->y() + buttons[i - 1]->height());
        EXPECT_NEAR(buttons[i]->y() - buttons[i - 1]->y(), 24, 1);
        EXPECT_EQ(buttons[i]->x(), buttons[0]->x());
    }
    EXPECT_EQ(nav->Picture1()->height(), 40 + 24 * (buttons.size() - 1));
    EXPECT_LE(buttons.last()->geometry().bottom(), nav->Picture1()->height());
}

TEST_F(QuickNavTest, ALongListScrollsToItsLastSection)
{
    frmNavigation* nav = openNavigation();
    ScrllngFrm* frame = nav->ScrllngFrm1();
    ASSERT_EQ(nav->Picture1()->parentWidget(), frame->view());
    // The window's design size holds fewer rows than the page plan lists.
    ASSERT_GT(nav->Picture1()->height(), frame->view()->height());
    ASSERT_TRUE(frame->vScroll()->isVisible());
    EXPECT_FALSE(frame->hScroll()->isVisible());
    EXPECT_EQ(frame->vScroll()->maximum(), (nav->Picture1()->height() - frame->view()->height()) * 15);

    frame->vScroll()->setValue(frame->vScroll()->maximum());
    const QRect last = nav->cmdSection().last()->geometry().translated(nav->Picture1()->pos());
    EXPECT_TRUE(frame->view()->rect().contains(last)) << last.y() << " in " << frame->view()->height();

    // A window tall enough for every row needs no bar.
    nav->resize(nav->width(), (nav->Picture1()->height() * 15 + 1600 + 300) / 15);
    EXPECT_FALSE(frame->vScroll()->isVisible());
    EXPECT_EQ(nav->Picture1()->y(), 0);
}

TEST_F(QuickNavTest, SectionsAreStyledByLevelAndVisits)
{
    usePlan({
        {11, u"Level one visited"_s, 1, true, true},
        {12, u"Level one new"_s, 1, true, true},
        {14, u"Level two visited"_s, 2, true, true},
        {15, u"Level two new"_s, 2, true, true},
        {16, u"Level three visited"_s, 3, true, true},
        {17, u"Level three new"_s, 3, true, true},
        {20, u"Hidden from navigation"_s, 1, true, false},
        {21, u"Not visible"_s, 1, false, true},
        {22, u"Level four new"_s, 4, true, true},
    });
    useVisited({11, 14, 16});

    struct Expected {
        int formId;
        uint foreColor;
        int fontSize;
        bool bold;
        int pictureSpacing;
        int picture;
    };
    const Expected cases[] = {
        {11, 0x800000u, 12, true, 10, 2},
        {12, 0x800000u, 12, true, 10, 1},
        {14, 0xC00000u, 8, false, 50, 2},
        {15, frmNavigation::FadedColor, 8, false, 50, 1},
        {16, 0xC00000u, 8, false, 75, 2},
        {17, frmNavigation::FadedColor, 8, false, 75, 1},
        {22, frmNavigation::FadedColor, 8, false, 75, 1},
    };
    frmNavigation* nav = openNavigation();
    EXPECT_EQ(listed(nav).size(), std::size(cases));
    EXPECT_EQ(sectionFor(nav, 20), nullptr);
    EXPECT_EQ(sectionFor(nav, 21), nullptr);
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.formId);
        QWidget* b = sectionFor(nav, c.formId);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->property("ForeColor").toUInt(), c.foreColor);
        EXPECT_EQ(b->font().pointSize(), c.fontSize);
        EXPECT_EQ(b->font().bold(), c.bold);
        EXPECT_EQ(b->property("PictureSpacing").toInt(), c.pictureSpacing);
        EXPECT_TRUE(samePicture(nav, b->property("Picture"), c.picture));
    }
    EXPECT_TRUE(prompts(*boxes).isEmpty()) << prompts(*boxes).join(u" | "_s).toStdString();
}

namespace
{

// Contrast ratio of two colours as the accessibility guidelines define it.
double luminance(QRgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
QRgb rgbOf(uint oleColor)
{
    const com::ColorRef c = com::translateColor(oleColor);
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
// The colour of the caption drawn on a surface: the one farthest from its ground.
QRgb inkOf(const QImage& surface, QRgb ground)
{
    QRgb ink = ground;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (contrast(surface.pixel(x, y), ground) > contrast(ink, ground)) ink = surface.pixel(x, y);
    return ink;
}

} // namespace

TEST_F(QuickNavTest, FaintCaptionsStayLegibleAndTheEntryUnderThePointerReadable)
{
    // The real buttons for this test, the stand-in again afterwards.
    ASSERT_EQ(DllRegisterServer(&com::ComponentRegistry::instance()), 0);
    struct Restore {
        ~Restore() { registerStandInButton(); }
    } restore;
    useVisited({14});
    frmNavigation* nav = openNavigation();
    const QRgb white = nav->Picture1()->palette().color(QPalette::Window).rgb();
    auto* faint = qobject_cast<ombLustrel::Lustrel*>(sectionFor(nav, 15));
    auto* strong = qobject_cast<ombLustrel::Lustrel*>(sectionFor(nav, 14));
    ASSERT_NE(faint, nullptr);
    ASSERT_NE(strong, nullptr);
    EXPECT_EQ(faint->ForeColor(), frmNavigation::FadedColor);

    // Faint: at least 3:1 on the list, and fainter than a visited entry of its level.
    const QRgb faintInk = inkOf(faint->surface(), white);
    EXPECT_GE(contrast(rgbOf(faint->ForeColor()), white), 3.0);
    EXPECT_GE(contrast(faintInk, white), 3.0);
    EXPECT_LT(contrast(faintInk, white), contrast(inkOf(strong->surface(), white), white));

    // Under the pointer the entry shows its hover colours, and its caption reads well on them.
    for (ombLustrel::Lustrel* b : {faint, strong}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 10), b->mapToGlobal(QPointF(20, 10)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(b, &move);
        ASSERT_EQ(b->state(), ombLustrel::Lustrel::StateHot);
        const QRgb ground = b->surface().pixel(b->width() - 3, b->height() / 2);
        EXPECT_EQ(ground, rgbOf(b->HighlightColor()));
        EXPECT_GE(contrast(rgbOf(b->ShadowColor()), ground), 4.5);
        EXPECT_GE(contrast(inkOf(b->surface(), ground), ground), 4.5);
    }
}

TEST_F(QuickNavTest, PlansWithNothingToList)
{
    struct Case {
        const char* name;
        QList<PlanRow> rows;
        QStringList boxes;
    };
    const Case cases[] = {
        {"no listed row", {{11, u"Hidden"_s, 1, true, false}, {12, u"Invisible"_s, 2, false, true}}, {}},
        {"no row at all", {}, {u"Error Loading Navigation"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        usePlan(c.rows);
        boxes->clear();
        frmNavigation* nav = openNavigation();
        ASSERT_NE(nav, nullptr);
        EXPECT_TRUE(nav->isVisible());
        EXPECT_TRUE(listed(nav).isEmpty());
        EXPECT_EQ(prompts(*boxes), c.boxes);
        if (!c.boxes.isEmpty()) {
            EXPECT_EQ(boxes->calls().front().buttons, 0);
        }
        click(nav->cmdContinue());
        EXPECT_FALSE(navigationLoaded());
    }
}

TEST_F(QuickNavTest, NothingVisitedYetTicksNothingAndReportsNothing)
{
    useVisited({});
    frmNavigation* nav = openNavigation();
    ASSERT_FALSE(nav->cmdSection().isEmpty());
    for (QWidget* b : nav->cmdSection())
        EXPECT_TRUE(samePicture(nav, b->property("Picture"), 1))
            << b->property("Tag").toString().toStdString();
    EXPECT_TRUE(prompts(*boxes).isEmpty()) << prompts(*boxes).join(u" | "_s).toStdString();
}

TEST_F(QuickNavTest, MarkerSitsBesideTheCurrentPage)
{
    usePlan({{11, u"Style"_s, 1, true, true},
             {12, u"Bedrooms"_s, 2, true, true},
             {13, u"Unlisted"_s, 2, true, false}});
    struct Case {
        int current;
        int markedFormId; // 0: no listed section is current
    };
    for (const Case c : {Case{12, 12}, Case{11, 11}, Case{13, 0}}) {
        SCOPED_TRACE(c.current);
        g_CurrentFormID = c.current;
        frmNavigation* nav = openNavigation();
        if (c.markedFormId)
            EXPECT_EQ(nav->imgCurrent()->y(), sectionFor(nav, c.markedFormId)->y());
        else
            EXPECT_EQ(nav->imgCurrent()->y(), frmNavigation::MarkerDesignTop / 15);
        forms::Forms::unload(nav);
        processDeferred();
    }
}

TEST_F(QuickNavTest, ChoosingASectionJumpsThroughLoadFormAndCloses)
{
    ASSERT_EQ(g_CurrentFormID.value(), 1);
    frmNavigation* nav = openNavigation();
    QWidget* style = sectionFor(nav, 11);
    ASSERT_NE(style, nullptr);
    EXPECT_TRUE(samePicture(nav, style->property("Picture"), 1));
    click(style);

    EXPECT_EQ(g_CurrentFormID.value(), 11);
    ASSERT_TRUE(g_CurrentForm);
    EXPECT_EQ(g_CurrentForm->objectName(), u"frm01HouseType"_s);
    EXPECT_TRUE(g_CurrentForm->isVisible());
    EXPECT_FALSE(navigationLoaded());

    // Shown again, the list is new: the page just visited is ticked and marked.
    nav = openNavigation();
    style = sectionFor(nav, 11);
    ASSERT_NE(style, nullptr);
    EXPECT_TRUE(samePicture(nav, style->property("Picture"), 2));
    EXPECT_EQ(nav->imgCurrent()->y(), style->y());
    EXPECT_TRUE(prompts(*boxes).isEmpty()) << prompts(*boxes).join(u" | "_s).toStdString();
}

TEST_F(QuickNavTest, ChoosingThePageAlreadyShownOnlyCloses)
{
    click(sectionFor(openNavigation(), 11));
    const QWidget* page = g_CurrentForm.data();
    const int serial = page->property("serial").toInt();

    click(sectionFor(openNavigation(), 11));
    EXPECT_EQ(g_CurrentFormID.value(), 11);
    ASSERT_TRUE(g_CurrentForm);
    EXPECT_EQ(g_CurrentForm->property("serial").toInt(), serial);
    EXPECT_FALSE(navigationLoaded());
}

TEST_F(QuickNavTest, ClosingTheWindowUnloadsIt)
{
    struct Case {
        const char* name;
        void (*close)(frmNavigation*);
    };
    const Case cases[] = {
        {"continue", [](frmNavigation* nav) { click(nav->cmdContinue()); }},
        {"window close", [](frmNavigation* nav) { nav->close(); }},
        {"escape",
         [](frmNavigation* nav) {
             QApplication::setActiveWindow(nav);
             QTest::keyClick(nav->cmdContinue(), Qt::Key_Escape);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmNavigation* nav = openNavigation();
        QPointer<QWidget> surface = nav->Picture1();
        c.close(nav);
        processDeferred();
        EXPECT_FALSE(navigationLoaded());
        EXPECT_TRUE(surface.isNull());
    }
}

TEST_F(QuickNavTest, TheMainWindowCanShowItToo)
{
    ASSERT_TRUE(g_frmMain);
    EXPECT_NE(g_frmMain->findChild<QWidget*>(u"pcHelpGutter"_s), nullptr);
    EXPECT_FALSE(navigationLoaded());
    ASSERT_TRUE(QMetaObject::invokeMethod(g_frmMain.data(), "ShowQuickNavigation"));
    ASSERT_TRUE(navigationLoaded());
    auto* nav = qobject_cast<frmNavigation*>(forms::Forms::instance(u"frmNavigation"_s));
    ASSERT_NE(nav, nullptr);
    EXPECT_TRUE(nav->isVisible());
    EXPECT_FALSE(nav->isModal());
    // A second call shows the same window.
    ASSERT_TRUE(QMetaObject::invokeMethod(g_frmMain.data(), "ShowQuickNavigation"));
    EXPECT_EQ(forms::Forms::instance(u"frmNavigation"_s), nav);
    click(nav->cmdContinue());
    EXPECT_FALSE(navigationLoaded());
}

TEST_F(QuickNavTest, GoesWithTheMainWindow)
{
    QPointer<frmNavigation> nav = openNavigation();
    forms::ScriptedMessageBoxes closing;
    closing.answer(forms::vbNo);
    ASSERT_TRUE(FileClose());
    processDeferred();
    EXPECT_FALSE(navigationLoaded());
    EXPECT_TRUE(nav.isNull());
}

} // namespace quicknav
