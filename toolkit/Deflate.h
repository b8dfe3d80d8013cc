// Compression for the picture's files: a zlib stream (RFC 1950) of deflate blocks (RFC 1951),
// what a PNG's image data and a PDF's FlateDecode streams hold. Repeats are found by hash
// chains over the 32 KiB window, deciding one byte late whether a longer match starts
// there (zlib's "lazy" matching), and each block is written with the Huffman codes of its
// own symbols, or the fixed ones, or stored, whichever is shortest. A chart's PNG data,
// 1,7 MB raw, comes to about as little as zlib's default level makes of it.
//
// Its parts: DeflateMatcher (the repeats), HuffmanCode (the codes), DeflateBlock (a block
// and its form), DeflateBits (the bit writer); Deflate.cpp holds the zlib stream round them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tk {

std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> data);

} // namespace tk
