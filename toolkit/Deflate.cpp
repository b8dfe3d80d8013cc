#include "toolkit/Deflate.h"

#include "toolkit/Checksums.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <functional>
#include <queue>
#include <utility>

namespace tk {

namespace {

constexpr std::size_t kWindow = 1 << 15;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr int kHashBits = 15;
// How hard the matcher looks (as hard as zlib's default level): the candidates tried per
// position, a quarter of them when the match waiting is already good, the length that ends
// the search, the length taken without looking a byte further, and the distance beyond
// which a match of three costs more than its literals.
constexpr int kMaxChain = 128;
constexpr std::size_t kGood = 8;
constexpr std::size_t kGoodEnough = 128;
constexpr std::size_t kLazyLimit = 16;
constexpr std::size_t kTooFar = 4096;
// Symbols per block: each block gets codes of its own, fitted to its part of the data.
constexpr std::size_t kBlockSymbols = 1 << 14;
constexpr std::size_t kStoredMax = 0xFFFF;

constexpr int kEndOfBlock = 256;
constexpr int kLiteralCodes = 286;
constexpr int kDistanceCodes = 30;
constexpr int kMaxBits = 15;
constexpr int kMaxCodeLengthBits = 7;

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                         4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                         9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order the code-length code's own lengths are sent in.
constexpr std::array<std::uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                           11, 4,  12, 3, 13, 2, 14, 1, 15};

// The length code (0 .. 28, sent as 257 + code) of each match length.
constexpr std::array<std::uint8_t, kMaxMatch + 1> kLengthCode = [] {
    std::array<std::uint8_t, kMaxMatch + 1> codes{};
    for (std::size_t length = kMinMatch; length <= kMaxMatch; ++length) {
        std::size_t code = 0;
        while (code + 1 < kLengthBase.size() && kLengthBase[code + 1] <= length)
            ++code;
        codes[length] = std::uint8_t(code);
    }
    return codes;
}();

// The distance code of each distance: of d - 1 below 256 at [d - 1], of a longer one at
// [256 + (d - 1) / 128] (codes from 16 on cover whole multiples of 128).
constexpr std::array<std::uint8_t, 512> kDistanceCodeOf = [] {
    std::array<std::uint8_t, 512> codes{};
    const auto code = [](std::size_t distance) {
        std::size_t c = 0;
        while (c + 1 < kDistanceBase.size() && kDistanceBase[c + 1] <= distance)
            ++c;
        return std::uint8_t(c);
    };
    for (std::size_t d = 1; d <= 256; ++d)
        codes[d - 1] = code(d);
    for (std::size_t i = 2; i < 256; ++i)
        codes[256 + i] = code(i * 128 + 1);
    return codes;
}();

int DistanceCode(std::size_t distance) {
    return distance <= 256 ? kDistanceCodeOf[distance - 1]
                           : kDistanceCodeOf[256 + ((distance - 1) >> 7)];
}

// How many of the first `most` bytes at a and b agree, eight at a time.
std::size_t Agreeing(const std::uint8_t* a, const std::uint8_t* b, std::size_t most) {
    std::size_t n = 0;
    if constexpr (std::endian::native == std::endian::little)
        for (; n + 8 <= most; n += 8) {
            std::uint64_t x, y;
            std::memcpy(&x, a + n, 8);
            std::memcpy(&y, b + n, 8);
            if (x != y) return n + std::size_t(std::countr_zero(x ^ y) / 8);
        }
    while (n < most && a[n] == b[n])
        ++n;
    return n;
}

// A literal byte (distance 0) or a match of `value` bytes `distance` back.
struct TSymbol {
    std::uint16_t value;
    std::uint16_t distance;
};

// Bits packed from the least significant end of each byte, as deflate sends them.
class TBitWriter {
  public:
    explicit TBitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Put(std::uint32_t bits, int count) {
        pending_ |= std::uint64_t(bits) << used_;
        used_ += count;
        while (used_ >= 8) {
            out_.push_back(std::uint8_t(pending_));
            pending_ >>= 8;
            used_ -= 8;
        }
    }
    void AlignToByte() {
        if (used_ > 0) Put(0, 8 - used_);
    }
    void PutBytes(std::span<const std::uint8_t> bytes) {
        AlignToByte();
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }

  private:
    std::vector<std::uint8_t>& out_;
    std::uint64_t pending_ = 0;
    int used_ = 0;
};

// Huffman code lengths for the frequencies, none longer than `limit`: the optimal tree,
// its frequencies halved until it fits (rarely needed: a block's symbols seldom spread so
// unevenly). At least two symbols get a code, so that any decoder takes it as complete.
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

// The canonical codes of the lengths (RFC 1951, 3.2.2), bit-reversed for sending.
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

struct TCode {
    std::vector<std::uint8_t> lengths;
    std::vector<std::uint16_t> codes;

