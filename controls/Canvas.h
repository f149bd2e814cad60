#pragma once

#include "runtime/com/OleColor.h"
#include "runtime/com/StdPicture.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>

namespace ombLustrel
{

// Text layout flags of DrawTextOut.
enum TextFormat : uint32_t {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_EDITCONTROL = 0x2000,
};

// Mix modes of DrawMode.
enum DrawModeValue : int { R2_NOT = 6, R2_XORPEN = 7, R2_COPYPEN = 13 };

// Off-screen drawing surface: one image with a pen, brush and text state. Pixel rules: a line
// leaves out its end point, a rectangle covers left..right-1 and top..bottom-1, and the focus
// rectangle inverts a dotted frame (drawing it twice restores the pixels). Coordinates are
// logical pixels; the image is made at the device pixel ratio set before CreateBitmap, so one
// logical pixel covers ratio x ratio image pixels and text is drawn at the full resolution.
class Canvas
{
public:
    Canvas();
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Makes the drawing context; returns its handle (never 0).
    intptr_t CreatehDC();
    // Device pixels per logical pixel of the bitmap CreateBitmap makes (1 unless set).
    void setDevicePixelRatio(qreal ratio) { m_ratio = ratio > 0 ? ratio : 1.0; }
    qreal devicePixelRatio() const { return m_ratio; }
    // Throws the object-defined error with source "CreateBitmap" without a drawing context.
    void CreateBitmap(intptr_t basedOnhDC, int bitmapWidth, int bitmapHeight);
    // Throws the object-defined error with source "Initialize" without a drawing context.
    void InitProperties();

    com::ColorRef BackColor() const { return m_backColor; }
    void setBackColor(com::OleColor newBackColor);
    void Cls();
    void ClsRect(int left, int top, int right, int bottom);
    int CurrentX() const { return m_currentX; }
    void setCurrentX(int x) { m_currentX = x; }
    int CurrentY() const { return m_currentY; }
    void setCurrentY(int y) { m_currentY = y; }
    void DrawFocusRect(int left, int top, int right, int bottom);
    int DrawMode() const { return m_drawMode; }
    void setDrawMode(int mode) { m_drawMode = mode; }
    void DrawPixel(float x, float y, com::ColorRef color);
    int DrawStyle() const { return m_drawStyle; }
    void setDrawStyle(int style) { m_drawStyle = style; }
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width) { m_drawWidth = width < 1 ? 1 : width; }
    com::ColorRef FillColor() const { return m_fillColor; }
    void setFillColor(com::OleColor color);
    int FillStyle() const { return m_fillStyle; }
    void setFillStyle(int style) { m_fillStyle = style; }
    void CreateFont(const QFont& baseFont);
    const QFont& font() const { return m_font; }
    bool FontTransparent() const { return m_fontTransparent; }
    void setFontTransparent(bool transparent) { m_fontTransparent = transparent; }
    com::ColorRef ForeColor() const { return m_foreColor; }
    void setForeColor(com::OleColor color);
    void FillRectGradient(int left, int top, int right, int bottom, com::OleColor startColor,
                          com::OleColor endColor);
    intptr_t hdc() const { return m_hdc; }
    void sethdc(intptr_t dc) { m_hdc = dc; }
    int Height() const { return m_height; }
    int Width() const { return m_width; }
    // penColor -1 draws with the current pen.
    void DrawLine(int left, int top, int right, int bottom, int64_t penColor = -1);
    void DrawRect(int left, int top, int right, int bottom, com::OleColor penColor);
    void FillRectangle(int left, int top, int right, int bottom, com::OleColor color);
    void DrawRect3D(int left, int top, int right, int bottom, com::OleColor highlightColor,
                    com::OleColor shadowColor);
    void DrawRoundRect(int left, int top, int right, int bottom, com::OleColor outlineColor,
                       com::OleColor backgroundColor);
    void FillRoundRect(int left, int top, int right, int bottom, com::OleColor outlineColor,
                       com::OleColor backgroundColor);
    void PrintText(const QString& text, int left, int top);
    // Fits the rectangle to the text (keeping left and top), then draws the text into it.
    QRect DrawTextOut(const QString& text, int left, int top, int right, int bottom, uint32_t options);
    // The rectangle DrawTextOut fits: what text measuring with the calculate flag gives.
    QRect MeasureText(const QString& text, int left, int top, int right, int bottom, uint32_t options) const;
    int ScaleMode() const { return m_scaleMode; }
    void setScaleMode(int mode) { m_scaleMode = mode; }

    // The bitmap: the image everything is drawn into.
    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }
    // A copy of the bitmap as a picture object.
    com::StdPicture Picture() const { return com::StdPicture(m_image); }

    // One logical pixel through the current mix mode; outside the bitmap nothing happens.
    void plot(int x, int y, com::ColorRef color);
    // The colour of a logical pixel (its top-left image pixel); 0 outside the bitmap.
    com::ColorRef pixelAt(int x, int y) const;

private:
    // First image pixel of a logical coordinate.
    int device(int v) const;
    void requireDc(const QString& source) const;
    void lineWithPattern(int x1, int y1, int x2, int y2, com::ColorRef color);

    intptr_t m_hdc = 0;
    QImage m_image;
    int m_width = 0;
    int m_height = 0;
    com::ColorRef m_backColor = 0xFFFFFF;
    com::ColorRef m_foreColor = 0;
    com::ColorRef m_fillColor = 0xFFFFFF;
    int m_currentX = 0;
    int m_currentY = 0;
    int m_drawMode = R2_COPYPEN;
    int m_drawStyle = 0;
    int m_drawWidth = 1;
    int m_fillStyle = 1;
    bool m_fontTransparent = false;
    int m_scaleMode = 3;
    QFont m_font;
    int m_gradientBands = 0;
    int m_patternStep = 0; // position in the dotted pen's pattern
    qreal m_ratio = 1.0;
};

// Wrapped lines of a text as DrawTextOut lays them out: "&" removed and the next character
// marked, "&&" shown as "&".
struct TextLine {
    QString text;
    QList<int> underlined; // character positions within text
};
QList<TextLine> layoutText(const QString& text, const QFont& font, int width, uint32_t options);

} // namespace ombLustrel
