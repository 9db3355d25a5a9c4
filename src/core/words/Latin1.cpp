#include "core/words/Latin1.h"

#include <cstdint>

namespace lettrava::latin1 {

namespace {

constexpr unsigned char kTimes = 0xD7, kDivide = 0xF7;

// One character decoded from UTF-8 at `at`; advances past it. Nothing for a
// malformed sequence (then `at` moves one byte on). Overlong forms and
// surrogates are malformed.
std::optional<std::uint32_t> decode(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    std::size_t extra = 0;
    std::uint32_t cp = 0, least = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < extra)
        return std::nullopt;
    for (std::size_t k = 0; k < extra; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    at += extra;
    return cp;
}

} // namespace

bool isLetter(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= 0xC0 && u != kTimes && u != kDivide);
}

char toUpper(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != kDivide))
        return static_cast<char>(u - 0x20);
    return c; // includes sharp s and y with diaeresis
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = toUpper(c);
    return out;
}

namespace {

// The letters of a byte without accent or case: "A" for à, "SS" for ß; other
// bytes stand for themselves (upper-cased).
std::string_view baseLetters(unsigned char c)
{
    // 0xC0 to 0xFF, folded to capitals first.
    static constexpr const char* kBase[64] = {
        "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",  // C0-CF
        "D", "N", "O", "O", "O", "O", "O", "", "O", "U", "U", "U", "U", "Y", "TH", "SS", // D0-DF
        "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",  // E0-EF
        "D", "N", "O", "O", "O", "O", "O", "", "O", "U", "U", "U", "U", "Y", "TH", "Y"};  // F0-FF
    if (c >= 0xC0 && c != 0xD7 && c != 0xF7)
        return kBase[c - 0xC0];
    return {};
}

std::string primaryKey(std::string_view text)
{
    std::string key;
    key.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (const std::string_view base = baseLetters(c); !base.empty())
            key += base;
        else
            key += toUpper(ch);
    }
    return key;
}

} // namespace

bool dictionaryLess(std::string_view a, std::string_view b)
{
    const std::string ka = primaryKey(a), kb = primaryKey(b);
    if (ka != kb)
        return ka < kb;
    const std::string ua = upper(a), ub = upper(b);
    if (ua != ub)
        return ua < ub; // the plain letter before its accented forms
    return a < b;
}

std::string toUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

std::optional<std::string> fromUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto cp = decode(text, at);
        if (!cp || *cp > 0xFF)
            return std::nullopt;
        out.push_back(static_cast<char>(*cp));
    }
    return out;
}

std::string fromUtf8Lossy(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto cp = decode(text, at);
        out.push_back(cp && *cp <= 0xFF ? static_cast<char>(*cp) : '?');
    }
    return out;
}

} // namespace lettrava::latin1
