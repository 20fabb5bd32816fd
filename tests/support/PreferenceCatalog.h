#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class AppState;

// One preference as the tests see it: its key, the value a fresh store must yield, a different valid value,
// and access to its getter and setter by key.
struct PreferenceEntry {
    QString key;
    QVariant defaultValue;
    QVariant sampleValue;
    std::function<QVariant(const AppState &)> get;
    // Sets the sample value; empty for "currentModeName", which has no setter of its own.
    std::function<void(AppState &, const QVariant &)> set;
};

// Every persisted preference, in the order the store is read, with the expected defaults written out by hand.
QList<PreferenceEntry> preferenceCatalog();
PreferenceEntry preferenceEntry(const QString &key);

// The keys the program's own preference table declares, in its order.
QStringList declaredPreferenceKeys();
