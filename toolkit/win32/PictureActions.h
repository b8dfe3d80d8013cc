// The form's actions realised: each one the form declares (tk::TActionDesc) becomes an item
// of its picture's context menu, with Windows' keys for its shortcut (Ctrl+C, Ctrl+S,
// Ctrl+P, Ctrl+G) anywhere in the window through an accelerator table. They copy the picture
// to the clipboard, save it as a PNG or a PDF, print it, copy a text the form makes, or show
// the image's layer (a row ticked while it shows). The picture goes out as the image shows
// it (TImage::Picture); a PDF carries the layer's calls after the canvas's. Each runs as an
// event handler of the application, so a failure ends in the error box.
#pragma once

#include "toolkit/Application.h"

#include <windows.h>

#include <string>

namespace tkwin {

class PictureActions {
  public:
    // The actions of `form` on the picture of its first image, from windows of `owner`;
    // `program` names the documents («zmatch — Zн = 100+j50 Ом, Zв = 50 Ом»).
    PictureActions(tk::TForm& form, tk::TApplication& application, HWND owner, std::string program);
    ~PictureActions();
    PictureActions(const PictureActions&) = delete;
    PictureActions& operator=(const PictureActions&) = delete;

    // The accelerator table for the message loop; nullptr when no action has keys.
    HACCEL Keys() const { return keys_; }

    // Whether `command` (a WM_COMMAND identifier) is one of the actions.
    bool Owns(WORD command) const;
    // Carries the action out. From its keys, Ctrl+C in a field copies the field's own
    // selection, as it does everywhere in Windows, not the picture.
    void Run(WORD command, bool fromKeys);

    // The context menu at `at` (screen coordinates), the action chosen carried out.
    void ShowMenu(POINT at);

    // The menu's rows as shown: "Копировать рисунок\tCtrl+C", ...
    std::vector<std::string> Rows() const;
    // Whether the row of `command` is ticked: the layer's row while the layer shows.
    bool Checked(WORD command) const;

  private:
    void Perform(const tk::TActionDesc& action);
    std::string TitleOf(const tk::TActionDesc& action) const;

    tk::TForm& form_;
    tk::TImage* image_ = nullptr; // nullptr: the form has no image
    tk::TApplication& application_;
    HWND owner_;
    std::string program_;
    HMENU menu_ = nullptr;
    HACCEL keys_ = nullptr;
};

// The first command identifier of the actions; the controls' lie below it.
inline constexpr WORD kFirstActionCommand = 0x7000;

} // namespace tkwin
