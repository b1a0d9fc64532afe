#include "ui/widgets/default_cancel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace lunetide::ui {

DefaultCancelButtons* DefaultCancelButtons::Install(QWidget* window, QAbstractButton* defaultButton,
                                                    QAbstractButton* cancelButton)
{
    return new DefaultCancelButtons(window, defaultButton, cancelButton);
}

DefaultCancelButtons::DefaultCancelButtons(QWidget* window, QAbstractButton* defaultButton,
                                           QAbstractButton* cancelButton)
    : QObject(window), window_(window), default_(defaultButton), cancel_(cancelButton)
{
    // Watching the application lets the window decide before the focused control does: a
    // drop-down list or an option button would otherwise swallow Enter.
    qApp->installEventFilter(this);
}

bool DefaultCancelButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !window_ || !window_->isActiveWindow())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;

    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;

    // An open drop-down list keeps its own Enter and Esc.
    if (QApplication::activePopupWidget())
        return false;

    QAbstractButton* target = nullptr;
    switch (key->key()) {
    case Qt::Key_Escape:
        target = cancel_;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        target = focused && focused->window() == window_ ? focused : default_.data();
        break;
    }
    default:
        return false;
    }
    if (!target || !target->isEnabled())
        return false;
    target->click();
    return true;
}

} // namespace lunetide::ui
