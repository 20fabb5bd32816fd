#include "SettingsPage.h"

#include "AppState.h"
#include "GlassCard.h"
#include "UiBuilders.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

// Seconds shown as whole minutes, rounded to the nearest and never below one.
int durationMinutes(int seconds)
{
    return std::max(1, static_cast<int>(std::lround(seconds / 60.0)));
}

} // namespace

SettingsPage::SettingsPage(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(makePageHeader(
        QStringLiteral("Settings"),
        QStringLiteral(
            "Desktop preferences and the first Windows-ready versions of Android smart performance switches.")));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(18);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    // Desktop Summary
    auto *summary = makeCardLayout(12);
    summary->addWidget(makeLabel(QStringLiteral("Desktop Summary"), QStringLiteral("SectionTitle")));
    m_summary = makeLabel(QString(), QStringLiteral("MutedText"), true);
    m_reminderSummary = makeLabel(QString(), QStringLiteral("MutedText"), true);
    summary->addWidget(m_summary);
    summary->addWidget(m_reminderSummary);
    auto *line = new QFrame;
    line->setObjectName(QStringLiteral("line"));
    line->setFrameShape(QFrame::HLine);
    summary->addWidget(line);
    summary->addWidget(makeLabel(QStringLiteral("Background"), QStringLiteral("SectionTitle")));
    m_startWithWindows = new QCheckBox(QStringLiteral("Start Glarewell in the background when Windows starts"));
    m_startWithWindows->setChecked(state.startWithWindows());
    connect(m_startWithWindows, &QCheckBox::toggled, this, &SettingsPage::startWithWindowsToggled);
    summary->addWidget(m_startWithWindows);
    summary->addWidget(makeLabel(QStringLiteral("Closing the window keeps the app running in the notification area so "
                                                "protection stays active until Windows shuts down."),
                                 QStringLiteral("MutedText"), true));
    grid->addWidget(makeCard(summary, true), 0, 0);

    // Smart Performance
    auto *performance = makeCardLayout(12);
    performance->addWidget(makeLabel(QStringLiteral("Smart Performance"), QStringLiteral("SectionTitle")));
    m_gaming = new QCheckBox(QStringLiteral("Gaming mode"));
    m_battery = new QCheckBox(QStringLiteral("Battery-aware mode"));
    m_thermal = new QCheckBox(QStringLiteral("Thermal-aware mode"));
    connect(m_gaming, &QCheckBox::toggled, this, [this](bool on) { m_state.setGamingModeEnabled(on); });
    connect(m_battery, &QCheckBox::toggled, this, [this](bool on) { m_state.setBatteryAwareEnabled(on); });
    connect(m_thermal, &QCheckBox::toggled, this, [this](bool on) { m_state.setThermalAwareEnabled(on); });
    performance->addWidget(m_gaming);
    performance->addWidget(m_battery);
    performance->addWidget(m_thermal);
    performance->addStretch(1);
    grid->addWidget(makeCard(performance), 0, 1);

    // Devices
    auto *devices = makeCardLayout(12);
    devices->addWidget(makeLabel(QStringLiteral("Devices"), QStringLiteral("SectionTitle")));
    devices->addWidget(makeLabel(QStringLiteral("See the computers and phones signed in to your account and remove the "
                                                "ones you no longer use."),
                                 QStringLiteral("MutedText"), true));
    auto *openDevices = makeButton(QStringLiteral("Open Devices"), QStringLiteral("SecondaryAction"));
    connect(openDevices, &QPushButton::clicked, this, &SettingsPage::openDevicesRequested);
    devices->addWidget(openDevices, 0, Qt::AlignLeft);
    grid->addWidget(makeCard(devices), 1, 0);

    // Updates
    auto *updates = makeCardLayout(10);
    updates->addWidget(makeLabel(QStringLiteral("Updates"), QStringLiteral("SectionTitle")));
    updates->addWidget(makeLabel(QStringLiteral("Current version: %1").arg(QCoreApplication::applicationVersion()),
                                 QStringLiteral("MutedText"), true));
    m_updateStatus = makeLabel(QString(), QStringLiteral("MutedText"), true);
    updates->addWidget(m_updateStatus);
    m_updateProgress = new QProgressBar;
    m_updateProgress->setRange(0, 100);
    m_updateProgress->setValue(0);
    updates->addWidget(m_updateProgress);
    m_checkUpdates = makeButton(QStringLiteral("Check for updates"), QStringLiteral("SecondaryAction"));
    connect(m_checkUpdates, &QPushButton::clicked, this, [this] {
        m_updateStatus->setText(QStringLiteral("Checking for updates..."));
        emit checkForUpdatesRequested();
    });
    updates->addWidget(m_checkUpdates, 0, Qt::AlignLeft);
    grid->addWidget(makeCard(updates), 1, 1);

    // Reset Settings
    auto *reset = makeCardLayout(10);
    reset->addWidget(makeLabel(QStringLiteral("Reset Settings"), QStringLiteral("SectionTitle")));
    reset->addWidget(makeLabel(QStringLiteral("Restore all preferences to their defaults. Your screen-time history, "
                                              "reports and health score are kept."),
                               QStringLiteral("MutedText"), true));
    auto *resetButton = makeButton(QStringLiteral("Reset all settings"), QStringLiteral("DangerAction"));
    connect(resetButton, &QPushButton::clicked, this, &SettingsPage::confirmReset);
    reset->addWidget(resetButton, 0, Qt::AlignLeft);
    grid->addWidget(makeCard(reset), 2, 0);

    layout->addLayout(grid);
    layout->addStretch(1);
}

void SettingsPage::confirmReset()
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Reset all settings?"),
                    QStringLiteral("This will reset every Glarewell preference to its default value."),
                    QMessageBox::Reset | QMessageBox::Cancel, this);
    box.setInformativeText(QStringLiteral("Your screen-time history, daily reports and health score will not be "
                                          "affected. This cannot be undone."));
    box.button(QMessageBox::Reset)->setText(QStringLiteral("Reset all settings"));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Reset) {
        return;
    }
    m_state.resetAllSettings();
    QMessageBox::information(this, QStringLiteral("Settings reset"),
                             QStringLiteral("All preferences have been restored to their defaults."));
}

void SettingsPage::refreshFromState(int healthScore)
{
    m_summary->setText(QStringLiteral("Mode: %1\nHealth score: %2\nProtection: %3")
                           .arg(m_state.currentModeName())
                           .arg(healthScore)
                           .arg(m_state.protectionEnabled() ? QStringLiteral("Enabled") : QStringLiteral("Disabled")));
    m_reminderSummary->setText(
        QStringLiteral("Exercise reminder: %1 at %2\nRelax eyes: every %3 minutes for %4 minutes")
            .arg(m_state.exerciseReminderEnabled() ? QStringLiteral("On") : QStringLiteral("Off"))
            .arg(m_state.exerciseReminderTime().toString(QStringLiteral("hh:mm ap")))
            .arg(m_state.relaxIntervalMinutes())
            .arg(durationMinutes(m_state.relaxDurationSeconds())));
    const auto setChecked = [](QCheckBox *box, bool checked) {
        const QSignalBlocker blocker(box);
        box->setChecked(checked);
    };
    setChecked(m_startWithWindows, m_state.startWithWindows());
    setChecked(m_gaming, m_state.gamingModeEnabled());
    setChecked(m_battery, m_state.batteryAwareEnabled());
    setChecked(m_thermal, m_state.thermalAwareEnabled());
}
