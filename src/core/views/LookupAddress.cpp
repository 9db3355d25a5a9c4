#include "core/views/LookupAddress.h"

#include "core/words/Latin1.h"

namespace lettrava::LookupAddress {

std::string encodedWord(std::string_view word)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : latin1::toUtf8(word)) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || c == '-' || c == '.'
            || c == '_' || c == '~') {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(kHex[u >> 4]);
            out.push_back(kHex[u & 0x0F]);
        }
    }
    return out;
}

std::string definitionPage(std::string_view base, std::string_view word)
{
    return std::string(base) + encodedWord(word);
}

std::string dictionaryPage(std::string_view pageTemplate, std::string_view word)
{
    const std::string encoded = encodedWord(word);
    const auto at = pageTemplate.find('%');
    if (at == std::string_view::npos)
        return encoded + std::string(pageTemplate);
    return std::string(pageTemplate.substr(0, at)) + encoded + std::string(pageTemplate.substr(at + 1));
}

std::string withoutScheme(std::string_view address)
{
    const auto at = address.find("://");
    if (at == std::string_view::npos)
        return std::string(address);
    return std::string(address.substr(at + 3));
}

} // namespace lettrava::LookupAddress
