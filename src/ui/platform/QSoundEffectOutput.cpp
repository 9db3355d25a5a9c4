#include "ui/platform/QSoundEffectOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace lettrava {

namespace {
bool switchedOff = false;
constexpr std::size_t kMaxCachedEffects = 32;
} // namespace

void setSoundSwitchedOff(bool off) { switchedOff = off; }
bool soundSwitchedOff() { return switchedOff; }

std::unique_ptr<SoundOutput> makeSoundOutput()
{
    if (switchedOff || QMediaDevices::defaultAudioOutput().isNull())
        return std::make_unique<SilentOutput>();
    return std::make_unique<QSoundEffectOutput>();
}

QSoundEffectOutput::QSoundEffectOutput(QObject* parent) : QObject(parent) {}

QSoundEffectOutput::~QSoundEffectOutput()
{
    for (auto& [source, effect] : effects_) {
        effect->stop();
        delete effect;
    }
}

QSoundEffect* QSoundEffectOutput::effectFor(const QString& source)
{
    if (auto it = effects_.find(source); it != effects_.end())
        return it->second;
    if (effects_.size() >= kMaxCachedEffects) {
        for (auto it = effects_.begin(); it != effects_.end(); ++it)
            if (it->second != current_) {
                delete it->second;
                effects_.erase(it);
                break;
            }
    }
    auto* effect = new QSoundEffect();
    effect->setSource(source.startsWith(QLatin1String(":/")) ? QUrl(QStringLiteral("qrc") + source)
                                                             : QUrl::fromLocalFile(source));
    connect(effect, &QSoundEffect::playingChanged, this, [this, effect] {
        if (effect == current_ && effect->isPlaying())
            starting_ = false;
    });
    connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
        // An unreadable file plays nothing, silently.
        if (effect == current_ && effect->status() == QSoundEffect::Error)
            starting_ = false;
    });
    effects_.emplace(source, effect);
    return effect;
}

void QSoundEffectOutput::play(const QString& source, bool looping)
{
    QSoundEffect* effect = effectFor(source);
    if (current_ && current_ != effect)
        current_->stop();
    current_ = effect;
    effect->stop();
    effect->setLoopCount(looping ? QSoundEffect::Infinite : 1);
    starting_ = effect->status() != QSoundEffect::Error;
    startedAt_.start();
    effect->play();
}

void QSoundEffectOutput::stop()
{
    if (current_)
        current_->stop();
    starting_ = false;
}

bool QSoundEffectOutput::isPlaying() const
{
    if (!current_)
        return false;
    switch (current_->status()) {
    case QSoundEffect::Error:
        return false;
    case QSoundEffect::Null:
    case QSoundEffect::Loading:
        // QSoundEffect reports "playing" while it is still loading; a load
        // that never ends must not hold the channel for ever.
        return starting_ && startedAt_.elapsed() < kStartTimeoutMs;
    case QSoundEffect::Ready:
        break;
    }
    return current_->isPlaying();
}

} // namespace lettrava
