#include "widgets/OperationWords.h"

#include <QTest>

// The arithmetic behind the operation lists, checked without a screen.
class OperationWordsTest : public QObject {
    Q_OBJECT
private slots:
    void splitsAtTwoBlanks_data();
    void splitsAtTwoBlanks();
    void hitTest_data();
    void hitTest();
    void countsCodePageBytes();
    void topicTooltipRule();
};

void OperationWordsTest::splitsAtTwoBlanks_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("two words") << QStringLiteral("删除  呼叫")
                               << QStringList { QStringLiteral("删除"), QStringLiteral("呼叫") };
    QTest::newRow("single blank is part of a word")
        << QStringLiteral("a b  c") << QStringList { QStringLiteral("a b"), QStringLiteral("c") };
    QTest::newRow("trailing separator dropped") << QStringLiteral("删除  ") << QStringList { QStringLiteral("删除") };
    QTest::newRow("empty middle piece kept")
        << QStringLiteral("a    b") << QStringList { QStringLiteral("a"), QString(), QStringLiteral("b") };
    QTest::newRow("empty cell") << QString() << QStringList {};
}

void OperationWordsTest::splitsAtTwoBlanks()
{
    QFETCH(QString, cell);
    QFETCH(QStringList, words);
    QCOMPARE(OperationWords::split(cell), words);
}

void OperationWordsTest::hitTest_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("textWidth");
    QTest::addColumn<int>("expected");
    // Column at 100..219 (width 120), "--" is 10 px wide.
    // Two words in a 60 px text: word 0 spans 125..155, word 1 spans 155..185.
    QTest::newRow("left of the text") << 124 << 2 << 60 << -1;
    QTest::newRow("first pixel of word 0") << 125 << 2 << 60 << 0;
    QTest::newRow("shared edge goes to the first word") << 155 << 2 << 60 << 0;
    QTest::newRow("inside word 1") << 156 << 2 << 60 << 1;
    QTest::newRow("last pixel of word 1") << 185 << 2 << 60 << 1;
    QTest::newRow("right of the text") << 186 << 2 << 60 << -1;
    // Three words in 91 px: shares of 30 px starting at 109, 139, 169 (k * 91 / 3 truncates).
    QTest::newRow("three words, first") << 109 << 3 << 91 << 0;
    QTest::newRow("three words, middle") << 150 << 3 << 91 << 1;
    QTest::newRow("three words, last") << 199 << 3 << 91 << 2;
    QTest::newRow("three words, beyond") << 200 << 3 << 91 << -1;
    // One word: anywhere in the column.
    QTest::newRow("one word, far right") << 219 << 1 << 30 << 0;
    QTest::newRow("one word, next column") << 220 << 1 << 30 << -1;
    QTest::newRow("no words") << 150 << 0 << 0 << -1;
    // Text wider than its column: spans start left of the column and still hit.
    QTest::newRow("wide text") << 95 << 2 << 140 << 0;
}

void OperationWordsTest::hitTest()
{
    QFETCH(int, x);
    QFETCH(int, count);
    QFETCH(int, textWidth);
    QFETCH(int, expected);
    QCOMPARE(OperationWords::hit(x, count, textWidth, 10, 100, 120), expected);
}

void OperationWordsTest::countsCodePageBytes()
{
    QCOMPARE(OperationWords::ansiByteLength(QStringLiteral("abc")), 3);
    QCOMPARE(OperationWords::ansiByteLength(QStringLiteral("会议a")), 5);
    QCOMPARE(OperationWords::truncateToAnsiBytes(QStringLiteral("会议a"), 3), QStringLiteral("会"));
    QCOMPARE(OperationWords::truncateToAnsiBytes(QStringLiteral("ab会"), 3), QStringLiteral("ab"));
    QCOMPARE(OperationWords::truncateToAnsiBytes(QStringLiteral("ab会"), 4), QStringLiteral("ab会"));
}

void OperationWordsTest::topicTooltipRule()
{
    const QString header = QStringLiteral("会议主题");
    const QString sixteen = QStringLiteral("八个汉字八个汉字"); // 16 bytes
    const QString seventeen = sixteen + QLatin1Char('x');
    QVERIFY(!OperationWords::wantsTopicTooltip(header, sixteen));
    QVERIFY(OperationWords::wantsTopicTooltip(header, seventeen));
    QVERIFY(!OperationWords::wantsTopicTooltip(QStringLiteral("主持人号码"), seventeen));
}

QTEST_GUILESS_MAIN(OperationWordsTest)
#include "OperationWordsTest.moc"
