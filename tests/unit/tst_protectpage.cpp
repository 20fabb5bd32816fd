#include "AppState.h"
#include "AppTheme.h"
#include "FilterTab.h"
#include "ProtectPage.h"
#include "RemindersTab.h"
#include "TempStore.h"
#include "UiBuilders.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

class TestProtectPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AppTheme::applyAppStyle(*qApp); }

    void header()
    {
        TempStore store;
        AppState state;
        ProtectPage page(state);
        QLabel *title = page.findChild<QLabel *>(QStringLiteral("PageTitle"));
        QLabel *subtitle = page.findChild<QLabel *>(QStringLiteral("PageSubtitle"));
        QVERIFY(title && subtitle);
        QCOMPARE(title->text(), QStringLiteral("Protect"));
        QCOMPARE(subtitle->text(), QStringLiteral("Ported from the Android Protect tab: filter controls, mode palette, "
                                                  "reminders, and vision tools."));
    }

    // The page sits in the window's scrolling page frame, but its tabs scroll on their own: one scroll bar, not two
    // nested ones, on a laptop-sized window.
    void onlyTheTabScrolls()
    {
        TempStore store;
        AppState state;
        auto *page = new ProtectPage(state);
        std::unique_ptr<QScrollArea> frame(wrapPage(page));
        frame->resize(900, 600);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QCoreApplication::processEvents();
        QCOMPARE(frame->verticalScrollBar()->maximum(), 0);
        auto *filterScroll = qobject_cast<QScrollArea *>(page->tabs()->widget(0));
        QVERIFY(filterScroll->verticalScrollBar()->maximum() > 0);
        QCOMPARE(filterScroll->viewport()->mapTo(frame.get(), QPoint(0, filterScroll->viewport()->height())).y() <=
                     frame->viewport()->height(),
                 true);
    }

    // Five tabs, each a two-column grid inside a frameless, resizing scroll area; the first is the filter tab.
    void fiveTabs()
    {
        TempStore store;
        AppState state;
        ProtectPage page(state);
        QTabWidget *tabs = page.tabs();
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i) {
            titles.append(tabs->tabText(i).replace(QStringLiteral("&&"), QStringLiteral("&")));
            QVERIFY(!tabs->tabText(i).remove(QStringLiteral("&&")).contains(QLatin1Char('&'))); // no mnemonic
            auto *scroll = qobject_cast<QScrollArea *>(tabs->widget(i));
            QVERIFY(scroll);
            QVERIFY(scroll->widgetResizable());
            QCOMPARE(scroll->frameShape(), QFrame::NoFrame);
            QGridLayout *grid = page.tabGrid(static_cast<ProtectPage::Tab>(i));
            QVERIFY(grid);
            QCOMPARE(grid->horizontalSpacing(), 18);
            QCOMPARE(grid->verticalSpacing(), 18);
            QCOMPARE(grid->columnStretch(0), 1);
            QCOMPARE(grid->columnStretch(1), 1);
        }
        QCOMPARE(titles,
                 QStringList({QStringLiteral("Filter"), QStringLiteral("Reminders"), QStringLiteral("Focus & Vision"),
                              QStringLiteral("Schedule"), QStringLiteral("Windows & Shortcuts")}));
        QCOMPARE(qobject_cast<QScrollArea *>(tabs->widget(0))->widget(), page.filterTab());
        QCOMPARE(qobject_cast<QScrollArea *>(tabs->widget(1))->widget(), page.remindersTab());
        QCOMPARE(tabs->currentIndex(), 0);
    }

    // The filter tab's requests reach whoever listens to the page (the main window).
    void forwardsRequests()
    {
        TempStore store;
        AppState state;
        ProtectPage page(state);
        QSignalSpy test(&page, &ProtectPage::testBreakReminderRequested);
        QSignalSpy toggle(&page, &ProtectPage::toggleProtectionRequested);
        QSignalSpy preview(&page, &ProtectPage::previewRelaxReminderRequested);
        page.filterTab()->testBreakButton()->click();
        page.filterTab()->toggleFilterButton()->click();
        QCOMPARE(test.count(), 1);
        QCOMPARE(toggle.count(), 1);
        QPushButton *previewButton = nullptr;
        for (QPushButton *button : page.remindersTab()->findChildren<QPushButton *>()) {
            if (button->text() == QLatin1String("Test Relax Reminder")) {
                previewButton = button;
            }
        }
        QVERIFY(previewButton);
        previewButton->click();
        QCOMPARE(preview.count(), 1);
    }

    void refreshReachesTheTabs()
    {
        TempStore store;
        AppState state;
        ProtectPage page(state);
        state.setFilterIntensity(9);
        QCOMPARE(page.filterTab()->intensitySlider()->value(), 52);
        state.setPomodoroEnabled(true);
        page.refreshFromState();
        QCOMPARE(page.filterTab()->intensitySlider()->value(), 9);
        QCheckBox *pomodoro = nullptr;
        for (QCheckBox *box : page.remindersTab()->findChildren<QCheckBox *>()) {
            if (box->text() == QLatin1String("Pomodoro technique mode")) {
                pomodoro = box;
            }
        }
        QVERIFY(pomodoro);
        QVERIFY(pomodoro->isChecked());
    }
};

QTEST_MAIN(TestProtectPage)
#include "tst_protectpage.moc"
