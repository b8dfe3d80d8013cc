#include "toolkit/win32/Clipboard.h"

#include "toolkit/Exceptions.h"
#include "toolkit/win32/Utf16.h"

#include <cstring>
#include <vector>

namespace tkwin {

namespace {

constexpr char kBusy[] = "Не удалось положить в буфер обмена: его занимает другая "
                         "программа. Повторите чуть позже.";

// The clipboard, opened for this window while the object lives.
class OpenClipboardFor {
  public:
    explicit OpenClipboardFor(HWND owner) {
        // Another program may hold it for a moment.
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != 0;
            if (!open_) Sleep(20);
        }
    }
    ~OpenClipboardFor() {
        if (open_) CloseClipboard();
    }
    OpenClipboardFor(const OpenClipboardFor&) = delete;
    OpenClipboardFor& operator=(const OpenClipboardFor&) = delete;
    bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

// Hands `bytes` to the clipboard as `format`, emptying it first.
void Put(HWND owner, UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) throw tk::Exception("Недостаточно памяти, чтобы положить это в буфер обмена.");
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    OpenClipboardFor clipboard(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(format, memory)) {
        GlobalFree(memory);
        throw tk::Exception(kBusy);
    }
}

} // namespace

void CopyPicture(HWND owner, const tk::TCanvas& canvas) {
    // Bottom-up, the layout every program that pastes a bitmap reads.
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = canvas.Width();
    header.biHeight = canvas.Height();
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    const std::size_t row = std::size_t(canvas.Width()) * 4;
    std::vector<unsigned char> dib(sizeof header + row * std::size_t(canvas.Height()));
    std::memcpy(dib.data(), &header, sizeof header);
    for (int y = 0; y < canvas.Height(); ++y)
        std::memcpy(dib.data() + sizeof header + row * std::size_t(canvas.Height() - 1 - y),
                    canvas.Bits() + std::size_t(y) * std::size_t(canvas.Width()), row);
    Put(owner, CF_DIB, dib.data(), dib.size());
}

void CopyText(HWND owner, const std::string& utf8) {
    std::wstring text;
    for (wchar_t c : ToUtf16(utf8)) {
        if (c == L'\n') text.push_back(L'\r');
        text.push_back(c);
    }
    Put(owner, CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

} // namespace tkwin
