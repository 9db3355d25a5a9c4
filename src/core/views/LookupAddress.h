#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lettrava {

// Addresses of the web pages that look words up.
namespace LookupAddress {

// Addresses shorter than this are taken as not set.
inline constexpr std::size_t kMinimumLength = 4;

// Words are the program's Latin-1 bytes; in an address they are written as
// UTF-8 and percent-encoded, every byte but A-Z a-z 0-9 - . _ ~ as %XX
// (STRAßE becomes STRA%C3%9FE), so that any web page reads them alike.
std::string encodedWord(std::string_view word);

// The definition lookup page's address followed directly by the word.
std::string definitionPage(std::string_view base, std::string_view word);

// A dictionary's lookup page: the template's first "%" replaced by the
// word; a template without "%" gets the word in front of it.
std::string dictionaryPage(std::string_view pageTemplate, std::string_view word);

// The address without its scheme ("https://"), as the address prompt offers it.
std::string withoutScheme(std::string_view address);

} // namespace LookupAddress

} // namespace lettrava
