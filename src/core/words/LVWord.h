#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lettrava {

// One submitted word as judged: its text, whether it could be traced in the
// grid and found in the dictionary, whether it earned the unique bonus, and
// its place in the order of submission within the round.
//
// The solver lists a grid's words as LVWords too, and the network sends them
// as 32-byte images:
//   0-3   nothing (written as zero, ignored when read)
//   4-22  text, zero-terminated, at most 18 letters
//   23    inGrid (0/1)
//   24    inDictionary (0/1)
//   25    unique (0/1)
//   26-27 zero
//   28-31 order, little-endian signed 32-bit
struct LVWord {
    static constexpr std::size_t kImageSize = 32;
    static constexpr std::size_t kMaxLength = 18;

    std::string text;
    bool inGrid = false;
    bool inDictionary = false;
    bool unique = false;
    std::int32_t order = 0;

    LVWord() = default;
    explicit LVWord(std::string t, std::int32_t o = 0) : text(std::move(t)), order(o) {}

    bool valid() const { return inGrid && inDictionary; }

    // Writes the 32-byte image; a text longer than 18 bytes is cut.
    void writeImage(unsigned char* out) const;

    // Reads an image of which only `available` bytes exist (fewer than 32 for
    // a short buffer). Each field takes at most its own bytes; missing bytes
    // read as zero; flags are true for any nonzero byte.
    static LVWord fromImage(const unsigned char* in, std::size_t available);

    bool operator==(const LVWord&) const = default;
};

} // namespace lettrava
