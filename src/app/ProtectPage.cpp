#include "ProtectPage.h"

#include "UiBuilders.h"

#include <QVBoxLayout>

ProtectPage::ProtectPage(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(makePageHeader(
        QStringLiteral("Protect"),
        QStringLiteral(
            "Ported from the Android Protect tab: filter controls, mode palette, reminders, and vision tools.")));
    layout->addStretch(1);
}

void ProtectPage::refreshFromState() {}
