// What both programs' answers share: the refusal of a load, and the window's labels.
#pragma once

#include "cli/Run.h"

#include "toolkit/Controls.h"

#include <string>

namespace cli {

// {"load":"...","error":"..."}
TAnswer Refusal(const std::string& load, const std::string& message);

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

// One of the words `a` and `b` (true for `a`); `fallback` when the option is absent.
bool ChoiceOption(const TValues& values, const std::string& name, const char* a, const char* b,
                  bool fallback);

} // namespace cli
