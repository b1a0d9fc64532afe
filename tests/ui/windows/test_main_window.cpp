#include "support/url_recorder.h"
#include "ui/look/moon_pictures.h"
#include "ui/widgets/clickable_label.h"
#include "ui/windows/main_window.h"
#include "web/links.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using lunetide::web::LinkRole;

Q_DECLARE_METATYPE(ReadingRequest)

namespace {

// Answers every message box that opens while it lives, remembering what each one said.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString className;
};

class ModalAnswerer {
public:
    ModalAnswerer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            SeenBox box{
                {}, modal->windowTitle(), QMessageBox::NoIcon, modal->metaObject()->className()};
            if (auto* message = qobject_cast<QMessageBox*>(modal)) {
                box.text = message->text();
                box.icon = message->icon();
            }
            seen << box;
            modal->close();
        });
        timer_.start(0);
    }
    QList<SeenBox> seen;

private:
    QTimer timer_;
};

struct ListDate {
    int day;
    int month; // 1 to 12
    int year;
};

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Clock()
{
    return QStringLiteral("10:11:12 AM ; 3/4/2025");
}

} // namespace

Q_DECLARE_METATYPE(ListDate)
Q_DECLARE_METATYPE(lunetide::web::LinkRole)

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void loadFillsTheListsWhateverToday_data();
    void loadFillsTheListsWhateverToday();
    void openListsShowTheListsFont_data();
    void openListsShowTheListsFont();
    void todaysReading_data();
    void todaysReading();
    void todaysTextsFitTheirLabels();
    void clockTicksAlsoWhileHidden();
    void todaysReadingFollowsTheDate_data();
    void todaysReadingFollowsTheDate();

    void chosenDateIsValidatedForEveryReading_data();
    void chosenDateIsValidatedForEveryReading();
    void moonPhaseRequest_data();
    void moonPhaseRequest();
    void signRequests_data();
    void signRequests();
    void menuReadingBehavesLikeTheButton();

    void menusAndLabelsOpenTheirPages_data();
    void menusAndLabelsOpenTheirPages();
    void menuStructure();
    void aboutShowsTheAboutBoxModally();
    void southernHemisphereEntry_data();
    void southernHemisphereEntry();

    void enterAndEscLeaveTheWindow_data();
    void enterAndEscLeaveTheWindow();
    void enterOnTheReadingButtonRequestsAReading();
    void tabOrder();
    void keyboardFocusIsMarkedOnTheFocusedControlOnly_data();
    void keyboardFocusIsMarkedOnTheFocusedControlOnly();
    void bringOfferToFront();
    void coBrandDraw_data();
    void coBrandDraw();

private:
    std::unique_ptr<frmMain> LoadedWindow(QDate today = QDate(2025, 3, 4));
};

void MainWindowTest::initTestCase()
{
    qRegisterMetaType<ReadingRequest>();
}

std::unique_ptr<frmMain> MainWindowTest::LoadedWindow(QDate today)
{
    auto window = std::make_unique<frmMain>();
    window->SetTodaySource([today] { return today; });
    window->SetClockSource(&Clock);
    window->Form_Load();
    return window;
}

template <typename T> T* Find(QObject* window, const char* name)
{
    T* child = window->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no %s", name);
    return child;
}

void Choose(frmMain* window, ListDate date)
{
    Find<QComboBox>(window, "cboDate")->setCurrentIndex(date.day - 1);
    Find<QComboBox>(window, "cboMonth")->setCurrentIndex(date.month - 1);
    Find<QComboBox>(window, "cboYear")->setCurrentIndex(date.year - 1901);
}

void MainWindowTest::loadFillsTheListsWhateverToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::newRow("2025-03-04") << QDate(2025, 3, 4);
    QTest::newRow("2077-06-15") << QDate(2077, 6, 15);
    QTest::newRow("1999-12-31") << QDate(1999, 12, 31);
}

