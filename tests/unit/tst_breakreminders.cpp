#include "AppState.h"
#include "BreakReminders.h"
#include "Clock.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "ModalResponder.h"
#include "ReminderScheduler.h"
#include "TempStore.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kMinute = 60000;

// One scheduler over a fresh store, a pinned clock and a fake platform. Reminder windows are not shown:
// the runner records each request and can act while "the window is open".
struct Fixture {
    TempStore store;
    ManualClock clock{QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::LocalTime)};
    AppState state{nullptr, &clock};
    FakePlatform platform;
    QTimer relaxTimer;
    BreakReminders reminders{state, platform.services(), &relaxTimer};
    QList<ReminderRequest> shown;
    std::function<void()> whileOpen;
    int beeps = 0;
    int applies = 0;
    bool autoPaused = false;

    Fixture()
    {
        reminders.setDialogRunner([this](const ReminderRequest &request) {
            shown.append(request);
            if (whileOpen) {
                whileOpen();
            }
        });
        reminders.setBeep([this] { ++beeps; });
        reminders.setRuntimeStateApplier([this] { ++applies; });
        reminders.setAutoPausedCheck([this] { return autoPaused; });
        state.setProtectionEnabled(true);
    }
};

} // namespace

class BreakRemindersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "Europe/Berlin"); }

    void breakReminderShowsTheTwentySecondNotice()
    {
        Fixture f;
        f.reminders.showBreakReminder();
        QVERIFY(f.shown.isEmpty()); // disabled by default
        QCOMPARE(f.beeps, 0);

        f.state.setBreakReminderEnabled(true);
        bool activeWhileOpen = false;
        f.whileOpen = [&] {
            activeWhileOpen = f.reminders.reminderActive();
            f.reminders.showBreakReminder(); // the timer fires again while the notice is up
            f.reminders.showRelaxReminder();
            f.reminders.showExerciseReminder();
        };
        f.reminders.showBreakReminder();
        QCOMPARE(f.shown.size(), 1);
        QVERIFY(activeWhileOpen);
        QVERIFY(!f.reminders.reminderActive());
        QCOMPARE(f.beeps, 1);
        const ReminderRequest &r = f.shown.first();
        QCOMPARE(r.title, QStringLiteral("20-20-20 Break"));
        QCOMPARE(r.message, QStringLiteral("Look at something 20 feet away for 20 seconds. This is the live desktop "
                                           "reminder linked to your Protect settings."));
        QCOMPARE(r.countdownSeconds, 20);
        QVERIFY(!r.fullScreen);
        QCOMPARE(r.transparencyPercent, 0);
        QVERIFY(r.fadeIn);
        QVERIFY(!r.lockAtEnd && !r.passwordRequired && !r.enforced && !r.resumeAllowed);
        QCOMPARE(r.snoozeLimit, 0);
        QVERIFY(r.alertSoundPath.isEmpty() && r.musicPath.isEmpty() && r.wallpaperPath.isEmpty());
    }

    void relaxMessageRoundsTheDuration_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("minutes");
        QTest::newRow("90 s") << 90 << "2";
        QTest::newRow("20 s") << 20 << "1";
        QTest::newRow("150 s rounds up") << 150 << "3";
        QTest::newRow("149 s") << 149 << "2";
        QTest::newRow("30 min") << 1800 << "30";
    }
    void relaxMessageRoundsTheDuration()
    {
        QFETCH(int, seconds);
        QFETCH(QString, minutes);
        Fixture f;
        f.state.setRelaxDurationSeconds(seconds);
        f.reminders.showRelaxReminder();
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown.first().title, QStringLiteral("Relax Eyes"));
        QCOMPARE(f.shown.first().countdownSeconds, seconds);
        QCOMPARE(f.shown.first().message,
                 QStringLiteral("Pause and relax for %1 minutes. Blink slowly, soften your focus, and let your eyes "
                                "reset.")
                     .arg(minutes));
    }

    void pomodoroBreakRestsForTheRestMinutes()
    {
        Fixture f;
        f.state.setPomodoroEnabled(true);
        f.state.setPomodoroRestMinutes(7);
        f.reminders.showRelaxReminder();
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown.first().title, QStringLiteral("Pomodoro Break"));
        QCOMPARE(f.shown.first().countdownSeconds, 7 * 60);
        QCOMPARE(f.shown.first().message,
                 QStringLiteral("Work session complete. Rest for 7 minutes before the next focus block."));
    }

    void relaxBreakCarriesTheBreakScreenSettings()
    {
        Fixture f;
        f.state.setRelaxTransparencyPercent(30);
        f.state.setRelaxFadeEnabled(false);
        f.state.setRelaxLockAtEnd(true);
        f.state.setRelaxDelayLimit(2);
        f.state.setRelaxAlertSoundPath(QStringLiteral("/s/end.wav"));
        f.state.setRelaxMusicPath(QStringLiteral("/s/music.ogg"));
        f.state.setRelaxWallpaperPath(QStringLiteral("/p/wall.png"));
        f.state.setRelaxAllowResumeEnabled(true);
        f.reminders.showRelaxReminder();
        const ReminderRequest r = f.shown.value(0);
        QVERIFY(r.fullScreen);
        QCOMPARE(r.transparencyPercent, 30);
        QVERIFY(!r.fadeIn);
        QVERIFY(r.lockAtEnd);
        QCOMPARE(r.snoozeLimit, 2);
        QCOMPARE(r.alertSoundPath, QStringLiteral("/s/end.wav"));
        QCOMPARE(r.musicPath, QStringLiteral("/s/music.ogg"));
        QCOMPARE(r.wallpaperPath, QStringLiteral("/p/wall.png"));
        QVERIFY(r.enforced);
        QVERIFY(r.resumeAllowed);
    }

    void passwordIsRequiredOnlyWhenSetAndSwitchedOn_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("set");
        QTest::addColumn<bool>("required");
        QTest::newRow("on and set") << true << true << true;
        QTest::newRow("on, none set") << true << false << false;
        QTest::newRow("off, set") << false << true << false;
    }
    void passwordIsRequiredOnlyWhenSetAndSwitchedOn()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, set);
        QFETCH(bool, required);
        Fixture f;
        f.state.setRelaxPasswordEnabled(enabled);
        if (set) {
            f.state.setRelaxPassword(QStringLiteral("open sesame"));
        }
        f.reminders.showRelaxReminder();
        const ReminderRequest r = f.shown.value(0);
        QCOMPARE(r.passwordRequired, required);
        QVERIFY(r.passwordCheck);
        QCOMPARE(r.passwordCheck(QStringLiteral("open sesame")), set);
        QVERIFY(!r.passwordCheck(QStringLiteral("Open sesame")));
    }

    void notificationModes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<int>("messageBoxes");
        QTest::addColumn<int>("beeps");
        QTest::newRow("professional") << "professional" << 1 << 0 << 1;
        QTest::newRow("unknown counts as professional") << "fancy" << 1 << 0 << 1;
        QTest::newRow("simplified") << "simplified" << 0 << 1 << 1;
        QTest::newRow("none") << "none" << 0 << 0 << 0;
    }
    void notificationModes()
    {
        QFETCH(QString, mode);
        QFETCH(int, dialogs);
        QFETCH(int, messageBoxes);
        QFETCH(int, beeps);
        Fixture f;
        f.state.setRelaxNotificationMode(mode);
        f.state.setRelaxKeepScreenOnEnabled(true);
        ModalResponder responder;
        if (messageBoxes > 0) {
            responder.acknowledgeMessage();
        }
        f.reminders.showRelaxReminder();
        QVERIFY(responder.idle());
        QCOMPARE(f.shown.size(), dialogs);
        QCOMPARE(responder.messageTexts.size(), messageBoxes);
        if (messageBoxes > 0) {
            QCOMPARE(responder.messageTitles.first(), QStringLiteral("Relax Eyes"));
            QVERIFY(responder.messageTexts.first().startsWith(QStringLiteral("Pause and relax for 1 minutes.")));
        }
        QCOMPARE(f.beeps, beeps);
        QCOMPARE(f.platform.keepAwake->inhibitCalls, mode == QLatin1String("none") ? 0 : 1);
        QVERIFY(!f.platform.keepAwake->active);
        QVERIFY(!f.reminders.reminderActive());
    }

    void keepAwakeHoldsOnlyDuringTheBreak_data()
    {
        QTest::addColumn<bool>("keepScreenOn");
        QTest::newRow("keep screen on") << true;
        QTest::newRow("off") << false;
    }
    void keepAwakeHoldsOnlyDuringTheBreak()
    {
        QFETCH(bool, keepScreenOn);
        Fixture f;
        f.state.setRelaxKeepScreenOnEnabled(keepScreenOn);
        f.platform.keepAwake->active = true; // left over from elsewhere: a break without the option clears it
        bool awakeDuringBreak = false;
        f.whileOpen = [&] { awakeDuringBreak = f.platform.keepAwake->active; };
        f.reminders.showRelaxReminder();
        QCOMPARE(awakeDuringBreak, keepScreenOn);
        QVERIFY(!f.platform.keepAwake->active);
    }

    void breakRestartsTheCycle_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("pomodoro");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<int>("interval"); // of the relax timer after the break
        QTest::newRow("interval") << "professional" << false << false << 30 * kMinute;
        QTest::newRow("pomodoro") << "professional" << true << false << 45 * kMinute;
        QTest::newRow("simplified keeps the plain cycle") << "simplified" << false << false << 5 * kMinute;
        QTest::newRow("simplified pomodoro") << "simplified" << true << false << 45 * kMinute;
        QTest::newRow("preview never restarts") << "professional" << false << true << 5 * kMinute;
        QTest::newRow("none does not restart") << "none" << false << false << 5 * kMinute;
    }
    void breakRestartsTheCycle()
    {
        QFETCH(QString, mode);
        QFETCH(bool, pomodoro);
        QFETCH(bool, preview);
        QFETCH(int, interval);
        Fixture f;
        f.state.setRelaxNotificationMode(mode);
        f.state.setPomodoroEnabled(pomodoro);
        f.relaxTimer.start(5 * kMinute); // some cycle in progress
        f.reminders.setTrayIcon(nullptr);
        ModalResponder responder;
        responder.acknowledgeMessage();
        if (preview) {
            f.reminders.previewRelaxReminder();
        } else {
            f.reminders.showRelaxReminder();
        }
        QVERIFY(f.relaxTimer.isActive());
        QCOMPARE(f.relaxTimer.interval(), interval);
    }

    void previewIsNeverEnforced()
    {
        Fixture f;
        bool previewFlag = false;
        f.whileOpen = [&] { previewFlag = f.reminders.relaxPreviewActive(); };
        f.reminders.previewRelaxReminder();
        QCOMPARE(f.shown.size(), 1);
        QVERIFY(!f.shown.first().enforced);
        QVERIFY(previewFlag);
        QVERIFY(!f.reminders.relaxPreviewActive());
    }

    void remoteStartShowsTheBreakWithoutARunningTimer()
    {
        Fixture f;
        QVERIFY(!f.relaxTimer.isActive());
        f.reminders.showRelaxReminder();
        QCOMPARE(f.shown.size(), 1);
        QVERIFY(f.shown.first().enforced);
        QVERIFY(!f.relaxTimer.isActive()); // nothing starts the cycle behind the user's back

        f.state.setRelaxEyesReminderEnabled(false);
        f.reminders.showRelaxReminder();
        QCOMPARE(f.shown.size(), 1);
    }

    void relaxIntervalHasAFloor_data()
    {
        QTest::addColumn<bool>("pomodoro");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero minutes") << false << 0 << kMinute;
        QTest::newRow("negative") << false << -4 << kMinute;
        QTest::newRow("thirty") << false << 30 << 30 * kMinute;
        QTest::newRow("pomodoro work") << true << 50 << 50 * kMinute;
    }
    void relaxIntervalHasAFloor()
    {
        QFETCH(bool, pomodoro);
        QFETCH(int, minutes);
        QFETCH(int, expected);
        Fixture f;
        f.state.setPomodoroEnabled(pomodoro);
        if (pomodoro) {
            f.state.setPomodoroWorkMinutes(minutes);
        } else {
            f.state.setRelaxIntervalMinutes(minutes);
        }
        QCOMPARE(BreakReminders::relaxIntervalMs(f.state), expected);
    }

    void idlePauseFreezesAndResumesTheRemainder()
    {
        Fixture f;
        f.state.setRelaxPauseOnIdleMinutes(5);
        f.relaxTimer.start(12 * kMinute); // twelve minutes left of a thirty-minute cycle

        f.platform.idle->idle = 4 * kMinute;
        f.reminders.updateRelaxIdlePauseState();
        QVERIFY(!f.reminders.relaxIdlePaused());
        QVERIFY(f.relaxTimer.isActive());

        f.platform.idle->idle = 5 * kMinute;
        f.reminders.updateRelaxIdlePauseState();
        QVERIFY(f.reminders.relaxIdlePaused());
        QVERIFY(!f.relaxTimer.isActive());
        const qint64 remaining = f.reminders.relaxRemainingMs();
        // A coarse timer may run a little over its interval, never under by much.
        QVERIFY2(remaining > 11 * kMinute && remaining < 13 * kMinute, QByteArray::number(remaining));

        f.platform.idle->idle = 40 * kMinute; // still away
        f.reminders.updateRelaxIdlePauseState();
        QCOMPARE(f.reminders.relaxRemainingMs(), remaining);

        f.platform.idle->idle = 2000; // back at the keyboard
        f.reminders.updateRelaxIdlePauseState();
        QVERIFY(!f.reminders.relaxIdlePaused());
        QVERIFY(f.relaxTimer.isActive());
        QCOMPARE(f.relaxTimer.interval(), int(remaining));
        QCOMPARE(f.reminders.relaxRemainingMs(), 0);
        QCOMPARE(f.applies, 0);
    }

    void resumedRemainderIsFollowedByFullCycles()
    {
        Fixture f;
        f.state.setRelaxPauseOnIdleMinutes(1);
        f.state.setRelaxNotificationMode(QStringLiteral("none")); // the firing itself shows nothing
        f.relaxTimer.start(20);
        f.platform.idle->idle = kMinute;
        f.reminders.updateRelaxIdlePauseState();
        f.platform.idle->idle = 0;
        f.reminders.updateRelaxIdlePauseState();
        QVERIFY(f.relaxTimer.interval() <= 20);
        QTRY_COMPARE(f.relaxTimer.interval(), 30 * kMinute);
        QVERIFY(f.relaxTimer.isActive());
    }

    void resumeRespectsProtectionAndPauses_data()
    {
        QTest::addColumn<bool>("protection");
        QTest::addColumn<bool>("autoPaused");
        QTest::addColumn<bool>("relaxEnabled");
        QTest::newRow("protection off") << false << false << true;
        QTest::newRow("full-screen pause") << true << true << true;
        QTest::newRow("reminder off") << true << false << false;
    }
    void resumeRespectsProtectionAndPauses()
    {
        QFETCH(bool, protection);
        QFETCH(bool, autoPaused);
        QFETCH(bool, relaxEnabled);
        Fixture f;
        f.state.setRelaxPauseOnIdleMinutes(5);
        f.relaxTimer.start(12 * kMinute);
        f.platform.idle->idle = 6 * kMinute;
        f.reminders.updateRelaxIdlePauseState();
        f.state.setProtectionEnabled(protection);
        f.autoPaused = autoPaused;
        f.state.setRelaxEyesReminderEnabled(relaxEnabled);
        f.platform.idle->idle = 0;
        f.reminders.updateRelaxIdlePauseState();
        QVERIFY(!f.reminders.relaxIdlePaused());
        QVERIFY(!f.relaxTimer.isActive());
        QCOMPARE(f.reminders.relaxRemainingMs(), 0);
        QCOMPARE(f.applies, 0);
    }

    void resumeWithoutRemainderRearmsTheTimers()
    {
        Fixture f;
        f.state.setRelaxPauseOnIdleMinutes(5);
        f.platform.idle->idle = 6 * kMinute; // the timer was not running when the pause began
        f.reminders.updateRelaxIdlePauseState();
        QVERIFY(f.reminders.relaxIdlePaused());
        f.platform.idle->idle = 0;
        f.reminders.updateRelaxIdlePauseState();
        QCOMPARE(f.applies, 1);
    }

    void switchingIdlePauseOffRearmsImmediately()
    {
        Fixture f;
        f.state.setRelaxPauseOnIdleMinutes(5);
        f.relaxTimer.start(12 * kMinute);
        f.platform.idle->idle = 6 * kMinute;
        f.reminders.updateRelaxIdlePauseState();
        f.state.setRelaxPauseOnIdleMinutes(0);
        f.reminders.updateRelaxIdlePauseState();
        QVERIFY(!f.reminders.relaxIdlePaused());
        QCOMPARE(f.reminders.relaxRemainingMs(), 0);
        QCOMPARE(f.applies, 1);
        f.reminders.updateRelaxIdlePauseState();
        QCOMPARE(f.applies, 1); // only when leaving the pause
    }

    void failedIdleQueryCountsAsActive()
    {
        Fixture f;
        f.state.setRelaxPauseOnIdleMinutes(1);
        f.relaxTimer.start(12 * kMinute);
        f.platform.idle->idle = std::nullopt;
        f.reminders.updateRelaxIdlePauseState();
        QVERIFY(!f.reminders.relaxIdlePaused());
        QVERIFY(f.relaxTimer.isActive());
    }

    void exerciseReminderFiresOnceInItsMinute()
    {
        Fixture f;
        f.state.setExerciseReminderTime(QTime(9, 30));
        const QDate day(2026, 3, 2);
        auto checkAt = [&](const QDate &date, const QTime &time) {
            f.clock.setNow(QDateTime(date, time, Qt::LocalTime));
            f.reminders.checkExerciseReminder();
            return f.shown.size();
        };
        QCOMPARE(checkAt(day, QTime(9, 29, 50)), 0);
        QCOMPARE(checkAt(day, QTime(9, 30, 10)), 1);
        QCOMPARE(checkAt(day, QTime(9, 30, 40)), 1);
        QCOMPARE(checkAt(day, QTime(9, 31, 10)), 1);
        QCOMPARE(checkAt(day.addDays(1), QTime(9, 30, 5)), 2);
        QCOMPARE(f.reminders.lastExerciseReminderDate(), day.addDays(1));

        const ReminderRequest r = f.shown.first();
        QCOMPARE(r.title, QStringLiteral("Exercise Reminder"));
        QCOMPARE(r.message, QStringLiteral("It is time for an eye exercise session. Open the Exercises page and run "
                                           "one of the guided timers."));
        QCOMPARE(r.countdownSeconds, 0);
        QVERIFY(!r.fullScreen && r.fadeIn && !r.enforced && !r.lockAtEnd && !r.passwordRequired);
        QCOMPARE(r.snoozeLimit, 0);

        // A restart of the program in the same minute fires it again: the day is not stored.
        Fixture restarted;
        restarted.state.setExerciseReminderTime(QTime(9, 30));
        restarted.clock.setNow(QDateTime(day, QTime(9, 30, 50), Qt::LocalTime));
        restarted.reminders.checkExerciseReminder();
        QCOMPARE(restarted.shown.size(), 1);
    }

    void exerciseReminderIsSkippedBehindAnotherReminder()
    {
        Fixture f;
        f.state.setExerciseReminderTime(QTime(9, 0));
        f.whileOpen = [&] { f.reminders.checkExerciseReminder(); };
        f.reminders.showRelaxReminder(); // the clock stands at 09:00
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(f.reminders.lastExerciseReminderDate(), QDate(2026, 3, 2));
        f.whileOpen = nullptr;
        f.reminders.checkExerciseReminder();
        QCOMPARE(f.shown.size(), 1); // skipped for today

        f.state.setExerciseReminderEnabled(false);
        f.clock.setNow(QDateTime(QDate(2026, 3, 3), QTime(9, 0), Qt::LocalTime));
        f.reminders.checkExerciseReminder();
        QCOMPARE(f.shown.size(), 1);
    }

    void armingKeepsIdlePauseAndResumedRest()
    {
        TempStore store;
        ManualClock clock;
        AppState state(nullptr, &clock);
        FakePlatform platform;
        ReminderScheduler scheduler(state, platform.services());
        scheduler.handlers()->setDialogRunner([](const ReminderRequest &) {});
        scheduler.handlers()->setBeep([] {});
        state.setProtectionEnabled(true);
        state.setRelaxPauseOnIdleMinutes(5);
        scheduler.applyTimers(false);
        QTimer *relax = scheduler.relaxTimer();
        QVERIFY(relax->isActive());
        QCOMPARE(relax->interval(), 30 * kMinute);

        platform.idle->idle = 6 * kMinute;
        scheduler.updateRelaxIdlePauseState();
        QVERIFY(!relax->isActive());
        scheduler.applyTimers(false); // any settings change while the user is away
        QVERIFY(!relax->isActive());

        platform.idle->idle = 0;
        scheduler.updateRelaxIdlePauseState();
        QVERIFY(relax->isActive());
        const int rest = relax->interval();
        QVERIFY(rest < 31 * kMinute);
        scheduler.applyTimers(false);
        QCOMPARE(relax->interval(), rest); // the rest of the cycle survives re-arming

        state.setRelaxIntervalMinutes(60); // a real change of the cycle still takes effect
        scheduler.handlers()->showRelaxReminder();
        QCOMPARE(relax->interval(), 60 * kMinute);
    }

    void mainWindowDelegatesToTheHandlers()
    {
        TempStore store;
        ManualClock clock(QDateTime(QDate(2026, 3, 2), QTime(12, 0), Qt::LocalTime)); // off the exercise minute
        FakePlatform platform;
        MainWindow window(platform.services(), &clock);
        QList<ReminderRequest> shown;
        BreakReminders *handlers = window.reminders()->handlers();
        handlers->setDialogRunner([&shown](const ReminderRequest &request) { shown.append(request); });
        handlers->setBeep([] {});
        window.state().setBreakReminderEnabled(true);
        window.showBreakReminder();
        window.showRelaxReminder();
        window.previewRelaxReminder();
        window.showExerciseReminder();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown.at(0).title, QStringLiteral("20-20-20 Break"));
        QCOMPARE(shown.at(1).title, QStringLiteral("Relax Eyes"));
        QVERIFY(shown.at(1).enforced);
        QVERIFY(!shown.at(2).enforced);
        QCOMPARE(shown.at(3).title, QStringLiteral("Exercise Reminder"));
    }

    void picksAWallpaperFromTheFolder()
    {
        Fixture f;
        QTemporaryDir dir;
        for (const char *name : {"a.png", "b.JPG", "c.gif", "notes.txt"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir("d.png")); // a folder, not a picture
        f.state.setRelaxWallpaperPath(QStringLiteral("/fixed/wall.png"));
        f.state.setRelaxWallpaperFolder(dir.path());
        QCOMPARE(f.reminders.pickWallpaper(), QStringLiteral("/fixed/wall.png")); // random pick is off

        f.state.setRelaxRandomWallpaperEnabled(true);
        QSet<QString> picked;
        int choices = 0;
        for (int i = 0; i < 3; ++i) {
            f.reminders.setRandomIndex([&choices, i](int count) {
                choices = count;
                return i % count;
            });
            picked.insert(f.reminders.pickWallpaper());
        }
        QCOMPARE(choices, 3); // the patterns ignore letter case, as users expect from extensions
        QCOMPARE(picked.size(), 3);
        QVERIFY(picked.contains(QFileInfo(dir.filePath("b.JPG")).absoluteFilePath()));
        QVERIFY(picked.contains(QFileInfo(dir.filePath("a.png")).absoluteFilePath()));
        QVERIFY(picked.contains(QFileInfo(dir.filePath("c.gif")).absoluteFilePath()));
        f.reminders.setRandomIndex([](int) { return 0; });
        f.reminders.showRelaxReminder();
        QVERIFY(picked.contains(f.shown.value(0).wallpaperPath));

        f.state.setRelaxWallpaperFolder(dir.filePath("missing"));
        QCOMPARE(f.reminders.pickWallpaper(), QStringLiteral("/fixed/wall.png"));
    }
};

QTEST_MAIN(BreakRemindersTest)
#include "tst_breakreminders.moc"
