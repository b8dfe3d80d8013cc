// Touchstone files written here, by a writer of the test's own, in every option combination,
// read back to the loads they were written from; bad files refused with the line named.
#include "measured/Touchstone.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using measured::TComplex;
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

// A two-port's matrix, [0][1] being N12.
using Matrix = std::array<std::array<TComplex, 2>, 2>;

Matrix Product(const Matrix& a, const Matrix& b) {
    Matrix p{};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            p[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j];
    return p;
}

Matrix Inverse(const Matrix& m) {
    const TComplex det = m[0][0] * m[1][1] - m[0][1] * m[1][0];
    return {{{m[1][1] / det, -m[0][1] / det}, {-m[1][0] / det, m[0][0] / det}}};
}

// A T of impedances: `a` in series at port 1, `c` across, `b` in series at port 2. Port 1,
// port 2 closed by r2, sees a + c ∥ (b + r2).
struct Tee {
    TComplex a, b, c;
    TComplex Load(double r2) const { return a + c * (b + r2) / (c + b + r2); }
    Matrix Z() const { return {{{a + c, c}, {c, b + c}}}; }
    Matrix Y() const { return Inverse(Z()); }
    // S = (z − I)(z + I)⁻¹ of Z normalised to each port's own reference.
    Matrix S(double r1, double r2) const {
        Matrix z = Z();
        const double r[2] = {r1, r2};
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                z[i][j] /= std::sqrt(r[i] * r[j]);
        Matrix minus = z, plus = z;
        for (int i = 0; i < 2; ++i) {
            minus[i][i] -= 1.0;
            plus[i][i] += 1.0;
        }
        return Product(minus, Inverse(plus));
    }
};

// The T behind the loads of the option combinations: 30 Ом then 80 + j40 Ом across at port
// 2, and in series at port 1 whatever makes port 1 see `z`.
Tee TeeFor(TComplex z, double r2) {
    Tee t{0, 30, {80, 40}};
    t.a = z - t.Load(r2);
    return t;
}

// The parameters a file holds for the load `z`: a one-port's, or those of a two-port whose
// port 1 sees `z`; Z and Y normalised to the reference in version 1 only.
Matrix Parameters(TComplex z, const Options& o) {
    const double scale = o.version == 1 ? o.r : 1;
    if (o.ports == 1) {
        const TComplex n = o.parameter == 'S'   ? (z - o.r) / (z + o.r)
                           : o.parameter == 'Z' ? z / scale
                                                : scale / z;
        return {{{n, 0}, {0, 0}}};
    }
    const Tee t = TeeFor(z, o.r);
    Matrix m = o.parameter == 'S' ? t.S(o.r, o.r) : o.parameter == 'Z' ? t.Z() : t.Y();
    for (auto& row : m)
        for (TComplex& n : row)
            n = o.parameter == 'S' ? n : o.parameter == 'Z' ? n / scale : n * scale;
    return m;
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
        const Matrix n = Parameters(z, o);
        text += Num(f) + " " + Pair(n[0][0], o.format);
        if (o.ports == 2) // N21, N12, N22; version 2 breaks the point's line
            text += std::string(o.version == 2 ? "\n  " : " ") + Pair(n[1][0], o.format) + " " +
                    Pair(n[0][1], o.format) + " " + Pair(n[1][1], o.format);
        text += "  ! a comment\n";
    }
    if (o.version == 2) text += "[End]\n";
    return text;
}

// Every unit, parameter, format, reference, version and port count reads to the same load:
// port 1's, a two-port's port 2 closed by the reference.
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
                            const measured::TMeasuredLoad load =
                                measured::ReadTouchstone(text, ports);
                            EXPECT_EQ(load.ReferenceOhms, r);
                            ASSERT_EQ(load.Points.size(), kLoad.size());
                            for (std::size_t i = 0; i < kLoad.size(); ++i) {
                                EXPECT_NEAR(load.Points[i].Hz, kLoad[i].first * hzPerUnit,
                                            1e-12 * kLoad[i].first * hzPerUnit);
                                ASSERT_TRUE(load.Points[i].Ohms);
                                EXPECT_LE(std::abs(*load.Points[i].Ohms - kLoad[i].second),
                                          1e-9 * std::abs(kLoad[i].second));
                            }
                        }
}

