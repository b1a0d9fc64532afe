#include "app/forms.h"
#include "app/startup.h"
#include "ui/windows/display_window.h"
#include "ui/windows/exit_screen.h"
#include "ui/windows/main_window.h"
#include "ui/windows/startup_window.h"

#include "ui_display_window.h"
#include "ui_exit_screen.h"
#include "ui_main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using Window = Forms::Window;

namespace {

// Lets deleteLater() run, as the event loop would between two user actions.
void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList VisibleWindows()
{
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names << widget->objectName();
    }
    names.sort();
    return names;
}

QStringList LoadedWindows(const Forms& forms)
{
    QStringList names;
    const std::pair<Window, const char*> all[] = {{Window::Startup, "frmStartup"},
                                                  {Window::Main, "frmMain"},
                                                  {Window::Display, "frmDisplay"},
                                                  {Window::ExitScreen, "frmExitScreen"}};
    for (const auto& [window, name] : all) {
        if (forms.isLoaded(window))
            names << name;
    }
    return names;
}

qint64 ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4 : -1;
}

// Picks a date in the main window's lists and a reading, then presses the reading button.
void Request(frmMain* main, int day, int month, int year, OptionButton* Ui::frmMain::*option)
{
    main->ui()->cboDate->setCurrentIndex(day - 1);
    main->ui()->cboMonth->setCurrentIndex(month - 1);
    main->ui()->cboYear->setCurrentIndex(year - 1901);
    (main->ui()->*option)->setChecked(true);
    QTest::mouseClick(main->ui()->cmdCalculateMoonPhase, Qt::LeftButton);
}

} // namespace

class FormsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startupShowsOnlyTheMainWindow();
    void secondCopyEndsWithoutAWindow();
    void requestShowsTheDisplayWindowAlone();
    void backShowsTheMainWindowAndAResetDisplay();
    void clockNeverCreatesTheDisplayWindow();
    void exitFromTheMainWindow_data();
    void exitFromTheMainWindow();
    void exitFromTheDisplayWindow_data();
    void exitFromTheDisplayWindow();
    void leavingTheExitScreenEndsEverything_data();
    void leavingTheExitScreenEndsEverything();
    void coBrandDrawPicksTheFrontOffer_data();
    void coBrandDrawPicksTheFrontOffer();
    void manyRequestsLeaveOneWindowOfEachKind();

private:
    std::unique_ptr<Forms> forms_;
    int loopsEnded_ = 0;
    StartupServices services_;
};

void FormsTest::init()
{
    loopsEnded_ = 0;
    Forms::Sources sources;
    sources.today = [] { return QDate(2007, 12, 23); };
    sources.clock = [] { return QStringLiteral("6:28:03 PM ; 12/6/2026"); };
    sources.exitDraw = [] { return 0.5; };
    sources.endEventLoop = [this] { ++loopsEnded_; };
    forms_ = std::make_unique<Forms>(sources);

    services_.isOnlyInstance = [] { return true; };
    services_.tellAlreadyRunning = [](const QString&) {};
    services_.updateReminder = [] {};
    services_.draw = [] { return 0.99; };
}

