#pragma once

#include <QLabel>

// A label that opens something when clicked: underlined, with a pointing-hand mouse pointer. Usable
// in Designer forms as a promoted QLabel.

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

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
