#include "LinuxAutostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Quotes one argument of an Exec key: inside double quotes, `"`, `` ` ``, `$` and `\` take a backslash;
// a literal percent sign is doubled so it is not read as a field code.
QString quoteArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        needsQuotes = needsQuotes || reserved.contains(c);
    }
    QString text = argument;
    text.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (!needsQuotes) {
        return text;
    }
    QString quoted;
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\')) {
            quoted += QLatin1Char('\\');
        }
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString LinuxAutostart::entryPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart/glarewell.desktop"));
}

QString LinuxAutostart::execLine(const QString &executable, const QStringList &arguments)
{
    QStringList parts{quoteArgument(executable)};
    for (const QString &argument : arguments) {
        parts << quoteArgument(argument);
    }
    // The value itself is a desktop-entry string, where a backslash is written twice.
    return parts.join(QLatin1Char(' ')).replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

bool LinuxAutostart::setEnabled(bool enabled, const QString &executable, const QStringList &arguments)
{
    const QString path = entryPath();
    if (!enabled) {
        return !QFileInfo::exists(path) || QFile::remove(path);
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return false;
    }
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Glarewell\n"
                                         "Comment=Screen filter and eye-care reminders\n"
                                         "Exec=%1\n"
                                         "Icon=glarewell\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execLine(executable, arguments));
    file.write(entry.toUtf8());
    return file.commit();
}

bool LinuxAutostart::isEnabled() const
{
    return QFileInfo::exists(entryPath());
}
