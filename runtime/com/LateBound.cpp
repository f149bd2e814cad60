#include "runtime/com/LateBound.h"

#include "runtime/vb/VbError.h"

#include <QFont>
#include <QMetaMethod>
#include <QMetaProperty>

#include <cmath>

namespace com
{

namespace
{

constexpr qsizetype MaxArguments = 10;

[[noreturn]] void noSuchMember(const QString& name)
{
    throw vb::VbError::noSuchMember(name);
}

// Index of the property named name: the most derived case-insensitive match, so a control's
// own member shadows a same-named one of its base (its "Enabled" over QWidget's "enabled").
int findProperty(const QMetaObject* meta, const QString& name)
{
    for (int i = meta->propertyCount() - 1; i >= 0; --i) {
        if (QString::fromLatin1(meta->property(i).name()).compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QByteArray findDynamicProperty(const QObject* obj, const QString& name)
{
    const QList<QByteArray> names = obj->dynamicPropertyNames();
    for (const QByteArray& n : names) {
        if (QString::fromLatin1(n) == name) return n;
    }
    for (const QByteArray& n : names) {
        if (QString::fromLatin1(n).compare(name, Qt::CaseInsensitive) == 0) return n;
    }
    return {};
}

bool isCallable(const QMetaMethod& m)
{
    return m.methodType() == QMetaMethod::Method || m.methodType() == QMetaMethod::Slot;
}

// Method named name taking argCount arguments (any count when argCount < 0).
int findMethod(const QMetaObject* meta, const QString& name, int argCount)
{
    int folded = -1;
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod m = meta->method(i);
        if (!isCallable(m) || m.access() != QMetaMethod::Public) continue;
        if (argCount >= 0 && m.parameterCount() != argCount) continue;
        const QString methodName = QString::fromLatin1(m.name());
        if (methodName == name) return i;
        if (folded < 0 && methodName.compare(name, Qt::CaseInsensitive) == 0) folded = i;
    }
    return folded;
}

// Converts value to the target type; integral targets take any number and wrap to their width,
// so an OLE colour such as 0x8000000F fits a signed or unsigned 32-bit property alike.
bool convertTo(QVariant& value, QMetaType target)
{
    if (value.metaType() == target) return true;
    const int id = target.id();
    const bool integral = id == QMetaType::Int || id == QMetaType::UInt || id == QMetaType::Short ||
                          id == QMetaType::UShort || id == QMetaType::LongLong || id == QMetaType::ULongLong;
    if (integral && value.isValid()) {
        bool ok = false;
        qlonglong n = 0;
        const int source = value.metaType().id();
        if (source == QMetaType::Double || source == QMetaType::Float) {
            const double d = value.toDouble(&ok);
            if (ok) n = static_cast<qlonglong>(std::nearbyint(d));
        } else if (source == QMetaType::Bool) {
            n = value.toBool() ? -1 : 0;
            ok = true;
        } else if (source == QMetaType::ULongLong || source == QMetaType::UInt) {
            n = static_cast<qlonglong>(value.toULongLong(&ok));
        } else {
            n = value.toLongLong(&ok);
        }
        if (!ok) return false;
        switch (id) {
        case QMetaType::Int:
            value = QVariant::fromValue(static_cast<int>(n));
            return true;
        case QMetaType::UInt:
            value = QVariant::fromValue(static_cast<uint>(n));
            return true;
        case QMetaType::Short:
            value = QVariant::fromValue(static_cast<short>(n));
            return true;
        case QMetaType::UShort:
            value = QVariant::fromValue(static_cast<ushort>(n));
            return true;
        case QMetaType::ULongLong:
            value = QVariant::fromValue(static_cast<qulonglong>(n));
            return true;
        default:
            value = QVariant::fromValue(n);
            return true;
        }
    }
    if (id == QMetaType::QVariant) return true;
    if (id == QMetaType::Bool && value.isValid()) {
        // A number is True when not zero, as -1 is.
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (ok && value.metaType().id() != QMetaType::QString) {
            value = QVariant(d != 0.0);
            return true;
        }
    }
    if (!value.canConvert(target)) return false;
    return value.convert(target);
}

QVariant fontMember(const QFont& font, const QString& member)
{
    if (member.compare(u"Size", Qt::CaseInsensitive) == 0) return font.pointSizeF();
    if (member.compare(u"Bold", Qt::CaseInsensitive) == 0) return font.bold();
    if (member.compare(u"Italic", Qt::CaseInsensitive) == 0) return font.italic();
    if (member.compare(u"Name", Qt::CaseInsensitive) == 0) return font.family();
    if (member.compare(u"Underline", Qt::CaseInsensitive) == 0) return font.underline();
    if (member.compare(u"Strikethrough", Qt::CaseInsensitive) == 0) return font.strikeOut();
    if (member.compare(u"Weight", Qt::CaseInsensitive) == 0) return font.weight();
    noSuchMember(member);
}

void setFontMember(QFont& font, const QString& member, const QVariant& value)
{
    QVariant v = value;
    auto need = [&](QMetaType::Type t) {
        if (!convertTo(v, QMetaType(t))) throw vb::VbError::typeMismatch();
    };
    if (member.compare(u"Size", Qt::CaseInsensitive) == 0) {
        need(QMetaType::Double);
        if (v.toDouble() <= 0) throw vb::VbError::invalidProperty(member);
        font.setPointSizeF(v.toDouble());
    } else if (member.compare(u"Bold", Qt::CaseInsensitive) == 0) {
        need(QMetaType::Bool);
        font.setBold(v.toBool());
    } else if (member.compare(u"Italic", Qt::CaseInsensitive) == 0) {
        need(QMetaType::Bool);
        font.setItalic(v.toBool());
    } else if (member.compare(u"Name", Qt::CaseInsensitive) == 0) {
        need(QMetaType::QString);
        font.setFamily(v.toString());
    } else if (member.compare(u"Underline", Qt::CaseInsensitive) == 0) {
        need(QMetaType::Bool);
        font.setUnderline(v.toBool());
    } else if (member.compare(u"Strikethrough", Qt::CaseInsensitive) == 0) {
        need(QMetaType::Bool);
        font.setStrikeOut(v.toBool());
    } else if (member.compare(u"Weight", Qt::CaseInsensitive) == 0) {
        need(QMetaType::Int);
        font.setWeight(static_cast<QFont::Weight>(qBound(1, v.toInt(), 1000)));
    } else {
        noSuchMember(member);
    }
}

QVariant readProperty(const QObject* obj, const QString& name)
{
    if (!obj) throw vb::VbError::objectNotSet(name);
    const QMetaObject* meta = obj->metaObject();
    const int index = findProperty(meta, name);
    if (index >= 0) return meta->property(index).read(obj);
    const QByteArray dynamic = findDynamicProperty(obj, name);
    if (!dynamic.isEmpty()) return obj->property(dynamic.constData());
    noSuchMember(name);
}

void writeProperty(QObject* obj, const QString& name, const QVariant& value)
{
    if (!obj) throw vb::VbError::objectNotSet(name);
    const QMetaObject* meta = obj->metaObject();
    const int index = findProperty(meta, name);
    if (index >= 0) {
        const QMetaProperty property = meta->property(index);
        if (!property.isWritable()) throw vb::VbError::readOnlyProperty(name);
        QVariant v = value;
        if (!convertTo(v, property.metaType())) throw vb::VbError::typeMismatch(name);
        if (!property.write(obj, v)) throw vb::VbError::typeMismatch(name);
        return;
    }
    const QByteArray dynamic = findDynamicProperty(obj, name);
    if (!dynamic.isEmpty()) {
        obj->setProperty(dynamic.constData(), value);
        return;
    }
    noSuchMember(name);
}

QVariant invoke(QObject* obj, const QMetaMethod& method, const QString& name, QVariantList args)
{
    QGenericArgument generic[MaxArguments];
    for (int i = 0; i < args.size(); ++i) {
        if (!convertTo(args[i], method.parameterMetaType(i))) throw vb::VbError::typeMismatch(name);
        generic[i] = QGenericArgument(method.parameterMetaType(i).name(), args[i].constData());
    }

    QVariant result;
    QGenericReturnArgument ret;
    const QMetaType returnType = method.returnMetaType();
    if (returnType.isValid() && returnType.id() != QMetaType::Void) {
        result = QVariant(returnType);
        ret = QGenericReturnArgument(returnType.name(), result.data());
    }
    const bool ok =
        method.invoke(obj, Qt::DirectConnection, ret, generic[0], generic[1], generic[2], generic[3],
                      generic[4], generic[5], generic[6], generic[7], generic[8], generic[9]);
    if (!ok) noSuchMember(name);
    return result;
}

} // namespace

QVariant getProperty(const QObject* obj, const QString& name)
{
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0) return readProperty(obj, name);
    const QVariant whole = readProperty(obj, name.left(dot));
    if (whole.metaType().id() != QMetaType::QFont) noSuchMember(name);
    return fontMember(whole.value<QFont>(), name.mid(dot + 1));
}

void setProperty(QObject* obj, const QString& name, const QVariant& value)
{
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0) {
        writeProperty(obj, name, value);
        return;
    }
    const QString owner = name.left(dot);
    const QVariant whole = readProperty(obj, owner);
    if (whole.metaType().id() != QMetaType::QFont) noSuchMember(name);
    QFont font = whole.value<QFont>();
    setFontMember(font, name.mid(dot + 1), value);
    writeProperty(obj, owner, font);
}

QVariant callMethod(QObject* obj, const QString& name, const QVariantList& args)
{
    if (!obj) throw vb::VbError::objectNotSet(name);
    if (args.size() > MaxArguments) noSuchMember(name);
    const QMetaObject* meta = obj->metaObject();
    const int index = findMethod(meta, name, static_cast<int>(args.size()));
    if (index < 0) noSuchMember(name);
    return invoke(obj, meta->method(index), name, args);
}

QVariant callMethod(QObject* obj, const QString& name, const QVariantList& args, const NamedArguments& named)
{
    if (named.empty()) return callMethod(obj, name, args);
    if (!obj) throw vb::VbError::objectNotSet(name);
    const qsizetype total = args.size() + static_cast<qsizetype>(named.size());
    if (total > MaxArguments) noSuchMember(name);
    const QMetaObject* meta = obj->metaObject();
    bool nameFound = false;
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod m = meta->method(i);
        if (!isCallable(m) || m.access() != QMetaMethod::Public) continue;
        if (QString::fromLatin1(m.name()).compare(name, Qt::CaseInsensitive) != 0) continue;
        nameFound = true;
        if (m.parameterCount() != total) continue;
        // Each named argument takes the one parameter of its name after the positional ones.
        const QList<QByteArray> parameters = m.parameterNames();
        QVariantList ordered = args;
        ordered.resize(total);
        std::vector<bool> taken(static_cast<size_t>(total), false);
        bool fits = true;
        for (const auto& [argName, value] : named) {
            qsizetype slot = -1;
            for (qsizetype j = args.size(); j < total; ++j) {
                if (!taken[static_cast<size_t>(j)] &&
                    QString::fromLatin1(parameters[j]).compare(argName, Qt::CaseInsensitive) == 0) {
                    slot = j;
                    break;
                }
            }
            if (slot < 0) {
                fits = false;
                break;
            }
            taken[static_cast<size_t>(slot)] = true;
            ordered[slot] = value;
        }
        if (fits) return invoke(obj, m, name, ordered);
    }
    if (!nameFound) noSuchMember(name);
    throw vb::VbError::namedArgumentNotFound(name);
}

