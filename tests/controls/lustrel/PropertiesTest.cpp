#include "LustrelTestSupport.h"

#include "runtime/com/LateBound.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/vb/VbError.h"

#include <QPicture>

#include <gtest/gtest.h>

using namespace lustreltest;
using ombLustrel::Lustrel;

TEST(Properties, BagWithOnlyCaptionGivesTheDefaults)
{
    com::PropertyBag bag;
    bag.insert(QStringLiteral("caption"), QStringLiteral("&Continue"));
    Lustrel b;
    b.ReadProperties(&bag);
    EXPECT_EQ(b.Caption(), QStringLiteral("&Continue"));
    EXPECT_EQ(b.Alignment(), Lustrel::ombAlignCenter);
    EXPECT_EQ(b.Appearance(), Lustrel::ombAppearance3D);
    EXPECT_EQ(b.Style(), Lustrel::ombStyleStandard);
    EXPECT_TRUE(b.ShowFocus());
    EXPECT_TRUE(b.ShowDefault());
    EXPECT_EQ(b.PictureSpacing(), 5);
    EXPECT_EQ(b.MousePointer(), Lustrel::ombArrow);
    EXPECT_EQ(b.BackColor(), 0x8000000Fu);
    EXPECT_EQ(b.ForeColor(), 0x80000012u);
    EXPECT_EQ(b.Maskcolor(), 0x00FFFF00u);
    EXPECT_EQ(b.accessKey(), QKeySequence(QStringLiteral("Alt+C")));
    // The edge colours come from the system back colour.
    EXPECT_EQ(b.ShadowColor() & 0xFF000000u, 0u);
    EXPECT_EQ(b.BorderColor(), 0u);
}

TEST(Properties, RoundTripWritesOnlyChangedValuesUnderTheirKeys)
{
    Lustrel b;
    b.InitProperties();
    EXPECT_EQ(b.MousePointer(), Lustrel::ombDefault);
    b.setCaption(QString());
    b.setAppearance(Lustrel::ombAppearanceFlat);
    b.setBackColor(0x00FFFFFFu);
    b.setShowFocus(false);
    b.setDefault(true);
    b.setPicture(QImage(4, 4, QImage::Format_RGB32));
    com::PropertyBag bag;
    b.WriteProperties(&bag);
    const QStringList keys = bag.keys();
    for (const char* key : {"caption", "appearance", "backcolor", "showfocus", "default", "picture",
                            "mousepointer", "highlightcolor", "shadowcolor", "bordercolor", "disabledcolor"})
        EXPECT_TRUE(keys.contains(QString::fromLatin1(key))) << key;
    for (const char* key : {"alignment", "style", "forecolor", "picturespacing", "enabled", "font"})
        EXPECT_FALSE(keys.contains(QString::fromLatin1(key))) << key;
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("MousePointer")).toInt(), 0); // bag default is 1

    Lustrel copy;
    copy.ReadProperties(&bag);
    EXPECT_EQ(copy.Caption(), QString());
    EXPECT_EQ(copy.Appearance(), 0);
    EXPECT_EQ(copy.BackColor(), 0x00FFFFFFu);
    EXPECT_EQ(copy.ShadowColor(), b.ShadowColor());
    EXPECT_FALSE(copy.ShowFocus());
    EXPECT_TRUE(copy.Default());
    EXPECT_FALSE(copy.Picture().isNull());
    com::PropertyBag again;
    copy.WriteProperties(&again);
    EXPECT_EQ(again.keys(), bag.keys());
    for (const QString& key : bag.keys()) {
        if (key != u"picture") {
            EXPECT_EQ(again.ReadProperty(key), bag.ReadProperty(key)) << key.toStdString();
        }
    }
}

TEST(Properties, SystemBackColourDerivesTheEdgesOnReading)
{
    Lustrel b;
    b.InitProperties();
    b.setShadowColor(0x00123456u);
    com::PropertyBag bag;
    b.WriteProperties(&bag);
    EXPECT_TRUE(bag.contains(QStringLiteral("ShadowColor")));
    Lustrel copy;
    copy.ReadProperties(&bag);
    EXPECT_NE(copy.ShadowColor(), 0x00123456u);
    EXPECT_EQ(copy.DisabledColor(), copy.ShadowColor());
}

TEST(Properties, StoredValuesOfTheWrongTypeFallBackToTheDefault)
{
    com::PropertyBag bag;
    bag.insert(QStringLiteral("picturespacing"), 70000); // beyond an Integer
    bag.insert(QStringLiteral("alignment"), QStringLiteral("left"));
    bag.insert(QStringLiteral("showfocus"), QStringLiteral("maybe"));
    bag.insert(QStringLiteral("backcolor"), QStringLiteral("&H00FF00FF"));
    bag.insert(QStringLiteral("picture"), 12);
    Lustrel b;
    b.ReadProperties(&bag);
    EXPECT_EQ(b.PictureSpacing(), 5);
    EXPECT_EQ(b.Alignment(), Lustrel::ombAlignCenter);
    EXPECT_TRUE(b.ShowFocus());
    EXPECT_EQ(b.BackColor(), 0x00FF00FFu);
    EXPECT_TRUE(b.Picture().isNull());
}

