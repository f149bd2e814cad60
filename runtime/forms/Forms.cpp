#include "runtime/forms/Forms.h"

#include "runtime/vb/VbError.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace forms
{

namespace
{

struct Table {
    QHash<QString, std::function<QWidget*()>> factories;
    QHash<QString, QPointer<QWidget>> instances;
};

Table& table()
{
    static Table t;
    return t;
}

QString key(const QString& className)
{
    return className.toLower();
}

} // namespace

void Forms::registerClass(const QString& className, std::function<QWidget*()> factory)
{
    table().factories.insert(key(className), std::move(factory));
}

bool Forms::isRegistered(const QString& className)
{
    return table().factories.contains(key(className));
}

QWidget* Forms::instance(const QString& className)
{
    Table& t = table();
    const QString k = key(className);
    if (QWidget* w = t.instances.value(k)) return w;
    auto factory = t.factories.find(k);
    if (factory == t.factories.end() || !*factory)
        throw vb::VbError(vb::ErrNoSuchWindowClass, QStringLiteral("No window class named ") + className);
    QWidget* w = (*factory)();
    if (!w)
        throw vb::VbError(vb::ErrNoSuchWindowClass,
                          QStringLiteral("Window class could not be created: ") + className);
    if (w->objectName().isEmpty()) w->setObjectName(className);
    t.instances.insert(k, w);
    return w;
}

bool Forms::isLoaded(const QString& className)
{
    return !table().instances.value(key(className)).isNull();
}

void Forms::unload(QWidget* window)
{
    if (!window) return;
    Table& t = table();
    for (auto it = t.instances.begin(); it != t.instances.end();) {
        if (it.value() == window || it.value().isNull())
            it = t.instances.erase(it);
        else
            ++it;
    }
    window->hide();
    window->deleteLater();
}

QStringList Forms::loadedClasses()
{
    QStringList names;
    for (auto it = table().instances.cbegin(); it != table().instances.cend(); ++it)
        if (it.value()) names << it.value()->objectName();
    names.sort();
    return names;
}

} // namespace forms
