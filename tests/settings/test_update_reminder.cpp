#include "settings/update_reminder.h"
#include "settings/user_settings.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ReminderStep)

class UpdateReminderTest : public QObject {
    Q_OBJECT

private slots:
    void reminder_data();
    void reminder();
    void whatIsOnDisk_data();
    void whatIsOnDisk();
};

namespace {

const QDate kToday(2026, 12, 7);

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

void UpdateReminderTest::reminder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<ReminderStep>("step");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<int>("downloadsOpened");

    const QString today = kToday.toString(Qt::ISODate);
    auto iso = [](int days) { return kToday.addDays(days).toString(Qt::ISODate); };
    QTest::newRow("first start") << "" << true << ReminderStep::FirstStart << today << 0;
    QTest::newRow("same day") << today << true << ReminderStep::Quiet << today << 0;
    QTest::newRow("14 days before") << iso(-14) << true << ReminderStep::Quiet << iso(-14) << 0;
    QTest::newRow("14 days after") << iso(14) << true << ReminderStep::Quiet << iso(14) << 0;
    QTest::newRow("15 days before, Yes") << iso(-15) << true << ReminderStep::Ask << today << 1;
    QTest::newRow("15 days before, No") << iso(-15) << false << ReminderStep::Ask << today << 0;
    QTest::newRow("15 days after (clock set back)")
        << iso(15) << false << ReminderStep::Ask << today << 0;
    QTest::newRow("a year before") << iso(-365) << true << ReminderStep::Ask << today << 1;
    QTest::newRow("not a date") << "soon" << true << ReminderStep::Unreadable << "soon" << 0;
    // A short regional date with a two-digit year is not taken for a date a century off.
    QTest::newRow("regional short date")
        << "12/7/26" << true << ReminderStep::Unreadable << "12/7/26" << 0;
    // Read as a list, not a text: there, but no date.
    QTest::newRow("a list") << "a, b, c" << true << ReminderStep::Unreadable << "a, b, c" << 0;
    QTest::newRow("impossible date")
        << "2026-02-30" << true << ReminderStep::Unreadable << "2026-02-30" << 0;
    QTest::newRow("blanks around")
        << " " + iso(-14) + "\t" << true << ReminderStep::Quiet << " " + iso(-14) + "\t" << 0;
    QTest::newRow("something after the date")
        << iso(-15) + "junk" << true << ReminderStep::Unreadable << iso(-15) + "junk" << 0;
    QTest::newRow("a time after the date")
        << iso(-15) + "T08:00" << true << ReminderStep::Unreadable << iso(-15) + "T08:00" << 0;
}

void UpdateReminderTest::reminder()
{
    QFETCH(QString, stored);
    QFETCH(bool, answerYes);
    QFETCH(ReminderStep, step);
    QFETCH(QString, storedAfter);
    QFETCH(int, downloadsOpened);

    QCOMPARE(NextReminderStep(stored, kToday), step);

    // The settings file as the program keeps it, with a key of its own beside Duration.
    QTemporaryDir dir;
    const QString path = dir.filePath("lunetide.conf");
    auto file = [](const QString& duration) {
        return (duration.isEmpty() ? QString() : "[Settings]\nDuration=" + duration + "\n") +
               "[Window]\nx=1\n";
    };
    QVERIFY(Write(path, file(stored).toUtf8()));

    int asked = 0;
    int opened = 0;
    UserSettings settings(path, dir.path());
    UpdateReminder(
        settings, kToday,
        [&] {
            ++asked;
            return answerYes;
        },
        [&] { ++opened; });

    QCOMPARE(asked, step == ReminderStep::Ask ? 1 : 0);
    QCOMPARE(opened, downloadsOpened);
    const QString after = QString::fromUtf8(Read(path));
    if (stored.isEmpty())
        QCOMPARE(after, file({}) + "\n[Settings]\nDuration=" + storedAfter + "\n");
    else
        QCOMPARE(after, file(storedAfter));
}

// Only a missing settings file is written to, its folders made for this user alone; a folder or a
// file too large to be the program's is left as it is, and nothing asked. (Named pipes and
// devices: see the end-to-end checks.)
void UpdateReminderTest::whatIsOnDisk_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no settings folder") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("too large") << "large";
}

void UpdateReminderTest::whatIsOnDisk()
{
    QFETCH(QString, kind);

    QTemporaryDir home;
    const QString folder = home.filePath("config/Lunetide");
    const QString path = folder + "/lunetide.conf";
    const QByteArray large = "[Settings]\nDuration=2001-01-01\n" + QByteArray(4 << 20, ';');
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    else if (kind == "large")
        QVERIFY(QDir().mkpath(folder) && Write(path, large));

    int asked = 0;
    UserSettings settings(path, home.path());
    UpdateReminder(
        settings, kToday, [&] { return ++asked, false; }, [] {});

    QCOMPARE(asked, 0);
    if (kind == "missing") {
        QCOMPARE(Read(path), "[Settings]\nDuration=2026-12-07\n");
        for (const QString& made : {home.filePath("config"), folder})
            QCOMPARE(QFile::permissions(made) & 0x0777, QFile::Permissions(0x0700));
    } else {
        QCOMPARE(QFileInfo(path).isDir(), kind == "folder");
        QCOMPARE(Read(path), kind == "large" ? large : QByteArray());
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"lunetide.conf"});
    }
}

QTEST_APPLESS_MAIN(UpdateReminderTest)
#include "test_update_reminder.moc"
