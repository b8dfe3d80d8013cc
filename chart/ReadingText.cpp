#include "chart/ReadingText.h"

#include "toolkit/Conversions.h"

namespace chart {

std::string GridReading(double v) {
    return tk::FloatToStrF(v, 4, 2);
}

std::string LengthReading(double v) {
    return tk::FloatToStrF(v, 6, 3);
}

std::string ScaleReading(double v) {
    return tk::FloatToStrF(v, 4, 3);
}

} // namespace chart
