#pragma once

#include "KeyboardBlocker.h"

// Grabs the X keyboard for a window of this program. While the grab holds, the window manager's key
// bindings (task switching, Super, Alt+F4) and every other client receive no key events; our own windows
// still get their keys normally. The X server drops the grab by itself if this process dies.
class LinuxKeyboardBlocker final : public KeyboardBlocker {
public:
    ~LinuxKeyboardBlocker() override;
    bool grab(QWindow *target) override;
    void release() override;
    bool isGrabbed() const override { return m_grabbed; }

private:
    bool m_grabbed = false;
};
