// The PDF of a picture (PdfDocument.h): its page (PdfPage.h), played back from the canvas's
// record, then the document around it, after ISO 32000-1, 7.7: the catalog, the page tree of
// one page, the page and its content, the embedded face when the page has text (PdfFont.h),
// and the Info with the title and the program that made it.
#include "toolkit/PdfDocument.h"

#include "toolkit/PdfFile.h"
#include "toolkit/PdfFont.h"
#include "toolkit/PdfPage.h"
#include "toolkit/PdfSyntax.h"
#include "toolkit/PictureFile.h"
#include "toolkit/VectorPicture.h"

#include <cmath>

namespace tk {

using pdf::kPointsPerPixel;
using pdf::TextString;
using pdf::TPage;
using pdf::TPdfFile;

std::vector<std::uint8_t> PdfOfCalls(std::span<const TCanvasCall> calls, int width, int height,
                                     std::string_view title, TOverlayCalls overlay) {
    // A page is a whole number of points: the picture's size rounded up, the picture at its
    // top-left corner (a white edge under a pixel wide on the right and at the bottom).
    const int pageWidth = int(std::ceil(width * kPointsPerPixel));
    const int pageHeight = int(std::ceil(height * kPointsPerPixel));
    TPage page(width, height, pageHeight);
    PlayCalls(calls, width, height, page, overlay);

    using R = TPdfFile;
    TPdfFile pdf;
    const int catalog = pdf.Next(), pages = catalog + 1, pageObject = pages + 1,
              content = pages + 2, font = pages + 3;
    pdf.Add("<< /Type /Catalog /Pages " + R::Ref(pages) + " >>");
    pdf.Add("<< /Type /Pages /Kids [" + R::Ref(pageObject) + "] /Count 1 >>");
    pdf.Add("<< /Type /Page /Parent " + R::Ref(pages) + " /MediaBox [0 0 " +
            std::to_string(pageWidth) + " " + std::to_string(pageHeight) + "] /Resources << " +
            (page.HasText() ? "/Font << /F1 " + R::Ref(font) + " >> " : "") + ">> /Contents " +
            R::Ref(content) + " >>");
    pdf.AddStream(page.Content());
    if (page.HasText()) pdf::AddFont(pdf, page.GlyphsUsed()); // from `font` on
    const int info = pdf.Next();
    const std::string_view program = title.substr(0, title.find(" — "));
    pdf.Add("<< /Title " + TextString(title) + " /Creator " + TextString(program) + " >>");
    return pdf.Finish(catalog, info);
}

void SavePdf(const TCanvas& canvas, const std::string& path, const std::string& title,
             TOverlayCalls overlay) {
    SavePictureFile(
        path, PdfOfCalls(PictureCalls(canvas), canvas.Width(), canvas.Height(), title, overlay));
}

} // namespace tk
