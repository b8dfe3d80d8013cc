// The command line's answers against the window's: the same labels and hints for the same
// typing, the JSON's exact values from line theory, and the loads and options refused.
#include "cli/ComplexLoad.h"
#include "cli/Json.h"
#include "cli/Run.h"
#include "cli/ZlineAnswers.h"
#include "cli/ZmatchAnswers.h"
#include "tests/zline/ZlineTesting.h"
#include "tests/zmatch/ZmatchTesting.h"

#include "chart/ExactText.h"
#include "chart/ResultsText.h"
#include "measured/Touchstone.h"
#include "theory/LineTheory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TOutcome {
    int Status;
    std::string Out, Err;
};

TOutcome RunWith(const cli::TProgram& program, std::vector<std::string> args,
                 const std::string& input = "") {
    args.insert(args.begin(), program.Name);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    std::istringstream in(input);
    std::ostringstream out, err;
    std::string written;
    const int status = cli::Run(
        program, int(argv.size()), argv.data(),
        [&](const tk::TCanvas&, const std::string& path, const std::string&) { written = path; },
        in, out, err);
    return {status, out.str(), err.str()};
}

// Bit for bit the window's labels and hints, with either separator and either spelling
// of the numbers.
TEST(Answers, ZmatchPrintsTheWindowsResults) {
    struct Case {
        char sep;
        std::vector<std::string> args;
        const char *rn, *xn, *rv, *xv, *lambda;
        bool shortStub;
    };
    const Case cases[] = {
        {',',
         {"--load", "100+50j", "--line", "50", "--wavelength", "1", "--stub", "short"},
         "100",
         "50",
         "50",
         "0",
         "1",
         true},
        {',',
         {"--load=100-j50", "--stub=open", "--wavelength", "2.5"},
         "100",
         "-50",
         "50",
         "0",
         "2,5",
         false},
        {'.', {"--load", "0.5+1e3j", "--line", "75+j10"}, "0.5", "1e3", "75", "10", "1", true},
    };
    for (const Case& c : cases) {
        testing_zmatch::Window w(c.sep);
        const TOutcome got = RunWith(cli::ZmatchProgram(), c.args);
        w.TypeLoad(c.rn, c.xn, c.rv, c.xv);
        w.form.Button1Click(w.form.Button1);
        w.Match(c.shortStub, c.lambda);
        EXPECT_EQ(got.Status, 0) << got.Err;
        EXPECT_EQ(got.Out, chart::ResultsText(w.form)) << c.args[1];
    }
}

TEST(Answers, ZlinePrintsTheWindowsResults) {
    struct Case {
        std::vector<std::string> args;
        const char *rn, *xn;
        bool mirror, toward;
        const char *l, *lambda, *a;
    };
    const Case cases[] = {
        {{"--load", "50+50j", "--line", "50", "--distance", "0.3", "--wavelength", "1",
          "--attenuation", "2", "--toward", "generator"},
         "50",
         "50",
         false,
         true,
         "0,3",
         "1",
         "2"},
        {{"--load", "50+50j", "--distance", "0,3", "--attenuation", "2", "--toward", "load",
          "--mirror"},
         "50",
         "50",
         true,
         false,
         "0,3",
         "1",
         "2"},
    };
    for (const Case& c : cases) {
        testing_zline::Window w;
        const TOutcome got = RunWith(cli::ZlineProgram(), c.args);
        w.ShowLoad(c.rn, c.xn, c.mirror);
        w.Move(c.toward, c.l, c.lambda, c.a);
        EXPECT_EQ(got.Status, 0) << got.Err;
        EXPECT_EQ(got.Out, chart::ResultsText(w.form)) << c.args[1];
    }
}

