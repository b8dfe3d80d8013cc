#include "exercises/Exercise.h"

#include "toolkit/DecimalText.h"

#include <array>

namespace exercises {

namespace {

struct TKindRow {
    TKind Kind;
    const char* Key;
    const char* Name;
    bool Zmatch, Zline;
};

constexpr std::array<TKindRow, 8> kKinds{{
    {TKind::StubShort, "stub-short", "параллельный короткозамкнутый шлейф", true, false},
    {TKind::StubOpen, "stub-open", "параллельный разомкнутый шлейф", true, false},
    {TKind::SeriesStub, "series-stub", "последовательный шлейф", true, false},
    {TKind::DoubleStub, "double-stub", "два параллельных шлейфа", true, false},
    {TKind::QuarterWave, "quarter-wave", "четвертьволновый трансформатор", true, false},
    {TKind::LSection, "l-section", "Г-образное звено из L и C", true, false},
    {TKind::LineMove, "line-move", "перенос вдоль линии с потерями", false, true},
    {TKind::Reading, "reading", "|Г|, КСВ и КБВ нагрузки", true, true},
}};

const TKindRow& RowOf(TKind kind) {
    for (const TKindRow& r : kKinds)
        if (r.Kind == kind) return r;
    return kKinds[0];
}

} // namespace

std::string_view KindKey(TKind kind) {
    return RowOf(kind).Key;
}

std::string_view KindName(TKind kind) {
    return RowOf(kind).Name;
}

std::optional<TKind> KindOfKey(std::string_view key) {
    for (const TKindRow& r : kKinds)
        if (key == r.Key) return r.Kind;
    return std::nullopt;
}

std::vector<TKind> KindsOf(std::string_view program) {
    std::vector<TKind> kinds;
    for (const TKindRow& r : kKinds)
        if (program == "zline" ? r.Zline : r.Zmatch) kinds.push_back(r.Kind);
    return kinds;
}

std::string DecimalComma(double v, int decimals) {
    std::string text = tk::FixedText(v, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string OhmsText(theory::TComplex ohms) {
    const std::string re = DecimalComma(ohms.real(), 2);
    if (ohms.imag() == 0) return re;
    const std::string im = DecimalComma(std::fabs(ohms.imag()), 2);
    return re + (ohms.imag() < 0 ? "-j" : "+j") + im;
}

} // namespace exercises
