#include "chart/LoadFromFile.h"

#include "theory/LineTheory.h"

#include "chart/ChartForm.h"
#include "measured/Frequency.h"
#include "measured/Touchstone.h"

#include "toolkit/Application.h"
#include "toolkit/Conversions.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace chart {

namespace {

constexpr char kTitle[] = "Нагрузка из файла";
constexpr char kFilter[] = "Файлы Touchstone (*.s1p *.s2p *.ts)";
constexpr char kPrompt[] = "Частота: точка файла или своя, между точками";
constexpr char kOpenItem[] = "холостой ход, точка не используется";

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// For people, to a tenth of an ohm: «35,2 - j12,4 Ом».
std::string OhmsText(theory::TComplex z) {
    const std::string im = tk::FloatToStrF(std::fabs(z.imag()), 15, 1);
    const bool negative = z.imag() < 0 && im.find_first_of("123456789") != std::string::npos;
    return tk::FloatToStrF(z.real(), 15, 1) + (negative ? " - j" : " + j") + im + " Ом";
}

// For a field: six significant digits of the load's larger part, more than an analyser
// measures, trailing zeros dropped: 49,8734 and 0,0012 of a load near 50 Ом.
std::string FieldNumber(double value, double larger) {
    const int whole = larger >= 1 ? int(std::floor(std::log10(larger))) + 1 : 1;
    std::string text = tk::FloatToStrF(value, 15, std::clamp(6 - whole, 0, 5));
    if (text.find_first_of("Ee") != std::string::npos) return text;
    const char separator = tk::FormatSettings().DecimalSeparator;
    if (text.find(separator) == std::string::npos) return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == separator) text.pop_back();
    return text == "-0" ? "0" : text;
}

struct TChosen {
    double Hz = 0;
    measured::TLoadAtFrequency Load;
    std::string Where; // what the fields' tooltips add: the points interpolated between
};

// The point's item: «1,5 ГГц: 35,2 - j12,4 Ом», or what a point without a load is.
std::string ItemText(const measured::TMeasuredPoint& p) {
    return measured::FrequencyText(p.Hz) + ": " + (p.Ohms ? OhmsText(*p.Ohms) : kOpenItem);
}

// The item chosen is its point; any other text is a frequency, read, within the band. A
// point without a load, or a frequency between it and its neighbour, is refused.
TChosen Choose(const measured::TMeasuredLoad& load, const std::vector<std::string>& items,
               const std::string& answer) {
    const auto item = std::find(items.begin(), items.end(), answer);
    const double hz = item != items.end() ? load.Points[std::size_t(item - items.begin())].Hz
                                          : measured::ReadFrequency(answer);
    const measured::TLoadAtFrequency at = measured::LoadAt(load, hz);
    if (!at.Interpolated) return {hz, at, ""};
    const auto next =
        std::upper_bound(load.Points.begin(), load.Points.end(), hz,
                         [](double f, const measured::TMeasuredPoint& m) { return f < m.Hz; });
    return {hz, at,
            ", интерполировано между " + measured::FrequencyText((next - 1)->Hz) + " и " +
                measured::FrequencyText(next->Hz)};
}

} // namespace

void LoadFromFile(tk::TForm& form) {
    auto& f = dynamic_cast<TChartForm&>(form);
    if (!f.Application) return;
    const auto path = f.Application->AskOpenPath({kTitle, kFilter});
    if (!path) return;
    measured::TMeasuredLoad load = measured::ReadTouchstoneFile(*path);
    if (load.Points.empty()) throw tk::Exception("В файле «" + FileName(*path) + "» нет точек.");

    std::vector<std::string> items;
    for (const measured::TMeasuredPoint& p : load.Points)
        items.push_back(ItemText(p));
    // The field starts with the first point that has a load.
    const auto first =
        std::find_if(load.Points.begin(), load.Points.end(),
                     [](const measured::TMeasuredPoint& p) { return p.Ohms.has_value(); });
    const std::size_t selected =
        first == load.Points.end() ? 0 : std::size_t(first - load.Points.begin());
    const auto answer = f.Application->AskChoice({kTitle, kPrompt, items, selected});
    if (!answer) return;

    const TChosen chosen = Choose(load, items, *answer);
    const theory::TComplex z = chosen.Load.Ohms;
    const double larger = std::max(std::fabs(z.real()), std::fabs(z.imag()));
    const std::string re = FieldNumber(z.real(), larger), im = FieldNumber(z.imag(), larger);
    f.Edit1->Text = re;
    f.Edit2->Text = im;
    f.Edit1->Hint = f.Edit2->Hint = "Zн из файла «" + FileName(*path) + "» на " +
                                    measured::FrequencyText(chosen.Hz) + ": " + OhmsText(z) +
                                    chosen.Where;
    f.SetMeasured({std::move(load), chosen.Hz, re, im});
}

} // namespace chart
