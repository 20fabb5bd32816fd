#include "AppState.h"
#include "Clock.h"
#include "TempStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QtTest>

namespace {

constexpr int kTickSeconds = 30;
constexpr int kStepSeconds = 3 * 3600; // eight ticks per simulated day
constexpr int kWaitMs = 60000;

// What a killed run left on disk.
struct StoreSnapshot {
    QList<QJsonObject> records;
    QString usageDay;
    int screen = 0;
    qint64 total = 0; // every tick ever recorded: archived days plus the open one
};

// Reads the store file through a copy under a fresh name, so no settings object of this process can answer
// from memory.
QSettings *openCopy(const TempStore &store, int run, QObject *parent)
{
    const QString copy = QDir(store.path()).filePath(QStringLiteral("check-%1.conf").arg(run));
    QFile::remove(copy);
    if (!QFile::copy(store.storeFile(), copy)) {
        return nullptr;
    }
    auto *settings = new QSettings(copy, QSettings::IniFormat);
    settings->setParent(parent);
    return settings;
}

// Moves a file's modification time into the past, as if the program had died that long ago.
bool age(const QString &path, int seconds)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(Clock::system().now().addSecs(-seconds), QFileDevice::FileModificationTime);
}

int lastLine(const QByteArray &output)
{
    const QList<QByteArray> lines = output.split('\n');
    // The text after the last newline is an unfinished line (or nothing).
    return lines.size() >= 2 ? lines.at(lines.size() - 2).toInt() : 0;
}

} // namespace

class TestUsageCrash : public QObject {
    Q_OBJECT

private:
    // The stored state must parse and be consistent at whatever moment the writer died.
    void readConsistentStore(const TempStore &store, int run, StoreSnapshot &snapshot)
    {
        QObject owner;
        QSettings *settings = openCopy(store, run, &owner);
        QVERIFY(settings);
        QCOMPARE(settings->status(), QSettings::NoError);

        snapshot = StoreSnapshot();
        const QString text = settings->value(QStringLiteral("usageHistory")).toString();
        if (!text.isEmpty()) {
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
            QVERIFY(document.isArray());
            const QJsonArray array = document.array();
            for (const QJsonValue &value : array) {
                snapshot.records.append(value.toObject());
            }
        }
        QString previousDate;
        for (const QJsonObject &record : std::as_const(snapshot.records)) {
            const QString date = record.value("d").toString();
            QVERIFY2(QDate::fromString(date, Qt::ISODate).isValid(), qPrintable(date));
            QVERIFY2(date > previousDate, qPrintable(date)); // ascending, one record per day
            previousDate = date;
            const int screen = record.value("s").toInt(-1);
            QVERIFY(screen > 0 && screen % kTickSeconds == 0);
            QVERIFY(record.value("n").toInt(-1) >= 0 && record.value("n").toInt() <= screen);
            QVERIFY(record.value("l").toInt(-1) > 0 && record.value("l").toInt() <= screen);
            QCOMPARE(record.value("o").toInt(-1), record.value("b").toInt(-2));
            QVERIFY(record.value("c").toInt(-1) >= record.value("o").toInt());
            QCOMPARE(record.value("i"), QJsonValue(false));
            snapshot.total += screen;
        }

        snapshot.usageDay = settings->value(QStringLiteral("usageDayKey")).toString();
        QVERIFY2(QDate::fromString(snapshot.usageDay, Qt::ISODate).isValid(), qPrintable(snapshot.usageDay));
        QVERIFY(snapshot.usageDay > previousDate);
        const auto counter = [&](const char *key) { return settings->value(QLatin1String(key), -1).toInt(); };
        snapshot.screen = counter("todayScreenSeconds");
        QVERIFY(snapshot.screen >= 0 && snapshot.screen % kTickSeconds == 0);
        QVERIFY(counter("nightScreenSeconds") >= 0 && counter("nightScreenSeconds") <= snapshot.screen);
        QVERIFY(counter("currentSessionSeconds") >= 0);
        QVERIFY(counter("currentSessionSeconds") <= counter("longestSessionSeconds"));
        QVERIFY(counter("longestSessionSeconds") <= snapshot.screen);
        QCOMPARE(counter("sessionsOver20"), counter("breaksAfter20"));
        QVERIFY(counter("sessionsOver20") >= 0 && counter("sessionsOver20") <= counter("todaySessionCount"));
        snapshot.total += snapshot.screen;
    }

private slots:
    // An empty lock file next to the store is what a writer killed at the wrong moment leaves; once it is older
    // than a live writer could need, the program removes it instead of blocking its first write on it. A fresh
    // one may belong to a writer just now filling it and stays.
    void abandonedEmptyLockIsRemoved_data()
    {
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("removed");
        QTest::newRow("empty, 10 s old") << 10 << QByteArray() << true;
        QTest::newRow("empty, just created") << 0 << QByteArray() << false;
        QTest::newRow("owner written, 10 s old") << 10 << QByteArray("1\nglarewell\nhost\n") << false;
    }