TComplex FirstOhms(const std::string& text, int ports) {
    return measured::ReadTouchstone(text, ports).Points.at(0).Ohms.value();
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
         "[Version] 2.0\n# Hz S RI\n[Number of Ports] 3\n[Network Data]\n1 0.2 0 0 0 0 0\n"
         "0 0 0 0 0 0\n0 0 0 0 0 0\n",
         1,
         {75, 0}},
        // Files as analysers and libraries write them.
        {"a UTF-8 byte-order mark", "\xEF\xBB\xBF# Hz Z RI\n1 2 0\n", 1, {100, 0}},
        {"a byte-order mark before [Version]",
         "\xEF\xBB\xBF[Version] 2.0\n# Hz Z RI\n[Number of Ports] 1\n[Network Data]\n1 20 0\n",
         1,
         {20, 0}},
        {"lines ended by CR alone", "! old\r# Hz Z RI\r1 2 0\r2 3 0\r", 1, {100, 0}},
        {"a version 1 two-port's point over two lines, 5 numbers and 4, then noise data",
         "# Hz S RI\n1 0.2 0 0.9 0\n  0.9 0 0.1 0\n2 0.2 0 0.9 0\n  0.9 0 0.1 0\n"
         "1 2.5 0.5 30 0.2\n",
         2,
         {75, 0}},
        {".ts, whose ports version 2 names",
         "[Version] 2.0\n# Hz Z RI\n[Number of Ports] 1\n[Network Data]\n1 20 0\n[End]\n",
         0,
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
        {"# Hz Z RI R 75 50\n1 1 0\n", 1,
         "строка 1: после R 75 в строке параметров лишнее число «50»"},
        {"1 0 0\n", 1, "строка 1: числа до строки параметров"},
        // Frequencies and loads.
        {"# Hz S RI\n2 0 0\n1 0 0\n", 1, "строка 3: частота «1» не больше предыдущей"},
        {"# Hz S RI\n2 0 0\n2 0 0\n", 1, "строка 3: частота «2» не больше предыдущей"},
        {"# Hz S RI\n-1 0 0\n", 1, "строка 2: частота «-1» отрицательна"},
        {"# GHz S RI\n1e300 0 0\n", 1, "строка 2: частота «1e300» слишком велика"},
        {"# Hz S DB\n1 7000 0\n", 1, "строка 2: модуль параметра в дБ слишком велик"},
        {"# Hz S RI\n1 1 0\n2 1 0\n", 1, "во всех точках файла холостой ход"},
        // Points over lines: a line that begins one holds its frequency and whole pairs, a
        // line that goes on with it whole pairs and no more than it lacks.
        {"# Hz S RI\n1 0 0 0 0 0 0 0 0\n0 0 0 0\n", 2, "строка 3: ожидалось 9 чисел, найдено 4"},
        {"# Hz S RI\n1 0 0 0 0\n0 0 0\n", 2,
         "строка 2: ожидалось 9 чисел, найдено 5 (точка обрывается перед строкой 3)"},
        {"# Hz S RI\n1 0 0 0 0\n2 0 0 0 0 0 0 0 0\n", 2,
         "строка 2: ожидалось 9 чисел, найдено 5 (точка обрывается перед строкой 3)"},
        {"# Hz S RI\n1 0 0 0 0\n0 0 0 0 0 0\n", 2,
         "строка 2: ожидалось 9 чисел, найдено 5 (точка обрывается перед строкой 3)"},
        {"# Hz S RI\r1 0.5\r", 1, "строка 2: ожидалось 3 числа, найдено 2"},
        // No points at all.
        {"", 1, "в файле нет ни одной точки"},
        {"! only\n# Hz S RI\n", 1, "в файле нет ни одной точки"},
        {v2 + "[Network Data]\n[End]\n", 1, "в файле нет ни одной точки"},
        // Keywords.
        {"# Hz S RI\n[Number of Ports] 1\n", 1, "строка 2: ключевое слово в файле версии 1"},
        {"[Version] 3.0\n", 1, "строка 1: после [Version] ожидалось 2.0 или 2.1"},
        {"# Hz S RI\n1 0 0\n", 0, "файл .ts — файл Touchstone версии 2"},
        {"[Version] 2.0\n# Hz Z RI\n[Number of Ports] 3\n[Network Data]\n", 1,
         "строка 4: параметры Z читаются у файлов с одним или двумя портами, а в этом 3 порта"},
        {v2 + "[Number of Noise Frequencies] 1\n[Network Data]\n1 0 0\n[End]\n", 1,
         "строка 4: [Number of Noise Frequencies] обещает шумовые параметры, а [Noise Data] в "
         "файле нет"},
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
         "строка 6: ожидалось 3 числа, найдено 2 (точка обрывается перед строкой 7)"},
        {v2 + "[Network Data]\n1 0 0\n2 0\n", 1,
         "строка 6: ожидалось 3 числа, найдено 2 (точка обрывается в конце файла)"},
        {v2 + "[Network Data]\n1 0 0\n[Number of Ports] 1\n", 1,
         "строка 6: ключевое слово [Number of Ports] после [Network Data]"},
        {v2 + "[Network Data]\n1 0 0\n[Version] 2.0\n", 1, "строка 6: ключевое слово [Version]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            measured::ReadTouchstone(c.text, c.ports);
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
            measured::ReadTouchstone("# Hz S RI\n" + line + "\n", 1);
            ADD_FAILURE() << "accepted";
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message.rfind("строка 2: ", 0), 0u) << e.Message;
            EXPECT_LT(e.Message.size(), 200u) << e.Message;
        }
    }
}

