#include "support/url_recorder.h"
#include "web/tell_a_friend.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace lunetide::web;

namespace {

// A form that passes every check.
Referral Passing()
{
    return {QStringLiteral("Ann"), QStringLiteral("ann@example.com"), QStringLiteral("Hello"),
            QStringLiteral("Bob"), QStringLiteral("bob@example.com"), {}};
}

const QString kPrefix = QStringLiteral("http://www.veyrholt.com/vhms-refer-a-friend.php?");

} // namespace

class TellAFriendTest : public QObject {
    Q_OBJECT

private slots:
    void checksInTheirOrder_data();
    void checksInTheirOrder();
    void submitOpensOnlyAPassingForm();
    void trimsOnlySpaces_data();
    void trimsOnlySpaces();
    void plainValuesGiveThePlainRequest();
    void everyValueSurvivesTheQuery_data();
    void everyValueSurvivesTheQuery();
};

void TellAFriendTest::checksInTheirOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("problem"); // empty: the form passes

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString name = QStringLiteral("Please Enter Your Name");
    const QString message = QStringLiteral("Please Enter Your Message");
    const QString friendName = QStringLiteral("Please Enter Your Friend's Name");

    QTest::newRow("untouched form") << "Your Name"
                                    << "Your Email Address"
                                    << "Your Message\r\n"
                                    << "Friend's Name"
                                    << "Friend's Email Address" << proper;
    QTest::newRow("equal addresses before anything else") << ""
                                                          << "nothing"
                                                          << ""
                                                          << ""
                                                          << "nothing" << distinct;
    QTest::newRow("equal proper addresses") << "Ann"
                                            << "a@b.c"
                                            << "Hi"
                                            << "Bob"
                                            << "a@b.c" << distinct;
    QTest::newRow("both empty count as equal") << "Ann"
                                               << ""
                                               << "Hi"
                                               << "Bob"
                                               << "" << distinct;
    QTest::newRow("letter case makes them distinct") << "Ann"
                                                     << "Ann@b.c"
                                                     << "Hi"
                                                     << "Bob"
                                                     << "ann@b.c"
                                                     << "";
    QTest::newRow("no @ in own address") << "Ann"
                                         << "a.b.c"
                                         << "Hi"
                                         << "Bob"
                                         << "b@c.d" << proper;
    QTest::newRow("no . in friend's address") << "Ann"
                                              << "a@b.c"
                                              << "Hi"
                                              << "Bob"
                                              << "b@cd" << proper;
    QTest::newRow("@ and . anywhere will do") << "Ann"
                                              << ".@"
                                              << "Hi"
                                              << "Bob"
                                              << "@."
                                              << "";
    QTest::newRow("address before name") << ""
                                         << "a@b"
                                         << ""
                                         << ""
                                         << "b@c.d" << proper;
    QTest::newRow("empty name") << ""
                                << "a@b.c"
                                << ""
                                << ""
                                << "b@c.d" << name;
    QTest::newRow("name placeholder") << "Your Name"
                                      << "a@b.c"
                                      << "Hi"
                                      << "Bob"
                                      << "b@c.d" << name;
    QTest::newRow("placeholder compared exactly") << "your name"
                                                  << "a@b.c"
                                                  << "Hi"
                                                  << "Bob"
                                                  << "b@c.d"
                                                  << "";
    QTest::newRow("empty message") << "Ann"
                                   << "a@b.c"
                                   << ""
                                   << ""
                                   << "b@c.d" << message;
    QTest::newRow("message placeholder") << "Ann"
                                         << "a@b.c"
                                         << "Your Message"
                                         << "Bob"
                                         << "b@c.d" << message;
    QTest::newRow("untouched message passes") << "Ann"
                                              << "a@b.c"
                                              << "Your Message\r\n"
                                              << "Bob"
                                              << "b@c.d"
                                              << "";
    QTest::newRow("empty friend's name") << "Ann"
                                         << "a@b.c"
                                         << "Hi"
                                         << ""
                                         << "b@c.d" << friendName;
    QTest::newRow("friend's name placeholder") << "Ann"
                                               << "a@b.c"
                                               << "Hi"
                                               << "Friend's Name"
                                               << "b@c.d" << friendName;
}

