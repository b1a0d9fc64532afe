// Texts broken into lines for a terminal: where the breaks fall, and what happens at the edges.

#include "cli/text_wrap.h"

#include <QTest>

using namespace lunetide::cli;

class TextWrapTest : public QObject {
    Q_OBJECT

private slots:
    void wrapped_data();
    void wrapped();
};

void TextWrapTest::wrapped_data()
{
    QTest::addColumn<QByteArray>("indent");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no width: as it is")
        << QByteArray("  ") << QByteArray("a b  c ") << 0 << QByteArray("  a b  c \n");
    QTest::newRow("fits exactly") << QByteArray("  ") << QByteArray("abc de") << 8
                                  << QByteArray("  abc de\n");
    QTest::newRow("one column short")
        << QByteArray("  ") << QByteArray("abc de") << 7 << QByteArray("  abc\n  de\n");
    QTest::newRow("inner blanks kept on a line, dropped at a break")
        << QByteArray("") << QByteArray("ab  cd  ef") << 6 << QByteArray("ab  cd\nef\n");
    QTest::newRow("a word longer than a line stands alone")
        << QByteArray("   ") << QByteArray("a abcdefgh b") << 6
        << QByteArray("   a\n   abcdefgh\n   b\n");
    QTest::newRow("trailing blank kept where it fits")
        << QByteArray("  ") << QByteArray("ab cd ") << 10 << QByteArray("  ab cd \n");
    QTest::newRow("trailing blank dropped at the edge")
        << QByteArray("  ") << QByteArray("ab cd ") << 7 << QByteArray("  ab cd\n");
    QTest::newRow("letters of two bytes count once")
        << QByteArray("") << QByteArray("\xc3\xa9t\xc3\xa9 \xc3\xa9t\xc3\xa9") << 7
        << QByteArray("\xc3\xa9t\xc3\xa9 \xc3\xa9t\xc3\xa9\n");
    QTest::newRow("empty text") << QByteArray("  ") << QByteArray() << 10 << QByteArray("  \n");
}

void TextWrapTest::wrapped()
{
    QFETCH(QByteArray, indent);
    QFETCH(QByteArray, text);
    QFETCH(int, columns);
    QFETCH(QByteArray, expected);
    QByteArray out = "before\n";
    AppendWrapped(out, std::string_view(indent.constData(), size_t(indent.size())),
                  std::string_view(text.constData(), size_t(text.size())), columns);
    QCOMPARE(out, "before\n" + expected);
}

QTEST_GUILESS_MAIN(TextWrapTest)
#include "test_text_wrap.moc"
