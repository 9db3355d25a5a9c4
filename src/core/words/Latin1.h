#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lettrava::latin1 {

// The program's letters are single bytes of Latin-1 (ISO 8859-1). These are
// its rules for letters and case, and its conversions to and from UTF-8, the
// encoding of terminals, word lists and web addresses.

// a to z, A to Z and the accented letters 0xC0 to 0xFF except the signs
// x (0xD7) and / (0xF7).
bool isLetter(char c);

// The capital of a small letter; every other byte as it is. The two small
// letters without a capital in Latin-1, sharp s (0xDF) and y with diaeresis
// (0xFF), stay small.
char toUpper(char c);
std::string upper(std::string_view text);

// Dictionary order: words compare by their letters without accents or case
// first (so that ÉTÉ sorts beside ETE, not after Z, and ß counts as SS), then
// by the accents, then byte for byte, so that different words never compare
// equal. For words of a to z only it is the plain alphabetical order.
bool dictionaryLess(std::string_view a, std::string_view b);

// Latin-1 bytes as UTF-8.
std::string toUtf8(std::string_view text);

// UTF-8 text as Latin-1 bytes; nothing when the text is not well-formed UTF-8
// or holds a character beyond U+00FF.
std::optional<std::string> fromUtf8(std::string_view text);

// Like fromUtf8, but a character that Latin-1 does not hold, or a byte that is
// not part of well-formed UTF-8, becomes '?'.
std::string fromUtf8Lossy(std::string_view text);

} // namespace lettrava::latin1
