#include "toolkit/win32/Printing.h"

#include "toolkit/Exceptions.h"
#include "toolkit/win32/CanvasPainter.h"
#include "toolkit/win32/Utf16.h"

#include <cderr.h>
#include <commdlg.h>

#include <cstdint>

namespace tkwin {

namespace {

constexpr char kFailed[] = "Не удалось напечатать рисунок: принтер не принял задание. "
                           "Проверьте, что он включён и готов, и повторите печать.";

// The printer's device context, deleted with the object, and the dialog's memory freed.
class ChosenPrinter {
  public:
    explicit ChosenPrinter(HWND owner) {
        dialog_.lStructSize = sizeof dialog_;
        dialog_.hwndOwner = owner;
        // Without a printer the dialog would warn in its own words; ours says what to do.
        dialog_.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION |
                        PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;
        if (PrintDlgW(&dialog_)) return;
        if (CommDlgExtendedError() == PDERR_NODEFAULTPRN)
            throw tk::Exception("Не удалось напечатать рисунок: в системе не установлен ни один "
                                "принтер. Сохраните рисунок в файл (Ctrl+S) и напечатайте его "
                                "потом.");
        if (CommDlgExtendedError() != 0) throw tk::Exception(kFailed);
    }
    ~ChosenPrinter() {
        if (dialog_.hDC) DeleteDC(dialog_.hDC);
        if (dialog_.hDevMode) GlobalFree(dialog_.hDevMode);
        if (dialog_.hDevNames) GlobalFree(dialog_.hDevNames);
    }
    ChosenPrinter(const ChosenPrinter&) = delete;
    ChosenPrinter& operator=(const ChosenPrinter&) = delete;

    HDC Dc() const { return dialog_.hDC; } // nullptr: the user cancelled

  private:
    PRINTDLGW dialog_{};
};

} // namespace

RECT FittedOnPage(SIZE page, const tk::TCanvas& canvas) {
    const std::int64_t cw = canvas.Width(), ch = canvas.Height();
    if (cw <= 0 || ch <= 0 || page.cx <= 0 || page.cy <= 0) return {};
    std::int64_t w = page.cx, h = page.cx * ch / cw;
    if (h > page.cy) {
        h = page.cy;
        w = page.cy * cw / ch;
    }
    const LONG left = LONG((page.cx - w) / 2), top = LONG((page.cy - h) / 2);
    return {left, top, left + LONG(w), top + LONG(h)};
}

void PrintPicture(HWND owner, const tk::TCanvas& canvas, const std::string& title) {
    ChosenPrinter printer(owner);
    HDC dc = printer.Dc();
    if (!dc) return;
    const std::wstring name = ToUtf16(title);
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = name.c_str();
    if (StartDocW(dc, &doc) <= 0) throw tk::Exception(kFailed);
    const RECT place =
        FittedOnPage({GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)}, canvas);
    const BITMAPINFO info = TopDownBitmap(canvas.Width(), canvas.Height());
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    const bool printed =
        StartPage(dc) > 0 &&
        StretchDIBits(dc, place.left, place.top, place.right - place.left, place.bottom - place.top,
                      0, 0, canvas.Width(), canvas.Height(), canvas.Bits(), &info, DIB_RGB_COLORS,
                      SRCCOPY) > 0 &&
        EndPage(dc) > 0;
    if (!printed) {
        AbortDoc(dc);
        throw tk::Exception(kFailed);
    }
    EndDoc(dc);
}

} // namespace tkwin
