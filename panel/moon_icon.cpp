#include "panel/moon_icon.h"

#include "ui/look/moon_pictures.h"

namespace {

constexpr int kTraySides[] = {16, 20, 22, 24, 32, 40, 44, 48, 64, 96, 128};

} // namespace

QIcon MoonIcon(const lunetide::MoonShape& shape)
{
    QIcon icon;
    for (const int side : kTraySides)
        icon.addPixmap(lunetide::ui::MoonSquare(shape, side, 1.0));
    return icon;
}
