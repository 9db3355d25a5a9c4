#pragma once

#include "core/words/WordStore.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lettrava {

// The words of a WordStore as a tree of prefixes, for walking chains of grid
// cells one letter at a time: a node exists for every text that begins some
// word, so following a child answers what a lookup of the extended text would
// (a word of three or more letters, a prefix, or no match) without a search.
class PrefixTree {
public:
    using NodeIndex = std::uint32_t;
    static constexpr NodeIndex kNone = 0xFFFFFFFFu;
    static constexpr NodeIndex kRoot = 0;

    explicit PrefixTree(const WordStore& words);

    // The tree of a word store, built once and shared while that store is the
    // one asked for (the cache holds one tree: the dictionary's current words).
    static std::shared_ptr<const PrefixTree> of(const std::shared_ptr<const WordStore>& words);

    // The node of the text extended by letter, or kNone when no word begins so.
    NodeIndex child(NodeIndex node, char letter) const
    {
        const Node& n = nodes_[node];
        const auto b = static_cast<unsigned char>(letter);
        if (n.lettersOnly) {
            // Children are A to Z only: a bit per letter, the child's place is
            // the number of letters before it.
            const unsigned bit = static_cast<unsigned>(b) - 'A';
            if (bit >= 26 || !((n.letters >> bit) & 1u))
                return kNone;
            return n.firstChild + static_cast<NodeIndex>(__builtin_popcount(n.letters & ((1u << bit) - 1u)));
        }
        const unsigned char* labels = labels_.data();
        for (std::uint32_t i = n.firstChild, end = n.firstChild + n.childCount; i < end; ++i)
            if (labels[i] == b)
                return i;
        return kNone;
    }

    // The node's text is a word of the store.
    bool isWord(NodeIndex node) const { return nodes_[node].word != 0; }

    std::size_t nodeCount() const { return nodes_.size(); }

private:
    struct Node {
        std::uint32_t firstChild = 0; // children are consecutive, by ascending letter
        std::uint32_t letters = 0;    // with lettersOnly: bit k set for a child 'A' + k
        std::uint16_t childCount = 0;
        std::uint8_t word = 0;
        std::uint8_t lettersOnly = 1; // every child's letter is A to Z
    };

    void build(const WordStore& words, NodeIndex node, std::size_t lo, std::size_t hi, std::size_t depth);

    std::vector<Node> nodes_;
    std::vector<unsigned char> labels_; // the letter leading to each node
};

} // namespace lettrava
