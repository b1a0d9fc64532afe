#pragma once

#include "settings/place.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class frmPlace;
}

// File > Your Place: the latitude and longitude the moon's rise and set are worked out for. OK
// stores the place entered, "Use the Time Zone's Place" removes the stored one, Cancel and Esc
// leave without storing. An entry out of range is refused and nothing is stored.
class frmPlace : public QDialog {
    Q_OBJECT

public:
    // Stores a place, or removes the stored one for none; returns why it could not, or an empty
    // text.
    using Store = std::function<QString(const std::optional<Place>&)>;

    explicit frmPlace(QWidget* parent = nullptr);
    ~frmPlace() override;

    // The place it opens with: the stored one, else the time zone's; none when neither is known.
    void SetPlace(const std::optional<Place>& place);
    void SetStore(Store store);

    // Shows the dialog modally over parent; true when a place was stored or removed.
    static bool Choose(QWidget* parent, const std::optional<Place>& current, Store store);

    Ui::frmPlace* ui() const { return ui_.get(); }

private:
    void cmdOK_Click();
    void StoreAndClose(const std::optional<Place>& place);

    std::unique_ptr<Ui::frmPlace> ui_;
    Store store_;
};
