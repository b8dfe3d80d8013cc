#include "chart/MeasuredLoad.h"

#include "chart/Frequency.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <algorithm>

namespace chart {

TLoadAtFrequency LoadAt(const TMeasuredLoad& load, double hz) {
    const auto& p = load.Points;
    if (p.empty()) throw tk::Exception("В измерении нет ни одной точки.");
    if (!(hz >= p.front().Hz && hz <= p.back().Hz))
        throw tk::Exception("Частота " + FrequencyText(hz) + " лежит вне измеренной полосы " +
                            FrequencyText(p.front().Hz) + "…" + FrequencyText(p.back().Hz) + ".");
    const auto next = std::lower_bound(p.begin(), p.end(), hz,
                                       [](const TMeasuredPoint& m, double f) { return m.Hz < f; });
    if (next->Hz == hz) return {next->Ohms, false};
    const TMeasuredPoint& a = *(next - 1);
    const TMeasuredPoint& b = *next;
    const double t = (hz - a.Hz) / (b.Hz - a.Hz);
    return {a.Ohms + t * (b.Ohms - a.Ohms), true};
}

} // namespace chart
