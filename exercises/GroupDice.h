// The variants' dice, the same on every platform: the group's name (with the kind) hashed with FNV-1a (64
// bits) and the hash run through splitmix64, both in unsigned integer arithmetic alone, so
// no floating point, library or platform can change a variant.
//
// Sources: FNV-1a as Fowler, Noll and Vo publish it (offset basis 14695981039346656037,
// prime 1099511628211); splitmix64 as Steele, Lea and Flood give it ("Fast splittable
// pseudorandom number generators", OOPSLA 2014), the constants of Vigna's public-domain C.
//
//     TGroupDice dice(Fnv1a64("ИВТ-21|stub-short"));
//     int r = dice.Between(2, 40); // the same number on Linux, Windows and in the browser
#pragma once

#include <cstdint>
#include <string_view>

namespace exercises {

std::uint64_t Fnv1a64(std::string_view bytes);

class TGroupDice {
  public:
    explicit TGroupDice(std::uint64_t start) : state_(start) {}
    std::uint64_t Next();
    // A whole number in [low, high], low <= high: the top bits of Next taken modulo the
    // count (a bias below 2^-50 for the counts a variant draws, far beneath notice).
    int Between(int low, int high);

  private:
    std::uint64_t state_;
};

} // namespace exercises
