#include "exercises/GroupDice.h"

namespace exercises {

std::uint64_t Fnv1a64(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

std::uint64_t TGroupDice::Next() {
    state_ += 0x9e3779b97f4a7c15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

int TGroupDice::Between(int low, int high) {
    const std::uint64_t count = std::uint64_t(std::int64_t(high) - low + 1);
    return int(std::int64_t(low) + std::int64_t((Next() >> 11) % count));
}

} // namespace exercises
