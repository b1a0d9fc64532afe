#include "ui/windows/exit_screen.h"

#include "ui/look/app_icon.h"
#include "ui/look/look.h"
#include "ui/widgets/centre_on_first_show.h"
#include "ui/widgets/default_cancel.h"
#include "ui/widgets/keyboard_focus_mark.h"
#include "ui/widgets/label_fit.h"
#include "ui/windows/message_box.h"
#include "ui_exit_screen.h"
#include "web/links.h"
#include "web/tell_a_friend.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

using namespace lunetide;

namespace {

// The catalogue advertisement: two paragraphs kept apart by a run of spaces, as the label breaks
// its lines itself.
const QString kCatalogueText =
    QStringLiteral("If you enjoyed using this software, you will surely be interested in the other "
                   "Veyrholt Softwares. Veyrholt has grown from a single program to the world's "
                   "largest resource of programs of its kind, with programs for astrology, "
                   "psychic, tarot, numerology and occult.") +
    QString(80, u' ') +
    QStringLiteral("All programs of the Veyrholt Softwares suite are simple and easy to use, fun "
                   "and informative. Try them, and share the experience with your friends and "
                   "family.");

const QString kMessagePlaceholder = QStringLiteral("Your Message");

std::function<double()> ClockSeededDraw()
{
    auto generator = std::make_shared<QRandomGenerator>(
        static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    return [generator] { return generator->generateDouble(); };
}

} // namespace

const QStringList& frmExitScreen::ExitSupportTexts()
{
    static const QStringList texts = {
        QStringLiteral("Veyrholt Softwares, such as this can be created and maintained only with "
                       "your support. The best way to support Veyrholt is to visit Veyrholt "
                       "regularly and take part in the discussions and other activities on the "
                       "board."),
        QStringLiteral("Visit Veyrholt regularly. Support Veyrholt by taking part in the "
                       "discussions and other activities. These softwares cannot be supported and "
                       "maintained, without you regularly visiting Veyrholt"),
        QStringLiteral("Veyrholt is a FREE online discussion forum for all things mystic. To help "
                       "Veyrholt develop and maintain this software visit Veyrholt regularly."),
        QStringLiteral("Veyrholt needs your help. All you need to do is visit Veyrholt regularly "
                       "and take part in the various discussions and activites to help us "
                       "maintain and develop more Veyrholt Softwares."),
    };
    return texts;
}

frmExitScreen::frmExitScreen(QWidget* parent, std::function<double()> draw)
    : QWidget(parent), ui_(std::make_unique<Ui::frmExitScreen>())
{
    // A fixed window that stays above other applications' windows and shows without taking the
    // focus; both must be set before the first show.
    ui::SetFixedWindowFlags(this, Qt::WindowStaysOnTopHint);
    ui_->setupUi(this);
    ui::UseHouseLook(this);
    setAttribute(Qt::WA_StyledBackground);
    ui::MakeFixedWindow(this);
    new ui::CentreOnFirstShow(this);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(ui::kWindowCaption);
    setWindowIcon(ui::AppIcon());
    ui_->Label1->setText(ui::kWindowCaption);
    ui_->Picture1->setPixmap(ui::AppIconPixmap(32));

    if (!draw)
        draw = ClockSeededDraw();
    const int n = std::clamp(static_cast<int>(std::floor(draw() * 4)), 0, 3);
    ui_->Label2->setText(ExitSupportTexts().at(n));
    ui_->Label3->setText(kCatalogueText);
    SetBoxText(ui_->txtMessage, QStringLiteral("Your Message\r\n"));

    // The labels are fitted to their frames as the style sheet draws them (borders included).
    ensurePolished();
    for (QLabel* label : std::initializer_list<QLabel*>{ui_->Label1, ui_->lblGoToHome})
        ui::SizeToText(label);
    for (QLabel* label : std::initializer_list<QLabel*>{ui_->Label2, ui_->Label3})
        ui::GrowToWrappedText(label);

    placeholders_ = {
        {ui_->txtName, QStringLiteral("Your Name")},
        {ui_->txtEmail, QStringLiteral("Your Email Address")},
        {ui_->txtFriendName, QStringLiteral("Friend's Name")},
        {ui_->txtFriendEmail, QStringLiteral("Friend's Email Address")},
        {ui_->txtMessage, kMessagePlaceholder},
    };
    for (QWidget* box : placeholders_.keys())
        box->installEventFilter(this);

    // No default and no cancel button: Enter only presses a focused button, so that Enter in a
    // text box does not end the program, and Esc leaves the window and its fields as they are.
    ui::DefaultCancelButtons::Install(this, nullptr, nullptr);
    ui::KeyboardFocusMark::InstallOnTabStops(this);

    connect(ui_->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_->cmdSubmit, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);
    connect(ui_->Check1, &QPushButton::toggled, this, &frmExitScreen::Check1_Toggled);
    connect(ui_->lblGoToHome, &ClickableLabel::clicked, this, [] { web::LinkSoftwareCatalogue(); });

    ui_->cmdClose->setFocus();
}

frmExitScreen::~frmExitScreen() = default;

void frmExitScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit unloading();
}

// The button springs back at once; each press opens the home page once.
void frmExitScreen::Check1_Toggled(bool pressed)
{
    if (!pressed)
        return;
    ui_->Check1->setChecked(false);
    web::LinkHomePage();
}

void frmExitScreen::cmdSubmit_Click()
{
    web::Referral& referral = web::CurrentReferral();
    referral.name = web::TrimSpaces(BoxText(ui_->txtName));
    referral.email = web::TrimSpaces(BoxText(ui_->txtEmail));
    referral.message = web::TrimSpaces(BoxText(ui_->txtMessage));
    referral.friendName = web::TrimSpaces(BoxText(ui_->txtFriendName));
    referral.friendEmail = web::TrimSpaces(BoxText(ui_->txtFriendEmail));
    if (const auto problem = web::SubmitReferral(referral))
        ui::ShowCritical(this, *problem);
}

// The message box keeps Windows line breaks (CR LF) in its text, as the request sends them.
QString frmExitScreen::BoxText(QWidget* box) const
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    QString text = static_cast<QPlainTextEdit*>(box)->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

void frmExitScreen::SetBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else
        static_cast<QPlainTextEdit*>(box)->setPlainText(
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

bool frmExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QWidget*>(watched);
    const auto placeholder = placeholders_.constFind(box);
    if (placeholder == placeholders_.constEnd())
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Only moves between the controls count, not the window losing or regaining the focus
        // (a message box, another application, a context menu).
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const QString trimmed = web::TrimSpaces(BoxText(box));
        if (event->type() == QEvent::FocusIn && trimmed == *placeholder)
            SetBoxText(box, QString());
        else if (event->type() == QEvent::FocusOut && trimmed.isEmpty())
            SetBoxText(box, *placeholder);
        break;
    }
    case QEvent::KeyPress:
        if ((box == ui_->txtEmail || box == ui_->txtFriendEmail) &&
            static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
            ui::ShowCritical(this, QStringLiteral("Email Address Cannot Contain Space"));
            box->setFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
