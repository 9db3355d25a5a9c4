#include "UiTestSupport.h"

#include "core/platform/Random.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/GamePreferences.h"
#include "ui/platform/QSoundEffectOutput.h"
#include "ui/platform/QtSoundPlayer.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/dialogs/TPreferencesForm.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <cstring>
#include <filesystem>

using namespace lettrava;
using lettrava::test::RecordingOutput;
using lettrava::test::UiTest;

namespace {

class SoundsTest : public UiTest {
protected:
    SoundsTest()
    {
        std::filesystem::create_directories(dir_ / "Sounds");
        for (const char* name : {"GoodWord.wav", "TenSeconds.wav", "NotInGrid.wav", "Click.wav"})
            test::writeFile(dir_ / "Sounds" / name, "RIFF");
    }

    QtSoundPlayer player(SoundSettings s = SoundSettings::defaults())
    {
        auto out = std::make_unique<RecordingOutput>();
        output_ = out.get();
        return QtSoundPlayer(std::move(out), [s] { return s; });
    }

    QString inFolder(const char* name) const { return QString::fromStdString((dir_ / "Sounds" / name).string()); }

    RecordingOutput* output_ = nullptr;
};

// The shipped sound files' header, read back.
struct WavFormat {
    bool pcm16Mono = false;
    std::uint32_t rate = 0;
    std::uint32_t dataBytes = 0;
};

WavFormat readWav(const std::string& bytes)
{
    WavFormat f;
    auto u16 = [&](std::size_t at) { return std::uint32_t(std::uint8_t(bytes[at])) | std::uint32_t(std::uint8_t(bytes[at + 1])) << 8; };
    auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
    if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 8, "WAVEfmt ") != 0)
        return f;
    f.pcm16Mono = u16(20) == 1 && u16(22) == 1 && u16(34) == 16 && bytes.compare(36, 4, "data") == 0;
    f.rate = u32(24);
    f.dataBytes = u32(40);
    return f;
}

} // namespace

TEST_F(SoundsTest, EventFilesAreFoundInTheProgramFolderOrWhereAFullPathSays)
{
    test::TempDir elsewhere;
    test::writeFile(elsewhere / "bell.wav", "RIFF");
    SoundSettings s = SoundSettings::defaults();
    s.files[2] = QString::fromStdString((elsewhere / "bell.wav").string());
    auto p = player(s);

    p.playSound(SoundEvent::GoodWord);
    output_->finish();
    p.playSound(SoundEvent::WordNotInGrid);
    ASSERT_EQ(output_->plays.size(), 2u);
    EXPECT_EQ(output_->plays[0].source, inFolder("GoodWord.wav"));
    EXPECT_FALSE(output_->plays[0].looping);
    EXPECT_EQ(output_->plays[1].source, QString::fromStdString((elsewhere / "bell.wav").string()));

    EXPECT_EQ(resolveSoundPath("Sounds\\GoodWord.wav"), inFolder("GoodWord.wav"));
    EXPECT_EQ(resolveSoundPath("Sounds/Click.wav"), inFolder("Click.wav"));
    EXPECT_EQ(resolveSoundPath(""), "");
}

TEST_F(SoundsTest, EnableBoxesDisableAllAndMissingFilesSilenceEvents)
{
    SoundSettings s = SoundSettings::defaults();
    s.enabled[0] = false;
    auto p = player(s);
    p.playSound(SoundEvent::GoodWord);           // its box is unchecked
    p.playSound(SoundEvent::WordNotInDict);      // NotInDict.wav does not exist
    p.playSound(static_cast<SoundEvent>(42));    // no such event
    EXPECT_TRUE(output_->plays.empty());
    p.playSound(SoundEvent::LetterClick);
    EXPECT_EQ(output_->plays.size(), 1u);

    s.disableAll = true;
    auto silent = player(s);
    silent.playSound(SoundEvent::LetterClick);
    silent.playSound(SoundEvent::TenSecondsLeft, true);
    silent.playOffensiveWordSound();
    EXPECT_TRUE(output_->plays.empty());
}

