#include "LinuxKeepAwake.h"
#include "LinuxWorkstationLock.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Calls the fake services received, in order; written on the service thread, read by the test.
class CallLog {
public:
    void add(const QString &call)
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append(call);
    }
    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_calls.clear();
    }
    QStringList calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

private:
    mutable QMutex m_mutex;
    QStringList m_calls;
};

} // namespace

class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    explicit FakeScreenSaver(CallLog *log) : m_log(log) {}

public slots:
    uint Inhibit(const QString &application, const QString &reason)
    {
        m_log->add(QStringLiteral("Inhibit %1: %2").arg(application, reason));
        return 42;
    }
    void UnInhibit(uint cookie) { m_log->add(QStringLiteral("UnInhibit %1").arg(cookie)); }
    void Lock() { m_log->add(QStringLiteral("Lock")); }

private:
    CallLog *m_log;
};

class FakeLogind : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    explicit FakeLogind(CallLog *log) : m_log(log) {}
    ~FakeLogind() override
    {
        if (readEnd >= 0) {
            ::close(readEnd);
        }
    }
    // The read end of the pipe whose write end was handed out as the inhibitor lock.
    int readEnd = -1;

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why, const QString &mode)
    {
        m_log->add(QStringLiteral("Inhibit %1 %2: %3 (%4)").arg(what, who, why, mode));
        int fds[2];
        if (::pipe(fds) != 0) {
            return {};
        }
        ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
        readEnd = fds[0];
        QDBusUnixFileDescriptor handed(fds[1]); // keeps its own duplicate
        ::close(fds[1]);
        return handed;
    }
    void LockSession(const QString &session) { m_log->add(QStringLiteral("LockSession '%1'").arg(session)); }

private:
    CallLog *m_log;
};

class LinuxSessionServicesTest : public QObject {
    Q_OBJECT

private:
    QProcess m_daemon;
    QString m_address;
    QThread m_serviceThread;
    CallLog m_log;
    FakeScreenSaver *m_screenSaver = nullptr;
    FakeLogind *m_logind = nullptr;
    QString m_serviceConnection;
    int m_round = 0;

    // Offers the chosen services on the private bus, answered on their own thread so that blocking
    // calls from the test thread get their replies.
    void offer(bool screenSaver, bool logind)
    {
        m_serviceConnection = QStringLiteral("services-%1").arg(++m_round);
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, m_serviceConnection);
        QVERIFY(bus.isConnected());
        if (screenSaver) {
            m_screenSaver = new FakeScreenSaver(&m_log);
            m_screenSaver->moveToThread(&m_serviceThread);
            QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), m_screenSaver,
                                       QDBusConnection::ExportAllSlots));
            QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
        }
        if (logind) {
            m_logind = new FakeLogind(&m_log);
            m_logind->moveToThread(&m_serviceThread);
            QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/login1"), m_logind,
                                       QDBusConnection::ExportAllSlots));
            QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.login1")));
        }
    }

    QDBusConnection clientBus(const QString &name) { return QDBusConnection::connectToBus(m_address, name); }

    // 1 while the inhibitor lock is still held somewhere, 0 once every copy has been closed.
    int inhibitorLockHeld() const
    {
        char byte;
        const ssize_t n = ::read(m_logind->readEnd, &byte, 1);
        return n < 0 ? 1 : 0; // EAGAIN: writers remain; 0 bytes: end of file
    }

