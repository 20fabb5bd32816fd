#include "AppState.h"
#include "RecordingAppState.h"
#include "TempStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList writesOf(std::initializer_list<const char *> names)
{
    QStringList list;
    for (const char *name : names) {
        list.append(QString::fromLatin1(name));
    }
    return list;
}

} // namespace

class TestColorModes : public QObject {
    Q_OBJECT

private slots:
    void sixModesInOrder()
    {
        TempStore store;
        AppState state;
        const QList<ColorMode> modes = state.colorModes();
        QStringList names;
        QList<QColor> colors;
        for (const ColorMode &mode : modes) {
            names.append(mode.name);
            colors.append(mode.color);
        }
        QCOMPARE(names, QStringList({QStringLiteral("Reading"), QStringLiteral("Movie"), QStringLiteral("Work"),
                                     QStringLiteral("Sleep"), QStringLiteral("Relax"), QStringLiteral("Dim")}));
        QCOMPARE(colors, QList<QColor>({QColor(0xFF5722), QColor(0xFFC107), QColor(0xFFEB3B), QColor(0xF44336),
                                        QColor(0x4CAF50), QColor(0, 0, 0)}));
    }

    void colourNamesTheMode_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("name");
        QTest::newRow("reading") << QColor(255, 87, 34) << QStringLiteral("Reading");
        QTest::newRow("movie") << QColor(255, 193, 7) << QStringLiteral("Movie");
        QTest::newRow("work") << QColor(255, 235, 59) << QStringLiteral("Work");
        QTest::newRow("sleep") << QColor(244, 67, 54) << QStringLiteral("Sleep");
        QTest::newRow("relax") << QColor(76, 175, 80) << QStringLiteral("Relax");
        QTest::newRow("dim") << QColor(0, 0, 0) << QStringLiteral("Dim");
        QTest::newRow("toolbar grey") << QColor(128, 128, 128) << QStringLiteral("Custom");
        QTest::newRow("reading, one off") << QColor(255, 87, 35) << QStringLiteral("Custom");
        QTest::newRow("reading, translucent") << QColor(255, 87, 34, 128) << QStringLiteral("Custom");
    }

    // Picking a colour names the mode after the first preset of that colour, writes the name before the colour,
    // and never touches intensity or dimming.
    void colourNamesTheMode()
    {
        QFETCH(QColor, color);
        QFETCH(QString, name);
        TempStore store;
        {
            RecordingAppState state;
            state.setFilterIntensity(61);
            state.setDimmingStrength(17);
            state.setSelectedFilterColor(QColor(1, 2, 3));
            state.clearWrites();
            QSignalSpy changed(&state, &AppState::stateChanged);
            state.setSelectedFilterColor(color);
            QCOMPARE(changed.count(), 1);
            QCOMPARE(state.currentModeName(), name);
            QCOMPARE(state.writtenKeys(), writesOf({"currentModeName", "selectedFilterColor"}));
            QCOMPARE(state.lastWritten(QStringLiteral("currentModeName")), QVariant(name));
            QCOMPARE(state.lastWritten(QStringLiteral("selectedFilterColor")), QVariant(color));
            QCOMPARE(state.filterIntensity(), 61);
            QCOMPARE(state.dimmingStrength(), 17);
        }
        AppState reloaded;
        QCOMPARE(reloaded.currentModeName(), name);
        QCOMPARE(reloaded.selectedFilterColor(), color);
    }

    void sameColourAgainChangesNothing()
    {
        TempStore store;
        RecordingAppState state;
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.setSelectedFilterColor(QColor(255, 87, 34));
        QCOMPARE(changed.count(), 0);
        QVERIFY(state.writes().isEmpty());
    }

    void handAdjustmentMakesTheModeCustom_data()
    {
        QTest::addColumn<bool>("intensity");
        QTest::newRow("intensity") << true;
        QTest::newRow("dimming") << false;
    }

    // Sleep, then a slider move: the name becomes Custom, and picking Sleep again is no change, so it stays.
    void handAdjustmentMakesTheModeCustom()
    {
        QFETCH(bool, intensity);
        const QString key = intensity ? QStringLiteral("filterIntensity") : QStringLiteral("dimmingStrength");
        const auto adjust = [intensity](AppState &s, int value) {
            intensity ? s.setFilterIntensity(value) : s.setDimmingStrength(value);
        };
        TempStore store;
        RecordingAppState state;
        state.setSelectedFilterColor(QColor(244, 67, 54));
        QCOMPARE(state.currentModeName(), QStringLiteral("Sleep"));
        state.clearWrites();
        QSignalSpy changed(&state, &AppState::stateChanged);

        adjust(state, 20);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(state.currentModeName(), QStringLiteral("Custom"));
        QCOMPARE(state.writtenKeys(), (QStringList{QStringLiteral("currentModeName"), key}));
        QCOMPARE(state.lastWritten(QStringLiteral("currentModeName")), QVariant(QStringLiteral("Custom")));
        QCOMPARE(state.selectedFilterColor(), QColor(244, 67, 54));

        state.clearWrites();
        state.setSelectedFilterColor(QColor(244, 67, 54));
        adjust(state, 20);
        QCOMPARE(changed.count(), 1);
        QVERIFY(state.writes().isEmpty());
        QCOMPARE(state.currentModeName(), QStringLiteral("Custom"));

        state.setSelectedFilterColor(QColor(76, 175, 80));
        QCOMPARE(state.currentModeName(), QStringLiteral("Relax"));
    }

    void modeNameAtLoad_data()
    {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<QString>("name");
        QTest::newRow("fresh store") << QByteArray() << QStringLiteral("Reading");
        QTest::newRow("relax colour, no name")
            << QByteArray("selectedFilterColor=#4caf50\n") << QStringLiteral("Relax");
        QTest::newRow("unknown colour, no name")
            << QByteArray("selectedFilterColor=#808080\n") << QStringLiteral("Custom");
        QTest::newRow("stored name wins over colour")
            << QByteArray("selectedFilterColor=#4caf50\ncurrentModeName=Sleep\n") << QStringLiteral("Sleep");
        QTest::newRow("stored name is any text")
            << QByteArray("currentModeName=Banana split\n") << QStringLiteral("Banana split");
        QTest::newRow("stored empty name") << QByteArray("currentModeName=\n") << QString();
    }

    // The name is read as stored, or derived from the colour without being written back.
    void modeNameAtLoad()
    {
        QFETCH(QByteArray, entries);
        QFETCH(QString, name);
        TempStore store;
        const QByteArray before = "[General]\n" + entries;
        QDir().mkpath(QFileInfo(store.storeFile()).path());
        QFile file(store.storeFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
        file.close();
        {
            AppState state;
            QCOMPARE(state.currentModeName(), name);
            QCOMPARE(state.settings().value(QStringLiteral("currentModeName")).isValid(),
                     entries.contains("currentModeName"));
        }
    }

    void resetFilterDefaultsRestoresReading()
    {
        TempStore store;
        AppState state;
        state.setSelectedFilterColor(QColor(0, 0, 0));
        state.setFilterIntensity(90);
        state.setDimmingStrength(5);
        QCOMPARE(state.currentModeName(), QStringLiteral("Custom"));
        state.resetFilterDefaults();
        QCOMPARE(state.currentModeName(), QStringLiteral("Reading"));
        QCOMPARE(state.selectedFilterColor(), QColor(255, 87, 34));
        QCOMPARE(state.filterIntensity(), 52);
        QCOMPARE(state.dimmingStrength(), 34);
    }
};

QTEST_GUILESS_MAIN(TestColorModes)
#include "tst_colormodes.moc"
