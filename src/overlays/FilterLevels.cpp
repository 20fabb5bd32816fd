#include "FilterLevels.h"

#include "AppState.h"

#include <algorithm>

FilterInputs FilterInputs::fromState(const AppState &state, bool autoPaused)
{
    FilterInputs inputs;
    inputs.protectionEnabled = state.protectionEnabled();
    inputs.autoPaused = autoPaused;
    inputs.filterIntensity = state.filterIntensity();
    inputs.dimmingStrength = state.dimmingStrength();
    inputs.wideColorRange = state.wideColorRangeEnabled();
    inputs.wideBrightnessRange = state.wideBrightnessRangeEnabled();
    inputs.gamingMode = state.gamingModeEnabled();
    inputs.batteryAware = state.batteryAwareEnabled();
    inputs.thermalAware = state.thermalAwareEnabled();
    return inputs;
}

FilterLevels FilterLevels::compute(const FilterInputs &inputs)
{
    FilterLevels levels;
    levels.active = inputs.protectionEnabled && !inputs.autoPaused;
    const double maxTint = inputs.wideColorRange ? kWideMaxTint : kNormalMaxTint;
    const double maxDim = inputs.wideBrightnessRange ? kWideMaxDim : kNormalMaxDim;
    if (levels.active) {
        // The settings are clamped to 0..100 by AppState already; clamp again so a bad value can never
        // paint past the range maxima.
        levels.tint = std::clamp(inputs.filterIntensity, 0, 100) / 100.0 * maxTint;
        levels.dim = std::clamp(inputs.dimmingStrength, 0, 100) / 100.0 * maxDim;
    }
    if (inputs.gamingMode) {
        levels.tint *= kGamingTintFactor;
        levels.dim *= kGamingDimFactor;
    }
    if (inputs.batteryAware) {
        levels.dim *= kBatteryDimFactor;
    }
    if (inputs.thermalAware) {
        levels.tint = std::min(levels.tint, kThermalTintCap);
    }
    return levels;
}

int FilterLevels::paintAlpha(double opacity)
{
    return static_cast<int>(clampOpacity(opacity) * 255.0);
}

double FilterLevels::clampOpacity(double opacity)
{
    // Written so that NaN (for which every comparison is false) ends up as 0.
    if (opacity > 1.0) {
        return 1.0;
    }
    if (opacity > 0.0) {
        return opacity;
    }
    return 0.0;
}

QColor FilterLevels::layeredColor(const QColor &tint, double tintOpacity, double dimOpacity)
{
    const double t = paintAlpha(tintOpacity) / 255.0;
    const double d = paintAlpha(dimOpacity) / 255.0;
    // Tint over dim: coverage t + d(1 - t); the colour comes from the tint alone since the dim is black.
    const double alpha = t + d * (1.0 - t);
    if (alpha <= 0.0) {
        return QColor(0, 0, 0, 0);
    }
    const double share = t / alpha;
    return QColor::fromRgbF(static_cast<float>(tint.redF() * share), static_cast<float>(tint.greenF() * share),
                            static_cast<float>(tint.blueF() * share), static_cast<float>(alpha));
}
