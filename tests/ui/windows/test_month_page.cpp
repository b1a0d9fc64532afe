#include "ui/widgets/shown_month.h"
#include "ui/widgets/sky_phases.h"
#include "ui/windows/month_page.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using namespace lunetide;
using namespace lunetide::ui;

namespace {

constexpr int kResolution = 150; // dots per inch of the page, its text boxes and its raster

// A month printed into a PDF of one A4 page without margins, as QPrintDialog's "Print to File"
// makes it; the layout of the page in the PDF's dots.
struct PrintedMonth {
    QString pdf;
    MonthPageLayout layout;
    QRectF page;
};

PrintedMonth Print(const QTemporaryDir& dir, QDate month, Hemisphere hemisphere,
                   const QPageSize& paper = QPageSize(QPageSize::A4))
{
    PrintedMonth printed{dir.filePath(QStringLiteral("month.pdf")), {}, {}};
    QPdfWriter writer(printed.pdf);
    writer.setResolution(kResolution);
    writer.setPageSize(paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    const QRectF page(0, 0, writer.width(), writer.height());
    printed.page = page;
    const MonthMoons moons = MoonsOfMonth(MonthOf(month));
    // The month's phases in the sky, in Berlin.
    const QDate first = FirstDayOf(moons);
    const QStringList sky =
        SkyPhases(first, first.addMonths(1).addDays(-1), hemisphere, QTimeZone("Europe/Berlin"))
            .Lines(first);
    printed.layout = LayOutMonthPage(page, moons, sky);
    QPainter painter(&writer);
    PaintMonthPage(painter, page, moons, hemisphere, sky);
    painter.end();
    return printed;
}

// The text of the PDF inside a rectangle of the page, or the whole page's.
QString TextIn(const QString& pdf, const QRectF& rect = {})
{
    QStringList arguments{"-r", QString::number(kResolution)};
    if (!rect.isNull())
        arguments << "-x" << QString::number(int(rect.x())) << "-y"
                  << QString::number(int(rect.y())) << "-W" << QString::number(int(rect.width()))
                  << "-H" << QString::number(int(rect.height()));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), arguments << pdf << "-");
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return QStringLiteral("(pdftotext failed)");
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

// Each word of the PDF with its box in the page's dots.
QList<std::pair<QRectF, QString>> Words(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    pdftotext.waitForFinished();
    static const QRegularExpression word(
        R"re(<word xMin="(\S+)" yMin="(\S+)" xMax="(\S+)" yMax="(\S+)">([^<]*)<)re");
    QList<std::pair<QRectF, QString>> words;
    for (const auto& m : word.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
        const auto at = [&m](int i) { return m.captured(i).toDouble() * kResolution / 72; };
        words.append({QRectF(QPointF(at(1), at(2)), QPointF(at(3), at(4))), m.captured(5)});
    }
    return words;
}

QImage Raster(const QString& pdf)
{
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {"-r", QString::number(kResolution), "-png", "-singlefile", pdf, pdf});
    pdftoppm.waitForFinished();
    return QImage(pdf + QStringLiteral(".png"));
}

bool IsPaper(QRgb pixel)
{
    return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245;
}

// The bounding box of the marks in a rectangle of the raster, its grid lines and the day number
// in its top left corner left out; and how many pixels are marked.
struct Marks {
    QRect box;
    int count = 0;
};

Marks MarksIn(const QImage& image, const QRectF& cell)
{
    const QRect inner = cell.toAlignedRect().adjusted(4, 4, -4, -4);
    const QRect number(inner.topLeft(), QSize(inner.width() * 2 / 5, inner.height() / 4));
    Marks marks;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            if (!number.contains(x, y) && !IsPaper(image.pixel(x, y))) {
                marks.box |= QRect(x, y, 1, 1);
                ++marks.count;
            }
    return marks;
}

} // namespace

class MonthPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void textsOfThePage_data();
    void textsOfThePage();
    void oneMoonInEachDaysCell_data();
    void oneMoonInEachDaysCell();
    void southernWaxingMoonLitOnTheLeft();
    void firstColumnNamesTheLocalesFirstDay_data();
    void firstColumnNamesTheLocalesFirstDay();
    void everythingOnOddPaper_data();
    void everythingOnOddPaper();
    void skyPhasesUnderTheRuns();
};

void MonthPageTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext and pdftoppm (poppler-utils) are needed: run scripts/install-deps");
}

void MonthPageTest::textsOfThePage_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("phases");
    QTest::newRow("December 2026")
        << QDate(2026, 12, 1) << "December 2026"
        << QStringList{"Waning Moon", "Dark Moon", "New Moon", "Waxing Moon", "Full Moon"};
    QTest::newRow("February 2000")
        << QDate(2000, 2, 29) << "February 2000"
        << QStringList{"Dark Moon", "New Moon", "Waxing Moon", "Full Moon", "Waning Moon"};
}

// The title, each day's number in its own cell, and every phase of the month in the runs.
void MonthPageTest::textsOfThePage()
{
    QFETCH(QDate, month);
    QFETCH(QString, title);
    QFETCH(QStringList, phases);
    QTemporaryDir dir;
    const PrintedMonth printed = Print(dir, month, Hemisphere::North);
    QCOMPARE(TextIn(printed.pdf, printed.layout.title), title);
    QCOMPARE(int(printed.layout.days.size()), month.daysInMonth());
    for (std::size_t i = 0; i < printed.layout.days.size(); ++i)
        QCOMPARE(TextIn(printed.pdf, printed.layout.days[i]), QString::number(i + 1));
    const QString runs = TextIn(printed.pdf, printed.layout.runs);
    for (const QString& phase : phases)
        QVERIFY2(runs.contains(phase), qPrintable(runs));
}

