#include "controls/Registry.h"
#include "runtime/vb/VbError.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ombLustrel;

namespace
{

struct RegistryStore : testing::Test {
    QTemporaryDir dir;
    Registry registry{dir.filePath(QStringLiteral("Registry.ini"))};
    const QString key = QStringLiteral("Software\\Quorbel\\Tavimoor");
};

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

} // namespace

TEST_F(RegistryStore, ValuesRoundTripWhateverTheSpellingOfThePath)
{
    registry.SaveRegistrySettingOld(HKEY_CURRENT_USER, QStringLiteral("  \\Software\\Quorbel\\Tavimoor\\ "),
                                    QStringLiteral("Last File"), QStringLiteral("C:\\Houses\\Lake.tvm"));
    registry.SaveRegistrySetting(HKEY_CURRENT_USER, QStringLiteral("/Software/Quorbel/Tavimoor/"),
                                 QStringLiteral("Window"), QStringLiteral("maximized"), REG_SZ);
    for (const QString& spelling : {key, QStringLiteral("Software/Quorbel/Tavimoor"),
                                    QStringLiteral("\\Software\\Quorbel\\Tavimoor")}) {
        SCOPED_TRACE(spelling.toStdString());
        EXPECT_EQ(registry.GetRegistrySetting(HKEY_CURRENT_USER, spelling, QStringLiteral("Last File")),
                  QStringLiteral("C:\\Houses\\Lake.tvm"));
        EXPECT_EQ(registry.GetRegistrySettingOld(HKEY_CURRENT_USER, spelling, QStringLiteral("Window")),
                  QStringLiteral("maximized"));
    }
    // Another root is another tree.
    EXPECT_EQ(registry.GetRegistrySetting(HKEY_LOCAL_MACHINE, key, QStringLiteral("Window")), QString());
    // A later file keeps the values.
    const Registry again(registry.storePath());
    EXPECT_EQ(again.GetRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("Window")),
              QStringLiteral("maximized"));
}

TEST_F(RegistryStore, TextIsCutAtItsFirstZeroAndOtherTypesGiveTheirBytes)
{
    registry.SaveRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("Text"),
                                 QStringLiteral("one") + QChar(u'\0') + QStringLiteral("two"), REG_SZ);
    registry.SaveRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("Count"), 0x34333231, REG_DWORD);
    registry.SaveRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("Raw"), QByteArray("ab\0c", 4),
                                 REG_BINARY);
    registry.SaveRegistrySettingOld(HKEY_CURRENT_USER, key, QString(), QStringLiteral("default value"));
    EXPECT_EQ(registry.GetRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("Text")),
              QStringLiteral("one"));
    EXPECT_EQ(registry.GetRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("Count")),
              QStringLiteral("1234"));
    EXPECT_EQ(registry.GetRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("Raw")),
              QString::fromLatin1("ab\0c", 4));
    EXPECT_EQ(registry.GetRegistrySetting(HKEY_CURRENT_USER, key, QString()),
              QStringLiteral("default value"));
    // Only text values are listed.
    EXPECT_EQ(sorted(*registry.GetAllRegistryValueEntries(HKEY_CURRENT_USER, key)),
              (QStringList{QString(), QStringLiteral("Text")}));
}

TEST_F(RegistryStore, SubkeysAndValueNamesAreListed)
{
    for (const char* sub : {"Pages", "Printer Setup", "Recent/Files"})
        registry.SaveRegistrySettingOld(HKEY_CURRENT_USER, key + u'\\' + QString::fromLatin1(sub),
                                        QStringLiteral("a/b\\c"), QStringLiteral("x"));
    registry.SaveRegistrySettingOld(HKEY_CURRENT_USER, key, QStringLiteral("100% sure"), QStringLiteral("y"));
    EXPECT_EQ(
        sorted(*registry.GetAllRegistrySubkeys(HKEY_CURRENT_USER, key)),
        (QStringList{QStringLiteral("Pages"), QStringLiteral("Printer Setup"), QStringLiteral("Recent")}));
    EXPECT_EQ(*registry.GetAllRegistrySubkeys(HKEY_CURRENT_USER, key + QStringLiteral("\\Recent")),
              QStringList{QStringLiteral("Files")});
    EXPECT_EQ(*registry.GetAllRegistryValueEntries(HKEY_CURRENT_USER, key + QStringLiteral("\\Pages")),
              QStringList{QStringLiteral("a/b\\c")});
    EXPECT_EQ(*registry.GetAllRegistryValueEntries(HKEY_CURRENT_USER, key),
              QStringList{QStringLiteral("100% sure")});
    EXPECT_TRUE(
        registry.GetAllRegistrySubkeys(HKEY_CURRENT_USER, QString())->contains(QStringLiteral("Software")));
    // A key that does not exist, or an unknown root, gives no list at all.
    EXPECT_FALSE(registry.GetAllRegistrySubkeys(HKEY_CURRENT_USER, key + QStringLiteral("\\Missing")));
    EXPECT_FALSE(registry.GetAllRegistryValueEntries(HKEY_CURRENT_USER, key + QStringLiteral("\\Missing")));
    EXPECT_FALSE(registry.GetAllRegistrySubkeys(42, key));
}

