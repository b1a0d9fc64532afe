#pragma once

#include <QImage>
#include <QList>
#include <QPushButton>

// A push button whose background covers every one of its pixels (a style-sheet bevel). Painted
// again in a state it was painted in before, it puts back the pixels it left then, instead of
// having the style draw its bevel and caption anew: the style-sheet style lays out the borders and
// the caption at every paint, which is most of the cost of pressing a button or showing a window's
// buttons. Usable in Designer forms as a promoted QPushButton.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent = nullptr);

    // How often a kept picture was drawn: for tests.
    qint64 drawnFromPicture() const { return drawnFromPicture_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) final;
    // Paints the button as the style draws it; a subclass may draw it otherwise.
    virtual void paintDirectly(QPaintEvent* event);

private:
    // What the style sees of the button, and the image it is painted on.
    struct Key {
        int state = 0;
        int features = 0;
        QSize size;
        QString text;
        QString font;
        qint64 palette = 0;
        qint64 icon = 0;
        const QStyle* style = nullptr;
        int format = 0;
        bool operator==(const Key& other) const = default;
    };
    struct Picture {
        Key key;
        QImage pixels;
    };

    Key KeyOf(const QImage& target) const;

    QList<Picture> pictures_;
    qint64 drawnFromPicture_ = 0;
};
