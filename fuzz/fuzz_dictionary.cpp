// Feeds arbitrary bytes to the dictionary reader, and the custom word reader.

#include "core/platform/Dialogs.h"
#include "core/headless/RecordingDialogs.h"
#include "core/words/Dictionary.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lettrava;
    static RecordingDialogs quiet;
    setDialogs(&quiet);
    quiet.messages.clear();
    quiet.errors.clear();

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Dictionary dictionary;
    std::istringstream in(bytes);
    try {
        const auto status = dictionary.readFrom(in, size);
        if (status == Dictionary::LoadStatus::Loaded) {
            const auto words = dictionary.words();
            for (std::size_t i = 0; i < words->size(); ++i) {
                const auto w = words->wordAt(i);
                if (w.size() < 3 || w.size() > 18 || dictionary.lookup(w) != LookupResult::Word)
                    std::abort();
            }
        }
    } catch (const DictionaryError&) {
    }
    (void)dictionary.randomLetter();
    (void)dictionary.lookup(bytes.substr(0, 20));
    return 0;
}
