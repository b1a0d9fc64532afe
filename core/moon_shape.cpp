#include "core/moon_shape.h"

#include <numbers>

namespace lunetide {

MoonShape MoonShapeOfAge(int age)
{
    constexpr double pi = std::numbers::pi;
    if (age <= 3)
        return {LitSide::None, pi};
    if (age <= 15)
        return {LitSide::Right, pi * (1.0 - (age - 3) / 13.0)};
    if (age <= 17)
        return {LitSide::Right, 0.0};
    const int twelfths = age <= 18 ? 1 : age <= 20 ? 2 : age - 18;
    return {LitSide::Left, pi * twelfths / 12.0};
}

} // namespace lunetide
