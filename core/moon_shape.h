#pragma once

#include "core/hemisphere.h"

// What a moon picture shows: which side of the disc is lit and how much of it. The pictures of the
// windows are drawn from it, and the terminal tool picks its moon symbols from it, so the two
// always agree.

namespace lunetide {

enum class LitSide { None, Right, Left };

struct MoonShape {
    LitSide litSide = LitSide::None; // None: the unlit disc of the dark moon
    double phaseAngle = 0.0; // radians: 0 full, pi new; the lit part is 1 + cos of it, halved
    Hemisphere seenFrom = Hemisphere::North; // from the south the disc is turned half a turn

    bool operator==(const MoonShape&) const = default;
};

// The shape of the moon at an age 0 to 29 as seen from the northern hemisphere: 0 to 3 unlit, 4 to
// 15 lit on the right growing from a thin sliver towards full, 16 and 17 full, 18 to 29 lit on the
// left, shrinking by twelfths of a half turn (19 and 20 alike) to a thin sliver.
MoonShape MoonShapeOfAge(int age);

// The same moon seen from the given hemisphere: turned half a turn, its lit side is the other one.
constexpr MoonShape SeenFrom(const MoonShape& shape, Hemisphere hemisphere)
{
    if (shape.seenFrom == hemisphere)
        return shape;
    MoonShape turned = shape;
    turned.seenFrom = hemisphere;
    if (shape.litSide != LitSide::None)
        turned.litSide = shape.litSide == LitSide::Right ? LitSide::Left : LitSide::Right;
    return turned;
}

} // namespace lunetide