void FormsTest::cleanup()
{
    forms_.reset();
    Settle();
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void FormsTest::startupShowsOnlyTheMainWindow()
{
    QVERIFY(RunStartup(*forms_, services_));
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    // No display window until the main window is on screen and the event loop idle.
    QCOMPARE(LoadedWindows(*forms_), QStringList({"frmStartup", "frmMain"}));
    QCOMPARE(loopsEnded_, 0);

    QVERIFY(QTest::qWaitForWindowExposed(forms_->main()));
    QTRY_VERIFY(forms_->isLoaded(Window::Display));
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
}

void FormsTest::secondCopyEndsWithoutAWindow()
{
    QStringList told;
    services_.isOnlyInstance = [] { return false; };
    services_.tellAlreadyRunning = [&](const QString& text) { told << text; };
    int reminders = 0;
    services_.updateReminder = [&] { ++reminders; };

    QVERIFY(!RunStartup(*forms_, services_));
    QCOMPARE(told, QStringList{"Application is already running"});
    QCOMPARE(reminders, 0);
    QCOMPARE(loopsEnded_, 1);
    QVERIFY(forms_->hasEnded());
    Settle();
    QCOMPARE(LoadedWindows(*forms_), QStringList());
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void FormsTest::requestShowsTheDisplayWindowAlone()
{
    QVERIFY(RunStartup(*forms_, services_));
    frmMain* main = forms_->main();
    Request(main, 23, 12, 2007, &Ui::frmMain::optMoonPhase);

    QCOMPARE(VisibleWindows(), QStringList{"frmDisplay"});
    QVERIFY(forms_->isLoaded(Window::ExitScreen)); // loaded by the request, hidden
    const Ui::frmDisplay* shown = forms_->display()->ui();
    QCOMPARE(shown->lblMoonPhaseName->text(), "Full Moon");
    QCOMPARE(shown->lblGivenDate->text(), "12/23/2007");
    QCOMPARE(shown->lblDateTime->text(), "6:28:03 PM ; 12/6/2026");
}

void FormsTest::backShowsTheMainWindowAndAResetDisplay()
{
    QVERIFY(RunStartup(*forms_, services_));
    frmMain* main = forms_->main();
    Request(main, 23, 12, 2007, &Ui::frmMain::optMoonPhase);
    QPointer<frmDisplay> first = forms_->display();

    QTest::mouseClick(first->ui()->cmdBack, Qt::LeftButton);
    Settle();
    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    QVERIFY(forms_->isLoaded(Window::ExitScreen));
    QVERIFY(!forms_->exitScreen()->isVisible());

    // The next request fills the same window, back at its stored state: the zodiacal reading
    // comes to the front and the moon-phase labels show their placeholders again.
    Request(main, 20, 1, 1950, &Ui::frmMain::optZodiacalMoon);
    QCOMPARE(forms_->display(), first.data());
    const Ui::frmDisplay* shown = forms_->display()->ui();
    QCOMPARE(VisibleWindows(), QStringList{"frmDisplay"});
    QCOMPARE(shown->lblMoonInSunsign->text(), "Moon In Aquarius");
    QCOMPARE(shown->lblMoonPhaseName->text(), "lblMoonPhaseName");
    QCOMPARE(shown->lblGivenDate->text(), "23/12/2007");
}

// The clock writes into the display window when there is one, and never builds one.
void FormsTest::clockNeverCreatesTheDisplayWindow()
{
    QVERIFY(RunStartup(*forms_, services_));
    QTimer* timer = forms_->main()->findChild<QTimer*>("Timer1");
    QVERIFY(timer);
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    QVERIFY(!forms_->isLoaded(Window::Display));

    QVERIFY(QTest::qWaitForWindowExposed(forms_->main()));
    QTRY_VERIFY(forms_->isLoaded(Window::Display));
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    QVERIFY(!forms_->display()->isVisible());
    QCOMPARE(forms_->display()->ui()->lblDateTime->text(), "6:28:03 PM ; 12/6/2026");

    // Gone after an exit from the display window, it stays gone.
    Request(forms_->main(), 1, 1, 1901, &Ui::frmMain::optMoonPhase);
    forms_->unload(Window::Display);
    Settle();
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    QVERIFY(!forms_->isLoaded(Window::Display));
}

void FormsTest::exitFromTheMainWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "button";
    QTest::newRow("File, Exit") << "menu";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("Enter on the year list") << "enter";
    QTest::newRow("title-bar close") << "close";
}

void FormsTest::exitFromTheMainWindow()
{
    QFETCH(QString, how);
    QVERIFY(RunStartup(*forms_, services_));
    frmMain* main = forms_->main();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTRY_VERIFY(forms_->isLoaded(Window::Display)); // built, hidden, once the main window is up

    if (how == "button")
        QTest::mouseClick(main->ui()->cmdExit, Qt::LeftButton);
    else if (how == "menu")
        main->ui()->mnuExit->trigger();
    else if (how == "esc")
        QTest::keyClick(main->ui()->cboYear, Qt::Key_Escape);
    else if (how == "enter")
        QTest::keyClick(main->ui()->cboYear, Qt::Key_Return);
    else
        main->close();
    Settle();

    QCOMPARE(VisibleWindows(), QStringList{"frmExitScreen"});
    QCOMPARE(LoadedWindows(*forms_), QStringList({"frmStartup", "frmDisplay", "frmExitScreen"}));
    QCOMPARE(loopsEnded_, 0);
}

void FormsTest::exitFromTheDisplayWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "button";
    QTest::newRow("File, Exit") << "menu";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("title-bar close") << "close";
}

void FormsTest::exitFromTheDisplayWindow()
{
    QFETCH(QString, how);
    QVERIFY(RunStartup(*forms_, services_));
    Request(forms_->main(), 1, 1, 1901, &Ui::frmMain::optElementalMoon);
    frmDisplay* display = forms_->display();
    display->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(display));

    if (how == "button")
        QTest::mouseClick(display->ui()->cmdExit, Qt::LeftButton);
    else if (how == "menu")
        display->ui()->mnuExit->trigger();
    else if (how == "esc")
        QTest::keyClick(display->ui()->cmdBack, Qt::Key_Escape);
    else
        display->close();
    Settle();

    // The main window stays loaded and hidden, its clock running; the exit screen is alone.
    QCOMPARE(VisibleWindows(), QStringList{"frmExitScreen"});
    QCOMPARE(LoadedWindows(*forms_), QStringList({"frmStartup", "frmMain", "frmExitScreen"}));
}

