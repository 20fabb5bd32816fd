#pragma once

#include "AppState.h"

#include <QList>
#include <QStringList>
#include <QVariant>

struct StoreWrite {
    QString key;
    QVariant value;
};

// An AppState that remembers every value it writes to its store, in order, so tests can count writes.
class RecordingAppState : public AppState {
public:
    explicit RecordingAppState(Clock *clock = nullptr) : AppState(nullptr, clock) {}

    void saveValue(const QString &key, const QVariant &value) override;

    const QList<StoreWrite> &writes() const { return m_writes; }
    QStringList writtenKeys() const;
    // The value of the last write of key; an invalid variant when the key was not written.
    QVariant lastWritten(const QString &key) const;
    void clearWrites() { m_writes.clear(); }

private:
    QList<StoreWrite> m_writes;
};
