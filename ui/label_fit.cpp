#include "ui/label_fit.h"

#include <QLabel>

#include <algorithm>

namespace lunetide::ui
{

void SizeToText(QLabel* label)
{
    label->ensurePolished();
    const QRect before = label->geometry();
    label->adjustSize();
    QRect after = label->geometry();
    after.moveTop(before.top());
    if (label->alignment() & Qt::AlignHCenter)
        after.moveLeft(before.center().x() - after.width() / 2);
    else
        after.moveLeft(before.left());
    label->setGeometry(after);
}

void GrowToWrappedText(QLabel* label)
{
    label->ensurePolished();
    const int needed = label->heightForWidth(label->width());
    if (needed > label->height())
        label->resize(label->width(), needed);
}

void KeepWithinParent(QLabel* label)
{
    const QWidget* parent = label->parentWidget();
    if (!parent)
        return;
    const int right = parent->contentsRect().right();
    for (int stretch = 95; label->geometry().right() > right && stretch >= 75; stretch -= 5) {
        QFont narrower = label->font();
        narrower.setStretch(stretch);
        label->setFont(narrower);
        SizeToText(label);
    }
    if (label->geometry().right() > right)
        label->move(std::max(0, right + 1 - label->width()), label->y());
}

} // namespace lunetide::ui
