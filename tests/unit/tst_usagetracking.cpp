#include "AppState.h"
#include "Clock.h"
#include "RecordingAppState.h"
#include "TempStore.h"
#include "UsageSeed.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QDate kDay(2026, 3, 14);

QDateTime at(const QDate &date, const QTime &time)
{
    return QDateTime(date, time); // local time; ctest runs in Europe/Berlin
}

void ticks(AppState &state, int count)
{
    for (int i = 0; i < count; ++i) {
        state.recordActiveTick(30);
    }
}

} // namespace

class TestUsageTracking : public QObject {
    Q_OBJECT

private slots:
    // Each tick adds its whole 30 s to the day and the session, writes the four tick counters in order, reaches
    // the disk before it returns (no event loop runs here) and signals once; empty ticks do nothing.
    void activeTicksAccumulateAndReachTheDisk()
    {
        TempStore store;
        ManualClock clock(at(kDay, QTime(10, 0)));
        RecordingAppState state(&clock);
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.clearWrites();

        state.recordActiveTick(0);
        state.recordActiveTick(-30);
        QCOMPARE(changed.count(), 0);
        QVERIFY(state.writes().isEmpty());

        ticks(state, 3);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(state.todayScreenSeconds(), 90);
        QCOMPARE(state.currentSessionSeconds(), 90);
        QCOMPARE(state.longestSessionSeconds(), 90);
        QCOMPARE(state.nightScreenSeconds(), 0);
        QCOMPARE(state.writtenKeys().mid(0, 4), (QStringList{"todayScreenSeconds", "nightScreenSeconds",
                                                             "currentSessionSeconds", "longestSessionSeconds"}));
        QCOMPARE(state.writes().size(), 12);
        const QByteArray onDisk = storeFileText(store);
        QVERIFY2(onDisk.contains("todayScreenSeconds=90\n"), onDisk.constData());
        QVERIFY2(onDisk.contains("longestSessionSeconds=90\n"), onDisk.constData());
    }

