#include "ui/widgets/moon_picture_box.h"

#include <QLabel>

namespace lunetide::ui {

QString MoonPictureDescription(int age, const QString& phaseName)
{
    return QStringLiteral("%1, the moon %2 %3 old")
        .arg(phaseName)
        .arg(age)
        .arg(age == 1 ? QStringLiteral("day") : QStringLiteral("days"));
}

void ShowMoonPicture(QLabel* box, const QPixmap& picture, int age, const QString& phaseName)
{
    box->setPixmap(picture);
    box->setAccessibleDescription(MoonPictureDescription(age, phaseName));
}

} // namespace lunetide::ui
