#include "cli/moon_symbol.h"

#include <numbers>

namespace lunetide::cli {
namespace {

struct Mark {
    std::string_view emoji;
    std::string_view ascii;
};

// In the order of the symbols' code points: new, then lit on the right (waxing as seen from the
// north) growing to full, then lit on the left shrinking.
constexpr Mark kMarks[] = {
    {"\U0001F311", "()"}, {"\U0001F312", ".)"}, {"\U0001F313", "|)"}, {"\U0001F314", "O)"},
    {"\U0001F315", "OO"}, {"\U0001F316", "(O"}, {"\U0001F317", "(|"}, {"\U0001F318", "(."},
};
constexpr int kNew = 0;
constexpr int kFull = 4;

// The symbols' phase angles lie a quarter of a half turn apart. A lit shape takes the nearest of
// them, except that a thin sliver, nearest to the unlit disc, still shows as a crescent.
int MarkIndex(const MoonShape& shape)
{
    if (shape.litSide == LitSide::None)
        return kNew;
    const double eighths = shape.phaseAngle / (std::numbers::pi / 8);
    if (eighths < 1)
        return kFull;
    const int fromFull = eighths < 3 ? 1 : eighths < 5 ? 2 : 3; // gibbous, quarter, crescent
    return shape.litSide == LitSide::Right ? kFull - fromFull : kFull + fromFull;
}

} // namespace

std::string_view MoonSymbol(const MoonShape& shape, MoonMarks marks)
{
    const Mark& mark = kMarks[MarkIndex(shape)];
    return marks == MoonMarks::Ascii ? mark.ascii : mark.emoji;
}

} // namespace lunetide::cli
