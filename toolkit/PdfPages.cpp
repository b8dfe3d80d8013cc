// Several pages in one document (PdfPages.h): after ISO 32000-1, 7.7, a page tree whose
// kids are the pages, each with its content stream, all sharing the one face (PdfFont.h).
#include "toolkit/PdfPages.h"

#include "toolkit/PdfFile.h"
#include "toolkit/PdfFont.h"
#include "toolkit/PdfPage.h"
#include "toolkit/PdfSyntax.h"
#include "toolkit/VectorPicture.h"

#include <cmath>

namespace tk {

using pdf::TPdfFile;

std::vector<std::uint8_t> PdfOfPages(const std::vector<TPdfPageParts>& pages, TPaper paper,
                                     std::string_view title) {
    const int width = int(std::ceil(paper.WidthPt / pdf::kPointsPerPixel));
    const int height = int(std::ceil(paper.HeightPt / pdf::kPointsPerPixel));
    pdf::TPage page(width, height, paper.HeightPt);
    std::vector<std::string> contents;
    for (const TPdfPageParts& parts : pages) {
        for (const TPdfPicture& p : parts) {
            page.Place(p.Scale, p.X, p.Y, p.Width, p.Height);
            PlayCalls(p.Calls, p.Width, p.Height, page);
            page.Placed();
        }
        contents.push_back(page.TakeContent());
    }
    using R = TPdfFile;
    TPdfFile pdf;
    const int catalog = pdf.Next(), tree = catalog + 1, first = tree + 1;
    const int count = int(contents.size());
    // Each page and its content next to it: page i is first + 2i, its content first + 2i + 1.
    const int font = first + 2 * count;
    std::string kids;
    for (int i = 0; i < count; ++i)
        kids += (i ? " " : "") + R::Ref(first + 2 * i);
    std::string box;
    pdf::PutNumber(box, paper.WidthPt);
    box += ' ';
    pdf::PutNumber(box, paper.HeightPt);
    pdf.Add("<< /Type /Catalog /Pages " + R::Ref(tree) + " >>");
    pdf.Add("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(count) + " >>");
    for (int i = 0; i < count; ++i) {
        pdf.Add("<< /Type /Page /Parent " + R::Ref(tree) + " /MediaBox [0 0 " + box +
                "] /Resources << " +
                (page.HasText() ? "/Font << /F1 " + R::Ref(font) + " >> " : "") +
                ">> /Contents " + R::Ref(first + 2 * i + 1) + " >>");
        pdf.AddStream(contents[std::size_t(i)]);
    }
    if (page.HasText()) pdf::AddFont(pdf, page.GlyphsUsed());
    const int info = pdf.Next();
    const std::string_view program = title.substr(0, title.find(" — "));
    pdf.Add("<< /Title " + pdf::TextString(title) + " /Creator " + pdf::TextString(program) +
            " >>");
    return pdf.Finish(catalog, info);
}

} // namespace tk
