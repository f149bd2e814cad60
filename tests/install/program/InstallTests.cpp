// The installed program: `cmake --install` into a scratch DESTDIR, then started offscreen through
// its launcher, as a desktop starts it, by a user who cannot write the program folder; and
// installed into a home folder's ~/.local, started by the user who installed it and may write
// the program folder (as root may write /usr).

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <memory>
#include <ostream>

using namespace Qt::Literals::StringLiterals;

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace
{

const QString Prefix = u"/usr"_s;

struct Ended {
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    QStringList lines; // the probe's reports, "key: value"
    QString errors;
};

void makeApplication()
{
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char arg0[] = "install_tests";
    static char* argv[] = {arg0, nullptr};
    new QCoreApplication(argc, argv);
}

// `cmake --install` of the build under a prefix, into DESTDIR when one is given.
void install(const QString& prefix, const QString& destDir = QString())
{
    QProcess install;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DESTDIR"_s);
    if (!destDir.isEmpty()) env.insert(u"DESTDIR"_s, destDir);
    install.setProcessEnvironment(env);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(TAVIMOOR_CMAKE),
                  {u"--install"_s, QStringLiteral(TAVIMOOR_BUILD_DIR), u"--prefix"_s, prefix});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();
}

// Who starts the program and where its user's folders are.
struct User {
    QString home;
    QString runtimeFolder;
    QString probeFolder; // QT_PLUGIN_PATH for the probe
    uid_t uid = 0;       // 0: the user running the tests
    gid_t gid = 0;
};

// The environment of a program the user starts: their home and runtime folder, and none of the
// XDG folders of whoever runs the tests.
QProcessEnvironment environmentOf(const User& user)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "DESTDIR"})
        env.remove(QString::fromLatin1(name));
    env.insert(u"HOME"_s, user.home);
    env.insert(u"XDG_RUNTIME_DIR"_s, user.runtimeFolder);
    return env;
}

// A runtime folder only its owner may enter, as a login session makes it.
void makeRuntimeFolder(const QString& folder)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Starts an installed launcher offscreen with the probe loaded and waits for the end; the
// probe chooses the menu command named, if any.
Ended start(const QString& launcher, const QStringList& arguments, const User& user,
            const QString& menu = QString())
{
    QProcess program;
    QProcessEnvironment env = environmentOf(user);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"QT_PLUGIN_PATH"_s, user.probeFolder);
    env.insert(u"QT_QPA_GENERIC_PLUGINS"_s, u"tavimoorprobe"_s);
    if (!menu.isEmpty()) env.insert(u"TAVIMOOR_PROBE_MENU"_s, menu);
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(user.home);
    if (user.uid) {
        const uid_t uid = user.uid;
        const gid_t gid = user.gid;
        program.setChildProcessModifier([uid, gid] {
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) _exit(126);
        });
    }
    program.start(launcher, arguments);
    Ended run;
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
    }
    run.status = program.exitStatus();
    run.exitCode = program.exitCode();
    run.lines = QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    run.errors = QString::fromUtf8(program.readAllStandardError());
    return run;
}

