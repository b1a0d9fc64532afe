#pragma once

#include <QLabel>

// A label that opens something when clicked: underlined, with a pointing-hand mouse pointer. Usable
// in Designer forms as a promoted QLabel. Screen readers see it as a link whose press action
// clicks it; like any label it takes no keyboard focus.

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

public slots:
    // What a click does, without the mouse (the screen reader's press action).
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void KeepUnderlined();

    bool pressed_ = false;
};
