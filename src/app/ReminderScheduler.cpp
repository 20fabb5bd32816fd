#include "ReminderScheduler.h"

#include "AppState.h"
#include "BreakReminders.h"
#include "UnavailableServices.h"

#include <QTimer>
#include <algorithm>
#include <limits>

namespace {

PlatformServices &standInServices()
{
    static PlatformServices services = [] {
        PlatformServices filled;
        Unavailable::fillMissing(filled);
        return filled;
    }();
    return services;
}

} // namespace

ReminderScheduler::ReminderScheduler(AppState &state, QObject *parent)
    : ReminderScheduler(state, standInServices(), parent)
{}

ReminderScheduler::ReminderScheduler(AppState &state, PlatformServices &platform, QObject *parent)
    : QObject(parent), m_state(state), m_breakTimer(new QTimer(this)), m_relaxTimer(new QTimer(this)),
      m_exerciseTimer(new QTimer(this)), m_handlers(new BreakReminders(state, platform, m_relaxTimer, this))
{
    // Coarse timers may drift by 5% of their interval, a full minute on a 20-minute break.
    m_breakTimer->setTimerType(Qt::PreciseTimer);
    m_relaxTimer->setTimerType(Qt::PreciseTimer);
    m_exerciseTimer->setInterval(kExerciseCheckMs);
    connect(m_breakTimer, &QTimer::timeout, this, &ReminderScheduler::breakDue);
    connect(m_relaxTimer, &QTimer::timeout, this, &ReminderScheduler::relaxDue);
    connect(m_exerciseTimer, &QTimer::timeout, this, &ReminderScheduler::exerciseCheckDue);
}

int ReminderScheduler::relaxIntervalMs() const
{
    // The stored interval has no upper limit; cap it so a huge value cannot overflow into a negative interval.
    constexpr int kMinuteMs = 60000;
    constexpr int kLongestMinutes = std::numeric_limits<int>::max() / kMinuteMs;
    const int minutes =
        m_state.pomodoroEnabled() ? m_state.pomodoroWorkMinutes() : std::max(1, m_state.relaxIntervalMinutes());
    return std::min(minutes, kLongestMinutes) * kMinuteMs;
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
            // Idle time does not count toward a break: an idle-paused timer stays stopped until input
            // resumes, and a timer resumed with the rest of its cycle keeps that rest.
            const bool resumedRest = m_handlers->relaxResumePending() && m_relaxTimer->isActive();
            if (!m_handlers->relaxIdlePaused() && !resumedRest) {
                ensureRunning(m_relaxTimer, relaxIntervalMs());
            }
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

void ReminderScheduler::showBreakReminder()
{
    m_handlers->showBreakReminder();
}

void ReminderScheduler::showRelaxReminder()
{
    m_handlers->showRelaxReminder();
}

void ReminderScheduler::previewRelaxReminder()
{
    m_handlers->previewRelaxReminder();
}

void ReminderScheduler::checkExerciseReminder()
{
    m_handlers->checkExerciseReminder();
}

void ReminderScheduler::showExerciseReminder()
{
    m_handlers->showExerciseReminder();
}

void ReminderScheduler::updateRelaxIdlePauseState()
{
    m_handlers->updateRelaxIdlePauseState();
}
