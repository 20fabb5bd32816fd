#include "AppState.h"
#include "Clock.h"
#include "ModalResponder.h"
#include "RemindersTab.h"
#include "TempStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

namespace {

template <typename T> T *named(QWidget *root, const QString &name)
{
    for (T *widget : root->findChildren<T *>()) {
        if (widget->accessibleName() == name) {
            return widget;
        }
    }
    return nullptr;
}

template <typename T> T *withText(QWidget *root, const QString &text)
{
    for (T *widget : root->findChildren<T *>()) {
        if (widget->text() == text) {
            return widget;
        }
    }
    return nullptr;
}

struct Fixture {
    TempStore store;
    ManualClock clock;
    AppState state{nullptr, &clock};
    RemindersTab tab{state};
    QVariant stored(const QString &key) { return state.settings().value(key); }
};

} // namespace

class RemindersTabTest : public QObject {
    Q_OBJECT

private slots:
    void checksDriveTheirSettings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("enable") << "Enable reminder"
                                << "relaxEyesReminderEnabled";
        QTest::newRow("awake") << "Keep screen awake"
                               << "relaxKeepScreenOnEnabled";
        QTest::newRow("pomodoro") << "Pomodoro technique mode"
                                  << "pomodoroEnabled";
        QTest::newRow("fade") << "Fade in / fade out"
                              << "relaxFadeEnabled";
        QTest::newRow("lock") << "Lock Windows at the end of the break"
                              << "relaxLockAtEnd";
        QTest::newRow("resume") << "Allow \"Resume Work\" button during a break"
                                << "relaxAllowResumeEnabled";
        QTest::newRow("password") << "Require password to skip"
                                  << "relaxPasswordEnabled";
        QTest::newRow("random wallpaper") << "Random lock-screen wallpaper"
                                          << "relaxRandomWallpaperEnabled";
        QTest::newRow("mini window") << "Show desktop mini floating window"
                                     << "miniFloatingWindowEnabled";
        QTest::newRow("translucent") << "Automatically translucent"
                                     << "miniFloatingAutoTranslucent";
    }
    void checksDriveTheirSettings()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        Fixture f;
        QCheckBox *check = withText<QCheckBox>(&f.tab, text);
        QVERIFY2(check, qPrintable(text));
        const bool before = check->isChecked();
        check->click();
        QCOMPARE(f.stored(key).toBool(), !before);
        check->click();
        QCOMPARE(f.stored(key).toBool(), before);
    }

    void choicesStoreTheirValues_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("fourth interval") << "Interval" << 3 << "relaxIntervalMinutes" << QVariant(90);
        QTest::newRow("fifth duration") << "Duration" << 4 << "relaxDurationSeconds" << QVariant(900);
        QTest::newRow("simplified") << "Notification mode:" << 1 << "relaxNotificationMode" << QVariant("simplified");
        QTest::newRow("none") << "Notification mode:" << 2 << "relaxNotificationMode" << QVariant("none");
        QTest::newRow("mini window style") << "Style:" << 1 << "miniFloatingWindowStyle" << QVariant("window");
    }
    void choicesStoreTheirValues()
    {
        QFETCH(QString, label);
        QFETCH(int, index);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        Fixture f;
        QComboBox *combo = named<QComboBox>(&f.tab, label);
        QVERIFY(combo);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        QCOMPARE(f.stored(key).toString(), value.toString());
    }

    void numbersStoreTheirValues_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("work") << "Every" << 50 << "pomodoroWorkMinutes"
                              << " min work";
        QTest::newRow("rest") << "Rest" << 10 << "pomodoroRestMinutes"
                              << " min";
        QTest::newRow("snoozes") << "Snooze limit" << 5 << "relaxDelayLimit"
                                 << " times";
        QTest::newRow("idle") << "Pause when idle >" << 15 << "relaxPauseOnIdleMinutes"
                              << " min (0 = off)";
        QTest::newRow("mini transparency") << "Transparency:" << 40 << "miniFloatingTransparencyPercent"
                                           << "%";
    }
    void numbersStoreTheirValues()
    {
        QFETCH(QString, label);
        QFETCH(int, value);
        QFETCH(QString, key);
        QFETCH(QString, suffix);
        Fixture f;
        QSpinBox *spin = named<QSpinBox>(&f.tab, label);
        QVERIFY(spin);
        QCOMPARE(spin->suffix(), suffix);
        spin->setValue(value);
        QCOMPARE(f.stored(key).toInt(), value);
    }

    void transparencySliderShowsPercent()
    {
        Fixture f;
        QSlider *slider = named<QSlider>(&f.tab, "Transparency");
        QVERIFY(slider);
        QCOMPARE(slider->maximum(), 100);
        slider->setValue(40);
        QCOMPARE(f.state.relaxTransparencyPercent(), 40);
        QCOMPARE(named<QLabel>(&f.tab, "Transparency value")->text(), QStringLiteral("40%"));
    }

    void fileRowsTakeTypedAndChosenPaths_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("key");
        QTest::newRow("alert") << "Alert sound (WAV) at break end"
                               << "WAV files (*.wav);;All files (*.*)"
                               << "relaxAlertSoundPath";
        QTest::newRow("music") << "Music during break"
                               << "Audio files (*.wav *.mp3 *.ogg *.flac);;All files (*.*)"
                               << "relaxMusicPath";
        QTest::newRow("wallpaper") << "Custom wallpaper"
                                   << "Image files (*.png *.jpg *.jpeg *.bmp);;All files (*.*)"
                                   << "relaxWallpaperPath";
    }
    void fileRowsTakeTypedAndChosenPaths()
    {
        QFETCH(QString, label);
        QFETCH(QString, filter);
        QFETCH(QString, key);
        Fixture f;
        QLineEdit *edit = named<QLineEdit>(&f.tab, label);
        QVERIFY(edit);
        QCOMPARE(edit->placeholderText(), label);
        edit->setText(QStringLiteral("/typed/path"));
        emit edit->editingFinished();
        QCOMPARE(f.stored(key).toString(), QStringLiteral("/typed/path"));

        QString askedTitle, askedFilter, answer = QStringLiteral("/chosen/file");
        f.tab.setFileChooser([&](const QString &title, const QString &fileFilter) {
            askedTitle = title;
            askedFilter = fileFilter;
            return answer;
        });
        named<QPushButton>(&f.tab, label + " select")->click();
        QCOMPARE(askedTitle, label);
        QCOMPARE(askedFilter, filter);
        QCOMPARE(edit->text(), QStringLiteral("/chosen/file"));
        QCOMPARE(f.stored(key).toString(), QStringLiteral("/chosen/file"));

        answer.clear(); // cancelled: nothing changes
        named<QPushButton>(&f.tab, label + " select")->click();
        QCOMPARE(f.stored(key).toString(), QStringLiteral("/chosen/file"));
    }

    void wallpaperFolderFromEditOrBrowse()
    {
        Fixture f;
        QLineEdit *folder = named<QLineEdit>(&f.tab, "Wallpaper folder:");
        QVERIFY(folder);
        QCOMPARE(folder->placeholderText(), QStringLiteral("Folder containing wallpapers..."));
        folder->setText(QStringLiteral("/pictures"));
        emit folder->editingFinished();
        QCOMPARE(f.state.relaxWallpaperFolder(), QStringLiteral("/pictures"));
        QString askedTitle;
        f.tab.setFolderChooser([&](const QString &title) {
            askedTitle = title;
            return QStringLiteral("/other");
        });
        withText<QPushButton>(&f.tab, "Browse")->click();
        QCOMPARE(askedTitle, QStringLiteral("Select wallpaper folder"));
        QCOMPARE(f.state.relaxWallpaperFolder(), QStringLiteral("/other"));
        QCOMPARE(folder->text(), QStringLiteral("/other"));
    }

    void setPasswordFlow_data()
    {
        QTest::addColumn<int>("answer"); // 0 cancel, 1 text, 2 empty
        QTest::addColumn<bool>("hasPassword");
        QTest::addColumn<QString>("message");
        QTest::newRow("set") << 1 << true << "Break password set.";
        QTest::newRow("empty clears") << 2 << false << "Break password cleared.";
        QTest::newRow("cancel keeps") << 0 << true << "";
    }
    void setPasswordFlow()
    {
        QFETCH(int, answer);
        QFETCH(bool, hasPassword);
        QFETCH(QString, message);
        Fixture f;
        f.state.setRelaxPassword(QStringLiteral("old"));
        ModalResponder responder;
        if (answer == 0) {
            responder.cancelInput();
        } else {
            responder.enterText(answer == 1 ? QStringLiteral("new one") : QString());
            responder.acknowledgeMessage();
        }
        withText<QPushButton>(&f.tab, "Set password")->click();
        QVERIFY(responder.idle());
        QCOMPARE(responder.inputTitles, QStringList{"Set break password"});
        QCOMPARE(responder.inputLabels, QStringList{"Enter a password to skip breaks (leave empty to clear):"});
        QCOMPARE(f.state.hasRelaxPassword(), hasPassword);
        QCOMPARE(f.state.verifyRelaxPassword(QStringLiteral("new one")), answer == 1);
        QCOMPARE(f.state.verifyRelaxPassword(QStringLiteral("old")), answer == 0);
        QCOMPARE(responder.messageTexts, message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(responder.messageTitles, QStringList{"Glarewell"});
        }
    }

    void refreshShowsSettingsWithoutWritingBack()
    {
        Fixture f;
        f.state.setRelaxIntervalMinutes(60);
        f.state.setRelaxDurationSeconds(90); // not one of the offered durations
        f.state.setPomodoroWorkMinutes(25);
        f.state.setRelaxTransparencyPercent(20);
        f.state.setRelaxMusicPath(QStringLiteral("/m.ogg"));
        f.state.setRelaxNotificationMode(QStringLiteral("none"));
        f.state.setRelaxLockAtEnd(true);
        QSignalSpy changes(&f.state, &AppState::stateChanged);
        f.tab.refresh();
        QCOMPARE(changes.count(), 0);
        QCOMPARE(named<QComboBox>(&f.tab, "Interval")->currentText(), QStringLiteral("60 min"));
        QCOMPARE(named<QComboBox>(&f.tab, "Duration")->currentText(), QStringLiteral("90 s"));
        QCOMPARE(named<QSpinBox>(&f.tab, "Every")->value(), 25);
        QCOMPARE(named<QSlider>(&f.tab, "Transparency")->value(), 20);
        QCOMPARE(named<QLabel>(&f.tab, "Transparency value")->text(), QStringLiteral("20%"));
        QCOMPARE(named<QLineEdit>(&f.tab, "Music during break")->text(), QStringLiteral("/m.ogg"));
        QCOMPARE(named<QComboBox>(&f.tab, "Notification mode:")->currentText(), QStringLiteral("No rest notification"));
        QVERIFY(withText<QCheckBox>(&f.tab, "Lock Windows at the end of the break")->isChecked());
        QCOMPARE(f.state.relaxDurationSeconds(), 90);
    }

    void buttonsPreviewAndReset()
    {
        Fixture f;
        QSignalSpy preview(&f.tab, &RemindersTab::previewRequested);
        withText<QPushButton>(&f.tab, "Test Relax Reminder")->click();
        QCOMPARE(preview.count(), 1);
        f.state.setRelaxTransparencyPercent(70);
        f.state.setRelaxPassword(QStringLiteral("pw"));
        withText<QPushButton>(&f.tab, "Reset Defaults")->click();
        QCOMPARE(f.state.relaxTransparencyPercent(), 0);
        QVERIFY(!f.state.hasRelaxPassword());
    }
};

QTEST_MAIN(RemindersTabTest)
#include "tst_reminderstab.moc"
