#include "chart/ChainAddress.h"

#include "chart/ChainFiles.h"
#include "chart/ChainForm.h"
#include "chart/ChartActions.h"
#include "chart/ExactText.h"
#include "theory/ChainText.h"
#include "theory/ChainWords.h"

#include "toolkit/Application.h"
#include "toolkit/DecimalText.h"
#include "toolkit/Exceptions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <map>

namespace chart {

const char* const kChainAddressMessage = "Цепь из адреса страницы не открыта: ";

namespace {

bool Plain(unsigned char c) {
    return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

std::string Encoded(std::string_view text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (Plain(c)) {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int hi = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int lo = hi >= 0 ? HexDigit(text[i + 2]) : -1;
        if (lo < 0) throw tk::Exception("знак «%» без двух шестнадцатеричных цифр после него.");
        out += char(hi * 16 + lo);
        i += 2;
    }
    return out;
}

// A number of the address, as ChainAddress writes it.
double Number(std::string_view text, const char* what) {
    const tk::TDecimalRead r = tk::ReadDecimal(text);
    if (r.Outcome != tk::TDecimalRead::Ok)
        throw tk::Exception(std::string(what) + ": " + theory::chainwords::Quote(text) +
                            " не является числом.");
    return r.Value;
}

} // namespace

std::string ChainAddress(const theory::TChain& chain, theory::TComplex loadOhms) {
    if (chain.Elements.empty()) return {};
    const auto number = [](double v) {
        return (v < 0 ? "-" : "") + theory::chainwords::Decimal(std::fabs(v));
    };
    std::string address = "chain=" + Encoded(theory::ChainText(chain.Elements));
    if (chain.F0Hz > 0) address += "&f0=" + number(chain.F0Hz);
    return address + "&load=" + number(loadOhms.real()) + "," + number(loadOhms.imag()) +
           "&line=" + number(chain.LineOhms);
}

std::optional<TAddressedChain> ReadChainAddress(std::string_view address) {
    std::map<std::string, std::string, std::less<>> fields;
    while (!address.empty()) {
        const std::size_t end = std::min(address.find('&'), address.size());
        const std::string_view field = address.substr(0, end);
        const std::size_t is = field.find('=');
        if (is != std::string_view::npos)
            fields[std::string(field.substr(0, is))] = Decoded(field.substr(is + 1));
        address.remove_prefix(std::min(end + 1, address.size()));
    }
    const auto chainText = fields.find("chain");
    if (chainText == fields.end()) return std::nullopt;
    TAddressedChain out;
    const auto positive = [&](const char* key, const char* what) {
        const auto at = fields.find(key);
        if (at == fields.end()) return 0.0;
        const double v = Number(at->second, what);
        if (!(v > 0)) throw tk::Exception(std::string(what) + ": число должно быть больше нуля.");
        return v;
    };
    out.Chain.F0Hz = positive("f0", "f0");
    if (const double line = positive("line", "Zв")) out.Chain.LineOhms = line;
    if (const auto load = fields.find("load"); load != fields.end()) {
        const std::size_t comma = load->second.find(',');
        if (comma == std::string::npos)
            throw tk::Exception("Zн: нужны две части через запятую, активная и реактивная.");
        out.LoadOhms = theory::TComplex(Number(load->second.substr(0, comma), "Zн"),
                                        Number(load->second.substr(comma + 1), "Zн"));
    }
    out.Chain.Elements = theory::ReadChainText(chainText->second, out.Chain.F0Hz);
    if (out.Chain.Elements.empty()) throw tk::Exception("в цепи нет элементов.");
    return out;
}

void OpenAddressedChain(tk::TForm& mainChartForm) {
    std::optional<TAddressedChain> link;
    try {
        link = ReadChainAddress(mainChartForm.Application->Address());
    } catch (const tk::Exception& e) {
        throw tk::Exception(kChainAddressMessage + e.Message);
    }
    if (!link) return;
    if (link->LoadOhms) {
        auto& main = dynamic_cast<TChartForm&>(mainChartForm);
        main.TypeLoad(ShortNumber(link->LoadOhms->real()), ShortNumber(link->LoadOhms->imag()),
                      ShortNumber(link->Chain.LineOhms), "0");
        main.ShowPoint();
    }
    OpenChainWindow(mainChartForm);
    const TOpenedChain held = HeldChain(link->Chain);
    for (tk::TForm* w : mainChartForm.Application->Windows())
        if (auto* form = dynamic_cast<TChainForm*>(w))
            form->TakeChain({form->LoadOhms(), form->Chain().LineOhms, held.Chain.F0Hz},
                            held.Chain, held.Vf);
}

} // namespace chart
