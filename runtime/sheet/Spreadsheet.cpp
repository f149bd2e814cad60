#include "runtime/sheet/Spreadsheet.h"

#include "runtime/com/ComponentRegistry.h"
#include "runtime/sheet/Application.h"

namespace sheet
{

QString progId()
{
    return QStringLiteral("Excel.application");
}

void registerSpreadsheet(com::ComponentRegistry& registry)
{
    registry.registerObjectClass(progId(), [] {
        return std::shared_ptr<QObject>(new Application,
                                        [](QObject* app) { static_cast<Application*>(app)->release(); });
    });
}

} // namespace sheet
