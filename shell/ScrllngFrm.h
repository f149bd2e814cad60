#pragma once

#include "runtime/forms/Twips.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>

class QScrollBar;

namespace com
{
class PropertyBag;
}

// A viewport that takes a child surface from its host window into its own view area and
// moves it with a vertical and a horizontal scroll bar when the child is larger than the view.
// Sizes and scroll positions are in twips.
class ScrllngFrm : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qlonglong hwnd READ hwnd)

public:
    static constexpr uint DefaultBackColor = 0x8000000Cu; // application workspace

    explicit ScrllngFrm(QWidget* parent = nullptr);
    ~ScrllngFrm() override;

    // Takes the child into the view area at 0, 0 (remembering its parent) and lays out.
    Q_INVOKABLE void Attatch(QWidget* child);
    // Gives the child back to the parent it had before Attatch and releases it.
    Q_INVOKABLE void Detatch();
    // Moves the child to the scroll bars' positions and raises Scroll.
    Q_INVOKABLE void UpdatePos();
    // Scrolls the least that shows a control of the child whole (it does so for every control
    // that takes the focus).
    void ScrollIntoView(QWidget* control);

    uint BackColor() const { return m_backColor; }
    void setBackColor(uint color);
    qlonglong hwnd() const { return static_cast<qlonglong>(winId()); }

    Q_INVOKABLE void ReadProperties(const com::PropertyBag* bag);
    Q_INVOKABLE void WriteProperties(com::PropertyBag* bag) const;

    QWidget* child() const { return m_child; }
    QWidget* view() const { return m_pView; }
    QScrollBar* vScroll() const { return m_vScroll; }
    QScrollBar* hScroll() const { return m_hScroll; }

    // Twips per pixel of the screen: the program's fixed ratio on every screen.
    float twipsPerPixelX() const { return forms::TwipsPerPixel; }
    float twipsPerPixelY() const { return forms::TwipsPerPixel; }

Q_SIGNALS:
    void Scroll();
    void Resize();
    // The owner's record of a changed persisted property.
    void PropertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layout();
    void place(int sw, int sh, int mx, int my, int vw, int hh);

    QWidget* m_pView = nullptr;
    QScrollBar* m_vScroll = nullptr;
    QScrollBar* m_hScroll = nullptr;
    QWidget* m_pCorner = nullptr;
    QPointer<QWidget> m_child;
    QPointer<QWidget> m_oldParent;
    // Bar thicknesses in twips: 255 while a bar is needed, 0 otherwise.
    int m_vWidth = 255;
    int m_hHeight = 255;
    uint m_backColor = DefaultBackColor;
    bool m_inLayout = false;
};
