#include "cli/MethodAnswers.h"

#include "cli/AnswerParts.h"
#include "cli/BandAnswers.h"
#include "cli/ComplexLoad.h"
#include "cli/Json.h"

#include "chart/FieldNames.h"
#include "measured/Frequency.h"
#include "theory/BandResponse.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/StubMatch.h"
#include "zmatch/Unit1.h"
#include "zmatch/methods/LoadLimits.h"

#include <string>
#include <vector>

namespace cli {

namespace {

using json::Field;
using json::Number;

// A reported value as JSON: a number, a word, true or false, or an object of values.
std::string ValueText(const zmatch::methods::TReportedValue& v) {
    if (v.Truth) return *v.Truth ? "true" : "false";
    if (!v.Members.empty()) {
        std::string members;
        for (const auto& m : v.Members)
            members += (members.empty() ? "" : ",") + Field(m.Key, ValueText(m));
        return "{" + members + "}";
    }
    if (!v.Text.empty()) return json::String(v.Text);
    return Number(v.Number);
}

std::string ObjectOf(const zmatch::methods::TReportedValues& values) {
    std::string out;
    for (const auto& v : values)
        out += (out.empty() ? "" : ",") + Field(v.Key, ValueText(v));
    return "{" + out + "}";
}

struct TMethodSettings {
    std::string Method, Stub, FirstStub = "0", Spacing = "0.125", Frequency;
    std::string Wavelength; // as typed; empty for the L-section, which has no lengths
    TComplexText Line;
    bool Picture = false;
    bool Band = false;
    theory::TLoadModel Model = theory::TLoadModel::Series;
    const TFileLoad* File = nullptr;
};

class TMethodSession : public TSession {
  public:
    explicit TMethodSession(TMethodSettings s) : s_(std::move(s)) {
        if (s_.Picture) methods_.Image1->Canvas.Log = &log_;
        main_.FormCreate(&main_);
        methods_.ChooseMethod(s_.Method);
        (s_.Stub == "open" ? methods_.RadioButton6 : methods_.RadioButton5)->SetChecked(true);
        methods_.Edit1->Text = s_.FirstStub;
        methods_.Edit2->Text = s_.Spacing;
        methods_.Edit3->Text = s_.Frequency;
        if (!s_.Wavelength.empty()) main_.Edit6->Text = s_.Wavelength;
    }

    // The options as the window reads them, before any load.
    void CheckOptions() const {
        try {
            methods_.ReadOptions();
        } catch (const zmatch::EOptionError& e) {
            const char* name = e.Field == methods_.Edit1   ? "first-stub"
                               : e.Field == methods_.Edit2 ? "spacing"
                               : e.Field == methods_.Edit3 ? "frequency"
                                                           : "wavelength";
            throw TUsageError{std::string("параметр «--") + name + "»: " + e.Message};
        }
    }

    TAnswer Answer(const std::string& load) override {
        const TComplexText z = ReadComplex(load);
        if (!z.Error.empty()) return Refusal(load, z.Error);
        main_.Edit1->Text = z.Re;
        main_.Edit2->Text = z.Im;
        main_.Edit3->Text = s_.Line.Re;
        main_.Edit4->Text = s_.Line.Im;
        matched_.clear();
        try {
            methods_.Button1Click(methods_.Button1);
        } catch (const tk::Exception& e) {
            if (e.Message != zmatch::kMethodMatchedMessage) return Refusal(load, e.Message);
            matched_ = zmatch::methods::MatchedSteps(
                chart::ReadLoadInput(*main_.Edit1, *main_.Edit2, *main_.Edit3, *main_.Edit4).Exact);
            return Matched(load);
        }
        return Answered(load);
    }

    const tk::TCanvas& Picture() const override { return methods_.Image1->Canvas; }
    std::string PictureTitle() const override { return zmatch::MethodsPictureTitle(methods_); }
    // A matched load's own steps; the window keeps the last load it built.
    const chart::TConstructionSteps& Steps() const override {
        return matched_.empty() ? methods_.Steps() : matched_;
    }

  private:
    std::string Head(const std::string& load) const {
        const chart::TTypedLoad typed =
            chart::ReadLoadInput(*main_.Edit1, *main_.Edit2, *main_.Edit3, *main_.Edit4).Exact;
        return Field("load", json::String(Quoted(load))) + "," +
               Field("line", json::Complex(typed.Line)) + "," +
               Field("method", json::String(s_.Method)) +
               (s_.Wavelength.empty()
                    ? ""
                    : "," + Field("wavelength", Number(zmatch::ReadWavelength(*main_.Edit6)))) +
               (s_.Stub.empty() ? "" : "," + Field("stub", json::String(s_.Stub)));
    }

    TAnswer Matched(const std::string& load) const {
        TAnswer a;
        a.Text = std::string(zmatch::kMethodMatchedMessage) + "\n";
        a.Json = "{" + Head(load) + "," + Field("matched", "true") + "," +
                 Field("message", json::String(zmatch::kMethodMatchedMessage)) + "}";
        return a;
    }

