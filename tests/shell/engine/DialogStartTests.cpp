#include "tests/shell/engine/EngineFixture.h"

#include "runtime/vb/FileSystem.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;
using namespace enginetest;

namespace
{

class DialogStart : public EngineTest
{
protected:
    // Where the last dialog started, and the name it showed.
    void expectLastStart(const QString& folder, const QString& name, const char* what) const
    {
        ASSERT_FALSE(dialogs->calls().empty()) << what;
        const forms::FileDialogRequest& request = dialogs->calls().back().request;
        EXPECT_EQ(request.initDir, folder) << what;
        EXPECT_EQ(request.fileName, name) << what;
    }
    // File > Open answered No to the save question, then cancelled.
    void cancelledOpen()
    {
        boxes->answer(forms::vbNo);
        dialogs->cancel();
        FileOpen();
    }
    // A home folder, with or without a documents folder, and where the dialogs should start.
    static QString documentsOrHome(const QTemporaryDir& home, bool withDocuments)
    {
        if (!withDocuments) return home.path();
        EXPECT_TRUE(QDir(home.path()).mkdir(u"Documents"_s));
        return home.path() + u"/Documents"_s;
    }
    // Open and Save As of the untitled estimate, and of a new one after a save, start there.
    void expectUntitledStartsIn(const QString& expected)
    {
        cancelledOpen();
        expectLastStart(expected, QString(), "open");
        dialogs->cancel();
        FileSaveAs();
        expectLastStart(expected, QString(), "save as");
        const QString saved = expected + u"/Saved.tvm"_s;
        dialogs->choose(saved);
        FileSave();
        ASSERT_EQ(g_HouseFilePath, saved);
        boxes->answer(forms::vbNo);
        FileNew();
        cancelledOpen();
        expectLastStart(expected, saved, "open after a save");
    }
};

TEST_F(DialogStart, OpenAndSaveAsStartInTheFolderOfTheOpenFileWithItsName)
{
    ASSERT_TRUE(QDir(folder()).mkdir(u"houses"_s));
    const QString path = makeHouseFile(u"houses/Mine.tvm"_s);
    start(path);
    cancelledOpen();
    expectLastStart(folder() + u"/houses"_s, path, "open");
    dialogs->cancel();
    FileSaveAs();
    expectLastStart(folder() + u"/houses"_s, path, "save as");
    EXPECT_EQ(g_HouseFilePath, path);
}

TEST_F(DialogStart, UntitledEstimateStartsInTheProgramFolderWithANameOnlyFromThere)
{
    ASSERT_TRUE(QDir(folder()).mkdir(u"elsewhere"_s));
    const QString elsewhere = folder() + u"/elsewhere/Saved.tvm"_s;
    start();
    dialogs->choose(elsewhere);
    FileSaveAs();
    expectLastStart(folder(), QString(), "save as of the untitled estimate");
    ASSERT_EQ(g_HouseFilePath, elsewhere);

    // Saved elsewhere, then a new estimate: the last saved name is not shown in the program folder.
    boxes->answer(forms::vbNo);
    FileNew();
    ASSERT_EQ(g_HouseFilePath, WorkingCopyPath());
    cancelledOpen();
    expectLastStart(folder(), QString(), "open after a save elsewhere");
    dialogs->cancel();
    FileSave();
    expectLastStart(folder(), QString(), "save of the new estimate");

    // A name the dialog gave in the program folder stays.
    const QString here = folder() + u"/Here.tvm"_s;
    dialogs->choose(here);
    FileSaveAs();
    boxes->answer(forms::vbNo);
    FileNew();
    cancelledOpen();
    expectLastStart(folder(), here, "open after a save in the program folder");
}

class ReadOnlyDialogStart : public DialogStart, public ::testing::WithParamInterface<bool>
{
};

TEST_P(ReadOnlyDialogStart, UntitledEstimateStartsInDocumentsOrHome)
{
    const bool withDocuments = GetParam();
    QTemporaryDir home;
    if (withDocuments) {
        ASSERT_TRUE(QDir(home.path()).mkdir(u"Documents"_s));
    }
    ReadOnlyProgramFolder readOnly(folder(), home.path());
    if (vb::IsWritableFolder(folder())) GTEST_SKIP() << "the folder stays writable for this user";
    start();
    ASSERT_NE(g_HouseFilePath, folder() + u"/~092891.tmp"_s);
    cancelledOpen();
    const QString expected = withDocuments ? home.path() + u"/Documents"_s : home.path();
    expectLastStart(expected, QString(), "open");
    dialogs->cancel();
    FileSaveAs();
    expectLastStart(expected, QString(), "save as");
}

INSTANTIATE_TEST_SUITE_P(Documents, ReadOnlyDialogStart, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithDocuments" : "WithoutDocuments"; });

class InstalledDialogStart : public DialogStart, public ::testing::WithParamInterface<bool>
{
};

// Installed, the program folder is never offered, even where this user may write it.
TEST_P(InstalledDialogStart, UntitledEstimateStartsInDocumentsOrHome)
{
    QTemporaryDir home;
    const QString expected = documentsOrHome(home, GetParam());
    UserHome user(home.path());
    installFolder();
    const QStringList installed = folderEntries();
    start();
    expectUntitledStartsIn(expected);
    EXPECT_EQ(folderEntries(), installed);
}

INSTANTIATE_TEST_SUITE_P(Documents, InstalledDialogStart, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithDocuments" : "WithoutDocuments"; });

} // namespace
