#pragma once

#include <QTemporaryDir>

// Points QSettings at a fresh temporary directory for as long as it lives, so every test gets its own store.
class TempStore {
public:
    TempStore();
    ~TempStore();
    QString path() const { return m_dir.path(); }
    // The INI file that holds the program's settings.
    QString storeFile() const;

private:
    QTemporaryDir m_dir;
};
