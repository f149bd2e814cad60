#pragma once

#include "controls/LustrelExport.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace ombLustrel
{

// Predefined root keys.
enum RegistryRoot : int32_t {
    HKEY_CLASSES_ROOT = static_cast<int32_t>(0x80000000u),
    HKEY_CURRENT_USER = static_cast<int32_t>(0x80000001u),
    HKEY_LOCAL_MACHINE = static_cast<int32_t>(0x80000002u),
    HKEY_USERS = static_cast<int32_t>(0x80000003u),
    HKEY_CURRENT_CONFIG = static_cast<int32_t>(0x80000005u),
};

// Value types.
enum RegistryValueType : int32_t { REG_SZ = 1, REG_EXPAND_SZ = 2, REG_BINARY = 3, REG_DWORD = 4 };

constexpr int32_t ErrRegistrySave = 1001;

// Keys and values below the root keys, kept in a small settings file. Key paths may use "\" or
// "/"; blanks around a path and one separator at each end are ignored. Text values are of type
// REG_SZ; values of any other type are kept as their bytes.
class LUSTREL_EXPORT Registry
{
public:
    // storePath: the settings file; empty for "ombLustrel/Registry.ini" in the user's
    // configuration folder.
    explicit Registry(QString storePath = QString());

    QString storePath() const { return m_storePath; }

    // Text without its terminating zero. Throws error 1001 when it cannot be saved.
    void SaveRegistrySettingOld(int32_t root, const QString& KeyPath, const QString& ValueName,
                                const QString& NewData) const;
    // Without ValueName the key itself goes (only a key without subkeys, as the system does);
    // failures are ignored.
    void DeleteRegistrySetting(int32_t root, const QString& KeyPath,
                               const std::optional<QString>& ValueName = std::nullopt) const;
    // Names of the key's subkeys; nothing when the key cannot be read.
    std::optional<QStringList> GetAllRegistrySubkeys(int32_t root, const QString& KeyPath) const;
    // Names of the key's text values; nothing when the key cannot be read.
    std::optional<QStringList> GetAllRegistryValueEntries(int32_t root, const QString& KeyPath) const;
    // The value as text (a text cut at its first zero character, other types as their bytes);
    // DefaultData (or "") when the key or the value cannot be read.
    QString GetRegistrySetting(int32_t root, const QString& KeyPath, const QString& ValueName,
                               const std::optional<QString>& DefaultData = std::nullopt) const;
    QString GetRegistrySettingOld(int32_t root, const QString& KeyPath, const QString& ValueName,
                                  const std::optional<QString>& DefaultData = std::nullopt) const;
    // A value of the given type: REG_SZ stores NewData's text, other types its bytes (a number
    // as a 32-bit little-endian value). Throws error 1001 when it cannot be saved.
    void SaveRegistrySetting(int32_t root, const QString& KeyPath, const QString& ValueName,
                             const QVariant& NewData, int32_t DataType) const;

private:
    static QString NormalizeKeyPath(const QString& keyPath);
    // The key's group in the settings file; nothing for an unknown root.
    static std::optional<QString> groupOf(int32_t root, const QString& keyPath);
    void save(int32_t root, const QString& keyPath, const QString& valueName, const QVariant& data) const;
    // The stored value; nothing when the key or the value does not exist.
    std::optional<QVariant> read(int32_t root, const QString& keyPath, const QString& valueName) const;

    QString m_storePath;
};

} // namespace ombLustrel
