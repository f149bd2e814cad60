#include "controls/PaintEffects.h"

#include "controls/Canvas.h"
#include "runtime/vb/VbError.h"

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

} // namespace

void PaintEffects::requirePicture(const com::StdPicture& picture)
{
    if (picture.type() != com::StdPicture::Bitmap && picture.type() != com::StdPicture::Icon)
        throw vb::VbError::invalidPicture();
}

QImage PaintEffects::onMaskGround(const com::StdPicture& picture, int xSrc, int ySrc, int width, int height,
                                  com::ColorRef mask)
{
    // Soft edges are made hard first (covered at least half: the picture's colour, else the mask
    // colour), so that no pixel of the ground is a blend with the mask colour.
    QImage image = picture.image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qAlpha(row[x]) >= 128 ? (row[x] | 0xFF000000u) : 0u;
    }
    QImage ground(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    ground.fill(toQRgb(mask));
    QPainter p(&ground);
    if (picture.type() == com::StdPicture::Icon) {
        // An icon is drawn at its natural size from the top left; the source offset is not used.
        p.drawImage(0, 0, image);
    } else {
        p.drawImage(QPoint(0, 0), image, QRect(xSrc, ySrc, width, height));
    }
    return ground;
}

namespace
{

// The picture's own image: a bitmap at its device pixel ratio, an icon drawn at the given one.
QImage pictureImage(const com::StdPicture& picture, qreal ratio)
{
    return picture.type() == com::StdPicture::Icon ? picture.image(ratio) : picture.image();
}

// A copy in which the pixels of the mask colour are transparent.
QImage keyedOut(QImage image, QRgb mask)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0x00FFFFFFu) == mask) row[x] = 0;
        }
    }
    return image;
}

// Draws the logical area (xSrc, ySrc, width, height) of the image at (xDest, yDest), blending
// by its alpha; the parts of the area outside the image draw nothing.
void drawArea(QImage& dest, int xDest, int yDest, int width, int height, const QImage& image, qreal xSrc,
              qreal ySrc)
{
    const qreal rs = image.devicePixelRatio();
    const QRectF wanted(xSrc, ySrc, width, height);
    const QRectF available = wanted & QRectF(QPointF(0, 0), image.deviceIndependentSize());
    if (available.isEmpty()) return;
    const QRectF target = available.translated(xDest - xSrc, yDest - ySrc);
    const QRectF source(available.topLeft() * rs, available.size() * rs);
    QPainter p(&dest);
    p.setRenderHint(QPainter::SmoothPixmapTransform, rs != dest.devicePixelRatio());
    p.drawImage(target, image, source);
}

int toDevice(int v, qreal ratio)
{
    return ratio == 1.0 ? v : static_cast<int>(std::lround(v * ratio));
}

} // namespace

void PaintEffects::PaintNormalStdPic(QImage& dest, int xDest, int yDest, int width, int height,
                                     const com::StdPicture& picSource, int xSrc, int ySrc) const
{
    requirePicture(picSource);
    if (width <= 0 || height <= 0) return;
    if (picSource.type() == com::StdPicture::Icon) {
        QPainter p(&dest);
        picSource.icon().paint(&p, QRect(xDest, yDest, width, height));
        return;
    }
    drawArea(dest, xDest, yDest, width, height, picSource.image(), xSrc, ySrc);
}

