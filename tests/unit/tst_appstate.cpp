#include "AppState.h"
#include "Clock.h"
#include "TempStore.h"

#include <QSignalSpy>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestAppState)
#include "tst_appstate.moc"
