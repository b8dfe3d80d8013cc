// The batch target: a program's command line with "--load -" (cli::Run) on arbitrary lines
// of standard input, held to what a script reading its output counts on.
//
// Input: the first byte picks the settings: bit 0 the separator (0 '.', 1 ','), bit 1 the
// program (0 zmatch, 1 zline), bit 2 --json, bits 3 and 4 one of each program's option sets
// below (numbers written with a dot, which reads under either separator); the rest is
// standard input, whatever it holds. Every run must end with status 0
// when every line was answered and 1 when one was refused, nothing on standard error, and
// exactly one line out for each line in (the last one may lack its newline), each ending in
// a newline and well-formed UTF-8. A --json line is one JSON object, with an "error" member
// when the load was refused; a text line is the load, a tab, then the answer or
// "ошибка: " and why.
#include "fuzz/Check.h"
#include "fuzz/JsonObject.h"
#include "fuzz/TextChecks.h"

#include "cli/ComplexLoad.h"
#include "cli/Run.h"
#include "cli/ZlineAnswers.h"
#include "cli/ZmatchAnswers.h"

#include "toolkit/Conversions.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <string_view>
#include <vector>

namespace zfuzz {

namespace {

// clang-format off
const std::vector<std::string> kZmatchOptions[] = {
    {},
    {"--stub", "open", "--wavelength", "2.5"},
    {"--line", "75+10j", "--wavelength", "0.5"},
    {"--line", "50", "--stub", "short", "--wavelength", "1e-3"},
};
const std::vector<std::string> kZlineOptions[] = {
    {"--distance", "0.3", "--attenuation", "2"},
    {"--distance", ".3", "--attenuation", "2", "--toward", "load", "--mirror"},
    {"--line", "30-40j", "--distance", "-1.7", "--wavelength", "2"},
    {"--distance", "100", "--attenuation", "50", "--mirror"},
};
// clang-format on

// How many lines a campaign put through, in lines rather than inputs: told on standard
// error at the end when ZFUZZ_TELL_LINES is set (scripts/fuzz.sh sets it).
std::atomic<unsigned long long> linesAnswered{0};

void TellLines() {
    std::fprintf(stderr, "batch lines answered: %llu\n", linesAnswered.load());
}

std::size_t LinesIn(std::string_view text) {
    const std::size_t newlines = std::count(text.begin(), text.end(), '\n');
    return newlines + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

std::string Shown(std::string_view text) {
    return "«" + cli::Quoted(text) + "»";
}

// Why the line is not what a script counts on; "" when it is. `refused`: the load was.
std::string LineFault(std::string_view line, bool json, bool& refused) {
    if (!IsWellFormedUtf8(line)) return "a line that is no well-formed UTF-8";
    if (json) {
        const auto names = ObjectNames(line);
        if (!names) return "a line that is no JSON object";
        refused = std::find(names->begin(), names->end(), "error") != names->end();
        return "";
    }
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab + 1 == line.size()) return "a line without its answer";
    refused = line.substr(tab + 1).starts_with("ошибка: ");
    return "";
}

// A session that answers through one kept for its settings: the window's form is made
// once for each program, option set and separator, and every input goes on with the form
// as the inputs before it left it, as one long batch would.
class TKeptSession : public cli::TSession {
  public:
    explicit TKeptSession(cli::TSession& kept) : kept_(kept) {}
    cli::TAnswer Answer(const std::string& load) override { return kept_.Answer(load); }
    const tk::TCanvas& Picture() const override { return kept_.Picture(); }
    std::string PictureTitle() const override { return kept_.PictureTitle(); }
    const chart::TConstructionSteps& Steps() const override { return kept_.Steps(); }

  private:
    cli::TSession& kept_;
};

cli::TProgram Keeping(cli::TProgram program) {
    using TKept = std::map<std::pair<char, cli::TValues>, std::unique_ptr<cli::TSession>>;
    program.Open = [open = program.Open, kept = std::make_shared<TKept>()](
                       const cli::TValues& values,
                       const cli::TFileLoad* file) -> std::unique_ptr<cli::TSession> {
        // The form's texts are written with the separator of the moment. A batch has no file.
        auto& session = (*kept)[{tk::FormatSettings().DecimalSeparator, values}];
        if (!session) session = open(values, file);
        return std::make_unique<TKeptSession>(*session);
    };
    return program;
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    if (input.empty()) return "";
    static const bool told = std::getenv("ZFUZZ_TELL_LINES") && std::atexit(TellLines) == 0;
    (void)told;
    const std::uint8_t settings = input[0];
    const tk::TFormatScope format(tk::TFormatSettings{(settings & 1) != 0 ? ',' : '.'});
    const bool zline = (settings & 2) != 0, json = (settings & 4) != 0;
    static const cli::TProgram zmatchProgram = Keeping(cli::ZmatchProgram());
    static const cli::TProgram zlineProgram = Keeping(cli::ZlineProgram());
    const cli::TProgram& program = zline ? zlineProgram : zmatchProgram;

    std::vector<std::string> args{program.Name, "--load", "-"};
    const auto& options = (zline ? kZlineOptions : kZmatchOptions)[(settings >> 3) & 3];
    args.insert(args.end(), options.begin(), options.end());
    if (json) args.emplace_back("--json");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());

    const std::string_view text(reinterpret_cast<const char*>(input.data()) + 1, input.size() - 1);
    std::istringstream in{std::string(text)};
    std::ostringstream out, err;
    bool pictured = false;
    int status = -1;
    try {
        status = cli::Run(
            program, int(argv.size()), argv.data(),
            [&](const tk::TCanvas&, const std::string&, const std::string&) { pictured = true; },
            in, out, err);
    } catch (...) {
        return "Run threw on " + Shown(text);
    }
    if (pictured) return "a picture was written for a batch";
    if (!err.str().empty()) return "standard error holds " + Shown(err.str());

    const std::string written = out.str();
    if (!written.empty() && written.back() != '\n') return "the output ends in a half line";
    const std::size_t want = LinesIn(text), got = LinesIn(written);
    if (got != want)
        return std::to_string(got) + " lines out for " + std::to_string(want) + " in " +
               Shown(text);
    linesAnswered += got;
    bool anyRefused = false;
    for (std::size_t start = 0; start < written.size();) {
        const std::size_t end = written.find('\n', start);
        const std::string_view line(written.data() + start, end - start);
        bool refused = false;
        if (const std::string fault = LineFault(line, json, refused); !fault.empty())
            return fault + ": " + Shown(line);
        anyRefused = anyRefused || refused;
        start = end + 1;
    }
    if (status != (anyRefused ? 1 : 0))
        return "status " + std::to_string(status) + (anyRefused ? " with" : " without") +
               " a refused line";
    return "";
}

} // namespace zfuzz
