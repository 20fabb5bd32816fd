#include "AppState.h"
#include "PreferenceCatalog.h"
#include "RecordingAppState.h"
#include "TempStore.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

namespace {

QJsonObject defaultSnapshot()
{
    return {
        {QStringLiteral("is_protection_enabled"), false},
        {QStringLiteral("intensity"), 52},
        {QStringLiteral("is_break_reminder_enabled"), false},
        {QStringLiteral("is_auto_pause_enabled"), false},
        {QStringLiteral("is_relax_eyes_reminder_enabled"), true},
        {QStringLiteral("relax_eyes_interval_minutes"), 30},
        {QStringLiteral("relax_eyes_duration_seconds"), 60},
        {QStringLiteral("is_relax_eyes_fullscreen_enabled"), false},
        {QStringLiteral("is_relax_eyes_keep_screen_on_enabled"), false},
        {QStringLiteral("is_focus_mode_enabled"), false},
    };
}

// A snapshot in which every member differs from the defaults.
QJsonObject remoteSnapshot()
{
    return {
        {QStringLiteral("is_protection_enabled"), true},
        {QStringLiteral("intensity"), 80},
        {QStringLiteral("is_break_reminder_enabled"), true},
        {QStringLiteral("is_auto_pause_enabled"), true},
        {QStringLiteral("is_relax_eyes_reminder_enabled"), false},
        {QStringLiteral("relax_eyes_interval_minutes"), 45},
        {QStringLiteral("relax_eyes_duration_seconds"), 120},
        {QStringLiteral("is_relax_eyes_fullscreen_enabled"), true},
        {QStringLiteral("is_relax_eyes_keep_screen_on_enabled"), true},
        {QStringLiteral("is_focus_mode_enabled"), true},
    };
}

} // namespace

class TestCloudSnapshot : public QObject {
    Q_OBJECT

private slots:
    void snapshotCarriesTheTenSettings()
    {
        TempStore store;
        AppState state;
        QCOMPARE(state.cloudSettingsSnapshot(), defaultSnapshot());

        state.setProtectionEnabled(true);
        state.setFilterIntensity(80);
        state.setBreakReminderEnabled(true);
        state.setAutoPauseEnabled(true);
        state.setRelaxEyesReminderEnabled(false);
        state.setRelaxIntervalMinutes(45);
        state.setRelaxDurationSeconds(120);
        state.setRelaxFullScreenEnabled(true);
        state.setRelaxKeepScreenOnEnabled(true);
        state.setFocusEnabled(true);
        // Settings outside the snapshot leave it alone.
        state.setDimmingStrength(3);
        state.setSelectedFilterColor(QColor(0, 0, 0));
        state.setRelaxLockScreenEnabled(true);
        state.setRelaxPassword(QStringLiteral("pw"));
        QCOMPARE(state.cloudSettingsSnapshot(), remoteSnapshot());
    }

