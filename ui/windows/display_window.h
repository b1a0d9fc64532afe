#pragma once

#include "ui/request/reading_request.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QRect>

#include <memory>

namespace Ui {
class frmDisplay;
}
namespace lunetide::ui {
class CentreOnFirstShow;
}
class QLabel;

// The reading display window: shows one reading written into it by the reading request. It
// computes nothing; Back and leaving the window are signalled to the window registry, which
// carries them out.
class frmDisplay : public QMainWindow {
    Q_OBJECT

public:
    explicit frmDisplay(QWidget* parent = nullptr);
    ~frmDisplay() override;

    // Writes what the request carries into the controls of its reading kind and brings that
    // kind's frame to the front; the two frames it covers are hidden. Controls of the other kinds
    // keep what they show.
    void WriteReading(const ReadingRequest& request);

    // The current time and date, written once a second by the main window's clock.
    void SetDateTime(const QString& clockText);

    // Puts the window back as it was built, so that the next request fills it as it would a new
    // one: every label's stored text and place, picture 15, the frames shown in their stored order,
    // the focus on cmdBack, and centred again at its next show. Call it while the window is hidden.
    void ResetToStoredState();

    Ui::frmDisplay* ui() const { return ui_.get(); }

signals:
    // cmdBack or File > Back.
    void backRequested();
    // The window is being closed (Exit, File > Exit, Esc, the close button, Alt+F4, or the
    // registry unloading it). The close always goes through.
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The picture of the moon, seen from the hemisphere, in PicMoonPhase, described for screen
    // readers by the phase it shows.
    void ShowMoon(const lunetide::Moon& moon, const QString& phaseName,
                  lunetide::Hemisphere hemisphere);
    void ShowStoredPicture();
    void StoreState();

    struct StoredLabel {
        QLabel* label;
        QString text;
        QRect place;
        QFont font;
    };

    std::unique_ptr<Ui::frmDisplay> ui_;
    QList<StoredLabel> storedLabels_;
    QWidgetList storedOrder_; // the client area's children, back to front, all shown in the form
    lunetide::ui::CentreOnFirstShow* centring_ = nullptr; // owned by the window
    bool unloaded_ = false; // the unload step is signalled once per window
};
