// Numbers as the methods window prints them, and lengths in the unit of the main window's
// «Длин. волн.» as the shunt stub gives them.
//
// A printed number is made once: its text, and the value that text stands for, read back
// from it. The result row, the JSON's "chart" and the network built from the chart's answer
// all take that value, so they cannot part (131,5 Ом printed "132" is 132 everywhere).
//
// A length is written in wavelengths, and where the wavelength is not 1 also in its unit:
// at λ = 2 (metres, say) the chart's 0,463 λ reads «0,463 λ (0,926)» and the exact
// 0,46337 λ «0,46337 λ (при λ = 2 — 0,92674)», as the shunt stub's tooltips write it.
#pragma once

#include "zmatch/methods/Method.h"

#include <initializer_list>
#include <string>

namespace zmatch::methods {

struct TPrinted {
    std::string Text;
    double Value = 0; // what Text says
};

// FloatToStrF(v, precision, digits) and its value; a value without digits (NaN, ∞) as it is.
TPrinted Printed(double v, int precision, int digits);

// A length read on the chart, to a thousandth of a wavelength: "0,463".
TPrinted PrintedLength(double waves);

// "0,463 λ", or at another wavelength "0,463 λ (0,926)": the printed length in its unit too.
std::string LengthText(const TPrinted& length, double lambda);
// "0,46337 λ", or "0,46337 λ (при λ = 2 — 0,92674)".
std::string ExactLengthText(double waves, double lambda);
// " (0,926)", or nothing at λ = 1: what LengthText adds after "λ", to four significant
// digits (the JSON's key_in_unit has them all).
std::string InUnitText(double waves, double lambda);

// The JSON's lengths in the wavelength's unit: after the values, key_in_unit for each of the
// lengths `keys` (in wavelengths), as the shunt stub's "distance" and "distance_in_unit".
void AddInUnit(TReportedValues& values, std::initializer_list<const char*> keys, double lambda);

} // namespace zmatch::methods
