#include "AssetLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace AssetLocator {

QString findAssetPath(const QString &relative)
{
    const QDir appDir(QCoreApplication::applicationDirPath());
    const QStringList candidates = {
        appDir.filePath(relative),
        appDir.filePath(QStringLiteral("../") + relative),
        appDir.filePath(QStringLiteral("../../") + relative),
        appDir.filePath(QStringLiteral("../../../") + relative),
        QDir::current().filePath(relative),
    };
    for (const QString &candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.exists()) {
            return info.absoluteFilePath();
        }
    }
    return {};
}

QPixmap renderLogoPixmap(const QString &logoPath, const QString &iconPath, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (!logoPath.isEmpty() && logoPath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer renderer(logoPath);
        if (renderer.isValid()) {
            QPainter painter(&pixmap);
            renderer.render(&painter);
            return pixmap;
        }
    }
    const QImage image(logoPath);
    if (!logoPath.isEmpty() && !image.isNull()) {
        return QPixmap::fromImage(image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    if (!iconPath.isEmpty()) {
        // An icon file may not hold an image as large as asked for; scale so callers always get size x size.
        const QPixmap icon = QIcon(iconPath).pixmap(size, size);
        if (!icon.isNull()) {
            return icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
    }
    return pixmap;
}

QString logoPath()
{
    const QString png = findAssetPath(QStringLiteral("assets/logo.png"));
    return png.isEmpty() ? findAssetPath(QStringLiteral("assets/logo.svg")) : png;
}

} // namespace AssetLocator