// Every name under a folder, relative to it, hidden ones too.
QStringList entriesUnder(const QString& folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

class InstalledProgram : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        makeApplication();
        s_root = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(s_root->isValid());
        // The other user must reach the tree, as anyone reaches /usr.
        QFile::setPermissions(s_root->path(), QFile::permissions(s_root->path()) | QFile::ReadOther |
                                                  QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        ASSERT_NO_FATAL_FAILURE(install(Prefix, s_root->path()));

        // Read-only as installed; root ignores the bits, so the program then runs as "nobody".
        QFile::setPermissions(programFolder(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                   QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        // The probe goes beside the installed tree: the build may lie in a folder only its
        // owner may enter.
        const QString probe = u"/generic/libtavimoorprobe.so"_s;
        ASSERT_TRUE(QDir().mkpath(probeFolder() + u"/generic"_s));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVIMOOR_PROBE_PLUGINS) + probe, probeFolder() + probe));
        ASSERT_NO_FATAL_FAILURE(makeRuntimeFolder(runtimeFolder()));
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            s_uid = nobody ? nobody->pw_uid : 65534;
            s_gid = nobody ? nobody->pw_gid : 65534;
            for (const QString& folder : {home(), runtimeFolder()})
                ASSERT_EQ(chown(QFile::encodeName(folder).constData(), s_uid, s_gid), 0);
        }
    }

    static void TearDownTestSuite()
    {
        if (!s_root) return;
        QFile::setPermissions(programFolder(), QFile::permissions(programFolder()) | QFile::WriteOwner);
        s_root.reset();
    }

    static QString installed(const QString& path) { return s_root->path() + Prefix + u'/' + path; }
    static QString programFolder() { return installed(u"lib/tavimoor"_s); }
    static QString home() { return s_root->path() + u"/home"_s; }
    static QString dataFolder() { return home() + u"/.local/share/Tavimoor"_s; }
    static QString runtimeFolder() { return home() + u"/runtime"_s; }
    static QString probeFolder() { return s_root->path() + u"/probe"_s; }
    // The installed share folder ahead of the system's, as after installing into /usr.
    static QString shareFolders() { return installed(u"share"_s) + u":/usr/local/share:/usr/share"_s; }

    // A house file of the user's own, made from the installed template.
    static QString houseFile(const QString& name)
    {
        const QString path = home() + u'/' + name;
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(programFolder() + u"/Tmplt.cfg"_s, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        if (s_uid) {
            EXPECT_EQ(chown(QFile::encodeName(path).constData(), s_uid, s_gid), 0);
        }
        return path;
    }

    // Starts the installed launcher as the user who cannot write the program folder.
    static Ended start(const QStringList& arguments)
    {
        return ::start(installed(u"bin/tavimoor"_s), arguments,
                       User{home(), runtimeFolder(), probeFolder(), s_uid, s_gid});
    }

    static std::unique_ptr<QTemporaryDir> s_root;
    static uid_t s_uid;
    static gid_t s_gid;
};

std::unique_ptr<QTemporaryDir> InstalledProgram::s_root;
uid_t InstalledProgram::s_uid = 0;
gid_t InstalledProgram::s_gid = 0;

TEST_F(InstalledProgram, LaysOutOneProgramFolderAndTheDesktopFiles)
{
    for (const char* path :
         {"bin/tavimoor", "lib/tavimoor/Tavimoor", "lib/tavimoor/libombLustrel.so",
          "lib/tavimoor/libtavimoorChart.so", "lib/tavimoor/libtavimoorPrint.so",
          "lib/tavimoor/HomeControl.cfg", "lib/tavimoor/Tmplt.cfg", "lib/tavimoor/help/contents.html",
          "lib/tavimoor/pictures/Style0.svg", "share/applications/tavimoor.desktop",
          "share/icons/hicolor/scalable/apps/tavimoor.svg",
          "share/icons/hicolor/scalable/mimetypes/application-x-tavimoor.svg",
          "share/mime/packages/tavimoor.xml"})
        EXPECT_TRUE(QFileInfo::exists(installed(QString::fromLatin1(path)))) << path;
    // The build tree's mark stays behind: the installed program knows it is installed.
    EXPECT_FALSE(QFileInfo::exists(programFolder() + QStringLiteral("/" TAVIMOOR_BUILD_TREE_MARK)));
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(TAVIMOOR_BUILD_DIR "/bin/" TAVIMOOR_BUILD_TREE_MARK)));
    EXPECT_TRUE(QFileInfo(installed(u"bin/tavimoor"_s)).isExecutable());

    const QString entry = installed(u"share/applications/tavimoor.desktop"_s);
    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    ASSERT_FALSE(validator.isEmpty()) << "desktop-file-validate is missing: run scripts/setup.sh";
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {entry});
    ASSERT_TRUE(validate.waitForFinished(30000));
    const std::string said = validate.readAll().toStdString();
    EXPECT_EQ(validate.exitCode(), 0) << said;
    EXPECT_TRUE(said.empty()) << said; // not even a hint

    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(u"\nExec=tavimoor %f\n"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"\nMimeType=application/x-tavimoor;\n"_s)) << text.toStdString();
}

TEST_F(InstalledProgram, HouseFilesAreTheirOwnFileTypeByExtension)
{
    qputenv("XDG_DATA_DIRS", QFile::encodeName(shareFolders()));
    const QString house = houseFile(u"house.tvm"_s);
    const QString plain = home() + u"/house"_s;
    QFile::remove(plain);
    ASSERT_TRUE(QFile::copy(house, plain));

    QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFile(house);
    EXPECT_EQ(type.name(), u"application/x-tavimoor"_s);
    EXPECT_EQ(type.comment(), u"Tavimoor house file"_s);
    EXPECT_TRUE(type.inherits(u"application/vnd.sqlite3"_s));
    // Another SQLite database stays what it is.
    EXPECT_EQ(db.mimeTypeForFile(plain).name(), u"application/vnd.sqlite3"_s);
}

