#pragma once

#include <QString>
#include <algorithm>

// Function objects used in the preference table to limit or normalise a value before a setter compares it.
struct Keep {
    template <typename T> const T &operator()(const T &value) const { return value; }
};

struct Clamp {
    int low;
    int high;
    int operator()(int value) const { return std::clamp(value, low, high); }
};

// Only the exact text "blur" selects the blur mode; anything else reads.
struct NormaliseFocusMode {
    QString operator()(const QString &value) const
    {
        return value == QLatin1String("blur") ? QStringLiteral("blur") : QStringLiteral("read");
    }
};
