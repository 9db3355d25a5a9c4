#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace lettrava {

// A failure that ends a dictionary load: a bad alphabet table, a file that
// cannot be opened or that ends too early.
class DictionaryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of the short-read failure, as the file library words it.
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kTooManyCharacters = "Too many characters in alphabet!";

// One letter of the alphabet and its frequency weight.
struct AlphabetChar {
    char letter = ' ';
    float weight = 0.0f;
};

// The letters declared by the loaded dictionary, each with a weight.
//
// Letters are kept unique, ordered by their byte taken as a signed char (so
// bytes 0x80..0xFF come before 0x00..0x7F). randomLetter() draws a letter with a
// probability proportional to its weight from a pool that is built on the first
// draw after the alphabet was filled.
class Alphabet {
public:
    static constexpr std::uint32_t kMaxLetters = 300;
    // A letter's copies in the pool are capped, so that a hostile weight cannot
    // make the pool huge. Real weights are shares below 1 (at most 1000 copies).
    static constexpr std::size_t kMaxCopiesPerLetter = 10000;

    // Reads the table at the stream's position: a 4-byte little-endian count,
    // then count entries of a letter byte and a little-endian float weight.
    // Throws DictionaryError(kTooManyCharacters) for a count above 300 before
    // inserting anything, and DictionaryError(kStreamReadError) when the stream
    // ends inside the table (the letters read so far stay).
    void readAlphabet(std::istream& in);

    // Inserts the letter with weight 0 (it never appears in random grids)
    // unless it is already present.
    void addLetter(char letter);

    // A letter drawn in proportion to its weight, or a space when no letter has
    // a usable weight.
    char randomLetter();

    void clearAlphabet();

    const std::vector<AlphabetChar>& letters() const { return letters_; }
    bool contains(char letter) const;
    const std::vector<char>& letterPool() const { return letterPool_; }

    // Copies of a letter of this weight in the pool: weight x 1000 computed in
    // double precision and truncated; nothing for weights below 0.001 or NaN.
    static std::size_t poolCopies(float weight);

private:
    // Inserts unless present; returns whether it was inserted.
    bool insert(AlphabetChar c);
    void buildPool();

    std::vector<AlphabetChar> letters_;
    std::vector<char> letterPool_;
};

} // namespace lettrava
