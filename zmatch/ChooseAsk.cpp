#include "zmatch/ChooseAsk.h"

#include "zmatch/ChooseForm.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <cmath>
#include <string>

namespace zmatch {

const char* const kSectionsMessage =
    "Zт четвертьволновых, Ом: перечислите Zт через точку с запятой или пробел («50; 75»), "
    "или напишите «любое».";
const char* const kBandEndsMessage =
    "Полоса: задайте обе частоты, f1 и f2, или оставьте обе пустыми — тогда полоса f0 ± %.";

namespace {

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

std::string Named(std::string_view field, const char* what) {
    return std::string(field) + ": " + what;
}

// The field's number, above `floor` (above zero by default).
double ReadAbove(const tk::TEdit& edit, std::string_view field, double floor = 0,
                 const char* what = "число должно быть больше нуля.") {
    const double v = tk::ReadNumber(edit, field);
    if (!(v > floor)) throw tk::Exception(Named(field, what));
    return v;
}

// A Q field: empty for lossless parts, else above zero.
double ReadQ(const tk::TEdit& edit, std::string_view field) {
    return Blank(edit.Text) ? 0 : ReadAbove(edit, field);
}

// A frequency in MHz, above zero and within what a double holds in Hz.
double ReadMHz(const tk::TEdit& edit, std::string_view field) {
    const double mhz = ReadAbove(edit, field);
    if (!std::isfinite(mhz * 1e6)) throw tk::Exception(Named(field, "частота слишком велика."));
    return mhz;
}

theory::TPartsSeries PartsOf(const TChooseForm& form) {
    if (form.E12Button->Checked()) return theory::TPartsSeries::E12;
    if (form.E24Button->Checked()) return theory::TPartsSeries::E24;
    if (form.E96Button->Checked()) return theory::TPartsSeries::E96;
    return theory::TPartsSeries::Ideal;
}

// The band: f1 to f2 when both are given (f0 their middle when its field is empty), else
// f0 ± the span in %. Sets F0Hz, Low and High.
void ReadBand(const TChooseForm& form, theory::TChooseAsk& ask) {
    const bool from = !Blank(form.FromEdit->Text), to = !Blank(form.ToEdit->Text);
    if (from != to) throw tk::Exception(kBandEndsMessage);
    if (!from) {
        const double f0 = ReadMHz(*form.F0Edit, "f0, МГц");
        const double span = ReadAbove(*form.SpanEdit, "±, %");
        if (!(span < 100))
            throw tk::Exception(Named("±, %", "полоса должна быть уже ±100 %: f0 ± 5 %, ± 10 %."));
        ask.Load.F0Hz = f0 * 1e6;
        ask.Low = 1 - span / 100;
        ask.High = 1 + span / 100;
        if (!(ask.High > ask.Low))
            throw tk::Exception(Named("±, %", "полоса слишком узка: f0 ± 5 %, ± 0,1 %."));
        return;
    }
    const double f1 = ReadMHz(*form.FromEdit, "f1, МГц");
    const double f2 = ReadMHz(*form.ToEdit, "f2, МГц");
    if (!(f2 > f1)) throw tk::Exception(Named("f2, МГц", "частота должна быть выше f1."));
    const double f0 = Blank(form.F0Edit->Text) ? (f1 + f2) / 2 : ReadMHz(*form.F0Edit, "f0, МГц");
    if (!(f0 > f1 && f0 < f2))
        throw tk::Exception(Named("f0, МГц", "частота должна лежать между f1 и f2."));
    ask.Load.F0Hz = f0 * 1e6;
    ask.Low = f1 / f0;
    ask.High = f2 / f0;
}

} // namespace

TSectionChoice ReadSections(std::string_view text) {
    std::string spaced(text);
    for (std::size_t i = 0; i < spaced.size(); ++i)
        if (spaced[i] == ';' ||
            (spaced[i] == ',' && (i + 1 == spaced.size() || spaced[i + 1] == ' ')))
            spaced[i] = ' ';
    TSectionChoice choice;
    std::size_t at = 0;
    while ((at = spaced.find_first_not_of(" \t", at)) != std::string::npos) {
        const std::size_t end = std::min(spaced.find_first_of(" \t", at), spaced.size());
        const std::string word = spaced.substr(at, end - at);
        at = end;
        if (word == "любое" || word == "Любое") {
            choice.Ideal = true;
            continue;
        }
        double ohms = 0;
        try {
            ohms = tk::StrToFloat(word);
        } catch (const tk::EConvertError& e) {
            throw tk::Exception("Zт четвертьволновых, Ом: " + e.Message + ". " + kSectionsMessage);
        }
        if (!(ohms > 0))
            throw tk::Exception("Zт четвертьволновых, Ом: Zт должно быть больше нуля.");
        choice.Ohms.push_back(ohms);
    }
    if (choice.Ohms.empty() && !choice.Ideal) throw tk::Exception(kSectionsMessage);
    return choice;
}

theory::TChooseAsk ReadChooseAsk(const TChooseForm& form, theory::TBandLoad load) {
    theory::TChooseAsk ask;
    ask.Load = load;
    ReadBand(form, ask);
    ask.MaxVswr = ReadAbove(*form.VswrEdit, "КСВ не более", 1, "КСВ должен быть больше 1: 2, 1,5.");
    ask.Parts = PartsOf(form);
    ask.QInductor = ReadQ(*form.QInductorEdit, "Q катушек");
    ask.QCapacitor = ReadQ(*form.QCapacitorEdit, "Q конденсаторов");
    ask.StubOhms =
        Blank(form.StubOhmsEdit->Text) ? 0 : ReadAbove(*form.StubOhmsEdit, "Zв шлейфов, Ом");
    ask.StubMax = ReadAbove(*form.StubMaxEdit, "Шлейф не длиннее, λ");
    const TSectionChoice sections = ReadSections(form.SectionsEdit->Text);
    ask.SectionOhms = sections.Ohms;
    ask.IdealSection = sections.Ideal;
    ask.LoadedQ = ReadAbove(*form.LoadedQEdit, "Нагруженная Q π и T");
    ask.Vf = ReadAbove(*form.VfEdit, "Коэф. укорочения");
    if (ask.Vf > 1)
        throw tk::Exception(Named("Коэф. укорочения", "он не бывает больше 1: 0,66, 1."));
    return ask;
}

} // namespace zmatch
