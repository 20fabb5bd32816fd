#include "AppState.h"
#include "Clock.h"
#include "PreferenceCatalog.h"
#include "TempStore.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTime>
#include <QtTest>

namespace {

// The day the tests run on. The stores below already have this day open and their backfill done, so that
// start-up has no screen-time bookkeeping to write.
const QDateTime kNow(QDate(2026, 3, 14), QTime(10, 0));
const QByteArray kSettledDay = "usageDayKey=2026-03-14\n"
                               "exerciseDayKey=2026-03-14\n"
                               "usageBackfilled=true\n";

// Writes the store file the way a user would edit it by hand; returns its exact bytes.
QByteArray writeStoreFile(const TempStore &store, const QByteArray &body)
{
    QDir().mkpath(QFileInfo(store.storeFile()).path());
    QFile file(store.storeFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return {};
    }
    file.write(body);
    file.close();
    return body;
}

QByteArray readStoreFile(const TempStore &store)
{
    QFile file(store.storeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettingsLoad : public QObject {
    Q_OBJECT

private slots:
    void handEditedValue_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QVariant>("expected");

        const auto row = [](const char *name, const char *key, const char *text, const QVariant &expected) {
            QTest::newRow(name) << QString::fromLatin1(key) << QByteArray(text) << expected;
        };
        // Stored numbers are taken as they are: no setter limit applies on load.
        row("pomodoro work above limit", "pomodoroWorkMinutes", "500", 500);
        row("focus height below limit", "focusHeightPixels", "10", 10);
        row("intensity negative", "filterIntensity", "-20", -20);
        row("delay limit above limit", "relaxDelayLimit", "99", 99);
        row("focus mode not normalised", "focusMode", "Blur", QStringLiteral("Blur"));
        // Wrong types convert by Qt's rules.
        row("int from words", "relaxIntervalMinutes", "abc", 0);
        row("int from fraction", "relaxDurationSeconds", "12.7", 0);
        row("bool from yes", "protectionEnabled", "yes", true);
        row("bool from no", "protectionEnabled", "no", true);
        row("bool from 0", "startWithWindows", "0", false);
        row("bool from FALSE", "startWithWindows", "FALSE", false);
        row("bool from empty", "startWithWindows", "", false);
        row("bool from unreadable variant", "startWithWindows", "@Variant(\\0\\0\\0\\x7f)", false);
        row("string from number", "magicToolbarPlacement", "42", QStringLiteral("42"));
        row("quoted string with comma", "relaxMusicPath", "\"/music/Bach, Air.mp3\"",
            QStringLiteral("/music/Bach, Air.mp3"));
        row("colour as hex text", "focusColor", "#00ff00", QColor(0, 255, 0));
        row("colour with alpha", "magicToolbarColor", "\"#80ffffff\"", QColor(255, 255, 255, 128));
        row("colour by name", "selectedFilterColor", "red", QColor(255, 0, 0));
        row("time as text", "exerciseReminderTime", "07:30", QTime(7, 30));
        row("time with seconds", "dayStartTime", "06:45:10", QTime(6, 45, 10));
        row("time 24:00 is midnight", "nightStartTime", "24:00", QTime(0, 0));
        // A list of things that are not rules is kept as it is; rule users skip such elements.
        row("rules as a list of words", "appRules", "a, b", QVariantList{QStringLiteral("a"), QStringLiteral("b")});
        // Values that cannot be a colour, a time or a list at all are treated as absent.
        row("colour garbage", "focusColor", "garbage", QColor(0, 0, 0));
        row("colour empty", "magicToolbarColor", "", QColor(120, 90, 255));
        row("colour as number list", "selectedFilterColor", "255, 0, 0", QColor(255, 87, 34));
        row("colour unreadable variant", "focusColor", "@Variant(\\0\\0\\0\\x7f)", QColor(0, 0, 0));
        row("time out of range", "nightStartTime", "25:99", QTime(19, 0));
        row("time garbage", "autoDarkDayStartTime", "soon", QTime(8, 0));
        row("time empty", "exerciseReminderTime", "", QTime(9, 0));
        row("rules as plain text", "appRules", "notepad.exe", QVariantList());
        row("rules as number", "appRules", "7", QVariantList());
    }

    void handEditedValue()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, text);
        QFETCH(QVariant, expected);
        const PreferenceEntry entry = preferenceEntry(key);
        QVERIFY(entry.get);
        TempStore store;
        const QByteArray before =
            writeStoreFile(store, "[General]\n" + kSettledDay + key.toLatin1() + '=' + text + '\n');
        QVERIFY(!before.isEmpty());
        {
            ManualClock clock(kNow);
            AppState state(nullptr, &clock);
            QCOMPARE(entry.get(state), expected);
        }
        QCOMPARE(readStoreFile(store), before);
    }

