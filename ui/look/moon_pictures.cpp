#include "ui/look/moon_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace lunetide::ui {
namespace {

const QColor kUnlit{0x3A, 0x3A, 0x3C};
const QColor kDarkRim{0x6E, 0x6E, 0x72};
const QColor kLit{0xEE, 0xEB, 0xDC};
const QColor kLitEdge{0xD6, 0xD2, 0xC2};

double ScreenPixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// An empty, transparent pixmap of the given size in device-independent pixels, with `ratio` device
// pixels to each.
QPixmap BlankPicture(QSize size, double ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The dark moon: an unlit disc with a faint rim.
void PaintDarkMoon(QPainter& painter, const QPointF& centre, double radius)
{
    painter.setPen(QPen(kDarkRim, std::max(1.0, radius / 24.5)));
    painter.setBrush(kUnlit);
    painter.drawEllipse(centre, radius, radius);
}

// The narrowest a crescent gets at its middle, so that the thinnest ones still show.
constexpr double kThinnestCrescent = 2.0;

// The lit part of a disc of radius r around the origin, lit on the right, at phase angle phi
// (0 full, pi new): the right half disc, bounded on the other side by the terminator, half an
// ellipse of horizontal half-axis r |cos phi| that bulges into the lit half for a crescent and
// away from it for a gibbous moon.
QPainterPath LitPartOnTheRight(double r, double phi)
{
    const bool crescent = phi > std::numbers::pi / 2;
    const QRectF disc(-r, -r, 2 * r, 2 * r);
    double halfAxis = r * std::abs(std::cos(phi));
    if (crescent)
        halfAxis = std::min(halfAxis, r - kThinnestCrescent * r / 24.0);
    const QRectF terminator(-halfAxis, -r, 2 * halfAxis, 2 * r);

    QPainterPath path;
    path.moveTo(0, -r);
    path.arcTo(disc, 90, -180); // top, through the right edge, to the bottom
    if (crescent)
        path.arcTo(terminator, -90, 180); // back up through the right: a crescent
    else
        path.arcTo(terminator, 270, -180); // back up through the left: gibbous
    path.closeSubpath();
    return path;
}

// A lit moon: the unlit disc with the lit part over it, in a soft light a touch darker towards the
// limb. Drawn lit on the right, then mirrored for the left, and turned half a turn for the south.
void PaintLitMoon(QPainter& painter, const MoonShape& shape, const QPointF& centre, double radius)
{
    painter.save();
    painter.translate(centre);
    painter.setPen(Qt::NoPen);
    // The unlit disc stays a pixel inside the limb, so that its soft edge does not show as a dark
    // fringe around the lit part drawn over it.
    painter.setBrush(kUnlit);
    const double unlit = radius - radius / 24.0;
    painter.drawEllipse(QPointF(0, 0), unlit, unlit);

    const bool south = shape.seenFrom == Hemisphere::South;
    if (shape.litSide == LitSide::Left || south)
        painter.scale(shape.litSide == LitSide::Left ? -1 : 1, south ? -1 : 1);
    QRadialGradient light(QPointF(-radius * 0.25, -radius * 0.25), radius * 1.4);
    light.setColorAt(0.0, kLit);
    light.setColorAt(1.0, kLitEdge);
    painter.setBrush(light);
    painter.drawPath(LitPartOnTheRight(radius, shape.phaseAngle));
    painter.restore();
}

QPixmap DrawSquare(const MoonShape& shape, int side, double ratio)
{
    QPixmap pixmap = BlankPicture(QSize(side, side), ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double half = side / 2.0;
    // A lit disc leaves a pixel free all round (24 in 50); the dark one's rim reaches half a pixel
    // further.
    const double radius = half - 1.0;
    PaintMoon(painter, shape, QPointF(half, half),
              shape.litSide == LitSide::None ? radius + 0.5 : radius);
    return pixmap;
}

QPixmap DrawPicture(const MoonShape& shape)
{
    const double ratio = ScreenPixelRatio();
    // The dark disc sits in its own larger picture, a little left of the middle, so that a picture
    // box that shows the picture from its top left corner (52 x 52) still shows all of it. Turned
    // half a turn about its centre it is the same disc.
    if (shape.litSide == LitSide::None) {
        QPixmap pixmap = BlankPicture(QSize(55, 53), ratio);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintDarkMoon(painter, QPointF(26.0, 26.5), 24.5);
        return pixmap;
    }
    return DrawSquare(shape, 50, ratio);
}

} // namespace

void PaintMoon(QPainter& painter, const MoonShape& shape, const QPointF& centre, double radius)
{
    if (shape.litSide == LitSide::None)
        PaintDarkMoon(painter, centre, radius);
    else
        PaintLitMoon(painter, shape, centre, radius);
}

// Each picture is drawn the first time its shape is asked for and kept for the rest of the run:
// start-up needs only today's picture and the display window's stored one. There are at most a
// few dozen shapes, so a list searched in turn does.
QPixmap MoonPicture(const MoonShape& shape)
{
    static std::vector<std::pair<MoonShape, QPixmap>> pictures;
    const auto drawn =
        std::find_if(pictures.begin(), pictures.end(),
                     [&shape](const auto& picture) { return picture.first == shape; });
    if (drawn != pictures.end())
        return drawn->second;
    return pictures.emplace_back(shape, DrawPicture(shape)).second;
}

// Drawn once per shape, side and pixel ratio: a calendar page or a tray icon asks for the same few
// again at every paint. The list is emptied should it ever grow past what a screen shows.
QPixmap MoonSquare(const MoonShape& shape, int side, double ratio)
{
    struct Square {
        MoonShape shape;
        int side;
        double ratio;
        QPixmap pixmap;
    };
    static std::vector<Square> squares;
    for (const Square& square : squares) {
        if (square.shape == shape && square.side == side && square.ratio == ratio)
            return square.pixmap;
    }
    if (squares.size() >= 256)
        squares.clear();
    return squares.emplace_back(Square{shape, side, ratio, DrawSquare(shape, side, ratio)}).pixmap;
}

} // namespace lunetide::ui
