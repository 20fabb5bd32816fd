#pragma once

#include "UsageDayRecord.h"

#include <QByteArray>
#include <QList>

// The finished days of screen time, oldest first, as kept in memory and stored as one compact JSON array.
class UsageHistory {
public:
    // The most records a writer keeps; the oldest go first.
    static constexpr int kMaxRecords = 120;

    // Reads the stored text. Anything unreadable yields fewer or no records, never an error: elements that are
    // not objects or have no date are dropped, the rest keep their stored order.
    static UsageHistory fromJson(const QByteArray &json);
    QByteArray toJson() const;

    const QList<UsageDayRecord> &records() const { return m_records; }
    void setRecords(const QList<UsageDayRecord> &records) { m_records = records; }
    int size() const { return static_cast<int>(m_records.size()); }
    bool isEmpty() const { return m_records.isEmpty(); }

    // Stores a finished day: overwrites the first record of the same date, otherwise adds it after every older
    // day (the end, unless the clock went back), then trims.
    void archive(const UsageDayRecord &record);
    // Removes the oldest records until at most kMaxRecords remain.
    void trim();

    bool operator==(const UsageHistory &other) const { return m_records == other.m_records; }

private:
    QList<UsageDayRecord> m_records;
};
