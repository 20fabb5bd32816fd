// Records screen-time ticks into a store as fast as it can, on a clock that jumps ahead by a fixed step per
// tick so that days change every few ticks, and prints the number of each tick once it has returned. Tests kill
// it at arbitrary moments and check what it left on disk.
//
// usage_ticker <store directory> <first instant, ISO local time> <seconds per tick> <ticks>

#include "AppState.h"
#include "Clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSettings>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fputs("usage: usage_ticker <store directory> <first instant> <seconds per tick> <ticks>\n", stderr);
        return 2;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, args.at(1));
    const QDateTime start = QDateTime::fromString(args.at(2), Qt::ISODate);
    const int step = args.at(3).toInt();
    const int count = args.at(4).toInt();
    if (!start.isValid() || step <= 0 || count <= 0) {
        std::fputs("usage_ticker: bad arguments\n", stderr);
        return 2;
    }

    ManualClock clock(start);
    AppState state(nullptr, &clock);
    for (int tick = 1; tick <= count; ++tick) {
        state.recordActiveTick(30);
        // Every seventh tick ends a session, so the session counters move too.
        if (tick % 7 == 0) {
            state.recordIdleBreak();
        }
        std::printf("%d\n", tick);
        std::fflush(stdout);
        clock.advanceSeconds(step);
    }
    return 0;
}
