#pragma once

#include <QtGlobal>
#include <optional>

// How long the user has not touched keyboard or mouse.
class IdleTimeSource {
public:
    virtual ~IdleTimeSource() = default;
    // Milliseconds since the last input, or nothing when the system cannot tell.
    virtual std::optional<qint64> idleMilliseconds() const = 0;
};
