#pragma once

#include <QString>

#include <string_view>

namespace lunetide::ui {

// A text of the reading tables (UTF-8, trailing blanks included) as the windows show it.
inline QString CoreText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace lunetide::ui
