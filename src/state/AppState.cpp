#include "AppState.h"

#include "Clock.h"
#include "HealthScore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonValue>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString kOrganisation = QStringLiteral("Brookvane");
const QString kApplication = QStringLiteral("GlarewellWindows");
const QString kCustomMode = QStringLiteral("Custom");
const QString kModeNameKey = QStringLiteral("currentModeName");
const QString kUsageHistoryKey = QStringLiteral("usageHistory");
const QString kUsageDayKey = QStringLiteral("usageDayKey");
const QString kExerciseDayKey = QStringLiteral("exerciseDayKey");
// A session of this length ended by an idle break counts as a long session followed by a break.
constexpr int kLongSessionSeconds = 20 * 60;
const char kPasswordSalt[] = "KappaTwelveBreakSalt::";

// Default of each preference, so resets use the same values the table declares.
namespace Defaults {
#define GW_PREFERENCE_DEFAULT(Type, name, Setter, def, limit, kind)                                                    \
    inline Type name()                                                                                                 \
    {                                                                                                                  \
        return def;                                                                                                    \
    }
GLAREWELL_PREFERENCES(GW_PREFERENCE_DEFAULT)
#undef GW_PREFERENCE_DEFAULT
} // namespace Defaults

// Converts a stored value to the key's type by Qt's variant rules. Colours, times and the rule list fall back to
// the member's current value when the stored text cannot be one at all (a store edited by hand): an invalid
// colour or time would reach the overlay and the schedules as nonsense, and Qt would turn a plain string into
// a list of single characters.
template <typename T> T fromStored(const QVariant &value, const T &fallback);
template <> bool fromStored<bool>(const QVariant &value, const bool &)
{
    return value.toBool();
}
template <> int fromStored<int>(const QVariant &value, const int &)
{
    return value.toInt();
}
template <> QString fromStored<QString>(const QVariant &value, const QString &)
{
    return value.toString();
}
template <> QTime fromStored<QTime>(const QVariant &value, const QTime &fallback)
{
    const QTime time = value.toTime();
    return time.isValid() ? time : fallback;
}
template <> QVariantList fromStored<QVariantList>(const QVariant &value, const QVariantList &fallback)
{
    const int type = value.typeId();
    return type == QMetaType::QVariantList || type == QMetaType::QStringList ? value.toList() : fallback;
}
template <> QColor fromStored<QColor>(const QVariant &value, const QColor &fallback)
{
    const QColor color = value.value<QColor>();
    return color.isValid() ? color : fallback;
}

// Interprets a JSON value as a boolean the way the cloud payload is meant: only true, a non-zero whole
// number or the text "true" (any case) count as true.
bool jsonToBool(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool();
    case QJsonValue::Double: {
        const double number = value.toDouble();
        if (std::trunc(number) != number || number < std::numeric_limits<int>::min() ||
            number > std::numeric_limits<int>::max()) {
            return false;
        }
        return static_cast<int>(number) != 0;
    }
    case QJsonValue::String:
        return value.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    default:
        return false;
    }
}

// QSettings guards each write of its file with "<file>.lock". A writer killed after creating that file but
// before putting its process id into it leaves an empty lock, which QLockFile takes for stale only after
// 30 seconds: the next write would hang that long. A live writer fills the file at once, so an empty lock
// older than a second is abandoned.
void removeAbandonedStoreLock(const QString &storeFile)
{
    const QFileInfo lock(storeFile + QLatin1String(".lock"));
    if (lock.exists() && lock.size() == 0 && lock.lastModified().msecsTo(Clock::system().now()) > 1000) {
        QFile::remove(lock.filePath());
    }
}

} // namespace

AppState::AppState(QObject *parent, Clock *clock)
    : QObject(parent), m_settings(kOrganisation, kApplication), m_clock(clock ? clock : &Clock::system())
{
    removeAbandonedStoreLock(m_settings.fileName());
    load();
    // A day rolled over while loading is on disk before anything else happens.
    flushStore();
}

AppState::~AppState() = default;

template <typename T> bool AppState::assignPreference(T &member, const T &value, const QString &key)
{
    if (member == value) {
        return false;
    }
    member = value;
    saveValue(key, QVariant::fromValue(value));
    emit stateChanged();
    return true;
}

