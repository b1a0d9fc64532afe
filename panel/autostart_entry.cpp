#include "panel/autostart_entry.h"

#include "settings/user_files.h"
#include "settings/user_folders.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// An Exec value: a path of plain characters as it is, any other quoted with \ before the
// characters the quotes do not keep, and every \ doubled again for the desktop file's strings.
QString ExecArgument(const QString& path)
{
    bool plain = true;
    for (const QChar c : path)
        plain = plain && (c.isLetterOrNumber() || QStringLiteral("/._+-").contains(c));
    if (plain)
        return path;
    QString quoted;
    for (const QChar c : path) {
        if (QStringLiteral("\"`$\\").contains(c))
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + quoted + u'"';
}

} // namespace

QString AutostartEntryPath()
{
    const QString config = ConfigFolder();
    return config.isEmpty() ? QString()
                            : config + QStringLiteral("/autostart/lunetide-panel.desktop");
}

QString AutostartEntryText(const QString& program)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Lunetide Moon in the Panel\n"
                          "Comment=Today's moon in the panel, and a word when a phase begins\n"
                          "Exec=%1\n"
                          "Icon=com.veyrholt.Lunetide\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(ExecArgument(program));
}

bool HasAutostartEntry()
{
    const QString path = AutostartEntryPath();
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool SetAutostartEntry(bool on, const QString& program, QString* problem)
{
    const QString path = AutostartEntryPath();
    if (path.isEmpty()) {
        *problem = QStringLiteral("there is no home folder");
        return false;
    }
    if (!on) {
        QFile file(path);
        if (!file.exists() || file.remove())
            return true;
        *problem = QStringLiteral("%1 could not be removed: %2").arg(path, file.errorString());
        return false;
    }
    const QString folder = QFileInfo(path).path();
    if (!MakePrivateFolder(folder, FolderToMakeBelow(folder, ConfigFolder()))) {
        *problem = QStringLiteral("the folder %1 could not be made").arg(folder);
        return false;
    }
    // commit() does not remember a failed write-out of QSaveFile's buffer (a full disk) and would
    // put an empty entry in place: the flush is checked first.
    QSaveFile file(path);
    const QByteArray text = AutostartEntryText(program).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.flush() ||
        !file.commit()) {
        *problem = QStringLiteral("%1 could not be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
