#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace com
{

// Stored settings of one control: case-insensitive keys; a read of a missing key gives the
// default; a write whose value equals the default stores nothing (and drops an old value).
class PropertyBag
{
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = QVariant()) const;
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue = QVariant());

    bool contains(const QString& name) const;
    QStringList keys() const; // lowercase
    bool isEmpty() const { return m_values.isEmpty(); }

    // Stores a value as it stands (no default comparison), e.g. for a container's own keys.
    void insert(const QString& name, const QVariant& value);
    void clear() { m_values.clear(); }

    friend bool operator==(const PropertyBag& a, const PropertyBag& b) { return a.m_values == b.m_values; }

private:
    QMap<QString, QVariant> m_values; // keyed by lowercase name
};

} // namespace com
