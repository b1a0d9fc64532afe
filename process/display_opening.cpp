#include "process/display_opening.h"

#include <QList>

#include <cstdio>
#include <unistd.h>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previous = nullptr;
QString programName;
QString displays;
QList<HeldMessage> held;

void LetThrough(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (previous)
        previous(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const QByteArray category = context.category ? QByteArray(context.category) : QByteArray();
    if (type == QtFatalMsg) {
        bool noWaylandPlugin = false;
        for (const HeldMessage& message : std::as_const(held))
            noWaylandPlugin |= message.text.contains(QStringLiteral("plugin \"wayland\""));
        std::fprintf(stderr, "%s: the display could not be opened: %s%s\n",
                     qUtf8Printable(programName), qUtf8Printable(displays),
                     noWaylandPlugin ? " (Qt's Wayland plugin is not installed)" : "");
        std::fflush(stderr);
        ::_exit(1);
    }
    if (category.startsWith("qt.qpa")) {
        held.append({type, category, text});
        return;
    }
    LetThrough(type, context, text);
}

} // namespace

QString DisplaysNamed(const QStringList& arguments)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QStringLiteral("--"))
            break;
        if (argument == QStringLiteral("-display") || argument == QStringLiteral("--display"))
            return QStringLiteral("-display ") + arguments.at(i + 1);
    }
    QStringList named;
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            named << QLatin1StringView(variable) + u'=' + qEnvironmentVariable(variable);
    }
    return named.join(QStringLiteral(", "));
}

DisplayOpening::DisplayOpening(const QString& program, const QStringList& arguments)
{
    programName = program;
    displays = DisplaysNamed(arguments);
    held.clear();
    previous = qInstallMessageHandler(&OnMessage);
}

DisplayOpening::~DisplayOpening()
{
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        LetThrough(message.type, context, message.text);
    }
    held.clear();
}
