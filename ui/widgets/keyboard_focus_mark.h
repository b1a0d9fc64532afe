#pragma once

#include <QObject>

class QWidget;

// The house's keyboard focus mark (ui/look/focus_frame.h) on the push buttons and picture boxes
// of a window, which Qt's styles mark with a change of tint or not at all. The lists and option
// buttons draw the mark themselves; text boxes show their cursor.

namespace lunetide::ui {

class KeyboardFocusMark : public QObject {
public:
    // Marks every push button and every picture box the Tab key reaches among the window's
    // controls, as long as they live.
    static void InstallOnTabStops(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KeyboardFocusMark(QWidget* control);

    bool painting_ = false;
};

} // namespace lunetide::ui
