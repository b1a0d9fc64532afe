#include "ui/widgets/clickable_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

// What screen readers see of a clickable label: a link named by its caption, with a press action
// that clicks it.
class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction() && widget()->isEnabled())
            label()->click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* AccessibleClickableLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1StringView(ClickableLabel::staticMetaObject.className()))
        if (auto* label = qobject_cast<ClickableLabel*>(object))
            return new AccessibleClickableLabel(label);
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    // Once per process, before any screen reader can ask about a label.
    static const bool factoryInstalled =
        (QAccessible::installFactory(&AccessibleClickableLabelFactory), true);
    Q_UNUSED(factoryInstalled);

    setCursor(Qt::PointingHandCursor);
    KeepUnderlined();
}

void ClickableLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        KeepUnderlined();
}

// Whatever font a form or style sheet gives the label, it stays underlined.
void ClickableLabel::KeepUnderlined()
{
    if (font().underline())
        return;
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void ClickableLabel::click()
{
    emit clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

// Like a button, the click counts when the left button is released over the label.
void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}
