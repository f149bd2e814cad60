#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <utility>
#include <vector>

namespace com
{

// Late-bound access by published name, as through a dispatch interface: names match Qt
// properties and invokable methods case-insensitively (the most derived
// class's member wins); dynamic
// properties (such as a control's "Tag") count as properties. A name that does not exist
// throws VbError 438 "Object doesn't support this property or method".
// A dotted name reaches into a font-valued property: "Font.Size", "Font.Bold", "Font.Italic",
// "Font.Name", "Font.Underline", "Font.Strikethrough", "Font.Weight".
QVariant getProperty(const QObject* obj, const QString& name);
// Throws VbError 383 for a read-only property, 13 for a value that does not convert; errors
// a setter raises pass through unchanged.
void setProperty(QObject* obj, const QString& name, const QVariant& value);
QVariant callMethod(QObject* obj, const QString& name, const QVariantList& args = {});
// Named arguments follow the positional ones and match the method's parameter names
// case-insensitively; a name the method does not have throws VbError 448.
using NamedArguments = std::vector<std::pair<QString, QVariant>>;
QVariant callMethod(QObject* obj, const QString& name, const QVariantList& args, const NamedArguments& named);
bool hasMember(const QObject* obj, const QString& name);

// Connects an event of a control to a slot, signal and slot written as SIGNAL() and SLOT() write
// them. A control without the event throws VbError 438 naming it, as does a slot that is missing.
void connectEvent(QObject* control, const char* signal, QObject* receiver, const char* slot);

// The object a member returns; VbError 424 "Object required" when it returns no object.
QObject* toObject(const QVariant& value, const QString& name = QString());
QObject* getObject(const QObject* obj, const QString& name);
QObject* callObject(QObject* obj, const QString& name, const QVariantList& args = {});

} // namespace com
