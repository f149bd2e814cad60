#include "shell/frmNavigation.h"

#include "runtime/ado/Recordset.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/LateBound.h"
#include "runtime/com/OleColor.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/forms/Twips.h"
#include "runtime/forms/WindowFit.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Trap.h"
#include "runtime/vb/VbError.h"
#include "shell/ScrllngFrm.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QShortcut>
#include <QShowEvent>

#include <algorithm>
#include <cmath>
#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString ButtonProgId = u"ombLustrel.Lustrel"_s;

// Design geometry, twips.
// Wide enough for the list beside a vertical bar: frame = width - 400, view = frame - 255.
constexpr int WindowWidth = 8960;
constexpr int WindowHeight = 7800;
constexpr int MinimumHeight = 1000;
constexpr int FrameLeft = 200;
constexpr int FrameTop = 200;
constexpr int ListWidth = 8300;
constexpr int ListHeight = 600; // room for the first button
constexpr int RowGrowth = 360;
constexpr int FirstTop = 120;
constexpr int RowGap = 10;
constexpr int SectionLeft = 650;
constexpr int SectionWidth = 7400;
constexpr int SectionHeight = 350;
constexpr int MarkerLeft = 250;
constexpr int MarkerWidth = 360;
constexpr int ContinueWidth = 1400;
constexpr int ContinueHeight = 360;
constexpr int ContinueBottom = 600;
constexpr int DesignPictureSpacing = 10;

constexpr uint WhiteColor = 0xFFFFFFu;
// Under the pointer a section shows its caption in ShadowColor on HighlightColor.
constexpr uint HoverBackColor = 0xF7E8D9u; // a pale blue
constexpr uint HoverTextColor = 0x800000u;

using forms::pixelsToTwips;
using forms::twipsToPixels;

// Look of a section button by its level; PictureSpacing 0 keeps the design value.
struct SectionLook {
    int level;
    uint foreColor;
    int fontSize;
    bool bold;
    int pictureSpacing;
};

constexpr SectionLook SectionLooks[] = {
    {1, 0x800000u, 12, true, 0},
    {2, 0xC00000u, 8, false, 50},
    {3, 0xC00000u, 8, false, 75},
};

// Levels outside the plan's 1-3 look like the nearest of them.
const SectionLook& lookOf(int level)
{
    for (const SectionLook& look : SectionLooks)
        if (look.level == level) return look;
    return level < 1 ? SectionLooks[0] : SectionLooks[std::size(SectionLooks) - 1];
}

ado::Recordset& require(const std::unique_ptr<ado::Recordset>& rs)
{
    if (!rs) throw vb::VbError::objectNotSet();
    return *rs;
}

// Sets a published property of a button. A plain stand-in button without the control's
// members gets the nearest Qt equivalent; anything else goes through late binding.
void setButton(QWidget* button, const QString& name, const QVariant& value)
{
    if (!button) throw vb::VbError::objectNotSet();
    auto* plain = qobject_cast<QAbstractButton*>(button);
    if (!plain || com::hasMember(button, name.section(u'.', 0, 0))) {
        com::setProperty(button, name, value);
        return;
    }
    if (name == QLatin1String("Caption")) {
        plain->setText(value.toString());
    } else if (name == QLatin1String("ForeColor")) {
        QPalette pal = plain->palette();
        pal.setColor(QPalette::ButtonText, com::toQColor(com::translateColor(value.toUInt())));
        plain->setPalette(pal);
    } else if (name == QLatin1String("Picture")) {
        plain->setIcon(QIcon(value.value<QPixmap>()));
    } else if (name != QLatin1String("PictureSpacing")) {
        com::setProperty(button, name, value);
    }
}

