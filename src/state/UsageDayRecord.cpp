#include "UsageDayRecord.h"

#include <QJsonValue>

namespace {

const QString kDate = QStringLiteral("d");
const QString kScreen = QStringLiteral("s");
const QString kNight = QStringLiteral("n");
const QString kLongest = QStringLiteral("l");
const QString kOver20 = QStringLiteral("o");
const QString kBreaks = QStringLiteral("b");
const QString kSessions = QStringLiteral("c");
const QString kImported = QStringLiteral("i");

} // namespace

QJsonObject UsageDayRecord::toJson() const
{
    QJsonObject object;
    object.insert(kDate, date);
    object.insert(kScreen, screenSeconds);
    object.insert(kNight, nightSeconds);
    object.insert(kLongest, longestSessionSeconds);
    object.insert(kOver20, sessionsOver20);
    object.insert(kBreaks, breaksAfter20);
    object.insert(kSessions, sessionCount);
    object.insert(kImported, imported);
    return object;
}

UsageDayRecord UsageDayRecord::fromJson(const QJsonObject &object)
{
    // QJsonValue::toInt yields the default for anything that is not a whole number within int range.
    UsageDayRecord record;
    record.date = object.value(kDate).toString();
    record.screenSeconds = object.value(kScreen).toInt(0);
    record.nightSeconds = object.value(kNight).toInt(0);
    record.longestSessionSeconds = object.value(kLongest).toInt(0);
    record.sessionsOver20 = object.value(kOver20).toInt(0);
    record.breaksAfter20 = object.value(kBreaks).toInt(0);
    record.sessionCount = object.value(kSessions).toInt(0);
    record.imported = object.value(kImported).toBool(false);
    return record;
}

bool UsageDayRecord::operator==(const UsageDayRecord &other) const
{
    return date == other.date && screenSeconds == other.screenSeconds && nightSeconds == other.nightSeconds &&
           longestSessionSeconds == other.longestSessionSeconds && sessionsOver20 == other.sessionsOver20 &&
           breaksAfter20 == other.breaksAfter20 && sessionCount == other.sessionCount && imported == other.imported;
}