    // A whole store edited by hand, with foreign groups and counters: every value lands where it belongs, the
    // other preferences keep their defaults, and loading leaves the file byte for byte as it was.
    void handEditedStoreLoadsWithoutWritingBack()
    {
        TempStore store;
        const QByteArray before = writeStoreFile(store, "[General]\n"
                                                        "protectionEnabled=true\n"
                                                        "filterIntensity=250\n"
                                                        "dimmingStrength=-7\n"
                                                        "focusColor=garbage\n"
                                                        "selectedFilterColor=#4caf50\n"
                                                        "dayStartTime=noon\n"
                                                        "nightStartTime=20:30\n"
                                                        "appRules=notepad.exe\n"
                                                        "hotkeyToggleProtection=Ctrl+Alt+P\n"
                                                        "todayScreenSeconds=3600\n"
                                                        "sessionsOver20=abc\n"
                                                        "usageDayKey=2026-03-14\n"
                                                        "exerciseDayKey=2026-03-14\n"
                                                        "usageBackfilled=true\n"
                                                        "usageHistory=[]\n"
                                                        "strayKey=left alone\n"
                                                        "\n"
                                                        "[cloud]\n"
                                                        "accessToken=abc\n");
        {
            ManualClock clock(kNow);
            AppState state(nullptr, &clock);
            QCOMPARE(state.protectionEnabled(), true);
            QCOMPARE(state.filterIntensity(), 250);
            QCOMPARE(state.dimmingStrength(), -7);
            QCOMPARE(state.focusColor(), QColor(0, 0, 0));
            QCOMPARE(state.selectedFilterColor(), QColor(76, 175, 80));
            QCOMPARE(state.currentModeName(), QStringLiteral("Relax"));
            QCOMPARE(state.dayStartTime(), QTime(8, 0));
            QCOMPARE(state.nightStartTime(), QTime(20, 30));
            QCOMPARE(state.appRules(), QVariantList());
            QCOMPARE(state.hotkeyToggleProtection(), QStringLiteral("Ctrl+Alt+P"));
            QCOMPARE(state.todayScreenSeconds(), 3600);
            QCOMPARE(state.sessionsOver20(), 0);
            QCOMPARE(state.usageDayKey(), QStringLiteral("2026-03-14"));
            QCOMPARE(state.usageBackfilled(), true);
            for (const PreferenceEntry &entry : preferenceCatalog()) {
                static const QStringList edited = {
                    QStringLiteral("protectionEnabled"),     QStringLiteral("filterIntensity"),
                    QStringLiteral("dimmingStrength"),       QStringLiteral("selectedFilterColor"),
                    QStringLiteral("currentModeName"),       QStringLiteral("nightStartTime"),
                    QStringLiteral("hotkeyToggleProtection")};
                if (!edited.contains(entry.key)) {
                    QCOMPARE(entry.get(state), entry.defaultValue);
                }
            }
        }
        QCOMPARE(readStoreFile(store), before);
    }

    void storeWithNonMapRuleElementsKeepsThem()
    {
        TempStore store;
        const QVariantMap real = {{QStringLiteral("process"), QStringLiteral("vlc.exe")},
                                  {QStringLiteral("mode"), QStringLiteral("Movie")}};
        {
            QSettings settings(QStringLiteral("Brookvane"), QStringLiteral("GlarewellWindows"));
            settings.setValue(QStringLiteral("appRules"), QVariantList{QStringLiteral("x"), 5, real});
        }
        AppState state;
        QCOMPARE(state.appRules(), (QVariantList{QStringLiteral("x"), 5, real}));
        state.removeAppRule(0);
        state.addAppRule(QStringLiteral("A.EXE"), QStringLiteral("pause"));
        QCOMPARE(state.appRules().size(), 3);
        QCOMPARE(state.appRules().at(1), QVariant(real));
    }

    void storeIsTheNativeFileOfTheOrganisationAndApplication()
    {
        TempStore store;
        {
            AppState state;
            state.setProtectionEnabled(true);
            state.setFocusMode(QStringLiteral("blur"));
        }
        const QByteArray text = readStoreFile(store);
        QVERIFY2(text.contains("protectionEnabled=true"), text.constData());
        QVERIFY2(text.contains("focusMode=blur"), text.constData());
    }
};

QTEST_GUILESS_MAIN(TestSettingsLoad)
#include "tst_settingsload.moc"
