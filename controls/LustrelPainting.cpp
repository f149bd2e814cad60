#include "controls/Lustrel.h"

#include "controls/Canvas.h"
#include "controls/PaintEffects.h"
#include "controls/Skip.h"

#include <QPainter>

#include <cmath>

namespace ombLustrel
{

namespace
{

constexpr uint32_t kCaptionFormat = DT_WORDBREAK | DT_EDITCONTROL;

// Nearest integer of a real value, a half going to the even neighbour.
int nearest(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

struct Insets {
    int l = 0;
    int t = 0;
    int r = 0;
    int b = 0;
    void by(int n)
    {
        l += n;
        t += n;
        r += n;
        b += n;
    }
};

} // namespace

Lustrel::Margins Lustrel::contentMargins() const
{
    switch (m_style) {
    case ombStyleStandard:
        return m_showFocus ? Margins{6, 7} : Margins{5, 5};
    case ombStyleActive:
        return {4, 4};
    case ombStyleWin3x:
        return {6, 6};
    default:
        return {0, 0};
    }
}

void Lustrel::Redraw(int state)
{
    if (m_redrawSuspended) {
        m_stale = true;
        return;
    }
    Canvas canvas;
    skip([&] { canvas.CreatehDC(); });
    // At the screen's resolution, so that text and pictures are as sharp as the widgets beside.
    canvas.setDevicePixelRatio(devicePixelRatioF());
    skip([&] { canvas.CreateBitmap(canvas.hdc(), width(), height()); });
    skip([&] { paintBackground(canvas, state); });
    skip([&] { paintContent(canvas, state); });
    skip([&] { paintBorder(canvas, state); });
    m_surface = canvas.Width() > 0 && canvas.Height() > 0 ? canvas.image() : QImage();
    m_stale = false;
    update();
}

void Lustrel::paintEvent(QPaintEvent*)
{
    if (m_stale || m_surface.deviceIndependentSize().toSize() != size() ||
        m_surface.devicePixelRatio() != devicePixelRatioF())
        Redraw(m_state);
    if (m_surface.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

void Lustrel::resizeEvent(QResizeEvent*)
{
    Redraw(m_state);
}

void Lustrel::paintBackground(Canvas& canvas, int state) const
{
    skip([&] { canvas.InitProperties(); });
    skip([&] {
        if (m_appearance == ombAppearance3D) {
            canvas.setBackColor(m_backColor);
        } else if (m_appearance == ombAppearanceFlat) {
            com::OleColor c = m_backColor;
            if (state == StateHot && m_style == ombStyleActive) c = m_highlightColor;
            if (state == StateDown) c = m_style == ombStyleActive ? m_shadowColor : m_foreColor;
            canvas.setBackColor(c);
        }
    });
    skip([&] { canvas.Cls(); });
}

com::OleColor Lustrel::captionColor(int state) const
{
    if (m_appearance != ombAppearanceFlat || state == StateUp) return m_foreColor;
    if (state == StateHot) return m_style == ombStyleActive ? m_shadowColor : m_foreColor;
    return m_style == ombStyleActive ? m_highlightColor : m_backColor;
}

QRect Lustrel::measureCaption(const Canvas& canvas, int left, int right) const
{
    return canvas.MeasureText(m_caption, left, 0, right, 1, kCaptionFormat | DT_CALCRECT);
}

void Lustrel::layoutPicture(int w, int h, int pw, int ph, int& x, int& y) const
{
    const Margins m = contentMargins();
    y = h / 2 - ph / 2;
    switch (m_alignment) {
    case ombAlignLeft:
        x = m.left;
        break;
    case ombAlignRight:
        x = w - m.right - pw;
        break;
    case ombAlignCenter:
        x = w / 2 - pw / 2;
        break;
    default:
        x = w / 2 - pw / 2;
        break;
    }
}

void Lustrel::layoutCaption(const Canvas& canvas, CaptionRect& caption) const
{
    const Margins m = contentMargins();
    const int w = canvas.Width();
    const int h = canvas.Height();
    const QRect measured = measureCaption(canvas, m.left, w - m.left - m.right);
    const int cw = measured.width();
    const int ch = measured.height();
    caption.top = h / 2 - ch / 2;
    switch (m_alignment) {
    case ombAlignLeft:
        caption.left = m.left;
        break;
    case ombAlignRight:
        caption.left = w - m.right - cw;
        break;
    default:
        caption.left = w / 2 - cw / 2;
        break;
    }
    caption.right = caption.left + cw;
    caption.height = ch;
}

void Lustrel::layoutPictureAndCaption(const Canvas& canvas, int pw, int ph, int& x, int& y,
                                      CaptionRect& caption) const
{
    const Margins m = contentMargins();
    const int lm = m.left;
    const int rm = m.right;
    const int w = canvas.Width();
    const int h = canvas.Height();
    const int s = m_pictureSpacing;

    x = w / 2 - pw / 2;
    y = h / 2 - ph / 2;

    int measureLeft = lm;
    int measureRight = w - rm;
    switch (m_pictureAlignment) {
    case ombPicAlignLeft:
    case ombPicAlignRight:
        measureLeft = lm + pw + s;
        break;
    case ombPicAlignCenter:
        measureLeft = lm + s;
        break;
    case ombPicAlignTop:
    case ombPicAlignBottom:
        measureRight = w - lm - rm;
        break;
    default:
        break;
    }
    QRect measured = measureCaption(canvas, measureLeft, measureRight);
    const int cw = measured.width();
    const int ch = measured.height();
    const int tw = pw + s + cw;
    const int th = ph + s + ch;

    int cl = measureLeft;
    switch (m_pictureAlignment) {
    case ombPicAlignLeft:
        switch (m_alignment) {
        case ombAlignLeft:
            x = lm, cl = x + pw + s;
            break;
        case ombAlignRight:
            x = w - rm - tw, cl = x + s + pw;
            break;
        case ombAlignCenter:
            x = w / 2 - tw / 2, cl = x + pw + s;
            break;
        default:
            break;
        }
        break;
    case ombPicAlignRight:
        switch (m_alignment) {
        case ombAlignLeft:
            cl = lm, x = cl + cw + s;
            break;
        case ombAlignRight:
            x = w - rm - pw, cl = x - s - cw;
            break;
        case ombAlignCenter:
            cl = w / 2 - tw / 2, x = cl + cw + s;
            break;
        default:
            break;
        }
        break;
    case ombPicAlignCenter:
        switch (m_alignment) {
        case ombAlignLeft:
            cl = lm, x = cw / 2 - pw / 2 + lm;
            break;
        case ombAlignRight:
            cl = w - rm - cw, x = cw / 2 - pw / 2 + cl + lm - rm;
            break;
        case ombAlignCenter:
            cl = w / 2 - cw / 2, x = w / 2 - pw / 2;
            break;
        default:
            break;
        }
        break;
    case ombPicAlignTop:
    case ombPicAlignBottom:
        switch (m_alignment) {
        case ombAlignLeft:
            cl = lm, x = lm;
            break;
        case ombAlignRight:
            cl = w - rm - cw, x = w - pw - rm;
            break;
        case ombAlignCenter:
            cl = w / 2 - cw / 2, x = w / 2 - pw / 2;
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }

    // Measured again at the new left: fixes the right edge.
    measured = measureCaption(canvas, cl, cl + cw);
    caption.left = cl;
    caption.right = cl + measured.width();
    caption.height = measured.height();

    switch (m_pictureAlignment) {
    case ombPicAlignTop:
        y = nearest(h / 2.0 - th / 2.0);
        caption.top = y + ph + s;
        break;
    case ombPicAlignBottom:
        caption.top = nearest(h / 2.0 - th / 2.0);
        y = caption.top + caption.height + s;
        break;
    default:
        y = h / 2 - ph / 2;
        caption.top = h / 2 - caption.height / 2;
        break;
    }
}

void Lustrel::paintPicture(Canvas& canvas, const com::StdPicture& picture, int state, int x, int y) const
{
    const PaintEffects effects;
    const QSize size = picture.size();
    const int pw = size.width();
    const int ph = size.height();
    auto plain = [&](int px, int py) {
        if (m_useMaskColor)
            effects.PaintTransparentStdPic(canvas.image(), px, py, pw, ph, picture, 0, 0, m_maskColor);
        else
            effects.PaintNormalStdPic(canvas.image(), px, py, pw, ph, picture, 0, 0);
    };
    const bool flat = m_appearance == ombAppearanceFlat;
    const bool threeD = m_appearance == ombAppearance3D;

    if (!isEnabled()) {
        if (!m_pictureDisabled.isNone()) {
            skip([&] { plain(x, y); });
        } else if (threeD) {
            skip([&] {
                effects.PaintMonoStandardPic(picture, canvas, x + 1, y + 1, pw, ph, m_maskColor,
                                             m_highlightColor, m_useMaskColor);
            });
            skip([&] {
                effects.PaintMonoStandardPic(picture, canvas, x, y, pw, ph, m_maskColor, m_shadowColor,
                                             m_useMaskColor);
            });
        } else {
            skip([&] {
                effects.PaintMonoStandardPic(picture, canvas, x, y, pw, ph, m_maskColor, m_disabledColor,
                                             m_useMaskColor);
            });
        }
        return;
    }

    if (m_dropShadow) {
        skip([&] {
            const int offset = m_pictureStyle == ombPicStylePopup ? 0 : 2;
            effects.PaintMonoStandardPic(picture, canvas, x + offset, y + offset, pw, ph, m_maskColor,
                                         m_shadowColor, m_useMaskColor);
        });
    }
    skip([&] {
        switch (m_pictureStyle) {
        case ombPicStyleNormal:
            plain(x, y);
            break;
        case ombPicStyleMono:
            effects.PaintMonoStandardPic(picture, canvas, x, y, pw, ph, m_maskColor,
                                         flat && state == StateDown ? m_backColor : m_foreColor,
                                         m_useMaskColor);
            break;
        case ombPicStylePopup:
            state == StateHot ? plain(x - 2, y - 2) : plain(x, y);
            break;
        case ombPicStyleStatic:
            state == StateDown&& threeD ? plain(x - 1, y - 1) : plain(x, y);
            break;
        default:
            break;
        }
    });
}

void Lustrel::paintContent(Canvas& canvas, int state) const
{
    const com::StdPicture* picture = &m_picture;
    if (state == StateDown)
        picture = !m_pictureDown.isNone()   ? &m_pictureDown
                  : !m_pictureOver.isNone() ? &m_pictureOver
                                            : &m_picture;
    else if (state == StateHot)
        picture = !m_pictureOver.isNone() ? &m_pictureOver : &m_picture;
    if (!isEnabled() && !m_pictureDisabled.isNone()) picture = &m_pictureDisabled;

    skip([&] { canvas.CreateFont(font()); });

    int x = 0;
    int y = 0;
    int pw = 0;
    int ph = 0;
    CaptionRect caption;
    const bool hasPicture = !picture->isNone();
    skip([&] {
        if (!hasPicture) {
            layoutCaption(canvas, caption);
            return;
        }
        pw = picture->size().width();
        ph = picture->size().height();
        if (m_captionNoAmp.isEmpty())
            layoutPicture(canvas.Width(), canvas.Height(), pw, ph, x, y);
        else
            layoutPictureAndCaption(canvas, pw, ph, x, y, caption);
    });

    if (state == StateDown && m_appearance == ombAppearance3D) {
        caption.left += 1;
        caption.top += 1;
        caption.right += 1;
        x += 1;
        y += 1;
    }

    if (hasPicture) skip([&] { paintPicture(canvas, *picture, state, x, y); });

    if (!m_captionNoAmp.isEmpty()) skip([&] { canvas.setForeColor(captionColor(state)); });

    skip([&] {
        // An empty caption draws nothing, so its font need not even be loaded.
        if (m_caption.isEmpty()) return;
        const int bottom = caption.height;
        if (isEnabled()) {
            canvas.DrawTextOut(m_caption, caption.left, caption.top, caption.right, bottom, kCaptionFormat);
        } else if (m_appearance == ombAppearance3D) {
            canvas.setForeColor(m_highlightColor);
            canvas.DrawTextOut(m_caption, caption.left + 1, caption.top + 1, caption.right + 1, bottom,
                               kCaptionFormat);
            canvas.setForeColor(m_shadowColor);
            canvas.DrawTextOut(m_caption, caption.left, caption.top, caption.right, bottom, kCaptionFormat);
        } else {
            canvas.setForeColor(m_disabledColor);
            canvas.DrawTextOut(m_caption, caption.left, caption.top, caption.right, bottom, kCaptionFormat);
        }
    });

    if (isEnabled() && m_showFocus && m_hasFocus && m_style == ombStyleWin3x) {
        skip([&] {
            if (!m_captionNoAmp.isEmpty())
                canvas.DrawFocusRect(caption.left - 1, caption.top - 1, caption.right + 1,
                                     caption.top + caption.height + 1);
            else if (hasPicture)
                canvas.DrawFocusRect(x - 2, y - 2, x + pw + 2, y + ph + 2);
        });
    }
}

bool Lustrel::defaultFrameApplies() const
{
    return m_default && m_showDefault && (isEnabled() || !m_userMode);
}

void Lustrel::paintBorder(Canvas& canvas, int state) const
{
    switch (m_style) {
    case ombStyleStandard:
        paintStandardBorder(canvas, state);
        break;
    case ombStyleActive:
        paintActiveBorder(canvas, state);
        break;
    case ombStyleWin3x:
        paintWin3xBorder(canvas, state);
        break;
    default:
        break;
    }
}

void Lustrel::paintStandardBorder(Canvas& c, int state) const
{
    const int W = c.Width();
    const int H = c.Height();
    Insets i;
    auto frame = [&](com::OleColor colour) { c.DrawRect(i.l, i.t, W - i.r, H - i.b, colour); };
    auto defaultFrame = [&] {
        if (defaultFrameApplies()) {
            frame(m_borderColor);
            i.by(1);
        }
    };
    const bool flat = m_appearance == ombAppearanceFlat;
    const bool threeD = m_appearance == ombAppearance3D;

    if (m_borderStyle == ombBorderSingle) {
        if (flat) {
            frame(m_borderColor);
            i.by(1);
        }
    } else if (m_borderStyle == ombBorderNone && !m_userMode && flat) {
        c.setDrawStyle(2);
        frame(m_borderColor);
        c.setDrawStyle(0);
        i.by(1);
    }

    if (threeD && (state == StateUp || state == StateHot)) {
        defaultFrame();
        c.DrawLine(i.l, i.t, W - i.r, i.t, m_highlightColor);
        c.DrawLine(i.l, i.t, i.l, H - i.b, m_highlightColor);
        c.DrawLine(W - i.r - 2, i.t + 1, W - i.r - 2, H - i.b, m_shadowColor);
        c.DrawLine(W - i.r - 1, i.t, W - i.r - 1, H - i.b, m_borderColor);
        c.DrawLine(i.l + 1, H - i.b - 2, W - i.r - 1, H - i.b - 2, m_shadowColor);
        c.DrawLine(i.l, H - i.b - 1, W - i.r, H - i.b - 1, m_borderColor);
        i.by(2);
        i.r += 1;
        i.b += 1;
    } else if (threeD && state == StateDown) {
        defaultFrame();
        frame(m_shadowColor);
        i.by(3);
        i.r -= 1;
        i.b -= 1;
    } else if (flat) {
        defaultFrame();
        i.by(1);
    }

    if (isEnabled() && m_showFocus && m_hasFocus) c.DrawFocusRect(i.l, i.t, W - i.r, H - i.b);
}

void Lustrel::paintActiveBorder(Canvas& c, int state) const
{
    const int W = c.Width();
    const int H = c.Height();
    Insets i;
    auto frame = [&](com::OleColor colour) { c.DrawRect(i.l, i.t, W - i.r, H - i.b, colour); };
    auto defaultFrame = [&] {
        if (defaultFrameApplies()) {
            frame(m_borderColor);
            i.by(1);
        }
    };
    const bool flat = m_appearance == ombAppearanceFlat;
    const bool threeD = m_appearance == ombAppearance3D;

    if (m_borderStyle == ombBorderSingle) {
        frame(isEnabled() ? m_borderColor : m_disabledColor);
        i.by(1);
    } else if (m_borderStyle == ombBorderNone && !m_userMode) {
        c.setDrawStyle(2);
        frame(m_borderColor);
        c.setDrawStyle(0);
        i.by(1);
    }

    if (threeD && state == StateUp) {
        if (defaultFrameApplies()) {
            defaultFrame();
            c.DrawRect3D(i.l, i.t, W - i.r, H - i.b, m_highlightColor, m_shadowColor);
            i.by(1);
        }
    } else if (threeD && state == StateHot) {
        defaultFrame();
        c.DrawLine(i.l, i.t, W - i.r, i.t, m_highlightColor);
        c.DrawLine(i.l, i.t, i.l, H - i.b, m_highlightColor);
        c.DrawLine(W - i.r - 1, i.t + 1, W - i.r - 1, H - i.b, m_shadowColor);
        c.DrawLine(i.l + 1, H - i.b - 1, W - i.r - 1, H - i.b - 1, m_shadowColor);
        i.by(3);
    } else if (threeD && state == StateDown) {
        defaultFrame();
        c.DrawRect3D(i.l, i.t, W - i.r, H - i.b, m_shadowColor, m_highlightColor);
        i.by(4);
        i.r -= 2;
        i.b -= 2;
    } else if (flat && defaultFrameApplies()) {
        frame(m_borderColor);
        i.by(state == StateUp ? 1 : 2);
    }

    if (isEnabled() && m_showFocus && m_hasFocus) c.DrawFocusRect(i.l, i.t, W - i.r, H - i.b);
}

void Lustrel::paintWin3xBorder(Canvas& c, int state) const
{
    const int W = c.Width();
    const int H = c.Height();
    Insets i;
    auto frame = [&](com::OleColor colour) { c.DrawRect(i.l, i.t, W - i.r, H - i.b, colour); };
    auto defaultFrame = [&] {
        if (defaultFrameApplies()) {
            frame(m_borderColor);
            i.by(1);
        }
    };

    if (m_borderStyle == ombBorderSingle) {
        frame(ambientBackColor());
        c.DrawLine(i.l + 1, i.t, W - i.r - 1, i.t, m_borderColor);
        c.DrawLine(i.l, i.t + 1, i.l, H - i.b - 1, m_borderColor);
        c.DrawLine(W - i.r - 1, i.t + 1, W - i.r - 1, H - i.b - 1, m_borderColor);
        c.DrawLine(i.l + 1, H - i.b - 1, W - i.r - 1, H - i.b - 1, m_borderColor);
        i.by(1);
        defaultFrame();
    } else if (m_borderStyle == ombBorderNone) {
        if (!m_userMode) {
            c.setDrawStyle(2);
            frame(m_borderColor);
            c.setDrawStyle(0);
            i.by(1);
        }
        defaultFrame();
    }

    if (m_appearance != ombAppearance3D) return;
    if (state == StateUp || state == StateHot) {
        frame(m_highlightColor);
        c.DrawLine(i.l + 1, i.t, i.l + 1, H - i.b, m_highlightColor);
        c.DrawLine(i.l, i.t + 1, W - i.r, i.t + 1, m_highlightColor);
        c.DrawLine(i.l, H - i.b - 1, W - i.r, H - i.b - 1, m_shadowColor);
        c.DrawLine(i.l + 1, H - i.b - 2, W - i.r, H - i.b - 2, m_shadowColor);
        c.DrawLine(W - i.r - 1, i.t, W - i.r - 1, H - i.b, m_shadowColor);
        c.DrawLine(W - i.r - 2, i.t + 1, W - i.r - 2, H - i.b, m_shadowColor);
        i.by(2);
        i.b += 1;
        i.r += 1;
    } else if (state == StateDown) {
        c.DrawLine(i.l, i.t, W - i.r, i.t, m_shadowColor);
        c.DrawLine(i.l, i.t, i.l, H - i.b, m_shadowColor);
        i.by(3);
        i.r -= 1;
        i.b -= 1;
    }
}

} // namespace ombLustrel
