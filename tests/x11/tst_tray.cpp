#include "Clock.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "TempStore.h"
#include "TrayIcon.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QtTest>

// The tray icon and its menu, closing to the tray and quitting, with a real tray host.
class TestTray : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs the X session");
        }
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 5000);
    }
    void init()
    {
        m_store = std::make_unique<TempStore>();
        m_platform = std::make_unique<FakePlatform>();
        m_window = std::make_unique<MainWindow>(m_platform->services(), &m_clock);
        QVERIFY(m_window->trayIcon());
    }
    void cleanup()
    {
        m_window.reset();
        m_platform.reset();
        m_store.reset();
    }

    void menuEntries()
    {
        QMenu *menu = m_window->trayIcon()->icon()->contextMenu();
        QVERIFY(menu);
        QStringList texts;
        for (QAction *action : menu->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(texts,
                 (QStringList{QStringLiteral("Open Glarewell"), QStringLiteral("Enable Protection"),
                              QStringLiteral("Start with Windows"), QStringLiteral("-"), QStringLiteral("Quit")}));
        QCOMPARE(m_window->trayIcon()->icon()->toolTip(), QStringLiteral("Glarewell"));
        QVERIFY(m_window->trayIcon()->isVisible());
        QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
    }

    void protectionEntryFollowsState()
    {
        QAction *protection = m_window->trayIcon()->protectionAction();
        QVERIFY(!protection->isChecked());
        protection->trigger();
        QVERIFY(m_window->state().protectionEnabled());
        QVERIFY(protection->isChecked());
        QCOMPARE(protection->text(), QStringLiteral("Disable Protection"));
        m_window->state().setProtectionEnabled(false);
        QVERIFY(!protection->isChecked());
        QCOMPARE(protection->text(), QStringLiteral("Enable Protection"));
    }

    void startWithWindowsEntry()
    {
        QAction *start = m_window->trayIcon()->startWithWindowsAction();
        QVERIFY(start->isChecked());
        start->trigger();
        QVERIFY(!m_window->state().startWithWindows());
        QVERIFY(!m_platform->autostart->enabled);
        m_window->setStartWithWindows(true);
        QVERIFY(start->isChecked());
    }

    void openEntryShowsWindow()
    {
        QVERIFY(!m_window->isVisible());
        m_window->trayIcon()->icon()->contextMenu()->actions().at(0)->trigger();
        QVERIFY(m_window->isVisible());
        emit m_window->trayIcon()->icon()->activated(QSystemTrayIcon::Context);
        QVERIFY(m_window->isVisible());
    }

    void closingHidesAndHintsOnce()
    {
        QSignalSpy hints(m_window->trayIcon(), &TrayIcon::messageShown);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->close();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(hints.count(), 1);
        QCOMPARE(
            hints.at(0).at(1).toString(),
            QStringLiteral("Still running in the background. Protection stays active until you quit from the tray."));

        m_window->showWindowFromTray();
        QVERIFY(m_window->isVisible());
        m_window->close();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(hints.count(), 1);
        QVERIFY(m_platform->hotkeys->unregisterAllCalls >= 2);
    }

    void quitClosesWithoutHint()
    {
        QSignalSpy hints(m_window->trayIcon(), &TrayIcon::messageShown);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        const int released = m_platform->hotkeys->unregisterAllCalls;
        const QList<QAction *> actions = m_window->trayIcon()->icon()->contextMenu()->actions();
        actions.last()->trigger();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(hints.count(), 0);
        QVERIFY(m_platform->hotkeys->unregisterAllCalls > released);
    }

private:
    ManualClock m_clock{QDateTime(QDate(2026, 3, 14), QTime(10, 0))};
    std::unique_ptr<TempStore> m_store;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