    void appliedMemberReachesItsSetting_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char *member, const char *key, const QVariant &expected) {
            QTest::newRow(member) << QString::fromLatin1(member) << QString::fromLatin1(key) << expected;
        };
        row("is_protection_enabled", "protectionEnabled", true);
        row("intensity", "filterIntensity", 80);
        row("is_break_reminder_enabled", "breakReminderEnabled", true);
        row("is_auto_pause_enabled", "autoPauseEnabled", true);
        row("is_relax_eyes_reminder_enabled", "relaxEyesReminderEnabled", false);
        row("relax_eyes_interval_minutes", "relaxIntervalMinutes", 45);
        row("relax_eyes_duration_seconds", "relaxDurationSeconds", 120);
        row("is_relax_eyes_fullscreen_enabled", "relaxFullScreenEnabled", true);
        row("is_relax_eyes_keep_screen_on_enabled", "relaxKeepScreenOnEnabled", true);
        row("is_focus_mode_enabled", "focusEnabled", true);
    }

    // One member changes its own setting through the setter contract and nothing else.
    void appliedMemberReachesItsSetting()
    {
        QFETCH(QString, member);
        QFETCH(QString, key);
        QFETCH(QVariant, expected);
        TempStore store;
        RecordingAppState state;
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.applyCloudSettingsSnapshot({{member, remoteSnapshot().value(member)}});
        QCOMPARE(changed.count(), 1);
        const bool names = key == QLatin1String("filterIntensity");
        const QStringList written = names ? QStringList{QStringLiteral("currentModeName"), key} : QStringList{key};
        QCOMPARE(state.writtenKeys(), written);
        for (const PreferenceEntry &entry : preferenceCatalog()) {
            if (entry.key == key) {
                QCOMPARE(entry.get(state), expected);
            } else if (!(names && entry.key == QLatin1String("currentModeName"))) {
                QVERIFY2(entry.get(state) == entry.defaultValue, qPrintable(entry.key));
            }
        }
    }

    void booleanInterpretation_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<bool>("expected");
        QTest::newRow("true") << QJsonValue(true) << true;
        QTest::newRow("false") << QJsonValue(false) << false;
        QTest::newRow("1") << QJsonValue(1) << true;
        QTest::newRow("0") << QJsonValue(0) << false;
        QTest::newRow("-1") << QJsonValue(-1) << true;
        QTest::newRow("1.5") << QJsonValue(1.5) << false;
        QTest::newRow("0.5") << QJsonValue(0.5) << false;
        QTest::newRow("2.5") << QJsonValue(2.5) << false;
        QTest::newRow("2.0") << QJsonValue(2.0) << true;
        QTest::newRow("int max") << QJsonValue(2147483647.0) << true;
        QTest::newRow("int max + 1") << QJsonValue(2147483648.0) << false;
        QTest::newRow("int min") << QJsonValue(-2147483648.0) << true;
        QTest::newRow("int min - 1") << QJsonValue(-2147483649.0) << false;
        QTest::newRow("1e300") << QJsonValue(1e300) << false;
        QTest::newRow("TRUE") << QJsonValue(QStringLiteral("TRUE")) << true;
        QTest::newRow("True") << QJsonValue(QStringLiteral("True")) << true;
        QTest::newRow("text true") << QJsonValue(QStringLiteral("true")) << true;
        QTest::newRow("padded true") << QJsonValue(QStringLiteral(" true")) << false;
        QTest::newRow("text false") << QJsonValue(QStringLiteral("false")) << false;
        QTest::newRow("yes") << QJsonValue(QStringLiteral("yes")) << false;
        QTest::newRow("text 1") << QJsonValue(QStringLiteral("1")) << false;
        QTest::newRow("empty text") << QJsonValue(QString()) << false;
        QTest::newRow("null") << QJsonValue(QJsonValue::Null) << false;
        QTest::newRow("array") << QJsonValue(QJsonArray{true}) << false;
        QTest::newRow("object") << QJsonValue(QJsonObject{{QStringLiteral("v"), true}}) << false;
    }

    // Starts from the opposite value so that every row is a real change.
    void booleanInterpretation()
    {
        QFETCH(QJsonValue, value);
        QFETCH(bool, expected);
        TempStore store;
        AppState state;
        state.setFocusEnabled(!expected);
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.applyCloudSettingsSnapshot({{QStringLiteral("is_focus_mode_enabled"), value}});
        QCOMPARE(state.focusEnabled(), expected);
        QCOMPARE(changed.count(), 1);
    }

    void intensityIsRoundedAndClamped_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("57.5") << QJsonValue(57.5) << 58;
        QTest::newRow("57.4") << QJsonValue(57.4) << 57;
        QTest::newRow("52.4 is no change") << QJsonValue(52.4) << 52;
        QTest::newRow("99.5") << QJsonValue(99.5) << 100;
        QTest::newRow("-3") << QJsonValue(-3) << 0;
        QTest::newRow("-0.5") << QJsonValue(-0.5) << 0;
        QTest::newRow("250") << QJsonValue(250) << 100;
        QTest::newRow("1e300") << QJsonValue(1e300) << 100;
        QTest::newRow("text 60") << QJsonValue(QStringLiteral("60")) << 0;
        QTest::newRow("true") << QJsonValue(true) << 0;
        QTest::newRow("null") << QJsonValue(QJsonValue::Null) << 0;
    }

    void intensityIsRoundedAndClamped()
    {
        QFETCH(QJsonValue, value);
        QFETCH(int, expected);
        TempStore store;
        AppState state;
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.applyCloudSettingsSnapshot({{QStringLiteral("intensity"), value}});
        QCOMPARE(state.filterIntensity(), expected);
        const bool changes = expected != 52;
        QCOMPARE(changed.count(), changes ? 1 : 0);
        QCOMPARE(state.currentModeName(), changes ? QStringLiteral("Custom") : QStringLiteral("Reading"));
    }

    void durationsAreWholeNumbersOrZero_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<int>("expected");
        const QString interval = QStringLiteral("relax_eyes_interval_minutes");
        const QString duration = QStringLiteral("relax_eyes_duration_seconds");
        QTest::newRow("interval 0") << interval << QJsonValue(0) << 0;
        QTest::newRow("interval 12.7") << interval << QJsonValue(12.7) << 0;
        QTest::newRow("interval -5 unclamped") << interval << QJsonValue(-5) << -5;
        QTest::newRow("interval 45") << interval << QJsonValue(45) << 45;
        QTest::newRow("interval text 15") << interval << QJsonValue(QStringLiteral("15")) << 0;
        QTest::newRow("interval 1e12") << interval << QJsonValue(1e12) << 0;
        QTest::newRow("interval null") << interval << QJsonValue(QJsonValue::Null) << 0;
        QTest::newRow("duration 100000 unclamped") << duration << QJsonValue(100000) << 100000;
        QTest::newRow("duration 59.9") << duration << QJsonValue(59.9) << 0;
        QTest::newRow("duration true") << duration << QJsonValue(true) << 0;
    }

    void durationsAreWholeNumbersOrZero()
    {
        QFETCH(QString, member);
        QFETCH(QJsonValue, value);
        QFETCH(int, expected);
        TempStore store;
        AppState state;
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.applyCloudSettingsSnapshot({{member, value}});
        const bool interval = member == QLatin1String("relax_eyes_interval_minutes");
        QCOMPARE(interval ? state.relaxIntervalMinutes() : state.relaxDurationSeconds(), expected);
        QCOMPARE(changed.count(), 1);
    }

    void noChangeEmitsNothing_data()
    {
        QTest::addColumn<QJsonObject>("snapshot");
        QTest::newRow("empty object") << QJsonObject();
        QTest::newRow("own snapshot") << remoteSnapshot();
        QTest::newRow("unknown members") << QJsonObject{{QStringLiteral("dimming"), 3},
                                                        {QStringLiteral("color"), QStringLiteral("#000000")},
                                                        {QStringLiteral("focus_mode"), QStringLiteral("blur")},
                                                        {QStringLiteral("Is_Protection_Enabled"), false},
                                                        {QStringLiteral("relax_password"), QStringLiteral("x")}};
    }

    // The state already matches remoteSnapshot(); none of these objects carries a difference.
    void noChangeEmitsNothing()
    {
        QFETCH(QJsonObject, snapshot);
        TempStore store;
        RecordingAppState state;
        state.applyCloudSettingsSnapshot(remoteSnapshot());
        QCOMPARE(state.cloudSettingsSnapshot(), remoteSnapshot());
        const QString mode = state.currentModeName();
        state.clearWrites();
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.applyCloudSettingsSnapshot(snapshot);
        QCOMPARE(changed.count(), 0);
        QVERIFY(state.writes().isEmpty());
        QCOMPARE(state.cloudSettingsSnapshot(), remoteSnapshot());
        QCOMPARE(state.dimmingStrength(), 34);
        QCOMPARE(state.currentModeName(), mode);
    }

    // Every changed member signals on its own and is written in table order.
    void fullSnapshotSignalsOncePerChange()
    {
        TempStore store;
        {
            RecordingAppState state;
            QSignalSpy changed(&state, &AppState::stateChanged);
            state.applyCloudSettingsSnapshot(remoteSnapshot());
            QCOMPARE(changed.count(), 10);
            QCOMPARE(state.writtenKeys(),
                     QStringList({QStringLiteral("protectionEnabled"), QStringLiteral("currentModeName"),
                                  QStringLiteral("filterIntensity"), QStringLiteral("breakReminderEnabled"),
                                  QStringLiteral("autoPauseEnabled"), QStringLiteral("relaxEyesReminderEnabled"),
                                  QStringLiteral("relaxIntervalMinutes"), QStringLiteral("relaxDurationSeconds"),
                                  QStringLiteral("relaxFullScreenEnabled"), QStringLiteral("relaxKeepScreenOnEnabled"),
                                  QStringLiteral("focusEnabled")}));

            QJsonObject partly = defaultSnapshot();
            partly.insert(QStringLiteral("intensity"), 80);
            partly.insert(QStringLiteral("relax_eyes_interval_minutes"), 45);
            changed.clear();
            state.applyCloudSettingsSnapshot(partly);
            QCOMPARE(changed.count(), 8);
        }
        AppState reloaded;
        QJsonObject expected = defaultSnapshot();
        expected.insert(QStringLiteral("intensity"), 80);
        expected.insert(QStringLiteral("relax_eyes_interval_minutes"), 45);
        QCOMPARE(reloaded.cloudSettingsSnapshot(), expected);
    }
};

QTEST_GUILESS_MAIN(TestCloudSnapshot)
#include "tst_cloudsnapshot.moc"
