#pragma once

#include <QWidget>

class AppState;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

// Desktop preferences: summary, background start, smart performance switches, devices, updates and reset.
class SettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit SettingsPage(AppState &state, QWidget *parent = nullptr);
    void refreshFromState(int healthScore);

    QLabel *updateStatusLabel() const { return m_updateStatus; }
    QProgressBar *updateProgress() const { return m_updateProgress; }
    QPushButton *checkUpdatesButton() const { return m_checkUpdates; }

signals:
    void startWithWindowsToggled(bool enabled);
    void openDevicesRequested();
    void checkForUpdatesRequested();

private:
    void confirmReset();

    AppState &m_state;
    QLabel *m_summary = nullptr;
    QLabel *m_reminderSummary = nullptr;
    QCheckBox *m_startWithWindows = nullptr;
    QCheckBox *m_gaming = nullptr;
    QCheckBox *m_battery = nullptr;
    QCheckBox *m_thermal = nullptr;
    QLabel *m_updateStatus = nullptr;
    QProgressBar *m_updateProgress = nullptr;
    QPushButton *m_checkUpdates = nullptr;
};
