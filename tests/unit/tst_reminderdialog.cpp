#include "FakePlatform.h"
#include "ModalResponder.h"
#include "RecordingBreakSound.h"
#include "ReminderDialog.h"
#include "ScreenCover.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kPassword = QStringLiteral("let me work");

// The options of one dialog, with the values of a plain notice by default.
struct Options {
    int countdown = 0;
    bool fullScreen = false;
    int transparency = 0;
    bool fade = false;
    bool lockAtEnd = false;
    bool passwordRequired = false;
    bool withCheck = true;
    int snoozes = 0;
    QString alert;
    QString music;
    QString wallpaper;
    bool enforced = false;
    bool resumeAllowed = false;
};

// How a test tries to end the dialog, and how it answers a password prompt.
enum class Action { Escape, OtherKey, Close, Button };
enum class Answer { None, Right, Wrong, Cancel };

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Answer)

class ReminderDialogTest : public QObject {
    Q_OBJECT

private:
    FakePlatform m_platform;
    RecordingBreakSound m_sound;
    int m_checks = 0;

    std::unique_ptr<ReminderDialog> make(const Options &o)
    {
        ReminderDialog::PasswordCheck check;
        if (o.withCheck) {
            check = [this](const QString &text) {
                ++m_checks;
                return text == kPassword;
            };
        }
        return std::make_unique<ReminderDialog>(QStringLiteral("Relax Eyes"), QStringLiteral("Rest now."), o.countdown,
                                                o.fullScreen, nullptr, o.transparency, o.fade, o.lockAtEnd,
                                                o.passwordRequired, o.snoozes, o.alert, o.music, o.wallpaper, check,
                                                o.enforced, o.resumeAllowed, &m_platform.services(), &m_sound);
    }

    static QLabel *labelNamed(QWidget *dialog, const QString &objectName, int index = 0)
    {
        QList<QLabel *> matches;
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->objectName() == objectName) {
                matches.append(label);
            }
        }
        return index < matches.size() ? matches.at(index) : nullptr;
    }

    static QPushButton *buttonStartingWith(QWidget *dialog, const QString &prefix)
    {
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text().startsWith(prefix) && button->parentWidget() != dialog) {
                return button; // buttons in a row live inside the card
            }
        }
        return nullptr;
    }

