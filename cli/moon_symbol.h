#pragma once

#include "core/moon_shape.h"

#include <string_view>

// The moon of a day as one of the eight Unicode moon symbols, for a terminal, or as two ASCII
// characters for a terminal whose character set is not UTF-8.

namespace lunetide::cli {

// How a day's moon is written: as an emoji, or as two ASCII characters. Each ASCII mark is two
// columns wide, as each symbol is, so a grid keeps its columns. The round side is the lit one, the
// dot a sliver, the bar a half, O the lit disc, () the unlit one:
//   ()  new    .)  waxing crescent    |)  first quarter    O)  waxing gibbous
//   OO  full   (O  waning gibbous     (|  last quarter     (.  waning crescent
enum class MoonMarks { Emoji, Ascii };

// The symbol (U+1F311 to U+1F318, UTF-8) that looks most like the moon of that shape as the
// windows draw it: lit on the same side, with the phase angle nearest to the shape's; or that
// symbol's ASCII mark. Every symbol is two columns wide in a terminal.
std::string_view MoonSymbol(const MoonShape& shape, MoonMarks marks = MoonMarks::Emoji);

} // namespace lunetide::cli
