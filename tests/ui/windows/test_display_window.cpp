#include "core/reading.h"
#include "support/url_recorder.h"
#include "ui/look/look.h"
#include "ui/look/moon_pictures.h"
#include "ui/windows/about_box.h"
#include "ui/windows/display_window.h"
#include "ui_display_window.h"
#include "web/links.h"

#include <QDesktopServices>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using lunetide::web::LinkRole;
using lunetide::web::UrlOf;

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ReadingRequest RequestFor(ReadingKind kind, QDate date)
{
    ReadingRequest request;
    request.kind = kind;
    request.date = {date.year(), date.month(), date.day()};
    request.reading =
        lunetide::ReadingOf(date.year(), date.month(), date.day(), lunetide::TextCopy::Display);
    request.dateTime = QStringLiteral("6:28:03 PM ; 12/6/2026");
    return request;
}

// The direct child of the window's client area that is seen at a point of it.
QWidget* SeenAt(frmDisplay& window, QPoint point)
{
    QWidget* central = window.centralWidget();
    QWidget* seen = central->childAt(point);
    while (seen && seen->parentWidget() != central)
        seen = seen->parentWidget();
    return seen;
}

// Shown and active, as the user sees it; without a window manager a window is activated by hand.
bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QImage PictureOf(const QLabel* label)
{
    return label->pixmap().toImage();
}

// The labels a reading writes and what a freshly made window shows in them.
const QList<std::pair<QString, QString>> kPlaceholders = {
    {"lblMoonPhaseName", "lblMoonPhaseName"},         {"lblGivenDate", "23/12/2007"},
    {"lblDateTime", "23/12/2007 ss/ss/sssss"},        {"lblMoonPhaseDesc", "lblMoonPhaseDesc"},
    {"lblMoonInSunsign", "lblMoonInSunsign"},         {"lblMoonInSunsignKeywords", "The full"},
    {"lblMoonInSunsignDesc", "lblMoonInSunsignDesc"}, {"lblMoonInElement", "lblMoonInElement"},
    {"lblMoonInElementDesc", "lblMoonInElementDesc"},
};

// Every label shows all of its text: labels that size themselves are as large as their text and
// keep their stored left and top edges, whatever their alignment; wrapped ones hold all their
// lines; and every text lies inside its frame.
void CheckNothingClipped(frmDisplay& window)
{
    struct Stored {
        const char* name;
        QRect place;
        bool sizesItself;
    };
    const Stored labels[] = {
        {"lblMoonPhaseName", {224, 24, 126, 13}, true},
        {"Label2", {80, 104, 99, 13}, true},
        {"Label3", {376, 104, 57, 13}, true},
        {"lblGivenDate", {88, 128, 80, 13}, true},
        {"lblDateTime", {320, 128, 163, 13}, true},
        {"lblMoonPhaseDesc", {12, 152, 545, 65}, false},
        {"lblMoonInSunsign", {212, 16, 144, 18}, true},
        {"Label4", {253, 48, 63, 13}, true},
        {"lblMoonInSunsignKeywords", {260, 72, 49, 13}, true},
        {"lblMoonInSunsignDesc", {12, 96, 545, 117}, false},
        {"lblMoonInElement", {211, 32, 147, 18}, true},
        {"lblMoonInElementDesc", {14, 72, 540, 141}, false},
        {"Label61", {4, 8, 560, 39}, false},
        {"lblFullBrand", {8, 11, 399, 41}, false},
        {"lblCobrand", {8, 11, 399, 41}, false},
    };
    for (const Stored& stored : labels) {
        auto* label = window.findChild<QLabel*>(stored.name);
        QVERIFY2(label, stored.name);
        const QRect place = label->geometry();
        QRect text = place; // where the text is drawn, from the label's top
        if (stored.sizesItself) {
            QCOMPARE(place.size(), label->sizeHint());
            QCOMPARE(place.topLeft(), stored.place.topLeft());
        } else {
            QCOMPARE(place, stored.place);
            text.setHeight(label->heightForWidth(place.width()));
            QVERIFY2(text.height() <= place.height(), stored.name);
        }
        QVERIFY2(label->parentWidget()->rect().contains(text), stored.name);
    }
}

} // namespace

Q_DECLARE_METATYPE(lunetide::Hemisphere)

class DisplayWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { lunetide::ui::InstallFontSubstitutes(); }

    void freshWindowShowsItsStoredLayout();
    void stackingAndFocus();
    void resetWindowMatchesAFreshOne_data();
    void resetWindowMatchesAFreshOne();
    void menuBar();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void readingLandsInItsFrame_data();
    void readingLandsInItsFrame();
    void everyTextFits();
    void dateTimeKeepsItsLeftEdge();
    void keysAndButtons_data();
    void keysAndButtons();
    void closingSignalsUnloadOnce();
    void aboutIsModalAndReturns();
};

void DisplayWindowTest::freshWindowShowsItsStoredLayout()
{
    frmDisplay window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Ui::frmDisplay* ui = window.ui();

    QCOMPARE(window.windowTitle(), QStringLiteral("Lunetide v1.15"));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(ui->centralwidget->size(), QSize(569, 329));
    QCOMPARE(ui->centralwidget->geometry().top(), window.menuBar()->geometry().bottom() + 1);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(
        !(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);

    for (const auto& [frame, place] :
         QList<std::pair<QWidget*, QRect>>{{ui->Frame2, {0, 0, 569, 41}},
                                           {ui->fraMoonPhase, {0, 40, 569, 233}},
                                           {ui->fraZodiacalMoon, {0, 40, 569, 233}},
                                           {ui->fraElementalMoon, {0, 40, 569, 233}},
                                           {ui->Frame5, {0, 272, 569, 57}},
                                           {ui->PicMoonPhase, {256, 48, 52, 52}},
                                           {ui->cmdExit, {416, 16, 76, 31}},
                                           {ui->cmdBack, {496, 16, 68, 31}}})
        QCOMPARE(frame->geometry(), place);
    QCOMPARE(ui->cmdExit->text(), QStringLiteral("&Exit"));
    QCOMPARE(ui->cmdBack->text(), QStringLiteral("&Back"));
    QCOMPARE(ui->Label2->text(), QStringLiteral("Moon Phase on"));
    QCOMPARE(ui->Label3->text(), QStringLiteral("Today Is"));
    QCOMPARE(ui->Label4->text(), QStringLiteral("Keywords"));
    QVERIFY(
        ui->lblCobrand->text().contains(QStringLiteral("site's name &  link here. See \"Help\"")));
    for (const auto& [name, text] : kPlaceholders)
        QCOMPARE(window.findChild<QLabel*>(name)->text(), text);
    QCOMPARE(
        PictureOf(ui->PicMoonPhase),
        lunetide::ui::MoonPicture(lunetide::MoonOfAge(14), lunetide::Hemisphere::North).toImage());
    CheckNothingClipped(window);
}

void DisplayWindowTest::stackingAndFocus()
{
    frmDisplay window;
    const Ui::frmDisplay* ui = window.ui();
    QVERIFY(ShowActive(window));
    // The strips cover the one-pixel overlaps with the middle band, which shows the frame made
    // last until a reading brings its own to the front.
    QCOMPARE(SeenAt(window, {1, 40}), ui->Frame2);
    QCOMPARE(SeenAt(window, {1, 272}), ui->Frame5);
    QCOMPARE(SeenAt(window, {1, 150}), ui->fraElementalMoon);
    const QObjectList stack = ui->centralwidget->children();
    QVERIFY(stack.indexOf(ui->fraMoonPhase) < stack.indexOf(ui->fraZodiacalMoon));
    QVERIFY(stack.indexOf(ui->fraZodiacalMoon) < stack.indexOf(ui->fraElementalMoon));
    QCOMPARE(ui->Frame5->childAt(ui->lblCobrand->geometry().center()), ui->lblFullBrand);

    QCOMPARE(QApplication::focusWidget(), ui->cmdBack);
    for (QWidget* next :
         {static_cast<QWidget*>(ui->cmdExit), static_cast<QWidget*>(ui->PicMoonPhase),
          static_cast<QWidget*>(ui->cmdBack)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void DisplayWindowTest::resetWindowMatchesAFreshOne_data()
{
    QTest::addColumn<QList<ReadingKind>>("kinds");
    QTest::addColumn<QDate>("date");
    QTest::newRow("moon phase") << QList<ReadingKind>{ReadingKind::MoonPhase}
                                << QDate(2007, 12, 23);
    QTest::newRow("zodiacal") << QList<ReadingKind>{ReadingKind::ZodiacalMoon}
                              << QDate(1950, 9, 30);
    QTest::newRow("elemental") << QList<ReadingKind>{ReadingKind::ElementalMoon}
                               << QDate(1901, 3, 1);
    QTest::newRow("all three") << QList<ReadingKind>{ReadingKind::MoonPhase,
                                                     ReadingKind::ElementalMoon,
                                                     ReadingKind::ZodiacalMoon}
                               << QDate(2050, 6, 5);
}

// A window that has shown readings and is put back to its stored state shows what a window built
// afresh shows, control by control.
void DisplayWindowTest::resetWindowMatchesAFreshOne()
{
    QFETCH(QList<ReadingKind>, kinds);
    QFETCH(QDate, date);
    frmDisplay used;
    for (ReadingKind kind : kinds)
        used.WriteReading(RequestFor(kind, date));
    used.SetDateTime(QStringLiteral("12:00:00 AM ; 1/1/2000"));
    QVERIFY(ShowActive(used));
    used.ui()->cmdExit->setFocus();
    used.move(used.pos() + QPoint(40, 30));
    used.hide();
    used.ResetToStoredState();

    frmDisplay fresh;
    for (frmDisplay* window : {&used, &fresh}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    QCOMPARE(used.pos(), fresh.pos());
    QCOMPARE(used.focusWidget(), used.ui()->cmdBack);
    QCOMPARE(fresh.focusWidget(), fresh.ui()->cmdBack);
    const QList<QWidget*> usedControls = used.findChildren<QWidget*>();
    const QList<QWidget*> freshControls = fresh.findChildren<QWidget*>();
    QCOMPARE(usedControls.size(), freshControls.size());
    for (qsizetype i = 0; i < usedControls.size(); ++i) {
        const QWidget* a = usedControls[i];
        const QWidget* b = freshControls[i];
        const QByteArray name = a->objectName().toUtf8();
        QCOMPARE(a->objectName(), b->objectName());
        QVERIFY2(a->geometry() == b->geometry(), name);
        QVERIFY2(a->isVisible() == b->isVisible(), name);
        if (auto* label = qobject_cast<const QLabel*>(a)) {
            const auto* other = static_cast<const QLabel*>(b);
            QVERIFY2(label->text() == other->text(), name);
            QVERIFY2(PictureOf(label) == PictureOf(other), name);
        }
        QStringList order[2];
        for (int w = 0; w < 2; ++w) {
            for (const QObject* child : (w == 0 ? a : b)->children())
                order[w] << child->objectName();
        }
        QVERIFY2(order[0] == order[1], name); // front-to-back order of the frames and labels
    }
}

void DisplayWindowTest::menuBar()
{
    frmDisplay window;
    const Ui::frmDisplay* ui = window.ui();
    QStringList top;
    for (const QAction* action : window.menuBar()->actions())
        top << action->text();
    QCOMPARE(top, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
    QVERIFY(!ui->mnuDonate->menu());
    QVERIFY(ui->mnuMakeMoneyOnline->isVisible());
    QVERIFY(!ui->mnuMakeMoneyOnline->isEnabled());

    QStringList help;
    for (const QAction* action : ui->mnuHelp->actions())
        help << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(help, (QStringList{"&Online Help", "&Visit Us Online", "-",
                                "&Check for Software Update", "-", "&About Software"}));
    QCOMPARE(ui->mnuFile->actions(), (QList<QAction*>{ui->mnuFileBack, ui->mnuExit}));
    QCOMPARE(ui->mnuExit->text(), QStringLiteral("E&xit"));
}

void DisplayWindowTest::linksOpenTheirPages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QList<QUrl>>("opened");
    const auto url = [](LinkRole role) { return QList<QUrl>{QUrl(UrlOf(role))}; };
    QTest::newRow("Label61") << "Label61" << url(LinkRole::HomePage);
    QTest::newRow("lblCobrand") << "lblCobrand" << url(LinkRole::CoBrand);
    QTest::newRow("lblFullBrand") << "lblFullBrand" << url(LinkRole::FullyBranded);
    QTest::newRow("mnuOnline") << "mnuOnline" << url(LinkRole::OnlineHelp);
    QTest::newRow("mnuVisit") << "mnuVisit" << url(LinkRole::HomePage);
    QTest::newRow("mnuUpdate") << "mnuUpdate" << url(LinkRole::Download);
    QTest::newRow("mnuDonate") << "mnuDonate" << url(LinkRole::Donate);
    // Greyed out: choosing it does nothing.
    QTest::newRow("mnuMakeMoneyOnline") << "mnuMakeMoneyOnline" << QList<QUrl>{};
    // The offer seen in the bottom strip is the fully-branded one, which covers the co-brand one.
    QTest::newRow("offer seen") << "Frame5" << url(LinkRole::FullyBranded);
}

void DisplayWindowTest::linksOpenTheirPages()
{
    QFETCH(QString, control);
    QFETCH(QList<QUrl>, opened);
    frmDisplay window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy unloading(&window, &frmDisplay::unloading);

    UrlRecorder recorder;
    if (auto* action = window.findChild<QAction*>(control)) {
        action->trigger();
    } else if (control == "Frame5") {
        const QPoint offer = window.ui()->lblCobrand->geometry().center();
        QTest::mouseClick(window.ui()->Frame5->childAt(offer), Qt::LeftButton);
    } else {
        QTest::mouseClick(window.findChild<QWidget*>(control), Qt::LeftButton);
    }

    QCOMPARE(recorder.urls, opened);
    QVERIFY(window.isVisible());
    QCOMPARE(unloading.size(), 0);
}

void DisplayWindowTest::readingLandsInItsFrame_data()
{
    QTest::addColumn<ReadingKind>("kind");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<lunetide::Hemisphere>("hemisphere");
    const auto north = lunetide::Hemisphere::North;
    const QList<QDate> dates = {QDate(2007, 12, 23), QDate(1901, 1, 1),  QDate(2000, 1, 20),
                                QDate(2050, 12, 31), QDate(2004, 2, 29), QDate(1999, 8, 23)};
    for (const QDate& date : dates) {
        const QByteArray day = date.toString(Qt::ISODate).toLatin1();
        QTest::newRow("phase " + day) << ReadingKind::MoonPhase << date << north;
        QTest::newRow("phase south " + day)
            << ReadingKind::MoonPhase << date << lunetide::Hemisphere::South;
        QTest::newRow("zodiacal " + day) << ReadingKind::ZodiacalMoon << date << north;
        QTest::newRow("elemental " + day) << ReadingKind::ElementalMoon << date << north;
    }
}

void DisplayWindowTest::readingLandsInItsFrame()
{
    QFETCH(ReadingKind, kind);
    QFETCH(QDate, date);
    QFETCH(lunetide::Hemisphere, hemisphere);
    frmDisplay window;
    const Ui::frmDisplay* ui = window.ui();
    ReadingRequest request = RequestFor(kind, date);
    request.hemisphere = hemisphere;
    window.WriteReading(request);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QHash<QString, QString> written;
    QFrame* front = nullptr;
    const lunetide::Reading& reading = *request.reading;
    switch (kind) {
    case ReadingKind::MoonPhase:
        written = {{"lblMoonPhaseName", Text(reading.phaseTexts.name)},
                   {"lblMoonPhaseDesc", Text(reading.phaseTexts.text)},
                   {"lblDateTime", request.dateTime},
                   {"lblGivenDate", date.toString("M/d/yyyy")}};
        front = ui->fraMoonPhase;
        break;
    case ReadingKind::ZodiacalMoon:
        written = {{"lblMoonInSunsign", Text(reading.signTexts.title)},
                   {"lblMoonInSunsignKeywords", Text(reading.signTexts.keyword)},
                   {"lblMoonInSunsignDesc", Text(reading.signTexts.text)}};
        front = ui->fraZodiacalMoon;
        break;
    case ReadingKind::ElementalMoon:
        written = {{"lblMoonInElement", Text(reading.elementTexts.name)},
                   {"lblMoonInElementDesc", Text(reading.elementTexts.text)}};
        front = ui->fraElementalMoon;
        break;
    }
    for (const auto& [name, placeholder] : kPlaceholders)
        QCOMPARE(window.findChild<QLabel*>(name)->text(), written.value(name, placeholder));
    const lunetide::Moon moon =
        kind == ReadingKind::MoonPhase ? *reading.moon : lunetide::MoonOfAge(14);
    QCOMPARE(PictureOf(ui->PicMoonPhase), lunetide::ui::MoonPicture(moon, hemisphere).toImage());

    QCOMPARE(SeenAt(window, {284, 150}), front);
    QCOMPARE(SeenAt(window, {1, 40}), ui->Frame2);
    QCOMPARE(SeenAt(window, {1, 272}), ui->Frame5);
    CheckNothingClipped(window);

    // Without a sign the frame still comes to the front, its labels as they were.
    if (kind != ReadingKind::MoonPhase) {
        ReadingRequest noSign = RequestFor(kind, date);
        noSign.reading.reset();
        window.WriteReading(RequestFor(ReadingKind::MoonPhase, date));
        window.WriteReading(noSign);
        QCOMPARE(SeenAt(window, {284, 150}), front);
        for (const auto& [name, placeholder] : kPlaceholders) {
            if (!name.startsWith("lblMoonPhase") && !name.startsWith("lblGiven") &&
                !name.startsWith("lblDate"))
                QCOMPARE(window.findChild<QLabel*>(name)->text(), written.value(name, placeholder));
        }
    }
}

// Every phase, sign and element the window can be asked to show fits its labels.
void DisplayWindowTest::everyTextFits()
{
    frmDisplay window;
    for (int day = 0; day < 366; day += 3) {
        const QDate date = QDate(2008, 1, 1).addDays(day);
        for (ReadingKind kind :
             {ReadingKind::MoonPhase, ReadingKind::ZodiacalMoon, ReadingKind::ElementalMoon})
            window.WriteReading(RequestFor(kind, date));
        CheckNothingClipped(window);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(date.toString(Qt::ISODate)));
    }
}

// The clock rewrites the label every second with texts of changing widths; its left edge stays
// where the form put it.
void DisplayWindowTest::dateTimeKeepsItsLeftEdge()
{
    frmDisplay window;
    const QLabel* label = window.ui()->lblDateTime;
    const QStringList texts = {"9:59:59 AM ; 1/1/2026", "10:00:00 AM ; 12/31/2026", "1:0 ; 1",
                               "12:59:59 PM ; 12/31/2026"};
    for (int tick = 0; tick < 200; ++tick) {
        window.SetDateTime(texts[tick % texts.size()]);
        QCOMPARE(label->text(), texts[tick % texts.size()]);
        QCOMPARE(label->width(), label->sizeHint().width());
        QCOMPARE(label->pos(), QPoint(320, 128));
    }
}

void DisplayWindowTest::keysAndButtons_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("unload");
    QTest::newRow("Enter on Back") << "cmdBack"
                                   << "Enter" << 1 << 0;
    QTest::newRow("Enter on the picture") << "PicMoonPhase"
                                          << "Enter" << 0 << 1;
    QTest::newRow("Enter on Exit") << "cmdExit"
                                   << "Enter" << 0 << 1;
    QTest::newRow("Esc on Back") << "cmdBack"
                                 << "Esc" << 0 << 1;
    QTest::newRow("Esc on the picture") << "PicMoonPhase"
                                        << "Esc" << 0 << 1;
    QTest::newRow("Back clicked") << "cmdExit"
                                  << "cmdBack" << 1 << 0;
    QTest::newRow("Exit clicked") << "cmdBack"
                                  << "cmdExit" << 0 << 1;
    QTest::newRow("File Back") << "cmdBack"
                               << "mnuFileBack" << 1 << 0;
    QTest::newRow("File Exit") << "cmdBack"
                               << "mnuExit" << 0 << 1;
}

void DisplayWindowTest::keysAndButtons()
{
    QFETCH(QString, focus);
    QFETCH(QString, action);
    QFETCH(int, back);
    QFETCH(int, unload);
    frmDisplay window;
    QVERIFY(ShowActive(window));
    QSignalSpy backRequested(&window, &frmDisplay::backRequested);
    QSignalSpy unloading(&window, &frmDisplay::unloading);

    window.findChild<QWidget*>(focus)->setFocus();
    if (action == "Enter")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else if (action == "Esc")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else if (auto* item = window.findChild<QAction*>(action))
        item->trigger();
    else
        QTest::mouseClick(window.findChild<QWidget*>(action), Qt::LeftButton);

    QCOMPARE(backRequested.size(), back);
    QCOMPARE(unloading.size(), unload);
    QCOMPARE(window.isVisible(), unload == 0);
}

void DisplayWindowTest::closingSignalsUnloadOnce()
{
    frmDisplay window;
    QSignalSpy unloading(&window, &frmDisplay::unloading);
    window.show();
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    window.close();
    QCOMPARE(unloading.size(), 1);
}

void DisplayWindowTest::aboutIsModalAndReturns()
{
    frmDisplay window;
    window.WriteReading(RequestFor(ReadingKind::ZodiacalMoon, QDate(2007, 12, 23)));
    QVERIFY(ShowActive(window));
    QSignalSpy unloading(&window, &frmDisplay::unloading);

    QPointer<frmAbout> seen;
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (seen) {
            owner = seen->parentWidget();
            seen->reject();
        }
    });
    window.ui()->mnuAbout->trigger();

    QVERIFY(seen.isNull()); // answered, closed and gone by the time the menu entry returns
    QCOMPARE(owner, &window);
    QVERIFY(window.isVisible());
    QCOMPARE(unloading.size(), 0);
    QCOMPARE(window.ui()->lblMoonInSunsign->text(), QStringLiteral("Moon In Capricorn"));
}

QTEST_MAIN(DisplayWindowTest)
#include "test_display_window.moc"
