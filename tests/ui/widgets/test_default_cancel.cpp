#include "ui/widgets/default_cancel.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using lunetide::ui::DefaultCancelButtons;

// A plain window with a text box and three buttons: OK (default), Cancel and Other.
class Window : public QWidget {
public:
    explicit Window(bool withDefault)
    {
        box = new QLineEdit(this);
        ok = new QPushButton(QStringLiteral("OK"), this);
        cancel = new QPushButton(QStringLiteral("Cancel"), this);
        other = new QPushButton(QStringLiteral("Other"), this);
        DefaultCancelButtons::Install(this, withDefault ? ok : nullptr, cancel);
    }
    QLineEdit* box;
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* other;
};

class DefaultCancelTest : public QObject {
    Q_OBJECT

private slots:
    void keysGoToTheirButtons_data();
    void keysGoToTheirButtons();
};

void DefaultCancelTest::keysGoToTheirButtons_data()
{
    QTest::addColumn<bool>("withDefault");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("clicked"); // empty: none
    QTest::newRow("Esc in the text box") << true << "box" << int(Qt::Key_Escape) << "Cancel";
    QTest::newRow("Esc on another button") << true << "other" << int(Qt::Key_Escape) << "Cancel";
    QTest::newRow("Enter in the text box") << true << "box" << int(Qt::Key_Return) << "OK";
    QTest::newRow("keypad Enter") << true << "box" << int(Qt::Key_Enter) << "OK";
    QTest::newRow("Enter on a focused button") << true << "other" << int(Qt::Key_Return) << "Other";
    QTest::newRow("no default: Enter in the text box")
        << false << "box" << int(Qt::Key_Return) << "";
    QTest::newRow("no default: Enter on a button")
        << false << "cancel" << int(Qt::Key_Return) << "Cancel";
}

void DefaultCancelTest::keysGoToTheirButtons()
{
    QFETCH(bool, withDefault);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, clicked);
    Window window(withDefault);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList pressed;
    for (QPushButton* button : {window.ok, window.cancel, window.other})
        connect(button, &QPushButton::clicked, [&pressed, button] { pressed << button->text(); });
    QWidget* target = focus == QStringLiteral("box")     ? static_cast<QWidget*>(window.box)
                      : focus == QStringLiteral("other") ? window.other
                                                         : window.cancel;
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(pressed, clicked.isEmpty() ? QStringList() : QStringList{clicked});
}

QTEST_MAIN(DefaultCancelTest)
#include "test_default_cancel.moc"
