#pragma once

#include "runtime/forms/MsgBox.h"
#include "runtime/help/HelpService.h"

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

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

// A control of the page now shown by name; fails the test when it does not exist.
template <typename T = QWidget> T* control(const QString& name)
{
    QWidget* page = currentPage();
    T* found = page ? page->findChild<T*>(name) : nullptr;
    if (!found) ADD_FAILURE() << "no control " << name.toStdString();
    return found;
}

// Clicks a page button as the user would, then lets posted events and deferred deletes run.
void click(const QString& buttonName);
void pressEnter(QWidget* target);
void processEvents();

} // namespace pagetest
