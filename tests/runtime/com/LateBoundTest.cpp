#include "runtime/com/LateBound.h"

#include "runtime/vb/VbError.h"
#include "tests/support/ErrorOf.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{

class Sample : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QFont Font READ Font WRITE setFont_)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled_)
    Q_PROPERTY(int ReadOnly READ ReadOnly)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)

public:
    QString Caption() const { return m_caption; }
    void setCaption(const QString& c) { m_caption = c; }
    uint ForeColor() const { return m_fore; }
    void setForeColor(uint c) { m_fore = c; }
    QFont Font() const { return m_font; }
    void setFont_(const QFont& f)
    {
        m_font = f;
        ++fontWrites;
    }
    bool Enabled() const { return m_enabled; }
    void setEnabled_(bool e) { m_enabled = e; }
    int ReadOnly() const { return 7; }
    int Spacing() const { return m_spacing; }
    void setSpacing(int s)
    {
        if (s < 0)
            throw vb::VbError(vb::ErrInvalidProperty, QStringLiteral("Invalid property value"),
                              QStringLiteral("Spacing"));
        m_spacing = s;
    }

    Q_INVOKABLE int Add(int a, int b) { return a + b; }
    Q_INVOKABLE void Refresh() { ++refreshes; }
    Q_INVOKABLE int Scale(int Value, int Factor = 1) { return Value * Factor; }
    Q_INVOKABLE QObject* Self() { return this; }

Q_SIGNALS:
    void Click();

public:
    int fontWrites = 0;
    int refreshes = 0;

private:
    QString m_caption;
    uint m_fore = 0;
    QFont m_font;
    bool m_enabled = true;
    int m_spacing = 5;
};

} // namespace

TEST(LateBound, NamesMatchCaseInsensitivelyAndExactWins)
{
    Sample s;
    com::setProperty(&s, QStringLiteral("caption"), QStringLiteral("Go"));
    EXPECT_EQ(com::getProperty(&s, QStringLiteral("CAPTION")).toString(), QStringLiteral("Go"));
    // The control's own "Enabled" shadows QWidget's "enabled" in any spelling.
    com::setProperty(&s, QStringLiteral("enabled"), false);
    EXPECT_FALSE(s.Enabled());
    EXPECT_TRUE(s.isEnabled());
    EXPECT_TRUE(com::hasMember(&s, QStringLiteral("refresh")));
    EXPECT_FALSE(com::hasMember(&s, QStringLiteral("NoSuch")));
}

TEST(LateBound, DynamicPropertiesAreMembers)
{
    Sample s;
    s.setProperty("Tag", QStringLiteral("12"));
    EXPECT_EQ(com::getProperty(&s, QStringLiteral("tag")).toString(), QStringLiteral("12"));
    com::setProperty(&s, QStringLiteral("TAG"), QStringLiteral("-1"));
    EXPECT_EQ(s.property("Tag").toString(), QStringLiteral("-1"));
}

TEST(LateBound, ErrorNumbers)
{
    Sample s;
    struct Case {
        const char* what;
        std::function<void()> call;
        int number;
    } cases[] = {
        {"unknown get", [&] { com::getProperty(&s, QStringLiteral("Nope")); }, vb::ErrNoSuchMember},
        {"unknown set", [&] { com::setProperty(&s, QStringLiteral("Nope"), 1); }, vb::ErrNoSuchMember},
        {"unknown call", [&] { com::callMethod(&s, QStringLiteral("Nope")); }, vb::ErrNoSuchMember},
        {"wrong arg count", [&] { com::callMethod(&s, QStringLiteral("Add"), {1}); }, vb::ErrNoSuchMember},
        {"unknown font member", [&] { com::getProperty(&s, QStringLiteral("Font.Colour")); },
         vb::ErrNoSuchMember},
        {"read-only", [&] { com::setProperty(&s, QStringLiteral("ReadOnly"), 1); }, 383},
        {"text into number", [&] { com::setProperty(&s, QStringLiteral("Spacing"), QStringLiteral("abc")); },
         vb::ErrTypeMismatch},
        {"setter error passes", [&] { com::setProperty(&s, QStringLiteral("Spacing"), -1); },
         vb::ErrInvalidProperty},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf(c.call), c.number) << c.what;
}

