// The inputs kept under fuzz/, replayed through the fuzz target's own check built with the
// ordinary compiler: every check the fuzz target makes holds on each of them.
#include "fuzz/Check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Inputs(const char* folder) {
    const fs::path dir = fs::path(FUZZ_INPUTS_DIR) / folder / FUZZ_TARGET;
    std::vector<fs::path> files;
    if (fs::is_directory(dir))
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The inputs the fuzz target once crashed on or broke a check with, since mended.
TEST(FuzzInputs, RegressionsReplayCleanly) {
    for (const fs::path& file : Inputs("regressions")) {
        SCOPED_TRACE(file.filename().string());
        EXPECT_EQ(zfuzz::Check(Bytes(file)), "");
    }
}

// The initial corpus: the worked examples and the edge cases of every field, number and
// call.
TEST(FuzzInputs, InitialCorpusReplaysCleanly) {
    const std::vector<fs::path> files = Inputs("corpus");
    EXPECT_FALSE(files.empty()) << "fuzz/make_corpus.py writes the initial corpus";
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        EXPECT_EQ(zfuzz::Check(Bytes(file)), "");
    }
}

} // namespace
