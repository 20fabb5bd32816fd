#include "AppState.h"
#include "Clock.h"
#include "TempStore.h"
#include "UsageHistory.h"
#include "UsageSeed.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

const QDate kToday(2026, 3, 14);

UsageDayRecord record(const QString &date, int screen = 0, int night = 0, int longest = 0, int over20 = 0,
                      int breaks = 0, int sessions = 0, bool imported = false)
{
    return UsageDayRecord{date, screen, night, longest, over20, breaks, sessions, imported};
}

// count consecutive days ending the day before today, oldest first.
QList<UsageDayRecord> consecutiveDays(int count)
{
    QList<UsageDayRecord> records;
    for (int i = count; i >= 1; --i) {
        records.append(usageDay(kToday.addDays(-i), 10));
    }
    return records;
}

} // namespace

class TestUsageHistory : public QObject {
    Q_OBJECT

private slots:
    // The load rules: unreadable text yields no records and no error; elements without a date are dropped; a
    // missing or non-integer counter reads 0 and a missing flag false; key order does not matter; nothing is
    // sorted, validated or de-duplicated.
    void load_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<UsageDayRecord>>("expected");
        const QList<UsageDayRecord> none;
        QTest::newRow("empty text") << QByteArray() << none;
        QTest::newRow("not JSON") << QByteArray("[{\"d\":\"2026-03-01\"") << none;
        QTest::newRow("object at top") << QByteArray(R"({"d":"2026-03-01","s":60})") << none;
        QTest::newRow("empty array") << QByteArray("[]") << none;
        QTest::newRow("full record")
            << QByteArray(R"([{"d":"2026-03-01","s":7200,"n":600,"l":2400,"o":2,"b":1,"c":5,"i":true}])")
            << QList<UsageDayRecord>{record("2026-03-01", 7200, 600, 2400, 2, 1, 5, true)};
        QTest::newRow("keys in another order")
            << QByteArray(R"([{"i":false,"c":5,"b":1,"o":2,"l":2400,"n":600,"s":7200,"d":"2026-03-01"}])")
            << QList<UsageDayRecord>{record("2026-03-01", 7200, 600, 2400, 2, 1, 5)};
        QTest::newRow("missing o and i") << QByteArray(R"([{"d":"2026-03-01","s":60,"b":1,"c":2}])")
                                         << QList<UsageDayRecord>{record("2026-03-01", 60, 0, 0, 0, 1, 2)};
        QTest::newRow("non-integer counters")
            << QByteArray(R"([{"d":"2026-03-01","s":1.5,"n":"60","l":null,"o":true,"b":[1],"c":5e20,"i":1}])")
            << QList<UsageDayRecord>{record("2026-03-01")};
        QTest::newRow("no date, empty date, number date")
            << QByteArray(R"([{"s":60},{"d":"","s":60},{"d":20260301,"s":60},{"d":"2026-03-02","s":60}])")
            << QList<UsageDayRecord>{record("2026-03-02", 60)};
        QTest::newRow("non-object elements")
            << QByteArray(R"([5,"x",null,[],{"d":"2026-03-02"}])") << QList<UsageDayRecord>{record("2026-03-02")};
        QTest::newRow("stored order, duplicates and bad dates kept")
            << QByteArray(R"([{"d":"2026-03-05"},{"d":"2026-03-01"},{"d":"2026-03-05","s":30},{"d":"soon"}])")
            << QList<UsageDayRecord>{record("2026-03-05"), record("2026-03-01"), record("2026-03-05", 30),
                                     record("soon")};
    }

    void load()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<UsageDayRecord>, expected);
        QCOMPARE(UsageHistory::fromJson(text).records(), expected);

        // The same text through the store: trackedUsageDays counts what loaded, and loading again in the same
        // run replaces the list instead of adding to it.
        TempStore store;
        seedStore({{"usageHistory", QString::fromUtf8(text)},
                   {"usageBackfilled", true},
                   {"usageDayKey", "2026-03-14"},
                   {"exerciseDayKey", "2026-03-14"}});
        ManualClock clock(QDateTime(kToday, QTime(12, 0)));
        AppState state(nullptr, &clock);
        QCOMPARE(state.usageHistory().records(), expected);
        QCOMPARE(state.trackedUsageDays(), expected.size());
        state.loadUsageHistory();
        QCOMPARE(state.trackedUsageDays(), expected.size());
    }

    void absentKeyYieldsEmptyHistory()
    {
        TempStore store;
        ManualClock clock(QDateTime(kToday, QTime(12, 0)));
        AppState state(nullptr, &clock);
        QCOMPARE(state.trackedUsageDays(), 0);
        QVERIFY(!state.settings().contains(QStringLiteral("usageHistory")));
    }

    // Saving writes one compact JSON array with exactly the eight keys per record, counters as JSON integers
    // and the flag as a boolean; loading it back reproduces the list, order included.
    void saveAndLoadRoundTrip()
    {
        const QList<UsageDayRecord> records{
            record("2026-03-10", 86400, 28800, 86400, 7, 6, 30, false),
            record("2026-03-09", 0, 0, 0, 0, 0, 3, true),
            record("2026-03-11", 2147483647, -1, 1, 2, 3, 4, false),
        };
        UsageHistory history;
        history.setRecords(records);
        const QByteArray text = history.toJson();
        QVERIFY2(!text.contains(' ') && !text.contains('\n'), text.constData());
        QCOMPARE(QJsonDocument::fromJson(text), QJsonDocument::fromJson(historyText(records)));
        const QJsonObject first = QJsonDocument::fromJson(text).array().first().toObject();
        QCOMPARE(first.keys(), (QStringList{"b", "c", "d", "i", "l", "n", "o", "s"}));
        QVERIFY(first.value("i").isBool());
        QVERIFY(text.contains("\"s\":86400,") || text.contains("\"s\":86400}"));
        QCOMPARE(UsageHistory::fromJson(text).records(), records);

        TempStore store;
        seedStore({{"usageHistory", QString::fromUtf8(text)},
                   {"usageBackfilled", true},
                   {"usageDayKey", "2026-03-14"},
                   {"exerciseDayKey", "2026-03-14"}});
        ManualClock clock(QDateTime(kToday, QTime(12, 0)));
        {
            AppState state(nullptr, &clock);
            QCOMPARE(state.usageHistory().records(), records);
            state.saveUsageHistory();
        }
        AppState reloaded(nullptr, &clock);
        QCOMPARE(reloaded.usageHistory().records(), records);
    }

    // At most 120 records: a writer that adds the 121st drops the oldest; replacing a date drops nothing;
    // loading never trims.
    void retention_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("afterLoad");
        QTest::addColumn<int>("afterArchive");
        QTest::addColumn<int>("droppedFromFront");
        QTest::newRow("119 + 1") << 119 << 119 << 120 << 0;
        QTest::newRow("120 + 1") << 120 << 120 << 120 << 1;
        QTest::newRow("125 loaded, + 1") << 125 << 125 << 120 << 6;
    }

    void retention()
    {
        QFETCH(int, stored);
        QFETCH(int, afterLoad);
        QFETCH(int, afterArchive);
        QFETCH(int, droppedFromFront);
        TempStore store;
        const QList<UsageDayRecord> days = consecutiveDays(stored + 1);
        const QList<UsageDayRecord> history = days.mid(0, stored);
        seedStore({{"usageHistory", QString::fromUtf8(historyText(history))},
                   {"usageBackfilled", true},
                   {"usageDayKey", days.last().date},
                   {"todayScreenSeconds", 600},
                   {"exerciseDayKey", "2026-03-14"}});
        {
            // On the day itself: the history loads untrimmed.
            ManualClock sameDay(QDateTime(kToday.addDays(-1), QTime(12, 0)));
            AppState state(nullptr, &sameDay);
            QCOMPARE(state.trackedUsageDays(), afterLoad);
        }
        ManualClock clock(QDateTime(kToday, QTime(12, 0)));
        AppState state(nullptr, &clock);
        const QList<UsageDayRecord> expected = days.mid(droppedFromFront);
        QCOMPARE(state.trackedUsageDays(), afterArchive);
        QCOMPARE(state.usageHistory().records(), expected);

        // Replacing the newest record keeps the size and the oldest record.
        state.recordActiveTick(30);
        state.archiveCurrentDay();
        QCOMPARE(state.trackedUsageDays(), std::min(afterArchive + 1, 120));
        const UsageDayRecord oldest = state.usageHistory().records().first();
        state.recordActiveTick(30);
        state.archiveCurrentDay();
        QCOMPARE(state.trackedUsageDays(), std::min(afterArchive + 1, 120));
        QCOMPARE(state.usageHistory().records().first(), oldest);
        QCOMPARE(state.usageHistory().records().last(), usageDay(kToday, 1, 0, 1));
        AppState reloaded(nullptr, &clock);
        QCOMPARE(reloaded.usageHistory().records(), state.usageHistory().records());
    }

    // A day is archived after every older day: at the end normally, in date order after the clock went back.
    void archiveKeepsDateOrder()
    {
        UsageHistory history;
        history.archive(record("2026-03-10", 60));
        history.archive(record("2026-03-12", 60));
        history.archive(record("2026-03-11", 60));
        history.archive(record("2026-03-09", 60));
        history.archive(record("2026-03-12", 90, 0, 0, 0, 0, 1));
        QCOMPARE(history.records(),
                 (QList<UsageDayRecord>{record("2026-03-09", 60), record("2026-03-10", 60), record("2026-03-11", 60),
                                        record("2026-03-12", 90, 0, 0, 0, 0, 1)}));
    }
};

QTEST_GUILESS_MAIN(TestUsageHistory)
#include "tst_usagehistory.moc"
