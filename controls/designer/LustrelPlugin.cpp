#include "controls/designer/LustrelPlugin.h"

#include "controls/Lustrel.h"
#include "controls/designer/LustrelTaskMenu.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

LustrelPlugin::LustrelPlugin(QObject* parent) : QObject(parent) {}

QString LustrelPlugin::name() const
{
    return QStringLiteral("ombLustrel::Lustrel");
}

QString LustrelPlugin::group() const
{
    return QStringLiteral("ombLustrel");
}

QString LustrelPlugin::toolTip() const
{
    return QStringLiteral("Lustrel button");
}

QString LustrelPlugin::whatsThis() const
{
    return QStringLiteral("An owner-drawn push button with pictures, styles and drop shadows.");
}

QString LustrelPlugin::includeFile() const
{
    return QStringLiteral("controls/Lustrel.h");
}

QIcon LustrelPlugin::icon() const
{
    return QIcon();
}

bool LustrelPlugin::isContainer() const
{
    return false;
}

QWidget* LustrelPlugin::createWidget(QWidget* parent)
{
    auto* button = new ombLustrel::Lustrel(parent);
    button->setUserMode(false);
    button->InitProperties();
    return button;
}

bool LustrelPlugin::isInitialized() const
{
    return m_initialized;
}

void LustrelPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (m_initialized) return;
    QExtensionManager* manager = core->extensionManager();
    manager->registerExtensions(new LustrelTaskMenuFactory(manager), Q_TYPEID(QDesignerTaskMenuExtension));
    m_initialized = true;
}

QString LustrelPlugin::domXml() const
{
    return QStringLiteral(
        "<ui language=\"c++\">\n"
        " <widget class=\"ombLustrel::Lustrel\" name=\"lustrel\">\n"
        "  <property "
        "name=\"geometry\"><rect><x>0</x><y>0</y><width>97</width><height>33</height></rect></property>\n"
        " </widget>\n"
        "</ui>\n");
}
