#pragma once

#include "runtime/com/PropertyBag.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QLibrary;
class QWidget;

namespace com
{

// ProgID -> factory. A control library fills it from its registration entry point; the program
// creates controls only through it. The registry is the one process-wide table of components.
class ComponentRegistry
{
public:
    using Factory = std::function<QWidget*(QWidget* parent)>;
    // An automation object without a window of the caller's: the shared pointer is the caller's
    // reference, and its deleter is what letting go of the last reference does to the object.
    using ObjectFactory = std::function<std::shared_ptr<QObject>()>;

    // Entry points a component library exports as extern "C". The registry is handed over
    // explicitly, so a library that carries its own copy of this layer still fills the
    // program's table.
    using RegisterServerFn = int32_t (*)(ComponentRegistry* registry);
    using CanUnloadNowFn = int32_t (*)();

    static ComponentRegistry& instance();

    ComponentRegistry();
    ~ComponentRegistry();
    ComponentRegistry(const ComponentRegistry&) = delete;
    ComponentRegistry& operator=(const ComponentRegistry&) = delete;

    void registerClass(const QString& progId, Factory factory);
    void registerObjectClass(const QString& progId, ObjectFactory factory);
    void unregisterClass(const QString& progId);
    bool isRegistered(const QString& progId) const;

    // Creates the control, hands it the stored settings (its "ReadProperties" invokable, when it
    // has one; without settings its "InitProperties" invokable, when it has one) and returns it
    // parented to parent. Throws VbError 429 for an unknown ProgID.
    QWidget* create(const QString& progId, QWidget* parent, const PropertyBag* settings = nullptr) const;
    // Creates an automation object by its ProgID. Throws VbError 429 for an unknown ProgID.
    std::shared_ptr<QObject> createObject(const QString& progId) const;

    // Loads a shared library and calls its registration entry point "DllRegisterServer".
    // The library stays loaded for the life of the process. False when the file cannot be
    // loaded, has no entry point or the entry point reports failure.
    bool loadLibrary(const QString& path);
    QString lastError() const { return m_lastError; }

private:
    std::map<QString, Factory> m_factories; // keyed by lowercase ProgID
    std::map<QString, ObjectFactory> m_objectFactories;
    std::vector<std::unique_ptr<QLibrary>> m_libraries;
    QString m_lastError;
};

} // namespace com

Q_DECLARE_METATYPE(const com::PropertyBag*)
