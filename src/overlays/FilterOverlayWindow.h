#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

class QScreen;

// One click-through, always-on-top, borderless window covering a whole screen (taskbar included). It paints
// a black dimming layer and a coloured tint layer on top of it; with both opacities at 0 it is invisible.
class FilterOverlayWindow : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double tintOpacity READ tintOpacity WRITE setTintOpacity)
    Q_PROPERTY(double dimOpacity READ dimOpacity WRITE setDimOpacity)

public:
    explicit FilterOverlayWindow(QScreen *screen, QWidget *parent = nullptr);

    QScreen *targetScreen() const;
    // A null screen is ignored; a live one also moves the overlay onto its full rectangle.
    void setTargetScreen(QScreen *screen);
    void setOverlayStyle(const QColor &tint, double tintOpacity, double dimOpacity);

    double tintOpacity() const { return m_tintOpacity; }
    void setTintOpacity(double opacity);
    double dimOpacity() const { return m_dimOpacity; }
    void setDimOpacity(double opacity);
    QColor tintColor() const { return m_tintColor; }
    void setTintColor(const QColor &color);

    // Re-applies the target screen's full rectangle; does nothing once the screen is gone.
    void refreshGeometry();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QPointer<QScreen> m_targetScreen;
    QColor m_tintColor{255, 87, 34};
    double m_tintOpacity = 0.0;
    double m_dimOpacity = 0.0;
};