// Between the file's points the load is interpolated, at them it is theirs, outside refused.
TEST(Touchstone, LoadAtFollowsTheFileAcrossItsBand) {
    const measured::TMeasuredLoad load =
        measured::ReadTouchstone("# MHz Z RI R 50\n100 1 0\n200 2 -1\n400 1 1\n", 1);
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
        const measured::TLoadAtFrequency at = measured::LoadAt(load, c.hz);
        EXPECT_LE(std::abs(at.Ohms - c.ohms), 1e-12 * std::abs(c.ohms)) << c.hz;
        EXPECT_EQ(at.Interpolated, c.interpolated) << c.hz;
    }
    EXPECT_THROW(measured::LoadAt(load, 99e6), tk::Exception);
    EXPECT_THROW(measured::LoadAt(load, 401e6), tk::Exception);
}

// One network written as S, Z or Y, in either version, gives one load, the network's own
// with port 2 closed by its reference: not Z11 (port 2 open) nor 1/Y11 (port 2 shorted).
TEST(Touchstone, OneNetworkWrittenAsSZOrYGivesOneLoad) {
    const struct {
        Tee tee;
        double r1, r2;
    } networks[] = {
        {{16.61, 16.61, 66.93}, 50, 50},           // a 6 dB pad
        {{{10, 30}, {0, -20}, {5, 60}}, 50, 50},   // reactive arms
        {{{40, -15}, {20, 5}, {100, 50}}, 50, 75}, // a reference a port, version 2
        {{{0.5, 2}, {300, 0}, {1000, -900}}, 75, 75},
    };
    for (const auto& n : networks) {
        const TComplex expected = n.tee.Load(n.r2);
        for (int version : {1, 2})
            for (char parameter : {'S', 'Z', 'Y'}) {
                if (version == 1 && n.r1 != n.r2) continue; // version 1 has one reference
                const double scale = version == 2 || parameter == 'S' ? 1 : n.r1;
                Matrix m = parameter == 'S'   ? n.tee.S(n.r1, n.r2)
                           : parameter == 'Z' ? n.tee.Z()
                                              : n.tee.Y();
                for (auto& row : m)
                    for (TComplex& v : row)
                        v = parameter == 'Y' ? v * scale : v / scale;
                const std::string pairs = Pair(m[0][0], "RI") + " " + Pair(m[1][0], "RI") + " " +
                                          Pair(m[0][1], "RI") + " " + Pair(m[1][1], "RI");
                const std::string option =
                    std::string("# Hz ") + parameter + " RI R " + Num(n.r1) + "\n";
                const std::string text =
                    version == 1 ? option + "1 " + pairs + "\n"
                                 : "[Version] 2.0\n" + option +
                                       "[Number of Ports] 2\n[Two-Port Data Order] 21_12\n"
                                       "[Reference] " +
                                       Num(n.r1) + " " + Num(n.r2) + "\n[Network Data]\n1 " +
                                       pairs + "\n[End]\n";
                SCOPED_TRACE(text);
                const TComplex ohms = FirstOhms(text, 2);
                EXPECT_LE(std::abs(ohms - expected), 1e-12 * std::abs(expected)) << ohms;
            }
    }
}

