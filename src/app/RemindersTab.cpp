#include "RemindersTab.h"

#include "AppState.h"
#include "GlassCard.h"
#include "UiBuilders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A label and its control side by side.
QHBoxLayout *labelledRow(QVBoxLayout *layout, const QString &label, QWidget *control)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(makeLabel(label, QStringLiteral("MutedText")));
    row->addStretch(1);
    row->addWidget(control);
    control->setAccessibleName(label);
    layout->addLayout(row);
    return row;
}

} // namespace

RemindersTab::RemindersTab(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    m_chooseFile = [this](const QString &title, const QString &filter) {
        return QFileDialog::getOpenFileName(this, title, QString(), filter);
    };
    m_chooseFolder = [this](const QString &title) { return QFileDialog::getExistingDirectory(this, title); };

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(18);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->addWidget(buildRelaxCard(), 0, 0, 1, 2);
    grid->addWidget(buildNotificationsCard(), 1, 0);
    grid->addWidget(buildMiniWindowCard(), 1, 1);
    grid->setRowStretch(2, 1);
    refresh();
}

void RemindersTab::refresh()
{
    for (const auto &refresher : std::as_const(m_refreshers)) {
        refresher();
    }
}

QCheckBox *RemindersTab::addCheck(QLayout *layout, const QString &text, bool (AppState::*getter)() const,
                                  void (AppState::*setter)(const bool &))
{
    auto *check = new QCheckBox(text);
    layout->addWidget(check);
    connect(check, &QCheckBox::toggled, this, [this, setter](bool on) { (m_state.*setter)(on); });
    m_refreshers.append([this, check, getter] {
        const QSignalBlocker blocker(check);
        check->setChecked((m_state.*getter)());
    });
    return check;
}

QComboBox *RemindersTab::addChoice(QVBoxLayout *layout, const QString &label, const QStringList &texts,
                                   const QVariantList &values, std::function<QVariant()> read,
                                   std::function<void(const QVariant &)> write,
                                   std::function<QString(const QVariant &)> describe)
{
    auto *combo = new QComboBox;
    for (int i = 0; i < texts.size(); ++i) {
        combo->addItem(texts.at(i), values.at(i));
    }
    labelledRow(layout, label, combo);
    connect(combo, &QComboBox::activated, this, [combo, write](int index) { write(combo->itemData(index)); });
    m_refreshers.append([combo, read, texts, describe] {
        const QSignalBlocker blocker(combo);
        const QVariant value = read();
        int index = combo->findData(value);
        if (index < 0) {
            // A value set elsewhere (cloud, older version) that the list does not offer: show it as it is.
            while (combo->count() > texts.size()) {
                combo->removeItem(combo->count() - 1);
            }
            combo->addItem(describe ? describe(value) : value.toString(), value);
            index = combo->count() - 1;
        }
        combo->setCurrentIndex(index);
    });
    return combo;
}

void RemindersTab::addSpin(QVBoxLayout *layout, const QString &label, int minimum, int maximum, const QString &suffix,
                           int (AppState::*getter)() const, void (AppState::*setter)(const int &))
{
    auto *spin = new QSpinBox;
    spin->setRange(minimum, maximum);
    spin->setSuffix(suffix);
    labelledRow(layout, label, spin);
    connect(spin, &QSpinBox::valueChanged, this, [this, setter](int value) { (m_state.*setter)(value); });
    m_refreshers.append([this, spin, getter] {
        const QSignalBlocker blocker(spin);
        spin->setValue((m_state.*getter)());
    });
}

void RemindersTab::addSlider(QVBoxLayout *layout, const QString &label, int minimum, int maximum,
                             int (AppState::*getter)() const, void (AppState::*setter)(const int &))
{
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(makeLabel(label, QStringLiteral("MutedText")));
    row->addStretch(1);
    auto *value = makeLabel(QString(), QStringLiteral("MutedText"));
    value->setAccessibleName(label + QStringLiteral(" value"));
    row->addWidget(value);
    layout->addLayout(row);
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setRange(minimum, maximum);
    slider->setAccessibleName(label);
    layout->addWidget(slider);
    connect(slider, &QSlider::valueChanged, this, [this, setter, value](int v) {
        value->setText(QStringLiteral("%1%").arg(v));
        (m_state.*setter)(v);
    });
    m_refreshers.append([this, slider, value, getter] {
        const QSignalBlocker blocker(slider);
        slider->setValue((m_state.*getter)());
        value->setText(QStringLiteral("%1%").arg(slider->value()));
    });
}