void PaintEffects::PaintTransparentDC(QImage& dest, int xDest, int yDest, int width, int height,
                                      const QImage& src, int xSrc, int ySrc, com::OleColor clrMask) const
{
    const QRgb mask = toQRgb(com::translateColor(clrMask)) & 0x00FFFFFFu;
    const qreal rd = dest.devicePixelRatio();
    QImage source = src;
    if (source.devicePixelRatio() != rd) {
        // Brought to the destination's resolution first.
        source = source.scaled((source.deviceIndependentSize() * rd).toSize(), Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
        source.setDevicePixelRatio(rd);
    }
    const bool blend = source.hasAlphaChannel();
    source = source.convertToFormat(blend ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int dx0 = toDevice(xDest, rd);
    const int dy0 = toDevice(yDest, rd);
    const int sx0 = toDevice(xSrc, rd);
    const int sy0 = toDevice(ySrc, rd);
    const int w = toDevice(xDest + width, rd) - dx0;
    const int h = toDevice(yDest + height, rd) - dy0;
    for (int y = 0; y < h; ++y) {
        const int sy = sy0 + y;
        const int dy = dy0 + y;
        if (sy < 0 || sy >= source.height() || dy < 0 || dy >= dest.height()) continue;
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        QRgb* out = reinterpret_cast<QRgb*>(dest.scanLine(dy));
        for (int x = 0; x < w; ++x) {
            const int sx = sx0 + x;
            const int dx = dx0 + x;
            if (sx < 0 || sx >= source.width() || dx < 0 || dx >= dest.width()) continue;
            const QRgb p = in[sx];
            if ((p & 0x00FFFFFFu) == mask) continue;
            const int a = blend ? qAlpha(p) : 255;
            if (a == 0) continue;
            if (a == 255) {
                out[dx] = p | 0xFF000000u;
                continue;
            }
            // A soft edge blends with what lies under it, never with the mask colour.
            const QRgb under = out[dx];
            auto mix = [a](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
            out[dx] =
                qRgb(mix(qRed(p), qRed(under)), mix(qGreen(p), qGreen(under)), mix(qBlue(p), qBlue(under)));
        }
    }
}

void PaintEffects::PaintTransparentStdPic(QImage& dest, int xDest, int yDest, int width, int height,
                                          const com::StdPicture& picSource, int xSrc, int ySrc,
                                          com::OleColor clrMask) const
{
    requirePicture(picSource);
    if (width <= 0 || height <= 0) return;
    const QRgb mask = toQRgb(com::translateColor(clrMask)) & 0x00FFFFFFu;
    const QImage keyed = keyedOut(pictureImage(picSource, dest.devicePixelRatio()), mask);
    // An icon is drawn at its natural size from the top left; the source offset is not used.
    const bool icon = picSource.type() == com::StdPicture::Icon;
    drawArea(dest, xDest, yDest, width, height, keyed, icon ? 0 : xSrc, icon ? 0 : ySrc);
}

void PaintEffects::PaintMonoStandardPic(const com::StdPicture& picSource, Canvas& destCanvas, int xDest,
                                        int yDest, int picWidth, int picHeight, com::OleColor clrMask,
                                        com::OleColor clrForeColor, std::optional<bool> useMaskColor) const
{
    requirePicture(picSource);
    if (picWidth <= 0 || picHeight <= 0) return;
    // The figure on a clear ground at the surface's resolution: its transparent and mask-coloured
    // pixels stay clear, its soft edges keep their coverage.
    const qreal ratio = destCanvas.devicePixelRatio();
    QImage figure(toDevice(picWidth, ratio), toDevice(picHeight, ratio), QImage::Format_ARGB32);
    figure.setDevicePixelRatio(ratio);
    figure.fill(Qt::transparent);
    PaintTransparentStdPic(figure, 0, 0, picWidth, picHeight, picSource, 0, 0, clrMask);

    const QRgb fore = toQRgb(com::translateColor(clrForeColor)) & 0x00FFFFFFu;
    const bool keepMask = useMaskColor.value_or(true);
    for (int y = 0; y < figure.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(figure.scanLine(y));
        for (int x = 0; x < figure.width(); ++x)
            row[x] = fore | (keepMask ? row[x] & 0xFF000000u : 0xFF000000u);
    }
    PaintTransparentDC(destCanvas.image(), xDest, yDest, picWidth, picHeight, figure, 0, 0, clrMask);
}

void PaintEffects::PaintDisabledStdPic(QImage& dest, int xDest, int yDest, int width, int height,
                                       const com::StdPicture& picSource, int xSrc, int ySrc,
                                       com::OleColor clrMask, com::OleColor clrHighlight,
                                       com::OleColor clrShadow) const
{
    requirePicture(picSource);
    if (width <= 0 || height <= 0) return;
    const com::ColorRef mask = com::translateColor(clrMask);
    const QImage ground = onMaskGround(picSource, xSrc, ySrc, width, height, mask);
    const QRgb maskRgb = toQRgb(mask) & 0x00FFFFFFu;
    // The figure: pixels neither mask-coloured nor white.
    auto figure = [&](com::ColorRef colour) {
        QImage out(width, height, QImage::Format_RGB32);
        const QRgb c = toQRgb(colour);
        for (int y = 0; y < height; ++y) {
            const QRgb* in = reinterpret_cast<const QRgb*>(ground.constScanLine(y));
            QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const QRgb p = in[x] & 0x00FFFFFFu;
                o[x] = (p == maskRgb || p == 0x00FFFFFFu) ? (maskRgb | 0xFF000000u) : c;
            }
        }
        return out;
    };
    QImage work = dest.copy(xDest, yDest, width, height).convertToFormat(QImage::Format_RGB32);
    PaintTransparentDC(work, 1, 1, width - 1, height - 1, figure(com::translateColor(clrHighlight)), 0, 0,
                       mask);
    PaintTransparentDC(work, 0, 0, width, height, figure(com::translateColor(clrShadow)), 0, 0, mask);
    QPainter p(&dest);
    p.drawImage(xDest, yDest, work);
}

void PaintEffects::PaintBlurredStandardPic(const com::StdPicture& picSource, Canvas& destCanvas, int xDest,
                                           int yDest, int picWidth, int picHeight, int smoothness,
                                           com::OleColor clrMask, com::OleColor clrShadow,
                                           bool useMaskColor) const
{
    requirePicture(picSource);
    smoothness = std::max(0, smoothness);
    const int w2 = picWidth + 2 * smoothness;
    const int h2 = picHeight + 2 * smoothness;
    if (w2 <= 0 || h2 <= 0) return;
    const com::ColorRef mask = com::translateColor(clrMask);
    const QRgb maskRgb = toQRgb(mask) & 0x00FFFFFFu;
    QImage figure(w2, h2, QImage::Format_RGB32);
    figure.fill(toQRgb(mask));
    {
        QPainter p(&figure);
        p.drawImage(smoothness, smoothness, onMaskGround(picSource, 0, 0, picWidth, picHeight, mask));
    }

    // Shadow: the background under the destination area where the picture is transparent,
    // the shadow colour elsewhere; then softened smoothness times by a 3 x 3 average.
    const QImage& back = destCanvas.image();
    QImage shadow(w2, h2, QImage::Format_RGB32);
    const QRgb shade = toQRgb(com::translateColor(clrShadow));
    for (int y = 0; y < h2; ++y) {
        for (int x = 0; x < w2; ++x) {
            const bool clear = useMaskColor && (figure.pixel(x, y) & 0x00FFFFFFu) == maskRgb;
            const QPoint at(xDest + x, yDest + y);
            const QRgb under = back.rect().contains(at) ? back.pixel(at) : toQRgb(mask);
            shadow.setPixel(x, y, clear ? under : shade);
        }
    }
    for (int pass = 0; pass < smoothness; ++pass) {
        const QImage before = shadow;
        for (int y = 0; y < h2; ++y) {
            for (int x = 0; x < w2; ++x) {
                int r = 0, g = 0, b = 0, n = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int sx = std::clamp(x + dx, 0, w2 - 1);
                        const int sy = std::clamp(y + dy, 0, h2 - 1);
                        const QRgb p = before.pixel(sx, sy);
                        r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
                    }
                }
                shadow.setPixel(
                    x, y,
                    qRgb(std::clamp(r / n, 0, 255), std::clamp(g / n, 0, 255), std::clamp(b / n, 0, 255)));
            }
        }
    }
    QPainter p(&destCanvas.image());
    p.drawImage(xDest + smoothness, yDest + smoothness, shadow, 0, 0, w2 - smoothness, h2 - smoothness);
    p.end();
    PaintTransparentDC(destCanvas.image(), xDest, yDest, w2 - smoothness, h2 - smoothness, figure, smoothness,
                       smoothness, mask);
}

} // namespace ombLustrel
