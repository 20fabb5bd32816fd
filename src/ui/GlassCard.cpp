// Temporary plain card so the break screen links before the themed glass card is merged; replaced then.
#include "GlassCard.h"

GlassCard::GlassCard(QWidget *parent) : QFrame(parent) {}

void GlassCard::setStrong(bool strong)
{
    m_strong = strong;
    update();
}

void GlassCard::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
}
