#include "BreakReminders.h"

#include "AppState.h"
#include "Clock.h"
#include "PlatformServices.h"
#include "ReminderDialog.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

constexpr int kNoticeBalloonMs = 5000;
const QString kKeepAwakeReason = QStringLiteral("Eye break in progress");

} // namespace

BreakReminders::BreakReminders(AppState &state, PlatformServices &platform, QTimer *relaxTimer, QObject *parent)
    : QObject(parent), m_state(state), m_platform(platform), m_relaxTimer(relaxTimer),
      m_beep([] { QApplication::beep(); }),
      m_randomIndex([](int count) { return static_cast<int>(QRandomGenerator::global()->bounded(count)); })
{
    m_runDialog = [this](const ReminderRequest &request) {
        ReminderDialog dialog(request.title, request.message, request.countdownSeconds, request.fullScreen,
                              m_dialogParent, request.transparencyPercent, request.fadeIn, request.lockAtEnd,
                              request.passwordRequired, request.snoozeLimit, request.alertSoundPath, request.musicPath,
                              request.wallpaperPath, request.passwordCheck, request.enforced, request.resumeAllowed,
                              &m_platform);
        dialog.exec();
    };
    if (m_relaxTimer) {
        connect(m_relaxTimer, &QTimer::timeout, this, &BreakReminders::restoreRelaxInterval);
    }
}

void BreakReminders::setDialogParent(QWidget *parent)
{
    m_dialogParent = parent;
}

void BreakReminders::setTrayIcon(QSystemTrayIcon *trayIcon)
{
    m_trayIcon = trayIcon;
}

int BreakReminders::relaxIntervalMs(const AppState &state)
{
    const int minutes = state.pomodoroEnabled() ? state.pomodoroWorkMinutes() : state.relaxIntervalMinutes();
    return qMax(1, minutes) * 60000;
}

void BreakReminders::runDialog(const ReminderRequest &request)
{
    m_runDialog(request);
}

void BreakReminders::applyRuntimeState()
{
    if (m_applyRuntimeState) {
        m_applyRuntimeState();
    }
}

void BreakReminders::showBreakReminder()
{
    if (m_reminderActive || !m_state.breakReminderEnabled()) {
        return;
    }
    m_reminderActive = true;
    m_beep();
    ReminderRequest request;
    request.title = QStringLiteral("20-20-20 Break");
    request.message = QStringLiteral("Look at something 20 feet away for 20 seconds. This is the live desktop "
                                     "reminder linked to your Protect settings.");
    request.countdownSeconds = 20;
    request.fadeIn = true;
    runDialog(request);
    m_reminderActive = false;
}

QString BreakReminders::pickWallpaper() const
{
    QString wallpaper = m_state.relaxWallpaperPath();
    const QString folder = m_state.relaxWallpaperFolder();
    if (!m_state.relaxRandomWallpaperEnabled() || folder.isEmpty()) {
        return wallpaper;
    }
    const QDir dir(folder);
    const QFileInfoList pictures =
        dir.entryInfoList({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.png"),
                           QStringLiteral("*.bmp"), QStringLiteral("*.gif")},
                          QDir::Files, QDir::Unsorted);
    if (!pictures.isEmpty()) {
        wallpaper = pictures.at(m_randomIndex(static_cast<int>(pictures.size()))).absoluteFilePath();
    }
    return wallpaper;
}

void BreakReminders::showRelaxReminder()
{
    if (m_reminderActive || !m_state.relaxEyesReminderEnabled() ||
        m_state.relaxNotificationMode() == QLatin1String("none")) {
        return;
    }
    m_reminderActive = true;
    m_beep();

    KeepAwake *keepAwake = m_platform.keepAwake.get();
    if (keepAwake) {
        if (m_state.relaxKeepScreenOnEnabled()) {
            keepAwake->inhibit(kKeepAwakeReason);
        } else {
            keepAwake->release();
        }
    }

    ReminderRequest request;
    if (m_state.pomodoroEnabled()) {
        request.title = QStringLiteral("Pomodoro Break");
        request.countdownSeconds = m_state.pomodoroRestMinutes() * 60;
        request.message = QStringLiteral("Work session complete. Rest for %1 minutes before the next focus block.")
                              .arg(m_state.pomodoroRestMinutes());
    } else {
        request.title = QStringLiteral("Relax Eyes");
        request.countdownSeconds = m_state.relaxDurationSeconds();
        const int minutes = qMax(1, qRound(m_state.relaxDurationSeconds() / 60.0));
        request.message =
            QStringLiteral("Pause and relax for %1 minutes. Blink slowly, soften your focus, and let your eyes reset.")
                .arg(minutes);
    }
    request.wallpaperPath = pickWallpaper();

    if (m_state.relaxNotificationMode() == QLatin1String("simplified")) {
        showSimplifiedNotice(request.title, request.message);
        if (keepAwake) {
            keepAwake->release();
        }
        m_reminderActive = false;
        restartRelaxCycle(true);
        return;
    }

    const bool previewing = m_relaxPreviewActive;
    request.fullScreen = true;
    request.transparencyPercent = m_state.relaxTransparencyPercent();
    request.fadeIn = m_state.relaxFadeEnabled();
    request.lockAtEnd = m_state.relaxLockAtEnd();
    request.passwordRequired = m_state.relaxPasswordEnabled() && !m_state.relaxPasswordHash().isEmpty();
    request.snoozeLimit = m_state.relaxDelayLimit();
    request.alertSoundPath = m_state.relaxAlertSoundPath();
    request.musicPath = m_state.relaxMusicPath();
    request.passwordCheck = [this](const QString &candidate) { return m_state.verifyRelaxPassword(candidate); };
    request.enforced = !previewing;
    request.resumeAllowed = m_state.relaxAllowResumeEnabled();
    runDialog(request);

    if (keepAwake) {
        keepAwake->release();
    }
    m_reminderActive = false;
    if (!previewing) {
        restartRelaxCycle(false);
    }
}

