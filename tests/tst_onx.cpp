// On a real X display: the background window is filled by the X server with its colour,
// with no image of the screen's size behind it, and the windows in front still draw.
#include "testsupport/harness.h"

#include <QGuiApplication>
#include <QScreen>

using namespace kerbu;

class OnXTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { test::shutDown(); }

    void backgroundIsTheServersColour() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display");
        FormWindow* menu = test::openWindow("alap");
        FormWindow* background = test::program().windows().get(WindowId::hatter);
        QVERIFY(background->isVisible());
        QVERIFY(background->testAttribute(Qt::WA_PaintOnScreen));
        QTest::qWait(200);
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        // A corner far from the menu shows the background's grey.
        QCOMPARE(QColor(screen.pixel(4, 4)), QColor(224, 224, 224));
        QCOMPARE(QColor(screen.pixel(screen.width() - 5, screen.height() - 5)),
                 QColor(224, 224, 224));
        // The menu in front is drawn by the program as ever: its grey, not the background's.
        const QPoint inside =
            menu->mapToGlobal(menu->centralWidget()->geometry().bottomLeft()) + QPoint(3, -3);
        QCOMPARE(QColor(screen.pixel(inside)), QColor(192, 192, 192));
    }
};

QTEST_MAIN(OnXTest)
#include "tst_onx.moc"