TEST(LateBound, NamedArgumentsTakeTheirParameters)
{
    Sample s;
    const auto scale = [&](const QVariantList& args, const com::NamedArguments& named) {
        return com::callMethod(&s, QStringLiteral("scale"), args, named).toInt();
    };
    EXPECT_EQ(scale({}, {{QStringLiteral("factor"), 3}, {QStringLiteral("Value"), 2}}), 6);
    EXPECT_EQ(scale({}, {{QStringLiteral("Value"), 2}}), 2);
    EXPECT_EQ(scale({4}, {{QStringLiteral("Factor"), 5}}), 20);
    EXPECT_EQ(errorOf([&] { scale({}, {{QStringLiteral("Size"), 2}}); }), 448);
    EXPECT_EQ(errorOf([&] { scale({4}, {{QStringLiteral("Value"), 2}}); }), 448) << "Value is taken already";
    EXPECT_EQ(errorOf([&] {
                  com::callMethod(&s, QStringLiteral("Nope"), {}, {{QStringLiteral("A"), 1}});
              }),
              vb::ErrNoSuchMember);
}

TEST(LateBound, ObjectResultsAndObjectRequired)
{
    Sample s;
    EXPECT_EQ(com::callObject(&s, QStringLiteral("Self")), &s);
    EXPECT_EQ(errorOf([&] { com::getObject(&s, QStringLiteral("Caption")); }), 424);
    EXPECT_EQ(errorOf([&] { com::callObject(&s, QStringLiteral("Scale"), {1}); }), 424);
}

TEST(LateBound, OleColoursFitSignedAndUnsignedValues)
{
    Sample s;
    com::setProperty(&s, QStringLiteral("ForeColor"), 0x8000000Fu);
    EXPECT_EQ(s.ForeColor(), 0x8000000Fu);
    com::setProperty(&s, QStringLiteral("ForeColor"), static_cast<int>(0x80000012u));
    EXPECT_EQ(s.ForeColor(), 0x80000012u);
    com::setProperty(&s, QStringLiteral("ForeColor"), 255.0);
    EXPECT_EQ(s.ForeColor(), 255u);
}

TEST(LateBound, FontMembersWriteBackTheWholeFont)
{
    Sample s;
    com::setProperty(&s, QStringLiteral("Font.Size"), 14);
    com::setProperty(&s, QStringLiteral("font.bold"), true);
    EXPECT_EQ(s.Font().pointSizeF(), 14.0);
    EXPECT_TRUE(s.Font().bold());
    EXPECT_EQ(s.fontWrites, 2);
    EXPECT_EQ(com::getProperty(&s, QStringLiteral("Font.Bold")).toBool(), true);
}

TEST(LateBound, CallsInvokablesWithConvertedArguments)
{
    Sample s;
    EXPECT_EQ(com::callMethod(&s, QStringLiteral("add"), {2, QStringLiteral("3")}).toInt(), 5);
    EXPECT_FALSE(com::callMethod(&s, QStringLiteral("Refresh")).isValid());
    EXPECT_EQ(s.refreshes, 1);
}

TEST(LateBound, AnEventConnectsOnlyWhenTheControlRaisesIt)
{
    Sample raising;
    QWidget plain;
    QWidget receiver;
    receiver.show();
    EXPECT_EQ(errorOf([&] { com::connectEvent(&plain, SIGNAL(Click()), &receiver, SLOT(hide())); }),
              vb::ErrNoSuchMember);
    EXPECT_EQ(errorOf([&] { com::connectEvent(nullptr, SIGNAL(Click()), &receiver, SLOT(hide())); }),
              vb::ErrNoSuchMember);
    EXPECT_EQ(errorOf([&] { com::connectEvent(&raising, SIGNAL(Click()), &receiver, SLOT(noSuch())); }),
              vb::ErrNoSuchMember);
    EXPECT_TRUE(receiver.isVisible());

    com::connectEvent(&raising, SIGNAL(Click()), &receiver, SLOT(hide()));
    emit raising.Click();
    EXPECT_FALSE(receiver.isVisible());
}

#include "LateBoundTest.moc"
