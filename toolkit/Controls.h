// Plain control objects. Handlers read and write these and nothing else, so every handler
// runs headless; a window binding (toolkit/qt) realises them as widgets and keeps the
// widgets and these objects in step.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Color.h"
#include "toolkit/VectorPicture.h"

#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk {

class TApplication;

class TObject {
  public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// A turn of the mouse wheel: whole notches, +1 a notch away from the user (up), -1 toward;
// `Coarse` while Ctrl or Shift is held, for a step larger than one notch's.
struct TWheel {
    int Notches = 0;
    bool Coarse = false;
};

// RowList and SliderValue are described in RowList.h and SliderValue.h.
enum class TControlKind {
    Image,
    Label,
    Edit,
    Button,
    GroupBox,
    RadioButton,
    CheckBox,
    RowList,
    SliderValue
};
enum class TCursor { crDefault, crHandPoint };

struct TFont {
    std::string Name = "Tahoma";
    int Size = 8; // points at 96 dpi
    TColor Color = clBlack;
};

// One control of a form as designed: where it stands, what it says, where Tab reaches it.
struct TControlDesc {
    TControlKind Kind;
    const char* Name;
    const char* Parent; // nullptr: the form
    int Left, Top, Width, Height;
    // Caption, an edit's initial text, a list's column headings parted by tabs, or the
    // text beside a slider.
    const char* Caption;
    int TabOrder = -1; // within the parent; -1 for controls Tab does not reach
    bool Checked = false;
    bool Link = false; // blue text with a hand cursor
};

// Each kind of control is built from its description by its own constructor; the form
// looks the parent up by name. Fields and labels can also stand alone, outside any form, as
// the chart's routines are tested with: `tk::TEdit edit1{"Edit1"};`.
class TControl : public TObject {
  public:
    TControl(const TControlDesc& desc, TControl* parent);
    TControl(TControlKind kind, std::string name) : Kind(kind), Name(std::move(name)) {}

    const TControlKind Kind;
    const std::string Name;
    TControl* Parent = nullptr; // nullptr: the form itself
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int TabOrder = -1; // -1: not a tab stop
    TFont Font;
    TCursor Cursor = TCursor::crDefault;
    std::string Hint;    // shown when the pointer rests on the control; empty: nothing
    bool Visible = true; // a hidden control takes no room from the others; it keeps its place
    TNotifyEvent OnClick;
};

class TLabel : public TControl {
  public:
    TLabel(const TControlDesc& desc, TControl* parent)
        : TControl(desc, parent), Caption(desc.Caption) {}
    explicit TLabel(std::string name) : TControl(TControlKind::Label, std::move(name)) {}
    std::string Caption;
};

class TEdit : public TControl {
  public:
    TEdit(const TControlDesc& desc, TControl* parent)
        : TControl(desc, parent), Text(desc.Caption) {}
    explicit TEdit(std::string name) : TControl(TControlKind::Edit, std::move(name)) {}
    std::string Text;
};

class TButton : public TControl {
  public:
    TButton(const TControlDesc& desc, TControl* parent)
        : TControl(desc, parent), Caption(desc.Caption) {}
    std::string Caption;
};

class TGroupBox : public TControl {
  public:
    TGroupBox(const TControlDesc& desc, TControl* parent)
        : TControl(desc, parent), Caption(desc.Caption) {}
    std::string Caption;
};

class TCheckBox : public TControl {
  public:
    TCheckBox(const TControlDesc& desc, TControl* parent)
        : TControl(desc, parent), Caption(desc.Caption), Checked(desc.Checked) {}
    std::string Caption;
    bool Checked = false;
};

class TForm;

// Radio buttons with the same parent exclude each other: one designed checked unchecks
// the siblings built before it.
class TRadioButton : public TControl {
  public:
    TRadioButton(const TControlDesc& desc, TControl* parent, TForm& form);
    std::string Caption;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

  private:
    TForm& form_;
    bool checked_ = false;
};

class TImage : public TControl {
  public:
    TImage(const TControlDesc& desc, TControl* parent)
        : TControl(desc, parent), Canvas(desc.Width, desc.Height) {}
    TCanvas Canvas;

    // A layer the form may lay over the picture (the chart's admittance grid): `Draw` draws
    // it once, in black on a white canvas of the image's size; while it is shown, the layer
    // shows in `Ink` through the canvas's white (ComposeOverlay, Overlay.h), so it never
    // hides what the canvas holds. Hidden at start.
    struct TOverlay {
        std::function<void(TCanvas&)> Draw;
        TColor Ink = clBlack;
    };
    TOverlay Overlay;
    bool OverlayShown() const { return composed_ != nullptr; }
    // Shows or hides the layer; without a layer to draw, nothing shows.
    void ShowOverlay(bool shown);
    // Makes the picture anew where the canvas has changed since it was made (TApplication
    // calls it after every handler): a paint only reads it.
    void Compose();

    // Another picture shown in the canvas's place (the chart as it stood after a step of its
    // construction), the layer still laid over it while it is shown, until ShowOwn. The
    // canvas goes on recording and is drawn on as ever; it only does not show meanwhile.
    void ShowInstead(TCanvas picture);
    void ShowOwn();
    bool ShowsOwn() const { return instead_ == nullptr; }

    // What the window shows, copies, saves and prints: the canvas (or the picture shown
    // instead), with the layer while it is shown.
    const TCanvas& Picture() const { return composed_ ? *composed_ : Shown(); }
    // The layer's calls for the vector copies (PDF, print), played after the canvas's;
    // none while it is hidden.
    TOverlayCalls OverlayCalls() const;

