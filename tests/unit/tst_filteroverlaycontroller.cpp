#include "AppState.h"
#include "FakePlatform.h"
#include "FilterOverlayController.h"
#include "FilterOverlayWindow.h"
#include "TempStore.h"

#include <QApplication>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTemporaryFile>
#include <QWindow>
#include <QtTest>

namespace {

class PaintCounter : public QObject {
public:
    void watch(QWidget *widget) { widget->installEventFilter(this); }
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

QList<QPropertyAnimation *> animationsOf(FilterOverlayWindow *overlay)
{
    return overlay->findChildren<QPropertyAnimation *>();
}

void finishAnimations(FilterOverlayWindow *overlay)
{
    for (QPropertyAnimation *animation : animationsOf(overlay)) {
        animation->setCurrentTime(animation->duration());
    }
}

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A controller over a screen list the test changes at will, with its own store and fake platform.
struct Fixture {
    TempStore store;
    AppState state;
    FakePlatform platform;
    QList<QScreen *> screens = QGuiApplication::screens();
    FilterOverlayController controller{state, *platform.stacking};

    Fixture()
    {
        controller.setScreenList([this] { return screens; });
        state.setSmoothTransitionEnabled(false);
    }
};

} // namespace

class TestFilterOverlayController : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The test platform is configured with three screens side by side.
        QCOMPARE(QGuiApplication::screens().size(), 3);
    }

    void oneHiddenOverlayPerScreen()
    {
        TempStore store;
        AppState state;
        FakePlatform platform;
        FilterOverlayController controller(state, *platform.stacking);
        controller.syncOverlays(); // the application's own screens by default
        QCOMPARE(controller.overlayCount(), 3);
        for (QScreen *screen : QGuiApplication::screens()) {
            FilterOverlayWindow *overlay = controller.overlayFor(screen);
            QVERIFY(overlay);
            QCOMPARE(overlay->targetScreen(), screen);
            QCOMPARE(overlay->geometry(), screen->geometry());
            QVERIFY(!overlay->isVisible());
            QVERIFY(overlay->parent() == nullptr);
            QVERIFY(platform.stacking->inputTransparent.contains(overlay->windowHandle()));
        }
        // A second run changes nothing.
        const QList<FilterOverlayWindow *> before = controller.overlays();
        controller.syncOverlays();
        QCOMPARE(controller.overlayCount(), 3);
        for (FilterOverlayWindow *overlay : before) {
            QVERIFY(controller.overlays().contains(overlay));
        }
    }

    // Unplugging hides and deletes only that screen's overlay; plugging it in again creates one new overlay.
    void screensComeAndGo()
    {
        Fixture f;
        f.state.setProtectionEnabled(true);
        f.controller.syncOverlays();
        f.controller.updateOverlays(false);
        QScreen *first = f.screens.at(0);
        QScreen *second = f.screens.at(1);
        QScreen *third = f.screens.at(2);
        QPointer<FilterOverlayWindow> keptA = f.controller.overlayFor(first);
        QPointer<FilterOverlayWindow> removed = f.controller.overlayFor(second);
        QPointer<FilterOverlayWindow> keptB = f.controller.overlayFor(third);

        f.screens.removeOne(second);
        f.controller.syncOverlays();
        QCOMPARE(f.controller.overlayCount(), 2);
        QVERIFY(!f.controller.overlayFor(second));
        FilterOverlayWindow *removedOverlay = removed.data();
        QVERIFY(removedOverlay);
        QVERIFY(!removedOverlay->isVisible());
        flushDeferredDeletes();
        QVERIFY(removed.isNull());
        QCOMPARE(f.controller.overlayFor(first), keptA.data());
        QCOMPARE(f.controller.overlayFor(third), keptB.data());
        for (FilterOverlayWindow *kept : f.controller.overlays()) {
            QVERIFY(kept->isVisible());
        }

        f.screens.append(second);
        f.controller.syncOverlays();
        f.controller.updateOverlays(false);
        QCOMPARE(f.controller.overlayCount(), 3);
        FilterOverlayWindow *added = f.controller.overlayFor(second);
        QVERIFY(added);
        QVERIFY(added != keptA && added != keptB);
        QCOMPARE(added->geometry(), second->geometry());
        QVERIFY(added->isVisible());
        QCOMPARE(f.controller.overlayFor(first), keptA.data());

        f.screens.clear();
        f.controller.syncOverlays();
        QCOMPARE(f.controller.overlayCount(), 0);
        flushDeferredDeletes();
        QVERIFY(keptA.isNull() && keptB.isNull());
    }

    // Visibility and the pushed values follow protection, the auto-pause and the colour.
    void updateFollowsTheSettings_data()
    {
        QTest::addColumn<int>("intensity");
        QTest::addColumn<bool>("protection");
        QTest::addColumn<bool>("autoPaused");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<double>("tint");
        QTest::addColumn<double>("dim");
        QTest::newRow("active") << 60 << true << false << true << 0.33 << 0.3;
        QTest::newRow("active with nothing to paint") << 0 << true << false << true << 0.0 << 0.0;
        QTest::newRow("protection off") << 60 << false << false << false << 0.0 << 0.0;
        QTest::newRow("auto-paused") << 60 << true << true << false << 0.0 << 0.0;
    }

    void updateFollowsTheSettings()
    {
        QFETCH(int, intensity);
        QFETCH(bool, protection);
        QFETCH(bool, autoPaused);
        QFETCH(bool, visible);
        QFETCH(double, tint);
        QFETCH(double, dim);
        Fixture f;
        f.state.setFilterIntensity(intensity);
        f.state.setDimmingStrength(intensity == 0 ? 0 : 50);
        f.state.setSelectedFilterColor(QColor(244, 67, 54));
        f.state.setProtectionEnabled(protection);
        f.controller.syncOverlays();
        f.controller.updateOverlays(autoPaused);

        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            QCOMPARE(overlay->isVisible(), visible);
            QVERIFY(qAbs(overlay->tintOpacity() - tint) < 1e-9);
            QVERIFY(qAbs(overlay->dimOpacity() - dim) < 1e-9);
            QCOMPARE(overlay->tintColor(), QColor(244, 67, 54));
            QCOMPARE(f.platform.stacking->keptAbove.contains(overlay->windowHandle()), visible);
            QCOMPARE(f.platform.stacking->raised.contains(overlay->windowHandle()), visible);
            QVERIFY(animationsOf(overlay).isEmpty());
        }
    }

    // Switching off hides the overlays at once but keeps them; switching on shows the same ones.
    void offHidesButKeeps()
    {
        Fixture f;
        f.state.setProtectionEnabled(true);
        f.controller.syncOverlays();
        f.controller.updateOverlays(false);
        const QList<FilterOverlayWindow *> shown = f.controller.overlays();
        f.state.setProtectionEnabled(false);
        f.controller.updateOverlays(false);
        QCOMPARE(f.controller.overlayCount(), 3);
        for (FilterOverlayWindow *overlay : shown) {
            QVERIFY(!overlay->isVisible());
        }
        f.state.setProtectionEnabled(true);
        f.controller.updateOverlays(false);
        for (FilterOverlayWindow *overlay : shown) {
            QVERIFY(overlay->isVisible());
        }
    }

    // With smooth transitions both opacities glide over 350 ms from what is shown to the new target.
    void smoothTransition()
    {
        Fixture f;
        f.state.setSmoothTransitionEnabled(true);
        f.state.setFilterIntensity(100);
        f.state.setDimmingStrength(0);
        f.state.setProtectionEnabled(true);
        f.controller.syncOverlays();
        f.controller.updateOverlays(false);

        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            QVERIFY(overlay->isVisible());
            const QList<QPropertyAnimation *> animations = animationsOf(overlay);
            QCOMPARE(animations.size(), 2);
            QStringList properties;
            for (QPropertyAnimation *animation : animations) {
                properties.append(QString::fromLatin1(animation->propertyName()));
                QCOMPARE(animation->targetObject(), overlay);
                QCOMPARE(animation->duration(), 350);
                QCOMPARE(animation->state(), QAbstractAnimation::Running);
                QCOMPARE(animation->easingCurve().type(), QEasingCurve::Linear);
                QCOMPARE(animation->startValue().toDouble(), 0.0);
            }
            properties.sort();
            QCOMPARE(properties, QStringList({QStringLiteral("dimOpacity"), QStringLiteral("tintOpacity")}));
            finishAnimations(overlay);
            QCOMPARE(overlay->tintOpacity(), 0.55);
            QCOMPARE(overlay->dimOpacity(), 0.0);
            // Finished animations delete themselves.
            flushDeferredDeletes();
            QVERIFY(animationsOf(overlay).isEmpty());
        }

        // Switching off fades out on the already hidden window.
        f.state.setProtectionEnabled(false);
        f.controller.updateOverlays(false);
        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            QVERIFY(!overlay->isVisible());
            QCOMPARE(animationsOf(overlay).size(), 2);
            finishAnimations(overlay);
            QCOMPARE(overlay->tintOpacity(), 0.0);
        }
    }

    // Differences of at most 0.001 in both opacities are applied at once without an animation.
    void transitionThreshold_data()
    {
        QTest::addColumn<double>("shownTint");
        QTest::addColumn<double>("shownDim");
        QTest::addColumn<bool>("animated");
        // The target is tint 0.275, dim 0.3 (intensity 50, dimming 50).
        QTest::newRow("tint off by 0.0005") << 0.2755 << 0.3 << false;
        QTest::newRow("both off by 0.0009") << 0.2741 << 0.3009 << false;
        QTest::newRow("tint off by 0.002") << 0.277 << 0.3 << true;
        QTest::newRow("only dim off by 0.002") << 0.275 << 0.298 << true;
    }

    void transitionThreshold()
    {
        QFETCH(double, shownTint);
        QFETCH(double, shownDim);
        QFETCH(bool, animated);
        Fixture f;
        f.state.setSmoothTransitionEnabled(true);
        f.state.setFilterIntensity(50);
        f.state.setDimmingStrength(50);
        f.state.setProtectionEnabled(true);
        f.screens = {f.screens.first()};
        f.controller.syncOverlays();
        FilterOverlayWindow *overlay = f.controller.overlays().first();
        overlay->setTintOpacity(shownTint);
        overlay->setDimOpacity(shownDim);

        f.controller.updateOverlays(false);
        QCOMPARE(animationsOf(overlay).size(), animated ? 2 : 0);
        if (!animated) {
            QCOMPARE(overlay->tintOpacity(), 0.275);
            QCOMPARE(overlay->dimOpacity(), 0.3);
        }
    }

    // The runtime loop pushes the settings after every change, related or not: the same values must cost
    // neither a repaint nor an animation.
    void unchangedSettingsCostNothing()
    {
        Fixture f;
        f.state.setSmoothTransitionEnabled(true);
        f.state.setProtectionEnabled(true);
        f.controller.syncOverlays();
        f.controller.updateOverlays(false);
        PaintCounter counter;
        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            finishAnimations(overlay);
            QVERIFY(QTest::qWaitForWindowExposed(overlay));
            counter.watch(overlay);
        }
        flushDeferredDeletes();
        QCoreApplication::processEvents();
        counter.paints = 0;

        f.state.setBreakReminderEnabled(true); // unrelated
        f.controller.syncOverlays();
        f.controller.updateOverlays(false);
        f.controller.updateOverlays(false);
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);
        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            QVERIFY(animationsOf(overlay).isEmpty());
        }

        // A real change repaints (through the animation).
        f.state.setFilterIntensity(90);
        f.controller.updateOverlays(false);
        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            QCOMPARE(animationsOf(overlay).size(), 2);
            finishAnimations(overlay);
        }
        QTRY_VERIFY(counter.paints > 0);
    }

    void keeperReshowsAndRaises()
    {
        Fixture f;
        f.state.setProtectionEnabled(true);
        f.controller.syncOverlays();
        f.controller.updateOverlays(false);
        FakeStacking &stacking = *f.platform.stacking;

        // Another program in front: every overlay is re-raised; one that went missing is shown again.
        FilterOverlayWindow *lost = f.controller.overlays().first();
        lost->hide();
        stacking.raised.clear();
        stacking.keptAbove.clear();
        f.controller.ensureVisible(false);
        QVERIFY(lost->isVisible());
        QCOMPARE(stacking.raised.size(), 3);
        QCOMPARE(stacking.keptAbove.size(), 3);

        // One of our own windows in front: shown again, but not raised over it.
        stacking.ownActive = true;
        lost->hide();
        stacking.raised.clear();
        stacking.keptAbove.clear();
        f.controller.ensureVisible(false);
        QVERIFY(lost->isVisible());
        QVERIFY(stacking.raised.isEmpty());
        QVERIFY(stacking.keptAbove.isEmpty());
    }

    void keeperIdleWhileInactive_data()
    {
        QTest::addColumn<bool>("protection");
        QTest::addColumn<bool>("autoPaused");
        QTest::newRow("protection off") << false << false;
        QTest::newRow("auto-paused") << true << true;
    }

    void keeperIdleWhileInactive()
    {
        QFETCH(bool, protection);
        QFETCH(bool, autoPaused);
        Fixture f;
        f.state.setProtectionEnabled(protection);
        f.controller.syncOverlays();
        f.controller.updateOverlays(autoPaused);
        f.platform.stacking->raised.clear();
        f.controller.ensureVisible(autoPaused);
        QVERIFY(f.platform.stacking->raised.isEmpty());
        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            QVERIFY(!overlay->isVisible());
        }
    }

    // Without a compositor a translucent overlay would be an opaque block: it stays hidden until blending
    // is back, and the keeper follows the compositor coming and going.
    void hiddenWhileWindowsCannotBlend()
    {
        Fixture f;
        f.state.setProtectionEnabled(true);
        f.platform.stacking->blending = false;
        f.controller.syncOverlays();
        f.controller.updateOverlays(false);
        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            QVERIFY(!overlay->isVisible());
        }
        f.controller.ensureVisible(false);
        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            QVERIFY(!overlay->isVisible());
        }

        f.platform.stacking->blending = true;
        f.controller.ensureVisible(false);
        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            QVERIFY(overlay->isVisible());
        }
        f.platform.stacking->blending = false;
        f.controller.ensureVisible(false);
        for (FilterOverlayWindow *overlay : f.controller.overlays()) {
            QVERIFY(!overlay->isVisible());
        }
    }

    // A screen that changes size takes its overlay along on the next update.
    void updateReappliesGeometry()
    {
        Fixture f;
        f.state.setProtectionEnabled(true);
        f.controller.syncOverlays();
        FilterOverlayWindow *overlay = f.controller.overlayFor(f.screens.at(2));
        overlay->setGeometry(1, 2, 3, 4);
        f.controller.updateOverlays(false);
        QCOMPARE(overlay->geometry(), f.screens.at(2)->geometry());
    }
};

// Runs offscreen with three screens so that screens can be taken away and given back.
int main(int argc, char *argv[])
{
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/glarewell-screens-XXXXXX.json"));
    if (!config.open()) {
        return 1;
    }
    config.write(R"({"screens": [
        {"name": "left", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBase": 96, "dpr": 1},
        {"name": "middle", "x": 1024, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96, "logicalBase": 96, "dpr": 1},
        {"name": "right", "x": 2304, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBase": 96, "dpr": 1}
    ]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestFilterOverlayController test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filteroverlaycontroller.moc"
