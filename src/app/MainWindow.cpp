#include "MainWindow.h"

#include "AssetLocator.h"
#include "BreakReminders.h"
#include "Clock.h"
#include "ExercisesPage.h"
#include "FilterOverlayController.h"
#include "PlaceholderPage.h"
#include "PlatformServices.h"
#include "ProtectPage.h"
#include "ReminderScheduler.h"
#include "SettingsPage.h"
#include "Sidebar.h"
#include "TrayIcon.h"
#include "UiBuilders.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kUsageIntervalMs = 30000;
constexpr int kDayNightIntervalMs = 60000;
constexpr int kForegroundIntervalMs = 2000;
constexpr int kOverlayKeeperIntervalMs = 1000;
constexpr int kSettingsPushDelayMs = 1000;
constexpr int kCommandPollIntervalMs = 15000;
constexpr int kDailyReportIntervalMs = 900000;
constexpr int kTrayHintMs = 4000;

enum PageIndex { HomePage = 0, ProtectPageIndex, ExercisesPageIndex, ReportsPageIndex, SettingsPageIndex, DevicesPage };

QTimer *makeTimer(QObject *parent, int intervalMs, bool singleShot = false)
{
    auto *timer = new QTimer(parent);
    timer->setInterval(intervalMs);
    timer->setSingleShot(singleShot);
    return timer;
}

} // namespace

