#include "ReminderDialog.h"

#include "BreakSound.h"
#include "GlassCard.h"
#include "MediaBreakSound.h"
#include "PlatformServices.h"
#include "ScreenCover.h"
#include "UiBuilders.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QImageReader>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int kCountdownIntervalMs = 1000;
constexpr int kEnforcementIntervalMs = 400;
constexpr int kFadeDurationMs = 300;
constexpr int kSnoozeSeconds = 60;

// Blocking breaks on screen, oldest first; the newest one holds the keyboard.
QList<ReminderDialog *> &blockingDialogs()
{
    static QList<ReminderDialog *> dialogs;
    return dialogs;
}

QLabel *centeredLabel(const QString &text, const QString &objectName)
{
    auto *label = new QLabel(text);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QPixmap loadPicture(const QString &path)
{
    if (path.isEmpty()) {
        return {};
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QString formatBreakCountdown(int seconds)
{
    const int s = qMax(0, seconds);
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

qreal ReminderDialog::opacityForTransparency(int transparencyPercent)
{
    const int t = qBound(0, transparencyPercent, 100);
    return qBound(0.35, 1.0 - t / 100.0, 1.0);
}

int ReminderDialog::blockingDialogCount()
{
    return static_cast<int>(blockingDialogs().size());
}

ReminderDialog::ReminderDialog(const QString &title, const QString &message, int countdownSeconds, bool fullScreen,
                               QWidget *parent, int transparencyPercent, bool fadeIn, bool lockAtEnd,
                               bool passwordRequired, int snoozeLimit, const QString &alertSoundPath,
                               const QString &musicPath, const QString &wallpaperPath, PasswordCheck passwordCheck,
                               bool enforced, bool resumeAllowed, PlatformServices *platform, BreakSound *sound)
    : QDialog(parent), m_platform(platform), m_sound(sound ? sound : MediaBreakSound::instance()),
      m_passwordCheck(std::move(passwordCheck)), m_countdownTimer(new QTimer(this)),
      m_enforcementTimer(new QTimer(this)), m_alertSoundPath(alertSoundPath), m_musicPath(musicPath),
      m_opacity(opacityForTransparency(transparencyPercent)), m_countdownSeconds(countdownSeconds),
      m_remainingSeconds(countdownSeconds), m_snoozesLeft(snoozeLimit), m_blocking(countdownSeconds >= 1 && enforced),
      m_resumeAllowed(resumeAllowed), m_fadeIn(fadeIn), m_lockAtEnd(lockAtEnd), m_passwordRequired(passwordRequired)
{
    m_fullScreen = fullScreen || m_blocking;
    setModal(true);
    setWindowTitle(title);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    if (m_fullScreen) {
        setWindowFlag(Qt::FramelessWindowHint);
        setAttribute(Qt::WA_TranslucentBackground);
        QScreen *primary = QGuiApplication::primaryScreen();
        if (primary && !primary->geometry().isNull()) {
            setScreen(primary);
            setGeometry(primary->geometry());
            // Full-screen state also lifts the window above panels and docks.
            setWindowState(Qt::WindowFullScreen);
        } else {
            resize(900, 560);
        }
    } else {
        resize(560, 360);
    }
    setWindowOpacity(m_opacity);
    m_wallpaper = loadPicture(wallpaperPath);

    buildLayout(title, message, countdownSeconds);

    m_countdownTimer->setInterval(kCountdownIntervalMs);
    connect(m_countdownTimer, &QTimer::timeout, this, &ReminderDialog::countdownTick);
    m_enforcementTimer->setInterval(kEnforcementIntervalMs);
    connect(m_enforcementTimer, &QTimer::timeout, this, &ReminderDialog::enforcementTick);

    if (m_blocking) {
        applySystemChanges();
    }
    if (countdownSeconds >= 1) {
        m_countdownTimer->start();
    }
    if (!m_musicPath.isEmpty()) {
        m_sound->startMusic(m_musicPath);
    }
    if (m_fadeIn) {
        setWindowOpacity(0.0);
        QTimer::singleShot(0, this, &ReminderDialog::startFadeIn);
    }
}

ReminderDialog::~ReminderDialog()
{
    m_sound->stopMusic();
    m_enforcementTimer->stop();
    releaseSystemChanges();
}

void ReminderDialog::buildLayout(const QString &title, const QString &message, int countdownSeconds)
{
    auto *outer = new QVBoxLayout(this);
    const int margin = m_fullScreen ? 40 : 24;
    outer->setContentsMargins(margin, margin, margin, margin);
    outer->setSpacing(0);

    auto *card = new GlassCard;
    card->setStrong(true);
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(28, 28, 28, 28);
    layout->setSpacing(14);
    outer->addWidget(card, 0, Qt::AlignCenter);

    layout->addWidget(centeredLabel(title, QStringLiteral("PageTitle")));
    layout->addWidget(centeredLabel(message, QStringLiteral("MutedText")));
    layout->addSpacing(6);
    m_countdownLabel = centeredLabel(QString(), QStringLiteral("MetricValue"));
    layout->addWidget(m_countdownLabel);
    refreshCountdownLabel();

    m_primaryButton = makeButton(countdownSeconds >= 1 ? QStringLiteral("Resume Work") : QStringLiteral("Got It"),
                                 QStringLiteral("PrimaryAction"));
    connect(m_primaryButton, &QPushButton::clicked, this, &ReminderDialog::primaryClicked);
    m_snoozeButton =
        makeButton(QStringLiteral("Snooze 1 min (%1 left)").arg(m_snoozesLeft), QStringLiteral("SecondaryAction"));
    connect(m_snoozeButton, &QPushButton::clicked, this, &ReminderDialog::snooze);

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    if (m_blocking) {
        layout->addSpacing(4);
        layout->addWidget(centeredLabel(blockingNote(), QStringLiteral("MutedText")));
        if (m_resumeAllowed) {
            layout->addSpacing(8);
            row->addWidget(m_primaryButton);
        }
    } else {
        row->setSpacing(12);
        if (m_snoozesLeft > 0) {
            row->addWidget(m_snoozeButton);
        }
        row->addWidget(m_primaryButton);
    }
    row->addStretch(1);
    layout->addLayout(row);

    // Buttons left out of the layout belong to no row; keep them as hidden children.
    for (QPushButton *button : {m_primaryButton, m_snoozeButton}) {
        if (!button->parent()) {
            button->setParent(this);
            button->hide();
        }
    }
    m_snoozeButton->setVisible(m_snoozesLeft >= 1 && !m_blocking);
}

QString ReminderDialog::blockingNote() const
{
    if (passwordGuarded()) {
        return m_resumeAllowed ? QStringLiteral("The computer is blocked until the break ends. Use the button and "
                                                "enter your break password to resume work.")
                               : QStringLiteral("The computer is blocked until the break ends. Press Esc and enter "
                                                "your break password to end it early.");
    }
    if (m_resumeAllowed) {
        return QStringLiteral("The computer is blocked until the break ends. Use the button to resume work early.");
    }
    return QStringLiteral("The computer is blocked until the break ends.");
}

void ReminderDialog::primaryClicked()
{
    if (passwordGuarded() && !promptPassword()) {
        return;
    }
    accept();
}

void ReminderDialog::snooze()
{
    if (m_snoozesLeft <= 0) {
        return;
    }
    --m_snoozesLeft;
    m_snoozeButton->setText(QStringLiteral("Snooze 1 min (%1 left)").arg(m_snoozesLeft));
    if (m_snoozesLeft == 0) {
        m_snoozeButton->hide();
    }
    m_remainingSeconds += kSnoozeSeconds;
    refreshCountdownLabel();
}

void ReminderDialog::refreshCountdownLabel()
{
    m_countdownLabel->setText(m_countdownSeconds >= 1 ? formatBreakCountdown(m_remainingSeconds)
                                                      : QStringLiteral("Ready"));
}

void ReminderDialog::countdownTick()
{
    if (m_remainingSeconds <= 0) {
        m_countdownTimer->stop();
        if (!m_alertSoundPath.isEmpty()) {
            m_sound->playAlert(m_alertSoundPath);
        }
        if (m_lockAtEnd && m_platform && m_platform->workstationLock) {
            m_platform->workstationLock->lock();
        }
        // Cleared first, so that nothing refuses the final close.
        m_blocking = false;
        closePrompts();
        accept();
        return;
    }
    --m_remainingSeconds;
    refreshCountdownLabel();
}

void ReminderDialog::startFadeIn()
{
    auto *animation = new QPropertyAnimation(this, "windowOpacity", this);
    animation->setDuration(kFadeDurationMs);
    animation->setStartValue(0.0);
    animation->setEndValue(m_opacity);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

bool ReminderDialog::promptPassword()
{
    QInputDialog prompt(this);
    prompt.setWindowFlag(Qt::WindowStaysOnTopHint);
    prompt.setWindowTitle(QStringLiteral("Password required"));
    prompt.setInputMode(QInputDialog::TextInput);
    prompt.setLabelText(QStringLiteral("Enter the break password:"));
    prompt.setTextEchoMode(QLineEdit::Password);
    prompt.setTextValue(QString());
    m_prompt = &prompt;
    const bool entered = prompt.exec() == QDialog::Accepted;
    if (!entered || m_ended) {
        return false; // cancelled, or the break ended while the prompt was open
    }
    if (m_passwordCheck && m_passwordCheck(prompt.textValue())) {
        return true;
    }
    QMessageBox warning(QMessageBox::Warning, QStringLiteral("Glarewell"), QStringLiteral("Incorrect password."),
                        QMessageBox::Ok, this);
    warning.setWindowFlag(Qt::WindowStaysOnTopHint);
    m_warning = &warning;
    warning.exec();
    return false;
}

void ReminderDialog::closePrompts()
{
    // Rejecting them lets their nested event loops return before the break itself closes.
    for (QDialog *open : {static_cast<QDialog *>(m_warning.data()), static_cast<QDialog *>(m_prompt.data())}) {
        if (open) {
            QMetaObject::invokeMethod(open, &QDialog::reject);
        }
    }
}

void ReminderDialog::keyPressEvent(QKeyEvent *event)
{
    const bool escape = event->key() == Qt::Key_Escape;
    if (!m_blocking || m_resumeAllowed) {
        if (!escape) {
            QDialog::keyPressEvent(event);
            return;
        }
        if (!passwordGuarded() || promptPassword()) {
            accept();
        }
        return;
    }
    if (!passwordGuarded()) {
        event->accept(); // nothing ends this break early
        return;
    }
    if (escape) {
        if (promptPassword()) {
            accept();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void ReminderDialog::closeEvent(QCloseEvent *event)
{
    const bool mayClose = !m_blocking || m_resumeAllowed || passwordGuarded();
    if (!mayClose || (passwordGuarded() && !promptPassword())) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ReminderDialog::paintEvent(QPaintEvent *event)
{
    if (!m_wallpaper.isNull()) {
        if (m_scaledWallpaper.isNull() || m_scaledWallpaper.size().boundedTo(size()) != size()) {
            m_scaledWallpaper = m_wallpaper.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        }
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // Centred: the overflow of the expanded picture is cut off evenly on both sides.
        const QPoint offset((width() - m_scaledWallpaper.width()) / 2, (height() - m_scaledWallpaper.height()) / 2);
        painter.drawPixmap(offset, m_scaledWallpaper);
    } else if (m_fullScreen) {
        // Without a picture the screen is veiled like the covers of the other screens.
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 0, 200));
    }
    QDialog::paintEvent(event);
}

void ReminderDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_blocking) {
        QTimer::singleShot(0, this, &ReminderDialog::enforcementTick);
    }
}

void ReminderDialog::done(int result)
{
    if (m_ended) {
        return; // a prompt answered after the break already ended
    }
    m_ended = true;
    m_countdownTimer->stop();
    m_sound->stopMusic();
    releaseSystemChanges();
    QDialog::done(result);
}

void ReminderDialog::applySystemChanges()
{
    blockingDialogs().append(this);
    syncScreenCovers();
    connect(qApp, &QGuiApplication::screenAdded, this, [this] { syncScreenCovers(); });
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, [this] { syncScreenCovers(); });
    connect(qApp, &QGuiApplication::screenRemoved, this, [this](QScreen *screen) {
        delete m_covers.take(screen);
        // The list of screens is settled once control returns to the event loop.
        QTimer::singleShot(0, this, [this] { syncScreenCovers(); });
    });
    if (m_platform && m_platform->taskbar) {
        m_platform->taskbar->setTaskbarVisible(false);
    }
    m_systemChangesApplied = true;
    m_enforcementTimer->start();
}

void ReminderDialog::releaseSystemChanges()
{
    if (!m_systemChangesApplied) {
        return;
    }
    m_systemChangesApplied = false;
    m_enforcementTimer->stop();
    disconnect(qApp, nullptr, this, nullptr);
    if (m_platform && m_platform->taskbar) {
        m_platform->taskbar->setTaskbarVisible(true);
    }
    blockingDialogs().removeAll(this);
    if (blockingDialogs().isEmpty()) {
        if (m_platform && m_platform->keyboardBlocker) {
            m_platform->keyboardBlocker->release();
        }
    } else {
        blockingDialogs().constLast()->grabKeyboard();
    }
    qDeleteAll(m_covers);
    m_covers.clear();
}

void ReminderDialog::syncScreenCovers()
{
    if (!blockingDialogs().contains(this)) {
        return;
    }
    QScreen *primary = QGuiApplication::primaryScreen();
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (auto it = m_covers.begin(); it != m_covers.end();) {
        if (it.key() == primary || !screens.contains(it.key())) {
            delete it.value();
            it = m_covers.erase(it);
        } else {
            ++it;
        }
    }
    for (QScreen *screen : screens) {
        if (screen != primary && !m_covers.contains(screen)) {
            auto *cover = new ScreenCover(screen, m_opacity);
            m_covers.insert(screen, cover);
            cover->show();
        }
    }
    if (primary && !primary->geometry().isNull() && screen() != primary) {
        setScreen(primary);
        setGeometry(primary->geometry());
    }
}

void ReminderDialog::grabKeyboard()
{
    if (!m_platform || !m_platform->keyboardBlocker || blockingDialogs().isEmpty() ||
        blockingDialogs().constLast() != this || !isVisible() || !windowHandle()) {
        return;
    }
    m_platform->keyboardBlocker->grab(windowHandle());
}

void ReminderDialog::enforcementTick()
{
    if (!m_systemChangesApplied) {
        return;
    }
    WindowStacking *stacking = m_platform ? m_platform->stacking.get() : nullptr;
    if (m_platform && m_platform->taskbar) {
        m_platform->taskbar->setTaskbarVisible(false);
    }
    for (ScreenCover *cover : std::as_const(m_covers)) {
        cover->raise();
        if (stacking && cover->windowHandle()) {
            stacking->raise(cover->windowHandle());
        }
    }
    raise();
    if (isVisible() && windowHandle()) {
        if (stacking) {
            stacking->keepAbove(windowHandle());
            stacking->raise(windowHandle());
        }
        // The password prompt and its warning sit above the break and must keep the focus while open.
        QWidget *target = this;
        if (m_warning) {
            target = m_warning;
        } else if (m_prompt) {
            target = m_prompt;
        }
        if (target != this) {
            target->raise();
        }
        if (QApplication::activeWindow() != target) {
            target->activateWindow();
        }
        grabKeyboard();
    }
}
