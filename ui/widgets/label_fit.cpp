#include "ui/widgets/label_fit.h"

#include <QLabel>

#include <algorithm>
#include <limits>

namespace lunetide::ui {

namespace {

// The left edge and the font stretch the form gave a label, taken at its first sizing: a label
// that had to be narrowed or moved to stay inside its frame returns to them when a later text is
// shorter, so a clock sized again and again never creeps sideways nor stays narrowed.
const char* const kFormLeftProperty = "lunetideFormLeft";
const char* const kFormStretchProperty = "lunetideFormStretch";

// The narrowest a font is made to keep a label inside its frame, in percent of its width.
constexpr int kNarrowestStretch = 75;
constexpr int kStretchStep = 5;

void SetStretch(QLabel* label, int stretch)
{
    if (label->font().stretch() == stretch)
        return;
    QFont font = label->font();
    font.setStretch(stretch);
    label->setFont(font);
}

} // namespace

void SizeToText(QLabel* label)
{
    label->ensurePolished();
    if (!label->property(kFormLeftProperty).isValid()) {
        label->setProperty(kFormLeftProperty, label->x());
        label->setProperty(kFormStretchProperty, label->font().stretch());
    }
    const int left = label->property(kFormLeftProperty).toInt();
    const int formStretch = label->property(kFormStretchProperty).toInt();
    const int top = label->y();

    // One line at the form's place; a text that would run past the frame's right edge, where it
    // would be clipped, is narrowed step by step, and only if that is not enough moved left.
    const QWidget* parent = label->parentWidget();
    const int right = parent ? parent->contentsRect().right() : std::numeric_limits<int>::max();
    int stretch = formStretch == QFont::AnyStretch ? QFont::Unstretched : formStretch;
    SetStretch(label, formStretch);
    for (;;) {
        label->adjustSize();
        label->move(left, top);
        if (label->geometry().right() <= right || stretch - kStretchStep < kNarrowestStretch)
            break;
        stretch -= kStretchStep;
        SetStretch(label, stretch);
    }
    if (label->geometry().right() > right)
        label->move(std::max(0, right + 1 - label->width()), top);
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

} // namespace lunetide::ui
