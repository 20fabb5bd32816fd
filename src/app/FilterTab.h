#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class AppState;
class QBoxLayout;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

// The "Filter" tab of the Protect page: the filter's strength, the colour-mode palette and how the filter
// is applied. Its controls only call AppState setters; operations of the main window are asked for through
// signals. refreshFromState() writes the settings back into the controls without calling any setter.
class FilterTab : public QWidget {
    Q_OBJECT

public:
    explicit FilterTab(AppState &state, QWidget *parent = nullptr);

    void refreshFromState();

    QSlider *intensitySlider() const { return m_intensitySlider; }
    QSlider *dimmingSlider() const { return m_dimmingSlider; }
    QLabel *intensityValue() const { return m_intensityValue; }
    QLabel *dimmingValue() const { return m_dimmingValue; }
    QCheckBox *breakReminderCheck() const { return m_breakReminderCheck; }
    QCheckBox *autoPauseCheck() const { return m_autoPauseCheck; }
    QCheckBox *smoothTransitionCheck() const { return m_smoothCheck; }
    QCheckBox *wideColorRangeCheck() const { return m_wideColorCheck; }
    QCheckBox *wideBrightnessRangeCheck() const { return m_wideBrightnessCheck; }
    QPushButton *testBreakButton() const { return m_testBreakButton; }
    QPushButton *toggleFilterButton() const { return m_toggleFilterButton; }
    QPushButton *resetButton() const { return m_resetButton; }
    // One chip per colour mode, in the modes' order.
    QList<QPushButton *> paletteChips() const { return m_chips; }

signals:
    void testBreakReminderRequested();
    void toggleProtectionRequested();

private:
    QWidget *createFilterControlsCard();
    QWidget *createModePaletteCard();
    QWidget *createDisplayCard();
    QPushButton *createPaletteButton(const QString &name, const QColor &colour);
    QSlider *addSliderRow(QBoxLayout *layout, const QString &label, QLabel *&valueLabel);
    void selectChip(QPushButton *chip);

    AppState &m_state;
    QSlider *m_intensitySlider = nullptr;
    QSlider *m_dimmingSlider = nullptr;
    QLabel *m_intensityValue = nullptr;
    QLabel *m_dimmingValue = nullptr;
    QCheckBox *m_breakReminderCheck = nullptr;
    QCheckBox *m_autoPauseCheck = nullptr;
    QCheckBox *m_smoothCheck = nullptr;
    QCheckBox *m_wideColorCheck = nullptr;
    QCheckBox *m_wideBrightnessCheck = nullptr;
    QPushButton *m_testBreakButton = nullptr;
    QPushButton *m_toggleFilterButton = nullptr;
    QPushButton *m_resetButton = nullptr;
    QList<QPushButton *> m_chips;
    QList<QColor> m_chipColors; // parallel to m_chips
};
