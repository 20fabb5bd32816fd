#include "ExercisesPage.h"

#include "AppState.h"
#include "GlassCard.h"
#include "UiBuilders.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

ExercisesPage::ExercisesPage(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(
        makePageHeader(QStringLiteral("Exercises"),
                       QStringLiteral("Timers and exercise guidance ported from the Android Eye Exercises screen.")));

    auto *card = new QVBoxLayout;
    card->setContentsMargins(22, 22, 22, 22);
    card->setSpacing(12);
    card->addWidget(makeLabel(QStringLiteral("Exercise reminders"), QStringLiteral("SectionTitle")));
    card->addWidget(makeLabel(QStringLiteral("Keep a daily reminder for focused eye relief sessions."),
                              QStringLiteral("MutedText"), true));
    auto *row = new QHBoxLayout;
    m_enabled = new QCheckBox(QStringLiteral("Enable reminders"));
    connect(m_enabled, &QCheckBox::toggled, this, [this](bool on) { m_state.setExerciseReminderEnabled(on); });
    m_time = new QTimeEdit;
    m_time->setDisplayFormat(QStringLiteral("hh:mm ap"));
    connect(m_time, &QTimeEdit::timeChanged, this, [this](QTime time) { m_state.setExerciseReminderTime(time); });
    auto *test = makeButton(QStringLiteral("Test Reminder"), QStringLiteral("SecondaryAction"));
    connect(test, &QPushButton::clicked, this, &ExercisesPage::testReminderRequested);
    row->addWidget(m_enabled);
    row->addWidget(m_time);
    row->addStretch(1);
    row->addWidget(test);
    card->addLayout(row);
    layout->addWidget(makeCard(card));
    layout->addStretch(1);
    refreshFromState();
}

void ExercisesPage::refreshFromState()
{
    const QSignalBlocker enabledBlocker(m_enabled);
    const QSignalBlocker timeBlocker(m_time);
    m_enabled->setChecked(m_state.exerciseReminderEnabled());
    m_time->setTime(m_state.exerciseReminderTime());
}
