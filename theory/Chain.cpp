// Each element's chain matrix from first principles: a series impedance Z is [1 Z; 0 1], a
// shunt admittance Y is [1 0; Y 1], a line of Zc and γl = αl + jβl is
// [ch γl, Zc·sh γl; sh γl / Zc, ch γl], an ideal n : 1 transformer [n 0; 0 1/n]. The
// hyperbolic functions of a complex argument are built from the portable sine, cosine and
// 10^x, so that the answers are the same on every platform.
#include "theory/Chain.h"

#include "theory/ComplexQuotient.h"

#include "theory/PortableMath.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace theory {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kLightMetresPerSecond = 299792458.0;

bool IsOpen(TComplex z) {
    return std::isinf(z.real()) || std::isinf(z.imag());
}

TAbcd SeriesOf(TComplex z) {
    return {1, z, 0, 1};
}
TAbcd ShuntOf(TComplex y) {
    return {1, 0, y, 1};
}

// A lumped L or C: its reactance at f = ratio·f0, then the loss |X|/Q in series with it.
TComplex LumpedImpedance(const TChainElement& e, double f0Hz, double ratio) {
    const double omega = 2 * Pi * f0Hz * ratio;
    double x = 0;
    if (e.Kind == TChainKind::L)
        x = e.Reactance ? e.Value * ratio : omega * e.Value;
    else
        x = e.Reactance ? -e.Value / ratio : -1 / (omega * e.Value);
    const double r = e.Q > 0 ? std::fabs(x) / e.Q : 0;
    return {r, x};
}

// The line's or stub's own Zв in ohms.
double OwnZ0(const TChainElement& e, const TChain& chain) {
    return e.Z0 > 0 ? e.Z0 : chain.LineOhms;
}

// Wavelengths of the line at f = ratio·f0: its physical length kept.
double WavesAt(const TChainElement& e, const TChain& chain, double ratio) {
    const double atF0 = e.Vf > 0 ? e.Value * chain.F0Hz / (e.Vf * kLightMetresPerSecond) : e.Value;
    return atF0 * ratio;
}

TAbcd LineAbcd(const TChainElement& e, const TChain& chain, const TTurn& t) {
    const double zc = OwnZ0(e, chain);
    const double ch = (t.Grow + 1 / t.Grow) / 2, sh = (t.Grow - 1 / t.Grow) / 2;
    const TComplex coshG(ch * t.Cos, sh * t.Sin), sinhG(sh * t.Cos, ch * t.Sin);
    return {coshG, zc * sinhG, sinhG / zc, coshG};
}

TAbcd StubAbcd(const TChainElement& e, const TChain& chain, const TTurn& t) {
    const double zs = OwnZ0(e, chain);
    const bool shorted = e.End == TStubKind::Short;
    // Shorted: Z = j·Zs·tan βl; open: Z = -j·Zs·cot βl.
    const double over = shorted ? t.Sin : -t.Cos, under = shorted ? t.Cos : t.Sin;
    if (e.Place == TPlace::Series)
        return SeriesOf(under == 0 ? TComplex(kInf, 0) : TComplex(0, zs * over / under));
    return ShuntOf(over == 0 ? TComplex(kInf, 0) : TComplex(0, -under / (zs * over)));
}

} // namespace

TChainElement SeriesL(double henries, double q) {
    return {TChainKind::L, TPlace::Series, henries, false, q};
}
TChainElement ShuntL(double henries, double q) {
    return {TChainKind::L, TPlace::Shunt, henries, false, q};
}
TChainElement SeriesC(double farads, double q) {
    return {TChainKind::C, TPlace::Series, farads, false, q};
}
TChainElement ShuntC(double farads, double q) {
    return {TChainKind::C, TPlace::Shunt, farads, false, q};
}
TChainElement SeriesR(double ohms) {
    return {TChainKind::R, TPlace::Series, ohms};
}
TChainElement ShuntR(double ohms) {
    return {TChainKind::R, TPlace::Shunt, ohms};
}
TChainElement ChainLine(double waves, double z0, double dbPerWave) {
    TChainElement e{TChainKind::Line, TPlace::Series, waves};
    e.Z0 = z0;
    e.Loss = dbPerWave;
    return e;
}
TChainElement ChainStub(TPlace place, TStubKind end, double waves, double z0) {
    TChainElement e{TChainKind::Stub, place, waves};
    e.Z0 = z0;
    e.End = end;
    return e;
}
TChainElement Transformer(double n) {
    return {TChainKind::Transformer, TPlace::Series, n};
}

TAbcd Then(const TAbcd& nearer, const TAbcd& m) {
    return {m.A * nearer.A + m.B * nearer.C, m.A * nearer.B + m.B * nearer.D,
            m.C * nearer.A + m.D * nearer.C, m.C * nearer.B + m.D * nearer.D};
}

TTurn TurnOf(const TChainElement& e, const TChain& chain, double ratio) {
    if (e.Kind != TChainKind::Line && e.Kind != TChainKind::Stub) return {};
    const double waves = WavesAt(e, chain, ratio), theta = 2 * Pi * waves;
    // e^(αl) from the loss in dB, one way: 10^(dB/20).
    return {portable::Cos(theta), portable::Sin(theta),
            e.Loss > 0 ? portable::Pow10(e.Loss * waves / 20) : 1};
}

TAbcd AbcdOf(const TChainElement& e, const TChain& chain, double ratio) {
    return AbcdOf(e, chain, ratio, TurnOf(e, chain, ratio));
}

