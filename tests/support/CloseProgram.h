#pragma once

#include "runtime/forms/Forms.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/forms/Screen.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/frmMain.h"

#include <QCoreApplication>

namespace testsupport
{

// Ends the program a test started: closes the house file answering No to the save question,
// deletes the main window, unloads every window and forgets the page now shown.
inline void closeProgram()
{
    {
        forms::ScriptedMessageBoxes closing;
        closing.answer(forms::vbNo);
        if (g_cnHouse && g_cnHouse->State() != ado::adStateClosed) FileClose();
    }
    delete g_frmMain.data();
    for (const QString& name : forms::Forms::loadedClasses())
        forms::Forms::unload(forms::Forms::instance(name));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    g_CurrentForm = nullptr;
    g_CurrentFormID = 0;
    g_HouseFilePath.clear();
    g_IsNewFile = 0;
    g_CurrentStep.clear();
    forms::Screen::setMousePointer(forms::vbDefault);
}

} // namespace testsupport
