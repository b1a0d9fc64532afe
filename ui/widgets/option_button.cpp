#include "ui/widgets/option_button.h"

#include "ui/look/focus_frame.h"

#include <QStyleOptionButton>
#include <QStylePainter>

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {}

void OptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool markFocus = ShowsKeyboardFocus(option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_RadioButton, option);
    if (markFocus)
        DrawFocusFrame(painter,
                       style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, this),
                       option.palette.color(foregroundRole()));
}
