#include "AppState.h"
#include "Clock.h"
#include "PreferenceCatalog.h"
#include "RecordingAppState.h"
#include "TempStore.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

namespace {

using Reset = std::function<void(AppState &)>;

const QDateTime kNow(QDate(2026, 3, 14), QTime(10, 0));
const QString kHistory = QStringLiteral(R"([{"b":1,"c":3,"d":"2026-03-13","i":false,"l":1200,"n":0,"o":1,"s":3600}])");

// Moves every preference away from its default.
void setEverySample(AppState &state)
{
    for (const PreferenceEntry &entry : preferenceCatalog()) {
        if (entry.set) {
            entry.set(state, entry.sampleValue);
        }
    }
}

QStringList keys(std::initializer_list<const char *> names)
{
    QStringList list;
    for (const char *name : names) {
        list.append(QString::fromLatin1(name));
    }
    return list;
}

const QStringList kDayCounters =
    keys({"todayScreenSeconds", "nightScreenSeconds", "currentSessionSeconds", "longestSessionSeconds",
          "sessionsOver20", "breaksAfter20", "todaySessionCount", "exercisesCompletedToday"});

} // namespace

Q_DECLARE_METATYPE(Reset)

class TestSettingsReset : public QObject {
    Q_OBJECT

private slots:
    // Each partial reset writes exactly its keys, in its order, with their defaults, signals once, and leaves
    // every other preference (including the ones a user might expect it to touch) where it was.
    void partialReset_data()
    {
        QTest::addColumn<Reset>("reset");
        QTest::addColumn<QStringList>("written");

        QTest::newRow("filter") << Reset([](AppState &s) { s.resetFilterDefaults(); })
                                << keys({"currentModeName", "filterIntensity", "dimmingStrength",
                                         "breakReminderEnabled", "autoPauseEnabled", "selectedFilterColor"});
        QTest::newRow("focus") << Reset([](AppState &s) { s.resetFocusDefaults(); })
                               << keys({"focusMode", "focusTransparencyPercent", "focusColor", "focusHeightPixels"});
        QTest::newRow("relax") << Reset([](AppState &s) { s.resetRelaxDefaults(); })
                               << keys({"relaxEyesReminderEnabled", "relaxIntervalMinutes",
                                        "relaxDurationSeconds",     "relaxFullScreenEnabled",
                                        "relaxLockScreenEnabled",   "relaxKeepScreenOnEnabled",
                                        "relaxAllowResumeEnabled",  "pomodoroEnabled",
                                        "pomodoroWorkMinutes",      "pomodoroRestMinutes",
                                        "relaxTransparencyPercent", "relaxFadeEnabled",
                                        "relaxLockAtEnd",           "relaxPasswordEnabled",
                                        "relaxPasswordHash",        "relaxDelayLimit",
                                        "relaxPauseOnIdleMinutes",  "relaxAlertSoundPath",
                                        "relaxMusicPath",           "relaxWallpaperPath",
                                        "relaxNotificationMode",    "relaxRandomWallpaperEnabled",
                                        "relaxWallpaperFolder"});
    }

    void partialReset()
    {
        QFETCH(Reset, reset);
        QFETCH(QStringList, written);
        TempStore store;
        {
            RecordingAppState state;
            setEverySample(state);
            QCOMPARE(state.currentModeName(), QStringLiteral("Sleep"));
            state.clearWrites();
            QSignalSpy changed(&state, &AppState::stateChanged);
            reset(state);
            QCOMPARE(changed.count(), 1);
            QCOMPARE(state.writtenKeys(), written);
            for (const StoreWrite &write : state.writes()) {
                QCOMPARE(write.value, preferenceEntry(write.key).defaultValue);
            }
        }
        // What the reset wrote and what it left alone both survive a restart.
        AppState reloaded;
        for (const PreferenceEntry &entry : preferenceCatalog()) {
            const QVariant expected = written.contains(entry.key) ? entry.defaultValue : entry.sampleValue;
            QVERIFY2(entry.get(reloaded) == expected, qPrintable(entry.key));
        }
    }

    void resetAllKeepsScreenTimeAndDropsEverythingElse()
    {
        TempStore store;
        ManualClock clock(kNow);
        {
            QSettings seed(QStringLiteral("Brookvane"), QStringLiteral("GlarewellWindows"));
            seed.setValue(QStringLiteral("usageHistory"), kHistory);
            seed.setValue(QStringLiteral("usageBackfilled"), true);
            seed.setValue(QStringLiteral("usageDayKey"), QStringLiteral("2026-03-14"));
            seed.setValue(QStringLiteral("exerciseDayKey"), QStringLiteral("2026-03-14"));
            for (int i = 0; i < kDayCounters.size(); ++i) {
                seed.setValue(kDayCounters.at(i), 100 + i);
            }
            seed.setValue(QStringLiteral("usageSnapshotStamp"), QStringLiteral("4096:1700000000"));
            seed.setValue(QStringLiteral("cloud/accessToken"), QStringLiteral("token"));
            seed.setValue(QStringLiteral("cloud/refreshToken"), QStringLiteral("refresh"));
        }
        {
            RecordingAppState state(&clock);
            setEverySample(state);
            state.setIsNightPeriod(true);
            QSignalSpy changed(&state, &AppState::stateChanged);
            state.resetAllSettings();
            QCOMPARE(changed.count(), 1);

            for (const PreferenceEntry &entry : preferenceCatalog()) {
                QVERIFY2(entry.get(state) == entry.defaultValue, qPrintable(entry.key));
                QVERIFY2(!state.settings().contains(entry.key), qPrintable(entry.key));
            }
            QCOMPARE(state.currentModeName(), QStringLiteral("Reading"));
            QCOMPARE(state.usageDayKey(), QStringLiteral("2026-03-14"));
            QCOMPARE(state.exerciseDayKey(), QStringLiteral("2026-03-14"));
            QCOMPARE(state.usageBackfilled(), true);
            QCOMPARE(state.todayScreenSeconds(), 100);
            QCOMPARE(state.exercisesCompletedToday(), 107);
            QVERIFY(state.settings().childGroups().isEmpty());
            QVERIFY(!state.settings().contains(QStringLiteral("usageSnapshotStamp")));
        }
        QSettings after(QStringLiteral("Brookvane"), QStringLiteral("GlarewellWindows"));
        QCOMPARE(QJsonDocument::fromJson(after.value(QStringLiteral("usageHistory")).toString().toUtf8()),
                 QJsonDocument::fromJson(kHistory.toUtf8()));
        QCOMPARE(after.value(QStringLiteral("usageBackfilled")).toBool(), true);
        QCOMPARE(after.value(QStringLiteral("usageDayKey")).toString(), QStringLiteral("2026-03-14"));
        QCOMPARE(after.value(QStringLiteral("exerciseDayKey")).toString(), QStringLiteral("2026-03-14"));
        for (int i = 0; i < kDayCounters.size(); ++i) {
            QCOMPARE(after.value(kDayCounters.at(i)).toInt(), 100 + i);
        }
        QVERIFY(!after.contains(QStringLiteral("cloud/accessToken")));
        QVERIFY(!after.contains(QStringLiteral("cloud/refreshToken")));

        AppState reloaded(nullptr, &clock);
        for (const PreferenceEntry &entry : preferenceCatalog()) {
            QVERIFY2(entry.get(reloaded) == entry.defaultValue, qPrintable(entry.key));
        }
        QCOMPARE(reloaded.longestSessionSeconds(), 103);
    }
};

QTEST_GUILESS_MAIN(TestSettingsReset)
#include "tst_settingsreset.moc"