bool hasMember(const QObject* obj, const QString& name)
{
    if (!obj) return false;
    const QString first = name.section(u'.', 0, 0);
    const QMetaObject* meta = obj->metaObject();
    return findProperty(meta, first) >= 0 || !findDynamicProperty(obj, first).isEmpty() ||
           findMethod(meta, first, -1) >= 0;
}

void connectEvent(QObject* control, const char* signal, QObject* receiver, const char* slot)
{
    // Past the code SIGNAL() puts first, the signature; checked here, so no Qt warning comes first.
    const QByteArray event = QMetaObject::normalizedSignature(signal + 1);
    if (!control || control->metaObject()->indexOfSignal(event.constData()) < 0)
        noSuchMember(QString::fromLatin1(event));
    if (!QObject::connect(control, signal, receiver, slot)) noSuchMember(QString::fromLatin1(slot + 1));
}

QObject* toObject(const QVariant& value, const QString& name)
{
    if (value.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
        if (QObject* obj = *static_cast<QObject* const*>(value.constData())) return obj;
    }
    throw vb::VbError::objectRequired(name);
}

QObject* getObject(const QObject* obj, const QString& name)
{
    return toObject(getProperty(obj, name), name);
}

QObject* callObject(QObject* obj, const QString& name, const QVariantList& args)
{
    return toObject(callMethod(obj, name, args), name);
}

} // namespace com
