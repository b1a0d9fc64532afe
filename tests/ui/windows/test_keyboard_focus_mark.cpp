// Every button and picture the Tab key reaches shows the house's dotted focus mark once the
// keyboard has moved the focus, in every window; focus given by the mouse or by the program
// changes nothing on screen.

#include "ui/windows/about_box.h"
#include "ui/windows/display_window.h"
#include "ui/windows/exit_screen.h"
#include "ui/windows/main_window.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<QWidget> Window(const QString& kind)
{
    if (kind == "main") {
        auto window = std::make_unique<frmMain>();
        window->SetTodaySource([] { return QDate(2025, 3, 4); });
        window->SetClockSource([] { return QStringLiteral("12:00:00 PM ; 3/4/2025"); });
        window->Form_Load();
        return window;
    }
    if (kind == "display")
        return std::make_unique<frmDisplay>();
    if (kind == "exit")
        return std::make_unique<frmExitScreen>(nullptr, [] { return 0.0; });
    return std::make_unique<frmAbout>();
}

// Whether the four sides of `mark` in the image are dotted: nearly every pixel on them differs
// from the next one. A plain edge, a tint or a solid frame is not.
bool Dotted(const QImage& image, const QRect& mark)
{
    const auto alternations = [&image](QPoint at, QPoint step, int count) {
        int changes = 0;
        for (int i = 1; i < count; ++i, at += step)
            changes += image.pixel(at) != image.pixel(at + step);
        return changes;
    };
    const int width = mark.width() - 2; // short of the corners
    const int height = mark.height() - 2;
    const struct {
        QPoint start, step;
        int count;
    } sides[] = {{mark.topLeft() + QPoint(1, 0), {1, 0}, width},
                 {mark.bottomLeft() + QPoint(1, 0), {1, 0}, width},
                 {mark.topLeft() + QPoint(0, 1), {0, 1}, height},
                 {mark.topRight() + QPoint(0, 1), {0, 1}, height}};
    for (const auto& side : sides)
        if (alternations(side.start, side.step, side.count) < side.count * 4 / 5)
            return false;
    return true;
}

} // namespace

class KeyboardFocusMarkTest : public QObject {
    Q_OBJECT

private slots:
    void markedOnceTheKeyboardMovedTheFocus_data();
    void markedOnceTheKeyboardMovedTheFocus();
};

void KeyboardFocusMarkTest::markedOnceTheKeyboardMovedTheFocus_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("inset"); // of the mark from the control's edge

    QTest::newRow("main: reading button") << "main"
                                          << "cmdCalculateMoonPhase" << 3;
    QTest::newRow("main: moon picture") << "main"
                                        << "PicCurrentMoonPhase" << 0;
    QTest::newRow("main: Exit") << "main"
                                << "cmdExit" << 3;
    QTest::newRow("display: Back") << "display"
                                   << "cmdBack" << 3;
    QTest::newRow("display: Exit") << "display"
                                   << "cmdExit" << 3;
    QTest::newRow("display: moon picture") << "display"
                                           << "PicMoonPhase" << 0;
    QTest::newRow("exit screen: Exit") << "exit"
                                       << "cmdClose" << 3;
    QTest::newRow("exit screen: visit button") << "exit"
                                               << "Check1" << 3;
    QTest::newRow("exit screen: Refer A Friend Now") << "exit"
                                                     << "cmdSubmit" << 3;
    QTest::newRow("About: OK") << "about"
                               << "cmdOK" << 3;
}

void KeyboardFocusMarkTest::markedOnceTheKeyboardMovedTheFocus()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, inset);

    const std::unique_ptr<QWidget> shown = Window(window);
    shown->show();
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    auto* target = shown->findChild<QWidget*>(control);
    QVERIFY(target);
    QVERIFY(target->focusPolicy() & Qt::TabFocus);
    const QRect mark = target->rect().adjusted(inset, inset, -inset, -inset);
    const auto dotted = [target, mark] { return Dotted(target->grab().toImage(), mark); };

    // Focus given by the mouse shows no mark.
    QWidget* other = target->nextInFocusChain();
    other->setFocus(Qt::MouseFocusReason);
    target->setFocus(Qt::MouseFocusReason);
    QVERIFY(target->hasFocus());
    QVERIFY(!dotted());

    // A Tab sets the window's keyboard mark on; the focus then comes back to the target.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    target->setFocus(Qt::OtherFocusReason);
    QVERIFY(target->hasFocus());
    QVERIFY(dotted());

    // Leaving takes the mark away.
    other->setFocus(Qt::TabFocusReason);
    QVERIFY(!dotted());
}

QTEST_MAIN(KeyboardFocusMarkTest)
#include "test_keyboard_focus_mark.moc"
