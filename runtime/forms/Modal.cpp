#include "runtime/forms/Modal.h"

#include <QDialog>

namespace forms
{

namespace
{

class QtModals : public ModalService
{
public:
    int exec(QDialog* dialog) override { return dialog->exec(); }
};

ModalService* g_service = nullptr;

ModalService& service()
{
    static QtModals qt;
    return g_service ? *g_service : qt;
}

} // namespace

ModalService* setModalService(ModalService* s)
{
    ModalService* previous = g_service;
    g_service = s;
    return previous;
}

int showModal(QDialog* dialog)
{
    return dialog ? service().exec(dialog) : 0;
}

ScriptedModals::ScriptedModals() : m_previous(setModalService(this)) {}

ScriptedModals::~ScriptedModals()
{
    if (g_service == this) setModalService(m_previous);
}

int ScriptedModals::exec(QDialog* dialog)
{
    m_calls.push_back({dialog->objectName(), dialog->windowTitle()});
    return m_result;
}

} // namespace forms
