// Several pages in one document (PdfPages.h): after ISO 32000-1, 7.7, a page tree whose
// kids are the pages, each with its content stream, the shared pictures as form XObjects
// (8.10), all sharing the one face (PdfFont.h).
#include "toolkit/PdfPages.h"

#include "toolkit/Deflate.h"
#include "toolkit/PdfFile.h"
#include "toolkit/PdfFont.h"
#include "toolkit/PdfPage.h"
#include "toolkit/PdfSyntax.h"
#include "toolkit/VectorPicture.h"

#include <cmath>
#include <string>

namespace tk {

namespace {

using pdf::TPdfFile;
using R = TPdfFile;

std::string FormName(int i) {
    return "Fm" + std::to_string(i);
}

std::string Contents(pdf::TPage& page, const TPdfPageParts& parts) {
    for (const TPdfPicture& p : parts) {
        page.Place(p.Scale, p.X, p.Y, p.Width, p.Height, p.White);
        if (p.Form >= 0)
            page.Draw(FormName(p.Form));
        else
            PlayCalls(p.Calls, p.Width, p.Height, page);
        page.Placed();
    }
    return page.TakeContent();
}

std::vector<std::uint8_t> Packed(const std::string& text) {
    return ZlibCompress(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void AddForm(TPdfFile& pdf, const TPdfForm& form, const std::string& body,
             const std::string& resources) {
    const std::vector<std::uint8_t> packed = Packed(body);
    pdf.AddPackedStream(packed, " /Type /XObject /Subtype /Form /BBox [0 0 " +
                                    std::to_string(form.Width) + " " + std::to_string(form.Height) +
                                    "] /Resources " + resources);
}

} // namespace

std::vector<std::uint8_t> PdfOfPages(const std::vector<TPdfPageParts>& pages,
                                     const std::vector<TPdfForm>& forms, TPaper paper,
                                     std::string_view title) {
    const int width = int(std::ceil(paper.WidthPt / pdf::kPointsPerPixel));
    const int height = int(std::ceil(paper.HeightPt / pdf::kPointsPerPixel));
    pdf::TPage page(width, height, paper.HeightPt);
    std::vector<std::string> bodies;
    for (const TPdfForm& f : forms) {
        PlayCalls(f.Calls, f.Width, f.Height, page);
        bodies.push_back(page.TakeBody());
    }
    std::vector<std::string> contents;
    for (const TPdfPageParts& parts : pages)
        contents.push_back(Contents(page, parts));

    TPdfFile pdf;
    const int catalog = pdf.Next(), tree = catalog + 1, first = tree + 1;
    const int count = int(contents.size());
    // Each page and its content next to it, then the forms, then the face.
    const int firstForm = first + 2 * count, font = firstForm + int(forms.size());
    std::string kids, xobjects;
    for (int i = 0; i < count; ++i)
        kids += (i ? " " : "") + R::Ref(first + 2 * i);
    for (int i = 0; i < int(forms.size()); ++i)
        xobjects += "/" + FormName(i) + " " + R::Ref(firstForm + i) + " ";
    const std::string fonts = page.HasText() ? "/Font << /F1 " + R::Ref(font) + " >> " : "";
    const std::string resources =
        "<< " + fonts + (xobjects.empty() ? "" : "/XObject << " + xobjects + ">> ") + ">>";
    std::string box;
    pdf::PutNumber(box, paper.WidthPt);
    box += ' ';
    pdf::PutNumber(box, paper.HeightPt);
    pdf.Add("<< /Type /Catalog /Pages " + R::Ref(tree) + " >>");
    pdf.Add("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(count) + " >>");
    for (int i = 0; i < count; ++i) {
        pdf.Add("<< /Type /Page /Parent " + R::Ref(tree) + " /MediaBox [0 0 " + box +
                "] /Resources " + resources + " /Contents " + R::Ref(first + 2 * i + 1) + " >>");
        pdf.AddPackedStream(Packed(contents[std::size_t(i)]));
    }
    for (std::size_t i = 0; i < forms.size(); ++i)
        AddForm(pdf, forms[i], bodies[i], "<< " + fonts + ">>");
    if (page.HasText()) pdf::AddFont(pdf, page.GlyphsUsed());
    const int info = pdf.Next();
    const std::string_view program = title.substr(0, title.find(" — "));
    pdf.Add("<< /Title " + pdf::TextString(title) + " /Creator " + pdf::TextString(program) +
            " >>");
    return pdf.Finish(catalog, info);
}

} // namespace tk
