#include "LinuxKeyboardBlocker.h"

#include <QGuiApplication>
#include <QWindow>

#include <X11/Xlib.h>

namespace {

// Null when the program does not run on X11 (offscreen, Wayland).
Display *x11Display()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

} // namespace

LinuxKeyboardBlocker::~LinuxKeyboardBlocker()
{
    release();
}

bool LinuxKeyboardBlocker::grab(QWindow *target)
{
    Display *display = x11Display();
    if (!display || !target || !target->isVisible()) {
        return false;
    }
    // owner_events = True: keys aimed at our own windows (the password prompt) arrive there as usual,
    // everything else is reported to the grab window. Grabbing again while we hold the grab just renews it.
    const int result =
        XGrabKeyboard(display, static_cast<Window>(target->winId()), True, GrabModeAsync, GrabModeAsync, CurrentTime);
    m_grabbed = result == GrabSuccess;
    return m_grabbed;
}

void LinuxKeyboardBlocker::release()
{
    if (!m_grabbed) {
        return;
    }
    m_grabbed = false;
    if (Display *display = x11Display()) {
        XUngrabKeyboard(display, CurrentTime);
        XFlush(display);
    }
}
