// Our compressed streams read back by zlib itself (the tests' only use of zlib): every kind
// of data comes back byte for byte, and data with repeats comes out small.
#include "toolkit/Checksums.h"
#include "toolkit/Deflate.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> Inflated(const std::vector<std::uint8_t>& stream, std::size_t size) {
    std::vector<std::uint8_t> out(size + 1);
    uLongf length = uLongf(out.size());
    EXPECT_EQ(uncompress(out.data(), &length, stream.data(), uLong(stream.size())), Z_OK);
    out.resize(length);
    return out;
}

TEST(Checksums, KnownValues) {
    EXPECT_EQ(tk::Crc32(Bytes("IEND")), 0xAE426082u);
    EXPECT_EQ(tk::Crc32(Bytes("123456789")), 0xCBF43926u);
    EXPECT_EQ(tk::Adler32(Bytes("Wikipedia")), 0x11E60398u);
    // In parts as whole, and past the run after which the sums are reduced.
    const std::vector<std::uint8_t> big(100000, 0xFF);
    EXPECT_EQ(tk::Adler32(std::span(big).subspan(7), tk::Adler32(std::span(big).first(7))),
              adler32(1, big.data(), uInt(big.size())));
    EXPECT_EQ(tk::Crc32(std::span(big).subspan(7), tk::Crc32(std::span(big).first(7))),
              crc32(0, big.data(), uInt(big.size())));
}

// Each kind of data the blocks meet: nothing, a byte, runs longer than a match, text, noise
// (stored), rows of a picture, and more symbols than one block holds.
TEST(Deflate, ZlibReadsBackWhatWasWritten) {
    std::mt19937 random(27);
    std::vector<std::uint8_t> noise(200000), picture, blocks;
    for (std::uint8_t& b : noise)
        b = std::uint8_t(random());
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 900; ++x)
            picture.push_back(std::uint8_t((x - 450) * (x - 450) + (y - 150) * (y - 150) < 90000
                                               ? (x * 7 + y) % 5 * 40
                                               : 255));
    for (int i = 0; i < 60000; ++i)
        blocks.push_back(std::uint8_t(random() % 4 * 60));
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "Zн = " + std::to_string(i * 37 % 1000) + "+j50 Ом; ";
    const std::vector<std::vector<std::uint8_t>> cases = {
        {}, {42}, std::vector<std::uint8_t>(100000, 0), Bytes(text), noise, picture, blocks};
    for (const std::vector<std::uint8_t>& data : cases) {
        SCOPED_TRACE(data.size());
        const std::vector<std::uint8_t> stream = tk::ZlibCompress(data);
        EXPECT_EQ(Inflated(stream, data.size()), data);
        EXPECT_LE(stream.size(), data.size() + data.size() / 1000 + 16) << "beyond stored size";
    }
    EXPECT_LT(tk::ZlibCompress(cases[2]).size(), 200u);
    EXPECT_LT(tk::ZlibCompress(Bytes(text)).size(), text.size() / 4);
}

} // namespace
