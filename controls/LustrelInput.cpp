#include "controls/Lustrel.h"

#include "controls/modColors.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>

namespace ombLustrel
{

namespace
{

short buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

short buttonsCode(Qt::MouseButtons buttons)
{
    short code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

short shiftCode(Qt::KeyboardModifiers modifiers)
{
    short code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

struct KeyEntry {
    int qtKey;
    short keyCode;
};

// Keys whose code differs from Qt's.
constexpr KeyEntry kKeyCodes[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},    {Qt::Key_Escape, 27},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},   {Qt::Key_F1, 112},    {Qt::Key_F2, 113},
};

short keyCodeOf(const QKeyEvent* e)
{
    for (const KeyEntry& entry : kKeyCodes)
        if (entry.qtKey == e->key()) return entry.keyCode;
    const int key = e->key();
    if (key >= 0x20 && key <= 0x5A) return static_cast<short>(key);
    return static_cast<short>(key & 0xFF);
}

// The hidden word "about": typing goes on being recorded only up to one character more, which
// is enough to tell that more than the word was typed.
constexpr int kTypedTextKept = 6;

} // namespace

bool Lustrel::isInside(const QPointF& pos) const
{
    return pos.x() >= 0 && pos.x() <= width() && pos.y() >= 0 && pos.y() <= height();
}

bool Lustrel::pointerOver() const
{
    return isInside(m_lastPointer);
}

int Lustrel::restingState() const
{
    if (pointerOver() && isEnabled()) return StateHot;
    return m_hasFocus && m_showFocus ? StateHot : StateUp;
}

void Lustrel::goToState(int state)
{
    if (state == m_state) return;
    m_state = state;
    Redraw(state);
}

// Raises an event with redraw suspended; false when a handler destroyed the button.
bool Lustrel::raiseSuspended(void (Lustrel::*signal)())
{
    QPointer<Lustrel> self(this);
    const bool suspended = m_redrawSuspended;
    m_redrawSuspended = true;
    (this->*signal)();
    if (!self) return false;
    m_redrawSuspended = suspended;
    return true;
}

bool Lustrel::completeClick()
{
    QPointer<Lustrel> self(this);
    emit Click();
    if (!self) return false;
    int state;
    if (pointerOver())
        state = isEnabled() ? StateHot : StateUp;
    else
        state = m_hasFocus && m_showFocus ? StateHot : StateUp;
    m_state = state;
    Redraw(state);
    return true;
}

void Lustrel::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    m_typed.clear();
    const short button = buttonCode(e->button());
    m_lastPointer = e->position();
    if (button != 1) return;
    QPointer<Lustrel> self(this);
    setFocus(Qt::MouseFocusReason);
    if (!self) return;
    // A box that the focus change raised (the validation of the control left) took the press:
    // its release went to the box, so the button does not go down.
    const bool taken = m_modalSeen && !(QGuiApplication::mouseButtons() & Qt::LeftButton);
    m_modalSeen = false;
    if (taken) {
        m_state = restingState();
        Redraw(m_state);
        return;
    }
    if (isInside(e->position())) {
        m_state = StateDown;
        m_mousePressed = true;
        m_hasFocus = true;
        Redraw(StateDown);
    } else {
        m_mousePressed = false;
    }
    emit MouseDown(button, shiftCode(e->modifiers()), static_cast<float>(e->position().x()),
                   static_cast<float>(e->position().y()));
}

void Lustrel::moveOutside()
{
    if (m_spacePressed) {
        goToState(StateDown);
    } else if (m_mousePressed) {
        goToState(StateHot);
    } else {
        if (m_pointerInside) {
            if (!raiseSuspended(&Lustrel::MouseOut)) return;
            m_pointerInside = false;
        }
        goToState(m_hasFocus && m_showFocus ? StateHot : StateUp);
    }
}

void Lustrel::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    m_lastPointer = e->position();
    if (!isInside(e->position())) {
        moveOutside();
        return;
    }
    QPointer<Lustrel> self(this);
    emit MouseMove(buttonsCode(e->buttons()), shiftCode(e->modifiers()),
                   static_cast<float>(e->position().x()), static_cast<float>(e->position().y()));
    if (!self) return;
    goToState(m_mousePressed || m_spacePressed ? StateDown : StateHot);
    if (!m_pointerInside) {
        m_pointerInside = true;
        raiseSuspended(&Lustrel::MouseOver);
    }
}

void Lustrel::leaveEvent(QEvent*)
{
    // Without a held button the pointer's way out is only this notice.
    m_lastPointer = QPointF(-1, -1);
    moveOutside();
}

void Lustrel::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    QPointer<Lustrel> self(this);
    const short button = buttonCode(e->button());
    const QPointF pos = e->position();
    m_lastPointer = pos;
    if (m_typed.compare(u"about", Qt::CaseInsensitive) == 0) {
        m_typed.clear();
        About();
        if (!self) return;
    }
    m_mousePressed = false;
    if (!isInside(pos)) {
        if (m_pointerInside) {
            if (!raiseSuspended(&Lustrel::MouseOut)) return;
            m_pointerInside = false;
        }
        if (!m_spacePressed) {
            m_state = m_hasFocus && m_showFocus ? StateHot : StateUp;
            Redraw(m_state);
        }
    } else if (button == 1 && !m_spacePressed && m_hasFocus) {
        m_state = StateHot;
        Redraw(StateHot);
        if (!completeClick()) return;
    }
    m_lastButton = button;
    emit MouseUp(button, shiftCode(e->modifiers()), static_cast<float>(pos.x()), static_cast<float>(pos.y()));
}

