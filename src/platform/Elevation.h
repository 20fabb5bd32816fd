#pragma once

#include <QStringList>

// Administrator rights for the few machine-wide settings.
class Elevation {
public:
    virtual ~Elevation() = default;
    virtual bool isElevated() const = 0;
    // Starts this program again with administrator rights; false when that is not possible or refused.
    virtual bool startElevated(const QStringList &arguments) = 0;
};
