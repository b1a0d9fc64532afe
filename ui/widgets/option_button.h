#pragma once

#include <QRadioButton>

// An option button that marks the keyboard focus with the house's dotted frame around its caption,
// in the caption's colour, instead of the style's own mark (which hardly shows on a dark window).
// Usable in Designer forms as a promoted QRadioButton.

class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
