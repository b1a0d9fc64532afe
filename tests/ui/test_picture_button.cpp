#include "ui/look.h"
#include "ui/picture_button.h"

#include <QScreen>
#include <QTest>

namespace {

enum class State { Up, Pressed, Focused, Disabled };
constexpr State kStates[] = {State::Up, State::Pressed, State::Focused, State::Disabled};

const QString kStyleSheet = QStringLiteral(
    "QPushButton { color: black; background-color: rgb(128, 128, 128); font: bold 8.25pt "
    "\"Verdana\"; border-width: 2px; border-style: solid; border-color: rgb(255, 255, 255) "
    "rgb(64, 64, 64) rgb(64, 64, 64) rgb(255, 255, 255); }"
    "QPushButton:pressed { border-color: rgb(64, 64, 64) rgb(255, 255, 255) rgb(255, 255, 255) "
    "rgb(64, 64, 64); }"
    "QPushButton:focus { outline: 1px dotted black; outline-offset: -5px; }");

// A window holding `button` with the display window's button rules, shown and active.
struct Window {
    QWidget widget;

    explicit Window(QPushButton* button)
    {
        widget.setStyleSheet(kStyleSheet);
        button->setParent(&widget);
        button->setText(QStringLiteral("&Back"));
        button->setGeometry(10, 10, 68, 31);
        widget.resize(100, 60);
        widget.show();
        widget.activateWindow();
    }
};

// Sets `button` in `state`, has it painted and returns the pixels the screen shows.
QImage ShownIn(QWidget& window, QPushButton* button, State state)
{
    // The focus first: a button that loses it is let up.
    if (state == State::Focused)
        button->setFocus();
    else
        button->clearFocus();
    button->setDown(state == State::Pressed);
    button->setEnabled(state != State::Disabled);
    button->repaint();
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId(), 10, 10, 68, 31).toImage();
}

} // namespace

class PictureButtonTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { lunetide::ui::InstallFontSubstitutes(); }
    void samePixelsAsPlainButtonInEveryState();
};

// A button set in its states one after another, twice over, is drawn from its pictures the second
// time and shows in every state the very pixels a plain button shows.
void PictureButtonTest::samePixelsAsPlainButtonInEveryState()
{
    QList<QImage> expected;
    for (State state : kStates) {
        auto* plain = new QPushButton;
        Window window(plain);
        QVERIFY(QTest::qWaitForWindowActive(&window.widget));
        expected << ShownIn(window.widget, plain, state);
    }

    auto* button = new PictureButton;
    Window window(button);
    QVERIFY(QTest::qWaitForWindowActive(&window.widget));
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < int(std::size(kStates)); ++i)
            QCOMPARE(ShownIn(window.widget, button, kStates[i]), expected[i]);
    }
    QVERIFY(button->drawnFromPicture() >= qint64(std::size(kStates)));
}

QTEST_MAIN(PictureButtonTest)
#include "test_picture_button.moc"
