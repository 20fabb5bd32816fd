#include "AppTheme.h"
#include "MainWindow.h"
#include "PlatformServices.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

namespace {

// The window icon: next to the executable, up to two levels above it, or in the working directory.
void setApplicationIcon()
{
    const QString relative = QStringLiteral("assets/app.ico");
    const QDir appDir(QCoreApplication::applicationDirPath());
    const QStringList candidates = {appDir.filePath(relative), appDir.filePath(QStringLiteral("../%1").arg(relative)),
                                    appDir.filePath(QStringLiteral("../../%1").arg(relative)),
                                    QDir::current().filePath(relative)};
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate)) {
            QGuiApplication::setWindowIcon(QIcon(QFileInfo(candidate).absoluteFilePath()));
            return;
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Glarewell"));
    QCoreApplication::setOrganizationName(QStringLiteral("Brookvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLAREWELL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("glarewell"));
    setApplicationIcon();
    AppTheme::applyAppStyle(app);

    const QStringList arguments = QCoreApplication::arguments();
    const bool setTransparent = arguments.contains(QStringLiteral("--set-transparent-taskbar"));
    if (setTransparent || arguments.contains(QStringLiteral("--clear-transparent-taskbar"))) {
        const auto platform = createPlatformServices();
        return platform->taskbar->runTransparencyHelper(setTransparent);
    }

    const bool background = arguments.contains(QStringLiteral("--background"));
    if (SingleInstance::forward(background ? QStringLiteral("background") : QStringLiteral("activate"))) {
        return 0;
    }
    SingleInstance::removeStaleEndpoint();

    const auto platform = createPlatformServices();
    auto window = std::make_unique<MainWindow>(*platform);
    if (!background) {
        window->show();
    }
    auto instance = std::make_unique<SingleInstance>();
    if (instance->listen()) {
        QObject::connect(instance.get(), &SingleInstance::activateRequested, window.get(),
                         &MainWindow::showWindowFromTray);
    }
    const int result = QApplication::exec();
    instance.reset();
    window.reset();
    return result;
}
