#pragma once

#include <QColor>

class AppState;

// Everything the live filter's strength depends on, copied out of the settings so the mapping below can be
// computed (and tested) without windows.
struct FilterInputs {
    bool protectionEnabled = false;
    bool autoPaused = false;
    int filterIntensity = 0; // 0..100
    int dimmingStrength = 0; // 0..100
    bool wideColorRange = false;
    bool wideBrightnessRange = false;
    bool gamingMode = false;
    bool batteryAware = false;
    bool thermalAware = false;

    static FilterInputs fromState(const AppState &state, bool autoPaused);
};

// The opacities the overlays should show: tint and dim are within 0..1.
struct FilterLevels {
    bool active = false;
    double tint = 0.0;
    double dim = 0.0;

    static constexpr double kNormalMaxTint = 0.55;
    static constexpr double kWideMaxTint = 0.9;
    static constexpr double kNormalMaxDim = 0.6;
    static constexpr double kWideMaxDim = 0.95;
    static constexpr double kGamingTintFactor = 0.72;
    static constexpr double kGamingDimFactor = 0.45;
    static constexpr double kBatteryDimFactor = 0.9;
    static constexpr double kThermalTintCap = 0.42;

    static FilterLevels compute(const FilterInputs &inputs);
    // The 0..255 alpha an opacity paints with (truncated toward zero, out-of-range values clamped).
    static int paintAlpha(double opacity);
    // Opacities outside 0..1 are clamped; NaN and anything not above 0 count as 0.
    static double clampOpacity(double opacity);
    // The one colour that the black dim layer with the tint layer over it make together, each at its paint
    // alpha: filling with it gives the same pixels as drawing the two layers one after the other.
    static QColor layeredColor(const QColor &tint, double tintOpacity, double dimOpacity);
};
