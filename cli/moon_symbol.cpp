#include "cli/moon_symbol.h"

#include <array>

namespace lunetide::cli {
namespace {

constexpr std::string_view kNew = "\U0001F311";
constexpr std::string_view kWaxingCrescent = "\U0001F312";
constexpr std::string_view kFirstQuarter = "\U0001F313";
constexpr std::string_view kWaxingGibbous = "\U0001F314";
constexpr std::string_view kFull = "\U0001F315";
constexpr std::string_view kWaningGibbous = "\U0001F316";
constexpr std::string_view kLastQuarter = "\U0001F317";
constexpr std::string_view kWaningCrescent = "\U0001F318";

// The windows draw pictures 1 to 4 as an unlit disc; every other picture as a disc lit by a phase
// angle (0 full, 180 degrees new): 5 to 16 lit on the right from 166 degrees down to 14, 17 and 18
// full, 19 to 30 lit on the left from 15 degrees up to 165. Each lit picture takes the symbol whose
// phase angle (45 degrees apart) is nearest to its own, so that a thin sliver is still a crescent
// and the nearly round pictures 16 and 19 are full. Pictures 27 to 30 belong to the Dark Moon
// phase but are drawn as waning crescents, and so are shown.
constexpr std::array<std::string_view, 30> kSymbols = {
    kNew,
    kNew,
    kNew,
    kNew, // 1 to 4: unlit
    kWaxingCrescent,
    kWaxingCrescent,
    kWaxingCrescent,
    kWaxingCrescent, // 5 to 8: 166 to 125
    kFirstQuarter,
    kFirstQuarter,
    kFirstQuarter,
    kFirstQuarter, // 9 to 12: 111 to 69
    kWaxingGibbous,
    kWaxingGibbous,
    kWaxingGibbous, // 13 to 15: 55 to 28
    kFull,
    kFull,
    kFull,
    kFull, // 16 to 19: 14 to 15
    kWaningGibbous,
    kWaningGibbous,
    kWaningGibbous,
    kWaningGibbous, // 20 to 23: 30 to 60
    kLastQuarter,
    kLastQuarter,
    kLastQuarter, // 24 to 26: 75 to 105
    kWaningCrescent,
    kWaningCrescent,
    kWaningCrescent,
    kWaningCrescent, // 27 to 30: 120 to 165
};

} // namespace

std::string_view MoonSymbol(int picture)
{
    if (picture < 1 || picture > int(kSymbols.size()))
        return {};
    return kSymbols[std::size_t(picture - 1)];
}

} // namespace lunetide::cli