void MainWindowTest::loadFillsTheListsWhateverToday()
{
    QFETCH(QDate, today);
    auto window = LoadedWindow(today);

    auto items = [](QComboBox* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    };
    QStringList days, years;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    for (int year = 1901; year <= 2050; ++year)
        years << QString::number(year);
    auto* cboDate = Find<QComboBox>(window.get(), "cboDate");
    auto* cboMonth = Find<QComboBox>(window.get(), "cboMonth");
    auto* cboYear = Find<QComboBox>(window.get(), "cboYear");
    QCOMPARE(items(cboDate), days);
    QCOMPARE(items(cboMonth),
             QStringList({"January", "February", "March", "April", "May", "June", "July", "August",
                          "September", "October", "November", "December"}));
    QCOMPARE(items(cboYear), years);
    for (QComboBox* list : {cboDate, cboMonth, cboYear}) {
        QCOMPARE(list->currentIndex(), 0);
        QVERIFY(!list->isEditable());
    }
    QVERIFY(Find<QRadioButton>(window.get(), "optMoonPhase")->isChecked());

    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), cboYear);
    QCOMPARE(window->windowTitle(), QStringLiteral("Lunetide v1.15"));
    QCOMPARE(window->centralWidget()->size(), QSize(681, 550));
}

void MainWindowTest::openListsShowTheListsFont_data()
{
    QTest::addColumn<QString>("list");
    for (const char* list : {"cboDate", "cboMonth", "cboYear"})
        QTest::newRow(list) << QString::fromLatin1(list);
}

// A list builds its popup only when it is needed: the open list shows the font the style sheet
// gave the list, and follows the list's font once it exists.
void MainWindowTest::openListsShowTheListsFont()
{
    QFETCH(QString, list);
    auto window = LoadedWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* combo = Find<QComboBox>(window.get(), qPrintable(list));
    const QFont font = combo->font();
    QCOMPARE(font.family(), QStringLiteral("Verdana"));
    QCOMPARE(font.pointSizeF(), 8.25);
    QVERIFY(font.bold());

    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    QCOMPARE(combo->view()->window()->font(), font);
    combo->hidePopup();

    // The style sheet decides the list's family, size and weight; underlining is the list's own.
    QFont underlined = font;
    underlined.setUnderline(true);
    combo->setFont(underlined);
    QVERIFY(combo->font().underline());
    QCOMPARE(combo->view()->window()->font(), combo->font());
}

void MainWindowTest::todaysReading_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("signTitle");
    QTest::addColumn<QString>("element");
    // Ages 0, 13 and 29, a Libra day, and a year the lists do not offer.
    QTest::newRow("age 0") << QDate(2024, 1, 10) << 1 << "Dark Moon"
                           << "Moon In Capricorn"
                           << "Earth";
    QTest::newRow("age 13") << QDate(2024, 1, 23) << 14 << "Full Moon"
                            << "Moon In Aquarius"
                            << "Air";
    QTest::newRow("age 29") << QDate(2024, 1, 9) << 30 << "Dark Moon"
                            << "Moon In Capricorn"
                            << "Earth";
    QTest::newRow("Libra") << QDate(2025, 10, 5) << 14 << "Full Moon"
                           << "Moon In Libra"
                           << "Air";
    QTest::newRow("2077") << QDate(2077, 6, 15) << 25 << "Waning Moon"
                          << "Moon In Gemini"
                          << "Air";
    // A clock outside the years of four digits: no phase (picture 0: none), the sign all the same.
    QTest::newRow("year 499") << QDate(499, 3, 8) << 0 << "Phase Unknown"
                              << "Moon In Pisces"
                              << "Water";
    QTest::newRow("year 10021") << QDate(10021, 8, 16) << 0 << "Phase Unknown"
                                << "Moon In Leo"
                                << "Fire";
}

