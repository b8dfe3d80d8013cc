// Each element's words: its kind, its value with its unit, then its options in any order.
#include "theory/ChainText.h"

#include "theory/ChainWords.h"

namespace theory {

namespace {

using namespace chainwords;

// Options after the value: each keyword once, read by `read`, which is handed the keyword.
template <class TRead>
void Options(TReader& r, std::initializer_list<std::string_view> keywords, TRead read) {
    std::vector<std::string_view> seen;
    while (r.More()) {
        const std::string_view word = r.Next("");
        bool known = false;
        for (std::string_view k : keywords)
            if (Is(word, k)) {
                for (std::string_view s : seen)
                    if (s == k) r.Fail(Quote(word) + " задан дважды");
                seen.push_back(k);
                read(k);
                known = true;
                break;
            }
        if (!known) r.Fail("лишнее слово " + Quote(word));
    }
}

TChainElement ReadLumped(TReader& r, TPlace place, double f0Hz) {
    const std::string_view kind = r.Next("L, C или R");
    TChainElement e;
    e.Place = place;
    if (Is(kind, "l"))
        e.Kind = TChainKind::L;
    else if (Is(kind, "c"))
        e.Kind = TChainKind::C;
    else if (Is(kind, "r"))
        e.Kind = TChainKind::R;
    else
        r.Fail("вид " + Quote(kind) + " не известен: после series и shunt пишите L, C или R");
    if (e.Kind == TChainKind::R) {
        e.Value = r.Quantity("сопротивление в омах", kOhms);
        if (place == TPlace::Shunt && e.Value == 0)
            r.Fail("сопротивление " + Quote(r.Last()) + " поперёк линии должно быть больше нуля");
        if (r.More()) r.Fail("лишнее слово " + Quote(r.Peek()));
        return e;
    }
    const bool inductor = e.Kind == TChainKind::L;
    if (Is(r.Peek(), "x")) {
        r.Next("");
        e.Reactance = true;
        e.Value = r.Positive("реактивное сопротивление в омах", kOhms);
    } else {
        e.Value = r.Positive(inductor ? "индуктивность, например 12nH" : "ёмкость, например 2.2pF",
                             {{inductor ? "H" : "F"}});
        if (!(f0Hz > 0))
            r.Fail(Quote(r.Last()) + (inductor ? " — индуктивность" : " — ёмкость") +
                   " без частоты: задайте частоту f0 или реактивное сопротивление в омах, "
                   "например «X 30»");
    }
    Options(r, {"q"}, [&](std::string_view) {
        e.Q = r.Quantity("добротность, например 50", {}, false);
        if (e.Q == 0) r.Fail("добротность " + Quote(r.Last()) + " должна быть больше нуля");
    });
    return e;
}

TChainElement ReadLine(TReader& r, double f0Hz) {
    TChainElement e;
    e.Kind = TChainKind::Line;
    std::string_view unit;
    e.Value =
        r.Quantity("длина в λ или в мм, например 0.1 или 25mm", {{"λ"}, {"mm", -3}}, false, &unit);
    const bool millimetres = unit == "mm";
    Options(r, {"z", "loss", "vf"}, [&](std::string_view k) {
        if (k == "z") e.Z0 = r.Positive("волновое сопротивление в омах", kOhms);
        if (k == "loss") e.Loss = r.Quantity("потери в дБ на длину волны", {}, false);
        if (k == "vf") {
            e.Vf = r.Positive("коэффициент укорочения, например 0.66", {}, false);
            if (e.Vf > 1) r.Fail("коэффициент укорочения " + Quote(r.Last()) + " больше 1");
        }
    });
    if (millimetres && e.Vf == 0)
        r.Fail("длина в мм требует коэффициент укорочения: добавьте, например, «vf 0.66»");
    if (!millimetres && e.Vf > 0) r.Fail("«vf» нужен только длине в мм: уберите его");
    if (millimetres && !(f0Hz > 0))
        r.Fail("длина в мм без частоты: задайте частоту f0 или длину в λ");
    return e;
}

TChainElement ReadStub(TReader& r) {
    TChainElement e;
    e.Kind = TChainKind::Stub;
    const std::string_view place = r.Next("series или shunt");
    if (Is(place, "shunt"))
        e.Place = TPlace::Shunt;
    else if (!Is(place, "series"))
        r.Fail("шлейф " + Quote(place) + " не известен: пишите series или shunt");
    const std::string_view end = r.Next("short или open");
    if (Is(end, "open"))
        e.End = TStubKind::Open;
    else if (!Is(end, "short"))
        r.Fail("конец шлейфа " + Quote(end) + " не известен: пишите short или open");
    e.Value = r.Positive("длина шлейфа в λ, например 0.125", {{"λ"}}, false);
    Options(r, {"z"},
            [&](std::string_view) { e.Z0 = r.Positive("волновое сопротивление в омах", kOhms); });
    return e;
}

const char* PlaceWord(TPlace p) {
    return p == TPlace::Series ? "series" : "shunt";
}

} // namespace

TChainElement ReadChainElement(std::string_view text, const std::string& where, double f0Hz) {
    TReader r(text, where);
    if (!r.More()) r.Fail("пустой элемент");
    const std::string_view kind = r.Next("");
    TChainElement e;
    if (Is(kind, "series") || Is(kind, "shunt"))
        e = ReadLumped(r, Is(kind, "series") ? TPlace::Series : TPlace::Shunt, f0Hz);
    else if (Is(kind, "line"))
        e = ReadLine(r, f0Hz);
    else if (Is(kind, "stub"))
        e = ReadStub(r);
    else if (Is(kind, "transformer")) {
        e.Kind = TChainKind::Transformer;
        e.Value = r.Positive("коэффициент трансформации n, например 2", {}, false);
        if (r.More()) r.Fail("лишнее слово " + Quote(r.Peek()));
    } else
        r.Fail("вид " + Quote(kind) +
               " не известен: пишите series, shunt, line, stub или transformer");
    return e;
}

std::vector<TChainElement> ReadChainText(std::string_view text, double f0Hz) {
    std::vector<TChainElement> elements;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view piece = text.substr(start, end - start);
        // Numbered as the answer numbers its nodes: blank pieces are no elements.
        if (!Words(piece).empty())
            elements.push_back(
                ReadChainElement(piece, "Элемент " + std::to_string(elements.size() + 1), f0Hz));
        start = end + 1;
    }
    return elements;
}

