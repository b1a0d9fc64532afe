#include "ui/widgets/date_list.h"

#include "ui/look/focus_frame.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QStyleOptionComboBox>

DateList::DateList(QWidget* parent) : QComboBox(parent) {}

void DateList::changeEvent(QEvent* event)
{
    // The popup is the list's one frame child; QComboBox creates it on demand.
    const bool popupBuilt = findChild<QFrame*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
    if (event->type() == QEvent::FontChange && !popupBuilt) {
        QWidget::changeEvent(event);
        updateGeometry();
        return;
    }
    QComboBox::changeEvent(event);
}

void DateList::showPopup()
{
    // What QComboBox does at a font change once its popup exists, done for the font changes the
    // popup missed.
    QWidget* popup = view()->window();
    if (popup->font() != font())
        popup->setFont(font());
    QComboBox::showPopup();
}

void DateList::paintEvent(QPaintEvent* event)
{
    QComboBox::paintEvent(event);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (!ShowsKeyboardFocus(option))
        return;
    // Inside the border, a pixel clear of it and of the text, up to the drop-down arrow.
    const QRect arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    QRect frame = rect().adjusted(2, 2, -2, -2);
    frame.setRight(arrow.left() - 1);
    QPainter painter(this);
    DrawFocusFrame(painter, frame, option.palette.color(QPalette::Text));
}
