#include "tests/shell/engine/EngineFixture.h"

#include "estimate/clsHomeData.h"
#include "runtime/forms/Forms.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/frmMain.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;
using namespace enginetest;

namespace
{

class HouseFiles : public EngineTest
{
protected:
    int bedroomsIn(const QString& path) const
    {
        const auto values = column(path, u"SELECT NumBedrooms FROM [HouseData]"_s);
        return values.isEmpty() ? -1 : values.front().toInt();
    }
};

TEST_F(HouseFiles, GetFileNameTakesThePartAfterTheLastSeparator)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Homes\\Lake.tvm", "Lake.tvm"},
        {"/home/me/Lake House.tvm", "Lake House.tvm"},
        {"  /home/me/Lake.tvm  ", "Lake.tvm"},
        {"Lake.tvm", "Lake.tvm"},
        {"C:\\Homes\\", ""},
        {"", ""},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(GetFileName(QString::fromLatin1(path)), QString::fromLatin1(name)) << path;
}

TEST_F(HouseFiles, VersionCheckOnOpen)
{
    struct Case {
        double version;
        const char* prompt; // the refusal, or none when the file opens
        int buttons;
        const char* title;
    };
    const Case cases[] = {
        {1, "Outdated Version of File", 16, "Tavimoor"},
        {2, nullptr, 0, ""},
        {2.5,
         "An error occured in the opening the file: <v.tvm>.\r\nFile Database Version: 2.5\r\n"
         "Program Database Version: 2\r\n\r\nYou need to install the correct version of the program.",
         16, "File Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        TearDown();
        SetUp();
        start();
        const QString path = makeHouseFile(u"v.tvm"_s, c.version);
        boxes->answer(forms::vbNo);
        dialogs->choose(path);
        FileOpen();
        const QStringList shown = prompts();
        ASSERT_GE(shown.size(), 1);
        EXPECT_EQ(shown[0], u"Do you want to save this file?"_s);
        if (c.prompt) {
            ASSERT_EQ(shown.size(), 2) << shown.join(u'\n').toStdString();
            EXPECT_EQ(shown[1], QString::fromLatin1(c.prompt));
            EXPECT_EQ(boxes->calls()[1].buttons, c.buttons);
            EXPECT_EQ(boxes->calls()[1].title, QString::fromLatin1(c.title));
            // The file is refused; the untitled estimate stays.
            EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
            EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor"_s);
            EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
            ASSERT_TRUE(g_CurrentForm);
            EXPECT_TRUE(g_CurrentForm->isVisible());
        } else {
            EXPECT_EQ(shown.size(), 1) << shown.join(u'\n').toStdString();
            EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor - v.tvm"_s);
        }
    }
}

TEST_F(HouseFiles, SaveOpenRoundTripRestoresAnswersStackAndVisitedPages)
{
    start();
    go(10);
    go(28);
    go(11);
    g_HomeData->setNumBedrooms(6);
    const QString path = folder() + u"/Round Trip.tvm"_s;
    dialogs->choose(path);
    FileSave();
    EXPECT_EQ(g_HouseFilePath, path);
    EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor - Round Trip.tvm"_s);
    EXPECT_EQ(bedroomsIn(path), 6);
    EXPECT_EQ(formIds(path, u"Form Stack"_s), QList<int>({1, 10, 28, 11}));
    EXPECT_EQ(bedroomsIn(WorkingCopyPath()), bedroomsIn(folder() + u"/Tmplt.cfg"_s));
    EXPECT_EQ(g_CurrentFormID, vb::Integer(11));

    // A fresh estimate, then the saved one again.
    boxes->answer(forms::vbNo);
    FileNew();
    EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
    EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
    EXPECT_NE(g_HomeData->NumBedrooms(), vb::Integer(6));

    boxes->answer(forms::vbNo);
    dialogs->choose(path);
    FileOpen();
    EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(6));
    EXPECT_EQ(g_CurrentFormID, vb::Integer(11));
    EXPECT_EQ(g_CurrentForm->objectName(), u"frm01HouseType"_s);
    EXPECT_EQ(rows(0), QList<int>({1, 10, 28, 11}));
    EXPECT_EQ(rows(1), QList<int>({1, 10, 28, 11}));
    // Back works from the resumed page.
    click(u"cmdBack"_s);
    EXPECT_EQ(g_CurrentFormID, vb::Integer(28));
    EXPECT_EQ(prompts(),
              QStringList({u"Do you want to save this file?"_s, u"Do you want to save this file?"_s}));
    EXPECT_EQ(dialogs->calls().back().request.initDir, folder());
    EXPECT_EQ(dialogs->calls().back().request.title, u"Open"_s);
}

TEST_F(HouseFiles, DecliningToSaveLosesTheMovesAndAnswers)
{
    const QString path = makeHouseFile(u"Kept.tvm"_s);
    start(path);
    go(10);
    g_HomeData->setNumBedrooms(7);
    boxes->answer(forms::vbNo);
    dialogs->choose(path);
    FileOpen();
    EXPECT_NE(g_HomeData->NumBedrooms(), vb::Integer(7));
    EXPECT_EQ(rows(0), QList<int>({1}));
    EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
}

