#include "GlassCard.h"

#include "AppTheme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

GlassCard::GlassCard(QWidget *parent) : QFrame(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
}

void GlassCard::setStrong(bool strong)
{
    if (strong == m_strong) {
        return;
    }
    m_strong = strong;
    update();
}

void GlassCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath outline;
    outline.addRoundedRect(r, 24, 24);

    QLinearGradient fill(r.topLeft(), r.bottomRight());
    fill.setColorAt(0, AppTheme::kPrimaryLight.lighter(m_strong ? 130 : 110));
    fill.setColorAt(0.32, QColor(255, 255, 255, m_strong ? 70 : 42));
    fill.setColorAt(1, m_strong ? QColor(33, 20, 47, 230) : QColor(21, 26, 34, 215));
    painter.fillPath(outline, fill);

    QLinearGradient sheen(r.topLeft(), r.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, m_strong ? 28 : 18));
    sheen.setColorAt(1, QColor(0, 0, 0, m_strong ? 36 : 20));
    painter.fillPath(outline, sheen);

    QLinearGradient edge(r.topLeft(), r.bottomRight());
    edge.setColorAt(0, QColor(255, 255, 255, m_strong ? 92 : 56));
    edge.setColorAt(0.45, QColor(128, 56, 181, m_strong ? 180 : 120));
    edge.setColorAt(1, QColor(155, 91, 211, m_strong ? 160 : 90));
    painter.setPen(QPen(QBrush(edge), m_strong ? 1.6 : 1.2));
    painter.drawPath(outline);
}
