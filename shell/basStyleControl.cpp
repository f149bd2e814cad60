#include "shell/basStyleControl.h"

#include "runtime/com/LateBound.h"
#include "runtime/forms/Twips.h"
#include "runtime/vb/Format.h"
#include "runtime/vb/VbError.h"
#include "shell/basGlobalVariables.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

#include <limits>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A text box's own limit when nothing else limits it.
constexpr int MaxTextLength = 32767;
// &H800000: the pages' dark blue.
const QColor PageBlue(0x00, 0x00, 0x80);

void substituteArial()
{
    static bool done = false;
    if (done) return;
    done = true;
    if (QFontDatabase::families().contains(u"Arial"_s, Qt::CaseInsensitive)) return;
    QStringList present;
    for (const QString& family : {u"Liberation Sans"_s, u"Arimo"_s, u"Nimbus Sans"_s, u"DejaVu Sans"_s,
                                  u"FreeSans"_s, u"Noto Sans"_s})
        if (QFontDatabase::families().contains(family, Qt::CaseInsensitive)) present << family;
    if (!present.isEmpty()) QFont::insertSubstitutions(u"Arial"_s, present);
}

void setFont(QWidget* target, int pointSize, std::optional<bool> bold)
{
    QFont font = target->font();
    substituteArial();
    font.setFamily(u"Arial"_s);
    if (pointSize > 0) font.setPointSize(pointSize);
    if (bold) font.setBold(*bold);
    target->setFont(font);
}

void setForeColor(QWidget* target, const QColor& color)
{
    QPalette palette = target->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, color);
    target->setPalette(palette);
}

// &H80000008: the system's window-text colour.
QColor windowTextColor()
{
    return QApplication::palette().color(QPalette::Text);
}

void require(const QWidget* target)
{
    if (!target) throw vb::VbError::objectNotSet();
}

// Guards what the user puts into a text box: a typed character the filter changes is
// swallowed, and pasted, dropped or middle-click text with any such character is refused as a
// whole; typing and pasting stop at the box's maximum length. Text the program puts into the
// box is never judged or cut, so a value shows whole and the filter holds whatever it shows.
class EntryGuard : public QObject
{
public:
    EntryGuard(KeyFilter filter, QLineEdit* edit, int limit)
        : QObject(edit), m_filter(filter), m_edit(edit), m_limit(limit)
    {
        setObjectName(u"EntryGuard"_s);
        edit->installEventFilter(this);
        // Numeric entries need no composed input; what an input method commits is filtered too.
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    }

    int limit() const { return m_limit; }

    // Whether text may take the place of the selection (or go in at the caret).
    bool accepts(const QString& text) const
    {
        if (!FilterAccepts(m_filter, text)) return false;
        const qsizetype kept = m_edit->text().size() - m_edit->selectedText().size();
        return text.isEmpty() || kept + text.size() <= m_limit;
    }

    void paste(const QString& text)
    {
        if (accepts(text)) m_edit->insert(text);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_edit) return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(static_cast<QKeyEvent*>(event));
        case QEvent::ContextMenu:
            contextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return refusesDrop(static_cast<QDropEvent*>(event));
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            QClipboard* clipboard = QGuiApplication::clipboard();
            if (mouse->button() != Qt::MiddleButton || !clipboard->supportsSelection() ||
                !m_edit->rect().contains(mouse->position().toPoint()))
                return false;
            m_edit->deselect();
            paste(clipboard->text(QClipboard::Selection));
            return true;
        }
        case QEvent::InputMethod:
            return !accepts(static_cast<QInputMethodEvent*>(event)->commitString());
        default:
            return false;
        }
    }

private:
    bool keyPress(QKeyEvent* key)
    {
        if (key->matches(QKeySequence::Paste)) {
            paste(QGuiApplication::clipboard()->text());
            return true;
        }
        // Other shortcuts (copy, cut, undo, select all) and keys without a character go their own way.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
        QString typed;
        for (QChar c : key->text()) {
            const char16_t code = c.unicode();
            if (code >= 0x20 && code != 0x7f) typed += c; // not Enter, Tab, Esc, Backspace, Delete
        }
        return !typed.isEmpty() && !accepts(typed);
    }

    // The box's own menu, whose Paste goes through the filter.
    void contextMenu(QPoint globalPos)
    {
        QMenu* menu = m_edit->createStandardContextMenu();
        const QString clipboard = QGuiApplication::clipboard()->text();
        for (QAction* action : menu->actions()) {
            // The menu's Paste is the action wired to the box's paste.
            if (!QObject::disconnect(action, SIGNAL(triggered()), m_edit, SLOT(paste())) &&
                !QObject::disconnect(action, &QAction::triggered, m_edit, &QLineEdit::paste))
                continue;
            action->setObjectName(u"edit-paste"_s);
            QObject::connect(action, &QAction::triggered, this,
                             [this] { paste(QGuiApplication::clipboard()->text()); });
            action->setEnabled(action->isEnabled() && accepts(clipboard));
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(globalPos);
    }

    bool refusesDrop(QDropEvent* drop) const
    {
        // Text moved within the box is the box's own.
        if (drop->source() == m_edit || !drop->mimeData()->hasText()) return false;
        const QString text = drop->mimeData()->text();
        if (FilterAccepts(m_filter, text) && m_edit->text().size() + text.size() <= m_limit) return false;
        drop->ignore();
        return true;
    }

    KeyFilter m_filter;
    QLineEdit* m_edit;
    int m_limit;
};

