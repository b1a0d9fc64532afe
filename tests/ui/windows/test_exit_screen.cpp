#include "support/url_recorder.h"
#include "ui/widgets/clickable_label.h"
#include "ui/windows/exit_screen.h"
#include "ui_exit_screen.h"
#include "web/tell_a_friend.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

// Answers every message box that comes up while it lives, and remembers what each said.
class MessageCatcher : public QObject {
public:
    struct Message {
        QString text;
        QString title;
        QMessageBox::Icon icon;
    };

    MessageCatcher()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.append({box->text(), box->windowTitle(), box->icon()});
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start(0);
    }
    QStringList texts() const
    {
        QStringList all;
        for (const Message& message : seen)
            all << message.text;
        return all;
    }
    QList<Message> seen;

private:
    QTimer timer_;
};

namespace {

const QString kHome = QStringLiteral("http://www.veyrholt.com");

std::unique_ptr<frmExitScreen> Created(double draw = 0.0)
{
    return std::make_unique<frmExitScreen>(nullptr, [draw] { return draw; });
}

// Shows the window and gives it the focus, as a user clicking into it would.
bool ShowActive(frmExitScreen* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QString ObjectName(QWidget* widget)
{
    return widget ? widget->objectName() : QStringLiteral("(none)");
}

// Query fields of the last request URL, by key.
QHash<QString, QString> RequestFields(const QString& url)
{
    QHash<QString, QString> fields;
    for (const auto& [key, value] : QUrlQuery(QUrl(url)).queryItems(QUrl::FullyDecoded))
        fields.insert(key, value);
    return fields;
}

} // namespace

class ExitScreenTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsTopmostFixedAndStaysHidden();
    void controlsSitAtTheirPlaces_data();
    void controlsSitAtTheirPlaces();
    void coloursOfTheForm();
    void textsAreWhole();
    void drawChoosesTheSupportText_data();
    void drawChoosesTheSupportText();
    void tabOrderStartsAtExit();
    void placeholdersComeAndGo_data();
    void placeholdersComeAndGo();
    void addressesRefuseTypedSpaces_data();
    void addressesRefuseTypedSpaces();
    void check1SpringsBackAndOpensTheHomePage();
    void catalogueLinkOpensTheCatalogue();
    void submitChecksThenSends_data();
    void submitChecksThenSends();
    void emptiedBoxesAreCheckedAsPlaceholders();
    void leavingUnloads_data();
    void leavingUnloads();
    void keysThatDoNotLeave_data();
    void keysThatDoNotLeave();
};

void ExitScreenTest::windowIsTopmostFixedAndStaysHidden()
{
    auto window = Created();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Lunetide v1.15"));
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(
        !(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(window->minimumSize(), QSize(741, 315));
    QCOMPARE(window->maximumSize(), QSize(741, 315));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(!window->ui()->Picture1->pixmap().isNull());
}

void ExitScreenTest::controlsSitAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place"); // width 0: the label sizes itself
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");

    const QString verdana = QStringLiteral("Verdana");
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    QTest::newRow("Label1") << "Label1"
                            << "Lunetide v1.15" << QRect(72, 16, 0, 0) << sansSerif << 18.0
                            << false;
    QTest::newRow("Label2") << "Label2" << QString() << QRect(8, 56, 465, 73) << verdana << 9.75
                            << true;
    QTest::newRow("Check1") << "Check1"
                            << "Click Here To Visit www.veyrholt.com Now" << QRect(2, 136, 479, 37)
                            << verdana << 14.25 << false;
    QTest::newRow("cmdClose") << "cmdClose"
                              << "E&xit" << QRect(400, 184, 83, 25) << sansSerif << 8.25 << false;
    QTest::newRow("Frame2") << "Frame2"
                            << "Refer A Friend" << QRect(8, 216, 471, 97) << verdana << 9.75
                            << true;
    QTest::newRow("txtName") << "txtName"
                             << "Your Name" << QRect(6, 24, 225, 19) << sansSerif << 8.25 << false;
    QTest::newRow("txtEmail") << "txtEmail"
                              << "Your Email Address" << QRect(240, 24, 225, 19) << sansSerif
                              << 8.25 << false;
    QTest::newRow("txtFriendName")
        << "txtFriendName"
        << "Friend's Name" << QRect(6, 48, 225, 19) << sansSerif << 8.25 << false;
    QTest::newRow("txtFriendEmail")
        << "txtFriendEmail"
        << "Friend's Email Address" << QRect(240, 48, 225, 19) << sansSerif << 8.25 << false;
    QTest::newRow("cmdSubmit") << "cmdSubmit"
                               << "Refer A Friend &Now" << QRect(128, 72, 225, 19) << verdana
                               << 8.25 << true;
    QTest::newRow("txtMessage") << "txtMessage"
                                << "Your Message\n"
                                << QRect(320, 240, 121, 33) << sansSerif << 8.25 << false;
    QTest::newRow("Frame6") << "Frame6"
                            << "Download Veyrholt Softwares" << QRect(488, 8, 249, 305) << verdana
                            << 9.75 << true;
    QTest::newRow("Label3") << "Label3" << QString() << QRect(8, 24, 233, 257) << verdana << 9.0
                            << false;
    QTest::newRow("lblGoToHome") << "lblGoToHome"
                                 << "Click Here To Visit Veyrholt Softwares" << QRect(5, 283, 0, 0)
                                 << verdana << 9.0 << true;
}

void ExitScreenTest::controlsSitAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, place);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    auto window = Created();
    window->ensurePolished();
    auto* control = window->findChild<QWidget*>(name);
    QVERIFY(control);
    control->ensurePolished();

    QString shown = text;
    if (auto* label = qobject_cast<QLabel*>(control))
        shown = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        shown = button->text();
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        shown = frame->title();
    else if (auto* line = qobject_cast<QLineEdit*>(control))
        shown = line->text();
    else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        shown = box->toPlainText();
    if (!text.isNull())
        QCOMPARE(shown, text);

    QCOMPARE(control->pos(), place.topLeft());
    if (place.width() > 0) {
        QCOMPARE(control->width(), place.width());
        QVERIFY(control->height() >= place.height()); // wrapped labels may grow to fit
    }
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
}

