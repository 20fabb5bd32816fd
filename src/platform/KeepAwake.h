#pragma once

#include <QString>

// Keeps the display from blanking while a break runs.
class KeepAwake {
public:
    virtual ~KeepAwake() = default;
    virtual void inhibit(const QString &reason) = 0;
    virtual void release() = 0;
};
