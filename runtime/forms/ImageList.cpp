#include "runtime/forms/ImageList.h"

#include "runtime/forms/App.h"
#include "runtime/vb/VbError.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace forms
{

ImageList::ImageList(QString folder, QSize size)
    : m_folder(folder.isEmpty() ? App::Path() + QStringLiteral("/pictures") : std::move(folder)), m_size(size)
{
}

void ImageList::setImageSize(QSize size)
{
    m_size = size;
    m_cache.clear();
}

void ImageList::add(const QString& key)
{
    if (!m_keys.contains(key)) m_keys << key;
}

bool ImageList::contains(const QString& key) const
{
    return m_keys.contains(key, Qt::CaseInsensitive);
}

QPixmap ImageList::picture(const QString& key) const
{
    const auto listed = std::find_if(m_keys.cbegin(), m_keys.cend(), [&](const QString& k) {
        return k.compare(key, Qt::CaseInsensitive) == 0;
    });
    if (listed == m_keys.cend()) throw vb::VbError::elementNotFound();
    const QString& name = *listed;
    auto cached = m_cache.constFind(name);
    if (cached != m_cache.cend()) return *cached;

    QPixmap pixmap;
    const QString file = m_folder + QLatin1Char('/') + name + QStringLiteral(".svg");
    if (QFile::exists(file)) {
        QSvgRenderer renderer(file);
        if (renderer.isValid()) {
            // Keep the drawing's proportions inside the list's image size.
            QSize size = renderer.defaultSize();
            if (size.isEmpty()) size = m_size.isEmpty() ? QSize(160, 120) : m_size;
            if (!m_size.isEmpty()) size.scale(m_size, Qt::KeepAspectRatio);
            // Drawn at the screens' pixel ratio, so that the picture is sharp on a scaled screen.
            const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
            pixmap = QPixmap((QSizeF(size) * ratio).toSize());
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
    }
    m_cache.insert(name, pixmap);
    return pixmap;
}

QStringList ImageList::standardKeys()
{
    return {QStringLiteral("Style0"),  QStringLiteral("Style1"),  QStringLiteral("Style2"),
            QStringLiteral("Style3"),  QStringLiteral("Bedroom"), QStringLiteral("Gable"),
            QStringLiteral("Hip"),     QStringLiteral("Pitch4"),  QStringLiteral("Pitch8"),
            QStringLiteral("Pitch10"), QStringLiteral("Pitch12")};
}

} // namespace forms
