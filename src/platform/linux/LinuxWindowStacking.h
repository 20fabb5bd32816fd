#pragma once

#include "WindowStacking.h"

// Window stacking on X11 through the EWMH hints the window manager understands; elsewhere through Qt alone.
class LinuxWindowStacking final : public WindowStacking {
public:
    void keepAbove(QWindow *window) override;
    void raise(QWindow *window) override;
    void setInputTransparent(QWindow *window) override;
    bool ownWindowActive() const override;
    bool canBlendWindows() const override;

    // Empties the window's input shape on X11 (no-op elsewhere). Qt does this too, but only once, before the
    // window is mapped.
    static void clearInputShape(QWindow *window);
};
