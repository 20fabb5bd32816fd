#include "FilterOverlayWindow.h"

#include <QGuiApplication>
#include <QImage>
#include <QMetaProperty>
#include <QPainter>
#include <QScreen>
#include <QtTest>
#include <limits>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

// What the overlay puts into a transparent image: the compositor later lays exactly this over the desktop.
QRgb renderedPixel(FilterOverlayWindow &overlay)
{
    QImage image(overlay.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    overlay.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image.pixel(image.width() / 2, image.height() / 2);
}

} // namespace

class TestFilterOverlayWindow : public QObject {
    Q_OBJECT

private slots:
    void windowSetup()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        FilterOverlayWindow overlay(screen);
        const Qt::WindowFlags expected = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                         Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus;
        QCOMPARE(overlay.windowFlags() & expected, expected);
        QVERIFY(overlay.isWindow());
        QVERIFY(overlay.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(overlay.testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(overlay.testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(overlay.geometry(), screen->geometry());
        QCOMPARE(overlay.targetScreen(), screen);
        QVERIFY(!overlay.isVisible());
        QCOMPARE(overlay.tintColor(), QColor(255, 87, 34));
        QCOMPARE(overlay.tintOpacity(), 0.0);
        QCOMPARE(overlay.dimOpacity(), 0.0);
    }

    // The animations drive these two properties by name, tint first.
    void animatableProperties()
    {
        const QMetaObject &meta = FilterOverlayWindow::staticMetaObject;
        const int first = meta.propertyOffset();
        QCOMPARE(meta.propertyCount() - first, 2);
        QCOMPARE(QByteArray(meta.property(first).name()), QByteArray("tintOpacity"));
        QCOMPARE(QByteArray(meta.property(first + 1).name()), QByteArray("dimOpacity"));

        FilterOverlayWindow overlay(nullptr);
        QVERIFY(overlay.setProperty("tintOpacity", 0.25));
        QVERIFY(overlay.setProperty("dimOpacity", 3.0));
        QCOMPARE(overlay.tintOpacity(), 0.25);
        QCOMPARE(overlay.dimOpacity(), 1.0);
        QCOMPARE(overlay.property("tintOpacity").toDouble(), 0.25);
    }

    void opacitiesAreClamped_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("stored");
        QTest::newRow("inside") << 0.3 << 0.3;
        QTest::newRow("above one") << 1.5 << 1.0;
        QTest::newRow("negative") << -0.2 << 0.0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0.0;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 1.0;
    }

    void opacitiesAreClamped()
    {
        QFETCH(double, value);
        QFETCH(double, stored);
        FilterOverlayWindow overlay(nullptr);
        overlay.setTintOpacity(0.5);
        overlay.setDimOpacity(0.5);
        overlay.setTintOpacity(value);
        overlay.setDimOpacity(value);
        QCOMPARE(overlay.tintOpacity(), stored);
        QCOMPARE(overlay.dimOpacity(), stored);

        overlay.setOverlayStyle(QColor(1, 2, 3), value, 0.5);
        QCOMPARE(overlay.tintColor(), QColor(1, 2, 3));
        QCOMPARE(overlay.tintOpacity(), stored);
        QCOMPARE(overlay.dimOpacity(), 0.5);
        overlay.setOverlayStyle(QColor(1, 2, 3), 0.5, value);
        QCOMPARE(overlay.dimOpacity(), stored);
    }

    // Dim goes down first, the tint is laid over it: premultiplied colour = tint colour x tint alpha, and
    // coverage = tint + dim x (1 - tint). In the other order the colour would be darkened by the dim.
    void paintsDimThenTint_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<double>("tint");
        QTest::addColumn<double>("dim");
        QTest::newRow("nothing") << QColor(255, 87, 34) << 0.0 << 0.0;
        QTest::newRow("tint only") << QColor(255, 87, 34) << 0.55 << 0.0;
        QTest::newRow("dim only") << QColor(255, 87, 34) << 0.0 << 0.6;
        QTest::newRow("both") << QColor(255, 193, 7) << 0.5 << 0.6;
        QTest::newRow("full tint hides the dim") << QColor(76, 175, 80) << 1.0 << 0.9;
    }

