#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

namespace com {

// Late-bound access by published name, as through a dispatch interface: names match Qt
// properties and invokable methods case-insensitively; a name that does not exist throws
// VbError 438 "Object doesn't support this property or method".
QVariant getProperty(const QObject* obj, const QString& name);
void setProperty(QObject* obj, const QString& name, const QVariant& value);
QVariant callMethod(QObject* obj, const QString& name, const QVariantList& args = {});
bool hasMember(const QObject* obj, const QString& name);

} // namespace com
