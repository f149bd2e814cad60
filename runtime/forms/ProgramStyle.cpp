#include "runtime/forms/ProgramStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>

#include <functional>

namespace forms
{

namespace
{

// An icon made by `make` when it is first painted, measured or asked for a pixmap.
class DeferredIconEngine : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (m_make) {
            m_icon = m_make();
            m_make = nullptr;
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
};

} // namespace

ProgramStyle::ProgramStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (standardIcon != SP_ToolBarHorizontalExtensionButton &&
        standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    // The picture depends on the style and on the direction, as the style reads it now.
    QStyleOption direction;
    direction.direction = option ? option->direction : QGuiApplication::layoutDirection();
    QPointer<const ProgramStyle> style = this;
    return deferredIcon([style, standardIcon, direction, made = m_made] {
        if (!style) return QIcon();
        ++*made;
        return style->baseStyle()->standardIcon(standardIcon, &direction, nullptr);
    });
}

QIcon deferredIcon(std::function<QIcon()> make)
{
    return QIcon(new DeferredIconEngine(std::move(make)));
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void installProgramStyle()
{
    if (dynamic_cast<ProgramStyle*>(QApplication::style())) return;
    QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
}

} // namespace forms
