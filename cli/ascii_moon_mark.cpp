#include "cli/ascii_moon_mark.h"

#include <utility>

namespace lunetide::cli {

std::string_view AsciiMoonMark(std::string_view symbol)
{
    static constexpr std::pair<std::string_view, std::string_view> kMarks[] = {
        {"\U0001F311", "()"}, {"\U0001F312", ".)"}, {"\U0001F313", "|)"}, {"\U0001F314", "O)"},
        {"\U0001F315", "OO"}, {"\U0001F316", "(O"}, {"\U0001F317", "(|"}, {"\U0001F318", "(."},
    };
    for (const auto& [emoji, mark] : kMarks)
        if (symbol == emoji)
            return mark;
    return "??";
}

} // namespace lunetide::cli
