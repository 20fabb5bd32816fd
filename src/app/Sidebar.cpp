#include "Sidebar.h"

#include "AssetLocator.h"
#include "GlassCard.h"
#include "UiBuilders.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

Sidebar::Sidebar(const QStringList &pageNames, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Sidebar"));
    // A QWidget subclass paints its style-sheet background only when asked to.
    setAttribute(Qt::WA_StyledBackground, true);
    setFixedWidth(280);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(20, 22, 20, 22);
    m_layout->setSpacing(18);

    const QString iconPath = AssetLocator::findAssetPath(QStringLiteral("assets/app.ico"));
    auto *logo = new QLabel;
    logo->setFixedSize(84, 84);
    logo->setScaledContents(true);
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(AssetLocator::renderLogoPixmap(AssetLocator::logoPath(), iconPath, 76));
    m_layout->addWidget(logo);

    auto *brand = new QVBoxLayout;
    brand->setSpacing(2);
    brand->addWidget(makeLabel(QStringLiteral("Glarewell"), QStringLiteral("BrandTitle")));
    brand->addWidget(
        makeLabel(QStringLiteral("Live filter and reminder desktop app"), QStringLiteral("BrandSubtitle")));
    m_layout->addLayout(brand);
    m_layout->addSpacing(8);

    m_navigation = new QButtonGroup(this);
    m_navigation->setExclusive(true);
    m_nextNavIndex = m_layout->count();
    m_layout->addStretch(1);
    for (int i = 0; i < pageNames.size(); ++i) {
        addNavButton(pageNames.at(i), i);
    }
    if (QAbstractButton *first = m_navigation->button(0)) {
        first->setChecked(true);
    }

    auto *promo = new QVBoxLayout;
    promo->setContentsMargins(18, 18, 18, 18);
    promo->setSpacing(10);
    promo->addWidget(makeLabel(QStringLiteral("Available Now On Google Play"), QStringLiteral("SmallTitle"), true));
    promo->addWidget(makeLabel(QStringLiteral("Take Glarewell with you. Install the Android app, sign in with the same "
                                              "account, and keep your eye-health reports in sync across phone and "
                                              "desktop."),
                               QStringLiteral("MutedText"), true));
    auto *install = makeButton(QStringLiteral("Install Now"), QStringLiteral("PrimaryAction"));
    connect(install, &QPushButton::clicked, this, [] {
        QDesktopServices::openUrl(QUrl(QStringLiteral("https://play.google.com/store/search?q=Glarewell&c=apps")));
    });
    promo->addWidget(install);
    m_promoCard = makeCard(promo, true);
    m_layout->addWidget(m_promoCard);

    auto *footer = new QHBoxLayout;
    footer->setContentsMargins(8, 0, 8, 0);
    footer->addWidget(
        makeLabel(QStringLiteral("© 2026 Brookvane · not a medical device"), QStringLiteral("MutedText"), true));
    m_layout->addLayout(footer);
}

QPushButton *Sidebar::addNavButton(const QString &text, int id)
{
    auto *button = makeButton(text, QStringLiteral("NavButton"));
    button->setCheckable(true);
    button->setMinimumHeight(48);
    m_layout->insertWidget(m_nextNavIndex++, button);
    m_navigation->addButton(button, id);
    return button;
}

void Sidebar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updatePromoVisibility();
}

int Sidebar::heightNeededWithPromo() const
{
    // The layout only counts visible items, so a hidden card is added back by hand.
    const int width = this->width();
    int needed = m_layout->totalHeightForWidth(width);
    if (needed < 0) {
        needed = m_layout->totalMinimumSize().height();
    }
    if (m_promoCard->isHidden()) {
        const QMargins margins = m_layout->contentsMargins();
        const int cardWidth = width - margins.left() - margins.right();
        const int cardHeight = m_promoCard->hasHeightForWidth() ? m_promoCard->heightForWidth(cardWidth)
                                                                : m_promoCard->sizeHint().height();
        needed += cardHeight + m_layout->spacing();
    }
    return needed;
}

void Sidebar::updatePromoVisibility()
{
    m_promoCard->setVisible(height() >= heightNeededWithPromo());
}
