#include "ui/windows/place_window.h"

#include "ui/look/app_icon.h"
#include "ui/look/look.h"
#include "ui/widgets/centre_on_first_show.h"
#include "ui/widgets/keyboard_focus_mark.h"
#include "ui/widgets/label_fit.h"
#include "ui/windows/message_box.h"
#include "ui_place_window.h"

using namespace lunetide;

frmPlace::frmPlace(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::frmPlace>())
{
    ui::SetFixedWindowFlags(this);
    ui_->setupUi(this);
    ui::UseHouseLook(this);
    ui::MakeFixedWindow(this);
    setWindowTitle(QStringLiteral("Your Place - ") + ui::kWindowCaption);
    setWindowIcon(ui::AppIcon());
    for (QLabel* label : {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4})
        ui::GrowToText(label);
    SetPlace(std::nullopt);

    connect(ui_->cmdOK, &QPushButton::clicked, this, &frmPlace::cmdOK_Click);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->cmdZonePlace, &QPushButton::clicked, this,
            [this] { StoreAndClose(std::nullopt); });

    ui::KeyboardFocusMark::InstallOnTabStops(this);
    ui_->spnLatitude->setFocus();
    new ui::CentreOnFirstShow(this);
}

frmPlace::~frmPlace() = default;

void frmPlace::SetPlace(const std::optional<Place>& place)
{
    ui_->spnLatitude->setValue(place ? place->latitude : 0);
    ui_->spnLongitude->setValue(place ? place->longitude : 0);
    ui_->lblCurrent->setText(place ? QStringLiteral("Now: ") + PlaceText(*place)
                                   : QStringLiteral("Now: no place is known"));
    ui::GrowToText(ui_->lblCurrent);
}

void frmPlace::SetStore(Store store)
{
    store_ = std::move(store);
}

bool frmPlace::Choose(QWidget* parent, const std::optional<Place>& current, Store store)
{
    frmPlace dialog(parent);
    dialog.SetPlace(current);
    dialog.SetStore(std::move(store));
    return dialog.exec() == QDialog::Accepted;
}

// A spin box holds only values in its range, but its text may be left empty or half typed ("-"):
// that entry is refused rather than replaced by the last value.
void frmPlace::cmdOK_Click()
{
    const double latitude = ui_->spnLatitude->value();
    const double longitude = ui_->spnLongitude->value();
    if (!ui_->spnLatitude->hasAcceptableInput() || !ui_->spnLongitude->hasAcceptableInput() ||
        !IsValidPlace(latitude, longitude)) {
        ui::ShowCritical(this, QStringLiteral("The latitude must be a number from -90 to 90 and "
                                              "the longitude one from -180 to 180, in decimal "
                                              "degrees.\nNo place was stored."));
        return;
    }
    StoreAndClose(Place{latitude, longitude, {}});
}

// A store that fails says why and leaves the dialog open.
void frmPlace::StoreAndClose(const std::optional<Place>& place)
{
    if (store_) {
        if (const QString problem = store_(place); !problem.isEmpty()) {
            ui::ShowCritical(this, problem);
            return;
        }
    }
    accept();
}
