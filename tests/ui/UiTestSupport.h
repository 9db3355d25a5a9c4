#pragma once

#include "core/headless/RecordingDialogs.h"
#include "support/TestSupport.h"
#include "ui/platform/SoundOutput.h"

class QWidget;

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

namespace lettrava::test {

// A sound output that records what it was asked to play. A sound "plays"
// from play() until finish() or stop().
class RecordingOutput : public SoundOutput {
public:
    struct Play {
        QString source;
        bool looping;
    };
    void play(const QString& source, bool looping) override
    {
        plays.push_back({source, looping});
        playing = true;
    }
    void stop() override
    {
        ++stops;
        playing = false;
    }
    bool isPlaying() const override { return playing; }
    void finish() { playing = false; }

    std::vector<Play> plays;
    int stops = 0;
    bool playing = false;
};

// The settings as the store wrote them, with each value's type as given to
// QSettings: a file format that records types, unlike INI files.
QSettings::Format typedSettingsFormat();
std::map<QString, QVariant> readTypedSettings(const std::filesystem::path& file);

// The underlined letter of a caption ("&Save" gives s), or none.
QChar mnemonicOf(const QString& text);
// The Alt keys that the window's visible buttons, buddied labels and menu
// bars offer, each with the captions that claim it: one each in a window
// whose every underlined letter works.
std::map<QChar, QStringList> altKeysOf(QWidget& window);

// Every window test runs with its own settings file, program folder and
// recorded dialogs, and the screen's own colour depth.
class UiTest : public ::testing::Test {
protected:
    UiTest();
    ~UiTest() override;

    // The settings written so far, keyed "Name" or "Sounds/Name".
    std::map<QString, QVariant> stored() const { return readTypedSettings(settingsFile_); }
    QString folder() const { return QString::fromStdString(dir_.path().string()); }

    TempDir dir_;
    std::filesystem::path settingsFile_;
    std::filesystem::path previousFolder_;
    RecordingDialogs shown_;
    ScopedDialogs installDialogs_{shown_};
};

} // namespace lettrava::test
