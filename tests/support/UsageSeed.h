#pragma once

#include "UsageDayRecord.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMetaType>
#include <QVariantMap>

class TempStore;

// Helpers for screen-time tests: stores as an earlier run would have left them, and records built by hand.

// Writes the values into the program's store (the one TempStore points at) and syncs them to disk.
void seedStore(const QVariantMap &values);

// The bytes of the store file on disk, whatever any QSettings object still holds in memory.
QByteArray storeFileText(const TempStore &store);

// A record of the given date with minutes converted to seconds; counts as given.
UsageDayRecord usageDay(const QDate &date, double screenMinutes, double nightMinutes = 0, double longestMinutes = 0,
                        int sessionsOver20 = 0, int breaksAfter20 = 0, int sessionCount = 0);

// The stored JSON text for a list of records, written out key by key (not through the code under test).
QByteArray historyText(const QList<UsageDayRecord> &records);

// Lets QCOMPARE print records that differ.
char *toString(const UsageDayRecord &record);

Q_DECLARE_METATYPE(UsageDayRecord)
