// The options of the methods window (MethodsForm.h), each kind described once: its row in
// the window, its name on the command line, its key in the JSON, and how its field is read
// into methods::TMethodOptions with the messages that refuse it. A method names the kinds it
// reads (methods::TMethod::Options); the window lays out a row for every kind some method of
// its list reads, the command line takes --first-stub for the double stub and refuses it for
// the others, from these descriptions alone.
//
//     kind        row                              command line           JSON
//     wavelength  (the main window's «Длин. волн.») --wavelength 1         "wavelength"
//     stub        «Тип шлейфа», two radio buttons  --stub short|open      "stub"
//     first stub  «Первый шлейф от нагрузки, λ»    --first-stub 0
//     spacing     «Между шлейфами, λ», λ/8 …       --spacing 0.125
//     frequency   «Частота (для L и C)»            --frequency 433.92MHz
#pragma once

#include "zmatch/methods/Method.h"

#include "toolkit/Controls.h"
#include "toolkit/Exceptions.h"

#include <span>
#include <string>

namespace zmatch {

// One of the radio buttons a choice is made with.
struct TOptionChoice {
    const char* Word;    // on the command line and in the JSON: "short"
    const char* Caption; // «Коротко замкнутый»
    const char* Name;    // the radio button's: "ShortStubButton"
    void (*Set)(methods::TMethodOptions& options);
};

// A button beside a field that types a value into it: «λ/8».
struct TOptionPreset {
    const char* Caption;
    const char* Name; // "SpacingEighthButton"
    double Value;
};

struct TOptionDesc {
    methods::TOptionKind Kind{};
    const char* Flag = nullptr;    // on the command line, without the dashes: "first-stub"
    const char* JsonKey = nullptr; // echoed at the head of the JSON answer; nullptr: not echoed
    // The row's label, or the group box of a choice; nullptr: no row in this window (the
    // wavelength is the main window's field).
    const char* Caption = nullptr;
    const char* Name = nullptr;      // the field's, or the group box's: "FirstStubEdit"
    const char* LabelName = nullptr; // the label's: "FirstStubLabel"
    const char* Hint = nullptr;      // the field's tooltip
    // The value it has until one is typed, written as on the command line (with a point):
    // "0.125", "short"; "" for an empty field.
    const char* Default = "";
    // Whether the command line's value is a number written with a point or with the user's
    // separator, typed into the field in the user's way; otherwise it goes in as written.
    bool Number = false;
    std::span<const TOptionChoice> Choices = {}; // a choice in place of a field
    std::span<const TOptionPreset> Presets = {};
    // The field read: its value, or a toolkit exception with the message that refuses it.
    double (*Read)(const tk::TEdit& field) = nullptr;
    double methods::TMethodOptions::*Value = nullptr; // where the value read goes
    // Why the command line refuses it with a method that does not read it, after «--flag».
    const char* Unread = nullptr;
    // Why zmatch refuses it without --method, after «--flag» — »; nullptr: the main window
    // reads it too.
    const char* WithoutMethod = nullptr;
    // Also the band's f0: taken by every method with --band or a file.
    bool BandToo = false;
};

// The kinds in the order they are read and laid out.
std::span<const TOptionDesc> OptionKinds();
const TOptionDesc& OptionOf(methods::TOptionKind kind);

// An option the window refuses: the message, and the kind of option it was read for, so
// that the command line names its own option for it whatever the message says.
class EOptionError : public tk::Exception {
  public:
    EOptionError(methods::TOptionKind option, std::string message)
        : tk::Exception(std::move(message)), Option(option) {}
    methods::TOptionKind Option;
};

// A spacing too near a whole number of half wavelengths (methods::ResolvableSpacing), with
// the nearest that is not.
std::string SpacingMessage(double spacing);
extern const char* const kFirstStubMessage;
extern const char* const kStubDistanceRangeMessage;

} // namespace zmatch
