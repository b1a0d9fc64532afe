#include "ui/raster_target.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

namespace lunetide::ui {

QImage* RasterTarget(const QPainter& painter)
{
    const QTransform& transform = painter.deviceTransform();
    QPaintDevice* target = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    if (!painter.device() || painter.device()->devicePixelRatio() != 1.0 || !target ||
        target->devType() != QInternal::Image || transform.type() > QTransform::TxTranslate ||
        transform.dx() != qRound(transform.dx()) || transform.dy() != qRound(transform.dy()))
        return nullptr;
    return static_cast<QImage*>(target);
}

} // namespace lunetide::ui
