// The key translators: every key of both tables, then what a real box does with them.
#include "engine/keys.h"
#include "testsupport/harness.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace kerbu;
using test::Role;

class KeysTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { test::shutDown(); }

    void tables_data();
    void tables();
    void inRealBoxes();
};

// clang-format off
void KeysTest::tables_data() {
    QTest::addColumn<KeyTable>("table");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    // The eighteen keys of the chart, in the chart's order, then their capitals.
    QTest::newRow("chart") << KeyTable::Hunkey << "';`=0[]-\\" << "áéíóöőúüű";
    QTest::newRow("chart capitals") << KeyTable::Hunkey << "\":~+){}_|" << "ÁÉÍÓÖŐÚÜŰ";
    QTest::newRow("chart passes the rest") << KeyTable::Hunkey << "az Ab 123456789.,?!/őű"
                                           << "az Ab 123456789.,?!/őű";
    QTest::newRow("small table") << KeyTable::Short << "';`\\[-/]=" << "áéíóöőúüű";
    QTest::newRow("small table: colon stays") << KeyTable::Short << ":" << ":";
    QTest::newRow("small table, colon gives É") << KeyTable::ShortWithCapitalE << ":';" << "Éáé";
    QTest::newRow("small table: no capitals, zero stays")
        << KeyTable::ShortWithCapitalE << "0\"~|{_)}+" << "0\"~|{_)}+";
    QTest::newRow("no table") << KeyTable::None << "';`=0[]-\\:" << "';`=0[]-\\:";
}
// clang-format on

void KeysTest::tables() {
    QFETCH(KeyTable, table);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QString out;
    for (QChar c : typed)
        out += translateKey(table, c);
    QCOMPARE(out, result);
}

// The word box translates typed keys, shifted ones too, and Backspace takes the letter;
// the ending box of 1/a and 1/b and pasted text are left as they are.
void KeysTest::inRealBoxes() {
    DrillWindow* window = test::openDrill("k04d1b");
    QLineEdit* word = test::box(window, Role::Word);
    word->setFocus();
    test::type(word, "sz'lloda[");
    QTest::keyClick(word, Qt::Key_QuoteDbl, Qt::ShiftModifier);
    QTest::keyClick(word, Qt::Key_ParenRight, Qt::ShiftModifier);
    QCOMPARE(word->text(), QString("szállodaőÁÖ"));
    QTest::keyClick(word, Qt::Key_Backspace);
    QCOMPARE(word->text(), QString("szállodaőÁ"));
    QLineEdit* ending = test::box(window, Role::Ending);
    ending->setFocus();
    test::type(ending, "'0-[");
    QCOMPARE(ending->text(), QString("'0-["));
    word->clear();
    word->setFocus();
    QApplication::clipboard()->setText("'[0");
    QTest::keyClick(word, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(word->text(), QString("'[0"));
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