TEST_F(InstalledProgram, OpensAFileOrAWorkingCopyInTheDataFolderAndEndsCleanly)
{
    struct Case {
        const char* name;
        QString house; // empty: started with no file
        QStringList expected;
        bool workingCopy;
    };
    const QString house = houseFile(u"Lake House.tvm"_s);
    const QString folder = u"folder: "_s + programFolder();
    const QString saveQuestion = u"box: Do you want to save this file?"_s;
    const Case cases[] = {
        {"house file",
         house,
         {folder, u"window: Tavimoor - Lake House.tvm"_s, u"page: frm01Welcome"_s, saveQuestion},
         false},
        {"no file", QString(), {folder, u"window: Tavimoor"_s, u"page: frm01Welcome"_s, saveQuestion}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dataFolder()).removeRecursively();
        const Ended run = start(c.house.isEmpty() ? QStringList() : QStringList{c.house});

        EXPECT_EQ(run.lines, c.expected) << run.errors.toStdString();
        EXPECT_EQ(run.status, QProcess::NormalExit);
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(programFolder() + u"/~092891.tmp"_s));
        EXPECT_EQ(QFileInfo::exists(dataFolder() + u"/~092891.tmp"_s), c.workingCopy);
    }
}

// `cmake --install build --prefix ~/.local`, started by the user who installed it: the program
// folder may be written, and still nothing is written there.
class ProgramInstalledInHome : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        makeApplication();
        s_root = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(s_root->isValid());
        ASSERT_NO_FATAL_FAILURE(makeRuntimeFolder(user().runtimeFolder));
        ASSERT_NO_FATAL_FAILURE(install(prefix()));
    }

    static void TearDownTestSuite() { s_root.reset(); }

    static QString home() { return s_root->path() + u"/home"_s; }
    static QString prefix() { return home() + u"/.local"_s; }
    static QString programFolder() { return prefix() + u"/lib/tavimoor"_s; }
    static QString dataFolder() { return prefix() + u"/share/Tavimoor"_s; }
    static User user()
    {
        return User{home(), home() + u"/runtime"_s, QStringLiteral(TAVIMOOR_PROBE_PLUGINS)};
    }

    static std::unique_ptr<QTemporaryDir> s_root;
};

std::unique_ptr<QTemporaryDir> ProgramInstalledInHome::s_root;

TEST_F(ProgramInstalledInHome, KeepsTheWorkingCopyInTheDataFolderAndStartsDialogsInDocumentsOrHome)
{
    struct Case {
        const char* name;
        bool documents;
        const char* menu;
        QString dialogFolder; // where the file dialog starts; empty: no dialog
    };
    const Case cases[] = {
        {"a start without a file", false, "", QString()},
        {"File > Open without a documents folder", false, "mnuFileOpen", home()},
        {"File > Open", true, "mnuFileOpen", home() + u"/Documents"_s},
        {"File > Save As", true, "mnuFileSaveAs", home() + u"/Documents"_s},
    };
    ASSERT_TRUE(QFileInfo(programFolder()).isWritable());
    const QStringList installed = entriesUnder(programFolder());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dataFolder()).removeRecursively();
        QDir(home() + u"/Documents"_s).removeRecursively();
        if (c.documents) {
            ASSERT_TRUE(QDir().mkpath(home() + u"/Documents"_s));
        }
        const Ended run = start(prefix() + u"/bin/tavimoor"_s, {}, user(), QString::fromLatin1(c.menu));

        QStringList expected = {u"folder: "_s + programFolder(), u"window: Tavimoor"_s, u"page: frm01Welcome"_s};
        if (qstrcmp(c.menu, "mnuFileOpen") == 0) expected << u"box: Do you want to save this file?"_s;
        if (!c.dialogFolder.isEmpty()) expected << u"dialog: "_s + c.dialogFolder;
        expected << u"box: Do you want to save this file?"_s;
        EXPECT_EQ(run.lines, expected) << run.errors.toStdString();
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_TRUE(QFileInfo::exists(dataFolder() + u"/~092891.tmp"_s));
        EXPECT_EQ(entriesUnder(programFolder()), installed);
    }
}

