#include "FilterTab.h"

#include "AppState.h"
#include "GlassCard.h"
#include "ProtectPage.h"
#include "UiBuilders.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace {

void setChecked(QCheckBox *check, bool checked)
{
    const QSignalBlocker blocker(check);
    check->setChecked(checked);
}

void setSliderValue(QSlider *slider, QLabel *valueLabel, int value)
{
    const QSignalBlocker blocker(slider);
    slider->setValue(value);
    valueLabel->setText(QString::number(slider->value()));
}

} // namespace

FilterTab::FilterTab(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    QGridLayout *grid = ProtectPage::makeTabGrid(this);
    grid->addWidget(createFilterControlsCard(), 0, 0);
    grid->addWidget(createModePaletteCard(), 0, 1);
    grid->addWidget(createDisplayCard(), 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    refreshFromState();
}

QWidget *FilterTab::createFilterControlsCard()
{
    QVBoxLayout *layout = makeCardLayout();
    GlassCard *card = makeCard(layout, true);
    const QString title = QStringLiteral("Filter Controls");
    layout->addWidget(makeSectionHeader(
        this, title, QStringLiteral("Adjust how strong the blue-light filter is and how much the screen is dimmed."),
        {QStringLiteral("Filter intensity softens the blue light. Higher values look warmer and reduce eye strain."),
         QStringLiteral("Screen dimming lowers overall brightness without changing the colours."),
         QStringLiteral("Both apply live to every screen through a transparent overlay, so you see the change "
                        "while you drag."),
         QStringLiteral("Use \"Toggle Live Filter\" to switch the whole filter on or off, and \"Reset Defaults\" to "
                        "start over.")}));
    layout->addWidget(makeLabel(
        QStringLiteral("These controls now drive a real desktop overlay, so the filter changes live on your screen."),
        QStringLiteral("MutedText"), true));

    m_intensitySlider = addSliderRow(layout, QStringLiteral("Filter intensity"), m_intensityValue);
    connect(m_intensitySlider, &QSlider::valueChanged, this, [this](int value) { m_state.setFilterIntensity(value); });
    m_dimmingSlider = addSliderRow(layout, QStringLiteral("Screen dimming"), m_dimmingValue);
    connect(m_dimmingSlider, &QSlider::valueChanged, this, [this](int value) { m_state.setDimmingStrength(value); });

    m_breakReminderCheck = new QCheckBox(QStringLiteral("20-20-20 break reminders"));
    connect(m_breakReminderCheck, &QCheckBox::toggled, this,
            [this](bool checked) { m_state.setBreakReminderEnabled(checked); });
    layout->addWidget(m_breakReminderCheck);
    m_autoPauseCheck = new QCheckBox(QStringLiteral("Auto pause for full-screen apps"));
    connect(m_autoPauseCheck, &QCheckBox::toggled, this,
            [this](bool checked) { m_state.setAutoPauseEnabled(checked); });
    layout->addWidget(m_autoPauseCheck);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    m_testBreakButton = makeButton(QStringLiteral("Test 20-20-20"), QStringLiteral("SecondaryAction"));
    connect(m_testBreakButton, &QPushButton::clicked, this, &FilterTab::testBreakReminderRequested);
    m_toggleFilterButton = makeButton(QStringLiteral("Toggle Live Filter"), QStringLiteral("SecondaryAction"));
    connect(m_toggleFilterButton, &QPushButton::clicked, this, &FilterTab::toggleProtectionRequested);
    m_resetButton = makeButton(QStringLiteral("Reset Defaults"), QStringLiteral("SecondaryAction"));
    connect(m_resetButton, &QPushButton::clicked, this, [this] { m_state.resetFilterDefaults(); });
    buttons->addWidget(m_testBreakButton);
    buttons->addWidget(m_toggleFilterButton);
    buttons->addWidget(m_resetButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return card;
}

QWidget *FilterTab::createModePaletteCard()
{
    QVBoxLayout *layout = makeCardLayout();
    GlassCard *card = makeCard(layout, false);
    layout->addWidget(makeSectionHeader(
        this, QStringLiteral("Mode Palette"), QStringLiteral("Ready-made colour presets you can apply with one click."),
        {QStringLiteral("Each button applies a preset combination of colour temperature and dimming for a common "
                        "situation."),
         QStringLiteral("Examples are Reading, Movie, Work, Sleep, Relax and Dim."),
         QStringLiteral("Pick the one that matches what you are doing, then fine-tune it with the sliders if you "
                        "like.")}));
    layout->addWidget(makeLabel(QStringLiteral("The preset names and colors come from the Android filter palette."),
                                QStringLiteral("MutedText"), true));
    auto *chips = new QGridLayout;
    chips->setSpacing(10);
    const QList<ColorMode> modes = m_state.colorModes();
    for (int i = 0; i < modes.size(); ++i) {
        chips->addWidget(createPaletteButton(modes[i].name, modes[i].color), i / 2, i % 2);
    }
    layout->addLayout(chips);
    layout->addStretch(1);
    return card;
}

QWidget *FilterTab::createDisplayCard()
{
    QVBoxLayout *layout = makeCardLayout();
    GlassCard *card = makeCard(layout, false);
    layout->addWidget(makeSectionHeader(
        this, QStringLiteral("Display"), QStringLiteral("Fine-tune how the filter is applied to the screen."),
        {QStringLiteral("Smooth transitions fade the filter in and out instead of changing it instantly."),
         QStringLiteral("Wider colour-temperature range unlocks the full 0K to 10000K span for finer warm/cool "
                        "control."),
         QStringLiteral("Wider brightness range unlocks the full 0 to 100 dimming span.")}));
    layout->addWidget(
        makeLabel(QStringLiteral("How the filter is applied to the screen."), QStringLiteral("MutedText"), true));

    m_smoothCheck = new QCheckBox(QStringLiteral("Enable smooth transitions"));
    connect(m_smoothCheck, &QCheckBox::toggled, this,
            [this](bool checked) { m_state.setSmoothTransitionEnabled(checked); });
    m_wideColorCheck = new QCheckBox(QStringLiteral("Use wider colour temperature range (0K – 10000K)"));
    connect(m_wideColorCheck, &QCheckBox::toggled, this,
            [this](bool checked) { m_state.setWideColorRangeEnabled(checked); });
    m_wideBrightnessCheck = new QCheckBox(QStringLiteral("Use wider brightness range (0 – 100)"));
    connect(m_wideBrightnessCheck, &QCheckBox::toggled, this,
            [this](bool checked) { m_state.setWideBrightnessRangeEnabled(checked); });
    layout->addWidget(m_smoothCheck);
    layout->addWidget(m_wideColorCheck);
    layout->addWidget(m_wideBrightnessCheck);
    return card;
}

QPushButton *FilterTab::createPaletteButton(const QString &name, const QColor &colour)
{
    auto *chip = new QPushButton(name);
    chip->setCheckable(true);
    chip->setObjectName(QStringLiteral("PaletteChip"));
    chip->setStyleSheet(QStringLiteral("QPushButton#PaletteChip { border-left: 5px solid %1; }").arg(colour.name()));
    m_chips.append(chip);
    m_chipColors.append(colour);
    connect(chip, &QPushButton::clicked, this, [this, chip, colour] {
        selectChip(chip);
        m_state.setSelectedFilterColor(colour);
    });
    return chip;
}

QSlider *FilterTab::addSliderRow(QBoxLayout *layout, const QString &label, QLabel *&valueLabel)
{
    auto *row = new QHBoxLayout;
    row->addWidget(makeLabel(label, QStringLiteral("MutedText")));
    row->addStretch(1);
    valueLabel = makeLabel(QString(), QStringLiteral("MutedText"));
    row->addWidget(valueLabel);
    layout->addLayout(row);

    auto *slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 100);
    QLabel *value = valueLabel;
    connect(slider, &QSlider::valueChanged, value, [value](int v) { value->setText(QString::number(v)); });
    layout->addWidget(slider);
    return slider;
}

void FilterTab::selectChip(QPushButton *chip)
{
    for (QPushButton *other : std::as_const(m_chips)) {
        const QSignalBlocker blocker(other);
        other->setChecked(other == chip);
    }
}

void FilterTab::refreshFromState()
{
    setSliderValue(m_intensitySlider, m_intensityValue, m_state.filterIntensity());
    setSliderValue(m_dimmingSlider, m_dimmingValue, m_state.dimmingStrength());
    setChecked(m_breakReminderCheck, m_state.breakReminderEnabled());
    setChecked(m_autoPauseCheck, m_state.autoPauseEnabled());
    setChecked(m_smoothCheck, m_state.smoothTransitionEnabled());
    setChecked(m_wideColorCheck, m_state.wideColorRangeEnabled());
    setChecked(m_wideBrightnessCheck, m_state.wideBrightnessRangeEnabled());

    // The chip of the colour in use is the checked one (the first, should two modes share a colour); a colour
    // outside the palette leaves every chip unchecked.
    const int index = m_chipColors.indexOf(m_state.selectedFilterColor());
    selectChip(index >= 0 ? m_chips.at(index) : nullptr);
}
