#include "ui/windows/about_box.h"

#include "ui/look/app_icon.h"
#include "ui/look/look.h"
#include "ui/widgets/keyboard_focus_mark.h"
#include "ui/widgets/label_fit.h"
#include "ui_about_box.h"
#include "web/links.h"

using namespace lunetide;

frmAbout::frmAbout(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::frmAbout>())
{
    // A fixed dialog frame with a close button only; as a dialog with a parent it gets no
    // taskbar button of its own.
    ui::SetFixedWindowFlags(this);
    ui_->setupUi(this);
    ui::UseHouseLook(this);
    ui::MakeFixedWindow(this);
    setWindowTitle(ui::kWindowCaption);
    setWindowIcon(ui::AppIcon());
    ui_->Label2->setText(ui::kWindowCaption);

    ui_->picIcon->setPixmap(ui::AppIconPixmap(32));
    ui_->lblHomePage->setText(QStringLiteral("Click here to visit ") +
                              web::UrlOf(web::LinkRole::HomePage));
    for (QLabel* label : std::initializer_list<QLabel*>{ui_->Label2, ui_->lblHomePage, ui_->Label5})
        ui::SizeToText(label);
    for (QLabel* label : std::initializer_list<QLabel*>{ui_->Label1, ui_->Label6})
        ui::GrowToWrappedText(label);

    // OK is the default button (Enter) and Esc rejects, so both close the box; the links leave
    // it open.
    connect(ui_->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->lblHomePage, &ClickableLabel::clicked, this, [] { web::LinkHomePage(); });
    connect(ui_->Label5, &ClickableLabel::clicked, this, [] { web::LinkFullyBranded(); });

    ui::KeyboardFocusMark::InstallOnTabStops(this);
    ui_->cmdOK->setFocus();
    ui::CentreOnScreen(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::ShowModal(QWidget* parent)
{
    frmAbout box(parent);
    box.exec();
}
