#pragma once

class QWindow;

// Routes the whole keyboard to one window while a blocking break is on screen, so that task switching
// and system shortcuts reach no other program.
class KeyboardBlocker {
public:
    virtual ~KeyboardBlocker() = default;
    virtual bool grab(QWindow *target) = 0;
    virtual void release() = 0;
    virtual bool isGrabbed() const = 0;
};
