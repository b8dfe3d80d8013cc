// The application object: builds the main form, runs the window system's loop, and is the
// one place through which every event handler runs, so that an exception escaping a
// handler ends only that handler and is shown in the error box.
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Questions.h"
#include "toolkit/RowList.h"
#include "toolkit/SliderValue.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tk {

// What the window system offers the application: the Qt binding in the programs, a
// recorder in tests.
class THost {
  public:
    virtual ~THost() = default;
    virtual void Show(TForm& form, TApplication& application) = 0;
    virtual void Run() = 0; // until the main window closes
    virtual void ShowError(const std::string& message) = 0;
    // Modal questions (Questions.h): the path or text the user gave, nothing when cancelled.
    // A host without a user to ask answers nothing.
    virtual std::optional<std::string> AskOpenPath(const TOpenFileQuestion&) { return {}; }
    virtual std::optional<std::string> AskChoice(const TChoiceQuestion&) { return {}; }
    virtual std::optional<std::string> AskSavePath(const TSaveFileQuestion&) { return {}; }
    // A text saved in a file the user names (AskSavePath), written as it is; false when
    // cancelled, and a file that cannot be written raises its Russian message. The page
    // hands the text to the browser as a download instead.
    virtual bool SaveText(const TSaveFileQuestion& question, const std::string& text);
    virtual void OpenURL(const std::string& url) = 0;
    // A window of the program's own beside the main one (TApplication::OpenWindow): shows
    // the form's window, or raises it when it is shown already. When the user closes it,
    // the host destroys the window, then tells the application (TApplication::Closed).
    virtual void ShowWindow(TForm& form, TApplication& application) {
        (void)form;
        (void)application;
    }
    // After every handler: bring what the handler changed on screen.
    virtual void Changed() {}
    // The page's address after its «#»: what the program keeps there, written over in place
    // (no new entry in the history), and what the page was opened with. Hosts without an
    // address keep nothing and give nothing.
    virtual void SetAddress(const std::string& text) { (void)text; }
    virtual std::string Address() { return {}; }
    // Runs `task` once the window system has done what waits (a repaint, a key pressed,
    // a click), so that long work goes in slices the user can watch and stop: Qt's timer of
    // no delay, Win32's timer message, the page's setTimeout. A host without a loop keeps the
    // tasks until RunLater.
    virtual void Later(std::function<void()> task) { later_.push_back(std::move(task)); }
    // The tasks kept so far, run in order; those they add wait for the next call. False
    // when none was kept.
    bool RunLater();

  private:
    std::vector<std::function<void()>> later_;
};

class TApplication {
  public:
    // `format` is how the application's numbers are written and read (the user's locale in
    // the programs, the browser's language in the page) from here until the application
    // object ends; without one it keeps the format of the moment.
    explicit TApplication(THost& host, TFormatSettings format = FormatSettings())
        : host_(host), format_(format) {}

    const TFormatSettings& Format() const { return format_.Settings(); }

    void Initialize() {}

    // Builds the form (from `args`, if the form takes any), stores it in `ref`, fires its
    // OnCreate once, then shows it. Each image's canvas records its calls from the start
    // (TCanvas::Log), for the picture's vector copy; what no longer shows is dropped from
    // the record after a handler (CanvasLog.h).
    template <class TF, class... Args> void CreateForm(TF*& ref, Args&&... args) {
        auto form = std::make_unique<TF>(std::forward<Args>(args)...);
        ref = form.get();
        Adopt(std::move(form));
    }

    void Run() { host_.Run(); }
    void ShowException(const Exception& e) { host_.ShowError(e.Message); }
    std::optional<std::string> AskOpenPath(const TOpenFileQuestion& q) {
        return host_.AskOpenPath(q);
    }
    std::optional<std::string> AskChoice(const TChoiceQuestion& q) { return host_.AskChoice(q); }
    bool SaveText(const TSaveFileQuestion& q, const std::string& text) {
        return host_.SaveText(q, text);
    }
    void OpenURL(const std::string& url) { host_.OpenURL(url); }
    void SetAddress(const std::string& text) { host_.SetAddress(text); }
    std::string Address() { return host_.Address(); }
    // `task` run as a handler (Dispatch) once the window system has done what waits
    // (THost::Later): a slice of long work, which asks for the next slice the same way.
    void Later(std::function<void()> task) {
        host_.Later([this, task = std::move(task)] { Dispatch(task); });
    }

