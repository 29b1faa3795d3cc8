// The layer below the windows, seen through the program's own windows: pictures, the help
// viewer and fonts; and whether a screen reader runs, as the session bus says.
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/helpviewer.h"
#include "platform/panel3d.h"
#include "platform/screenreader.h"
#include "testsupport/harness.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QTextBrowser>

using namespace kerbu;

// The accessibility bus's status, as a screen reader sets it.
class A11yStatus : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.a11y.Status")
    Q_PROPERTY(bool ScreenReaderEnabled MEMBER enabled)
  public:
    bool enabled = true;
};

class PlatformTest : public test::Suite {
    Q_OBJECT

  private slots:
    void splashPicturesDrawnAtBuildTimeMatchTheSvg_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("side");
        QTest::newRow("frame 1") << "frame1" << 33;
        QTest::newRow("frame 2") << "frame2" << 33;
        QTest::newRow("frame 3") << "frame3" << 33;
        QTest::newRow("information") << "info" << 24;
    }

    // The splash takes its pictures as drawn at build time; they are the SVG's, pixel for
    // pixel, and any other size is still drawn from the SVG.
    void splashPicturesDrawnAtBuildTimeMatchTheSvg() {
        QFETCH(QString, name);
        QFETCH(int, side);
        if (qApp->devicePixelRatio() != 1.0)
            QSKIP("pictures are drawn at build time for a pixel ratio of 1 only");
        QVERIFY(QResource(QStringLiteral(":/prerendered/assets/%1@%2.argb").arg(name).arg(side))
                    .isValid());
        const QString svg = QStringLiteral(":/assets/%1.svg").arg(name);
        QImage drawn(side, side, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(svg).render(&painter);
        painter.end();
        const QImage taken =
            picture(svg, QSize(side, side)).toImage().convertToFormat(drawn.format());
        QCOMPARE(taken, drawn);
        // One pixel larger: drawn from the SVG, not empty.
        const QImage larger = picture(svg, QSize(side + 1, side + 1)).toImage();
        QCOMPARE(larger.size(), QSize(side + 1, side + 1));
        QVERIFY(larger.pixelColor(side / 2, side / 2).alpha() > 0 ||
                larger.pixelColor(side / 3, side / 3).alpha() > 0);
    }

    void helpViewer_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("1/a") << 5 << "moziba";
        QTest::newRow("1/b") << 10 << "postára";
        QTest::newRow("2/a") << 20 << "accusative of nouns";
        QTest::newRow("2/c") << 25 << "accusative of adjectives";
        QTest::newRow("2/b") << 30 << "accusative of numerals";
        QTest::newRow("missing") << 15 << "no topic number 15";
    }

    // The lesson's help file in a window of its own, at the topic's anchor; a topic the file
    // does not have is reported there, and a good one afterwards shows the file again.
    void helpViewer() {
        QFETCH(int, topic);
        QFETCH(QString, mentions);
        HelpViewer viewer(QString::fromLatin1(test::program().lesson().helpFile));
        QCOMPARE(viewer.hasTopic(topic), topic != 15);
        viewer.showTopic(topic);
        QTextBrowser* browser = viewer.browser();
        QVERIFY(browser && browser->isVisible());
        QVERIFY(browser->toPlainText().contains(mentions, Qt::CaseInsensitive));
        QVERIFY(!QApplication::activeModalWidget());
        viewer.showTopic(5);
        QCOMPARE(browser->source().fragment(), QString("topic5"));
        QVERIFY(browser->toPlainText().contains("moziba"));
    }

    // The 3-D panel of the splash and the menu: raised, light on its top and left edges and
    // dark on its bottom and right, with its caption inside.
    void panelIsRaisedAndCaptioned() {
        Panel3D panel;
        panel.resize(80, 30);
        QPalette palette = panel.palette();
        palette.setColor(QPalette::Window, colours::silver);
        panel.setPalette(palette);
        const QImage bare = panel.grab().toImage();
        const int face = bare.pixelColor(40, 15).lightness();
        for (const QPoint light : {QPoint(40, 0), QPoint(0, 15), QPoint(40, 1), QPoint(1, 15)})
            QVERIFY(bare.pixelColor(light).lightness() > face);
        for (const QPoint dark : {QPoint(40, 29), QPoint(79, 15), QPoint(40, 28), QPoint(78, 15)})
            QVERIFY(bare.pixelColor(dark).lightness() < face);
        panel.setCaption("Kerbu!");
        QVERIFY(panel.grab().toImage() != bare);
    }

    // MS Sans Serif, MS Serif, Arial and Times New Roman are mapped to fonts with ő and ű,
    // bold where the design says so.
    void designFontsHaveHungarianLetters() {
        for (const Face face : {Face::SansSerif, Face::Serif, Face::Arial, Face::TimesNewRoman}) {
            const QFont font = designFont(face, 12, true);
            QVERIFY2(QFontInfo(font).family().startsWith("Liberation") && QFontInfo(font).bold(),
                     qPrintable(QFontInfo(font).family()));
            for (char16_t letter : {u'ő', u'ű', u'Ő', u'Ű'})
                QVERIFY(QFontMetrics(font).inFont(QChar(letter)));
        }
    }

    // Asked once at the start, then followed as it changes: on a private session bus
    // (dbus-run-session) with a stand-in for the accessibility bus.
    void screenReaderStateIsFollowed() {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "a11y");
        A11yStatus status;
        if (!bus.registerService("org.a11y.Bus"))
            QSKIP("needs a private session bus");
        bus.registerObject("/org/a11y/bus", &status, QDBusConnection::ExportAllProperties);
        ScreenReaderStatus reader;
        reader.follow();
        QTRY_VERIFY(reader.on());
        QDBusMessage changed = QDBusMessage::createSignal(
            "/org/a11y/bus", "org.freedesktop.DBus.Properties", "PropertiesChanged");
        changed << "org.a11y.Status" << QVariantMap{{"ScreenReaderEnabled", false}}
                << QStringList();
        bus.send(changed);
        QTRY_VERIFY(!reader.on());
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
