#pragma once

#include "AppState.h"
#include "UsageSampler.h"

#include <QJsonObject>
#include <QMainWindow>
#include <QPixmap>

class Clock;
class ExercisesPage;
class FilterOverlayController;
class PlaceholderPage;
class ProtectPage;
class QButtonGroup;
class QPushButton;
class QStackedWidget;
class QTimer;
class ReminderScheduler;
class SettingsPage;
class Sidebar;
class TrayIcon;
struct PlatformServices;

// The program's hub: owns the settings, the timers, the tray icon and the pages and wires them together.
// The work itself lives in the classes it owns; this class composes them.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(PlatformServices &platform, Clock *clock = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    AppState &state() { return m_state; }
    PlatformServices &platform() { return m_platform; }
    ReminderScheduler *reminders() const { return m_reminders; }
    FilterOverlayController *filterOverlays() const { return m_filterOverlays; }
    ProtectPage *protectPage() const { return m_protectPage; }
    TrayIcon *trayIcon() const { return m_tray; }
    QStackedWidget *pageStack() const { return m_stack; }
    QButtonGroup *navigationGroup() const { return m_navigation; }
    QTimer *foregroundTimer() const { return m_foregroundTimer; }
    QTimer *overlayKeeperTimer() const { return m_overlayKeeperTimer; }
    QTimer *usageTimer() const { return m_usageTimer; }
    const UsageSampler &usageSampler() const { return m_usageSampler; }
    QTimer *dayNightTimer() const { return m_dayNightTimer; }
    bool isAutoPaused() const { return m_autoPaused; }
    bool trayHintShown() const { return m_trayHintShown; }

    static QString findAssetPath(const QString &relative);
    static QWidget *wrapPage(QWidget *page);

public slots:
    void showWindowFromTray();
    void toggleProtection();
    void switchPage(int index);
    void applyRuntimeState();
    void refreshUi();
    void trackUsage();
    void quitFromTray();
    void setStartWithWindows(bool enabled);

    // Filter overlays
    void syncFilterOverlays();
    void updateFilterOverlay();
    void ensureOverlaysVisible();
    // Automatic filter control
    void updateForegroundPauseState();
    void updateDayNightState();
    // Reminders
    void showBreakReminder();
    void showRelaxReminder();
    void previewRelaxReminder();
    void checkExerciseReminder();
    void showExerciseReminder();
    void updateRelaxIdlePauseState();
    // Desktop theme
    void updateAutoDarkState();
    // Hotkeys
    void registerHotkeys();
    void unregisterHotkeys();
    // Cloud
    void pushDailyReport();
    void pushCloudSettings();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *createSidebar();
    QWidget *createTopBar();
    QPushButton *createNavButton(const QString &text, int id);
    ExercisesPage *createExercisesPage();
    SettingsPage *createSettingsPage();
    void createTrayIcon();
    void onSettingsChangedForCloud();
    bool foregroundTimerNeeded() const;

    AppState m_state;
    PlatformServices &m_platform;
    Clock *m_clock;
    UsageSampler m_usageSampler;

    QStackedWidget *m_stack = nullptr;
    Sidebar *m_sidebar = nullptr;
    QButtonGroup *m_navigation = nullptr;
    PlaceholderPage *m_dashboardPage = nullptr;
    ProtectPage *m_protectPage = nullptr;
    ExercisesPage *m_exercisesPage = nullptr;
    PlaceholderPage *m_reportsPage = nullptr;
    SettingsPage *m_settingsPage = nullptr;
    PlaceholderPage *m_devicesPage = nullptr;

    ReminderScheduler *m_reminders = nullptr;
    FilterOverlayController *m_filterOverlays = nullptr;
    QTimer *m_foregroundTimer = nullptr;
    QTimer *m_overlayKeeperTimer = nullptr;
    QTimer *m_usageTimer = nullptr;
    QTimer *m_dayNightTimer = nullptr;
    QTimer *m_settingsPushTimer = nullptr;
    QTimer *m_commandPollTimer = nullptr;
    QTimer *m_dailyReportTimer = nullptr;

    TrayIcon *m_tray = nullptr;
    bool m_quitting = false;
    bool m_trayHintShown = false;
    bool m_autoPaused = false;
    QString m_activeRuleKey;
    QJsonObject m_lastSnapshot;
    bool m_applyingCloudSettings = false;
};
