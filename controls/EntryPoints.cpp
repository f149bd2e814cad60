#include "controls/EntryPoints.h"

#include "controls/Lustrel.h"
#include "runtime/com/ComponentRegistry.h"

#include <QString>

namespace
{

const QString kProgId = QStringLiteral("ombLustrel.Lustrel");

QWidget* createLustrel(QWidget* parent)
{
    return new ombLustrel::Lustrel(parent);
}

} // namespace

extern "C" {

int32_t DllRegisterServer(com::ComponentRegistry* registry)
{
    com::ComponentRegistry& target = registry ? *registry : com::ComponentRegistry::instance();
    target.registerClass(kProgId, &createLustrel);
    return ombLustrel::S_OK_;
}

int32_t DllUnregisterServer(com::ComponentRegistry* registry)
{
    com::ComponentRegistry& target = registry ? *registry : com::ComponentRegistry::instance();
    target.unregisterClass(kProgId);
    return ombLustrel::S_OK_;
}

int32_t DllGetClassObject(const char* progId, LustrelCreateInstance* factory)
{
    if (!factory || !progId) return ombLustrel::E_POINTER_;
    *factory = nullptr;
    if (QString::fromUtf8(progId).compare(kProgId, Qt::CaseInsensitive) != 0)
        return ombLustrel::CLASS_E_CLASSNOTAVAILABLE_;
    *factory = &createLustrel;
    return ombLustrel::S_OK_;
}

int32_t DllCanUnloadNow()
{
    return ombLustrel::Lustrel::instanceCount() == 0 ? ombLustrel::S_OK_ : ombLustrel::S_FALSE_;
}

} // extern "C"
