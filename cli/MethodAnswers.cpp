#include "cli/MethodAnswers.h"

#include "cli/AnswerParts.h"
#include "cli/BandAnswers.h"
#include "cli/ComplexLoad.h"
#include "cli/Json.h"

#include "measured/Frequency.h"
#include "theory/BandResponse.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"
#include "zmatch/MethodOptions.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/StubMatch.h"
#include "zmatch/Unit1.h"
#include "zmatch/methods/LoadLimits.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
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
    const zmatch::methods::TMethod* Method = nullptr;
    // The options the method reads, as they are typed into its window: given or not.
    std::vector<std::pair<zmatch::methods::TOptionKind, std::string>> Options;
    std::string Frequency; // as given: the L-section's, or f0 of the band
    TComplexText Line;
    bool Picture = false;
    bool Band = false;
    theory::TLoadModel Model = theory::TLoadModel::Series;
    const TFileLoad* File = nullptr;
};

class TMethodSession : public TSession {
  public:
    explicit TMethodSession(TMethodSettings s) : s_(std::move(s)) {
        if (s_.Picture) methods_.Picture->Canvas.Log = &log_;
        main_.FormCreate(&main_);
        methods_.ChooseMethod(s_.Method->Key);
        for (const auto& [kind, text] : s_.Options)
            methods_.TypeOption(kind, text);
    }

    // The options as the window reads them, before any load.
    void CheckOptions() const {
        try {
            methods_.ReadOptions();
        } catch (const zmatch::EOptionError& e) {
            throw TUsageError{std::string("параметр «--") + zmatch::OptionOf(e.Option).Flag +
                              "»: " + e.Message};
        }
    }

    TAnswer Answer(const std::string& load) override {
        if (std::optional<TAnswer> refused = TypeLoad(main_, load, s_.Line)) return *refused;
        matched_.clear();
        try {
            methods_.SolveClick(methods_.SolveButton);
        } catch (const tk::Exception& e) {
            if (e.Message != zmatch::kMethodMatchedMessage) return Refusal(load, e.Message);
            matched_ = zmatch::methods::MatchedSteps(main_.ReadLoad().Exact);
            return Matched(load);
        }
        return Answered(load);
    }

    const tk::TCanvas& Picture() const override { return methods_.Picture->Canvas; }
    std::string PictureTitle() const override { return zmatch::MethodsPictureTitle(methods_); }
    // A matched load's own steps; the window keeps the last load it built.
    const chart::TConstructionSteps& Steps() const override {
        return matched_.empty() ? methods_.Steps() : matched_;
    }

  private:
    // The load, the line, the method and the options it reads that the answer echoes.
    std::string Head(const std::string& load) const {
        std::string head = Field("load", json::String(Quoted(load))) + "," +
                           Field("line", json::Complex(main_.ReadLoad().Exact.Line)) + "," +
                           Field("method", json::String(s_.Method->Key));
        const zmatch::methods::TMethodOptions options = methods_.ReadOptions();
        for (const zmatch::TOptionDesc& d : zmatch::OptionKinds())
            if (d.JsonKey && s_.Method->Options.Has(d.Kind))
                head += "," +
                        Field(d.JsonKey, d.Choices.empty()
                                             ? Number(options.*d.Value)
                                             : json::String(std::string(methods_.Chosen(d.Kind))));
        return head;
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

const zmatch::methods::TMethod& MethodOption(const std::string& key) {
    const auto all = zmatch::methods::Methods();
    std::string keys;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (key == all[i].Key) return all[i];
        keys += (i == 0 ? "" : i + 1 == all.size() ? " или " : ", ") + std::string(all[i].Key);
    }
    throw TUsageError{"параметр «--method»: «" + Quoted(key) + "» не подходит. Введите " + keys +
                      "."};
}

// An option as its row takes it: a choice's word, a number in the user's way, or the text
// as given; its default when it is not given.
std::string OptionText(const TValues& values, const zmatch::TOptionDesc& d) {
    if (d.Choices.size() == 2) {
        const char *a = d.Choices[0].Word, *b = d.Choices[1].Word;
        return ChoiceOption(values, d.Flag, a, b, std::string_view(d.Default) == a) ? a : b;
    }
    if (d.Number) return NumberOption(values, d.Flag, d.Default);
    const auto given = values.find(d.Flag);
    return given == values.end() ? d.Default : given->second;
}

} // namespace

std::unique_ptr<TSession> OpenMethodSession(const TValues& values, const TFileLoad* file) {
    TMethodSettings s;
    s.Method = &MethodOption(values.at("method"));
    s.Band = values.count("band") > 0;
    for (const zmatch::TOptionDesc& d : zmatch::OptionKinds()) {
        if (s.Method->Options.Has(d.Kind))
            s.Options.emplace_back(d.Kind, OptionText(values, d));
        else if (!(d.BandToo && (s.Band || file)))
            Refuse(values, d.Flag, d.Unread);
    }
    if (!s.Band) Refuse(values, "model", "задаёт полосу согласования: добавьте «--band»");
    s.Line = LineOption(values);
    if (const auto f = values.find("frequency"); f != values.end()) s.Frequency = f->second;
    s.Model = ModelOption(values, file);
    s.File = file;
    if (!file && !s.Frequency.empty()) try {
            measured::ReadFrequency(s.Frequency);
        } catch (const tk::Exception& e) {
            throw TUsageError{"параметр «--frequency»: " + e.Message};
        }
    s.Picture = values.count("picture") > 0;
    auto session = std::make_unique<TMethodSession>(std::move(s));
    session->CheckOptions();
    return session;
}

} // namespace cli
