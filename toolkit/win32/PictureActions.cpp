#include "toolkit/win32/PictureActions.h"

#include "toolkit/PdfDocument.h"
#include "toolkit/PictureTitle.h"
#include "toolkit/PngWriter.h"
#include "toolkit/ShortcutKeys.h"

#include "toolkit/win32/Clipboard.h"
#include "toolkit/win32/Printing.h"
#include "toolkit/win32/SaveDialog.h"
#include "toolkit/win32/Utf16.h"

#include <vector>

namespace tkwin {

namespace {

// The virtual key of a shortcut; 0: none. A letter's is its capital.
WORD VirtualKeyOf(const tk::TShortcutKeys& keys) {
    if (keys.Letter) return WORD(keys.Letter);
    if (keys.Escape) return VK_ESCAPE;
    return keys.FunctionKey ? WORD(VK_F1 + keys.FunctionKey - 1) : 0;
}

// The PDF where the name ends so, in either case, the PNG otherwise: the dialog has added
// the chosen type's ending to a name typed without one.
void SavePicture(const tk::TImage& image, const std::string& path, const std::string& title) {
    std::string end = path.size() >= 4 ? path.substr(path.size() - 4) : "";
    for (char& c : end)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (end == ".pdf")
        tk::SavePdf(image.Canvas, path, title, image.OverlayCalls());
    else
        tk::SavePng(image.Picture(), path);
}

bool IsField(HWND window) {
    wchar_t name[16] = {};
    return window && GetClassNameW(window, name, 16) && lstrcmpiW(name, L"Edit") == 0;
}

} // namespace

PictureActions::PictureActions(tk::TForm& form, tk::TApplication& application, HWND owner,
                               std::string program)
    : form_(form), application_(application), owner_(owner), program_(std::move(program)) {
    for (const auto& c : form.Controls())
        if (auto* image = dynamic_cast<tk::TImage*>(c.get())) {
            image_ = image;
            break;
        }
    if (!image_ || form.Actions().empty()) return;
    menu_ = CreatePopupMenu();
    std::vector<ACCEL> table;
    const std::vector<std::string> rows = Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const WORD command = WORD(kFirstActionCommand + i);
        AppendMenuW(menu_, MF_STRING, command, ToUtf16(rows[i]).c_str());
        const tk::TShortcutKeys keys = tk::ShortcutKeysOf(form.Actions()[i].Shortcut);
        if (keys.Any())
            table.push_back(
                {BYTE(keys.Control ? FCONTROL | FVIRTKEY : FVIRTKEY), VirtualKeyOf(keys), command});
    }
    if (!table.empty()) keys_ = CreateAcceleratorTableW(table.data(), int(table.size()));
}

PictureActions::~PictureActions() {
    if (menu_) DestroyMenu(menu_);
    if (keys_) DestroyAcceleratorTable(keys_);
}

std::vector<std::string> PictureActions::Rows() const {
    std::vector<std::string> rows;
    for (const tk::TActionDesc& action : form_.Actions()) {
        std::string row = action.Caption;
        if (const tk::TShortcutKeys keys = tk::ShortcutKeysOf(action.Shortcut); keys.Any())
            row += std::string("\t") + keys.Shown;
        rows.push_back(row);
    }
    return rows;
}

bool PictureActions::Checked(WORD command) const {
    return Owns(command) &&
           form_.Actions()[command - kFirstActionCommand].Kind == tk::TActionKind::ToggleOverlay &&
           image_->OverlayShown();
}

bool PictureActions::Owns(WORD command) const {
    return image_ && command >= kFirstActionCommand &&
           command < kFirstActionCommand + form_.Actions().size();
}

void PictureActions::Run(WORD command, bool fromKeys) {
    if (!Owns(command)) return;
    const tk::TActionDesc& action = form_.Actions()[command - kFirstActionCommand];
    if (fromKeys && action.Shortcut == tk::TShortcut::Copy && IsField(GetFocus())) {
        SendMessageW(GetFocus(), WM_COPY, 0, 0);
        return;
    }
    application_.Dispatch([this, &action] { Perform(action); });
}

void PictureActions::ShowMenu(POINT at) {
    if (!menu_) return;
    for (std::size_t i = 0; i < form_.Actions().size(); ++i) {
        const WORD command = WORD(kFirstActionCommand + i);
        CheckMenuItem(menu_, command,
                      MF_BYCOMMAND | UINT(Checked(command) ? MF_CHECKED : MF_UNCHECKED));
    }
    const UINT chosen = UINT(
        TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner_, nullptr));
    if (chosen) Run(WORD(chosen), false);
}

std::string PictureActions::TitleOf(const tk::TActionDesc& action) const {
    return tk::PictureTitle(program_, action, form_);
}

void PictureActions::Perform(const tk::TActionDesc& action) {
    switch (action.Kind) {
    case tk::TActionKind::CopyPicture:
        CopyPicture(owner_, image_->Picture());
        return;
    case tk::TActionKind::SavePicture:
        if (const auto path = AskSavePath(owner_, program_))
            SavePicture(*image_, *path, TitleOf(action));
        return;
    case tk::TActionKind::PrintPicture:
        PrintPicture(owner_, image_->Picture(), TitleOf(action));
        return;
    case tk::TActionKind::ToggleOverlay:
        image_->ShowOverlay(!image_->OverlayShown());
        return;
    case tk::TActionKind::CopyText:
        CopyText(owner_, action.Text(form_));
        return;
    case tk::TActionKind::Command:
        action.Command(form_);
        return;
    }
}

} // namespace tkwin