// The JSON's exact part is line theory's, to the last digit.
TEST(Answers, JsonCarriesLineTheorysValues) {
    testing_common::ScopedDecimalSeparator sep(',');
    using cli::json::Complex;
    using cli::json::Number;
    const theory::TStubSolutions s = theory::SolveStubMatch({2, 1}, theory::TStubKind::Open);
    const std::string zmatch =
        RunWith(cli::ZmatchProgram(), {"--load", "100+50j", "--stub", "open", "--json"}).Out;
    for (const theory::TStubMatch& m : {s.First, s.Second})
        EXPECT_NE(zmatch.find("{\"distance\":" + Number(m.Distance) + ",\"b\":" + Number(m.B) +
                              ",\"stub\":" + Number(m.Stub) + "}"),
                  std::string::npos)
            << zmatch;

    const theory::TComplex gamma = theory::MoveReflection(theory::ReflectionOf({1, 1}), 0.3, 2);
    const std::string zline = RunWith(cli::ZlineProgram(), {"--load", "50+50j", "--distance", "0.3",
                                                            "--attenuation", "2", "--json"})
                                  .Out;
    EXPECT_NE(zline.find("\"z\":" + Complex(theory::ImpedanceOf(gamma))), std::string::npos)
        << zline;
    EXPECT_NE(zline.find("\"gamma\":" + Number(std::abs(gamma))), std::string::npos) << zline;
}

// Status and where the message goes: 2 for a bad option or number before anything is
// written, 1 for a load the chart refuses, and a batch answers every line in its own line.
TEST(Answers, RefusalsAndBatch) {
    testing_common::ScopedDecimalSeparator sep(',');
    struct Case {
        std::vector<std::string> args;
        std::string input;
        int status;
        const char *out, *err; // found in standard output / standard error ("" : empty)
    };
    const Case cases[] = {
        // A matched load needs no stub: that is an answer.
        {{"--load", "50"}, "", 0, "согласована с линией, шлейф не нужен", ""},
        {{"--load", "50", "--json"}, "", 0, "\"matched\":true", ""},
        // A number beyond the float the chart stores is a bad number, in the load or the line.
        {{"--load", "1e300"},
         "",
         2,
         "",
         "параметр «--load»: Zн, активная часть: число «1e300» слишком велико: введите число не "
         "больше 3,4·10^38"},
        {{"--load", "100", "--line", "50+1e39j"},
         "",
         2,
         "",
         "параметр «--line»: Zв, реактивная часть"},
        {{"--load", "100+50x"}, "", 2, "", "параметр «--load»"},
        {{"--load", "100", "--stub", "closed"}, "", 2, "", "«--stub short» или «--stub open»"},
        {{"--load", "100", "--wavelength", "abc"}, "", 2, "", "«--wavelength»"},
        {{"--load", "100", "--bogus"}, "", 2, "", "неизвестный параметр «--bogus»"},
        {{"--load", "100", "--load", "50"}, "", 2, "", "задан дважды"},
        {{"--stub", "open"}, "", 2, "", "не задана нагрузка"},
        {{"--load", "-", "--picture", "a.png"}, "", 2, "", "одной нагрузки"},
        {
            {"--load", "-"},
            "100+50j\n50\r\n\nzz",
            1,
            "100+50j\tТочка нагрузки Zн = 100+j50 Ом на линии Zв = 50 Ом; Zнн=2,00+j1,00; ",
            "",
        },
        {{"--load", "-", "--json"}, "-50\n", 1, "{\"load\":\"-50\",\"error\":", ""},
        // What the window refuses at every press is a bad option, before any load.
        {{"--load", "-", "--wavelength", "-2"},
         "100\n",
         2,
         "",
         "параметр «--wavelength»: Длина волны должна быть больше нуля"},
        {{"--load", "100", "--line", "-50"},
         "",
         2,
         "",
         "параметр «--line»: Активная часть волнового сопротивления"},
    };
    for (const Case& c : cases) {
        const TOutcome got = RunWith(cli::ZmatchProgram(), c.args, c.input);
        EXPECT_EQ(got.Status, c.status) << c.args[0] << " " << c.args[1];
        if (*c.out) {
            EXPECT_NE(got.Out.find(c.out), std::string::npos) << got.Out;
        } else {
            EXPECT_EQ(got.Out, "") << c.args[1];
        }
        EXPECT_NE(got.Err.find(c.err), std::string::npos) << got.Err;
    }
    for (const char* bad : {"--attenuation", "--wavelength"}) {
        const TOutcome got = RunWith(cli::ZlineProgram(), {"--load", "100", bad, "-1"});
        EXPECT_EQ(got.Status, 2) << bad;
        EXPECT_NE(got.Err.find(std::string("параметр «") + bad + "»: "), std::string::npos)
            << got.Err;
    }
    // One line out per line in, a refused one saying so.
    const TOutcome batch = RunWith(cli::ZmatchProgram(), {"--load", "-"}, "100+50j\n50\r\n\nzz");
    std::vector<std::string> lines;
    std::istringstream rows(batch.Out);
    for (std::string row; std::getline(rows, row);)
        lines.push_back(row);
    ASSERT_EQ(lines.size(), 4u);
    // The matched load answers alone, without the match of the line before.
    EXPECT_EQ(lines[1].rfind("50\tТочка нагрузки Zн = 50 Ом", 0), 0u) << lines[1];
    EXPECT_EQ(lines[1].find("Согласование"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2].rfind("\tошибка: значение пустое", 0), 0u) << lines[2];
}

