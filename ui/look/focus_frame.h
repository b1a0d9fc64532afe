#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QStyleOption;

// The house's keyboard focus mark: a one-pixel dotted frame, drawn only on the control that has the
// focus and only once the keyboard has moved the focus in its window (as Qt's own styles do), so a
// window looks the same until a key is pressed.

bool ShowsKeyboardFocus(const QStyleOption& option);

void DrawFocusFrame(QPainter& painter, const QRect& rect, const QColor& colour);