    TAnswer Answered(const std::string& load) const {
        const zmatch::methods::TMethodOutcome& o = *methods_.Outcome();
        TAnswer a;
        a.Text = zmatch::MethodsResultsText(methods_);
        std::string solutions;
        for (const zmatch::methods::TSolution& s : o.Solutions)
            solutions += std::string(solutions.empty() ? "" : ",") + "{" +
                         Field("name", json::String(s.Name)) + "," +
                         Field("chart", ObjectOf(s.ChartValues)) + "," +
                         Field("exact", ObjectOf(s.ExactValues)) + "," +
                         Field("built_vswr", Number(s.BuiltVswr)) + "}";
        std::string notes;
        for (const std::string& n : o.Notes)
            notes += (notes.empty() ? "" : ",") + json::String(n);
        a.Json = "{" + Head(load) + "," + Field("solutions", "[" + solutions + "]");
        const std::string extra = ObjectOf(o.Extra);
        if (extra.size() > 2) a.Json += "," + extra.substr(1, extra.size() - 2);
        a.Json += "," + Field("notes", "[" + notes + "]");
        if (s_.Band) {
            theory::TBandLoad in;
            in.Load = methods_.SolvedLoad().Load;
            in.Line = methods_.SolvedLoad().Line;
            in.Model = s_.Model;
            if (s_.File) {
                in.Measured = &s_.File->Measured;
                in.F0Hz = s_.File->Hz;
            } else if (!s_.Frequency.empty()) {
                in.F0Hz = measured::ReadFrequency(s_.Frequency);
            }
            std::vector<theory::TNetwork> networks;
            for (const zmatch::methods::TSolution& s : o.Solutions)
                networks.push_back(s.ExactNetwork);
            const theory::TNetworksResponse r = theory::NetworksBand(in, networks);
            a.Text += SolutionsBandText(r, in.Model, in.F0Hz);
            a.Json += "," + SolutionsBandField(r, in.Model, in.F0Hz);
        }
        a.Json += "}";
        return a;
    }

    TMethodSettings s_;
    std::vector<tk::TCanvasCall> log_;
    chart::TConstructionSteps matched_;
    chart::TChartState state_;
    zmatch::TForm1 main_{state_};
    zmatch::TMethodsForm methods_{main_};
};

// Options read for nothing are said, not ignored.
void Refuse(const TValues& values, const char* name, const char* why) {
    if (values.count(name))
        throw TUsageError{std::string("«--") + name + "» " + why + ": уберите «--" + name + "»"};
}

} // namespace

std::unique_ptr<TSession> OpenMethodSession(const TValues& values, const TFileLoad* file) {
    TMethodSettings s;
    s.Method = values.at("method");
    bool known = false;
    for (const zmatch::methods::TMethod& m : zmatch::methods::Methods())
        known = known || s.Method == m.Key;
    if (!known)
        throw TUsageError{"параметр «--method»: «" + Quoted(s.Method) +
                          "» не подходит. Введите series-stub, double-stub, quarter-wave или "
                          "l-section."};
    const bool stubs = s.Method == "series-stub" || s.Method == "double-stub";
    if (!stubs) Refuse(values, "stub", "выбирает шлейф, а у этого способа шлейфов нет");
    if (s.Method != "double-stub") {
        Refuse(values, "spacing", "задаёт расстояние между двумя шлейфами (--method double-stub)");
        Refuse(values, "first-stub", "задаёт место первого из двух шлейфов (--method double-stub)");
    }
    if (s.Method == "l-section") {
        Refuse(values, "wavelength", "задаёт единицу длин, а у Г-образного звена длин нет");
    } else {
        s.Wavelength = NumberOption(values, "wavelength", "1");
        RefuseAsTheWindow("wavelength", s.Wavelength,
                          [](const tk::TEdit& e) { zmatch::ReadWavelength(e); });
    }
    s.Band = values.count("band") > 0;
    if (s.Method != "l-section" && !s.Band && !file)
        Refuse(values, "frequency", "задаёт f0 полосы (--band) или частоту L и C (l-section)");
    if (!s.Band) Refuse(values, "model", "задаёт полосу согласования: добавьте «--band»");
    const auto line = values.find("line");
    s.Line = ReadComplex(line == values.end() ? "50" : line->second);
    if (!s.Line.Error.empty()) throw TUsageError{"параметр «--line»: " + s.Line.Error};
    RefuseAsTheWindow("line", s.Line.Re, LineResistance);
    FitsTheChart("line", s.Line, chart::field::LineR, chart::field::LineX);
    if (stubs) s.Stub = ChoiceOption(values, "stub", "short", "open", true) ? "short" : "open";
    s.Spacing = NumberOption(values, "spacing", "0.125");
    s.FirstStub = NumberOption(values, "first-stub", "0");
    if (const auto f = values.find("frequency"); f != values.end()) s.Frequency = f->second;
    if (file) {
        if (values.count("model"))
            throw TUsageError{"с «--touchstone» нагрузка вне f0 берётся из файла: уберите "
                              "«--model»"};
        s.Model = theory::TLoadModel::Measured;
        s.File = file;
    } else {
        s.Model = ChoiceOption(values, "model", "series", "constant", true)
                      ? theory::TLoadModel::Series
                      : theory::TLoadModel::Constant;
        if (!s.Frequency.empty()) try {
                measured::ReadFrequency(s.Frequency);
            } catch (const tk::Exception& e) {
                throw TUsageError{"параметр «--frequency»: " + e.Message};
            }
    }
    s.Picture = values.count("picture") > 0;
    auto session = std::make_unique<TMethodSession>(std::move(s));
    session->CheckOptions();
    return session;
}

} // namespace cli
