#pragma once

#include "settings/place.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QTimeZone>

#include <functional>
#include <memory>
#include <optional>

class QTimer;

namespace Ui {
class frmSky;
}

// The moon in the sky beside the readings: its light, its own sign, the day's rise and set at the
// user's place, and the principal phases to come with the next full moon's name and marks. For
// today it shows the present moment and follows the clock, each minute and past midnight; for
// another day it shows local noon. Close or Esc leave it.
class frmSky : public QDialog {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit frmSky(QWidget* parent = nullptr);
    ~frmSky() override;

    // The clock and the time zone the days are local to: the system's unless a test pins them.
    void SetClock(Clock clock, const QTimeZone& zone);
    // The place rise and set are worked out for; none when no place is known.
    void SetPlace(const std::optional<Place>& place);
    // The day shown; none follows the clock's today.
    void ShowDay(std::optional<QDate> day);

    // Shows the sky modally over parent.
    static void ShowModal(QWidget* parent, std::optional<QDate> day,
                          const std::optional<Place>& place);

    Ui::frmSky* ui() const { return ui_.get(); }

private:
    void Refresh();

    std::unique_ptr<Ui::frmSky> ui_;
    Clock clock_;
    QTimeZone zone_;
    std::optional<Place> place_;
    std::optional<QDate> day_;
    QTimer* timer_ = nullptr;
};
