#include "measured/TouchstonePoints.h"

#include "measured/TouchstoneText.h"

#include "theory/PortableMath.h"
#include "toolkit/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace measured::touchstone {

namespace {

// One parameter as the format writes it, with its magnitude where the format gives one.
struct TPair {
    TComplex Value;
    std::optional<double> Magnitude;
};

// RI: real and imaginary parts; MA: magnitude and angle in degrees; DB: the magnitude as
// 20 lg |N|. On the portable math, so that a measured load is the same to its last bit on
// every platform. A magnitude of 0 dB or less is held to 1 at most.
TPair Pair(const double* ab, TFormat format, std::size_t line) {
    const double a = ab[0], b = ab[1];
    if (format == TFormat::RI) return {{a, b}, std::nullopt};
    double magnitude = a;
    if (format == TFormat::DB) {
        magnitude = theory::portable::Pow10(a / 20);
        if (a <= 0) magnitude = std::min(magnitude, 1.0);
        if (!std::isfinite(magnitude)) Refuse(line, "модуль параметра в дБ слишком велик");
    }
    const double radians = b * (std::numbers::pi / 180);
    using theory::portable::Cos, theory::portable::Sin;
    return {{magnitude * Cos(radians), magnitude * Sin(radians)}, magnitude};
}

} // namespace

TLineNumbers ReadLineNumbers(std::string_view text, std::size_t line) {
    TLineNumbers n;
    for (std::string_view word; NextWord(text, word); ++n.Count) {
        const double value = Number(word, line);
        if (n.Count == 0) n.FirstWord = word;
        if (n.Count < std::size(n.First)) n.First[n.Count] = value;
    }
    return n;
}

TPoints::TPoints(const TOptions& options, TPointLayout layout, double r1, double r2,
                 bool normalised)
    : options_(options), layout_(layout), r1_(r1), r2_(r2), normalised_(normalised) {}

void TPoints::Add(const TLineNumbers& n, std::size_t line) {
    const std::size_t wanted = layout_.Numbers;
    if (have_ == 0) {
        if (n.Count > wanted)
            Refuse(line, "ожидалось " + Numbers(wanted) + ", найдено " + std::to_string(n.Count));
        start_ = line;
        frequencyWord_ = n.FirstWord;
    } else if (n.Count % 2 != 0 || n.Count > wanted - have_) {
        End(line);
    }
    for (std::size_t i = 0; i < n.Count && have_ + i < std::size(numbers_); ++i)
        numbers_[have_ + i] = n.First[i];
    have_ += n.Count;
    if (have_ == wanted) {
        Complete();
        have_ = 0;
    }
}

void TPoints::End(std::size_t line) const {
    if (have_ != 0)
        Refuse(start_,
               "ожидалось " + Numbers(layout_.Numbers) + ", найдено " + std::to_string(have_) +
                   " (точка обрывается " +
                   (line ? "перед строкой " + std::to_string(line) : std::string("в конце файла")) +
                   ")");
}

void TPoints::Complete() {
    const double hz = numbers_[0] * options_.HzPerUnit;
    const std::string frequency = "частота " + Quote(frequencyWord_);
    if (!(numbers_[0] >= 0)) Refuse(start_, frequency + " отрицательна");
    if (!std::isfinite(hz)) Refuse(start_, frequency + " слишком велика");
    if (!Empty() && !(hz > LastHz()))
        Refuse(start_, frequency + " не больше предыдущей: частоты в файле должны возрастать");
    if (Size() == kMaxPoints)
        Refuse(start_, "в файле больше " + std::to_string(kMaxPoints) + " точек");

    TNetworkPoint p;
    p.Parameter = options_.Parameter;
    p.R1 = r1_;
    p.R2 = r2_;
    const TPair n11 = Pair(numbers_ + 1, options_.Format, start_);
    p.N11 = n11.Value;
    p.Magnitude11 = n11.Magnitude;
    // A two-port's Z or Y: all four parameters make port 1's load. Which of N12 and N21 comes
    // first does not matter: only their product does.
    const TParameterKind& kind = KindOf(p.Parameter);
    if (layout_.Ports == 2 && kind.NeedsAllPorts) {
        p.N21 = Pair(numbers_ + 3, options_.Format, start_).Value;
        p.N12 = layout_.Triangular ? p.N21 : Pair(numbers_ + 5, options_.Format, start_).Value;
        p.N22 = Pair(numbers_ + (layout_.Triangular ? 5 : 7), options_.Format, start_).Value;
    }
    if (normalised_ && kind.OhmsPower != 0)
        for (TComplex* n : {&p.N11, &p.N12, &p.N21, &p.N22})
            *n = kind.OhmsPower > 0 ? *n * r1_ : *n / r1_;
    load_.Points.push_back({hz, PortOneLoad(p)});
}

TMeasuredLoad TPoints::Take() {
    if (Empty()) throw tk::Exception("в файле нет ни одной точки");
    if (std::none_of(load_.Points.begin(), load_.Points.end(),
                     [](const TMeasuredPoint& m) { return m.Ohms.has_value(); }))
        throw tk::Exception("во всех точках файла холостой ход: сопротивление нагрузки "
                            "бесконечно");
    load_.ReferenceOhms = r1_;
    return std::move(load_);
}

} // namespace measured::touchstone
