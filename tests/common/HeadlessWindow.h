// One program's window of its own, headless: its own chart state, the grid drawn as at
// start-up, and the canvas calls of what follows logged. Each program's tests add the
// presses of its own buttons.
#pragma once

#include "chart/ChartState.h"
#include "tests/common/ScopedDecimalSeparator.h"
#include "toolkit/Canvas.h"
#include "toolkit/Conversions.h"

#include <cstdint>
#include <vector>

namespace testing_common {

template <class TForm> struct HeadlessWindow {
    explicit HeadlessWindow(char separator) : sep(separator), form(state) {
        form.FormCreate(&form);
        form.Image1->Canvas.Log = &log;
    }

    // Types a load and a line into Zн and Zв.
    void TypeLoad(const char* rn, const char* xn, const char* rv, const char* xv) {
        form.Edit1->Text = rn;
        form.Edit2->Text = xn;
        form.Edit3->Text = rv;
        form.Edit4->Text = xv;
    }

    std::vector<std::uint32_t> Picture() const {
        const tk::TCanvas& c = form.Image1->Canvas;
        return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
    }

    testing_common::ScopedDecimalSeparator sep;
    chart::TChartState state;
    TForm form;
    std::vector<tk::TCanvasCall> log;
};

} // namespace testing_common
