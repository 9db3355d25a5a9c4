#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace lettrava {

// The one crossing between the program's text and Qt's strings.
//
// Everything the engine keeps (words, grid letters, player names, chat lines,
// file and frame contents) is single bytes of Latin-1, one byte per letter.
// Windows read and show it as QString; these two functions are the only
// conversions between the two, so that every window treats accented letters
// the same way.
QString toQt(std::string_view bytes);

// Characters that Latin-1 does not hold become '?'.
std::string toBytes(const QString& text);

} // namespace lettrava