void MainWindowTest::todaysReading()
{
    QFETCH(QDate, today);
    QFETCH(int, picture);
    QFETCH(QString, phase);
    QFETCH(QString, signTitle);
    QFETCH(QString, element);

    frmMain window;
    QList<int> requested;
    window.SetMoonPictureSource([&requested](const lunetide::Moon& moon, lunetide::Hemisphere) {
        requested << moon.picture;
        return lunetide::ui::MoonPicture(moon, lunetide::Hemisphere::North);
    });
    window.SetTodaySource([today] { return today; });
    window.SetClockSource(&Clock);
    window.Form_Load();

    auto* box = Find<QLabel>(&window, "PicCurrentMoonPhase");
    QCOMPARE(requested, picture ? QList<int>{picture} : QList<int>{});
    QCOMPARE(box->pixmap().isNull(), picture == 0);
    // The box keeps its 52 x 52 and shows the picture from its top left corner, a larger picture
    // (55 x 53 for ages 0 to 3) cut at the box's edges.
    QCOMPARE(box->geometry(), QRect(264, 16, 52, 52));
    if (picture != 0) {
        const QImage shown = box->grab().toImage();
        const QImage stored =
            lunetide::ui::MoonPicture(lunetide::MoonOfAge(picture - 1), lunetide::Hemisphere::North)
                .toImage();
        int compared = 0;
        for (int y = 0; y < 52; ++y) {
            for (int x = 0; x < 52; ++x) {
                if (qAlpha(stored.pixel(x, y)) == 255) {
                    QCOMPARE(QColor(shown.pixel(x, y)), QColor(stored.pixel(x, y)));
                    ++compared;
                }
            }
        }
        QVERIFY(compared > 500);
    }
    QCOMPARE(Find<QLabel>(&window, "lblCurrentMoonPhaseName")->text(), phase);
    QCOMPARE(Find<QLabel>(&window, "lblCurrentMoonInSunsign")->text(), signTitle);
    QCOMPARE(Find<QLabel>(&window, "lblCurrentMoonInElement")->text(), element);
    QCOMPARE(Find<QLabel>(&window, "lblCurrentDateTime")->text(), Clock());
    for (const char* name : {"lblCurrentMoonPhaseDesc", "lblCurrentMoonInSunsignKeywords",
                             "lblCurrentMoonInSunsignDesc", "lblCurrentMoonInElementDesc"})
        QVERIFY2(Find<QLabel>(&window, name)->text().size() > 3, name);
}

// The longest names and texts of every phase, sign and element, in the stand-in font: every text
// fits the part of its label that its frame shows.
void MainWindowTest::todaysTextsFitTheirLabels()
{
    QList<QDate> days;
    for (int day = 1; day <= 30; ++day) // every age, every phase
        days << QDate(2024, 1, day);
    for (int month = 1; month <= 12; ++month) // every sign
        days << QDate(2024, month, 28);
    for (const QDate& today : days) {
        auto window = LoadedWindow(today);
        for (QLabel* label : window->findChildren<QLabel*>()) {
            // The picture box keeps its 52 x 52 and cuts a larger picture, as it should.
            if (!label->pixmap().isNull())
                continue;
            const QString what = today.toString(Qt::ISODate) + " " + label->objectName();
            const QSize shown = (label->geometry() & label->parentWidget()->rect()).size();
            const QSize needed = label->wordWrap()
                                     ? QSize(label->width(), label->heightForWidth(label->width()))
                                     : label->sizeHint();
            QVERIFY2(needed.width() <= shown.width() && needed.height() <= shown.height(),
                     qPrintable(QStringLiteral("%1 needs %2x%3, shows %4x%5")
                                    .arg(what)
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(shown.width())
                                    .arg(shown.height())));
        }
    }
}

void MainWindowTest::clockTicksAlsoWhileHidden()
{
    frmMain window; // never shown
    int reads = 0;
    window.SetClockSource([&reads] { return QStringLiteral("clock %1").arg(++reads); });
    window.SetTodaySource([] { return QDate(2025, 3, 4); });
    window.Form_Load();
    auto* label = Find<QLabel>(&window, "lblCurrentDateTime");
    QCOMPARE(label->text(), QStringLiteral("clock 1"));

    auto* timer = Find<QTimer>(&window, "Timer1");
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());

    QStringList ticked, labelWhenTicked;
    connect(&window, &frmMain::clockTicked, this, [&](const QString& text) {
        ticked << text;
        labelWhenTicked << label->text();
    });
    QTRY_COMPARE_WITH_TIMEOUT(ticked.size(), 2, 3000);
    // The display window's clock first, then this window's own, each read afresh.
    QCOMPARE(ticked, QStringList({"clock 2", "clock 4"}));
    QCOMPARE(labelWhenTicked, QStringList({"clock 1", "clock 3"}));
    QCOMPARE(label->text(), QStringLiteral("clock 5"));
}

void MainWindowTest::todaysReadingFollowsTheDate_data()
{
    QTest::addColumn<QDate>("started");
    QTest::addColumn<QDate>("later");
    // New Moon in Leo (Fire), then Waxing Moon in Virgo (Earth).
    QTest::newRow("midnight") << QDate(2026, 8, 20) << QDate(2026, 8, 21);
    QTest::newRow("new year") << QDate(2026, 12, 31) << QDate(2027, 1, 1);
    QTest::newRow("clock set back") << QDate(2026, 8, 21) << QDate(2025, 3, 20);
    QTest::newRow("clock set past 9999") << QDate(9999, 12, 31) << QDate(10000, 1, 1);
    QTest::newRow("same day") << QDate(2026, 8, 20) << QDate(2026, 8, 20);
}

