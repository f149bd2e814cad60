#include "tests/shell/engine/EngineFixture.h"

#include "estimate/clsHomeData.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/Screen.h"
#include "runtime/vb/FileSystem.h"
#include "runtime/vb/Trap.h"
#include "shell/basErrorHandling.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/StartupPrefetch.h"
#include "shell/frmMain.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace enginetest;

namespace
{

class Startup : public EngineTest
{
};

TEST_F(Startup, WithoutArgumentsReplacesAnOldWorkingCopy)
{
    const QString working = folder() + u"/~092891.tmp"_s;
    {
        QFile old(working);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an old working copy");
    }
    start();

    EXPECT_EQ(WorkingCopyPath(), working);
    EXPECT_EQ(contents(working), contents(folder() + u"/Tmplt.cfg"_s));
    EXPECT_EQ(g_HouseFilePath, working);
    EXPECT_EQ(g_IsNewFile, vb::Integer(-1));
    ASSERT_TRUE(g_frmMain);
    EXPECT_TRUE(g_frmMain->isVisible());
    EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor"_s);
    EXPECT_FALSE(forms::Forms::isLoaded(u"frmSplash"_s));
    // The template's stack holds page 1: it is shown, and not pushed again.
    EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
    ASSERT_TRUE(g_CurrentForm);
    EXPECT_EQ(g_CurrentForm->objectName(), u"frm01Welcome"_s);
    EXPECT_EQ(rows(0), QList<int>({1}));
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

TEST_F(Startup, QuotedCommandLinePathOpensInPlace)
{
    const QString path = makeHouseFile(u"Lake House.tvm"_s);
    exec(path, u"UPDATE [HouseData] SET NumBedrooms = 5"_s);
    exec(path, u"INSERT INTO [Form Stack] (Form_ID) VALUES (10)"_s);

    start(u"\""_s + path + u"\""_s);

    EXPECT_EQ(g_HouseFilePath, path);
    EXPECT_EQ(g_IsNewFile, vb::Integer(0));
    EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor - Lake House.tvm"_s);
    EXPECT_FALSE(QFileInfo::exists(folder() + u"/~092891.tmp"_s));
    EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(5));
    // The last page on the file's stack comes back.
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
    EXPECT_EQ(rows(0), QList<int>({1, 10}));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

TEST_F(Startup, MissingFilesAreReportedAndNeverCreated)
{
    struct Case {
        const char* remove;      // data file taken away before start
        const char* commandLine; // relative to the program folder, or empty
        const char* procName;
        const char* neverCreated;
    };
    const Case cases[] = {
        {nullptr, "nowhere/missing.tvm", "basNavigation.Open Home Database File", "nowhere/missing.tvm"},
        {"HomeControl.cfg", "", "basNavigation.Open Control Database", "HomeControl.cfg"},
        {"Tmplt.cfg", "", "basNavigation.Main", "Tmplt.cfg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.procName);
        TearDown();
        SetUp();
        if (c.remove) QFile::remove(folder() + u'/' + QString::fromLatin1(c.remove));
        const QString arg = *c.commandLine ? folder() + u'/' + QString::fromLatin1(c.commandLine) : QString();
        start(arg);

        ASSERT_FALSE(boxes->calls().empty());
        const auto& first = boxes->calls().front();
        EXPECT_TRUE(first.prompt.contains(u"<"_s + QString::fromLatin1(c.procName) + u">"_s))
            << first.prompt.toStdString();
        EXPECT_EQ(first.title, u"Error"_s);
        EXPECT_FALSE(QFileInfo::exists(folder() + u'/' + QString::fromLatin1(c.neverCreated)));
        // Start-up still ends with the main window shown.
        ASSERT_TRUE(g_frmMain);
        EXPECT_TRUE(g_frmMain->isVisible());
        EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
    }
}

// The prefetch hands Main what Main would read itself, and nothing where a step failed, so that
// Main does that step again and reports it.
TEST_F(Startup, PrefetchReadsWhatMainWouldOrNothing)
{
    const QString control = folder() + u"/HomeControl.cfg"_s;
    const QString templateFile = folder() + u"/Tmplt.cfg"_s;
    const QString working = folder() + u"/~092891.tmp"_s;
    {
        shell_internal::StartupPrefetch prefetch(control, templateFile, working);
        const auto read = prefetch.takeControlDatabase();
        ASSERT_TRUE(read);
        EXPECT_TRUE(read->connection->isOpen());
        QList<QVariant> plan;
        for (ado::Recordset& rs = *read->formDefinition; !rs.EOF(); rs.MoveNext())
            plan << rs.Field(u"Form_ID"_s);
        EXPECT_EQ(plan, column(control, u"SELECT Form_ID FROM [Form Definition] ORDER BY Sequence"_s));
        const auto check = prefetch.takeWorkingCopy();
        ASSERT_TRUE(check);
        EXPECT_EQ(check->problem, shell_internal::FileProblem::None);
        EXPECT_EQ(contents(working), contents(templateFile));
    }
    {
        // A start on a file of its own makes no working copy.
        QFile::remove(working);
        shell_internal::StartupPrefetch prefetch(control, templateFile, QString());
        EXPECT_FALSE(prefetch.takeWorkingCopy());
        EXPECT_FALSE(QFileInfo::exists(working));
    }
    {
        QFile::remove(control);
        QFile::remove(templateFile);
        shell_internal::StartupPrefetch prefetch(control, templateFile, working);
        EXPECT_FALSE(prefetch.takeControlDatabase());
        EXPECT_FALSE(prefetch.takeWorkingCopy());
        EXPECT_FALSE(QFileInfo::exists(working));
    }
}

// Takes write permission on the program folder away by its mode bits. Root ignores them, so for
// root the folder is also made read-only through the file layer's fault seam (the installed
// program's test starts it as an ordinary user on a truly read-only folder).
class ReadOnlyProgramFolder
{
public:
    ReadOnlyProgramFolder(const QString& folder, const QString& home) : m_folder(folder)
    {
        const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                              QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(m_folder, readable);
        if (getuid() != 0) return;
        m_home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home));
        m_fault = std::make_unique<vb::FileWriteFault>(m_folder, vb::FileWriteFault::ReadOnly);
    }
    ~ReadOnlyProgramFolder()
    {
        m_fault.reset();
        if (!m_home.isNull()) qputenv("HOME", m_home);
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    QString m_folder;
    QByteArray m_home;
    std::unique_ptr<vb::FileWriteFault> m_fault;
};

TEST_F(Startup, WorkingCopyGoesToTheDataFolderWhenTheProgramFolderIsReadOnly)
{
    QTemporaryDir home;
    ReadOnlyProgramFolder readOnly(folder(), home.path());
    if (vb::IsWritableFolder(folder())) GTEST_SKIP() << "the folder stays writable for this user";
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    start();

    EXPECT_EQ(g_HouseFilePath, dataFolder + u"/~092891.tmp"_s);
    EXPECT_EQ(contents(g_HouseFilePath), contents(folder() + u"/Tmplt.cfg"_s));
    EXPECT_FALSE(QFileInfo::exists(folder() + u"/~092891.tmp"_s));
    EXPECT_EQ(g_IsNewFile, vb::Integer(-1));
    EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

TEST_F(Startup, ErrorHandlerShowsProcedureStepAndErrorThenResetsThePointer)
{
    g_CurrentStep = u"Calculate Form Data"_s;
    forms::Screen::setMousePointer(forms::vbHourglass);
    ErrorHandler(u"frm01Garage.CalcForm"_s, -2147217900, u"Syntax error"_s);

    ASSERT_EQ(boxes->calls().size(), 1u);
    const auto& box = boxes->calls().front();
    EXPECT_EQ(box.prompt, u"An error occured in the following procedure: <frm01Garage.CalcForm>.\r\n"
                          "Line Info: Calculate Form Data\r\n"
                          "-2147217900 - Syntax error\r\n\r\n"
                          "Please report this error to Technical Support."_s);
    EXPECT_EQ(box.buttons, forms::vbCritical + forms::vbOKOnly);
    EXPECT_EQ(box.title, u"Error"_s);
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
}

TEST_F(Startup, TrappedProcedureReportsAndGoesOn)
{
    start();
    boxes->clear();
    g_CurrentStep = u"Before"_s;
    int after = 0;
    vb::Trap trap(u"basNavigation.Main"_s);
    trap([] { throw vb::VbError(13, u"Type mismatch"_s); });
    trap([&] { after = 1; });

    EXPECT_EQ(after, 1);
    ASSERT_EQ(boxes->calls().size(), 1u);
    EXPECT_TRUE(boxes->calls().front().prompt.startsWith(
        u"An error occured in the following procedure: <basNavigation.Main>.\r\nLine Info: Before\r\n13 - Type mismatch"_s));
}

} // namespace
