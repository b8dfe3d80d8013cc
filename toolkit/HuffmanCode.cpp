// Huffman code lengths by the textbook construction, two least weights merged at a time from
// a priority queue, and the canonical codes of RFC 1951 (3.2.2) for them (HuffmanCode.h).
#include "toolkit/HuffmanCode.h"

#include <algorithm>
#include <array>
#include <functional>
#include <queue>
#include <utility>

namespace tk::deflate {

std::vector<std::uint8_t> CodeLengths(std::vector<std::uint32_t> frequencies, int limit) {
    const std::size_t n = frequencies.size();
    std::size_t used = std::size_t(std::count_if(frequencies.begin(), frequencies.end(),
                                                 [](std::uint32_t f) { return f > 0; }));
    for (std::size_t s = 0; used < 2 && s < n; ++s)
        if (frequencies[s] == 0) {
            frequencies[s] = 1;
            ++used;
        }
    for (;;) {
        // Leaves 0 .. n-1, then the inner nodes in the order they are made.
        std::vector<std::size_t> parent(n, 0);
        using TNode = std::pair<std::uint64_t, std::size_t>; // weight, node
        std::priority_queue<TNode, std::vector<TNode>, std::greater<>> queue;
        for (std::size_t s = 0; s < n; ++s)
            if (frequencies[s] > 0) queue.push({frequencies[s], s});
        while (queue.size() > 1) {
            const TNode a = queue.top();
            queue.pop();
            const TNode b = queue.top();
            queue.pop();
            parent[a.second] = parent[b.second] = parent.size();
            parent.push_back(0);
            queue.push({a.first + b.first, parent.size() - 1});
        }
        // The root is the last node made; a node's depth is its parent's plus one.
        std::vector<int> depth(parent.size(), 0);
        for (std::size_t node = parent.size() - 1; node-- > 0;)
            depth[node] = depth[parent[node]] + 1;
        std::vector<std::uint8_t> lengths(n, 0);
        int longest = 0;
        for (std::size_t s = 0; s < n; ++s)
            if (frequencies[s] > 0) {
                lengths[s] = std::uint8_t(depth[s]);
                longest = std::max(longest, depth[s]);
            }
        if (longest <= limit) return lengths;
        for (std::uint32_t& f : frequencies)
            if (f > 0) f = (f + 1) / 2;
    }
}

std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths) {
    std::array<int, kMaxBits + 1> count{};
    for (const std::uint8_t length : lengths)
        if (length > 0) ++count[length];
    std::array<std::uint32_t, kMaxBits + 1> next{};
    std::uint32_t code = 0;
    for (int bits = 1; bits <= kMaxBits; ++bits) {
        code = (code + std::uint32_t(count[bits - 1])) << 1;
        next[bits] = code;
    }
    std::vector<std::uint16_t> codes(lengths.size(), 0);
    for (std::size_t s = 0; s < lengths.size(); ++s) {
        if (lengths[s] == 0) continue;
        std::uint32_t value = next[lengths[s]]++, reversed = 0;
        for (int bit = 0; bit < lengths[s]; ++bit, value >>= 1)
            reversed = (reversed << 1) | (value & 1);
        codes[s] = std::uint16_t(reversed);
    }
    return codes;
}

} // namespace tk::deflate
