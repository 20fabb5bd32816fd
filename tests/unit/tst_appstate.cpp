#include "AppState.h"
#include "PreferenceCatalog.h"
#include "RecordingAppState.h"
#include "TempStore.h"

#include <QSignalSpy>
#include <QtTest>
#include <limits>

namespace {

// Intensity, dimming and colour name the mode as well, so they write the mode name before their own key.
QStringList expectedWrites(const QString &key)
{
    static const QStringList namingKeys = {QStringLiteral("filterIntensity"), QStringLiteral("dimmingStrength"),
                                           QStringLiteral("selectedFilterColor")};
    if (namingKeys.contains(key)) {
        return {QStringLiteral("currentModeName"), key};
    }
    return {key};
}

QVariantMap rule(const QString &process, const QString &mode)
{
    return {{QStringLiteral("process"), process}, {QStringLiteral("mode"), mode}};
}

} // namespace

class TestAppState : public QObject {
    Q_OBJECT

private slots:
    void freshStoreYieldsDefaults()
    {
        TempStore store;
        AppState state;
        QCOMPARE(state.currentModeName(), QStringLiteral("Reading"));
        QCOMPARE(state.startWithWindows(), true);
        QCOMPARE(state.protectionEnabled(), false);
        QCOMPARE(state.filterIntensity(), 52);
        QCOMPARE(state.focusColor(), QColor(0, 0, 0));
        QCOMPARE(state.exerciseReminderTime(), QTime(9, 0));
    }

    void tableDeclaresEveryKeyInLoadOrder()
    {
        QStringList catalogued;
        for (const PreferenceEntry &entry : preferenceCatalog()) {
            catalogued.append(entry.key);
        }
        QCOMPARE(catalogued.size(), 78);
        // The mode name is derived after the table has been read, so it closes the list.
        QCOMPARE(declaredPreferenceKeys() + QStringList{QStringLiteral("currentModeName")}, catalogued);
    }

    void freshStoreYieldsDefault_data()
    {
        QTest::addColumn<QString>("key");
        for (const PreferenceEntry &entry : preferenceCatalog()) {
            QTest::newRow(qPrintable(entry.key)) << entry.key;
        }
    }

    void freshStoreYieldsDefault()
    {
        QFETCH(QString, key);
        const PreferenceEntry entry = preferenceEntry(key);
        QVERIFY(entry.get);
        TempStore store;
        AppState state;
        QCOMPARE(entry.get(state), entry.defaultValue);
        // Loading a fresh store writes no preference, not even the derived mode name.
        QVERIFY(!state.settings().contains(key));
    }

    // Each setter stores its value under its key, signals once, and a later start reads it back; setting the
    // same value again and then the default round-trips the default through the store as well.
    void setterRoundTrip_data()
    {
        QTest::addColumn<QString>("key");
        for (const PreferenceEntry &entry : preferenceCatalog()) {
            if (entry.set) {
                QTest::newRow(qPrintable(entry.key)) << entry.key;
            }
        }
    }

    void setterRoundTrip()
    {
        QFETCH(QString, key);
        const PreferenceEntry entry = preferenceEntry(key);
        TempStore store;
        {
            RecordingAppState state;
            QSignalSpy changed(&state, &AppState::stateChanged);
            entry.set(state, entry.sampleValue);
            QCOMPARE(changed.count(), 1);
            QCOMPARE(state.writtenKeys(), expectedWrites(key));
            QCOMPARE(state.lastWritten(key), entry.sampleValue);
            QCOMPARE(entry.get(state), entry.sampleValue);

            state.clearWrites();
            entry.set(state, entry.sampleValue);
            QCOMPARE(changed.count(), 1);
            QVERIFY(state.writes().isEmpty());
        }
        {
            RecordingAppState state;
            QCOMPARE(entry.get(state), entry.sampleValue);
            entry.set(state, entry.defaultValue);
            QCOMPARE(state.lastWritten(key), entry.defaultValue);
        }
        AppState reloaded;
        QCOMPARE(entry.get(reloaded), entry.defaultValue);
    }

    void limitAppliedBeforeCompare_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("input");
        QTest::addColumn<QVariant>("expected");

