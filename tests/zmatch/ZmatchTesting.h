#pragma once

#include <Conversions.h>
#include <Exceptions.h>
#include <Unit1.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace testing_zmatch {

// A zmatch window of its own, headless, with the grid drawn as at start-up.
struct Window {
    explicit Window(char separator = ',') : sep(separator), form(state) {
        form.FormCreate(&form);
        form.Image1->Canvas.Log = &log;
    }

    void ShowLoad(const char* rn, const char* xn, const char* rv = "50", const char* xv = "0") {
        form.Edit1->Text = rn;
        form.Edit2->Text = xn;
        form.Edit3->Text = rv;
        form.Edit4->Text = xv;
        form.Button1Click(form.Button1);
    }

    // A load point placed straight on a pixel, as if plotted there.
    void PlaceLoad(int x, int y) {
        state.PointX = x;
        state.PointY = y;
        state.PointDistPx = float(std::hypot(x - 400.0, y - 350.0));
        state.ZLine = {50, 0};
    }

    void Match(bool shortStub = true, const char* wavelength = "1") {
        (shortStub ? form.RadioButton1 : form.RadioButton2)->SetChecked(true);
        form.Edit6->Text = wavelength;
        log.clear();
        form.Button2Click(form.Button2);
    }

    std::vector<std::uint32_t> Picture() const {
        const tk::TCanvas& c = form.Image1->Canvas;
        return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
    }

    tk::ScopedDecimalSeparator sep;
    chart::TChartState state;
    zmatch::TForm1 form;
    std::vector<tk::TCanvasCall> log;
};

} // namespace testing_zmatch
