#include "controls/Canvas.h"

#include "runtime/vb/VbError.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ombLustrel
{

namespace
{

QRgb toQRgb(com::ColorRef c)
{
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

// Display text of a caption: "&" removed, the character after it marked, "&&" shown as "&".
QString stripPrefixes(const QString& text, QList<int>* marks)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size()) {
                if (text[i + 1] == u'&') {
                    out += u'&';
                    ++i;
                    continue;
                }
                if (marks) marks->append(static_cast<int>(out.size()));
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

} // namespace

QList<TextLine> layoutText(const QString& text, const QFont& font, int width, uint32_t options)
{
    QList<int> marks;
    const QString shown = (options & DT_NOPREFIX) ? text : stripPrefixes(text, &marks);
    const QFontMetrics fm(font);

    // Lines as ranges of the shown text.
    struct Range {
        qsizetype start;
        qsizetype length;
    };
    QList<Range> ranges;
    QList<Range> paragraphs;
    if (options & DT_SINGLELINE) {
        paragraphs.append({0, shown.size()});
    } else {
        qsizetype start = 0;
        for (qsizetype i = 0; i <= shown.size(); ++i) {
            if (i == shown.size() || shown[i] == u'\n' || shown[i] == u'\r') {
                paragraphs.append({start, i - start});
                if (i < shown.size() && shown[i] == u'\r' && i + 1 < shown.size() && shown[i + 1] == u'\n')
                    ++i;
                start = i + 1;
            }
        }
    }

    const bool wrap = (options & DT_WORDBREAK) && !(options & DT_SINGLELINE);
    auto widthOf = [&](qsizetype start, qsizetype length) {
        return fm.horizontalAdvance(shown.mid(start, length));
    };
    for (const Range& para : paragraphs) {
        if (!wrap || widthOf(para.start, para.length) <= width) {
            ranges.append(para);
            continue;
        }
        qsizetype pos = para.start;
        const qsizetype end = para.start + para.length;
        while (pos < end) {
            // Greedy: take words while they fit.
            qsizetype lineEnd = pos;
            qsizetype scan = pos;
            while (scan < end) {
                qsizetype wordEnd = scan;
                while (wordEnd < end && shown[wordEnd] == u' ')
                    ++wordEnd;
                while (wordEnd < end && shown[wordEnd] != u' ')
                    ++wordEnd;
                if (widthOf(pos, wordEnd - pos) <= width) {
                    lineEnd = wordEnd;
                    scan = wordEnd;
                } else {
                    break;
                }
            }
            if (lineEnd == pos) {
                // A word too long for the line breaks between characters (at least one each).
                qsizetype chars = 1;
                while (pos + chars < end && shown[pos + chars] != u' ' && widthOf(pos, chars + 1) <= width)
                    ++chars;
                lineEnd = pos + chars;
            }
            qsizetype trimmed = lineEnd;
            while (trimmed > pos && shown[trimmed - 1] == u' ')
                --trimmed;
            ranges.append({pos, trimmed - pos});
            pos = lineEnd;
            while (pos < end && shown[pos] == u' ')
                ++pos;
        }
    }

    QList<TextLine> lines;
    for (const Range& r : ranges) {
        TextLine line{shown.mid(r.start, r.length), {}};
        for (int m : marks) {
            if (m >= r.start && m < r.start + r.length) line.underlined.append(static_cast<int>(m - r.start));
        }
        lines.append(line);
    }
    if (shown.isEmpty()) lines.clear();
    return lines;
}

Canvas::Canvas() = default;
Canvas::~Canvas() = default;

intptr_t Canvas::CreatehDC()
{
    m_hdc = reinterpret_cast<intptr_t>(this);
    return m_hdc;
}

void Canvas::requireDc(const QString& source) const
{
    if (m_hdc == 0)
        throw vb::VbError(vb::ErrObjectDefined,
                          QStringLiteral("Must set hDC property before performing this operation"), source);
}

void Canvas::CreateBitmap(intptr_t, int bitmapWidth, int bitmapHeight)
{
    requireDc(QStringLiteral("CreateBitmap"));
    m_width = std::max(0, bitmapWidth);
    m_height = std::max(0, bitmapHeight);
    m_image = QImage(std::max(1, device(m_width)), std::max(1, device(m_height)), QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_ratio);
    m_image.fill(Qt::black);
}

int Canvas::device(int v) const
{
    return m_ratio == 1.0 ? v : static_cast<int>(std::lround(v * m_ratio));
}

void Canvas::InitProperties()
{
    requireDc(QStringLiteral("Initialize"));
    m_currentX = 0;
    m_currentY = 0;
    setDrawMode(R2_COPYPEN);
    setDrawStyle(0);
    setDrawWidth(1);
    setFillColor(0x8000000Fu);
    setFillStyle(1);
    setFontTransparent(true);
    setForeColor(0x80000012u);
    setScaleMode(3);
}

void Canvas::setBackColor(com::OleColor newBackColor)
{
    m_backColor = com::translateColor(newBackColor);
}

void Canvas::setFillColor(com::OleColor color)
{
    m_fillColor = com::translateColor(color);
}

void Canvas::setForeColor(com::OleColor color)
{
    m_foreColor = com::translateColor(color);
}

void Canvas::plot(int x, int y, com::ColorRef color)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    const QRgb value = toQRgb(color);
    const int x1 = std::min(device(x + 1), m_image.width());
    const int y1 = std::min(device(y + 1), m_image.height());
    for (int dy = device(y); dy < y1; ++dy) {
        QRgb* row = reinterpret_cast<QRgb*>(m_image.scanLine(dy));
        for (int dx = device(x); dx < x1; ++dx) {
            switch (m_drawMode) {
            case R2_NOT:
                row[dx] = row[dx] ^ 0x00FFFFFFu;
                break;
            case R2_XORPEN:
                row[dx] = row[dx] ^ (value & 0x00FFFFFFu);
                break;
            default:
                row[dx] = value;
                break;
            }
        }
    }
}

com::ColorRef Canvas::pixelAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    return com::fromQColor(QColor(m_image.pixel(device(x), device(y))));
}