    explicit TCode(std::vector<std::uint8_t> bits)
        : lengths(std::move(bits)), codes(CanonicalCodes(lengths)) {}
    void Put(TBitWriter& out, std::size_t symbol) const { out.Put(codes[symbol], lengths[symbol]); }
};

const TCode& FixedLiterals() {
    static const TCode code = [] {
        std::vector<std::uint8_t> lengths(288, 8);
        std::fill(lengths.begin() + 144, lengths.begin() + 256, 9);
        std::fill(lengths.begin() + 256, lengths.begin() + 280, 7);
        return TCode(std::move(lengths));
    }();
    return code;
}

const TCode& FixedDistances() {
    static const TCode code(std::vector<std::uint8_t>(32, 5));
    return code;
}

// One run of the code-length sequence: a length (0 .. 15), or 16 (the previous one 3 .. 6
// times), 17 (zero 3 .. 10 times), 18 (zero 11 .. 138 times), with its repeat count less
// the least.
struct TRun {
    std::uint8_t symbol;
    std::uint8_t extra;
};

constexpr int RunExtraBits(std::uint8_t symbol) {
    return symbol == 16 ? 2 : symbol == 17 ? 3 : symbol == 18 ? 7 : 0;
}

std::vector<TRun> Runs(const std::vector<std::uint8_t>& sequence) {
    std::vector<TRun> runs;
    for (std::size_t i = 0; i < sequence.size();) {
        const std::uint8_t value = sequence[i];
        std::size_t run = 1;
        while (i + run < sequence.size() && sequence[i + run] == value)
            ++run;
        i += run;
        if (value == 0) {
            for (; run >= 11; run -= std::min<std::size_t>(run, 138))
                runs.push_back({18, std::uint8_t(std::min<std::size_t>(run, 138) - 11)});
            if (run >= 3) {
                runs.push_back({17, std::uint8_t(run - 3)});
                run = 0;
            }
        } else {
            runs.push_back({value, 0});
            --run;
            for (; run >= 3; run -= std::min<std::size_t>(run, 6))
                runs.push_back({16, std::uint8_t(std::min<std::size_t>(run, 6) - 3)});
        }
        for (; run > 0; --run)
            runs.push_back({value, 0});
    }
    return runs;
}

// One block: its symbols counted, then sent the shortest of the three ways.
class TBlock {
  public:
    TBlock(std::span<const TSymbol> symbols, std::span<const std::uint8_t> raw)
        : symbols_(symbols), raw_(raw), literals_(kLiteralCodes, 0), distances_(kDistanceCodes, 0) {
        for (const TSymbol& s : symbols_) {
            if (s.distance == 0) {
                ++literals_[s.value];
                continue;
            }
            const int lengthCode = kLengthCode[s.value];
            const int distanceCode = DistanceCode(s.distance);
            ++literals_[std::size_t(257 + lengthCode)];
            ++distances_[std::size_t(distanceCode)];
            extraBits_ +=
                kLengthExtra[std::size_t(lengthCode)] + kDistanceExtra[std::size_t(distanceCode)];
        }
        literals_[kEndOfBlock] = 1;
    }

    void Write(TBitWriter& out, bool last) const {
        const TCode literals(CodeLengths(literals_, kMaxBits));
        const TCode distances(CodeLengths(distances_, kMaxBits));
        const std::size_t literalCount = Used(literals.lengths, 257);
        const std::size_t distanceCount = Used(distances.lengths, 1);
        std::vector<std::uint8_t> sequence(literals.lengths.begin(),
                                           literals.lengths.begin() + std::ptrdiff_t(literalCount));
        sequence.insert(sequence.end(), distances.lengths.begin(),
                        distances.lengths.begin() + std::ptrdiff_t(distanceCount));
        const std::vector<TRun> runs = Runs(sequence);
        std::vector<std::uint32_t> runCounts(19, 0);
        for (const TRun& r : runs)
            ++runCounts[r.symbol];
        const TCode runCode(CodeLengths(runCounts, kMaxCodeLengthBits));
        std::size_t orderCount = kCodeLengthOrder.size();
        while (orderCount > 4 && runCode.lengths[kCodeLengthOrder[orderCount - 1]] == 0)
            --orderCount;

        std::uint64_t dynamicBits = 3 + 5 + 5 + 4 + 3 * orderCount;
        for (const TRun& r : runs)
            dynamicBits += runCode.lengths[r.symbol] + std::uint64_t(RunExtraBits(r.symbol));
        dynamicBits += DataBits(literals, distances);
        const std::uint64_t fixedBits = 3 + DataBits(FixedLiterals(), FixedDistances());
        const std::uint64_t storedBits =
            (std::max<std::size_t>(1, (raw_.size() + kStoredMax - 1) / kStoredMax)) * (3 + 7 + 32) +
            8 * std::uint64_t(raw_.size());

        if (storedBits < std::min(dynamicBits, fixedBits)) return WriteStored(out, last);
        if (fixedBits <= dynamicBits) {
            out.Put(last ? 1 : 0, 1);
            out.Put(1, 2);
            return WriteSymbols(out, FixedLiterals(), FixedDistances());
        }
        out.Put(last ? 1 : 0, 1);
        out.Put(2, 2);
        out.Put(std::uint32_t(literalCount - 257), 5);
        out.Put(std::uint32_t(distanceCount - 1), 5);
        out.Put(std::uint32_t(orderCount - 4), 4);
        for (std::size_t i = 0; i < orderCount; ++i)
            out.Put(runCode.lengths[kCodeLengthOrder[i]], 3);
        for (const TRun& r : runs) {
            runCode.Put(out, r.symbol);
            if (const int bits = RunExtraBits(r.symbol)) out.Put(r.extra, bits);
        }
        WriteSymbols(out, literals, distances);
    }