void ExitScreenTest::coloursOfTheForm()
{
    auto window = Created();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const auto* ui = window->ui();
    const QImage image = window->grab().toImage();
    QCOMPARE(image.pixelColor(300, 200), QColor(Qt::white));
    QCOMPARE(image.pixelColor(ui->Frame2->geometry().bottomLeft() + QPoint(20, -3)),
             QColor(0x00, 0x00, 0x80));
    QCOMPARE(image.pixelColor(ui->Frame6->geometry().topLeft() + QPoint(4, 250)),
             QColor(0x00, 0x00, 0x80));

    QCOMPARE(ui->Check1->palette().color(QPalette::ButtonText), QColor(0x00, 0x00, 0xC0));
    QCOMPARE(ui->Check1->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(ui->Label2->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(ui->Label3->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(ui->lblGoToHome->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x00));
    QVERIFY(ui->lblGoToHome->font().underline());
    QVERIFY(ui->Check1->isCheckable());
    QCOMPARE(ui->txtMessage->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

// Every label shows its whole text inside its container, whatever font stands in for Verdana.
void ExitScreenTest::textsAreWhole()
{
    for (double draw : {0.0, 0.25, 0.5, 0.75}) {
        auto window = Created(draw);
        window->show();
        const auto* ui = window->ui();
        for (QLabel* label :
             std::initializer_list<QLabel*>{ui->Label1, ui->Label2, ui->Label3, ui->lblGoToHome}) {
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                     qPrintable(label->objectName()));
            QVERIFY2(label->parentWidget()->rect().contains(label->geometry()),
                     qPrintable(label->objectName()));
        }
        // Two paragraphs kept apart by blanks, not by a line break.
        QVERIFY(ui->Label3->text().contains(QString(20, u' ')));
        QVERIFY(!ui->Label3->text().contains(u'\n'));
    }
}

void ExitScreenTest::drawChoosesTheSupportText_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("text");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("0.2499") << 0.2499 << 0;
    QTest::newRow("0.25") << 0.25 << 1;
    QTest::newRow("0.5") << 0.5 << 2;
    QTest::newRow("0.75") << 0.75 << 3;
    QTest::newRow("0.99") << 0.99 << 3;
}

void ExitScreenTest::drawChoosesTheSupportText()
{
    QFETCH(double, draw);
    QFETCH(int, text);
    const QStringList& texts = frmExitScreen::ExitSupportTexts();
    QCOMPARE(texts.size(), 4);
    QVERIFY(texts.at(1).endsWith(QStringLiteral("regularly visiting Veyrholt")));
    QCOMPARE(Created(draw)->ui()->Label2->text(), texts.at(text));

    // The clock-seeded generator picks one of the four too.
    frmExitScreen seeded;
    QVERIFY(texts.contains(seeded.ui()->Label2->text()));
}

void ExitScreenTest::tabOrderStartsAtExit()
{
    auto window = Created();
    QVERIFY(ShowActive(window.get()));
    QCOMPARE(ObjectName(QApplication::focusWidget()), QStringLiteral("cmdClose"));
    const QStringList expected = {"Check1",         "txtName",       "cmdSubmit", "txtEmail",
                                  "txtFriendEmail", "txtFriendName", "cmdClose"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << ObjectName(QApplication::focusWidget());
    }
    QCOMPARE(visited, expected);
}

void ExitScreenTest::placeholdersComeAndGo_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("txtName") << "txtName"
                             << "Your Name";
    QTest::newRow("txtEmail") << "txtEmail"
                              << "Your Email Address";
    QTest::newRow("txtFriendName") << "txtFriendName"
                                   << "Friend's Name";
    QTest::newRow("txtFriendEmail") << "txtFriendEmail"
                                    << "Friend's Email Address";
    QTest::newRow("txtMessage") << "txtMessage"
                                << "Your Message";
}

void ExitScreenTest::placeholdersComeAndGo()
{
    QFETCH(QString, box);
    QFETCH(QString, placeholder);
    auto window = Created();
    QVERIFY(ShowActive(window.get()));
    QWidget* edit = window->findChild<QWidget*>(box);
    QWidget* away = window->ui()->cmdClose;
    const auto text = [edit] {
        if (auto* line = qobject_cast<QLineEdit*>(edit))
            return line->text();
        return qobject_cast<QPlainTextEdit*>(edit)->toPlainText();
    };
    const auto setText = [edit](const QString& value) {
        if (auto* line = qobject_cast<QLineEdit*>(edit))
            line->setText(value);
        else
            qobject_cast<QPlainTextEdit*>(edit)->setPlainText(value);
    };
    const auto visit = [&] {
        edit->setFocus(Qt::TabFocusReason);
        const QString inside = text();
        away->setFocus(Qt::TabFocusReason);
        return inside;
    };

    // The message box starts with a line break after its placeholder, which is not emptied.
    if (box == QStringLiteral("txtMessage")) {
        QCOMPARE(visit(), QStringLiteral("Your Message\n"));
        QCOMPARE(text(), QStringLiteral("Your Message\n"));
        setText(placeholder);
    }
    QCOMPARE(visit(), QString());
    QCOMPARE(text(), placeholder);

    setText("  " + placeholder + " ");
    QCOMPARE(visit(), QString());
    QCOMPARE(text(), placeholder);

    setText(placeholder.toLower());
    QCOMPARE(visit(), placeholder.toLower());

    setText(QStringLiteral("   "));
    edit->setFocus(Qt::TabFocusReason);
    QCOMPARE(text(), QStringLiteral("   "));
    away->setFocus(Qt::TabFocusReason);
    QCOMPARE(text(), placeholder);

    setText(QStringLiteral(" Ann "));
    QCOMPARE(visit(), QStringLiteral(" Ann "));
    QCOMPARE(text(), QStringLiteral(" Ann "));
}

void ExitScreenTest::addressesRefuseTypedSpaces_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("txtEmail") << "txtEmail";
    QTest::newRow("txtFriendEmail") << "txtFriendEmail";
}