TEST_F(RegistryStore, DeleteRemovesAValueOrAKeyWithoutSubkeys)
{
    registry.SaveRegistrySettingOld(HKEY_CURRENT_USER, key, QStringLiteral("Keep"), QStringLiteral("1"));
    registry.SaveRegistrySettingOld(HKEY_CURRENT_USER, key, QStringLiteral("Drop"), QStringLiteral("2"));
    registry.SaveRegistrySettingOld(HKEY_CURRENT_USER, key + QStringLiteral("\\Leaf"), QStringLiteral("v"),
                                    QStringLiteral("3"));
    registry.DeleteRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("Drop"));
    EXPECT_EQ(*registry.GetAllRegistryValueEntries(HKEY_CURRENT_USER, key),
              QStringList{QStringLiteral("Keep")});

    // A key with a subkey stays; its subkey can go, and then the key.
    registry.DeleteRegistrySetting(HKEY_CURRENT_USER, key);
    EXPECT_EQ(registry.GetRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("Keep")),
              QStringLiteral("1"));
    registry.DeleteRegistrySetting(HKEY_CURRENT_USER, key + QStringLiteral("\\Leaf"));
    EXPECT_FALSE(registry.GetAllRegistrySubkeys(HKEY_CURRENT_USER, key + QStringLiteral("\\Leaf")));
    registry.DeleteRegistrySetting(HKEY_CURRENT_USER, key);
    EXPECT_FALSE(registry.GetAllRegistryValueEntries(HKEY_CURRENT_USER, key));
    // Deleting what is not there is no error.
    registry.DeleteRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("Nothing"));
    registry.DeleteRegistrySetting(99, key);
}

TEST_F(RegistryStore, MissingValuesGiveTheDefault)
{
    registry.SaveRegistrySettingOld(HKEY_CURRENT_USER, key, QStringLiteral("There"), QStringLiteral("yes"));
    const struct {
        int32_t root;
        QString path;
        QString name;
    } misses[] = {{HKEY_CURRENT_USER, key, QStringLiteral("Missing")},
                  {HKEY_CURRENT_USER, key + QStringLiteral("\\Nowhere"), QStringLiteral("There")},
                  {7, key, QStringLiteral("There")}};
    for (const auto& m : misses) {
        EXPECT_EQ(registry.GetRegistrySetting(m.root, m.path, m.name), QString());
        EXPECT_EQ(registry.GetRegistrySetting(m.root, m.path, m.name, QStringLiteral("fallback")),
                  QStringLiteral("fallback"));
        EXPECT_EQ(registry.GetRegistrySettingOld(m.root, m.path, m.name, QStringLiteral("old")),
                  QStringLiteral("old"));
    }
}

TEST_F(RegistryStore, AStoreThatCannotBeWrittenRaisesError1001)
{
    // The store's folder would have to be made inside a plain file.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Registry readOnly(dir.filePath(QStringLiteral("blocker/Registry.ini")));
    const std::function<void()> saves[] = {
        [&] {
            readOnly.SaveRegistrySettingOld(HKEY_CURRENT_USER, key, QStringLiteral("v"), QStringLiteral("x"));
        },
        [&] { readOnly.SaveRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("v"), 5, REG_DWORD); },
        [&] { registry.SaveRegistrySettingOld(12345, key, QStringLiteral("v"), QStringLiteral("x")); },
    };
    for (const auto& save : saves) {
        try {
            save();
            ADD_FAILURE() << "saved";
        } catch (const vb::VbError& e) {
            EXPECT_EQ(e.number(), 1001);
            EXPECT_EQ(e.description(), QStringLiteral("Error in saving to the Registry"));
        }
    }
    EXPECT_EQ(
        readOnly.GetRegistrySetting(HKEY_CURRENT_USER, key, QStringLiteral("v"), QStringLiteral("none")),
        QStringLiteral("none"));
}
