#include "pages/frame/ButtonPictures.h"

#include "shell/basStyleControl.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pages
{
namespace
{

struct Face {
    QString name;
    QString text;
    QColor colour;
};

const Face kFaces[] = {
    {QStringLiteral("cmdBack"), QStringLiteral("\u25C0 Back"), QColor(0x35, 0x5c, 0x9a)},
    {QStringLiteral("cmdContinue"), QStringLiteral("Continue \u25B6"), QColor(0x2e, 0x7d, 0x32)},
    {QStringLiteral("cmdYes"), QStringLiteral("Yes"), QColor(0x2e, 0x7d, 0x32)},
    {QStringLiteral("cmdNo"), QStringLiteral("No"), QColor(0xa3, 0x3b, 0x2c)},
    {QStringLiteral("cmdHelp"), QStringLiteral("? Help"), QColor(0x6a, 0x4c, 0x93)},
    {QStringLiteral("cmdNavigation"), QString(), QColor(0x35, 0x5c, 0x9a)},
};

} // namespace

QPixmap buttonPicture(const QString& buttonName, QSize size, qreal devicePixelRatio)
{
    Face face{buttonName, QString(), QColor(0x35, 0x5c, 0x9a)};
    for (const Face& f : kFaces) {
        if (f.name == buttonName) face = f;
    }

    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap((QSizeF(size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const QRect area(QPoint(0, 0), size);
    const QRectF box = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, face.colour.lighter(135));
    fill.setColorAt(1, face.colour);
    QPainterPath path;
    path.addRoundedRect(box, 5, 5);
    p.fillPath(path, fill);
    p.setPen(face.colour.darker(140));
    p.drawPath(path);

    p.setPen(Qt::white);
    if (face.text.isEmpty()) {
        // Navigation: three list lines.
        const qreal w = size.width(), h = size.height();
        for (int i = 0; i < 3; ++i) {
            const qreal y = h * (0.3 + 0.2 * i);
            p.drawLine(QPointF(w * 0.25, y), QPointF(w * 0.75, y));
        }
    } else {
        QFont font = StyleFont(10, true);
        font.setPixelSize(qMax(9, size.height() / 2));
        p.setFont(font);
        p.drawText(area, Qt::AlignCenter, face.text);
    }
    return pixmap;
}

} // namespace pages