private slots:
    void initTestCase()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        QVERIFY2(m_daemon.waitForStarted(), "dbus-daemon is needed for this test (scripts/install-deps.sh)");
        while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) {
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
        m_serviceThread.start();
    }

    void cleanupTestCase()
    {
        m_serviceThread.quit();
        m_serviceThread.wait();
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    void init() { m_log.clear(); }

    void cleanup()
    {
        QDBusConnection::disconnectFromBus(m_serviceConnection);
        QDBusConnection::disconnectFromBus(QStringLiteral("client-session"));
        QDBusConnection::disconnectFromBus(QStringLiteral("client-system"));
        for (QObject *service : {static_cast<QObject *>(m_screenSaver), static_cast<QObject *>(m_logind)}) {
            if (service) {
                QMetaObject::invokeMethod(
                    service, [service] { delete service; }, Qt::BlockingQueuedConnection);
            }
        }
        m_screenSaver = nullptr;
        m_logind = nullptr;
    }

    void screenSaverInhibitsUntilReleased()
    {
        offer(true, true);
        LinuxKeepAwake keepAwake(clientBus("client-session"), clientBus("client-system"));
        keepAwake.inhibit(QStringLiteral("Break in progress"));
        keepAwake.inhibit(QStringLiteral("Break in progress")); // already on: no second request
        QTRY_COMPARE(m_log.calls(), QStringList{"Inhibit Glarewell: Break in progress"});
        keepAwake.release();
        QTRY_COMPARE(m_log.calls(), (QStringList{"Inhibit Glarewell: Break in progress", "UnInhibit 42"}));
    }

    void releaseBeforeTheReplyStillUninhibits()
    {
        offer(true, false);
        LinuxKeepAwake keepAwake(clientBus("client-session"), clientBus("client-system"));
        keepAwake.inhibit(QStringLiteral("Break in progress"));
        keepAwake.release(); // the cookie has not arrived yet
        QTRY_COMPARE(m_log.calls(), (QStringList{"Inhibit Glarewell: Break in progress", "UnInhibit 42"}));
    }

    void fallsBackToLogindInhibitor()
    {
        offer(false, true);
        LinuxKeepAwake keepAwake(clientBus("client-session"), clientBus("client-system"));
        keepAwake.inhibit(QStringLiteral("Break in progress"));
        QTRY_COMPARE(m_log.calls(), QStringList{"Inhibit idle Glarewell: Break in progress (block)"});
        QTRY_COMPARE(inhibitorLockHeld(), 1);
        keepAwake.release();
        QTRY_COMPARE(inhibitorLockHeld(), 0);
    }

    void destructionReleasesTheInhibitor()
    {
        offer(true, false);
        {
            LinuxKeepAwake keepAwake(clientBus("client-session"), clientBus("client-system"));
            keepAwake.inhibit(QStringLiteral("Break in progress"));
            QTRY_COMPARE(m_log.calls().size(), 1);
        }
        QTRY_COMPARE(m_log.calls(), (QStringList{"Inhibit Glarewell: Break in progress", "UnInhibit 42"}));
    }

    void locksThroughTheScreenSaver()
    {
        offer(true, true);
        LinuxWorkstationLock lock(clientBus("client-session"), clientBus("client-system"));
        QVERIFY(lock.lock());
        QCOMPARE(m_log.calls(), QStringList{"Lock"});
    }

    void locksThroughLogindWithoutScreenSaver()
    {
        offer(false, true);
        LinuxWorkstationLock lock(clientBus("client-session"), clientBus("client-system"));
        QVERIFY(lock.lock());
        QCOMPARE(m_log.calls(), QStringList{"LockSession ''"});
    }

    void withoutServicesNothingHappens_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::newRow("services absent") << true;
        QTest::newRow("no bus at all") << false;
    }
    void withoutServicesNothingHappens()
    {
        QFETCH(bool, connected);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        offer(false, false);
        const QDBusConnection session = connected ? clientBus("client-session") : QDBusConnection("never-connected");
        const QDBusConnection system = connected ? clientBus("client-system") : QDBusConnection("never-connected");
        LinuxWorkstationLock lock(session, system);
        QVERIFY(!lock.lock());
        LinuxKeepAwake keepAwake(session, system);
        keepAwake.inhibit(QStringLiteral("Break in progress"));
        QTest::qWait(50); // let both failing requests come back
        keepAwake.release();
        QVERIFY(m_log.calls().isEmpty());
    }
};

QTEST_MAIN(LinuxSessionServicesTest)
#include "tst_linuxsessionservices.moc"