EntryGuard* guardOf(const QLineEdit* edit)
{
    return edit ? dynamic_cast<EntryGuard*>(
                      edit->findChild<QObject*>(u"EntryGuard"_s, Qt::FindDirectChildrenOnly))
                : nullptr;
}

} // namespace

QFont StyleFont(int pointSize, bool bold)
{
    substituteArial();
    QFont font(u"Arial"_s, pointSize);
    font.setBold(bold);
    return font;
}

void InitForm()
{
    g_CurrentStep = u"Initialize Form"_s;
    QWidget* page = g_CurrentForm.data();
    require(page);
    frmMain* main = g_frmMain.data();
    require(main);
    main->adoptPage(page);
    if (!page->testAttribute(Qt::WA_Resized)) page->adjustSize();
    page->move((main->pageArea()->width() - page->width()) / 2, 0);
    if (g_CurrentFormID != vb::Integer(1)) {
        QWidget* navigation = page->findChild<QWidget*>(u"cmdNavigation"_s);
        if (!navigation) throw vb::VbError::noSuchMember();
        com::setProperty(navigation, u"ShowFocus"_s, true);
    }
}

void InitLabel(QWidget* Target, vb::Integer Style)
{
    g_CurrentStep = u"Initialize Label"_s;
    require(Target);
    struct LabelStyle {
        int16_t style;
        bool bold;
        int pointSize;
        int leftTwips; // -1: unchanged
        int topTwips;
    };
    static constexpr LabelStyle styles[] = {
        {PageTitleLabel, true, 18, 720, 260},  {QuestionLabel, false, 12, -1, -1},
        {StatementLabel, false, 12, 1440, -1}, {EmphasisLabel, true, 12, 1440, -1},
        {DataLabel, true, 12, -1, -1},         {SmallPrintLabel, false, 10, -1, -1},
    };
    for (const LabelStyle& s : styles) {
        if (s.style != Style.value()) continue;
        setFont(Target, s.pointSize, s.bold);
        setForeColor(Target, PageBlue);
        QPoint pos = Target->pos();
        if (s.leftTwips >= 0) pos.setX(forms::twipsToPixels(s.leftTwips));
        if (s.topTwips >= 0) pos.setY(forms::twipsToPixels(s.topTwips));
        Target->move(pos);
        if (s.style == PageTitleLabel) {
            // The title is left-aligned.
            if (auto* label = qobject_cast<QLabel*>(Target))
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        return;
    }
    setFont(Target, 0, std::nullopt);
}

void InitOptionButton(QWidget* Target)
{
    g_CurrentStep = u"Initialize Option Button"_s;
    require(Target);
    setFont(Target, 12, std::nullopt);
    setForeColor(Target, PageBlue);
}

void InitTextBox(QWidget* Target)
{
    g_CurrentStep = u"Initialize Text Box"_s;
    require(Target);
    setFont(Target, 12, true);
    setForeColor(Target, windowTextColor());
}

void InitComboBox(QWidget* Target)
{
    g_CurrentStep = u"Initialize Combo Box"_s;
    require(Target);
    // A drop-down list: the user picks, never types.
    if (auto* combo = qobject_cast<QComboBox*>(Target)) combo->setEditable(false);
    setFont(Target, 12, true);
    setForeColor(Target, windowTextColor());
}

QVariant FilterNumericKey(vb::Integer KeyAscii)
{
    const int16_t key = KeyAscii.value();
    if ((key >= '0' && key <= '9') || key == 8) return QVariant(int(key));
    return QVariant(1);
}

QVariant FilterDecimalKey(vb::Integer KeyAscii)
{
    if (KeyAscii.value() == '.') return QVariant(int('.'));
    return FilterNumericKey(KeyAscii);
}

bool FilterAccepts(KeyFilter Filter, const QString& text)
{
    for (QChar c : text) {
        const char16_t code = c.unicode();
        if (code > 0x7fff) return false;
        if (Filter(vb::Integer(static_cast<int16_t>(code))).toInt() != code) return false;
    }
    return true;
}

void InstallKeyFilter(QLineEdit* Target, KeyFilter Filter)
{
    require(Target);
    if (!Filter) return;
    // The box's maximum length becomes the guard's, which limits typing only.
    const int limit = MaxEntryLength(Target);
    delete guardOf(Target);
    new EntryGuard(Filter, Target, limit);
    if (Target->maxLength() != MaxTextLength) {
        // Setting the length sets the text again, which moves the caret to the end.
        const int caret = Target->cursorPosition();
        Target->setMaxLength(MaxTextLength);
        Target->setCursorPosition(caret);
    }
}

int MaxEntryLength(const QLineEdit* Target)
{
    if (const EntryGuard* guard = guardOf(Target)) return guard->limit();
    return Target ? Target->maxLength() : 0;
}

QString FormatCurrencyColumn(int32_t Amount)
{
    struct Band {
        int32_t above;
        const char16_t* pattern;
    };
    static constexpr Band bands[] = {
        {99999, u"$###,##0.00"}, {9999, u"$ ##,##0.00"},
        {999, u"$  #,##0.00"},   {99, u"$    ##0.00"},
        {9, u"$     #0.00"},     {std::numeric_limits<int32_t>::min(), u"$      0.00"},
    };
    for (const Band& band : bands)
        if (Amount > band.above || band.above == std::numeric_limits<int32_t>::min())
            return vb::Format(double(Amount), QString::fromUtf16(band.pattern));
    return {};
}
