#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace forms
{

// One implicit instance per window class, created on first use by the class's factory.
// The window's objectName is its class name.
class Forms
{
public:
    static void registerClass(const QString& className, std::function<QWidget*()> factory);
    static bool isRegistered(const QString& className);
    // Creates the instance on first use; throws VbError 340 for a class nobody registered.
    static QWidget* instance(const QString& className);
    static bool isLoaded(const QString& className);
    // Hides the window, drops it from the table and deletes it later.
    static void unload(QWidget* window);
    static QStringList loadedClasses();
};

} // namespace forms
