#include "cli/moon_symbol.h"

#include <numbers>

namespace lunetide::cli {
namespace {

constexpr std::string_view kNew = "\U0001F311";
constexpr std::string_view kFull = "\U0001F315";
// Crescent, quarter and gibbous, lit on the right and on the left.
constexpr std::string_view kLitRight[] = {"\U0001F312", "\U0001F313", "\U0001F314"};
constexpr std::string_view kLitLeft[] = {"\U0001F318", "\U0001F317", "\U0001F316"};

} // namespace

// The symbols' phase angles lie a quarter of a half turn apart. A lit shape takes the nearest of
// them, except that a thin sliver, nearest to the unlit disc, still shows as a crescent.
std::string_view MoonSymbol(const MoonShape& shape)
{
    if (shape.litSide == LitSide::None)
        return kNew;
    const double eighths = shape.phaseAngle / (std::numbers::pi / 8);
    if (eighths < 1)
        return kFull;
    const int index = eighths < 3 ? 2 : eighths < 5 ? 1 : 0;
    return shape.litSide == LitSide::Right ? kLitRight[index] : kLitLeft[index];
}

} // namespace lunetide::cli
