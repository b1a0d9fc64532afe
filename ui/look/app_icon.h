#pragma once

#include <QIcon>
#include <QPixmap>

// The application icon, drawn by the program: the windows' icon, the pictures in the About box
// and on the exit screen, and the source of the icon files that are installed.

namespace lunetide::ui {

// The window icon: 16, 32 and 48 pixels.
QIcon AppIcon();

// The icon at one size in device-independent pixels, sharp on high-DPI screens.
QPixmap AppIconPixmap(int size);

} // namespace lunetide::ui
