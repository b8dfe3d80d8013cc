// A chain file: header lines for Zв and f0, comments after «#», the elements a line each.
#include "theory/ChainText.h"

#include "theory/ChainWords.h"

#include "measured/Frequency.h"
#include "toolkit/Exceptions.h"

namespace theory {

using namespace chainwords;

TChainFile ReadChainFile(std::string_view text, double f0Hz) {
    TChainFile file;
    struct TLine {
        std::string_view Text;
        std::string Where;
    };
    std::vector<TLine> elements;
    std::size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        const std::string where = "Строка " + std::to_string(++number);
        line = line.substr(0, line.find('#'));
        const std::vector<std::string_view> words = Words(line);
        if (words.empty()) continue;
        if (Is(words[0], "impedance")) {
            if (file.HasImpedance) Refuse(where, "волновое сопротивление задано дважды");
            TReader r(line, where);
            r.Next("");
            file.Chain.LineOhms = r.Positive("волновое сопротивление линии в омах", kOhms);
            if (r.More()) r.Fail("лишнее слово " + Quote(r.Peek()));
            file.HasImpedance = true;
        } else if (Is(words[0], "frequency")) {
            if (file.HasFrequency) Refuse(where, "частота задана дважды");
            const std::size_t after = std::size_t(words[0].data() - line.data()) + words[0].size();
            std::string_view value = line.substr(after);
            while (!value.empty() && Words(value.substr(0, 1)).empty())
                value.remove_prefix(1);
            while (!value.empty() && Words(value.substr(value.size() - 1)).empty())
                value.remove_suffix(1);
            if (!Showable(value))
                Refuse(where, "частота " + Quote(value) +
                                  " не читается: нужно число в герцах или с единицей, "
                                  "например «433.92MHz»");
            try {
                file.Chain.F0Hz = measured::ReadFrequency(value);
            } catch (const tk::Exception& e) {
                Refuse(where, e.Message);
            }
            if (f0Hz > 0 && f0Hz != file.Chain.F0Hz)
                Refuse(where, "частота файла " + measured::FrequencyText(file.Chain.F0Hz) +
                                  " не совпадает с заданной " + measured::FrequencyText(f0Hz));
            file.HasFrequency = true;
        } else {
            elements.push_back({line, where});
        }
    }
    if (!file.HasFrequency) file.Chain.F0Hz = f0Hz;
    for (const TLine& line : elements) {
        std::size_t from = 0;
        while (from <= line.Text.size()) {
            std::size_t end = line.Text.find(';', from);
            if (end == std::string_view::npos) end = line.Text.size();
            const std::string_view piece = line.Text.substr(from, end - from);
            if (!Words(piece).empty())
                file.Chain.Elements.push_back(ReadChainElement(piece, line.Where, file.Chain.F0Hz));
            from = end + 1;
        }
    }
    return file;
}

std::string ChainFileText(const TChain& chain) {
    std::string text = "# Цепь от нагрузки к генератору: " + std::to_string(chain.Elements.size()) +
                       " элемент(ов)\nimpedance " + Decimal(chain.LineOhms) + "\n";
    if (chain.F0Hz > 0) text += "frequency " + Decimal(chain.F0Hz) + "\n";
    for (const TChainElement& e : chain.Elements)
        text += ChainElementText(e) + "\n";
    return text;
}

} // namespace theory
