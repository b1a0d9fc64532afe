#pragma once

#include <QPushButton>

// A push button whose caption breaks into lines at word boundaries when it is wider than the
// button, as graphical-style buttons of the forms do. The caption keeps its access key. A button
// its window declares opaque (Qt::WA_OpaquePaintEvent) stays so when a style sheet polishes it.
// Usable in Designer forms as a promoted QPushButton.

class WordWrapButton : public QPushButton {
    Q_OBJECT

public:
    explicit WordWrapButton(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