std::string ChainElementText(const TChainElement& e) {
    switch (e.Kind) {
    case TChainKind::L:
    case TChainKind::C: {
        const bool inductor = e.Kind == TChainKind::L;
        std::string s =
            std::string(PlaceWord(e.Place)) + (inductor ? " L " : " C ") +
            (e.Reactance ? "X " + Decimal(e.Value) : Engineering(e.Value, inductor ? "H" : "F"));
        return e.Q > 0 ? s + " Q " + Decimal(e.Q) : s;
    }
    case TChainKind::R:
        return std::string(PlaceWord(e.Place)) + " R " + Engineering(e.Value, "", 0);
    case TChainKind::Line: {
        std::string s = "line " + (e.Vf > 0 ? Decimal(e.Value, -3) + "mm" : Decimal(e.Value));
        if (e.Z0 > 0) s += " Z " + Decimal(e.Z0);
        if (e.Loss > 0) s += " loss " + Decimal(e.Loss);
        if (e.Vf > 0) s += " vf " + Decimal(e.Vf);
        return s;
    }
    case TChainKind::Stub:
        return std::string("stub ") + PlaceWord(e.Place) +
               (e.End == TStubKind::Short ? " short " : " open ") + Decimal(e.Value) +
               (e.Z0 > 0 ? " Z " + Decimal(e.Z0) : "");
    case TChainKind::Transformer:
        return "transformer " + Decimal(e.Value);
    }
    return "";
}

std::string ChainText(const std::vector<TChainElement>& elements) {
    std::string text;
    for (const TChainElement& e : elements)
        text += (text.empty() ? "" : "; ") + ChainElementText(e);
    return text;
}

} // namespace theory
