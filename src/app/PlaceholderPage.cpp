#include "PlaceholderPage.h"

#include "UiBuilders.h"

#include <QVBoxLayout>

PlaceholderPage::PlaceholderPage(const QString &title, const QString &subtitle, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(makePageHeader(title, subtitle));
    layout->addStretch(1);
}