void Canvas::Cls()
{
    if (m_width > 0 && m_height > 0) m_image.fill(toQRgb(m_backColor));
}

void Canvas::ClsRect(int left, int top, int right, int bottom)
{
    if (m_fillStyle != 0) return; // a hollow brush paints nothing
    const int saved = m_drawMode;
    m_drawMode = R2_COPYPEN;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            plot(x, y, m_fillColor);
    m_drawMode = saved;
}

void Canvas::FillRectangle(int left, int top, int right, int bottom, com::OleColor color)
{
    const com::ColorRef c = com::translateColor(color);
    const int saved = m_drawMode;
    m_drawMode = R2_COPYPEN;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            plot(x, y, c);
    m_drawMode = saved;
}

void Canvas::DrawFocusRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top) return;
    const int saved = m_drawMode;
    m_drawMode = R2_NOT;
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0) plot(x, y, 0);
    };
    for (int x = left; x < right; ++x) {
        dot(x, top);
        if (bottom - 1 != top) dot(x, bottom - 1);
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        dot(left, y);
        if (right - 1 != left) dot(right - 1, y);
    }
    m_drawMode = saved;
}

void Canvas::DrawPixel(float x, float y, com::ColorRef color)
{
    const int saved = m_drawMode;
    m_drawMode = R2_COPYPEN;
    plot(static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y)), color & 0xFFFFFF);
    m_drawMode = saved;
}

