#include "core/views/LookupAddress.h"

namespace lettrava::LookupAddress {

std::string definitionPage(std::string_view base, std::string_view word)
{
    return std::string(base) + std::string(word);
}

std::string dictionaryPage(std::string_view pageTemplate, std::string_view word)
{
    const auto at = pageTemplate.find('%');
    if (at == std::string_view::npos)
        return std::string(word) + std::string(pageTemplate);
    return std::string(pageTemplate.substr(0, at)) + std::string(word) + std::string(pageTemplate.substr(at + 1));
}

std::string withoutScheme(std::string_view address)
{
    const auto at = address.find("://");
    if (at == std::string_view::npos)
        return std::string(address);
    return std::string(address.substr(at + 3));
}

} // namespace lettrava::LookupAddress
