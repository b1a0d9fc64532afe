#include "ui/look/moon_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace lunetide::ui {
namespace {

const QColor kUnlit{0x3A, 0x3A, 0x3C};
const QColor kDarkRim{0x6E, 0x6E, 0x72};
const QColor kLit{0xEE, 0xEB, 0xDC};
const QColor kLitEdge{0xD6, 0xD2, 0xC2};

enum class LitSide { Right, Left };

double ScreenPixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// An empty, transparent pixmap of the given size in device-independent pixels, with as many
// device pixels as the primary screen needs to show it sharp.
QPixmap BlankPicture(QSize size, double ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The dark moon (ages 0 to 3): an unlit disc with a faint rim, in its own larger picture. The
// disc sits a little left of the middle, so that a picture box that shows the picture from its
// top left corner (52 x 52) still shows all of it.
QPixmap DarkMoon(double ratio)
{
    QPixmap pixmap = BlankPicture(QSize(55, 53), ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kDarkRim, 1.0));
    painter.setBrush(kUnlit);
    painter.drawEllipse(QPointF(26.0, 26.5), 24.5, 24.5);
    return pixmap;
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
        halfAxis = std::min(halfAxis, r - kThinnestCrescent);
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

// A 50 x 50 picture of the moon at phase angle phi, lit on the given side.
QPixmap LitMoon(double phi, LitSide side, double ratio)
{
    constexpr double kRadius = 24.0;
    QPixmap pixmap = BlankPicture(QSize(50, 50), ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(25, 25);
    painter.setPen(Qt::NoPen);
    // The unlit disc stays a pixel inside the limb, so that its soft edge does not show as a
    // dark fringe around the lit part drawn over it.
    painter.setBrush(kUnlit);
    painter.drawEllipse(QPointF(0, 0), kRadius - 1, kRadius - 1);

    if (side == LitSide::Left)
        painter.scale(-1, 1);
    // A soft light, a touch darker towards the limb.
    QRadialGradient light(QPointF(-kRadius * 0.25, -kRadius * 0.25), kRadius * 1.4);
    light.setColorAt(0.0, kLit);
    light.setColorAt(1.0, kLitEdge);
    painter.setBrush(light);
    painter.drawPath(LitPartOnTheRight(kRadius, phi));
    return pixmap;
}

// Phase angle of picture k: 5 to 16 wax from a thin sliver (k = 5) towards full, 17 and 18 are
// full, 19 to 30 wane by twelfths of a half turn, with 20 and 21 alike.
double PhaseAngleOf(int k)
{
    constexpr double pi = std::numbers::pi;
    if (k <= 16)
        return pi * (1.0 - (k - 4) / 13.0);
    if (k <= 18)
        return 0.0;
    const int twelfths = k <= 19 ? 1 : k <= 21 ? 2 : k - 19;
    return pi * twelfths / 12.0;
}

// Pictures that are one and the same share the number of the first of them.
int SourceOf(int k)
{
    if (k <= 4)
        return 1;
    if (k == 18 || k == 21)
        return k - 1;
    return k;
}

QPixmap Draw(int k)
{
    const double ratio = ScreenPixelRatio();
    if (k <= 4)
        return DarkMoon(ratio);
    return LitMoon(PhaseAngleOf(k), k <= 18 ? LitSide::Right : LitSide::Left, ratio);
}

} // namespace

// Each picture is drawn the first time it is asked for and kept for the rest of the run: start-up
// needs only today's picture and the display window's stored one.
QPixmap MoonPicture(int k)
{
    if (k < 1 || k > kMoonPictureCount)
        return {};
    static std::array<QPixmap, kMoonPictureCount> pictures;
    QPixmap& picture = pictures[static_cast<std::size_t>(SourceOf(k) - 1)];
    if (picture.isNull())
        picture = Draw(SourceOf(k));
    return picture;
}

} // namespace lunetide::ui
