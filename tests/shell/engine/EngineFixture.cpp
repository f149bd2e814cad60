#include "tests/shell/engine/EngineFixture.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/Recordset.h"
#include "runtime/forms/App.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/Screen.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Trap.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"
#include "tests/support/Application.h"
#include "tests/support/CloseProgram.h"
#include "tests/support/NavigationRows.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace enginetest
{

namespace
{

int g_serial = 0;

// A plain button with what the engine and InitForm touch of the control's.
class StandInButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool ShowFocus MEMBER m_showFocus)

public:
    using QPushButton::QPushButton;

private:
    bool m_showFocus = false;
};

QWidget* makeStandIn(const QString& className)
{
    auto* page = new QWidget();
    page->setObjectName(className);
    page->setProperty("serial", ++g_serial);
    for (const char* name : testsupport::PageButtons) {
        auto* b = new StandInButton(QString::fromLatin1(name), page);
        b->setObjectName(QString::fromLatin1(name));
        b->hide();
        if (qstrcmp(name, "cmdNavigation") == 0 || qstrcmp(name, "cmdHelp") == 0) continue;
        QObject::connect(b, &QPushButton::clicked, page, [page, b] {
            vb::guard(page->objectName() + u".Click"_s,
                      [&] { LoadForm(page, vb::CInt(b->property("Tag"))); });
        });
    }
    return page;
}

} // namespace

void registerStandInPages()
{
    testsupport::registerStandInWindows(&makeStandIn);
}

int serialOf(const QWidget* page)
{
    return page ? page->property("serial").toInt() : 0;
}

QWidget* button(QWidget* page, const QString& name)
{
    return page ? page->findChild<QWidget*>(name) : nullptr;
}

void click(const QString& name)
{
    auto* b = qobject_cast<QPushButton*>(button(g_CurrentForm, name));
    ASSERT_NE(b, nullptr) << name.toStdString();
    b->click();
    processDeferred();
}

void EngineTest::SetUpTestSuite()
{
    testsupport::application();
}

void EngineTest::SetUp()
{
    m_dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_dir->isValid());
    ASSERT_NO_FATAL_FAILURE(testsupport::copyDataFiles(folder()));
    forms::App::setPath(folder());
    boxes = std::make_unique<forms::ScriptedMessageBoxes>();
    dialogs = std::make_unique<forms::ScriptedFileDialogs>();
    registerStandInPages();
}

void EngineTest::TearDown()
{
    testsupport::closeProgram();
    dialogs.reset();
    boxes.reset();
}

void EngineTest::start(const QString& commandLine)
{
    Main(commandLine);
    processDeferred();
}

