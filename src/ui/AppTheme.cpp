#include "AppTheme.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>

namespace AppTheme {

namespace {

// "Segoe UI" where it exists; elsewhere the closest installed sans family, without a fuss.
QString uiFontFamily()
{
    const QStringList families = QFontDatabase::families();
    for (const QString &candidate : {QStringLiteral("Segoe UI"), QStringLiteral("Noto Sans"),
                                     QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}) {
        if (families.contains(candidate)) {
            return candidate;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

} // namespace

void applyAppStyle(QApplication &app)
{
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, kBackgroundDark);
        palette.setColor(group, QPalette::WindowText, kTextPrimary);
        palette.setColor(group, QPalette::Base, kSurfaceDark);
        palette.setColor(group, QPalette::AlternateBase, kSurfaceVariantDark);
        palette.setColor(group, QPalette::Text, kTextPrimary);
        palette.setColor(group, QPalette::Button, kSurfaceDark);
        palette.setColor(group, QPalette::ButtonText, kTextPrimary);
        palette.setColor(group, QPalette::Highlight, kPrimaryLight);
        palette.setColor(group, QPalette::HighlightedText, kTextPrimary);
        palette.setColor(group, QPalette::PlaceholderText, kTextSecondary);
    }
    QApplication::setPalette(palette);

    QFont font(uiFontFamily());
    font.setStyleStrategy(QFont::PreferAntialias);
    QApplication::setFont(font);

    app.setStyleSheet(globalStyleSheet());
}

QString globalStyleSheet()
{
    static const char *const kTemplate = R"(
QMainWindow, QWidget { color: %1; background: transparent; }
#WindowRoot { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 %2, stop:0.45 #111526, stop:1 #0a0d14); }
#Sidebar { background: rgba(255,255,255,18); border: 1px solid rgba(255,255,255,28); border-radius: 28px; }
#ContentSurface { background: rgba(255,255,255,10); border: 1px solid rgba(255,255,255,22); border-radius: 32px; }
#TopSearch { background: rgba(255,255,255,18); border: 1px solid rgba(255,255,255,24); border-radius: 18px;
  padding: 10px 14px; color: %1; selection-background-color: %3; }
#AssistantChip { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 rgba(128,56,181,180),
  stop:1 rgba(155,91,211,130)); border: 1px solid rgba(255,255,255,40); border-radius: 18px; color: white;
  font-weight: 600; padding: 10px 16px; }
QLabel#BrandTitle { font-size: 26px; font-weight: 700; color: white; }
QLabel#BrandSubtitle { font-size: 13px; color: %4; }
QLabel#PageTitle { font-size: 30px; font-weight: 700; color: white; }
QLabel#PageSubtitle { font-size: 13px; color: %4; }
QPushButton#NavButton { background: transparent; border: 1px solid transparent; border-radius: 18px; color: %4;
  font-size: 14px; font-weight: 600; padding: 12px 16px; text-align: left; }
QPushButton#NavButton:hover { background: rgba(255,255,255,20); color: white; }
QPushButton#NavButton:checked { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 rgba(128,56,181,200),
  stop:1 rgba(155,91,211,140)); border: 1px solid rgba(255,255,255,34); color: white; }
QLabel#SectionTitle { font-size: 20px; font-weight: 700; color: white; }
QLabel#SmallTitle { font-size: 14px; font-weight: 600; color: white; }
QLabel#MutedText { color: %4; font-size: 13px; }
QLabel#MetricValue { font-size: 34px; font-weight: 700; color: white; }
QLabel#MetricCaption { color: %4; font-size: 13px; }
QPushButton#PrimaryAction { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 rgba(128,56,181,230),
  stop:1 rgba(155,91,211,200)); border: 1px solid rgba(255,255,255,42); border-radius: 16px; padding: 12px 18px;
  color: white; font-weight: 700; }
QPushButton#PrimaryAction:hover { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 rgba(140,70,196,240),
  stop:1 rgba(167,106,224,210)); }
QPushButton#SecondaryAction { background: rgba(255,255,255,18); border: 1px solid rgba(255,255,255,28);
  border-radius: 16px; padding: 11px 16px; color: white; font-weight: 600; }
QPushButton#SecondaryAction:hover { background: rgba(255,255,255,24); }
QPushButton#DangerAction { background: rgba(220,53,69,90); border: 1px solid rgba(220,53,69,160); border-radius: 16px;
  padding: 11px 16px; color: white; font-weight: 600; }
