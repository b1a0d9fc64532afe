#include "ui/label_fit.h"

#include <QLabel>

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

} // namespace lunetide::ui
