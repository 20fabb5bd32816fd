#include "ReminderScheduler.h"

#include "AppState.h"

#include <QTimer>
#include <algorithm>

ReminderScheduler::ReminderScheduler(AppState &state, QObject *parent)
    : QObject(parent), m_state(state), m_breakTimer(new QTimer(this)), m_relaxTimer(new QTimer(this)),
      m_exerciseTimer(new QTimer(this))
{
    m_exerciseTimer->setInterval(kExerciseCheckMs);
    connect(m_breakTimer, &QTimer::timeout, this, &ReminderScheduler::breakDue);
    connect(m_relaxTimer, &QTimer::timeout, this, &ReminderScheduler::relaxDue);
    connect(m_exerciseTimer, &QTimer::timeout, this, &ReminderScheduler::exerciseCheckDue);
}

int ReminderScheduler::relaxIntervalMs() const
{
    if (m_state.pomodoroEnabled()) {
        return m_state.pomodoroWorkMinutes() * 60000;
    }
    return std::max(1, m_state.relaxIntervalMinutes()) * 60000;
}

void ReminderScheduler::ensureRunning(QTimer *timer, int intervalMs)
{
    if (!timer->isActive() || timer->interval() != intervalMs) {
        timer->start(intervalMs);
    }
}

void ReminderScheduler::applyTimers(bool autoPaused)
{
    if (!m_state.protectionEnabled() || autoPaused) {
        m_breakTimer->stop();
        m_relaxTimer->stop();
    } else {
        if (m_state.breakReminderEnabled()) {
            ensureRunning(m_breakTimer, kBreakIntervalMs);
        } else {
            m_breakTimer->stop();
        }
        if (m_state.relaxEyesReminderEnabled()) {
            ensureRunning(m_relaxTimer, relaxIntervalMs());
        } else {
            m_relaxTimer->stop();
        }
    }

    if (m_state.exerciseReminderEnabled()) {
        if (!m_exerciseTimer->isActive()) {
            m_exerciseTimer->start();
        }
        emit exerciseCheckDue();
    } else {
        m_exerciseTimer->stop();
    }
}
