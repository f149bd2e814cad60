#pragma once

#include <QIcon>
#include <QProxyStyle>

#include <functional>
#include <memory>

namespace forms
{

// The program's style: the style Qt chose, except that the pictures of the overflow buttons of
// menu bars and tool bars are made when such a button is first drawn. Every menu bar asks for
// one as it is built, and reading it loads all of Qt's image plug-ins, for a button that shows
// only when the menus do not fit. Dialog buttons carry no pictures, as on most Linux desktops
// (the style's are small bitmaps, blocky when scaled).
class ProgramStyle : public QProxyStyle
{
public:
    explicit ProgramStyle(const QString& baseStyle);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

    // How many of those pictures have been made so far.
    int deferredIconsMade() const { return *m_made; }

private:
    std::shared_ptr<int> m_made = std::make_shared<int>(0);
};

// An icon that make makes when it is first painted, measured or asked for a pixmap.
QIcon deferredIcon(std::function<QIcon()> make);

// Makes a ProgramStyle on the current style the application's style, once.
void installProgramStyle();

} // namespace forms
