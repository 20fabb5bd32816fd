#pragma once

#include "PreferenceLimits.h"
#include "PreferenceTable.h"

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
#define GLAREWELL_DAY_COUNTERS(X)                                                                                      \
    X(todayScreenSeconds)                                                                                              \
    X(nightScreenSeconds)                                                                                              \
    X(currentSessionSeconds)                                                                                           \
    X(longestSessionSeconds)                                                                                           \
    X(sessionsOver20)                                                                                                  \
    X(breaksAfter20)                                                                                                   \
    X(todaySessionCount)                                                                                               \
    X(exercisesCompletedToday)

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

    // Screen-time keys kept in the same store.
    QString usageDayKey() const { return m_usageDayKey; }
    QString exerciseDayKey() const { return m_exerciseDayKey; }
    QString usageHistoryJson() const { return m_usageHistoryJson; }
    bool usageBackfilled() const { return m_usageBackfilled; }
    GLAREWELL_DAY_COUNTERS(GW_COUNTER_GETTER)

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
    void loadUsageHistory();
    void backfillUsageHistory();
    void rollOverDayIfNeeded();
    void saveUsageHistory();
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
    QString m_usageHistoryJson;
    bool m_usageBackfilled = false;
    GLAREWELL_DAY_COUNTERS(GW_COUNTER_MEMBER)
};
