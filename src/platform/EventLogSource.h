#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

struct SystemEvent {
    QDateTime time;  // UTC
    QString channel; // "Security" or "System"
    int eventId = 0;
};

// The system's own records of lock, unlock, start, stop, sleep and resume.
class EventLogSource {
public:
    virtual ~EventLogSource() = default;
    virtual QList<SystemEvent> readEvents() const = 0;
};