void ExitScreenTest::addressesRefuseTypedSpaces()
{
    QFETCH(QString, box);
    auto window = Created();
    QVERIFY(ShowActive(window.get()));
    auto* edit = window->findChild<QLineEdit*>(box);
    edit->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit->text(), QString());

    {
        MessageCatcher catcher;
        QTest::keyClicks(edit, QStringLiteral("a b"));
        QCOMPARE(catcher.seen.size(), 1);
        QCOMPARE(catcher.seen[0].text, QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(catcher.seen[0].title, QStringLiteral("Lunetide"));
        QCOMPARE(catcher.seen[0].icon, QMessageBox::Critical);
    }
    QCOMPARE(edit->text(), QStringLiteral("ab"));
    QCOMPARE(window->focusWidget(), edit);

    // Pasted text is not filtered, and the name boxes take spaces.
    MessageCatcher catcher;
    QApplication::clipboard()->setText(QStringLiteral(" c d"));
    edit->paste();
    QCOMPARE(edit->text(), QStringLiteral("ab c d"));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClicks(window->ui()->txtName, QStringLiteral(" e f"));
    QCoreApplication::processEvents();
    QVERIFY(catcher.seen.isEmpty());
}

void ExitScreenTest::check1SpringsBackAndOpensTheHomePage()
{
    auto window = Created();
    QVERIFY(ShowActive(window.get()));
    UrlRecorder recorder;
    QPushButton* check1 = window->ui()->Check1;
    QTest::mouseClick(check1, Qt::LeftButton);
    QVERIFY(!check1->isChecked());
    QCOMPARE(recorder.opened, QStringList{kHome});
    QTest::mouseClick(check1, Qt::LeftButton);
    check1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check1, Qt::Key_Space);
    QVERIFY(!check1->isChecked());
    QCOMPARE(recorder.opened, QStringList(3, kHome));
}