// A window left open while the date changes shows, at the next tick of its clock, the reading a
// window loaded on the new day shows; the chosen date in the lists stays as it was.
void MainWindowTest::todaysReadingFollowsTheDate()
{
    QFETCH(QDate, started);
    QFETCH(QDate, later);

    QDate today = started;
    int pictures = 0;
    frmMain window;
    window.SetMoonPictureSource([&pictures](const lunetide::Moon& moon, lunetide::Hemisphere) {
        ++pictures;
        return lunetide::ui::MoonPicture(moon, lunetide::Hemisphere::North);
    });
    window.SetTodaySource([&today] { return today; });
    window.SetClockSource(&Clock);
    window.Form_Load();
    Choose(&window, {23, 12, 2007});
    const int picturesAtLoad = pictures;

    today = later;
    QSignalSpy ticked(&window, &frmMain::clockTicked);
    QVERIFY(ticked.wait(3000));

    const auto fresh = LoadedWindow(later);
    for (const char* name :
         {"lblCurrentMoonPhaseName", "lblCurrentMoonPhaseDesc", "lblCurrentMoonInSunsign",
          "lblCurrentMoonInSunsignKeywords", "lblCurrentMoonInSunsignDesc",
          "lblCurrentMoonInElement", "lblCurrentMoonInElementDesc"})
        QCOMPARE(Find<QLabel>(&window, name)->text(), Find<QLabel>(fresh.get(), name)->text());
    auto* picture = Find<QLabel>(&window, "PicCurrentMoonPhase");
    auto* freshPicture = Find<QLabel>(fresh.get(), "PicCurrentMoonPhase");
    QCOMPARE(picture->pixmap().toImage(), freshPicture->pixmap().toImage());
    QCOMPARE(picture->accessibleDescription(), freshPicture->accessibleDescription());
    if (later == started)
        QCOMPARE(pictures, picturesAtLoad);

    QCOMPARE(Find<QComboBox>(&window, "cboDate")->currentText(), QStringLiteral("23"));
    QCOMPARE(Find<QComboBox>(&window, "cboMonth")->currentText(), QStringLiteral("December"));
    QCOMPARE(Find<QComboBox>(&window, "cboYear")->currentText(), QStringLiteral("2007"));
}

void MainWindowTest::chosenDateIsValidatedForEveryReading_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<ListDate>("date");
    QTest::addColumn<QString>("message"); // empty: accepted

    const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString thirtyDays = QStringLiteral("Please Enter Correct Date Or Month !");
    const struct {
        const char* name;
        ListDate date;
        QString message;
    } cases[] = {
        {"29 Feb 2000", {29, 2, 2000}, {}},
        {"29 Feb 2004", {29, 2, 2004}, {}},
        {"29 Feb 1904", {29, 2, 1904}, {}},
        {"28 Feb 1901", {28, 2, 1901}, {}},
        {"29 Feb 1901", {29, 2, 1901}, february},
        {"29 Feb 2001", {29, 2, 2001}, february},
        {"29 Feb 2050", {29, 2, 2050}, february},
        {"30 Feb 2000", {30, 2, 2000}, february},
        {"31 Feb 2004", {31, 2, 2004}, february},
        {"31 Feb 2003", {31, 2, 2003}, february},
        {"31 Apr", {31, 4, 2007}, thirtyDays},
        {"31 Jun", {31, 6, 2007}, thirtyDays},
        {"31 Sep", {31, 9, 2007}, thirtyDays},
        {"31 Nov", {31, 11, 2007}, thirtyDays},
        {"30 Apr", {30, 4, 2007}, {}},
        {"31 Jan", {31, 1, 2007}, {}},
        {"31 Mar", {31, 3, 2007}, {}},
        {"31 May", {31, 5, 2007}, {}},
        {"31 Jul", {31, 7, 2007}, {}},
        {"31 Aug", {31, 8, 2007}, {}},
        {"31 Oct", {31, 10, 2007}, {}},
        {"31 Dec 2050", {31, 12, 2050}, {}},
    };
    for (const char* option : {"optMoonPhase", "optZodiacalMoon", "optElementalMoon"}) {
        for (const auto& c : cases) {
            QTest::addRow("%s %s", option, c.name) << option << c.date << c.message;
        }
    }
}

