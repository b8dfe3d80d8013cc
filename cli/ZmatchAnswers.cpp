#include "cli/ZmatchAnswers.h"

#include "cli/AnswerParts.h"
#include "cli/BandAnswers.h"
#include "cli/ChainAnswers.h"
#include "cli/ChooseAnswers.h"
#include "cli/ComplexLoad.h"
#include "cli/Json.h"
#include "cli/MethodAnswers.h"

#include "chart/PictureTitle.h"
#include "chart/ResultsText.h"
#include "measured/Frequency.h"
#include "theory/BandResponse.h"
#include "theory/LineTheory.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"
#include "zmatch/MethodOptions.h"
#include "zmatch/StubMatch.h"
#include "zmatch/Unit1.h"

#include <optional>
#include <vector>

namespace cli {

namespace {

using json::Field;
using json::Number;

// What --help tells of the program's own options, after the window's.
const char* const kOptionsHelp =
    "  --load Z            нагрузка в омах: 100+50j, 100-j50, 50j или 100;\n"
    "                      «-» — нагрузки со стандартного ввода, по одной в строке\n"
    "  --line Z            волновое сопротивление линии в омах (50)\n"
    "  --wavelength L      длина волны в единицах, в которых нужны расстояния (1)\n"
    "  --stub short|open   шлейф короткозамкнутый или разомкнутый (short)\n"
    "  --band              и полосу согласования: КСВ на входе линии от 0,5 f0\n"
    "                      до 1,5 f0 (или по полосе файла) для ответа диаграммы\n"
    "                      и двух точных решений, и полосу, где КСВ ≤ 2\n"
    "  --model series|constant\n"
    "                      нагрузка вне f0: R и L или C последовательно, дающие\n"
    "                      Zн при f0 (series), или та же, что при f0 (constant)\n"
    "  --frequency F       частота f0: в герцах или с единицей: 433.92MHz, 2,4 ГГц\n"
    "  --touchstone FILE   нагрузка из файла .s1p, .s2p или .ts на частоте\n"
    "                      --frequency вместо --load; полоса тогда — по измерению\n"
    "                      из файла\n"
    "  --json              ответ одним объектом JSON в одной строке\n"
    "  --picture FILE      записать построение в файл .png или .pdf (для одной нагрузки)\n"
    "  --steps             и построение по шагам: после ответа по строке на шаг\n"
    "                      (с --json — список steps)\n"
    "  --method series-stub|double-stub|quarter-wave|l-section\n"
    "                      другой способ согласования: последовательный шлейф,\n"
    "                      два параллельных шлейфа, четвертьволновый трансформатор\n"
    "                      или Г-образное звено из L и C; длины — в длинах волн\n"
    "                      и, с --wavelength, ещё и в его единицах (у l-section\n"
    "                      длин нет, --wavelength ему не нужен)\n"
    "  --spacing S         (double-stub) расстояние между шлейфами, λ (0.125)\n"
    "  --first-stub D      (double-stub) от нагрузки до первого шлейфа, λ (0)\n"
    "  --frequency F       и (l-section) частота, на которой нужны L и C\n"
    "  --chain ЦЕПЬ|ФАЙЛ   своя цепь элементов от нагрузки к генератору через «;»:\n"
    "                      series L 12nH; shunt C 2.2pF; series R 5;\n"
    "                      shunt L 10nH Q 50; line 0.1 Z 75 loss 0.5;\n"
    "                      line 25mm vf 0.66;\n"
    "                      stub shunt short 0.125; stub series open 0.2 Z 75;\n"
    "                      transformer 2 — или файл цепи; L, C и мм требуют\n"
    "                      --frequency. Ответ: каждый узел и вход; с --band — полоса\n"
    "  --touchstone-out FILE\n"
    "                      (с --chain) записать четырёхполюсник цепи по полосе\n"
    "                      в файл .s2p (порт 1 — генератор, порт 2 — нагрузка)\n"
    "  --choose            подобрать согласующую цепь на полосу: все способы\n"
    "                      (шлейфы, два шлейфа, четвертьволновый трансформатор,\n"
    "                      Г-, П- и Т-звенья), каждый настроенный на полосу, от\n"
    "                      лучшего; нужна --frequency. С --json — {\"ranked\": [...]},\n"
    "                      цепь каждого — словами --chain\n"
    "  --span 10%          (с --choose, или с --chain и --band) полоса около f0\n"
    "  --from F1 --to F2   или её границы; без них — ±5 %\n"
    "  --max-vswr 2        допустимый КСВ в полосе\n"
    "  --parts ideal|E12|E24|E96\n"
    "                      номиналы L и C: любые или из ряда (ideal)\n"
    "  --q-inductor Q      добротность катушек при f0 (без неё — без потерь)\n"
    "  --q-capacitor Q     добротность конденсаторов при f0\n"
    "  --stub-max L        самый длинный допустимый шлейф, λ (0.5)\n"
    "  --zt 50,75          Zт четвертьволновых отрезков, что есть (50,75),\n"
    "                      или ideal — любое\n"
    "  --exercises N --seed ГРУППА --kind ВИД\n"
    "                      N вариантов задач для группы (ВИД: stub-short,\n"
    "                      stub-open, series-stub, double-stub, quarter-wave,\n"
    "                      l-section, reading); --worksheets FILE.pdf,\n"
    "                      --key FILE.pdf, --moodle FILE.xml, --radius-mm R (80)\n"
    "  --check --seed ГРУППА --kind ВИД --variant N --answers \"d=0.198 l=0.126\"\n"
    "                      проверить ответы студента\n";

std::string Solution(const theory::TStubMatch& m) {
    return "{" + Field("distance", Number(m.Distance)) + "," + Field("b", Number(m.B)) + "," +
           Field("stub", Number(m.Stub)) + "}";
}

// --band and what it needs: the load's model off f0 and f0 itself.
struct TBandSettings {
    bool Wanted = false;
    theory::TLoadModel Model = theory::TLoadModel::Series;
    const measured::TMeasuredLoad* Measured = nullptr; // with Model Measured
    double F0Hz = 0;                                   // 0: not given
};

class TZmatchSession : public TSession {
  public:
    // With `picture` the canvas keeps the log a PDF is made from, from the first call on.
    TZmatchSession(TComplexText line, std::string wavelength, bool shortStub, bool picture,
                   TBandSettings band)
        : line_(std::move(line)), wavelength_(std::move(wavelength)), shortStub_(shortStub),
          band_(band) {
        if (picture) form_.ChartCanvas().Log = &log_;
        form_.FormCreate(&form_);
    }

