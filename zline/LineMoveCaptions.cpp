// The move's result labels as zline's main window prints them.
#include "zline/LineMove.h"

#include "chart/LoadPoint.h"
#include "toolkit/Conversions.h"

#include <complex>
#include <string>

namespace zline {

std::string PositionCaption(float position) {
    return "раст./длин.волн. = " + tk::FloatToStrF(position, 5, 4);
}

std::string ImpedanceCaption(const TLineMove& m) {
    if (!m.Z.Defined) return "R+jX= ∞";
    return "R+jX= " + chart::ComplexText(m.Z.R, m.Z.X, 4, 2);
}

std::string OhmsCaption(const TLineMove& m) {
    if (!m.Z.Defined) return "R+ jX =∞";
    const std::complex<double> z = m.Ohms();
    return "R+ jX =" + chart::ComplexText(z.real(), z.imag(), 4, 2);
}

} // namespace zline
