// zmatch --chain: the answers are the chain's exact solution, a chain file answers as its
// text does, and every bad option or element is refused with status 2 and a Russian message.
#include "cli/Json.h"
#include "cli/Run.h"
#include "cli/ZmatchAnswers.h"

#include "chart/ChainChart.h"

#include "measured/Touchstone.h"
#include "theory/Chain.h"
#include "theory/ChainText.h"

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

const char* const kChain = "series L 12nH; shunt C 2.2pF Q 300; line 0.1 Z 75 loss 0.5; "
                           "line 25mm vf 0.66; stub series open 0.2 Z 75; transformer 2";

// The JSON's input and nodes are the chain's, to the last bit; a file of the same chain
// answers the same; --band adds the methods' band over 1001 points.
TEST(ChainAnswers, JsonIsTheChainsExactSolution) {
    const theory::TChain chain{theory::ReadChainText(kChain, 433.92e6), 50, 433.92e6};
    const TOutcome text =
        Zmatch({"--chain", kChain, "--load", "20-35j", "--frequency", "433.92MHz", "--json"});
    ASSERT_EQ(text.Status, 0) << text.Err;
    const std::vector<theory::TComplex> nodes = theory::NodeOhms(chain, {20, -35}, 1);
    EXPECT_NE(text.Out.find("\"input\":{\"ohms\":" + cli::json::Complex(nodes.back())),
              std::string::npos)
        << text.Out;
    EXPECT_NE(text.Out.find("\"nodes\":[{\"ohms\":" + cli::json::Complex(nodes[1])),
              std::string::npos);

    const std::string path = testing::TempDir() + "chain_answers_test.chain";
    std::ofstream(path) << theory::ChainFileText(chain);
    const TOutcome file = Zmatch({"--chain", path, "--load", "20-35j", "--json"});
    ASSERT_EQ(file.Status, 0) << file.Err;
    EXPECT_EQ(file.Out, text.Out);

    const TOutcome band = Zmatch({"--chain", path, "--load", "20-35j", "--json", "--band"});
    ASSERT_EQ(band.Status, 0) << band.Err;
    std::size_t points = 0;
    for (std::size_t at = band.Out.find("{\"f\":"); at != std::string::npos;
         at = band.Out.find("{\"f\":", at + 1))
        ++points;
    EXPECT_EQ(points, 1001u);
    EXPECT_NE(band.Out.find("\"vswr2\":["), std::string::npos);
}

// --touchstone-out writes the two-port over the band, read back by the reader.
TEST(ChainAnswers, TouchstoneOutIsReadBack) {
    const std::string path = testing::TempDir() + "chain_answers_test.s2p";
    const TOutcome o = Zmatch({"--chain", "series L X 30; line 0.1", "--load", "100", "--frequency",
                               "1GHz", "--touchstone-out", path});
    ASSERT_EQ(o.Status, 0) << o.Err;
    const measured::TMeasuredLoad read = measured::ReadTouchstoneFile(path);
    ASSERT_EQ(read.Points.size(), 1001u);
    EXPECT_EQ(read.Points.front().Hz, 0.5e9);
}

// --picture hands over the chain window's chart, titled by the load it stands on.
TEST(ChainAnswers, PictureIsTheWindowsChart) {
    std::vector<std::string> args = {"zmatch", "--chain", "series L X 30; line 0.1", "--load",
                                     "20-35j", "--picture", "chain.png"};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    std::istringstream in;
    std::ostringstream out, err;
    int width = 0, height = 0;
    std::string title;
    const int status = cli::Run(
        cli::ZmatchProgram(), int(argv.size()), argv.data(),
        [&](const tk::TCanvas& c, const std::string&, const std::string& t) {
            width = c.Width();
            height = c.Height();
            title = t;
        },
        in, out, err);
    ASSERT_EQ(status, 0) << err.str();
    EXPECT_EQ(width, chart::kChainChartWidth);
    EXPECT_EQ(height, chart::kChainChartHeight);
    EXPECT_EQ(title, "zmatch — Цепь — Zн = 20-j35 Ом, Zв = 50 Ом");
}

// Each refusal: status 2, and the message names what is at fault.
TEST(ChainAnswers, BadInputIsRefused) {
    const struct {
        std::vector<std::string> Args;
        const char* Says;
    } cases[] = {
        {{"--chain", "series L 12nH; coil 5", "--load", "50", "--frequency", "1GHz"}, "Элемент 2"},
        {{"--chain", "series L 12nH", "--load", "50"}, "без частоты"},
        {{"--chain", "line 25mm", "--load", "50", "--frequency", "1GHz"}, "vf"},
        {{"--chain", "shunt L 1nH Q 0", "--load", "50", "--frequency", "1GHz"}, "добротность"},
        {{"--chain", "line 0.1", "--load", "50", "--method", "l-section"}, "--method"},
        {{"--chain", "line 0.1", "--load", "50", "--stub", "open"}, "--stub"},
        {{"--chain", "line 0.1", "--load", "50", "--line", "50+10j"}, "--line"},
        {{"--chain", "line 0.1", "--load", "50", "--touchstone-out", "a.s2p"}, "--frequency"},
        {{"--load", "50", "--touchstone-out", "a.s2p"}, "--chain"},
    };
    for (const auto& c : cases) {
        const TOutcome o = Zmatch(c.Args);
        EXPECT_EQ(o.Status, 2) << c.Says;
        EXPECT_NE(o.Err.find(c.Says), std::string::npos) << o.Err;
    }
}

} // namespace
