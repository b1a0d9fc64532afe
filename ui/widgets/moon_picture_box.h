#pragma once

#include <QPixmap>
#include <QString>

class QLabel;

// A picture box that shows a moon picture and tells screen readers what it shows: the form names
// it ("Moon picture"), the description says the phase and the moon's age.

namespace lunetide::ui {

// "Full Moon, the moon 14 days old" for the age 14 shown beside the phase name "Full Moon".
QString MoonPictureDescription(int age, const QString& phaseName);

// Shows the picture of the moon at that age in the box, with the description that goes with it.
void ShowMoonPicture(QLabel* box, const QPixmap& picture, int age, const QString& phaseName);

} // namespace lunetide::ui
