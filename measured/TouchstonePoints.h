// A Touchstone file's data lines gathered into points. A point begins on a line of its own
// with its frequency and runs over as many lines as its pairs need, each line after the
// first holding whole pairs: a two-port's 9 numbers on one line, or 5 and 4 on two, as an
// oscilloscope's software writes them. A line that does not fit what the point lacks cuts
// it short, so that lines of 3 numbers in a .s2p are refused, not read three to a point. Each whole
// point's frequency is checked and its parameters become the load port 1 presents
// (measured/NetworkLoad.h); a point without a finite load (an open circuit) is kept, without one,
// for the programs to refuse when it is asked for.
//
//     TPoints points(options, {9, 2, false}, 50, 50, true);
//     points.Add(ReadLineNumbers("1 0.1 0 0.9 0", 5), 5);
//     points.Add(ReadLineNumbers("0.9 0 0.1 0", 6), 6);  // the point at 1 GHz is whole
#pragma once

#include "measured/MeasuredLoad.h"
#include "measured/TouchstoneHeader.h"

#include <cstddef>
#include <string_view>

namespace measured::touchstone {

// Far more than a network analyser measures (100 001 points at most), far less than would
// strain memory (40 bytes a point).
constexpr std::size_t kMaxPoints = 1'000'000;

// The numbers of one data line: how many, the first nine (as many as a point's load can
// need) and the first word, the frequency's when the line begins a point.
struct TLineNumbers {
    std::size_t Count = 0;
    double First[9] = {};
    std::string_view FirstWord;
};

// Every word of the line a number; one that is none is refused on the line.
TLineNumbers ReadLineNumbers(std::string_view text, std::size_t line);

// How one point's numbers lie: the frequency, then the pairs.
struct TPointLayout {
    std::size_t Numbers = 3; // in all: 1 + 2 × the pairs
    long long Ports = 1;     // the load is port 1's; of more than two ports, S only
    bool Triangular = false; // a two-port as N11, N21 (= N12), N22
};

class TPoints {
  public:
    // `r1`, `r2`: the ports' references; `normalised`: Z and Y given per unit of R, as
    // version 1 writes them.
    TPoints(const TOptions& options, TPointLayout layout, double r1, double r2, bool normalised);

    void Add(const TLineNumbers& numbers, std::size_t line);
    // The data end before `line` (0: at the file's end); a point begun must be whole.
    void End(std::size_t line) const;

    bool Begun() const { return have_ != 0; } // a point's first numbers are in
    bool Empty() const { return load_.Points.empty(); }
    double LastHz() const { return load_.Points.back().Hz; }
    std::size_t Size() const { return load_.Points.size(); }
    double HzPerUnit() const { return options_.HzPerUnit; }

    // The load, at least one of its points with a finite load, or a refusal of the file.
    TMeasuredLoad Take();

  private:
    void Complete();

    TOptions options_;
    TPointLayout layout_;
    double r1_, r2_;
    bool normalised_;
    // The point being gathered: how many of its numbers are in, the first nine, the line it
    // began on and its frequency's word.
    std::size_t have_ = 0, start_ = 0;
    double numbers_[9] = {};
    std::string_view frequencyWord_;
    TMeasuredLoad load_;
};

} // namespace measured::touchstone