TEST_F(SoundsTest, TheTickingLoopNeverInterruptsAnotherSoundAndComesBackAfterIt)
{
    auto p = player();
    p.playSound(SoundEvent::TenSecondsLeft, true);
    ASSERT_EQ(output_->plays.size(), 1u);
    EXPECT_TRUE(output_->plays[0].looping);
    p.playSound(SoundEvent::TenSecondsLeft, true); // next tick: it keeps playing
    EXPECT_EQ(output_->plays.size(), 1u);

    p.playSound(SoundEvent::GoodWord); // a word replaces the ticking
    ASSERT_EQ(output_->plays.size(), 2u);
    EXPECT_EQ(output_->plays[1].source, inFolder("GoodWord.wav"));
    p.playSound(SoundEvent::TenSecondsLeft, true); // tick while the word sounds
    EXPECT_EQ(output_->plays.size(), 2u);
    output_->finish();
    p.playSound(SoundEvent::TenSecondsLeft, true); // the next tick after it
    ASSERT_EQ(output_->plays.size(), 3u);
    EXPECT_EQ(output_->plays[2].source, inFolder("TenSeconds.wav"));

    p.stopSounds(); // the round ends
    EXPECT_EQ(output_->stops, 1);
    EXPECT_FALSE(output_->isPlaying());
}

