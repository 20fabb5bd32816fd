#pragma once

#include <QString>
#include <QStringList>

// Starting the program when the user logs in.
class Autostart {
public:
    virtual ~Autostart() = default;
    virtual bool setEnabled(bool enabled, const QString &executable, const QStringList &arguments) = 0;
    virtual bool isEnabled() const = 0;
};
