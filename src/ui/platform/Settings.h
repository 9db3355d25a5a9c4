#pragma once

#include "core/platform/Sounds.h"
#include "ui/platform/SettingsStore.h"

#include <array>

// Every value of the settings store: its group, name, type and default, in one
// place. The windows read and write them only through these descriptors.
namespace lettrava::settings {

QString programFolderText();

// The preferences window's values.
inline constexpr TextSetting GameFontName{"", "GameFontName", "Comic Sans MS"};
inline constexpr IntSetting GameFontSize{"", "GameFontSize", 12};
inline constexpr TextSetting WordListFontName{"", "WordListFontName", "Courier"};
inline constexpr IntSetting WordListFontSize{"", "WordListFontSize", 10};
inline constexpr FlagSetting WLBold{"", "WLBold", false};
inline constexpr FlagSetting WLItalic{"", "WLItalic", false};
// 0 "Input Order", 1 "Alphabetically", 2 "Length Ascending", 3 "Length Descending".
inline constexpr IntSetting SortOrder{"", "SortOrder", 0};
// The word is appended to this address to look it up.
inline constexpr TextSetting LookupURL{"", "LookupURL", "https://dictionary.reference.com/cgi-bin/dict.pl?term="};
inline constexpr FlagSetting ShowTips{"", "ShowTips", true};
inline constexpr TextSetting Wallpaper{"", "Wallpaper", "[default]"};
inline constexpr FlagSetting WallpaperTiled{"", "WallpaperTiled", true};
inline constexpr TextSetting Dictionary{"", "Dictionary", "English"};
inline constexpr FlagSetting ShowHelpWarning{"", "ShowHelpWarning", true};
// The windows' language: "" follows the system, else a code ("de").
inline constexpr TextSetting Language{"", "Language", ""};

// The results window's values, kept by the preferences and written at program end.
inline constexpr FlagSetting SolutionVisible{"", "SolutionVisible", true};
inline constexpr IntSetting SolutionSortOrder{"", "SolutionSortOrder", 3};
inline constexpr FlagSetting RRMemberList{"", "RRMemberList", true};
inline constexpr IntSetting RRLeft{"", "RRLeft", 20};
inline constexpr IntSetting RRTop{"", "RRTop", 20};
// Its size as the user left it; none until it has been placed once.
inline constexpr IntSetting RRWidth{"", "RRWidth", 0};
inline constexpr IntSetting RRHeight{"", "RRHeight", 0};

// The word-list grid generator's window.
inline constexpr TextSetting FactoryWordListDir{"", "FactoryWordListDir", "", &programFolderText};
inline constexpr IntSetting FactoryWordListTop{"", "FactoryWordListTop", 0};
inline constexpr IntSetting FactoryWordListLeft{"", "FactoryWordListLeft", 0};

// The main window, read when it is created and written when it goes.
inline constexpr int kCentreOnScreen = -1000;
inline constexpr IntSetting MainLeft{"", "MainLeft", kCentreOnScreen};
inline constexpr IntSetting MainTop{"", "MainTop", 20};
// The main window's size as the user left it; none at first.
inline constexpr IntSetting MainWidth{"", "MainWidth", 0};
inline constexpr IntSetting MainHeight{"", "MainHeight", 0};
inline constexpr IntSetting GridCol{"", "GridCol", 5};
inline constexpr IntSetting GridRow{"", "GridRow", 5};
inline constexpr IntSetting FactoryMinWL{"", "FactoryMinWL", 3};
inline constexpr IntSetting FactoryMaxWL{"", "FactoryMaxWL", 18};
inline constexpr IntSetting FactorySort{"", "FactorySort", 1};
inline constexpr FlagSetting FactoryAllowReuse{"", "FactoryAllowReuse", true};
inline constexpr FlagSetting MemberList{"", "MemberList", true};
// The chat's height under the board as the user dragged it; none at first.
inline constexpr IntSetting ChatHeight{"", "ChatHeight", 0};

// The game setup dialog's last accepted choices.
// Input methods: 0 keyboard and mouse, 1 keyboard only, 2 mouse only, 3 computer.
inline constexpr std::array<IntSetting, 4> PlayerInputMethod{{
    {"", "Player1InputMethod", 0},
    {"", "Player2InputMethod", 3},
    {"", "Player3InputMethod", 3},
    {"", "Player4InputMethod", 3},
}};
inline constexpr std::array<TextSetting, 4> PlayerName{{
    {"", "Player1Name", ""},
    {"", "Player2Name", ""},
    {"", "Player3Name", ""},
    {"", "Player4Name", ""},
}};
inline constexpr IntSetting NumPlayers{"", "NumPlayers", 2};
inline constexpr IntSetting GridSizeOrder{"", "GridSizeOrder", 0};
inline constexpr IntSetting RoundDuration{"", "RoundDuration", 0};
inline constexpr IntSetting RoundDurationMin{"", "RoundDurationMin", 2};
inline constexpr IntSetting RoundDurationSec{"", "RoundDurationSec", 0};
inline constexpr FlagSetting Network{"", "Network", false};
inline constexpr TextSetting Port{"", "Port", "9789"};
inline constexpr FlagSetting BonusEnabled{"", "BonusEnabled", true};
inline constexpr FlagSetting LetterReuse{"", "LetterReuse", true};
inline constexpr IntSetting MinimumWL{"", "MinimumWL", 3};
inline constexpr IntSetting MaximumWL{"", "MaximumWL", 18};
inline constexpr IntSetting RoundsPG{"", "RoundsPG", 10};
inline constexpr IntSetting GridPorosity{"", "GridPorosity", 0};
// The setup dialog shows "undisclosed" when nothing is stored; the network
// host, reading the same value for its own member record, "Undisclosed".
inline constexpr TextSetting Email{"", "Email", "undisclosed"};
inline constexpr TextSetting HostEmail{"", "Email", "Undisclosed"};
inline constexpr TextSetting Message{"", "Message", ""};

// The network connection window when joining a game.
inline constexpr TextSetting NetPlayer{"", "NetPlayer", ""};
inline constexpr TextSetting ClientPort{"", "ClientPort", "9789"};
inline constexpr TextSetting IP{"", "IP", ""};
inline constexpr TextSetting ClientEmail{"", "ClientEmail", ""};
inline constexpr TextSetting ClientMessage{"", "ClientMessage", ""};

// The add-a-word dialog: whether a new word is also sent to the word server.
inline constexpr FlagSetting AddAWord{"", "AddAWord", true};
// The word server's host name or address; none set up means nothing is sent.
inline constexpr TextSetting WordServer{"", "WordServer", ""};

// Local word lookup: the DICT server asked for definitions (a dictd on this
// computer), and where the user left the "Lettrava Lookup" window
// (kCentreOnScreen: not yet placed).
inline constexpr TextSetting DictServer{"", "DictServer", "localhost"};
inline constexpr IntSetting DictPort{"", "DictPort", 2628};
inline constexpr IntSetting LookupLeft{"", "LookupLeft", -1000};
inline constexpr IntSetting LookupTop{"", "LookupTop", -1000};

// The sound values, group "Sounds": for each event its file (named after the
// file field of the Sounds page) and its enable box.
inline constexpr const char* kSoundsGroup = "Sounds";
inline constexpr std::array<TextSetting, kSoundEventCount> SoundFile{{
    {kSoundsGroup, "edtGoodWord", "Sounds\\GoodWord.wav"},
    {kSoundsGroup, "edtWordNotInDict", "Sounds\\NotInDict.wav"},
    {kSoundsGroup, "edtWordNotInGrid", "Sounds\\NotInGrid.wav"},
    {kSoundsGroup, "edtInvalidPenalty", "Sounds\\InvalidPen.wav"},
    {kSoundsGroup, "edtLostAllValidBonus", "Sounds\\LostAllValid.wav"},
    {kSoundsGroup, "edtTenSecondsLeft", "Sounds\\TenSeconds.wav"},
    {kSoundsGroup, "edtRoundOver", "Sounds\\RoundOver.wav"},
    {kSoundsGroup, "edtWonGame", "Sounds\\WonGame.wav"},
    {kSoundsGroup, "edtGameEnd", "Sounds\\GameEnd.wav"},
    {kSoundsGroup, "edtBuildingGrid", "Sounds\\BuildingGrid.wav"},
    {kSoundsGroup, "edtLetterClick", "Sounds\\Click.wav"},
}};
inline constexpr std::array<FlagSetting, kSoundEventCount> SoundEnabled{{
    {kSoundsGroup, "chkGoodWord", true},
    {kSoundsGroup, "chkWordNotInDict", true},
    {kSoundsGroup, "chkWordNotInGrid", true},
    {kSoundsGroup, "chkInvalidPenalty", true},
    {kSoundsGroup, "chkLostAllValidBonus", true},
    {kSoundsGroup, "chkTenSecondsLeft", true},
    {kSoundsGroup, "chkRoundOver", true},
    {kSoundsGroup, "chkWonGame", true},
    {kSoundsGroup, "chkGameEnd", true},
    {kSoundsGroup, "chkBuildingGrid", true},
    {kSoundsGroup, "chkLetterClick", true},
}};
inline constexpr FlagSetting DisableAllSound{kSoundsGroup, "chkDisableAllSound", false};

} // namespace lettrava::settings