TEST_F(SoundsTest, OffensiveWordsPlayOneOfFiveBuiltInSoundsDrawnFromTheGenerator)
{
    SoundSettings s = SoundSettings::defaults();
    for (bool& on : s.enabled)
        on = false; // the enable boxes do not matter here
    auto p = player(s);
    Random::instance().seed(1234);
    std::vector<int> expected;
    for (int i = 0; i < 20; ++i)
        expected.push_back(static_cast<int>(Random::instance().below(5)) + 1);
    Random::instance().seed(1234);
    for (int i = 0; i < 20; ++i)
        p.playOffensiveWordSound();
    ASSERT_EQ(output_->plays.size(), 20u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(output_->plays[static_cast<std::size_t>(i)].source, offensiveSoundResource(expected[static_cast<std::size_t>(i)]));
    for (int n = 1; n <= 5; ++n) {
        QFile resource(offensiveSoundResource(n));
        ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << n;
        EXPECT_TRUE(readWav(resource.readAll().toStdString()).pcm16Mono) << n;
    }
}

TEST_F(SoundsTest, EveryShippedEventSoundIsAShortPcmWave)
{
    const std::filesystem::path sounds = std::filesystem::path(LETTRAVA_SOURCE_DIR) / "data" / "Sounds";
    for (const TextSetting& file : settings::SoundFile) {
        QString name = file.defaultText();
        name.replace("Sounds\\", "");
        const WavFormat f = readWav(test::readFile(sounds / name.toStdString()));
        EXPECT_TRUE(f.pcm16Mono) << name.toStdString();
        EXPECT_EQ(f.rate, 22050u);
        EXPECT_GT(f.dataBytes, 1000u);
        EXPECT_LT(f.dataBytes, 22050u * 2 * 3) << "at most three seconds";
    }
}

class SoundsPageTest : public SoundsTest {
protected:
    SoundsPageTest()
    {
        GamePreferences::SoundOutputs outputs;
        auto events = std::make_unique<RecordingOutput>();
        auto test = std::make_unique<RecordingOutput>();
        events_ = events.get();
        test_ = test.get();
        outputs.events = std::move(events);
        outputs.test = std::move(test);
        prefs_ = std::make_unique<GamePreferences>(std::move(outputs));
        form_ = std::make_unique<TPreferencesForm>(*prefs_);
        form_->setPage(TPreferencesForm::Page::Sounds);
    }

    template <class T>
    T* row(const char* prefix, const char* control)
    {
        T* w = form_->findChild<T*>(QLatin1String(prefix) + QLatin1String(control));
        EXPECT_NE(w, nullptr) << prefix << control;
        return w;
    }

    RecordingOutput* events_ = nullptr;
    RecordingOutput* test_ = nullptr;
    std::unique_ptr<GamePreferences> prefs_;
    std::unique_ptr<TPreferencesForm> form_;
};

TEST_F(SoundsPageTest, StatusPicturesAndHintsFollowTheFileFields)
{
    const auto& pics = SharedPictures::instance();
    auto* ready = row<TPictureButton>("btnPlay", "GoodWord");
    EXPECT_TRUE(ready->isEnabled());
    EXPECT_EQ(ready->toolTip(), "Play Sound");
    EXPECT_EQ(ready->upPicture().toImage(), pics.soundReady.toImage());

    auto* missing = row<TPictureButton>("btnPlay", "WordNotInDict");
    EXPECT_FALSE(missing->isEnabled());
    EXPECT_EQ(missing->toolTip(), "Sounds\\NotInDict.wav does not exist");
    EXPECT_EQ(missing->upPicture().toImage(), pics.soundMissing.toImage());

    row<QLineEdit>("edt", "WordNotInDict")->setText("Sounds\\Click.wav");
    EXPECT_TRUE(missing->isEnabled());
    EXPECT_EQ(missing->toolTip(), "Play Sound");

    EXPECT_EQ(row<QWidget>("lbl", "WordNotInGrid")->toolTip(),
              "Click here to browse for a file to play when a word is submitted that is not in the grid");
    const QString fieldHint = row<QWidget>("edt", "GoodWord")->toolTip();
    EXPECT_TRUE(fieldHint.startsWith("This file will play when "));
    EXPECT_TRUE(fieldHint.endsWith("(if the box at the left is checked)"));
}

TEST_F(SoundsPageTest, TestPlaysRegardlessOfTheBoxesAndShowsTheStopButtonWhilePlaying)
{
    form_->resize(900, 600);
    form_->show();
    QApplication::processEvents();
    form_->findChild<QCheckBox*>("chkDisableAllSound")->setChecked(true);
    row<QCheckBox>("chk", "TenSecondsLeft")->setChecked(false);
    prefs_->soundPlayer().playSound(SoundEvent::TenSecondsLeft, true);
    EXPECT_TRUE(events_->plays.empty()) << "the page's boxes rule the event sounds at once";

    auto* play = row<TPictureButton>("btnPlay", "TenSecondsLeft");
    QTest::mouseClick(play, Qt::LeftButton);
    ASSERT_EQ(test_->plays.size(), 1u);
    EXPECT_EQ(test_->plays[0].source, inFolder("TenSeconds.wav"));
    auto* stop = form_->findChild<TPictureButton*>("btnStopTest");
    ASSERT_TRUE(stop->isVisible());
    const QPoint playAt = play->mapTo(stop->parentWidget(), QPoint(0, 0));
    EXPECT_EQ(stop->pos(), QPoint(playAt.x() + play->width() + 4, playAt.y() - 4));

    test_->finish();
    QTest::qWait(250);
    EXPECT_FALSE(stop->isVisible()) << "the timer hides it when the sound has ended";

    QTest::mouseClick(play, Qt::LeftButton);
    ASSERT_TRUE(stop->isVisible());
    QTest::mouseClick(stop, Qt::LeftButton);
    EXPECT_EQ(test_->stops, 1);
    EXPECT_FALSE(stop->isVisible());

    QTest::mouseClick(play, Qt::LeftButton);
    form_->hide();
    EXPECT_FALSE(stop->isVisibleTo(form_.get()));
    prefs_->soundPlayer().playSound(SoundEvent::TenSecondsLeft, true);
    EXPECT_EQ(events_->plays.size(), 1u) << "with the window closed, the saved choices rule again";
}

TEST_F(SoundsPageTest, CheckAllUncheckAllEnableAndBrowse)
{
    form_->show();
    QApplication::processEvents();
    QTest::mouseClick(form_->findChild<QWidget*>("btnUncheckAll"), Qt::LeftButton);
    for (bool on : form_->soundSettings().enabled)
        EXPECT_FALSE(on);
    QTest::mouseClick(form_->findChild<QWidget*>("btnCheckAll"), Qt::LeftButton);
    for (bool on : form_->soundSettings().enabled)
        EXPECT_TRUE(on);
    EXPECT_FALSE(form_->soundSettings().disableAll) << "Disable All is separate";

    auto* field = row<QLineEdit>("edt", "RoundOver");
    field->setFocus();
    EXPECT_EQ(form_->focusedSoundRow(), 6);
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(form_->soundSettings().enabled[6]);

    // Browsing keeps a file inside the program folder relative to it.
    QString asked;
    setFileChooserForTests([&](const QString& title, const QString&, const QString&) {
        asked = title;
        return inFolder("Click.wav");
    });
    QTest::keyClick(field, Qt::Key_B, Qt::ControlModifier);
    setFileChooserForTests(nullptr);
    EXPECT_EQ(asked, "Select sound for Round Over");
    EXPECT_EQ(field->text(), "Sounds/Click.wav");
    EXPECT_TRUE(row<TPictureButton>("btnPlay", "RoundOver")->isEnabled());

    QTest::keyClick(field, Qt::Key_T, Qt::ControlModifier);
    ASSERT_EQ(test_->plays.size(), 1u);
    EXPECT_EQ(test_->plays[0].source, inFolder("Click.wav"));
    form_->reject();
    EXPECT_EQ(field->text(), "Sounds\\RoundOver.wav") << "Close drops the unsaved file";
}

TEST_F(SoundsTest, TheQtOutputStartsAndStops)
{
    QSoundEffectOutput output;
    EXPECT_FALSE(output.isPlaying());
    output.play(offensiveSoundResource(1), false);
    output.stop();
    EXPECT_FALSE(output.isPlaying());
    output.play(offensiveSoundResource(2), true);
    output.stop();
    EXPECT_FALSE(output.isPlaying());
    // Let the samples finish loading: Qt's sample cache does not free a
    // sample whose effect is destroyed in the middle of its load.
    QTest::qWait(300);
}
