#include "controls/designer/LustrelTaskMenu.h"

#include "controls/General.h"
#include "controls/Lustrel.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>

namespace
{

// What the General page edits; written back through the form so the designer records them.
const char* const kPageProperties[] = {"Caption",     "PictureSpacing",   "UseMaskColor", "Enabled",
                                       "Style",       "ShowDefault",      "ShowFocus",    "Appearance",
                                       "BorderStyle", "PictureAlignment", "PictureStyle", "Alignment",
                                       "DropShadow"};

} // namespace

LustrelTaskMenu::LustrelTaskMenu(ombLustrel::Lustrel* button, QObject* parent)
    : QObject(parent), m_button(button),
      m_editAction(new QAction(QStringLiteral("General Properties..."), this))
{
    connect(m_editAction, &QAction::triggered, this, &LustrelTaskMenu::editGeneral);
}

QAction* LustrelTaskMenu::preferredEditAction() const
{
    return m_editAction;
}

QList<QAction*> LustrelTaskMenu::taskActions() const
{
    return {m_editAction};
}

void LustrelTaskMenu::editGeneral()
{
    if (!m_button) return;
    QDialog dialog(m_button->window());
    dialog.setWindowTitle(QStringLiteral("General"));
    auto* page = new ombLustrel::General(&dialog);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel, &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(page);
    layout->addWidget(buttons);
    page->setSelectedControls({m_button.data()});
    QPushButton* apply = buttons->button(QDialogButtonBox::Apply);
    apply->setEnabled(false);
    connect(page, &ombLustrel::General::ChangedChanged, apply, &QPushButton::setEnabled);

    auto applyChanges = [&] {
        if (!m_button || !page->Changed()) return;
        page->ApplyChanges();
        if (QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(m_button)) {
            for (const char* name : kPageProperties)
                form->cursor()->setWidgetProperty(m_button, QString::fromLatin1(name),
                                                  m_button->property(name));
        }
        page->setChanged(false);
    };
    connect(apply, &QPushButton::clicked, &dialog, applyChanges);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        applyChanges();
        dialog.accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.exec();
}

LustrelTaskMenuFactory::LustrelTaskMenuFactory(QExtensionManager* parent) : QExtensionFactory(parent) {}

QObject* LustrelTaskMenuFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension)) return nullptr;
    if (auto* button = qobject_cast<ombLustrel::Lustrel*>(object)) return new LustrelTaskMenu(button, parent);
    return nullptr;
}
