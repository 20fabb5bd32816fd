#include "PreferenceCatalog.h"

#include "AppState.h"

#include <QColor>
#include <QHash>
#include <QTime>

namespace {

struct Expectation {
    const char *key;
    QVariant defaultValue;
    QVariant sampleValue;
};

QVariantMap rule(const QString &process, const QString &mode)
{
    return {{QStringLiteral("process"), process}, {QStringLiteral("mode"), mode}};
}

QVariant str(const char *text)
{
    return QString::fromUtf8(text);
}

const QVariant kEmpty = QString();

// The expected defaults, in the order the store is read. Samples stay inside every setter limit.
QList<Expectation> expectations()
{
    return {
        {"protectionEnabled", false, true},
        {"filterIntensity", 52, 77},
        {"dimmingStrength", 34, 12},
        {"breakReminderEnabled", false, true},
        {"autoPauseEnabled", false, true},
        {"relaxEyesReminderEnabled", true, false},
        {"relaxIntervalMinutes", 30, 25},
        {"relaxDurationSeconds", 60, 90},
        {"relaxFullScreenEnabled", false, true},
        {"relaxLockScreenEnabled", false, true},
        {"relaxKeepScreenOnEnabled", false, true},
        {"relaxAllowResumeEnabled", false, true},
        {"pomodoroEnabled", false, true},
        {"pomodoroWorkMinutes", 45, 50},
        {"pomodoroRestMinutes", 5, 10},
        {"relaxTransparencyPercent", 0, 35},
        {"relaxFadeEnabled", true, false},
        {"relaxLockAtEnd", false, true},
        {"relaxPasswordEnabled", false, true},
        // SHA-256 of "KappaTwelveBreakSalt::sample", computed with sha256sum.
        {"relaxPasswordHash", kEmpty, str("e6e52aee7b173761dcdbb7eed5d714c1f546522a66e72b68ac2ecb80a838dfc9")},
        {"relaxDelayLimit", 3, 7},
        {"relaxPauseOnIdleMinutes", 0, 15},
        {"relaxAlertSoundPath", kEmpty, str("/home/user/chime.wav")},
        {"relaxMusicPath", kEmpty, str("/home/user/calm.mp3")},
        {"relaxWallpaperPath", kEmpty, str("/home/user/lake.jpg")},
        {"focusEnabled", false, true},
        {"focusMode", str("read"), str("blur")},
        {"focusTransparencyPercent", 50, 65},
        {"focusColor", QColor(0, 0, 0), QColor(10, 20, 30)},
        {"focusHeightPixels", 300, 420},
        {"smoothTransitionEnabled", true, false},
        {"wideColorRangeEnabled", false, true},
        {"wideBrightnessRangeEnabled", false, true},
        {"hotkeyIncreaseBrightness", kEmpty, str("Ctrl+Alt+Up")},
        {"hotkeyDecreaseBrightness", kEmpty, str("Ctrl+Alt+Down")},
        {"hotkeyIncreaseColorTemp", kEmpty, str("Ctrl+Alt+Right")},
        {"hotkeyDecreaseColorTemp", kEmpty, str("Ctrl+Alt+Left")},
        {"hotkeyToggleProtection", kEmpty, str("Ctrl+Alt+P")},
        {"hotkeyToggleFocus", kEmpty, str("Ctrl+Alt+F")},
        {"hotkeyFocusRead", kEmpty, str("Ctrl+Alt+R")},
        {"hotkeyFocusBlur", kEmpty, str("Ctrl+Alt+B")},
        {"autoDayNightEnabled", false, true},
        {"dayStartTime", QTime(8, 0), QTime(7, 15)},
        {"nightStartTime", QTime(19, 0), QTime(21, 45)},
        {"dayFilterIntensity", 40, 30},
        {"dayDimmingStrength", 20, 10},
        {"nightFilterIntensity", 70, 80},
        {"nightDimmingStrength", 50, 60},
        {"appRulesEnabled", false, true},
        {"appRules", QVariantList(), QVariantList{rule(QStringLiteral("code.exe"), QStringLiteral("pause"))}},
        {"fullScreenAutoPauseEnabled", false, true},
        {"autoDarkEnabled", false, true},
        {"autoDarkDayStartTime", QTime(8, 0), QTime(6, 30)},
        {"autoDarkNightStartTime", QTime(19, 0), QTime(20, 0)},
        {"autoDarkTransparentTaskbar", false, true},
        {"magicWindowEnabled", false, true},
        {"magicToolbarShowOnHover", true, false},
        {"magicToolbarColor", QColor(120, 90, 255), QColor(128, 128, 128)},
        {"magicToolbarPlacement", str("center"), str("left")},
        {"magicToolbarOffset", 0, -12},
        {"magicToolbarDelayMs", 500, 800},
        {"magicDarkModeHotkey", kEmpty, str("Ctrl+Shift+D")},
        {"magicGrayModeHotkey", kEmpty, str("Ctrl+Shift+G")},
        {"miniFloatingWindowEnabled", false, true},
        {"miniFloatingWindowStyle", str("progress"), str("digital")},
        {"miniFloatingAutoTranslucent", true, false},
        {"miniFloatingTransparencyPercent", 100, 70},
        {"startWithWindows", true, false},
        {"relaxNotificationMode", str("professional"), str("gentle")},
        {"relaxRandomWallpaperEnabled", false, true},
        {"relaxWallpaperFolder", kEmpty, str("/home/user/Pictures")},
        {"exerciseReminderEnabled", true, false},
        {"exerciseReminderTime", QTime(9, 0), QTime(14, 30)},
        {"gamingModeEnabled", false, true},
        {"batteryAwareEnabled", false, true},
        {"thermalAwareEnabled", false, true},
        {"selectedFilterColor", QColor(255, 87, 34), QColor(244, 67, 54)},
        {"currentModeName", str("Reading"), str("Sleep")},
    };
}

using Getter = std::function<QVariant(const AppState &)>;
using Setter = std::function<void(AppState &, const QVariant &)>;

struct Access {
    Getter get;
    Setter set;
};

#define GW_TEST_SETTER_Plain(Type, Fn) [](AppState &s, const QVariant &v) { s.set##Fn(v.value<Type>()); }
#define GW_TEST_SETTER_Custom(Type, Fn) GW_TEST_SETTER_Plain(Type, Fn)
#define GW_TEST_SETTER_None(Type, Fn) Setter()

QHash<QString, Access> accessByKey()
{
    QHash<QString, Access> access;
#define GW_TEST_ACCESS(Type, name, Fn, def, limit, kind)                                                               \
    access.insert(QStringLiteral(#name),                                                                               \
                  {[](const AppState &s) { return QVariant::fromValue(s.name()); }, GW_TEST_SETTER_##kind(Type, Fn)});
    GLAREWELL_PREFERENCES(GW_TEST_ACCESS)
#undef GW_TEST_ACCESS
    // The digest has no setter: its sample is the digest of the password "sample", its default no password.
    access[QStringLiteral("relaxPasswordHash")].set = [](AppState &s, const QVariant &v) {
        if (v.toString().isEmpty()) {
            s.clearRelaxPassword();
        } else {
            s.setRelaxPassword(QStringLiteral("sample"));
        }
    };
    access.insert(QStringLiteral("currentModeName"),
                  {[](const AppState &s) { return QVariant(s.currentModeName()); }, Setter()});
    return access;
}

} // namespace

QList<PreferenceEntry> preferenceCatalog()
{
    const QHash<QString, Access> access = accessByKey();
    QList<PreferenceEntry> entries;
    for (const Expectation &expected : expectations()) {
        const QString key = QString::fromLatin1(expected.key);
        const Access found = access.value(key);
        entries.append({key, expected.defaultValue, expected.sampleValue, found.get, found.set});
    }
    return entries;
}

PreferenceEntry preferenceEntry(const QString &key)
{
    for (const PreferenceEntry &entry : preferenceCatalog()) {
        if (entry.key == key) {
            return entry;
        }
    }
    return {};
}

QStringList declaredPreferenceKeys()
{
    QStringList keys;
#define GW_TEST_KEY(Type, name, Fn, def, limit, kind) keys.append(QStringLiteral(#name));
    GLAREWELL_PREFERENCES(GW_TEST_KEY)
#undef GW_TEST_KEY
    return keys;
}