MainWindow::MainWindow(PlatformServices &platform, Clock *clock, QWidget *parent)
    : QMainWindow(parent), m_state(nullptr, clock), m_platform(platform), m_clock(clock ? clock : &Clock::system()),
      m_usageSampler(m_state, *platform.idleTime)
{
    setWindowTitle(QStringLiteral("Glarewell"));
    // On screens smaller than the design size (a 1366x768 laptop) the window must still fit, or its lower
    // part could never be reached. The frame is not known before the window manager maps the window, so
    // leave room for a usual title bar and borders.
    const QSize frameAllowance(16, 48);
    const QSize available = QGuiApplication::primaryScreen()
                                ? QGuiApplication::primaryScreen()->availableSize() - frameAllowance
                                : QSize(1540, 940);
    setMinimumSize(QSize(1280, 820).boundedTo(available));
    resize(QSize(1540, 940).boundedTo(available));

    const QString iconPath = findAssetPath(QStringLiteral("assets/app.ico"));
    if (!iconPath.isEmpty()) {
        const QIcon icon(iconPath);
        setWindowIcon(icon);
        QApplication::setWindowIcon(icon);
    }

    auto *root = new QWidget;
    root->setObjectName(QStringLiteral("WindowRoot"));
    auto *rootLayout = new QHBoxLayout(root);
    rootLayout->setContentsMargins(18, 18, 18, 18);
    rootLayout->setSpacing(18);
    rootLayout->addWidget(createSidebar());

    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("ContentSurface"));
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(24, 22, 24, 22);
    contentLayout->setSpacing(18);
    contentLayout->addWidget(createTopBar());
    m_stack = new QStackedWidget;
    contentLayout->addWidget(m_stack, 1);
    rootLayout->addWidget(content, 1);
    setCentralWidget(root);

    m_dashboardPage = new PlaceholderPage(QStringLiteral("Home"),
                                          QStringLiteral("Today's screen time, eye health and filter at a glance."));
    m_protectPage = new ProtectPage(m_state);
    m_exercisesPage = createExercisesPage();
    m_reportsPage = new PlaceholderPage(QStringLiteral("Reports"), QStringLiteral("Your daily eye-health reports."));
    m_settingsPage = createSettingsPage();
    m_devicesPage =
        new PlaceholderPage(QStringLiteral("Devices"), QStringLiteral("Sign in to see the devices on your account."));
    for (QWidget *page : {static_cast<QWidget *>(m_dashboardPage), static_cast<QWidget *>(m_protectPage),
                          static_cast<QWidget *>(m_exercisesPage), static_cast<QWidget *>(m_reportsPage),
                          static_cast<QWidget *>(m_settingsPage), static_cast<QWidget *>(m_devicesPage)}) {
        m_stack->addWidget(wrapPage(page));
    }
    connect(m_protectPage, &ProtectPage::testBreakReminderRequested, this, &MainWindow::showBreakReminder);
    connect(m_protectPage, &ProtectPage::toggleProtectionRequested, this, &MainWindow::toggleProtection);
    connect(m_protectPage, &ProtectPage::previewRelaxReminderRequested, this, &MainWindow::previewRelaxReminder);
    connect(m_exercisesPage, &ExercisesPage::testReminderRequested, this, &MainWindow::showExerciseReminder);
    connect(m_settingsPage, &SettingsPage::startWithWindowsToggled, this, &MainWindow::setStartWithWindows);
    connect(m_settingsPage, &SettingsPage::openDevicesRequested, this, [this] { switchPage(DevicesPage); });

    // Reminder timers are armed by applyRuntimeState(); the others run from the start.
    m_reminders = new ReminderScheduler(m_state, m_platform, this);
    connect(m_reminders, &ReminderScheduler::breakDue, this, &MainWindow::showBreakReminder);
    connect(m_reminders, &ReminderScheduler::relaxDue, this, &MainWindow::showRelaxReminder);
    connect(m_reminders, &ReminderScheduler::exerciseCheckDue, this, &MainWindow::checkExerciseReminder);
    m_foregroundTimer = makeTimer(this, kForegroundIntervalMs);
    connect(m_foregroundTimer, &QTimer::timeout, this, &MainWindow::updateForegroundPauseState);
    // One filter overlay per screen, created by the first syncFilterOverlays() (from refreshUi() below).
    m_filterOverlays = new FilterOverlayController(m_state, *m_platform.stacking, this);
    m_overlayKeeperTimer = makeTimer(this, kOverlayKeeperIntervalMs);
    connect(m_overlayKeeperTimer, &QTimer::timeout, this, &MainWindow::ensureOverlaysVisible);

    m_usageTimer = makeTimer(this, kUsageIntervalMs);
    connect(m_usageTimer, &QTimer::timeout, this, &MainWindow::trackUsage);
    m_usageTimer->start();
    m_dayNightTimer = makeTimer(this, kDayNightIntervalMs);
    connect(m_dayNightTimer, &QTimer::timeout, this, &MainWindow::updateDayNightState);
    m_dayNightTimer->start();

    const auto screensChanged = [this] {
        syncFilterOverlays();
        updateFilterOverlay();
    };
    connect(qApp, &QGuiApplication::screenAdded, this, screensChanged);
    connect(qApp, &QGuiApplication::screenRemoved, this, screensChanged);

    connect(&m_state, &AppState::stateChanged, this, &MainWindow::refreshUi);
    createTrayIcon();
    BreakReminders *handlers = m_reminders->handlers();
    handlers->setDialogParent(this);
    handlers->setTrayIcon(m_tray ? m_tray->icon() : nullptr);
    handlers->setRuntimeStateApplier([this] { applyRuntimeState(); });
    handlers->setAutoPausedCheck([this] { return m_autoPaused; });

    connect(&m_state, &AppState::stateChanged, this, &MainWindow::onSettingsChangedForCloud);
    m_settingsPushTimer = makeTimer(this, kSettingsPushDelayMs, true);
    connect(m_settingsPushTimer, &QTimer::timeout, this, &MainWindow::pushCloudSettings);
    m_commandPollTimer = makeTimer(this, kCommandPollIntervalMs);
    m_dailyReportTimer = makeTimer(this, kDailyReportIntervalMs);
    connect(m_dailyReportTimer, &QTimer::timeout, this, &MainWindow::pushDailyReport);
    m_dailyReportTimer->start();

    // The program must never be invisible: without a tray a background start still shows the window.
    if (QCoreApplication::arguments().contains(QStringLiteral("--background")) && !m_tray) {
        show();
    }

    refreshUi();
    setStartWithWindows(m_state.startWithWindows());
}

