#pragma once

// The one table of persisted preferences, in the order load() reads them.
//
// X(Type, getter, SetterSuffix, default, limit, setterKind)
//   limit:      a parenthesised function object applied by the setter before comparing (never on load)
//   setterKind: Plain   - the setter is generated from this row
//               Custom  - the setter is declared here but written by hand (it does extra work)
//               None    - no public setter (written only through dedicated operations)
//
// "currentModeName" is the 78th key; it is derived at load and therefore handled outside this table.
#define GLAREWELL_PREFERENCES(X)                                                                                       \
    X(bool, protectionEnabled, ProtectionEnabled, false, (Keep{}), Plain)                                              \
    X(int, filterIntensity, FilterIntensity, 52, (Clamp{0, 100}), Custom)                                              \
    X(int, dimmingStrength, DimmingStrength, 34, (Clamp{0, 100}), Custom)                                              \
    X(bool, breakReminderEnabled, BreakReminderEnabled, false, (Keep{}), Plain)                                        \
    X(bool, autoPauseEnabled, AutoPauseEnabled, false, (Keep{}), Plain)                                                \
    X(bool, relaxEyesReminderEnabled, RelaxEyesReminderEnabled, true, (Keep{}), Plain)                                 \
    X(int, relaxIntervalMinutes, RelaxIntervalMinutes, 30, (Keep{}), Plain)                                            \
    X(int, relaxDurationSeconds, RelaxDurationSeconds, 60, (Keep{}), Plain)                                            \
    X(bool, relaxFullScreenEnabled, RelaxFullScreenEnabled, false, (Keep{}), Plain)                                    \
    X(bool, relaxLockScreenEnabled, RelaxLockScreenEnabled, false, (Keep{}), Plain)                                    \
    X(bool, relaxKeepScreenOnEnabled, RelaxKeepScreenOnEnabled, false, (Keep{}), Plain)                                \
    X(bool, relaxAllowResumeEnabled, RelaxAllowResumeEnabled, false, (Keep{}), Plain)                                  \
    X(bool, pomodoroEnabled, PomodoroEnabled, false, (Keep{}), Plain)                                                  \
    X(int, pomodoroWorkMinutes, PomodoroWorkMinutes, 45, (Clamp{1, 180}), Plain)                                       \
    X(int, pomodoroRestMinutes, PomodoroRestMinutes, 5, (Clamp{1, 60}), Plain)                                         \
    X(int, relaxTransparencyPercent, RelaxTransparencyPercent, 0, (Clamp{0, 100}), Plain)                              \
    X(bool, relaxFadeEnabled, RelaxFadeEnabled, true, (Keep{}), Plain)                                                 \
    X(bool, relaxLockAtEnd, RelaxLockAtEnd, false, (Keep{}), Plain)                                                    \
    X(bool, relaxPasswordEnabled, RelaxPasswordEnabled, false, (Keep{}), Plain)                                        \
    X(QString, relaxPasswordHash, RelaxPasswordHash, QString(), (Keep{}), None)                                        \
    X(int, relaxDelayLimit, RelaxDelayLimit, 3, (Clamp{0, 10}), Plain)                                                 \
    X(int, relaxPauseOnIdleMinutes, RelaxPauseOnIdleMinutes, 0, (Clamp{0, 120}), Plain)                                \
    X(QString, relaxAlertSoundPath, RelaxAlertSoundPath, QString(), (Keep{}), Plain)                                   \
    X(QString, relaxMusicPath, RelaxMusicPath, QString(), (Keep{}), Plain)                                             \
    X(QString, relaxWallpaperPath, RelaxWallpaperPath, QString(), (Keep{}), Plain)                                     \
    X(bool, focusEnabled, FocusEnabled, false, (Keep{}), Plain)                                                        \
    X(QString, focusMode, FocusMode, QStringLiteral("read"), (NormaliseFocusMode{}), Plain)                            \
    X(int, focusTransparencyPercent, FocusTransparencyPercent, 50, (Clamp{0, 100}), Plain)                             \
    X(QColor, focusColor, FocusColor, (QColor(0, 0, 0)), (Keep{}), Plain)                                              \
    X(int, focusHeightPixels, FocusHeightPixels, 300, (Clamp{50, 2000}), Plain)                                        \
    X(bool, smoothTransitionEnabled, SmoothTransitionEnabled, true, (Keep{}), Plain)                                   \
    X(bool, wideColorRangeEnabled, WideColorRangeEnabled, false, (Keep{}), Plain)                                      \
    X(bool, wideBrightnessRangeEnabled, WideBrightnessRangeEnabled, false, (Keep{}), Plain)                            \
    X(QString, hotkeyIncreaseBrightness, HotkeyIncreaseBrightness, QString(), (Keep{}), Plain)                         \
    X(QString, hotkeyDecreaseBrightness, HotkeyDecreaseBrightness, QString(), (Keep{}), Plain)                         \
    X(QString, hotkeyIncreaseColorTemp, HotkeyIncreaseColorTemp, QString(), (Keep{}), Plain)                           \
    X(QString, hotkeyDecreaseColorTemp, HotkeyDecreaseColorTemp, QString(), (Keep{}), Plain)                           \
    X(QString, hotkeyToggleProtection, HotkeyToggleProtection, QString(), (Keep{}), Plain)                             \
    X(QString, hotkeyToggleFocus, HotkeyToggleFocus, QString(), (Keep{}), Plain)                                       \
    X(QString, hotkeyFocusRead, HotkeyFocusRead, QString(), (Keep{}), Plain)                                           \
    X(QString, hotkeyFocusBlur, HotkeyFocusBlur, QString(), (Keep{}), Plain)                                           \
    X(bool, autoDayNightEnabled, AutoDayNightEnabled, false, (Keep{}), Plain)                                          \
    X(QTime, dayStartTime, DayStartTime, (QTime(8, 0)), (Keep{}), Plain)                                               \
    X(QTime, nightStartTime, NightStartTime, (QTime(19, 0)), (Keep{}), Plain)                                          \
    X(int, dayFilterIntensity, DayFilterIntensity, 40, (Keep{}), Plain)                                                \
    X(int, dayDimmingStrength, DayDimmingStrength, 20, (Keep{}), Plain)                                                \
    X(int, nightFilterIntensity, NightFilterIntensity, 70, (Keep{}), Plain)                                            \
    X(int, nightDimmingStrength, NightDimmingStrength, 50, (Keep{}), Plain)                                            \
    X(bool, appRulesEnabled, AppRulesEnabled, false, (Keep{}), Plain)                                                  \
    X(QVariantList, appRules, AppRules, QVariantList(), (Keep{}), Plain)                                               \
    X(bool, fullScreenAutoPauseEnabled, FullScreenAutoPauseEnabled, false, (Keep{}), Plain)                            \
    X(bool, autoDarkEnabled, AutoDarkEnabled, false, (Keep{}), Plain)                                                  \
    X(QTime, autoDarkDayStartTime, AutoDarkDayStartTime, (QTime(8, 0)), (Keep{}), Plain)                               \
    X(QTime, autoDarkNightStartTime, AutoDarkNightStartTime, (QTime(19, 0)), (Keep{}), Plain)                          \
    X(bool, autoDarkTransparentTaskbar, AutoDarkTransparentTaskbar, false, (Keep{}), Plain)                            \
    X(bool, magicWindowEnabled, MagicWindowEnabled, false, (Keep{}), Plain)                                            \
    X(bool, magicToolbarShowOnHover, MagicToolbarShowOnHover, true, (Keep{}), Plain)                                   \
    X(QColor, magicToolbarColor, MagicToolbarColor, (QColor(120, 90, 255)), (Keep{}), Plain)                           \
    X(QString, magicToolbarPlacement, MagicToolbarPlacement, QStringLiteral("center"), (Keep{}), Plain)                \
    X(int, magicToolbarOffset, MagicToolbarOffset, 0, (Keep{}), Plain)                                                 \
    X(int, magicToolbarDelayMs, MagicToolbarDelayMs, 500, (Keep{}), Plain)                                             \
    X(QString, magicDarkModeHotkey, MagicDarkModeHotkey, QString(), (Keep{}), Plain)                                   \
    X(QString, magicGrayModeHotkey, MagicGrayModeHotkey, QString(), (Keep{}), Plain)                                   \
    X(bool, miniFloatingWindowEnabled, MiniFloatingWindowEnabled, false, (Keep{}), Plain)                              \
    X(QString, miniFloatingWindowStyle, MiniFloatingWindowStyle, QStringLiteral("progress"), (Keep{}), Plain)          \
    X(bool, miniFloatingAutoTranslucent, MiniFloatingAutoTranslucent, true, (Keep{}), Plain)                           \
    X(int, miniFloatingTransparencyPercent, MiniFloatingTransparencyPercent, 100, (Keep{}), Plain)                     \
    X(bool, startWithWindows, StartWithWindows, true, (Keep{}), Plain)                                                 \
    X(QString, relaxNotificationMode, RelaxNotificationMode, QStringLiteral("professional"), (Keep{}), Plain)          \
    X(bool, relaxRandomWallpaperEnabled, RelaxRandomWallpaperEnabled, false, (Keep{}), Plain)                          \
    X(QString, relaxWallpaperFolder, RelaxWallpaperFolder, QString(), (Keep{}), Plain)                                 \
    X(bool, exerciseReminderEnabled, ExerciseReminderEnabled, true, (Keep{}), Plain)                                   \
    X(QTime, exerciseReminderTime, ExerciseReminderTime, (QTime(9, 0)), (Keep{}), Plain)                               \
    X(bool, gamingModeEnabled, GamingModeEnabled, false, (Keep{}), Plain)                                              \
    X(bool, batteryAwareEnabled, BatteryAwareEnabled, false, (Keep{}), Plain)                                          \
    X(bool, thermalAwareEnabled, ThermalAwareEnabled, false, (Keep{}), Plain)                                          \
    X(QColor, selectedFilterColor, SelectedFilterColor, (QColor(255, 87, 34)), (Keep{}), Custom)
