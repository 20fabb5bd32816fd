#include "TempStore.h"

#include <QDir>
#include <QSettings>

TempStore::TempStore()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

TempStore::~TempStore() = default;

QString TempStore::storeFile() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("Brookvane/GlarewellWindows.conf"));
}
