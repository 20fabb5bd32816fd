#include "AppState.h"
#include "FilterTab.h"
#include "RecordingAppState.h"
#include "TempStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

namespace {

const QStringList kModeNames = {QStringLiteral("Reading"), QStringLiteral("Movie"), QStringLiteral("Work"),
                                QStringLiteral("Sleep"),   QStringLiteral("Relax"), QStringLiteral("Dim")};

QStringList checkedChips(const FilterTab &tab)
{
    QStringList names;
    for (QPushButton *chip : tab.paletteChips()) {
        if (chip->isChecked()) {
            names.append(chip->text());
        }
    }
    return names;
}

QPushButton *chipNamed(const FilterTab &tab, const QString &name)
{
    for (QPushButton *chip : tab.paletteChips()) {
        if (chip->text() == name) {
            return chip;
        }
    }
    return nullptr;
}

using CheckOf = QCheckBox *(FilterTab::*)() const;
using Getter = bool (AppState::*)() const;

} // namespace

Q_DECLARE_METATYPE(CheckOf)
Q_DECLARE_METATYPE(Getter)

class TestFilterTab : public QObject {
    Q_OBJECT

private slots:
    // One checkable chip per colour mode, in the modes' order, two per row, each marked with its colour.
    void paletteChips()
    {
        TempStore store;
        AppState state;
        FilterTab tab(state);
        const QList<QPushButton *> chips = tab.paletteChips();
        QCOMPARE(chips.size(), 6);
        const QList<ColorMode> modes = state.colorModes();
        auto *grid = qobject_cast<QGridLayout *>(chips.first()->parentWidget()->layout()->itemAt(2)->layout());
        QVERIFY(grid);
        QCOMPARE(grid->spacing(), 10);
        for (int i = 0; i < chips.size(); ++i) {
            QPushButton *chip = chips[i];
            QCOMPARE(chip->text(), kModeNames[i]);
            QCOMPARE(chip->objectName(), QStringLiteral("PaletteChip"));
            QVERIFY(chip->isCheckable());
            QCOMPARE(
                chip->styleSheet(),
                QStringLiteral("QPushButton#PaletteChip { border-left: 5px solid %1; }").arg(modes[i].color.name()));
            int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(chip), &row, &column, &rowSpan, &columnSpan);
            QCOMPARE(row, i / 2);
            QCOMPARE(column, i % 2);
        }
        // A fresh store uses the "Reading" colour.
        QCOMPARE(checkedChips(tab), QStringList{QStringLiteral("Reading")});
    }

    // A click leaves exactly the clicked chip checked and selects its colour, which names the mode.
    void clickingAChip_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : kModeNames) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    void clickingAChip()
    {
        QFETCH(QString, name);
        TempStore store;
        AppState state;
        FilterTab tab(state);
        connect(&state, &AppState::stateChanged, &tab, &FilterTab::refreshFromState);
        state.setSelectedFilterColor(QColor(128, 128, 128)); // start from a colour outside the palette
        QVERIFY(checkedChips(tab).isEmpty());

        QPushButton *chip = chipNamed(tab, name);
        QVERIFY(chip);
        QTest::mouseClick(chip, Qt::LeftButton);
        QCOMPARE(checkedChips(tab), QStringList{name});
        QCOMPARE(state.currentModeName(), name);
        QCOMPARE(state.selectedFilterColor(), state.colorModes().at(kModeNames.indexOf(name)).color);

        // Clicking the checked chip again does not uncheck it.
        QTest::mouseClick(chip, Qt::LeftButton);
        QCOMPARE(checkedChips(tab), QStringList{name});
    }

    // The chips follow the colour however it changes; intensity and dimming leave the chip alone.
    void chipsFollowTheColour()
    {
        TempStore store;
        AppState state;
        FilterTab tab(state);
        connect(&state, &AppState::stateChanged, &tab, &FilterTab::refreshFromState);

        state.setSelectedFilterColor(QColor(244, 67, 54)); // e.g. an application rule picking "Sleep"
        QCOMPARE(checkedChips(tab), QStringList{QStringLiteral("Sleep")});

        tab.intensitySlider()->setValue(70);
        QCOMPARE(state.currentModeName(), QStringLiteral("Custom"));
        QCOMPARE(checkedChips(tab), QStringList{QStringLiteral("Sleep")});

        state.setSelectedFilterColor(QColor(128, 128, 128)); // the magic toolbar's grey
        QVERIFY(checkedChips(tab).isEmpty());

        tab.resetButton()->click();
        QCOMPARE(state.filterIntensity(), 52);
        QCOMPARE(state.dimmingStrength(), 34);
        QCOMPARE(state.currentModeName(), QStringLiteral("Reading"));
        QCOMPARE(checkedChips(tab), QStringList{QStringLiteral("Reading")});
    }

    void slidersDriveTheFilter()
    {
        TempStore store;
        AppState state;
        FilterTab tab(state);
        // Each slider row: a muted caption and a value label above the slider, all inside the tab.
        for (const QString &caption : {QStringLiteral("Filter intensity"), QStringLiteral("Screen dimming")}) {
            QLabel *label = nullptr;
            for (QLabel *candidate : tab.findChildren<QLabel *>(QStringLiteral("MutedText"))) {
                if (candidate->text() == caption) {
                    label = candidate;
                }
            }
            QVERIFY2(label, qPrintable(caption));
        }
        QVERIFY(tab.isAncestorOf(tab.intensityValue()));
        QVERIFY(tab.isAncestorOf(tab.dimmingValue()));
        QCOMPARE(tab.intensitySlider()->minimum(), 0);
        QCOMPARE(tab.intensitySlider()->maximum(), 100);
        QCOMPARE(tab.dimmingSlider()->maximum(), 100);
        QCOMPARE(tab.intensitySlider()->value(), 52);
        QCOMPARE(tab.intensityValue()->text(), QStringLiteral("52"));

        tab.intensitySlider()->setValue(75);
        QCOMPARE(state.filterIntensity(), 75);
        QCOMPARE(tab.intensityValue()->text(), QStringLiteral("75"));
        QCOMPARE(state.currentModeName(), QStringLiteral("Custom"));

        tab.dimmingSlider()->setFocus();
        QTest::keyClick(tab.dimmingSlider(), Qt::Key_End);
        QCOMPARE(state.dimmingStrength(), 100);
        QCOMPARE(tab.dimmingValue()->text(), QStringLiteral("100"));
    }

    void checksDriveTheirSetting_data()
    {
        QTest::addColumn<CheckOf>("check");
        QTest::addColumn<Getter>("getter");
        QTest::addColumn<QString>("text");
        QTest::newRow("break reminders") << CheckOf(&FilterTab::breakReminderCheck)
                                         << Getter(&AppState::breakReminderEnabled)
                                         << QStringLiteral("20-20-20 break reminders");
        QTest::newRow("auto pause") << CheckOf(&FilterTab::autoPauseCheck) << Getter(&AppState::autoPauseEnabled)
                                    << QStringLiteral("Auto pause for full-screen apps");
        QTest::newRow("smooth") << CheckOf(&FilterTab::smoothTransitionCheck)
                                << Getter(&AppState::smoothTransitionEnabled)
                                << QStringLiteral("Enable smooth transitions");
        QTest::newRow("wide colour") << CheckOf(&FilterTab::wideColorRangeCheck)
                                     << Getter(&AppState::wideColorRangeEnabled)
                                     << QStringLiteral("Use wider colour temperature range (0K – 10000K)");
        QTest::newRow("wide brightness") << CheckOf(&FilterTab::wideBrightnessRangeCheck)
                                         << Getter(&AppState::wideBrightnessRangeEnabled)
                                         << QStringLiteral("Use wider brightness range (0 – 100)");
    }

    void checksDriveTheirSetting()
    {
        QFETCH(CheckOf, check);
        QFETCH(Getter, getter);
        QFETCH(QString, text);
        TempStore store;
        AppState state;
        FilterTab tab(state);
        QCheckBox *box = (tab.*check)();
        QCOMPARE(box->text(), text);
        const bool initial = (state.*getter)();
        QCOMPARE(box->isChecked(), initial);
        box->click();
        QCOMPARE((state.*getter)(), !initial);
        box->click();
        QCOMPARE((state.*getter)(), initial);
    }

    // Window operations are asked for, not performed by the tab.
    void buttonsAskTheMainWindow()
    {
        TempStore store;
        AppState state;
        FilterTab tab(state);
        QSignalSpy test(&tab, &FilterTab::testBreakReminderRequested);
        QSignalSpy toggle(&tab, &FilterTab::toggleProtectionRequested);
        QSignalSpy changed(&state, &AppState::stateChanged);
        QCOMPARE(tab.testBreakButton()->text(), QStringLiteral("Test 20-20-20"));
        QCOMPARE(tab.toggleFilterButton()->text(), QStringLiteral("Toggle Live Filter"));
        QCOMPARE(tab.resetButton()->text(), QStringLiteral("Reset Defaults"));
        for (QPushButton *button : {tab.testBreakButton(), tab.toggleFilterButton(), tab.resetButton()}) {
            QCOMPARE(button->objectName(), QStringLiteral("SecondaryAction"));
        }
        tab.testBreakButton()->click();
        tab.toggleFilterButton()->click();
        tab.toggleFilterButton()->click();
        QCOMPARE(test.count(), 1);
        QCOMPARE(toggle.count(), 2);
        QCOMPARE(changed.count(), 0);
    }

    // Writing the settings back into the controls calls no setter.
    void refreshCallsNoSetter()
    {
        TempStore store;
        RecordingAppState state;
        FilterTab tab(state);
        state.setFilterIntensity(12);
        state.setDimmingStrength(88);
        state.setBreakReminderEnabled(true);
        state.setSmoothTransitionEnabled(false);
        state.setWideBrightnessRangeEnabled(true);
        state.setSelectedFilterColor(QColor(76, 175, 80));
        state.clearWrites();
        QSignalSpy changed(&state, &AppState::stateChanged);

        tab.refreshFromState();
        QCOMPARE(changed.count(), 0);
        QVERIFY(state.writes().isEmpty());
        QCOMPARE(tab.intensitySlider()->value(), 12);
        QCOMPARE(tab.intensityValue()->text(), QStringLiteral("12"));
        QCOMPARE(tab.dimmingSlider()->value(), 88);
        QCOMPARE(tab.dimmingValue()->text(), QStringLiteral("88"));
        QVERIFY(tab.breakReminderCheck()->isChecked());
        QVERIFY(!tab.smoothTransitionCheck()->isChecked());
        QVERIFY(tab.wideBrightnessRangeCheck()->isChecked());
        QVERIFY(!tab.wideColorRangeCheck()->isChecked());
        QCOMPARE(checkedChips(tab), QStringList{QStringLiteral("Relax")});
        // The mode name is still "Relax", not turned into "Custom" by the sliders being moved back.
        QCOMPARE(state.currentModeName(), QStringLiteral("Relax"));
    }

    // Three cards: "Filter Controls" (strong) and "Mode Palette" side by side, "Display" across both columns.
    void cardLayout()
    {
        TempStore store;
        AppState state;
        FilterTab tab(state);
        auto *grid = qobject_cast<QGridLayout *>(tab.layout());
        QVERIFY(grid);
        QCOMPARE(grid->horizontalSpacing(), 18);
        QCOMPARE(grid->verticalSpacing(), 18);
        QCOMPARE(grid->columnStretch(0), 1);
        QCOMPARE(grid->columnStretch(1), 1);
        struct Place {
            QString title;
            int row, column, columnSpan;
            bool strong;
        };
        const QList<Place> places = {{QStringLiteral("Filter Controls"), 0, 0, 1, true},
                                     {QStringLiteral("Mode Palette"), 0, 1, 1, false},
                                     {QStringLiteral("Display"), 1, 0, 2, false}};
        for (const Place &place : places) {
            QWidget *card = nullptr;
            for (int i = 0; i < grid->count(); ++i) {
                QWidget *widget = grid->itemAt(i)->widget();
                if (!widget) {
                    continue;
                }
                for (QLabel *label : widget->findChildren<QLabel *>(QStringLiteral("SectionTitle"))) {
                    if (label->text() == place.title) {
                        card = widget;
                    }
                }
            }
            QVERIFY2(card, qPrintable(place.title));
            int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(card), &row, &column, &rowSpan, &columnSpan);
            QCOMPARE(row, place.row);
            QCOMPARE(column, place.column);
            QCOMPARE(columnSpan, place.columnSpan);
            QCOMPARE(card->property("strong").toBool(), place.strong);
        }
    }
};

QTEST_MAIN(TestFilterTab)
#include "tst_filtertab.moc"
