#pragma once

#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/help/HelpService.h"
#include "runtime/os/Browser.h"

// What the program needs around Main: the Qt message boxes, file dialogs, help window and
// browser installed while it lives, and the button library loaded from the program folder.
// Needs a QApplication.
class ProgramServices
{
public:
    ProgramServices();
    ~ProgramServices();
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    // Loads "libombLustrel.so" from the program folder; on failure says so in a message box
    // and returns false.
    bool loadButtonLibrary();

    help::QtHelpWindow& helpWindow() { return m_helpWindow; }

private:
    forms::QtMessageBoxes m_messageBoxes;
    forms::QtFileDialogs m_fileDialogs;
    help::QtHelpWindow m_helpWindow;
    os::DesktopBrowser m_browser;
};
