#include "AssetLocator.h"
#include "LinuxAutostart.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char kSvg[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                    R"(<rect width="10" height="10" fill="#00ff00"/></svg>)";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void writeImage(const QString &path, const QColor &colour, const char *format)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(colour);
    QVERIFY(image.save(path, format));
}

} // namespace

// Finding the files shipped with the program, drawing the logo with its fallbacks, and the autostart entry.
class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void init() { m_previousDir = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_previousDir); }

    void findsAssetsOfTheBuild()
    {
        // The build copies assets/ next to the program; the test binaries sit one level below it.
        const QString logo = AssetLocator::findAssetPath(QStringLiteral("assets/logo.svg"));
        QVERIFY(!logo.isEmpty());
        QVERIFY(QFileInfo(logo).isAbsolute());
        QVERIFY(!AssetLocator::findAssetPath(QStringLiteral("assets/app.ico")).isEmpty());
    }

    void findsAssetInWorkingDirectoryLast()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("assets/only-here.txt")), "x");
        QDir::setCurrent(dir.path());
        QCOMPARE(AssetLocator::findAssetPath(QStringLiteral("assets/only-here.txt")),
                 QFileInfo(dir.filePath(QStringLiteral("assets/only-here.txt"))).absoluteFilePath());
        QCOMPARE(AssetLocator::findAssetPath(QStringLiteral("assets/missing.txt")), QString());
    }

    void logoFallbacks_data()
    {
        QTest::addColumn<bool>("svg");
        QTest::addColumn<bool>("png");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("svg only renders the svg") << true << false << false << QColor(0, 255, 0);
        QTest::newRow("png is scaled") << false << true << true << QColor(0, 0, 255);
        QTest::newRow("neither logo uses the icon") << false << false << true << QColor(255, 0, 0);
        QTest::newRow("nothing gives a transparent image") << false << false << false << QColor(0, 0, 0, 0);
    }
    void logoFallbacks()
    {
        QFETCH(bool, svg);
        QFETCH(bool, png);
        QFETCH(bool, icon);
        QFETCH(QColor, expected);
        QTemporaryDir dir;
        QString logoPath;
        if (svg) {
            logoPath = dir.filePath(QStringLiteral("logo.SVG"));
            writeFile(logoPath, kSvg);
        } else if (png) {
            logoPath = dir.filePath(QStringLiteral("logo.png"));
            writeImage(logoPath, Qt::blue, "PNG");
        }
        QString iconPath;
        if (icon) {
            iconPath = dir.filePath(QStringLiteral("app.png"));
            writeImage(iconPath, Qt::red, "PNG");
        }
        const QImage image = AssetLocator::renderLogoPixmap(logoPath, iconPath, 40).toImage();
        QCOMPARE(image.size(), QSize(40, 40));
        const QColor centre = image.pixelColor(20, 20);
        if (expected.alpha() == 0) {
            QCOMPARE(centre.alpha(), 0);
        } else {
            QCOMPARE(centre.rgb(), expected.rgb());
        }
    }

    void brokenSvgFallsBackToIcon()
    {
        QTemporaryDir dir;
        const QString logoPath = dir.filePath(QStringLiteral("logo.svg"));
        writeFile(logoPath, "<svg this is not");
        const QString iconPath = dir.filePath(QStringLiteral("app.png"));
        writeImage(iconPath, Qt::red, "PNG");
        QCOMPARE(AssetLocator::renderLogoPixmap(logoPath, iconPath, 24).toImage().pixelColor(12, 12).rgb(),
                 QColor(Qt::red).rgb());
    }

    void autostartExecLine_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "/usr/bin/glarewell"
                               << "/usr/bin/glarewell --background";
        QTest::newRow("space") << "/opt/my apps/glarewell"
                               << "\"/opt/my apps/glarewell\" --background";
        QTest::newRow("dollar and quote") << "/opt/a$b\"c/glarewell"
                                          << "\"/opt/a\\\\$b\\\\\"c/glarewell\" --background";
        QTest::newRow("percent") << "/opt/100%/glarewell"
                                 << "/opt/100%%/glarewell --background";
        QTest::newRow("backslash") << "/opt/a\\b/glarewell"
                                   << "\"/opt/a\\\\\\\\b/glarewell\" --background";
    }
    void autostartExecLine()
    {
        QFETCH(QString, executable);
        QFETCH(QString, expected);
        QCOMPARE(LinuxAutostart::execLine(executable, {QStringLiteral("--background")}), expected);
    }

    void autostartEntryIsWrittenAndRemoved()
    {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        LinuxAutostart autostart;
        QCOMPARE(LinuxAutostart::entryPath(), dir.filePath(QStringLiteral("autostart/glarewell.desktop")));
        QVERIFY(!autostart.isEnabled());
        QVERIFY(autostart.setEnabled(true, QStringLiteral("/opt/my apps/glarewell"), {QStringLiteral("--background")}));
        QVERIFY(autostart.isEnabled());
        QSettings entry(LinuxAutostart::entryPath(), QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(entry.value(QStringLiteral("Type")).toString(), QStringLiteral("Application"));
        QFile file(LinuxAutostart::entryPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("\nExec=\"/opt/my apps/glarewell\" --background\n"));
        QVERIFY(autostart.setEnabled(false, QString(), {}));
        QVERIFY(!autostart.isEnabled());
        QVERIFY(autostart.setEnabled(false, QString(), {}));
        qunsetenv("XDG_CONFIG_HOME");
    }

private:
    QString m_previousDir;
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