void Canvas::lineWithPattern(int x1, int y1, int x2, int y2, com::ColorRef color)
{
    // Bresenham from (x1, y1) towards (x2, y2), the end point left out.
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1;
    int y = y1;
    const int half = m_drawWidth / 2;
    while (x != x2 || y != y2) {
        const bool on = m_drawStyle != 2 || (m_patternStep % 2) == 0;
        ++m_patternStep;
        if (on) {
            for (int oy = -half; oy < m_drawWidth - half; ++oy)
                for (int ox = -half; ox < m_drawWidth - half; ++ox)
                    plot(x + ox, y + oy, color);
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    m_currentX = x2;
    m_currentY = y2;
}

void Canvas::DrawLine(int left, int top, int right, int bottom, int64_t penColor)
{
    if (penColor == -1) {
        lineWithPattern(left, top, right, bottom, m_foreColor);
        return;
    }
    const com::ColorRef remembered = m_foreColor;
    setForeColor(static_cast<com::OleColor>(penColor));
    lineWithPattern(left, top, right, bottom, m_foreColor);
    m_foreColor = remembered;
}

void Canvas::DrawRect(int left, int top, int right, int bottom, com::OleColor penColor)
{
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return;
    const com::ColorRef remembered = m_foreColor;
    setForeColor(penColor);
    if (m_fillStyle == 0) {
        const int saved = m_drawMode;
        m_drawMode = R2_COPYPEN;
        for (int y = top + 1; y < bottom - 1; ++y)
            for (int x = left + 1; x < right - 1; ++x)
                plot(x, y, m_fillColor);
        m_drawMode = saved;
    }
    // The outline runs round the inside of the rectangle's limits, clockwise from the top left.
    m_patternStep = 0;
    const int r = right - 1;
    const int b = bottom - 1;
    if (r == left || b == top) {
        // One pixel wide or high: a single run.
        for (int y = top; y <= b; ++y)
            for (int x = left; x <= r; ++x)
                plot(x, y, m_foreColor);
    } else {
        lineWithPattern(left, top, r, top, m_foreColor);
        lineWithPattern(r, top, r, b, m_foreColor);
        lineWithPattern(r, b, left, b, m_foreColor);
        lineWithPattern(left, b, left, top, m_foreColor);
    }
    m_foreColor = remembered;
}

void Canvas::DrawRect3D(int left, int top, int right, int bottom, com::OleColor highlightColor,
                        com::OleColor shadowColor)
{
    const com::ColorRef hi = com::translateColor(highlightColor);
    const com::ColorRef sh = com::translateColor(shadowColor);
    const int savedStyle = m_drawStyle;
    m_drawStyle = 0;
    lineWithPattern(left, bottom - 1, left, top - 1, hi);
    lineWithPattern(left, top, right, top, hi);
    lineWithPattern(right - 1, top + 1, right - 1, bottom, sh);
    lineWithPattern(right - 1, bottom - 1, left, bottom - 1, sh);
    m_drawStyle = savedStyle;
}

void Canvas::DrawRoundRect(int left, int top, int right, int bottom, com::OleColor outlineColor,
                           com::OleColor)
{
    const com::ColorRef remembered = m_foreColor;
    if (outlineColor != 0) setForeColor(outlineColor);
    QPainter p(&m_image);
    p.setPen(QColor(toQRgb(m_foreColor)));
    if (m_fillStyle == 0)
        p.setBrush(QColor(toQRgb(m_fillColor)));
    else
        p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRect(left, top, right - left - 1, bottom - top - 1), 7.5, 7.5);
    p.end();
    m_foreColor = remembered;
}

void Canvas::FillRoundRect(int left, int top, int right, int bottom, com::OleColor outlineColor,
                           com::OleColor)
{
    const com::ColorRef c = com::translateColor(outlineColor);
    const int savedStyle = m_drawStyle;
    m_drawStyle = 0;
    const int y = top;
    auto px = [&](int x, int yy) { plot(x, yy, c); };
    lineWithPattern(left + 5, y, right - 4, y, c);
    px(left + 3, y + 1), px(left + 4, y + 1), px(right - 4, y + 1), px(right - 3, y + 1);
    px(left + 2, y + 2), px(right - 2, y + 2);
    px(left + 1, y + 3), px(right - 1, y + 3);
    px(left + 1, y + 4), px(right - 1, y + 4);
    lineWithPattern(left, y + 5, left, bottom - 4, c);
    lineWithPattern(right, y + 5, right, bottom - 4, c);
    px(left + 1, bottom - 4), px(right - 1, bottom - 4), px(left + 1, bottom - 3), px(right - 1, bottom - 3);
    px(left + 2, bottom - 2), px(right - 2, bottom - 2);
    px(left + 3, bottom - 1), px(left + 4, bottom - 1), px(right - 3, bottom - 1), px(right - 4, bottom - 1);
    lineWithPattern(left + 5, bottom, right - 4, bottom, c);
    m_drawStyle = savedStyle;

    // Flood fill with the brush, bounded by the outline colour.
    if (m_fillStyle != 0 || m_width <= 0) return;
    const com::ColorRef boundary = c;
    const com::ColorRef fill = m_fillColor;
    if (boundary == fill) return;
    const int savedMode = m_drawMode;
    m_drawMode = R2_COPYPEN;
    QList<QPoint> stack{QPoint(left + 2, y + 6)};
    while (!stack.isEmpty()) {
        const QPoint p = stack.takeLast();
        if (p.x() < 0 || p.y() < 0 || p.x() >= m_width || p.y() >= m_height) continue;
        const com::ColorRef pixel = pixelAt(p.x(), p.y());
        if (pixel == boundary || pixel == fill) continue;
        plot(p.x(), p.y(), fill);
        stack.append({QPoint(p.x() + 1, p.y()), QPoint(p.x() - 1, p.y()), QPoint(p.x(), p.y() + 1),
                      QPoint(p.x(), p.y() - 1)});
    }
    m_drawMode = savedMode;
}

void Canvas::FillRectGradient(int left, int top, int right, int bottom, com::OleColor startColor,
                              com::OleColor endColor)
{
    // Bands nest into the bottom-right corner, from the start colour outside to the end colour.
    if (m_gradientBands == 0) m_gradientBands = 256;
    const int bands = m_gradientBands;
    const int w = right - left;
    const int h = bottom - top;
    const int hstep = static_cast<int>(std::nearbyint(double(h) / bands));
    const int wstep = static_cast<int>(std::nearbyint(double(w) / bands));
    const com::ColorRef from = com::translateColor(startColor);
    const com::ColorRef to = com::translateColor(endColor);
    auto mix = [&](int shift, int i) {
        const int a = static_cast<int>((from >> shift) & 0xFF);
        const int b = static_cast<int>((to >> shift) & 0xFF);
        return a + (b - a) * i / bands;
    };
    int rr = w;
    int rb = h;
    for (int i = 0; i < bands && (hstep > 0 || wstep > 0); ++i) {
        const com::OleColor c = com::rgb(mix(0, i), mix(8, i), mix(16, i));
        FillRectangle(left, top + rb - hstep, left + rr, top + rb, c);
        FillRectangle(left + rr - wstep, top, left + rr, top + rb, c);
        rb -= hstep;
        rr -= wstep;
    }
    FillRectangle(left, top, left + rr, top + rb, to);
}

void Canvas::CreateFont(const QFont& baseFont)
{
    m_font = baseFont;
    m_font.setStyleStrategy(QFont::PreferAntialias);
}

void Canvas::PrintText(const QString& text, int left, int top)
{
    if (left == 0) left = m_currentX;
    if (top == 0) top = m_currentY;
    DrawTextOut(text, left, top, left + 32767, top + 1, DT_SINGLELINE | DT_NOPREFIX);
}

QRect Canvas::MeasureText(const QString& text, int left, int top, int right, int, uint32_t options) const
{
    const QList<TextLine> lines = layoutText(text, m_font, right - left, options);
    const QFontMetrics fm(m_font);
    int widest = 0;
    for (const TextLine& line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line.text));
    return QRect(QPoint(left, top),
                 QPoint(left + widest - 1, top + static_cast<int>(lines.size()) * fm.height() - 1));
}

