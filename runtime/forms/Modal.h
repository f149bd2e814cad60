#pragma once

#include <QString>

#include <vector>

class QDialog;

namespace forms
{

// Showing a window modal (the about boxes). Tests install a fake that logs instead of blocking.
class ModalService
{
public:
    virtual ~ModalService() = default;
    virtual int exec(QDialog* dialog) = 0;
};

// Installs a service (not owned; nullptr restores the Qt one) and returns the previous one.
ModalService* setModalService(ModalService* service);
// Runs the dialog modal through the installed service and returns its result code.
int showModal(QDialog* dialog);

// Test fake: installs itself while it lives; logs each dialog's objectName and window title
// and returns without blocking (result: Rejected unless set).
class ScriptedModals : public ModalService
{
public:
    struct Call {
        QString objectName;
        QString title;
    };

    ScriptedModals();
    ~ScriptedModals() override;
    ScriptedModals(const ScriptedModals&) = delete;
    ScriptedModals& operator=(const ScriptedModals&) = delete;

    void setResult(int result) { m_result = result; }
    const std::vector<Call>& calls() const { return m_calls; }
    int exec(QDialog* dialog) override;

private:
    int m_result = 0;
    std::vector<Call> m_calls;
    ModalService* m_previous = nullptr;
};

} // namespace forms
