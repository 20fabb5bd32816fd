#pragma once

#include <QtGlobal>

class AppState;
class IdleTimeSource;

// Turns the user's idle time into screen-time ticks every sample period: recent input counts the period as
// active, a long idle spell counts once as a break. The window calls sample() from its usage timer and then
// does its own idle-dependent work.
class UsageSampler {
public:
    static constexpr int kSampleIntervalMs = 30000;
    static constexpr int kTickSeconds = kSampleIntervalMs / 1000;
    // Input within this time makes a sample active.
    static constexpr qint64 kActiveIdleLimitMs = 60000;
    // An idle spell this long is a break.
    static constexpr qint64 kBreakIdleMs = 300000;

    UsageSampler(AppState &state, IdleTimeSource &idleTime);

    void sample();

    // Set while the current idle spell has already been counted as a break; cleared by the next active sample.
    bool idleBreakRecorded() const { return m_idleBreakRecorded; }

private:
    AppState &m_state;
    IdleTimeSource &m_idleTime;
    bool m_idleBreakRecorded = false;
};
