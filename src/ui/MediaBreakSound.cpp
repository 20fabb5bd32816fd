#include "MediaBreakSound.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPointer>

MediaBreakSound::MediaBreakSound(QObject *parent) : QObject(parent) {}

MediaBreakSound::~MediaBreakSound() = default;

MediaBreakSound *MediaBreakSound::instance()
{
    static QPointer<MediaBreakSound> shared;
    if (!shared) {
        shared = new MediaBreakSound(QCoreApplication::instance());
    }
    return shared;
}

QMediaPlayer *MediaBreakSound::makePlayer()
{
    auto *player = new QMediaPlayer(this);
    player->setAudioOutput(new QAudioOutput(player));
    // An unplayable file ends quietly: no message, the player just unloads.
    connect(player, &QMediaPlayer::errorOccurred, player, [player] { player->setSource(QUrl()); });
    return player;
}

void MediaBreakSound::play(QMediaPlayer *&player, const QString &path, int loops)
{
    if (player) {
        player->stop();
        player->setSource(QUrl());
    }
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || !file.isReadable()) {
        return;
    }
    if (!player) {
        player = makePlayer();
    }
    player->setLoops(loops);
    player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    player->play();
}

void MediaBreakSound::startMusic(const QString &path)
{
    play(m_music, path, QMediaPlayer::Infinite);
}

void MediaBreakSound::stopMusic()
{
    if (m_music) {
        m_music->stop();
        m_music->setSource(QUrl());
    }
}

void MediaBreakSound::playAlert(const QString &path)
{
    play(m_alert, path, QMediaPlayer::Once);
}

QUrl MediaBreakSound::musicSource() const
{
    return m_music ? m_music->source() : QUrl();
}

QUrl MediaBreakSound::alertSource() const
{
    return m_alert ? m_alert->source() : QUrl();
}

bool MediaBreakSound::musicLooping() const
{
    return m_music && m_music->loops() == QMediaPlayer::Infinite;
}
