// Measures what the live filter costs the running program in CPU time: per second while the overlay is
// shown and idle (main window in the tray, all its timers running, the overlay keeper included), per
// slider change on the Protect page with and without smooth transitions, and per re-application of
// unchanged settings. Run it on a 1920x1080 X screen with a compositor (bench/run-overlay-bench.sh).
#include "AppState.h"
#include "AppTheme.h"
#include "FilterOverlayController.h"
#include "FilterOverlayWindow.h"
#include "FilterTab.h"
#include "MainWindow.h"
#include "PlatformServices.h"
#include "ProtectPage.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &tv) { return tv.tv_sec * 1000.0 + tv.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Runs the event loop for the given wall time.
void runFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

class PaintCounter : public QObject {
public:
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

struct ChangeCost {
    double cpuMs = 0;
    double paints = 0;
};

// Moves the intensity slider back and forth between two values, lets each change settle completely and
// averages the CPU time and overlay paints per change.
ChangeCost measureChanges(QSlider *slider, PaintCounter &counter, int changes)
{
    runFor(500);
    counter.paints = 0;
    double cpu = 0;
    for (int i = 0; i < changes; ++i) {
        const double before = cpuMilliseconds();
        slider->setValue(i % 2 == 0 ? 80 : 40);
        runFor(FilterOverlayController::kTransitionMs + 150);
        cpu += cpuMilliseconds() - before;
    }
    return {cpu / changes, static_cast<double>(counter.paints) / changes};
}

int animationCount(const FilterOverlayController &controller)
{
    int count = 0;
    for (FilterOverlayWindow *overlay : controller.overlays()) {
        count += static_cast<int>(overlay->findChildren<QAbstractAnimation *>().size());
    }
    return count;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppTheme::applyAppStyle(app);
    QTemporaryDir storeDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, storeDir.path());
    {
        AppState seed;
        seed.setProtectionEnabled(true);
        seed.setSmoothTransitionEnabled(true);
        seed.setFilterIntensity(40);
        seed.setDimmingStrength(30);
    }

    const QSize screenSize = QGuiApplication::primaryScreen()->size();
    std::printf("platform %s, %d screen(s), primary %dx%d\n", qPrintable(QGuiApplication::platformName()),
                static_cast<int>(QGuiApplication::screens().size()), screenSize.width(), screenSize.height());

    auto platform = createPlatformServices();
    MainWindow window(*platform); // stays in the tray, as after a background start
    FilterOverlayController &controller = *window.filterOverlays();
    QSlider *slider = window.protectPage()->filterTab()->intensitySlider();
    PaintCounter counter;
    for (FilterOverlayWindow *overlay : controller.overlays()) {
        overlay->installEventFilter(&counter);
    }

    // 1. Shown and idle.
    runFor(1500);
    const int idleSeconds = 10;
    counter.paints = 0;
    double before = cpuMilliseconds();
    runFor(idleSeconds * 1000);
    const double idleCpu = (cpuMilliseconds() - before) / idleSeconds;
    std::printf("shown and idle:          %.3f ms CPU per second (%.1f overlay paints per second)\n", idleCpu,
                static_cast<double>(counter.paints) / idleSeconds);

    // 2. Slider changes with and without smooth transitions.
    const int changes = 20;
    const ChangeCost smooth = measureChanges(slider, counter, changes);
    std::printf("slider change, smooth:   %.3f ms CPU per change (%.1f overlay paints per change)\n", smooth.cpuMs,
                smooth.paints);
    window.state().setSmoothTransitionEnabled(false);
    const ChangeCost instant = measureChanges(slider, counter, changes);
    std::printf("slider change, instant:  %.3f ms CPU per change (%.1f overlay paints per change)\n", instant.cpuMs,
                instant.paints);

    // 3. Unchanged settings applied again, as after every unrelated settings change.
    window.state().setSmoothTransitionEnabled(true);
    runFor(500);
    counter.paints = 0;
    const int repeats = 1000;
    before = cpuMilliseconds();
    for (int i = 0; i < repeats; ++i) {
        window.updateFilterOverlay();
    }
    const int animations = animationCount(controller);
    runFor(200);
    const double unchangedCpu = (cpuMilliseconds() - before) / repeats;
    std::printf("unchanged settings:      %.4f ms CPU per update (%d overlay paints, %d animations in %d updates)\n",
                unchangedCpu, counter.paints, animations, repeats);
    return 0;
}