QRect Canvas::DrawTextOut(const QString& text, int left, int top, int right, int bottom, uint32_t options)
{
    const QRect fitted = MeasureText(text, left, top, right, bottom, options);
    if (options & DT_CALCRECT) return fitted;
    const QList<TextLine> lines = layoutText(text, m_font, right - left, options);
    if (lines.isEmpty() || m_width <= 0) return fitted;
    const QFontMetrics fm(m_font);
    QPainter p(&m_image);
    p.setFont(m_font);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor fore(toQRgb(m_foreColor));
    int y = top;
    const int blockWidth = fitted.width();
    for (const TextLine& line : lines) {
        const int lw = fm.horizontalAdvance(line.text);
        int x = left;
        if (options & DT_CENTER)
            x = left + (blockWidth - lw) / 2;
        else if (options & DT_RIGHT)
            x = left + blockWidth - lw;
        if (!m_fontTransparent) p.fillRect(QRect(x, y, lw, fm.height()), QColor(toQRgb(m_backColor)));
        p.setPen(fore);
        p.drawText(QPoint(x, y + fm.ascent()), line.text);
        for (int u : line.underlined) {
            const int ux = x + fm.horizontalAdvance(line.text.left(u));
            const int uw = fm.horizontalAdvance(line.text.mid(u, 1));
            const int uy = y + fm.ascent() + std::max(1, fm.underlinePos());
            p.fillRect(QRect(ux, uy, std::max(1, uw), std::max(1, fm.lineWidth())), fore);
        }
        y += fm.height();
    }
    return fitted;
}

} // namespace ombLustrel
