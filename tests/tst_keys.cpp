#include "engine/keys.h"
#include "testsupport/harness.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace kerbu;

class KeysTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { windows().clear(); }

    void hunkeyInWordBox_data();
    void hunkeyInWordBox();
    void shortTable_data();
    void shortTable();
    void endingBoxDoesNotTranslate();
    void pastedTextIsNotTranslated();
    void shiftedKeysGiveCapitals();
};

void KeysTest::hunkeyInWordBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // All eighteen keys of the chart and their capitals.
    QTest::newRow("apostrophe") << "'"
                                << "á";
    QTest::newRow("semicolon") << ";"
                               << "é";
    QTest::newRow("grave") << "`"
                           << "í";
    QTest::newRow("backslash") << "\\"
                               << "ű";
    QTest::newRow("left bracket") << "["
                                  << "ő";
    QTest::newRow("hyphen") << "-"
                            << "ü";
    QTest::newRow("zero") << "0"
                          << "ö";
    QTest::newRow("right bracket") << "]"
                                   << "ú";
    QTest::newRow("equals") << "="
                            << "ó";
    QTest::newRow("double quote") << "\""
                                  << "Á";
    QTest::newRow("colon") << ":"
                           << "É";
    QTest::newRow("tilde") << "~"
                           << "Í";
    QTest::newRow("bar") << "|"
                         << "Ű";
    QTest::newRow("left brace") << "{"
                                << "Ő";
    QTest::newRow("underscore") << "_"
                                << "Ü";
    QTest::newRow("right paren") << ")"
                                 << "Ö";
    QTest::newRow("right brace") << "}"
                                 << "Ú";
    QTest::newRow("plus") << "+"
                          << "Ó";
    // What passes unchanged.
    QTest::newRow("letters and blank") << "az Ab z"
                                       << "az Ab z";
    QTest::newRow("digits but zero") << "123456789"
                                     << "123456789";
    QTest::newRow("punctuation") << ".,?!/"
                                 << ".,?!/";
    QTest::newRow("a word") << "sz'lloda"
                            << "szálloda";
    QTest::newRow("real letters") << "őű"
                                  << "őű";
}

void KeysTest::hunkeyInWordBox() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    QLineEdit* word = test::box(window, "Text1");
    word->setFocus();
    test::type(word, typed);
    QCOMPARE(word->text(), shown);
    QTest::keyClick(word, Qt::Key_Backspace);
    QCOMPARE(word->text(), shown.chopped(1));
}

void KeysTest::shortTable_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("colonGivesE");
    QTest::addColumn<QString>("result");
    QTest::newRow("lower letters") << "';`\\[-/]=" << false << "áéíóöőúüű";
    QTest::newRow("colon in the word box") << ":" << true << "É";
    QTest::newRow("colon elsewhere") << ":" << false << ":";
    QTest::newRow("no capitals, zero stays") << "0\"~|{_)}+" << true << "0\"~|{_)}+";
    QTest::newRow("letters") << "kabat" << false << "kabat";
}

void KeysTest::shortTable() {
    QFETCH(QString, typed);
    QFETCH(bool, colonGivesE);
    QFETCH(QString, result);
    QString out;
    for (QChar c : typed)
        out += translateKey(colonGivesE ? KeyTable::ShortWithCapitalE : KeyTable::Short, c);
    QCOMPARE(out, result);
}

void KeysTest::endingBoxDoesNotTranslate() {
    for (WindowId id : {WindowId::k04d1a, WindowId::k04d1b}) {
        DrillWindow* window = test::openDrill(id);
        QLineEdit* ending = test::box(window, "Text2");
        ending->setFocus();
        test::type(ending, "'0-[");
        QCOMPARE(ending->text(), QString("'0-["));
    }
}

void KeysTest::pastedTextIsNotTranslated() {
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    QLineEdit* word = test::box(window, "Text1");
    word->setFocus();
    QApplication::clipboard()->setText("'[0");
    QTest::keyClick(word, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(word->text(), QString("'[0"));
}

void KeysTest::shiftedKeysGiveCapitals() {
    DrillWindow* window = test::openDrill(WindowId::k04d1b);
    QLineEdit* word = test::box(window, "Text1");
    word->setFocus();
    QTest::keyClick(word, Qt::Key_QuoteDbl, Qt::ShiftModifier);
    QTest::keyClick(word, Qt::Key_ParenRight, Qt::ShiftModifier);
    QCOMPARE(word->text(), QString("ÁÖ"));
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