    TAnswer Answer(const std::string& load) override {
        if (std::optional<TAnswer> refused = TypeLoad(form_, load, line_)) return *refused;
        form_.TypeWavelength(wavelength_);
        form_.ChooseStub(m_kind());
        try {
            form_.ShowPoint();
            if (state_.PointDistPx == 0) return Matched(load);
            const chart::TChartState shown = state_;
            form_.Match();
            // The same plan the handler drew, for its numbers.
            const zmatch::TStubConstruction m = zmatch::PlanStubConstruction(
                shown, form_.ShownLoad(), form_.Wavelength(), m_kind());
            return Answered(load, m);
        } catch (const tk::Exception& e) {
            return Refusal(load, e.Message);
        }
    }

    const tk::TCanvas& Picture() const override { return form_.ChartCanvas(); }
    std::string PictureTitle() const override { return chart::PictureTitle(form_); }
    const chart::TConstructionSteps& Steps() const override { return form_.Steps(); }

  private:
    theory::TStubKind m_kind() const {
        return shortStub_ ? theory::TStubKind::Short : theory::TStubKind::Open;
    }

    // A load the chart puts on its centre needs no stub: that is the answer, not a refusal
    // (the window's button says it in its box). The load's labels and exact figures, and no
    // band: with no stub there is nothing to sweep.
    TAnswer Matched(const std::string& load) {
        // The window keeps an earlier load's match beside the new point; the answer is of
        // this load alone.
        form_.ClearMatchHints();
        TAnswer a;
        a.Text = chart::ResultsText(form_) + zmatch::kMatchedMessage + "\n";
        const theory::TComplex z = form_.ShownLoad().ZNorm();
        const theory::TWaveRatios exact = theory::WaveRatios(z);
        a.Json = "{" + Field("load", json::String(Quoted(load))) + "," +
                 Field("line", json::Complex(form_.ShownLoad().Line)) + "," +
                 Field("wavelength", Number(form_.Wavelength())) + "," +
                 Field("stub", json::String(shortStub_ ? "short" : "open")) + "," +
                 LabelsField(form_) + "," + Field("matched", "true") + "," +
                 Field("message", json::String(zmatch::kMatchedMessage)) + "," +
                 Field("exact", "{" + Field("z", json::Complex(z)) + "," +
                                    Field("gamma", Number(exact.Gamma)) + "," +
                                    Field("vswr", Number(exact.Vswr)) + "}") +
                 "}";
        return a;
    }

