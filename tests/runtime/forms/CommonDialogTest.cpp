#include "runtime/forms/CommonDialog.h"
#include "runtime/vb/VbError.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString Filter = u"All Tavimoor Files (*.tvm)|*.tvm"_s;

TEST(CommonDialog, OpenReturnsTheChosenPathAndPassesItsSettings)
{
    forms::ScriptedFileDialogs dialogs;
    dialogs.choose(u"/tmp/house.tvm"_s);
    forms::CommonDialog dlg;
    dlg.setDialogTitle(u"Open"_s);
    dlg.setFilter(Filter);
    dlg.setInitDir(u"/opt/program"_s);
    dlg.ShowOpen();
    EXPECT_EQ(dlg.FileName(), u"/tmp/house.tvm"_s);
    ASSERT_EQ(dialogs.calls().size(), 1u);
    const forms::FileDialogRequest& r = dialogs.calls()[0].request;
    EXPECT_EQ(r.kind, forms::FileDialogRequest::Kind::Open);
    EXPECT_EQ(r.title, u"Open"_s);
    EXPECT_EQ(r.filter, Filter);
    EXPECT_EQ(r.initDir, u"/opt/program"_s);
}

TEST(CommonDialog, CancelEmptiesTheNameOrRaisesWithCancelError)
{
    forms::ScriptedFileDialogs dialogs;
    dialogs.cancel().cancel();
    forms::CommonDialog dlg;
    dlg.setFileName(u"old.tvm"_s);
    dlg.ShowSave();
    EXPECT_TRUE(dlg.FileName().isEmpty());
    // The name shown at start is the one left from before.
    EXPECT_EQ(dialogs.calls()[0].request.fileName, u"old.tvm"_s);

    dlg.setCancelError(true);
    try {
        dlg.ShowOpen();
        FAIL() << "cancel did not raise";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), forms::ErrCancelSelected);
    }
    // Nothing scripted: the dialog counts as cancelled.
    dlg.setCancelError(false);
    dlg.ShowOpen();
    EXPECT_TRUE(dlg.FileName().isEmpty());
}

TEST(CommonDialog, SaveOverAnExistingFileAsksFirst)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(u"Lake House.tvm"_s);
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    forms::ScriptedFileDialogs dialogs;
    dialogs.choose(existing).overwrite(false);
    dialogs.choose(existing).overwrite(true);
    dialogs.choose(dir.filePath(u"New.tvm"_s));
    forms::CommonDialog dlg;
    dlg.setFilter(Filter);

    dlg.ShowSave();
    EXPECT_TRUE(dlg.FileName().isEmpty()) << "declining the replacement cancels the dialog";
    dlg.ShowSave();
    EXPECT_EQ(dlg.FileName(), existing);
    dlg.ShowSave();
    EXPECT_EQ(dlg.FileName(), dir.filePath(u"New.tvm"_s));

    ASSERT_EQ(dialogs.calls().size(), 3u);
    EXPECT_TRUE(dialogs.calls()[0].askedOverwrite);
    EXPECT_TRUE(dialogs.calls()[1].askedOverwrite);
    EXPECT_FALSE(dialogs.calls()[2].askedOverwrite);
}

// A save through a symbolic link replaces the file the link leads to: the question names it.
TEST(CommonDialog, ReplaceQuestionNamesTheFileALinkLeadsTo)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(u"real.tvm"_s);
    const QString link = dir.filePath(u"link.tvm"_s);
    QFile f(real);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ASSERT_TRUE(QFile::link(real, link));

    EXPECT_EQ(forms::ReplaceQuestion(real), real + u" already exists.\r\nDo you want to replace it?"_s);
    EXPECT_EQ(forms::ReplaceQuestion(link),
              link + u" is a link to "_s + real + u", which already exists.\r\nDo you want to replace it?"_s);
    forms::ScriptedFileDialogs dialogs;
    dialogs.choose(link);
    forms::CommonDialog dlg;
    dlg.setFilter(Filter);
    dlg.ShowSave();
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_TRUE(dialogs.calls()[0].askedOverwrite);
    EXPECT_EQ(dialogs.calls()[0].overwriteQuestion, forms::ReplaceQuestion(link));
}

TEST(CommonDialog, SavedNameWithoutExtensionGetsTheFiltersExtension)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(u"plan.tvm"_s));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    forms::ScriptedFileDialogs dialogs;
    dialogs.choose(dir.filePath(u"plan"_s)).overwrite(false);
    dialogs.choose(dir.filePath(u"other.TVM"_s));
    forms::CommonDialog dlg;
    dlg.setFilter(Filter);
    dlg.ShowSave();
    // "plan" means plan.tvm, which exists: the replacement question comes for it.
    EXPECT_TRUE(dialogs.calls()[0].askedOverwrite);
    EXPECT_TRUE(dlg.FileName().isEmpty());
    dlg.ShowSave();
    EXPECT_EQ(dlg.FileName(), dir.filePath(u"other.TVM"_s));
}

} // namespace
