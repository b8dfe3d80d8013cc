#include "cli/ChainAnswers.h"

#include "cli/AnswerParts.h"
#include "cli/BandAnswers.h"
#include "cli/ChooseAnswers.h"
#include "cli/ComplexLoad.h"
#include "cli/Json.h"

#include "chart/ChainChart.h"
#include "chart/ExactText.h"
#include "measured/Frequency.h"
#include "theory/ChainBand.h"
#include "theory/ChainText.h"
#include "theory/ChainTouchstone.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "zmatch/MethodOptions.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace cli {

namespace {

using json::Field;
using json::Number;

struct TChainSettings {
    theory::TChain Chain;
    std::string Text; // the chain as printed
    bool Band = false;
    bool Picture = false;
    theory::TLoadModel Model = theory::TLoadModel::Series;
    const TFileLoad* File = nullptr;
    TBandOptions Range; // --span or --from and --to, --max-vswr: the band --choose measured
};

// {"ohms", "z", "gamma", "vswr", "return_loss_db"} of a node.
std::string NodeObject(const theory::TNodeReading& r) {
    return "{" + Field("ohms", json::Complex(r.Ohms)) + "," + Field("z", json::Complex(r.Z)) + "," +
           Field("gamma", json::Complex(r.Gamma)) + "," + Field("vswr", Number(r.Vswr)) + "," +
           Field("return_loss_db", Number(theory::ReturnLossDb(r.GammaAbs))) + "}";
}

std::string Finite(double v, int decimals = 5) {
    return std::isfinite(v) ? chart::ExactNumber(v, decimals) : "∞";
}

// «Z = 20-j35 Ом, z = …, y = …, Г = …, |Г| = …, КСВ = …, обратные потери … дБ, Q = …»
std::string NodeText(const theory::TNodeReading& r) {
    return "Z = " + chart::ExactComplex(r.Ohms) + " Ом, z = " + chart::ExactComplex(r.Z) +
           ", y = " + chart::ExactComplex(r.Y) + ", Г = " + chart::ExactComplex(r.Gamma) +
           ", |Г| = " + Finite(r.GammaAbs) + ", КСВ = " + VswrCell(r.Vswr) + ", обратные потери " +
           Finite(theory::ReturnLossDb(r.GammaAbs), 2) + " дБ, Q = " + Finite(r.Q, 3);
}

std::string BandRows(const theory::TChainBand& b, double f0Hz, double limit) {
    std::string text = "Полоса (КСВ и обратные потери на входе):\n";
    const std::size_t n = b.Ratio.size(), rows = n < 21 ? n : 21;
    for (std::size_t k = 0; k < rows; ++k) {
        const std::size_t i = rows == 1 ? 0 : k * (n - 1) / (rows - 1);
        text += "  f/f0 = " + tk::FloatToStrF(b.Ratio[i], 9, 3) +
                (f0Hz > 0 ? " (" + measured::FrequencyText(b.Ratio[i] * f0Hz) + ")" : "") +
                ": КСВ " + VswrCell(b.Curve.Vswr[i]) + ", " +
                Finite(theory::ReturnLossDb(std::abs(b.Gamma[i])), 2) + " дБ\n";
    }
    return text + "КСВ ≤ " + chart::ShortNumber(limit) + ": " + BandWidthText(b.Curve, f0Hz) + "\n";
}

class TChainSession : public TSession {
  public:
    // With a picture the canvas keeps the log a PDF is made from, from the first call on.
    explicit TChainSession(TChainSettings s) : s_(std::move(s)) {
        if (s_.Picture) canvas_.Log = &log_;
    }

