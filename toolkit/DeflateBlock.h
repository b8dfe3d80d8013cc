// One block of our deflate (Deflate.h): the matcher's literals and matches as the symbols of
// RFC 1951's alphabets (3.2.5), counted, then sent whichever of the three ways is shortest:
// with Huffman codes of the block's own (3.2.7), their lengths sent run-length coded, with the
// fixed codes (3.2.6), or stored (3.2.4).
#pragma once

#include "toolkit/DeflateBits.h"
#include "toolkit/HuffmanCode.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tk::deflate {

// Symbols per block: each block gets codes of its own, fitted to its part of the data.
constexpr std::size_t kBlockSymbols = 1 << 14;

// A literal byte (distance 0) or a match of `value` bytes `distance` back.
struct TSymbol {
    std::uint16_t value;
    std::uint16_t distance;
};

// One block: its symbols counted, then sent the shortest of the three ways.
class TBlock {
  public:
    // The symbols and the bytes they stand for, both kept by the caller while the block lives.
    TBlock(std::span<const TSymbol> symbols, std::span<const std::uint8_t> raw);

    void Write(TBitWriter& out, bool last) const;

  private:
    // How many of the lengths are sent: up to the last used one, at least `least`.
    static std::size_t Used(const std::vector<std::uint8_t>& lengths, std::size_t least);

    std::uint64_t DataBits(const TCode& literals, const TCode& distances) const;
    void WriteSymbols(TBitWriter& out, const TCode& literals, const TCode& distances) const;
    void WriteStored(TBitWriter& out, bool last) const;

    std::span<const TSymbol> symbols_;
    std::span<const std::uint8_t> raw_;
    std::vector<std::uint32_t> literals_;
    std::vector<std::uint32_t> distances_;
    std::uint64_t extraBits_ = 0;
};

} // namespace tk::deflate
