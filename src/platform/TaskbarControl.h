#pragma once

// The system taskbar or panel.
class TaskbarControl {
public:
    virtual ~TaskbarControl() = default;
    virtual bool setTaskbarVisible(bool visible) = 0;
    // Runs the elevated helper that sets or clears the machine-wide transparency value; returns its exit code.
    virtual int runTransparencyHelper(bool transparent) = 0;
};
