// The programs' answers on the command line, without a window: the options read, then one
// load (or, with "--load -", one load a line of standard input) put through the very
// handlers the window runs, on a form of its own that is never shown.
//
//     $ zmatch --load 100+50j --line 50 --wavelength 1 --stub short
//     Zнн=2,00+j1,00
//     ...
//
// Status 0: every load answered; 1: a load refused (its message on standard error, or in
// its own line in a batch); 2: a bad option or number, said on standard error before any
// answer is written.
#pragma once

#include "chart/ConstructionSteps.h"
#include "measured/MeasuredLoad.h"
#include "toolkit/Canvas.h"
#include "toolkit/Utf8.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace cli {

// A program's own option: its name without dashes, whether a value follows it, and a value
// to show when one is missing ("50" for --line).
struct TOption {
    std::string Name;
    bool TakesValue = true;
    const char* Example = "";
};

// The options as given: name -> value ("" for a flag).
using TValues = std::map<std::string, std::string>;

// A bad option or value: the message says which.
// A refusal of what was typed on the command line. Its message quotes the user's words,
// whatever bytes they held; it is made well-formed UTF-8 here, once for every refusal, so
// that a terminal or a JSON reader shows it: a stray byte becomes U+FFFD.
struct TUsageError {
    explicit TUsageError(std::string message) : Message(tk::WellFormedUtf8(message)) {}
    std::string Message;
};

struct TAnswer {
    bool Refused = false;
    std::string Message; // why the chart refused the load
    std::string Text;    // the labels as the window shows them, then the exact answers
    std::string Json;    // one object, on one line
};

// A program's form, kept for one run: answers one load text after another.
class TSession {
  public:
    virtual ~TSession() = default;
    virtual TAnswer Answer(const std::string& load) = 0;
    // The construction of the last load answered, its canvas's log kept from the start.
    virtual const tk::TCanvas& Picture() const = 0;
    // What the picture shows, for a document's title: «Zн = 100+j50 Ом, Zв = 50 Ом».
    virtual std::string PictureTitle() const = 0;
    // The construction of the last load answered, step by step (--steps).
    virtual const chart::TConstructionSteps& Steps() const = 0;
};

// The load taken from a Touchstone file (--touchstone FILE --frequency F) in place of --load.
struct TFileLoad {
    std::string Path;
    measured::TMeasuredLoad Measured;
    double Hz = 0; // the frequency asked for
    measured::TLoadAtFrequency At;
};

struct TProgram {
    const char* Name;
    std::vector<TOption> Options; // besides --load, --json, --picture, --touchstone, --frequency
    // Reads the options' values; a bad one throws TUsageError. `file`: the load's file, when
    // it comes from one.
    std::function<std::unique_ptr<TSession>(const TValues&, const TFileLoad* file)> Open;
    // What --help tells of the command line, after the window's options.
    const char* Help = nullptr;
};

// Writes the picture to a file, whole or not at all, with a title for a document that has
// one («zmatch — Zн = 100+j50 Ом, Zв = 50 Ом»); raises a toolkit exception saying why.
using TWritePicture =
    std::function<void(const tk::TCanvas&, const std::string& path, const std::string& title)>;

// Whether the command line asks for answers (names one of the program's options, --load,
// --json, --picture, --touchstone or --frequency) rather than for the window.
bool AsksForAnswers(const TProgram& program, int argc, char** argv);

int Run(const TProgram& program, int argc, char** argv, const TWritePicture& writePicture,
        std::istream& in, std::ostream& out, std::ostream& err);

} // namespace cli
