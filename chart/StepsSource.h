// A window whose chart the steps window can follow (StepsForm.h): the last construction's
// steps, the picture they were drawn on, and a notice when they change. Both programs'
// windows are one, and zmatch's methods window too.
#pragma once

#include "chart/ConstructionSteps.h"

#include "toolkit/Controls.h"

#include <functional>

namespace chart {

class TStepsSource {
  public:
    // A window that goes before the steps window following it (the methods window closed)
    // lets it go first.
    virtual ~TStepsSource() {
        if (OnGone) OnGone();
    }
    // Empty before the first construction.
    virtual const TConstructionSteps& Steps() const = 0;
    // The picture the steps are shown on, as they stood after the chosen one.
    virtual tk::TImage& StepsPicture() = 0;
    // Runs once a construction has kept its steps (the steps window follows them).
    std::function<void()> OnStepsChanged;
    std::function<void()> OnGone;
};

} // namespace chart