void MainWindowTest::chosenDateIsValidatedForEveryReading()
{
    QFETCH(QString, option);
    QFETCH(ListDate, date);
    QFETCH(QString, message);

    auto window = LoadedWindow();
    Find<QRadioButton>(window.get(), qPrintable(option))->setChecked(true);
    Choose(window.get(), date);
    QSignalSpy requests(window.get(), &frmMain::readingRequested);
    ModalAnswerer answerer;
    Find<QPushButton>(window.get(), "cmdCalculateMoonPhase")->click();

    if (message.isEmpty()) {
        QCOMPARE(answerer.seen.size(), 0);
        QCOMPARE(requests.size(), 1);
        const auto request = requests.at(0).at(0).value<ReadingRequest>();
        QVERIFY(request.reading && request.reading->moon);
        QCOMPARE(request.date.day, date.day);
        return;
    }
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, message);
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Lunetide"));
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Information);
    QCOMPARE(requests.size(), 0);
}

void MainWindowTest::moonPhaseRequest_data()
{
    QTest::addColumn<ListDate>("date");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("givenDate");
    QTest::newRow("start selection") << ListDate{1, 1, 1901} << 12 << "Waxing Moon"
                                     << "1/1/1901";
    QTest::newRow("23 Dec 2007") << ListDate{23, 12, 2007} << 15 << "Full Moon"
                                 << "12/23/2007";
    QTest::newRow("31 Dec 1999") << ListDate{31, 12, 1999} << 24 << "Waning Moon"
                                 << "12/31/1999";
    QTest::newRow("1 Jan 2000") << ListDate{1, 1, 2000} << 27 << "Dark Moon"
                                << "1/1/2000";
    QTest::newRow("31 Dec 2050") << ListDate{31, 12, 2050} << 19 << "Waning Moon"
                                 << "12/31/2050";
}

void MainWindowTest::moonPhaseRequest()
{
    QFETCH(ListDate, date);
    QFETCH(int, picture);
    QFETCH(QString, phase);
    QFETCH(QString, givenDate);

    auto window = LoadedWindow();
    if (date.year != 1901 || date.month != 1 || date.day != 1) // the start selection as it is
        Choose(window.get(), date);
    QSignalSpy requests(window.get(), &frmMain::readingRequested);
    window->cmdCalculateMoonPhase_Click();

    QCOMPARE(requests.size(), 1);
    const auto request = requests.at(0).at(0).value<ReadingRequest>();
    QCOMPARE(request.kind, ReadingKind::MoonPhase);
    QCOMPARE(request.reading->moon->picture, picture);
    QCOMPARE(Text(request.reading->phaseTexts.name), phase);
    QVERIFY(Text(request.reading->phaseTexts.text)
                .startsWith("The " + phase.toLower() + " is a good time"));
    QCOMPARE(request.dateTime, Clock());
    QCOMPARE(QStringLiteral("%1/%2/%3")
                 .arg(request.date.month)
                 .arg(request.date.day)
                 .arg(request.date.year),
             givenDate);
}

void MainWindowTest::signRequests_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<ListDate>("date");
    QTest::addColumn<QString>("name"); // the sign's title or the element's name
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("textEnd");
    QTest::newRow("20 Jan") << "optZodiacalMoon" << ListDate{20, 1, 2001} << "Moon In Aquarius"
                            << "Outgoing"
                            << "too stubborn.";
    QTest::newRow("19 Jan") << "optZodiacalMoon" << ListDate{19, 1, 2001} << "Moon In Capricorn"
                            << "Motivated"
                            << "too logical.";
    // The requested reading shows the display copy, which differs from today's in these texts.
    QTest::newRow("Aries") << "optZodiacalMoon" << ListDate{1, 4, 1950} << "Moon In Aries"
                           << "Passion"
                           << "have patience. ";
    QTest::newRow("Scorpio") << "optZodiacalMoon" << ListDate{1, 11, 1950} << "Moon In Scorpio"
                             << "Idealistic "
                             << "overcome you.";
    QTest::newRow("21 Mar") << "optElementalMoon" << ListDate{21, 3, 2050} << "Fire"
                            << ""
                            << "education and sports.";
    QTest::newRow("Air") << "optElementalMoon" << ListDate{5, 10, 1901} << "Air"
                         << ""
                         << "personal development.";
}

