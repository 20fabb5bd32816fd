#pragma once

#include "ReminderRequest.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <functional>

class AppState;
class QSystemTrayIcon;
class QTimer;
class QWidget;
struct PlatformServices;

// The reminder handlers: the 20-20-20 notice, the relax break (interval or Pomodoro, full screen, simplified
// or none), its idle pause, and the daily exercise reminder. Only one reminder is on screen at a time;
// while one runs, every other handler returns at once. The timers belong to the caller; this class reads
// and restarts the relax timer.
class BreakReminders : public QObject {
    Q_OBJECT

public:
    using DialogRunner = std::function<void(const ReminderRequest &)>;

    BreakReminders(AppState &state, PlatformServices &platform, QTimer *relaxTimer, QObject *parent = nullptr);

    // The window reminder dialogs belong to (the main window).
    void setDialogParent(QWidget *parent);
    // Simplified notices go to the tray as a balloon; without a tray icon they come as a message box.
    void setTrayIcon(QSystemTrayIcon *trayIcon);
    // Re-arms the timers from the settings (the main window's applyRuntimeState).
    void setRuntimeStateApplier(std::function<void()> apply) { m_applyRuntimeState = std::move(apply); }
    // Whether reminders are paused because a full-screen program is in front.
    void setAutoPausedCheck(std::function<bool()> isAutoPaused) { m_isAutoPaused = std::move(isAutoPaused); }
    // Seams for tests: how a reminder window is shown, how the system beep sounds, how a picture is drawn.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }
    void setRandomIndex(std::function<int(int)> pick) { m_randomIndex = std::move(pick); }

    bool reminderActive() const { return m_reminderActive; }
    bool relaxPreviewActive() const { return m_relaxPreviewActive; }
    bool relaxIdlePaused() const { return m_relaxIdlePaused; }
    qint64 relaxRemainingMs() const { return m_relaxRemainingMs; }
    // The relax timer was resumed with the rest of an idle-paused cycle and has not fired since.
    bool relaxResumePending() const { return m_relaxResumedWithRemainder; }
    QDate lastExerciseReminderDate() const { return m_lastExerciseReminderDate; }

    // The relax timer's cycle: Pomodoro work time, or the relax interval (at least one minute).
    static int relaxIntervalMs(const AppState &state);
    // The fixed wallpaper, or a random picture from the wallpaper folder when that is switched on.
    QString pickWallpaper() const;

public slots:
    void showBreakReminder();
    void showRelaxReminder();
    void previewRelaxReminder();
    void checkExerciseReminder();
    void showExerciseReminder();
    void updateRelaxIdlePauseState();

private:
    void runDialog(const ReminderRequest &request);
    void showSimplifiedNotice(const QString &title, const QString &message);
    void restartRelaxCycle(bool pomodoroOnly);
    void restoreRelaxInterval();
    void applyRuntimeState();

    AppState &m_state;
    PlatformServices &m_platform;
    QPointer<QTimer> m_relaxTimer;
    QPointer<QWidget> m_dialogParent;
    QPointer<QSystemTrayIcon> m_trayIcon;
    std::function<void()> m_applyRuntimeState;
    std::function<bool()> m_isAutoPaused;
    DialogRunner m_runDialog;
    std::function<void()> m_beep;
    std::function<int(int)> m_randomIndex;

    bool m_reminderActive = false;
    bool m_relaxPreviewActive = false;
    bool m_relaxIdlePaused = false;
    qint64 m_relaxRemainingMs = 0;
    bool m_relaxResumedWithRemainder = false;
    QDate m_lastExerciseReminderDate;
};
