#include "AppState.h"
#include "Clock.h"
#include "HealthScore.h"
#include "TempStore.h"
#include "UsageSeed.h"

#include <QtTest>

// Every expected number below is worked out by hand from the score's rules: base 92 up to 2.5 h a day, minus 5
// per further hour down to 72; night beyond 0.5 h costs 8 per hour (cap 10); a peak session beyond 45 min costs
// 1 per 5 min (cap 10); sessions beyond 20 min on average cost 0.25 per minute (cap 5); breaks after long
// sessions earn 10/5/2 or cost 5 (no long session but screen time: +5); a 90-day average 30 min above or below
// the 7-day one gives +5/-5; then exercises (2 each, cap 10), protection 2, each reminder 1; rounded, 0..100.

namespace {

const QDate kToday(2026, 3, 14);
using Records = QList<UsageDayRecord>;

UsageDayRecord ago(int daysAgo, double screenMinutes, double nightMinutes = 0, double longestMinutes = 0,
                   int over20 = 0, int breaks = 0, int sessions = 0)
{
    return usageDay(kToday.addDays(-daysAgo), screenMinutes, nightMinutes, longestMinutes, over20, breaks, sessions);
}

struct Live {
    int exercises = 0;
    bool protection = false;
    bool breakReminder = false;
    bool relaxReminder = false;
};

// A store holding the records, the switches and today's exercises, as a previous run on this day left it.
void seedScoreStore(const Records &records, const Live &live)
{
    seedStore({{"usageHistory", QString::fromUtf8(historyText(records))},
               {"usageBackfilled", true},
               {"usageDayKey", kToday.toString(Qt::ISODate)},
               {"exerciseDayKey", kToday.toString(Qt::ISODate)},
               {"exercisesCompletedToday", live.exercises},
               {"protectionEnabled", live.protection},
               {"breakReminderEnabled", live.breakReminder},
               {"relaxEyesReminderEnabled", live.relaxReminder}});
}

} // namespace

Q_DECLARE_METATYPE(Live)

class TestHealthScore : public QObject {
    Q_OBJECT

private slots:
    void score_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<Live>("live");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("status");
        const Live off;
        const QString good = QStringLiteral("Good");
        const QString fair = QStringLiteral("Fair");
        const QString low = QStringLiteral("Needs Attention");

        // Without history the score starts neutral at 86, plus the live bonuses.
        QTest::newRow("empty, everything off") << Records{} << off << 86 << good;
        QTest::newRow("empty, protection and reminders") << Records{} << Live{0, true, true, true} << 90 << good;
        QTest::newRow("empty, protection only") << Records{} << Live{0, true, false, false} << 88 << good;
        QTest::newRow("empty, three exercises") << Records{} << Live{3, false, false, false} << 92 << good;
        QTest::newRow("empty, five exercises") << Records{} << Live{5, false, false, false} << 96 << good;
        QTest::newRow("empty, seven exercises") << Records{} << Live{7, false, false, false} << 96 << good;

        // Base: 15 min per session and short peaks, so only the no-long-session bonus (+5) adds.
        QTest::newRow("2.5 h a day") << Records{ago(1, 150, 0, 30, 0, 0, 10)} << off << 97 << good;
        QTest::newRow("3.5 h a day") << Records{ago(1, 210, 0, 30, 0, 0, 14)} << off << 92 << good;
        QTest::newRow("6.5 h a day") << Records{ago(1, 390, 0, 30, 0, 0, 26)} << off << 77 << fair;
        QTest::newRow("10 h a day, floor") << Records{ago(1, 600, 0, 30, 0, 0, 40)} << off << 77 << fair;
        QTest::newRow("averaged: 2 h and 5 h")
            << Records{ago(1, 120, 0, 30, 0, 0, 8), ago(2, 300, 0, 30, 0, 0, 20)} << off << 92 << good;
        QTest::newRow("no screen time earns no bonus") << Records{ago(1, 0, 0, 0, 0, 0, 2)} << off << 92 << good;

        QTest::newRow("night 0.5 h free") << Records{ago(1, 150, 30, 30, 0, 0, 10)} << off << 97 << good;
        QTest::newRow("night 1 h costs 4") << Records{ago(1, 150, 60, 30, 0, 0, 10)} << off << 93 << good;
        QTest::newRow("night 2 h costs 10") << Records{ago(1, 150, 120, 30, 0, 0, 10)} << off << 87 << good;

