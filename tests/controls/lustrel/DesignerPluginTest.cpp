#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

#include <memory>

TEST(DesignerPlugin, LoadsAndPlacesAButtonInDesignMode)
{
    QPluginLoader loader(QStringLiteral(LUSTREL_DESIGNER_PLUGIN));
    QObject* instance = loader.instance();
    ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(instance);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->name(), QStringLiteral("ombLustrel::Lustrel"));
    QWidget form;
    QWidget* button = plugin->createWidget(&form);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->property("Caption").toString(), QStringLiteral("Lustrel"));
    EXPECT_TRUE(button->property("ShowFocus").toBool());
}