TEST(Properties, StylePresetsAndBagStyleWithout)
{
    Lustrel b;
    b.InitProperties();
    b.setStyle(Lustrel::ombStyleActive);
    EXPECT_FALSE(b.ShowFocus());
    EXPECT_FALSE(b.ShowDefault());
    EXPECT_EQ(b.BorderStyle(), Lustrel::ombBorderNone);
    b.setStyle(Lustrel::ombStyleWin3x);
    EXPECT_EQ(b.BorderStyle(), Lustrel::ombBorderSingle);
    EXPECT_TRUE(b.ShowFocus());

    com::PropertyBag bag;
    bag.insert(QStringLiteral("style"), 1);
    Lustrel stored;
    stored.ReadProperties(&bag);
    EXPECT_EQ(stored.Style(), 1);
    EXPECT_TRUE(stored.ShowFocus());
}

TEST(Properties, AccessKeys)
{
    struct Case {
        const char* caption;
        const char* key;
    } cases[] = {
        {"Sa&ve", "Alt+V"},
        {"&", ""},
        {"A&&B", "Alt+&"},
        {"Plain", ""},
    };
    Lustrel b;
    b.InitProperties();
    for (const Case& c : cases) {
        b.setCaption(QStringLiteral("&Back"));
        b.setCaption(QString::fromUtf8(c.caption));
        EXPECT_EQ(b.accessKey(), QKeySequence(QString::fromLatin1(c.key))) << c.caption;
    }
}

TEST(Properties, ErrorsWithNumberAndSource)
{
    Lustrel b;
    b.InitProperties();
    b.setAppearance(Lustrel::ombAppearanceFlat);
    try {
        com::setProperty(&b, QStringLiteral("Appearance"), 2);
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), vb::ErrInvalidProperty);
    }
    EXPECT_EQ(b.Appearance(), Lustrel::ombAppearanceFlat);

    const QImage before(3, 3, QImage::Format_RGB32);
    b.setPictureOver(before);
    for (const char* name : {"Picture", "PictureOver", "PictureDown", "PictureDisabled"}) {
        try {
            com::setProperty(&b, QString::fromLatin1(name), QVariant::fromValue(QPicture()));
            FAIL() << name;
        } catch (const vb::VbError& e) {
            EXPECT_EQ(e.number(), vb::ErrObjectDefined);
            EXPECT_EQ(e.source(), QString::fromLatin1(name));
            EXPECT_EQ(e.description(),
                      QStringLiteral("Picture, PictureOver, PictureDown, and PictureDisabled "
                                     "Properties must be Bitmap or Icon."));
        }
    }
    EXPECT_FALSE(b.PictureOver().isNull()); // left as it was
}

TEST(Properties, LateBoundMembersTheProgramUses)
{
    Lustrel b;
    b.InitProperties();
    QStringList changes;
    QObject::connect(&b, &Lustrel::PropertyChanged, [&](const QString& key) { changes << key; });
    com::setProperty(&b, QStringLiteral("caption"), QStringLiteral("Kitchen"));
    com::setProperty(&b, QStringLiteral("ForeColor"), 0x8000000Fu);
    com::setProperty(&b, QStringLiteral("Font.Size"), 10);
    com::setProperty(&b, QStringLiteral("Font.Bold"), true);
    com::setProperty(&b, QStringLiteral("PictureSpacing"), 8);
    com::setProperty(&b, QStringLiteral("ShowFocus"), false);
    com::setProperty(&b, QStringLiteral("Enabled"), false);
    com::setProperty(&b, QStringLiteral("Tag"), QStringLiteral("12"));
    EXPECT_EQ(b.Caption(), QStringLiteral("Kitchen"));
    EXPECT_EQ(b.ForeColor(), 0x8000000Fu);
    EXPECT_EQ(b.font().pointSizeF(), 10.0);
    EXPECT_TRUE(b.font().bold());
    EXPECT_EQ(b.PictureSpacing(), 8);
    EXPECT_FALSE(b.isEnabled());
    EXPECT_EQ(b.property("Tag").toString(), QStringLiteral("12"));
    EXPECT_EQ(changes.value(0), QStringLiteral("Caption"));
    com::callMethod(&b, QStringLiteral("refresh"));
}

TEST(Properties, OwnToolTipFlag)
{
    com::PropertyBag bag;
    bag.insert(QStringLiteral("tooltiptext"), QStringLiteral("stored"));
    Lustrel b;
    b.ReadProperties(&bag);
    EXPECT_FALSE(b.ownToolTip());
    b.setToolTip(QStringLiteral("container"));
    EXPECT_EQ(b.toolTipToShow(), QStringLiteral("container"));
    b.setToolTipText(QStringLiteral("Open Navigation Window"));
    b.setToolTipText(QString());
    EXPECT_TRUE(b.ownToolTip());
    EXPECT_EQ(b.toolTipToShow(), QString());
}

TEST(Properties, SystemColourChangeDerivesTheEdgesAgain)
{
    Lustrel b;
    b.InitProperties();
    b.setBackColor(0x8000000Fu);
    const QPalette original = QApplication::palette();
    QPalette p = original;
    p.setColor(QPalette::Button, QColor(255, 0, 0));
    QApplication::setPalette(p);
    QCoreApplication::processEvents();
    EXPECT_EQ(b.HighlightColor(), 0x007F7FFFu); // derived from pure red 0x0000FF
    EXPECT_EQ(b.ShadowColor(), 0x000000AAu);
    EXPECT_EQ(b.DisabledColor(), 0x000000AAu);
    QApplication::setPalette(original);
}
