// The fuzz targets' harness: turns an input's bytes into a session at one program's window
// (what is typed into its edits, its radio buttons and check box, a run of button presses)
// and checks, after every press, what must hold whatever was typed. It is built with the
// ordinary compiler too, so that the inputs kept under fuzz/ replay as ordinary tests.
//
// An input is read as lines, so that the files of the initial corpus read as text:
//   line 1       the script. '1' and '2' press Button1 and Button2; 'a' and 'b' check
//                RadioButton1 and RadioButton2; 'C' and 'c' check and uncheck CheckBox1,
//                where the window has one; '>' types the next group of field lines. A ','
//                as the very first byte makes the comma the decimal separator, the point
//                being the default. Every other byte is ignored, and presses past
//                kMaxPresses are too.
//   line 2 on    the texts of the edits, in groups of one line per edit in the program's
//                order; the first group is typed before the script starts. A group cut
//                short leaves the remaining edits as they are.
// Lines end at '\n' alone: '\r', NUL and every other byte belong to the text.
#pragma once

#include "chart/ChartState.h"
#include "toolkit/Canvas.h"
#include "toolkit/Controls.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zfuzz {

// A press redraws the whole chart; more of them add time, not paths.
inline constexpr std::size_t kMaxPresses = 8;

// What a failed press may leave changed; everything else must be as it was before it.
struct TLeeway {
    std::vector<std::string> Labels;
    bool Picture = false;                         // the bitmap, pen, brush and pen position
    bool Pen = false;                             // the pen alone
    void (*State)(chart::TChartState&) = nullptr; // clears the members that may change
};

struct TRead {
    TRead(std::string edit, TLeeway leeway = {})
        : Edit(std::move(edit)), Leeway(std::move(leeway)) {}

    std::string Edit;
    TLeeway Leeway; // when this edit is the one that does not parse
};

struct TPress {
    TPress(std::string button, std::vector<TRead> reads = {}, std::size_t firstReads = 0,
           TLeeway otherFailure = {})
        : Button(std::move(button)), Reads(std::move(reads)), FirstReads(firstReads),
          OtherFailure(std::move(otherFailure)) {}

    std::string Button;
    std::vector<TRead> Reads; // the edits the handler parses, in its order
    // How many of Reads come before anything else that can stop the handler: when one of
    // these does not parse, the handler must stop with a conversion error.
    std::size_t FirstReads;
    TLeeway OtherFailure; // after any exception other than a conversion error
};

// One program's window as the harness drives it.
struct TProgram {
    std::vector<std::string> Edits; // in the order an input types them
    std::vector<TPress> Buttons;    // '1' presses Buttons[0], '2' Buttons[1]
    bool HasCheckBox = false;       // CheckBox1
    using TCreate = std::function<std::unique_ptr<tk::TForm>(chart::TChartState&)>;
    TCreate Create;
};

// A program as its form describes it: every edit in the form's order; "Показать точку"
// (Button1) reads the load's fields and may stop at the first, the second button reads
// every other field before anything else can stop it; CheckBox1 where the form has one.
TProgram ProgramOfForm(const tk::TFormDesc& form, TProgram::TCreate create);

// The window just after its start-up: the grid is the same every time, so a session starts
// from a copy of this instead of drawing it again.
struct TStartUp {
    std::string Failure;                                     // "" when the start-up went through
    std::vector<std::pair<std::string, std::string>> Labels; // name, caption
    std::vector<std::pair<std::string, std::string>> Edits;  // name, text
    std::vector<std::pair<std::string, std::string>> Hints;  // every control's, by name
    std::vector<std::pair<std::string, bool>> Checks;        // radio buttons and check boxes
    chart::TChartState State;
    std::vector<std::uint32_t> Picture;
    tk::TPen Pen;
    tk::TBrush Brush;
    tk::TPoint PenPos;
};

// Opens the program's window and runs its start-up.
TStartUp StartUp(const TProgram& program);

// A window with its chart state, made once and set back to the start-up before each session,
// so that a session does not pay for a new window and its 2 MB canvas.
struct TWindow {
    explicit TWindow(const TProgram& program) : Form(program.Create(State)) {}
    chart::TChartState State;
    std::unique_ptr<tk::TForm> Form;
};

// Plays one input on `window`, set back to what `started` holds first; returns "" when every
// check held, otherwise what broke first.
std::string Replay(const TProgram& program, const TStartUp& started, TWindow& window,
                   std::span<const std::uint8_t> input);
// The same on a fresh window, running the start-up first.
std::string Replay(const TProgram& program, std::span<const std::uint8_t> input);

// The program this harness library was built for.
const TProgram& Program();

} // namespace zfuzz
