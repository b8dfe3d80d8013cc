#pragma once

#include <Conversions.h>
#include <Exceptions.h>
#include <Unit1.h>

#include <cstdint>
#include <vector>

namespace testing_zline {

// A zline window of its own, headless, with the grid and ruler drawn as at start-up.
struct Window {
    explicit Window(char separator = ',') : sep(separator), form(state) {
        form.FormCreate(&form);
        form.Image1->Canvas.Log = &log;
    }

    void ShowLoad(const char* rn, const char* xn, bool mirrors = false) {
        form.Edit1->Text = rn;
        form.Edit2->Text = xn;
        form.Edit3->Text = "50";
        form.Edit4->Text = "0";
        form.CheckBox1->Checked = mirrors;
        log.clear();
        form.Button1Click(form.Button1);
    }

    // A load as if plotted: its radius and place on the wavelength scale.
    void PlaceLoad(float distPx, float wavePos, std::complex<double> zLine = {50, 0}) {
        state.PointDistPx = distPx;
        state.LoadWavePos = wavePos;
        state.ZLine = zLine;
    }

    void Move(bool towardGenerator, const char* l, const char* lambda, const char* attenuation) {
        (towardGenerator ? form.RadioButton1 : form.RadioButton2)->SetChecked(true);
        form.Edit5->Text = l;
        form.Edit6->Text = lambda;
        form.Edit7->Text = attenuation;
        log.clear();
        form.Button2Click(form.Button2);
    }

    std::vector<std::uint32_t> Picture() const {
        const tk::TCanvas& c = form.Image1->Canvas;
        return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
    }

    tk::ScopedDecimalSeparator sep;
    chart::TChartState state;
    zline::TForm1 form;
    std::vector<tk::TCanvasCall> log;
};

} // namespace testing_zline
