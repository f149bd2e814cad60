// The print library: the Qt print service, with Qt Print Support behind it.
#include "runtime/report/PrintLibrary.h"

#include "runtime/report/QtPrintService.h"

extern "C" Q_DECL_EXPORT report::PrintService* tavimoorMakePrintService()
{
    return new report::QtPrintService;
}