#define GW_SETTER_DEF_Plain(Type, name, Setter, limit)                                                                 \
    void AppState::set##Setter(const Type &value)                                                                      \
    {                                                                                                                  \
        assignPreference<Type>(m_##name, limit(value), QStringLiteral(#name));                                         \
    }
#define GW_SETTER_DEF_Custom(Type, name, Setter, limit)
#define GW_SETTER_DEF_None(Type, name, Setter, limit)
#define GW_SETTER_DEF(Type, name, Setter, def, limit, kind) GW_SETTER_DEF_##kind(Type, name, Setter, limit)
GLAREWELL_PREFERENCES(GW_SETTER_DEF)
#undef GW_SETTER_DEF

void AppState::saveValue(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
}

// ---- Colour modes -------------------------------------------------------------------------------------------------

QList<ColorMode> AppState::colorModes() const
{
    return {
        {QStringLiteral("Reading"), QColor(255, 87, 34)}, {QStringLiteral("Movie"), QColor(255, 193, 7)},
        {QStringLiteral("Work"), QColor(255, 235, 59)},   {QStringLiteral("Sleep"), QColor(244, 67, 54)},
        {QStringLiteral("Relax"), QColor(76, 175, 80)},   {QStringLiteral("Dim"), QColor(0, 0, 0)},
    };
}

QString AppState::modeNameForColor(const QColor &color) const
{
    for (const ColorMode &mode : colorModes()) {
        if (mode.color == color) {
            return mode.name;
        }
    }
    return kCustomMode;
}

void AppState::setSelectedFilterColor(const QColor &value)
{
    if (value == m_selectedFilterColor) {
        return;
    }
    m_selectedFilterColor = value;
    m_currentModeName = modeNameForColor(value);
    saveValue(kModeNameKey, m_currentModeName);
    saveValue(QStringLiteral("selectedFilterColor"), m_selectedFilterColor);
    emit stateChanged();
}

void AppState::setFilterIntensity(const int &value)
{
    const int clamped = Clamp{0, 100}(value);
    if (clamped == m_filterIntensity) {
        return;
    }
    m_filterIntensity = clamped;
    m_currentModeName = kCustomMode;
    saveValue(kModeNameKey, m_currentModeName);
    saveValue(QStringLiteral("filterIntensity"), m_filterIntensity);
    emit stateChanged();
}

void AppState::setDimmingStrength(const int &value)
{
    const int clamped = Clamp{0, 100}(value);
    if (clamped == m_dimmingStrength) {
        return;
    }
    m_dimmingStrength = clamped;
    m_currentModeName = kCustomMode;
    saveValue(kModeNameKey, m_currentModeName);
    saveValue(QStringLiteral("dimmingStrength"), m_dimmingStrength);
    emit stateChanged();
}

// ---- Runtime flags ------------------------------------------------------------------------------------------------

void AppState::setIsNightPeriod(bool value)
{
    if (value != m_isNightPeriod) {
        m_isNightPeriod = value;
        emit stateChanged();
    }
}

void AppState::setAutoDarkIsNight(bool value)
{
    if (value != m_autoDarkIsNight) {
        m_autoDarkIsNight = value;
        emit stateChanged();
    }
}

// ---- App rules ----------------------------------------------------------------------------------------------------

void AppState::addAppRule(const QString &process, const QString &mode)
{
    QVariantMap rule;
    rule.insert(QStringLiteral("process"), process.toLower());
    rule.insert(QStringLiteral("mode"), mode);
    m_appRules.append(rule);
    saveValue(QStringLiteral("appRules"), m_appRules);
    emit stateChanged();
}

void AppState::removeAppRule(int index)
{
    if (index < 0 || index >= m_appRules.size()) {
        return;
    }
    m_appRules.removeAt(index);
    saveValue(QStringLiteral("appRules"), m_appRules);
    emit stateChanged();
}

// ---- Loading ------------------------------------------------------------------------------------------------------

void AppState::load()
{
    loadPreferences();
    loadModeName();
    loadScreenTimeKeys();
    // The order matters: the history must be in memory before older usage is merged into it, and the day
    // that was open when the program last ran is archived only after both.
    loadUsageHistory();
    backfillUsageHistory();
    rollOverDayIfNeeded();
}

void AppState::loadPreferences()
{
#define GW_LOAD_PREFERENCE(Type, name, Setter, def, limit, kind)                                                       \
    m_##name = fromStored<Type>(m_settings.value(QStringLiteral(#name), QVariant::fromValue(m_##name)), m_##name);
    GLAREWELL_PREFERENCES(GW_LOAD_PREFERENCE)
#undef GW_LOAD_PREFERENCE
}

void AppState::loadModeName()
{
    if (m_settings.contains(kModeNameKey)) {
        m_currentModeName = m_settings.value(kModeNameKey).toString();
    } else {
        // Derived from the colour and deliberately not written back.
        m_currentModeName = modeNameForColor(m_selectedFilterColor);
    }
}

void AppState::loadScreenTimeKeys()
{
    m_usageDayKey = m_settings.value(QStringLiteral("usageDayKey")).toString();
    m_exerciseDayKey = m_settings.value(QStringLiteral("exerciseDayKey")).toString();
#define GW_LOAD_COUNTER(name) m_##name = m_settings.value(QStringLiteral(#name), 0).toInt();
    GLAREWELL_DAY_COUNTERS(GW_LOAD_COUNTER)
#undef GW_LOAD_COUNTER
    m_usageBackfilled = m_settings.value(QStringLiteral("usageBackfilled"), false).toBool();
}

void AppState::loadUsageHistory()
{
    m_usageHistory = UsageHistory::fromJson(m_settings.value(kUsageHistoryKey).toString().toUtf8());
}

void AppState::backfillUsageHistory()
{
    // Estimating earlier days from system records is added with the usage import.
}

void AppState::rollOverDayIfNeeded()
{
    const QString today = m_clock->todayKey();
    if (m_usageDayKey != today) {
        rollOverUsageDay(today);
    }
    if (m_exerciseDayKey != today) {
        m_exerciseDayKey = today;
        m_exercisesCompletedToday = 0;
        saveValue(kExerciseDayKey, m_exerciseDayKey);
        saveValue(QStringLiteral("exercisesCompletedToday"), m_exercisesCompletedToday);
    }
}

void AppState::saveUsageHistory()
{
    saveValue(kUsageHistoryKey, QString::fromUtf8(m_usageHistory.toJson()));
}

// ---- Screen time --------------------------------------------------------------------------------------------------

void AppState::flushStore()
{
    // QSettings replaces its file atomically (a temporary file renamed over the old one), so whatever moment the
    // process dies at, the file on disk is either the previous or the new complete state. Without this sync the
    // values would wait in memory for the event loop and a crash could lose many ticks.
    m_settings.sync();
}

void AppState::rollOverUsageDay(const QString &todayKey)
{
    archiveUsageDay();
    m_usageDayKey = todayKey;
#define GW_ZERO_COUNTER(name) m_##name = 0;
    GLAREWELL_USAGE_COUNTERS(GW_ZERO_COUNTER)
#undef GW_ZERO_COUNTER
    saveValue(kUsageDayKey, m_usageDayKey);
#define GW_SAVE_COUNTER(name) saveValue(QStringLiteral(#name), m_##name);
    GLAREWELL_USAGE_COUNTERS(GW_SAVE_COUNTER)
#undef GW_SAVE_COUNTER
}

void AppState::archiveUsageDay()
{
    if (m_usageDayKey.isEmpty() || (m_todayScreenSeconds <= 0 && m_todaySessionCount == 0)) {
        return; // an empty day leaves no record
    }
    UsageDayRecord record;
    record.date = m_usageDayKey;
    record.screenSeconds = m_todayScreenSeconds;
    record.nightSeconds = m_nightScreenSeconds;
    record.longestSessionSeconds = m_longestSessionSeconds;
    record.sessionsOver20 = m_sessionsOver20;
    record.breaksAfter20 = m_breaksAfter20;
    record.sessionCount = m_todaySessionCount;
    m_usageHistory.archive(record);
    saveUsageHistory();
}

void AppState::archiveCurrentDay()
{
    archiveUsageDay();
    flushStore();
}

void AppState::recordActiveTick(int seconds)
{
    if (seconds <= 0) {
        return;
    }
    // One reading of the clock decides both the day and whether the tick is night time.
    const QDateTime now = m_clock->now();
    const QString today = now.date().toString(Qt::ISODate);
    if (today != m_usageDayKey) {
        rollOverUsageDay(today);
    }
    m_todayScreenSeconds += seconds;
    m_currentSessionSeconds += seconds;
    m_longestSessionSeconds = std::max(m_longestSessionSeconds, m_currentSessionSeconds);
    const int hour = now.time().hour();
    if (hour < 6 || hour >= 22) {
        m_nightScreenSeconds += seconds;
    }
    saveValue(QStringLiteral("todayScreenSeconds"), m_todayScreenSeconds);
    saveValue(QStringLiteral("nightScreenSeconds"), m_nightScreenSeconds);
    saveValue(QStringLiteral("currentSessionSeconds"), m_currentSessionSeconds);
    saveValue(QStringLiteral("longestSessionSeconds"), m_longestSessionSeconds);
    flushStore();
    emit stateChanged();
}

void AppState::recordIdleBreak()
{
    if (m_currentSessionSeconds > 0) {
        ++m_todaySessionCount;
        saveValue(QStringLiteral("todaySessionCount"), m_todaySessionCount);
        if (m_currentSessionSeconds >= kLongSessionSeconds) {
            ++m_sessionsOver20;
            ++m_breaksAfter20;
            saveValue(QStringLiteral("sessionsOver20"), m_sessionsOver20);
            saveValue(QStringLiteral("breaksAfter20"), m_breaksAfter20);
        }
    }
    m_currentSessionSeconds = 0;
    saveValue(QStringLiteral("currentSessionSeconds"), m_currentSessionSeconds);
    flushStore();
}

void AppState::completeExercise()
{
    const QString today = m_clock->todayKey();
    if (today != m_exerciseDayKey) {
        m_exerciseDayKey = today;
        m_exercisesCompletedToday = 0;
        saveValue(kExerciseDayKey, m_exerciseDayKey);
    }
    ++m_exercisesCompletedToday;
    saveValue(QStringLiteral("exercisesCompletedToday"), m_exercisesCompletedToday);
    flushStore();
    emit stateChanged();
}

bool AppState::usageDayIsToday() const
{
    return m_usageDayKey == m_clock->todayKey();
}

int AppState::todayScreenMinutes() const
{
    return usageDayIsToday() ? m_todayScreenSeconds / 60 : 0;
}

int AppState::nightScreenMinutes() const
{
    return usageDayIsToday() ? m_nightScreenSeconds / 60 : 0;
}

int AppState::longestSessionMinutes() const
{
    return usageDayIsToday() ? m_longestSessionSeconds / 60 : 0;
}

int AppState::screenSessionsOver20() const
{
    return usageDayIsToday() ? m_sessionsOver20 : 0;
}

int AppState::screenBreaksAfter20() const
{
    return usageDayIsToday() ? m_breaksAfter20 : 0;
}

int AppState::exercisesCompletedToday() const
{
    return m_exerciseDayKey == m_clock->todayKey() ? m_exercisesCompletedToday : 0;
}

QString AppState::formattedScreenTime() const
{
    const int seconds = usageDayIsToday() ? m_todayScreenSeconds : 0;
    return QStringLiteral("%1h %2m").arg(seconds / 3600).arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'));
}

int AppState::healthScoreWindowDays() const
{
    return HealthScore::kWindowDays;
}

UsageWindowStats AppState::usageWindow(int days) const
{
    return HealthScore::usageWindow(m_usageHistory.records(), m_clock->today(), days);
}

int AppState::healthScore() const
{
    HealthScore::LiveFactors live;
    live.exercisesCompletedToday = exercisesCompletedToday();
    live.protectionEnabled = m_protectionEnabled;
    live.breakReminderEnabled = m_breakReminderEnabled;
    live.relaxEyesReminderEnabled = m_relaxEyesReminderEnabled;
    return HealthScore::score(m_usageHistory.records(), m_clock->today(), live);
}

QString AppState::healthStatus() const
{
    return HealthScore::status(healthScore());
}

QList<int> AppState::dailyHealthScores(int days) const
{
    return HealthScore::dailyScores(m_usageHistory.records(), m_clock->today(), days);
}

QList<int> AppState::dailyScreenMinutes(int days) const
{
    return HealthScore::dailyScreenMinutes(m_usageHistory.records(), m_clock->today(), days);
}

// ---- Resets -------------------------------------------------------------------------------------------------------

#define GW_RESET(name)                                                                                                 \
    m_##name = Defaults::name();                                                                                       \
    saveValue(QStringLiteral(#name), QVariant::fromValue(m_##name));

void AppState::restoreDefaults()
{
#define GW_RESTORE_DEFAULT(Type, name, Setter, def, limit, kind) m_##name = Defaults::name();
    GLAREWELL_PREFERENCES(GW_RESTORE_DEFAULT)
#undef GW_RESTORE_DEFAULT
    m_currentModeName = kCustomMode;
}

void AppState::resetAllSettings()
{
    const QString history = m_settings.value(QStringLiteral("usageHistory")).toString();
    const bool backfilled = m_settings.value(QStringLiteral("usageBackfilled"), false).toBool();
    const QString usageDay = m_settings.value(QStringLiteral("usageDayKey")).toString();
    const QString exerciseDay = m_settings.value(QStringLiteral("exerciseDayKey")).toString();
#define GW_KEEP_COUNTER(name) const int kept_##name = m_settings.value(QStringLiteral(#name), 0).toInt();
    GLAREWELL_DAY_COUNTERS(GW_KEEP_COUNTER)
#undef GW_KEEP_COUNTER

    m_settings.clear();
    saveValue(QStringLiteral("usageHistory"), history);
    saveValue(QStringLiteral("usageBackfilled"), backfilled);

    restoreDefaults();
    load();

    m_usageDayKey = usageDay;
    m_exerciseDayKey = exerciseDay;
#define GW_RESTORE_COUNTER(name) m_##name = kept_##name;
    GLAREWELL_DAY_COUNTERS(GW_RESTORE_COUNTER)
#undef GW_RESTORE_COUNTER
    // The clear removed the day keys and counters from the store as well (and the reload may have started a
    // new day there); write the kept ones back so they survive a restart, not just this run.
    saveValue(QStringLiteral("usageDayKey"), m_usageDayKey);
    saveValue(QStringLiteral("exerciseDayKey"), m_exerciseDayKey);
#define GW_SAVE_KEPT_COUNTER(name) saveValue(QStringLiteral(#name), m_##name);
    GLAREWELL_DAY_COUNTERS(GW_SAVE_KEPT_COUNTER)
#undef GW_SAVE_KEPT_COUNTER
    saveUsageHistory();
    emit stateChanged();
}

void AppState::resetFilterDefaults()
{
    m_currentModeName = QStringLiteral("Reading");
    saveValue(kModeNameKey, m_currentModeName);
    GW_RESET(filterIntensity)
    GW_RESET(dimmingStrength)
    GW_RESET(breakReminderEnabled)
    GW_RESET(autoPauseEnabled)
    GW_RESET(selectedFilterColor)
    emit stateChanged();
}

void AppState::resetFocusDefaults()
{
    GW_RESET(focusMode)
    GW_RESET(focusTransparencyPercent)
    GW_RESET(focusColor)
    GW_RESET(focusHeightPixels)
    emit stateChanged();
}

void AppState::resetRelaxDefaults()
{
    GW_RESET(relaxEyesReminderEnabled)
    GW_RESET(relaxIntervalMinutes)
    GW_RESET(relaxDurationSeconds)
    GW_RESET(relaxFullScreenEnabled)
    GW_RESET(relaxLockScreenEnabled)
    GW_RESET(relaxKeepScreenOnEnabled)
    GW_RESET(relaxAllowResumeEnabled)
    GW_RESET(pomodoroEnabled)
    GW_RESET(pomodoroWorkMinutes)
    GW_RESET(pomodoroRestMinutes)
    GW_RESET(relaxTransparencyPercent)
    GW_RESET(relaxFadeEnabled)
    GW_RESET(relaxLockAtEnd)
    GW_RESET(relaxPasswordEnabled)
    GW_RESET(relaxPasswordHash)
    GW_RESET(relaxDelayLimit)
    GW_RESET(relaxPauseOnIdleMinutes)
    GW_RESET(relaxAlertSoundPath)
    GW_RESET(relaxMusicPath)
    GW_RESET(relaxWallpaperPath)
    GW_RESET(relaxNotificationMode)
    GW_RESET(relaxRandomWallpaperEnabled)
    GW_RESET(relaxWallpaperFolder)
    emit stateChanged();
}
#undef GW_RESET

// ---- Cloud settings snapshot --------------------------------------------------------------------------------------

QJsonObject AppState::cloudSettingsSnapshot() const
{
    QJsonObject snapshot;
    snapshot.insert(QStringLiteral("is_protection_enabled"), m_protectionEnabled);
    snapshot.insert(QStringLiteral("intensity"), m_filterIntensity);
    snapshot.insert(QStringLiteral("is_break_reminder_enabled"), m_breakReminderEnabled);
    snapshot.insert(QStringLiteral("is_auto_pause_enabled"), m_autoPauseEnabled);
    snapshot.insert(QStringLiteral("is_relax_eyes_reminder_enabled"), m_relaxEyesReminderEnabled);
    snapshot.insert(QStringLiteral("relax_eyes_interval_minutes"), m_relaxIntervalMinutes);
    snapshot.insert(QStringLiteral("relax_eyes_duration_seconds"), m_relaxDurationSeconds);
    snapshot.insert(QStringLiteral("is_relax_eyes_fullscreen_enabled"), m_relaxFullScreenEnabled);
    snapshot.insert(QStringLiteral("is_relax_eyes_keep_screen_on_enabled"), m_relaxKeepScreenOnEnabled);
    snapshot.insert(QStringLiteral("is_focus_mode_enabled"), m_focusEnabled);
    return snapshot;
}

void AppState::applyCloudSettingsSnapshot(const QJsonObject &snapshot)
{
    const auto applyBool = [&](const char *key, void (AppState::*setter)(const bool &)) {
        const auto it = snapshot.constFind(QLatin1String(key));
        if (it != snapshot.constEnd()) {
            (this->*setter)(jsonToBool(it.value()));
        }
    };
    const auto applyInt = [&](const char *key, void (AppState::*setter)(const int &)) {
        const auto it = snapshot.constFind(QLatin1String(key));
        if (it != snapshot.constEnd()) {
            (this->*setter)(it.value().toInt(0));
        }
    };

    applyBool("is_protection_enabled", &AppState::setProtectionEnabled);
    const auto intensity = snapshot.constFind(QLatin1String("intensity"));
    if (intensity != snapshot.constEnd()) {
        // std::round rounds half away from zero; clamp before converting so huge numbers cannot overflow.
        double rounded = std::round(intensity.value().toDouble(0.0));
        if (!std::isfinite(rounded)) {
            rounded = 0.0;
        }
        setFilterIntensity(static_cast<int>(std::clamp(rounded, 0.0, 100.0)));
    }
    applyBool("is_break_reminder_enabled", &AppState::setBreakReminderEnabled);
    applyBool("is_auto_pause_enabled", &AppState::setAutoPauseEnabled);
    applyBool("is_relax_eyes_reminder_enabled", &AppState::setRelaxEyesReminderEnabled);
    applyInt("relax_eyes_interval_minutes", &AppState::setRelaxIntervalMinutes);
    applyInt("relax_eyes_duration_seconds", &AppState::setRelaxDurationSeconds);
    applyBool("is_relax_eyes_fullscreen_enabled", &AppState::setRelaxFullScreenEnabled);
    applyBool("is_relax_eyes_keep_screen_on_enabled", &AppState::setRelaxKeepScreenOnEnabled);
    applyBool("is_focus_mode_enabled", &AppState::setFocusEnabled);
}

// ---- Break password -----------------------------------------------------------------------------------------------

QString AppState::relaxPasswordDigest(const QString &password)
{
    const QString salted = QLatin1String(kPasswordSalt) + password;
    return QString::fromLatin1(QCryptographicHash::hash(salted.toUtf8(), QCryptographicHash::Sha256).toHex());
}

void AppState::setRelaxPassword(const QString &password)
{
    assignPreference<QString>(m_relaxPasswordHash, relaxPasswordDigest(password), QStringLiteral("relaxPasswordHash"));
}

bool AppState::verifyRelaxPassword(const QString &candidate) const
{
    if (m_relaxPasswordHash.isEmpty()) {
        return false;
    }
    return relaxPasswordDigest(candidate) == m_relaxPasswordHash;
}

void AppState::clearRelaxPassword()
{
    assignPreference<QString>(m_relaxPasswordHash, QString(), QStringLiteral("relaxPasswordHash"));
}
