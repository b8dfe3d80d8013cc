#include "measured/MeasuredLoad.h"

#include "measured/Frequency.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <algorithm>
#include <cstddef>

namespace measured {

namespace {

// The first point at `hz` or above it.
std::vector<TMeasuredPoint>::const_iterator NotBelow(const TMeasuredLoad& load, double hz) {
    return std::lower_bound(load.Points.begin(), load.Points.end(), hz,
                            [](const TMeasuredPoint& m, double f) { return m.Hz < f; });
}

} // namespace

TLoadAtFrequency LoadAt(const TMeasuredLoad& load, double hz) {
    const auto& p = load.Points;
    if (p.empty()) throw tk::Exception("В измерении нет ни одной точки.");
    if (!(hz >= p.front().Hz && hz <= p.back().Hz))
        throw tk::Exception("Частота " + FrequencyText(hz) + " лежит вне измеренной полосы " +
                            FrequencyText(p.front().Hz) + "…" + FrequencyText(p.back().Hz) + ".");
    const auto next = NotBelow(load, hz);
    if (next->Hz == hz) {
        if (!next->Ohms)
            throw tk::Exception("На частоте " + FrequencyText(hz) +
                                " в измерении холостой ход: сопротивление нагрузки бесконечно, "
                                "и взять эту точку нельзя. Выберите другую частоту.");
        return {*next->Ohms, false};
    }
    const TMeasuredPoint& a = *(next - 1);
    const TMeasuredPoint& b = *next;
    if (!a.Ohms || !b.Ohms)
        throw tk::Exception("Частота " + FrequencyText(hz) + " лежит между точками " +
                            FrequencyText(a.Hz) + " и " + FrequencyText(b.Hz) + ", а на " +
                            FrequencyText(a.Ohms ? b.Hz : a.Hz) +
                            " в измерении холостой ход: интерполировать между ними нельзя. "
                            "Выберите другую частоту.");
    const double t = (hz - a.Hz) / (b.Hz - a.Hz);
    return {*a.Ohms + t * (*b.Ohms - *a.Ohms), true};
}

std::optional<TBandEdges> LoadedBandAbout(const TMeasuredLoad& load, double hz) {
    const auto& p = load.Points;
    if (p.empty() || !(hz >= p.front().Hz && hz <= p.back().Hz)) return std::nullopt;
    std::size_t high = std::size_t(NotBelow(load, hz) - p.begin());
    std::size_t low = p[high].Hz == hz ? high : high - 1;
    if (!p[low].Ohms || !p[high].Ohms) return std::nullopt;
    while (low > 0 && p[low - 1].Ohms)
        --low;
    while (high + 1 < p.size() && p[high + 1].Ohms)
        ++high;
    return TBandEdges{p[low].Hz, p[high].Hz};
}

} // namespace measured
