#include "FilterOverlayController.h"

#include "AppState.h"
#include "FilterOverlayWindow.h"
#include "WindowStacking.h"

#include <QGuiApplication>
#include <QPropertyAnimation>
#include <QScreen>
#include <QWindow>
#include <cmath>

FilterOverlayController::FilterOverlayController(AppState &state, WindowStacking &stacking, QObject *parent)
    : QObject(parent), m_state(state), m_stacking(stacking), m_screens([] { return QGuiApplication::screens(); })
{}

FilterOverlayController::~FilterOverlayController()
{
    // The overlays are parentless top-level windows; this controller is their only owner.
    qDeleteAll(m_overlays);
}

void FilterOverlayController::setScreenList(ScreenList screens)
{
    m_screens = std::move(screens);
}

void FilterOverlayController::syncOverlays()
{
    const QList<QScreen *> screens = m_screens();
    for (QScreen *screen : screens) {
        FilterOverlayWindow *overlay = m_overlays.value(screen);
        if (overlay) {
            overlay->setTargetScreen(screen);
        } else {
            overlay = new FilterOverlayWindow(screen, nullptr);
            // Create the native window now (still hidden) so the window system knows from the start that
            // this window takes no input.
            overlay->winId();
            if (QWindow *window = overlay->windowHandle()) {
                m_stacking.setInputTransparent(window);
            }
            m_overlays.insert(screen, overlay);
        }
        overlay->refreshGeometry();
    }
    for (auto it = m_overlays.begin(); it != m_overlays.end();) {
        if (screens.contains(it.key())) {
            ++it;
            continue;
        }
        if (FilterOverlayWindow *overlay = it.value()) {
            overlay->hide();
            overlay->deleteLater();
        }
        it = m_overlays.erase(it);
    }
}

FilterLevels FilterOverlayController::levels(bool autoPaused) const
{
    return FilterLevels::compute(FilterInputs::fromState(m_state, autoPaused));
}

void FilterOverlayController::updateOverlays(bool autoPaused)
{
    const FilterLevels target = levels(autoPaused);
    if (m_overlays.isEmpty()) {
        return;
    }
    const QColor color = m_state.selectedFilterColor();
    const bool smooth = m_state.smoothTransitionEnabled();
    // Without blending a translucent overlay would cover the screen as an opaque block.
    const bool show = target.active && m_stacking.canBlendWindows();
    for (FilterOverlayWindow *overlay : std::as_const(m_overlays)) {
        overlay->refreshGeometry();
        overlay->setTintColor(color);
        const double tintNow = overlay->tintOpacity();
        const double dimNow = overlay->dimOpacity();
        if (smooth && (std::abs(tintNow - target.tint) > kTransitionThreshold ||
                       std::abs(dimNow - target.dim) > kTransitionThreshold)) {
            animate(overlay, "tintOpacity", tintNow, target.tint);
            animate(overlay, "dimOpacity", dimNow, target.dim);
        } else {
            overlay->setTintOpacity(target.tint);
            overlay->setDimOpacity(target.dim);
        }
        if (show) {
            overlay->show();
            placeOnTop(overlay);
        } else {
            // Hidden at once; a fade-out started above finishes on the hidden window.
            overlay->hide();
        }
    }
}

void FilterOverlayController::ensureVisible(bool autoPaused)
{
    if (!m_state.protectionEnabled() || autoPaused) {
        return;
    }
    // The compositor may have gone away (or come back) since the last update.
    if (!m_stacking.canBlendWindows()) {
        for (FilterOverlayWindow *overlay : std::as_const(m_overlays)) {
            overlay->hide();
        }
        return;
    }
    const bool ownWindowInFront = m_stacking.ownWindowActive();
    for (FilterOverlayWindow *overlay : std::as_const(m_overlays)) {
        const QWindow *window = overlay->windowHandle();
        if (!window || !overlay->isVisible() || !window->isVisible()) {
            overlay->hide();
            overlay->show();
        }
        // Re-raising over one of our own windows would fight the user's dialogs for the top.
        if (!ownWindowInFront) {
            placeOnTop(overlay);
        }
    }
}

void FilterOverlayController::animate(FilterOverlayWindow *overlay, const char *property, double from, double to)
{
    // Transitions that overlap are left running: all last equally long, so the last one started wins.
    auto *animation = new QPropertyAnimation(overlay, property, overlay);
    animation->setDuration(kTransitionMs);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void FilterOverlayController::placeOnTop(FilterOverlayWindow *overlay)
{
    if (QWindow *window = overlay->windowHandle()) {
        m_stacking.keepAbove(window);
        m_stacking.raise(window);
    }
}
