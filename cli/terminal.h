#pragma once

// What the terminal the readings go to can show. A pipe or a file is no terminal: what is written
// there never depends on the screen, so scripts get the same bytes everywhere.

namespace lunetide::cli {

// The width, in columns, of the terminal on descriptor `fd` (its window size, else $COLUMNS);
// 0 when `fd` is not a terminal or neither gives a width.
int TerminalColumns(int fd);

// Whether the character set of the user's locale (LC_ALL, LC_CTYPE, LANG) is UTF-8; takes that
// locale's LC_CTYPE. Ask before QCoreApplication exists: Qt then switches a character set that is
// not UTF-8 to UTF-8 for itself.
bool LocaleCharsetIsUtf8();

} // namespace lunetide::cli