void MainWindowTest::signRequests()
{
    QFETCH(QString, option);
    QFETCH(ListDate, date);
    QFETCH(QString, name);
    QFETCH(QString, keyword);
    QFETCH(QString, textEnd);

    auto window = LoadedWindow();
    Find<QRadioButton>(window.get(), qPrintable(option))->setChecked(true);
    Choose(window.get(), date);
    QSignalSpy requests(window.get(), &frmMain::readingRequested);
    window->cmdCalculateMoonPhase_Click();

    QCOMPARE(requests.size(), 1);
    const auto request = requests.at(0).at(0).value<ReadingRequest>();
    QVERIFY(request.reading);
    QVERIFY(request.dateTime.isEmpty());
    const lunetide::Reading& reading = *request.reading;
    if (option == "optZodiacalMoon") {
        QCOMPARE(request.kind, ReadingKind::ZodiacalMoon);
        QCOMPARE(Text(reading.signTexts.title), name);
        QCOMPARE(Text(reading.signTexts.keyword), keyword);
        QVERIFY2(Text(reading.signTexts.text).endsWith(textEnd), reading.signTexts.text.data());
    } else {
        QCOMPARE(request.kind, ReadingKind::ElementalMoon);
        QCOMPARE(Text(reading.elementTexts.name), name);
        QVERIFY2(Text(reading.elementTexts.text).endsWith(textEnd),
                 reading.elementTexts.text.data());
    }
}

void MainWindowTest::menuReadingBehavesLikeTheButton()
{
    auto window = LoadedWindow();
    QSignalSpy requests(window.get(), &frmMain::readingRequested);
    auto* entry = Find<QAction>(window.get(), "mnuMoonMagickReading");

    Choose(window.get(), {31, 4, 2007});
    {
        ModalAnswerer answerer;
        entry->trigger();
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].text, QStringLiteral("Please Enter Correct Date Or Month !"));
    }
    QCOMPARE(requests.size(), 0);

    Choose(window.get(), {23, 12, 2007});
    entry->trigger();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).value<ReadingRequest>().date.year, 2007);
}

void MainWindowTest::menusAndLabelsOpenTheirPages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<LinkRole>("role");
    QTest::newRow("Online Help") << "mnuOnline" << LinkRole::OnlineHelp;
    QTest::newRow("Visit Us Online") << "mnuVisit" << LinkRole::HomePage;
    QTest::newRow("Check for Update") << "mnuUpdate" << LinkRole::Download;
    QTest::newRow("Donate") << "mnuDonate" << LinkRole::Donate;
    QTest::newRow("Label2") << "Label2" << LinkRole::FullyBranded;
    QTest::newRow("Label61") << "Label61" << LinkRole::HomePage;
    QTest::newRow("lblCobrand") << "lblCobrand" << LinkRole::CoBrand;
    QTest::newRow("lblFullBrand") << "lblFullBrand" << LinkRole::FullyBranded;
}

void MainWindowTest::menusAndLabelsOpenTheirPages()
{
    QFETCH(QString, control);
    QFETCH(LinkRole, role);

    auto window = LoadedWindow();
    QSignalSpy unloading(window.get(), &frmMain::unloading);
    UrlRecorder recorder;
    if (auto* action = window->findChild<QAction*>(control))
        action->trigger();
    else
        QTest::mouseClick(Find<ClickableLabel>(window.get(), qPrintable(control)), Qt::LeftButton);

    QCOMPARE(recorder.urls, QList<QUrl>{QUrl(lunetide::web::UrlOf(role))});
    QCOMPARE(unloading.size(), 0);
}

