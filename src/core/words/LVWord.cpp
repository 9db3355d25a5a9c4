#include "core/words/LVWord.h"

#include <algorithm>
#include <cstring>

namespace lettrava {

void LVWord::writeImage(unsigned char* out) const
{
    std::memset(out, 0, kImageSize);
    std::memcpy(out + 4, text.data(), std::min(text.size(), kMaxLength));
    out[23] = inGrid ? 1 : 0;
    out[24] = inDictionary ? 1 : 0;
    out[25] = unique ? 1 : 0;
    const auto o = static_cast<std::uint32_t>(order);
    for (int i = 0; i < 4; ++i)
        out[28 + i] = static_cast<unsigned char>(o >> (8 * i));
}

LVWord LVWord::fromImage(const unsigned char* in, std::size_t available)
{
    unsigned char image[kImageSize] = {};
    std::memcpy(image, in, std::min(available, kImageSize));
    LVWord w;
    const auto* text = reinterpret_cast<const char*>(image + 4);
    w.text.assign(text, strnlen(text, kMaxLength));
    w.inGrid = image[23] != 0;
    w.inDictionary = image[24] != 0;
    w.unique = image[25] != 0;
    std::uint32_t o = 0;
    for (int i = 0; i < 4; ++i)
        o |= static_cast<std::uint32_t>(image[28 + i]) << (8 * i);
    w.order = static_cast<std::int32_t>(o);
    return w;
}

} // namespace lettrava
