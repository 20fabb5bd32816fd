#include "UsageSeed.h"

#include "TempStore.h"

#include <QFile>
#include <QSettings>
#include <cmath>

void seedStore(const QVariantMap &values)
{
    QSettings settings(QStringLiteral("Brookvane"), QStringLiteral("GlarewellWindows"));
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        settings.setValue(it.key(), it.value());
    }
    settings.sync();
}

QByteArray storeFileText(const TempStore &store)
{
    QFile file(store.storeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

UsageDayRecord usageDay(const QDate &date, double screenMinutes, double nightMinutes, double longestMinutes,
                        int sessionsOver20, int breaksAfter20, int sessionCount)
{
    UsageDayRecord record;
    record.date = date.toString(Qt::ISODate);
    record.screenSeconds = static_cast<int>(std::lround(screenMinutes * 60));
    record.nightSeconds = static_cast<int>(std::lround(nightMinutes * 60));
    record.longestSessionSeconds = static_cast<int>(std::lround(longestMinutes * 60));
    record.sessionsOver20 = sessionsOver20;
    record.breaksAfter20 = breaksAfter20;
    record.sessionCount = sessionCount;
    return record;
}

QByteArray historyText(const QList<UsageDayRecord> &records)
{
    QByteArray text = "[";
    for (const UsageDayRecord &r : records) {
        if (text.size() > 1) {
            text += ',';
        }
        text += QStringLiteral(R"({"d":"%1","s":%2,"n":%3,"l":%4,"o":%5,"b":%6,"c":%7,"i":%8})")
                    .arg(r.date)
                    .arg(r.screenSeconds)
                    .arg(r.nightSeconds)
                    .arg(r.longestSessionSeconds)
                    .arg(r.sessionsOver20)
                    .arg(r.breaksAfter20)
                    .arg(r.sessionCount)
                    .arg(r.imported ? QStringLiteral("true") : QStringLiteral("false"))
                    .toUtf8();
    }
    return text + ']';
}

char *toString(const UsageDayRecord &record)
{
    return qstrdup(historyText({record}).constData());
}
