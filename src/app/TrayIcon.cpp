#include "TrayIcon.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(const QIcon &icon, QObject *parent) : QObject(parent), m_icon(new QSystemTrayIcon(icon, this))
{
    m_icon->setToolTip(QStringLiteral("Glarewell"));

    // The menu has no parent widget; the tray icon keeps it alive for its own lifetime.
    auto *menu = new QMenu;
    connect(this, &QObject::destroyed, menu, &QObject::deleteLater);
    menu->addAction(QStringLiteral("Open Glarewell"), this, &TrayIcon::openRequested);

    m_protectionAction = menu->addAction(QStringLiteral("Enable Protection"));
    m_protectionAction->setCheckable(true);
    connect(m_protectionAction, &QAction::triggered, this, &TrayIcon::toggleProtectionRequested);

    m_startAction = menu->addAction(QStringLiteral("Start with Windows"));
    m_startAction->setCheckable(true);
    connect(m_startAction, &QAction::toggled, this, &TrayIcon::startWithWindowsToggled);

    menu->addSeparator();
    menu->addAction(QStringLiteral("Quit"), this, &TrayIcon::quitRequested);
    m_icon->setContextMenu(menu);

    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) {
            emit openRequested();
        }
    });
    m_icon->setVisible(true);
}

bool TrayIcon::isVisible() const
{
    return m_icon->isVisible();
}

void TrayIcon::setProtectionEnabled(bool enabled)
{
    const QSignalBlocker blocker(m_protectionAction);
    m_protectionAction->setChecked(enabled);
    m_protectionAction->setText(enabled ? QStringLiteral("Disable Protection") : QStringLiteral("Enable Protection"));
}

void TrayIcon::setStartWithWindows(bool enabled)
{
    const QSignalBlocker blocker(m_startAction);
    m_startAction->setChecked(enabled);
}

void TrayIcon::showMessage(const QString &title, const QString &text, int milliseconds)
{
    m_icon->showMessage(title, text, QSystemTrayIcon::Information, milliseconds);
    emit messageShown(title, text);
}
