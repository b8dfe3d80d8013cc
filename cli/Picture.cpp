#include "cli/Picture.h"

#include "cli/ComplexLoad.h"

#include "toolkit/Exceptions.h"
#include "toolkit/PdfDocument.h"
#include "toolkit/PngWriter.h"

#include <algorithm>
#include <string_view>

namespace cli {

namespace {

// Whether the name ends in the extension, in either case: "Chart.PNG" is a PNG.
bool HasExtension(std::string_view path, std::string_view extension) {
    return path.size() >= extension.size() &&
           std::equal(
               extension.begin(), extension.end(), path.end() - std::ptrdiff_t(extension.size()),
               [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

} // namespace

void WritePicture(const tk::TCanvas& canvas, const std::string& path, const std::string& title) {
    if (HasExtension(path, ".png")) return tk::SavePng(canvas, path);
    if (HasExtension(path, ".pdf")) return tk::SavePdf(canvas, path, title);
    throw tk::Exception("Рисунок пишется в файл .png или .pdf: у «" + Quoted(path) +
                        "» другое расширение");
}

} // namespace cli
