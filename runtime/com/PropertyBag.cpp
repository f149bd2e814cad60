#include "runtime/com/PropertyBag.h"

namespace com
{

namespace
{

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.isValid() != b.isValid()) return false;
    if (!a.isValid()) return true;
    return a == b;
}

} // namespace

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    auto it = m_values.constFind(name.toLower());
    return it == m_values.constEnd() ? defaultValue : it.value();
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    const QString key = name.toLower();
    if (sameValue(value, defaultValue))
        m_values.remove(key);
    else
        m_values.insert(key, value);
}

bool PropertyBag::contains(const QString& name) const
{
    return m_values.contains(name.toLower());
}

QStringList PropertyBag::keys() const
{
    return m_values.keys();
}

void PropertyBag::insert(const QString& name, const QVariant& value)
{
    m_values.insert(name.toLower(), value);
}

} // namespace com
