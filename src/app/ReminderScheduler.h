#pragma once

#include <QObject>

class AppState;
class BreakReminders;
class QTimer;
struct PlatformServices;

// Owns the break, relax and exercise timers and keeps them armed according to the settings. A timer
// that already runs with the right interval is left alone so its countdown is never restarted by an
// unrelated change. The reminders the timers lead to are shown by its BreakReminders.
class ReminderScheduler : public QObject {
    Q_OBJECT

public:
    static constexpr int kBreakIntervalMs = 20 * 60 * 1000;
    static constexpr int kExerciseCheckMs = 30 * 1000;

    ReminderScheduler(AppState &state, PlatformServices &platform, QObject *parent = nullptr);
    // Reminders without system services (no keep-awake, lock or keyboard grab).
    explicit ReminderScheduler(AppState &state, QObject *parent = nullptr);

    // Arms or stops the timers for the current settings; autoPaused stops the break timers like protection off.
    void applyTimers(bool autoPaused);
    // The relax interval the settings ask for, in milliseconds.
    int relaxIntervalMs() const;

    QTimer *breakTimer() const { return m_breakTimer; }
    QTimer *relaxTimer() const { return m_relaxTimer; }
    QTimer *exerciseTimer() const { return m_exerciseTimer; }
    BreakReminders *handlers() const { return m_handlers; }

public slots:
    void showBreakReminder();
    void showRelaxReminder();
    void previewRelaxReminder();
    void checkExerciseReminder();
    void showExerciseReminder();
    void updateRelaxIdlePauseState();

signals:
    void breakDue();
    void relaxDue();
    void exerciseCheckDue();

private:
    static void ensureRunning(QTimer *timer, int intervalMs);

    AppState &m_state;
    QTimer *m_breakTimer;
    QTimer *m_relaxTimer;
    QTimer *m_exerciseTimer;
    BreakReminders *m_handlers;
};
