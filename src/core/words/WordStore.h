#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lettrava {

enum class LookupResult { NoMatch = 0, Prefix = 1, Word = 2 };

// The ordered set of words (the dictionary file's and the custom ones alike).
//
// Words are byte strings ordered byte by byte as unsigned bytes, a string before
// every longer string that begins with it -- the order of std::set<std::string>.
// They are kept in one sorted array of fixed-size entries, indexed by their
// first two bytes, so that a lookup is one short binary search in contiguous
// memory. (Lookups of fewer than two bytes never reach the array.)
// A store is immutable once built; changes make a new store.
class WordStore {
public:
    static constexpr std::size_t kMaxWordLength = 18;

    // One word: its bytes, zero padding, and its length in the last byte.
    using Entry = std::array<char, 24>;

    // Collects words in any order and builds a store of the distinct ones.
    class Builder {
    public:
        void reserve(std::size_t words) { entries_.reserve(words); }
        // Words of 1 to 18 bytes are taken; others are ignored.
        void add(std::string_view word);
        void addAll(const WordStore& store);
        WordStore build();

    private:
        std::vector<Entry> entries_;
        std::vector<std::size_t> runStarts_;
    };

    WordStore();

    // Is text a word (3 to 18 bytes), the beginning of some word, or neither?
    // A text of fewer than 2 bytes is always a Prefix; one of more than 18
    // bytes is never anything.
    LookupResult lookup(std::string_view text) const;

    bool contains(std::string_view word) const;
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    std::string_view wordAt(std::size_t index) const;

    // A new store with word added (a word already present is held once).
    WordStore with(std::string_view word) const;

    // Bytes held by the store's arrays.
    std::size_t memoryBytes() const;

private:
    static Entry makeEntry(std::string_view word);
    void index();
    std::size_t lowerBound(const Entry& probe, std::size_t lo, std::size_t hi) const;

    std::vector<Entry> entries_;
    // bucket_[k]: the first entry whose first two bytes are >= k, k being the
    // two bytes read as a big-endian number; a one-byte word counts as k = b*256.
    std::vector<std::uint32_t> bucket_;
};

} // namespace lettrava
