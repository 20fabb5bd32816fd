#pragma once

#include <QWidget>

class QScreen;

// Darkens one secondary screen while a blocking break runs: an opaque black window whose window
// opacity sets how dark the screen looks.
class ScreenCover : public QWidget {
    Q_OBJECT

public:
    ScreenCover(QScreen *screen, qreal opacity);
    QScreen *coveredScreen() const { return m_screen; }
    // Follows the screen when its geometry changes.
    void fitToScreen();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QScreen *m_screen;
};
