#pragma once

class QWindow;

// Keeps the program's overlay and break windows above everything else.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;
    // Marks the window as always-on-top for the window manager.
    virtual void keepAbove(QWindow *window) = 0;
    // Raises the window to the top of the stacking order without activating it.
    virtual void raise(QWindow *window) = 0;
    // Lets all pointer and keyboard input pass through to the windows below.
    virtual void setInputTransparent(QWindow *window) = 0;
    // Whether the active window belongs to this process (then nothing is re-raised over it).
    virtual bool ownWindowActive() const = 0;
    // Whether translucent windows are blended with what lies below them. On X11 that needs a compositing
    // manager; without one a translucent window shows as an opaque block.
    virtual bool canBlendWindows() const { return true; }
};