private slots:
    void init()
    {
        m_platform.~FakePlatform();
        new (&m_platform) FakePlatform;
        m_sound = RecordingBreakSound();
        m_checks = 0;
    }

    void formatsCountdown_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("five minutes") << 300 << "5:00";
        QTest::newRow("twenty seconds") << 20 << "0:20";
        QTest::newRow("over an hour") << 3725 << "62:05";
        QTest::newRow("zero") << 0 << "0:00";
        QTest::newRow("negative") << -5 << "0:00";
        QTest::newRow("one minute") << 60 << "1:00";
    }
    void formatsCountdown()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(formatBreakCountdown(seconds), text);
    }

    void clampsTransparency_data()
    {
        QTest::addColumn<int>("transparency");
        QTest::addColumn<qreal>("opacity");
        QTest::newRow("opaque") << 0 << 1.0;
        QTest::newRow("below range") << -5 << 1.0;
        QTest::newRow("half") << 50 << 0.5;
        QTest::newRow("limit") << 65 << 0.35;
        QTest::newRow("past limit") << 80 << 0.35;
        QTest::newRow("fully transparent") << 100 << 0.35;
    }
    void clampsTransparency()
    {
        QFETCH(int, transparency);
        QFETCH(qreal, opacity);
        QVERIFY(qFuzzyCompare(ReminderDialog::opacityForTransparency(transparency), opacity));
        Options o;
        o.transparency = transparency;
        auto dialog = make(o);
        QVERIFY(qAbs(dialog->windowOpacity() - opacity) < 0.01);
    }

    void fadesInToTheTargetOpacity()
    {
        Options o;
        o.fade = true;
        o.transparency = 40;
        auto dialog = make(o);
        QCOMPARE(dialog->windowOpacity(), 0.0);
        dialog->show();
        QTRY_VERIFY(dialog->findChild<QPropertyAnimation *>() != nullptr || dialog->windowOpacity() > 0.0);
        if (auto *animation = dialog->findChild<QPropertyAnimation *>()) {
            QCOMPARE(animation->propertyName(), QByteArray("windowOpacity"));
            QCOMPARE(animation->endValue().toReal(), 0.6);
            QCOMPARE(animation->duration(), 300);
        }
        QTRY_VERIFY(qAbs(dialog->windowOpacity() - 0.6) < 0.01);
    }

    void laysOutTexts_data()
    {
        QTest::addColumn<int>("countdown");
        QTest::addColumn<bool>("enforced");
        QTest::addColumn<bool>("resume");
        QTest::addColumn<bool>("password");
        QTest::addColumn<QString>("countdownText");
        QTest::addColumn<QString>("buttonText"); // empty: no button shown
        QTest::addColumn<QString>("note");       // empty: no note
        const QString blocked = QStringLiteral("The computer is blocked until the break ends.");
        QTest::newRow("exercise notice") << 0 << false << false << false << "Ready"
                                         << "Got It"
                                         << "";
        QTest::newRow("enforced without countdown is a notice") << 0 << true << false << true << "Ready"
                                                                << "Got It"
                                                                << "";
        QTest::newRow("20-20-20") << 20 << false << false << false << "0:20"
                                  << "Resume Work"
                                  << "";
        QTest::newRow("blocking, nothing") << 300 << true << false << false << "5:00"
                                           << "" << blocked;
        QTest::newRow("blocking, resume") << 300 << true << true << false << "5:00"
                                          << "Resume Work" << blocked + " Use the button to resume work early.";
        QTest::newRow("blocking, password")
            << 300 << true << false << true << "5:00"
            << "" << blocked + " Press Esc and enter your break password to end it early.";
        QTest::newRow("blocking, password and resume")
            << 300 << true << true << true << "5:00"
            << "Resume Work" << blocked + " Use the button and enter your break password to resume work.";
    }
    void laysOutTexts()
    {
        QFETCH(int, countdown);
        QFETCH(bool, enforced);
        QFETCH(bool, resume);
        QFETCH(bool, password);
        QFETCH(QString, countdownText);
        QFETCH(QString, buttonText);
        QFETCH(QString, note);
        Options o;
        o.countdown = countdown;
        o.enforced = enforced;
        o.resumeAllowed = resume;
        o.passwordRequired = password;
        auto dialog = make(o);
        dialog->show();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Relax Eyes"));
        QCOMPARE(labelNamed(dialog.get(), "PageTitle")->text(), QStringLiteral("Relax Eyes"));
        QCOMPARE(labelNamed(dialog.get(), "MutedText")->text(), QStringLiteral("Rest now."));
        QCOMPARE(labelNamed(dialog.get(), "MetricValue")->text(), countdownText);
        QLabel *noteLabel = labelNamed(dialog.get(), "MutedText", 1);
        QCOMPARE(noteLabel ? noteLabel->text() : QString(), note);
        QPushButton *primary = nullptr;
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->objectName() == QLatin1String("PrimaryAction") && button->isVisible()) {
                primary = button;
            }
        }
        QCOMPARE(primary ? primary->text() : QString(), buttonText);
        QCOMPARE(dialog->isBlocking(), countdown >= 1 && enforced);
        QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void sizesNoticeAndFullScreen()
    {
        Options notice;
        auto small = make(notice);
        QCOMPARE(small->size(), QSize(560, 360));
        QVERIFY(!small->windowFlags().testFlag(Qt::FramelessWindowHint));

        Options blocking;
        blocking.countdown = 60;
        blocking.enforced = true; // blocking is laid out full screen even without the full-screen flag
        auto big = make(blocking);
        QVERIFY(big->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(big->geometry(), QGuiApplication::primaryScreen()->geometry());
    }

    void snoozesLengthenTheCountdown()
    {
        Options o;
        o.countdown = 60;
        o.fullScreen = true;
        o.snoozes = 2; // a preview: full screen but not enforced
        auto dialog = make(o);
        dialog->show();
        QPushButton *snooze = buttonStartingWith(dialog.get(), "Snooze");
        QVERIFY(snooze);
        QVERIFY(snooze->isVisible());
        QCOMPARE(snooze->text(), QStringLiteral("Snooze 1 min (2 left)"));
        snooze->click();
        QCOMPARE(snooze->text(), QStringLiteral("Snooze 1 min (1 left)"));
        QCOMPARE(dialog->remainingSeconds(), 120);
        QCOMPARE(labelNamed(dialog.get(), "MetricValue")->text(), QStringLiteral("2:00"));
        snooze->click();
        QVERIFY(!snooze->isVisible());
        QCOMPARE(dialog->remainingSeconds(), 180);
        QCOMPARE(dialog->snoozesLeft(), 0);
        QVERIFY(dialog->isVisible()); // snoozing never closes the dialog
    }

    void snoozeOnlyOutsideBlockingBreaks_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("enforced");
        QTest::addColumn<bool>("visible");
        QTest::newRow("no snoozes") << 0 << false << false;
        QTest::newRow("one snooze") << 1 << false << true;
        QTest::newRow("blocking") << 3 << true << false;
    }
    void snoozeOnlyOutsideBlockingBreaks()
    {
        QFETCH(int, limit);
        QFETCH(bool, enforced);
        QFETCH(bool, visible);
        Options o;
        o.countdown = 60;
        o.snoozes = limit;
        o.enforced = enforced;
        auto dialog = make(o);
        dialog->show();
        QPushButton *snooze = buttonStartingWith(dialog.get(), "Snooze");
        QCOMPARE(snooze && snooze->isVisible(), visible);
    }

    void countsDownAndEnds_data()
    {
        QTest::addColumn<bool>("lockAtEnd");
        QTest::addColumn<QString>("alert");
        QTest::newRow("plain") << false << "";
        QTest::newRow("alert and lock") << true << "/sounds/end.wav";
    }
    void countsDownAndEnds()
    {
        QFETCH(bool, lockAtEnd);
        QFETCH(QString, alert);
        Options o;
        o.countdown = 2;
        o.enforced = true;
        o.lockAtEnd = lockAtEnd;
        o.alert = alert;
        o.music = QStringLiteral("/sounds/music.ogg");
        auto dialog = make(o);
        QSignalSpy accepted(dialog.get(), &QDialog::accepted);
        dialog->show();
        QCOMPARE(m_sound.musicStarted, QStringList{"/sounds/music.ogg"});
        QLabel *countdown = labelNamed(dialog.get(), "MetricValue");
        QCOMPARE(countdown->text(), QStringLiteral("0:02"));
        dialog->countdownTick();
        QCOMPARE(countdown->text(), QStringLiteral("0:01"));
        dialog->countdownTick();
        QCOMPARE(countdown->text(), QStringLiteral("0:00"));
        QVERIFY(m_sound.alerts.isEmpty());
        QCOMPARE(m_platform.lock->lockCalls, 0);
        QCOMPARE(accepted.count(), 0);

        dialog->countdownTick(); // one second after showing 0:00
        QCOMPARE(accepted.count(), 1);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!dialog->isBlocking());
        QCOMPARE(m_sound.alerts, alert.isEmpty() ? QStringList() : QStringList{alert});
        QCOMPARE(m_platform.lock->lockCalls, lockAtEnd ? 1 : 0);
        QVERIFY(!m_sound.musicPlaying);
        QVERIFY(m_platform.taskbar->visible);
        QVERIFY(!m_platform.keyboard->isGrabbed());
    }

    void earlyResumeNeitherLocksNorAlerts()
    {
        Options o;
        o.countdown = 300;
        o.enforced = true;
        o.resumeAllowed = true;
        o.lockAtEnd = true;
        o.alert = QStringLiteral("/sounds/end.wav");
        auto dialog = make(o);
        dialog->show();
        QPushButton *resume = buttonStartingWith(dialog.get(), "Resume Work");
        QVERIFY(resume);
        resume->click();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_platform.lock->lockCalls, 0);
        QVERIFY(m_sound.alerts.isEmpty());
    }

    // Every way of ending a dialog early, for every combination of blocking, resume and password.
    void endsOnlyAsPermitted_data()
    {
        QTest::addColumn<bool>("blocking");
        QTest::addColumn<bool>("resume");
        QTest::addColumn<bool>("password");
        QTest::addColumn<bool>("withCheck");
        QTest::addColumn<Action>("action");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("ends");

        // Notices (not blocking): Esc and close end them, behind the password when one is required.
        QTest::newRow("notice esc") << false << false << false << true << Action::Escape << Answer::None << true;
        QTest::newRow("notice other key")
            << false << false << false << true << Action::OtherKey << Answer::None << false;
        QTest::newRow("notice esc right") << false << false << true << true << Action::Escape << Answer::Right << true;
        QTest::newRow("notice esc wrong") << false << false << true << true << Action::Escape << Answer::Wrong << false;
        QTest::newRow("notice esc cancel")
            << false << false << true << true << Action::Escape << Answer::Cancel << false;
        QTest::newRow("notice esc, no check")
            << false << false << true << false << Action::Escape << Answer::None << true;
        QTest::newRow("notice close") << false << false << false << true << Action::Close << Answer::None << true;
        QTest::newRow("notice close right") << false << false << true << true << Action::Close << Answer::Right << true;
        QTest::newRow("notice close cancel")
            << false << false << true << true << Action::Close << Answer::Cancel << false;
        QTest::newRow("notice button") << false << false << false << true << Action::Button << Answer::None << true;
        QTest::newRow("notice button wrong")
            << false << false << true << true << Action::Button << Answer::Wrong << false;

        // Blocking with "Resume Work": the same rules as a notice, plus the button.
        QTest::newRow("resume esc") << true << true << false << true << Action::Escape << Answer::None << true;
        QTest::newRow("resume button") << true << true << false << true << Action::Button << Answer::None << true;
        QTest::newRow("resume button right") << true << true << true << true << Action::Button << Answer::Right << true;
        QTest::newRow("resume button wrong")
            << true << true << true << true << Action::Button << Answer::Wrong << false;
        QTest::newRow("resume esc cancel") << true << true << true << true << Action::Escape << Answer::Cancel << false;
        QTest::newRow("resume close") << true << true << false << true << Action::Close << Answer::None << true;
        QTest::newRow("resume close wrong") << true << true << true << true << Action::Close << Answer::Wrong << false;

        // Blocking without resume and without password: only the countdown ends it.
        QTest::newRow("locked esc") << true << false << false << true << Action::Escape << Answer::None << false;
        QTest::newRow("locked other key")
            << true << false << false << true << Action::OtherKey << Answer::None << false;
        QTest::newRow("locked close") << true << false << false << true << Action::Close << Answer::None << false;
        QTest::newRow("locked, password without check, esc")
            << true << false << true << false << Action::Escape << Answer::None << false;

        // Blocking without resume, with password: Esc or a close request behind the password.
        QTest::newRow("password esc right") << true << false << true << true << Action::Escape << Answer::Right << true;
        QTest::newRow("password esc wrong")
            << true << false << true << true << Action::Escape << Answer::Wrong << false;
        QTest::newRow("password esc cancel")
            << true << false << true << true << Action::Escape << Answer::Cancel << false;
        QTest::newRow("password other key")
            << true << false << true << true << Action::OtherKey << Answer::None << false;
        QTest::newRow("password close right")
            << true << false << true << true << Action::Close << Answer::Right << true;
        QTest::newRow("password close cancel")
            << true << false << true << true << Action::Close << Answer::Cancel << false;
    }
    void endsOnlyAsPermitted()
    {
        QFETCH(bool, blocking);
        QFETCH(bool, resume);
        QFETCH(bool, password);
        QFETCH(bool, withCheck);
        QFETCH(Action, action);
        QFETCH(Answer, answer);
        QFETCH(bool, ends);

        Options o;
        o.countdown = blocking ? 300 : 0;
        o.enforced = blocking;
        o.resumeAllowed = resume;
        o.passwordRequired = password;
        o.withCheck = withCheck;
        auto dialog = make(o);
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        dialog->show();

        ModalResponder responder;
        switch (answer) {
        case Answer::None:
            break;
        case Answer::Right:
            responder.enterText(kPassword);
            break;
        case Answer::Wrong:
            responder.enterText(kPassword.toUpper());
            responder.acknowledgeMessage();
            break;
        case Answer::Cancel:
            responder.cancelInput();
            break;
        }

        switch (action) {
        case Action::Escape:
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
            break;
        case Action::OtherKey:
            QTest::keyClick(dialog.get(), Qt::Key_A);
            QTest::keyClick(dialog.get(), Qt::Key_F4, Qt::AltModifier);
            if (blocking) {
                QTest::keyClick(dialog.get(), Qt::Key_Return); // no default button to press
            }
            break;
        case Action::Close:
            dialog->close();
            break;
        case Action::Button: {
            QPushButton *button =
                buttonStartingWith(dialog.get(), blocking ? QStringLiteral("Resume Work") : QStringLiteral("Got It"));
            QVERIFY(button && button->isVisible());
            button->click();
            break;
        }
        }

        QVERIFY(responder.idle()); // every expected prompt did come up
        QCOMPARE(finished.count(), ends ? 1 : 0);
        QCOMPARE(dialog->isVisible(), !ends);
        const bool prompted = answer != Answer::None;
        QCOMPARE(responder.inputTitles, prompted ? QStringList{"Password required"} : QStringList());
        QCOMPARE(responder.inputLabels, prompted ? QStringList{"Enter the break password:"} : QStringList());
        QCOMPARE(m_checks, (answer == Answer::Right || answer == Answer::Wrong) ? 1 : 0);
        if (answer == Answer::Wrong) {
            QCOMPARE(responder.messageTitles, QStringList{"Glarewell"});
            QCOMPARE(responder.messageTexts, QStringList{"Incorrect password."});
        } else {
            QVERIFY(responder.messageTexts.isEmpty());
        }
    }

    void countdownEndClosesAnOpenPrompt()
    {
        Options o;
        o.countdown = 1;
        o.enforced = true;
        o.passwordRequired = true;
        auto dialog = make(o);
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        dialog->show();
        dialog->countdownTick(); // shows 0:00
        // While the prompt is open, the countdown runs out.
        QTimer::singleShot(0, dialog.get(), [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() != dialog.get());
            dialog->countdownTick();
        });
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!qobject_cast<QDialog *>(QApplication::activeModalWidget()));
        QCOMPARE(m_checks, 0);
    }

    void blockingBreakHoldsTheSystemUntilItEnds()
    {
        Options o;
        o.countdown = 300;
        o.enforced = true;
        o.resumeAllowed = true;
        auto dialog = make(o);
        QCOMPARE(ReminderDialog::blockingDialogCount(), 1);
        QVERIFY(!m_platform.taskbar->visible);
        dialog->show();
        dialog->enforcementTick();
        QCOMPARE(m_platform.keyboard->grabbedFor, dialog->windowHandle());
        QVERIFY(m_platform.stacking->keptAbove.contains(dialog->windowHandle()));
        QVERIFY(m_platform.stacking->raised.contains(dialog->windowHandle()));

        m_platform.taskbar->visible = true; // something brought the panel back
        dialog->enforcementTick();
        QVERIFY(!m_platform.taskbar->visible);

        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(ReminderDialog::blockingDialogCount(), 0);
        QVERIFY(!m_platform.keyboard->isGrabbed());
        QVERIFY(m_platform.taskbar->visible);
        QVERIFY(dialog->covers().isEmpty());
    }

    void destroyingAnOpenBreakReleasesEverything()
    {
        Options o;
        o.countdown = 300;
        o.enforced = true;
        o.music = QStringLiteral("/sounds/music.ogg");
        auto dialog = make(o);
        dialog->show();
        dialog->enforcementTick();
        QVERIFY(m_platform.keyboard->isGrabbed());
        dialog.reset();
        QVERIFY(!m_platform.keyboard->isGrabbed());
        QVERIFY(m_platform.taskbar->visible);
        QCOMPARE(ReminderDialog::blockingDialogCount(), 0);
        QVERIFY(!m_sound.musicPlaying);
    }

    void twoBlockingBreaksShareTheKeyboard()
    {
        Options o;
        o.countdown = 300;
        o.enforced = true;
        o.resumeAllowed = true;
        auto first = make(o);
        first->show();
        first->enforcementTick();
        auto second = make(o);
        second->show();
        second->enforcementTick();
        QCOMPARE(ReminderDialog::blockingDialogCount(), 2);
        QCOMPARE(m_platform.keyboard->grabbedFor, second->windowHandle());
        first->enforcementTick(); // the older break does not take the keyboard back
        QCOMPARE(m_platform.keyboard->grabbedFor, second->windowHandle());

        second->accept();
        QCOMPARE(m_platform.keyboard->grabbedFor, first->windowHandle());
        QVERIFY(!m_platform.taskbar->visible || ReminderDialog::blockingDialogCount() == 1);
        first->accept();
        QVERIFY(!m_platform.keyboard->isGrabbed());
        QCOMPARE(ReminderDialog::blockingDialogCount(), 0);
    }

    void noticesTouchNothing()
    {
        Options o;
        o.countdown = 20;
        auto dialog = make(o);
        dialog->show();
        dialog->enforcementTick();
        QCOMPARE(ReminderDialog::blockingDialogCount(), 0);
        QVERIFY(!m_platform.keyboard->isGrabbed());
        QVERIFY(m_platform.taskbar->visible);
        QVERIFY(m_platform.stacking->keptAbove.isEmpty());
        QVERIFY(dialog->covers().isEmpty());
    }

    void paintsTheWallpaperCentred()
    {
        QTemporaryDir dir;
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (int y = 0; y < 20; ++y) {
            for (int x = 20; x < 40; ++x) {
                picture.setPixel(x, y, qRgb(0, 0, 255));
            }
        }
        const QString path = dir.filePath("wall.png");
        QVERIFY(picture.save(path));

        Options o;
        o.wallpaper = path;
        auto dialog = make(o);
        dialog->show();
        const QImage shot = dialog->grab().toImage();
        // 40x20 expanded to cover 560x360 becomes 720x360, cut by 80 px on each side.
        QCOMPARE(QColor(shot.pixel(3, 180)), QColor(Qt::red));
        QCOMPARE(QColor(shot.pixel(556, 180)), QColor(Qt::blue));
        QCOMPARE(QColor(shot.pixel(3, 3)), QColor(Qt::red));

        o.wallpaper = dir.filePath("missing.png");
        auto plain = make(o);
        plain->show();
        const QImage plainShot = plain->grab().toImage();
        QVERIFY(QColor(plainShot.pixel(3, 180)) != QColor(Qt::red));
    }
};

QTEST_MAIN(ReminderDialogTest)
#include "tst_reminderdialog.moc"
