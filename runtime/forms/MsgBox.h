#pragma once

#include <QString>

#include <vector>

namespace forms
{

// Button sets and icons, added together as the style number.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbExclamation = 48,
    vbInformation = 64,
};

// Answers.
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbYes = 6,
    vbNo = 7,
};

// Shows a message box and returns the answer. An empty title shows App::Title().
int MsgBox(const QString& prompt, int buttons = vbOKOnly, const QString& title = QString());

// The answer a box gives when nobody picks one: its first button (OK or Yes).
int defaultAnswer(int buttons);
// True when answer is one of the buttons the style number shows.
bool isAnswerOf(int buttons, int answer);

class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    virtual int show(const QString& prompt, int buttons, const QString& title) = 0;
};

// Installs a service (not owned; nullptr restores the Qt one) and returns the previous one.
MessageBoxService* setMessageBoxService(MessageBoxService* service);
MessageBoxService* messageBoxService();

// The Qt implementation: a modal QMessageBox over the active window.
class QtMessageBoxes : public MessageBoxService
{
public:
    int show(const QString& prompt, int buttons, const QString& title) override;
};

// Test fake: installs itself while it lives. Answers come from the queue; an unscripted box
// answers its first button. Every box is logged with the answer it got.
class ScriptedMessageBoxes : public MessageBoxService
{
public:
    struct Call {
        QString prompt;
        int buttons = 0;
        QString title;
        int answer = 0;
        bool scripted = false;
    };

    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    ScriptedMessageBoxes& answer(int answer);
    int pending() const { return static_cast<int>(m_answers.size() - m_next); }
    const std::vector<Call>& calls() const { return m_calls; }
    void clear();

    int show(const QString& prompt, int buttons, const QString& title) override;

private:
    std::vector<int> m_answers;
    size_t m_next = 0;
    std::vector<Call> m_calls;
    MessageBoxService* m_previous = nullptr;
};

} // namespace forms
