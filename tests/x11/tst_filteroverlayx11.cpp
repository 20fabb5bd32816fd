#include "AppState.h"
#include "FilterLevels.h"
#include "FilterOverlayController.h"
#include "FilterOverlayWindow.h"
#include "LinuxWindowStacking.h"
#include "TempStore.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QWidget>
#include <QtTest>

namespace {

const QColor kBackdropColor(40, 120, 200);
const QRect kBackdropRect(200, 150, 400, 300);

// A plain window of one known colour that records the input it receives.
class Backdrop : public QWidget {
public:
    Backdrop()
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, kBackdropColor);
        setPalette(palette);
        setGeometry(kBackdropRect);
    }
    QList<QPoint> clicks;
    QString typed;

protected:
    void mousePressEvent(QMouseEvent *event) override { clicks.append(event->globalPosition().toPoint()); }
    void keyPressEvent(QKeyEvent *event) override { typed += event->text(); }
};

QColor screenPixel(const QPoint &global)
{
    QScreen *screen = QGuiApplication::screenAt(global);
    if (!screen) {
        return {};
    }
    const QPoint local = global - screen->geometry().topLeft();
    const QImage image = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
    return image.isNull() ? QColor() : image.pixelColor(0, 0);
}

bool near(const QColor &a, const QColor &b, int tolerance)
{
    return a.isValid() && qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

QString describe(const QColor &actual, const QColor &expected)
{
    return QStringLiteral("screen shows %1, expected %2").arg(actual.name(), expected.name());
}

// The compositor lays the overlay's premultiplied pixels (black dim, then the tint over it) on the backdrop.
QColor blended(const QColor &background, const QColor &tint, double tintOpacity, double dimOpacity)
{
    const double t = FilterLevels::paintAlpha(tintOpacity) / 255.0;
    const double d = FilterLevels::paintAlpha(dimOpacity) / 255.0;
    const auto channel = [&](int bg, int tc) { return qBound(0, qRound(tc * t + bg * (1 - t) * (1 - d)), 255); };
    return QColor(channel(background.red(), tint.red()), channel(background.green(), tint.green()),
                  channel(background.blue(), tint.blue()));
}

bool runXdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

bool runXrandr(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xrandr"), arguments) == 0;
}

} // namespace

