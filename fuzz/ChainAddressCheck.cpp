// The chainaddress target: a page's address after «#» on arbitrary bytes, as a link hands
// it to chart::ReadChainAddress. The reader must find no chain, give one, or refuse with a
// toolkit exception whose message is Russian, well-formed UTF-8 and short; nothing else may
// escape it. A chain read is written back as an address (chart::ChainAddress) and read
// again: the same elements, f0 and Zв, and the same load where the link gave one.
#include "fuzz/Check.h"
#include "fuzz/TextChecks.h"

#include "chart/ChainAddress.h"
#include "toolkit/Exceptions.h"

#include <string_view>

namespace zfuzz {

namespace {

std::string RoundTripBroken(const chart::TAddressedChain& read) {
    const theory::TComplex load = read.LoadOhms.value_or(theory::TComplex(50, 25));
    const std::string written = chart::ChainAddress(read.Chain, load);
    try {
        const std::optional<chart::TAddressedChain> again = chart::ReadChainAddress(written);
        if (!again) return "the written address names no chain: " + written;
        if (again->Chain != read.Chain) return "the written address reads to another chain";
        if (again->LoadOhms != load) return "the written address reads to another load";
    } catch (const tk::Exception& e) {
        return "the written address is refused: " + e.Message;
    }
    return "";
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    const std::string_view address(reinterpret_cast<const char*>(input.data()), input.size());
    std::optional<chart::TAddressedChain> read;
    try {
        read = chart::ReadChainAddress(address);
    } catch (const tk::Exception& e) {
        if (!IsRussian(e.Message)) return "the refusal is no Russian text";
        if (e.Message.size() > 600)
            return "a refusal of " + std::to_string(e.Message.size()) + " bytes";
        return "";
    } catch (...) {
        return "the reader threw something other than a toolkit exception";
    }
    return read ? RoundTripBroken(*read) : "";
}

} // namespace zfuzz
