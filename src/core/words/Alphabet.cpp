#include "core/words/Alphabet.h"

#include "core/platform/Random.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace lettrava {

namespace {

bool signedLess(char a, char b) { return static_cast<signed char>(a) < static_cast<signed char>(b); }

void readExactly(std::istream& in, char* buffer, std::size_t n)
{
    in.read(buffer, static_cast<std::streamsize>(n));
    if (static_cast<std::size_t>(in.gcount()) != n)
        throw DictionaryError(kStreamReadError);
}

std::uint32_t littleEndian32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8
           | static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

} // namespace

void Alphabet::readAlphabet(std::istream& in)
{
    unsigned char countBytes[4];
    readExactly(in, reinterpret_cast<char*>(countBytes), 4);
    const std::uint32_t count = littleEndian32(countBytes);
    if (count > kMaxLetters)
        throw DictionaryError(kTooManyCharacters);
    for (std::uint32_t i = 0; i < count; ++i) {
        unsigned char entry[5];
        readExactly(in, reinterpret_cast<char*>(entry), 5);
        const float weight = std::bit_cast<float>(littleEndian32(entry + 1));
        insert(AlphabetChar{static_cast<char>(entry[0]), weight});
    }
}

bool Alphabet::insert(AlphabetChar c)
{
    auto at = std::lower_bound(letters_.begin(), letters_.end(), c.letter,
                               [](const AlphabetChar& a, char l) { return signedLess(a.letter, l); });
    if (at != letters_.end() && at->letter == c.letter)
        return false;
    letters_.insert(at, c);
    return true;
}

void Alphabet::addLetter(char letter) { insert(AlphabetChar{letter, 0.0f}); }

bool Alphabet::contains(char letter) const
{
    return std::any_of(letters_.begin(), letters_.end(), [letter](const AlphabetChar& a) { return a.letter == letter; });
}

std::size_t Alphabet::poolCopies(float weight)
{
    const double n = static_cast<double>(weight) * 1000.0;
    if (!(n >= 1.0)) // below 0.001, zero, negative or NaN
        return 0;
    if (n >= static_cast<double>(kMaxCopiesPerLetter))
        return kMaxCopiesPerLetter;
    return static_cast<std::size_t>(n);
}

void Alphabet::buildPool()
{
    letterPool_.clear();
    for (const AlphabetChar& c : letters_)
        letterPool_.insert(letterPool_.end(), poolCopies(c.weight), c.letter);
}

char Alphabet::randomLetter()
{
    if (letterPool_.empty() && !letters_.empty())
        buildPool();
    if (letterPool_.empty())
        return ' ';
    const std::uint32_t r = Random::instance().next();
    return letterPool_[r % letterPool_.size()];
}

void Alphabet::clearAlphabet()
{
    letters_.clear();
    letterPool_.clear();
    letterPool_.shrink_to_fit();
}

} // namespace lettrava
