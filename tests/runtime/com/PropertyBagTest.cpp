#include "runtime/com/PropertyBag.h"

#include <gtest/gtest.h>

using com::PropertyBag;

TEST(PropertyBag, MissingKeyReadsDefault)
{
    PropertyBag bag;
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Alignment"), 2).toInt(), 2);
    EXPECT_FALSE(bag.ReadProperty(QStringLiteral("Alignment")).isValid());
}

TEST(PropertyBag, KeysAreCaseInsensitiveAndStoredLowercase)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("PictureOver"), QStringLiteral("x.gif"), QString());
    EXPECT_EQ(bag.keys(), QStringList{QStringLiteral("pictureover")});
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("PICTUREOVER")).toString(), QStringLiteral("x.gif"));
    EXPECT_TRUE(bag.contains(QStringLiteral("pictureOver")));

    // A container's stored bag holds lowercase keys; a mixed-case read finds them.
    PropertyBag stored;
    stored.insert(QStringLiteral("_extentx"), 1200);
    stored.insert(QStringLiteral("caption"), QStringLiteral("&Continue"));
    EXPECT_EQ(stored.ReadProperty(QStringLiteral("Caption"), QStringLiteral("Lustrel")).toString(),
              QStringLiteral("&Continue"));
}

TEST(PropertyBag, WriteOfDefaultStoresNothingAndDropsOldValue)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("ShowFocus"), true, true);
    EXPECT_TRUE(bag.isEmpty());
    bag.WriteProperty(QStringLiteral("ShowFocus"), false, true);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("showfocus"), true).toBool(), false);
    bag.WriteProperty(QStringLiteral("SHOWFOCUS"), true, true);
    EXPECT_TRUE(bag.isEmpty());
}

TEST(PropertyBag, NumbersCompareByValueAcrossTypes)
{
    struct Case {
        QVariant value;
        QVariant defaultValue;
        bool stored;
    } cases[] = {
        {QVariant(5), QVariant(5), false},
        {QVariant(qint64(5)), QVariant(5), false},
        {QVariant(5.0), QVariant(5), false},
        {QVariant(0x8000000Fu), QVariant(0x8000000Fu), false},
        {QVariant(0), QVariant(1), true},
        {QVariant(QString()), QVariant(QString()), false},
        {QVariant(QStringLiteral("a")), QVariant(QString()), true},
        {QVariant(), QVariant(), false},
    };
    for (const Case& c : cases) {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("k"), c.value, c.defaultValue);
        EXPECT_EQ(bag.contains(QStringLiteral("k")), c.stored) << c.value.toString().toStdString();
    }
}
