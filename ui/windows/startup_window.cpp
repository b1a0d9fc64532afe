#include "ui/windows/startup_window.h"

#include <QCloseEvent>

frmStartup::frmStartup(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmStartup"));
}

void frmStartup::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit unloading();
}
