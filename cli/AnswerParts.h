// What both programs' answers share: the refusal of a load, and the window's labels.
#pragma once

#include "cli/ComplexLoad.h"
#include "cli/Run.h"

#include "chart/ChartForm.h"
#include "theory/BandResponse.h"
#include "toolkit/Controls.h"

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// {"load":"...","error":"..."}
TAnswer Refusal(const std::string& load, const std::string& message);

// What --help tells of the answers without a window: what they are, the program's own
// `options` (a line or more each), how values and numbers are written (--load=`load`), the
// batch, the exit status, and `example`, the program's whole command line.
std::string AnswersHelp(const char* options, const char* load, const char* example);

// The load typed into the form's Zн fields and the line into its Zв fields, as a user types
// them; a load that does not read as a complex number is refused here, with its reason.
std::optional<TAnswer> TypeLoad(chart::TChartForm& form, const std::string& load,
                                const TComplexText& line);

// --line (50 when absent) as the Zв fields would hold it; one that does not read, that the
// window refuses or that the chart cannot store is a bad option.
TComplexText LineOption(const TValues& values);

// "\"labels\":[...]": the caption of every label that carries a result, in the form's order.
std::string LabelsField(const tk::TForm& form);

// The number an option gives, as the field would hold it; a bad one throws TUsageError
// naming the option. `fallback` when the option is absent.
std::string NumberOption(const TValues& values, const std::string& name, const char* fallback);

// An option's number refused as the window refuses its field: `read` is the window's own
// reading of that field (the wavelength above zero, …), run once on `text` before any load,
// so a value the window would refuse at every press is a bad option (status 2), not a
// refused load on every line.
void RefuseAsTheWindow(const std::string& name, const std::string& text,
                       void (*read)(const tk::TEdit&));

// The window's reading of Zв's resistance: a number above zero.
void LineResistance(const tk::TEdit& edit);

// Both parts of a load or a line as the chart stores them, in floats: a part beyond the
// float range (1e300) is a bad number of the option (TUsageError, status 2), said as the
// window says it of its field, not a load the chart refuses.
void FitsTheChart(const std::string& name, const TComplexText& z, std::string_view reField,
                  std::string_view imField);

// One of the words `a` and `b` (true for `a`); `fallback` when the option is absent.
bool ChoiceOption(const TValues& values, const std::string& name, const char* a, const char* b,
                  bool fallback);

// How the load goes off f0 across a band: --model's series R with its L or C (the
// default) or a constant impedance; with a load from a Touchstone file (`file`), the file's
// own, and --model is a bad option.
theory::TLoadModel ModelOption(const TValues& values, const TFileLoad* file);

} // namespace cli