void RemindersTab::addFileRow(QVBoxLayout *layout, const QString &label, const QString &filter,
                              QString (AppState::*getter)() const, void (AppState::*setter)(const QString &))
{
    auto *row = new QHBoxLayout;
    row->setSpacing(10);
    auto *edit = new QLineEdit;
    edit->setObjectName(QStringLiteral("FieldInput"));
    edit->setPlaceholderText(label);
    edit->setAccessibleName(label);
    auto *select = makeButton(QStringLiteral("Select"), QStringLiteral("SecondaryAction"));
    select->setAccessibleName(label + QStringLiteral(" select"));
    row->addWidget(edit, 1);
    row->addWidget(select);
    layout->addLayout(row);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, setter] { (m_state.*setter)(edit->text()); });
    connect(select, &QPushButton::clicked, this, [this, edit, setter, label, filter] {
        const QString chosen = m_chooseFile(label, filter);
        if (!chosen.isEmpty()) {
            edit->setText(chosen);
            (m_state.*setter)(chosen);
        }
    });
    m_refreshers.append([this, edit, getter] {
        const QSignalBlocker blocker(edit);
        if (edit->text() != (m_state.*getter)()) {
            edit->setText((m_state.*getter)());
        }
    });
}

QWidget *RemindersTab::buildRelaxCard()
{
    QVBoxLayout *layout = makeCardLayout();
    GlassCard *card = makeCard(layout);
    layout->addWidget(makeSectionHeader(
        card, QStringLiteral("Relax Eyes"),
        QStringLiteral("Reminds you to look away from the screen and rest your eyes at set intervals."),
        {QStringLiteral("Enable the reminder, then choose how often it appears and how many minutes each rest lasts."),
         QStringLiteral("At the chosen time a break screen covers every monitor and blocks the computer until the "
                        "rest ends."),
         QStringLiteral("Optional extras: keep the screen awake, require a password to end a break early, play a "
                        "sound or music, and pick a break wallpaper.")}));

    addCheck(layout, QStringLiteral("Enable reminder"), &AppState::relaxEyesReminderEnabled,
             &AppState::setRelaxEyesReminderEnabled);
    addChoice(
        layout, QStringLiteral("Interval"),
        {QStringLiteral("15 min"), QStringLiteral("30 min"), QStringLiteral("60 min"), QStringLiteral("90 min")},
        {15, 30, 60, 90}, [this] { return QVariant(m_state.relaxIntervalMinutes()); },
        [this](const QVariant &v) { m_state.setRelaxIntervalMinutes(v.toInt()); },
        [](const QVariant &v) { return QStringLiteral("%1 min").arg(v.toInt()); });
    addChoice(
        layout, QStringLiteral("Duration"),
        {QStringLiteral("1 min"), QStringLiteral("2 min"), QStringLiteral("5 min"), QStringLiteral("10 min"),
         QStringLiteral("15 min"), QStringLiteral("30 min")},
        {60, 120, 300, 600, 900, 1800}, [this] { return QVariant(m_state.relaxDurationSeconds()); },
        [this](const QVariant &v) { m_state.setRelaxDurationSeconds(v.toInt()); },
        [](const QVariant &v) {
            const int seconds = v.toInt();
            return seconds % 60 == 0 ? QStringLiteral("%1 min").arg(seconds / 60) : QStringLiteral("%1 s").arg(seconds);
        });
    layout->addWidget(makeLabel(QStringLiteral("A break covers every monitor and blocks Windows shortcuts until it "
                                               "ends. Use Notification mode to switch to a lightweight reminder "
                                               "instead."),
                                QStringLiteral("MutedText"), true));
    addCheck(layout, QStringLiteral("Keep screen awake"), &AppState::relaxKeepScreenOnEnabled,
             &AppState::setRelaxKeepScreenOnEnabled);
    addCheck(layout, QStringLiteral("Pomodoro technique mode"), &AppState::pomodoroEnabled,
             &AppState::setPomodoroEnabled);
    addSpin(layout, QStringLiteral("Every"), 1, 180, QStringLiteral(" min work"), &AppState::pomodoroWorkMinutes,
            &AppState::setPomodoroWorkMinutes);
    addSpin(layout, QStringLiteral("Rest"), 1, 60, QStringLiteral(" min"), &AppState::pomodoroRestMinutes,
            &AppState::setPomodoroRestMinutes);

    layout->addWidget(makeLabel(QStringLiteral("Break screen"), QStringLiteral("SmallTitle")));
    addSlider(layout, QStringLiteral("Transparency"), 0, 100, &AppState::relaxTransparencyPercent,
              &AppState::setRelaxTransparencyPercent);
    addCheck(layout, QStringLiteral("Fade in / fade out"), &AppState::relaxFadeEnabled, &AppState::setRelaxFadeEnabled);
    addCheck(layout, QStringLiteral("Lock Windows at the end of the break"), &AppState::relaxLockAtEnd,
             &AppState::setRelaxLockAtEnd);
    addCheck(layout, QStringLiteral("Allow \"Resume Work\" button during a break"), &AppState::relaxAllowResumeEnabled,
             &AppState::setRelaxAllowResumeEnabled);
    addCheck(layout, QStringLiteral("Require password to skip"), &AppState::relaxPasswordEnabled,
             &AppState::setRelaxPasswordEnabled);
    auto *setPasswordButton = makeButton(QStringLiteral("Set password"), QStringLiteral("SecondaryAction"));
    connect(setPasswordButton, &QPushButton::clicked, this, &RemindersTab::setPassword);
    auto *passwordRow = new QHBoxLayout;
    passwordRow->addWidget(setPasswordButton);
    passwordRow->addStretch(1);
    layout->addLayout(passwordRow);
    addSpin(layout, QStringLiteral("Snooze limit"), 0, 10, QStringLiteral(" times"), &AppState::relaxDelayLimit,
            &AppState::setRelaxDelayLimit);
    addSpin(layout, QStringLiteral("Pause when idle >"), 0, 120, QStringLiteral(" min (0 = off)"),
            &AppState::relaxPauseOnIdleMinutes, &AppState::setRelaxPauseOnIdleMinutes);
    addFileRow(layout, QStringLiteral("Alert sound (WAV) at break end"),
               QStringLiteral("WAV files (*.wav);;All files (*.*)"), &AppState::relaxAlertSoundPath,
               &AppState::setRelaxAlertSoundPath);
    addFileRow(layout, QStringLiteral("Music during break"),
               QStringLiteral("Audio files (*.wav *.mp3 *.ogg *.flac);;All files (*.*)"), &AppState::relaxMusicPath,
               &AppState::setRelaxMusicPath);
    addFileRow(layout, QStringLiteral("Custom wallpaper"),
               QStringLiteral("Image files (*.png *.jpg *.jpeg *.bmp);;All files (*.*)"), &AppState::relaxWallpaperPath,
               &AppState::setRelaxWallpaperPath);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    auto *test = makeButton(QStringLiteral("Test Relax Reminder"), QStringLiteral("SecondaryAction"));
    connect(test, &QPushButton::clicked, this, &RemindersTab::previewRequested);
    auto *reset = makeButton(QStringLiteral("Reset Defaults"), QStringLiteral("SecondaryAction"));
    connect(reset, &QPushButton::clicked, this, [this] { m_state.resetRelaxDefaults(); });
    buttons->addWidget(test);
    buttons->addWidget(reset);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return card;
}

