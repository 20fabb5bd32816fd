#pragma once

#include <QDateTime>

// Every piece of code that reads "now" goes through a Clock so that tests can pin the time
// (day rollover, night hours, schedules) to exact instants.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    QDate today() const { return now().date(); }
    QString todayKey() const { return today().toString(Qt::ISODate); }

    // The process-wide wall clock used when nothing else is injected.
    static Clock &system();
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that only moves when told to.
class ManualClock final : public Clock {
public:
    explicit ManualClock(const QDateTime &start = QDateTime(QDate(2026, 1, 1), QTime(12, 0))) : m_now(start) {}
    QDateTime now() const override { return m_now; }
    void setNow(const QDateTime &now) { m_now = now; }
    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};
