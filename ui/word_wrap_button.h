#pragma once

#include "ui/picture_button.h"

// A push button whose caption breaks into lines at word boundaries when it is wider than the
// button, as graphical-style buttons of the forms do. The caption keeps its access key. Its
// background covers every pixel, and it keeps the pictures of its states (PictureButton). Usable
// in Designer forms as a promoted QPushButton.

class WordWrapButton : public PictureButton {
    Q_OBJECT

public:
    explicit WordWrapButton(QWidget* parent = nullptr);

protected:
    void paintDirectly(QPaintEvent* event) override;
};
