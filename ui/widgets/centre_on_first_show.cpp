#include "ui/widgets/centre_on_first_show.h"

#include "ui/look/look.h"

#include <QEvent>
#include <QWidget>

namespace lunetide::ui {

CentreOnFirstShow::CentreOnFirstShow(QWidget* window) : QObject(window)
{
    window->installEventFilter(this);
}

void CentreOnFirstShow::CentreAtNextShow()
{
    pending_ = true;
}

// The show event comes before the window is mapped, so it appears in its place at once.
bool CentreOnFirstShow::eventFilter(QObject* watched, QEvent* event)
{
    if (pending_ && event->type() == QEvent::Show && watched == parent()) {
        pending_ = false;
        CentreOnScreen(static_cast<QWidget*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lunetide::ui
