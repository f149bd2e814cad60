#include "shell/ScrllngFrm.h"

#include "runtime/com/OleColor.h"
#include "runtime/com/PropertyBag.h"

#include <QApplication>
#include <QEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr int BarThickness = 255;
constexpr int MarginX = 39;
constexpr int MarginY = 45;
constexpr int HiddenMarginX = 37;
constexpr int HiddenMarginY = 25;
// One arrow step of either bar: a row of the list it usually holds.
constexpr int LineStep = 360;
// Room left beside a control the view scrolls to, so that its neighbours' edges show.
constexpr int FocusMargin = 120;

void setGeometryIfValid(QWidget* w, int left, int top, int width, int height)
{
    // A negative size simply does not apply.
    if (width < 0 || height < 0) return;
    w->setGeometry(left, top, width, height);
}

} // namespace

ScrllngFrm::ScrllngFrm(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"ScrllngFrm"_s);
    m_pView = new QWidget(this);
    m_pView->setObjectName(u"pView"_s);
    m_pView->setAutoFillBackground(true);
    m_vScroll = new QScrollBar(Qt::Vertical, this);
    m_vScroll->setObjectName(u"VScroll"_s);
    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->setObjectName(u"HScroll"_s);
    m_pCorner = new QWidget(this);
    m_pCorner->setObjectName(u"pCorner"_s);
    m_pCorner->setAutoFillBackground(true);
    m_pCorner->setBackgroundRole(QPalette::Button);
    for (QScrollBar* bar : {m_vScroll, m_hScroll}) {
        bar->setRange(0, 1);
        bar->setSingleStep(LineStep);
        connect(bar, &QScrollBar::valueChanged, this, [this] { UpdatePos(); });
    }
    setBackColor(DefaultBackColor);
    layout();
    // The view follows the focus into the child, so that the control with the focus is in view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && m_child && m_child->isAncestorOf(now)) ScrollIntoView(now);
    });
}

ScrllngFrm::~ScrllngFrm()
{
    Detatch();
}

void ScrllngFrm::setBackColor(uint color)
{
    m_backColor = color;
    QPalette pal = m_pView->palette();
    pal.setColor(QPalette::Window, com::toQColor(com::translateColor(color)));
    m_pView->setPalette(pal);
    Q_EMIT PropertyChanged(u"BackColor"_s);
}

void ScrllngFrm::ReadProperties(const com::PropertyBag* bag)
{
    if (!bag) return;
    bool ok = false;
    const uint color = bag->ReadProperty(u"BackColor"_s, DefaultBackColor).toUInt(&ok);
    if (ok) setBackColor(color);
}

void ScrllngFrm::WriteProperties(com::PropertyBag* bag) const
{
    if (bag) bag->WriteProperty(u"BackColor"_s, m_backColor, DefaultBackColor);
}

void ScrllngFrm::Attatch(QWidget* child)
{
    if (!child || child == m_child) return;
    Detatch();
    m_oldParent = child->parentWidget();
    m_child = child;
    const bool shown = !child->isHidden();
    child->setParent(m_pView);
    child->move(0, 0);
    if (shown) child->show();
    child->setCursor(Qt::SizeAllCursor);
    child->installEventFilter(this);
    layout();
    UpdatePos();
}

void ScrllngFrm::Detatch()
{
    QWidget* child = m_child;
    m_child = nullptr;
    if (!child) return;
    child->removeEventFilter(this);
    // A child whose old parent is gone stays here and goes with this control.
    if (m_oldParent) {
        const bool shown = !child->isHidden();
        child->setParent(m_oldParent);
        if (shown) child->show();
    }
    m_oldParent = nullptr;
}

void ScrllngFrm::UpdatePos()
{
    if (m_child)
        m_child->move(-forms::twipsToPixels(m_hScroll->value()), -forms::twipsToPixels(m_vScroll->value()));
    m_pView->update();
    Q_EMIT Scroll();
}

void ScrllngFrm::ScrollIntoView(QWidget* control)
{
    if (!m_child || !control || !m_child->isAncestorOf(control)) return;
    const QRect r(control->mapTo(m_child.data(), QPoint(0, 0)), control->size());
    const auto follow = [](QScrollBar* bar, int first, int last, int view) {
        if (!bar->isVisible()) return;
        int value = bar->value();
        if (last + FocusMargin > value + view) value = last + FocusMargin - view;
        if (first - FocusMargin < value) value = first - FocusMargin;
        bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
    };
    constexpr auto t = forms::pixelsToTwips;
    follow(m_vScroll, t(r.top()), t(r.top() + r.height()), t(m_pView->height()));
    follow(m_hScroll, t(r.left()), t(r.left() + r.width()), t(m_pView->width()));
}