QWidget *RemindersTab::buildNotificationsCard()
{
    QVBoxLayout *layout = makeCardLayout();
    GlassCard *card = makeCard(layout);
    layout->addWidget(makeSectionHeader(
        card, QStringLiteral("Break Notifications"),
        QStringLiteral("Choose how the break reminder looks and rotate wallpapers during breaks."),
        {QStringLiteral("Notification mode decides how the rest reminder is shown: a full professional screen, a "
                        "simple notice, or none."),
         QStringLiteral("Turn on \"Random lock-screen wallpaper\" to show a different picture at each break."),
         QStringLiteral("Point \"Wallpaper folder\" at the folder that holds those pictures.")}));
    addChoice(
        layout, QStringLiteral("Notification mode:"),
        {QStringLiteral("Full-screen blocking break"), QStringLiteral("Simplified rest notification"),
         QStringLiteral("No rest notification")},
        {QStringLiteral("professional"), QStringLiteral("simplified"), QStringLiteral("none")},
        [this] { return QVariant(m_state.relaxNotificationMode()); },
        [this](const QVariant &v) { m_state.setRelaxNotificationMode(v.toString()); });
    addCheck(layout, QStringLiteral("Random lock-screen wallpaper"), &AppState::relaxRandomWallpaperEnabled,
             &AppState::setRelaxRandomWallpaperEnabled);

    auto *folder = new QLineEdit;
    folder->setObjectName(QStringLiteral("FieldInput"));
    folder->setPlaceholderText(QStringLiteral("Folder containing wallpapers..."));
    auto *browse = makeButton(QStringLiteral("Browse"), QStringLiteral("SecondaryAction"));
    auto *row = labelledRow(layout, QStringLiteral("Wallpaper folder:"), folder);
    row->setStretchFactor(folder, 1);
    row->addWidget(browse);
    connect(folder, &QLineEdit::editingFinished, this,
            [this, folder] { m_state.setRelaxWallpaperFolder(folder->text()); });
    connect(browse, &QPushButton::clicked, this, [this, folder] {
        const QString chosen = m_chooseFolder(QStringLiteral("Select wallpaper folder"));
        if (!chosen.isEmpty()) {
            folder->setText(chosen);
            m_state.setRelaxWallpaperFolder(chosen);
        }
    });
    m_refreshers.append([this, folder] {
        const QSignalBlocker blocker(folder);
        if (folder->text() != m_state.relaxWallpaperFolder()) {
            folder->setText(m_state.relaxWallpaperFolder());
        }
    });
    layout->addStretch(1);
    return card;
}