TEST_F(HouseFiles, SaveAsToTheOpenFileSavesEverythingInIt)
{
    const QString path = makeHouseFile(u"Same.tvm"_s);
    start(path);
    go(10);
    g_HomeData->setNumBedrooms(4);
    dialogs->choose(path);
    FileSaveAs();
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
    EXPECT_EQ(g_HouseFilePath, path);
    EXPECT_EQ(bedroomsIn(path), 4);
    EXPECT_EQ(formIds(path, u"Form Stack"_s), QList<int>({1, 10}));
    EXPECT_EQ(dialogs->calls().back().request.title, u"Save As"_s);
    EXPECT_EQ(dialogs->calls().back().request.filter, u"All Tavimoor Files (*.tvm)|*.tvm"_s);
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
    ASSERT_TRUE(g_CurrentForm);
    EXPECT_TRUE(g_CurrentForm->isVisible());
}

TEST_F(HouseFiles, ExtensionRuleOnTheSavedName)
{
    struct Case {
        const char* typed;
        const char* saved;
    };
    const Case cases[] = {
        {"plain", "plain.tvm"},
        {"kept.tvm", "kept.tvm"},
        {"upper.TVM", "upper.TVM.tvm"},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        dialogs->choose(folder() + u'/' + QString::fromLatin1(c.typed));
        FileSaveAs();
        EXPECT_EQ(g_HouseFilePath, folder() + u'/' + QString::fromLatin1(c.saved));
        EXPECT_TRUE(QFileInfo::exists(g_HouseFilePath));
    }
    EXPECT_FALSE(QFileInfo::exists(folder() + u"/upper.TVM"_s));
}

TEST_F(HouseFiles, NameCompletedByTheExtensionAsksBeforeReplacingAFile)
{
    const QString existing = makeHouseFile(u"taken.TVM.tvm"_s);
    exec(existing, u"UPDATE [HouseData] SET NumBedrooms = 9"_s);
    start();
    dialogs->choose(folder() + u"/taken.TVM"_s);
    boxes->answer(forms::vbNo);
    FileSaveAs();
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_TRUE(prompts().front().contains(u"already exists"_s));
    EXPECT_EQ(bedroomsIn(existing), 9);
    EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
}

TEST_F(HouseFiles, CancelledSaveDialogAfterYesStopsNewOpenAndExit)
{
    start();
    go(10);
    g_HomeData->setNumBedrooms(3);

    boxes->answer(forms::vbYes);
    dialogs->cancel();
    FileOpen();
    // The Open dialog does not follow.
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->calls()[0].request.title, u"Save"_s);

    boxes->answer(forms::vbYes);
    dialogs->cancel();
    FileNew();
    boxes->answer(forms::vbYes);
    dialogs->cancel();
    EXPECT_FALSE(FileClose());

    EXPECT_EQ(dialogs->calls().size(), 3u);
    EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
    EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(3));
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
    ASSERT_TRUE(g_CurrentForm);
    EXPECT_TRUE(g_CurrentForm->isVisible());
    EXPECT_EQ(bedroomsIn(WorkingCopyPath()), bedroomsIn(folder() + u"/Tmplt.cfg"_s));
}

TEST_F(HouseFiles, FailedCopyKeepsTheOpenFileAndStopsTheFlow)
{
    start();
    go(10);
    g_HomeData->setNumBedrooms(6);
    const QString unreachable = folder() + u"/no such folder/x.tvm"_s;

    dialogs->choose(unreachable);
    FileSaveAs();
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_EQ(prompts().front(), saveFailureMessage(unreachable, SaveCause::Gone));
    EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
    EXPECT_TRUE(g_cnHouse->isOpen());
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
    ASSERT_TRUE(g_CurrentForm);
    EXPECT_TRUE(g_CurrentForm->isVisible());

    // Yes to the save question, then a copy that fails: the Open dialog does not follow.
    boxes->clear();
    boxes->answer(forms::vbYes);
    dialogs->choose(unreachable);
    FileOpen();
    EXPECT_EQ(dialogs->calls().back().request.title, u"Save"_s);
    EXPECT_EQ(dialogs->pending(), 0);
    EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
    EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(6));
    EXPECT_FALSE(QFileInfo::exists(unreachable));
}

TEST_F(HouseFiles, CancelStopsEveryFlow)
{
    start();
    go(10);
    const QString before = g_HouseFilePath;
    boxes->answer(forms::vbCancel);
    FileNew();
    boxes->answer(forms::vbCancel);
    FileOpen();
    boxes->answer(forms::vbCancel);
    EXPECT_FALSE(FileClose());
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(g_HouseFilePath, before);
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
    ASSERT_TRUE(g_CurrentForm);
    EXPECT_TRUE(g_CurrentForm->isVisible());
    ASSERT_TRUE(g_HomeData);
    ASSERT_TRUE(g_cnHouse && g_cnHouse->isOpen());
}

TEST_F(HouseFiles, ClosingReleasesEverythingAndClosesOtherWindows)
{
    start();
    QWidget tool;
    tool.setWindowTitle(u"Preview"_s);
    tool.show();
    boxes->answer(forms::vbNo);
    EXPECT_TRUE(FileClose());
    EXPECT_FALSE(tool.isVisible());
    EXPECT_FALSE(g_HomeData);
    EXPECT_FALSE(g_cnHouse);
    EXPECT_FALSE(g_cnControl);
    EXPECT_FALSE(g_rsFormStack);
    EXPECT_FALSE(g_rsFormDefinition);
    EXPECT_FALSE(g_rsVisitedForms);
    processDeferred();
    EXPECT_TRUE(forms::Forms::loadedClasses().filter(u"frm01"_s).isEmpty());
}

} // namespace
