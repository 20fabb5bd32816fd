#include "UsageHistory.h"

#include <QJsonArray>
#include <QJsonDocument>

UsageHistory UsageHistory::fromJson(const QByteArray &json)
{
    UsageHistory history;
    if (json.isEmpty()) {
        return history;
    }
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isArray()) {
        return history;
    }
    const QJsonArray array = document.array();
    for (const QJsonValue &element : array) {
        // A non-object element reads as an empty object and so has no date.
        const UsageDayRecord record = UsageDayRecord::fromJson(element.toObject());
        if (!record.date.isEmpty()) {
            history.m_records.append(record);
        }
    }
    return history;
}

QByteArray UsageHistory::toJson() const
{
    QJsonArray array;
    for (const UsageDayRecord &record : m_records) {
        array.append(record.toJson());
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

void UsageHistory::archive(const UsageDayRecord &record)
{
    for (UsageDayRecord &existing : m_records) {
        if (existing.date == record.date) {
            existing = record;
            trim();
            return;
        }
    }
    // Normally the day is the newest and goes to the end; after the clock was set back it still lands in date
    // order, so the oldest records stay at the front where trimming expects them.
    qsizetype position = m_records.size();
    while (position > 0 && m_records.at(position - 1).date > record.date) {
        --position;
    }
    m_records.insert(position, record);
    trim();
}

void UsageHistory::trim()
{
    if (m_records.size() > kMaxRecords) {
        m_records.remove(0, m_records.size() - kMaxRecords);
    }
}