void TellAFriendTest::checksInTheirOrder()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, problem);
    const Referral referral{name, email, message, friendName, friendEmail, {}};
    QCOMPARE(ReferralProblem(referral).value_or(QString()), problem);
}

void TellAFriendTest::submitOpensOnlyAPassingForm()
{
    UrlRecorder recorder;
    Referral failing = Passing();
    failing.friendName.clear();
    QCOMPARE(SubmitReferral(failing), std::optional<QString>("Please Enter Your Friend's Name"));
    QVERIFY(recorder.opened.isEmpty());
    QVERIFY(failing.url.isEmpty());

    Referral passing = Passing();
    QCOMPARE(SubmitReferral(passing), std::nullopt);
    QCOMPARE(passing.url, ReferralUrl(passing));
    QCOMPARE(recorder.opened, QStringList{passing.url});
    // A second press sends the request again.
    QCOMPARE(SubmitReferral(passing), std::nullopt);
    QCOMPARE(recorder.opened.size(), 2);
}

void TellAFriendTest::trimsOnlySpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("spaces both ends") << "  Ann Lee  "
                                      << "Ann Lee";
    QTest::newRow("only spaces") << "   "
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("tabs stay") << "\tAnn\t"
                               << "\tAnn\t";
    QTest::newRow("line break stays") << " Your Message\r\n "
                                      << "Your Message\r\n";
    QTest::newRow("no-break space stays") << "\u00A0Ann "
                                          << "\u00A0Ann";
}

void TellAFriendTest::trimsOnlySpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(TrimSpaces(text), trimmed);
}

void TellAFriendTest::plainValuesGiveThePlainRequest()
{
    QCOMPARE(ReferralUrl(Passing()),
             kPrefix + "taf1=Ann&taf2=ann%40example.com&taf3=Hello&taf4=Bob"
                       "&taf5=bob%40example.com&taf6=http%3A%2F%2Fwww.veyrholt.com%2Flunetide%2F");
}

// Whatever the user typed, the site reads back exactly the six fields with the values typed.
void TellAFriendTest::everyValueSurvivesTheQuery_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("ampersand and spaces") << "Tom & Jerry";
    QTest::newRow("a further field") << "Ann&taf5=evil@example.com";
    QTest::newRow("equals") << "a=b";
    QTest::newRow("fragment") << "Ann#top";
    QTest::newRow("plus") << "a+b";
    QTest::newRow("percent") << "100%25 sure %";
    QTest::newRow("CR LF") << "Your Message\r\nsecond line";
    QTest::newRow("non-ASCII") << "Zoë Łukasz 月 😀";
    QTest::newRow("question mark and slash") << "?taf1=x/y";
    QTest::newRow("empty") << "";
    QTest::newRow("only a space") << " ";
}

void TellAFriendTest::everyValueSurvivesTheQuery()
{
    QFETCH(QString, value);
    const Referral referral{value, value, value, value, value, {}};
    const QString url = ReferralUrl(referral);

    QVERIFY(url.startsWith(kPrefix));
    // Nothing but unreserved characters and escapes inside a value.
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9._~%=&-]*$"));
    QVERIFY2(safe.match(url.mid(kPrefix.size())).hasMatch(), qPrintable(url));

    const QUrl parsed(url, QUrl::StrictMode);
    QVERIFY(parsed.isValid());
    QVERIFY(!parsed.hasFragment());
    QList<QPair<QString, QString>> expected;
    for (int i = 1; i <= 5; ++i)
        expected.append({QStringLiteral("taf%1").arg(i), value});
    expected.append({QStringLiteral("taf6"), QStringLiteral("http://www.veyrholt.com/lunetide/")});
    QCOMPARE(QUrlQuery(parsed).queryItems(QUrl::FullyDecoded), expected);
}

QTEST_MAIN(TellAFriendTest)
#include "test_tell_a_friend.moc"
