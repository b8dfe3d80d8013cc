// Choosing a matching network for a load across a band: every way of matching it (single
// stubs, series stubs, double stubs, quarter-wave sections, L-sections, π and T networks),
// each started from its exact solution at f0, tuned so that the worst КСВ across the band is
// as small as it goes, put on parts that can be bought (E12, E24, E96 values with their Q;
// stubs no longer than allowed; quarter-wave sections only of the impedances offered), and
// ranked by how well it holds.
//
// The search is done a topology at a time, so that a window can show its progress and stop
// it (TChooser::Step); Choose does it all at once.
//
//     TChooseAsk ask;  ask.Load = {{100, 50}, {50, 0}, TLoadModel::Series, nullptr, 1e9};
//     ask.Low = 0.95;  ask.High = 1.05;  ask.Parts = TPartsSeries::E24;
//     Choose(ask).front().Chain   // the best network, as the chain window takes it
#pragma once

#include "theory/BandResponse.h"
#include "theory/Chain.h"

#include <memory>
#include <string>
#include <vector>

namespace theory {

enum class TPartsSeries { Ideal, E12, E24, E96 };

struct TChooseAsk {
    TBandLoad Load;            // the load across the band, its line's Zв and f0 (needed)
    double Low = 0.95;         // the band, as f/f0: ±5 % by default
    double High = 1.05;
    double MaxVswr = 2;        // the КСВ the user accepts
    TPartsSeries Parts = TPartsSeries::Ideal;
    double QInductor = 0;      // at f0; 0: lossless
    double QCapacitor = 0;
    double StubOhms = 0;       // lines and stubs: their Zв; 0: the line's
    double StubMax = 0.5;      // the longest stub allowed, λ at f0
    std::vector<double> SectionOhms{50, 75}; // quarter-wave sections' Zт offered
    bool IdealSection = false;               // any Zт a quarter-wave section needs
    std::vector<double> Spacings{0.125, 0.375}; // double stubs' spacings, λ
    double LoadedQ = 5;        // π and T networks
    double Vf = 1;             // velocity factor for lengths in mm
    int Points = 201;          // frequencies across the band
};

struct TChoice {
    std::string Topology;   // in Russian: «Параллельный шлейф КЗ, 1-е решение»
    TChain Chain;           // as built, from the load toward the generator
    double WorstVswr = 0;   // across the band
    double Width = 0;       // the fraction of the band where КСВ <= MaxVswr
    double LossDb = 0;      // what the parts' Q costs at f0
    int Parts = 0;          // elements to build
    double ExactWorstVswr = 0; // the topology's exact f0 solution, untuned, across the band
};

// Best first: the lower worst КСВ; ties (within 1e-9) to fewer parts, then the lower loss.
bool RanksBefore(const TChoice& a, const TChoice& b);

// The search, a topology at a time. Raises a toolkit exception in Russian for an ask that
// cannot be searched (an empty or reversed band, a band outside a measured load's
// frequencies, a Q below 0, no f0).
class TChooser {
  public:
    explicit TChooser(const TChooseAsk& ask);
    ~TChooser();
    TChooser(const TChooser&) = delete;
    TChooser& operator=(const TChooser&) = delete;

    // Solves the next topology; false when none is left.
    bool Step();
    int Done() const;
    int Total() const;
    // What has been found so far, best first.
    std::vector<TChoice> Ranked() const;

  private:
    struct TState;
    std::unique_ptr<TState> State;
};

std::vector<TChoice> Choose(const TChooseAsk& ask);

// The table as text, a row a choice, best first, with a heading: topology, values as built
// (nH, pF, λ and mm at the ask's velocity factor), worst КСВ, width, loss, parts. Tabs
// between the columns, for a spreadsheet.
std::string ChoiceTableText(const std::vector<TChoice>& ranked, const TChooseAsk& ask);

// Why the first is first: a paragraph a step, in Russian, for the steps window.
std::vector<std::string> ChoiceReasons(const std::vector<TChoice>& ranked,
                                       const TChooseAsk& ask);

} // namespace theory