void ExitScreenTest::catalogueLinkOpensTheCatalogue()
{
    auto window = Created();
    QVERIFY(ShowActive(window.get()));
    UrlRecorder recorder;
    QTest::mouseClick(window->ui()->lblGoToHome, Qt::LeftButton);
    QCOMPARE(recorder.opened, QStringList{"http://www.veyrholt.com/veyrholtsoftwares"});
}

void ExitScreenTest::submitChecksThenSends_data()
{
    // A null text leaves the box untouched.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("problem"); // empty: the request is sent
    QTest::addColumn<QString>("sentName");
    QTest::addColumn<QString>("sentMessage");

    const QString untouched;
    QTest::newRow("untouched form") << untouched << untouched << untouched << untouched << untouched
                                    << "Please Enter Proper Email Address"
                                    << ""
                                    << "";
    QTest::newRow("equal addresses first") << untouched << "x" << untouched << untouched << "x"
                                           << "Please Enter Distinct Email Addresses"
                                           << ""
                                           << "";
    QTest::newRow("name still its placeholder") << untouched << "ann@b.c" << untouched << "Bob"
                                                << "bob@b.c"
                                                << "Please Enter Your Name"
                                                << ""
                                                << "";
    QTest::newRow("message of spaces") << "Ann"
                                       << "ann@b.c"
                                       << "   "
                                       << "Bob"
                                       << "bob@b.c"
                                       << "Please Enter Your Message"
                                       << ""
                                       << "";
    QTest::newRow("friend's name missing") << "Ann"
                                           << "ann@b.c"
                                           << "Hi"
                                           << " "
                                           << "bob@b.c"
                                           << "Please Enter Your Friend's Name"
                                           << ""
                                           << "";
    QTest::newRow("case makes addresses distinct; untouched message")
        << "Ann"
        << "Ann@b.c" << untouched << "Bob"
        << "ann@b.c"
        << ""
        << "Ann"
        << "Your Message\r\n";
    QTest::newRow("trimmed and encoded") << "  Tom & Jerry=1#x "
                                         << " ann@b.c"
                                         << "Hi\r\nthere  "
                                         << "Bob"
                                         << "bob@b.c  "
                                         << ""
                                         << "Tom & Jerry=1#x"
                                         << "Hi\r\nthere";
}

void ExitScreenTest::submitChecksThenSends()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, problem);
    QFETCH(QString, sentName);
    QFETCH(QString, sentMessage);

    auto window = Created();
    auto* ui = window->ui();
    QVERIFY(ShowActive(window.get()));
    for (auto [box, text] :
         {std::pair{ui->txtName, name}, std::pair{ui->txtEmail, email},
          std::pair{ui->txtFriendName, friendName}, std::pair{ui->txtFriendEmail, friendEmail}}) {
        if (!text.isNull())
            box->setText(text);
    }
    if (!message.isNull())
        ui->txtMessage->setPlainText(QString(message).replace("\r\n", "\n"));
    const QStringList before = {ui->txtName->text(), ui->txtEmail->text(),
                                ui->txtFriendName->text(), ui->txtFriendEmail->text(),
                                ui->txtMessage->toPlainText()};

    UrlRecorder recorder;
    MessageCatcher catcher;
    QTest::mouseClick(ui->cmdSubmit, Qt::LeftButton);
    QCoreApplication::processEvents();

    if (!problem.isEmpty()) {
        QCOMPARE(catcher.texts(), QStringList{problem});
        QCOMPARE(catcher.seen[0].icon, QMessageBox::Critical);
        QCOMPARE(catcher.seen[0].title, QStringLiteral("Lunetide"));
        QVERIFY(recorder.opened.isEmpty());
    } else {
        QVERIFY(catcher.seen.isEmpty());
        QCOMPARE(recorder.opened.size(), 1);
        const auto fields = RequestFields(recorder.opened[0]);
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields["taf1"], sentName);
        QCOMPARE(fields["taf3"], sentMessage);
        QCOMPARE(fields["taf4"], lunetide::web::TrimSpaces(friendName));
        QCOMPARE(fields["taf2"], lunetide::web::TrimSpaces(email));
        QCOMPARE(fields["taf5"], lunetide::web::TrimSpaces(friendEmail));
        QCOMPARE(lunetide::web::CurrentReferral().url, recorder.opened[0]);
    }
    // The form keeps its values, trimmed ones stored also when a check fails, and the window
    // stays as it was.
    if (!name.isNull())
        QCOMPARE(lunetide::web::CurrentReferral().name, lunetide::web::TrimSpaces(name));
    const QStringList after = {ui->txtName->text(), ui->txtEmail->text(), ui->txtFriendName->text(),
                               ui->txtFriendEmail->text(), ui->txtMessage->toPlainText()};
    QCOMPARE(after, before);
    QVERIFY(window->isVisible());
}

