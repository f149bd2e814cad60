#pragma once

// Where the Open and Save dialogs of house files start.

namespace forms
{
class CommonDialog;
}

// Sets the dialog's start folder and name for the house file open now. The folder: the open
// file's; for an untitled estimate the program folder where untitled estimates belong (a build
// tree's), else the user's documents folder (home where there is none). The name: the one the dialog returned last when
// it lies in that folder, else the open file's, else none.
void SetHouseFileDialogStart(forms::CommonDialog& dialog);
