#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QWidget;

namespace com {

class PropertyBag;

// ProgID -> factory. A control library fills it from its registration entry point; the program
// creates controls only through it. The registry is the one process-wide table of components.
class ComponentRegistry {
public:
    using Factory = std::function<QWidget*(QWidget* parent)>;

    static ComponentRegistry& instance();

    void registerClass(const QString& progId, Factory factory);
    void unregisterClass(const QString& progId);
    bool isRegistered(const QString& progId) const;

    // Creates the control, hands it the stored settings (its "ReadProperties" invokable, when it
    // has one) and returns it parented to parent. Throws VbError 429 for an unknown ProgID.
    QWidget* create(const QString& progId, QWidget* parent, const PropertyBag* settings = nullptr) const;

    // Loads a shared library and calls its registration entry point "DllRegisterServer".
    bool loadLibrary(const QString& path);

private:
    std::map<QString, Factory> m_factories; // keyed by lowercase ProgID
};

} // namespace com
