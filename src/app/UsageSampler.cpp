#include "UsageSampler.h"

#include "AppState.h"
#include "IdleTimeSource.h"

UsageSampler::UsageSampler(AppState &state, IdleTimeSource &idleTime) : m_state(state), m_idleTime(idleTime) {}

void UsageSampler::sample()
{
    const std::optional<qint64> idle = m_idleTime.idleMilliseconds();
    // When the system cannot tell, the period counts as active rather than silently losing screen time.
    if (!idle || *idle < kActiveIdleLimitMs) {
        m_state.recordActiveTick(kTickSeconds);
        m_idleBreakRecorded = false;
        return;
    }
    if (*idle >= kBreakIdleMs && !m_idleBreakRecorded) {
        m_idleBreakRecorded = true;
        m_state.recordIdleBreak();
    }
}
