#pragma once

#include <QObject>

class QAction;
class QIcon;
class QSystemTrayIcon;

// The notification-area icon with its menu. Exists only when the desktop has a system tray.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    explicit TrayIcon(const QIcon &icon, QObject *parent = nullptr);

    bool isVisible() const;
    void setProtectionEnabled(bool enabled);
    void setStartWithWindows(bool enabled);
    void showMessage(const QString &title, const QString &text, int milliseconds);

    QSystemTrayIcon *icon() const { return m_icon; }
    QAction *protectionAction() const { return m_protectionAction; }
    QAction *startWithWindowsAction() const { return m_startAction; }

signals:
    void openRequested();
    void toggleProtectionRequested();
    void startWithWindowsToggled(bool enabled);
    void quitRequested();
    void messageShown(const QString &title, const QString &text);

private:
    QSystemTrayIcon *m_icon;
    QAction *m_protectionAction;
    QAction *m_startAction;
};
