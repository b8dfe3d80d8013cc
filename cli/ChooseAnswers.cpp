#include "cli/ChooseAnswers.h"

#include "cli/AnswerParts.h"
#include "cli/ComplexLoad.h"
#include "cli/Json.h"

#include "measured/Frequency.h"
#include "measured/MeasuredLoad.h"
#include "theory/ChainText.h"
#include "theory/Choose.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <cmath>

namespace cli {

namespace {

using json::Field;
using json::Number;

double Positive(const TValues& values, const std::string& name, double fallback) {
    const auto it = values.find(name);
    if (it == values.end()) return fallback;
    double v = 0;
    try {
        v = tk::StrToFloat(NumberOption(values, name, ""));
    } catch (const tk::Exception& e) {
        throw TUsageError{"параметр «--" + name + "»: " + e.Message};
    }
    if (!(v > 0) || !std::isfinite(v))
        throw TUsageError{"параметр «--" + name + "»: нужно число больше нуля, а не «" +
                          Quoted(it->second) + "»"};
    return v;
}

double Hz(const TValues& values, const std::string& name) {
    try {
        return measured::ReadFrequency(values.at(name));
    } catch (const tk::Exception& e) {
        throw TUsageError{"параметр «--" + name + "»: " + e.Message};
    }
}

theory::TPartsSeries PartsOption(const TValues& values) {
    const auto it = values.find("parts");
    if (it == values.end()) return theory::TPartsSeries::Ideal;
    // Either case: e24 or E24, Ideal or ideal.
    std::string word = it->second;
    for (char& c : word)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    if (word == "ideal") return theory::TPartsSeries::Ideal;
    if (word == "e12") return theory::TPartsSeries::E12;
    if (word == "e24") return theory::TPartsSeries::E24;
    if (word == "e96") return theory::TPartsSeries::E96;
    throw TUsageError{"параметр «--parts»: ряд номиналов «" + Quoted(it->second) +
                      "» не известен: ideal, E12, E24 или E96"};
}

// --zt 50,75 (points for decimals: the comma parts the list) or ideal.
void SectionsOption(const TValues& values, theory::TChooseAsk& ask) {
    const auto it = values.find("zt");
    if (it == values.end()) return;
    if (it->second == "ideal") {
        ask.IdealSection = true;
        return;
    }
    ask.SectionOhms.clear();
    std::size_t start = 0;
    while (start <= it->second.size()) {
        std::size_t end = it->second.find(',', start);
        if (end == std::string::npos) end = it->second.size();
        const TValues one{{"zt", it->second.substr(start, end - start)}};
        ask.SectionOhms.push_back(Positive(one, "zt", 0));
        start = end + 1;
    }
}

std::string EntryObject(const theory::TChoice& c) {
    return "{" + Field("topology", json::String(c.Topology)) + "," +
           Field("chain", json::String(theory::ChainText(c.Chain.Elements))) + "," +
           Field("worst_vswr", Number(c.WorstVswr)) + "," + Field("width", Number(c.Width)) + "," +
           Field("loss_db", Number(c.LossDb)) + "," + Field("parts", std::to_string(c.Parts)) + "}";
}

class TChooseSession : public TSession {
  public:
    explicit TChooseSession(theory::TChooseAsk ask) : ask_(std::move(ask)) {}

    TAnswer Answer(const std::string& load) override {
        theory::TChooseAsk ask = ask_;
        if (ask.Load.Model != theory::TLoadModel::Measured) {
            const TComplexText typed = ReadComplex(load);
            if (!typed.Error.empty()) return Refusal(load, typed.Error);
            try {
                ask.Load.Load = {tk::StrToFloat(typed.Re), tk::StrToFloat(typed.Im)};
            } catch (const tk::Exception& e) {
                return Refusal(load, e.Message);
            }
        }
        std::vector<theory::TChoice> ranked;
        try {
            ranked = theory::Choose(ask);
        } catch (const tk::Exception& e) {
            return Refusal(load, e.Message);
        }
        TAnswer a;
        a.Text = theory::ChoiceTableText(ranked, ask);
        for (const std::string& reason : theory::ChoiceReasons(ranked, ask))
            a.Text += reason + "\n";
        std::string list;
        for (const theory::TChoice& c : ranked)
            list += (list.empty() ? "" : ",") + EntryObject(c);
        a.Json = "{" + Field("ranked", "[" + list + "]") + "}";
        return a;
    }

    const tk::TCanvas& Picture() const override { return canvas_; }
    std::string PictureTitle() const override { return ""; }
    const chart::TConstructionSteps& Steps() const override { return steps_; }

  private:
    static TAnswer Refusal(const std::string& load, const std::string& why) {
        TAnswer a;
        a.Refused = true;
        a.Message = "нагрузка «" + Quoted(load) + "»: " + why;
        a.Json = "{" + Field("load", json::String(Quoted(load))) + "," +
                 Field("error", json::String(a.Message)) + "}";
        return a;
    }