void MainWindowTest::menuStructure()
{
    auto window = LoadedWindow();
    auto captions = [](const QList<QAction*>& actions) {
        QStringList texts;
        for (QAction* action : actions)
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    };
    QCOMPARE(captions(window->menuBar()->actions()),
             QStringList({"&File", "&Help", "&Donate", "Make Money &Online"}));
    QCOMPARE(captions(Find<QMenu>(window.get(), "mnuFile")->actions()),
             QStringList({"Moon &Magick Reading", "Moon &Calendar…", "Moon in the &Sky…", "-",
                          "&Southern Hemisphere", "Your &Place…", "-", "E&xit"}));
    QCOMPARE(captions(Find<QMenu>(window.get(), "mnuHelp")->actions()),
             QStringList({"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                          "-", "&About Software"}));

    // Donate opens its page straight from the menu bar; Make Money Online is shown greyed.
    QVERIFY(!Find<QAction>(window.get(), "mnuDonate")->menu());
    auto* makeMoney = Find<QAction>(window.get(), "mnuMakeMoneyOnline");
    QVERIFY(makeMoney->isVisible());
    QVERIFY(!makeMoney->isEnabled());
}

void MainWindowTest::aboutShowsTheAboutBoxModally()
{
    auto window = LoadedWindow();
    window->show();
    ModalAnswerer answerer;
    Find<QAction>(window.get(), "mnuAbout")->trigger();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].className, QStringLiteral("frmAbout"));
}

void MainWindowTest::southernHemisphereEntry_data()
{
    QTest::addColumn<bool>("startSouth");
    QTest::addColumn<bool>("stored");
    QTest::newRow("north to south") << false << true;
    QTest::newRow("south to north") << true << true;
    QTest::newRow("north, write fails") << false << false;
    QTest::newRow("south, write fails") << true << false;
}

// The entry shows the hemisphere the pictures are drawn for; choosing it redraws today's picture
// and the next request's at once, unless the choice cannot be stored.
void MainWindowTest::southernHemisphereEntry()
{
    QFETCH(bool, startSouth);
    QFETCH(bool, stored);
    using lunetide::Hemisphere;
    const Hemisphere start = startSouth ? Hemisphere::South : Hemisphere::North;
    const Hemisphere other = startSouth ? Hemisphere::North : Hemisphere::South;

    // 13 December 2026: a waxing crescent, the moon 4 days old.
    auto window = LoadedWindow(QDate(2026, 12, 13));
    window->SetHemisphere(start);
    QList<Hemisphere> asked;
    window->SetHemisphereStore([&](Hemisphere chosen) {
        asked << chosen;
        return stored ? QString() : QStringLiteral("cannot store");
    });
    auto* entry = Find<QAction>(window.get(), "mnuSouthernHemisphere");
    auto* box = Find<QLabel>(window.get(), "PicCurrentMoonPhase");
    QCOMPARE(entry->isChecked(), startSouth);
    QCOMPARE(box->pixmap().toImage(),
             lunetide::ui::MoonPicture(lunetide::MoonOfAge(4), start).toImage());

    ModalAnswerer answerer;
    entry->trigger();
    QCOMPARE(asked, QList<Hemisphere>{other});
    const Hemisphere now = stored ? other : start;
    QCOMPARE(window->hemisphere(), now);
    QCOMPARE(entry->isChecked(), now == Hemisphere::South);
    QCOMPARE(box->pixmap().toImage(),
             lunetide::ui::MoonPicture(lunetide::MoonOfAge(4), now).toImage());
    QCOMPARE(answerer.seen.size(), stored ? 0 : 1);
    if (!stored)
        QCOMPARE(answerer.seen[0].icon, QMessageBox::Critical);

    QSignalSpy requests(window.get(), &frmMain::readingRequested);
    window->cmdCalculateMoonPhase_Click();
    QCOMPARE(requests.at(0).at(0).value<ReadingRequest>().hemisphere, now);
}

void MainWindowTest::enterAndEscLeaveTheWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("via");
    QTest::newRow("Enter") << int(Qt::Key_Return) << "";
    QTest::newRow("Esc") << int(Qt::Key_Escape) << "";
    QTest::newRow("Exit button") << 0 << "cmdExit";
    QTest::newRow("File Exit") << 0 << "mnuExit";
}

void MainWindowTest::enterAndEscLeaveTheWindow()
{
    QFETCH(int, key);
    QFETCH(QString, via);

    auto window = LoadedWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy unloading(window.get(), &frmMain::unloading);
    QSignalSpy requests(window.get(), &frmMain::readingRequested);
    if (key)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    else if (via == "cmdExit")
        Find<QPushButton>(window.get(), "cmdExit")->click();
    else
        Find<QAction>(window.get(), "mnuExit")->trigger();

    QCOMPARE(unloading.size(), 1);
    QCOMPARE(requests.size(), 0);
    QVERIFY(!window->isVisible());
    QVERIFY(!Find<QTimer>(window.get(), "Timer1")->isActive());
}

