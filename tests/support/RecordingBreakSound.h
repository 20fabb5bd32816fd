#pragma once

#include "BreakSound.h"

#include <QStringList>

// Records what the break screen asked to play.
class RecordingBreakSound final : public BreakSound {
public:
    void startMusic(const QString &path) override
    {
        musicStarted.append(path);
        musicPlaying = true;
    }
    void stopMusic() override
    {
        musicPlaying = false;
        ++musicStops;
    }
    void playAlert(const QString &path) override { alerts.append(path); }

    QStringList musicStarted;
    QStringList alerts;
    bool musicPlaying = false;
    int musicStops = 0;
};
