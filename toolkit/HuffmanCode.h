// The prefix codes of our deflate (Deflate.h): Huffman's code lengths for a block's symbol
// counts, none longer than deflate allows, and the canonical codes those lengths stand for
// (RFC 1951, 3.2.2), which is all a block needs to send of a code: its lengths.
#pragma once

#include "toolkit/DeflateBits.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tk::deflate {

// The longest code of the literal/length and distance alphabets, and of the code-length
// code that sends their lengths.
constexpr int kMaxBits = 15;
constexpr int kMaxCodeLengthBits = 7;

// Huffman code lengths for the frequencies, none longer than `limit`: the optimal tree,
// its frequencies halved until it fits (rarely needed: a block's symbols seldom spread so
// unevenly). At least two symbols get a code, so that any decoder takes it as complete.
std::vector<std::uint8_t> CodeLengths(std::vector<std::uint32_t> frequencies, int limit);

// The canonical codes of the lengths (RFC 1951, 3.2.2), bit-reversed for sending.
std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths);

struct TCode {
    std::vector<std::uint8_t> lengths;
    std::vector<std::uint16_t> codes;

    explicit TCode(std::vector<std::uint8_t> bits)
        : lengths(std::move(bits)), codes(CanonicalCodes(lengths)) {}
    void Put(TBitWriter& out, std::size_t symbol) const { out.Put(codes[symbol], lengths[symbol]); }
};

} // namespace tk::deflate
