// The choose target: zmatch --choose with arbitrary options (cli::Run), held to what a user
// and a script count on: an answer, or a Russian message and its status.
//
// Input: the first byte picks the settings: bit 0 the separator (0 '.', 1 ','), bit 1
// --json, bit 2 a load and f0 given ahead of the rest («--load 20-35j --frequency 1GHz»);
// the rest is the command line after «--choose», one argument a line (at most 24). The run
// must not throw, and must end with status 0 and an answer (a table, or with --json one JSON
// object holding "ranked" a line), 1 with a refused load said in Russian on standard error,
// or 2 with «zmatch: » and a Russian reason there, nothing on standard output. An input
// that names a file to read (--touchstone) is passed over: the fuzzer would read the disk.
#include "fuzz/Check.h"
#include "fuzz/JsonObject.h"
#include "fuzz/TextChecks.h"

#include "cli/Run.h"
#include "cli/ZmatchAnswers.h"

#include "toolkit/Conversions.h"

#include <algorithm>
#include <sstream>
#include <string_view>
#include <vector>

namespace zfuzz {

namespace {

constexpr std::size_t kMostArguments = 24;

std::string AnswerFault(const std::string& out, bool json) {
    if (!IsWellFormedUtf8(out)) return "the answer is not well-formed UTF-8";
    for (std::size_t start = 0; start < out.size();) {
        std::size_t end = out.find('\n', start);
        if (end == std::string::npos) return "the answer ends in a half line";
        const std::string_view line(out.data() + start, end - start);
        if (json) {
            const auto names = ObjectNames(line);
            if (!names) return "a --json line is not one JSON object";
            if (std::find(names->begin(), names->end(), "ranked") == names->end() &&
                std::find(names->begin(), names->end(), "error") == names->end())
                return "a --json line holds neither \"ranked\" nor \"error\"";
        }
        start = end + 1;
    }
    return "";
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    if (input.empty()) return "";
    const std::uint8_t settings = input[0];
    const tk::TFormatScope format(tk::TFormatSettings{(settings & 1) != 0 ? ',' : '.'});
    const bool json = (settings & 2) != 0;
    std::vector<std::string> args{"zmatch", "--choose"};
    if (settings & 4) args.insert(args.end(), {"--load", "20-35j", "--frequency", "1GHz"});
    if (json) args.emplace_back("--json");
    const std::string_view rest(reinterpret_cast<const char*>(input.data()) + 1, input.size() - 1);
    for (std::size_t start = 0; start <= rest.size() && args.size() < kMostArguments;) {
        std::size_t end = rest.find('\n', start);
        if (end == std::string_view::npos) end = rest.size();
        if (end > start || end < rest.size()) args.emplace_back(rest.substr(start, end - start));
        start = end + 1;
    }
    for (const std::string& a : args)
        if (a.find("touchstone") != std::string::npos) return "";
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    static const cli::TProgram program = cli::ZmatchProgram();
    std::istringstream in;
    std::ostringstream out, err;
    int status = -1;
    try {
        status = cli::Run(
            program, int(argv.size()), argv.data(),
            [](const tk::TCanvas&, const std::string&, const std::string&) {}, in, out, err);
    } catch (...) {
        return "Run threw";
    }
    const std::string said = err.str();
    switch (status) {
    case 0:
        return AnswerFault(out.str(), json);
    case 1:
        return IsRussian(said) ? "" : "a refused load without a Russian reason";
    case 2:
        if (!out.str().empty()) return "a bad option with an answer written";
        if (said.rfind("zmatch: ", 0) != 0 || !IsRussian(said.substr(8)))
            return "a bad option without «zmatch: » and a Russian reason";
        return "";
    default:
        return "status " + std::to_string(status);
    }
}

} // namespace zfuzz
