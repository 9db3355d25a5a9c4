#include "ui/platform/QtSoundPlayer.h"

#include "core/platform/Paths.h"
#include "core/platform/Random.h"
#include "ui/platform/Settings.h"
#include "ui/platform/UiResources.h"
#include "ui/platform/GameText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lettrava {

namespace {

const std::array<SoundEventInfo, kSoundEventCount> kEvents{{
    {QT_TRANSLATE_NOOP("Sounds", "Good Word"), QT_TRANSLATE_NOOP("Sounds", "a valid word is entered"), "GoodWord"},
    {QT_TRANSLATE_NOOP("Sounds", "Word Not in Dict."), QT_TRANSLATE_NOOP("Sounds", "a word is submitted that is in the grid but not in the dictionary"), "WordNotInDict"},
    {QT_TRANSLATE_NOOP("Sounds", "Word Not In Grid"), QT_TRANSLATE_NOOP("Sounds", "a word is submitted that is not in the grid"), "WordNotInGrid"},
    {QT_TRANSLATE_NOOP("Sounds", "Invalid Penalty"), QT_TRANSLATE_NOOP("Sounds", "the last word not in the grid that goes without a penalty is submitted"), "InvalidPenalty"},
    {QT_TRANSLATE_NOOP("Sounds", "Lost All Valid Bonus"), QT_TRANSLATE_NOOP("Sounds", "the first word of a round that is not in the dictionary loses the all-valid bonus"), "LostAllValidBonus"},
    {QT_TRANSLATE_NOOP("Sounds", "Ten Seconds Left"), QT_TRANSLATE_NOOP("Sounds", "fewer than ten seconds of the round remain"), "TenSecondsLeft"},
    {QT_TRANSLATE_NOOP("Sounds", "Round Over"), QT_TRANSLATE_NOOP("Sounds", "a round is over"), "RoundOver"},
    {QT_TRANSLATE_NOOP("Sounds", "Won Game"), QT_TRANSLATE_NOOP("Sounds", "a person wins the game"), "WonGame"},
    {QT_TRANSLATE_NOOP("Sounds", "Game End"), QT_TRANSLATE_NOOP("Sounds", "the last round of a game is over"), "GameEnd"},
    {QT_TRANSLATE_NOOP("Sounds", "Building Grid"), QT_TRANSLATE_NOOP("Sounds", "the grid of a new round is built"), "BuildingGrid"},
    {QT_TRANSLATE_NOOP("Sounds", "Letter Click"), QT_TRANSLATE_NOOP("Sounds", "a letter of the grid is clicked"), "LetterClick"},
}};

} // namespace

const SoundEventInfo& soundEventInfo(int event) { return kEvents.at(static_cast<std::size_t>(event)); }

QString soundCaption(int event) { return QCoreApplication::translate("Sounds", soundEventInfo(event).caption); }

QString soundCaptionHint(int event)
{
    return QCoreApplication::translate("Sounds", "Click here to browse for a file to play when %1")
        .arg(QCoreApplication::translate("Sounds", soundEventInfo(event).description));
}

QString soundFileHint(int event)
{
    return QCoreApplication::translate("Sounds", "This file will play when %1 (if the box at the left is checked)")
        .arg(QCoreApplication::translate("Sounds", soundEventInfo(event).description));
}

SoundSettings SoundSettings::defaults()
{
    SoundSettings s;
    for (int i = 0; i < kSoundEventCount; ++i) {
        s.files[static_cast<std::size_t>(i)] = settings::SoundFile[static_cast<std::size_t>(i)].defaultText();
        s.enabled[static_cast<std::size_t>(i)] = settings::SoundEnabled[static_cast<std::size_t>(i)].defaultValue;
    }
    s.disableAll = settings::DisableAllSound.defaultValue;
    return s;
}

SoundSettings SoundSettings::load()
{
    SoundSettings s;
    for (std::size_t i = 0; i < kSoundEventCount; ++i) {
        s.files[i] = SettingsStore::read(settings::SoundFile[i]);
        s.enabled[i] = SettingsStore::read(settings::SoundEnabled[i]);
    }
    s.disableAll = SettingsStore::read(settings::DisableAllSound);
    return s;
}

void SoundSettings::save() const
{
    for (std::size_t i = 0; i < kSoundEventCount; ++i) {
        SettingsStore::write(settings::SoundFile[i], files[i]);
        SettingsStore::write(settings::SoundEnabled[i], enabled[i]);
    }
    SettingsStore::write(settings::DisableAllSound, disableAll);
}

QString resolveSoundPath(const QString& fieldText)
{
    QString text = fieldText.trimmed();
    if (text.isEmpty())
        return {};
#ifndef Q_OS_WIN
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    if (QDir::isAbsolutePath(text))
        return QDir::cleanPath(text);
    // Inside the program folder, or, for an installed program, in the
    // installed data folder when the program folder does not hold it.
    return QDir::cleanPath(pathToQt(Paths::dataPath(qtToPath(QDir::cleanPath(text)).string())));
}

QString offensiveSoundResource(int n) { return QStringLiteral(":/sounds/SND_BAD%1.wav").arg(n); }

QtSoundPlayer::QtSoundPlayer(std::unique_ptr<SoundOutput> output, SettingsSource settings)
    : output_(output ? std::move(output) : std::make_unique<SilentOutput>()), settings_(std::move(settings))
{
    initialiseUiResources();
}

void QtSoundPlayer::playSound(SoundEvent event, bool looping)
{
    const int index = static_cast<int>(event);
    if (index < 0 || index >= kSoundEventCount)
        return;
    const SoundSettings s = settings_ ? settings_() : SoundSettings::defaults();
    if (s.disableAll || !s.enabled[static_cast<std::size_t>(index)])
        return;
    const QString path = resolveSoundPath(s.files[static_cast<std::size_t>(index)]);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    if (looping && output_->isPlaying())
        return;
    output_->play(path, looping);
}

void QtSoundPlayer::stopSounds() { output_->stop(); }

void QtSoundPlayer::playOffensiveWordSound()
{
    const SoundSettings s = settings_ ? settings_() : SoundSettings::defaults();
    if (s.disableAll)
        return;
    const int n = static_cast<int>(Random::instance().below(5)) + 1;
    output_->play(offensiveSoundResource(n), false);
}

} // namespace lettrava
