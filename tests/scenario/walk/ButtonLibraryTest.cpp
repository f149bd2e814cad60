// The program's start when its button library cannot be loaded: one message that names the file
// and says why.

#include "runtime/forms/App.h"
#include "runtime/forms/MsgBox.h"
#include "shell/ProgramServices.h"
#include "tests/support/Application.h"

#include <gtest/gtest.h>

#include <QFile>
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

} // namespace
