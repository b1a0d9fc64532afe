#include "ui/look/focus_frame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

bool ShowsKeyboardFocus(const QStyleOption& option)
{
    return option.state.testFlag(QStyle::State_HasFocus) &&
           option.state.testFlag(QStyle::State_KeyboardFocusChange);
}

void DrawFocusFrame(QPainter& painter, const QRect& rect, const QColor& colour)
{
    // Every other pixel, the dots lined up across the four sides.
    const QBrush dots(colour, Qt::Dense4Pattern);
    painter.save();
    painter.setBrushOrigin(rect.topLeft());
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), dots);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), dots);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), dots);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), dots);
    painter.restore();
}