// A number's limit is written with the separator of the text around it.
TEST(Answers, LimitsInTheOutputsSeparator) {
    testing_common::ScopedDecimalSeparator sep('.');
    const TOutcome got = RunWith(cli::ZlineProgram(), {"--load", "1e300"});
    EXPECT_EQ(got.Status, 2);
    EXPECT_NE(got.Err.find("не больше 3.4·10^38 по модулю"), std::string::npos) << got.Err;
}

// Under a point, a comma is the commonest slip: the message shows the text mended, as the
// window's does, and the plain examples when mending would not help.
TEST(Answers, CommaUnderAPointIsMended) {
    testing_common::ScopedDecimalSeparator sep('.');
    struct Case {
        std::vector<std::string> args;
        const char* advice;
    };
    const Case cases[] = {
        {{"--load", "100,5+50j"}, "— точка. Введите «100.5+50j»."},
        {{"--load", "100", "--wavelength", "0,5"}, "— точка. Введите «0.5»."},
        {{"--load", "1,5,5"}, "например, «100+50j»"},
    };
    for (const Case& c : cases) {
        const TOutcome got = RunWith(cli::ZmatchProgram(), c.args);
        EXPECT_EQ(got.Status, 2) << c.args[1];
        EXPECT_NE(got.Err.find(c.advice), std::string::npos) << got.Err;
    }
}

