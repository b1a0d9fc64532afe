#include "command_line/command_line_answer.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

namespace lunetide::command_line {

QString OneLine(const QString& why)
{
    QString line;
    for (const QChar c : why) {
        if (c.category() == QChar::Other_Control)
            line += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            line += c;
    }
    return line;
}

QString ParseError(const QCommandLineParser& parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return parser.errorText();
    const QString& name = unknown.constFirst();
    return QStringLiteral("unknown option %1%2 (try --help)")
        .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
}

QString HelpText(const QCommandLineParser& parser, const QString& program, const QStringList& forms,
                 const QString& after)
{
    QString help = parser.helpText();
    help.remove(QRegularExpression(QStringLiteral("^ *--help-all .*\n"),
                                   QRegularExpression::MultilineOption));
    // The house wording for the two options every program has, in place of Qt's.
    help.replace(QStringLiteral("Displays help on commandline options."),
                 QStringLiteral("Show this help and exit."));
    help.replace(QStringLiteral("Displays version information."),
                 QStringLiteral("Show the version and exit."));
    QStringList usage;
    for (const QString& form : forms)
        usage << (usage.isEmpty() ? QStringLiteral("Usage: ") : QStringLiteral("  or:  ")) +
                     program + u' ' + form;
    // The parser's own first line names the program by the path it was started from.
    help.replace(0, help.indexOf(u'\n'), usage.join(u'\n'));
    return help + after;
}

bool WriteText(std::FILE* stream, const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.endsWith('\n'))
        bytes.append('\n');
    return std::fputs(bytes.constData(), stream) >= 0 && std::fflush(stream) == 0;
}

void Complain(const QString& program, const QString& message)
{
    WriteText(stderr, program + QStringLiteral(": ") + message);
}

int ShowText(const QString& program, const QString& text)
{
    if (WriteText(stdout, text))
        return kExitDone;
    Complain(program, QStringLiteral("cannot write the output: %1").arg(std::strerror(errno)));
    return kExitWriteFailed;
}

int Refuse(const QString& program, const QString& why)
{
    Complain(program, why);
    return kExitBadArguments;
}

} // namespace lunetide::command_line
