// What the program has around Main: the button library it loads and the main window it owns.

#include "shell/ProgramServices.h"
#include "pages/registerPages.h"
#include "results/basReporting.h"
#include "results/registerResults.h"
#include "runtime/forms/App.h"
#include "runtime/forms/MsgBox.h"
#include "shell/basGlobalVariables.h"
#include "shell/frmMain.h"
#include "tests/support/Application.h"
#include "tests/support/CloseProgram.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

TEST(ButtonLibrary, AFailedLoadSaysWhichFileAndWhy)
{
    struct Case {
        const char* name;
        const char* contents; // nullptr: no file
        QString reason;
    };
    testsupport::application();
    const QString programFolder = forms::App::Path();
    const Case cases[] = {
        {"missing", nullptr, u"The file does not exist."_s},
        {"not a library", "not a library", u"Cannot load library "_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString library = folder.filePath(u"libombLustrel.so"_s);
        if (c.contents) {
            QFile file(library);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.contents);
        }
        forms::App::setPath(folder.path());
        bool loaded = true;
        std::vector<forms::ScriptedMessageBoxes::Call> calls;
        {
            ProgramServices services;
            forms::ScriptedMessageBoxes boxes;
            loaded = services.loadButtonLibrary();
            calls = boxes.calls();
        }
        forms::App::setPath(programFolder);

        EXPECT_FALSE(loaded);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].title, u"Error"_s);
        EXPECT_EQ(calls[0].buttons, forms::vbCritical);
        const QString head = u"The button library could not be loaded:\r\n"_s + library + u"\r\n"_s;
        EXPECT_TRUE(calls[0].prompt.startsWith(head + c.reason)) << calls[0].prompt.toStdString();
    }
}

// Closing the main window only hides it; the services delete it when they go.
TEST(ProgramServices, DeleteTheMainWindowWhenTheyGo)
{
    testsupport::application();
    const QString programFolder = forms::App::Path();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_NO_FATAL_FAILURE(testsupport::copyDataFiles(folder.path()));
    QFile::link(QStringLiteral(TAVIMOOR_BIN_DIR "/libombLustrel.so"), folder.filePath(u"libombLustrel.so"_s));
    forms::App::setPath(folder.path());

    QPointer<frmMain> window;
    {
        ProgramServices services;
        forms::ScriptedMessageBoxes boxes;
        ASSERT_TRUE(services.loadButtonLibrary());
        pages::registerPages();
        results::registerResults();
        services.start(&results::ShowOverviewReport, QString());
        window = g_frmMain;
        ASSERT_TRUE(window);
        boxes.answer(forms::vbNo);
        EXPECT_TRUE(window->close());
        EXPECT_TRUE(window);
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_FALSE(window);
    testsupport::closeProgram();
    forms::App::setPath(programFolder);
}

} // namespace
