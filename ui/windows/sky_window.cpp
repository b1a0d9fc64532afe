#include "ui/windows/sky_window.h"

#include "core/sun_sign.h"
#include "sky/sky_report.h"
#include "sky_clock/sky_clock.h"
#include "ui/look/app_icon.h"
#include "ui/look/look.h"
#include "ui/request/clock_text.h"
#include "ui/widgets/centre_on_first_show.h"
#include "ui/widgets/keyboard_focus_mark.h"
#include "ui/widgets/label_fit.h"
#include "ui_sky_window.h"

#include <QLocale>
#include <QTimer>

#include <algorithm>

using namespace lunetide;

namespace {

QString TimeText(const QDateTime& moment)
{
    const QLocale locale;
    return locale.toString(moment.time(), locale.timeFormat(QLocale::ShortFormat));
}

QString DateTimeText(const QDateTime& moment)
{
    const QLocale locale;
    return locale.toString(moment.date(), ui::DateFormatWithFullYear(locale)) + u' ' +
           TimeText(moment);
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A rise, set or transit of the day; a day without one says so and never shows a time.
QString EventText(const std::optional<double>& at, const sky::MoonDay& day, const QString& none,
                  const QTimeZone& zone)
{
    if (at)
        return TimeText(MomentOf(*at, zone));
    if (day.upAllDay)
        return QStringLiteral("the moon is up all day");
    if (day.downAllDay)
        return QStringLiteral("the moon is down all day");
    return none;
}

QString FullMoonText(const sky::PhaseEvent& event, const QTimeZone& zone)
{
    QStringList words = FullMoonWords(*event.fullMoon);
    words.insert(1, DateTimeText(MomentOf(event.julianDay, zone)));
    return words.join(QStringLiteral(", "));
}

} // namespace

frmSky::frmSky(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmSky>()),
      clock_([] { return QDateTime::currentDateTime(); }), zone_(QTimeZone::systemTimeZone())
{
    ui::SetFixedWindowFlags(this);
    ui_->setupUi(this);
    ui::UseHouseLook(this);
    ui::MakeFixedWindow(this);
    setWindowTitle(QStringLiteral("Moon in the Sky - ") + ui::kWindowCaption);
    setWindowIcon(ui::AppIcon());
    for (QLabel* label : findChildren<QLabel*>())
        if (!label->wordWrap())
            ui::GrowToText(label);
    ui::GrowToWrappedText(ui_->lblNote);

    // Close is the default button (Enter) and Esc rejects: both leave.
    connect(ui_->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    timer_ = new QTimer(this);
    timer_->setInterval(60 * 1000);
    connect(timer_, &QTimer::timeout, this, &frmSky::Refresh);

    ui::KeyboardFocusMark::InstallOnTabStops(this);
    ui_->cmdClose->setFocus();
    new ui::CentreOnFirstShow(this);
}

frmSky::~frmSky() = default;

void frmSky::SetClock(Clock clock, const QTimeZone& zone)
{
    clock_ = std::move(clock);
    zone_ = zone;
}

void frmSky::SetPlace(const std::optional<Place>& place)
{
    place_ = place;
}

void frmSky::ShowDay(std::optional<QDate> day)
{
    day_ = day;
    Refresh();
    timer_->start();
}

void frmSky::ShowModal(QWidget* parent, std::optional<QDate> day, const std::optional<Place>& place)
{
    frmSky window(parent);
    window.SetPlace(place);
    window.ShowDay(day);
    window.exec();
}

// Each value goes into its label, and the screen reader hears it with its caption.
void frmSky::Refresh()
{
    const QDateTime now = clock_().toTimeZone(zone_);
    const QDate day = day_.value_or(now.date());
    const bool today = day == now.date();
    const QDateTime at = today ? now : QDateTime(day, QTime(12, 0), zone_);
    std::optional<sky::GeoPlace> place;
    if (place_)
        place = sky::GeoPlace{place_->latitude, place_->longitude};
    const sky::SkyReport report =
        sky::SkyAt(JulianDayOf(at), LocalDayOf(day, zone_), place, OffsetIn(zone_));

    auto show = [](QLabel* label, const QString& caption, const QString& text) {
        label->setText(text);
        label->setAccessibleName(caption + QStringLiteral(": ") + text);
        ui::GrowToText(label);
    };
    show(ui_->lblMoment, ui_->Label2->text(),
         (today ? QStringLiteral("now, ") : QStringLiteral("local noon, ")) + DateTimeText(at));
    const QLocale locale;
    show(ui_->lblIlluminated, ui_->Label3->text(),
         locale.toString(report.illumination.fraction * 100, 'f', 1) + QStringLiteral(" %, ") +
             (report.illumination.waxing ? QStringLiteral("waxing") : QStringLiteral("waning")));
    show(ui_->lblMoonSign, ui_->Label4->text(), Text(SignName(report.moonSign)));
    show(ui_->lblNextSign, ui_->Label5->text(),
         Text(SignName(report.nextSign.sign)) + QStringLiteral(", ") +
             DateTimeText(MomentOf(report.nextSign.julianDay, zone_)));

    const QString onDay = today ? QStringLiteral(" today") : QStringLiteral(" on this day");
    if (const auto& moonDay = report.moonDay) {
        show(ui_->lblMoonrise, ui_->Label6->text(),
             EventText(moonDay->rise, *moonDay, QStringLiteral("no moonrise") + onDay, zone_));
        show(ui_->lblMoonset, ui_->Label7->text(),
             EventText(moonDay->set, *moonDay, QStringLiteral("no moonset") + onDay, zone_));
        show(ui_->lblTransit, ui_->Label8->text(),
             EventText(moonDay->transit, *moonDay, QStringLiteral("no transit") + onDay, zone_));
        show(ui_->lblPlace, QStringLiteral("Moonrise, moonset and transit"),
             QStringLiteral("for ") + PlaceText(*place_));
    } else {
        for (auto [label, caption] : {std::pair{ui_->lblMoonrise, ui_->Label6},
                                      {ui_->lblMoonset, ui_->Label7},
                                      {ui_->lblTransit, ui_->Label8}})
            show(label, caption->text(), QStringLiteral("no place known"));
        show(ui_->lblPlace, QStringLiteral("Moonrise, moonset and transit"),
             QStringLiteral("need a place: choose one with File → Your Place…"));
    }

    QLabel* const phaseLabels[] = {ui_->lblPhase1, ui_->lblPhase2, ui_->lblPhase3, ui_->lblPhase4};
    const sky::PhaseEvent* fullMoon = nullptr;
    for (std::size_t i = 0; i < std::size(phaseLabels); ++i) {
        QString text;
        if (i < report.nextPhases.size()) {
            const sky::PhaseEvent& event = report.nextPhases[i];
            text = Text(sky::PrincipalPhaseName(event.phase)) + QStringLiteral(", ") +
                   DateTimeText(MomentOf(event.julianDay, zone_));
            if (event.fullMoon && !fullMoon)
                fullMoon = &event;
        }
        show(phaseLabels[i], ui_->Label9->text(), text);
    }
    show(ui_->lblFullMoon, ui_->Label10->text(),
         fullMoon ? FullMoonText(*fullMoon, zone_) : QString());

    // A text longer than the form allows widens the window rather than being clipped.
    int right = width();
    for (const QLabel* label : findChildren<QLabel*>())
        right = std::max(right, label->geometry().right() + 1 + ui_->Label1->x());
    if (right > width()) {
        setFixedWidth(right);
        ui_->cmdClose->move(right - ui_->Label1->x() - ui_->cmdClose->width(), ui_->cmdClose->y());
    }
}
