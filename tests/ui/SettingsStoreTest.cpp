#include "UiTestSupport.h"

#include "ui/platform/QtSoundPlayer.h"
#include "ui/platform/Settings.h"

#include <QSettings>

using namespace lettrava;
using lettrava::test::UiTest;

namespace {

class SettingsStoreTest : public UiTest {};

// Writes raw values into the store, as an edited file or an older program would.
void writeRaw(const char* group, const char* name, const QVariant& value)
{
    QSettings s(SettingsStore::fileInUse(), test::typedSettingsFormat());
    if (*group)
        s.beginGroup(QString::fromLatin1(group));
    s.setValue(QString::fromLatin1(name), value);
}

} // namespace

TEST_F(SettingsStoreTest, AnEmptyStoreReadsEveryDefault)
{
    EXPECT_EQ(SettingsStore::read(settings::GameFontName), "Comic Sans MS");
    EXPECT_EQ(SettingsStore::read(settings::GameFontSize), 12);
    EXPECT_EQ(SettingsStore::read(settings::WordListFontName), "Courier");
    EXPECT_EQ(SettingsStore::read(settings::WordListFontSize), 10);
    EXPECT_FALSE(SettingsStore::read(settings::WLBold));
    EXPECT_FALSE(SettingsStore::read(settings::WLItalic));
    EXPECT_EQ(SettingsStore::read(settings::SortOrder), 0);
    EXPECT_TRUE(SettingsStore::read(settings::LookupURL).endsWith("/cgi-bin/dict.pl?term="));
    EXPECT_TRUE(SettingsStore::read(settings::ShowTips));
    EXPECT_EQ(SettingsStore::read(settings::Wallpaper), "[default]");
    EXPECT_TRUE(SettingsStore::read(settings::WallpaperTiled));
    EXPECT_EQ(SettingsStore::read(settings::Dictionary), "English");
    EXPECT_TRUE(SettingsStore::read(settings::SolutionVisible));
    EXPECT_EQ(SettingsStore::read(settings::SolutionSortOrder), 3);
    EXPECT_EQ(SettingsStore::read(settings::RRLeft), 20);
    EXPECT_EQ(SettingsStore::read(settings::RRTop), 20);
    EXPECT_EQ(SettingsStore::read(settings::FactoryWordListDir), folder());
    EXPECT_EQ(SettingsStore::read(settings::MainLeft), -1000);
    EXPECT_EQ(SettingsStore::read(settings::GridCol), 5);
    EXPECT_EQ(SettingsStore::read(settings::PlayerInputMethod[0]), 0);
    EXPECT_EQ(SettingsStore::read(settings::PlayerInputMethod[3]), 3);
    EXPECT_EQ(SettingsStore::read(settings::Email), "undisclosed");
    EXPECT_EQ(SettingsStore::read(settings::HostEmail), "Undisclosed");
    EXPECT_EQ(SettingsStore::read(settings::Port), "9789");

    const SoundSettings sound = SoundSettings::load();
    EXPECT_EQ(sound.files[0], "Sounds\\GoodWord.wav");
    EXPECT_EQ(sound.files[10], "Sounds\\Click.wav");
    for (bool on : sound.enabled)
        EXPECT_TRUE(on);
    EXPECT_FALSE(sound.disableAll);
    EXPECT_TRUE(stored().empty()) << "reading writes nothing";
}

