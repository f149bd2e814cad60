#pragma once

// Where the Open and Save dialogs of house files start.

#include <QString>

namespace forms
{
class CommonDialog;
}

struct HouseDialogStart {
    QString folder;
    QString fileName; // a path in folder, or empty
};

// The open file's folder; for an untitled estimate the program folder where it may be written,
// else the user's documents folder (home where there is none). The name is the one the dialog
// returned last when it lies in that folder, else the open file's, else none.
HouseDialogStart HouseFileDialogStart(const QString& openFile, bool untitled, const QString& programFolder,
                                      const QString& lastName);

// Sets the start folder and name of the dialog for the house file open now.
void StartHouseFileDialogHere(forms::CommonDialog& dialog);
