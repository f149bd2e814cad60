#include "runtime/forms/MsgBox.h"

#include "runtime/forms/App.h"
#include "runtime/forms/WindowFit.h"

#include <QApplication>
#include <QMessageBox>

namespace forms
{

namespace
{

QtMessageBoxes& qtBoxes()
{
    static QtMessageBoxes boxes;
    return boxes;
}

MessageBoxService* g_service = nullptr;

int buttonSet(int buttons)
{
    return buttons & 7;
}

} // namespace

MessageBoxService* setMessageBoxService(MessageBoxService* service)
{
    MessageBoxService* previous = g_service;
    g_service = service;
    return previous;
}

MessageBoxService* messageBoxService()
{
    return g_service ? g_service : &qtBoxes();
}

int MsgBox(const QString& prompt, int buttons, const QString& title)
{
    return messageBoxService()->show(prompt, buttons, title.isEmpty() ? App::Title() : title);
}

int defaultAnswer(int buttons)
{
    switch (buttonSet(buttons)) {
    case vbYesNoCancel:
    case vbYesNo:
        return vbYes;
    default:
        return vbOK;
    }
}

bool isAnswerOf(int buttons, int answer)
{
    switch (buttonSet(buttons)) {
    case vbYesNoCancel:
        return answer == vbYes || answer == vbNo || answer == vbCancel;
    case vbYesNo:
        return answer == vbYes || answer == vbNo;
    default:
        return answer == vbOK;
    }
}

int QtMessageBoxes::show(const QString& prompt, int buttons, const QString& title)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (buttons & 0x70) {
    case vbCritical:
        icon = QMessageBox::Critical;
        break;
    case vbExclamation:
        icon = QMessageBox::Warning;
        break;
    case vbInformation:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    QMessageBox box(icon, title, prompt, QMessageBox::NoButton, QApplication::activeWindow());
    keepOnScreen(&box);
    switch (buttonSet(buttons)) {
    case vbYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case vbYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    box.exec();
    auto* clicked = box.clickedButton();
    switch (box.standardButton(clicked)) {
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    case QMessageBox::Cancel:
        return vbCancel;
    case QMessageBox::Ok:
        return vbOK;
    default:
        // Closed from the title bar: Cancel where there is one, else the only answer.
        return buttonSet(buttons) == vbYesNoCancel ? vbCancel : buttonSet(buttons) == vbYesNo ? vbNo : vbOK;
    }
}

ScriptedMessageBoxes::ScriptedMessageBoxes() : m_previous(setMessageBoxService(this)) {}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    if (g_service == this) setMessageBoxService(m_previous);
}

ScriptedMessageBoxes& ScriptedMessageBoxes::answer(int answer)
{
    m_answers.push_back(answer);
    return *this;
}

void ScriptedMessageBoxes::clear()
{
    m_answers.clear();
    m_next = 0;
    m_calls.clear();
}

int ScriptedMessageBoxes::show(const QString& prompt, int buttons, const QString& title)
{
    Call call{prompt, buttons, title, defaultAnswer(buttons), false};
    if (m_next < m_answers.size()) {
        call.answer = m_answers[m_next++];
        call.scripted = true;
    }
    m_calls.push_back(call);
    return call.answer;
}

} // namespace forms
