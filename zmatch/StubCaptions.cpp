// The single stub's result labels as the main window prints them.
#include "zmatch/StubMatch.h"

#include "chart/LoadPoint.h"
#include "chart/ReadingText.h"

#include <string>

namespace zmatch {

std::string AdmittanceCaption(const TStubConstruction& m) {
    return "Y'вх. = " + chart::ComplexText(m.AtA.R, m.AtA.X, 4, 2);
}

std::string DistanceCaption(double length) {
    return "l. раст. от нагр.= " + chart::LengthReading(length);
}

std::string StubCaption(double length) {
    return "l1 длн. шл. = " + chart::LengthReading(length);
}

} // namespace zmatch
