#pragma once

#include <QPixmap>
#include <QString>

// Files shipped with the program, looked up next to the executable, in the directories above it and in
// the working directory.
namespace AssetLocator {

QString findAssetPath(const QString &relative);
QPixmap renderLogoPixmap(const QString &logoPath, const QString &iconPath, int size);
// The logo file to use: the PNG when present, else the SVG (may be empty when neither exists).
QString logoPath();

} // namespace AssetLocator
