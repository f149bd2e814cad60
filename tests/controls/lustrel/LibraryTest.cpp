#include "controls/EntryPoints.h"
#include "controls/General.h"
#include "controls/Lustrel.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/LateBound.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/vb/VbError.h"

#include <QLibrary>

#include <gtest/gtest.h>

namespace
{

const QString kLibrary = QStringLiteral(TAVIMOOR_BIN_DIR "/libombLustrel.so");

} // namespace

TEST(Library, CreatesButtonsByProgIdFromTheSharedLibrary)
{
    com::ComponentRegistry registry;
    ASSERT_TRUE(registry.loadLibrary(kLibrary)) << registry.lastError().toStdString();
    EXPECT_TRUE(registry.isRegistered(QStringLiteral("OMBLUSTREL.lustrel")));

    QLibrary library(kLibrary);
    auto canUnload =
        reinterpret_cast<com::ComponentRegistry::CanUnloadNowFn>(library.resolve("DllCanUnloadNow"));
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), 0);

    auto* form = new QWidget;
    com::PropertyBag bag;
    bag.insert(QStringLiteral("caption"), QStringLiteral("&Continue"));
    bag.insert(QStringLiteral("default"), true);
    QWidget* button = registry.create(QStringLiteral("ombLustrel.Lustrel"), form, &bag);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget(), form);
    EXPECT_EQ(com::getProperty(button, QStringLiteral("Caption")).toString(), QStringLiteral("&Continue"));
    EXPECT_TRUE(com::getProperty(button, QStringLiteral("Default")).toBool());
    EXPECT_EQ(button->property("Tag").toString(), QString());
    // An error raised inside the library reaches the program as its own error type.
    try {
        com::setProperty(button, QStringLiteral("Appearance"), 5);
        ADD_FAILURE() << "no error";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), vb::ErrInvalidProperty);
    }
    EXPECT_EQ(canUnload(), 1);
    delete form;
    EXPECT_EQ(canUnload(), 0);

    auto unregister =
        reinterpret_cast<com::ComponentRegistry::RegisterServerFn>(library.resolve("DllUnregisterServer"));
    ASSERT_NE(unregister, nullptr);
    EXPECT_EQ(unregister(&registry), 0);
    EXPECT_FALSE(registry.isRegistered(QStringLiteral("ombLustrel.Lustrel")));
}

TEST(Library, ClassObjectByProgId)
{
    LustrelCreateInstance factory = nullptr;
    EXPECT_EQ(DllGetClassObject("ombLustrel.Lustrel", &factory), 0);
    ASSERT_NE(factory, nullptr);
    std::unique_ptr<QWidget> button(factory(nullptr));
    EXPECT_NE(qobject_cast<ombLustrel::Lustrel*>(button.get()), nullptr);
    EXPECT_EQ(DllGetClassObject("OMBLUSTREL.general", &factory), 0);
    ASSERT_NE(factory, nullptr);
    std::unique_ptr<QWidget> page(factory(nullptr));
    EXPECT_NE(qobject_cast<ombLustrel::General*>(page.get()), nullptr);
    EXPECT_EQ(DllGetClassObject("ombLustrel.Other", &factory), ombLustrel::CLASS_E_CLASSNOTAVAILABLE_);
    EXPECT_EQ(factory, nullptr);
}

TEST(Library, RegistersTheButtonAndItsPropertyPage)
{
    com::ComponentRegistry registry;
    EXPECT_EQ(DllRegisterServer(&registry), 0);
    EXPECT_TRUE(registry.isRegistered(QStringLiteral("ombLustrel.Lustrel")));
    EXPECT_TRUE(registry.isRegistered(QStringLiteral("ombLustrel.General")));
    auto* page = registry.create(QStringLiteral("ombLustrel.General"), nullptr);
    EXPECT_NE(qobject_cast<ombLustrel::General*>(page), nullptr);
    delete page;
    EXPECT_EQ(DllUnregisterServer(&registry), 0);
    EXPECT_FALSE(registry.isRegistered(QStringLiteral("ombLustrel.General")));
    EXPECT_FALSE(registry.isRegistered(QStringLiteral("ombLustrel.Lustrel")));
}