    void paintsDimThenTint()
    {
        QFETCH(QColor, color);
        QFETCH(double, tint);
        QFETCH(double, dim);
        FilterOverlayWindow overlay(nullptr);
        overlay.resize(40, 30);
        overlay.setOverlayStyle(color, tint, dim);

        const QRgb pixel = renderedPixel(overlay);
        const int tintAlpha = static_cast<int>(tint * 255);
        const int dimAlpha = static_cast<int>(dim * 255);
        const double t = tintAlpha / 255.0;
        const double d = dimAlpha / 255.0;
        const int expectedAlpha = qRound(255 * (t + d * (1 - t)));
        QVERIFY2(qAbs(qAlpha(pixel) - expectedAlpha) <= 1, qPrintable(QString::number(qAlpha(pixel))));
        QVERIFY2(qAbs(qRed(pixel) - qRound(color.red() * t)) <= 1, qPrintable(QString::number(qRed(pixel))));
        QVERIFY2(qAbs(qGreen(pixel) - qRound(color.green() * t)) <= 1, qPrintable(QString::number(qGreen(pixel))));
        QVERIFY2(qAbs(qBlue(pixel) - qRound(color.blue() * t)) <= 1, qPrintable(QString::number(qBlue(pixel))));
    }

    void targetScreen()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        FilterOverlayWindow overlay(nullptr);
        QCOMPARE(overlay.targetScreen(), nullptr);
        overlay.refreshGeometry(); // no screen: nothing happens
        overlay.setGeometry(5, 5, 10, 10);
        overlay.setTargetScreen(screen);
        QCOMPARE(overlay.targetScreen(), screen);
        QCOMPARE(overlay.geometry(), screen->geometry());

        // A null screen is ignored rather than clearing the one the overlay covers.
        overlay.setGeometry(5, 5, 10, 10);
        overlay.setTargetScreen(nullptr);
        QCOMPARE(overlay.targetScreen(), screen);
        QCOMPARE(overlay.geometry(), QRect(5, 5, 10, 10));
        overlay.refreshGeometry();
        QCOMPARE(overlay.geometry(), screen->geometry());
    }

    // A screen change reapplies the full rectangle of the target screen before Qt handles the event.
    void screenChangeReappliesGeometry()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        FilterOverlayWindow overlay(screen);
        overlay.setGeometry(10, 20, 30, 40);
        QEvent change(QEvent::ScreenChangeInternal);
        QCoreApplication::sendEvent(&overlay, &change);
        QCOMPARE(overlay.geometry(), screen->geometry());
    }

    // Pushing the values the overlay already shows schedules no repaint; a real change does.
    void unchangedValuesDoNotRepaint()
    {
        FilterOverlayWindow overlay(QGuiApplication::primaryScreen());
        overlay.setOverlayStyle(QColor(255, 87, 34), 0.3, 0.2);
        overlay.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));
        PaintCounter counter(&overlay);
        QCoreApplication::processEvents();
        counter.paints = 0;

        overlay.setTintOpacity(0.3);
        overlay.setDimOpacity(0.2);
        overlay.setTintColor(QColor(255, 87, 34));
        overlay.setOverlayStyle(QColor(255, 87, 34), 0.3, 0.2);
        overlay.refreshGeometry();
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);

        overlay.setTintOpacity(0.31);
        QTRY_VERIFY(counter.paints > 0);
        counter.paints = 0;
        overlay.setTintColor(QColor(244, 67, 54));
        QTRY_VERIFY(counter.paints > 0);
    }
};

QTEST_MAIN(TestFilterOverlayWindow)
#include "tst_filteroverlaywindow.moc"
