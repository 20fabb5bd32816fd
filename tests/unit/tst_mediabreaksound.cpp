#include "MediaBreakSound.h"

#include <QDataStream>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

namespace {

// A short mono 16-bit PCM tone as a WAV file.
bool writeTone(const QString &path)
{
    const int rate = 8000;
    const int samples = rate / 4;
    QByteArray pcm;
    QDataStream pcmStream(&pcm, QIODevice::WriteOnly);
    pcmStream.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < samples; ++i) {
        pcmStream << qint16(8000 * qSin(2 * M_PI * 440 * i / rate));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + pcm.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(pcm.size());
    out.writeRawData(pcm.constData(), int(pcm.size()));
    return out.status() == QDataStream::Ok;
}

} // namespace

class MediaBreakSoundTest : public QObject {
    Q_OBJECT

private slots:
    void loopsMusicAndPlaysAlertOnce()
    {
        QTemporaryDir dir;
        const QString tone = dir.filePath("tone.wav");
        QVERIFY(writeTone(tone));
        MediaBreakSound sound;
        sound.startMusic(tone);
        QCOMPARE(sound.musicSource(), QUrl::fromLocalFile(tone));
        QVERIFY(sound.musicLooping());
        sound.playAlert(tone);
        QCOMPARE(sound.alertSource(), QUrl::fromLocalFile(tone));
        sound.stopMusic();
        QVERIFY(sound.musicSource().isEmpty());
        QCOMPARE(sound.alertSource(), QUrl::fromLocalFile(tone)); // the alert may play to its end
    }

    void newMusicReplacesTheOld()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath("first.wav");
        const QString second = dir.filePath("second.wav");
        QVERIFY(writeTone(first));
        QVERIFY(writeTone(second));
        MediaBreakSound sound;
        sound.startMusic(first);
        sound.startMusic(second);
        QCOMPARE(sound.musicSource(), QUrl::fromLocalFile(second));
        sound.startMusic(dir.filePath("gone.wav")); // a missing file stops the old music and plays nothing
        QVERIFY(sound.musicSource().isEmpty());
    }

    void unusableFilesPlayNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty path") << "";
        QTest::newRow("missing file") << "missing.wav";
        QTest::newRow("a folder") << ".";
    }
    void unusableFilesPlayNothing()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = name.isEmpty() ? QString() : dir.filePath(name);
        MediaBreakSound sound;
        sound.startMusic(path);
        sound.playAlert(path);
        QVERIFY(sound.musicSource().isEmpty());
        QVERIFY(sound.alertSource().isEmpty());
    }

    void garbageUnloadsQuietly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("noise.wav");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a'));
        file.close();
        MediaBreakSound sound;
        sound.startMusic(path);
        // The media backend rejects it; the player unloads and nothing else happens.
        QTRY_VERIFY(sound.musicSource().isEmpty());
    }
};

QTEST_MAIN(MediaBreakSoundTest)
#include "tst_mediabreaksound.moc"
