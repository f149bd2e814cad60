#pragma once

#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/Modal.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/help/HelpService.h"
#include "runtime/report/PrintService.h"
#include "shell/basGlobalVariables.h"
#include "tests/support/StopTest.h"

#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <ostream>

#include <memory>
#include <source_location>

class QWidget;
class clsHomeData;

// Readable texts and values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QVariant& value, std::ostream* os)
{
    *os << value.toString().toStdString();
}

namespace walk
{

// The real program with its button library over a scratch program folder, driven the way a
// user drives it: mouse clicks on buttons, options and list items, typed keys. Message boxes,
// file dialogs, modal windows and help are scripted.
class WalkTest : public ::testing::Test
{
protected:
    // Where a test called a helper, for the helper's failures.
    using Caller = std::source_location;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Main with the command line (empty: a fresh untitled estimate).
    void startProgram(const QString& commandLine = QString());
    // Closes the main window answering No to the save question, and forgets every window.
    void stopProgram();
    static QString folder();

    // The page now shown; fails when it is not the page expected.
    QWidget* on(int formId);
    int currentFormId() const;
    // A control of the page now shown, never null: when there is none the test fails at the
    // caller's line, naming it, and stops.
    template <typename T = QWidget>
    T* control(const QString& name, const Caller& where = Caller::current()) const
    {
        return testsupport::require(
            findControl<T>(name), "page " + std::to_string(currentFormId()) + " has no " + name.toStdString(),
            where);
    }

    // Whether a control of the page now shown is on show (fails when there is none).
    bool shown(const QString& name, const Caller& where = Caller::current()) const
    {
        return control(name, where)->isVisible();
    }

    // User actions on the page now shown.
    // Continue, Yes, No or Back, and the page that should follow.
    void next(int formId, const Caller& where = Caller::current())
    {
        move(QStringLiteral("cmdContinue"), formId, where);
    }
    void yes(int formId, const Caller& where = Caller::current())
    {
        move(QStringLiteral("cmdYes"), formId, where);
    }
    void no(int formId, const Caller& where = Caller::current())
    {
        move(QStringLiteral("cmdNo"), formId, where);
    }
    void back(int formId, const Caller& where = Caller::current())
    {
        move(QStringLiteral("cmdBack"), formId, where);
    }
    void click(const QString& button, const Caller& where = Caller::current());
    void move(const QString& button, int formId, const Caller& where = Caller::current())
    {
        click(button, where);
        on(formId);
    }
    void option(const QString& group, int index, const Caller& where = Caller::current());
    void tick(const QString& checkBox, bool ticked, const Caller& where = Caller::current());
    void choose(const QString& list, const QString& item, const Caller& where = Caller::current());
    void type(const QString& textBox, const QString& keys, const Caller& where = Caller::current());
    void menu(const QString& item, const Caller& where = Caller::current());
    // Opens quick navigation from the page and clicks the section of a caption there.
    void jump(const QString& section);

    // Form_IDs of a navigation recordset in memory (0 stack, 1 visited), first to last.
    static QList<int> rows(int which);
    // A number from a money text ("$1,234.50").
    static double money(const QString& text);
    QStringList prompts() const;

    std::unique_ptr<forms::ScriptedMessageBoxes> boxes;
    std::unique_ptr<forms::ScriptedFileDialogs> dialogs;
    std::unique_ptr<forms::ScriptedModals> modals;
    std::unique_ptr<help::ScriptedHelp> helpLog;
    std::unique_ptr<report::ScriptedPrintService> printing;

private:
    template <typename T> T* findControl(const QString& name) const
    {
        return g_CurrentForm ? g_CurrentForm->findChild<T*>(name) : nullptr;
    }
};

void settle();
// The estimate record of the running program.
const clsHomeData& home();

} // namespace walk
