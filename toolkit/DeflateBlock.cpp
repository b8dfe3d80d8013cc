// The deflate block (DeflateBlock.h): the alphabets' tables of RFC 1951 (3.2.5), the
// run-length coding of a dynamic block's code lengths (3.2.7), the fixed codes (3.2.6), the
// stored form (3.2.4), and the choice among the three by the bits each would take.
#include "toolkit/DeflateBlock.h"

#include "toolkit/DeflateMatcher.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace tk::deflate {

namespace {

constexpr std::size_t kStoredMax = 0xFFFF;

constexpr int kEndOfBlock = 256;
constexpr int kLiteralCodes = 286;
constexpr int kDistanceCodes = 30;

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

} // namespace

TBlock::TBlock(std::span<const TSymbol> symbols, std::span<const std::uint8_t> raw)
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

void TBlock::Write(TBitWriter& out, bool last) const {
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

std::size_t TBlock::Used(const std::vector<std::uint8_t>& lengths, std::size_t least) {
    std::size_t n = lengths.size();
    while (n > least && lengths[n - 1] == 0)
        --n;
    return n;
}

std::uint64_t TBlock::DataBits(const TCode& literals, const TCode& distances) const {
    std::uint64_t bits = extraBits_;
    for (std::size_t s = 0; s < literals_.size(); ++s)
        bits += std::uint64_t(literals_[s]) * literals.lengths[s];
    for (std::size_t s = 0; s < distances_.size(); ++s)
        bits += std::uint64_t(distances_[s]) * distances.lengths[s];
    return bits;
}

void TBlock::WriteSymbols(TBitWriter& out, const TCode& literals, const TCode& distances) const {
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

void TBlock::WriteStored(TBitWriter& out, bool last) const {
    std::span<const std::uint8_t> rest = raw_;
    do {
        const std::span<const std::uint8_t> part = rest.first(std::min(rest.size(), kStoredMax));
        rest = rest.subspan(part.size());
        out.Put(last && rest.empty() ? 1 : 0, 1);
        out.Put(0, 2);
        out.AlignToByte();
        out.Put(std::uint32_t(part.size()), 16);
        out.Put(std::uint32_t(~part.size() & 0xFFFF), 16);
        out.PutBytes(part);
    } while (!rest.empty());
}

} // namespace tk::deflate