// Complex loads as scripts write them; the parts come back as the fields would hold them.
TEST(Answers, ComplexLoadParts) {
    testing_common::ScopedDecimalSeparator sep(',');
    struct Case {
        const char *text, *re, *im; // re == nullptr: refused
    };
    const Case cases[] = {
        {"100+50j", "100", "+50"},
        {"100-j50", "100", "-50"},
        {"100", "100", "0"},
        {"-0,5+1e3j", "-0,5", "+1e3"},
        {"1.5e-3-2.5j", "1,5e-3", "-2,5"},
        {"j50", "0", "50"},
        {"-50J", "0", "-50"},
        {"1e-3j", "0", "1e-3"},
        // Blanks at the ends, a sign that follows the j, a number too large for the field
        // (left for the window's handler to refuse in its own words).
        {"  -5+2j ", "-5", "+2"},
        {"j-5", "0", "-5"},
        {"1e400", "1e400", "0"},
        {"", nullptr, nullptr},
        {"100+j", nullptr, nullptr},
        {"100+50", nullptr, nullptr},
        {"a+1j", nullptr, nullptr},
        {"1+bj", nullptr, nullptr},
        {"1++2j", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const cli::TComplexText z = cli::ReadComplex(c.text);
        if (!c.re) {
            EXPECT_FALSE(z.Error.empty()) << c.text;
            continue;
        }
        EXPECT_EQ(z.Error, "") << c.text;
        EXPECT_EQ(z.Re, c.re) << c.text;
        EXPECT_EQ(z.Im, c.im) << c.text;
    }
}

// The number after `key` in a JSON text, from `from` on.
double NumberAfter(const std::string& json, const std::string& key, std::size_t from = 0) {
    const std::size_t at = json.find(key, from);
    return at == std::string::npos ? -1 : std::strtod(json.c_str() + at + key.size(), nullptr);
}

std::size_t Count(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++n;
    return n;
}

// --band: the chart's answer at f0 is what its hint says the printed answer gives when
// built; every point in the JSON, the model and f0 named; a table of 21 rows for people.
TEST(Answers, BandOfTheMatch) {
    testing_common::ScopedDecimalSeparator sep(',');
    const struct {
        const char *load, *r, *x;
        bool shortStub;
    } cases[] = {
        {"100+50j", "100", "50", true},
        {"100+50j", "100", "50", false},
        {"20-35j", "20", "-35", true},
        {"300+10j", "300", "10", false},
    };
    for (const auto& c : cases) {
        const TOutcome got =
            RunWith(cli::ZmatchProgram(), {"--load", c.load, "--stub",
                                           c.shortStub ? "short" : "open", "--band", "--json"});
        ASSERT_EQ(got.Status, 0) << got.Err;
        const std::size_t f0 = got.Out.find("{\"f\":1,");
        ASSERT_NE(f0, std::string::npos) << c.load;
        testing_zmatch::Window w;
        w.ShowLoad(c.r, c.x);
        w.Match(c.shortStub);
        const std::string& hint = w.form.Label4->Hint;
        const std::string built = hint.substr(hint.find("Ответ диаграммы"));
        EXPECT_NE(built.find("КСВ = " + chart::ExactNumber(NumberAfter(got.Out, "\"chart\":", f0))),
                  std::string::npos)
            << built;
        EXPECT_NEAR(NumberAfter(got.Out, "\"first\":", f0), 1, 1e-9) << c.load;
        EXPECT_EQ(Count(got.Out, "{\"f\":"), 1001u) << c.load;
    }
    const std::string json =
        RunWith(cli::ZmatchProgram(), {"--load", "100+50j", "--band", "--json"}).Out;
    EXPECT_NE(json.find("\"band\":{\"model\":\"series\",\"f0\":null,\"points\":["),
              std::string::npos);
    EXPECT_GT(NumberAfter(json, "\"vswr2\":{\"chart\":"), 0.3) << json.substr(json.find("vswr2"));
    const std::string constant =
        RunWith(cli::ZmatchProgram(), {"--load", "100+50j", "--band", "--model=constant",
                                       "--frequency", "2.4 GHz", "--json"})
            .Out;
    EXPECT_NE(constant.find("\"model\":\"constant\",\"f0\":2400000000,"), std::string::npos);

    const TOutcome text =
        RunWith(cli::ZmatchProgram(), {"--load", "100+50j", "--band", "--frequency", "1e9"});
    EXPECT_EQ(Count(text.Out, " ГГц   "), 11u) << text.Out; // 1 .. 1,5 f0
    EXPECT_EQ(Count(text.Out, " МГц   "), 10u) << text.Out; // 0,5 .. 0,95 f0
    EXPECT_NE(text.Out.find("\nКСВ ≤ 2: ответ диаграммы 38,7 % (386,8 МГц), первое решение"),
              std::string::npos)
        << text.Out;
    EXPECT_NE(json.find("\"vswr2_at_least\":{\"chart\":false,\"first\":false,\"second\":false}"),
              std::string::npos);
    // A band that runs to the sweep's edge is a bound: 60 ohms keeps КСВ <= 2 past 1,5 f0.
    const TOutcome edge = RunWith(cli::ZmatchProgram(), {"--load", "60", "--band"});
    EXPECT_NE(edge.Out.find("КСВ ≤ 2: ответ диаграммы ≥ 85,9 %"), std::string::npos) << edge.Out;
    const std::string edgeJson =
        RunWith(cli::ZmatchProgram(), {"--load", "60", "--band", "--json"}).Out;
    EXPECT_NE(edgeJson.find("\"vswr2_at_least\":{\"chart\":true,"), std::string::npos);
}

// The band's and the file's options: a bad one, or one that needs another, is status 2
// before any answer.
TEST(Answers, BandAndFileOptionsRefused) {
    testing_common::ScopedDecimalSeparator sep(',');
    const struct {
        bool zline;
        std::vector<std::string> args;
        const char* err;
    } cases[] = {
        {false,
         {"--load", "100", "--model", "measured"},
         "«--model series» или «--model constant»"},
        {false, {"--load", "100", "--frequency", "5 xx"}, "параметр «--frequency»: Частота"},
        {false, {"--load", "100", "--frequency", "-5"}, "больше нуля"},
        {false,
         {"--load", "100", "--model", "constant"},
         "добавьте «--band» или уберите «--model»"},
        {false, {"--load", "100", "--frequency", "1GHz"}, "добавьте «--band»"},
        {false, {"--touchstone", "a.s1p"}, "нужна частота"},
        {false, {"--touchstone", "a.s1p", "--frequency", "1GHz", "--load", "5"}, "либо «--load»"},
        {false,
         {"--touchstone", "/nonexistent/a.s1p", "--frequency", "1GHz"},
         "параметр «--touchstone»: "},
        {true,
         {"--touchstone", "/nonexistent/a.s1p", "--frequency", "1GHz"},
         "параметр «--touchstone»: "},
        {true, {"--load", "100", "--frequency", "1GHz"}, "добавьте «--touchstone FILE»"},
        {true, {"--load", "100", "--band"}, "неизвестный параметр «--band»"},
    };
    for (const auto& c : cases) {
        const TOutcome got = RunWith(c.zline ? cli::ZlineProgram() : cli::ZmatchProgram(), c.args);
        EXPECT_EQ(got.Status, 2) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(got.Out, "");
        EXPECT_NE(got.Err.find(c.err), std::string::npos) << got.Err;
    }
}

// A load from a Touchstone file goes through as the same load typed with --load, after a
// line that says where it came from; --band then sweeps the file's band; a file that cannot
// be read, or a frequency outside it, is status 2 with the reader's message.
TEST(Answers, LoadFromTouchstoneFile) {
    testing_common::ScopedDecimalSeparator sep(',');
    const std::string path = testing::TempDir() + "answers_test_antenna.s1p";
    const std::string bad = testing::TempDir() + "answers_test_short.s1p";
    std::ofstream(path) << "! antenna\n# MHz S RI R 50\n400 0.2 0.1\n450 0.3 0.2\n500 0.4 0.1\n";
    std::ofstream(bad) << "# MHz S RI R 50\n400 0.2\n";
    const theory::TComplex at450 = measured::ReadTouchstoneFile(path).Points.at(1).Ohms.value();
    for (const cli::TProgram& program : {cli::ZmatchProgram(), cli::ZlineProgram()}) {
        const TOutcome point =
            RunWith(program, {"--touchstone", path, "--frequency", "450 MHz", "--json"});
        ASSERT_EQ(point.Status, 0) << point.Err;
        EXPECT_NE(point.Out.find("\"ohms\":" + cli::json::Complex(at450) +
                                 ",\"interpolated\":false,\"open\":[]}"),
                  std::string::npos)
            << point.Out;

        const TOutcome between = RunWith(program, {"--touchstone", path, "--frequency", "425e6"});
        ASSERT_EQ(between.Status, 0) << between.Err;
        const std::size_t firstLine = between.Out.find('\n') + 1;
        EXPECT_NE(between.Out.substr(0, firstLine).find("на частоте 425 МГц: Zн = "),
                  std::string::npos)
            << between.Out;
        EXPECT_NE(between.Out.substr(0, firstLine).find("интерполировано"), std::string::npos);
        const theory::TComplex at425 =
            measured::LoadAt(measured::ReadTouchstoneFile(path), 425e6).Ohms;
        const std::string typed =
            cli::json::Number(at425.real()) + "+" + cli::json::Number(at425.imag()) + "j";
        EXPECT_EQ(between.Out.substr(firstLine), RunWith(program, {"--load", typed}).Out);

        const struct {
            std::vector<std::string> args;
            const char* err;
        } refused[] = {
            {{"--touchstone", bad, "--frequency", "400MHz"},
             "строка 2: ожидалось 3 числа, найдено 2"},
            {{"--touchstone", path, "--frequency", "1GHz"}, "вне измеренной полосы"},
        };
        for (const auto& c : refused) {
            const TOutcome got = RunWith(program, c.args);
            EXPECT_EQ(got.Status, 2) << c.args[3];
            EXPECT_NE(got.Err.find(c.err), std::string::npos) << got.Err;
        }
    }
    const std::string band = RunWith(cli::ZmatchProgram(), {"--touchstone", path, "--frequency",
                                                            "450MHz", "--band", "--json"})
                                 .Out;
    EXPECT_NE(band.find("\"band\":{\"model\":\"measured\",\"f0\":450000000,\"points\":[{\"f\":" +
                        cli::json::Number(400.0 / 450) + ","),
              std::string::npos)
        << band.substr(0, 2000);
    EXPECT_EQ(Count(band, "{\"f\":"), 1001u);
    const TOutcome model = RunWith(cli::ZmatchProgram(), {"--touchstone", path, "--frequency",
                                                          "450MHz", "--model", "constant"});
    EXPECT_EQ(model.Status, 2);
    EXPECT_NE(model.Err.find("уберите «--model»"), std::string::npos) << model.Err;
    std::remove(path.c_str());
    std::remove(bad.c_str());
}

// A file's open-circuit points: the answer names them, the band ends short of them, and
// asking for one, or between it and the next, is status 2 with the reason.
TEST(Answers, TouchstonePointsWithoutALoad) {
    testing_common::ScopedDecimalSeparator sep(',');
    const std::string path = testing::TempDir() + "answers_test_open.s1p";
    std::ofstream(path) << "# MHz S RI R 50\n0 1 0\n400 0.2 0.1\n450 0.3 0.2\n500 1 0\n"
                           "600 0.4 0.1\n";
    const TOutcome text =
        RunWith(cli::ZmatchProgram(), {"--touchstone", path, "--frequency", "450MHz"});
    ASSERT_EQ(text.Status, 0) << text.Err;
    EXPECT_NE(text.Out.find("\nНе используются точки файла с холостым ходом: 0 Гц, 500 МГц.\n"),
              std::string::npos)
        << text.Out;
    const std::string json = RunWith(cli::ZmatchProgram(), {"--touchstone", path, "--frequency",
                                                            "450MHz", "--band", "--json"})
                                 .Out;
    EXPECT_NE(json.find("\"open\":[0,500000000]}"), std::string::npos) << json.substr(0, 400);
    EXPECT_NE(json.find("\"points\":[{\"f\":" + cli::json::Number(400.0 / 450) + ","),
              std::string::npos);
    const std::size_t last = json.rfind("{\"f\":"); // 450 МГц, short of the open 500 МГц
    ASSERT_NE(last, std::string::npos);
    EXPECT_NEAR(std::stod(json.substr(last + 5)), 1.0, 1e-12);
    for (const char* f : {"500MHz", "550MHz"}) {
        const TOutcome got = RunWith(cli::ZlineProgram(), {"--touchstone", path, "--frequency", f});
        EXPECT_EQ(got.Status, 2) << f;
        EXPECT_NE(got.Err.find("холостой ход"), std::string::npos) << got.Err;
    }
    std::remove(path.c_str());
}

} // namespace

