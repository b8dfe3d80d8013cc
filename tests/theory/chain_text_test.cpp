#include "theory/ChainText.h"

#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using theory::TChainElement;
using theory::TChainKind;
using theory::TPlace;
using theory::TStubKind;

constexpr double kF0 = 433.92e6;

TChainElement Lumped(TChainKind kind, TPlace place, double value, bool reactance = false,
                     double q = 0) {
    return {kind, place, value, reactance, q};
}

// Each way of writing an element reads to the value the decimal says, rounded once.
TEST(ChainText, ReadsEveryKind) {
    TChainElement mm = theory::ChainLine(0.025);
    mm.Vf = 0.66;
    const struct {
        const char* Text;
        TChainElement Want;
    } cases[] = {
        {"series L 12nH", Lumped(TChainKind::L, TPlace::Series, 12e-9)},
        {"shunt C 2,2pF", Lumped(TChainKind::C, TPlace::Shunt, 2.2e-12)},
        {"SHUNT c 2.2 pF", Lumped(TChainKind::C, TPlace::Shunt, 2.2e-12)},
        {"series R 5", Lumped(TChainKind::R, TPlace::Series, 5)},
        {"shunt R 1,5kΩ", Lumped(TChainKind::R, TPlace::Shunt, 1.5e3)},
        {"shunt L 10nH Q 50", Lumped(TChainKind::L, TPlace::Shunt, 10e-9, false, 50)},
        {"series C 1.5pF Q 300", Lumped(TChainKind::C, TPlace::Series, 1.5e-12, false, 300)},
        {"series L 1.5µH", Lumped(TChainKind::L, TPlace::Series, 1.5e-6)},
        {"series L 1e-9H", Lumped(TChainKind::L, TPlace::Series, 1e-9)},
        {"shunt C X 30", Lumped(TChainKind::C, TPlace::Shunt, 30, true)},
        {"line 0.1", theory::ChainLine(0.1)},
        {"line 0.1 Z 75 loss 0.5", theory::ChainLine(0.1, 75, 0.5)},
        {"line 25mm vf 0.66", mm},
        {"line 25 mm vf 0,66", mm},
        {"stub shunt short 0.125", theory::ChainStub(TPlace::Shunt, TStubKind::Short, 0.125)},
        {"stub series open 0.2 Z 75", theory::ChainStub(TPlace::Series, TStubKind::Open, 0.2, 75)},
        {"transformer 2", theory::Transformer(2)},
    };
    for (const auto& c : cases) {
        const std::vector<TChainElement> got = theory::ReadChainText(c.Text, kF0);
        ASSERT_EQ(got.size(), 1u) << c.Text;
        EXPECT_EQ(got[0], c.Want) << c.Text;
    }
    EXPECT_EQ(theory::ReadChainText(" series L 12nH ;; line 0.1;", kF0).size(), 2u);
}

// Every refusal names the element (or the file's line) and the word at fault, in Russian.
TEST(ChainText, RefusalsNameTheElementAndTheWord) {
    const struct {
        const char* Text;
        double F0;
        const char* Where;
        const char* Word;
    } cases[] = {
        {"series L 12nH;; coil 5", kF0, "Элемент 2", "«coil»"},  // unknown kind
        {"series X 5", kF0, "Элемент 1", "«X»"},                 // unknown lumped kind
        {"stub shunt closed 0.1", kF0, "Элемент 1", "«closed»"}, // unknown stub end
        {"line 0.1; series L", kF0, "Элемент 2", "не хватает"},  // missing value
        {"series R -5", kF0, "Элемент 1", "«-5»"},               // negative value
        {"series C abc", kF0, "Элемент 1", "«abc»"},             // not a number
        {"series L 12nH", 0, "Элемент 1", "без частоты"},        // L without frequency
        {"shunt C 2pF", 0, "Элемент 1", "«2pF»"},                // C without frequency
        {"line 25mm", kF0, "Элемент 1", "vf"},                   // mm without vf
        {"line 25mm vf 0.66", 0, "Элемент 1", "без частоты"},    // mm without frequency
        {"line 0.1 vf 0.66", kF0, "Элемент 1", "«vf»"},          // vf without mm
        {"shunt L 10nH Q 0", kF0, "Элемент 1", "добротность"},   // a Q of 0
        {"series L 5pF", kF0, "Элемент 1", "«pF»"},              // wrong unit
        {"line 0.1 Z 75 Z 50", kF0, "Элемент 1", "дважды"},      // option twice
        {"line 0.1 foo", kF0, "Элемент 1", "«foo»"},             // extra word
        {"transformer 0", kF0, "Элемент 1", "больше нуля"},      // zero where not allowed
        {"series R 1e999", kF0, "Элемент 1", "«1e999»"},         // beyond a double
        {"line 0.1 vf 1.5mm", kF0, "Элемент 1", "«1.5mm»"},      // unit on a plain number
    };
    for (const auto& c : cases) {
        try {
            theory::ReadChainText(c.Text, c.F0);
            ADD_FAILURE() << c.Text << " was read";
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message.rfind(c.Where, 0), 0u) << c.Text << ": " << e.Message;
            EXPECT_NE(e.Message.find(c.Word), std::string::npos) << c.Text << ": " << e.Message;
        }
    }
}

