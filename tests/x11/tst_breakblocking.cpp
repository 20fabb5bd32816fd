#include "PlatformServices.h"
#include "RecordingBreakSound.h"
#include "ReminderDialog.h"
#include "ScreenCover.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

const QString kPassword = QStringLiteral("secret");

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void xdotool(const QStringList &arguments)
{
    run(QStringLiteral("xdotool"), arguments);
}

// Records the keys a widget receives.
class KeyLog : public QObject {
public:
    QList<int> keys;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            keys.append(static_cast<QKeyEvent *>(event)->key());
        }
        return false;
    }
};

// Another X client with a window that prints every key it receives.
class KeyProbe {
public:
    KeyProbe()
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        // Unbuffered, so each event shows up as soon as xev handles it.
        m_process.start(QStringLiteral("stdbuf"), {"-o0", "xev", "-event", "keyboard", "-name", "GlarewellKeyProbe",
                                                   "-geometry", "240x160+30+30"});
    }
    ~KeyProbe()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    QString window()
    {
        if (m_window.isEmpty()) {
            m_window = run(QStringLiteral("xdotool"), {"search", "--name", "GlarewellKeyProbe"}).section('\n', 0, 0);
        }
        return m_window;
    }
    QString received()
    {
        m_output += QString::fromLocal8Bit(m_process.readAll());
        return m_output;
    }
    bool sawKeys() { return received().contains(QLatin1String("KeyPress")); }
    void forget() { received(), m_output.clear(); }

private:
    QProcess m_process;
    QString m_window;
    QString m_output;
};

} // namespace

class BreakBlockingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PlatformServices> m_platform;
    RecordingBreakSound m_sound;

    std::unique_ptr<ReminderDialog> makeBreak(bool password, bool resume)
    {
        return std::make_unique<ReminderDialog>(
            QStringLiteral("Relax Eyes"), QStringLiteral("Rest now."), 300, true, nullptr, 0, false, false, password, 3,
            QString(), QString(), QString(), [](const QString &text) { return text == kPassword; }, true, resume,
            m_platform.get(), &m_sound);
    }

    // Whether the topmost window at a screen point is `window` or the window manager's frame around it.
    static bool topWindowAt(int x, int y, WId window)
    {
        xdotool({"mousemove", QString::number(x), QString::number(y)});
        const QString found =
            run(QStringLiteral("xdotool"), {"getmouselocation", "--shell"}).section("WINDOW=", 1).section('\n', 0, 0);
        if (found.toULongLong() == window) {
            return true;
        }
        const QString tree = run(QStringLiteral("xwininfo"), {"-tree", "-id", found});
        return tree.contains(QStringLiteral("0x%1 ").arg(window, 0, 16));
    }

    static void splitScreen()
    {
        run(QStringLiteral("xrandr"), {"--setmonitor", "LEFT", "640/169x800/211+0+0", "screen"});
        run(QStringLiteral("xrandr"), {"--setmonitor", "RIGHT", "640/169x800/211+640+0", "none"});
    }

    static void joinScreens()
    {
        run(QStringLiteral("xrandr"), {"--delmonitor", "RIGHT"});
        run(QStringLiteral("xrandr"), {"--delmonitor", "LEFT"});
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs the X session of scripts/with-x-session.sh");
        }
        m_platform = createPlatformServices();
    }

    void cleanup()
    {
        joinScreens();
        QTRY_COMPARE(QGuiApplication::screens().size(), 1);
    }

    void blockingBreakKeepsKeysFromOtherPrograms()
    {
        KeyProbe probe;
        QTRY_VERIFY(!probe.window().isEmpty());
        // Before the break the probe gets keys like any window.
        xdotool({"windowactivate", "--sync", probe.window()});
        xdotool({"key", "x"});
        QTRY_VERIFY(probe.sawKeys());
        probe.forget();

        auto dialog = makeBreak(true, false);
        KeyLog log;
        dialog->installEventFilter(&log);
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        dialog->show();
        QTRY_VERIFY(m_platform->keyboardBlocker->isGrabbed());
        const QString dialogWindow = QString::number(dialog->winId());
        QTRY_COMPARE(run(QStringLiteral("xdotool"), {"getactivewindow"}), dialogWindow);

        // Task switching, Super, and even typing after focus was forced onto the probe reach no other program.
        xdotool({"key", "alt+Tab"});
        xdotool({"windowfocus", probe.window()});
        xdotool({"key", "super", "a", "alt+F4"});
        xdotool({"key", "F12"}); // comes after everything above, and lands in the break
        QTRY_VERIFY(log.keys.contains(Qt::Key_F12));
        QVERIFY2(!probe.sawKeys(), qPrintable(probe.received()));
        QVERIFY(dialog->isVisible());
        QCOMPARE(finished.count(), 0);
        QTRY_COMPARE(run(QStringLiteral("xdotool"), {"getactivewindow"}), dialogWindow);

        // Esc asks for the password; typing it into the prompt ends the break.
        QTimer typist;
        bool typed = false;
        connect(&typist, &QTimer::timeout, this, [&] {
            auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!typed && prompt && prompt->isActiveWindow()) {
                typed = true;
                QProcess::startDetached(QStringLiteral("sh"),
                                        {"-c", "xdotool type --delay 30 " + kPassword + " && xdotool key Return"});
            }
        });
        typist.start(20);
        xdotool({"key", "Escape"});
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        QVERIFY(typed);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!m_platform->keyboardBlocker->isGrabbed());

        // Afterwards keys reach other programs again.
        dialog.reset();
        xdotool({"windowactivate", "--sync", probe.window()});
        xdotool({"key", "b"});
        QTRY_VERIFY(probe.received().contains(QLatin1String("keysym 0x62, b")));
    }

    void coversTheSecondScreen()
    {
        splitScreen();
        QTRY_COMPARE(QGuiApplication::screens().size(), 2);
        auto dialog = makeBreak(false, true);
        dialog->show();
        QCOMPARE(dialog->covers().size(), 1);
        ScreenCover *cover = dialog->covers().constFirst();
        QCOMPARE(cover->geometry(), QRect(640, 0, 640, 800));
        QVERIFY(cover->isVisible());
        QTRY_COMPARE(dialog->geometry(), QRect(0, 0, 640, 800));

        // What the pointer finds on the right half is the cover, on the left half the break.
        QTRY_VERIFY(topWindowAt(900, 400, cover->winId()));
        QTRY_VERIFY(topWindowAt(300, 400, dialog->winId()));

        dialog->accept();
        QVERIFY(dialog->covers().isEmpty());
    }

    void coversScreensAddedDuringTheBreak()
    {
        auto dialog = makeBreak(false, true);
        dialog->show();
        QVERIFY(dialog->covers().isEmpty());
        splitScreen();
        QTRY_COMPARE(dialog->covers().size(), 1);
        QCOMPARE(dialog->covers().constFirst()->geometry(), QRect(640, 0, 640, 800));
        QTRY_COMPARE(dialog->geometry(), QRect(0, 0, 640, 800));

        joinScreens();
        QTRY_VERIFY(dialog->covers().isEmpty());
        QTRY_COMPARE(dialog->geometry(), QRect(0, 0, 1280, 800));
    }
};

QTEST_MAIN(BreakBlockingTest)
#include "tst_breakblocking.moc"
