#include "cli/text_wrap.h"

#include <QList>

#include <string>

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

qsizetype IndentOf(const QByteArray& line)
{
    qsizetype indent = 0;
    while (indent < line.size() && line[indent] == ' ')
        ++indent;
    return indent;
}

// Where the description of an indented line begins, after its first run of two blanks or more
// ("  --to <DATE>    Last day"); 0 for a line without one.
qsizetype DescriptionColumn(const QByteArray& line)
{
    const qsizetype indent = IndentOf(line);
    qsizetype column = line.indexOf("  ", indent);
    if (indent == 0 || column < 0)
        return 0;
    while (column < line.size() && line[column] == ' ')
        ++column;
    return column < line.size() ? column : 0;
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

QByteArray WrappedHelp(const QByteArray& help, int columns)
{
    QList<QByteArray> lines = help.split('\n');
    if (help.endsWith('\n'))
        lines.removeLast();
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.isEmpty() || line.startsWith("  $ ")) {
            out.append(line + '\n');
            continue;
        }
        const qsizetype column = DescriptionColumn(line);
        const qsizetype hang = column > 0 ? column : IndentOf(line);
        // The lines that go on with it: more prose at the margin, more of a description under it.
        QByteArray text = line.mid(hang);
        while ((hang == 0 || column > 0) && i + 1 < lines.size() && !lines[i + 1].isEmpty() &&
               IndentOf(lines[i + 1]) == hang)
            text += ' ' + lines[++i].mid(hang);
        const qsizetype start = out.size();
        AppendWrapped(out, std::string(size_t(hang), ' '), {text.constData(), size_t(text.size())},
                      columns);
        out.replace(start, hang, line.left(hang));
    }
    return out;
}

} // namespace lunetide::cli