    // Night is 22:00:00 to 05:59:59 local time, and a tick is wholly night or wholly day.
    void nightWindow_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("night");
        QTest::newRow("21:59:59 day") << QTime(21, 59, 59) << 0;
        QTest::newRow("22:00:00 night") << QTime(22, 0, 0) << 30;
        QTest::newRow("midnight night") << QTime(0, 0, 0) << 30;
        QTest::newRow("05:59:59 night") << QTime(5, 59, 59) << 30;
        QTest::newRow("06:00:00 day") << QTime(6, 0, 0) << 0;
        QTest::newRow("noon day") << QTime(12, 0, 0) << 0;
    }

    void nightWindow()
    {
        QFETCH(QTime, time);
        QFETCH(int, night);
        TempStore store;
        ManualClock clock(at(kDay, time));
        AppState state(nullptr, &clock);
        state.recordActiveTick(30);
        QCOMPARE(state.todayScreenSeconds(), 30);
        QCOMPARE(state.nightScreenSeconds(), night);
    }

    // An idle break closes the session: it counts as a session, and one of 20 minutes or more also as a long
    // session followed by a break. A break without a running session changes no count and only stores the zero.
    void idleBreakClosesSession_data()
    {
        QTest::addColumn<int>("sessionTicks");
        QTest::addColumn<int>("sessions");
        QTest::addColumn<int>("over20");
        QTest::addColumn<QStringList>("written");
        const QStringList sessionOnly{"todaySessionCount", "currentSessionSeconds"};
        QTest::newRow("no session") << 0 << 0 << 0 << QStringList{"currentSessionSeconds"};
        QTest::newRow("30 s") << 1 << 1 << 0 << sessionOnly;
        QTest::newRow("1,170 s") << 39 << 1 << 0 << sessionOnly;
        QTest::newRow("1,200 s") << 40 << 1 << 1
                                 << QStringList{"todaySessionCount", "sessionsOver20", "breaksAfter20",
                                                "currentSessionSeconds"};
        QTest::newRow("1,500 s") << 50 << 1 << 1
                                 << QStringList{"todaySessionCount", "sessionsOver20", "breaksAfter20",
                                                "currentSessionSeconds"};
    }

    void idleBreakClosesSession()
    {
        QFETCH(int, sessionTicks);
        QFETCH(int, sessions);
        QFETCH(int, over20);
        QFETCH(QStringList, written);
        TempStore store;
        ManualClock clock(at(kDay, QTime(10, 0)));
        RecordingAppState state(&clock);
        ticks(state, sessionTicks);
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.clearWrites();

        state.recordIdleBreak();
        QCOMPARE(state.writtenKeys(), written);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(state.todaySessionCount(), sessions);
        QCOMPARE(state.sessionsOver20(), over20);
        QCOMPARE(state.breaksAfter20(), over20);
        QCOMPARE(state.currentSessionSeconds(), 0);
        QCOMPARE(state.longestSessionSeconds(), sessionTicks * 30);
        QCOMPARE(state.screenSessionsOver20(), over20);
        QCOMPARE(state.screenBreaksAfter20(), over20);
        QVERIFY(storeFileText(store).contains("currentSessionSeconds=0\n"));

        // The longest session is the peak of the day, not the last session.
        ticks(state, 2);
        QCOMPARE(state.currentSessionSeconds(), 60);
        QCOMPARE(state.longestSessionSeconds(), std::max(60, sessionTicks * 30));
    }

    // The first tick after midnight archives the finished day as one record, zeroes the seven usage counters and
    // then adds itself to the new day.
    void firstTickAfterMidnightArchivesTheDay()
    {
        TempStore store;
        ManualClock clock(at(kDay, QTime(23, 0)));
        AppState state(nullptr, &clock);
        ticks(state, 2);
        state.recordIdleBreak();
        clock.setNow(at(kDay, QTime(23, 59, 30)));
        state.completeExercise();
        ticks(state, 1);
        QCOMPARE(state.trackedUsageDays(), 0);

        clock.setNow(at(kDay.addDays(1), QTime(0, 0)));
        state.recordActiveTick(30);

        QCOMPARE(state.usageDayKey(), QStringLiteral("2026-03-15"));
        QCOMPARE(state.todayScreenSeconds(), 30);
        QCOMPARE(state.nightScreenSeconds(), 30);
        QCOMPARE(state.currentSessionSeconds(), 30);
        QCOMPARE(state.longestSessionSeconds(), 30);
        QCOMPARE(state.todaySessionCount(), 0);
        QCOMPARE(state.trackedUsageDays(), 1);
        UsageDayRecord expected = usageDay(kDay, 1.5, 1.5, 1.0, 0, 0, 1);
        QCOMPARE(state.usageHistory().records().first(), expected);

        // The stored history is the same single record, in its compact form.
        QSettings reader(QStringLiteral("Brookvane"), QStringLiteral("GlarewellWindows"));
        const QJsonDocument stored = QJsonDocument::fromJson(reader.value("usageHistory").toString().toUtf8());
        QCOMPARE(stored, QJsonDocument::fromJson(historyText({expected})));
        QVERIFY(storeFileText(store).contains("usageDayKey=2026-03-15\n"));
        // The exercise counter keeps its own day.
        QCOMPARE(state.exerciseDayKey(), QStringLiteral("2026-03-14"));
    }

    // Start-up compares the stored usage day with today after loading the history: a finished day becomes a
    // record after the ones already stored, unless it was empty; the counters start again and reach the disk.
    void startUpRollover_data()
    {
        QTest::addColumn<int>("screenSeconds");
        QTest::addColumn<int>("sessionCount");
        QTest::addColumn<bool>("archived");
        QTest::newRow("used day") << 600 << 2 << true;
        QTest::newRow("screen time only") << 30 << 0 << true;
        QTest::newRow("sessions only") << 0 << 2 << true;
        QTest::newRow("empty day") << 0 << 0 << false;
        QTest::newRow("negative screen time") << -30 << 0 << false;
    }

    void startUpRollover()
    {
        QFETCH(int, screenSeconds);
        QFETCH(int, sessionCount);
        QFETCH(bool, archived);
        TempStore store;
        const UsageDayRecord older = usageDay(kDay.addDays(-3), 100, 10, 30, 1, 1, 4);
        seedStore({{"usageHistory", QString::fromUtf8(historyText({older}))},
                   {"usageBackfilled", true},
                   {"usageDayKey", "2026-03-13"},
                   {"exerciseDayKey", "2026-03-13"},
                   {"todayScreenSeconds", screenSeconds},
                   {"nightScreenSeconds", 0},
                   {"currentSessionSeconds", 90},
                   {"longestSessionSeconds", 300},
                   {"sessionsOver20", 0},
                   {"breaksAfter20", 0},
                   {"todaySessionCount", sessionCount},
                   {"exercisesCompletedToday", 4}});
        ManualClock clock(at(kDay, QTime(8, 0)));
        {
            AppState state(nullptr, &clock);
            QList<UsageDayRecord> expected{older};
            if (archived) {
                UsageDayRecord day = usageDay(kDay.addDays(-1), 0, 0, 5, 0, 0, sessionCount);
                day.screenSeconds = screenSeconds;
                expected.append(day);
            }
            QCOMPARE(state.usageHistory().records(), expected);
            QCOMPARE(state.usageDayKey(), QStringLiteral("2026-03-14"));
            QCOMPARE(state.todayScreenSeconds(), 0);
            QCOMPARE(state.currentSessionSeconds(), 0);
            QCOMPARE(state.longestSessionSeconds(), 0);
            QCOMPARE(state.todaySessionCount(), 0);
            QCOMPARE(state.exerciseDayKey(), QStringLiteral("2026-03-14"));
            QCOMPARE(state.exercisesCompletedToday(), 0);
        }
        const QByteArray onDisk = storeFileText(store);
        for (const char *line : {"usageDayKey=2026-03-14\n", "exerciseDayKey=2026-03-14\n", "todayScreenSeconds=0\n",
                                 "longestSessionSeconds=0\n", "todaySessionCount=0\n", "exercisesCompletedToday=0\n"}) {
            QVERIFY2(onDisk.contains(line), line);
        }
        // A second start on the same day changes nothing.
        AppState again(nullptr, &clock);
        QCOMPARE(again.trackedUsageDays(), archived ? 2 : 1);
        QCOMPARE(storeFileText(store), onDisk);
    }

    // Archiving a date that is already in the history replaces that record (a tracked day wins over an
    // estimate); archiving the same day twice keeps one record with the latest values.
    void archiveReplacesTheRecordOfItsDate()
    {
        TempStore store;
        UsageDayRecord estimate = usageDay(kDay, 500, 0, 0, 0, 0, 9);
        estimate.imported = true;
        const UsageDayRecord earlier = usageDay(kDay.addDays(-1), 60);
        seedStore({{"usageHistory", QString::fromUtf8(historyText({earlier, estimate}))},
                   {"usageBackfilled", true},
                   {"usageDayKey", "2026-03-14"},
                   {"exerciseDayKey", "2026-03-14"}});
        ManualClock clock(at(kDay, QTime(9, 0)));
        AppState state(nullptr, &clock);
        QCOMPARE(state.trackedUsageDays(), 2);

        ticks(state, 2);
        state.archiveCurrentDay();
        QCOMPARE(state.usageHistory().records(), (QList<UsageDayRecord>{earlier, usageDay(kDay, 1, 0, 1)}));
        ticks(state, 2);
        state.recordIdleBreak();
        state.archiveCurrentDay();
        QCOMPARE(state.usageHistory().records(), (QList<UsageDayRecord>{earlier, usageDay(kDay, 2, 0, 2, 0, 0, 1)}));

        AppState reloaded(nullptr, &clock);
        QCOMPARE(reloaded.usageHistory().records(), state.usageHistory().records());
    }

    // Left idle over midnight, the counters still belong to yesterday until the first active tick; meanwhile
    // the "today" figures read 0, and an idle break is still counted into the old day, which that tick
    // archives.
    void countersOfAnEndedDayAreNotToday()
    {
        TempStore store;
        ManualClock clock(at(kDay, QTime(22, 30)));
        AppState state(nullptr, &clock);
        ticks(state, 40);
        state.completeExercise();
        QCOMPARE(state.todayScreenMinutes(), 20);
        QCOMPARE(state.formattedScreenTime(), QStringLiteral("0h 20m"));
        QCOMPARE(state.exercisesCompletedToday(), 1);

        clock.setNow(at(kDay.addDays(1), QTime(0, 10)));
        state.recordIdleBreak();
        QCOMPARE(state.todayScreenSeconds(), 1200); // still yesterday's counters
        QCOMPARE(state.todayScreenMinutes(), 0);
        QCOMPARE(state.nightScreenMinutes(), 0);
        QCOMPARE(state.longestSessionMinutes(), 0);
        QCOMPARE(state.screenSessionsOver20(), 0);
        QCOMPARE(state.screenBreaksAfter20(), 0);
        QCOMPARE(state.formattedScreenTime(), QStringLiteral("0h 00m"));
        QCOMPARE(state.exercisesCompletedToday(), 0);

        state.recordActiveTick(30);
        QCOMPARE(state.usageHistory().records(), (QList<UsageDayRecord>{usageDay(kDay, 20, 20, 20, 1, 1, 1)}));
        QCOMPARE(state.todayScreenMinutes(), 0);
        QCOMPARE(state.formattedScreenTime(), QStringLiteral("0h 00m"));
        ticks(state, 1);
        QCOMPARE(state.todayScreenMinutes(), 1);
    }

    // The exercise counter has its own day: the first exercise of a new day counts 1, not yesterday's count
    // plus one, and the usage rollover leaves it alone.
    void exercisesRollOverOnTheirOwn()
    {
        TempStore store;
        ManualClock clock(at(kDay, QTime(9, 0)));
        RecordingAppState state(&clock);
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.completeExercise();
        state.completeExercise();
        state.completeExercise();
        QCOMPARE(changed.count(), 3);
        QCOMPARE(state.exercisesCompletedToday(), 3);

        clock.setNow(at(kDay.addDays(1), QTime(9, 0)));
        state.recordActiveTick(30);
        QCOMPARE(state.exerciseDayKey(), QStringLiteral("2026-03-14"));
        state.clearWrites();
        state.completeExercise();
        QCOMPARE(state.writtenKeys(), (QStringList{"exerciseDayKey", "exercisesCompletedToday"}));
        QCOMPARE(state.exercisesCompletedToday(), 1);
        QCOMPARE(state.exerciseDayKey(), QStringLiteral("2026-03-15"));
        state.recordActiveTick(30);
        QCOMPARE(state.exercisesCompletedToday(), 1);
        QVERIFY(storeFileText(store).contains("exercisesCompletedToday=1\n"));
    }

    // Minutes are whole minutes (integer division); the screen-time text is hours and two-digit minutes.
    void todayFigures_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0 << 0 << "0h 00m";
        QTest::newRow("59 s") << 59 << 0 << "0h 00m";
        QTest::newRow("89 s") << 89 << 1 << "0h 01m";
        QTest::newRow("300 s") << 300 << 5 << "0h 05m";
        QTest::newRow("9,000 s") << 9000 << 150 << "2h 30m";
        QTest::newRow("10:59:59") << 39599 << 659 << "10h 59m";
        QTest::newRow("a full day") << 86400 << 1440 << "24h 00m";
    }

    void todayFigures()
    {
        QFETCH(int, seconds);
        QFETCH(int, minutes);
        QFETCH(QString, text);
        TempStore store;
        seedStore({{"usageDayKey", "2026-03-14"},
                   {"exerciseDayKey", "2026-03-14"},
                   {"usageBackfilled", true},
                   {"todayScreenSeconds", seconds},
                   {"nightScreenSeconds", seconds},
                   {"longestSessionSeconds", seconds}});
        ManualClock clock(at(kDay, QTime(23, 0)));
        AppState state(nullptr, &clock);
        QCOMPARE(state.todayScreenMinutes(), minutes);
        QCOMPARE(state.nightScreenMinutes(), minutes);
        QCOMPARE(state.longestSessionMinutes(), minutes);
        QCOMPARE(state.formattedScreenTime(), text);
    }
};

QTEST_GUILESS_MAIN(TestUsageTracking)
#include "tst_usagetracking.moc"
