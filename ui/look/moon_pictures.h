#pragma once

#include <QPixmap>

// The 30 moon pictures, drawn once per process. Picture k shows the moon at age k - 1 as seen
// from the northern hemisphere: 1 to 4 one dark disc (55 x 53), 5 to 16 a crescent lit on the
// right growing towards full, 17 and 18 the full moon, 19 to 30 the lit part shrinking towards
// the left (20 and 21 alike, 30 a thin sliver); all but 1 to 4 are 50 x 50.

namespace lunetide::ui {

inline constexpr int kMoonPictureCount = 30;

// Picture k, 1 to 30, at its own size in device-independent pixels and sharp on high-DPI
// screens; a null pixmap for any other k.
QPixmap MoonPicture(int k);

} // namespace lunetide::ui
