#pragma once

#include "core/moon_shape.h"

#include <QIcon>

// The tray's icon: the moon of a shape drawn at each size a tray asks for, from the 16 pixels of a
// small panel to the 64 of a large one and twice that on a high-DPI screen, each drawn at its own
// size rather than scaled, so that the thin crescents stay sharp.
QIcon MoonIcon(const lunetide::MoonShape& shape);
