// The fields of «Подбор согласования…» read into the search's ask (theory::TChooseAsk), each
// with a Russian message that names the field and says what it takes:
//
//     f0 100 МГц, ± 5 %           Low 0,95, High 1,05
//     f1 90, f2 110 (f0 empty)    f0 100 МГц, Low 0,9, High 1,1
//     Zт «50; 75» or «50, 75»     SectionOhms {50, 75};  «любое»: IdealSection
//     Q of L or C empty           lossless (0)
#pragma once

#include "theory/Choose.h"

#include <string_view>
#include <vector>

namespace zmatch {

class TChooseForm;

// The ask on `load` (its F0Hz set from the fields); a field that does not read raises its
// message.
theory::TChooseAsk ReadChooseAsk(const TChooseForm& form, theory::TBandLoad load);

// The quarter-wave sections' Zт: numbers between «;», spaces or «, »; «любое» for any.
struct TSectionChoice {
    std::vector<double> Ohms;
    bool Ideal = false;
};
TSectionChoice ReadSections(std::string_view text);

extern const char* const kSectionsMessage;
extern const char* const kBandEndsMessage;

} // namespace zmatch
