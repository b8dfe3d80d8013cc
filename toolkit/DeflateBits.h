// The bit writer under our deflate (Deflate.h): codes and extra bits packed from the least
// significant end of each byte, as RFC 1951 (3.1.1) sends them, and a stored block's bytes
// whole, after the byte in progress is filled up with zeros.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tk::deflate {

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

} // namespace tk::deflate