void FormsTest::leavingTheExitScreenEndsEverything_data()
{
    QTest::addColumn<bool>("fromDisplay");
    QTest::addColumn<bool>("byButton");
    QTest::newRow("after exit from main, Exit button") << false << true;
    QTest::newRow("after exit from main, close") << false << false;
    QTest::newRow("after exit from display, Exit button") << true << true;
    QTest::newRow("after exit from display, close") << true << false;
}

void FormsTest::leavingTheExitScreenEndsEverything()
{
    QFETCH(bool, fromDisplay);
    QFETCH(bool, byButton);
    QVERIFY(RunStartup(*forms_, services_));
    if (fromDisplay) {
        Request(forms_->main(), 1, 1, 1901, &Ui::frmMain::optMoonPhase);
        forms_->display()->close();
    } else {
        forms_->main()->close();
    }
    Settle();
    frmExitScreen* exit = forms_->exitScreen();
    QVERIFY(exit->isVisible());

    // Every window created from here on would be a window flashing up on the way out.
    const qsizetype before = QApplication::topLevelWidgets().size();
    if (byButton)
        QTest::mouseClick(exit->ui()->cmdClose, Qt::LeftButton);
    else
        exit->close();
    const qsizetype created = QApplication::topLevelWidgets().size() - before;

    QCOMPARE(loopsEnded_, 1);
    QVERIFY(created <= 0);
    QCOMPARE(LoadedWindows(*forms_), QStringList());
    QCOMPARE(VisibleWindows(), QStringList());
    // Nothing comes back afterwards, not even the display window the clock used to recreate.
    QVERIFY(!forms_->display());
    QVERIFY(!forms_->main());
    Settle();
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void FormsTest::coBrandDrawPicksTheFrontOffer_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("front");
    // 1, 3, 5: co-branding; 2, 4, 6: fully branded; 7: the layout's order (co-branding in front).
    QTest::newRow("draw 1") << 0.0 << "lblCobrand";
    QTest::newRow("draw 2") << 0.2 << "lblFullBrand";
    QTest::newRow("draw 3") << 0.3 << "lblCobrand";
    QTest::newRow("draw 4") << 0.5 << "lblFullBrand";
    QTest::newRow("draw 5") << 0.7 << "lblCobrand";
    QTest::newRow("draw 6") << 0.85 << "lblFullBrand";
    QTest::newRow("draw 7") << 0.95 << "lblCobrand";
}

void FormsTest::coBrandDrawPicksTheFrontOffer()
{
    QFETCH(double, r);
    QFETCH(QString, front);
    services_.draw = [r] { return r; };
    QVERIFY(RunStartup(*forms_, services_));
    const Ui::frmMain* ui = forms_->main()->ui();
    const QObjectList siblings = ui->lblCobrand->parent()->children();
    const bool cobrandInFront =
        siblings.indexOf(ui->lblCobrand) > siblings.indexOf(ui->lblFullBrand);
    QCOMPARE(cobrandInFront ? QString("lblCobrand") : QString("lblFullBrand"), front);
}

void FormsTest::manyRequestsLeaveOneWindowOfEachKind()
{
    QVERIFY(RunStartup(*forms_, services_));
    frmMain* main = forms_->main();
    auto cycle = [&](int i) {
        Request(main, 1 + i % 28, 1 + i % 12, 1901 + i % 150, &Ui::frmMain::optMoonPhase);
        QTest::mouseClick(forms_->display()->ui()->cmdBack, Qt::LeftButton);
        Settle();
    };
    for (int i = 0; i < 50; ++i) // warm up caches before measuring
        cycle(i);
    const qint64 before = ResidentKiB();
    for (int i = 0; i < 1000; ++i)
        cycle(i);
    const qint64 after = ResidentKiB();
    qInfo("resident size before 1000 request/Back cycles: %lld KiB, after: %lld KiB", before,
          after);

    QCOMPARE(VisibleWindows(), QStringList{"frmMain"});
    int mains = 0, displays = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        mains += widget->objectName() == "frmMain";
        displays += widget->objectName() == "frmDisplay";
    }
    QCOMPARE(mains, 1);
    QVERIFY(displays <= 1);
}

QTEST_MAIN(FormsTest)
#include "test_forms.moc"
