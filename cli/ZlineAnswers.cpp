#include "cli/ZlineAnswers.h"

#include "cli/AnswerParts.h"
#include "cli/ComplexLoad.h"
#include "cli/Json.h"

#include "chart/LineTheory.h"
#include "chart/PictureTitle.h"
#include "chart/ResultsText.h"
#include "toolkit/Exceptions.h"
#include "zline/LineMove.h"
#include "zline/Reflection.h"
#include "zline/Unit1.h"

#include <vector>

namespace cli {

namespace {

using json::Field;
using json::Number;

struct TSettings {
    TComplexText Line;
    std::string Distance, Wavelength, Attenuation;
    bool TowardGenerator = true, Mirror = false;
    bool Picture = false; // the picture is written: its canvas keeps the log a PDF is made from
};

class TZlineSession : public TSession {
  public:
    explicit TZlineSession(TSettings s) : s_(std::move(s)) {
        if (s_.Picture) form_.Image1->Canvas.Log = &log_;
        form_.FormCreate(&form_);
    }

    TAnswer Answer(const std::string& load) override {
        const TComplexText z = ReadComplex(load);
        if (!z.Error.empty()) return Refusal(load, z.Error);
        form_.Edit1->Text = z.Re;
        form_.Edit2->Text = z.Im;
        form_.Edit3->Text = s_.Line.Re;
        form_.Edit4->Text = s_.Line.Im;
        form_.Edit5->Text = s_.Distance;
        form_.Edit6->Text = s_.Wavelength;
        form_.Edit7->Text = s_.Attenuation;
        form_.CheckBox1->Checked = s_.Mirror;
        (s_.TowardGenerator ? form_.RadioButton1 : form_.RadioButton2)->SetChecked(true);
        try {
            form_.Button1Click(form_.Button1);
            const chart::TChartState shown = state_;
            form_.Button2Click(form_.Button2);
            // The same plans the handlers drew, for their numbers.
            const chart::TLoadPoint point = chart::PlanLoadPoint(
                chart::ReadLoadInput(*form_.Edit1, *form_.Edit2, *form_.Edit3, *form_.Edit4));
            const zline::TLineMove move = zline::PlanLineMove(
                shown, zline::ReadMoveInput(*form_.Edit5, *form_.Edit6, *form_.Edit7,
                                            form_.RadioButton1->Checked()));
            return Answered(load, point, move);
        } catch (const tk::Exception& e) {
            return Refusal(load, e.Message);
        }
    }

    const tk::TCanvas& Picture() const override { return form_.Image1->Canvas; }
    std::string PictureTitle() const override { return chart::PictureTitle(form_); }

  private:
    TAnswer Answered(const std::string& load, const chart::TLoadPoint& point,
                     const zline::TLineMove& m) const {
        TAnswer a;
        a.Text = chart::ResultsText(form_);
        const zline::TReflectionFigures f = zline::ReflectionFigures(point);
        const chart::TComplex gamma0 = chart::ReflectionOf(m.ZNorm);
        const chart::TComplex gamma = chart::MoveReflection(gamma0, m.Waves(), m.Typed.Attenuation);
        const chart::TComplex z = chart::ImpedanceOf(gamma);
        const std::string readings =
            "{" + Field("gamma", Number(f.Gamma)) + "," + Field("vswr", Number(f.Vswr)) + "," +
            Field("twr", Number(f.Twr)) + "," + Field("position", Number(m.Position)) + "," +
            Field("z", m.Z.Defined ? json::Complex({m.Z.R, m.Z.X}) : "null") + "," +
            Field("ohms", m.Z.Defined ? json::Complex(m.Ohms()) : "null") + "}";
        const std::string exact =
            "{" + Field("z_load", json::Complex(m.ZNorm)) + "," +
            Field("gamma_load", Number(std::abs(gamma0))) + "," +
            Field("position_load", Number(chart::WavePosition(gamma0))) + "," +
            Field("position", Number(chart::WavePosition(gamma))) + "," +
            Field("z", json::Complex(z)) + "," + Field("ohms", json::Complex(z * m.ZLine)) + "," +
            Field("gamma", Number(std::abs(gamma))) + "," +
            Field("vswr", Number(chart::StandingWaveRatio(std::abs(gamma)))) + "," +
            Field("loss_factor", Number(chart::LossFactor(m.Waves(), m.Typed.Attenuation))) + "}";
        a.Json = "{" + Field("load", json::String(Quoted(load))) + "," +
                 Field("line", json::Complex(m.ZLine)) + "," +
                 Field("distance", Number(m.Typed.L)) + "," +
                 Field("wavelength", Number(m.Typed.Lambda)) + "," +
                 Field("attenuation", Number(m.Typed.Attenuation)) + "," +
                 Field("toward", json::String(s_.TowardGenerator ? "generator" : "load")) + "," +
                 Field("mirror", s_.Mirror ? "true" : "false") + "," + LabelsField(form_) + "," +
                 Field("chart", readings) + "," + Field("exact", exact) + "}";
        return a;
    }

    TSettings s_;
    std::vector<tk::TCanvasCall> log_; // from the first call on, for one load's picture
    chart::TChartState state_;
    zline::TForm1 form_{state_};
};

} // namespace

TProgram ZlineProgram() {
    return {"zline",
            {{"line", true},
             {"distance", true},
             {"wavelength", true},
             {"attenuation", true},
             {"toward", true},
             {"mirror", false}},
            [](const TValues& values) -> std::unique_ptr<TSession> {
                TSettings s;
                const auto line = values.find("line");
                s.Line = ReadComplex(line == values.end() ? "50" : line->second);
                if (!s.Line.Error.empty()) throw TUsageError{"параметр «--line»: " + s.Line.Error};
                s.Distance = NumberOption(values, "distance", "0");
                s.Wavelength = NumberOption(values, "wavelength", "1");
                s.Attenuation = NumberOption(values, "attenuation", "0");
                s.TowardGenerator = ChoiceOption(values, "toward", "generator", "load", true);
                s.Mirror = values.count("mirror") > 0;
                s.Picture = values.count("picture") > 0;
                return std::make_unique<TZlineSession>(std::move(s));
            }};
}

} // namespace cli