void BreakReminders::showSimplifiedNotice(const QString &title, const QString &message)
{
    if (m_trayIcon) {
        m_trayIcon->showMessage(title, message, QSystemTrayIcon::Information, kNoticeBalloonMs);
        return;
    }
    QMessageBox box(QMessageBox::Information, title, message, QMessageBox::Ok, m_dialogParent);
    box.exec();
}

void BreakReminders::restartRelaxCycle(bool pomodoroOnly)
{
    if (!m_relaxTimer || !m_relaxTimer->isActive()) {
        return;
    }
    if (pomodoroOnly && !m_state.pomodoroEnabled()) {
        return; // the plain interval timer simply continues its cycle
    }
    m_relaxResumedWithRemainder = false;
    m_relaxTimer->start(relaxIntervalMs(m_state));
}

void BreakReminders::restoreRelaxInterval()
{
    // A timer resumed with the remainder of an idle-paused cycle fires once after that remainder;
    // from then on it runs full cycles again.
    if (m_relaxResumedWithRemainder && m_relaxTimer) {
        m_relaxResumedWithRemainder = false;
        if (m_relaxTimer->isActive()) {
            m_relaxTimer->setInterval(relaxIntervalMs(m_state));
        }
    }
}

void BreakReminders::previewRelaxReminder()
{
    m_relaxPreviewActive = true;
    showRelaxReminder();
    m_relaxPreviewActive = false;
}

void BreakReminders::checkExerciseReminder()
{
    if (!m_state.exerciseReminderEnabled()) {
        return;
    }
    const QDateTime now = m_state.clock().now();
    const QTime at = m_state.exerciseReminderTime();
    if (now.date() != m_lastExerciseReminderDate && now.time().hour() == at.hour() &&
        now.time().minute() == at.minute()) {
        // Marked before showing: if another reminder is on screen, today's exercise reminder is skipped.
        m_lastExerciseReminderDate = now.date();
        showExerciseReminder();
    }
}

void BreakReminders::showExerciseReminder()
{
    if (m_reminderActive) {
        return;
    }
    m_reminderActive = true;
    m_beep();
    ReminderRequest request;
    request.title = QStringLiteral("Exercise Reminder");
    request.message = QStringLiteral(
        "It is time for an eye exercise session. Open the Exercises page and run one of the guided timers.");
    request.fadeIn = true;
    runDialog(request);
    m_reminderActive = false;
}

void BreakReminders::updateRelaxIdlePauseState()
{
    const int minutes = m_state.relaxPauseOnIdleMinutes();
    if (minutes <= 0) {
        if (m_relaxIdlePaused) {
            m_relaxIdlePaused = false;
            m_relaxRemainingMs = 0;
            applyRuntimeState();
        }
        return;
    }

    const IdleTimeSource *idleSource = m_platform.idleTime.get();
    const qint64 idleMs = idleSource ? idleSource->idleMilliseconds().value_or(0) : 0;
    if (idleMs >= qint64(minutes) * 60000) {
        if (m_relaxIdlePaused) {
            return;
        }
        m_relaxIdlePaused = true;
        if (m_relaxTimer && m_relaxTimer->isActive()) {
            m_relaxRemainingMs = m_relaxTimer->remainingTime();
            m_relaxTimer->stop();
        }
        return;
    }

    if (!m_relaxIdlePaused) {
        return;
    }
    m_relaxIdlePaused = false;
    const bool autoPaused = m_isAutoPaused && m_isAutoPaused();
    if (m_state.protectionEnabled() && !autoPaused && m_state.relaxEyesReminderEnabled()) {
        if (m_relaxRemainingMs > 0 && m_relaxTimer) {
            m_relaxTimer->start(static_cast<int>(m_relaxRemainingMs));
            m_relaxResumedWithRemainder = true;
        } else {
            applyRuntimeState();
        }
    }
    m_relaxRemainingMs = 0;
}
