#pragma once

#include "ui/platform/SoundOutput.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <map>

class QSoundEffect;

namespace lettrava {

// Plays WAV files and resources through QSoundEffect. Loaded effects are kept
// by source, so a sound that is played often is decoded once.
//
// A sound that has not started within kStartTimeoutMs of being asked for
// (a file that never finishes loading, an audio device that went away)
// counts as not playing, so the looping sound and the Sounds page never wait
// on it for ever.
class QSoundEffectOutput final : public QObject, public SoundOutput {
    Q_OBJECT
public:
    static constexpr qint64 kStartTimeoutMs = 1500;

    explicit QSoundEffectOutput(QObject* parent = nullptr);
    ~QSoundEffectOutput() override;

    void play(const QString& source, bool looping) override;
    void stop() override;
    bool isPlaying() const override;

private:
    QSoundEffect* effectFor(const QString& source);

    std::map<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
    bool starting_ = false; // play() was asked while the sound was still loading
    QElapsedTimer startedAt_;
};

} // namespace lettrava
