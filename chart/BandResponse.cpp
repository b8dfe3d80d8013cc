#include "chart/BandResponse.h"

namespace chart {

TBandResponse MatchBand(const TBandInput&, int) {
    return {};
}

} // namespace chart
