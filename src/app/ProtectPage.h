#pragma once

#include <QWidget>

class AppState;

// The control panel for the filter, reminders, focus, schedules and window helpers.
class ProtectPage : public QWidget {
    Q_OBJECT

public:
    explicit ProtectPage(AppState &state, QWidget *parent = nullptr);
    // Pushes the settings into the controls with their signals blocked.
    void refreshFromState();

private:
    AppState &m_state;
};