namespace
{

void restoreVariable(const char* name, const QByteArray& value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

} // namespace

UserHome::UserHome(const QString& home) : m_home(qgetenv("HOME")), m_dataHome(qgetenv("XDG_DATA_HOME"))
{
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("XDG_DATA_HOME");
}

UserHome::~UserHome()
{
    restoreVariable("HOME", m_home);
    restoreVariable("XDG_DATA_HOME", m_dataHome);
}

ReadOnlyProgramFolder::ReadOnlyProgramFolder(const QString& folder, const QString& home)
    : m_folder(folder), m_home(home)
{
    const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(m_folder, readable);
    if (getuid() == 0) m_fault = std::make_unique<vb::FileWriteFault>(m_folder, vb::FileWriteFault::ReadOnly);
}

ReadOnlyProgramFolder::~ReadOnlyProgramFolder()
{
    m_fault.reset();
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void EngineTest::installFolder() const
{
    ASSERT_TRUE(QFile::remove(folder() + QStringLiteral("/" TAVIMOOR_BUILD_TREE_MARK)));
    ASSERT_TRUE(vb::IsWritableFolder(folder()));
}

QStringList EngineTest::folderEntries() const
{
    return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QString EngineTest::makeHouseFile(const QString& name, double version) const
{
    const QString path = folder() + u'/' + name;
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(folder() + u"/Tmplt.cfg"_s, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    exec(path, u"UPDATE [Database] SET Version = "_s + QString::number(version));
    return path;
}

QString EngineTest::makeHouseFileAway() const
{
    EXPECT_TRUE(QDir(folder()).mkdir(u"away"_s));
    const QString path = folder() + u"/away/Open.tvm"_s;
    EXPECT_TRUE(QFile::copy(makeHouseFile(u"seed.tvm"_s), path));
    return path;
}

void EngineTest::exec(const QString& dbPath, const QString& sql)
{
    testsupport::execute(dbPath, sql.toUtf8());
}

QList<QVariant> EngineTest::column(const QString& dbPath, const QString& sql)
{
    return testsupport::column(dbPath, sql);
}

QList<int> EngineTest::formIds(const QString& dbPath, const QString& table)
{
    QList<int> ids;
    for (const QVariant& v : column(dbPath, u"SELECT Form_ID FROM ["_s + table + u"] ORDER BY rowid"_s))
        ids << v.toInt();
    return ids;
}

QList<int> EngineTest::rows(int which)
{
    return testsupport::formIdRows(which == 0 ? g_rsFormStack.get() : g_rsVisitedForms.get());
}

void EngineTest::go(int formId)
{
    QWidget* b = button(g_CurrentForm, u"cmdContinue"_s);
    ASSERT_NE(b, nullptr);
    b->setProperty("Tag", QString::number(formId));
    click(u"cmdContinue"_s);
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QString failureCause(SaveCause cause, const QString& link)
{
    switch (cause) {
    case SaveCause::Changed:
        return u"The file was changed by another program since it was opened, so it is left as that "
               "program saved it."_s;
    case SaveCause::Busy:
        return u"Another program is saving to the file just now, so nothing was written."_s;
    case SaveCause::Gone:
        return u"The file, or the folder it belongs in, is not there: it may have been moved or deleted."_s;
    case SaveCause::DiskFull:
        return u"The disk is full."_s;
    case SaveCause::NoPermission:
        return u"You do not have permission to write to the file or its folder."_s;
    case SaveCause::NotAFile:
        return u"The name is a folder or another special file, not a house file."_s;
    case SaveCause::NoTemplate:
        return u"The program's template \"Tmplt.cfg\", from which every house file is made, is "
               "missing; reinstalling the program brings it back."_s;
    case SaveCause::Other:
        return u"The disk may be full, or the file or its folder may not be written to."_s;
    case SaveCause::NoReplace:
        return u"You do not have permission to replace the file: it belongs to another user, in a "
               "shared folder where only its owner may replace it."_s;
    case SaveCause::ProtectedLink:
        return (link.isEmpty() ? u"The name is"_s : u"The name leads through"_s) +
               u" a symbolic link that another user made in a shared folder"_s +
               (link.isEmpty() ? QString() : u", "_s + link) +
               u"; links there are followed only when they are your own or the folder owner's, so "
               "nothing was written."_s;
    }
    return {};
}

QString saveFailureMessage(const QString& path, SaveCause cause, const QString& link)
{
    QString advice;
    switch (cause) {
    case SaveCause::Changed:
        advice = u"Your answers are still open; Save As keeps them, under this name or another."_s;
        break;
    case SaveCause::Busy:
        advice = u"Your answers are still open; save again in a moment, or under another name."_s;
        break;
    case SaveCause::Gone:
    case SaveCause::Other:
        advice = u"Your answers are still open; save them again, perhaps under another name."_s;
        break;
    case SaveCause::DiskFull:
        advice = u"Your answers are still open; make room on the disk and save them again, or save "
                 "them under another name on another disk."_s;
        break;
    case SaveCause::NoPermission:
    case SaveCause::NoReplace:
    case SaveCause::ProtectedLink:
        advice = u"Your answers are still open; save them under another name, in a folder of your own."_s;
        break;
    case SaveCause::NotAFile:
        advice = u"Your answers are still open; save them under another name."_s;
        break;
    case SaveCause::NoTemplate:
        advice = u"Your answers are still open."_s;
        break;
    }
    return u"Your house could not be saved to this file:\r\n"_s + path + u"\r\n\r\n"_s +
           failureCause(cause, link) + u' ' + advice;
}

QStringList EngineTest::prompts() const
{
    QStringList list;
    for (const auto& call : boxes->calls())
        list << call.prompt;
    return list;
}

} // namespace enginetest

#include "EngineFixture.moc"
