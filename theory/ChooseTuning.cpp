// Powell, M.J.D. "The BOBYQA algorithm for bound constrained optimization without
// derivatives", Cambridge NA Report NA2009/06, through dlib's find_min_bobyqa.
#include "theory/ChooseTuning.h"
#include "theory/PortableMath.h"

#include <dlib/optimization/optimization_bobyqa.h>

// dlib's headers ask the linker for two symbols its compiled library defines, so that a
// program built with one configuration of dlib is not linked with another. Only dlib's
// header templates are used here, and no dlib library is linked: this file defines them, as
// dlib's own all/source.cpp would. An optimised build drops the references; an unoptimised
// one (the sanitizers' Debug build) keeps them and needs these.
#ifdef ENABLE_ASSERTS
extern "C" const int USER_ERROR__inconsistent_build_configuration__see_dlib_faq_1 = 0;
#else
extern "C" const int USER_ERROR__inconsistent_build_configuration__see_dlib_faq_1_ = 0;
#endif
#ifdef DLIB_CHECK_FOR_VERSION_MISMATCH
extern "C" const int DLIB_CHECK_FOR_VERSION_MISMATCH = 0;
#endif

#include <algorithm>
#include <cmath>
#include <vector>

namespace theory {

namespace {

using TVector = dlib::matrix<double, 0, 1>;

// λ/20: a length's unit in the scaled space, so that a step of 1 there is as big a change
// as a step of 1 in an L's or C's logarithm (e: about ×2,7).
constexpr double kLengthUnit = 0.05;

double Scaled(const TFree& f, double v) {
    return f.Log ? portable::Log(v) : v / kLengthUnit;
}
double Unscaled(const TFree& f, double u) {
    return f.Log ? portable::Exp(u) : u * kLengthUnit;
}

} // namespace

TChain Tuned(const TChain& start, std::span<const TFree> free, const TChainCost& cost,
             int evaluations) {
    std::vector<TFree> moving;
    for (const TFree& f : free)
        if (f.High > f.Low && (!f.Log || f.Low > 0) && f.Element < start.Elements.size())
            moving.push_back(f);
    TChain chain = start;
    const long n = long(moving.size());
    if (n < 2) return chain;
    TVector x(n), lower(n), upper(n);
    double narrowest = INFINITY;
    for (long i = 0; i < n; ++i) {
        const TFree& f = moving[std::size_t(i)];
        lower(i) = Scaled(f, f.Low);
        upper(i) = Scaled(f, f.High);
        const double v = chain.Elements[f.Element].Value;
        x(i) = std::clamp(Scaled(f, std::isfinite(v) ? v : f.Low), lower(i), upper(i));
        narrowest = std::fmin(narrowest, upper(i) - lower(i));
    }
    const auto at = [&](const TVector& u) {
        TChain c = start;
        for (long i = 0; i < n; ++i) {
            const TFree& f = moving[std::size_t(i)];
            c.Elements[f.Element].Value = Unscaled(f, std::clamp(u(i), lower(i), upper(i)));
        }
        return c;
    };
    // The best seen is kept: BOBYQA gives up by throwing, its last point lost with it.
    TVector best = x;
    double bestCost = INFINITY;
    const auto f = [&](const TVector& u) {
        const double c = cost(at(u));
        const double finite = std::isfinite(c) ? c : 1e30;
        if (finite < bestCost) {
            bestCost = finite;
            best = u;
        }
        return finite;
    };
    const double rhoBegin = std::fmin(0.5, 0.45 * narrowest);
    try {
        dlib::find_min_bobyqa(f, x, 2 * n + 1, lower, upper, rhoBegin, rhoBegin * 1e-4,
                              std::max(evaluations, int(2 * n + 3)));
    } catch (const dlib::bobyqa_failure&) {
        // Out of evaluations, or no progress: the best seen stands.
    }
    return at(best);
}

} // namespace theory
