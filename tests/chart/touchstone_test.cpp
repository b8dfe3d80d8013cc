// Touchstone files written here, by a writer of the test's own, in every option combination,
// read back to the loads they were written from; bad files refused with the line named.
#include "chart/Touchstone.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using chart::TComplex;
constexpr double kPi = 3.141592653589793;

struct Options {
    int version, ports;
    const char* unit;
    double hzPerUnit;
    char parameter; // 'S', 'Y', 'Z'
    const char* format;
    double r;
};

std::string Num(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

// The pair a file holds for the value `n` in the format.
std::string Pair(TComplex n, const std::string& format) {
    if (format == "RI") return Num(n.real()) + " " + Num(n.imag());
    const double angle = std::arg(n) * 180 / kPi;
    if (format == "MA") return Num(std::abs(n)) + " " + Num(angle);
    return Num(20 * std::log10(std::abs(n))) + " " + Num(angle);
}

// N11 for the load `z`: S from the reference; Z and Y normalised to it in version 1 only.
TComplex Parameter(TComplex z, const Options& o) {
    const double scale = o.version == 1 ? o.r : 1;
    if (o.parameter == 'S') return (z - o.r) / (z + o.r);
    if (o.parameter == 'Z') return z / scale;
    return scale / z;
}

const std::vector<std::pair<double, TComplex>> kLoad = {
    {1.0, {30, -40}}, {1.5, {100, 50}}, {2.25, {5, 0}}, {3.0, {0.5, 200}}};

// Words of the option line in an order and case that differ with the combination.
std::string OptionLine(const Options& o, bool shuffled) {
    const std::string unit = o.unit, parameter(1, o.parameter), format = o.format,
                      r = "R " + Num(o.r);
    if (!shuffled) return "# " + unit + " " + parameter + " " + format + " " + r;
    std::string lower = unit + " " + format;
    for (char& c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return "#" + r + "  " + lower + "\t" + parameter;
}

std::string File(const Options& o, bool shuffled) {
    std::string text = "! written by the test\n";
    if (o.version == 2) text += "[Version] 2.0\n";
    text += OptionLine(o, shuffled) + "\n";
    if (o.version == 2) {
        text += "[Number of Ports] " + std::to_string(o.ports) + "\n";
        if (o.ports == 2) text += "[Two-Port Data Order] 12_21\n";
        text += "[Number of Frequencies] " + std::to_string(kLoad.size()) + "\n";
        text += "[Network Data]\n";
    }
    for (const auto& [f, z] : kLoad) {
        text += Num(f) + " " + Pair(Parameter(z, o), o.format);
        if (o.ports == 2) // S21, S12, S22: anything; version 2 may break the point's line
            text += std::string(o.version == 2 ? "\n  " : " ") + "0.5 10 0.5 10 0.25 -30";
        text += "  ! a comment\n";
    }
    if (o.version == 2) text += "[End]\n";
    return text;
}

// Every unit, parameter, format, reference, version and port count reads to the same load.
TEST(Touchstone, EveryOptionCombinationReadsToTheSameLoad) {
    const std::pair<const char*, double> units[] = {
        {"Hz", 1}, {"kHz", 1e3}, {"MHz", 1e6}, {"GHz", 1e9}};
    int combination = 0;
    for (int version : {1, 2})
        for (int ports : {1, 2})
            for (const auto& [unit, hzPerUnit] : units)
                for (char parameter : {'S', 'Y', 'Z'})
                    for (const char* format : {"DB", "MA", "RI"})
                        for (double r : {50.0, 75.0}) {
                            const Options o{version, ports, unit, hzPerUnit, parameter, format, r};
                            const std::string text = File(o, ++combination % 2 == 0);
                            SCOPED_TRACE(text);
                            const chart::TMeasuredLoad load = chart::ReadTouchstone(text, ports);
                            EXPECT_EQ(load.ReferenceOhms, r);
                            ASSERT_EQ(load.Points.size(), kLoad.size());
                            for (std::size_t i = 0; i < kLoad.size(); ++i) {
                                EXPECT_NEAR(load.Points[i].Hz, kLoad[i].first * hzPerUnit,
                                            1e-12 * kLoad[i].first * hzPerUnit);
                                EXPECT_LE(std::abs(load.Points[i].Ohms - kLoad[i].second),
                                          1e-9 * std::abs(kLoad[i].second));
                            }
                        }
}

TComplex FirstOhms(const std::string& text, int ports) {
    return chart::ReadTouchstone(text, ports).Points.at(0).Ohms;
}

// What the format allows beyond the plain file: defaults, blanks, keywords that say
// nothing of port 1, a reference per port, noise data; each gives the load it should.
TEST(Touchstone, ReadsWhatTheFormatAllows) {
    const struct {
        const char* intent;
        std::string text;
        int ports;
        TComplex ohms;
    } cases[] = {
        {"the defaults: GHz S MA R 50", "#\n1 0.5 90\n", 1,
         50.0 * (1.0 + TComplex(0, 0.5)) / (1.0 - TComplex(0, 0.5))},
        {"CR LF, tabs, signs, exponents",
         "# Hz Z RI R 50\r\n\t+1e0\t+2.0E+0 -1e-0\r\n",
         1,
         {100, -50}},
        {"numbers with the file's point whatever the user's",
         "# Hz Z RI\n1 .5 -2.\n",
         1,
         {25, -100}},
        {"a later option line is ignored", "# Hz Z RI R 50\n# Hz Z RI R 75\n1 1 0\n", 1, {50, 0}},
        {"a reference per port after R", "# Hz Z RI R 75 50\n1 1 0\n", 1, {75, 0}},
        {"a .s2p's noise data after its points",
         "# Hz S RI\n1 0 0 0 0 0 0 0 0\n2 0 0 0 0 0 0 0 0\n"
         "1 2.5 0.5 30 0.2\n2 2.6 0.5 31 0.2\n",
         2,
         {50, 0}},
        {"[Reference] holds for S in version 2",
         "[Version] 2.0\n# Hz S RI R 50\n"
         "[Number of Ports] 2\n[Reference]\n75 50\n"
         "[Network Data]\n1 0 0 0 0 0 0 0 0\n",
         2,
         {75, 0}},
        {"[Matrix Format] Lower: three pairs to a two-port point",
         "[Version] 2.0\n# Hz Z RI\n[Number of Ports] 2\n[Matrix Format] Lower\n"
         "[Network Data]\n1 20 0 0 0 0 0\n2 30 0 0 0 0 0\n",
         2,
         {20, 0}},
        {"the ports a version 2 file names hold over its name's",
         "[Version] 2.0\n# Hz Z RI\n[Number of Ports] 3\n[Network Data]\n1 20 0 0 0 0 0\n"
         "0 0 0 0 0 0\n0 0 0 0 0 0\n",
         1,
         {20, 0}},
        {"information, noise and unknown keywords, and what follows [End], are passed over",
         "[Version] 2.1\n# Hz Z RI\n[Begin Information]\n[Network Data]\nxyz\n[End Information]\n"
         "[Number of Ports] 1\n[Future Keyword] 7\n[Network Data]\n1 20 0\n[Noise Data]\n"
         "1 2 3 4 5\n[End]\nanything",
         1,
         {20, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.intent);
        const TComplex ohms = FirstOhms(c.text, c.ports);
        EXPECT_LE(std::abs(ohms - c.ohms), 1e-9 * std::abs(c.ohms)) << ohms;
    }
}

// A bad file is refused with a message that names its line and says what is wrong there.
TEST(Touchstone, BadFilesAreRefusedWithTheLineNamed) {
    const std::string v2 = "[Version] 2.0\n# Hz S RI\n[Number of Ports] 1\n";
    const struct {
        std::string text;
        int ports;
        const char* message;
    } cases[] = {
        // Points of the wrong length, numbers that are none.
        {"# GHz S RI R 50\n1 0.5 0\n2 0.5\n", 1, "строка 3: ожидалось 3 числа, найдено 2"},
        {"# GHz S RI\n1 0 0 0 0 0 0 0\n", 2, "строка 2: ожидалось 9 чисел, найдено 8"},
        {"# GHz S RI\n1 0 0 0\n", 1, "строка 2: ожидалось 3 числа, найдено 4"},
        {"# GHz S RI\n1 0,5\n", 1, "строка 2: «0,5» не является числом"},
        {"# GHz S RI\n1 nan 0\n", 1, "строка 2: «nan» не является числом"},
        {"# GHz S RI\n1 1e400 0\n", 1, "строка 2: число «1e400» слишком велико по модулю"},
        // The option line.
        {"# GHz XY\n", 1, "строка 1: неизвестное обозначение «XY» в строке параметров"},
        {"!\n# GHz MHz\n", 1, "строка 2: единица частоты указана дважды в строке параметров"},
        {"# H\n", 2, "строка 1: параметры H не описывают нагрузку"},
        {"# R\n", 1, "строка 1: после R в строке параметров нет опорного сопротивления"},
        {"# R 0\n", 1, "строка 1: опорное сопротивление «0» не положительно"},
        {"1 0 0\n", 1, "строка 1: числа до строки параметров"},
        // Frequencies and loads.
        {"# Hz S RI\n2 0 0\n1 0 0\n", 1, "строка 3: частота «1» не больше предыдущей"},
        {"# Hz S RI\n2 0 0\n2 0 0\n", 1, "строка 3: частота «2» не больше предыдущей"},
        {"# Hz S RI\n-1 0 0\n", 1, "строка 2: частота «-1» отрицательна"},
        {"# GHz S RI\n1e300 0 0\n", 1, "строка 2: частота «1e300» слишком велика"},
        {"# Hz S RI\n1 1 0\n", 1, "строка 2: нагрузка в этой точке — холостой ход"},
        {"# Hz Y RI\n1 0 0\n", 1, "строка 2: нагрузка в этой точке — холостой ход"},
        {"# Hz Z RI\n1 1e308 1e308\n2 0 0\n", 1, "строка 2: сопротивление нагрузки в этой"},
        // No points at all.
        {"", 1, "в файле нет ни одной точки"},
        {"! only\n# Hz S RI\n", 1, "в файле нет ни одной точки"},
        {v2 + "[Network Data]\n[End]\n", 1, "в файле нет ни одной точки"},
        // Keywords.
        {"# Hz S RI\n[Number of Ports] 1\n", 1, "строка 2: ключевое слово в файле версии 1"},
        {"[Version] 3.0\n", 1, "строка 1: после [Version] ожидалось 2.0 или 2.1"},
        {"[Version 2.0\n", 1, "строка 1: у ключевого слова нет закрывающей скобки"},
        {"[Version] 2.0\n# Hz S RI\n[Network Data]\n1 0 0\n", 1,
         "строка 3: [Network Data] до [Number of Ports]"},
        {"[Version] 2.0\n[Number of Ports] 1\n[Network Data]\n", 1,
         "строка 3: [Network Data] до строки параметров"},
        {v2 + "1 0 0\n", 1, "строка 4: «1» до ключевого слова [Network Data]"},
        {"[Version] 2.0\n[Number of Ports] 0\n", 1,
         "строка 2: после [Number of Ports] ожидалось целое число от 1 до 1000, найдено «0»"},
        {v2 + "[Two-Port Data Order] 12_12\n", 1, "строка 4: после [Two-Port Data Order]"},
        {v2 + "[Reference] 50 50\n", 1,
         "строка 4: после [Reference] ожидалось 1 сопротивление, по одному на порт"},
        {v2 + "[Mixed-Mode Order] D2,1 C2,1\n", 1, "строка 4: смешанные"},
        {v2 + "[Number of Frequencies] 2\n[Network Data]\n1 0 0\n[End]\n", 1,
         "строка 4: [Number of Frequencies] обещает 2 точки, а в файле их 1"},
        {v2 + "[Network Data]\n1 0 0\n2 0\n[End]\n", 1,
         "строка 6: ожидалось 3 числа, найдено 2 до строки 7"},
        {v2 + "[Network Data]\n1 0 0\n2 0\n", 1, "строка 6: ожидалось 3 числа, найдено 2"},
        {v2 + "[Network Data]\n1 0 0\n[Number of Ports] 1\n", 1,
         "строка 6: ключевое слово [Number of Ports] после [Network Data]"},
        {v2 + "[Network Data]\n1 0 0\n[Version] 2.0\n", 1, "строка 6: ключевое слово [Version]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            chart::ReadTouchstone(c.text, c.ports);
            ADD_FAILURE() << "accepted";
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message.rfind(c.message, 0), 0u) << e.Message;
        }
    }
}

// A hostile line is refused, its word quoted short: a million digits, a million blanks.
TEST(Touchstone, HugeLinesAreRefusedBriefly) {
    for (const std::string& line : {"1" + std::string(1'000'000, '0') + " 0 0",
                                    "1 0 0" + std::string(1'000'000, ' ') + "0"}) {
        try {
            chart::ReadTouchstone("# Hz S RI\n" + line + "\n", 1);
            ADD_FAILURE() << "accepted";
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message.rfind("строка 2: ", 0), 0u) << e.Message;
            EXPECT_LT(e.Message.size(), 200u) << e.Message;
        }
    }
}

// Between the file's points the load is interpolated, at them it is theirs, outside refused.
TEST(Touchstone, LoadAtFollowsTheFileAcrossItsBand) {
    const chart::TMeasuredLoad load =
        chart::ReadTouchstone("# MHz Z RI R 50\n100 1 0\n200 2 -1\n400 1 1\n", 1);
    const struct {
        double hz;
        TComplex ohms;
        bool interpolated;
    } cases[] = {{100e6, {50, 0}, false},
                 {150e6, {75, -25}, true},
                 {200e6, {100, -50}, false},
                 {350e6, {62.5, 25}, true},
                 {400e6, {50, 50}, false}};
    for (const auto& c : cases) {
        const chart::TLoadAtFrequency at = chart::LoadAt(load, c.hz);
        EXPECT_LE(std::abs(at.Ohms - c.ohms), 1e-12 * std::abs(c.ohms)) << c.hz;
        EXPECT_EQ(at.Interpolated, c.interpolated) << c.hz;
    }
    EXPECT_THROW(chart::LoadAt(load, 99e6), tk::Exception);
    EXPECT_THROW(chart::LoadAt(load, 401e6), tk::Exception);
}

// The file itself: its ports from its name, its refusals naming it.
TEST(Touchstone, ReadTouchstoneFileNamesTheFileItRefuses) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(testing::TempDir()) / "touchstone_test";
    fs::create_directories(dir / "folder.s1p");
    const auto write = [&](const char* name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
        return (dir / name).string();
    };
    const std::string s2p = write("Antenna.S2P", "# Hz S RI\n1 0 0 0 0 0 0 0 0\n");
    EXPECT_EQ(chart::ReadTouchstoneFile(s2p).Points.at(0).Ohms, TComplex(50, 0));

    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {write("load.txt", "# Hz S RI\n1 0 0\n"),
         "Файл «" + (dir / "load.txt").string() + "» не прочитан: читаются файлы Touchstone"},
        {(dir / "missing.s1p").string(),
         "Не удалось открыть файл «" + (dir / "missing.s1p").string() + "»: такого файла нет."},
        {(dir / "folder.s1p").string(),
         "Не удалось открыть файл «" + (dir / "folder.s1p").string() + "»: это папка"},
        // A .s2p's points read as a .s1p's are too long.
        {write("two.s1p", "# Hz S RI\n1 0 0 0 0 0 0 0 0\n"),
         "Не удалось прочитать файл «" + (dir / "two.s1p").string() +
             "»: строка 2: ожидалось 3 числа, найдено 9."},
    };
    for (const auto& c : cases) {
        try {
            chart::ReadTouchstoneFile(c.path);
            ADD_FAILURE() << c.path << " accepted";
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message.rfind(c.message, 0), 0u) << e.Message;
        }
    }
    fs::remove_all(dir);
}

} // namespace
