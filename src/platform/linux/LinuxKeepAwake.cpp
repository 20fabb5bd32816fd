#include "LinuxKeepAwake.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kLogindService = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kLogindManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kApplicationName = QStringLiteral("Glarewell");

} // namespace

LinuxKeepAwake::LinuxKeepAwake() = default;

LinuxKeepAwake::LinuxKeepAwake(const QDBusConnection &sessionBus, const QDBusConnection &systemBus)
    : m_sessionBus(sessionBus), m_systemBus(systemBus)
{}

LinuxKeepAwake::~LinuxKeepAwake()
{
    release();
}

void LinuxKeepAwake::inhibit(const QString &reason)
{
    m_wanted = true;
    if (m_pending || m_cookie != 0 || m_lock.isValid()) {
        return; // one inhibition at a time is enough
    }
    m_reason = reason;
    m_pending = true;
    QDBusMessage call = QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath, kScreenSaverService,
                                                       QStringLiteral("Inhibit"));
    call << kApplicationName << reason;
    auto *watcher = new QDBusPendingCallWatcher(sessionBus().asyncCall(call), &m_context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_context, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isError()) {
            inhibitThroughLogind();
            return;
        }
        m_pending = false;
        m_cookie = reply.value();
        if (!m_wanted) {
            dropInhibition(); // released while the request was on its way
        }
    });
}

void LinuxKeepAwake::inhibitThroughLogind()
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(kLogindService, kLogindPath, kLogindManager, QStringLiteral("Inhibit"));
    call << QStringLiteral("idle") << kApplicationName << m_reason << QStringLiteral("block");
    auto *watcher = new QDBusPendingCallWatcher(systemBus().asyncCall(call), &m_context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_context, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        m_pending = false;
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        if (reply.isError()) {
            return; // no service answered: the screen simply may blank
        }
        m_lock = reply.value();
        if (!m_wanted) {
            dropInhibition();
        }
    });
}

void LinuxKeepAwake::release()
{
    m_wanted = false;
    dropInhibition();
}

void LinuxKeepAwake::dropInhibition()
{
    if (m_cookie != 0) {
        QDBusMessage call = QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath, kScreenSaverService,
                                                           QStringLiteral("UnInhibit"));
        call << m_cookie;
        sessionBus().asyncCall(call);
        m_cookie = 0;
    }
    // Closing our copy of the descriptor ends the logind inhibitor.
    m_lock = QDBusUnixFileDescriptor();
}

QDBusConnection LinuxKeepAwake::sessionBus()
{
    if (!m_sessionBus) {
        m_sessionBus = QDBusConnection::sessionBus();
    }
    return *m_sessionBus;
}

QDBusConnection LinuxKeepAwake::systemBus()
{
    if (!m_systemBus) {
        m_systemBus = QDBusConnection::systemBus();
    }
    return *m_systemBus;
}
