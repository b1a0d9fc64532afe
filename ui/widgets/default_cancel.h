#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

// Default and cancel buttons for a plain window: Esc clicks the cancel button; Enter clicks the
// push button that has the focus, otherwise the default button. A window without a default or a
// cancel button passes none: Enter then only presses a focused button, and Esc does nothing.
// Dialogs do this themselves; main windows and other plain windows get it from here.

namespace lunetide::ui {

class DefaultCancelButtons : public QObject {
    Q_OBJECT

public:
    // Installs itself on the window; it lives as long as the window does.
    static DefaultCancelButtons* Install(QWidget* window, QAbstractButton* defaultButton,
                                         QAbstractButton* cancelButton);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DefaultCancelButtons(QWidget* window, QAbstractButton* defaultButton,
                         QAbstractButton* cancelButton);

    QPointer<QWidget> window_;
    QPointer<QAbstractButton> default_;
    QPointer<QAbstractButton> cancel_;
};

} // namespace lunetide::ui
