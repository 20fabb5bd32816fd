#include "Clock.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "TempStore.h"

#include <QScreen>
#include <QtTest>

// The main window as a window manager frames it: it must open wholly on screen, title bar included,
// even where the screen is smaller than the window's design size.
class TestMainWindowGeometry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs the X session");
        }
    }

    void framedWindowFitsTheScreen()
    {
        TempStore store;
        FakePlatform platform;
        ManualClock clock(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
        MainWindow window(platform.services(), &clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QRect available = window.screen()->availableGeometry();
        // The window manager reports the frame shortly after mapping the window.
        QTRY_VERIFY_WITH_TIMEOUT(window.frameGeometry() != window.geometry(), 3000);
        QVERIFY2(available.contains(window.frameGeometry()),
                 qPrintable(QStringLiteral("frame %1,%2 %3x%4 on screen %5x%6")
                                .arg(window.frameGeometry().x())
                                .arg(window.frameGeometry().y())
                                .arg(window.frameGeometry().width())
                                .arg(window.frameGeometry().height())
                                .arg(available.width())
                                .arg(available.height())));
    }
};

QTEST_MAIN(TestMainWindowGeometry)
#include "tst_mainwindowgeometry.moc"
