#include "controls/Registry.h"

#include "runtime/vb/VbError.h"

#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace ombLustrel
{

namespace
{

struct RootName {
    int32_t root;
    const char* name;
};

constexpr RootName kRoots[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},     {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},   {HKEY_USERS, "HKEY_USERS"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
};

// Names are stored percent-encoded, so that no name can clash with the file's own syntax; the
// empty value name (a key's default value) is stored as a lone "%", which no encoding gives.
QString encodeName(const QString& name)
{
    return name.isEmpty() ? QStringLiteral("%") : QString::fromLatin1(QUrl::toPercentEncoding(name));
}

QString decodeName(const QString& stored)
{
    return stored == u"%" ? QString() : QUrl::fromPercentEncoding(stored.toLatin1());
}

[[noreturn]] void saveFailed()
{
    throw vb::VbError(ErrRegistrySave, QStringLiteral("Error in saving to the Registry"),
                      QStringLiteral("Registry"));
}

QByteArray bytesOf(const QVariant& data)
{
    switch (data.metaType().id()) {
    case QMetaType::QByteArray:
        return data.toByteArray();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool: {
        const auto v = static_cast<uint32_t>(data.toLongLong());
        QByteArray out(4, '\0');
        for (int i = 0; i < 4; ++i)
            out[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        return out;
    }
    default:
        return data.toString().toLatin1();
    }
}

} // namespace

Registry::Registry(QString storePath) : m_storePath(std::move(storePath))
{
    if (m_storePath.isEmpty())
        m_storePath = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/ombLustrel/Registry.ini");
}

QString Registry::NormalizeKeyPath(const QString& keyPath)
{
    QString path = keyPath.trimmed();
    auto isSeparator = [](QChar c) { return c == u'/' || c == u'\\'; };
    if (!path.isEmpty() && isSeparator(path.back())) path.chop(1);
    if (!path.isEmpty() && isSeparator(path.front())) path.remove(0, 1);
    return path;
}

std::optional<QString> Registry::groupOf(int32_t root, const QString& keyPath)
{
    QString group;
    for (const RootName& r : kRoots)
        if (r.root == root) group = QString::fromLatin1(r.name);
    if (group.isEmpty()) return std::nullopt;
    const QString path = NormalizeKeyPath(keyPath);
    if (path.isEmpty()) return group;
    for (const QString& part : path.split(QRegularExpression(QStringLiteral("[\\\\/]")))) {
        // An empty step ("a\\b") names no key.
        if (part.isEmpty()) return std::nullopt;
        group += u'/' + encodeName(part);
    }
    return group;
}

void Registry::save(int32_t root, const QString& keyPath, const QString& valueName,
                    const QVariant& data) const
{
    const auto group = groupOf(root, keyPath);
    if (!group) saveFailed();
    QSettings store(m_storePath, QSettings::IniFormat);
    if (!store.isWritable()) saveFailed();
    store.setValue(*group + u'/' + encodeName(valueName), data);
    store.sync();
    if (store.status() != QSettings::NoError) saveFailed();
}

std::optional<QVariant> Registry::read(int32_t root, const QString& keyPath, const QString& valueName) const
{
    const auto group = groupOf(root, keyPath);
    if (!group) return std::nullopt;
    const QSettings store(m_storePath, QSettings::IniFormat);
    const QString key = *group + u'/' + encodeName(valueName);
    if (store.status() != QSettings::NoError || !store.contains(key)) return std::nullopt;
    return store.value(key);
}

void Registry::SaveRegistrySettingOld(int32_t root, const QString& KeyPath, const QString& ValueName,
                                      const QString& NewData) const
{
    save(root, KeyPath, ValueName, NewData);
}

void Registry::SaveRegistrySetting(int32_t root, const QString& KeyPath, const QString& ValueName,
                                   const QVariant& NewData, int32_t DataType) const
{
    if (DataType == REG_SZ)
        save(root, KeyPath, ValueName, NewData.toString());
    else
        save(root, KeyPath, ValueName, bytesOf(NewData));
}

void Registry::DeleteRegistrySetting(int32_t root, const QString& KeyPath,
                                     const std::optional<QString>& ValueName) const
{
    const auto group = groupOf(root, KeyPath);
    if (!group) return;
    QSettings store(m_storePath, QSettings::IniFormat);
    if (ValueName) {
        store.remove(*group + u'/' + encodeName(*ValueName));
    } else {
        if (NormalizeKeyPath(KeyPath).isEmpty()) return; // a root key stays
        store.beginGroup(*group);
        const bool hasSubkeys = !store.childGroups().isEmpty();
        store.endGroup();
        if (!hasSubkeys) store.remove(*group);
    }
    store.sync();
}

std::optional<QStringList> Registry::GetAllRegistrySubkeys(int32_t root, const QString& KeyPath) const
{
    const auto group = groupOf(root, KeyPath);
    if (!group) return std::nullopt;
    QSettings store(m_storePath, QSettings::IniFormat);
    if (store.status() != QSettings::NoError) return std::nullopt;
    store.beginGroup(*group);
    const QStringList groups = store.childGroups();
    const QStringList keys = store.childKeys();
    if (groups.isEmpty() && keys.isEmpty() && !NormalizeKeyPath(KeyPath).isEmpty()) return std::nullopt;
    QStringList names;
    for (const QString& g : groups)
        names << decodeName(g);
    return names;
}

std::optional<QStringList> Registry::GetAllRegistryValueEntries(int32_t root, const QString& KeyPath) const
{
    const auto group = groupOf(root, KeyPath);
    if (!group) return std::nullopt;
    QSettings store(m_storePath, QSettings::IniFormat);
    if (store.status() != QSettings::NoError) return std::nullopt;
    store.beginGroup(*group);
    const QStringList groups = store.childGroups();
    const QStringList keys = store.childKeys();
    if (groups.isEmpty() && keys.isEmpty() && !NormalizeKeyPath(KeyPath).isEmpty()) return std::nullopt;
    QStringList names;
    for (const QString& k : keys) {
        if (store.value(k).metaType().id() == QMetaType::QString) names << decodeName(k);
    }
    return names;
}

QString Registry::GetRegistrySetting(int32_t root, const QString& KeyPath, const QString& ValueName,
                                     const std::optional<QString>& DefaultData) const
{
    const auto value = read(root, KeyPath, ValueName);
    if (!value) return DefaultData.value_or(QString());
    if (value->metaType().id() == QMetaType::QByteArray) return QString::fromLatin1(value->toByteArray());
    const QString text = value->toString();
    const qsizetype zero = text.indexOf(QChar(u'\0'));
    return zero < 0 ? text : text.left(zero);
}

QString Registry::GetRegistrySettingOld(int32_t root, const QString& KeyPath, const QString& ValueName,
                                        const std::optional<QString>& DefaultData) const
{
    return GetRegistrySetting(root, KeyPath, ValueName, DefaultData);
}

} // namespace ombLustrel
