// Measures what the live filter overlay costs the program in CPU time: per second while it is shown and
// idle (with the once-a-second keeper running), per slider change with and without smooth transitions, and
// per re-application of unchanged settings. Run it on a 1920x1080 X screen (bench/run-overlay-bench.sh).
#include "AppState.h"
#include "FilterOverlayController.h"
#include "FilterOverlayWindow.h"
#include "PlatformServices.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QScreen>
#include <QSettings>
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

// Alternates the intensity between two values the way a slider drag's release would, lets each change
// settle completely and averages the CPU time and paints per change.
ChangeCost measureChanges(AppState &state, FilterOverlayController &controller, PaintCounter &counter, int changes)
{
    runFor(500);
    counter.paints = 0;
    double cpu = 0;
    for (int i = 0; i < changes; ++i) {
        const double before = cpuMilliseconds();
        state.setFilterIntensity(i % 2 == 0 ? 80 : 40);
        controller.updateOverlays(false);
        runFor(FilterOverlayController::kTransitionMs + 150);
        cpu += cpuMilliseconds() - before;
    }
    return {cpu / changes, static_cast<double>(counter.paints) / changes};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir storeDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, storeDir.path());

    const QSize screenSize = QGuiApplication::primaryScreen()->size();
    std::printf("platform %s, %d screen(s), primary %dx%d\n", qPrintable(QGuiApplication::platformName()),
                static_cast<int>(QGuiApplication::screens().size()), screenSize.width(), screenSize.height());

    auto platform = createPlatformServices();
    AppState state;
    state.setFilterIntensity(40);
    state.setDimmingStrength(30);
    state.setSmoothTransitionEnabled(true);
    FilterOverlayController controller(state, *platform->stacking);
    controller.syncOverlays();
    state.setProtectionEnabled(true);
    controller.updateOverlays(false);

    PaintCounter counter;
    for (FilterOverlayWindow *overlay : controller.overlays()) {
        overlay->installEventFilter(&counter);
    }
    QTimer keeper;
    keeper.setInterval(1000);
    QObject::connect(&keeper, &QTimer::timeout, &controller, [&] { controller.ensureVisible(false); });
    keeper.start();

    // 1. Shown and idle.
    runFor(1500);
    const int idleSeconds = 10;
    counter.paints = 0;
    double before = cpuMilliseconds();
    runFor(idleSeconds * 1000);
    const double idleCpu = (cpuMilliseconds() - before) / idleSeconds;
    std::printf("shown and idle:            %.3f ms CPU per second (%.1f paints per second)\n", idleCpu,
                static_cast<double>(counter.paints) / idleSeconds);

    // 2. Slider changes with and without smooth transitions.
    const int changes = 20;
    const ChangeCost smooth = measureChanges(state, controller, counter, changes);
    std::printf("slider change, smooth:     %.3f ms CPU per change (%.1f paints per change)\n", smooth.cpuMs,
                smooth.paints);
    state.setSmoothTransitionEnabled(false);
    const ChangeCost instant = measureChanges(state, controller, counter, changes);
    std::printf("slider change, instant:    %.3f ms CPU per change (%.1f paints per change)\n", instant.cpuMs,
                instant.paints);

    // 3. Unchanged settings pushed again (what every unrelated settings change does).
    state.setSmoothTransitionEnabled(true);
    runFor(500);
    counter.paints = 0;
    const int repeats = 1000;
    before = cpuMilliseconds();
    for (int i = 0; i < repeats; ++i) {
        controller.updateOverlays(false);
    }
    runFor(200);
    const double unchangedCpu = (cpuMilliseconds() - before) / repeats;
    int animations = 0;
    for (FilterOverlayWindow *overlay : controller.overlays()) {
        animations += static_cast<int>(overlay->findChildren<QAbstractAnimation *>().size());
    }
    std::printf("unchanged settings:        %.4f ms CPU per update (%d paints, %d animations in %d updates)\n",
                unchangedCpu, counter.paints, animations, repeats);
    return 0;
}
