#pragma once

#include "runtime/vb/Integer.h"

#include <QString>

class QWidget;

// Program entry: builds the shared state, opens the control database and a house file (the
// command line's or a fresh working copy) and shows the main window. Needs a QApplication.
// False, the main window not shown, when no estimate could be opened: the program is to end.
bool Main();
// The same with the command line given (a house file path, possibly enclosed in double
// quotes, or empty).
bool Main(const QString& commandLine);

// The one way to change the page. FormID -1 goes back; after a back move an lvalue FormID
// holds the Form_ID that was popped.
void LoadForm(QWidget* CallingForm, vb::Integer& FormID);
void LoadForm(QWidget* CallingForm, vb::Integer&& FormID);

// Page stack: PushForm records a page as current (and visited); PopForm drops the current
// page and returns the one before it.
void PushForm(vb::Integer FormID);
vb::Integer PopForm();

// Takes what the page now shown holds into the record, as a move would (its validation, then
// its CalcForm); false when the page refused an entry and stays as it is. Saves run it first.
bool CommitCurrentForm();

// Opens "HomeControl.cfg" read only and loads [Form Definition] by Sequence.
void OpenControlDatabase();
