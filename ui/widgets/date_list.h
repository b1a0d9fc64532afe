#pragma once

#include <QComboBox>

// A pick-only drop-down list whose popup is built when it is first needed. QComboBox builds its
// popup (a window with a list view and scroll bars) at its first font change, which the window's
// style sheet makes when it polishes the list, long before anyone opens it. Until the popup
// exists, a font change here only updates the list itself; the popup takes the list's font when
// it is opened. Once the keyboard has moved the focus, the list that has it shows the house's
// dotted focus frame inside its text field. Usable in Designer forms as a promoted QComboBox.

class DateList : public QComboBox {
    Q_OBJECT

public:
    explicit DateList(QWidget* parent = nullptr);

    void showPopup() override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
