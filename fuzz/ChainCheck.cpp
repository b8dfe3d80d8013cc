// The chaintext and chainfile targets: a chain of elements as typed on the command line
// (theory::ReadChainText) or as a chain file (theory::ReadChainFile), on arbitrary bytes.
//
// Input: the first byte says whether a frequency is known (odd: f0 = 433,92 MHz, even:
// none); the rest is the text. The reader must give a chain, or refuse with a toolkit
// exception whose message is Russian, well-formed UTF-8, short, and begins by naming the
// element («Элемент 3: …») or the file's line («Строка 7: …») that is at fault. Nothing else
// may escape it. A chain read is printed and read again, as a text and as a file: the same
// chain, bit for bit. Each of its nodes is solved at f0 and off it, and its band swept;
// the user's decimal separator must not change the reading (nor whether it is refused).
#include "fuzz/Check.h"
#include "fuzz/TextChecks.h"

#include "theory/ChainBand.h"
#include "theory/ChainText.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <string_view>

#ifndef ZFUZZ_CHAIN_FILE
#error "ZFUZZ_CHAIN_FILE: 1 for the chain file, 0 for the chain text"
#endif

namespace zfuzz {

namespace {

// The chain, or "refused: " and why.
struct TOutcome {
    bool Read = false;
    theory::TChain Chain;
    std::string Refusal;
};

TOutcome ReadWith(char separator, std::string_view text, double f0, std::string& broken) {
    const tk::TFormatScope format(tk::TFormatSettings{separator});
    TOutcome o;
    try {
        if (ZFUZZ_CHAIN_FILE) {
            o.Chain = theory::ReadChainFile(text, f0).Chain;
        } else {
            o.Chain.Elements = theory::ReadChainText(text, f0);
            o.Chain.F0Hz = f0;
        }
        o.Read = true;
    } catch (const tk::Exception& e) {
        o.Refusal = e.Message;
    } catch (...) {
        broken = "the reader threw something other than a toolkit exception";
    }
    return o;
}

std::string RefusalBroken(const std::string& message) {
    if (!IsRussian(message)) return "the refusal is no Russian text";
    if (message.size() > 600) return "a refusal of " + std::to_string(message.size()) + " bytes";
    const std::string_view named = ZFUZZ_CHAIN_FILE ? "Строка " : "Элемент ";
    if (message.rfind(named, 0) != 0) return "a refusal that names no element or line";
    return "";
}

std::string ChainBroken(const theory::TChain& chain) {
    const std::string text = theory::ChainText(chain.Elements);
    try {
        if (theory::ReadChainText(text, chain.F0Hz) != chain.Elements)
            return "the printed text reads to another chain: " + text;
        if (theory::ReadChainFile(theory::ChainFileText(chain)).Chain != chain)
            return "the printed file reads to another chain";
    } catch (const tk::Exception& e) {
        return "the printed chain is refused: " + e.Message;
    }
    for (const double ratio : {0.5, 1.0, 1.37})
        theory::NodeOhms(chain, {50, 25}, ratio);
    if (chain.Elements.size() <= 64)
        theory::ChainBand(chain, {{50, 25}, chain.LineOhms, theory::TLoadModel::Series}, 2, 101);
    return "";
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    if (input.empty()) return "";
    const double f0 = input[0] % 2 ? 433.92e6 : 0;
    const std::string_view text(reinterpret_cast<const char*>(input.data()) + 1, input.size() - 1);
    std::string broken;
    const TOutcome point = ReadWith('.', text, f0, broken);
    if (!broken.empty()) return broken;
    const TOutcome comma = ReadWith(',', text, f0, broken);
    if (!broken.empty()) return broken;
    // A refusal may quote a frequency in the user's way («2,4 ГГц»): only the outcome counts.
    if (point.Read != comma.Read || point.Chain != comma.Chain)
        return "the user's decimal separator changed the reading";
    return point.Read ? ChainBroken(point.Chain) : RefusalBroken(point.Refusal);
}

} // namespace zfuzz