    TAnswer Answered(const std::string& load, const zmatch::TStubConstruction& m) const {
        TAnswer a;
        a.Text = chart::ResultsText(form_);
        const theory::TComplex z = m.Load.ZNorm();
        const theory::TStubSolutions exact = theory::SolveStubMatch(z, m.Kind);
        const std::string readings =
            "{" + Field("y", m.AtA.Defined ? json::Complex({m.AtA.R, m.AtA.X}) : "null") + "," +
            Field("distance", Number(m.Distance())) + "," + Field("stub", Number(m.Stub())) + "," +
            Field("distance_in_unit", Number(m.DistanceInUnit())) + "," +
            Field("stub_in_unit", Number(m.StubInUnit())) + "}";
        const std::string exactField = "{" + Field("z", json::Complex(z)) + "," +
                                       Field("y", json::Complex(1.0 / z)) + "," +
                                       Field("gamma", Number(theory::WaveRatios(z).Gamma)) + "," +
                                       Field("vswr", Number(theory::WaveRatios(z).Vswr)) + "," +
                                       Field("first", Solution(exact.First)) + "," +
                                       Field("second", Solution(exact.Second)) + "}";
        a.Json = "{" + Field("load", json::String(Quoted(load))) + "," +
                 Field("line", json::Complex(m.Load.Line)) + "," +
                 Field("wavelength", Number(m.Lambda)) + "," +
                 Field("stub", json::String(shortStub_ ? "short" : "open")) + "," +
                 LabelsField(form_) + "," + Field("chart", readings) + "," +
                 Field("exact", exactField);
        if (band_.Wanted) {
            theory::TBandInput in;
            in.Load = m.Load.Load;
            in.Line = m.Load.Line;
            in.Model = band_.Model;
            in.Measured = band_.Measured;
            in.F0Hz = band_.F0Hz;
            in.Kind = m.Kind;
            in.Chart = theory::AsPrinted({m.Distance(), m.BM, m.Stub()});
            in.Exact = exact;
            const theory::TBandResponse r = theory::MatchBand(in);
            a.Text += BandText(r, band_.Model, band_.F0Hz);
            a.Json += "," + BandField(r, band_.Model, band_.F0Hz);
        }
        a.Json += "}";
        return a;
    }

