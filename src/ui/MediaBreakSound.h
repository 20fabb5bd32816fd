#pragma once

#include "BreakSound.h"

#include <QObject>
#include <QUrl>

class QAudioOutput;
class QMediaPlayer;

// Break sounds through Qt Multimedia: any format the system's media backend decodes (WAV, MP3, OGG, FLAC).
class MediaBreakSound final : public QObject, public BreakSound {
    Q_OBJECT

public:
    explicit MediaBreakSound(QObject *parent = nullptr);
    ~MediaBreakSound() override;

    void startMusic(const QString &path) override;
    void stopMusic() override;
    void playAlert(const QString &path) override;

    // What is loaded at the moment; empty when nothing plays.
    QUrl musicSource() const;
    QUrl alertSource() const;
    bool musicLooping() const;

    // The process-wide instance the break screen uses unless it is given another.
    static MediaBreakSound *instance();

private:
    QMediaPlayer *makePlayer();
    void play(QMediaPlayer *&player, const QString &path, int loops);

    QMediaPlayer *m_music = nullptr;
    QMediaPlayer *m_alert = nullptr;
};
