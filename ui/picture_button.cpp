#include "ui/picture_button.h"

#include "ui/raster_target.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

// The states a button is seen in (up, pressed, with and without the focus, window active or
// not) are few; more than this many at once means something else changes, and the oldest go.
constexpr qsizetype kPictures = 8;

bool Opaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return true;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

} // namespace

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent) {}

bool PictureButton::event(QEvent* event)
{
    const bool handled = QPushButton::event(event);
    switch (event->type()) {
    case QEvent::Polish:
        // The background covers every pixel, so nothing beneath needs painting first. Polishing
        // by a style sheet clears the attribute, so it is set again afterwards.
        setAttribute(Qt::WA_OpaquePaintEvent);
        pictures_.clear();
        break;
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::LayoutDirectionChange:
        pictures_.clear();
        break;
    default:
        break;
    }
    return handled;
}

PictureButton::Key PictureButton::KeyOf(const QImage& target) const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return Key{int(option.state),
               int(option.features),
               size(),
               option.text,
               font().key(),
               option.palette.cacheKey(),
               option.icon.cacheKey(),
               style(),
               int(target.format())};
}

void PictureButton::paintEvent(QPaintEvent* event)
{
    QImage* target = nullptr;
    QRect place;
    Key key;
    {
        QPainter painter(this);
        target = lunetide::ui::RasterTarget(painter);
        place = painter.deviceTransform().mapRect(rect());
        if (target && !target->rect().contains(place))
            target = nullptr;
        if (target) {
            key = KeyOf(*target);
            for (const Picture& picture : std::as_const(pictures_)) {
                if (picture.key == key) {
                    painter.drawImage(0, 0, picture.pixels);
                    ++drawnFromPicture_;
                    return;
                }
            }
        }
    }
    paintDirectly(event);
    // Kept only when the whole button was painted and left no pixel to show through, so that
    // drawing the picture back copies it.
    if (!target || !event->region().contains(rect()))
        return;
    QImage pixels = target->copy(place);
    if (!Opaque(pixels))
        return;
    if (pictures_.size() >= kPictures)
        pictures_.removeFirst();
    pictures_.append(Picture{key, std::move(pixels)});
}

void PictureButton::paintDirectly(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
}
