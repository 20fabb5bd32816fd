#include "AppState.h"
#include "Clock.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "ReminderScheduler.h"
#include "TempStore.h"

#include <QButtonGroup>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

// The runtime loop: which timers run for which settings, and that running countdowns are not restarted
// by unrelated changes. A countdown that was left alone has less than its full interval remaining after a
// short wait; a restarted one is back at the full interval.
class TestRuntimeLoop : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<TempStore>();
        m_platform = std::make_unique<FakePlatform>();
    }
    void cleanup()
    {
        m_platform.reset();
        m_store.reset();
    }

    void unrelatedChangeKeepsBreakCountdown()
    {
        MainWindow window(m_platform->services(), &m_clock);
        AppState &state = window.state();
        state.setBreakReminderEnabled(true);
        state.setProtectionEnabled(true);
        QTimer *breakTimer = window.reminders()->breakTimer();
        QVERIFY(breakTimer->isActive());
        QCOMPARE(breakTimer->interval(), 1200000);
        QTest::qWait(40);

        state.setDimmingStrength(10);
        state.setFocusHeightPixels(400);
        QVERIFY(breakTimer->isActive());
        QVERIFY2(breakTimer->remainingTime() <= 1200000 - 30, "the countdown was restarted");
    }

    void protectionOffStopsReminderTimersAndKeeper()
    {
        MainWindow window(m_platform->services(), &m_clock);
        AppState &state = window.state();
        state.setBreakReminderEnabled(true);
        state.setProtectionEnabled(true);
        QVERIFY(window.reminders()->breakTimer()->isActive());
        QVERIFY(window.reminders()->relaxTimer()->isActive());
        QVERIFY(window.overlayKeeperTimer()->isActive());

        state.setProtectionEnabled(false);
        QVERIFY(!window.reminders()->breakTimer()->isActive());
        QVERIFY(!window.reminders()->relaxTimer()->isActive());
        QVERIFY(!window.overlayKeeperTimer()->isActive());
        // Tracking and the day/night check never stop.
        QVERIFY(window.usageTimer()->isActive());
        QVERIFY(window.dayNightTimer()->isActive());

        state.setProtectionEnabled(true);
        QCOMPARE(window.reminders()->breakTimer()->remainingTime() > 1190000, true);
        QVERIFY(window.overlayKeeperTimer()->isActive());
    }

    void relaxInterval_data()
    {
        QTest::addColumn<bool>("pomodoro");
        QTest::addColumn<int>("relaxMinutes");
        QTest::addColumn<int>("workMinutes");
        QTest::addColumn<int>("expectedMs");
        QTest::newRow("interval 30") << false << 30 << 45 << 1800000;
        QTest::newRow("interval 0 runs at one minute") << false << 0 << 45 << 60000;
        QTest::newRow("negative interval runs at one minute") << false << -5 << 45 << 60000;
        QTest::newRow("pomodoro uses work minutes") << true << 30 << 25 << 1500000;
        QTest::newRow("huge interval is capped, not negative") << false << 1000000 << 45 << 35791 * 60000;
    }
    void relaxInterval()
    {
        QFETCH(bool, pomodoro);
        QFETCH(int, relaxMinutes);
        QFETCH(int, workMinutes);
        QFETCH(int, expectedMs);
        AppState state(nullptr, &m_clock);
        state.setPomodoroEnabled(pomodoro);
        state.setRelaxIntervalMinutes(relaxMinutes);
        state.setPomodoroWorkMinutes(workMinutes);
        state.setProtectionEnabled(true);
        ReminderScheduler scheduler(state);
        scheduler.applyTimers(false);
        QVERIFY(scheduler.relaxTimer()->isActive());
        QCOMPARE(scheduler.relaxTimer()->interval(), expectedMs);
    }

    void pomodoroWorkChangeRestartsRelaxTimerButRestDoesNot()
    {
        MainWindow window(m_platform->services(), &m_clock);
        AppState &state = window.state();
        state.setPomodoroEnabled(true);
        state.setProtectionEnabled(true);
        QTimer *relax = window.reminders()->relaxTimer();
        QCOMPARE(relax->interval(), 45 * 60000);
        QTest::qWait(40);

        state.setPomodoroRestMinutes(10);
        QVERIFY2(relax->remainingTime() <= 45 * 60000 - 30, "a rest change restarted the work countdown");

        state.setPomodoroWorkMinutes(30);
        QCOMPARE(relax->interval(), 30 * 60000);
        QVERIFY(relax->isActive());
    }

    void autoPausedStopsReminderTimers()
    {
        AppState state(nullptr, &m_clock);
        state.setBreakReminderEnabled(true);
        state.setProtectionEnabled(true);
        ReminderScheduler scheduler(state);
        scheduler.applyTimers(false);
        QVERIFY(scheduler.breakTimer()->isActive());
        scheduler.applyTimers(true);
        QVERIFY(!scheduler.breakTimer()->isActive());
        QVERIFY(!scheduler.relaxTimer()->isActive());
    }

    void exerciseCheckRunsOnEveryApply()
    {
        AppState state(nullptr, &m_clock);
        ReminderScheduler scheduler(state);
        QSignalSpy checks(&scheduler, &ReminderScheduler::exerciseCheckDue);
        scheduler.applyTimers(false);
        scheduler.applyTimers(false);
        QCOMPARE(checks.count(), 2);
        QVERIFY(scheduler.exerciseTimer()->isActive());
        QCOMPARE(scheduler.exerciseTimer()->interval(), 30000);

        state.setExerciseReminderEnabled(false);
        scheduler.applyTimers(false);
        QCOMPARE(checks.count(), 2);
        QVERIFY(!scheduler.exerciseTimer()->isActive());
    }

    void foregroundTimerFollowsItsFeatures_data()
    {
        QTest::addColumn<bool>("protection");
        QTest::addColumn<QString>("feature");
        QTest::addColumn<bool>("running");
        QTest::newRow("nothing") << true << QString() << false;
        QTest::newRow("auto pause") << true << "autoPause" << true;
        QTest::newRow("auto pause without protection") << false << "autoPause" << false;
        QTest::newRow("app rules") << true << "appRules" << true;
        QTest::newRow("full screen") << true << "fullScreen" << true;
        QTest::newRow("magic window without protection") << false << "magic" << true;
        QTest::newRow("mini window without protection") << false << "mini" << true;
    }
    void foregroundTimerFollowsItsFeatures()
    {
        QFETCH(bool, protection);
        QFETCH(QString, feature);
        QFETCH(bool, running);
        MainWindow window(m_platform->services(), &m_clock);
        AppState &state = window.state();
        state.setProtectionEnabled(protection);
        state.setAutoPauseEnabled(feature == QLatin1String("autoPause"));
        state.setAppRulesEnabled(feature == QLatin1String("appRules"));
        state.setFullScreenAutoPauseEnabled(feature == QLatin1String("fullScreen"));
        state.setMagicWindowEnabled(feature == QLatin1String("magic"));
        state.setMiniFloatingWindowEnabled(feature == QLatin1String("mini"));
        QCOMPARE(window.foregroundTimer()->isActive(), running);
    }

    void switchPageChecksItsButton()
    {
        MainWindow window(m_platform->services(), &m_clock);
        QCOMPARE(window.navigationGroup()->checkedId(), 0);
        window.switchPage(2);
        QCOMPARE(window.pageStack()->currentIndex(), 2);
        QCOMPARE(window.navigationGroup()->checkedId(), 2);
        // The devices page has no button: the page changes, the checked button stays.
        window.switchPage(5);
        QCOMPARE(window.pageStack()->currentIndex(), 5);
        QCOMPARE(window.navigationGroup()->checkedId(), 2);
        window.switchPage(2);
        QCOMPARE(window.pageStack()->currentIndex(), 2);
        QCOMPARE(window.navigationGroup()->checkedId(), 2);
    }

    void autostartEntryFollowsSettingAtEveryStart()
    {
        {
            MainWindow window(m_platform->services(), &m_clock);
            QVERIFY(m_platform->autostart->enabled);
            QCOMPARE(m_platform->autostart->lastArguments, QStringList{QStringLiteral("--background")});
            QCOMPARE(m_platform->autostart->lastExecutable, QCoreApplication::applicationFilePath());
            window.setStartWithWindows(false);
            QVERIFY(!m_platform->autostart->enabled);
            QVERIFY(!window.state().startWithWindows());
        }
        m_platform->autostart->enabled = true;
        MainWindow restarted(m_platform->services(), &m_clock);
        QVERIFY(!m_platform->autostart->enabled);
    }

    void quitReleasesHotkeysAndCloses()
    {
        MainWindow window(m_platform->services(), &m_clock);
        window.show();
        const int before = m_platform->hotkeys->unregisterAllCalls;
        window.quitFromTray();
        QVERIFY(m_platform->hotkeys->unregisterAllCalls > before);
        QVERIFY(!window.isVisible());
    }

private:
    std::unique_ptr<TempStore> m_store;
    std::unique_ptr<FakePlatform> m_platform;
    ManualClock m_clock{QDateTime(QDate(2026, 3, 14), QTime(10, 0))};
};

QTEST_MAIN(TestRuntimeLoop)
#include "tst_runtimeloop.moc"