class TestFilterOverlayX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs an X server");
        }
    }

    // With protection on, every pixel of the screen shows the backdrop dimmed and tinted by the expected
    // alpha; with protection off the backdrop shows unchanged.
    void blendsOverTheDesktop_data()
    {
        QTest::addColumn<int>("intensity");
        QTest::addColumn<int>("dimming");
        QTest::addColumn<QColor>("tint");
        QTest::newRow("defaults") << 52 << 34 << QColor(255, 87, 34);
        QTest::newRow("strong sleep") << 100 << 100 << QColor(244, 67, 54);
        QTest::newRow("tint only") << 80 << 0 << QColor(76, 175, 80);
        QTest::newRow("dim only") << 0 << 70 << QColor(255, 193, 7);
    }

    void blendsOverTheDesktop()
    {
        QFETCH(int, intensity);
        QFETCH(int, dimming);
        QFETCH(QColor, tint);
        TempStore store;
        AppState state;
        LinuxWindowStacking stacking;
        state.setSmoothTransitionEnabled(false);
        state.setFilterIntensity(intensity);
        state.setDimmingStrength(dimming);
        state.setSelectedFilterColor(tint);

        Backdrop backdrop;
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
        // The backdrop's centre, the screen's top-left corner and its bottom-right one (the tray panel).
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QList<QPoint> probes = {kBackdropRect.center(), screen.topLeft() + QPoint(2, 2),
                                      screen.bottomRight() - QPoint(2, 2)};
        QTRY_VERIFY2(near(screenPixel(probes[0]), kBackdropColor, 2),
                     qPrintable(describe(screenPixel(probes[0]), kBackdropColor)));
        QList<QColor> before;
        for (const QPoint &probe : probes) {
            before.append(screenPixel(probe));
        }

        FilterOverlayController controller(state, stacking);
        controller.syncOverlays();
        state.setProtectionEnabled(true);
        controller.updateOverlays(false);
        const FilterLevels levels = controller.levels(false);
        for (int i = 0; i < probes.size(); ++i) {
            const QColor expected = blended(before[i], tint, levels.tint, levels.dim);
            QTRY_VERIFY2(near(screenPixel(probes[i]), expected, 3),
                         qPrintable(describe(screenPixel(probes[i]), expected)));
        }

        state.setProtectionEnabled(false);
        controller.updateOverlays(false);
        for (int i = 0; i < probes.size(); ++i) {
            QTRY_VERIFY2(near(screenPixel(probes[i]), before[i], 2),
                         qPrintable(describe(screenPixel(probes[i]), before[i])));
        }
    }

    // Clicks and keys go through the overlay to the window below, and the overlay never takes the focus.
    void inputPassesThrough()
    {
        TempStore store;
        AppState state;
        LinuxWindowStacking stacking;
        state.setSmoothTransitionEnabled(false);
        state.setFilterIntensity(100);
        state.setDimmingStrength(50);

        Backdrop backdrop;
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
        const QPoint probe = kBackdropRect.center() + QPoint(30, -20);

        FilterOverlayController controller(state, stacking);
        controller.syncOverlays();
        state.setProtectionEnabled(true);
        controller.updateOverlays(false);
        controller.ensureVisible(false);
        const FilterLevels levels = controller.levels(false);
        const QColor expected = blended(kBackdropColor, state.selectedFilterColor(), levels.tint, levels.dim);
        // Only click once the overlay is really on screen above the backdrop.
        QTRY_VERIFY2(near(screenPixel(probe), expected, 3), qPrintable(describe(screenPixel(probe), expected)));

        // (No "--sync": it waits forever when the pointer already is at that spot.)
        QVERIFY(runXdotool({QStringLiteral("mousemove"), QString::number(probe.x()), QString::number(probe.y())}));
        QTRY_COMPARE(QCursor::pos(), probe);
        QVERIFY(runXdotool({QStringLiteral("click"), QStringLiteral("1")}));
        QTRY_COMPARE(backdrop.clicks.size(), 1);
        QCOMPARE(backdrop.clicks.first(), probe);

        QTRY_VERIFY(backdrop.windowHandle()->isActive());
        QVERIFY(runXdotool(
            {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("eyes")}));
        QTRY_COMPARE(backdrop.typed, QStringLiteral("eyes"));
        for (FilterOverlayWindow *overlay : controller.overlays()) {
            QVERIFY(overlay->isVisible());
            QVERIFY(!overlay->isActiveWindow());
        }
    }

    // Plugging in a monitor gives it exactly one new overlay; unplugging deletes only that one.
    void followsMonitors()
    {
        TempStore store;
        AppState state;
        LinuxWindowStacking stacking;
        state.setSmoothTransitionEnabled(false);
        state.setProtectionEnabled(true);
        FilterOverlayController controller(state, stacking);
        const auto resync = [&] {
            controller.syncOverlays();
            controller.updateOverlays(false);
        };
        connect(qApp, &QGuiApplication::screenAdded, &controller, resync);
        connect(qApp, &QGuiApplication::screenRemoved, &controller, resync);
        resync();
        const int initial = controller.overlayCount();
        QCOMPARE(initial, static_cast<int>(QGuiApplication::screens().size()));
        const QList<FilterOverlayWindow *> original = controller.overlays();

        const QString monitor = QStringLiteral("glarewell-test");
        const QRect extraRect(640, 400, 640, 400);
        QVERIFY(runXrandr({QStringLiteral("--setmonitor"), monitor, QStringLiteral("640/169x400/106+640+400"),
                           QStringLiteral("none")}));
        const auto cleanup = qScopeGuard([&] { runXrandr({QStringLiteral("--delmonitor"), monitor}); });
        QTRY_COMPARE(controller.overlayCount(), initial + 1);
        QScreen *extra = nullptr;
        for (QScreen *screen : QGuiApplication::screens()) {
            if (screen->name() == monitor) {
                extra = screen;
            }
        }
        QVERIFY(extra);
        FilterOverlayWindow *addedOverlay = controller.overlayFor(extra);
        QVERIFY(addedOverlay);
        QVERIFY(!original.contains(addedOverlay));
        QCOMPARE(addedOverlay->geometry(), extraRect);
        QVERIFY(addedOverlay->isVisible());
        QPointer<FilterOverlayWindow> added = addedOverlay;
        for (FilterOverlayWindow *overlay : original) {
            QVERIFY(controller.overlays().contains(overlay));
        }

        QVERIFY(runXrandr({QStringLiteral("--delmonitor"), monitor}));
        QTRY_COMPARE(controller.overlayCount(), initial);
        QTRY_VERIFY(added.isNull());
        QCOMPARE(controller.overlays().size(), original.size());
        for (FilterOverlayWindow *overlay : original) {
            QVERIFY(controller.overlays().contains(overlay));
            QVERIFY(overlay->isVisible());
        }
    }

    // Our own window in front counts as ours, another program's window does not.
    void ownWindowActive()
    {
        LinuxWindowStacking stacking;
        Backdrop backdrop;
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
        backdrop.activateWindow();
        QTRY_VERIFY(backdrop.windowHandle()->isActive());
        QTRY_VERIFY(stacking.ownWindowActive());

        QProcess other;
        other.start(QStringLiteral("xmessage"),
                    {QStringLiteral("-name"), QStringLiteral("glarewell-other"), QStringLiteral("another program")});
        QVERIFY(other.waitForStarted());
        const auto stop = qScopeGuard([&] {
            other.kill();
            other.waitForFinished();
        });
        QVERIFY(runXdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--classname"),
                            QStringLiteral("glarewell-other"), QStringLiteral("windowactivate"),
                            QStringLiteral("--sync")}));
        QTRY_VERIFY(!stacking.ownWindowActive());
    }

    // The session runs a compositing manager, so translucent windows are blended.
    void compositorDetected() { QVERIFY(LinuxWindowStacking().canBlendWindows()); }
};

QTEST_MAIN(TestFilterOverlayX11)
#include "tst_filteroverlayx11.moc"
