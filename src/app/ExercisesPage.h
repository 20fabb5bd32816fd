#pragma once

#include <QWidget>

class AppState;
class QCheckBox;
class QTimeEdit;

// The daily exercise reminder and the guided exercises.
class ExercisesPage : public QWidget {
    Q_OBJECT

public:
    explicit ExercisesPage(AppState &state, QWidget *parent = nullptr);
    void refreshFromState();

signals:
    void testReminderRequested();

private:
    AppState &m_state;
    QCheckBox *m_enabled = nullptr;
    QTimeEdit *m_time = nullptr;
};
