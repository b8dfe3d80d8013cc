// The picture files' parts: our compressed streams read back by zlib itself (the tests'
// only use of zlib), every kind of data byte for byte and data with repeats small; and a
// file written whole or not at all.
#include "toolkit/Checksums.h"
#include "toolkit/Deflate.h"
#include "toolkit/Exceptions.h"
#include "toolkit/PictureFile.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
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

namespace fs = std::filesystem;

// A folder of its own for each test, removed after it.
class PictureFile : public testing::Test {
  protected:
    PictureFile()
        : dir(fs::temp_directory_path() / ("zchart-" + std::to_string(std::random_device()()))) {
        fs::create_directories(dir);
    }
    ~PictureFile() override { fs::remove_all(dir); }

    std::vector<fs::path> Files() const {
        return {fs::directory_iterator(dir), fs::directory_iterator()};
    }
    // The path as the toolkit takes it, UTF-8 on every platform.
    static std::string Utf8(const fs::path& path) {
        const std::u8string text = path.u8string();
        return {text.begin(), text.end()};
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The message of the refusal to write `path`, or "" when it was written.
    static std::string Refusal(const fs::path& path) {
        try {
            tk::SavePictureFile(Utf8(path), Bytes("new"));
        } catch (const tk::Exception& e) {
            return e.Message;
        }
        return "";
    }

    fs::path dir;
};

// Written over an older file, the new one is whole and nothing is left beside it; a name in a
// folder that is not there, or one a folder already has, is refused with the reason, and
// the folder keeps what it had.
TEST_F(PictureFile, WholeOrNotAtAll) {
    const fs::path chart = dir / "чертёж.png";
    std::ofstream(chart) << "old picture";
    EXPECT_EQ(Refusal(chart), "");
    EXPECT_EQ(Read(chart), "new");
    EXPECT_EQ(Files(), std::vector<fs::path>{chart});

    EXPECT_EQ(Refusal(dir / "нет такой" / "chart.png"),
              "Не удалось сохранить рисунок в файл «" + Utf8(dir / "нет такой" / "chart.png") +
                  "»: такой папки нет или в неё нельзя писать. Выберите другое место.");
    fs::create_directory(dir / "folder.png");
    EXPECT_NE(Refusal(dir / "folder.png").find("запись не удалась"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir / "folder.png"));
    EXPECT_EQ(Files().size(), 2u);
}

} // namespace
