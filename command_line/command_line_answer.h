#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

class QCommandLineParser;

// How both programs answer on their command line: the help built from QCommandLineParser's, a
// refusal kept to one line, and the exit status of each outcome.

namespace lunetide::command_line {

inline constexpr int kExitDone = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitCannotStart = 1; // no display, too few descriptors
inline constexpr int kExitBadArguments = 2;

// Why the arguments are refused, on one line: control characters that came with an argument (a
// newline, an escape sequence) are shown as \xNN instead of acting on the terminal.
QString OneLine(const QString& why);

// Why the parser refused the arguments, in the house's words: "unknown option --bogus (try
// --help)" for an option neither program knows, the parser's own words otherwise.
QString ParseError(const QCommandLineParser& parser);

// The parser's help under a synopsis of each form ("[options] [DATE]", ...) in the layout help2man
// reads ("Usage: program FORM" and "  or:  program FORM"), without --help-all (which the parser
// answers like --help: neither program has Qt options to list there), with the house's own words
// for --help and --version, and the given text after it.
QString HelpText(const QCommandLineParser& parser, const QString& program, const QStringList& forms,
                 const QString& after);

// Writes the text and, when it lacks one, a final newline. False when not all of it was written.
bool WriteText(std::FILE* stream, const QString& text);

// "program: message" on standard error.
void Complain(const QString& program, const QString& message);

// Answers a request for the help or the version on standard output: kExitDone, or
// kExitWriteFailed after saying why on standard error.
int ShowText(const QString& program, const QString& text);

// Says why the arguments are refused (one line, see OneLine): kExitBadArguments.
int Refuse(const QString& program, const QString& why);

} // namespace lunetide::command_line
