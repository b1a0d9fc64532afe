// The update reminder's question as the user sees it, and the answer it hands back.
#include "ui/windows/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void updateQuestion_data();
    void updateQuestion();
};

void MessageBoxTest::updateQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void MessageBoxTest::updateQuestion()
{
    QFETCH(bool, yes);
    QString text;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        }
    });
    QCOMPARE(lunetide::ui::AskToLookForUpdate(nullptr), yes);
    QCOMPARE(text, "There maybe an update to this software available\n"
                   "Do you want to check for an update?");
}

QTEST_MAIN(MessageBoxTest)
#include "test_message_box.moc"