    // Runs one event handler to completion; an escaping exception is shown, not passed on.
    // Then each image makes its picture anew if the handler changed it (TImage::Compose),
    // and the host brings the changes on screen.
    void Dispatch(const std::function<void()>& handler);
    void Click(TControl& control) {
        if (control.OnClick) Dispatch([&] { control.OnClick(&control); });
    }
    // An arrow key pressed in the form's window, which takes it for its own.
    void ArrowKey(TForm& form, TArrowKey key) {
        if (form.OnArrowKey) Dispatch([&] { form.OnArrowKey(key); });
    }
    // The user selected row `row` of a list (-1: none), or moved a slider to `position`:
    // the control takes it as its rules allow, and its OnChange runs if that changed it.
    void Select(TRowList& list, int row);
    void Slide(TSliderValue& slider, int position);
    // A key the list or the slider takes, moved by the toolkit's rule for it.
    void Key(TRowList& list, TListKey key, int page) {
        Select(list, RowAfterKey(list.ItemIndex(), int(list.Rows().size()), page, key));
    }
    void Key(TSliderValue& slider, TSliderKey key) { Slide(slider, PositionAfterKey(slider, key)); }
    // A pixel of the image taken by the pointer or the keys.
    void Pick(TImage& image, TPoint pixel) {
        if (image.OnPick) Dispatch([&] { image.OnPick(pixel); });
    }

    // The wheel over a list's row or an image's pixel, and a drag on an image (TImage):
    // Press answers whether the image took the drag; the binding sends the moves and the
    // release only then. A press whose handler fails takes nothing.
    void Wheel(TRowList& list, int row, TWheel wheel) {
        if (list.OnWheel) Dispatch([&] { list.OnWheel(row, wheel); });
    }
    void Wheel(TImage& image, TPoint pixel, TWheel wheel) {
        if (image.OnWheel) Dispatch([&] { image.OnWheel(pixel, wheel); });
    }
    bool Press(TImage& image, TPoint pixel) {
        bool taken = false;
        if (image.OnPress) Dispatch([&] { taken = image.OnPress(pixel); });
        return taken;
    }
    void Drag(TImage& image, TPoint pixel) {
        if (image.OnDrag) Dispatch([&] { image.OnDrag(pixel); });
    }
    void Release(TImage& image, TPoint pixel) {
        if (image.OnRelease) Dispatch([&] { image.OnRelease(pixel); });
    }

    TForm* MainForm() const { return main_ ? main_->Form.get() : nullptr; }

    // A non-modal window of the program's own beside the main one, kept until the user
    // closes it: one of a kind. Opening a second form of a kind already open drops the new
    // one and raises the open one; either way it returns the form that shows, to be filled
    // in by the caller's handler (after which both windows refresh).
    //
    //     auto& band = dynamic_cast<TBandForm&>(Application->OpenWindow(
    //         std::make_unique<TBandForm>()));
    TForm& OpenWindow(std::unique_ptr<TForm> form);
    // The window of that form was closed: its OnClose runs as a handler (what it changes in
    // the other windows comes on screen), then the form is forgotten.
    void Closed(TForm& form);
    // The open windows beside the main one, in the order they were opened.
    std::vector<TForm*> Windows() const;

  private:
    // A form with its images and their records, which outlive the form: its canvases point
    // at them.
    struct TShownForm {
        std::vector<TImage*> Images;
        std::vector<std::vector<TCanvasCall>> Records;
        std::vector<std::size_t> RecheckAt; // the size at which each record is cut next
        std::unique_ptr<TForm> Form;
    };
    static constexpr std::size_t kRecordBound = 20000; // calls: a dozen pictures

    void Adopt(std::unique_ptr<TForm> form);
    std::unique_ptr<TShownForm> Prepare(std::unique_ptr<TForm> form);
    std::vector<TShownForm*> Shown() const;

    THost& host_;
    TFormatScope format_;
    std::unique_ptr<TShownForm> main_;
    std::vector<std::unique_ptr<TShownForm>> windows_;
};

} // namespace tk
