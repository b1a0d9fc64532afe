#pragma once

#include <QByteArray>

#include <string_view>

// A reading's text laid out for a terminal of a given width.

namespace lunetide::cli {

// Appends `indent` and `text` as one line when `columns` is 0; otherwise breaks the text at blanks
// into lines of at most `columns` columns, each starting with `indent`. A word longer than a line
// stands alone on its line. The blanks at a break are left out, and so are those at the end where
// they do not fit, since a terminal would wrap them onto a line of their own. Every line ends in a
// newline; the text is UTF-8 and each character counts as one column.
void AppendWrapped(QByteArray& out, std::string_view indent, std::string_view text, int columns);

// The help laid out again for a terminal `columns` wide (above 0): each paragraph at the margin
// flowed as one text, and each option's description under its own column; the example commands
// ("  $ ...") stay whole, so that they can be copied.
QByteArray WrappedHelp(const QByteArray& help, int columns);

} // namespace lunetide::cli