    // Reading the picture anywhere. OnReadout: what the picture says about the canvas
    // pixel under the pointer or the reading cross, one value to a line («z = 1,00 +
    // j1,00» ...); empty where it says nothing. The window shows it beside the point and
    // hands it to assistive technology; it changes nothing, so it runs on every move.
    std::function<std::string(TPoint pixel)> OnReadout;
    // OnPick: a pixel taken with a double-click or with Enter on the reading cross. It
    // runs as an event handler (TApplication::Pick).
    std::function<void(TPoint pixel)> OnPick;
    // Where the reading cross starts when the picture takes the focus.
    TPoint ReadingStart;

    // The wheel turned over a pixel (TApplication::Wheel); none: the wheel does nothing here.
    std::function<void(TPoint pixel, TWheel wheel)> OnWheel;
    // A drag with the main button. OnPress runs where it went down and answers whether the
    // picture takes the drag from there (a point the user can move lies under it); only
    // then OnDrag runs on every move, with the pointer's pixel, and OnRelease where it came
    // up. A press not taken is left as it was: the pointer still reads, a double-click still
    // picks. Each runs as a handler (TApplication::Press, Drag, Release).
    std::function<bool(TPoint pixel)> OnPress;
    std::function<void(TPoint pixel)> OnDrag;
    std::function<void(TPoint pixel)> OnRelease;

  private:
    const TCanvas& Shown() const { return instead_ ? *instead_ : Canvas; }

    std::unique_ptr<TCanvas> instead_;        // shown in the canvas's place, or none
    std::unique_ptr<TCanvas> layer_;          // drawn on first showing
    std::vector<TCanvasCall> layerCalls_;     // its record
    std::unique_ptr<TCanvas> composed_;       // the picture while the layer shows
    std::vector<std::uint32_t> composedFrom_; // the canvas it was made from
};

// What an action of a form does. The window binding carries it out with the platform's
// clipboard, dialogs and printers, on the picture of the form's image. ToggleOverlay shows
// or hides the image's layer; its menu row is checked while the layer shows.
// Command runs the form's own function for the action (opening a window of the program's).
enum class TActionKind { CopyPicture, SavePicture, PrintPicture, CopyText, ToggleOverlay, Command };

// Keys by their meaning; the binding gives each the platform's usual ones (Copy: Ctrl+C),
// Overlay Ctrl+G (the grid), Band Ctrl+B (a band's window), Open Ctrl+O, Steps F1 (the
// construction step by step), Methods Ctrl+M (other ways of matching), Chain F2 (a chain of
// elements of the user's own), Choose F3 (the choice of a network across a band), Stop Esc
// (a search stopped) and Exercises F4 (a teacher's set of exercises).
enum class TShortcut { None, Copy, Save, Print, Overlay, Band, Open, Steps, Methods, Chain,
                       Choose, Stop, Exercises };

// The arrow keys, which a form may take for its own (TForm::OnArrowKey).
enum class TArrowKey { Left, Up, Right, Down };

// Whether a control keeps the arrow keys when its form takes them: a field for its caret,
// a list for its selection, a slider for its position.
inline bool KeepsArrowKeys(TControlKind kind) {
    return kind == TControlKind::Edit || kind == TControlKind::RowList ||
           kind == TControlKind::SliderValue;
}

// One action of a form as designed, offered in its image's context menu and by its keys
// anywhere in the window: {"Копировать рисунок", TShortcut::Copy, TActionKind::CopyPicture}.
struct TActionDesc {
    const char* Caption;
    TShortcut Shortcut;
    TActionKind Kind;
    // CopyText: the text it copies, made from the form when the action runs. SavePicture
    // and PrintPicture: what the picture shows, for a document's title («Zн = 100+j50 Ом,
    // Zв = 50 Ом»); none: the program's name alone.
    std::string (*Text)(const TForm& form) = nullptr;
    // Command: what it does, to the form whose menu it was chosen from.
    void (*Command)(TForm& form) = nullptr;
};

struct TFormDesc {
    const char* Caption;
    int ClientWidth, ClientHeight;
    std::span<const TControlDesc> Controls;
    std::span<const TActionDesc> Actions = {};
};

class TForm : public TObject {
  public:
    // Builds every control of the description; throws Exception on a malformed one, or on
    // an action that copies text but names nothing to make it, or a command without its function.
    explicit TForm(const TFormDesc& desc);

    std::string Caption;
    int ClientWidth, ClientHeight;
    TNotifyEvent OnCreate;
    // The user has closed the form's window (one beside the main one); the form is
    // forgotten after it.
    TNotifyEvent OnClose;
    // An arrow key anywhere in the window, when set: the window's, not its controls' (the
    // focus stays where it is).
    std::function<void(TArrowKey key)> OnArrowKey;
    TApplication* Application = nullptr; // set by TApplication::CreateForm

    const std::vector<std::unique_ptr<TControl>>& Controls() const { return controls_; }
    TControl* FindControl(std::string_view name) const;
    const std::vector<TActionDesc>& Actions() const { return actions_; }

    // Whether `other` stands for the same window beside the main one, which
    // TApplication::OpenWindow raises rather than opening another: by default a window of
    // the same class.
    virtual bool SameWindow(const TForm& other) const;

    // The control of that name and class; throws std::logic_error when there is none: the
    // names are the form's own, so a wrong one is a fault in the program, not in its input.
    template <class T> T* Get(std::string_view name) const {
        T* control = dynamic_cast<T*>(FindControl(name));
        if (!control) throw std::logic_error("no such control: " + std::string(name));
        return control;
    }

  private:
    std::vector<std::unique_ptr<TControl>> controls_;
    std::vector<TActionDesc> actions_;
};

} // namespace tk
