#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lettrava {

// Addresses of the web pages that look words up.
namespace LookupAddress {

// Addresses shorter than this are taken as not set.
inline constexpr std::size_t kMinimumLength = 4;

// The definition lookup page's address followed directly by the word.
std::string definitionPage(std::string_view base, std::string_view word);

// A dictionary's lookup page: the template's first "%" replaced by the
// word; a template without "%" gets the word in front of it.
std::string dictionaryPage(std::string_view pageTemplate, std::string_view word);

// The address without its scheme ("https://"), as the address prompt offers it.
std::string withoutScheme(std::string_view address);

} // namespace LookupAddress

} // namespace lettrava
