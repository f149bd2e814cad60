#pragma once

#include "controls/LustrelExport.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/OleColor.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/com/StdPicture.h"

#include <QFont>
#include <QImage>
#include <QKeySequence>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <functional>

class QShortcut;

namespace ombLustrel
{

class Canvas;

// The owner-drawn push button. Its published members are Qt properties and invokables under
// their published names; its events are signals. Colours are OLE colours.
class LUSTREL_EXPORT Lustrel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool DropShadow READ DropShadow WRITE setDropShadow)
    Q_PROPERTY(qlonglong hwnd READ hwnd)
    Q_PROPERTY(uint Maskcolor READ Maskcolor WRITE setMaskcolor)
    Q_PROPERTY(QVariant MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(int PictureAlignment READ PictureAlignment WRITE setPictureAlignment)
    Q_PROPERTY(QVariant PictureDown READ PictureDown WRITE setPictureDown)
    Q_PROPERTY(QVariant PictureDisabled READ PictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(int PictureSpacing READ PictureSpacing WRITE setPictureSpacing)
    Q_PROPERTY(int PictureStyle READ PictureStyle WRITE setPictureStyle)
    Q_PROPERTY(bool RightToLeft READ RightToLeft WRITE setRightToLeft)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(bool ShowDefault READ ShowDefault WRITE setShowDefault)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int Style READ Style WRITE setStyle)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(uint HighlightColor READ HighlightColor WRITE setHighlightColor)
    Q_PROPERTY(uint ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(uint DisabledColor READ DisabledColor WRITE setDisabledColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty)
    Q_PROPERTY(QVariant Picture READ Picture WRITE setPicture)
    Q_PROPERTY(QVariant PictureOver READ PictureOver WRITE setPictureOver)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance)

public:
    enum ombAlignmentConstants { ombAlignLeft = 0, ombAlignRight = 1, ombAlignCenter = 2 };
    enum ombButtonStyleConstants { ombStyleStandard = 0, ombStyleActive = 1, ombStyleWin3x = 2 };
    enum ombAppearanceConstants { ombAppearanceFlat = 0, ombAppearance3D = 1 };
    enum ombPictureAlignmentConstants {
        ombPicAlignLeft = 0,
        ombPicAlignRight = 1,
        ombPicAlignCenter = 2,
        ombPicAlignTop = 3,
        ombPicAlignBottom = 4
    };
    enum ombPictureStyleConstants {
        ombPicStyleNormal = 0,
        ombPicStyleMono = 1,
        ombPicStylePopup = 2,
        ombPicStyleStatic = 3
    };
    enum ombBorderStyleConstants { ombBorderNone = 0, ombBorderSingle = 1 };
    enum ombMousePointerConstants {
        ombDefault = 0,
        ombArrow = 1,
        ombCrossHair = 2,
        ombIBeam = 3,
        ombIconPointer = 4,
        ombSizePointer = 5,
        ombSizeNESW = 6,
        ombSizeNW = 7,
        ombSizeNWSE = 8,
        ombSizeWE = 9,
        ombUpArrow = 10,
        ombHourglass = 11,
        ombNoDrop = 12,
        ombArrowHourglass = 13,
        ombArrowQuestion = 14,
        ombSizeAll = 15,
        ombCustom = 99
    };
    Q_ENUM(ombAlignmentConstants)
    Q_ENUM(ombButtonStyleConstants)
    Q_ENUM(ombAppearanceConstants)
    Q_ENUM(ombPictureAlignmentConstants)
    Q_ENUM(ombPictureStyleConstants)
    Q_ENUM(ombBorderStyleConstants)
    Q_ENUM(ombMousePointerConstants)

    // Visual states.
    enum State { StateHot = 0, StateDown = 1, StateUp = 2 };

    explicit Lustrel(QWidget* parent = nullptr);
    ~Lustrel() override;

    Q_INVOKABLE void About();
    Q_INVOKABLE void Refresh();
    Q_INVOKABLE void InitProperties();
    Q_INVOKABLE void ReadProperties(const com::PropertyBag* bag);
    Q_INVOKABLE void WriteProperties(com::PropertyBag* bag) const;
    // The container's notice that an ambient property changed; only "DisplayAsDefault" counts.
    Q_INVOKABLE void AmbientChanged(const QString& PropertyName);

    int Alignment() const { return m_alignment; }
    void setAlignment(int value);
    uint BorderColor() const { return m_borderColor; }
    void setBorderColor(uint value);
    bool Default() const { return m_default; }
    void setDefault(bool value);
    bool DropShadow() const { return m_dropShadow; }
    void setDropShadow(bool value);
    qlonglong hwnd() const;
    uint Maskcolor() const { return m_maskColor; }
    void setMaskcolor(uint value);
    QVariant MouseIcon() const { return m_mouseIcon.toVariant(); }
    void setMouseIcon(const QVariant& value);
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int value);
    int PictureAlignment() const { return m_pictureAlignment; }
    void setPictureAlignment(int value);
    QVariant PictureDown() const { return m_pictureDown.toVariant(); }
    void setPictureDown(const QVariant& value);
    QVariant PictureDisabled() const { return m_pictureDisabled.toVariant(); }
    void setPictureDisabled(const QVariant& value);
    int PictureSpacing() const { return m_pictureSpacing; }
    void setPictureSpacing(int value);
    int PictureStyle() const { return m_pictureStyle; }
    void setPictureStyle(int value);
    bool RightToLeft() const { return m_rightToLeft; }
    void setRightToLeft(bool value);
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool value);
    bool ShowDefault() const { return m_showDefault; }
    void setShowDefault(bool value);
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int value);
    int Style() const { return m_style; }
    void setStyle(int value);
    QString ToolTipText() const { return m_toolTipText; }
    void setToolTipText(const QString& value);
    bool UseMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool value);
    uint ForeColor() const { return m_foreColor; }
    void setForeColor(uint value);
    uint HighlightColor() const { return m_highlightColor; }
    void setHighlightColor(uint value);
    uint ShadowColor() const { return m_shadowColor; }
    void setShadowColor(uint value);
    uint DisabledColor() const { return m_disabledColor; }
    void setDisabledColor(uint value);
    bool Enabled() const { return isEnabled(); }
    void setEnabledProperty(bool value);
    QFont Font() const { return font(); }
    void setFontProperty(const QFont& value);
    QVariant Picture() const { return m_picture.toVariant(); }
    void setPicture(const QVariant& value);
    QVariant PictureOver() const { return m_pictureOver.toVariant(); }
    void setPictureOver(const QVariant& value);
    uint BackColor() const { return m_backColor; }
    void setBackColor(uint value);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& value);
    int Appearance() const { return m_appearance; }
    void setAppearance(int value);

    // Painting: rebuilds the surface in the given state (nothing while redraw is suspended).
    void Redraw(int state);
    int state() const { return m_state; }
    const QImage& surface() const { return m_surface; }
    bool hasFocusFlag() const { return m_hasFocus; }
    QKeySequence accessKey() const { return m_accessKey; }
    bool ownToolTip() const { return m_ownToolTip; }
    // The tool-tip text the button shows now.
    QString toolTipToShow() const;

    // The container's default button (set through Default by the form or its code), and its
    // ambient DisplayAsDefault: the button with the focus is shown as default while a button has
    // the focus in its window; otherwise the container's default button is.
    bool containerDefault() const { return m_containerDefault; }
    bool ambientDisplayAsDefault() const;

    // Ambient UserMode: false while a form designer hosts the button.
    void setUserMode(bool userMode);
    bool userMode() const { return m_userMode; }

    // Shows the about box for a button; tests install their own.
    static void setAboutBoxHandler(std::function<void(QWidget*)> handler);
    // Buttons alive in this process (the library may unload when none is left).
    static int instanceCount();

