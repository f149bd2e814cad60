#include "shell/basStyleControl.h"

#include "runtime/com/LateBound.h"
#include "runtime/vb/Format.h"
#include "runtime/vb/VbError.h"
#include "shell/basGlobalVariables.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QValidator>
#include <QWidget>

#include <limits>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr int TwipsPerPixel = 15;
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
    if (!target) throw vb::VbError(91, u"Object variable or With block variable not set"_s);
}

// Swallows typed characters the filter changes and refuses pasted text it would change.
class KeyFilterGuard : public QValidator
{
public:
    KeyFilterGuard(KeyFilter filter, QLineEdit* edit) : QValidator(edit), m_filter(filter)
    {
        edit->installEventFilter(this);
    }

    State validate(QString& input, int&) const override
    {
        return FilterAccepts(m_filter, input) ? Acceptable : Invalid;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return QValidator::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        // Shortcuts (copy, paste, select all) and keys without a character go their own way.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
        const QString text = key->text();
        if (text.isEmpty()) return false;
        for (QChar c : text) {
            const char16_t code = c.unicode();
            if (code < 0x20 || code == 0x7f) continue; // Enter, Tab, Esc, Backspace, Delete
            if (!FilterAccepts(m_filter, QString(c))) return true;
        }
        return false;
    }

private:
    KeyFilter m_filter;
};

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
        if (!navigation)
            throw vb::VbError(vb::ErrNoSuchMember, u"Object doesn't support this property or method"_s);
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
        if (s.leftTwips >= 0) pos.setX(s.leftTwips / TwipsPerPixel);
        if (s.topTwips >= 0) pos.setY(s.topTwips / TwipsPerPixel);
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
    Target->setValidator(new KeyFilterGuard(Filter, Target));
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
