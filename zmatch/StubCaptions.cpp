// The single stub's result labels as the main window prints them.
#include "zmatch/StubMatch.h"

#include "chart/LoadPoint.h"
#include "toolkit/Conversions.h"

#include <string>

namespace zmatch {

namespace {

std::string Length(double v) {
    return tk::FloatToStrF(v, 6, 3);
}

} // namespace

std::string AdmittanceCaption(const TStubConstruction& m) {
    return "Y'вх. = " + chart::ComplexText(m.AtA.R, m.AtA.X, 4, 2);
}

std::string DistanceCaption(double length) {
    return "l. раст. от нагр.= " + Length(length);
}

std::string StubCaption(double length) {
    return "l1 длн. шл. = " + Length(length);
}

} // namespace zmatch
