#include "support/url_recorder.h"
#include "web/links.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

using namespace lunetide::web;

using Opener = void (*)();
Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(LinkRole)

class LinksTest : public QObject {
    Q_OBJECT

private slots:
    void eachRoleOpensItsPage_data();
    void eachRoleOpensItsPage();
    void everyCallOpensAgain();
    void launcherPassesTheUrlThrough_data();
    void launcherPassesTheUrlThrough();
    void withoutABrowserNothingHappens();
};

void LinksTest::eachRoleOpensItsPage_data()
{
    QTest::addColumn<LinkRole>("role");
    QTest::addColumn<Opener>("opener");
    QTest::addColumn<QString>("url");
    QTest::newRow("home page") << LinkRole::HomePage << Opener(LinkHomePage)
                               << "http://www.veyrholt.com";
    QTest::newRow("online help") << LinkRole::OnlineHelp << Opener(LinkOnlineHelp)
                                 << "http://www.veyrholt.com/lunetide/lunetide-help.html";
    QTest::newRow("download") << LinkRole::Download << Opener(LinkDownload)
                              << "http://www.veyrholt.com/lunetide/download-lunetide.html";
    QTest::newRow("catalogue") << LinkRole::SoftwareCatalogue << Opener(LinkSoftwareCatalogue)
                               << "http://www.veyrholt.com/veyrholtsoftwares";
    QTest::newRow("donate") << LinkRole::Donate << Opener(LinkDonate)
                            << "http://help.veyrholt.com/donate.html";
    QTest::newRow("fully branded") << LinkRole::FullyBranded << Opener(LinkFullyBranded)
                                   << "http://help.veyrholt.com/fully-branded.html";
    QTest::newRow("co-brand") << LinkRole::CoBrand << Opener(LinkCoBrand)
                              << "http://help.veyrholt.com/co-brand.html";
}

void LinksTest::eachRoleOpensItsPage()
{
    QFETCH(LinkRole, role);
    QFETCH(Opener, opener);
    QFETCH(QString, url);
    QCOMPARE(UrlOf(role), url);
    UrlRecorder recorder;
    opener();
    QCOMPARE(recorder.opened, QStringList{url});
}

void LinksTest::everyCallOpensAgain()
{
    UrlRecorder recorder;
    LinkDonate();
    LinkDonate();
    QCOMPARE(recorder.opened,
             QStringList(2, QStringLiteral("http://help.veyrholt.com/donate.html")));
}

void LinksTest::launcherPassesTheUrlThrough_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("main site folder") << "http://www.veyrholt.com/lunetide/";
    QTest::newRow("escaped delimiters")
        << "http://www.veyrholt.com/vhms-refer-a-friend.php?taf1=a%26b%3Dc%23d&taf2=x%2By%25z";
    QTest::newRow("escaped line break and letters")
        << "http://www.veyrholt.com/p.php?taf3=Hi%0D%0Athere%20%C3%A9%E2%82%AC%F0%9F%98%80";
    QString everyAscii;
    for (char16_t c = 1; c < 128; ++c)
        everyAscii += QChar(c);
    QTest::newRow("every ASCII character escaped")
        << "http://www.veyrholt.com/p.php?taf1=" +
               QString::fromLatin1(QUrl::toPercentEncoding(everyAscii));
}

void LinksTest::launcherPassesTheUrlThrough()
{
    QFETCH(QString, url);
    UrlRecorder recorder;
    LinkLauncher(url);
    QCOMPARE(recorder.opened, QStringList{url});
}

// The offscreen platform has no browser to start: the call comes back at once, reports nothing
// and the program carries on.
void LinksTest::withoutABrowserNothingHappens()
{
    // Qt's own diagnostic on stderr, not something the user sees.
    const QRegularExpression unsupported(QStringLiteral("does not support .*openUrl"));
    QTest::ignoreMessage(QtWarningMsg, unsupported);
    QTest::ignoreMessage(QtWarningMsg, unsupported);
    QElapsedTimer timer;
    timer.start();
    LinkHomePage();
    LinkLauncher(QStringLiteral("http://www.veyrholt.com/p.php?taf1=a%20b"));
    QVERIFY(timer.elapsed() < 2000);
    UrlRecorder recorder;
    LinkDownload();
    QCOMPARE(recorder.opened.size(), 1);
}

QTEST_MAIN(LinksTest)
#include "test_links.moc"
