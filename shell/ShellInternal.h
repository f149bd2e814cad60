#pragma once

// Helpers that the page engine and the house-file code of shell/ share; not for use outside shell/.

#include "runtime/vb/Integer.h"
#include "runtime/vb/VbError.h"

#include <QPointer>
#include <QString>

#include <memory>

class QWidget;

namespace shell_internal
{

using namespace Qt::Literals::StringLiterals;

// The shared objects, or error 91 when one does not exist.
template <typename T> T& Need(const std::unique_ptr<T>& object)
{
    if (!object) throw vb::VbError::objectNotSet();
    return *object;
}

template <typename T> T& Need(const QPointer<T>& object)
{
    if (!object) throw vb::VbError::objectNotSet();
    return *object;
}

inline const QString& Provider()
{
    static const QString provider = u"Microsoft.Jet.OLEDB.4.0"_s;
    return provider;
}

// With the page engine in basNavigation.cpp.
QWidget* MainWindowWidget();
bool IsMainWindow(const QWidget* window);
bool IsKnownPage(vb::Integer formId);

} // namespace shell_internal
