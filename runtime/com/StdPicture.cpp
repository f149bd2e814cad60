#include "runtime/com/StdPicture.h"

#include "runtime/vb/VbError.h"

#include <QBitmap>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPicture>
#include <QPixmap>

namespace com
{

StdPicture::StdPicture(const QImage& bitmap) : m_type(bitmap.isNull() ? None : Bitmap), m_bitmap(bitmap) {}

StdPicture::StdPicture(const QIcon& icon) : m_type(icon.isNull() ? None : Icon), m_icon(icon) {}

StdPicture StdPicture::metafile(Type type)
{
    StdPicture p;
    p.m_type = type;
    return p;
}

std::optional<StdPicture> StdPicture::fromVariant(const QVariant& value)
{
    if (!value.isValid() || value.isNull()) return StdPicture();
    switch (value.metaType().id()) {
    case QMetaType::QPixmap:
        return StdPicture(value.value<QPixmap>().toImage());
    case QMetaType::QImage:
        return StdPicture(value.value<QImage>());
    case QMetaType::QBitmap:
        return StdPicture(value.value<QBitmap>().toImage());
    case QMetaType::QIcon:
        return StdPicture(value.value<QIcon>());
    case QMetaType::QString:
        return load(value.toString());
    default:
        break;
    }
    if (value.metaType() == QMetaType::fromType<StdPicture>()) return value.value<StdPicture>();
    if (value.metaType() == QMetaType::fromType<QPicture>()) return metafile();
    return std::nullopt;
}

StdPicture StdPicture::load(const QString& path)
{
    if (path.isEmpty()) return StdPicture();
    if (!QFileInfo::exists(path)) throw vb::VbError::noSuchFile(path);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"wmf") return metafile(Metafile);
    if (suffix == u"emf") return metafile(EnhMetafile);
    if (suffix == u"ico" || suffix == u"cur") {
        QIcon icon(path);
        if (icon.isNull()) throw vb::VbError::invalidPicture(path);
        return StdPicture(icon);
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) throw vb::VbError::invalidPicture(path);
    return StdPicture(image);
}

QSize StdPicture::size() const
{
    switch (m_type) {
    case Bitmap:
        return m_bitmap.deviceIndependentSize().toSize();
    case Icon: {
        const QList<QSize> sizes = m_icon.availableSizes();
        return sizes.isEmpty() ? QSize(32, 32) : sizes.first();
    }
    default:
        return QSize();
    }
}

QImage StdPicture::image(qreal devicePixelRatio) const
{
    switch (m_type) {
    case Bitmap:
        return m_bitmap.convertToFormat(QImage::Format_ARGB32);
    case Icon: {
        const QSize s = size();
        const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
        QImage out((QSizeF(s) * ratio).toSize(), QImage::Format_ARGB32);
        out.setDevicePixelRatio(ratio);
        out.fill(Qt::transparent);
        QPainter p(&out);
        m_icon.paint(&p, QRect(QPoint(0, 0), s));
        return out;
    }
    default:
        return QImage();
    }
}

QVariant StdPicture::toVariant() const
{
    switch (m_type) {
    case Bitmap:
        return QPixmap::fromImage(m_bitmap);
    case Icon:
        return m_icon;
    default:
        return QVariant();
    }
}

bool operator==(const StdPicture& a, const StdPicture& b)
{
    if (a.m_type != b.m_type) return false;
    switch (a.m_type) {
    case StdPicture::Bitmap:
        return a.m_bitmap == b.m_bitmap;
    case StdPicture::Icon:
        return a.m_icon.cacheKey() == b.m_icon.cacheKey();
    default:
        return true;
    }
}

} // namespace com
