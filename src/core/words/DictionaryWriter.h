#pragma once

#include "core/words/Alphabet.h"
#include "core/words/Dictionary.h"

#include <string>
#include <string_view>
#include <vector>

namespace lettrava {

// Builds dictionary files: the header, the alphabet table and the rotated body
// of words grouped by length. Used by the dictionary maker and by tests.
class DictionaryWriter {
public:
    // The body in plain form: for each length 3 to 18, that length's words in
    // byte order, then '='. Words of other lengths are left out; duplicates are
    // written once.
    static std::string plainBody(std::vector<std::string> words);

    // Each letter that occurs in the words, in byte order, weighted by its
    // share of all letters of the words.
    static std::vector<AlphabetChar> letterWeights(const std::vector<std::string>& words);

    // A complete file: header, alphabet table (letters as given), and the
    // plain body rotated as the file stores it.
    static std::string file(const DictionaryHeader& header, const std::vector<AlphabetChar>& alphabet,
                            std::string_view plainBody);

    // Just the alphabet table: count, then letter and weight per entry.
    static std::string alphabetTable(const std::vector<AlphabetChar>& alphabet);
};

} // namespace lettrava
