#pragma once

#include <QJsonObject>
#include <QString>

// One finished day of screen time. Durations are whole seconds; the date is the local day as "yyyy-MM-dd".
struct UsageDayRecord {
    QString date;
    int screenSeconds = 0;
    int nightSeconds = 0;
    int longestSessionSeconds = 0;
    int sessionsOver20 = 0;
    int breaksAfter20 = 0;
    int sessionCount = 0;
    // True for days estimated from system records, false for days the program tracked itself.
    bool imported = false;

    // The stored form: single-letter keys keep the history small enough to live in one settings value.
    QJsonObject toJson() const;
    // Missing or non-integer counters read as 0, a missing flag as false; the caller drops records
    // without a date.
    static UsageDayRecord fromJson(const QJsonObject &object);

    bool operator==(const UsageDayRecord &other) const;
    bool operator!=(const UsageDayRecord &other) const { return !(*this == other); }
};
