#include "RecordingAppState.h"

void RecordingAppState::saveValue(const QString &key, const QVariant &value)
{
    m_writes.append({key, value});
    AppState::saveValue(key, value);
}

QStringList RecordingAppState::writtenKeys() const
{
    QStringList keys;
    for (const StoreWrite &write : m_writes) {
        keys.append(write.key);
    }
    return keys;
}

QVariant RecordingAppState::lastWritten(const QString &key) const
{
    for (auto it = m_writes.crbegin(); it != m_writes.crend(); ++it) {
        if (it->key == key) {
            return it->value;
        }
    }
    return {};
}
