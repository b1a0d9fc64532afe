// What a screen reader learns from the windows: names of the date lists, what the moon pictures
// show, the clickable labels as links, and the order of the reading texts.

#include "core/reading.h"
#include "support/url_recorder.h"
#include "ui/look/moon_pictures.h"
#include "ui/widgets/clickable_label.h"
#include "ui/windows/display_window.h"
#include "ui/windows/main_window.h"
#include "web/links.h"

#include "ui_display_window.h"
#include "ui_main_window.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QTest>

#include <memory>

using lunetide::web::LinkRole;

namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return interface;
}

// The names of the controls that label this one (its Label relation), as a screen reader reads
// them before the control itself.
QStringList LabelledBy(QObject* object)
{
    QStringList names;
    for (const auto& [label, relation] : Accessible(object)->relations(QAccessible::Label))
        names << label->text(QAccessible::Name);
    return names;
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::unique_ptr<frmMain> LoadedMainWindow(QDate today)
{
    auto window = std::make_unique<frmMain>();
    window->SetTodaySource([today] { return today; });
    window->SetClockSource([] { return QStringLiteral("10:11:12 AM ; 3/4/2025"); });
    window->Form_Load();
    return window;
}

ReadingRequest MoonPhaseRequest(QDate date)
{
    ReadingRequest request;
    request.kind = ReadingKind::MoonPhase;
    request.date = {date.year(), date.month(), date.day()};
    request.reading =
        lunetide::ReadingOf(date.year(), date.month(), date.day(), lunetide::TextCopy::Display);
    return request;
}

} // namespace

Q_DECLARE_METATYPE(LinkRole)

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void listsAreNamedByTheirHeadings();
    void moonPicturesSayWhatTheyShow_data();
    void moonPicturesSayWhatTheyShow();
    void clickableLabelsAreLinks_data();
    void clickableLabelsAreLinks();
    void readingTextsReadInOrder();
};

void AccessibilityTest::listsAreNamedByTheirHeadings()
{
    auto window = LoadedMainWindow(QDate(2025, 3, 4));
    const Ui::frmMain* ui = window->ui();
    const QList<std::pair<QComboBox*, QString>> lists = {
        {ui->cboDate, "Date"}, {ui->cboMonth, "Month"}, {ui->cboYear, "Year"}};
    for (const auto& [list, heading] : lists) {
        QCOMPARE(Accessible(list)->role(), QAccessible::ComboBox);
        // Its heading first, then the title of the frame around the lists.
        QCOMPARE(LabelledBy(list), QStringList({heading, window->ui()->Frame4->title()}));
    }
    // The headings only name the lists: they draw no access key.
    QCOMPARE(ui->Label5->text(), QStringLiteral("Date"));
}

void AccessibilityTest::moonPicturesSayWhatTheyShow_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("description");
    QTest::newRow("age 0") << QDate(2024, 1, 10) << "Dark Moon, the moon 0 days old";
    QTest::newRow("age 1") << QDate(2024, 1, 11) << "Dark Moon, the moon 1 day old";
    QTest::newRow("age 13") << QDate(2024, 1, 23) << "Full Moon, the moon 13 days old";
    QTest::newRow("age 29") << QDate(2024, 1, 9) << "Dark Moon, the moon 29 days old";
}

// Both windows describe their picture by the phase name they show beside it and the moon's age.
void AccessibilityTest::moonPicturesSayWhatTheyShow()
{
    QFETCH(QDate, date);
    QFETCH(QString, description);

    auto main = LoadedMainWindow(date);
    QAccessibleInterface* today = Accessible(main->ui()->PicCurrentMoonPhase);
    QCOMPARE(today->role(), QAccessible::Graphic);
    QCOMPARE(today->text(QAccessible::Name), QStringLiteral("Moon picture"));
    QCOMPARE(today->text(QAccessible::Description), description);
    QVERIFY(description.startsWith(main->ui()->lblCurrentMoonPhaseName->text() + ", "));

    // A second reading in the same display window replaces the first description.
    frmDisplay display;
    display.WriteReading(MoonPhaseRequest(date.addDays(15)));
    display.WriteReading(MoonPhaseRequest(date));
    QAccessibleInterface* shown = Accessible(display.ui()->PicMoonPhase);
    QCOMPARE(shown->role(), QAccessible::Graphic);
    QCOMPARE(shown->text(QAccessible::Name), QStringLiteral("Moon picture"));
    QCOMPARE(shown->text(QAccessible::Description), description);
    QVERIFY(description.startsWith(display.ui()->lblMoonPhaseName->text() + ", "));
}

void AccessibilityTest::clickableLabelsAreLinks_data()
{
    QTest::addColumn<bool>("inMainWindow");
    QTest::addColumn<QString>("label");
    QTest::addColumn<LinkRole>("role");
    QTest::newRow("main Label61") << true << "Label61" << LinkRole::HomePage;
    QTest::newRow("main Label2") << true << "Label2" << LinkRole::FullyBranded;
    QTest::newRow("main lblCobrand") << true << "lblCobrand" << LinkRole::CoBrand;
    QTest::newRow("display Label61") << false << "Label61" << LinkRole::HomePage;
    QTest::newRow("display lblFullBrand") << false << "lblFullBrand" << LinkRole::FullyBranded;
}

// A link named by its caption whose press action opens its page, and still no tab stop.
void AccessibilityTest::clickableLabelsAreLinks()
{
    QFETCH(bool, inMainWindow);
    QFETCH(QString, label);
    QFETCH(LinkRole, role);

    std::unique_ptr<QWidget> window;
    if (inMainWindow)
        window = LoadedMainWindow(QDate(2025, 3, 4));
    else
        window = std::make_unique<frmDisplay>();
    auto* link = window->findChild<ClickableLabel*>(label);
    QVERIFY(link);

    QAccessibleInterface* accessible = Accessible(link);
    QCOMPARE(accessible->role(), QAccessible::Link);
    QCOMPARE(accessible->text(QAccessible::Name), link->text());
    QAccessibleActionInterface* actions = accessible->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    QCOMPARE(link->focusPolicy(), Qt::NoFocus);
    QVERIFY(accessible->state().focusable == false);

    UrlRecorder recorder;
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(recorder.urls, QList<QUrl>{QUrl(lunetide::web::UrlOf(role))});
}

// Within the zodiacal frame a reader meets the heading, the keyword (labelled "Keywords") and the
// text, in that order.
void AccessibilityTest::readingTextsReadInOrder()
{
    frmDisplay display;
    ReadingRequest request;
    request.kind = ReadingKind::ZodiacalMoon;
    request.reading = lunetide::ReadingOf(2026, 4, 1, lunetide::TextCopy::Display);
    display.WriteReading(request);
    const lunetide::SignTexts& aries = request.reading->signTexts;

    QAccessibleInterface* frame = Accessible(display.ui()->fraZodiacalMoon);
    QStringList read;
    for (int i = 0; i < frame->childCount(); ++i)
        read << frame->child(i)->text(QAccessible::Name);
    QCOMPARE(read,
             QStringList({Text(aries.title), "Keywords", Text(aries.keyword), Text(aries.text)}));
    QCOMPARE(LabelledBy(display.ui()->lblMoonInSunsignKeywords), QStringList{"Keywords"});
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
