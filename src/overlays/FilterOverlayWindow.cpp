#include "FilterOverlayWindow.h"

#include "FilterLevels.h"

#include <QEvent>
#include <QPainter>
#include <QScreen>

FilterOverlayWindow::FilterOverlayWindow(QScreen *screen, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput |
                          Qt::WindowDoesNotAcceptFocus),
      m_targetScreen(screen)
{
    setAttribute(Qt::WA_TranslucentBackground, true);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    if (screen) {
        setGeometry(screen->geometry());
    }
}

QScreen *FilterOverlayWindow::targetScreen() const
{
    return m_targetScreen;
}

void FilterOverlayWindow::setTargetScreen(QScreen *screen)
{
    if (!screen) {
        return;
    }
    m_targetScreen = screen;
    refreshGeometry();
}

// The setters below skip the repaint when nothing changes: the runtime loop pushes the same values after
// every settings change, and a full-screen repaint per overlay for nothing is wasted work.
void FilterOverlayWindow::setOverlayStyle(const QColor &tint, double tintOpacity, double dimOpacity)
{
    const double tintValue = FilterLevels::clampOpacity(tintOpacity);
    const double dimValue = FilterLevels::clampOpacity(dimOpacity);
    if (tint == m_tintColor && tintValue == m_tintOpacity && dimValue == m_dimOpacity) {
        return;
    }
    m_tintColor = tint;
    m_tintOpacity = tintValue;
    m_dimOpacity = dimValue;
    update();
}

void FilterOverlayWindow::setTintOpacity(double opacity)
{
    const double value = FilterLevels::clampOpacity(opacity);
    if (value == m_tintOpacity) {
        return;
    }
    m_tintOpacity = value;
    update();
}

void FilterOverlayWindow::setDimOpacity(double opacity)
{
    const double value = FilterLevels::clampOpacity(opacity);
    if (value == m_dimOpacity) {
        return;
    }
    m_dimOpacity = value;
    update();
}

void FilterOverlayWindow::setTintColor(const QColor &color)
{
    if (color == m_tintColor) {
        return;
    }
    m_tintColor = color;
    update();
}

void FilterOverlayWindow::refreshGeometry()
{
    if (m_targetScreen) {
        setGeometry(m_targetScreen->geometry());
    }
}

void FilterOverlayWindow::paintEvent(QPaintEvent *)
{
    if (m_dimOpacity <= 0.0 && m_tintOpacity <= 0.0) {
        return; // fully transparent
    }
    // The dim layer lies under the tint. Instead of blending two full-screen layers one after the other,
    // one fill with the colour they make together writes the same pixels at less than half the cost, which
    // matters while a transition repaints every screen many times a second.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), FilterLevels::layeredColor(m_tintColor, m_tintOpacity, m_dimOpacity));
}

bool FilterOverlayWindow::event(QEvent *event)
{
    // Moved to another screen or the screen changed size: cover the target screen's full rectangle again.
    if (event->type() == QEvent::ScreenChangeInternal) {
        refreshGeometry();
    }
    return QWidget::event(event);
}
