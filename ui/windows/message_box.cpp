#include "ui/windows/message_box.h"

#include "ui/look/look.h"

#include <QMessageBox>

namespace lunetide::ui {
namespace {

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, kAppTitle, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void ShowInformation(QWidget* parent, const QString& text)
{
    Show(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void ShowCritical(QWidget* parent, const QString& text)
{
    Show(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool AskYesNo(QWidget* parent, const QString& text)
{
    return Show(parent, QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes) == QMessageBox::Yes;
}

bool AskToLookForUpdate(QWidget* parent)
{
    return AskYesNo(parent, QStringLiteral("There maybe an update to this software available\n"
                                           "Do you want to check for an update?"));
}

} // namespace lunetide::ui
