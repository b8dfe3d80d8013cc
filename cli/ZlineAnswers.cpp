#include "cli/ZlineAnswers.h"

#include "cli/AnswerParts.h"
#include "cli/ComplexLoad.h"
#include "cli/Json.h"

#include "chart/PictureTitle.h"
#include "chart/ResultsText.h"
#include "theory/LineTheory.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"
#include "zline/LineMove.h"
#include "zline/Reflection.h"
#include "zline/Unit1.h"

#include <optional>
#include <vector>

namespace cli {

namespace {

using json::Field;
using json::Number;

// What --help tells of the program's own options, after the window's.
const char* const kOptionsHelp =
    "  --load Z                 нагрузка в омах: 100+50j, 100-j50, 50j или 100;\n"
    "                           «-» — нагрузки со стандартного ввода, по одной\n"
    "                           в строке\n"
    "  --line Z                 волновое сопротивление линии в омах (50)\n"
    "  --distance L             расстояние вдоль линии (0)\n"
    "  --wavelength L           длина волны в тех же единицах, что и расстояние (1)\n"
    "  --attenuation A          затухание, дБ на длину волны (0)\n"
    "  --toward generator|load  к генератору или к нагрузке (generator)\n"
    "  --mirror                 и дополнительные (зеркальные) точки, как флажок окна\n"
    "  --touchstone FILE        нагрузка из файла .s1p, .s2p или .ts вместо --load\n"
    "  --frequency F            частота, на которой она берётся: в герцах или\n"
    "                           с единицей: 433.92MHz, 2,4 ГГц\n"
    "  --json                   ответ одним объектом JSON в одной строке\n"
    "  --picture FILE           записать построение в файл .png или .pdf (для одной нагрузки)\n"
    "  --steps                  и построение по шагам: после ответа по строке на шаг\n"
    "                           (с --json — список steps)\n"
    "  --exercises N --seed ГРУППА --kind line-move|reading\n"
    "                           N вариантов задач для группы; --worksheets\n"
    "                           FILE.pdf, --key FILE.pdf, --moodle FILE.xml\n"
    "  --check --seed ГРУППА --kind ВИД --variant N --answers \"R=40 X=-12 S=2.1\"\n"
    "                           проверить ответы студента\n";

struct TSettings {
    TComplexText Line;
    std::string Distance, Wavelength, Attenuation;
    bool TowardGenerator = true, Mirror = false;
    bool Picture = false; // the picture is written: its canvas keeps the log a PDF is made from
};

class TZlineSession : public TSession {
  public:
    explicit TZlineSession(TSettings s) : s_(std::move(s)) {
        if (s_.Picture) form_.ChartCanvas().Log = &log_;
        form_.FormCreate(&form_);
    }

    TAnswer Answer(const std::string& load) override {
        if (std::optional<TAnswer> refused = TypeLoad(form_, load, s_.Line)) return *refused;
        form_.TypeMove(s_.Distance, s_.Wavelength, s_.Attenuation, s_.TowardGenerator, s_.Mirror);
        try {
            form_.ShowPoint();
            const chart::TChartState shown = state_;
            form_.Move();
            // The same plans the handlers drew, for their numbers.
            const chart::TLoadPoint point = chart::PlanLoadPoint(form_.ReadLoad());
            const zline::TLineMove move =
                zline::PlanLineMove(shown, form_.ShownLoad(), form_.ReadMove());
            return Answered(load, point, move);
        } catch (const tk::Exception& e) {
            return Refusal(load, e.Message);
        }
    }

    const tk::TCanvas& Picture() const override { return form_.ChartCanvas(); }
    std::string PictureTitle() const override { return chart::PictureTitle(form_); }
    const chart::TConstructionSteps& Steps() const override { return form_.Steps(); }

  private:
    TAnswer Answered(const std::string& load, const chart::TLoadPoint& point,
                     const zline::TLineMove& m) const {
        TAnswer a;
        a.Text = chart::ResultsText(form_);
        const zline::TReflectionFigures f = zline::ReflectionFigures(point);
        const theory::TComplex z0 = m.Load.ZNorm();
        const theory::TComplex gamma0 = theory::ReflectionOf(z0);
        const theory::TComplex gamma =
            theory::MoveReflection(gamma0, m.Waves(), m.Typed.Attenuation);
        const double loss = theory::LossFactor(m.Waves(), m.Typed.Attenuation);
        const theory::TWaveRatios ratios = theory::WaveRatios(z0, loss);
        const theory::TComplex z = theory::ImpedanceOf(gamma);
        const std::string readings =
            "{" + Field("gamma", Number(f.Gamma)) + "," + Field("vswr", Number(f.Vswr)) + "," +
            Field("twr", Number(f.Twr)) + "," + Field("position", Number(m.Position)) + "," +
            Field("z", m.Z.Defined ? json::Complex({m.Z.R, m.Z.X}) : "null") + "," +
            Field("ohms", m.Z.Defined ? json::Complex(m.Ohms()) : "null") + "}";
        const std::string exact =
            "{" + Field("z_load", json::Complex(z0)) + "," +
            Field("gamma_load", Number(theory::WaveRatios(z0).Gamma)) + "," +
            Field("position_load", Number(theory::WavePosition(gamma0))) + "," +
            Field("position", Number(theory::WavePosition(gamma))) + "," +
            Field("z", json::Complex(z)) + "," + Field("ohms", json::Complex(z * m.Load.Line)) +
            "," + Field("gamma", Number(ratios.Gamma)) + "," + Field("vswr", Number(ratios.Vswr)) +
            "," + Field("loss_factor", Number(loss)) + "}";
        a.Json = "{" + Field("load", json::String(Quoted(load))) + "," +
                 Field("line", json::Complex(m.Load.Line)) + "," +
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

const std::string& Help() {
    static const std::string help =
        AnswersHelp(kOptionsHelp, "50+50j", "zline --load 50+50j --distance 0.3 --attenuation 2");
    return help;
}

} // namespace

TProgram ZlineProgram() {
    return {"zline",
            {{"line", true, "50"},
             {"distance", true, "0.3"},
             {"wavelength", true, "1"},
             {"attenuation", true, "2"},
             {"toward", true, "generator"},
             {"mirror", false}},
            [](const TValues& values, const TFileLoad* file) -> std::unique_ptr<TSession> {
                if (!file && values.count("frequency"))
                    throw TUsageError{"«--frequency» — частота точки файла: добавьте "
                                      "«--touchstone FILE» или уберите «--frequency»"};
                TSettings s;
                s.Line = LineOption(values);
                s.Distance = NumberOption(values, "distance", "0");
                s.Wavelength = NumberOption(values, "wavelength", "1");
                RefuseAsTheWindow("wavelength", s.Wavelength,
                                  [](const tk::TEdit& e) { zline::ReadWavelength(e); });
                s.Attenuation = NumberOption(values, "attenuation", "0");
                RefuseAsTheWindow("attenuation", s.Attenuation,
                                  [](const tk::TEdit& e) { zline::ReadAttenuation(e); });
                s.TowardGenerator = ChoiceOption(values, "toward", "generator", "load", true);
                s.Mirror = values.count("mirror") > 0;
                s.Picture = values.count("picture") > 0;
                return std::make_unique<TZlineSession>(std::move(s));
            },
            Help().c_str()};
}

} // namespace cli