    std::vector<tk::TCanvasCall> log_;
    chart::TChartState state_;
    zmatch::TForm1 form_{state_};
    TComplexText line_;
    std::string wavelength_;
    bool shortStub_;
    TBandSettings band_;
};

TBandSettings ReadBandSettings(const TValues& values, const TFileLoad* file) {
    TBandSettings s;
    s.Wanted = values.count("band") > 0;
    if (file) {
        if (values.count("model"))
            throw TUsageError{"с «--touchstone» нагрузка вне f0 берётся из файла: уберите "
                              "«--model»"};
        s.Model = theory::TLoadModel::Measured;
        s.Measured = &file->Measured;
        s.F0Hz = file->Hz;
        return s;
    }
    s.Model = ChoiceOption(values, "model", "series", "constant", true)
                  ? theory::TLoadModel::Series
                  : theory::TLoadModel::Constant;
    if (const auto f = values.find("frequency"); f != values.end()) try {
            s.F0Hz = measured::ReadFrequency(f->second);
        } catch (const tk::Exception& e) {
            throw TUsageError{"параметр «--frequency»: " + e.Message};
        }
    // Without the band these would have been read for nothing: say so rather than ignore them.
    if (!s.Wanted)
        for (const char* name : {"model", "frequency"})
            if (values.count(name))
                throw TUsageError{
                    std::string("«--") + name +
                    "» задаёт полосу согласования: добавьте «--band» или уберите «--" + name + "»"};
    return s;
}

// zmatch's options: the main window's, --method, and the options only the methods read.
std::vector<TOption> Options() {
    std::vector<TOption> all = {{"line", true, "50"},      {"wavelength", true, "1"},
                                {"stub", true, "short"},   {"band", false},
                                {"model", true, "series"}, {"method", true, "l-section"},
                                {"chain", true, "\"series L 12nH; line 0.1\""},
                                {"touchstone-out", true, "chain.s2p"},
                                {"choose", false},         {"span", true, "10%"},
                                {"from", true, "430MHz"},  {"to", true, "440MHz"},
                                {"max-vswr", true, "2"},   {"parts", true, "E24"},
                                {"q-inductor", true, "50"}, {"q-capacitor", true, "500"},
                                {"stub-max", true, "0.25"}, {"zt", true, "50,75"}};
    for (const zmatch::TOptionDesc& d : zmatch::OptionKinds())
        if (d.WithoutMethod) all.push_back({d.Flag, true, d.Default});
    return all;
}

// Without --method, an option only the methods read is said, not ignored.
void RefuseMethodOptions(const TValues& values) {
    for (const zmatch::TOptionDesc& d : zmatch::OptionKinds())
        if (d.WithoutMethod && values.count(d.Flag))
            throw TUsageError{std::string("«--") + d.Flag + "» — " + d.WithoutMethod +
                              " или уберите «--" + d.Flag + "»"};
}

// The search's own options mean nothing without --choose; the band's only with --chain too.
void RefuseChooseOptions(const TValues& values) {
    for (const char* name : {"parts", "q-inductor", "q-capacitor", "stub-max", "zt"})
        if (values.count(name))
            throw TUsageError{std::string("«--") + name + "» — параметр подбора: добавьте "
                              "«--choose» или уберите «--" + name + "»"};
    for (const char* name : {"span", "from", "to", "max-vswr"})
        if (values.count(name) && !(values.count("chain") && values.count("band")))
            throw TUsageError{std::string("«--") + name + "» задаёт полосу подбора или цепи: "
                              "добавьте «--choose» (или «--chain» с «--band») или уберите «--" +
                              name + "»"};
}

const std::string& Help() {
    static const std::string help = AnswersHelp(
        kOptionsHelp, "100+50j", "zmatch --load 100+50j --line 50 --wavelength 1 --stub open");
    return help;
}

} // namespace

TProgram ZmatchProgram() {
    return {"zmatch", Options(),
            [](const TValues& values, const TFileLoad* file) -> std::unique_ptr<TSession> {
                if (values.count("choose")) return OpenChooseSession(values, file);
                RefuseChooseOptions(values);
                if (values.count("chain")) {
                    if (values.count("method"))
                        throw TUsageError{"«--chain» и «--method» — разные задачи: оставьте одно"};
                    return OpenChainSession(values, file);
                }
                if (values.count("touchstone-out"))
                    throw TUsageError{"«--touchstone-out» пишет цепь: добавьте «--chain» или "
                                      "уберите «--touchstone-out»"};
                if (values.count("method")) return OpenMethodSession(values, file);
                RefuseMethodOptions(values);
                TComplexText z = LineOption(values);
                std::string wavelength = NumberOption(values, "wavelength", "1");
                RefuseAsTheWindow("wavelength", wavelength,
                                  [](const tk::TEdit& e) { zmatch::ReadWavelength(e); });
                return std::make_unique<TZmatchSession>(
                    std::move(z), std::move(wavelength),
                    ChoiceOption(values, "stub", "short", "open", true),
                    values.count("picture") > 0, ReadBandSettings(values, file));
            },
            Help().c_str()};
}

} // namespace cli