void MonthPageTest::oneMoonInEachDaysCell_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<int>("hemisphere");
    QTest::newRow("December 2026, north") << QDate(2026, 12, 1) << int(Hemisphere::North);
    QTest::newRow("December 2026, south") << QDate(2026, 12, 1) << int(Hemisphere::South);
}

// Each day's cell holds one round mark, a moon, in its lower right.
void MonthPageTest::oneMoonInEachDaysCell()
{
    QFETCH(QDate, month);
    QFETCH(int, hemisphere);
    QTemporaryDir dir;
    const PrintedMonth printed = Print(dir, month, Hemisphere(hemisphere));
    const QImage image = Raster(printed.pdf);
    QVERIFY(!image.isNull());

    int moons = 0;
    for (const QRectF& cell : printed.layout.days) {
        const Marks marks = MarksIn(image, cell);
        const QRect box = marks.box;
        // A disc: a square box, about two thirds of the cell across, filled about pi/4.
        QVERIFY(std::abs(box.width() - box.height()) <= 2);
        QVERIFY(box.width() > cell.width() / 2 && box.width() < cell.width() * 0.8);
        const double filled = double(marks.count) / (box.width() * box.height());
        QVERIFY2(filled > 0.7 && filled < 0.85, qPrintable(QString::number(filled)));
        QVERIFY(box.center().x() > cell.center().x() && box.center().y() > cell.center().y());
        ++moons;
    }
    QCOMPARE(moons, month.daysInMonth());
}

void MonthPageTest::southernWaxingMoonLitOnTheLeft()
{
    QTemporaryDir dir;
    const PrintedMonth printed = Print(dir, QDate(2026, 12, 1), Hemisphere::South);
    const QImage image = Raster(printed.pdf);
    const QRect moon = MarksIn(image, printed.layout.days[18]).box; // 19 December, waxing
    const auto lightness = [&image](const QRect& part) {
        const QImage pixels = image.copy(part).convertToFormat(QImage::Format_Grayscale8);
        return std::accumulate(pixels.constBits(), pixels.constBits() + pixels.sizeInBytes(), 0LL);
    };
    const QRect left(moon.topLeft(), QSize(moon.width() / 4, moon.height()));
    QVERIFY(lightness(left) > lightness(left.translated(moon.width() - left.width(), 0)));
}

void MonthPageTest::firstColumnNamesTheLocalesFirstDay_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("en_US, Sunday first") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE, Monday first") << QLocale(QLocale::German, QLocale::Germany);
}

void MonthPageTest::firstColumnNamesTheLocalesFirstDay()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    QTemporaryDir dir;
    const PrintedMonth printed = Print(dir, QDate(2026, 12, 1), Hemisphere::North);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QRectF column = printed.layout.weekdays;
    column.setWidth(column.width() / 7);
    QCOMPARE(TextIn(printed.pdf, column),
             locale.dayName(locale.firstDayOfWeek(), QLocale::ShortFormat));
}

void MonthPageTest::everythingOnOddPaper_data()
{
    QTest::addColumn<QSizeF>("paper"); // millimetres
    QTest::newRow("80 x 297 mm") << QSizeF(80, 297);
    QTest::newRow("200 x 20 mm") << QSizeF(200, 20);
}

// Every day's cell and every word on the page; each weekday name within its own column.
void MonthPageTest::everythingOnOddPaper()
{
    QFETCH(QSizeF, paper);
    QTemporaryDir dir;
    const PrintedMonth printed =
        Print(dir, QDate(2026, 9, 1), Hemisphere::North, QPageSize(paper, QPageSize::Millimeter));
    for (const QRectF& cell : printed.layout.days)
        QVERIFY(printed.page.contains(cell));
    const QRectF& names = printed.layout.weekdays;
    int named = 0;
    for (const auto& [box, text] : Words(printed.pdf)) {
        QVERIFY2(printed.page.contains(box), qPrintable(text));
        const int column = int((box.left() - names.left()) * 7 / names.width());
        if (names.contains(box.center()) && ++named)
            QVERIFY2(box.right() <= names.left() + (column + 1) * names.width() / 7,
                     qPrintable(text));
    }
    QCOMPARE(named, 7);
}

// Under the runs, each principal phase of the month with its local time, full moons named.
void MonthPageTest::skyPhasesUnderTheRuns()
{
    QTemporaryDir dir;
    const PrintedMonth printed = Print(dir, QDate(2026, 12, 1), Hemisphere::North);
    const QString runs = TextIn(printed.pdf, printed.layout.runs);
    QVERIFY2(
        runs.endsWith("In the sky: 1 07:08 Last Quarter 9 01:51 New Moon 17 06:42 First Quarter "
                      "24 02:28 Full Moon (Cold Moon, supermoon) 30 19:59 Last Quarter"),
        qPrintable(runs));
}

QTEST_MAIN(MonthPageTest)
#include "test_month_page.moc"
