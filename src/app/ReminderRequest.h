#pragma once

#include <QString>
#include <functional>

// Everything a reminder window is built from; the reminder handlers fill one and hand it to a runner
// that shows it modally (a ReminderDialog in the program, a recorder in tests).
struct ReminderRequest {
    QString title;
    QString message;
    int countdownSeconds = 0;
    bool fullScreen = false;
    int transparencyPercent = 0;
    bool fadeIn = true;
    bool lockAtEnd = false;
    bool passwordRequired = false;
    int snoozeLimit = 0;
    QString alertSoundPath;
    QString musicPath;
    QString wallpaperPath;
    std::function<bool(const QString &)> passwordCheck;
    bool enforced = false;
    bool resumeAllowed = false;
};
