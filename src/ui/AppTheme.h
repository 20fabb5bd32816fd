#pragma once

#include <QColor>
#include <QString>

class QApplication;

// The program's one dark glass look.
namespace AppTheme {

inline const QColor kBackgroundDark{13, 16, 23};
inline const QColor kSurfaceDark{21, 26, 34};
inline const QColor kSurfaceVariantDark{28, 23, 40};
inline const QColor kPrimaryLight{128, 56, 181};
inline const QColor kTextPrimary{255, 255, 255};
inline const QColor kTextSecondary{214, 207, 230};

// Palette, font and the global style sheet.
void applyAppStyle(QApplication &app);
QString globalStyleSheet();

} // namespace AppTheme
