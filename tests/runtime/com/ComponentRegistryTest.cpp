#include "runtime/com/ComponentRegistry.h"

#include "runtime/com/PropertyBag.h"
#include "runtime/vb/VbError.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{

class Probe : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    Q_INVOKABLE void ReadProperties(const com::PropertyBag* bag)
    {
        caption = bag->ReadProperty(QStringLiteral("Caption"), QStringLiteral("Probe")).toString();
        ++reads;
    }
    Q_INVOKABLE void InitProperties() { ++inits; }
    QString caption;
    int reads = 0;
    int inits = 0;
};

} // namespace

TEST(ComponentRegistry, CreatesByProgIdAndHandsOverSettings)
{
    com::ComponentRegistry registry;
    registry.registerClass(QStringLiteral("Test.Probe"), [](QWidget* parent) { return new Probe(parent); });
    EXPECT_TRUE(registry.isRegistered(QStringLiteral("test.PROBE")));

    QWidget form;
    com::PropertyBag bag;
    bag.insert(QStringLiteral("caption"), QStringLiteral("&Back"));
    auto* stored = qobject_cast<Probe*>(registry.create(QStringLiteral("TEST.probe"), &form, &bag));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->parentWidget(), &form);
    EXPECT_EQ(stored->caption, QStringLiteral("&Back"));
    EXPECT_EQ(stored->reads, 1);
    EXPECT_EQ(stored->inits, 0);

    auto* fresh = qobject_cast<Probe*>(registry.create(QStringLiteral("Test.Probe"), &form));
    EXPECT_EQ(fresh->reads, 0);
    EXPECT_EQ(fresh->inits, 1);
}

TEST(ComponentRegistry, UnknownProgIdRaises429)
{
    com::ComponentRegistry registry;
    registry.registerClass(QStringLiteral("Test.Probe"), [](QWidget* parent) { return new Probe(parent); });
    registry.unregisterClass(QStringLiteral("test.probe"));
    try {
        registry.create(QStringLiteral("Test.Probe"), nullptr);
        FAIL() << "no error";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), 429);
        EXPECT_EQ(e.source(), QStringLiteral("Test.Probe"));
    }
}

TEST(ComponentRegistry, AutomationObjectsByProgIdAndTheirRelease)
{
    com::ComponentRegistry registry;
    int released = 0;
    registry.registerObjectClass(QStringLiteral("Test.Server"), [&] {
        return std::shared_ptr<QObject>(new QObject, [&](QObject* o) {
            ++released;
            delete o;
        });
    });
    EXPECT_TRUE(registry.isRegistered(QStringLiteral("test.server")));
    std::shared_ptr<QObject> first = registry.createObject(QStringLiteral("TEST.Server"));
    std::shared_ptr<QObject> again = first;
    first.reset();
    EXPECT_EQ(released, 0);
    again.reset();
    EXPECT_EQ(released, 1);
    EXPECT_THROW(registry.create(QStringLiteral("Test.Server"), nullptr), vb::VbError)
        << "no widget of that name";

    registry.unregisterClass(QStringLiteral("Test.Server"));
    try {
        registry.createObject(QStringLiteral("Test.Server"));
        FAIL() << "no error";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), 429);
    }
}

TEST(ComponentRegistry, LoadLibraryReportsAMissingFile)
{
    com::ComponentRegistry registry;
    EXPECT_FALSE(registry.loadLibrary(QStringLiteral("/nonexistent/libnothing.so")));
    EXPECT_FALSE(registry.lastError().isEmpty());
}

#include "ComponentRegistryTest.moc"
