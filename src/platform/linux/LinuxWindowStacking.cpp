#include "LinuxWindowStacking.h"

#include "InputShapeKeeper.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace {

Display *x11Display()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// Reads one 32-bit value of a window property; nothing when the property is missing or of another format.
bool readCardinal(Display *display, Window window, Atom property, Atom type, unsigned long &value)
{
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, 1, False, type, &actualType, &actualFormat,
                                          &count, &remaining, &data);
    const bool ok = status == Success && data && actualType == type && actualFormat == 32 && count == 1;
    if (ok) {
        // Xlib hands 32-bit properties back as longs.
        value = *reinterpret_cast<unsigned long *>(data);
    }
    if (data) {
        XFree(data);
    }
    return ok;
}

} // namespace

void LinuxWindowStacking::keepAbove(QWindow *window)
{
    if (!window) {
        return;
    }
    // Covers windows that are not mapped yet: Qt puts the hint into their initial state.
    window->setFlag(Qt::WindowStaysOnTopHint, true);
    Display *display = x11Display();
    if (!display || !window->handle() || !window->isVisible()) {
        return;
    }
    // A mapped window asks the window manager again, in case something took the state away.
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(window->winId());
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1; // _NET_WM_STATE_ADD
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_ABOVE", False));
    event.xclient.data.l[2] = 0;
    event.xclient.data.l[3] = 1; // sent by a normal application
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

void LinuxWindowStacking::raise(QWindow *window)
{
    // On X11 this is a stacking request to the window manager; it does not activate the window.
    if (window && window->handle()) {
        window->raise();
    }
}

void LinuxWindowStacking::setInputTransparent(QWindow *window)
{
    if (!window) {
        return;
    }
    // On X11 Qt gives such a window an empty input shape, so the server itself sends every click and key
    // to the windows below; nothing is forwarded by us.
    window->setFlag(Qt::WindowTransparentForInput, true);
    if (!x11Display()) {
        return;
    }
    clearInputShape(window);
    InputShapeKeeper::attach(window);
}

void LinuxWindowStacking::clearInputShape(QWindow *window)
{
    Display *display = x11Display();
    if (!display || !window || !window->handle()) {
        return;
    }
    XShapeCombineRectangles(display, static_cast<Window>(window->winId()), ShapeInput, 0, 0, nullptr, 0, ShapeSet,
                            Unsorted);
    XFlush(display);
}

bool LinuxWindowStacking::ownWindowActive() const
{
    Display *display = x11Display();
    if (!display) {
        return QGuiApplication::focusWindow() != nullptr;
    }
    unsigned long active = 0;
    if (!readCardinal(display, DefaultRootWindow(display), XInternAtom(display, "_NET_ACTIVE_WINDOW", False), XA_WINDOW,
                      active)) {
        // No EWMH window manager: only Qt knows whether one of our windows has the focus.
        return QGuiApplication::focusWindow() != nullptr;
    }
    if (active == None) {
        return false;
    }
    const QWindowList windows = QGuiApplication::allWindows();
    for (const QWindow *window : windows) {
        if (window->handle() && static_cast<unsigned long>(window->winId()) == active) {
            return true;
        }
    }
    unsigned long pid = 0;
    return readCardinal(display, static_cast<Window>(active), XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL,
                        pid) &&
           static_cast<qint64>(pid) == QCoreApplication::applicationPid();
}

bool LinuxWindowStacking::canBlendWindows() const
{
    Display *display = x11Display();
    if (!display) {
        return true;
    }
    // A compositing manager owns the selection _NET_WM_CM_S<screen>.
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, selection.constData(), False)) != None;
}