MainWindow::~MainWindow() = default;

QString MainWindow::findAssetPath(const QString &relative)
{
    return AssetLocator::findAssetPath(relative);
}

QWidget *MainWindow::wrapPage(QWidget *page)
{
    return ::wrapPage(page);
}

QWidget *MainWindow::createSidebar()
{
    m_sidebar = new Sidebar;
    m_navigation = m_sidebar->navigation();
    const QStringList names = {QStringLiteral("Home"), QStringLiteral("Protect"), QStringLiteral("Exercises"),
                               QStringLiteral("Reports"), QStringLiteral("Settings")};
    for (int i = 0; i < names.size(); ++i) {
        createNavButton(names.at(i), i);
    }
    m_navigation->button(HomePage)->setChecked(true);
    connect(m_navigation, &QButtonGroup::idClicked, this, &MainWindow::switchPage);
    return m_sidebar;
}

QPushButton *MainWindow::createNavButton(const QString &text, int id)
{
    return m_sidebar->addNavButton(text, id);
}

ExercisesPage *MainWindow::createExercisesPage()
{
    return new ExercisesPage(m_state);
}

SettingsPage *MainWindow::createSettingsPage()
{
    return new SettingsPage(m_state);
}

QWidget *MainWindow::createTopBar()
{
    auto *bar = new QWidget;
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    auto *search =
        makeLabel(QStringLiteral(" Search protection, reminders, exercises..."), QStringLiteral("TopSearch"));
    search->setMinimumWidth(320);
    layout->addWidget(search);
    layout->addStretch(1);

    auto *profile = new QPushButton;
    profile->setObjectName(QStringLiteral("ProfileButton"));
    profile->setFixedSize(46, 46);
    profile->setIconSize(QSize(34, 34));
    profile->setCursor(Qt::PointingHandCursor);
    profile->setIcon(QIcon(
        AssetLocator::renderLogoPixmap(AssetLocator::logoPath(), findAssetPath(QStringLiteral("assets/app.ico")), 36)));
    profile->setStyleSheet(QStringLiteral(
        "QPushButton#ProfileButton { background: rgba(255,255,255,0.12); border: 1px solid rgba(255,255,255,0.24); "
        "border-radius: 23px; padding: 4px; }QPushButton#ProfileButton:hover { background: rgba(132,72,198,0.65); "
        "border-color: rgba(201,145,255,0.85); }"));
    profile->setToolTip(QStringLiteral("Profile · sign in or create an account"));
    layout->addWidget(profile);
    return bar;
}

void MainWindow::switchPage(int index)
{
    if (!m_stack) {
        return;
    }
    m_stack->setCurrentIndex(index);
    if (QAbstractButton *button = m_navigation ? m_navigation->button(index) : nullptr) {
        if (!button->isChecked()) {
            button->setChecked(true);
        }
    }
}

void MainWindow::createTrayIcon()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return;
    }
    QGuiApplication::setQuitOnLastWindowClosed(false);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { m_quitting = true; });

    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) {
        const QString iconPath = findAssetPath(QStringLiteral("assets/app.ico"));
        if (!iconPath.isEmpty()) {
            icon = QIcon(iconPath);
        }
    }
    m_tray = new TrayIcon(icon, this);
    connect(m_tray, &TrayIcon::openRequested, this, &MainWindow::showWindowFromTray);
    connect(m_tray, &TrayIcon::toggleProtectionRequested, this, &MainWindow::toggleProtection);
    connect(m_tray, &TrayIcon::startWithWindowsToggled, this, &MainWindow::setStartWithWindows);
    connect(m_tray, &TrayIcon::quitRequested, this, &MainWindow::quitFromTray);
}