QWidget *RemindersTab::buildMiniWindowCard()
{
    QVBoxLayout *layout = makeCardLayout();
    GlassCard *card = makeCard(layout);
    layout->addWidget(makeSectionHeader(
        card, QStringLiteral("Desktop Mini Window"),
        QStringLiteral("A small always-on-top window that shows the time left until your next break."),
        {QStringLiteral("Turn it on to keep the break countdown visible on the desktop."),
         QStringLiteral("Pick \"Mini progress bar\" for a thin bar or \"Mini window\" for a small panel with a "
                        "countdown."),
         QStringLiteral("Turn on \"Automatically translucent\" so it fades into the background, or set a fixed "
                        "transparency.")}));
    addCheck(layout, QStringLiteral("Show desktop mini floating window"), &AppState::miniFloatingWindowEnabled,
             &AppState::setMiniFloatingWindowEnabled);
    addChoice(
        layout, QStringLiteral("Style:"), {QStringLiteral("Mini progress bar"), QStringLiteral("Mini window")},
        {QStringLiteral("progress"), QStringLiteral("window")},
        [this] { return QVariant(m_state.miniFloatingWindowStyle()); },
        [this](const QVariant &v) { m_state.setMiniFloatingWindowStyle(v.toString()); });
    addCheck(layout, QStringLiteral("Automatically translucent"), &AppState::miniFloatingAutoTranslucent,
             &AppState::setMiniFloatingAutoTranslucent);
    addSpin(layout, QStringLiteral("Transparency:"), 10, 100, QStringLiteral("%"),
            &AppState::miniFloatingTransparencyPercent, &AppState::setMiniFloatingTransparencyPercent);
    layout->addStretch(1);
    return card;
}

void RemindersTab::setPassword()
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        this, QStringLiteral("Set break password"),
        QStringLiteral("Enter a password to skip breaks (leave empty to clear):"), QLineEdit::Password, QString(), &ok);
    if (!ok) {
        return;
    }
    if (text.isEmpty()) {
        m_state.clearRelaxPassword();
        QMessageBox::information(this, QStringLiteral("Glarewell"), QStringLiteral("Break password cleared."));
    } else {
        m_state.setRelaxPassword(text);
        QMessageBox::information(this, QStringLiteral("Glarewell"), QStringLiteral("Break password set."));
    }
}
