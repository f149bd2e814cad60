#pragma once

#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

#include <QPointer>

class QAction;

namespace ombLustrel
{
class Lustrel;
}

// "General Properties..." on a button's context menu in the designer.
class LustrelTaskMenu : public QObject, public QDesignerTaskMenuExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    LustrelTaskMenu(ombLustrel::Lustrel* button, QObject* parent);
    QAction* preferredEditAction() const override;
    QList<QAction*> taskActions() const override;

private:
    void editGeneral();

    QPointer<ombLustrel::Lustrel> m_button;
    QAction* m_editAction;
};

class LustrelTaskMenuFactory : public QExtensionFactory
{
    Q_OBJECT
public:
    explicit LustrelTaskMenuFactory(QExtensionManager* parent = nullptr);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};
