// The objects and the cross-reference table of a PDF file (PdfFile.h).
#include "toolkit/PdfFile.h"

#include "toolkit/Deflate.h"

#include <algorithm>

namespace tk::pdf {

void TPdfFile::Add(const std::string& dictionary) {
    Begin();
    out_ += dictionary + "\nendobj\n";
}

void TPdfFile::AddPackedStream(std::span<const std::uint8_t> packed, const std::string& extra) {
    Begin();
    out_ += "<< /Length " + std::to_string(packed.size()) + " /Filter /FlateDecode" + extra +
            " >>\nstream\n";
    out_.append(packed.begin(), packed.end());
    out_ += "\nendstream\nendobj\n";
}

void TPdfFile::AddStream(std::string_view text) {
    AddPackedStream(
        ZlibCompress(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
}

std::vector<std::uint8_t> TPdfFile::Finish(int root, int info) {
    const std::size_t table = out_.size();
    out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets_) {
        const std::string digits = std::to_string(offset);
        out_ += std::string(10 - std::min<std::size_t>(10, digits.size()), '0') + digits +
                " 00000 n \n";
    }
    out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " + Ref(root) +
            " /Info " + Ref(info) + " >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    return {out_.begin(), out_.end()};
}

void TPdfFile::Begin() {
    offsets_.push_back(out_.size());
    out_ += std::to_string(offsets_.size()) + " 0 obj\n";
}

} // namespace tk::pdf
