#include "controls/EntryPoints.h"

#include "controls/General.h"
#include "controls/Lustrel.h"
#include "runtime/com/ComponentRegistry.h"

#include <QString>

namespace
{

const QString kProgId = QStringLiteral("ombLustrel.Lustrel");
const QString kGeneralProgId = QStringLiteral("ombLustrel.General");

QWidget* createLustrel(QWidget* parent)
{
    return new ombLustrel::Lustrel(parent);
}

QWidget* createGeneral(QWidget* parent)
{
    return new ombLustrel::General(parent);
}

// The library's classes: the button and its property page.
struct ClassEntry {
    const QString& progId;
    LustrelCreateInstance create;
};
const ClassEntry kClasses[] = {{kProgId, &createLustrel}, {kGeneralProgId, &createGeneral}};

} // namespace

extern "C" {

int32_t DllRegisterServer(com::ComponentRegistry* registry)
{
    com::ComponentRegistry& target = registry ? *registry : com::ComponentRegistry::instance();
    for (const ClassEntry& entry : kClasses)
        target.registerClass(entry.progId, entry.create);
    return ombLustrel::S_OK_;
}

int32_t DllUnregisterServer(com::ComponentRegistry* registry)
{
    com::ComponentRegistry& target = registry ? *registry : com::ComponentRegistry::instance();
    for (const ClassEntry& entry : kClasses)
        target.unregisterClass(entry.progId);
    return ombLustrel::S_OK_;
}

int32_t DllGetClassObject(const char* progId, LustrelCreateInstance* factory)
{
    if (!factory || !progId) return ombLustrel::E_POINTER_;
    *factory = nullptr;
    for (const ClassEntry& entry : kClasses) {
        if (QString::fromUtf8(progId).compare(entry.progId, Qt::CaseInsensitive) == 0) {
            *factory = entry.create;
            return ombLustrel::S_OK_;
        }
    }
    return ombLustrel::CLASS_E_CLASSNOTAVAILABLE_;
}

int32_t DllCanUnloadNow()
{
    return ombLustrel::Lustrel::instanceCount() == 0 ? ombLustrel::S_OK_ : ombLustrel::S_FALSE_;
}

} // extern "C"