    TAnswer Answer(const std::string& load) override {
        const TComplexText typed = ReadComplex(load);
        if (!typed.Error.empty()) return Refusal(load, typed.Error);
        theory::TComplex z;
        try {
            z = {tk::StrToFloat(typed.Re), tk::StrToFloat(typed.Im)};
        } catch (const tk::Exception& e) {
            return Refusal(load, e.Message);
        }
        if (!std::isfinite(z.real()) || !std::isfinite(z.imag()))
            return Refusal(load, "нагрузка должна быть конечной");
        const theory::TChain& c = s_.Chain;
        const std::vector<theory::TComplex> nodes = theory::NodeOhms(c, z, 1);
        TAnswer a;
        const std::size_t n = c.Elements.size();
        a.Text = "Цепь (" + std::to_string(n) + " эл.), Zв = " + chart::ShortNumber(c.LineOhms) +
                 " Ом" + (c.F0Hz > 0 ? ", f0 = " + measured::FrequencyText(c.F0Hz) : "") + ": " +
                 (n ? s_.Text : "без элементов") +
                 "\nНагрузка: " + NodeText(theory::ReadingOf(z, c.LineOhms)) + "\n";
        std::string list;
        for (std::size_t i = 1; i < nodes.size(); ++i) {
            const theory::TNodeReading r = theory::ReadingOf(nodes[i], c.LineOhms);
            a.Text += "Узел " + std::to_string(i) + " (" +
                      theory::ChainElementText(c.Elements[i - 1]) + "): " + NodeText(r) + "\n";
            list += (i > 1 ? "," : "") + NodeObject(r);
        }
        const theory::TNodeReading in = theory::ReadingOf(nodes.back(), c.LineOhms);
        a.Text += "Вход: " + NodeText(in) + "\n";
        a.Json = "{" + Field("load", json::String(Quoted(load))) + "," +
                 Field("line", Number(c.LineOhms)) + "," +
                 Field("frequency", c.F0Hz > 0 ? Number(c.F0Hz) : "null") + "," +
                 Field("chain", json::String(s_.Text)) + "," + Field("input", NodeObject(in)) +
                 "," + Field("nodes", "[" + list + "]");
        if (s_.Band) AddBand(z, a);
        a.Json += "}";
        if (s_.Picture) {
            // As the window draws it: the input's path across the band under the chain's.
            const theory::TChainBand band = theory::ChainBand(c, BandLoad(z));
            chart::DrawChainChart(grid_, canvas_, c, z, &band);
            title_ = chart::ChainChartTitle(z, c.LineOhms);
        }
        return a;
    }

    const tk::TCanvas& Picture() const override { return canvas_; }
    std::string PictureTitle() const override { return title_; }
    const chart::TConstructionSteps& Steps() const override { return steps_; }

  private:
    theory::TBandLoad BandLoad(theory::TComplex z) const {
        theory::TBandLoad load{z, s_.Chain.LineOhms, s_.Model};
        if (s_.File) load.Measured = &s_.File->Measured;
        load.F0Hz = s_.Chain.F0Hz;
        return load;
    }

    void AddBand(theory::TComplex z, TAnswer& a) const {
        const theory::TBandLoad load = BandLoad(z);
        const TBandOptions& g = s_.Range;
        const theory::TChainBand b =
            g.Given ? theory::ChainBandOver(s_.Chain, load, g.Low, g.High, g.MaxVswr, kChoosePoints)
                    : theory::ChainBand(s_.Chain, load, g.MaxVswr);
        a.Text += BandRows(b, load.F0Hz, g.MaxVswr);
        theory::TNetworksResponse r{b.Ratio, {b.Curve}};
        a.Json += "," + SolutionsBandField(r, s_.Model, load.F0Hz);
        if (!g.Given || b.Ratio.empty()) return;
        // As --choose says them: the worst КСВ, and the share of the band about f0 within
        // the limit.
        double worst = 1;
        for (double v : b.Curve.Vswr)
            worst = std::isnan(v) ? INFINITY : std::fmax(worst, v);
        const double width = std::fmin(1, b.Curve.Vswr2Fraction / (g.High - g.Low));
        a.Text += "В полосе: КСВ не более " + VswrCell(worst) + ", КСВ ≤ " +
                  chart::ShortNumber(g.MaxVswr) + " в " + tk::FloatToStrF(width * 100, 9, 1) +
                  " % полосы\n";
        a.Json += "," + Field("worst_vswr", Number(worst)) + "," + Field("width", Number(width));
    }

