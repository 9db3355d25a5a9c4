#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace lettrava {

// The one crossing between the program's text and Qt's strings.
//
// Everything the engine keeps (words, grid letters, player names, chat lines,
// messages, file and frame contents) is single bytes of Latin-1, one byte per
// letter. Windows read and show it as QString; these functions are the only
// conversions between the two, so that every window treats accented letters
// the same way.
QString toQt(std::string_view bytes);
QString toQt(char letter);

// Characters that Latin-1 does not hold become '?'.
std::string toBytes(const QString& text);

// What the user typed into a word field, as the program's upper-case bytes:
// upper-cased by the same rule the dictionaries were made with, so that
// "straße" gives STRAßE (not Qt's STRASSE) and "été" gives ÉTÉ.
std::string typedWord(const QString& text);

// File names are not program text: they are the file system's own, and keep
// every character it allows.
QString pathToQt(const std::filesystem::path& path);
std::filesystem::path qtToPath(const QString& path);

} // namespace lettrava
