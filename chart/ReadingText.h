// How the chart's own readings are printed, named once: the labels, the steps and the
// legends all write a value read off the chart in one of these. They go through FloatToStrF
// with the application's separator, as the designed windows' labels do.
//
//     GridReading(-0.8466)   "-0,85"   a value read on the grid: r, x, g, b
//     LengthReading(0.1254)  "0,125"   a length in wavelengths as the result labels give it
//     ScaleReading(0.0877)   "0,088"   the wavelength scale where a ray from the centre meets it
#pragma once

#include <string>

namespace chart {

std::string GridReading(double v);
std::string LengthReading(double v);
std::string ScaleReading(double v);

} // namespace chart