theory::TChain RandomChain(std::mt19937& random) {
    std::uniform_real_distribution<double> u(0, 1);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    theory::TChain chain{{}, 1 + 100 * u(random), pick(2) ? 1e6 + 1e9 * u(random) : 0};
    for (int i = 0; i < 1 + pick(9); ++i) {
        const TPlace place = pick(2) ? TPlace::Series : TPlace::Shunt;
        const double q = pick(2) ? 1 + 500 * u(random) : 0;
        const bool f0 = chain.F0Hz > 0;
        switch (pick(6)) {
        case 0:
            chain.Elements.push_back(
                f0 && pick(2)
                    ? Lumped(TChainKind::L, place, std::pow(10, -12 + 9 * u(random)), false, q)
                    : Lumped(TChainKind::L, place, 1 + 200 * u(random), true, q));
            break;
        case 1:
            chain.Elements.push_back(
                f0 && pick(2)
                    ? Lumped(TChainKind::C, place, std::pow(10, -15 + 9 * u(random)), false, q)
                    : Lumped(TChainKind::C, place, 1e-3 + 200 * u(random), true, q));
            break;
        case 2:
            chain.Elements.push_back(
                Lumped(TChainKind::R, place, std::pow(10, -3 + 9 * u(random))));
            break;
        case 3: {
            TChainElement e = theory::ChainLine(u(random), pick(2) ? 100 * u(random) + 1 : 0,
                                                pick(2) ? 3 * u(random) : 0);
            if (f0 && pick(2)) e.Vf = 0.1 + 0.9 * u(random);
            chain.Elements.push_back(e);
            break;
        }
        case 4:
            chain.Elements.push_back(
                theory::ChainStub(place, pick(2) ? TStubKind::Short : TStubKind::Open,
                                  1e-6 + u(random), pick(2) ? 1 + 99 * u(random) : 0));
            break;
        default:
            chain.Elements.push_back(theory::Transformer(1e-3 + 10 * u(random)));
        }
    }
    return chain;
}

// Printed and read back, as a text and as a file, the chain is the same, bit for bit.
TEST(ChainText, PrintedAndReadBackIsTheSameChain) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 500; ++trial) {
        const theory::TChain chain = RandomChain(random);
        const std::string text = theory::ChainText(chain.Elements);
        EXPECT_EQ(theory::ReadChainText(text, chain.F0Hz), chain.Elements) << text;
        const std::string file = theory::ChainFileText(chain);
        EXPECT_EQ(theory::ReadChainFile(file).Chain, chain) << file;
    }
    EXPECT_EQ(theory::ChainText(theory::ReadChainText("series L 12nH; shunt R 1500", kF0)),
              "series L 12nH; shunt R 1.5k");
}

// A file: comments, blank lines, the header's Zв and f0, refusals by line; its frequency
// must agree with one given outside it.
TEST(ChainText, FileHeaderCommentsAndLines) {
    const char* text = "# antenna match\n\nimpedance 75 Ohm\nfrequency 2.4 GHz\r\n"
                       "series L 1.2nH  # near the load\nline 0.1; stub shunt open 0.2\n";
    const theory::TChainFile f = theory::ReadChainFile(text);
    EXPECT_TRUE(f.HasImpedance && f.HasFrequency);
    EXPECT_EQ(f.Chain.LineOhms, 75);
    EXPECT_EQ(f.Chain.F0Hz, 2.4e9);
    EXPECT_EQ(f.Chain.Elements.size(), 3u);
    EXPECT_EQ(theory::ReadChainFile("line 0.1\n", 1e9).Chain.F0Hz, 1e9);
    for (const auto& [bad, where] :
         {std::pair{"line 0.1\nseries L 1nH\n", "Строка 2"},
          std::pair{"impedance 50\nimpedance 75\n", "Строка 2"},
          std::pair{"frequency 1 GHz\n", "Строка 1"}, std::pair{"\nfrequency soon\n", "Строка 2"}})
        try {
            theory::ReadChainFile(bad, std::string(bad).starts_with("frequency") ? 2e9 : 0);
            ADD_FAILURE() << bad;
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message.rfind(where, 0), 0u) << e.Message;
        }
}

} // namespace