// A pixmap of a logical size at a device pixel ratio, cleared.
QPixmap clearPixmap(int w, int h, qreal ratio)
{
    QPixmap pixmap(QSize(static_cast<int>(std::lround(w * ratio)), static_cast<int>(std::lround(h * ratio))));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap drawBox(bool ticked, qreal ratio)
{
    QPixmap pixmap = clearPixmap(16, 16, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 12, 12));
    if (ticked) {
        QPainterPath tick;
        tick.moveTo(4, 8);
        tick.lineTo(7, 11.5);
        tick.lineTo(14.5, 2.5);
        p.setPen(QPen(QColor(0x00, 0x80, 0x00), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return pixmap;
}

QPixmap drawMarker(qreal ratio)
{
    QPixmap pixmap = clearPixmap(14, 14, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0x30, 0x20));
    const QPointF arrow[] = {{2, 1}, {13, 7}, {2, 13}};
    p.drawPolygon(arrow, 3);
    return pixmap;
}

} // namespace

void registerNavigationWindow()
{
    forms::Forms::registerClass(u"frmNavigation"_s, [] { return new frmNavigation(g_frmMain.data()); });
}

void ShowNavigationWindow()
{
    QWidget* navigation = forms::Forms::instance(u"frmNavigation"_s);
    navigation->show();
    navigation->raise();
    navigation->activateWindow();
}

QPixmap frmNavigation::ImageList1(int index) const
{
    if (index != 1 && index != 2) throw vb::VbError::indexOutOfBounds();
    const qreal ratio = devicePixelRatioF();
    return m_imageList.picture(u"%1@%2"_s.arg(index).arg(ratio), [&] { return drawBox(index == 2, ratio); });
}

frmNavigation::frmNavigation(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(u"frmNavigation"_s);
    setWindowTitle(u"Quick Navigation"_s);
    setMinimumSize(twipsToPixels(4000), twipsToPixels(MinimumHeight));
    resize(twipsToPixels(WindowWidth), twipsToPixels(WindowHeight));

    m_Picture1 = new QWidget(this);
    m_Picture1->setObjectName(u"Picture1"_s);
    m_Picture1->setAutoFillBackground(true);
    QPalette pal = m_Picture1->palette();
    pal.setColor(QPalette::Window, Qt::white);
    m_Picture1->setPalette(pal);
    m_Picture1->setGeometry(0, 0, twipsToPixels(ListWidth), twipsToPixels(ListHeight));

    m_imgCurrent = new QLabel(m_Picture1);
    m_imgCurrent->setObjectName(u"imgCurrent"_s);
    m_imgCurrent->setPixmap(drawMarker(devicePixelRatioF()));
    m_imgCurrent->setAlignment(Qt::AlignCenter);
    m_imgCurrent->setGeometry(twipsToPixels(MarkerLeft), twipsToPixels(MarkerDesignTop),
                              twipsToPixels(MarkerWidth), twipsToPixels(SectionHeight));

    m_ScrllngFrm1 = new ScrllngFrm(this);
    m_ScrllngFrm1->setObjectName(u"ScrllngFrm1"_s);
    m_ScrllngFrm1->move(twipsToPixels(FrameLeft), twipsToPixels(FrameTop));

    com::PropertyBag continueBag;
    continueBag.WriteProperty(u"Caption"_s, u"Continue"_s);
    continueBag.WriteProperty(u"Default"_s, true, false);
    continueBag.WriteProperty(u"Font"_s, StyleFont(10, true));
    m_cmdContinue = com::ComponentRegistry::instance().create(ButtonProgId, this, &continueBag);
    m_cmdContinue->setObjectName(u"cmdContinue"_s);
    m_cmdContinue->resize(twipsToPixels(ContinueWidth), twipsToPixels(ContinueHeight));
    com::connectEvent(m_cmdContinue, SIGNAL(Click()), this, SLOT(onContinueClick()));
    // Escape leaves the window as Continue does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &frmNavigation::onContinueClick);
    forms::keepOnScreen(this);

    m_cmdSection.append(createSection(0));

    vb::guard(u"frmNavigation.Form_Load"_s, [this] { Form_Load(); });
    Form_Resize();
}

frmNavigation::~frmNavigation()
{
    // The list surface goes back to this window before its children are destroyed.
    if (m_ScrllngFrm1) m_ScrllngFrm1->Detatch();
}

QWidget* frmNavigation::createSection(int index)
{
    com::PropertyBag bag;
    bag.WriteProperty(u"Caption"_s, QString());
    bag.WriteProperty(u"Font"_s, StyleFont(12, true));
    bag.WriteProperty(u"Style"_s, 1, 0);
    bag.WriteProperty(u"Appearance"_s, 0, 1);
    bag.WriteProperty(u"Alignment"_s, 0, 2);
    bag.WriteProperty(u"BackColor"_s, WhiteColor);
    bag.WriteProperty(u"HighlightColor"_s, HoverBackColor);
    bag.WriteProperty(u"ShadowColor"_s, HoverTextColor);
    bag.WriteProperty(u"ForeColor"_s, SectionLooks[0].foreColor);
    bag.WriteProperty(u"PictureSpacing"_s, DesignPictureSpacing, 5);
    bag.WriteProperty(u"ShowFocus"_s, false, true);
    QWidget* button = com::ComponentRegistry::instance().create(ButtonProgId, m_Picture1, &bag);
    button->setObjectName(u"cmdSection"_s);
    button->setProperty("Index", index);
    button->setProperty("Tag", QString());
    button->setGeometry(twipsToPixels(SectionLeft), twipsToPixels(FirstTop), twipsToPixels(SectionWidth),
                        twipsToPixels(SectionHeight));
    button->hide();
    button->installEventFilter(this);
    com::connectEvent(button, SIGNAL(Click()), this, SLOT(onSectionClick()));
    return button;
}

QList<QWidget*> frmNavigation::listedSections() const
{
    QList<QWidget*> listed;
    for (QWidget* button : m_cmdSection)
        if (!button->isHidden()) listed.append(button);
    return listed;
}

QWidget* frmNavigation::sectionForKey(const QWidget* from, int key) const
{
    const QList<QWidget*> listed = listedSections();
    const qsizetype at = listed.indexOf(const_cast<QWidget*>(from));
    if (at < 0) return nullptr;
    const qsizetype last = listed.size() - 1;
    // A view's worth of the list: the entries the view shows below (or above) this one.
    const int view = m_ScrllngFrm1->view()->height();
    switch (key) {
    case Qt::Key_Up:
        return listed[std::max<qsizetype>(at - 1, 0)];
    case Qt::Key_Down:
        return listed[std::min(at + 1, last)];
    case Qt::Key_Home:
        return listed.first();
    case Qt::Key_End:
        return listed.last();
    case Qt::Key_PageDown: {
        qsizetype to = std::min(at + 1, last);
        while (to < last && listed[to + 1]->geometry().bottom() <= from->y() + view - 1)
            ++to;
        return listed[to];
    }
    case Qt::Key_PageUp: {
        qsizetype to = std::max<qsizetype>(at - 1, 0);
        while (to > 0 && listed[to - 1]->y() >= from->geometry().bottom() + 1 - view)
            --to;
        return listed[to];
    }
    default:
        return nullptr;
    }
}

bool frmNavigation::eventFilter(QObject* watched, QEvent* event)
{
    // Up and Down move the focus through the list as Shift+Tab and Tab do; Home and End go to
    // its ends, Page Up and Page Down a view up or down. The view follows the focus.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & ~Qt::KeypadModifier)) {
            const auto* from = static_cast<QWidget*>(watched);
            if (QWidget* to = sectionForKey(from, key->key())) {
                const bool up = to->y() < from->y();
                if (to != from) to->setFocus(up ? Qt::BacktabFocusReason : Qt::TabFocusReason);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmNavigation::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    // The list opens on the entry of the page shown, in view and with the focus.
    QWidget* entry = m_currentSection;
    if (!entry) {
        const QList<QWidget*> listed = listedSections();
        if (!listed.isEmpty()) entry = listed.first();
    }
    if (!entry) return;
    entry->setFocus(Qt::OtherFocusReason);
    m_ScrllngFrm1->ScrollIntoView(entry);
}

void frmNavigation::Form_Load()
{
    vb::Trap trap(u"frmNavigation.Form_Load"_s);
    trap([] { g_CurrentStep = u"Load Quick Navigation"_s; });
    int y = FirstTop;
    int i = 0;

    bool empty = true;
    const bool opened = trap([&] {
        ado::Recordset& rs = require(g_rsFormDefinition);
        if (rs.BOF() && rs.EOF()) return;
        rs.MoveFirst();
        empty = rs.EOF();
    });
    if (opened && empty) forms::MsgBox(u"Error Loading Navigation"_s);

    QWidget* lastListed = nullptr;
    while (opened && !empty) {
        ado::Recordset& rs = *g_rsFormDefinition;
        bool atEnd = true;
        if (!trap([&] { atEnd = rs.EOF(); }) || atEnd) break;

        bool listed = false;
        trap([&] { listed = vb::CBool(rs.Field(u"Visible"_s)) && vb::CBool(rs.Field(u"QuickNav"_s)); });
        bool current = false;
        trap([&] { current = vb::CInt(rs.Field(u"Form_ID"_s)) == g_CurrentFormID; });
        if (listed) {
            QWidget* button = nullptr;
            if (i > 0) {
                trap([&] {
                    m_Picture1->resize(m_Picture1->width(),
                                       twipsToPixels(pixelsToTwips(m_Picture1->height()) + RowGrowth));
                });
                trap([&] {
                    button = createSection(i);
                    m_cmdSection.append(button);
                });
            } else {
                button = m_cmdSection.value(0);
            }
            if (button) {
                QString formId;
                trap([&] { formId = vb::CStr(rs.Field(u"Form_ID"_s)); });
                trap([&] { setButton(button, u"Caption"_s, vb::CStr(rs.Field(u"Section Name"_s))); });
                trap([&] { button->setProperty("Tag", formId); });
                trap([&] {
                    button->setGeometry(twipsToPixels(SectionLeft), twipsToPixels(y),
                                        twipsToPixels(SectionWidth), twipsToPixels(SectionHeight));
                });

                bool visited = false;
                trap([&] {
                    ado::Recordset& visits = require(g_rsVisitedForms);
                    // Nothing visited yet: no row to find, and nothing to report.
                    if (visits.BOF() && visits.EOF()) return;
                    visits.MoveFirst();
                    visits.Find(u"Form_ID="_s + formId);
                    visited = !visits.EOF();
                });
                trap([&] { setButton(button, u"Picture"_s, ImageList1(visited ? 2 : 1)); });

                int level = 1;
                trap([&] { level = vb::CInt(rs.Field(u"Section Level"_s)).value(); });
                const SectionLook& look = lookOf(level);
                trap([&] { setButton(button, u"ForeColor"_s, look.foreColor); });
                trap([&] { setButton(button, u"Font.Size"_s, look.fontSize); });
                trap([&] { setButton(button, u"Font.Bold"_s, look.bold); });
                if (look.pictureSpacing > 0)
                    trap([&] { setButton(button, u"PictureSpacing"_s, look.pictureSpacing); });
                if (level != 1 && !visited) trap([&] { setButton(button, u"ForeColor"_s, FadedColor); });

                trap([&] { button->show(); });
                trap([&] {
                    if (vb::CInt(QVariant(formId)) == g_CurrentFormID)
                        m_imgCurrent->move(m_imgCurrent->x(), button->y());
                });
                y = pixelsToTwips(button->y()) + pixelsToTwips(button->height()) + RowGap;
                ++i;
                lastListed = button;
            }
        }
        // A page without an entry of its own opens the list on the section it is part of.
        if (current) m_currentSection = lastListed;
        if (!trap([&] { rs.MoveNext(); })) break;
    }

    trap([&] { m_ScrllngFrm1->Attatch(m_Picture1); });
    // Tab goes down the list, top to bottom, then to Continue.
    QWidget* previous = nullptr;
    for (QWidget* button : listedSections()) {
        if (previous) setTabOrder(previous, button);
        previous = button;
    }
    if (previous) setTabOrder(previous, m_cmdContinue);
}

void frmNavigation::Form_Resize()
{
    auto ignore = vb::Trap::silent();
    ignore([&] {
        if (pixelsToTwips(height()) < MinimumHeight) resize(width(), twipsToPixels(MinimumHeight));
    });
    const int w = pixelsToTwips(width());
    const int h = pixelsToTwips(height());
    ignore([&] {
        if (w - 400 >= 0) m_ScrllngFrm1->resize(twipsToPixels(w - 400), m_ScrllngFrm1->height());
    });
    ignore([&] {
        if (h - 1600 >= 0) m_ScrllngFrm1->resize(m_ScrllngFrm1->width(), twipsToPixels(h - 1600));
    });
    ignore([&] {
        m_cmdContinue->move(twipsToPixels(w - FrameLeft - ContinueWidth),
                            twipsToPixels(h - ContinueBottom - ContinueHeight));
    });
}

void frmNavigation::Form_QueryUnload()
{
    m_ScrllngFrm1->Detatch();
}

void frmNavigation::cmdSection_Click(int Index)
{
    QWidget* button = m_cmdSection.value(Index);
    if (!button) return;
    vb::Integer formId = vb::CInt(button->property("Tag"));
    // The page shown now, looked up at the click: the window keeps no page of its own.
    LoadForm(g_CurrentForm.data(), formId);
    forms::Forms::unload(this);
}

void frmNavigation::cmdContinue_Click()
{
    forms::Forms::unload(this);
}

void frmNavigation::onSectionClick()
{
    const int index = sender() ? sender()->property("Index").toInt() : -1;
    vb::guard(u"frmNavigation.cmdSection_Click"_s, [&] { cmdSection_Click(index); });
}

void frmNavigation::onContinueClick()
{
    vb::guard(u"frmNavigation.cmdContinue_Click"_s, [this] { cmdContinue_Click(); });
}

void frmNavigation::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    vb::guard(u"frmNavigation.Form_Resize"_s, [this] { Form_Resize(); });
}

void frmNavigation::closeEvent(QCloseEvent* event)
{
    vb::guard(u"frmNavigation.Form_QueryUnload"_s, [this] { Form_QueryUnload(); });
    event->accept();
    // Closed by the user: unloaded, so the next showing builds the list afresh.
    if (!m_unloading) {
        m_unloading = true;
        forms::Forms::unload(this);
    }
}