    theory::TChooseAsk ask_;
    tk::TCanvas canvas_{1, 1};
    chart::TConstructionSteps steps_;
};

} // namespace

TBandOptions ReadBandOptions(const TValues& values, double f0Hz, const TFileLoad* file) {
    TBandOptions b;
    const bool span = values.count("span"), from = values.count("from"), to = values.count("to");
    b.Given = span || from || to;
    b.MaxVswr = values.count("max-vswr") ? Positive(values, "max-vswr", 2) : 2;
    if (!(b.MaxVswr > 1)) throw TUsageError{"параметр «--max-vswr»: КСВ должен быть больше 1"};
    if (!b.Given) return b;
    if (!(f0Hz > 0)) throw TUsageError{"полоса задаётся около f0: добавьте «--frequency»"};
    if (span && (from || to))
        throw TUsageError{"полоса задаётся либо «--span», либо «--from» и «--to»: оставьте одно"};
    if (span) {
        std::string text = values.at("span");
        const bool percent = !text.empty() && text.back() == '%';
        if (percent) text.pop_back();
        double v = 0;
        try {
            v = tk::StrToFloat(NumberOption({{"span", text}}, "span", ""));
        } catch (const tk::Exception& e) {
            throw TUsageError{"параметр «--span»: " + e.Message};
        }
        if (percent) v /= 100;
        // 10 without «%» is ten times f0: most likely 10 % was meant, and the refusal says how.
        if (!percent && v >= 2 && v < 200)
            throw TUsageError{"параметр «--span»: «" + Quoted(text) + "» без «%» — доля f0 (" +
                              tk::FloatToStrF(v * 100, 15, 0) +
                              " %); полосу в процентах пишите со знаком: «--span " +
                              Quoted(text) + "%»"};
        if (!(v > 0) || !(v < 2))
            throw TUsageError{"параметр «--span»: полоса должна быть больше нуля и меньше 200 %, "
                              "например «--span 10%»"};
        b.Low = 1 - v / 2;
        b.High = 1 + v / 2;
    } else {
        if (!from || !to) throw TUsageError{"полосе нужны обе границы: «--from F1 --to F2»"};
        b.Low = Hz(values, "from") / f0Hz;
        b.High = Hz(values, "to") / f0Hz;
        if (!(b.Low < b.High)) throw TUsageError{"полоса пуста: «--from» должна быть ниже «--to»"};
        if (!(b.Low <= 1 && 1 <= b.High))
            throw TUsageError{"частота «--frequency» должна лежать между «--from» и «--to»"};
    }
    if (file) {
        const auto edges = measured::LoadedBandAbout(file->Measured, f0Hz);
        if (!edges || b.Low * f0Hz < edges->FromHz * (1 - 1e-12) ||
            b.High * f0Hz > edges->ToHz * (1 + 1e-12))
            throw TUsageError{"полоса " + measured::FrequencyText(b.Low * f0Hz) + " – " +
                              measured::FrequencyText(b.High * f0Hz) +
                              " выходит за частоты файла, на которых известна нагрузка" +
                              (edges ? " (" + measured::FrequencyText(edges->FromHz) + " – " +
                                           measured::FrequencyText(edges->ToHz) + ")"
                                     : std::string())};
    }
    return b;
}

std::unique_ptr<TSession> OpenChooseSession(const TValues& values, const TFileLoad* file) {
    for (const char* other : {"wavelength", "stub", "method", "band", "model", "steps", "picture",
                              "chain", "touchstone-out"})
        if (values.count(other))
            throw TUsageError{std::string("«--") + other +
                              "» не относится к «--choose»: уберите «--" + other + "»"};
    if (!values.count("frequency"))
        throw TUsageError{"подбору нужна частота f0: добавьте, например, «--frequency 433.92MHz»"};
    const double f0 = file ? file->Hz : Hz(values, "frequency");
    const TComplexText line = LineOption(values);
    if (tk::StrToFloat(line.Im) != 0)
        throw TUsageError{"параметр «--line»: Zв — вещественное, например «--line 50»"};
    theory::TChooseAsk ask;
    ask.Load = {file ? file->At.Ohms : theory::TComplex(100, 50), tk::StrToFloat(line.Re),
                file ? theory::TLoadModel::Measured : theory::TLoadModel::Series,
                file ? &file->Measured : nullptr, f0};
    const TBandOptions band = ReadBandOptions(values, f0, file);
    ask.Low = band.Low;
    ask.High = band.High;
    ask.MaxVswr = band.MaxVswr;
    ask.Parts = PartsOption(values);
    ask.QInductor = Positive(values, "q-inductor", 0);
    ask.QCapacitor = Positive(values, "q-capacitor", 0);
    ask.StubMax = values.count("stub-max") ? Positive(values, "stub-max", 0) : ask.StubMax;
    SectionsOption(values, ask);
    ask.Points = kChoosePoints;
    try {
        // Everything but the load checked now: a bad band is a bad option, not a bad load.
        theory::TChooser check(ask);
    } catch (const tk::Exception& e) {
        throw TUsageError{e.Message};
    }
    return std::make_unique<TChooseSession>(std::move(ask));
}

} // namespace cli
