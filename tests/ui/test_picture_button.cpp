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

// Sets `button`, in a window with the display window's button rules, through every state in
// turn, `rounds` times over, and returns the pixels the screen shows in each.
QList<QImage> ShownInEveryState(QPushButton* button, int rounds)
{
    QWidget window;
    window.setStyleSheet(kStyleSheet);
    button->setParent(&window);
    button->setText(QStringLiteral("&Back"));
    button->setGeometry(10, 10, 68, 31);
    window.resize(100, 60);
    window.show();
    window.activateWindow();
    QList<QImage> shown;
    for (int round = 0; round < rounds && QTest::qWaitForWindowActive(&window); ++round) {
        for (State state : kStates) {
            // The focus first: a button that loses it is let up.
            if (state == State::Focused)
                button->setFocus();
            else
                button->clearFocus();
            button->setDown(state == State::Pressed);
            button->setEnabled(state != State::Disabled);
            button->repaint();
            QCoreApplication::processEvents();
            shown << window.screen()->grabWindow(window.winId(), 10, 10, 68, 31).toImage();
        }
    }
    button->setParent(nullptr);
    return shown;
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
    QPushButton plain;
    const QList<QImage> expected = ShownInEveryState(&plain, 2);
    QCOMPARE(expected.size(), 2 * qsizetype(std::size(kStates)));

    PictureButton button;
    QCOMPARE(ShownInEveryState(&button, 2), expected);
    QVERIFY(button.drawnFromPicture() >= qint64(std::size(kStates)));
}

QTEST_MAIN(PictureButtonTest)
#include "test_picture_button.moc"
