#include "theory/ChainTouchstone.h"

#include "measured/Frequency.h"
#include "theory/ChainText.h"
#include "toolkit/Exceptions.h"

#include <cmath>
#include <cstdio>

namespace theory {

namespace {

std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

bool Finite(TComplex z) {
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

} // namespace

std::string ChainTouchstone(const TChain& chain, std::span<const double> ratios) {
    if (!(chain.F0Hz > 0))
        throw tk::Exception("Для файла Touchstone нужна частота f0: задайте её.");
    std::string text = "! zmatch: цепь от нагрузки (порт 2) к генератору (порт 1), Zв = " +
                       Number(chain.LineOhms) + " Ом, f0 = " + Number(chain.F0Hz) + " Гц\n";
    text += "! " +
            (chain.Elements.empty() ? std::string("(без элементов)") : ChainText(chain.Elements)) +
            "\n";
    text += "# Hz S RI R " + Number(chain.LineOhms) + "\n";
    for (const double ratio : ratios) {
        const TSParameters s = SParametersOf(AbcdOf(chain, ratio), chain.LineOhms);
        const double hz = ratio * chain.F0Hz;
        if (!Finite(s.S11) || !Finite(s.S21) || !Finite(s.S12) || !Finite(s.S22))
            throw tk::Exception("На частоте " + measured::FrequencyText(hz) +
                                " параметры цепи не определены (шлейф на полюсе): измените "
                                "длину или частоту.");
        text += Number(hz);
        // Version 1's order for a two-port: S11, S21, S12, S22.
        for (const TComplex v : {s.S11, s.S21, s.S12, s.S22})
            text += " " + Number(v.real()) + " " + Number(v.imag());
        text += "\n";
    }
    return text;
}

} // namespace theory
