#pragma once

#include "Autostart.h"

// Start at login through an XDG autostart entry in the user's config directory.
class LinuxAutostart final : public Autostart {
public:
    bool setEnabled(bool enabled, const QString &executable, const QStringList &arguments) override;
    bool isEnabled() const override;

    static QString entryPath();
    // The Exec= value for the command, quoted and escaped as desktop entries require.
    static QString execLine(const QString &executable, const QStringList &arguments);
};
