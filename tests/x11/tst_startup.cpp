#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Starts the real program the way a user does and checks how instances find each other.
class TestStartup : public QObject {
    Q_OBJECT

private:
    struct User {
        QTemporaryDir home;
        QString runtimeDir() const { return home.filePath(QStringLiteral("run")); }
        QString endpoint() const { return QDir(runtimeDir()).filePath(QStringLiteral("Brookvane.Glarewell.Windows")); }
    };

    static QString program() { return QStringLiteral(GLAREWELL_BINARY_DIR "/glarewell"); }

    static void prepare(User &user)
    {
        QVERIFY(user.home.isValid());
        QVERIFY(QDir().mkpath(user.runtimeDir()));
        QFile::setPermissions(user.runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    static QProcessEnvironment environmentFor(const User &user)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), user.home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), user.home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), user.home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), user.runtimeDir());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return env;
    }

    static std::unique_ptr<QProcess> start(const User &user, const QStringList &arguments)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environmentFor(user));
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program(), arguments);
        return process;
    }

    // Runs a short-lived start and returns its exit code (-1 when it did not end in time).
    static int runToEnd(const User &user, const QStringList &arguments)
    {
        auto process = start(user, arguments);
        if (!process->waitForFinished(15000)) {
            process->kill();
            process->waitForFinished();
            return -1;
        }
        return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    }

    static bool hasVisibleWindow(qint64 pid)
    {
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"),
                      {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                       QString::number(pid), QStringLiteral("--name"), QStringLiteral("^Glarewell$")});
        xdotool.waitForFinished(5000);
        // The tray icon is a small window with the same name; the main window is the large one.
        const QList<QByteArray> ids = xdotool.readAllStandardOutput().split('\n');
        for (const QByteArray &id : ids) {
            if (id.trimmed().isEmpty()) {
                continue;
            }
            QProcess geometry;
            geometry.start(QStringLiteral("xdotool"),
                           {QStringLiteral("getwindowgeometry"), QString::fromLatin1(id.trimmed())});
            geometry.waitForFinished(5000);
            const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)"))
                                                      .match(QString::fromLatin1(geometry.readAllStandardOutput()));
            if (match.hasMatch() && match.captured(1).toInt() >= 800) {
                return true;
            }
        }
        return false;
    }

    // Waits until the primary instance listens on its endpoint.
    static bool waitForEndpoint(const User &user)
    {
        for (int i = 0; i < 200; ++i) {
            const QFileInfo info(user.endpoint());
            if (info.exists() && !info.isFile()) {
                return true;
            }
            QTest::qWait(50);
        }
        return false;
    }

    static void stop(QProcess &process)
    {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
        }
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs the X session");
        }
        QVERIFY(QFileInfo::exists(program()));
    }

    void helperSwitchesExitWithoutWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("set") << QStringList{QStringLiteral("--set-transparent-taskbar")};
        QTest::newRow("clear") << QStringList{QStringLiteral("--clear-transparent-taskbar")};
        QTest::newRow("both") << QStringList{QStringLiteral("--clear-transparent-taskbar"),
                                             QStringLiteral("--set-transparent-taskbar")};
        QTest::newRow("with background") << QStringList{QStringLiteral("--background"),
                                                        QStringLiteral("--set-transparent-taskbar")};
    }
    void helperSwitchesExitWithoutWindow()
    {
        QFETCH(QStringList, arguments);
        User user;
        prepare(user);
        // There is no machine-wide taskbar value here: the helper reports failure and changes nothing.
        QCOMPARE(runToEnd(user, arguments), 2);
        QVERIFY(!QFileInfo::exists(user.endpoint()));
        QVERIFY(!QFileInfo::exists(user.home.filePath(QStringLiteral("config/Brookvane/GlarewellWindows.conf"))));
    }

    void secondStartActivatesHiddenInstance()
    {
        User user;
        prepare(user);
        auto first = start(user, {QStringLiteral("--background")});
        QVERIFY(first->waitForStarted());
        QVERIFY(waitForEndpoint(user));
        QVERIFY(!hasVisibleWindow(first->processId()));

        // A start with --background forwards "background": the running instance stays hidden.
        QCOMPARE(runToEnd(user, {QStringLiteral("--background")}), 0);
        QTest::qWait(500);
        QVERIFY(!hasVisibleWindow(first->processId()));
        QCOMPARE(first->state(), QProcess::Running);

        // A plain start forwards "activate": the hidden window comes back.
        QCOMPARE(runToEnd(user, {}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(hasVisibleWindow(first->processId()), 10000);
        QCOMPARE(first->state(), QProcess::Running);
        stop(*first);
    }

    void staleEndpointIsRecovered()
    {
        User user;
        prepare(user);
        // Left behind by an instance that crashed: nothing listens there.
        QFile stale(user.endpoint());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();

        auto primary = start(user, {QStringLiteral("--background")});
        QVERIFY(primary->waitForStarted());
        QVERIFY(waitForEndpoint(user));
        QCOMPARE(primary->state(), QProcess::Running);
        QCOMPARE(runToEnd(user, {}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(hasVisibleWindow(primary->processId()), 10000);
        stop(*primary);
    }

    void usersDoNotShareAnInstance()
    {
        User alice;
        User bob;
        prepare(alice);
        prepare(bob);
        auto first = start(alice, {QStringLiteral("--background")});
        QVERIFY(first->waitForStarted());
        QVERIFY(waitForEndpoint(alice));
        QVERIFY((QFile::permissions(alice.runtimeDir()) & (QFile::ReadOther | QFile::WriteOther)) == 0);

        auto second = start(bob, {QStringLiteral("--background")});
        QVERIFY(second->waitForStarted());
        QVERIFY(waitForEndpoint(bob));
        QTest::qWait(300);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(second->state(), QProcess::Running);
        stop(*second);
        stop(*first);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
