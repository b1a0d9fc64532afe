#include "ui/look/app_icon.h"

#include <QImage>
#include <QTest>

// The window icon is loaded from pictures stored with the program; they must stay the icon the
// program draws, which is also the icon that is installed.
class AppIconTest : public QObject {
    Q_OBJECT

private slots:
    void storedIconIsTheDrawnIcon_data();
    void storedIconIsTheDrawnIcon();
};

void AppIconTest::storedIconIsTheDrawnIcon_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48})
        QTest::addRow("%d", size) << size;
}

void AppIconTest::storedIconIsTheDrawnIcon()
{
    QFETCH(int, size);
    const QImage drawn =
        lunetide::ui::AppIconPixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage shown = lunetide::ui::AppIcon()
                             .pixmap(QSize(size, size))
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), QSize(size, size));
    QCOMPARE(shown, drawn);
    QVERIFY(lunetide::ui::AppIcon().availableSizes().contains(QSize(size, size)));
}

QTEST_MAIN(AppIconTest)
#include "test_app_icon.moc"
