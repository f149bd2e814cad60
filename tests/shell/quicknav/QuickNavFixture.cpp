#include "tests/shell/quicknav/QuickNavFixture.h"

#include "runtime/ado/Recordset.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/App.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/Screen.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Trap.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"
#include "shell/frmNavigation.h"
#include "tests/support/Application.h"
#include "tests/support/CloseProgram.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QFile>

#include <sqlite3.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace quicknav
{

namespace
{

const QString ButtonProgId = u"ombLustrel.Lustrel"_s;

int g_serial = 0;

void exec(sqlite3* db, const QString& sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "");
    sqlite3_free(message);
}

} // namespace

// The members of the button control the program touches, with their defaults.
class StandInButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER m_caption)
    Q_PROPERTY(uint ForeColor MEMBER m_foreColor)
    Q_PROPERTY(QVariant Picture MEMBER m_picture)
    Q_PROPERTY(int PictureSpacing MEMBER m_pictureSpacing)
    Q_PROPERTY(bool ShowFocus MEMBER m_showFocus)

public:
    using QWidget::QWidget;

    Q_INVOKABLE void ReadProperties(const com::PropertyBag* bag)
    {
        m_caption = bag->ReadProperty(u"Caption"_s).toString();
        m_foreColor = bag->ReadProperty(u"ForeColor"_s, 0x80000012u).toUInt();
        m_pictureSpacing = bag->ReadProperty(u"PictureSpacing"_s, 5).toInt();
        const QVariant font = bag->ReadProperty(u"Font"_s);
        if (font.metaType().id() == QMetaType::QFont) setFont(font.value<QFont>());
    }

Q_SIGNALS:
    void Click();

private:
    QString m_caption;
    uint m_foreColor = 0x80000012u;
    QVariant m_picture;
    int m_pictureSpacing = 5;
    bool m_showFocus = true;
};

void registerStandInButton()
{
    com::ComponentRegistry::instance().registerClass(
        ButtonProgId, [](QWidget* parent) { return new StandInButton(parent); });
}

void click(QWidget* button)
{
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(QMetaObject::invokeMethod(button, "Click"));
    processDeferred();
}

namespace
{

QWidget* makePage(const QString& className)
{
    auto* page = new QWidget();
    page->setObjectName(className);
    page->setProperty("serial", ++g_serial);
    for (const char* name : testsupport::PageButtons) {
        QWidget* b = com::ComponentRegistry::instance().create(ButtonProgId, page);
        b->setObjectName(QString::fromLatin1(name));
        b->hide();
    }
    return page;
}

} // namespace

void QuickNavTest::SetUpTestSuite()
{
    testsupport::application();
}

void QuickNavTest::SetUp()
{
    m_dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_dir->isValid());
    ASSERT_NO_FATAL_FAILURE(testsupport::copyDataFiles(folder()));
    forms::App::setPath(folder());
    boxes = std::make_unique<forms::ScriptedMessageBoxes>();
    if (!com::ComponentRegistry::instance().isRegistered(ButtonProgId)) registerStandInButton();
    testsupport::registerStandInWindows(&makePage);
    registerNavigationWindow();
    Main(QString());
    processDeferred();
    ASSERT_TRUE(g_frmMain);
    boxes->clear();
}

void QuickNavTest::TearDown()
{
    testsupport::closeProgram();
    g_rsFormDefinition.reset();
    g_rsVisitedForms.reset();
    m_planCn.reset();
    boxes.reset();
}

frmNavigation* QuickNavTest::openNavigation()
{
    auto* nav = qobject_cast<frmNavigation*>(forms::Forms::instance(u"frmNavigation"_s));
    EXPECT_NE(nav, nullptr);
    if (nav) nav->show();
    QCoreApplication::processEvents();
    return nav;
}

bool QuickNavTest::navigationLoaded()
{
    return forms::Forms::isLoaded(u"frmNavigation"_s);
}

void QuickNavTest::usePlan(const QList<PlanRow>& rows)
{
    const QString path = folder() + u"/plan.db"_s;
    QFile::remove(path);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    exec(db, u"CREATE TABLE [Form Definition] (Form_ID SMALLINT PRIMARY KEY, Sequence INTEGER, "
             "Yes_Form SMALLINT, No_Form SMALLINT, HelpContextID INTEGER, [Section Name] TEXT, "
             "[Section Level] SMALLINT, Visible BIT, QuickNav BIT)"_s);
    exec(db, u"CREATE TABLE [Visited Forms] (Form_ID SMALLINT)"_s);
    int sequence = 0;
    for (const PlanRow& row : rows) {
        sqlite3_stmt* st = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db, "INSERT INTO [Form Definition] VALUES (?, ?, 0, 0, 0, ?, ?, ?, ?)",
                                     -1, &st, nullptr),
                  SQLITE_OK);
        const QByteArray name = row.sectionName.toUtf8();
        sqlite3_bind_int(st, 1, row.formId);
        sqlite3_bind_int(st, 2, sequence += 10);
        sqlite3_bind_text(st, 3, name.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 4, row.sectionLevel);
        sqlite3_bind_int(st, 5, row.visible ? -1 : 0);
        sqlite3_bind_int(st, 6, row.quickNav ? -1 : 0);
        EXPECT_EQ(sqlite3_step(st), SQLITE_DONE);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);

    m_planCn = std::make_unique<ado::Connection>();
    m_planCn->Open(path);
    auto plan = std::make_unique<ado::Recordset>();
    plan->setCursorLocation(ado::adUseClient);
    plan->Open(u"SELECT * FROM [Form Definition] ORDER BY Sequence"_s, *m_planCn);
    plan->SetActiveConnection(nullptr);
    g_rsFormDefinition = std::move(plan);
    useVisited({});
}

void QuickNavTest::useVisited(const QList<int>& formIds)
{
    ASSERT_TRUE(g_rsVisitedForms);
    while (!(g_rsVisitedForms->BOF() && g_rsVisitedForms->EOF())) {
        g_rsVisitedForms->MoveFirst();
        g_rsVisitedForms->Delete();
    }
    for (int id : formIds) {
        g_rsVisitedForms->AddNew();
        g_rsVisitedForms->setField(u"Form_ID"_s, id);
        g_rsVisitedForms->Update();
    }
}

QList<std::pair<QString, QString>> QuickNavTest::listed(const frmNavigation* nav)
{
    QList<QWidget*> shown;
    for (QWidget* b : nav->cmdSection())
        if (!b->isHidden()) shown << b;
    std::sort(shown.begin(), shown.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    QList<std::pair<QString, QString>> rows;
    for (QWidget* b : shown)
        rows.append({b->property("Tag").toString(), b->property("Caption").toString()});
    return rows;
}

QWidget* QuickNavTest::sectionFor(const frmNavigation* nav, int formId)
{
    for (QWidget* b : nav->cmdSection())
        if (!b->isHidden() && b->property("Tag").toString() == QString::number(formId)) return b;
    return nullptr;
}

} // namespace quicknav

#include "QuickNavFixture.moc"
