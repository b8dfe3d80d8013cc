// The touchstone target: measured::ReadTouchstone on arbitrary bytes.
//
// Input: the first byte, modulo 3, picks the ports the file's name would give (0: .s1p, 1:
// .s2p, 2: .ts); the rest is the file's text, whatever it holds. The reader must give a load
// whose frequencies are finite, not negative and strictly ascending, whose impedances are
// finite where it has them, at least one point having one, and whose reference is positive;
// or refuse with a toolkit exception whose message is Russian, well-formed UTF-8, short, and
// names a line the text has («строка 12: …», lines ended by LF, CR LF or CR) unless it
// speaks of the whole file. Nothing else may escape it. At each point and halfway to the
// next the load is looked up: it is finite, or refused with a toolkit exception. The user's
// decimal separator must not matter: the text is read with a point and with a comma set, to
// the same answer.
#include "fuzz/Check.h"
#include "fuzz/TextChecks.h"

#include "measured/Touchstone.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string_view>

namespace zfuzz {

namespace {

// The load at each point and halfway to the next: finite, or a toolkit exception.
std::string LookupBroken(const measured::TMeasuredLoad& load) {
    const auto& p = load.Points;
    for (std::size_t i = 0; i < p.size(); ++i)
        for (double hz :
             {p[i].Hz, i + 1 < p.size() ? p[i].Hz + (p[i + 1].Hz - p[i].Hz) / 2 : p[i].Hz})
            try {
                const measured::TComplex z = measured::LoadAt(load, hz).Ohms;
                if (!std::isfinite(z.real()) || !std::isfinite(z.imag()))
                    return "a load looked up that is not finite";
            } catch (const tk::Exception& e) {
                if (!IsRussian(e.Message)) return "a lookup's refusal is no Russian text";
            } catch (...) {
                return "LoadAt threw something other than a toolkit exception";
            }
    return "";
}

// What a reading gave, to compare one with another: a load's numbers bit for bit, or the
// refusal's message.
std::string Outcome(std::string_view text, int ports, std::string& broken) {
    measured::TMeasuredLoad load;
    try {
        load = measured::ReadTouchstone(text, ports);
    } catch (const tk::Exception& e) {
        return "refused: " + e.Message;
    } catch (...) {
        broken = "ReadTouchstone threw something other than a toolkit exception";
        return "";
    }
    std::string out = "load";
    if (load.Points.empty()) broken = "a load without points";
    if (!(load.ReferenceOhms > 0) || !std::isfinite(load.ReferenceOhms))
        broken = "a reference of " + std::to_string(load.ReferenceOhms) + " ohms";
    bool anyLoad = false;
    for (std::size_t i = 0; i < load.Points.size(); ++i) {
        const measured::TMeasuredPoint& p = load.Points[i];
        if (!std::isfinite(p.Hz) || p.Hz < 0) broken = "a frequency of " + std::to_string(p.Hz);
        if (i > 0 && !(p.Hz > load.Points[i - 1].Hz)) broken = "frequencies not ascending";
        out += " " + std::to_string(std::bit_cast<std::uint64_t>(p.Hz));
        if (!p.Ohms) {
            out += " open";
            continue;
        }
        anyLoad = true;
        if (!std::isfinite(p.Ohms->real()) || !std::isfinite(p.Ohms->imag()))
            broken = "an impedance that is not finite";
        for (double v : {p.Ohms->real(), p.Ohms->imag()})
            out += " " + std::to_string(std::bit_cast<std::uint64_t>(v));
    }
    if (!load.Points.empty() && !anyLoad) broken = "a load without a point that has one";
    if (broken.empty()) broken = LookupBroken(load);
    return out;
}

// The same, read while the user's decimal separator is `separator`.
std::string OutcomeWith(char separator, std::string_view text, int ports, std::string& broken) {
    const tk::TFormatScope format(tk::TFormatSettings{separator});
    return Outcome(text, ports, broken);
}

std::string RefusalBroken(std::string_view text, const std::string& message) {
    if (!IsRussian(message)) return "the refusal is no Russian text";
    if (message.size() > 600) return "a refusal of " + std::to_string(message.size()) + " bytes";
    const std::string_view prefix = "строка ";
    if (message.rfind(prefix, 0) != 0) return "";
    std::size_t line = 0, i = prefix.size();
    while (i < message.size() && message[i] >= '0' && message[i] <= '9')
        line = line * 10 + std::size_t(message[i++] - '0');
    std::size_t lines = 1;
    for (std::size_t c = 0; c < text.size(); ++c)
        if (text[c] == '\n' || (text[c] == '\r' && (c + 1 == text.size() || text[c + 1] != '\n')))
            ++lines;
    if (line < 1 || line > lines)
        return "a refusal names line " + std::to_string(line) + " of " + std::to_string(lines);
    return "";
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    if (input.empty()) return "";
    const int ports = input[0] % 3 == 0 ? 1 : input[0] % 3 == 1 ? 2 : 0;
    const std::string_view text(reinterpret_cast<const char*>(input.data()) + 1, input.size() - 1);

    std::string broken;
    const std::string withPoint = OutcomeWith('.', text, ports, broken);
    if (!broken.empty()) return broken;
    const std::string withComma = OutcomeWith(',', text, ports, broken);
    if (!broken.empty()) return broken;
    if (withPoint != withComma) return "the user's decimal separator changed the reading";
    if (withPoint.rfind("refused: ", 0) == 0)
        return RefusalBroken(text, withPoint.substr(std::string_view("refused: ").size()));
    return "";
}

} // namespace zfuzz