signals:
    void Click();
    void MouseMove(short Button, short Shift, float x, float y);
    void MouseDown(short Button, short Shift, float x, float y);
    void MouseUp(short Button, short Shift, float x, float y);
    void KeyDown(short& KeyCode, short& Shift);
    void KeyPress(short& KeyAscii);
    void KeyUp(short& KeyCode, short& Shift);
    void MouseOver();
    void MouseOut();
    // The container's notice that a persisted property changed (its bag key).
    void PropertyChanged(const QString& name);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // Painting.
    struct CaptionRect {
        int left = 0;
        int top = 0;
        int right = 0;
        int height = 0;
    };
    struct Margins {
        int left = 0;
        int right = 0;
    };
    Margins contentMargins() const;
    void paintBackground(Canvas& canvas, int state) const;
    void paintContent(Canvas& canvas, int state) const;
    QRect measureCaption(const Canvas& canvas, int left, int right) const;
    void layoutPicture(int w, int h, int pw, int ph, int& x, int& y) const;
    void layoutCaption(const Canvas& canvas, CaptionRect& caption) const;
    void layoutPictureAndCaption(const Canvas& canvas, int pw, int ph, int& x, int& y,
                                 CaptionRect& caption) const;
    void paintPicture(Canvas& canvas, const com::StdPicture& picture, int state, int x, int y) const;
    com::OleColor captionColor(int state) const;
    void paintBorder(Canvas& canvas, int state) const;
    void paintStandardBorder(Canvas& canvas, int state) const;
    void paintActiveBorder(Canvas& canvas, int state) const;
    void paintWin3xBorder(Canvas& canvas, int state) const;
    bool defaultFrameApplies() const;
    com::OleColor ambientBackColor() const;

    // Input.
    bool completeClick();
    bool pointerOver() const;
    bool isInside(const QPointF& pos) const;
    void goToState(int state);
    // The state with nothing pressed: hot under the pointer or with a shown focus, else up.
    int restingState() const;
    bool raiseSuspended(void (Lustrel::*signal)());
    void moveOutside();
    void accessKeyPress();
    void updateAccessKey();
    void updateDefaultShortcut();
    void applyMousePointer();
    void derive3DColors();
    void onFocusChanged(QWidget* old, QWidget* now);
    void changed(const QString& key);
    void repaintNow() { Redraw(m_state); }
    void setPictureMember(com::StdPicture& member, const QVariant& value, const QString& name);
    QFont ambientFont() const;
    QString defaultCaption() const;

    QString m_caption;
    QString m_captionNoAmp;
    int m_accessKeyPos = 0;
    QKeySequence m_accessKey;
    int m_shortcutId = 0;
    QShortcut* m_defaultShortcut = nullptr;
    // The application's focus changes; cut in the destructor, before ~QWidget moves the focus.
    QMetaObject::Connection m_focusChanges;

    com::StdPicture m_picture;
    com::StdPicture m_pictureDown;
    com::StdPicture m_pictureOver;
    com::StdPicture m_pictureDisabled;
    com::StdPicture m_mouseIcon;

    int m_alignment = ombAlignCenter;
    int m_pictureAlignment = ombPicAlignLeft;
    int m_pictureStyle = ombPicStyleNormal;
    int m_style = ombStyleStandard;
    int m_borderStyle = ombBorderNone;
    int m_appearance = ombAppearance3D;
    int m_pictureSpacing = 5;
    int m_mousePointer = ombDefault;

    com::OleColor m_backColor = 0x8000000Fu;
    com::OleColor m_foreColor = 0x80000012u;
    com::OleColor m_highlightColor = 0x80000014u;
    com::OleColor m_shadowColor = 0x80000010u;
    com::OleColor m_borderColor = 0x80000015u;
    com::OleColor m_disabledColor = 0x80000011u;
    com::OleColor m_maskColor = 0x00FFFF00u;

    bool m_dropShadow = false;
    bool m_useMaskColor = true;
    bool m_showFocus = true;
    bool m_showDefault = true;
    bool m_default = false;
    bool m_containerDefault = false;
    bool m_ownToolTip = false;
    bool m_rightToLeft = false;
    QString m_toolTipText;

    bool m_redrawSuspended = true;
    bool m_stale = true; // a repaint was skipped while redraw was suspended
    bool m_userMode = true;
    int m_state = StateUp;
    bool m_hasFocus = false;
    bool m_mousePressed = false;
    bool m_spacePressed = false;
    // A modal window blocked this button's window since its last mouse press.
    bool m_modalSeen = false;
    bool m_pointerInside = false;
    QPointF m_lastPointer{-1, -1};
    short m_lastButton = 0;
    QString m_typed;

    QImage m_surface;
};

} // namespace ombLustrel
