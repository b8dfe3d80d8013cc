// A set of exercises on the impedance chart for a group of students: the variants its name
// gives, each with its problem in Russian and its answers — as the chart reads them, as
// theory gives them, and the tolerance a paper chart of the printed radius allows. A window
// or the command line fills a TAsk and calls MakeExercises; the files come from
// Documents.h, the check of a student's answers from Check.h.
//
//     TAsk ask{.Group = "ИВТ-21", .Kind = TKind::StubShort, .Count = 30};
//     TExerciseSet set = MakeExercises(ask);   // the same variants for "ИВТ-21" everywhere
//     set.Variants[0].Answers[0]               // {"d", chart 0.169, exact 0.16901, ±0.003, "λ"}
#pragma once

#include "theory/LineTheory.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exercises {

enum class TKind {
    StubShort,   // a shunt stub, shorted
    StubOpen,    // a shunt stub, open
    SeriesStub,  // a shorted stub in series with the line
    DoubleStub,  // two shorted shunt stubs at a spacing, the first at the load
    QuarterWave, // a quarter-wave transformer at the voltage maximum
    LSection,    // an L-section of L and C at a frequency, the shunt element at the load
    LineMove,    // the input of a lossy line (zline's move)
    Reading,     // |Г|, КСВ and КБВ of a load
};

// The kind's word on the command line ("stub-short") and its name in Russian.
std::string_view KindKey(TKind kind);
std::string_view KindName(TKind kind);
std::optional<TKind> KindOfKey(std::string_view key);
// The kinds a program sets: zmatch all but the line's move, zline the move and the reading.
std::vector<TKind> KindsOf(std::string_view program);

inline constexpr int kMostVariants = 200;
inline constexpr double kDefaultRadiusMm = 80;
// The chart with its wavelength scale (1,07 R) and a margin must fit an A4 page's width.
inline constexpr double kSmallestRadiusMm = 30, kLargestRadiusMm = 90;

// What the teacher asks for. A bad value is refused by MakeExercises with a Russian message.
struct TAsk {
    std::string Group; // the group's name or number, any text: it decides the variants
    TKind Kind = TKind::StubShort;
    int Count = 1;                      // 1 to kMostVariants
    double Spacing = 0.125;             // the double stub's, in wavelengths
    double Hz = 500e6;                  // the L-section's frequency
    double RadiusMm = kDefaultRadiusMm; // the printed chart's
};

// A refused ask or answer text, the message in Russian.
struct TExerciseError {
    std::string Message;
};

// One variant's problem: the load on the line, and what the kind adds.
struct TProblem {
    TKind Kind = TKind::StubShort;
    theory::TComplex LoadOhms;
    double LineOhms = 50;
    double Wavelength = 1;  // λ in the problem's unit of length (cm for the move), 1 elsewhere
    double Distance = 0;    // the move's length, in the problem's unit
    double Attenuation = 0; // the move's loss, dB per wavelength
    double Spacing = 0;     // the double stub's
    double Hz = 0;          // the L-section's
};

// The load normalised to the line as the windows divide it, complex by complex, so that the
// exact answers have the programs' own bits.
inline theory::TComplex NormalisedLoad(const TProblem& p) {
    return p.LoadOhms / theory::TComplex(p.LineOhms, 0);
}

// One asked value. Chart: the designed window's reading of the same problem; Exact: the
// programs' exact answer; Tolerance: how far a careful construction on the printed chart
// may stand from Exact. Periodic: a length that repeats every half wavelength.
struct TAnswer {
    std::string Name; // what the student types: "d", "l1", "C1", "S"
    std::string Meaning; // in Russian: «расстояние от нагрузки до шлейфа»
    double Chart = 0, Exact = 0, Tolerance = 0;
    std::string Unit; // "λ", "Ом", "пФ", "нГн", "" for a ratio
    bool Periodic = false;
};

struct TVariant {
    int Number = 1;
    TProblem Problem;
    std::vector<TAnswer> Answers;
};

struct TExerciseSet {
    TAsk Ask;
    std::vector<TVariant> Variants;
};

// The ask checked (TExerciseError otherwise) and its variants drawn from the group's name: round
// numbers, points clear of the rim and the centre, no two alike, each solvable by its kind.
TExerciseSet MakeExercises(const TAsk& ask);

// The variant's problem in Russian, one paragraph: «Группа «ИВТ-21», вариант 3. Нагрузка
// Zн = 100+j50 Ом на линии Zв = 50 Ом. …»; with no group named, «Вариант 3. …».
std::string ProblemText(const TExerciseSet& set, const TVariant& v);

// The group's text as the files show it: well-formed UTF-8 (a stray byte becomes U+FFFD),
// control characters as spaces. TAsk::Group itself stays the bytes typed, which draw the
// variants. "" when nothing but blanks was typed: the files then leave the group out.
std::string GroupText(std::string_view group);

// A number as the problems write it: up to `decimals` places, no trailing zeros, the
// decimal comma ("0,198", "100", "-12,5").
std::string DecimalComma(double v, int decimals);
// A load as the problems write it: "100+j50", "25-j10", "75".
std::string OhmsText(theory::TComplex ohms);

} // namespace exercises
