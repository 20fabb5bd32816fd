#pragma once

#include <QWidget>

class AppState;
class FilterTab;
class RemindersTab;
class QGridLayout;
class QTabWidget;

// The Protect page: everything that protects the eyes while the user works, in five tabs. Each tab is a
// two-column grid of cards inside a scroll area.
class ProtectPage : public QWidget {
    Q_OBJECT

public:
    enum Tab { FilterTabIndex, RemindersTabIndex, FocusVisionTabIndex, ScheduleTabIndex, WindowsShortcutsTabIndex };

    explicit ProtectPage(AppState &state, QWidget *parent = nullptr);

    // Writes the settings back into every control, calling no setter.
    void refreshFromState();

    QTabWidget *tabs() const { return m_tabs; }
    FilterTab *filterTab() const { return m_filterTab; }
    RemindersTab *remindersTab() const { return m_remindersTab; }
    // The grid of a tab, for the cards that tab holds.
    QGridLayout *tabGrid(Tab tab) const;

    // A two-column grid page as every tab uses it (spacing 18, both columns stretch equally).
    static QGridLayout *makeTabGrid(QWidget *page);

signals:
    void testBreakReminderRequested();
    void toggleProtectionRequested();
    void previewRelaxReminderRequested();

private:
    QWidget *addTab(QWidget *page, const QString &title);

    AppState &m_state;
    QTabWidget *m_tabs = nullptr;
    FilterTab *m_filterTab = nullptr;
    RemindersTab *m_remindersTab = nullptr;
};
