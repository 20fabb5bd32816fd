#pragma once

#include "FilterLevels.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>

class AppState;
class FilterOverlayWindow;
class QScreen;
class WindowStacking;

// Owns one FilterOverlayWindow per screen and turns the filter settings into what they show.
class FilterOverlayController : public QObject {
    Q_OBJECT

public:
    using ScreenList = std::function<QList<QScreen *>()>;

    static constexpr int kTransitionMs = 350;
    // Opacity changes this small are applied at once instead of being animated.
    static constexpr double kTransitionThreshold = 0.001;

    FilterOverlayController(AppState &state, WindowStacking &stacking, QObject *parent = nullptr);
    ~FilterOverlayController() override;

    // Where the screens come from; by default the GUI application's screens. Tests hand in their own list.
    void setScreenList(ScreenList screens);

    // Keeps exactly one overlay per screen: new screens get a (hidden) overlay, gone screens lose theirs.
    void syncOverlays();
    // Pushes the colour and opacities of the current settings to every overlay and shows or hides them.
    void updateOverlays(bool autoPaused);
    // Re-shows overlays that went missing and re-raises them, unless one of our own windows is in front.
    void ensureVisible(bool autoPaused);

    FilterLevels levels(bool autoPaused) const;
    FilterOverlayWindow *overlayFor(QScreen *screen) const { return m_overlays.value(screen); }
    QList<FilterOverlayWindow *> overlays() const { return m_overlays.values(); }
    int overlayCount() const { return static_cast<int>(m_overlays.size()); }

private:
    void animate(FilterOverlayWindow *overlay, const char *property, double from, double to);
    void placeOnTop(FilterOverlayWindow *overlay);

    AppState &m_state;
    WindowStacking &m_stacking;
    ScreenList m_screens;
    QHash<QScreen *, FilterOverlayWindow *> m_overlays;
};