  private:
    // How many of the lengths are sent: up to the last used one, at least `least`.
    static std::size_t Used(const std::vector<std::uint8_t>& lengths, std::size_t least) {
        std::size_t n = lengths.size();
        while (n > least && lengths[n - 1] == 0)
            --n;
        return n;
    }

    std::uint64_t DataBits(const TCode& literals, const TCode& distances) const {
        std::uint64_t bits = extraBits_;
        for (std::size_t s = 0; s < literals_.size(); ++s)
            bits += std::uint64_t(literals_[s]) * literals.lengths[s];
        for (std::size_t s = 0; s < distances_.size(); ++s)
            bits += std::uint64_t(distances_[s]) * distances.lengths[s];
        return bits;
    }

    void WriteSymbols(TBitWriter& out, const TCode& literals, const TCode& distances) const {
        for (const TSymbol& s : symbols_) {
            if (s.distance == 0) {
                literals.Put(out, s.value);
                continue;
            }
            const std::size_t lengthCode = kLengthCode[s.value];
            literals.Put(out, 257 + lengthCode);
            out.Put(s.value - kLengthBase[lengthCode], kLengthExtra[lengthCode]);
            const std::size_t distanceCode = std::size_t(DistanceCode(s.distance));
            distances.Put(out, distanceCode);
            out.Put(s.distance - kDistanceBase[distanceCode], kDistanceExtra[distanceCode]);
        }
        literals.Put(out, kEndOfBlock);
    }

    void WriteStored(TBitWriter& out, bool last) const {
        std::span<const std::uint8_t> rest = raw_;
        do {
            const std::span<const std::uint8_t> part =
                rest.first(std::min(rest.size(), kStoredMax));
            rest = rest.subspan(part.size());
            out.Put(last && rest.empty() ? 1 : 0, 1);
            out.Put(0, 2);
            out.AlignToByte();
            out.Put(std::uint32_t(part.size()), 16);
            out.Put(std::uint32_t(~part.size() & 0xFFFF), 16);
            out.PutBytes(part);
        } while (!rest.empty());
    }

    std::span<const TSymbol> symbols_;
    std::span<const std::uint8_t> raw_;
    std::vector<std::uint32_t> literals_;
    std::vector<std::uint32_t> distances_;
    std::uint64_t extraBits_ = 0;
};

struct TMatch {
    std::size_t length = 0;
    std::size_t distance = 0;
};

// Earlier places of each three bytes, newest first, by a hash of the bytes.
class TMatcher {
  public:
    explicit TMatcher(std::span<const std::uint8_t> data)
        : data_(data), head_(std::size_t(1) << kHashBits, -1), previous_(kWindow, -1) {}

    // The longest match for the bytes at i among the places entered so far; a shorter search
    // when the match it would replace is already `good`.
    TMatch Longest(std::size_t i, std::size_t waiting) const {
        TMatch best;
        const std::size_t most = std::min(kMaxMatch, data_.size() - i);
        if (most < kMinMatch) return best;
        const std::uint8_t* here = data_.data() + i;
        int chain = waiting >= kGood ? kMaxChain / 4 : kMaxChain;
        for (std::int32_t at = head_[Hash(i)];
             at >= 0 && i - std::size_t(at) <= kWindow && chain-- > 0;
             at = previous_[std::size_t(at) & (kWindow - 1)]) {
            const std::uint8_t* there = data_.data() + at;
            if (there[best.length] != here[best.length]) continue;
            const std::size_t length = Agreeing(there, here, most);
            if (length > best.length) {
                best = {length, i - std::size_t(at)};
                if (length >= kGoodEnough || length == most) break;
            }
        }
        if (best.length < kMinMatch || (best.length == kMinMatch && best.distance > kTooFar))
            return {};
        return best;
    }

    void Enter(std::size_t i) {
        if (i + kMinMatch > data_.size()) return;
        const std::size_t hash = Hash(i);
        previous_[i & (kWindow - 1)] = head_[hash];
        head_[hash] = std::int32_t(i);
    }

  private:
    std::size_t Hash(std::size_t i) const {
        const std::uint32_t three = std::uint32_t(data_[i]) | std::uint32_t(data_[i + 1]) << 8 |
                                    std::uint32_t(data_[i + 2]) << 16;
        return (three * 2654435761u) >> (32 - kHashBits);
    }

    std::span<const std::uint8_t> data_;
    std::vector<std::int32_t> head_;
    std::vector<std::int32_t> previous_;
};

} // namespace

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