TAbcd AbcdOf(const TChainElement& e, const TChain& chain, double ratio, const TTurn& turn) {
    switch (e.Kind) {
    case TChainKind::L:
    case TChainKind::C: {
        const TComplex z = LumpedImpedance(e, chain.F0Hz, ratio);
        return e.Place == TPlace::Series ? SeriesOf(z) : ShuntOf(1.0 / z);
    }
    case TChainKind::R:
        return e.Place == TPlace::Series ? SeriesOf(e.Value) : ShuntOf(1 / e.Value);
    case TChainKind::Line:
        return LineAbcd(e, chain, turn);
    case TChainKind::Stub:
        return StubAbcd(e, chain, turn);
    case TChainKind::Transformer:
        return {e.Value, 0, 0, 1 / e.Value};
    }
    return {};
}

TAbcd AbcdOf(const TChain& chain, double ratio) {
    TAbcd m;
    for (const TChainElement& e : chain.Elements)
        m = Then(m, AbcdOf(e, chain, ratio));
    return m;
}

TComplex Terminated(const TAbcd& m, TComplex load) {
    if (IsOpen(load)) return m.C == TComplex(0, 0) ? TComplex(kInf, 0) : m.A / m.C;
    // An infinite admittance (a shorting element) passes a short circuit on.
    if (IsOpen(m.C) && !IsOpen(m.A) && !IsOpen(m.B)) return 0;
    if (IsOpen(m.B) && !IsOpen(m.C)) return {kInf, 0};
    // A series element, [A B; 0 1], adds without dividing: the same bits as dividing by 1.
    if (m.C == TComplex(0, 0) && m.D == TComplex(1, 0)) return m.A * load + m.B;
    const TComplex under = m.C * load + m.D;
    if (under == TComplex(0, 0)) return {kInf, 0};
    return Quotient(m.A * load + m.B, under);
}

std::vector<TComplex> NodeOhms(const TChain& chain, TComplex loadOhms, double ratio) {
    std::vector<TComplex> nodes{loadOhms};
    nodes.reserve(chain.Elements.size() + 1);
    for (const TChainElement& e : chain.Elements)
        nodes.push_back(Terminated(AbcdOf(e, chain, ratio), nodes.back()));
    return nodes;
}

TComplex InputOhms(const TChain& chain, TComplex loadOhms, double ratio) {
    return NodeOhms(chain, loadOhms, ratio).back();
}

TNodeReading GammaReadingOf(TComplex ohms, double lineOhms) {
    TNodeReading r;
    r.Ohms = ohms;
    if (IsOpen(ohms)) {
        r.Z = {kInf, 0};
        r.Gamma = 1;
        r.GammaAbs = 1;
        r.Vswr = kInf;
    } else {
        r.Z = ohms / lineOhms;
        r.Gamma = Quotient(r.Z - 1.0, r.Z + 1.0);
        r.GammaAbs = std::abs(r.Gamma);
        r.Vswr = WaveRatiosOf(r.Z, r.GammaAbs).Vswr;
    }
    return r;
}

double ReturnLossDb(double gammaAbs) {
    return -20 * portable::Log(gammaAbs) / std::numbers::ln10;
}

TNodeReading ReadingOf(TComplex ohms, double lineOhms) {
    TNodeReading r = GammaReadingOf(ohms, lineOhms);
    const bool open = IsOpen(ohms);
    r.Y = open || r.Z == TComplex(0, 0) ? TComplex(open ? 0 : kInf, 0) : Quotient(1.0, r.Z);
    r.Q = open ? kInf : std::fabs(ohms.imag()) / ohms.real();
    return r;
}

TSParameters SParametersOf(const TAbcd& m, double z0) {
    const TComplex b = m.B / z0, c = m.C * z0;
    const TComplex d = m.A + b + c + m.D;
    return {(m.A + b - c - m.D) / d, 2.0 * (m.A * m.D - m.B * m.C) / d, 2.0 / d,
            (-m.A + b - c + m.D) / d};
}

TChain ChainOf(const TNetwork& network, double lineOhms, double f0Hz) {
    TChain chain{{}, lineOhms, f0Hz};
    const double omega = 2 * Pi * f0Hz;
    // A lumped element of reactance `x` ohms at f0 (the sign says L or C).
    const auto lumped = [&](TPlace place, double x) {
        TChainElement e{x > 0 ? TChainKind::L : TChainKind::C, place, std::fabs(x)};
        e.Reactance = !(f0Hz > 0);
        if (!e.Reactance) e.Value = x > 0 ? x / omega : 1 / (omega * -x);
        chain.Elements.push_back(e);
    };
    const auto own = [&](double z0) { return z0 == 1 ? 0 : z0 * lineOhms; };
    for (const TElement& e : network) {
        switch (e.Kind) {
        case TElementKind::Line:
            chain.Elements.push_back(ChainLine(e.Value, own(e.Z0)));
            break;
        case TElementKind::ShuntStub:
        case TElementKind::SeriesStub:
            chain.Elements.push_back(
                ChainStub(e.Kind == TElementKind::ShuntStub ? TPlace::Shunt : TPlace::Series, e.End,
                          e.Value, own(e.Z0)));
            break;
        case TElementKind::SeriesReactance:
            if (e.Value != 0) lumped(TPlace::Series, e.Value * lineOhms);
            break;
        case TElementKind::ShuntSusceptance:
            // Across the line b > 0 is a capacitor, whose reactance is -1/b.
            if (e.Value != 0) lumped(TPlace::Shunt, -lineOhms / e.Value);
            break;
        }
    }
    return chain;
}

} // namespace theory
