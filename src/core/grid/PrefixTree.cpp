#include "core/grid/PrefixTree.h"

#include <mutex>

namespace lettrava {

PrefixTree::PrefixTree(const WordStore& words)
{
    nodes_.reserve(words.size() * 3 + 1);
    labels_.reserve(words.size() * 3 + 1);
    nodes_.push_back(Node{});
    labels_.push_back(0);
    build(words, kRoot, 0, words.size(), 0);
    nodes_.shrink_to_fit();
    labels_.shrink_to_fit();
}

// The words lo..hi-1 all begin with the node's text of `depth` bytes. Being
// sorted byte by byte, the one equal to that text (if any) comes first, and the
// others are grouped by their next byte in ascending order.
void PrefixTree::build(const WordStore& words, NodeIndex node, std::size_t lo, std::size_t hi, std::size_t depth)
{
    if (lo < hi && words.wordAt(lo).size() == depth) {
        nodes_[node].word = 1;
        ++lo;
    }
    if (lo >= hi)
        return;
    // First the children, consecutively; then each child's own subtree.
    const auto first = static_cast<NodeIndex>(nodes_.size());
    std::vector<std::size_t> groupStart;
    for (std::size_t i = lo; i < hi; ++i) {
        const unsigned char b = static_cast<unsigned char>(words.wordAt(i)[depth]);
        if (i == lo || b != static_cast<unsigned char>(words.wordAt(i - 1)[depth])) {
            groupStart.push_back(i);
            nodes_.push_back(Node{});
            labels_.push_back(b);
            if (b >= 'A' && b <= 'Z')
                nodes_[node].letters |= 1u << (b - 'A');
            else
                nodes_[node].lettersOnly = 0;
        }
    }
    groupStart.push_back(hi);
    nodes_[node].firstChild = first;
    nodes_[node].childCount = static_cast<std::uint16_t>(groupStart.size() - 1);
    for (std::size_t g = 0; g + 1 < groupStart.size(); ++g)
        build(words, first + static_cast<NodeIndex>(g), groupStart[g], groupStart[g + 1], depth + 1);
}

std::shared_ptr<const PrefixTree> PrefixTree::of(const std::shared_ptr<const WordStore>& words)
{
    static std::mutex mutex;
    static std::weak_ptr<const WordStore> cachedWords;
    static std::shared_ptr<const PrefixTree> cachedTree;
    std::lock_guard lock(mutex);
    const std::shared_ptr<const WordStore> held = cachedWords.lock();
    if (held && held == words && cachedTree)
        return cachedTree;
    cachedTree.reset();
    cachedTree = std::make_shared<const PrefixTree>(*words);
    cachedWords = words;
    return cachedTree;
}

} // namespace lettrava