void MainWindow::showWindowFromTray()
{
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::toggleProtection()
{
    m_state.setProtectionEnabled(!m_state.protectionEnabled());
}

void MainWindow::quitFromTray()
{
    m_quitting = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    unregisterHotkeys();
    if (!m_quitting && m_tray && m_tray->isVisible()) {
        hide();
        event->ignore();
        if (!m_trayHintShown) {
            m_trayHintShown = true;
            m_tray->showMessage(
                QStringLiteral("Glarewell"),
                QStringLiteral(
                    "Still running in the background. Protection stays active until you quit from the tray."),
                kTrayHintMs);
        }
        return;
    }
    event->accept();
}

void MainWindow::setStartWithWindows(bool enabled)
{
    m_state.setStartWithWindows(enabled);
    m_platform.autostart->setEnabled(enabled, QCoreApplication::applicationFilePath(),
                                     {QStringLiteral("--background")});
    if (m_tray) {
        m_tray->setStartWithWindows(enabled);
    }
}

bool MainWindow::foregroundTimerNeeded() const
{
    const bool protectionRules =
        m_state.protectionEnabled() &&
        (m_state.autoPauseEnabled() || m_state.appRulesEnabled() || m_state.fullScreenAutoPauseEnabled());
    return protectionRules || m_state.magicWindowEnabled() || m_state.miniFloatingWindowEnabled();
}

void MainWindow::applyRuntimeState()
{
    syncFilterOverlays();
    updateForegroundPauseState();
    updateFilterOverlay();

    m_reminders->applyTimers(m_autoPaused);

    if (foregroundTimerNeeded()) {
        if (!m_foregroundTimer->isActive()) {
            m_foregroundTimer->start();
        }
    } else {
        m_foregroundTimer->stop();
        if (m_autoPaused) {
            m_autoPaused = false;
            m_activeRuleKey.clear();
            QTimer::singleShot(0, this, &MainWindow::refreshUi);
        }
    }

    if (!m_state.protectionEnabled() || m_autoPaused) {
        m_overlayKeeperTimer->stop();
    } else if (!m_overlayKeeperTimer->isActive()) {
        m_overlayKeeperTimer->start();
    }
    // The focus overlay is configured here once it exists.
}

void MainWindow::refreshUi()
{
    const bool protection = m_state.protectionEnabled();
    if (m_tray) {
        m_tray->setProtectionEnabled(protection);
        m_tray->setStartWithWindows(m_state.startWithWindows());
    }
    m_protectPage->refreshFromState();
    m_exercisesPage->refreshFromState();
    m_settingsPage->refreshFromState(0);

    applyRuntimeState();
    registerHotkeys();
    updateDayNightState();
}

void MainWindow::syncFilterOverlays()
{
    m_filterOverlays->syncOverlays();
}

void MainWindow::updateFilterOverlay()
{
    m_filterOverlays->updateOverlays(m_autoPaused);
}

void MainWindow::ensureOverlaysVisible()
{
    m_filterOverlays->ensureVisible(m_autoPaused);
}

void MainWindow::onSettingsChangedForCloud()
{
    // Uploading the settings snapshot starts with the cloud account.
}

void MainWindow::trackUsage()
{
    m_usageSampler.sample();
    updateRelaxIdlePauseState();
    updateAutoDarkState();
}

void MainWindow::updateForegroundPauseState() {}
void MainWindow::updateDayNightState() {}

void MainWindow::showBreakReminder()
{
    m_reminders->showBreakReminder();
}

void MainWindow::showRelaxReminder()
{
    m_reminders->showRelaxReminder();
}

void MainWindow::previewRelaxReminder()
{
    m_reminders->previewRelaxReminder();
}

void MainWindow::checkExerciseReminder()
{
    m_reminders->checkExerciseReminder();
}

void MainWindow::showExerciseReminder()
{
    m_reminders->showExerciseReminder();
}

void MainWindow::updateRelaxIdlePauseState()
{
    m_reminders->updateRelaxIdlePauseState();
}

void MainWindow::updateAutoDarkState() {}
void MainWindow::registerHotkeys() {}

void MainWindow::unregisterHotkeys()
{
    m_platform.hotkeys->unregisterAll();
}

void MainWindow::pushDailyReport() {}
void MainWindow::pushCloudSettings() {}
