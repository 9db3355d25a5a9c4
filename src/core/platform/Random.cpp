#include "core/platform/Random.h"

#include <chrono>

namespace lettrava {

Random& Random::instance()
{
    static Random generator;
    return generator;
}

Random::Random() : engine_(5489u) {}

void Random::seed(std::uint32_t value)
{
    std::lock_guard lock(mutex_);
    engine_.seed(value);
}

void Random::seedFromClock()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count()
                     ^ std::chrono::system_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

std::uint32_t Random::next()
{
    std::lock_guard lock(mutex_);
    return static_cast<std::uint32_t>(engine_() >> 1);
}

int Random::between(int low, int high)
{
    return low + static_cast<int>(below(static_cast<std::uint32_t>(high - low + 1)));
}

} // namespace lettrava
