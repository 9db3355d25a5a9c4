#include "core/words/DictionaryWriter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace lettrava {

namespace {

void putLittleEndian32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

std::string DictionaryWriter::plainBody(std::vector<std::string> words)
{
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::string body;
    for (std::size_t length = 3; length <= 18; ++length) {
        for (const std::string& w : words)
            if (w.size() == length)
                body += w;
        body.push_back('=');
    }
    return body;
}

std::vector<AlphabetChar> DictionaryWriter::letterWeights(const std::vector<std::string>& words)
{
    std::array<std::uint64_t, 256> counts{};
    std::uint64_t total = 0;
    for (const std::string& w : words)
        for (unsigned char c : w) {
            ++counts[c];
            ++total;
        }
    std::vector<AlphabetChar> alphabet;
    for (std::size_t b = 0; b < counts.size(); ++b)
        if (counts[b] != 0)
            alphabet.push_back({static_cast<char>(b),
                                static_cast<float>(static_cast<double>(counts[b]) / static_cast<double>(total))});
    return alphabet;
}

std::string DictionaryWriter::alphabetTable(const std::vector<AlphabetChar>& alphabet)
{
    std::string out;
    putLittleEndian32(out, static_cast<std::uint32_t>(alphabet.size()));
    for (const AlphabetChar& c : alphabet) {
        out.push_back(c.letter);
        putLittleEndian32(out, std::bit_cast<std::uint32_t>(c.weight));
    }
    return out;
}

std::string DictionaryWriter::file(const DictionaryHeader& header, const std::vector<AlphabetChar>& alphabet,
                                   std::string_view plainBody)
{
    std::string out(header.bytes.data(), header.bytes.size());
    out += alphabetTable(alphabet);
    for (std::size_t i = 0; i < plainBody.size(); ++i)
        out.push_back(static_cast<char>(storeBodyByte(static_cast<unsigned char>(plainBody[i]), i)));
    return out;
}

} // namespace lettrava