// The indented command blocks of a README section, each as one script.
QStringList commandBlocks(const QString& section)
{
    QFile file(QStringLiteral(TAVIMOOR_README));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype from = text.indexOf(u"\n## "_s + section + u'\n');
    if (from < 0) return {};
    const qsizetype to = text.indexOf(u"\n## "_s, from + 1);
    QStringList blocks;
    QString block;
    for (const QString& line : text.mid(from, to < 0 ? -1 : to - from).split(u'\n')) {
        if (line.startsWith(u"    "_s)) {
            block += line.mid(4) + u'\n';
        } else if (!block.isEmpty()) {
            blocks << block;
            block.clear();
        }
    }
    if (!block.isEmpty()) blocks << block;
    return blocks;
}

// Runs a script with bash in the user's home; its output on failure.
void runScript(const QString& script, const User& user, const QString& workingDirectory)
{
    QProcess shell;
    QProcessEnvironment env = environmentOf(user);
    env.insert(u"PATH"_s, user.home + u"/.local/bin:"_s + env.value(u"PATH"_s));
    shell.setProcessEnvironment(env);
    shell.setWorkingDirectory(workingDirectory);
    shell.setProcessChannelMode(QProcess::MergedChannels);
    shell.start(u"bash"_s, {u"-c"_s, script});
    ASSERT_TRUE(shell.waitForFinished(120000)) << script.toStdString();
    EXPECT_EQ(shell.exitCode(), 0) << script.toStdString() << shell.readAll().toStdString();
}

// What the README's Installing section says, done in a home of its own: the install, the file
// type that opens in Tavimoor, one start, and the removal, after which nothing is left.
TEST(ReadmeInstall, InstallsOpensHouseFilesAndIsRemovedWithoutATrace)
{
    makeApplication();
    const QStringList blocks = commandBlocks(u"Installing"_s);
    ASSERT_EQ(blocks.size(), 3) << blocks.join(u"----\n"_s).toStdString();
    const QString installLine = u"cmake --install build "_s;
    ASSERT_TRUE(blocks[0].startsWith(installLine)) << blocks[0].toStdString();
    // The build tree this test belongs to, wherever it lies.
    const QString build = QFileInfo(QStringLiteral(TAVIMOOR_BUILD_DIR)).absoluteFilePath();
    QString install = blocks[0];
    install.replace(0, installLine.size(),
                    u"'"_s + QStringLiteral(TAVIMOOR_CMAKE) + u"' --install '"_s + build + u"' "_s);

    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const User user{root.filePath(u"home"_s), root.filePath(u"home/runtime"_s),
                    QStringLiteral(TAVIMOOR_PROBE_PLUGINS)};
    ASSERT_NO_FATAL_FAILURE(makeRuntimeFolder(user.runtimeFolder));
    const QString local = user.home + u"/.local"_s;

    ASSERT_NO_FATAL_FAILURE(runScript(install, user, user.home));
    const QFileInfo program(local + u"/lib/tavimoor/Tavimoor"_s);
    ASSERT_TRUE(program.isExecutable());
    QFile cache(local + u"/share/applications/mimeinfo.cache"_s);
    ASSERT_TRUE(cache.open(QIODevice::ReadOnly));
    EXPECT_TRUE(cache.readAll().contains("\napplication/x-tavimoor=tavimoor.desktop;"));
    QFile globs(local + u"/share/mime/globs2"_s);
    ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
    EXPECT_TRUE(globs.readAll().contains(":application/x-tavimoor:*.tvm"));
    if (!QStandardPaths::findExecutable(u"gio"_s).isEmpty()) {
        ASSERT_NO_FATAL_FAILURE(runScript(
            u"gio mime application/x-tavimoor | grep -q 'Default application .*: tavimoor.desktop$'"_s, user,
            user.home));
    }

    const Ended run = start(local + u"/bin/tavimoor"_s, {}, user);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_TRUE(QFileInfo::exists(local + u"/share/Tavimoor/~092891.tmp"_s));

    ASSERT_NO_FATAL_FAILURE(runScript(blocks[1], user, user.home));
    // The folder clean-up fails, quietly, on a folder that stays: here none does.
    ASSERT_NO_FATAL_FAILURE(runScript(blocks[2] + u"true\n"_s, user, user.home));
    EXPECT_EQ(entriesUnder(user.home), QStringList{u"runtime"_s});
}

} // namespace
