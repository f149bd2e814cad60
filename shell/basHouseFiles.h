#pragma once

// Opening, checking and saving house files, and the File menu flows.

#include "runtime/vb/Integer.h"

#include <QString>

// The version of the house files this program reads and writes ([Database].Version); a file
// of an earlier version is outdated, one of a later version needs a newer program.
inline constexpr float ProgramDatabaseVersion = 2;

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
// Whether untitled estimates belong in the program folder: only in a build tree's (the build marks
// it; no install does) while it may be written. An installed program never writes into its folder.
bool UntitledInProgramFolder();
// Whether the open estimate is the untitled working copy, as decided when it was opened.
bool IsUntitled();
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
