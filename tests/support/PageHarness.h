#pragma once

#include "runtime/forms/MsgBox.h"
#include "runtime/help/HelpService.h"
#include "tests/support/StopTest.h"

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

#include <source_location>

namespace pagetest
{

// The running program for every test of a binary: a house file copied from the template,
// stand-in buttons, scripted message boxes and help.
forms::ScriptedMessageBoxes& boxes();
help::ScriptedHelp& helpLog();
// The prompts shown so far, one a line (for failure messages).
std::string boxLog();

// Puts a stand-in button under the control library's ProgID: one that raises Click() when
// clicked, as every test but one wants, or one without the event.
void registerStandInButton(bool raisesClick = true);

// Shows a page through the page engine as a move from the page now shown would (leaving
// first when it is already on show, so that it opens fresh).
QWidget* showPage(int formId);
QWidget* currentPage();
int currentFormId();

// A control of the page now shown by name, never null: when there is none the test fails at
// the caller's line, naming it, and stops.
template <typename T = QWidget>
T* control(const QString& name, const std::source_location& where = std::source_location::current())
{
    QWidget* page = currentPage();
    return testsupport::require(page ? page->findChild<T*>(name) : nullptr,
                                "no control " + name.toStdString() + " on the page shown", where);
}

// Clicks a page button as the user would, then lets posted events and deferred deletes run.
void click(const QString& buttonName, const std::source_location& where = std::source_location::current());
void pressEnter(QWidget* target);
void processEvents();

} // namespace pagetest
