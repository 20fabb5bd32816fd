#pragma once

#include <QString>

// The sounds of a break: music looping while it runs and an alert when it ends. A missing or unplayable
// file plays nothing and reports nothing.
class BreakSound {
public:
    virtual ~BreakSound() = default;
    // Starts the music from the beginning, looping, in place of any music already playing.
    virtual void startMusic(const QString &path) = 0;
    virtual void stopMusic() = 0;
    // Plays the alert once; it is allowed to finish even after the break window has closed.
    virtual void playAlert(const QString &path) = 0;
};
