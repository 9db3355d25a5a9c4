// The DICT client's reader of a server's answer to DEFINE, fed line by line
// as the transport splits them, and the word server's request reader.

#include "net/DictProtocol.h"
#include "net/WordSuggestion.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    lettrava::dict::DefineReader reader;
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos)
            end = input.size();
        std::string_view line = input.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (reader.feed(line) != lettrava::dict::DefineReader::State::Reading)
            break;
        start = end + 1;
    }
    std::size_t text = 0;
    for (const auto& d : reader.definitions())
        text += d.text.size();
    if (reader.definitions().size() > lettrava::dict::kMaxDefinitions || text > lettrava::dict::kMaxTextBytes)
        std::abort();
    lettrava::dict::Definition header;
    lettrava::dict::parseDefinitionHeader(input, header);
    if (const auto word = lettrava::WordSuggestion::parseRequest(input); word && word->size() > 18)
        std::abort();
    std::string host;
    std::uint16_t port = 0;
    lettrava::WordSuggestion::parseServerAddress(input, host, port);
    return 0;
}
