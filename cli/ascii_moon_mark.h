#pragma once

#include <string_view>

// The moon symbols of the month grid as plain ASCII, for a terminal whose character set is not
// UTF-8. Each mark is two columns wide, as each symbol is, so the grid keeps its columns. The
// round side is the lit one, the dot a sliver, the bar a half, O the lit disc, () the unlit one:
//   ()  new    .)  waxing crescent    |)  first quarter    O)  waxing gibbous
//   OO  full   (O  waning gibbous     (|  last quarter     (.  waning crescent

namespace lunetide::cli {

// The mark of one of the eight moon symbols U+1F311 to U+1F318 (UTF-8); "??" for any other text.
std::string_view AsciiMoonMark(std::string_view symbol);

} // namespace lunetide::cli
