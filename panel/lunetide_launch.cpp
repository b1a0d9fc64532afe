#include "panel/lunetide_launch.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QString LunetideProgram(const QString& panelFolder)
{
    const QFileInfo beside(panelFolder + QStringLiteral("/lunetide"));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(QStringLiteral("lunetide"));
}

bool StartLunetide(const QString& panelFolder, const QStringList& arguments, QString* problem)
{
    const QString program = LunetideProgram(panelFolder);
    if (program.isEmpty()) {
        *problem =
            QStringLiteral("lunetide was found neither beside %1 nor on the PATH").arg(panelFolder);
        return false;
    }
    if (!QProcess::startDetached(program, arguments)) {
        *problem = QStringLiteral("%1 could not be started").arg(program);
        return false;
    }
    return true;
}
