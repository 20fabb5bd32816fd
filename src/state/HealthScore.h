#pragma once

#include "UsageDayRecord.h"
#include "UsageWindowStats.h"

#include <QDate>
#include <QList>
#include <QString>

// The 0-100 eye health score and the per-day series of the charts, computed from the usage history. Pure
// functions of their arguments; "today" is passed in so that callers decide which clock counts.
class HealthScore {
public:
    // Days the score looks back over, and the recent span its trend compares with.
    static constexpr int kWindowDays = 90;
    static constexpr int kTrendDays = 7;

    // What the score rewards beyond the history: today's exercises and the protection features in use.
    struct LiveFactors {
        int exercisesCompletedToday = 0;
        bool protectionEnabled = false;
        bool breakReminderEnabled = false;
        bool relaxEyesReminderEnabled = false;
    };

    // Statistics over the records dated from today - (days - 1) to today. Records with an unreadable or future
    // date never count.
    static UsageWindowStats usageWindow(const QList<UsageDayRecord> &records, const QDate &today, int days);

    static int score(const QList<UsageDayRecord> &records, const QDate &today, const LiveFactors &live);
    static QString status(int score);

    // The score of a single day from its record alone (no session-length, trend or live terms).
    static int dayScore(const UsageDayRecord &record);

    // One value per day, oldest first and ending today; days without a record are 0, and a later record of
    // the same date wins.
    static QList<int> dailyScores(const QList<UsageDayRecord> &records, const QDate &today, int days);
    static QList<int> dailyScreenMinutes(const QList<UsageDayRecord> &records, const QDate &today, int days);
};
