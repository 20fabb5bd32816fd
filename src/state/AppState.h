#pragma once

#include "PreferenceLimits.h"
#include "PreferenceTable.h"
#include "UsageHistory.h"
#include "UsageWindowStats.h"

#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QTime>
#include <QVariantList>

class Clock;

struct ColorMode {
    QString name;
    QColor color;
};

// Day counters that belong to the screen-time tracking; they live in the same store and survive a reset.
// The usage counters belong to the usage day and start again at its rollover; the exercise counter has a day
// of its own.
#define GLAREWELL_USAGE_COUNTERS(X)                                                                                    \
    X(todayScreenSeconds)                                                                                              \
    X(nightScreenSeconds)                                                                                              \
    X(currentSessionSeconds)                                                                                           \
    X(longestSessionSeconds)                                                                                           \
    X(sessionsOver20)                                                                                                  \
    X(breaksAfter20)                                                                                                   \
    X(todaySessionCount)
#define GLAREWELL_DAY_COUNTERS(X) GLAREWELL_USAGE_COUNTERS(X) X(exercisesCompletedToday)

#define GW_SETTER_DECL_Plain(Type, Setter) void set##Setter(const Type &value);
#define GW_SETTER_DECL_Custom(Type, Setter) void set##Setter(const Type &value);
#define GW_SETTER_DECL_None(Type, Setter)
#define GW_PREFERENCE_ACCESSORS(Type, name, Setter, def, limit, kind)                                                  \
    Type name() const                                                                                                  \
    {                                                                                                                  \
        return m_##name;                                                                                               \
    }                                                                                                                  \
    GW_SETTER_DECL_##kind(Type, Setter)
#define GW_PREFERENCE_MEMBER(Type, name, Setter, def, limit, kind) Type m_##name = def;
#define GW_COUNTER_MEMBER(name) int m_##name = 0;
#define GW_COUNTER_GETTER(name)                                                                                        \
    int name() const                                                                                                   \
    {                                                                                                                  \
        return m_##name;                                                                                               \
    }

// The single source of truth for every user preference and the day's counters, mirrored into QSettings.
// Every setter clamps or normalises, compares, stores, writes one value and emits stateChanged() once;
// an unchanged value causes neither a write nor a signal.
class AppState : public QObject {
    Q_OBJECT

public:
    // The clock is used for day keys; by default the wall clock.
    explicit AppState(QObject *parent = nullptr, Clock *clock = nullptr);
    ~AppState() override;

    GLAREWELL_PREFERENCES(GW_PREFERENCE_ACCESSORS)

    // Colour modes
    QList<ColorMode> colorModes() const;
    QString currentModeName() const { return m_currentModeName; }

    // Runtime flags: never persisted, false at every launch.
    bool isNightPeriod() const { return m_isNightPeriod; }
    void setIsNightPeriod(bool value);
    bool autoDarkIsNight() const { return m_autoDarkIsNight; }
    void setAutoDarkIsNight(bool value);

    // App rules
    void addAppRule(const QString &process, const QString &mode);
    void removeAppRule(int index);

    // Resets
    void resetAllSettings();
    void resetFilterDefaults();
    void resetFocusDefaults();
    void resetRelaxDefaults();

    // Cloud settings snapshot
    QJsonObject cloudSettingsSnapshot() const;
    void applyCloudSettingsSnapshot(const QJsonObject &snapshot);

    // Break password (only a salted digest is stored)
    void setRelaxPassword(const QString &password);
    bool verifyRelaxPassword(const QString &candidate) const;
    void clearRelaxPassword();
    bool hasRelaxPassword() const { return !m_relaxPasswordHash.isEmpty(); }
    static QString relaxPasswordDigest(const QString &password);

    // Screen-time keys kept in the same store. The counter getters return the stored values of the usage day,
    // whichever day that is; the "today" figures below read 0 once that day is over.
    QString usageDayKey() const { return m_usageDayKey; }
    QString exerciseDayKey() const { return m_exerciseDayKey; }
    QString usageHistoryJson() const { return QString::fromUtf8(m_usageHistory.toJson()); }
    bool usageBackfilled() const { return m_usageBackfilled; }
    GLAREWELL_USAGE_COUNTERS(GW_COUNTER_GETTER)

    // Screen-time tracking. Each operation that changes counters reaches the disk before it returns, so a
    // crash loses at most the tick in progress.
    void recordActiveTick(int seconds);
    void recordIdleBreak();
    void completeExercise();
    void archiveCurrentDay();

    // Today's figures; all 0 while the counters still belong to an earlier day (left idle over midnight).
    int todayScreenMinutes() const;
    int nightScreenMinutes() const;
    int longestSessionMinutes() const;
    int screenSessionsOver20() const;
    int screenBreaksAfter20() const;
    int exercisesCompletedToday() const;
    QString formattedScreenTime() const;

    // Usage history and eye health score.
    const UsageHistory &usageHistory() const { return m_usageHistory; }
    int trackedUsageDays() const { return m_usageHistory.size(); }
    int healthScoreWindowDays() const;
    UsageWindowStats usageWindow(int days) const;
    int healthScore() const;
    QString healthStatus() const;
    QList<int> dailyHealthScores(int days) const;
    QList<int> dailyScreenMinutes(int days) const;
    void loadUsageHistory();
    void saveUsageHistory();

    // Writes one value into the store, nothing else. Every store write goes through here (tests record them).
    virtual void saveValue(const QString &key, const QVariant &value);

    Clock &clock() const { return *m_clock; }
    QSettings &settings() { return m_settings; }

signals:
    void stateChanged();

private:
    void load();
    void loadPreferences();
    void loadModeName();
    void loadScreenTimeKeys();
    void backfillUsageHistory();
    void rollOverDayIfNeeded();
    void rollOverUsageDay(const QString &todayKey);
    void archiveUsageDay();
    bool usageDayIsToday() const;
    void flushStore();
    void restoreDefaults();
    QString modeNameForColor(const QColor &color) const;

    template <typename T> bool assignPreference(T &member, const T &value, const QString &key);

    QSettings m_settings;
    Clock *m_clock;

    GLAREWELL_PREFERENCES(GW_PREFERENCE_MEMBER)
    QString m_currentModeName = QStringLiteral("Custom");

    bool m_isNightPeriod = false;
    bool m_autoDarkIsNight = false;

    QString m_usageDayKey;
    QString m_exerciseDayKey;
    UsageHistory m_usageHistory;
    bool m_usageBackfilled = false;
    GLAREWELL_DAY_COUNTERS(GW_COUNTER_MEMBER)
};