        QTest::newRow("peak 45 min free") << Records{ago(1, 150, 0, 45, 0, 0, 10)} << off << 97 << good;
        QTest::newRow("peak 70 min costs 5") << Records{ago(1, 150, 0, 70, 0, 0, 10)} << off << 92 << good;
        QTest::newRow("peak 95 min costs 10") << Records{ago(1, 150, 0, 95, 0, 0, 10)} << off << 87 << good;
        QTest::newRow("peak 300 min capped") << Records{ago(1, 150, 0, 300, 0, 0, 10)} << off << 87 << good;
        QTest::newRow("peak, not average")
            << Records{ago(1, 150, 0, 30, 0, 0, 10), ago(2, 150, 0, 70, 0, 0, 10)} << off << 92 << good;

        QTest::newRow("25 min sessions: 95.75") << Records{ago(1, 150, 0, 30, 0, 0, 6)} << off << 96 << good;
        QTest::newRow("30 min sessions: 94.5 rounds up") << Records{ago(1, 150, 0, 30, 0, 0, 5)} << off << 95 << good;
        QTest::newRow("50 min sessions capped") << Records{ago(1, 150, 0, 30, 0, 0, 3)} << off << 92 << good;
        QTest::newRow("no sessions, no penalty") << Records{ago(1, 150, 0, 30, 0, 0, 0)} << off << 97 << good;

        // Breaks, on the 72 floor (6.5 h, 15 min sessions).
        QTest::newRow("break ratio 0.8") << Records{ago(1, 390, 0, 30, 20, 16, 26)} << off << 82 << good;
        QTest::newRow("break ratio 0.79") << Records{ago(1, 390, 0, 30, 100, 79, 26)} << off << 77 << fair;
        QTest::newRow("break ratio 0.5") << Records{ago(1, 390, 0, 30, 20, 10, 26)} << off << 77 << fair;
        QTest::newRow("break ratio 0.25") << Records{ago(1, 390, 0, 30, 20, 5, 26)} << off << 74 << fair;
        QTest::newRow("break ratio 0.2") << Records{ago(1, 390, 0, 30, 20, 4, 26)} << off << 67 << fair;

        // Trend, with 2 h of night each day (-10) to stay below the cap: 150 over 90 days against 120, 180 and
        // 121 over the last 7 days.
        QTest::newRow("falling by 30 min")
            << Records{ago(30, 180, 120, 30, 0, 0, 12), ago(1, 120, 120, 30, 0, 0, 8)} << off << 92 << good;
        QTest::newRow("rising by 30 min")
            << Records{ago(30, 120, 120, 30, 0, 0, 12), ago(1, 180, 120, 30, 0, 0, 8)} << off << 82 << good;
        QTest::newRow("falling by 29 min")
            << Records{ago(30, 179, 120, 30, 0, 0, 12), ago(1, 121, 120, 30, 0, 0, 8)} << off << 87 << good;
        QTest::newRow("nothing in the last 7 days") << Records{ago(30, 150, 0, 30, 0, 0, 10)} << off << 97 << good;

        // The 90-day window.
        QTest::newRow("today counts") << Records{ago(0, 390, 0, 30, 0, 0, 26)} << off << 77 << fair;
        QTest::newRow("89 days ago counts") << Records{ago(89, 390, 0, 30, 0, 0, 26)} << off << 77 << fair;
        QTest::newRow("90 days ago ignored") << Records{ago(90, 390, 0, 30, 0, 0, 26)} << off << 86 << good;
        QTest::newRow("tomorrow ignored") << Records{ago(-1, 390, 0, 30, 0, 0, 26)} << off << 86 << good;
        UsageDayRecord badDate = ago(1, 390, 0, 30, 0, 0, 26);
        badDate.date = QStringLiteral("2026-02-30");
        QTest::newRow("unreadable date ignored") << Records{badDate} << off << 86 << good;

