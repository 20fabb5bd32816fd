#pragma once

#include <QFrame>

// A translucent rounded panel with a gradient fill and outline; "strong" cards are brighter.
class GlassCard : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool strong READ strong WRITE setStrong)

public:
    explicit GlassCard(QWidget *parent = nullptr);
    bool strong() const { return m_strong; }
    void setStrong(bool strong);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_strong = false;
};
