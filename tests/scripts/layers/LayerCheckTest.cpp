// scripts/check-layers.sh on a scratch copy of the tree: it passes the tree as it is and fails
// it with one include planted against the layers.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString Source = QStringLiteral(TAVIMOOR_SOURCE_DIR);

struct Checked {
    int exitCode = -1;
    QString errors;
};

class LayerCheck : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_tree = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(s_tree->isValid());
        for (const char* folder : {"runtime", "controls", "estimate", "shell", "pages", "results", "app"}) {
            QDirIterator it(Source + u'/' + QLatin1String(folder), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString from = it.next();
                const QString to = s_tree->filePath(QDir(Source).relativeFilePath(from));
                ASSERT_TRUE(QDir().mkpath(QFileInfo(to).path()));
                ASSERT_TRUE(QFile::copy(from, to)) << to.toStdString();
            }
        }
    }
    static void TearDownTestSuite() { s_tree.reset(); }

    static Checked check()
    {
        QProcess script;
        script.start(Source + u"/scripts/check-layers.sh"_s, {s_tree->path()});
        EXPECT_TRUE(script.waitForFinished(-1));
        return {script.exitCode(), QString::fromUtf8(script.readAllStandardError())};
    }

    static std::unique_ptr<QTemporaryDir> s_tree;
};

std::unique_ptr<QTemporaryDir> LayerCheck::s_tree;

TEST_F(LayerCheck, PassesTheTree)
{
    const Checked checked = check();
    EXPECT_EQ(checked.exitCode, 0) << checked.errors.toStdString();
}

TEST_F(LayerCheck, FailsAnIncludeAgainstTheLayers)
{
    struct Planted {
        const char* file;
        const char* include;
        const char* complaint;
    };
    const Planted cases[] = {
        // Angle brackets hide an include of ours no better than quotes.
        {"estimate/clsHomeData.cpp", "#include <shell/frmMain.h>",
         "estimate may not include <shell/frmMain.h>"},
        // runtime/report links runtime/forms: the other way round is a cycle.
        {"runtime/forms/MsgBox.cpp", "#include \"runtime/report/Report.h\"",
         "runtime/forms may not include \"runtime/report/Report.h\""},
        // The library would get a message-box service of its own that nobody installs.
        {"controls/General.cpp", "#include \"runtime/forms/MsgBox.h\"",
         "controls may not include \"runtime/forms/MsgBox.h\""},
        {"runtime/vb/Trap.cpp", "#include <QWidget>",
         "runtime/vb may include Qt Core headers only, not <QWidget>"},
    };
    for (const Planted& c : cases) {
        SCOPED_TRACE(c.include);
        QFile file(s_tree->filePath(QLatin1String(c.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        file.close();
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(c.include) + '\n' + original);
        file.close();

        const Checked checked = check();

        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(original);
        file.close();
        EXPECT_EQ(checked.exitCode, 1);
        EXPECT_TRUE(checked.errors.contains(QLatin1String(c.file) + u":1: "_s + QLatin1String(c.complaint)))
            << checked.errors.toStdString();
    }
}

} // namespace
