#include "UiBuilders.h"

#include "GlassCard.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

GlassCard *makeCard(QLayout *layout, bool strong)
{
    auto *card = new GlassCard;
    card->setStrong(strong);
    card->setLayout(layout);
    return card;
}

QVBoxLayout *makeCardLayout(int spacing)
{
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(22, 22, 22, 22);
    layout->setSpacing(spacing);
    return layout;
}

QPushButton *makeButton(const QString &text, const QString &objectName)
{
    auto *button = new QPushButton(text);
    button->setObjectName(objectName);
    return button;
}

QLabel *makeLabel(const QString &text, const QString &objectName, bool wordWrap)
{
    auto *label = new QLabel(text);
    label->setObjectName(objectName);
    label->setWordWrap(wordWrap);
    return label;
}

QPushButton *makeInfoButton(QWidget *parent, const QString &title, const QString &summary, const QList<QString> &lines)
{
    auto *button = new QPushButton(QStringLiteral("i"), parent);
    button->setObjectName(QStringLiteral("InfoIcon"));
    button->setFixedSize(22, 22);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(summary);
    QObject::connect(button, &QPushButton::clicked, button,
                     [parent, title, summary, lines] { showFeatureHelp(parent, title, summary, lines); });
    return button;
}

QWidget *makeSectionHeader(QWidget *parent, const QString &title, const QString &summary, const QList<QString> &lines)
{
    auto *header = new QWidget(parent);
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(title, QStringLiteral("SectionTitle"), false));
    layout->addStretch(1);
    layout->addWidget(makeInfoButton(parent, title, summary, lines), 0, Qt::AlignTop);
    return header;
}

QScrollArea *wrapPage(QWidget *page)
{
    auto *area = new QScrollArea;
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(page);
    return area;
}

QWidget *makePageHeader(const QString &title, const QString &subtitle)
{
    auto *header = new QWidget;
    auto *layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(makeLabel(title, QStringLiteral("PageTitle"), false));
    layout->addWidget(makeLabel(subtitle, QStringLiteral("PageSubtitle"), true));
    return header;
}

void showFeatureHelp(QWidget *parent, const QString &title, const QString &summary, const QList<QString> &lines)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("%1 - how it works").arg(title));
    dialog.setMinimumWidth(420);
    auto *layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(24, 22, 24, 18);
    layout->setSpacing(10);
    layout->addWidget(makeLabel(QStringLiteral("%1 - how it works").arg(title), QStringLiteral("SectionTitle"), true));
    layout->addWidget(makeLabel(summary, QStringLiteral("MutedText"), true));
    if (!lines.isEmpty()) {
        layout->addSpacing(4);
        for (const QString &line : lines) {
            layout->addWidget(makeLabel(QStringLiteral("•  %1").arg(line), QStringLiteral("MutedText"), true));
        }
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.exec();
}