        // 92 - 10 (night) - 7.5 (peak 82.5 min) + 5 = 79.5.
        QTest::newRow("79.5 rounds to 80") << Records{ago(1, 150, 120, 82.5, 0, 0, 10)} << off << 80 << good;
        // 92 + 10 + 10 + 4 = 116.
        QTest::newRow("capped at 100") << Records{ago(1, 150, 0, 30, 20, 20, 10)} << Live{5, true, true, true} << 100
                                       << good;
        // 72 - 10 (night) - 10 (peak) - 5 (60 min sessions) - 5 (no breaks) = 42.
        QTest::newRow("everything wrong") << Records{ago(1, 600, 600, 300, 20, 0, 10)} << off << 42 << low;
        QTest::newRow("everything wrong, all bonuses")
            << Records{ago(1, 600, 600, 300, 20, 0, 10)} << Live{5, true, true, true} << 56 << fair;
    }

    // The same case through the pure function and through AppState reading its store, clock and switches.
    void score()
    {
        QFETCH(Records, records);
        QFETCH(Live, live);
        QFETCH(int, score);
        QFETCH(QString, status);
        const HealthScore::LiveFactors factors{live.exercises, live.protection, live.breakReminder, live.relaxReminder};
        QCOMPARE(HealthScore::score(records, kToday, factors), score);

        TempStore store;
        seedScoreStore(records, live);
        ManualClock clock(QDateTime(kToday, QTime(15, 0)));
        AppState state(nullptr, &clock);
        QCOMPARE(state.healthScore(), score);
        QCOMPARE(state.healthStatus(), status);
    }

    void status_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("status");
        QTest::newRow("100") << 100 << "Good";
        QTest::newRow("80") << 80 << "Good";
        QTest::newRow("79") << 79 << "Fair";
        QTest::newRow("55") << 55 << "Fair";
        QTest::newRow("54") << 54 << "Needs Attention";
        QTest::newRow("0") << 0 << "Needs Attention";
    }

    void status()
    {
        QFETCH(int, score);
        QFETCH(QString, status);
        QCOMPARE(HealthScore::status(score), status);
    }

    // Exercises count for the day they were done on; after midnight yesterday's no longer raise the score.
    void exercisesCountOnTheirDay()
    {
        TempStore store;
        seedScoreStore({}, Live{0, false, false, false});
        ManualClock clock(QDateTime(kToday, QTime(21, 0)));
        AppState state(nullptr, &clock);
        QCOMPARE(state.healthScore(), 86);
        state.completeExercise();
        state.completeExercise();
        state.completeExercise();
        QCOMPARE(state.healthScore(), 92);
        clock.setNow(QDateTime(kToday.addDays(1), QTime(0, 1)));
        QCOMPARE(state.healthScore(), 86);
        QCOMPARE(state.healthScoreWindowDays(), 90);
    }

    void usageWindow_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("avgScreen");
        QTest::addColumn<double>("avgNight");
        QTest::addColumn<double>("avgLongest");
        QTest::addColumn<double>("maxLongest");
        QTest::addColumn<double>("perSession");
        QTest::addColumn<double>("breakRatio");
        QTest::addColumn<int>("over20");
        // Records: today 60/10/20 min, 1 of 1, 3 sessions; 2 days ago 120/0/50, 1 of 2, 4 sessions; 6 days ago
        // 30/5/10, 2 sessions; 7 days ago 100/0/15, 1 session; plus one dated tomorrow and one unreadable.
        QTest::newRow("0 days") << 0 << 0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0;
        QTest::newRow("today") << 1 << 1 << 60.0 << 10.0 << 20.0 << 20.0 << 20.0 << 1.0 << 1;
        QTest::newRow("7 days") << 7 << 3 << 70.0 << 5.0 << 80.0 / 3 << 50.0 << 210.0 / 9 << 2.0 / 3 << 3;
        QTest::newRow("90 days") << 90 << 4 << 77.5 << 3.75 << 23.75 << 50.0 << 31.0 << 2.0 / 3 << 3;
    }

    void usageWindow()
    {
        QFETCH(int, days);
        QFETCH(int, count);
        QFETCH(double, avgScreen);
        QFETCH(double, avgNight);
        QFETCH(double, avgLongest);
        QFETCH(double, maxLongest);
        QFETCH(double, perSession);
        QFETCH(double, breakRatio);
        QFETCH(int, over20);
        UsageDayRecord unreadable = ago(3, 999, 999, 999, 9, 9, 9);
        unreadable.date = QStringLiteral("14.03.2026");
        const Records records{ago(7, 100, 0, 15, 0, 0, 1),
                              ago(6, 30, 5, 10, 0, 0, 2),
                              ago(2, 120, 0, 50, 2, 1, 4),
                              ago(-1, 999, 999, 999, 9, 9, 9),
                              unreadable,
                              ago(0, 60, 10, 20, 1, 1, 3)};
        TempStore store;
        seedScoreStore(records, Live{});
        ManualClock clock(QDateTime(kToday, QTime(0, 0)));
        AppState state(nullptr, &clock);
        const UsageWindowStats stats = state.usageWindow(days);
        QCOMPARE(stats.days, count);
        QCOMPARE(stats.avgScreenMinutes, avgScreen);
        QCOMPARE(stats.avgNightMinutes, avgNight);
        QCOMPARE(stats.avgLongestSessionMinutes, avgLongest);
        QCOMPARE(stats.maxLongestSessionMinutes, maxLongest);
        QCOMPARE(stats.minutesPerSession, perSession);
        QCOMPARE(stats.breakRatio, breakRatio);
        QCOMPARE(stats.sessionsOver20, over20);
    }

    // The chart series: one entry per day, oldest first, ending today; the index is the distance from the first
    // day; days without a record stay 0; a later record of the same date wins; the day score has no
    // session-length, trend or live terms.
    void dailySeries_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<int>("days");
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QList<int>>("minutes");

        QList<int> scores(30, 0);
        QList<int> minutes(30, 0);
        scores[26] = 97;
        minutes[26] = 150;
        QTest::newRow("one record 3 days ago") << Records{ago(3, 150, 0, 30, 0, 0, 10)} << 30 << scores << minutes;

        UsageDayRecord unreadable = ago(1, 30);
        unreadable.date = QStringLiteral("yesterday");
        const Records mixed{
            ago(30, 150),                     // before the first day
            ago(29, 390, 0, 30, 0, 0, 26),    // index 0: 72 + 5
            ago(5, 390, 0, 30, 0, 0, 26),     // replaced below
            ago(5, 150, 0, 30, 0, 0, 10),     // index 24: 97
            ago(4, 150, 0, 30, 20, 20, 10),   // index 25: 92 + 10, capped at 100
            ago(2, 150, 0, 30, 0, 0, 1),      // index 27: 150 min sessions cost nothing here
            ago(1, 600, 600, 300, 20, 0, 10), // index 28: the lowest, 72 - 10 - 10 - 5
            unreadable,
            ago(0, 89.0 / 60), // index 29: 89 s is 1 minute, 92 + 5
            ago(-1, 150),      // tomorrow
        };
        scores = QList<int>(30, 0);
        minutes = QList<int>(30, 0);
        scores[0] = 77;
        minutes[0] = 390;
        scores[24] = 97;
        minutes[24] = 150;
        scores[25] = 100;
        minutes[25] = 150;
        scores[27] = 97;
        minutes[27] = 150;
        scores[28] = 47;
        minutes[28] = 600;
        scores[29] = 97;
        minutes[29] = 1;
        QTest::newRow("30 days, every rule") << mixed << 30 << scores << minutes;
        QTest::newRow("7 days of the same")
            << mixed << 7 << QList<int>{0, 97, 100, 0, 97, 47, 97} << QList<int>{0, 150, 150, 0, 150, 600, 1};
        QTest::newRow("no days") << mixed << 0 << QList<int>{} << QList<int>{};
    }

    void dailySeries()
    {
        QFETCH(Records, records);
        QFETCH(int, days);
        QFETCH(QList<int>, scores);
        QFETCH(QList<int>, minutes);
        TempStore store;
        // Live bonuses on: they must not reach the daily scores.
        seedScoreStore(records, Live{5, true, true, true});
        ManualClock clock(QDateTime(kToday, QTime(23, 59, 59)));
        AppState state(nullptr, &clock);
        QCOMPARE(state.dailyHealthScores(days), scores);
        QCOMPARE(state.dailyScreenMinutes(days), minutes);
    }
};

QTEST_GUILESS_MAIN(TestHealthScore)
#include "tst_healthscore.moc"
