#include "HealthScore.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

// Calls visit(index, record) for every record inside the window, index counted from its first day.
void forEachInWindow(const QList<UsageDayRecord> &records, const QDate &today, int days,
                     const std::function<void(int, const UsageDayRecord &)> &visit)
{
    if (days <= 0 || !today.isValid()) {
        return;
    }
    const QDate first = today.addDays(1 - days);
    for (const UsageDayRecord &record : records) {
        const QDate date = QDate::fromString(record.date, Qt::ISODate);
        if (date.isValid() && date >= first && date <= today) {
            visit(static_cast<int>(first.daysTo(date)), record);
        }
    }
}

// Full marks up to 2.5 hours a day, then 5 points per further hour, never below 72.
double baseForHours(double hours)
{
    return hours <= 2.5 ? 92.0 : std::max(72.0, 92.0 - 5.0 * (hours - 2.5));
}

// The night, longest-session and session-length deductions: each grows with how far the value goes past its
// limit, up to a cap.
double nightPenalty(double nightHours)
{
    const double excess = nightHours - 0.5;
    return excess > 0.0 ? std::min(10.0, 8.0 * excess) : 0.0;
}

double longestSessionPenalty(double longestMinutes)
{
    const double excess = longestMinutes - 45.0;
    return excess > 0.0 ? std::min(10.0, excess / 5.0) : 0.0;
}

double sessionLengthPenalty(double minutesPerSession)
{
    const double excess = minutesPerSession - 20.0;
    return excess > 0.0 ? std::min(5.0, 0.25 * excess) : 0.0;
}

// Rewards breaks after long sessions; without any long session, some screen time still earns the bonus.
double breakTerm(qint64 sessionsOver20, double ratio, double hours)
{
    if (sessionsOver20 > 0) {
        if (ratio >= 0.8) {
            return 10.0;
        }
        if (ratio >= 0.5) {
            return 5.0;
        }
        if (ratio >= 0.25) {
            return 2.0;
        }
        return -5.0;
    }
    return hours > 0.0 ? 5.0 : 0.0;
}

int roundAndClamp(double value)
{
    return static_cast<int>(std::clamp(std::round(value), 0.0, 100.0));
}

int toInt(qint64 value)
{
    return static_cast<int>(
        std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

UsageWindowStats HealthScore::usageWindow(const QList<UsageDayRecord> &records, const QDate &today, int days)
{
    qint64 count = 0;
    qint64 screen = 0;
    qint64 night = 0;
    qint64 longest = 0;
    qint64 maxLongest = std::numeric_limits<qint64>::min();
    qint64 sessions = 0;
    qint64 over20 = 0;
    qint64 breaks = 0;
    forEachInWindow(records, today, days, [&](int, const UsageDayRecord &record) {
        ++count;
        screen += record.screenSeconds;
        night += record.nightSeconds;
        longest += record.longestSessionSeconds;
        maxLongest = std::max<qint64>(maxLongest, record.longestSessionSeconds);
        sessions += record.sessionCount;
        over20 += record.sessionsOver20;
        breaks += record.breaksAfter20;
    });

    UsageWindowStats stats;
    if (count == 0) {
        return stats;
    }
    const double n = static_cast<double>(count);
    stats.days = toInt(count);
    stats.avgScreenMinutes = static_cast<double>(screen) / 60.0 / n;
    stats.avgNightMinutes = static_cast<double>(night) / 60.0 / n;
    stats.avgLongestSessionMinutes = static_cast<double>(longest) / 60.0 / n;
    stats.maxLongestSessionMinutes = static_cast<double>(maxLongest) / 60.0;
    stats.minutesPerSession = sessions > 0 ? static_cast<double>(screen) / 60.0 / static_cast<double>(sessions) : 0.0;
    stats.breakRatio = over20 > 0 ? static_cast<double>(breaks) / static_cast<double>(over20) : 0.0;
    stats.sessionsOver20 = toInt(over20);
    return stats;
}

int HealthScore::score(const QList<UsageDayRecord> &records, const QDate &today, const LiveFactors &live)
{
    const UsageWindowStats window = usageWindow(records, today, kWindowDays);
    double score = 86.0; // neutral start while nothing has been recorded
    if (window.days > 0) {
        const double hours = window.avgScreenMinutes / 60.0;
        score = baseForHours(hours);
        score -= nightPenalty(window.avgNightMinutes / 60.0);
        score -= longestSessionPenalty(window.maxLongestSessionMinutes);
        score -= sessionLengthPenalty(window.minutesPerSession);
        score += breakTerm(window.sessionsOver20, window.breakRatio, hours);

        const UsageWindowStats recent = usageWindow(records, today, kTrendDays);
        if (recent.days > 0) {
            const double falling = window.avgScreenMinutes - recent.avgScreenMinutes;
            if (falling >= 30.0) {
                score += 5.0;
            } else if (falling <= -30.0) {
                score -= 5.0;
            }
        }
    }
    score += 2.0 * std::clamp(live.exercisesCompletedToday, 0, 5); // at most 10 points
    score += live.protectionEnabled ? 2.0 : 0.0;
    score += live.breakReminderEnabled ? 1.0 : 0.0;
    score += live.relaxEyesReminderEnabled ? 1.0 : 0.0;
    return roundAndClamp(score);
}

QString HealthScore::status(int score)
{
    if (score >= 80) {
        return QStringLiteral("Good");
    }
    if (score >= 55) {
        return QStringLiteral("Fair");
    }
    return QStringLiteral("Needs Attention");
}

int HealthScore::dayScore(const UsageDayRecord &record)
{
    const double hours = record.screenSeconds / 3600.0;
    double score = baseForHours(hours);
    score -= nightPenalty(record.nightSeconds / 3600.0);
    score -= longestSessionPenalty(record.longestSessionSeconds / 60.0);
    score += breakTerm(
        record.sessionsOver20,
        record.sessionsOver20 > 0 ? static_cast<double>(record.breaksAfter20) / record.sessionsOver20 : 0.0, hours);
    return roundAndClamp(score);
}

QList<int> HealthScore::dailyScores(const QList<UsageDayRecord> &records, const QDate &today, int days)
{
    QList<int> series(std::max(0, days), 0);
    forEachInWindow(records, today, days,
                    [&](int index, const UsageDayRecord &record) { series[index] = dayScore(record); });
    return series;
}

QList<int> HealthScore::dailyScreenMinutes(const QList<UsageDayRecord> &records, const QDate &today, int days)
{
    QList<int> series(std::max(0, days), 0);
    forEachInWindow(records, today, days,
                    [&](int index, const UsageDayRecord &record) { series[index] = record.screenSeconds / 60; });
    return series;
}
