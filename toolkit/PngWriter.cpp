#include "toolkit/PngWriter.h"

#include "toolkit/Checksums.h"
#include "toolkit/Deflate.h"
#include "toolkit/PictureFile.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

namespace tk {

namespace {

constexpr std::size_t kChannels = 3;
constexpr int kFilters = 5; // none, sub, up, average, Paeth

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, std::string_view type,
              std::span<const std::uint8_t> data) {
    PutU32(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    PutU32(out, Crc32(std::span(out).subspan(start)));
}

std::uint8_t Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return std::uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// The row filtered each way; `above` is the previous row (zeros for the first).
void Filter(int type, std::span<const std::uint8_t> row, std::span<const std::uint8_t> above,
            std::span<std::uint8_t> out) {
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int a = i >= kChannels ? row[i - kChannels] : 0, b = above[i],
                  c = i >= kChannels ? above[i - kChannels] : 0;
        const int predicted = type == 0   ? 0
                              : type == 1 ? a
                              : type == 2 ? b
                              : type == 3 ? (a + b) / 2
                                          : Paeth(a, b, c);
        out[i] = std::uint8_t(row[i] - predicted);
    }
}

std::uint64_t Weight(std::span<const std::uint8_t> filtered) {
    std::uint64_t sum = 0;
    for (const std::uint8_t b : filtered)
        sum += std::uint64_t(std::abs(int(std::int8_t(b))));
    return sum;
}

// The rows as the image data holds them: each its filter's number, then its bytes.
std::vector<std::uint8_t> FilteredRows(const TCanvas& canvas) {
    const std::size_t stride = std::size_t(canvas.Width()) * kChannels;
    std::vector<std::uint8_t> rows, above(stride, 0), row(stride);
    rows.reserve((stride + 1) * std::size_t(canvas.Height()));
    std::array<std::vector<std::uint8_t>, kFilters> tries;
    for (std::vector<std::uint8_t>& t : tries)
        t.resize(stride);
    for (int y = 0; y < canvas.Height(); ++y) {
        const std::uint32_t* pixels = canvas.Bits() + std::size_t(y) * std::size_t(canvas.Width());
        for (std::size_t x = 0; x < std::size_t(canvas.Width()); ++x) {
            row[x * 3] = std::uint8_t(pixels[x] >> 16);
            row[x * 3 + 1] = std::uint8_t(pixels[x] >> 8);
            row[x * 3 + 2] = std::uint8_t(pixels[x]);
        }
        int best = 0;
        std::uint64_t bestWeight = UINT64_MAX;
        for (int type = 0; type < kFilters; ++type) {
            Filter(type, row, above, tries[std::size_t(type)]);
            if (const std::uint64_t w = Weight(tries[std::size_t(type)]); w < bestWeight) {
                best = type;
                bestWeight = w;
            }
        }
        rows.push_back(std::uint8_t(best));
        rows.insert(rows.end(), tries[std::size_t(best)].begin(), tries[std::size_t(best)].end());
        std::swap(row, above);
    }
    return rows;
}

} // namespace

std::vector<std::uint8_t> PngOf(const TCanvas& canvas) {
    std::vector<std::uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutU32(header, std::uint32_t(canvas.Width()));
    PutU32(header, std::uint32_t(canvas.Height()));
    // 8 bits per channel, RGB, deflate, adaptive filters, not interlaced.
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", ZlibCompress(FilteredRows(canvas)));
    PutChunk(file, "IEND", {});
    return file;
}

void SavePng(const TCanvas& canvas, const std::string& path) {
    SavePictureFile(path, PngOf(canvas));
}

} // namespace tk
