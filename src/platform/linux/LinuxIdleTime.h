#pragma once

#include "IdleTimeSource.h"

// Idle time from the X server's screen-saver extension. Outside an X11 session (Wayland, offscreen) or without
// the extension it reports nothing, and the caller treats the moment as active.
class LinuxIdleTime final : public IdleTimeSource {
public:
    std::optional<qint64> idleMilliseconds() const override;
};
