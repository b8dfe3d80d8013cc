// One form realised in the page: what the page's script needs to build its elements (the
// controls in tab order, the actions of the picture's menu; where the controls stand is
// asked for each width, Layout), and, after every handler, what has changed since the page
// last heard: texts, captions, checks, a list's rows and selection, a slider's range and
// position, tooltips, and the picture's pixels. Nothing here touches the page itself: the
// host hands the texts and pixels over (WebHost.h).
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Geometry.h"
#include "toolkit/PictureShowing.h"
#include "toolkit/ReadingCross.h"
#include "toolkit/RowList.h"
#include "toolkit/SmoothPicture.h"
#include "toolkit/StackedLayout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tkweb {

// What a list or a slider holds beyond its text, compared before its state is written out:
// a list's selected row, a slider's range, position and steps.
struct THeld {
    int Item = -1, Min = 0, Max = 0, Position = 0, Small = 0, Large = 0;
    bool operator==(const THeld&) const = default;
};
THeld HeldOf(const tk::TControl& control);

class FormPage {
  public:
    FormPage(tk::TForm& form, int id, bool main);

    tk::TForm& Form() const { return form_; }
    int Id() const { return id_; }
    // The control with that index in the form's list; nullptr for none.
    tk::TControl* Control(int index) const;
    tk::TImage* Image(int index) const;

    // The whole form for the page to build, as JSON.
    std::string Description() const;
    // What changed since the last call (the first: everything), as JSON; empty when nothing did.
    std::string Changes();
    // The controls' boxes in `width` × `height` CSS pixels, as JSON (FormLayout.cpp): the
    // main form designed at 1024 and wider, stacked below the picture where narrower
    // (StackedLayout.h), its picture fitting the height too (a phone held sideways); a
    // window designed where it fits, its picture shrunk where that keeps half its size,
    // else stacked. `stack`: stacked whatever the width (a window over a stacked main form,
    // which a finger works).
    std::string Layout(int width, int height, bool stack) const;
    // Whether the caption of control `index`, set `textWidth` CSS pixels wide, runs under a
    // neighbour in that layout (toolkit/CaptionFit.h).
    bool CaptionRunsUnder(int index, int textWidth, int width) const;

    // An image's pixels as the page shows them: RGBA, one canvas pixel to the pixel when
    // Block is not 0 (the page then shows each as Block × Block device pixels, never a
    // blur), else scaled by area to the
    // device pixels of `shown` CSS pixels at `ratio` (PictureShowing.h). Only the rows from
    // Top, Rows of them, differ from what the page was last sent: the rest of Bytes is what
    // it shows already. A handler that moves one point changes a few dozen rows.
    struct TPixels {
        const std::uint8_t* Bytes = nullptr;
        tk::TSize Size;
        int Block = 1;
        int Top = 0, Rows = 0;
    };
    // The picture again when it has changed or is to be shown otherwise; nothing when the
    // page already shows it so.
    std::optional<TPixels> Picture(int index, tk::TSize shown, double ratio, bool force);
    // The size the page last asked an image to be shown at, and its ratio.
    struct TShown {
        tk::TSize Css;
        double Ratio = 1;
    };
    TShown ShownAs(int index) const;
    // An image's reading cross; nullptr for a control that is no image.
    tk::TReadingCross* CrossOf(int index);

  private:
    struct TSent {
        std::string Text, Hint;
        THeld Held;
        std::vector<tk::TRowList::TRow> Rows; // a list's
        bool Checked = false, Visible = true, Sent = false;
    };
    struct TImageState {
        int Index = -1;
        TShown Shown;
        std::vector<std::uint32_t> From; // the picture last scaled by area
        std::vector<std::uint32_t> Rgba; // what the page was last sent, as its pixels
        std::optional<tk::SmoothPicture> Smooth;
        tk::TPictureShowing Showing;
        bool Overlay = false;
        tk::TReadingCross Cross;
    };
    std::string ControlJson(int index) const;
    bool Stacked(int width) const;
    // The right edge of the controls beside the picture.
    int ColumnWidth() const;
    tk::TRect BoxOf(const tk::TControl& c, int width, const tk::StackedLayout& layout) const;
    TImageState* StateOf(int index);

    tk::TForm& form_;
    int id_;
    bool main_;
    std::vector<TSent> sent_;
    std::vector<TImageState> images_;
    std::string caption_;
    bool sentOnce_ = false;
};

// The text the page shows for a control: a label's or button's caption, a field's text.
const std::string& ShownText(const tk::TControl& control);

} // namespace tkweb
