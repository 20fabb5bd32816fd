#include "ProtectPage.h"

#include "FilterTab.h"
#include "RemindersTab.h"
#include "UiBuilders.h"

#include <QGridLayout>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Below this the page frame scrolls instead, so that a tab never shrinks to nothing.
constexpr int kMinimumTabsHeight = 260;

} // namespace

ProtectPage::ProtectPage(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(makePageHeader(QStringLiteral("Protect"),
                                     QStringLiteral("Ported from the Android Protect tab: filter controls, mode "
                                                    "palette, reminders, and vision tools.")));
    m_tabs = new QTabWidget;
    // Each tab scrolls by itself, so the tabs take whatever height the page has rather than asking for their
    // content's height, which would make the page frame scroll as well.
    m_tabs->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    m_tabs->setMinimumHeight(kMinimumTabsHeight);
    layout->addWidget(m_tabs, 1);

    m_filterTab = new FilterTab(m_state);
    connect(m_filterTab, &FilterTab::testBreakReminderRequested, this, &ProtectPage::testBreakReminderRequested);
    connect(m_filterTab, &FilterTab::toggleProtectionRequested, this, &ProtectPage::toggleProtectionRequested);
    addTab(m_filterTab, QStringLiteral("Filter"));

    m_remindersTab = new RemindersTab(m_state);
    connect(m_remindersTab, &RemindersTab::previewRequested, this, &ProtectPage::previewRelaxReminderRequested);
    addTab(m_remindersTab, QStringLiteral("Reminders"));

    // Filled by their own cards as those features arrive.
    const QStringList emptyTabs = {QStringLiteral("Focus & Vision"), QStringLiteral("Schedule"),
                                   QStringLiteral("Windows & Shortcuts")};
    for (const QString &title : emptyTabs) {
        auto *page = new QWidget;
        makeTabGrid(page);
        addTab(page, title);
    }
}

QGridLayout *ProtectPage::makeTabGrid(QWidget *page)
{
    auto *grid = new QGridLayout(page);
    grid->setSpacing(18);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QWidget *ProtectPage::addTab(QWidget *page, const QString &title)
{
    QScrollArea *wrapped = wrapPage(page);
    // A single "&" in a tab title would mark a shortcut letter instead of showing.
    m_tabs->addTab(wrapped, QString(title).replace(QLatin1Char('&'), QStringLiteral("&&")));
    return wrapped;
}

QGridLayout *ProtectPage::tabGrid(Tab tab) const
{
    auto *scroll = qobject_cast<QScrollArea *>(m_tabs->widget(tab));
    if (!scroll || !scroll->widget()) {
        return nullptr;
    }
    return qobject_cast<QGridLayout *>(scroll->widget()->layout());
}

void ProtectPage::refreshFromState()
{
    m_filterTab->refreshFromState();
    m_remindersTab->refresh();
}
