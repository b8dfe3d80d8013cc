// The zlib stream (RFC 1950) round our deflate: its header, the data as deflate blocks, its
// Adler-32. The matcher's finds (DeflateMatcher.h) are taken one byte late, as zlib's "lazy"
// matching takes them, and go into blocks of kBlockSymbols symbols each (DeflateBlock.h).
#include "toolkit/Deflate.h"

#include "toolkit/Checksums.h"
#include "toolkit/DeflateBits.h"
#include "toolkit/DeflateBlock.h"
#include "toolkit/DeflateMatcher.h"

namespace tk {

using deflate::kBlockSymbols;
using deflate::kLazyLimit;
using deflate::kMinMatch;
using deflate::TBitWriter;
using deflate::TBlock;
using deflate::TMatch;
using deflate::TMatcher;
using deflate::TSymbol;

std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out = {0x78, 0x9C}; // deflate, 32 KiB window, default level
    TBitWriter bits(out);
    TMatcher matcher(data);
    std::vector<TSymbol> symbols;
    symbols.reserve(kBlockSymbols);
    std::size_t blockStart = 0, written = 0; // of the data
    const auto emit = [&](TSymbol s, std::size_t covers) {
        symbols.push_back(s);
        written += covers;
        if (symbols.size() < kBlockSymbols) return;
        TBlock(symbols, data.subspan(blockStart, written - blockStart)).Write(bits, false);
        symbols.clear();
        blockStart = written;
    };

    // The byte before i waits while the match at i is looked at: when that is longer, the
    // byte goes out alone and the longer match waits in its turn.
    TMatch waiting;
    bool isWaiting = false;
    for (std::size_t i = 0; i < data.size();) {
        const TMatch here = !isWaiting                     ? matcher.Longest(i, 0)
                            : waiting.length >= kLazyLimit ? TMatch{}
                                                           : matcher.Longest(i, waiting.length);
        matcher.Enter(i);
        if (isWaiting && waiting.length >= kMinMatch && here.length <= waiting.length) {
            emit({std::uint16_t(waiting.length), std::uint16_t(waiting.distance)}, waiting.length);
            const std::size_t end = i - 1 + waiting.length;
            for (std::size_t k = i + 1; k < end; ++k)
                matcher.Enter(k);
            i = end;
            isWaiting = false;
            continue;
        }
        if (isWaiting) emit({data[i - 1], 0}, 1);
        waiting = here;
        isWaiting = true;
        ++i;
    }
    if (isWaiting) emit({data.back(), 0}, 1);
    TBlock(symbols, data.subspan(blockStart, written - blockStart)).Write(bits, true);
    bits.AlignToByte();
    const std::uint32_t adler = Adler32(data);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(adler >> shift));
    return out;
}

} // namespace tk
