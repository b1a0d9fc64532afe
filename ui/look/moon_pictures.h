#pragma once

#include "core/hemisphere.h"
#include "core/moon_age.h"

#include <QPixmap>

class QPainter;
class QPointF;

// The moon pictures, drawn from the moon's shape. Picture k shows the moon at age k - 1: as seen
// from the northern hemisphere, 1 to 4 one dark disc (55 x 53), 5 to 16 a crescent lit on the right
// growing towards full, 17 and 18 the full moon, 19 to 30 the lit part shrinking towards the left
// (20 and 21 alike, 30 a thin sliver); all but 1 to 4 are 50 x 50. From the southern hemisphere
// each is turned half a turn.

namespace lunetide::ui {

inline constexpr int kMoonPictureCount = 30;

// The picture of a moon's shape, as seen from the hemisphere the shape says, at the picture's own
// size in device-independent pixels and sharp on high-DPI screens. Each shape is drawn once per
// process: ages that look alike share one picture.
QPixmap MoonPicture(const MoonShape& shape);

// The picture of a moon seen from the given hemisphere.
inline QPixmap MoonPicture(const Moon& moon, Hemisphere hemisphere)
{
    return MoonPicture(SeenFrom(moon.shape, hemisphere));
}

// Paints the moon of a shape as a disc of the given radius around the centre, at whatever
// resolution the painter's device has.
void PaintMoon(QPainter& painter, const MoonShape& shape, const QPointF& centre, double radius);

// The moon of a shape filling a transparent square of the given side in device-independent pixels,
// with `ratio` device pixels to each; drawn once per shape, side and ratio.
QPixmap MoonSquare(const MoonShape& shape, int side, double ratio);

} // namespace lunetide::ui
