#include "LinuxIdleTime.h"

#include <QGuiApplication>

// Xlib's macros (Bool, Status, None...) clash with Qt names, so its headers come last.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

std::optional<qint64> LinuxIdleTime::idleMilliseconds() const
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return std::nullopt;
    }
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11 ? x11->display() : nullptr;
    if (!display) {
        return std::nullopt;
    }
    int eventBase = 0;
    int errorBase = 0;
    if (!XScreenSaverQueryExtension(display, &eventBase, &errorBase)) {
        return std::nullopt;
    }
    XScreenSaverInfo *info = XScreenSaverAllocInfo();
    if (!info) {
        return std::nullopt;
    }
    const Status status = XScreenSaverQueryInfo(display, DefaultRootWindow(display), info);
    const qint64 idle = static_cast<qint64>(info->idle);
    XFree(info);
    if (!status) {
        return std::nullopt;
    }
    return idle;
}
