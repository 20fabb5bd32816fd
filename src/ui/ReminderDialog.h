#pragma once

#include <QDialog>
#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <functional>

class BreakSound;
class QInputDialog;
class QLabel;
class QMessageBox;
class QPushButton;
class QScreen;
class QTimer;
class ScreenCover;
struct PlatformServices;

// "m:ss" for a number of seconds; negative counts show as 0:00.
QString formatBreakCountdown(int seconds);

// The one window used for every reminder: the small always-on-top 20-20-20 and exercise notices, and the
// full-screen relax break. A blocking break (an enforced one with a countdown) covers every screen, holds
// the keyboard so that no other program receives keys, keeps itself on top and focused, and can end early
// only through "Resume Work" or Esc, behind the break password when one is required.
class ReminderDialog : public QDialog {
    Q_OBJECT

public:
    using PasswordCheck = std::function<bool(const QString &)>;

    // `platform` and `sound` default to no system services and the process-wide media player.
    ReminderDialog(const QString &title, const QString &message, int countdownSeconds, bool fullScreen, QWidget *parent,
                   int transparencyPercent, bool fadeIn, bool lockAtEnd, bool passwordRequired, int snoozeLimit,
                   const QString &alertSoundPath, const QString &musicPath, const QString &wallpaperPath,
                   PasswordCheck passwordCheck, bool enforced, bool resumeAllowed, PlatformServices *platform = nullptr,
                   BreakSound *sound = nullptr);
    ~ReminderDialog() override;

    // Window opacity for a transparency percentage: never more than 65 % transparent.
    static qreal opacityForTransparency(int transparencyPercent);
    // How many blocking breaks are on screen in this process.
    static int blockingDialogCount();

    bool isBlocking() const { return m_blocking; }
    int remainingSeconds() const { return m_remainingSeconds; }
    int snoozesLeft() const { return m_snoozesLeft; }
    qreal targetOpacity() const { return m_opacity; }
    QList<ScreenCover *> covers() const { return m_covers.values(); }

    // Asks for the break password; true when the typed text passes the check.
    bool promptPassword();

public slots:
    // The 1 s countdown timer and the 400 ms enforcement timer land here.
    void countdownTick();
    void enforcementTick();
    void snooze();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    bool passwordGuarded() const { return m_passwordRequired && static_cast<bool>(m_passwordCheck); }
    void buildLayout(const QString &title, const QString &message, int countdownSeconds);
    QString blockingNote() const;
    void primaryClicked();
    void refreshCountdownLabel();
    void startFadeIn();
    void applySystemChanges();
    void releaseSystemChanges();
    void syncScreenCovers();
    void grabKeyboard();
    void closePrompts();

    PlatformServices *m_platform;
    BreakSound *m_sound;
    PasswordCheck m_passwordCheck;
    QLabel *m_countdownLabel = nullptr;
    QPushButton *m_primaryButton = nullptr;
    QPushButton *m_snoozeButton = nullptr;
    QTimer *m_countdownTimer;
    QTimer *m_enforcementTimer;
    QHash<QScreen *, ScreenCover *> m_covers;
    QPointer<QInputDialog> m_prompt;
    QPointer<QMessageBox> m_warning;
    QPixmap m_wallpaper;
    QPixmap m_scaledWallpaper;
    QString m_alertSoundPath;
    QString m_musicPath;
    qreal m_opacity;
    int m_countdownSeconds;
    int m_remainingSeconds;
    int m_snoozesLeft;
    bool m_fullScreen;
    bool m_blocking;
    bool m_systemChangesApplied = false;
    bool m_ended = false;
    bool m_resumeAllowed;
    bool m_fadeIn;
    bool m_lockAtEnd;
    bool m_passwordRequired;
};