        const auto row = [](const char *name, const char *key, const QVariant &input, const QVariant &expected) {
            QTest::newRow(name) << QString::fromLatin1(key) << input << expected;
        };
        row("pomodoro work 0", "pomodoroWorkMinutes", 0, 1);
        row("pomodoro work 500", "pomodoroWorkMinutes", 500, 180);
        row("pomodoro work 180", "pomodoroWorkMinutes", 180, 180);
        row("pomodoro work 45 unchanged", "pomodoroWorkMinutes", 45, 45);
        row("pomodoro rest -4", "pomodoroRestMinutes", -4, 1);
        row("pomodoro rest 61", "pomodoroRestMinutes", 61, 60);
        row("relax transparency -1", "relaxTransparencyPercent", -1, 0);
        row("relax transparency 101", "relaxTransparencyPercent", 101, 100);
        row("delay limit -3", "relaxDelayLimit", -3, 0);
        row("delay limit 11", "relaxDelayLimit", 11, 10);
        row("pause on idle -1", "relaxPauseOnIdleMinutes", -1, 0);
        row("pause on idle 121", "relaxPauseOnIdleMinutes", 121, 120);
        row("focus transparency 140", "focusTransparencyPercent", 140, 100);
        row("focus transparency -9", "focusTransparencyPercent", -9, 0);
        row("focus height 10", "focusHeightPixels", 10, 50);
        row("focus height 5000", "focusHeightPixels", 5000, 2000);
        row("focus height int min", "focusHeightPixels", std::numeric_limits<int>::min(), 50);
        row("intensity 150", "filterIntensity", 150, 100);
        row("intensity -5", "filterIntensity", -5, 0);
        row("dimming 101", "dimmingStrength", 101, 100);
        row("dimming int max", "dimmingStrength", std::numeric_limits<int>::max(), 100);
        row("focus mode blur", "focusMode", QStringLiteral("blur"), QStringLiteral("blur"));
        row("focus mode Blur", "focusMode", QStringLiteral("Blur"), QStringLiteral("read"));
        row("focus mode BLUR", "focusMode", QStringLiteral("BLUR"), QStringLiteral("read"));
        row("focus mode padded blur", "focusMode", QStringLiteral(" blur"), QStringLiteral("read"));
        row("focus mode empty", "focusMode", QString(), QStringLiteral("read"));
        row("focus mode other text", "focusMode", QStringLiteral("zoom"), QStringLiteral("read"));
        // No limit: these are stored as given.
        row("relax interval 0", "relaxIntervalMinutes", 0, 0);
        row("relax interval -5", "relaxIntervalMinutes", -5, -5);
        row("relax duration 100000", "relaxDurationSeconds", 100000, 100000);
        row("day intensity 250", "dayFilterIntensity", 250, 250);
        row("night dimming -20", "nightDimmingStrength", -20, -20);
        row("toolbar offset -40", "magicToolbarOffset", -40, -40);
        row("mini transparency 150", "miniFloatingTransparencyPercent", 150, 150);
        row("placement free text", "magicToolbarPlacement", QStringLiteral("Nowhere"), QStringLiteral("Nowhere"));
    }

    void limitAppliedBeforeCompare()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, input);
        QFETCH(QVariant, expected);
        const PreferenceEntry entry = preferenceEntry(key);
        QVERIFY(entry.set);
        TempStore store;
        {
            RecordingAppState state;
            QSignalSpy changed(&state, &AppState::stateChanged);
            entry.set(state, input);
            QCOMPARE(entry.get(state), expected);
            // A value that the limit turns into the current one is no change at all.
            const bool changes = expected != entry.defaultValue;
            QCOMPARE(changed.count(), changes ? 1 : 0);
            QCOMPARE(state.writtenKeys(), changes ? expectedWrites(key) : QStringList());
            if (changes) {
                QCOMPARE(state.lastWritten(key), expected);
            }
        }
        AppState reloaded;
        QCOMPARE(entry.get(reloaded), expected);
    }

    void limitedValueEqualToCurrentCausesNothing()
    {
        TempStore store;
        RecordingAppState state;
        state.setPomodoroWorkMinutes(180);
        state.setFocusHeightPixels(50);
        state.setFilterIntensity(0);
        state.clearWrites();
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.setPomodoroWorkMinutes(500);
        state.setFocusHeightPixels(10);
        state.setFilterIntensity(-5);
        QCOMPARE(changed.count(), 0);
        QVERIFY(state.writes().isEmpty());
    }

    void runtimeFlagSignalsButIsNeverStored_data()
    {
        QTest::addColumn<int>("flag");
        QTest::newRow("isNightPeriod") << 0;
        QTest::newRow("autoDarkIsNight") << 1;
    }

    void runtimeFlagSignalsButIsNeverStored()
    {
        QFETCH(int, flag);
        const auto set = [flag](AppState &s, bool value) {
            flag == 0 ? s.setIsNightPeriod(value) : s.setAutoDarkIsNight(value);
        };
        const auto get = [flag](const AppState &s) { return flag == 0 ? s.isNightPeriod() : s.autoDarkIsNight(); };
        TempStore store;
        {
            RecordingAppState state;
            QCOMPARE(get(state), false);
            QSignalSpy changed(&state, &AppState::stateChanged);
            set(state, true);
            QCOMPARE(get(state), true);
            QCOMPARE(changed.count(), 1);
            set(state, true);
            QCOMPARE(changed.count(), 1);
            set(state, false);
            QCOMPARE(changed.count(), 2);
            set(state, true);
            QCOMPARE(changed.count(), 3);
            QVERIFY(state.writes().isEmpty());
        }
        AppState restarted;
        QCOMPARE(get(restarted), false);
    }

    void addAppRuleLowerCasesProcessAndKeepsDuplicates()
    {
        TempStore store;
        const QVariantList expected = {
            rule(QStringLiteral("notepad.exe"), QStringLiteral("Reading")),
            rule(QStringLiteral("notepad.exe"), QStringLiteral("Reading")),
            rule(QStringLiteral(" äpfel.exe "), QStringLiteral(" sLeep ")),
        };
        {
            RecordingAppState state;
            QSignalSpy changed(&state, &AppState::stateChanged);
            state.addAppRule(QStringLiteral("NOTEPAD.EXE"), QStringLiteral("Reading"));
            state.addAppRule(QStringLiteral("NOTEPAD.EXE"), QStringLiteral("Reading"));
            // Neither trimmed nor validated; the mode keeps its case.
            state.addAppRule(QStringLiteral(" ÄPFEL.exe "), QStringLiteral(" sLeep "));
            QCOMPARE(changed.count(), 3);
            QCOMPARE(state.writtenKeys(), QStringList(3, QStringLiteral("appRules")));
            QCOMPARE(state.appRules(), expected);
            QCOMPARE(state.lastWritten(QStringLiteral("appRules")), QVariant(expected));
        }
        AppState reloaded;
        QCOMPARE(reloaded.appRules(), expected);
    }

    void removeAppRule_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("remaining");
        const QStringList all = {QStringLiteral("a.exe"), QStringLiteral("b.exe"), QStringLiteral("c.exe")};
        QTest::newRow("first") << 0 << QStringList{QStringLiteral("b.exe"), QStringLiteral("c.exe")};
        QTest::newRow("middle") << 1 << QStringList{QStringLiteral("a.exe"), QStringLiteral("c.exe")};
        QTest::newRow("last") << 2 << QStringList{QStringLiteral("a.exe"), QStringLiteral("b.exe")};
        QTest::newRow("one past the end") << 3 << all;
        QTest::newRow("negative") << -1 << all;
        QTest::newRow("int min") << std::numeric_limits<int>::min() << all;
        QTest::newRow("int max") << std::numeric_limits<int>::max() << all;
    }

    void removeAppRule()
    {
        QFETCH(int, index);
        QFETCH(QStringList, remaining);
        TempStore store;
        {
            RecordingAppState state;
            for (const char *process : {"a.exe", "b.exe", "c.exe"}) {
                state.addAppRule(QString::fromLatin1(process), QStringLiteral("pause"));
            }
            state.clearWrites();
            QSignalSpy changed(&state, &AppState::stateChanged);
            state.removeAppRule(index);
            const bool removed = remaining.size() == 2;
            QCOMPARE(changed.count(), removed ? 1 : 0);
            QCOMPARE(state.writtenKeys(), removed ? QStringList{QStringLiteral("appRules")} : QStringList());
        }
        AppState reloaded;
        QStringList processes;
        for (const QVariant &element : reloaded.appRules()) {
            processes.append(element.toMap().value(QStringLiteral("process")).toString());
        }
        QCOMPARE(processes, remaining);
    }

    void setAppRulesComparesElementByElement()
    {
        TempStore store;
        RecordingAppState state;
        const QVariantList rules = {rule(QStringLiteral("a.exe"), QStringLiteral("Movie")),
                                    rule(QStringLiteral("b.exe"), QStringLiteral("pause"))};
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.setAppRules(rules);
        QCOMPARE(changed.count(), 1);

        // An equal list built separately is no change.
        state.setAppRules({rule(QStringLiteral("a.exe"), QStringLiteral("Movie")),
                           rule(QStringLiteral("b.exe"), QStringLiteral("pause"))});
        QCOMPARE(changed.count(), 1);

        // The same rules in another order, or one element differing, are a change.
        state.setAppRules({rules.at(1), rules.at(0)});
        QCOMPARE(changed.count(), 2);
        state.setAppRules({rules.at(1), rule(QStringLiteral("a.exe"), QStringLiteral("Work"))});
        QCOMPARE(changed.count(), 3);
        QCOMPARE(state.writtenKeys(), QStringList(3, QStringLiteral("appRules")));
    }
};

QTEST_GUILESS_MAIN(TestAppState)
#include "tst_appstate.moc"