// A point without a finite load (S11 = 1, Y = 0, a Z too large to hold) is kept without one
// and the file is read; asking for it, or between it and its neighbour, is refused, and the
// band the load can be had over ends short of it.
TEST(Touchstone, APointWithoutALoadIsRefusedOnlyWhereItIsNeeded) {
    for (const char* text : {"# Hz S RI\n0 1 0\n1e6 0 0\n2e6 0.2 0\n",
                             "# Hz Y RI\n0 0 0\n1e6 1 0\n2e6 0.6666666666666666 0\n",
                             "# Hz Z RI\n0 1e308 1e308\n1e6 1 0\n2e6 1.5 0\n"}) {
        SCOPED_TRACE(text);
        const measured::TMeasuredLoad load = measured::ReadTouchstone(text, 1);
        ASSERT_EQ(load.Points.size(), 3u);
        EXPECT_FALSE(load.Points[0].Ohms);
        EXPECT_LE(std::abs(measured::LoadAt(load, 1.5e6).Ohms - 62.5), 1e-12 * 62.5);
        const struct {
            double hz;
            const char* says;
        } refused[] = {{0, "На частоте 0 Гц в измерении холостой ход"},
                       {5e5, "между точками 0 Гц и 1 МГц, а на 0 Гц в измерении холостой ход"}};
        for (const auto& r : refused) {
            try {
                measured::LoadAt(load, r.hz);
                ADD_FAILURE() << r.hz << " accepted";
            } catch (const tk::Exception& e) {
                EXPECT_NE(e.Message.find(r.says), std::string::npos) << e.Message;
            }
        }
    }
    const measured::TMeasuredLoad middle =
        measured::ReadTouchstone("# Hz S RI\n1 0 0\n2 1 0\n3 0 0\n4 0 0\n", 1);
    const struct {
        double hz;
        std::optional<std::pair<double, double>> band;
    } bands[] = {{3.5, {{3, 4}}}, {3, {{3, 4}}}, {1, {{1, 1}}}, {2, {}}, {1.5, {}}, {5, {}}};
    for (const auto& b : bands) {
        const std::optional<measured::TBandEdges> got = measured::LoadedBandAbout(middle, b.hz);
        EXPECT_EQ(got.has_value(), b.band.has_value()) << b.hz;
        if (got && b.band) {
            EXPECT_EQ(got->FromHz, b.band->first) << b.hz;
            EXPECT_EQ(got->ToHz, b.band->second) << b.hz;
        }
    }
}

// Rounding is no resistance: a lossless point at any angle, as MA, DB or RI, gives Re Zн of
// 0 or above, 1∠180° an ideal short; outside the disc the resistance stays below zero, for
// the programs to refuse.
TEST(Touchstone, ALosslessPointHasNoNegativeResistance) {
    for (int degrees = 1; degrees < 360; ++degrees) {
        const double radians = degrees * kPi / 180;
        const TComplex expected(0, 50 / std::tan(radians / 2));
        for (const std::string& pair :
             {"MA\n1 1 " + Num(degrees), "DB\n1 0 " + Num(degrees),
              "RI\n1 " + Num(std::cos(radians)) + " " + Num(std::sin(radians))}) {
            const TComplex ohms = FirstOhms("# Hz S " + pair + "\n", 1);
            EXPECT_GE(ohms.real(), 0) << pair;
            EXPECT_LE(std::abs(ohms - expected), 1e-9 * (1 + std::abs(expected))) << pair;
        }
    }
    EXPECT_LE(std::abs(FirstOhms("# Hz S RI\n1 0.6 0.8\n", 1) - TComplex(0, 100)), 1e-12);
    EXPECT_LT(FirstOhms("# Hz S MA\n1 1.1 0\n", 1).real(), 0);
    EXPECT_LT(FirstOhms("# Hz S RI\n1 1.0000001 0\n", 1).real(), 0);
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
    EXPECT_EQ(measured::ReadTouchstoneFile(s2p).Points.at(0).Ohms, TComplex(50, 0));
    const std::string ts = write("antenna.ts", "[Version] 2.0\n# Hz Z RI\n[Number of Ports] 1\n"
                                               "[Network Data]\n1 75 0\n[End]\n");
    EXPECT_EQ(measured::ReadTouchstoneFile(ts).Points.at(0).Ohms, TComplex(75, 0));
    // A name in Cyrillic, given in UTF-8 as the windows give it, on every system.
    const fs::path cyrillic = dir / fs::path(u8"нагрузка.s1p");
    std::ofstream(cyrillic, std::ios::binary) << "# Hz Z RI\n1 2 0\n";
    const std::u8string utf8 = cyrillic.u8string();
    EXPECT_EQ(measured::ReadTouchstoneFile(std::string(utf8.begin(), utf8.end())).Points.at(0).Ohms,
              TComplex(100, 0));

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
            measured::ReadTouchstoneFile(c.path);
            ADD_FAILURE() << c.path << " accepted";
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message.rfind(c.message, 0), 0u) << e.Message;
        }
    }
    fs::remove_all(dir);
}

} // namespace