namespace {

// --steps: after the answer, the window's own steps, one numbered line each with the exact
// value beside; with --json the same list inside the object; refusals carry none.
TEST(Answers, StepsAreTheWindowsSteps) {
    testing_common::ScopedDecimalSeparator sep(',');
    testing_zmatch::Window zmatch;
    zmatch.ShowLoad("100", "50");
    zmatch.Match(false);
    testing_zline::Window zline;
    zline.ShowLoad("50", "50");
    zline.Move(false, "0,3", "1", "2");
    struct Case {
        cli::TProgram program;
        std::vector<std::string> args;
        const chart::TConstructionSteps& steps;
    };
    const Case cases[] = {
        {cli::ZmatchProgram(),
         {"--load", "100+50j", "--stub", "open", "--steps"},
         zmatch.form.Steps()},
        {cli::ZlineProgram(),
         {"--load", "50+50j", "--distance", "0.3", "--attenuation", "2", "--toward", "load",
          "--steps"},
         zline.form.Steps()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program.Name);
        ASSERT_FALSE(c.steps.empty());
        std::string lines = "Построение по шагам:\n", list;
        for (std::size_t k = 0; k < c.steps.size(); ++k) {
            const chart::TConstructionStep& s = c.steps[k];
            lines += std::to_string(k + 1) + ". " + s.Text +
                     (s.Exact.empty() ? "" : " (точно: " + s.Exact + ")") + "\n";
            list += (k ? ",{\"text\":" : "{\"text\":") + cli::json::String(s.Text) +
                    ",\"exact\":" + (s.Exact.empty() ? "null" : cli::json::String(s.Exact)) + "}";
        }
        const TOutcome text = RunWith(c.program, c.args);
        EXPECT_EQ(text.Status, 0);
        EXPECT_TRUE(text.Out.ends_with(lines)) << text.Out;

        std::vector<std::string> json = c.args;
        json.push_back("--json");
        EXPECT_TRUE(RunWith(c.program, json).Out.ends_with(",\"steps\":[" + list + "]}\n"));

        std::vector<std::string> batch = c.args;
        batch[1] = "-";
        const std::string out = RunWith(c.program, batch, "abc\n" + c.args[1] + "\n").Out;
        const std::string refused = out.substr(0, out.find('\n'));
        const std::string answered = out.substr(refused.size() + 1);
        EXPECT_EQ(refused.find("Построение"), std::string::npos) << out;
        EXPECT_NE(answered.find("Построение по шагам:; 1. " + c.steps[0].Text), std::string::npos)
            << out;
    }
}

} // namespace

