#pragma once

#include <QIcon>
#include <QImage>
#include <QMetaType>
#include <QSize>
#include <QString>
#include <QVariant>

#include <optional>

namespace com
{

// A picture object as controls store it: none, a bitmap or an icon (metafiles are only
// recognised, so that a control can refuse them).
class StdPicture
{
public:
    enum Type { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhMetafile = 4 };

    StdPicture() = default;
    explicit StdPicture(const QImage& bitmap);
    explicit StdPicture(const QIcon& icon);
    static StdPicture metafile(Type type = Metafile);

    // None for an invalid variant or a null picture; QPixmap/QImage/QBitmap give a bitmap, QIcon
    // an icon, QPicture a metafile, a text a picture loaded from that file (VbError 53 for a
    // missing file, 481 for an unreadable one). Any other value: nullopt.
    static std::optional<StdPicture> fromVariant(const QVariant& value);
    static StdPicture load(const QString& path);

    Type type() const { return m_type; }
    bool isNone() const { return m_type == None; }
    QImage bitmap() const { return m_bitmap; }
    QIcon icon() const { return m_icon; }
    // Logical pixels (a bitmap made at a device pixel ratio counts its pixels divided by it); an
    // icon's first available size, else 32 x 32.
    QSize size() const;

    // The image as drawn at its natural size on a transparent ground (ARGB32); an icon is drawn
    // at the given device pixel ratio, a bitmap keeps its own.
    QImage image(qreal devicePixelRatio = 1.0) const;

    // QPixmap for a bitmap, QIcon for an icon, a null variant for none.
    QVariant toVariant() const;

    friend bool operator==(const StdPicture& a, const StdPicture& b);

private:
    Type m_type = None;
    QImage m_bitmap;
    QIcon m_icon;
};

} // namespace com

Q_DECLARE_METATYPE(com::StdPicture)
