#include "chart/Frequency.h"

#include "toolkit/Exceptions.h"

namespace chart {

double ReadFrequency(std::string_view text) {
    throw tk::Exception("Частота «" + std::string(text) + "» пока не читается.");
}

std::string FrequencyText(double) {
    return {};
}

} // namespace chart