    void abandonedEmptyLockIsRemoved()
    {
        QFETCH(int, ageSeconds);
        QFETCH(QByteArray, contents);
        QFETCH(bool, removed);
        TempStore store;
        const QDate day(2026, 3, 14);
        {
            QSettings seed(QStringLiteral("Brookvane"), QStringLiteral("GlarewellWindows"));
            seed.setValue(QStringLiteral("usageDayKey"), day.toString(Qt::ISODate));
            seed.setValue(QStringLiteral("exerciseDayKey"), day.toString(Qt::ISODate));
            seed.setValue(QStringLiteral("usageBackfilled"), true);
        }
        const QString lock = store.storeFile() + QStringLiteral(".lock");
        {
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        QVERIFY(age(lock, ageSeconds));
        ManualClock clock(QDateTime(day, QTime(12, 0)));
        AppState state(nullptr, &clock);
        QCOMPARE(!QFile::exists(lock), removed);
        // Nothing else may write this store while a possibly live lock is in place.
        if (removed) {
            state.recordActiveTick(30);
            QFile file(store.storeFile());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll().contains("todayScreenSeconds=30\n"));
        }
        QFile::remove(lock);
    }

    // The ticker is killed at several moments (before its first tick, early, after several day changes); each
    // time the store parses, its counters are consistent, at most the tick in progress is missing, and the
    // program starts on it again with the same history.
    void killedWriterLeavesALoadableStore()
    {
        TempStore store;
        const QList<int> killAfter{3, 0, 17, 1, 64, 150, 9};
        QDateTime start(QDate(2026, 1, 5), QTime(0, 10));
        qint64 recorded = 0;

        for (int run = 0; run < killAfter.size(); ++run) {
            QProcess ticker;
            ticker.setProcessChannelMode(QProcess::SeparateChannels);
            ticker.start(QStringLiteral(USAGE_TICKER_PATH), {store.path(), start.toString(Qt::ISODate),
                                                             QString::number(kStepSeconds), QString::number(1000000)});
            QVERIFY(ticker.waitForStarted(kWaitMs));
            QByteArray output;
            while (output.count('\n') < killAfter.at(run) && ticker.waitForReadyRead(kWaitMs)) {
                output += ticker.readAllStandardOutput();
            }
            QVERIFY2(output.count('\n') >= killAfter.at(run), ticker.readAllStandardError().constData());
            ticker.kill();
            QVERIFY(ticker.waitForFinished(kWaitMs));
            QCOMPARE(ticker.exitStatus(), QProcess::CrashExit);
            output += ticker.readAllStandardOutput();
            const int printed = lastLine(output);
            // Killed between creating the store's lock file and writing its owner into it, the writer leaves an
            // empty lock; a start some time later must not wait for it.
            const QString lock = store.storeFile() + QStringLiteral(".lock");
            if (QFileInfo(lock).exists() && QFileInfo(lock).size() == 0) {
                QVERIFY(age(lock, 10));
            }

            StoreSnapshot snapshot;
            readConsistentStore(store, run, snapshot);
            if (QTest::currentTestFailed()) {
                return;
            }
            const qint64 added = snapshot.total - recorded;
            QVERIFY2(
                added == qint64(printed) * kTickSeconds || added == qint64(printed + 1) * kTickSeconds,
                qPrintable(QStringLiteral("run %1: %2 ticks printed, %3 s added").arg(run).arg(printed).arg(added)));
            recorded = snapshot.total;

            // The program loads what was left, on the day it was left on.
            {
                ManualClock sameDay(QDateTime(QDate::fromString(snapshot.usageDay, Qt::ISODate), QTime(12, 0)));
                AppState state(nullptr, &sameDay);
                QCOMPARE(state.trackedUsageDays(), snapshot.records.size());
                QCOMPARE(state.usageDayKey(), snapshot.usageDay);
                QCOMPARE(state.todayScreenSeconds(), snapshot.screen);
            }
            // The next run starts on a later day than any this one can have reached.
            start = QDateTime(start.addSecs(qint64(printed + 1) * kStepSeconds).date().addDays(1), QTime(0, 10));
        }

        // A last start on a later day archives the open day: nothing recorded was lost.
        ManualClock later(start);
        AppState state(nullptr, &later);
        qint64 archived = 0;
        for (const UsageDayRecord &record : state.usageHistory().records()) {
            archived += record.screenSeconds;
        }
        QCOMPARE(archived, recorded);
        QCOMPARE(state.todayScreenSeconds(), 0);
    }
};

QTEST_GUILESS_MAIN(TestUsageCrash)
#include "tst_usagecrash.moc"