namespace {

// --method: the solutions' chart and exact values and the answer built in the JSON, the band
// a curve a solution; options the window would refuse, or that the method reads for
// nothing, are bad options.
TEST(Answers, OtherMethods) {
    testing_common::ScopedDecimalSeparator sep('.');
    const TOutcome q = RunWith(cli::ZmatchProgram(), {"--load", "100+50j", "--method",
                                                      "quarter-wave", "--json", "--band"});
    EXPECT_EQ(q.Status, 0) << q.Err;
    for (const char* field :
         {"\"method\":\"quarter-wave\"", "\"solutions\":[{",
          "\"chart\":{\"d\":", "\"exact\":{\"d\":0.0368959", "\"built_vswr\":1.01", "\"vswr2\":["})
        EXPECT_NE(q.Out.find(field), std::string::npos) << field;
    struct Case {
        std::vector<std::string> args;
        const char* err;
    };
    const Case bad[] = {
        {{"--method", "double-stub", "--spacing", "0"}, "параметр «--spacing»: Расстояние между"},
        {{"--method", "double-stub", "--spacing", "0.5"}, "параметр «--spacing»"},
        {{"--method", "double-stub", "--first-stub", "-1"}, "параметр «--first-stub»"},
        {{"--method", "double-stub", "--first-stub", "1e10"}, "параметр «--first-stub»"},
        {{"--method", "double-stub", "--spacing", "1e10"}, "параметр «--spacing»"},
        {{"--method", "double-stub", "--spacing", "1e-10"}, "подходит: 0.01 λ"},
        {{"--method", "double-stub", "--spacing", "0.5000000001"}, "подходит: 0.51 λ"},
        {{"--method", "l-section", "--frequency", "abc"}, "параметр «--frequency»"},
        {{"--method", "l-section", "--frequency", "1e300"}, "параметр «--frequency»: L и C"},
        {{"--method", "l-section", "--frequency", "0.0001"}, "параметр «--frequency»: L и C"},
        {{"--method", "triple-stub"}, "параметр «--method»"},
        {{"--method", "quarter-wave", "--stub", "open"}, "«--stub»"},
        {{"--spacing", "0.25"}, "«--spacing» — параметр двух шлейфов"},
        {{"--method", "series-stub", "--wavelength", "0"}, "параметр «--wavelength»: Длина"},
        {{"--method", "double-stub", "--wavelength", "abc"}, "«--wavelength»"},
        {{"--method", "l-section", "--wavelength", "2"}, "«--wavelength» задаёт единицу длин"},
    };
    for (const Case& c : bad) {
        std::vector<std::string> args = {"--load", "100+50j"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const TOutcome got = RunWith(cli::ZmatchProgram(), args);
        EXPECT_EQ(got.Status, 2) << c.err;
        EXPECT_NE(got.Err.find(c.err), std::string::npos) << got.Err;
    }
    // --wavelength: every length also in its unit, as the shunt stub's JSON gives them.
    const TOutcome w =
        RunWith(cli::ZmatchProgram(),
                {"--load", "100+50j", "--method", "quarter-wave", "--wavelength", "2", "--json"});
    EXPECT_EQ(w.Status, 0) << w.Err;
    for (const char* field : {"\"wavelength\":2,", "\"d_in_unit\":", "\"section_in_unit\":0.5"})
        EXPECT_NE(w.Out.find(field), std::string::npos) << field << w.Out;
    // A matched load needs nothing: an answer; a load the chart refuses: status 1.
    EXPECT_EQ(RunWith(cli::ZmatchProgram(), {"--load", "50", "--method", "quarter-wave"}).Status,
              0);
    EXPECT_EQ(RunWith(cli::ZmatchProgram(), {"--load", "1e9", "--method", "quarter-wave"}).Status,
              1);
    // A first stub deep in the forbidden region: moved where the chart constructs, the exact
    // shortest distance beside.
    const TOutcome f = RunWith(cli::ZmatchProgram(), {"--load", "2.6838+0.2547j", "--method",
                                                      "double-stub", "--stub", "open", "--json"});
    EXPECT_EQ(f.Status, 0) << f.Err;
    EXPECT_NE(f.Out.find("\"exact_first_stub\":0.02395"), std::string::npos) << f.Out;
    // The default spacing, written with a point, reads where the separator is a comma.
    testing_common::ScopedDecimalSeparator comma(',');
    const TOutcome d = RunWith(cli::ZmatchProgram(), {"--load", "20", "--method", "double-stub"});
    EXPECT_EQ(d.Status, 0) << d.Err;
}

// One rule for every method at both ends of the real axis and at the centre: a load a pixel
// inside the rim and out from the centre is built, whichever side its pixel's truncation
// favours; nearer, the refusal gives line theory's answers; matched only by the exact |Г|.
TEST(Answers, MethodsAtTheRimAndTheCentre) {
    testing_common::ScopedDecimalSeparator sep('.');
    struct Row {
        const char* load;
        int status;
        const char* says;     // in the answer or the refusal
        bool twoStubs = true; // the double stub near the rim moves its first stub: apart
    };
    const Row rows[] = {
        {"20000", 0, "если его построить", false},
        {"0.125", 0, "если его построить", false}, // КСВ 400
        {"29000", 0, "если его построить", false},
        {"0.0862", 0, "если его построить", false}, // КСВ 580
        {"31000", 1, "Точно (линия"},
        {"0.0806", 1, "Точно (линия"}, // КСВ 620
        {"49.4", 1, "ближе пикселя к центру"},
        {"50.2", 1, "ближе пикселя к центру"},
        {"50.5", 0, "если его построить"},
        {"50.00001", 0, "согласована"},
    };
    for (const char* method : {"series-stub", "double-stub", "quarter-wave", "l-section"})
        for (const Row& r : rows) {
            if (!r.twoStubs && method == std::string("double-stub")) continue;
            SCOPED_TRACE(std::string(method) + " " + r.load);
            const TOutcome got =
                RunWith(cli::ZmatchProgram(), {"--load", r.load, "--method", method});
            EXPECT_EQ(got.Status, r.status) << got.Err;
            EXPECT_NE((got.Out + got.Err).find(r.says), std::string::npos) << got.Out << got.Err;
            EXPECT_TRUE(r.status == 0 || got.Err.find("1) ") != std::string::npos) << got.Err;
        }
    // A matched load's steps say so; none are a heading over nothing.
    const TOutcome m =
        RunWith(cli::ZmatchProgram(), {"--load", "50", "--method", "l-section", "--steps"});
    EXPECT_NE(m.Out.find("Построение по шагам:\n1. "), std::string::npos) << m.Out;
    EXPECT_NE(m.Out.find("согласующая цепь не нужна"), std::string::npos) << m.Out;
}

} // namespace