QPushButton#DangerAction:hover { background: rgba(220,53,69,150); }
QPushButton#PaletteChip { background: rgba(255,255,255,14); border: 1px solid rgba(255,255,255,20);
  border-radius: 14px; color: white; font-weight: 600; padding: 10px 14px; }
QPushButton#PaletteChip:checked { background: rgba(128,56,181,140); border: 1px solid rgba(255,255,255,34); }
QPushButton#InfoIcon { background: rgba(255,255,255,16); border: 1px solid rgba(255,255,255,70); border-radius: 11px;
  color: white; font-size: 12px; font-weight: 700; padding: 0px; }
QPushButton#InfoIcon:hover { background: rgba(155,91,211,220); border: 1px solid rgba(255,255,255,140); }
QSlider::groove:horizontal { height: 8px; background: rgba(255,255,255,18); border-radius: 4px; }
QSlider::sub-page:horizontal { background: %3; border-radius: 4px; }
QSlider::handle:horizontal { background: white; border: 2px solid rgba(128,56,181,160); width: 20px;
  margin: -8px 0; border-radius: 10px; }
QProgressBar { border: none; border-radius: 6px; background: rgba(255,255,255,14); text-align: right; color: white;
  min-height: 12px; }
QProgressBar::chunk { border-radius: 6px; background: qlineargradient(x1:0, y1:0, x2:1, y2:0,
  stop:0 rgba(128,56,181,220), stop:1 rgba(73,255,136,210)); }
QCheckBox, QRadioButton { spacing: 10px; color: white; font-size: 14px; }
QCheckBox::indicator, QRadioButton::indicator { width: 18px; height: 18px; }
QCheckBox::indicator:unchecked, QRadioButton::indicator:unchecked { border: 1px solid rgba(255,255,255,42);
  background: rgba(255,255,255,12); border-radius: 9px; }
QCheckBox::indicator:checked, QRadioButton::indicator:checked { border: 1px solid rgba(255,255,255,50);
  border-radius: 9px; background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5, stop:0 white,
  stop:0.38 white, stop:0.48 %3, stop:1 %3); }
QLineEdit#FieldInput { background: rgba(255,255,255,14); border: 1px solid rgba(255,255,255,22); border-radius: 12px;
  padding: 9px 12px; color: white; selection-background-color: %3; }
QLineEdit#FieldInput:focus { border: 1px solid %3; }
QLineEdit#FieldInput:disabled { color: %4; background: rgba(255,255,255,8); }
QComboBox, QSpinBox, QTimeEdit { background: rgba(255,255,255,14); border: 1px solid rgba(255,255,255,22);
  border-radius: 12px; padding: 8px 12px; color: white; selection-background-color: %3; }
QScrollArea { border: none; }
QScrollBar:vertical { background: transparent; width: 10px; margin: 4px 0; }
QScrollBar::handle:vertical { background: rgba(255,255,255,30); border-radius: 5px; min-height: 30px; }
QFrame#line { background: rgba(255,255,255,18); max-height: 1px; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }
QMenu { background: #1c1728; border: 1px solid rgba(255,255,255,40); border-radius: 12px; padding: 6px; color: %1; }
QMenu::item { padding: 8px 22px 8px 28px; border-radius: 8px; background: transparent; }
QMenu::item:selected { background: rgba(128,56,181,200); }
QMenu::separator { height: 1px; background: rgba(255,255,255,30); margin: 5px 10px; }
QToolTip { background: #1c1728; color: %1; border: 1px solid rgba(255,255,255,40); border-radius: 8px;
  padding: 6px 8px; }
QTabWidget::pane { border: none; border-top: 1px solid rgba(255,255,255,22); background: transparent; top: -1px; }
QTabBar::tab { background: rgba(255,255,255,12); border: 1px solid rgba(255,255,255,22); border-radius: 14px;
  padding: 8px 16px; margin: 0px 8px 10px 0px; color: %4; font-weight: 600; }
QTabBar::tab:selected { background: rgba(128,56,181,170); border: 1px solid rgba(255,255,255,34); color: white; }
QTabBar::tab:hover:!selected { background: rgba(255,255,255,22); color: white; }
QComboBox QAbstractItemView { background: %2; border: 1px solid rgba(255,255,255,30);
  selection-background-color: %3; outline: 0px; }
)";
    return QString::fromLatin1(kTemplate).arg(kTextPrimary.name(), kBackgroundDark.name(), kPrimaryLight.name(),
                                              kTextSecondary.name());
}

} // namespace AppTheme
