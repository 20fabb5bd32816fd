#include "ScreenCover.h"

#include <QPainter>
#include <QScreen>

ScreenCover::ScreenCover(QScreen *screen, qreal opacity)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_screen(screen)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowOpacity(opacity);
    fitToScreen();
    // Full-screen state lifts the cover above panels and docks on that screen.
    setWindowState(Qt::WindowFullScreen);
    connect(screen, &QScreen::geometryChanged, this, &ScreenCover::fitToScreen);
}

void ScreenCover::fitToScreen()
{
    setScreen(m_screen);
    setGeometry(m_screen->geometry());
}

void ScreenCover::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}