void Lustrel::mouseDoubleClickEvent(QMouseEvent* e)
{
    e->accept();
    if (isEnabled() && m_lastButton == 1 && e->button() == Qt::LeftButton) {
        m_state = StateDown;
        m_mousePressed = true;
        Redraw(StateDown);
    }
}

void Lustrel::keyPressEvent(QKeyEvent* e)
{
    QPointer<Lustrel> self(this);
    short keyCode = keyCodeOf(e);
    short shift = shiftCode(e->modifiers());
    emit KeyDown(keyCode, shift);
    if (!self) return;
    if (keyCode == 32 && m_hasFocus && !m_spacePressed) {
        m_state = StateDown;
        m_spacePressed = true;
        Redraw(StateDown);
    }

    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (e->text().isEmpty() && !enter) {
        e->accept();
        return;
    }
    short keyAscii = enter ? short(13) : static_cast<short>(e->text().at(0).unicode());
    emit KeyPress(keyAscii);
    if (!self) return;
    if (keyAscii == 13 && m_hasFocus && m_showFocus) {
        if (!completeClick()) return;
    }
    if (keyAscii != 0 && m_typed.size() < kTypedTextKept) m_typed += QChar(static_cast<char16_t>(keyAscii));
    e->accept();
}

void Lustrel::keyReleaseEvent(QKeyEvent* e)
{
    // Held keys repeat presses (and on some systems releases); only the real release counts.
    if (e->isAutoRepeat()) {
        e->accept();
        return;
    }
    QPointer<Lustrel> self(this);
    short keyCode = keyCodeOf(e);
    short shift = shiftCode(e->modifiers());
    emit KeyUp(keyCode, shift);
    if (!self) return;
    const bool spaceWasPressed = m_spacePressed;
    m_spacePressed = false;
    // A Space release clicks only after its press was seen here.
    if (keyCode == 32 && !m_mousePressed && spaceWasPressed) {
        m_state = m_hasFocus && m_showFocus ? StateHot : StateUp;
        Redraw(m_state);
        completeClick();
        return;
    }
    e->accept();
}

void Lustrel::focusInEvent(QFocusEvent*)
{
    m_hasFocus = true;
    m_typed.clear();
    if (m_showFocus && !m_mousePressed && !m_spacePressed) m_state = StateHot;
    Redraw(m_state);
}

void Lustrel::focusOutEvent(QFocusEvent*)
{
    m_hasFocus = false;
    m_spacePressed = false;
    m_mousePressed = false;
    m_state = StateUp;
    Redraw(StateUp);
}

void Lustrel::changeEvent(QEvent* e)
{
    switch (e->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            m_default = false;
            m_containerDefault = false;
            m_hasFocus = false;
            m_spacePressed = false;
            m_mousePressed = false;
            updateDefaultShortcut();
        }
        Redraw(m_state);
        break;
    case QEvent::PaletteChange:
        // The system colours changed: a system back colour derives its edges again.
        if (modColors::IsSystemColor(static_cast<int32_t>(m_backColor))) derive3DColors();
        Redraw(m_state);
        break;
    case QEvent::FontChange:
        Redraw(m_state);
        break;
    default:
        break;
    }
    QWidget::changeEvent(e);
}

void Lustrel::accessKeyPress()
{
    if (!isEnabled()) return;
    Redraw(StateDown);
    QTimer::singleShot(60, this, [this] {
        Redraw(m_state);
        completeClick();
    });
}

bool Lustrel::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::Shortcut: {
        auto* shortcut = static_cast<QShortcutEvent*>(e);
        if (shortcut->shortcutId() == m_shortcutId && m_shortcutId != 0) {
            accessKeyPress();
            return true;
        }
        break;
    }
    case QEvent::ShortcutOverride: {
        // Enter belongs to the focused button that shows its focus, not to the default one.
        auto* key = static_cast<QKeyEvent*>(e);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_hasFocus && m_showFocus) {
            e->accept();
            return true;
        }
        break;
    }
    case QEvent::ToolTip: {
        if (!m_userMode) return true;
        const QString text = toolTipToShow();
        auto* help = static_cast<QHelpEvent*>(e);
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    case QEvent::WindowBlocked:
        // Cancelled mode: show up without changing the state. A press or Space held now ends in
        // the modal window, never here.
        m_modalSeen = true;
        m_mousePressed = false;
        m_spacePressed = false;
        Redraw(StateUp);
        break;
    case QEvent::WindowUnblocked:
        // Back from the modal window: the state as the pointer and the focus now leave it.
        m_state = restingState();
        Redraw(m_state);
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

} // namespace ombLustrel
