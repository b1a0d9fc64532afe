#include "cli/text_wrap.h"

namespace lunetide::cli {
namespace {

// Columns of UTF-8 text: every byte that does not continue a character starts one.
int ColumnsOf(std::string_view text)
{
    int columns = 0;
    for (const char c : text)
        columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return columns;
}

void Append(QByteArray& out, std::string_view text)
{
    out.append(text.data(), qsizetype(text.size()));
}

} // namespace

void AppendWrapped(QByteArray& out, std::string_view indent, std::string_view text, int columns)
{
    Append(out, indent);
    if (columns <= 0) {
        Append(out, text);
        out.append('\n');
        return;
    }
    const int room = columns - ColumnsOf(indent);
    int used = 0; // columns of text on the current line
    size_t at = 0;
    while (at < text.size()) {
        const size_t wordStart = text.find_first_not_of(' ', at);
        if (wordStart == std::string_view::npos)
            break;
        const size_t wordEnd = std::min(text.find(' ', wordStart), text.size());
        const std::string_view blanks = text.substr(at, wordStart - at);
        const std::string_view word = text.substr(wordStart, wordEnd - wordStart);
        const int blankColumns = used == 0 ? 0 : ColumnsOf(blanks);
        if (used > 0 && used + blankColumns + ColumnsOf(word) > room) {
            out.append('\n');
            Append(out, indent);
            used = 0;
        } else if (used > 0) {
            Append(out, blanks);
            used += blankColumns;
        }
        Append(out, word);
        used += ColumnsOf(word);
        at = wordEnd;
    }
    const std::string_view trailing = text.substr(at);
    if (used + ColumnsOf(trailing) <= room)
        Append(out, trailing);
    out.append('\n');
}

} // namespace lunetide::cli
