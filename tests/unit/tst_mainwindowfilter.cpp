#include "AppState.h"
#include "FakePlatform.h"
#include "FilterOverlayController.h"
#include "FilterOverlayWindow.h"
#include "FilterTab.h"
#include "MainWindow.h"
#include "ProtectPage.h"
#include "TempStore.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>

namespace {

bool allOverlaysVisible(const MainWindow &window, bool visible)
{
    const QList<FilterOverlayWindow *> overlays = window.filterOverlays()->overlays();
    return !overlays.isEmpty() && std::all_of(overlays.begin(), overlays.end(),
                                              [visible](FilterOverlayWindow *o) { return o->isVisible() == visible; });
}

} // namespace

// The main window drives the filter overlays from the settings, through its runtime loop.
class TestMainWindowFilter : public QObject {
    Q_OBJECT

private slots:
    void overlaysFollowProtection()
    {
        TempStore store;
        {
            AppState seed;
            seed.setProtectionEnabled(true);
            seed.setSmoothTransitionEnabled(false);
        }
        FakePlatform platform;
        MainWindow window(platform.services());
        FilterOverlayController *overlays = window.filterOverlays();
        QCOMPARE(overlays->overlayCount(), 3);
        QVERIFY(allOverlaysVisible(window, true));
        QVERIFY(window.overlayKeeperTimer()->isActive());
        QCOMPARE(window.overlayKeeperTimer()->interval(), 1000);

        // "Toggle Live Filter" switches the whole filter off and on again.
        QPushButton *toggle = window.protectPage()->filterTab()->toggleFilterButton();
        toggle->click();
        QVERIFY(!window.state().protectionEnabled());
        QVERIFY(allOverlaysVisible(window, false));
        QVERIFY(!window.overlayKeeperTimer()->isActive());
        QCOMPARE(overlays->overlayCount(), 3); // hidden, not destroyed
        toggle->click();
        QVERIFY(allOverlaysVisible(window, true));
        QVERIFY(window.overlayKeeperTimer()->isActive());

        // The tray's entry does the same.
        window.toggleProtection();
        QVERIFY(allOverlaysVisible(window, false));
    }

    // Dragging a slider on the Protect page changes every overlay at once.
    void slidersApplyLive()
    {
        TempStore store;
        {
            AppState seed;
            seed.setProtectionEnabled(true);
            seed.setSmoothTransitionEnabled(false);
        }
        FakePlatform platform;
        MainWindow window(platform.services());
        FilterTab *tab = window.protectPage()->filterTab();
        tab->intensitySlider()->setValue(100);
        tab->dimmingSlider()->setValue(50);
        for (FilterOverlayWindow *overlay : window.filterOverlays()->overlays()) {
            QCOMPARE(overlay->tintOpacity(), 0.55);
            QCOMPARE(overlay->dimOpacity(), 0.3);
        }
        tab->paletteChips().at(3)->click(); // "Sleep"
        for (FilterOverlayWindow *overlay : window.filterOverlays()->overlays()) {
            QCOMPARE(overlay->tintColor(), QColor(244, 67, 54));
        }
        // Refreshing wrote the values back without moving them.
        QCOMPARE(tab->intensitySlider()->value(), 100);
        QCOMPARE(window.state().currentModeName(), QStringLiteral("Sleep"));
    }

    // The keeper re-raises the overlays only while another program is in front.
    void keeperRaisesOverOtherPrograms()
    {
        TempStore store;
        {
            AppState seed;
            seed.setProtectionEnabled(true);
        }
        FakePlatform platform;
        MainWindow window(platform.services());
        platform.stacking->raised.clear();
        platform.stacking->ownActive = true;
        window.ensureOverlaysVisible();
        QVERIFY(platform.stacking->raised.isEmpty());
        platform.stacking->ownActive = false;
        QSignalSpy ticks(window.overlayKeeperTimer(), &QTimer::timeout);
        QVERIFY(ticks.wait(10000)); // the running keeper itself
        QVERIFY(platform.stacking->raised.size() >= 3);
    }

    // Screens coming and going reach the overlays through the application's screen signals.
    void screenSignals()
    {
        TempStore store;
        {
            AppState seed;
            seed.setProtectionEnabled(true);
        }
        FakePlatform platform;
        MainWindow window(platform.services());
        FilterOverlayController *overlays = window.filterOverlays();
        QList<QScreen *> screens = QGuiApplication::screens();
        overlays->setScreenList([&screens] { return screens; });
        QScreen *unplugged = screens.takeLast();
        QPointer<FilterOverlayWindow> gone = overlays->overlayFor(unplugged);
        emit qApp->screenRemoved(unplugged);
        QCOMPARE(overlays->overlayCount(), 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(gone.isNull());

        screens.append(unplugged);
        emit qApp->screenAdded(unplugged);
        QCOMPARE(overlays->overlayCount(), 3);
        FilterOverlayWindow *added = overlays->overlayFor(unplugged);
        QVERIFY(added);
        QVERIFY(added->isVisible());
        QCOMPARE(added->geometry(), unplugged->geometry());
    }
};

// Runs offscreen with three screens.
int main(int argc, char *argv[])
{
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/glarewell-screens-XXXXXX.json"));
    if (!config.open()) {
        return 1;
    }
    config.write(R"({"screens": [
        {"name": "a", "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96, "logicalBase": 96, "dpr": 1},
        {"name": "b", "x": 1280, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBase": 96, "dpr": 1},
        {"name": "c", "x": 2304, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBase": 96, "dpr": 1}
    ]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestMainWindowFilter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowfilter.moc"
