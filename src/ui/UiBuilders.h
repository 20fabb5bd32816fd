#pragma once

#include <QList>
#include <QString>

class GlassCard;
class QLabel;
class QLayout;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class QWidget;

// Small building blocks every page and dialog uses; their looks come from the style names of AppTheme.
GlassCard *makeCard(QLayout *layout, bool strong = false);
// The inner layout of a card: 22 px margins on every side.
QVBoxLayout *makeCardLayout(int spacing = 12);
// A push button styled by the given style name ("PrimaryAction", "SecondaryAction", ...).
QPushButton *makeButton(const QString &text, const QString &objectName);
QLabel *makeLabel(const QString &text, const QString &objectName, bool wordWrap = false);
QWidget *makeSectionHeader(QWidget *parent, const QString &title, const QString &summary, const QList<QString> &lines);
QPushButton *makeInfoButton(QWidget *parent, const QString &title, const QString &summary, const QList<QString> &lines);
// A scroll area without a frame that resizes the page inside it.
QScrollArea *wrapPage(QWidget *page);
// A page's title ("PageTitle") above its word-wrapped subtitle ("PageSubtitle"), spacing 4.
QWidget *makePageHeader(const QString &title, const QString &subtitle);
void showFeatureHelp(QWidget *parent, const QString &title, const QString &summary, const QList<QString> &lines);
