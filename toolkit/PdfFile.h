// The frame of a PDF file of our writer (PdfDocument.h), after ISO 32000-1, 7.5: the header,
// the objects numbered from 1 in the order they are added, each where the cross-reference
// table says, that table, and the trailer naming the catalog and the Info. Streams are
// compressed with our deflate (Deflate.h) and read through FlateDecode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tk::pdf {

// The file's objects, numbered from 1 in the order they are added, and its cross-reference
// table.
class TPdfFile {
  public:
    TPdfFile() { out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

    // The number the next object will have.
    int Next() const { return int(offsets_.size()) + 1; }

    void Add(const std::string& dictionary);

    // A stream compressed with deflate (ZlibCompress); `extra` goes into its dictionary.
    void AddPackedStream(std::span<const std::uint8_t> packed, const std::string& extra = "");
    void AddStream(std::string_view text);

    // The whole file, its trailer naming the catalog `root` and the Info `info`.
    std::vector<std::uint8_t> Finish(int root, int info);

    static std::string Ref(int object) { return std::to_string(object) + " 0 R"; }

  private:
    void Begin();

    std::string out_;
    std::vector<std::size_t> offsets_;
};

} // namespace tk::pdf
