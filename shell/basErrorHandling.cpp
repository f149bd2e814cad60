#include "shell/basErrorHandling.h"

#include "runtime/forms/MsgBox.h"
#include "runtime/forms/Screen.h"
#include "shell/basGlobalVariables.h"

using namespace Qt::Literals::StringLiterals;

void ErrorHandler(const QString& ProcName, int32_t ErrNumber, const QString& ErrDescription)
{
    const QString crlf = u"\r\n"_s;
    try {
        const QString text = u"An error occured in the following procedure: <"_s + ProcName + u">."_s + crlf +
                             u"Line Info: "_s + g_CurrentStep + crlf + QString::number(ErrNumber) + u" - "_s +
                             ErrDescription + crlf + crlf +
                             u"Please report this error to Technical Support."_s;
        forms::MsgBox(text, forms::vbCritical + forms::vbOKOnly, u"Error"_s);
        forms::Screen::setMousePointer(forms::vbDefault);
    } catch (...) {
        try {
            forms::MsgBox(u"An error occured in the module <ErrorHandling>"_s + crlf + crlf +
                          u"Please report this error to Technical Support"_s);
        } catch (...) {
        }
        try {
            forms::Screen::setMousePointer(forms::vbDefault);
        } catch (...) {
        }
    }
}
