#include "core/words/WordStore.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace lettrava {

// An entry is 24 bytes: the word's bytes, zeros up to byte 22, and its length
// in byte 23. Read as three big-endian 64-bit numbers, entries compare exactly
// as their words do: where the zero-padded bytes differ, the first difference
// is the words' own (or shows that the shorter word is a prefix of the other),
// and where they are equal the length in the lowest byte decides.

namespace {

using Entry = WordStore::Entry;

std::uint64_t bigEndianAt(const Entry& e, std::size_t word)
{
    std::uint64_t v;
    std::memcpy(&v, e.data() + 8 * word, 8);
    if constexpr (std::endian::native == std::endian::little)
        v = __builtin_bswap64(v);
    return v;
}

struct Key {
    std::uint64_t w[3];
    explicit Key(const Entry& e) : w{bigEndianAt(e, 0), bigEndianAt(e, 1), bigEndianAt(e, 2)} {}
};

int compareKeys(const Key& a, const Key& b)
{
    for (int i = 0; i < 3; ++i)
        if (a.w[i] != b.w[i])
            return a.w[i] < b.w[i] ? -1 : 1;
    return 0;
}

bool entryLess(const Entry& a, const Entry& b) { return compareKeys(Key(a), Key(b)) < 0; }

std::size_t lengthOf(const Entry& e) { return static_cast<unsigned char>(e[23]); }

// The first two bytes as a number; a one-byte word counts as its byte x 256.
std::uint32_t bucketKey(const char* bytes, std::size_t length)
{
    const auto hi = static_cast<unsigned char>(bytes[0]);
    const auto lo = length > 1 ? static_cast<unsigned char>(bytes[1]) : 0u;
    return static_cast<std::uint32_t>(hi) << 8 | lo;
}

} // namespace

Entry WordStore::makeEntry(std::string_view word)
{
    Entry e{};
    std::memcpy(e.data(), word.data(), word.size());
    e[23] = static_cast<char>(word.size());
    return e;
}

void WordStore::Builder::add(std::string_view word)
{
    if (word.empty() || word.size() > kMaxWordLength)
        return;
    Entry e = makeEntry(word);
    // Track ascending runs as they come: the dictionary body is sorted within
    // each length, so the build merges a handful of runs instead of sorting.
    if (entries_.empty() || entryLess(e, entries_.back()))
        runStarts_.push_back(entries_.size());
    entries_.push_back(e);
}

void WordStore::Builder::addAll(const WordStore& store)
{
    if (store.entries_.empty())
        return;
    if (entries_.empty() || entryLess(store.entries_.front(), entries_.back()))
        runStarts_.push_back(entries_.size());
    entries_.insert(entries_.end(), store.entries_.begin(), store.entries_.end());
}

WordStore WordStore::Builder::build()
{
    // Bottom-up merge of the ascending runs.
    std::vector<std::size_t> runs = std::move(runStarts_);
    runs.push_back(entries_.size());
    while (runs.size() > 2) {
        std::vector<std::size_t> merged;
        merged.reserve(runs.size() / 2 + 2);
        std::size_t i = 0;
        for (; i + 2 < runs.size(); i += 2) {
            std::inplace_merge(entries_.begin() + static_cast<std::ptrdiff_t>(runs[i]),
                               entries_.begin() + static_cast<std::ptrdiff_t>(runs[i + 1]),
                               entries_.begin() + static_cast<std::ptrdiff_t>(runs[i + 2]), entryLess);
            merged.push_back(runs[i]);
        }
        for (; i < runs.size(); ++i)
            merged.push_back(runs[i]);
        runs = std::move(merged);
    }
    entries_.erase(std::unique(entries_.begin(), entries_.end()), entries_.end());

    WordStore store;
    store.entries_ = std::move(entries_);
    store.entries_.shrink_to_fit();
    store.index();
    entries_.clear();
    runStarts_.clear();
    return store;
}

WordStore::WordStore() = default;

void WordStore::index()
{
    // An empty store keeps no index (lookups answer before reading it).
    if (entries_.empty()) {
        bucket_.clear();
        bucket_.shrink_to_fit();
        return;
    }
    bucket_.assign(65537, 0);
    std::size_t at = 0;
    for (std::uint32_t k = 0; k < 65536; ++k) {
        bucket_[k] = static_cast<std::uint32_t>(at);
        while (at < entries_.size() && bucketKey(entries_[at].data(), lengthOf(entries_[at])) == k)
            ++at;
    }
    bucket_[65536] = static_cast<std::uint32_t>(entries_.size());
}

std::size_t WordStore::lowerBound(const Entry& probe, std::size_t lo, std::size_t hi) const
{
    const Key key(probe);
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (compareKeys(Key(entries_[mid]), key) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

LookupResult WordStore::lookup(std::string_view text) const
{
    const std::size_t length = text.size();
    if (length < 2)
        return LookupResult::Prefix;
    if (length > kMaxWordLength || entries_.empty())
        return LookupResult::NoMatch;
    // Only the bucket of the text's first two bytes can hold a word that
    // begins with it; when the search runs off its end, the lower bound lies
    // beyond and cannot match.
    const std::uint32_t bucket = bucketKey(text.data(), length);
    const std::size_t end = bucket_[bucket + 1];
    const std::size_t at = lowerBound(makeEntry(text), bucket_[bucket], end);
    if (at == end)
        return LookupResult::NoMatch;
    const Entry& w = entries_[at];
    if (lengthOf(w) < length || std::memcmp(w.data(), text.data(), length) != 0)
        return LookupResult::NoMatch;
    return (length >= 3 && lengthOf(w) == length) ? LookupResult::Word : LookupResult::Prefix;
}

bool WordStore::contains(std::string_view word) const
{
    if (word.empty() || word.size() > kMaxWordLength || entries_.empty())
        return false;
    const std::uint32_t bucket = bucketKey(word.data(), word.size());
    const Entry probe = makeEntry(word);
    const std::size_t at = lowerBound(probe, bucket_[bucket], bucket_[bucket + 1]);
    return at < entries_.size() && entries_[at] == probe;
}

std::string_view WordStore::wordAt(std::size_t index) const
{
    const Entry& e = entries_.at(index);
    return {e.data(), lengthOf(e)};
}

WordStore WordStore::with(std::string_view word) const
{
    WordStore copy;
    copy.entries_ = entries_;
    if (!word.empty() && word.size() <= kMaxWordLength) {
        const Entry e = makeEntry(word);
        auto at = std::lower_bound(copy.entries_.begin(), copy.entries_.end(), e, entryLess);
        if (at == copy.entries_.end() || *at != e)
            copy.entries_.insert(at, e);
    }
    copy.index();
    return copy;
}

std::size_t WordStore::memoryBytes() const
{
    return entries_.capacity() * sizeof(Entry) + bucket_.capacity() * sizeof(std::uint32_t);
}

} // namespace lettrava
