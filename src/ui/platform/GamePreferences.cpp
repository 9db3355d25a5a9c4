#include "ui/platform/GamePreferences.h"

#include "core/platform/Sounds.h"
#include "core/words/Dictionary.h"
#include "ui/platform/GameText.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/platform/SharedPictures.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPointer>

namespace lettrava {

namespace {

QPointer<GamePreferences>& thePreferences()
{
    static QPointer<GamePreferences> preferences;
    return preferences;
}

// A stored font size outside any sensible range reads as the default.
int fontSize(const IntSetting& s)
{
    const int size = SettingsStore::read(s);
    return size >= 1 && size <= 100 ? size : s.defaultValue;
}

// A stored sort order that is none of the four reads as the default.
int sortOrder(const IntSetting& s)
{
    const int order = SettingsStore::read(s);
    return order >= 0 && order <= 3 ? order : s.defaultValue;
}

// Pictures larger than this are not taken as a wallpaper.
constexpr qint64 kMaxWallpaperPixels = 6000LL * 6000LL;
constexpr qint64 kMaxWallpaperBytes = 64LL * 1024 * 1024;

} // namespace

GamePreferences* GamePreferences::instance() { return thePreferences().data(); }

GamePreferences::GamePreferences(SoundOutputs outputs, QObject* parent) : QObject(parent)
{
    thePreferences() = this;
    player_ = std::make_unique<QtSoundPlayer>(outputs.events ? std::move(outputs.events) : makeSoundOutput(),
                                              [this] { return soundPreview_ ? soundPreview_() : choices_.sounds; });
    testOutput_ = outputs.test ? std::move(outputs.test) : makeSoundOutput();

    std::vector<std::string> names;
    Dictionary::listDictionaries(names, dictionaryPaths_);
    for (const std::string& name : names)
        dictionaryNames_ << toQt(name);
    load();
}

GamePreferences::~GamePreferences()
{
    // The results window's values are written only now, at program end.
    if (resultsPlaced_) {
        SettingsStore::write(settings::RRLeft, resultsPlace_.x());
        SettingsStore::write(settings::RRTop, resultsPlace_.y());
        SettingsStore::write(settings::RRWidth, resultsPlace_.width());
        SettingsStore::write(settings::RRHeight, resultsPlace_.height());
    }
    SettingsStore::write(settings::SolutionVisible, solutionVisible_);
    SettingsStore::write(settings::SolutionSortOrder, solutionSortOrder_);
    SettingsStore::write(settings::RRMemberList, memberListVisible_);
    if (seamsInstalled_) {
        if (&preferences() == this)
            setPreferences(nullptr);
        if (&sounds() == player_.get())
            setSounds(nullptr);
    }
    if (thePreferences() == this)
        thePreferences() = nullptr;
}

void GamePreferences::installSeams()
{
    setPreferences(this);
    setSounds(player_.get());
    seamsInstalled_ = true;
}

void GamePreferences::load()
{
    solutionVisible_ = SettingsStore::read(settings::SolutionVisible);
    solutionSortOrder_ = sortOrder(settings::SolutionSortOrder);
    memberListVisible_ = SettingsStore::read(settings::RRMemberList);
    // A size is stored with the place since windows could be resized; a
    // place stored alone keeps the window's own size.
    resultsPlaced_ = SettingsStore::contains(settings::RRLeft.group, settings::RRLeft.name);
    resultsPlace_ = QRect(SettingsStore::read(settings::RRLeft), SettingsStore::read(settings::RRTop),
                          std::max(0, SettingsStore::read(settings::RRWidth)),
                          std::max(0, SettingsStore::read(settings::RRHeight)));
    factoryWordListDir_ = SettingsStore::read(settings::FactoryWordListDir);
    factoryWordListTop_ = SettingsStore::read(settings::FactoryWordListTop);
    factoryWordListLeft_ = SettingsStore::read(settings::FactoryWordListLeft);
    showHelpWarning_ = SettingsStore::read(settings::ShowHelpWarning);

    Choices& c = choices_;
    c.gameBoardFont = QFont(SettingsStore::read(settings::GameFontName));
    c.gameBoardFont.setPointSize(fontSize(settings::GameFontSize));
    c.wordListFont = QFont(SettingsStore::read(settings::WordListFontName));
    c.wordListFont.setPointSize(fontSize(settings::WordListFontSize));
    c.wordListFont.setBold(SettingsStore::read(settings::WLBold));
    c.wordListFont.setItalic(SettingsStore::read(settings::WLItalic));
    c.sortOrder = sortOrder(settings::SortOrder);
    c.lookupURL = SettingsStore::read(settings::LookupURL);
    c.showTips = SettingsStore::read(settings::ShowTips);
    c.wallpaper = SettingsStore::read(settings::Wallpaper);
    c.wallpaperTiled = SettingsStore::read(settings::WallpaperTiled);
    c.language = SettingsStore::read(settings::Language);
    c.sounds = SoundSettings::load();
    chooseDictionary(SettingsStore::read(settings::Dictionary));
    wallpaper_ = loadWallpaper(c.wallpaper);
}

void GamePreferences::chooseDictionary(const QString& name)
{
    // Names are matched exactly, case included; a name that is no entry chooses none.
    choices_.dictionary = name;
    dictionaryIndex_ = static_cast<int>(dictionaryNames_.indexOf(name));
}

GamePreferences::Choices GamePreferences::choices() const { return choices_; }

void GamePreferences::save(const Choices& c)
{
    const std::string before = selectedDictionaryFile();
    SettingsStore::write(settings::GameFontName, c.gameBoardFont.family());
    SettingsStore::write(settings::GameFontSize, c.gameBoardFont.pointSize());
    SettingsStore::write(settings::WordListFontName, c.wordListFont.family());
    SettingsStore::write(settings::WordListFontSize, c.wordListFont.pointSize());
    SettingsStore::write(settings::WLBold, c.wordListFont.bold());
    SettingsStore::write(settings::WLItalic, c.wordListFont.italic());
    SettingsStore::write(settings::SortOrder, c.sortOrder);
    SettingsStore::write(settings::LookupURL, c.lookupURL);
    SettingsStore::write(settings::ShowTips, c.showTips);
    SettingsStore::write(settings::Wallpaper, c.wallpaper);
    SettingsStore::write(settings::WallpaperTiled, c.wallpaperTiled);
    SettingsStore::write(settings::Dictionary, c.dictionary);
    SettingsStore::write(settings::Language, c.language);
    c.sounds.save();

    // The fonts are kept as the dialog had them (a style set with the font
    // dialog's Apply included) for the windows that show them this session.
    choices_ = c;
    chooseDictionary(c.dictionary);
    wallpaper_ = loadWallpaper(c.wallpaper);
    emit saved();
    if (selectedDictionaryFile() != before)
        emit dictionaryChosen();
}

std::string GamePreferences::selectedDictionaryFile()
{
    if (dictionaryIndex_ < 0 || static_cast<std::size_t>(dictionaryIndex_) >= dictionaryPaths_.size())
        return {};
    return dictionaryPaths_[static_cast<std::size_t>(dictionaryIndex_)];
}

std::string GamePreferences::settingText(const std::string& name, const std::string& fallback)
{
    const TextSetting setting{"", name.c_str(), fallback.c_str()};
    return toBytes(SettingsStore::read(setting));
}

QStringList GamePreferences::dictionaryNames() const { return dictionaryNames_; }

void GamePreferences::reloadDictionaries() { emit dictionaryChosen(); }

void GamePreferences::setDefinitionLookupURL(const QString& address)
{
    choices_.lookupURL = address;
    SettingsStore::write(settings::LookupURL, address);
}

void GamePreferences::setShowTips(bool on)
{
    SettingsStore::write(settings::ShowTips, on);
    choices_.showTips = on;
}

bool GamePreferences::isFirstRun() const
{
    return !SettingsStore::contains(settings::ShowTips.group, settings::ShowTips.name);
}

void GamePreferences::saveFactoryWordListSettings(int top, int left, const QString& folder)
{
    factoryWordListTop_ = top;
    factoryWordListLeft_ = left;
    factoryWordListDir_ = folder;
    SettingsStore::write(settings::FactoryWordListTop, top);
    SettingsStore::write(settings::FactoryWordListLeft, left);
    SettingsStore::write(settings::FactoryWordListDir, folder);
}

void GamePreferences::disableHelpWarning()
{
    showHelpWarning_ = false;
    SettingsStore::write(settings::ShowHelpWarning, false);
}

QPixmap GamePreferences::loadWallpaper(const QString& text)
{
    const QPixmap fallback = SharedPictures::instance().defaultWallpaper;
    if (lowColourDisplay() || text == QLatin1String(kDefaultWallpaperText))
        return fallback;
    const QFileInfo info(text);
    if (!info.isFile() || info.size() > kMaxWallpaperBytes)
        return fallback;
    QImageReader reader(text);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxWallpaperPixels)
        return fallback;
    const QImage image = reader.read();
    return image.isNull() ? fallback : QPixmap::fromImage(image);
}

} // namespace lettrava
