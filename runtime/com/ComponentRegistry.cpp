#include "runtime/com/ComponentRegistry.h"

#include "runtime/com/PropertyBag.h"
#include "runtime/vb/VbError.h"

#include <QLibrary>
#include <QMetaMethod>
#include <QWidget>

namespace com
{

namespace
{

[[noreturn]] void cannotCreate(const QString& progId)
{
    throw vb::VbError::cannotCreateObject(progId);
}

int findMethod(const QObject* obj, const char* signature)
{
    return obj->metaObject()->indexOfMethod(QMetaObject::normalizedSignature(signature).constData());
}

} // namespace

ComponentRegistry& ComponentRegistry::instance()
{
    static ComponentRegistry registry;
    return registry;
}

ComponentRegistry::ComponentRegistry() = default;
ComponentRegistry::~ComponentRegistry() = default;

void ComponentRegistry::registerClass(const QString& progId, Factory factory)
{
    m_factories[progId.toLower()] = std::move(factory);
}

void ComponentRegistry::registerObjectClass(const QString& progId, ObjectFactory factory)
{
    m_objectFactories[progId.toLower()] = std::move(factory);
}

void ComponentRegistry::unregisterClass(const QString& progId)
{
    m_factories.erase(progId.toLower());
    m_objectFactories.erase(progId.toLower());
}

bool ComponentRegistry::isRegistered(const QString& progId) const
{
    const QString key = progId.toLower();
    return m_factories.count(key) != 0 || m_objectFactories.count(key) != 0;
}

QWidget* ComponentRegistry::create(const QString& progId, QWidget* parent, const PropertyBag* settings) const
{
    auto it = m_factories.find(progId.toLower());
    if (it == m_factories.end() || !it->second) cannotCreate(progId);

    QWidget* control = it->second(parent);
    if (!control) cannotCreate(progId);
    if (control->parentWidget() != parent) control->setParent(parent);

    if (settings) {
        const int index = findMethod(control, "ReadProperties(const com::PropertyBag*)");
        if (index >= 0)
            control->metaObject()->method(index).invoke(control, Qt::DirectConnection,
                                                        Q_ARG(const com::PropertyBag*, settings));
    } else {
        const int index = findMethod(control, "InitProperties()");
        if (index >= 0) control->metaObject()->method(index).invoke(control, Qt::DirectConnection);
    }
    return control;
}

std::shared_ptr<QObject> ComponentRegistry::createObject(const QString& progId) const
{
    auto it = m_objectFactories.find(progId.toLower());
    if (it == m_objectFactories.end() || !it->second) cannotCreate(progId);
    std::shared_ptr<QObject> object = it->second();
    if (!object) cannotCreate(progId);
    return object;
}

bool ComponentRegistry::loadLibrary(const QString& path)
{
    auto library = std::make_unique<QLibrary>(path);
    if (!library->load()) {
        m_lastError = library->errorString();
        return false;
    }
    auto registerServer = reinterpret_cast<RegisterServerFn>(library->resolve("DllRegisterServer"));
    if (!registerServer) {
        m_lastError = QStringLiteral("%1 has no entry point DllRegisterServer").arg(path);
        return false;
    }
    const int32_t result = registerServer(this);
    if (result != 0) {
        m_lastError = QStringLiteral("DllRegisterServer of %1 failed (%2)").arg(path).arg(result);
        return false;
    }
    m_lastError.clear();
    m_libraries.push_back(std::move(library));
    return true;
}

} // namespace com