TEST_F(SettingsStoreTest, ValuesAreWrittenUnderTheirNamesAsTextFlagsNumbersAndTexts)
{
    SettingsStore::write(settings::WLBold, true);
    SettingsStore::write(settings::WallpaperTiled, false);
    SettingsStore::write(settings::GameFontSize, 14);
    SettingsStore::write(settings::Wallpaper, "/pictures/oak.bmp");
    SoundSettings sound = SoundSettings::defaults();
    sound.enabled[5] = false;
    sound.disableAll = true;
    sound.save();

    const auto values = stored();
    ASSERT_TRUE(values.count("WLBold"));
    EXPECT_EQ(values.at("WLBold").typeId(), QMetaType::QString);
    EXPECT_EQ(values.at("WLBold").toString(), "1");
    EXPECT_EQ(values.at("WallpaperTiled").toString(), "0");
    EXPECT_EQ(values.at("GameFontSize").typeId(), QMetaType::Int);
    EXPECT_EQ(values.at("GameFontSize").toInt(), 14);
    EXPECT_EQ(values.at("Wallpaper").toString(), "/pictures/oak.bmp");
    EXPECT_EQ(values.at("Sounds/edtTenSecondsLeft").toString(), "Sounds\\TenSeconds.wav");
    EXPECT_EQ(values.at("Sounds/chkTenSecondsLeft").typeId(), QMetaType::QString);
    EXPECT_EQ(values.at("Sounds/chkTenSecondsLeft").toString(), "0");
    EXPECT_EQ(values.at("Sounds/chkGoodWord").toString(), "1");
    EXPECT_EQ(values.at("Sounds/chkDisableAllSound").toString(), "1");
    EXPECT_EQ(values.size(), 4u + 23u);

    EXPECT_EQ(SoundSettings::load().enabled[5], false);
    EXPECT_TRUE(SoundSettings::load().disableAll);
}

TEST_F(SettingsStoreTest, FlagsReadAnyNonZeroNumberAsTrueAndJunkAsTheDefault)
{
    writeRaw("", "WLBold", QStringLiteral("5"));
    writeRaw("", "WLItalic", QStringLiteral("-1"));
    writeRaw("", "ShowTips", QStringLiteral("0"));
    writeRaw("", "WallpaperTiled", QStringLiteral("yes"));
    writeRaw("", "GameFontSize", QStringLiteral("twelve"));
    writeRaw("", "RRLeft", QStringLiteral("99999999999"));
    writeRaw("", "RRTop", QStringLiteral(" 7 "));
    writeRaw("", "Wallpaper", QString(SettingsStore::kMaxTextLength + 1, QLatin1Char('x')));
    writeRaw("Sounds", "chkGoodWord", 0);

    EXPECT_TRUE(SettingsStore::read(settings::WLBold));
    EXPECT_TRUE(SettingsStore::read(settings::WLItalic));
    EXPECT_FALSE(SettingsStore::read(settings::ShowTips));
    EXPECT_TRUE(SettingsStore::read(settings::WallpaperTiled));
    EXPECT_EQ(SettingsStore::read(settings::GameFontSize), 12);
    EXPECT_EQ(SettingsStore::read(settings::RRLeft), 20);
    EXPECT_EQ(SettingsStore::read(settings::RRTop), 7);
    EXPECT_EQ(SettingsStore::read(settings::Wallpaper), "[default]");
    EXPECT_FALSE(SettingsStore::read(settings::SoundEnabled[0]));
    // The same name in the main key is another value.
    EXPECT_FALSE(SettingsStore::contains("", "chkGoodWord"));
    EXPECT_TRUE(SettingsStore::contains("Sounds", "chkGoodWord"));
}

TEST_F(SettingsStoreTest, TextsSurviveTheIniFileUnchanged)
{
    const QString ini = folder() + "/Lettrava.conf";
    SettingsStore::useFile(ini);
    const QStringList texts = {"Sounds\\GoodWord.wav", "a,b, c", "@Variant(junk)", "\"quoted\"", "ÄÖÜ ß", ""};
    for (const QString& text : texts) {
        SettingsStore::write(settings::Message, text);
        EXPECT_EQ(SettingsStore::read(settings::Message), text);
    }
    SettingsStore::write(settings::GridCol, 7);
    SettingsStore::write(settings::FactoryAllowReuse, false);
    EXPECT_EQ(SettingsStore::read(settings::GridCol), 7);
    EXPECT_FALSE(SettingsStore::read(settings::FactoryAllowReuse));
    const std::string file = test::readFile(ini.toStdString());
    EXPECT_NE(file.find("FactoryAllowReuse=0"), std::string::npos) << file;
    EXPECT_NE(file.find("GridCol=7"), std::string::npos) << file;
}
