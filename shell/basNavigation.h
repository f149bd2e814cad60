#pragma once

#include "runtime/vb/Integer.h"

#include <QString>

class QWidget;

// Program entry: builds the shared state, opens the control database and a house file (the
// command line's or a fresh working copy) and shows the main window. Needs a QApplication.
void Main();
// The same with the command line given (a house file path, possibly enclosed in double
// quotes, or empty).
void Main(const QString& commandLine);

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

// Opens a house file (the path as it stands) and shows its last page. With CheckVersion the
// file is checked first (tables, record, page lists, version): a file that fails gets one
// message and is not opened, and the open estimate stays as it is. Otherwise the current page
// is unloaded and the record and page stacks are loaded from the file. False when not opened.
bool OpenHomeDatabaseFile(QString FilePath, bool CheckVersion);

// Asks (unless NoPrompt) and saves the record and the page stacks. Returns the answer:
// 6 Yes, 7 No, 2 Cancel (also when the save failed, after one message), or 0 when the save
// dialog for an untitled file was cancelled.
vb::Integer SaveHomeDatabaseFile(bool NoPrompt);

// Reports a file of an older version.
void OutdatedVersion();

// The file-name part of a path ("\" or "/" separated).
QString GetFileName(const QString& Path);

// The working copy "~092891.tmp" and the template "Tmplt.cfg" as this run resolves them.
QString WorkingCopyPath();
QString TemplatePath();

// The File menu flows, called by the main window's menu handlers.
void FileNew();
void FileOpen();
void FileSave();
void FileSaveAs();
// Closing the main window: asks to save; false unless the answer was No or a save that
// worked (the window stays).
// Otherwise closes the recordsets and connections and releases the estimate record.
bool FileClose();

// Ends the program at once. Tests replace it (and see that nothing ends the program).
using EndProgramHook = void (*)();
EndProgramHook setEndProgramHook(EndProgramHook hook);
