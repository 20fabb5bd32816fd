#include "AppState.h"
#include "Clock.h"
#include "FakePlatform.h"
#include "LinuxIdleTime.h"
#include "TempStore.h"
#include "UsageSampler.h"

#include <QtTest>

namespace {

constexpr qint64 kFailed = -1; // stands for a failed idle-time query in the tables

// The idle times an idle spell reports, one per 30 s sample, from the first inactive sample (60 s) up to
// lastMs.
QList<qint64> spell(qint64 lastMs)
{
    QList<qint64> samples;
    for (qint64 idle = 60000; idle < lastMs; idle += 30000) {
        samples.append(idle);
    }
    samples.append(lastMs);
    return samples;
}

QList<qint64> active(int count)
{
    return QList<qint64>(count, 0);
}

struct Rig {
    TempStore store;
    ManualClock clock{QDateTime(QDate(2026, 3, 14), QTime(10, 0))};
    AppState state{nullptr, &clock};
    FakeIdleTime idle;
    UsageSampler sampler{state, idle};

    void run(const QList<qint64> &samples)
    {
        for (qint64 ms : samples) {
            idle.idle = ms == kFailed ? std::nullopt : std::optional<qint64>(ms);
            sampler.sample();
            clock.advanceSeconds(30);
        }
    }
};

} // namespace

class TestUsageSampler : public QObject {
    Q_OBJECT

private slots:
    // One sample after a running session of 30 s: input less than 60 s ago (or an unknown idle time) is
    // active time; from 60 s on nothing is added, and from 5 min on the session ends as a break.
    void oneSample_data()
    {
        QTest::addColumn<qint64>("idleMs");
        QTest::addColumn<int>("screenSeconds");
        QTest::addColumn<int>("sessions");
        QTest::newRow("query failed") << kFailed << 60 << 0;
        QTest::newRow("just now") << qint64(0) << 60 << 0;
        QTest::newRow("59 s") << qint64(59000) << 60 << 0;
        QTest::newRow("59.999 s") << qint64(59999) << 60 << 0;
        QTest::newRow("60 s") << qint64(60000) << 30 << 0;
        QTest::newRow("4:59") << qint64(299000) << 30 << 0;
        QTest::newRow("4:59.999") << qint64(299999) << 30 << 0;
        QTest::newRow("5:00") << qint64(300000) << 30 << 1;
        QTest::newRow("a day") << qint64(86400000) << 30 << 1;
    }

    void oneSample()
    {
        QFETCH(qint64, idleMs);
        QFETCH(int, screenSeconds);
        QFETCH(int, sessions);
        Rig rig;
        rig.run({0, idleMs});
        QCOMPARE(rig.state.todayScreenSeconds(), screenSeconds);
        QCOMPARE(rig.state.todaySessionCount(), sessions);
        QCOMPARE(rig.state.currentSessionSeconds(), sessions ? 0 : screenSeconds);
        QCOMPARE(rig.sampler.idleBreakRecorded(), sessions == 1);
    }

    // Whole sequences of samples: an idle spell counts as one break however long it lasts, a spell under
    // 5 minutes does not interrupt the session, and the break flag is cleared by the next active sample.
    void sequence_data()
    {
        QTest::addColumn<QList<qint64>>("samples");
        QTest::addColumn<int>("screenSeconds");
        QTest::addColumn<int>("currentSession");
        QTest::addColumn<int>("sessions");
        QTest::addColumn<int>("over20");
        QTest::addColumn<bool>("flagBeforeLast");

        QTest::newRow("4:59 spell, then active")
            << active(10) + spell(299000) + active(1) << 330 << 330 << 0 << 0 << false;
        QTest::newRow("5:00 spell lasting 20 more minutes")
            << active(10) + spell(300000 + 20 * 60000) + active(1) << 330 << 30 << 1 << 0 << true;
        QTest::newRow("two spells, two breaks")
            << active(4) + spell(400000) + active(3) + spell(300000) + active(1) << 240 << 30 << 2 << 0 << true;
        QTest::newRow("failed queries count as active")
            << QList<qint64>{kFailed, kFailed, 120000, kFailed} << 90 << 90 << 0 << 0 << false;
        QTest::newRow("40 samples, then a break")
            << active(40) + spell(300000) + active(1) << 1230 << 30 << 1 << 1 << true;
        QTest::newRow("39 samples, then a break")
            << active(39) + spell(300000) + active(1) << 1200 << 30 << 1 << 0 << true;
    }

    void sequence()
    {
        QFETCH(QList<qint64>, samples);
        QFETCH(int, screenSeconds);
        QFETCH(int, currentSession);
        QFETCH(int, sessions);
        QFETCH(int, over20);
        QFETCH(bool, flagBeforeLast);
        Rig rig;
        rig.run(samples.mid(0, samples.size() - 1));
        QCOMPARE(rig.sampler.idleBreakRecorded(), flagBeforeLast);
        rig.run(samples.mid(samples.size() - 1));
        QVERIFY(!rig.sampler.idleBreakRecorded());
        QCOMPARE(rig.state.todayScreenSeconds(), screenSeconds);
        QCOMPARE(rig.state.currentSessionSeconds(), currentSession);
        QCOMPARE(rig.state.todaySessionCount(), sessions);
        QCOMPARE(rig.state.sessionsOver20(), over20);
        QCOMPARE(rig.state.breaksAfter20(), over20);
    }

    // Without an X11 display (here the offscreen platform) the Linux backend cannot tell the idle time, so
    // every sample counts as active.
    void linuxBackendWithoutX11CountsActive()
    {
        QVERIFY(QGuiApplication::platformName() != QLatin1String("xcb"));
        LinuxIdleTime idle;
        QVERIFY(!idle.idleMilliseconds().has_value());
        TempStore store;
        ManualClock clock(QDateTime(QDate(2026, 3, 14), QTime(10, 0)));
        AppState state(nullptr, &clock);
        UsageSampler sampler(state, idle);
        sampler.sample();
        sampler.sample();
        QCOMPARE(state.todayScreenSeconds(), 60);
    }
};

QTEST_MAIN(TestUsageSampler)
#include "tst_usagesampler.moc"
