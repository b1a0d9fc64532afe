#include "ui/widgets/word_wrap_button.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

WordWrapButton::WordWrapButton(QWidget* parent) : QPushButton(parent) {}

// Polishing by a style sheet clears Qt::WA_OpaquePaintEvent.
bool WordWrapButton::event(QEvent* event)
{
    const bool opaque = testAttribute(Qt::WA_OpaquePaintEvent);
    const bool handled = QPushButton::event(event);
    if (event->type() == QEvent::Polish)
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    return handled;
}

// The style draws the button without its caption; the caption is then drawn wrapped into the
// button's contents rectangle.
void WordWrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown()) {
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(contents, flags, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}
