#include "ui/date_list.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFrame>

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
