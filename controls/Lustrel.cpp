#include "controls/Lustrel.h"

#include "controls/Skip.h"
#include "controls/frmAbout.h"
#include "controls/modColors.h"
#include "controls/modLustrine.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/vb/VbError.h"

#include <QApplication>
#include <QShortcut>

#include <atomic>
#include <limits>

namespace ombLustrel
{

namespace
{

std::atomic<int> g_instances{0};

std::function<void(QWidget*)>& aboutBoxHandler()
{
    static std::function<void(QWidget*)> handler;
    return handler;
}

// Typed reads of stored values: a value of the wrong type or out of range gives the default.
bool isNumber(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

std::optional<qlonglong> numberOf(const QVariant& v)
{
    if (v.metaType().id() == QMetaType::Bool) return v.toBool() ? -1 : 0;
    if (isNumber(v)) {
        const double d = v.toDouble();
        if (d < -9.2e18 || d > 9.2e18) return std::nullopt;
        return static_cast<qlonglong>(std::nearbyint(d));
    }
    if (v.metaType().id() == QMetaType::QString) {
        bool ok = false;
        const QString text = v.toString().trimmed();
        qlonglong n = 0;
        if (text.startsWith(u"&H", Qt::CaseInsensitive))
            n = text.mid(2).toLongLong(&ok, 16);
        else
            n = text.toLongLong(&ok);
        if (ok) return n;
    }
    return std::nullopt;
}

int readLong(const com::PropertyBag& bag, const QString& key, int defaultValue)
{
    const auto n = numberOf(bag.ReadProperty(key, defaultValue));
    if (!n || *n < std::numeric_limits<int32_t>::min() || *n > std::numeric_limits<int32_t>::max())
        return defaultValue;
    return static_cast<int>(*n);
}

int readInteger(const com::PropertyBag& bag, const QString& key, int defaultValue)
{
    const auto n = numberOf(bag.ReadProperty(key, defaultValue));
    if (!n || *n < -32768 || *n > 32767) return defaultValue;
    return static_cast<int>(*n);
}

com::OleColor readColor(const com::PropertyBag& bag, const QString& key, com::OleColor defaultValue)
{
    const auto n = numberOf(bag.ReadProperty(key, defaultValue));
    if (!n || *n < std::numeric_limits<int32_t>::min() || *n > 0xFFFFFFFFll) return defaultValue;
    return static_cast<com::OleColor>(*n);
}

bool readBool(const com::PropertyBag& bag, const QString& key, bool defaultValue)
{
    const QVariant v = bag.ReadProperty(key, defaultValue);
    if (v.metaType().id() == QMetaType::QString) {
        const QString t = v.toString().trimmed();
        if (t.compare(u"True", Qt::CaseInsensitive) == 0) return true;
        if (t.compare(u"False", Qt::CaseInsensitive) == 0) return false;
    }
    const auto n = numberOf(v);
    return n ? *n != 0 : defaultValue;
}

QString readString(const com::PropertyBag& bag, const QString& key, const QString& defaultValue)
{
    const QVariant v = bag.ReadProperty(key, defaultValue);
    if (v.metaType().id() == QMetaType::QString) return v.toString();
    if (isNumber(v)) return v.toString();
    return defaultValue;
}

com::StdPicture readPicture(const com::PropertyBag& bag, const QString& key)
{
    const auto picture = com::StdPicture::fromVariant(bag.ReadProperty(key));
    return picture ? *picture : com::StdPicture();
}

QFont readFont(const com::PropertyBag& bag, const QString& key, const QFont& defaultValue)
{
    const QVariant v = bag.ReadProperty(key);
    if (v.metaType().id() == QMetaType::QFont) return v.value<QFont>();
    if (v.metaType().id() == QMetaType::QString && !v.toString().isEmpty()) {
        QFont f = defaultValue;
        f.setFamily(v.toString());
        return f;
    }
    return defaultValue;
}

struct CursorEntry {
    int pointer;
    Qt::CursorShape shape;
};

// ombMousePointerConstants -> pointer shape.
constexpr CursorEntry kCursors[] = {
    {Lustrel::ombArrow, Qt::ArrowCursor},         {Lustrel::ombCrossHair, Qt::CrossCursor},
    {Lustrel::ombIBeam, Qt::IBeamCursor},         {Lustrel::ombIconPointer, Qt::ArrowCursor},
    {Lustrel::ombSizePointer, Qt::SizeAllCursor}, {Lustrel::ombSizeNESW, Qt::SizeBDiagCursor},
    {Lustrel::ombSizeNW, Qt::SizeVerCursor},      {Lustrel::ombSizeNWSE, Qt::SizeFDiagCursor},
    {Lustrel::ombSizeWE, Qt::SizeHorCursor},      {Lustrel::ombUpArrow, Qt::UpArrowCursor},
    {Lustrel::ombHourglass, Qt::WaitCursor},      {Lustrel::ombNoDrop, Qt::ForbiddenCursor},
    {Lustrel::ombArrowHourglass, Qt::BusyCursor}, {Lustrel::ombArrowQuestion, Qt::WhatsThisCursor},
    {Lustrel::ombSizeAll, Qt::SizeAllCursor},
};

} // namespace

Lustrel::Lustrel(QWidget* parent) : QWidget(parent)
{
    ++g_instances;
    m_redrawSuspended = true;
    m_state = StateUp;
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover, false);
    setProperty("Tag", QString());
    resize(97, 33);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        m_focusChanges = connect(app, &QApplication::focusChanged, this, &Lustrel::onFocusChanged);
}

Lustrel::~Lustrel()
{
    disconnect(m_focusChanges);
    --g_instances;
}

int Lustrel::instanceCount()
{
    return g_instances.load();
}

void Lustrel::setAboutBoxHandler(std::function<void(QWidget*)> handler)
{
    aboutBoxHandler() = std::move(handler);
}

void Lustrel::About()
{
    if (aboutBoxHandler()) {
        aboutBoxHandler()(this);
        return;
    }
    frmAbout box(window());
    box.exec();
}

void Lustrel::Refresh()
{
    const bool suspended = m_redrawSuspended;
    m_redrawSuspended = false;
    Redraw(m_state);
    m_redrawSuspended = suspended;
}

void Lustrel::changed(const QString& key)
{
    emit PropertyChanged(key);
}

qlonglong Lustrel::hwnd() const
{
    return static_cast<qlonglong>(internalWinId());
}

QFont Lustrel::ambientFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

QString Lustrel::defaultCaption() const
{
    return objectName().isEmpty() ? QStringLiteral("Lustrel") : objectName();
}

com::OleColor Lustrel::ambientBackColor() const
{
    const QWidget* container = parentWidget();
    const QPalette palette = container ? container->palette() : QApplication::palette();
    return com::fromQColor(palette.color(container ? container->backgroundRole() : QPalette::Window));
}

void Lustrel::setAlignment(int value)
{
    m_alignment = value;
    repaintNow();
    changed(QStringLiteral("Alignment"));
}

void Lustrel::setBorderColor(uint value)
{
    m_borderColor = value;
    repaintNow();
    changed(QStringLiteral("BorderColor"));
}

void Lustrel::setDefault(bool value)
{
    m_default = value;
    m_containerDefault = value;
    changed(QStringLiteral("Default"));
    updateDefaultShortcut();
    repaintNow();
}

void Lustrel::setDropShadow(bool value)
{
    m_dropShadow = value;
    repaintNow();
    changed(QStringLiteral("DropShadow"));
}

void Lustrel::setMaskcolor(uint value)
{
    m_maskColor = value;
    repaintNow();
    changed(QStringLiteral("MaskColor"));
}

void Lustrel::setMouseIcon(const QVariant& value)
{
    const auto picture = com::StdPicture::fromVariant(value);
    if (!picture) throw vb::VbError::typeMismatch(QStringLiteral("MouseIcon"));
    m_mouseIcon = *picture;
    applyMousePointer();
    changed(QStringLiteral("MouseIcon"));
}

void Lustrel::setMousePointer(int value)
{
    m_mousePointer = value;
    applyMousePointer();
    changed(QStringLiteral("MousePointer"));
}

void Lustrel::applyMousePointer()
{
    if (m_mousePointer == ombCustom) {
        if (!m_mouseIcon.isNone())
            setCursor(QCursor(QPixmap::fromImage(m_mouseIcon.image())));
        else
            setCursor(Qt::ArrowCursor);
        return;
    }
    for (const CursorEntry& entry : kCursors) {
        if (entry.pointer == m_mousePointer) {
            setCursor(entry.shape);
            return;
        }
    }
    unsetCursor();
}

void Lustrel::setPictureAlignment(int value)
{
    m_pictureAlignment = value;
    repaintNow();
    changed(QStringLiteral("PictureAlignment"));
}

void Lustrel::setPictureMember(com::StdPicture& member, const QVariant& value, const QString& name)
{
    const auto picture = com::StdPicture::fromVariant(value);
    if (!picture) throw vb::VbError::typeMismatch(name);
    if (picture->type() != com::StdPicture::None && picture->type() != com::StdPicture::Bitmap &&
        picture->type() != com::StdPicture::Icon)
        throw vb::VbError(
            vb::ErrObjectDefined,
            QStringLiteral("Picture, PictureOver, PictureDown, and PictureDisabled Properties must be "
                           "Bitmap or Icon."),
            name);
    member = *picture;
    repaintNow();
    changed(name);
}

void Lustrel::setPicture(const QVariant& value)
{
    setPictureMember(m_picture, value, QStringLiteral("Picture"));
}

void Lustrel::setPictureDown(const QVariant& value)
{
    setPictureMember(m_pictureDown, value, QStringLiteral("PictureDown"));
}

void Lustrel::setPictureOver(const QVariant& value)
{
    setPictureMember(m_pictureOver, value, QStringLiteral("PictureOver"));
}

void Lustrel::setPictureDisabled(const QVariant& value)
{
    setPictureMember(m_pictureDisabled, value, QStringLiteral("PictureDisabled"));
}

void Lustrel::setPictureSpacing(int value)
{
    m_pictureSpacing = value;
    repaintNow();
    changed(QStringLiteral("PictureSpacing"));
}

void Lustrel::setPictureStyle(int value)
{
    m_pictureStyle = value;
    repaintNow();
    changed(QStringLiteral("PictureStyle"));
}

void Lustrel::setRightToLeft(bool value)
{
    m_rightToLeft = value;
    setLayoutDirection(value ? Qt::RightToLeft : Qt::LeftToRight);
    changed(QStringLiteral("RightToLeft"));
}

void Lustrel::setShowFocus(bool value)
{
    m_showFocus = value;
    repaintNow();
    changed(QStringLiteral("ShowFocus"));
}

void Lustrel::setShowDefault(bool value)
{
    m_showDefault = value;
    repaintNow();
    changed(QStringLiteral("ShowDefault"));
}

void Lustrel::setBorderStyle(int value)
{
    m_borderStyle = value;
    repaintNow();
    changed(QStringLiteral("BorderStyle"));
}

namespace
{

struct StylePreset {
    int style;
    int borderStyle;
    bool showFocus;
    bool showDefault;
};

constexpr StylePreset kStylePresets[] = {
    {Lustrel::ombStyleStandard, Lustrel::ombBorderNone, true, true},
    {Lustrel::ombStyleActive, Lustrel::ombBorderNone, false, false},
    {Lustrel::ombStyleWin3x, Lustrel::ombBorderSingle, true, true},
};

} // namespace

void Lustrel::setStyle(int value)
{
    m_style = value;
    for (const StylePreset& preset : kStylePresets) {
        if (preset.style == value) {
            m_borderStyle = preset.borderStyle;
            m_showFocus = preset.showFocus;
            m_showDefault = preset.showDefault;
        }
    }
    repaintNow();
    changed(QStringLiteral("Style"));
}

void Lustrel::setToolTipText(const QString& value)
{
    m_toolTipText = value;
    if (!value.isEmpty()) m_ownToolTip = true;
    changed(QStringLiteral("ToolTipText"));
}

QString Lustrel::toolTipToShow() const
{
    if (m_ownToolTip) return m_toolTipText;
    // The container's text; a button whose container has none shows its stored text.
    return toolTip().isEmpty() ? m_toolTipText : toolTip();
}

void Lustrel::setUseMaskColor(bool value)
{
    m_useMaskColor = value;
    repaintNow();
    changed(QStringLiteral("UseMaskColor"));
}

void Lustrel::setForeColor(uint value)
{
    m_foreColor = value;
    repaintNow();
    changed(QStringLiteral("ForeColor"));
}

void Lustrel::setHighlightColor(uint value)
{
    m_highlightColor = value;
    repaintNow();
    changed(QStringLiteral("HighlightColor"));
}

void Lustrel::setShadowColor(uint value)
{
    m_shadowColor = value;
    repaintNow();
    changed(QStringLiteral("ShadowColor"));
}

void Lustrel::setDisabledColor(uint value)
{
    m_disabledColor = value;
    repaintNow();
    changed(QStringLiteral("DisabledColor"));
}

void Lustrel::setEnabledProperty(bool value)
{
    setEnabled(value);
    if (!value) {
        m_hasFocus = false;
        m_spacePressed = false;
        m_mousePressed = false;
        m_default = false;
        updateDefaultShortcut();
    }
    repaintNow();
    changed(QStringLiteral("Enabled"));
}

void Lustrel::setFontProperty(const QFont& value)
{
    QFont target = font();
    modLustrine::CopyFont(value, target);
    setFont(target);
    repaintNow();
    changed(QStringLiteral("Font"));
}

void Lustrel::derive3DColors()
{
    int32_t shadow = 0;
    int32_t border = 0;
    int32_t highlight = 0;
    modColors::Get3DColors(static_cast<int32_t>(m_backColor), shadow, border, highlight);
    m_shadowColor = static_cast<com::OleColor>(shadow);
    m_borderColor = static_cast<com::OleColor>(border);
    m_highlightColor = static_cast<com::OleColor>(highlight);
    m_disabledColor = m_shadowColor;
}

void Lustrel::setBackColor(uint value)
{
    m_backColor = value;
    derive3DColors();
    repaintNow();
    changed(QStringLiteral("BackColor"));
}

void Lustrel::updateAccessKey()
{
    const qsizetype amp = m_caption.indexOf(u'&');
    QKeySequence key;
    if (amp < 0) {
        m_captionNoAmp = m_caption;
        m_accessKeyPos = 0;
    } else {
        m_accessKeyPos = static_cast<int>(amp) + 1;
        m_captionNoAmp = m_caption.left(amp) + m_caption.mid(amp + 1);
        if (amp + 1 < m_caption.size())
            key = QKeySequence::fromString(QStringLiteral("Alt+") + m_caption.mid(amp + 1, 1).toUpper());
    }
    // A caption without an access key also drops the previous one.
    if (key == m_accessKey && (m_shortcutId != 0) == !key.isEmpty()) return;
    if (m_shortcutId != 0) releaseShortcut(m_shortcutId);
    m_shortcutId = 0;
    m_accessKey = key;
    if (!key.isEmpty()) m_shortcutId = grabShortcut(key);
}

void Lustrel::setCaption(const QString& value)
{
    m_caption = value;
    updateAccessKey();
    repaintNow();
    changed(QStringLiteral("Caption"));
}

void Lustrel::setAppearance(int value)
{
    if (value < ombAppearanceFlat || value > ombAppearance3D)
        throw vb::VbError::invalidProperty(QStringLiteral("Appearance"));
    m_appearance = value;
    repaintNow();
    changed(QStringLiteral("Appearance"));
}

void Lustrel::updateDefaultShortcut()
{
    // The container's default handling: Enter in the window clicks the default button.
    const bool wanted = m_default && m_userMode && isEnabled();
    if (wanted && !m_defaultShortcut) {
        m_defaultShortcut = new QShortcut(this);
        m_defaultShortcut->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
        m_defaultShortcut->setContext(Qt::WindowShortcut);
        connect(m_defaultShortcut, &QShortcut::activated, this, [this] { accessKeyPress(); });
    } else if (!wanted && m_defaultShortcut) {
        delete m_defaultShortcut;
        m_defaultShortcut = nullptr;
    }
}

bool Lustrel::ambientDisplayAsDefault() const
{
    const QWidget* focus = QApplication::focusWidget();
    if (focus == this) return true;
    if (focus && focus->window() == window() && qobject_cast<const Lustrel*>(focus)) return false;
    return m_containerDefault;
}

void Lustrel::onFocusChanged(QWidget*, QWidget* now)
{
    // Only moves inside this button's window change what it shows; leaving the window keeps it.
    if (!m_userMode || !now || now->window() != window()) return;
    if (ambientDisplayAsDefault() != m_default) AmbientChanged(QStringLiteral("DisplayAsDefault"));
}

void Lustrel::AmbientChanged(const QString& PropertyName)
{
    skip([&] {
        if (PropertyName.compare(u"DisplayAsDefault", Qt::CaseInsensitive) != 0) return;
        if (!isEnabled()) {
            m_default = false;
            m_containerDefault = false;
        } else {
            m_default = ambientDisplayAsDefault();
        }
        updateDefaultShortcut();
        Redraw(m_state);
    });
}

void Lustrel::setUserMode(bool userMode)
{
    m_userMode = userMode;
    updateDefaultShortcut();
    repaintNow();
}

void Lustrel::InitProperties()
{
    skip([&] {
        m_redrawSuspended = true;
        m_appearance = ombAppearance3D;
    });
    skip([&] {
        m_caption = defaultCaption();
        updateAccessKey();
    });
    skip([&] { setEnabled(true); });
    skip([&] { setFontProperty(ambientFont()); });
    skip([&] { m_toolTipText.clear(); });
    skip([&] {
        m_backColor = 0x8000000Fu;
        m_foreColor = 0x80000012u;
        m_highlightColor = 0x80000014u;
        m_shadowColor = 0x80000010u;
        m_borderColor = 0x80000015u;
        m_disabledColor = 0x80000011u;
        m_maskColor = 0x00FFFF00u;
        m_useMaskColor = true;
    });
    skip([&] {
        m_picture = m_pictureDown = m_pictureOver = m_pictureDisabled = com::StdPicture();
        m_pictureAlignment = ombPicAlignLeft;
        m_pictureStyle = ombPicStyleNormal;
        m_pictureSpacing = 5;
        m_dropShadow = false;
        m_borderStyle = ombBorderNone;
        m_showFocus = true;
        m_showDefault = true;
        m_style = ombStyleStandard;
        m_alignment = ombAlignCenter;
    });
    m_redrawSuspended = false;
    update();
}

void Lustrel::ReadProperties(const com::PropertyBag* bagPointer)
{
    static const com::PropertyBag empty;
    const com::PropertyBag& bag = bagPointer ? *bagPointer : empty;
    m_redrawSuspended = true;
    const QString caption = defaultCaption();
    skip([&] { m_caption = readString(bag, QStringLiteral("Caption"), caption); });
    skip([&] { m_alignment = readLong(bag, QStringLiteral("Alignment"), ombAlignCenter); });
    skip([&] {
        m_default = readBool(bag, QStringLiteral("Default"), false);
        m_containerDefault = m_default;
        updateAccessKey();
    });
    skip([&] { m_toolTipText = readString(bag, QStringLiteral("ToolTipText"), QString()); });
    skip([&] {
        QFont target = font();
        modLustrine::CopyFont(readFont(bag, QStringLiteral("Font"), ambientFont()), target);
        setFont(target);
    });
    skip([&] { setEnabled(readBool(bag, QStringLiteral("Enabled"), true)); });
    skip([&] { m_appearance = readLong(bag, QStringLiteral("Appearance"), ombAppearance3D); });
    skip([&] { m_backColor = readColor(bag, QStringLiteral("BackColor"), 0x8000000Fu); });
    skip([&] { m_foreColor = readColor(bag, QStringLiteral("ForeColor"), 0x80000012u); });
    if (modColors::IsSystemColor(static_cast<int32_t>(m_backColor))) {
        skip([&] { derive3DColors(); });
    } else {
        skip([&] { m_shadowColor = readColor(bag, QStringLiteral("ShadowColor"), 0x80000010u); });
        skip([&] { m_borderColor = readColor(bag, QStringLiteral("BorderColor"), 0x80000015u); });
        skip([&] { m_highlightColor = readColor(bag, QStringLiteral("HighlightColor"), 0x80000014u); });
        skip([&] { m_disabledColor = readColor(bag, QStringLiteral("DisabledColor"), 0x80000011u); });
    }
    skip([&] { m_maskColor = readColor(bag, QStringLiteral("MaskColor"), 0x00FFFF00u); });
    skip([&] { m_useMaskColor = readBool(bag, QStringLiteral("UseMaskColor"), true); });
    skip([&] { m_picture = readPicture(bag, QStringLiteral("Picture")); });
    skip([&] { m_pictureDown = readPicture(bag, QStringLiteral("PictureDown")); });
    skip([&] { m_pictureOver = readPicture(bag, QStringLiteral("PictureOver")); });
    skip([&] { m_pictureDisabled = readPicture(bag, QStringLiteral("PictureDisabled")); });
    skip([&] { m_pictureAlignment = readLong(bag, QStringLiteral("PictureAlignment"), ombPicAlignLeft); });
    skip([&] { m_pictureStyle = readLong(bag, QStringLiteral("PictureStyle"), ombPicStyleNormal); });
    skip([&] { m_pictureSpacing = readInteger(bag, QStringLiteral("PictureSpacing"), 5); });
    skip([&] { m_showFocus = readBool(bag, QStringLiteral("ShowFocus"), true); });
    skip([&] { m_showDefault = readBool(bag, QStringLiteral("ShowDefault"), true); });
    skip([&] { m_style = readLong(bag, QStringLiteral("Style"), ombStyleStandard); });
    skip([&] { m_borderStyle = readLong(bag, QStringLiteral("BorderStyle"), ombBorderNone); });
    skip([&] { m_dropShadow = readBool(bag, QStringLiteral("DropShadow"), false); });
    skip([&] { m_mouseIcon = readPicture(bag, QStringLiteral("MouseIcon")); });
    skip([&] { m_mousePointer = readLong(bag, QStringLiteral("MousePointer"), ombArrow); });
    skip([&] { applyMousePointer(); });
    skip([&] {
        m_rightToLeft = readBool(bag, QStringLiteral("RightToLeft"), false);
        setLayoutDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    });
    skip([&] { updateDefaultShortcut(); });
    m_redrawSuspended = false;
    update();
}

void Lustrel::WriteProperties(com::PropertyBag* bag) const
{
    if (!bag) return;
    auto color = [](com::OleColor c) { return QVariant::fromValue(static_cast<uint>(c)); };
    bag->WriteProperty(QStringLiteral("Caption"), m_caption, defaultCaption());
    bag->WriteProperty(QStringLiteral("Alignment"), m_alignment, int(ombAlignCenter));
    bag->WriteProperty(QStringLiteral("Default"), m_default, false);
    bag->WriteProperty(QStringLiteral("Appearance"), m_appearance, int(ombAppearance3D));
    bag->WriteProperty(QStringLiteral("Enabled"), isEnabled(), true);
    bag->WriteProperty(QStringLiteral("Font"), font(), ambientFont());
    bag->WriteProperty(QStringLiteral("ToolTipText"), m_toolTipText, QString());
    bag->WriteProperty(QStringLiteral("BackColor"), color(m_backColor), color(0x8000000Fu));
    bag->WriteProperty(QStringLiteral("ForeColor"), color(m_foreColor), color(0x80000012u));
    bag->WriteProperty(QStringLiteral("HighlightColor"), color(m_highlightColor), color(0x80000014u));
    bag->WriteProperty(QStringLiteral("ShadowColor"), color(m_shadowColor), color(0x80000010u));
    bag->WriteProperty(QStringLiteral("BorderColor"), color(m_borderColor), color(0x80000015u));
    bag->WriteProperty(QStringLiteral("DisabledColor"), color(m_disabledColor), color(0x80000011u));
    bag->WriteProperty(QStringLiteral("MaskColor"), color(m_maskColor), color(0x00FFFF00u));
    bag->WriteProperty(QStringLiteral("UseMaskColor"), m_useMaskColor, true);
    bag->WriteProperty(QStringLiteral("Picture"), m_picture.toVariant());
    bag->WriteProperty(QStringLiteral("PictureDown"), m_pictureDown.toVariant());
    bag->WriteProperty(QStringLiteral("PictureOver"), m_pictureOver.toVariant());
    bag->WriteProperty(QStringLiteral("PictureDisabled"), m_pictureDisabled.toVariant());
    bag->WriteProperty(QStringLiteral("PictureAlignment"), m_pictureAlignment, int(ombPicAlignLeft));
    bag->WriteProperty(QStringLiteral("PictureSpacing"), m_pictureSpacing, 5);
    bag->WriteProperty(QStringLiteral("PictureStyle"), m_pictureStyle, int(ombPicStyleNormal));
    bag->WriteProperty(QStringLiteral("ShowFocus"), m_showFocus, true);
    bag->WriteProperty(QStringLiteral("ShowDefault"), m_showDefault, true);
    bag->WriteProperty(QStringLiteral("BorderStyle"), m_borderStyle, int(ombBorderNone));
    bag->WriteProperty(QStringLiteral("DropShadow"), m_dropShadow, false);
    bag->WriteProperty(QStringLiteral("Style"), m_style, int(ombStyleStandard));
    bag->WriteProperty(QStringLiteral("MouseIcon"), m_mouseIcon.toVariant());
    bag->WriteProperty(QStringLiteral("MousePointer"), m_mousePointer, int(ombArrow));
    bag->WriteProperty(QStringLiteral("RightToLeft"), m_rightToLeft, false);
}

} // namespace ombLustrel
