#include "settings/user_settings.h"
#include "ui/windows/place_window.h"
#include "ui/windows/sky_window.h"
#include "ui_place_window.h"
#include "ui_sky_window.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

const QTimeZone kSydney("Australia/Sydney");
const Place kSydneyPlace{-33.8667, 151.2167, QStringLiteral("Sydney")};

// Answers each message box that opens while it lives, counting them.
struct CriticalBoxes {
    CriticalBoxes()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                count += box->icon() == QMessageBox::Critical ? 1 : 100;
                box->close();
            }
        });
        timer.start(0);
    }
    QTimer timer;
    int count = 0;
};

} // namespace

class SkyWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void skyOfTheDay_data();
    void skyOfTheDay();
    void placeEntry_data();
    void placeEntry();
};

void SkyWindowTest::skyOfTheDay_data()
{
    QTest::addColumn<std::optional<QDate>>("day");
    QTest::addColumn<std::optional<Place>>("place");
    QTest::addColumn<QDateTime>("clockMovesTo");
    QTest::addColumn<QStringList>("heard");

    const std::optional<QDate> today;
    const QString placeCaption = QStringLiteral("Moonrise, moonset and transit: ");
    QTest::newRow("today: now, the zone's place")
        << today << std::optional(kSydneyPlace) << QDateTime()
        << QStringList{"For: now, 12/23/2026 8:00 PM",
                       "Illuminated: 99.1 %, waxing",
                       "Moon's sign: Gemini",
                       "Next sign: Cancer, 12/24/2026 8:58 AM",
                       "Moonrise: 7:32 PM",
                       "Moonset: 4:06 AM",
                       "Transit: no transit today",
                       placeCaption + "for Sydney (the time zone's place)",
                       "Next phases: First Quarter, 1/16/2027 7:34 AM",
                       "Next full moon: Strawberry Moon, 12/24/2026 12:28 PM, supermoon"};
    QTest::newRow("another day: local noon")
        << std::optional(QDate(2026, 12, 25)) << std::optional(kSydneyPlace) << QDateTime()
        << QStringList{"For: local noon, 12/25/2026 12:00 PM", "Illuminated: 98.5 %, waning",
                       "Transit: 1:29 AM"};
    QTest::newRow("no place known")
        << today << std::optional<Place>() << QDateTime()
        << QStringList{"Moonrise: no place known",
                       placeCaption + "need a place: choose one with File → Your Place…"};
    QTest::newRow("far north: up all day")
        << today << std::optional(Place{78.22, 15.65, {}}) << QDateTime()
        << QStringList{"Moonrise: the moon is up all day", "Moonset: the moon is up all day"};
    QTest::newRow("past midnight: the next day")
        << today << std::optional(kSydneyPlace)
        << QDateTime(QDate(2026, 12, 24), QTime(0, 0, 30), kSydney)
        << QStringList{"For: now, 12/24/2026 12:00 AM", "Moonrise: 8:36 PM"};
}

// At 8 PM in Sydney on 23 December 2026 the labels show the sky of the moment and place, each
// heard with its caption; the clock's next tick is followed.
void SkyWindowTest::skyOfTheDay()
{
    QFETCH(std::optional<QDate>, day);
    QFETCH(std::optional<Place>, place);
    QFETCH(QDateTime, clockMovesTo);
    QFETCH(QStringList, heard);

    frmSky window;
    QDateTime now(QDate(2026, 12, 23), QTime(20, 0), kSydney);
    window.SetClock([&now] { return now; }, kSydney);
    window.SetPlace(place);
    window.ShowDay(day);
    if (clockMovesTo.isValid()) {
        now = clockMovesTo;
        auto* timer = window.findChild<QTimer*>();
        QVERIFY(timer && timer->isActive());
        timer->start(0);
        QTest::qWait(20);
    }
    QStringList names;
    for (const QLabel* label : window.findChildren<QLabel*>())
        names << label->accessibleName();
    for (const QString& text : heard)
        QVERIFY2(names.contains(text), qPrintable(text + " not in " + names.join(" | ")));
}

void SkyWindowTest::placeEntry_data()
{
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("storeWorks");
    QTest::addColumn<QStringList>("keysAfter");
    QTest::addColumn<int>("criticalBoxes");

    const QStringList before{"Latitude=-33.8667", "Longitude=151.2167"};
    QTest::newRow("place entered")
        << "52.52"
        << "13.40"
        << "cmdOK" << true << QStringList{"Latitude=52.5200", "Longitude=13.4000"} << 0;
    QTest::newRow("latitude emptied") << ""
                                      << "13.40"
                                      << "cmdOK" << true << before << 1;
    QTest::newRow("longitude half typed") << "52.52"
                                          << "-"
                                          << "cmdOK" << true << before << 1;
    QTest::newRow("time zone's place") << "52.52"
                                       << "13.40"
                                       << "cmdZonePlace" << true << QStringList{} << 0;
    QTest::newRow("store fails") << "52.52"
                                 << "13.40"
                                 << "cmdOK" << false << before << 1;
}

// An entry is stored only when both texts are numbers in range; the time zone's place removes
// the keys; a store that fails is said in a critical box and the dialog stays open.
void SkyWindowTest::placeEntry()
{
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(QString, button);
    QFETCH(bool, storeWorks);
    QFETCH(QStringList, keysAfter);
    QFETCH(int, criticalBoxes);

    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("lunetide.conf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nLatitude=-33.8667\nLongitude=151.2167\n");
    file.close();
    UserSettings settings(path, home.path());

    frmPlace dialog;
    dialog.SetPlace(settings.place());
    dialog.SetStore([&](const std::optional<Place>& place) {
        return storeWorks && settings.SetPlace(place) ? QString() : QStringLiteral("cannot");
    });
    dialog.show();
    dialog.ui()->spnLatitude->findChild<QLineEdit*>()->setText(latitude);
    dialog.ui()->spnLongitude->findChild<QLineEdit*>()->setText(longitude);
    CriticalBoxes boxes;
    dialog.findChild<QPushButton*>(button)->click();
    QTest::qWait(20);

    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList keys = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    keys.removeFirst();
    QCOMPARE(keys, keysAfter);
    QCOMPARE(boxes.count, criticalBoxes);
    QCOMPARE(dialog.isVisible(), criticalBoxes > 0);
}

QTEST_MAIN(SkyWindowTest)
#include "test_sky_window.moc"
