#pragma once

#include "runtime/com/OleColor.h"
#include "runtime/com/StdPicture.h"

#include <QImage>

#include <optional>

namespace ombLustrel
{

class Canvas;

// Paints a picture object onto a surface: unchanged, with one colour transparent, as a
// one-colour silhouette, embossed, or over a soft shadow. Colours are OLE colours; a picture
// that is neither bitmap nor icon raises error 481.
class PaintEffects
{
public:
    void PaintNormalStdPic(QImage& dest, int xDest, int yDest, int width, int height,
                           const com::StdPicture& picSource, int xSrc, int ySrc) const;
    void PaintTransparentStdPic(QImage& dest, int xDest, int yDest, int width, int height,
                                const com::StdPicture& picSource, int xSrc, int ySrc,
                                com::OleColor clrMask) const;
    // Copies the source area; its pixels of the mask colour leave the destination as it was.
    void PaintTransparentDC(QImage& dest, int xDest, int yDest, int width, int height, const QImage& src,
                            int xSrc, int ySrc, com::OleColor clrMask) const;
    // Silhouette in clrForeColor; with useMaskColor the mask-coloured pixels stay transparent,
    // without it the whole picture rectangle is filled.
    void PaintMonoStandardPic(const com::StdPicture& picSource, Canvas& destCanvas, int xDest, int yDest,
                              int picWidth, int picHeight, com::OleColor clrMask, com::OleColor clrForeColor,
                              std::optional<bool> useMaskColor = std::nullopt) const;
    // Embossed look: the figure in the highlight colour one pixel right and down, then in the
    // shadow colour at its place.
    void PaintDisabledStdPic(QImage& dest, int xDest, int yDest, int width, int height,
                             const com::StdPicture& picSource, int xSrc, int ySrc, com::OleColor clrMask,
                             com::OleColor clrHighlight, com::OleColor clrShadow) const;
    // The picture over a blurred shadow, smoothness pixels wide.
    void PaintBlurredStandardPic(const com::StdPicture& picSource, Canvas& destCanvas, int xDest, int yDest,
                                 int picWidth, int picHeight, int smoothness, com::OleColor clrMask,
                                 com::OleColor clrShadow, bool useMaskColor) const;

private:
    static void requirePicture(const com::StdPicture& picture);
    // The picture area on a ground of the mask colour, as an opaque image.
    static QImage onMaskGround(const com::StdPicture& picture, int xSrc, int ySrc, int width, int height,
                               com::ColorRef mask);
};

} // namespace ombLustrel
