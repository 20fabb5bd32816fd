// Prints what one screen-time tick costs now that each one reaches the disk before it returns, with a full
// history of 120 days in the store, and what the health score and its 30-day series cost to compute.
//
// bench_usagetick [ticks]

#include "AppState.h"
#include "Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 200;
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());

    const QDate today(2026, 3, 14);
    UsageHistory history;
    for (int i = UsageHistory::kMaxRecords; i >= 1; --i) {
        history.archive(
            UsageDayRecord{today.addDays(-i).toString(Qt::ISODate), 3600 * (i % 9), 600, 2400, 2, 1, 6, false});
    }
    {
        QSettings seed(QStringLiteral("Brookvane"), QStringLiteral("GlarewellWindows"));
        seed.setValue(QStringLiteral("usageHistory"), QString::fromUtf8(history.toJson()));
        seed.setValue(QStringLiteral("usageBackfilled"), true);
    }

    ManualClock clock(QDateTime(today, QTime(9, 0)));
    AppState state(nullptr, &clock);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < ticks; ++i) {
        state.recordActiveTick(30);
    }
    const double tickMs = static_cast<double>(timer.nsecsElapsed()) / 1e6 / ticks;

    constexpr int kScores = 1000;
    timer.restart();
    qint64 sink = 0;
    for (int i = 0; i < kScores; ++i) {
        sink += state.healthScore();
        sink += state.dailyHealthScores(30).constLast();
    }
    const double scoreUs = static_cast<double>(timer.nsecsElapsed()) / 1e3 / kScores;

    std::printf("history records: %d, store file written per tick\n", state.trackedUsageDays());
    std::printf("recordActiveTick: %.3f ms per tick (mean of %d)\n", tickMs, ticks);
    std::printf("healthScore + dailyHealthScores(30): %.1f us (mean of %d, checksum %lld)\n", scoreUs, kScores,
                static_cast<long long>(sink));
    return 0;
}
