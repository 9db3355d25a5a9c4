#include "core/platform/Texts.h"

#include <atomic>
#include <vector>

namespace lettrava {

namespace {
std::atomic<const TextTranslator*> installed{nullptr};
} // namespace

void installTextTranslator(const TextTranslator* t) { installed.store(t, std::memory_order_release); }

std::string translate(const char* context, const char* source)
{
    if (const TextTranslator* t = installed.load(std::memory_order_acquire)) {
        std::string text = t->translate(context, source);
        if (!text.empty())
            return text;
    }
    return source;
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < values.size()) {
                out += values[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace lettrava