// Leaving an emptied box puts its placeholder back before the press of the button is handled,
// also for the message box hidden below the frame.
void ExitScreenTest::emptiedBoxesAreCheckedAsPlaceholders()
{
    auto window = Created();
    auto* ui = window->ui();
    QVERIFY(ShowActive(window.get()));
    ui->txtEmail->setText(QStringLiteral("ann@b.c"));
    ui->txtFriendEmail->setText(QStringLiteral("bob@b.c"));
    ui->txtFriendName->setText(QStringLiteral("Bob"));
    ui->txtName->setText(QStringLiteral("Ann"));

    ui->txtName->setFocus(Qt::TabFocusReason);
    ui->txtName->selectAll();
    QTest::keyClick(ui->txtName, Qt::Key_Delete);
    {
        MessageCatcher catcher;
        QTest::mouseClick(ui->cmdSubmit, Qt::LeftButton);
        QCOMPARE(catcher.texts(), QStringList{"Please Enter Your Name"});
    }
    QCOMPARE(ui->txtName->text(), QStringLiteral("Your Name"));
    ui->txtName->setText(QStringLiteral("Ann"));

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    // The hidden message box takes no focus: Tab passes it by, and what is typed cannot reach it.
    QCOMPARE(ui->txtMessage->focusPolicy(), Qt::NoFocus);
    ui->txtFriendName->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui->cmdClose);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("typed"));
    QTest::mouseClick(ui->txtMessage->viewport(), Qt::LeftButton);
    QVERIFY(!ui->txtMessage->hasFocus());
    QCOMPARE(ui->txtMessage->toPlainText(), QStringLiteral("Your Message\n"));
}

void ExitScreenTest::leavingUnloads_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit button") << "cmdClose";
    QTest::newRow("Enter on Exit") << "Enter";
    QTest::newRow("close button") << "close";
}

void ExitScreenTest::leavingUnloads()
{
    QFETCH(QString, way);
    auto window = Created();
    QVERIFY(ShowActive(window.get()));
    QSignalSpy unloading(window.get(), &frmExitScreen::unloading);
    if (way == QStringLiteral("cmdClose")) {
        QTest::mouseClick(window->ui()->cmdClose, Qt::LeftButton);
    } else if (way == QStringLiteral("Enter")) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else {
        QVERIFY(window->close());
    }
    QCOMPARE(unloading.count(), 1);
    QVERIFY(!window->isVisible());
}

void ExitScreenTest::keysThatDoNotLeave_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Enter in the name") << "txtName" << int(Qt::Key_Return);
    QTest::newRow("Enter in an address") << "txtEmail" << int(Qt::Key_Enter);
    QTest::newRow("Esc in the name") << "txtName" << int(Qt::Key_Escape);
    QTest::newRow("Esc in the message") << "txtMessage" << int(Qt::Key_Escape);
    QTest::newRow("Esc on Exit") << "cmdClose" << int(Qt::Key_Escape);
    QTest::newRow("Esc on the home page button") << "Check1" << int(Qt::Key_Escape);
}

// The window has no cancel button and Enter in a text box presses nothing: the user stays on the
// screen with the form as it was filled in.
void ExitScreenTest::keysThatDoNotLeave()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    auto window = Created();
    QVERIFY(ShowActive(window.get()));
    QSignalSpy unloading(window.get(), &frmExitScreen::unloading);
    UrlRecorder recorder;
    QLineEdit* name = window->ui()->txtName;
    name->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(name, QStringLiteral("Ann"));
    auto* target = window->findChild<QWidget*>(focus);
    target->setFocus(Qt::TabFocusReason);

    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(unloading.count(), 0);
    QVERIFY(window->isVisible());
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(name->text(), QStringLiteral("Ann"));
    QCOMPARE(window->ui()->txtMessage->toPlainText(), QStringLiteral("Your Message\n"));
    QVERIFY(recorder.urls.isEmpty());
}

QTEST_MAIN(ExitScreenTest)
#include "test_exit_screen.moc"
