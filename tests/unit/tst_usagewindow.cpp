#include "AppState.h"
#include "Clock.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "TempStore.h"

#include <QTimer>
#include <QtTest>

// The main window's usage timer drives the sampler with the platform's idle time, every 30 seconds, whatever
// the protection switch says.
class TestUsageWindow : public QObject {
    Q_OBJECT

private slots:
    void usageTimerSamplesThePlatformIdleTime()
    {
        TempStore store;
        FakePlatform platform;
        ManualClock clock(QDateTime(QDate(2026, 3, 14), QTime(10, 0)));
        MainWindow window(platform.services(), &clock);
        AppState &state = window.state();
        QTimer *timer = window.usageTimer();
        QCOMPARE(timer->interval(), 30000);
        QVERIFY(timer->isActive());
        QVERIFY(!state.protectionEnabled());

        // The timer's own signal reaches the sampler.
        platform.idle->idle = 1000;
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(state.todayScreenSeconds(), 30);

        platform.idle->idle = 300000;
        window.trackUsage();
        window.trackUsage();
        QCOMPARE(state.todaySessionCount(), 1);
        QVERIFY(window.usageSampler().idleBreakRecorded());
        QCOMPARE(state.todayScreenSeconds(), 30);

        platform.idle->idle = std::nullopt;
        window.trackUsage();
        QVERIFY(!window.usageSampler().idleBreakRecorded());
        QCOMPARE(state.todayScreenSeconds(), 60);
        QCOMPARE(state.currentSessionSeconds(), 30);
    }
};

QTEST_MAIN(TestUsageWindow)
#include "tst_usagewindow.moc"
