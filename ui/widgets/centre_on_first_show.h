#pragma once

#include <QObject>

class QWidget;

namespace lunetide::ui {

// Centres a top-level window on its screen (see CentreOnScreen) when it is first shown, and again
// at the next show after CentreAtNextShow. It watches the window's show events as its child.
class CentreOnFirstShow : public QObject {
public:
    explicit CentreOnFirstShow(QWidget* window);

    void CentreAtNextShow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pending_ = true;
};

} // namespace lunetide::ui
