#include "ui/look/app_icon.h"

#include "ui/look/look.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace lunetide::ui {
namespace {

// An ivory crescent moon on a deep-blue rounded square, framed in the house orange, with a small
// orange star beside the crescent from 32 pixels up. Drawn in device pixels so that it is sharp.
QPixmap DrawIcon(int pixels)
{
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal s = pixels;
    const qreal border = std::max<qreal>(1.0, s / 20.0);
    const QRectF tile(border / 2, border / 2, s - border, s - border);
    QLinearGradient sky(tile.topLeft(), tile.bottomRight());
    sky.setColorAt(0.0, QColor(0x12, 0x1C, 0x5C));
    sky.setColorAt(1.0, QColor(0x02, 0x03, 0x12));
    painter.setPen(QPen(QColor(0xFF, 0x80, 0x00), border));
    painter.setBrush(sky);
    painter.drawRoundedRect(tile, s * 0.2, s * 0.2);

    // The crescent: a full disc less a disc shifted towards the upper right.
    const QPointF centre(s * 0.46, s * 0.54);
    const qreal radius = s * 0.32;
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath shadow;
    shadow.addEllipse(centre + QPointF(radius * 0.55, -radius * 0.3), radius * 0.9, radius * 0.9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xF6, 0xDC));
    painter.drawPath(disc.subtracted(shadow));

    if (pixels >= 32) {
        // A four-pointed star in the hollow of the crescent.
        const QPointF star(s * 0.72, s * 0.34);
        const qreal outer = s * 0.09;
        const qreal inner = outer * 0.32;
        QPainterPath points;
        for (int i = 0; i < 8; ++i) {
            const qreal angle = i * M_PI / 4 - M_PI / 2;
            const qreal r = i % 2 == 0 ? outer : inner;
            const QPointF p = star + QPointF(r * std::cos(angle), r * std::sin(angle));
            i == 0 ? points.moveTo(p) : points.lineTo(p);
        }
        points.closeSubpath();
        painter.setBrush(QColor(0xFF, 0x80, 0x00));
        painter.drawPath(points);
    }
    return pixmap;
}

qreal DevicePixelRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

} // namespace

QPixmap AppIconPixmap(int size)
{
    static QHash<QPair<int, int>, QPixmap> cache;
    const qreal ratio = DevicePixelRatio();
    const auto key = qMakePair(size, qRound(ratio * 100));
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QPixmap pixmap = DrawIcon(qMax(1, qRound(size * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon AppIcon()
{
    // Only the sizes a window icon is shown at: the title bar, the window list and the task
    // switcher. Under X11 every size of a window's icon is sent to the server with each new
    // window, and the large ones cost most of the drawing. The drawn icon is stored at these
    // sizes, and loading it costs a third of drawing it.
    static const QIcon icon = [] {
        InitLookResources();
        QIcon all;
        for (int size : {16, 32, 48}) {
            const QPixmap stored(QStringLiteral(":/lunetide/app-icon-%1.png").arg(size));
            all.addPixmap(stored.size() == QSize(size, size) ? stored : DrawIcon(size));
        }
        return all;
    }();
    return icon;
}

} // namespace lunetide::ui
