#pragma once

#include <string_view>

// The moon picture of a day as one of the eight Unicode moon symbols, for a terminal.

namespace lunetide::cli {

// The symbol (U+1F311 to U+1F318, UTF-8) that looks most like moon picture k (1 to 30) as the
// windows draw it; an empty text for any other k. Every symbol is two columns wide in a terminal.
std::string_view MoonSymbol(int picture);

} // namespace lunetide::cli