void MainWindowTest::enterOnTheReadingButtonRequestsAReading()
{
    auto window = LoadedWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* button = Find<QPushButton>(window.get(), "cmdCalculateMoonPhase");
    button->setFocus();
    QSignalSpy unloading(window.get(), &frmMain::unloading);
    QSignalSpy requests(window.get(), &frmMain::readingRequested);
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(unloading.size(), 0);
    QVERIFY(window->isVisible());
}

void MainWindowTest::tabOrder()
{
    auto window = LoadedWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, QStringList({"cboYear", "cboDate", "cboMonth", "optMoonPhase",
                                   "cmdCalculateMoonPhase", "PicCurrentMoonPhase", "cmdExit"}));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cboYear"));
}

void MainWindowTest::keyboardFocusIsMarkedOnTheFocusedControlOnly_data()
{
    QTest::addColumn<QString>("control");
    for (const char* name :
         {"cboYear", "cboDate", "cboMonth", "optMoonPhase", "optZodiacalMoon", "optElementalMoon"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void MainWindowTest::keyboardFocusIsMarkedOnTheFocusedControlOnly()
{
    QFETCH(QString, control);
    auto window = LoadedWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* target = Find<QWidget>(window.get(), qPrintable(control));
    auto* exit = Find<QWidget>(window.get(), "cmdExit");
    const QImage opened = window->grab().toImage();

    // Focus given by the mouse or by the program leaves the window as it opened.
    target->setFocus(Qt::MouseFocusReason);
    QVERIFY(target->hasFocus());
    QCOMPARE(window->grab().toImage(), opened);

    // Once a Tab has moved the focus (from the last control round to the first), it is marked.
    exit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(exit, Qt::Key_Tab);
    target->setFocus(Qt::OtherFocusReason);
    const QImage marked = window->grab().toImage();
    const qreal ratio = marked.devicePixelRatio();
    const QRect allowed(target->mapTo(window.get(), QPoint(0, 0)) * ratio, target->size() * ratio);
    int changed = 0;
    for (int y = 0; y < marked.height(); ++y) {
        for (int x = 0; x < marked.width(); ++x) {
            if (marked.pixel(x, y) == opened.pixel(x, y))
                continue;
            ++changed;
            QVERIFY2(
                allowed.contains(x, y),
                qPrintable(
                    QStringLiteral("pixel %1,%2 changed outside %3").arg(x).arg(y).arg(control)));
        }
    }
    QVERIFY(changed > 0);
}

void MainWindowTest::bringOfferToFront()
{
    auto window = LoadedWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* strip = Find<QFrame>(window.get(), "Frame5");
    auto* coBrand = Find<QLabel>(window.get(), "lblCobrand");
    auto* fullBrand = Find<QLabel>(window.get(), "lblFullBrand");
    QCOMPARE(coBrand->geometry(), fullBrand->geometry());
    const QPoint inside = coBrand->geometry().center();
    QCOMPARE(strip->childAt(inside), coBrand); // as the window opens

    window->BringOfferToFront(frmMain::Offer::FullBrand);
    QCOMPARE(strip->childAt(inside), fullBrand);
    window->BringOfferToFront(frmMain::Offer::CoBrand);
    QCOMPARE(strip->childAt(inside), coBrand);
}

void MainWindowTest::coBrandDraw_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("draw");
    QTest::newRow("0") << 0.0 << 1;
    QTest::newRow("just under 1/12") << 0.0833 << 1;
    QTest::newRow("1/12: tie goes to even 2") << 1.0 / 12 << 2;
    QTest::newRow("0.25: tie 2.5 goes to 2") << 0.25 << 2;
    QTest::newRow("just over 0.25") << 0.2501 << 3;
    QTest::newRow("0.5") << 0.5 << 4;
    QTest::newRow("0.75: tie 5.5 goes to 6") << 0.75 << 6;
    QTest::newRow("just under 11/12") << 0.9166 << 6;
    QTest::newRow("just under 1") << 0.9999 << 7;
}

void MainWindowTest::coBrandDraw()
{
    QFETCH(double, r);
    QFETCH(int, draw);
    QCOMPARE(frmMain::CoBrandDraw(r), draw);
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
