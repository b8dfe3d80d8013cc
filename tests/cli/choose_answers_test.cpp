// zmatch --choose: every ranked entry's chain, put into --chain with --band over the same
// band, gives the entry's worst КСВ and width to the last bit, for a typed load and a
// measured one; every bad option is refused with status 2 and a Russian message.
#include "cli/Run.h"
#include "cli/ZmatchAnswers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

struct TOutcome {
    int Status;
    std::string Out, Err;
};

TOutcome Zmatch(std::vector<std::string> args) {
    args.insert(args.begin(), "zmatch");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    std::istringstream in;
    std::ostringstream out, err;
    const int status = cli::Run(
        cli::ZmatchProgram(), int(argv.size()), argv.data(),
        [](const tk::TCanvas&, const std::string&, const std::string&) {}, in, out, err);
    return {status, out.str(), err.str()};
}

// The raw text of every `"name":value` in the JSON, in order: a string's without its quotes
// (the chains have no escapes), a number's as written.
std::vector<std::string> Values(const std::string& json, const std::string& name) {
    std::vector<std::string> out;
    const std::string key = "\"" + name + "\":";
    for (std::size_t at = json.find(key); at != std::string::npos; at = json.find(key, at + 1)) {
        std::size_t start = at + key.size();
        const bool quoted = json[start] == '"';
        start += quoted;
        const std::size_t end = quoted ? json.find('"', start) : json.find_first_of(",}", start);
        out.push_back(json.substr(start, end - start));
    }
    return out;
}

const char* const kAntenna = "# GHz S RI R 50\n"
                             "0.80 0.55 -0.45\n"
                             "0.90 0.42 -0.30\n"
                             "1.00 0.33 -0.12\n"
                             "1.10 0.30 0.08\n"
                             "1.20 0.34 0.26\n";

std::string AntennaFile() {
    const std::string path = testing::TempDir() + "choose_answers_test.s1p";
    std::ofstream(path) << kAntenna;
    return path;
}

// A typed load with E24 parts and their Q over a span, the measured one with ideal parts
// (asked for by name) between --from and --to and another КСВ accepted.
TEST(ChooseAnswers, EveryChainReproducesItsWorstVswrAndWidth) {
    // The load and band, which --chain takes too; then what only the search reads.
    struct Ask {
        std::vector<std::string> common, search;
    } const asks[] = {
        {{"--load", "20-35j", "--frequency", "433.92MHz", "--span", "10%"},
         {"--parts", "E24", "--q-inductor", "50", "--q-capacitor", "500"}},
        {{"--touchstone", AntennaFile(), "--frequency", "1GHz", "--from", "0.9GHz", "--to",
          "1.15GHz", "--max-vswr", "1.5"},
         {"--stub-max", "0.3", "--zt", "50,75", "--parts", "ideal"}},
    };
    for (const auto& [common, search] : asks) {
        std::vector<std::string> choose = common;
        choose.insert(choose.end(), search.begin(), search.end());
        choose.insert(choose.end(), {"--choose", "--json"});
        const TOutcome o = Zmatch(choose);
        ASSERT_EQ(o.Status, 0) << o.Err;
        ASSERT_EQ(o.Out.rfind("{", 0), 0u);
        const std::vector<std::string> chains = Values(o.Out, "chain"),
                                       worst = Values(o.Out, "worst_vswr"),
                                       width = Values(o.Out, "width");
        ASSERT_GT(chains.size(), 10u) << o.Out;
        ASSERT_EQ(worst.size(), chains.size());
        for (std::size_t i = 0; i < chains.size(); ++i) {
            std::vector<std::string> chain = common;
            chain.insert(chain.end(), {"--chain", chains[i], "--band", "--json"});
            const TOutcome c = Zmatch(chain);
            ASSERT_EQ(c.Status, 0) << chains[i] << ": " << c.Err;
            EXPECT_EQ(Values(c.Out, "worst_vswr"), std::vector<std::string>{worst[i]}) << chains[i];
            EXPECT_EQ(Values(c.Out, "width"), std::vector<std::string>{width[i]}) << chains[i];
        }
    }
}

// Each bad ask: status 2, nothing on standard output, the reason in Russian.
TEST(ChooseAnswers, BadOptionsAreRefused) {
    const std::string file = AntennaFile();
    const std::vector<std::vector<std::string>> refused = {
        {"--span", "0%"},                       // an empty span
        {"--span", "-10%"},                     // a negative one
        {"--span", "10"},                       // 10 times f0, where 10 % was meant
        {"--from", "440MHz", "--to", "430MHz"}, // reversed
        {"--from", "435MHz", "--to", "440MHz"}, // f0 outside the band
        {"--q-inductor", "0"},                  // Q of 0
        {"--q-capacitor", "-5"},                // Q below 0
        {"--parts", "E48"},                     // an unknown series
        {"--max-vswr", "1"},                    // no КСВ to accept
        {"--zt", "50,,75"},                     // a section's Zт missing
        {"--span", "10%", "--from", "430MHz"},  // both ways of a band
    };
    for (std::vector<std::string> args : refused) {
        args.insert(args.begin(), {"--choose", "--load", "20-35j", "--frequency", "433.92MHz"});
        const TOutcome o = Zmatch(args);
        EXPECT_EQ(o.Status, 2) << args[5];
        EXPECT_EQ(o.Out, "");
        EXPECT_NE(o.Err.find("«--"), std::string::npos) << o.Err;
    }
    const std::vector<std::vector<std::string>> others = {
        {"--choose", "--touchstone", file, "--frequency", "1GHz", "--span", "50%"}, // beyond it
        {"--choose", "--load", "20-35j"},                                           // no f0
        {"--load", "20-35j", "--parts", "E24"},                                     // no --choose
    };
    for (const std::vector<std::string>& args : others) {
        const TOutcome o = Zmatch(args);
        EXPECT_EQ(o.Status, 2) << args[1];
        EXPECT_NE(o.Err.find("zmatch: "), std::string::npos);
        EXPECT_EQ(static_cast<unsigned char>(o.Err[8]) & 0xE0, 0xC0) << o.Err;
    }
}

} // namespace