    TChainSettings s_;
    tk::TCanvas canvas_{chart::kChainChartWidth, chart::kChainChartHeight};
    std::vector<tk::TCanvasCall> log_;
    chart::TDrawnGrid grid_;
    std::string title_;
    chart::TConstructionSteps steps_;
};

namespace fs = std::filesystem;

// A file's name as typed, in UTF-8 on every system; none for a name no file can have.
std::optional<fs::path> PathOf(const std::string& text) {
    try {
        return fs::path(std::u8string(text.begin(), text.end()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// A chain of a few elements is a few hundred bytes.
constexpr std::uintmax_t kMaxChainFileBytes = 1 << 20;

// The text of the chain file `given` names; none where it names no file (it is then the
// chain itself).
std::optional<std::string> ChainFile(const std::string& given) {
    const std::optional<fs::path> path = PathOf(given);
    std::error_code error;
    if (!path || !fs::is_regular_file(*path, error)) return std::nullopt;
    const std::string named = "параметр «--chain»: файл «" + Quoted(given) + "» ";
    if (fs::file_size(*path, error) > kMaxChainFileBytes)
        throw TUsageError{named + "больше 1 МБ, а цепь много меньше"};
    std::ifstream in(*path, std::ios::binary);
    if (!in) throw TUsageError{named + "не открывается"};
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw TUsageError{named + "не читается"};
    return text;
}

double ReadHz(const std::string& text) {
    try {
        return measured::ReadFrequency(text);
    } catch (const tk::Exception& e) {
        throw TUsageError{"параметр «--frequency»: " + e.Message};
    }
}

// The chain from --chain: a file when it names one, otherwise the elements themselves. A
// file's Zв and f0 stand where the command line gives none, and must agree where it does.
theory::TChain ReadChainOption(const TValues& values, double f0Hz) {
    const std::string& given = values.at("chain");
    theory::TChain chain;
    try {
        if (const std::optional<std::string> text = ChainFile(given)) {
            const theory::TChainFile file = theory::ReadChainFile(*text, f0Hz);
            chain = file.Chain;
            if (file.HasImpedance && values.count("line") &&
                tk::StrToFloat(LineOption(values).Re) != chain.LineOhms)
                throw TUsageError{"Zв файла цепи (" + chart::ShortNumber(chain.LineOhms) +
                                  " Ом) не совпадает с «--line»: оставьте одно"};
            if (file.HasImpedance) return chain;
        } else {
            chain.Elements = theory::ReadChainText(given, f0Hz);
            chain.F0Hz = f0Hz;
        }
    } catch (const tk::Exception& e) {
        throw TUsageError{"параметр «--chain»: " + e.Message};
    }
    const TComplexText line = LineOption(values);
    if (tk::StrToFloat(line.Im) != 0)
        throw TUsageError{"параметр «--line»: у цепи Zв — вещественное, например «--line 50»"};
    chain.LineOhms = tk::StrToFloat(line.Re);
    return chain;
}

// Options of the single stub and of the methods mean nothing to a chain: said, not ignored.
void RefuseOthers(const TValues& values) {
    std::vector<std::string> others = {"wavelength", "stub", "method", "steps"};
    for (const zmatch::TOptionDesc& d : zmatch::OptionKinds())
        if (d.WithoutMethod) others.push_back(d.Flag);
    for (const std::string& name : others)
        if (values.count(name))
            throw TUsageError{"«--" + name + "» не относится к «--chain»: уберите «--" + name +
                              "»"};
}

void WriteTouchstone(const TChainSettings& s, const std::string& path) {
    theory::TBandLoad load{0, s.Chain.LineOhms, s.Model};
    if (s.File) load.Measured = &s.File->Measured;
    load.F0Hz = s.Chain.F0Hz;
    if (!(s.Chain.F0Hz > 0))
        throw TUsageError{"«--touchstone-out» пишет частоты в герцах: задайте «--frequency»"};
    std::string text;
    try {
        text = theory::ChainTouchstone(s.Chain, theory::BandRatios(load));
    } catch (const tk::Exception& e) {
        throw TUsageError{"параметр «--touchstone-out»: " + e.Message};
    }
    const std::optional<fs::path> file = PathOf(path);
    std::ofstream out;
    if (file) out.open(*file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out)
        throw TUsageError{"параметр «--touchstone-out»: файл «" + Quoted(path) +
                          "» не записывается"};
}

} // namespace

std::unique_ptr<TSession> OpenChainSession(const TValues& values, const TFileLoad* file) {
    RefuseOthers(values);
    TChainSettings s;
    s.Band = values.count("band") > 0;
    s.Picture = values.count("picture") > 0;
    const auto f = values.find("frequency");
    const double hz = file ? file->Hz : f != values.end() ? ReadHz(f->second) : 0;
    s.Chain = ReadChainOption(values, hz);
    s.Text = theory::ChainText(s.Chain.Elements);
    s.Model = ModelOption(values, file);
    s.File = file;
    if (s.Band) s.Range = ReadBandOptions(values, hz, file);
    if (!file && !s.Band && values.count("model"))
        throw TUsageError{"«--model» задаёт полосу: добавьте «--band» или уберите «--model»"};
    if (const auto out = values.find("touchstone-out"); out != values.end())
        WriteTouchstone(s, out->second);
    return std::make_unique<TChainSession>(std::move(s));
}

} // namespace cli
