#include "ui/label_fit.h"

#include <QLabel>
#include <QVariant>

#include <algorithm>

namespace lunetide::ui {

namespace {

// Twice the x of the edge or centre a label keeps, as the form placed it: taken at the first
// sizing, so that sizing the label again and again (a clock) never lets it creep sideways.
const char* const kAnchorProperty = "lunetideAnchorX2";

int AnchorX2(QLabel* label)
{
    const QVariant stored = label->property(kAnchorProperty);
    if (stored.isValid())
        return stored.toInt();
    const QRect place = label->geometry();
    const int anchor =
        label->alignment() & Qt::AlignHCenter ? 2 * place.left() + place.width() : 2 * place.left();
    label->setProperty(kAnchorProperty, anchor);
    return anchor;
}

} // namespace

void SizeToText(QLabel* label)
{
    label->ensurePolished();
    const int anchorX2 = AnchorX2(label);
    const int top = label->y();
    label->adjustSize();
    const bool centred = label->alignment() & Qt::AlignHCenter;
    label->move(centred ? (anchorX2 - label->width()) / 2 : anchorX2 / 2, top);
}

void GrowToText(QLabel* label)
{
    label->ensurePolished();
    const QSize needed = label->sizeHint();
    QRect place = label->geometry();
    const QSize size(std::max(place.width(), needed.width()),
                     std::max(place.height(), needed.height()));
    if (size == place.size())
        return;
    if (label->alignment() & Qt::AlignHCenter)
        place.moveLeft(place.left() + (place.width() - size.width()) / 2);
    place.setSize(size);
    label->setGeometry(place);
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
