#include "engine/drill.h"
#include "platform/random.h"

#include <QSet>
#include <QTest>
#include <array>
#include <cmath>

using namespace kerbu;

class RandomTest : public QObject {
    Q_OBJECT

  private slots:
    void everyOpenItemHasTheSameChance_data();
    void everyOpenItemHasTheSameChance();
    void usedUpItemsAreNeverChosen();
    void nothingOpenGivesNoChoice();
    void runsTakeEachItemOnce_data();
    void runsTakeEachItemOnce();
};

void RandomTest::everyOpenItemHasTheSameChance_data() {
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("open");
    QTest::newRow("seed 1, 2 open") << quint64(1) << 2;
    QTest::newRow("seed 2, 5 open") << quint64(2) << 5;
    QTest::newRow("seed 3, 12 open") << quint64(3) << 12;
    QTest::newRow("seed 4, all 26 open") << quint64(4) << 26;
}

// A chi-square test of the counts: with a fixed seed it is repeatable, and a choice
// that favours some items (or never reaches one) fails it by far.
void RandomTest::everyOpenItemHasTheSameChance() {
    QFETCH(quint64, seed);
    QFETCH(int, open);
    Random random;
    random.seed(seed);
    std::array<bool, 26> available{};
    // Open items spread over the range, with used-up ones between them.
    for (int i = 0; i < open; ++i)
        available[static_cast<std::size_t>((i * 26) / open)] = true;
    std::array<int, 26> counts{};
    const int draws = 40000;
    for (int n = 0; n < draws; ++n) {
        const int chosen =
            random.pickAvailable(0, 25, [&](int i) { return available[std::size_t(i)]; });
        QVERIFY(chosen >= 0 && chosen <= 25);
        QVERIFY(available[std::size_t(chosen)]);
        ++counts[std::size_t(chosen)];
    }
    const double expected = double(draws) / open;
    double chiSquare = 0;
    for (std::size_t i = 0; i < 26; ++i) {
        if (available[i]) {
            QVERIFY2(counts[i] > 0, "an open item was never chosen");
            chiSquare += (counts[i] - expected) * (counts[i] - expected) / expected;
        }
    }
    // The 99.9 % point of chi-square with open - 1 degrees of freedom (Wilson-Hilferty).
    const double df = open - 1;
    const double a = 2.0 / (9.0 * df);
    const double limit = df * std::pow(1.0 - a + 3.09 * std::sqrt(a), 3);
    QVERIFY2(chiSquare < limit,
             qPrintable(QString("chi-square %1, limit %2").arg(chiSquare).arg(limit)));
}

void RandomTest::usedUpItemsAreNeverChosen() {
    Random random;
    random.seed(11);
    for (int n = 0; n < 1000; ++n)
        QCOMPARE(random.pickAvailable(0, 79, [](int i) { return i == 63; }), 63);
    for (int n = 0; n < 1000; ++n) {
        const int chosen = random.pickAvailable(3, 7, [](int i) { return i % 2 == 0; });
        QVERIFY(chosen == 4 || chosen == 6);
    }
}

void RandomTest::nothingOpenGivesNoChoice() {
    Random random;
    QCOMPARE(random.pickAvailable(0, 11, [](int) { return false; }), -1);
}

void RandomTest::runsTakeEachItemOnce_data() {
    QTest::addColumn<bool>("plus");
    QTest::addColumn<int>("length");
    QTest::newRow("normal") << false << 12;
    QTest::newRow("extended") << true << 20;
}

void RandomTest::runsTakeEachItemOnce() {
    QFETCH(bool, plus);
    QFETCH(int, length);
    static constexpr WordItem items[] = {
        {u"a", u"1"},  {u"b", u"2"},  {u"c", u"3"},  {u"d", u"4"},  {u"e", u"5"},
        {u"f", u"6"},  {u"g", u"7"},  {u"h", u"8"},  {u"i", u"9"},  {u"j", u"10"},
        {u"k", u"11"}, {u"l", u"12"}, {u"m", u"13"}, {u"n", u"14"}, {u"o", u"15"},
        {u"p", u"16"}, {u"q", u"17"}, {u"r", u"18"}, {u"s", u"19"}, {u"t", u"20"},
    };
    Random random;
    random.seed(5);
    Drill drill({items, 12});
    if (plus)
        drill.choosePlus();
    for (int run = 0; run < 3; ++run) {
        drill.start(random);
        QCOMPARE(drill.total, length);
        QSet<int> seen;
        bool done = false;
        while (!done) {
            QVERIFY(!seen.contains(drill.idx));
            QVERIFY(drill.idx < length);
            seen.insert(drill.idx);
            done = drill.answered(random);
        }
        QCOMPARE(seen.size(), length);
        QCOMPARE(drill.solved, 0);
    }
}

QTEST_MAIN(RandomTest)
#include "tst_random.moc"
