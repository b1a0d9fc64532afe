#pragma once

#include "core/moon_shape.h"

#include <string_view>

// The moon of a day as one of the eight Unicode moon symbols, for a terminal.

namespace lunetide::cli {

// The symbol (U+1F311 to U+1F318, UTF-8) that looks most like the moon of that shape as the
// windows draw it: lit on the same side, with the phase angle nearest to the shape's. Every symbol
// is two columns wide in a terminal.
std::string_view MoonSymbol(const MoonShape& shape);

} // namespace lunetide::cli
