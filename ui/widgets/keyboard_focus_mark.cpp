#include "ui/widgets/keyboard_focus_mark.h"

#include "ui/look/focus_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace lunetide::ui {
namespace {

// Inside a button's raised border, clear of it; at the edge of a picture.
QRect MarkRect(const QWidget* control)
{
    const int inset = qobject_cast<const QPushButton*>(control) ? 3 : 0;
    return control->rect().adjusted(inset, inset, -inset, -inset);
}

bool ShowsMark(const QWidget* control)
{
    return control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

} // namespace

void KeyboardFocusMark::InstallOnTabStops(QWidget* window)
{
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const bool markable = qobject_cast<QPushButton*>(control) || qobject_cast<QLabel*>(control);
        if (markable && (control->focusPolicy() & Qt::TabFocus))
            new KeyboardFocusMark(control);
    }
}

KeyboardFocusMark::KeyboardFocusMark(QWidget* control) : QObject(control)
{
    control->installEventFilter(this);
}

bool KeyboardFocusMark::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        control->update(); // a picture box does not repaint for the focus itself
        break;
    case QEvent::Paint:
        if (painting_)
            break;
        {
            // The control paints itself first, then the mark goes over it: on a button in the
            // colour of its caption, on a picture inverting what is beneath, so that it shows on
            // the black around the moon and on the moon alike.
            painting_ = true;
            QCoreApplication::sendEvent(control, event);
            painting_ = false;
            if (ShowsMark(control)) {
                QPainter painter(control);
                QColor colour = Qt::white;
                if (qobject_cast<QPushButton*>(control))
                    colour = control->palette().color(QPalette::ButtonText);
                else
                    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
                DrawFocusFrame(painter, MarkRect(control), colour);
            }
        }
        return true;
    default:
        break;
    }
    return false;
}

} // namespace lunetide::ui