void ScrllngFrm::place(int sw, int sh, int mx, int my, int vw, int hh)
{
    constexpr auto x = forms::twipsToPixels;
    constexpr auto y = forms::twipsToPixels;
    setGeometryIfValid(m_vScroll, x(sw - vw - mx), 0, x(vw), y(sh - hh - my));
    setGeometryIfValid(m_hScroll, 0, y(sh - hh - my), x(sw - vw - mx), y(hh));
    setGeometryIfValid(m_pCorner, x(sw - vw - mx), y(sh - hh - my), x(vw), y(hh));
    setGeometryIfValid(m_pView, 0, 0, x(sw - vw), y(sh - hh));
}

void ScrllngFrm::layout()
{
    if (m_inLayout) return;
    m_inLayout = true;
    const int sw = forms::pixelsToTwips(width());
    const int sh = forms::pixelsToTwips(height());
    int mx = MarginX;
    int my = MarginY;
    place(sw, sh, mx, my, m_vWidth, m_hHeight);

    if (m_child) {
        // Decide the bars against the view they leave, starting from none, until the decision
        // holds: a bar that appears takes room from the other direction.
        m_vWidth = 0;
        m_hHeight = 0;
        place(sw, sh, HiddenMarginX, HiddenMarginY, 0, 0);
        for (int pass = 0; pass < 4; ++pass) {
            const int vw = m_vWidth;
            const int hh = m_hHeight;
            const int dv = forms::pixelsToTwips(m_child->height()) - forms::pixelsToTwips(m_pView->height());
            m_vWidth = dv > 0 ? BarThickness : 0;
            mx = dv > 0 ? MarginX : HiddenMarginX;
            const int dh = forms::pixelsToTwips(m_child->width()) - forms::pixelsToTwips(m_pView->width());
            m_hHeight = dh > 0 ? BarThickness : 0;
            my = dh > 0 ? MarginY : HiddenMarginY;
            // The view takes the room of a hidden bar.
            place(sw, sh, mx, my, m_vWidth, m_hHeight);
            if (m_vWidth == vw && m_hHeight == hh) break;
        }
        const int dv = forms::pixelsToTwips(m_child->height()) - forms::pixelsToTwips(m_pView->height());
        const int dh = forms::pixelsToTwips(m_child->width()) - forms::pixelsToTwips(m_pView->width());
        if (m_vWidth > 0 && dv > 0) {
            m_vScroll->setMaximum(dv);
        } else {
            m_vScroll->setMaximum(1);
            m_vScroll->setValue(0);
            m_vWidth = 0;
            m_vScroll->move(forms::twipsToPixels(sw), m_vScroll->y()); // out of view
        }
        if (m_hHeight > 0 && dh > 0) {
            m_hScroll->setMaximum(dh);
        } else {
            m_hScroll->setMaximum(1);
            m_hScroll->setValue(0);
            m_hHeight = 0;
        }
        m_vScroll->setPageStep(std::max(1, forms::pixelsToTwips(m_pView->height())));
        m_hScroll->setPageStep(std::max(1, forms::pixelsToTwips(m_pView->width())));
    }
    // A bar that is not needed is neither visible nor usable.
    m_vScroll->setVisible(m_vWidth > 0);
    m_vScroll->setEnabled(m_vWidth > 0);
    m_hScroll->setVisible(m_hHeight > 0);
    m_hScroll->setEnabled(m_hHeight > 0);
    m_pCorner->setVisible(m_vWidth > 0 && m_hHeight > 0);
    m_inLayout = false;
    Q_EMIT Resize();
}

void ScrllngFrm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layout();
}

bool ScrllngFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_child) {
        if (event->type() == QEvent::Resize) {
            layout();
        } else if (event->type() == QEvent::Wheel && m_vScroll->isVisible()) {
            // The wheel over the list scrolls it, as over the bar.
            auto* wheel = static_cast<QWheelEvent*>(event);
            const int notches = wheel->angleDelta().y() / 120;
            if (notches != 0) {
                m_vScroll->setValue(m_vScroll->value() - notches * m_vScroll->singleStep());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
