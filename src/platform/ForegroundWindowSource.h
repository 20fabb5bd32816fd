#pragma once

#include <QRect>
#include <QString>
#include <optional>

struct ForegroundWindow {
    quintptr id = 0;
    qint64 processId = 0;
    QString processName; // executable file name, e.g. "firefox" or "notepad.exe"
    QString className;   // window class (WM_CLASS on X11)
    QString title;
    QRect frame;  // window rectangle in desktop coordinates
    QRect screen; // geometry of the screen the window is on
    bool ownProcess = false;
    bool desktopOrShell = false; // the desktop, a panel or the shell itself
};

// The window the user is working in.
class ForegroundWindowSource {
public:
    virtual ~ForegroundWindowSource() = default;
    virtual std::optional<ForegroundWindow> foregroundWindow() const = 0;
};
