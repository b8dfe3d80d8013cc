#include "tests/zline/ZlineTesting.h"

#include "chart/ResultsText.h"

#include "toolkit/Exceptions.h"
#include "zline/LineMove.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using testing_zline::Window;
using Op = tk::TCanvasCall::TOp;

namespace {

struct Drawn {
    int rayX = 0, rayY = 0;
    std::string rayLabel;
    int labelX = 0, labelY = 0;
    int pointX = 0, pointY = 0;
    bool dashedCircle = false;
};

Drawn What(const std::vector<tk::TCanvasCall>& log) {
    Drawn d;
    for (const auto& c : log) {
        if (c.Op == Op::LineTo && c.Pen.Color == tk::clGreen && d.rayLabel.empty()) {
            d.rayX = c.X1;
            d.rayY = c.Y1;
        }
        if (c.Op == Op::TextOut && d.rayLabel.empty()) {
            d.rayLabel = c.Text;
            d.labelX = c.X1;
            d.labelY = c.Y1;
        }
        if (c.Op == Op::Ellipse && c.Pen.Style == tk::TPenStyle::psDash) d.dashedCircle = true;
        if (c.Op == Op::Ellipse && c.Brush.Color == tk::clLime) {
            d.pointX = c.X1 + 4;
            d.pointY = c.Y1 + 4;
        }
    }
    return d;
}

// Worked moves from a load of radius 150 at position 0.1 on a 50-ohm line.
TEST(Button2Click, WorkedMoves) {
    struct Row {
        float dist, wavePos;
        bool toGenerator;
        const char *l, *lambda, *attenuation;
        const char* label7;
        int rayX, rayY;
        const char* rayLabel;
        int pointX, pointY;
        bool dashed;
        const char *label6, *label12;
    };
    const Row rows[] = {
        // 1.1 wavelengths reduce to 0.1; 3 dB over one wavelength pull the point in to 77.899 px.
        {150, 0.1f, true, "1", "1", "3", "раст./длин.волн. = 0,1000", 301, 45, "0,100", 375, 275,
         true, "R+jX= 0,75+j0,40", "R+ jX =37,64+j20,22"},
        // Toward the load by 0.3 with no loss: -0.2 stays negative, and lands where +0.3 would.
        {150, 0.1f, false, "0,3", "1", "0", "раст./длин.волн. = -0,2000", 658, 538, "-0,200", 521,
         438, false, nullptr, nullptr},
        // 0.25 + 0.25 = 0.5 becomes 0: sin(0 - pi) is a hair below zero.
        {150, 0.25f, true, "0,25", "1", "0", "раст./длин.волн. = 0,0000", 80, 349, "0,000", 250,
         350, false, nullptr, nullptr},
        // A negative distance is not reduced.
        {150, 0.1f, true, "-1", "1", "0", "раст./длин.волн. = -0,9000", 0, 0, "-0,900", 0, 0, false,
         nullptr, nullptr},
        {150, 0.4f, false, "-1,5", "1", "0", "раст./длин.волн. = 1,9000", 0, 0, "1,900", 0, 0,
         false, nullptr, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label7);
        Window w;
        w.PlaceLoad(r.dist, r.wavePos);
        w.Move(r.toGenerator, r.l, r.lambda, r.attenuation);
        const Drawn d = What(w.log);
        EXPECT_EQ(w.form.Label7->Caption, r.label7);
        EXPECT_EQ(d.rayLabel, r.rayLabel);
        if (r.rayX) {
            EXPECT_EQ(d.rayX, r.rayX);
            EXPECT_EQ(d.rayY, r.rayY);
            EXPECT_EQ(d.labelX, r.rayX - 10);
            EXPECT_EQ(d.labelY, r.rayY - 10);
        }
        if (r.pointX) {
            EXPECT_EQ(d.pointX, r.pointX);
            EXPECT_EQ(d.pointY, r.pointY);
        }
        EXPECT_EQ(d.dashedCircle, r.dashed);
        if (r.label6) {
            EXPECT_EQ(w.form.Label6->Caption, r.label6);
            EXPECT_EQ(w.form.Label12->Caption, r.label12);
        }
        std::string dotted = r.rayLabel;
        std::replace(dotted.begin(), dotted.end(), ',', '.');
        EXPECT_NEAR(w.state.NewWavePos, std::stof(dotted), 5e-4);
    }
}

// Loss values: 300 px is 0.7047 dB, and a radius comes back from its loss value.
TEST(LossScale, RoundTrips) {
    EXPECT_NEAR(zline::LossOfRadius(300), 0.7047, 5e-5);
    EXPECT_NEAR(zline::LossOfRadius(150), 3.8783, 5e-5);
    for (double r : {1.0, 10.0, 77.899, 150.0, 299.9, 800.0})
        EXPECT_NEAR(zline::RadiusOfLoss(zline::LossOfRadius(r)), r, 4e-5 * r);
}

// "0" is compared as text: only it keeps the radius exactly and draws no circle.
TEST(Button2Click, ZeroAttenuationIsComparedAsText) {
    for (const char* text : {"0", "0,0", "00", " 0"}) {
        SCOPED_TRACE(text);
        Window w;
        w.ShowLoad("30", "40");
        w.Move(true, "0,5", "1", text);
        const Drawn d = What(w.log);
        EXPECT_EQ(d.dashedCircle, std::string(text) != "0");
        EXPECT_NEAR(d.pointX, w.state.PointX, 1);
        EXPECT_NEAR(d.pointY, w.state.PointY, 1);
    }
}

// Whole half wavelengths without loss bring the point back to the load's pixel.
TEST(Button2Click, WholeHalfWavelengthsReturnToTheLoad) {
    for (const char* l : {"0,5", "1", "7,5"}) {
        SCOPED_TRACE(l);
        Window w;
        w.ShowLoad("30", "-40");
        w.Move(true, l, "1", "0");
        const Drawn d = What(w.log);
        EXPECT_NEAR(d.pointX, w.state.PointX, 1);
        EXPECT_NEAR(d.pointY, w.state.PointY, 1);
    }
}

// Each press starts from the load, never from the previous press.
TEST(Button2Click, EveryPressStartsFromTheLoad) {
    Window w;
    w.ShowLoad("30", "40");
    w.Move(true, "0,1", "1", "2");
    const std::string first = w.form.Label6->Caption;
    w.Move(true, "0,1", "1", "2");
    EXPECT_EQ(w.form.Label6->Caption, first);
}

// Limits where the construction has no finite answer.
TEST(Button2Click, LimitCases) {
    { // a load at the centre: the point stays there
        Window w;
        w.ShowLoad("50", "0");
        w.Move(true, "0,3", "1", "3");
        EXPECT_EQ(w.form.Label6->Caption, "R+jX= 1,00+j0,00");
        EXPECT_EQ(w.form.Label12->Caption, "R+ jX =50,00+j0,00");
        EXPECT_EQ(What(w.log).pointX, 400);
        EXPECT_EQ(What(w.log).pointY, 350);
    }
    { // landing on G = 1, the open circuit
        Window w;
        w.PlaceLoad(300, 0.25f);
        w.Move(true, "0", "1", "0");
        EXPECT_EQ(What(w.log).pointX, 700);
        EXPECT_EQ(What(w.log).pointY, 350);
        EXPECT_EQ(w.form.Label6->Caption, "R+jX= ∞");
        EXPECT_EQ(w.form.Label12->Caption, "R+ jX =∞");
    }
}

// Inputs without a drawable answer stop before anything is drawn or written.
TEST(Button2Click, StopsChangeNothing) {
    struct Row {
        bool toGenerator;
        const char *l, *lambda, *attenuation;
        const char* message; // how it begins; nullptr: a conversion error
    };
    const Row rows[] = {
        {true, "1", "0", "0", zline::kWavelengthSignMessage},
        {true, "1e300", "1e-300", "0", zline::kBadRatioMessage},
        {true, "1e13", "1", "0", zline::kBadRatioMessage},     // no fraction left to reduce
        {false, "-3,5e38", "1", "0", zline::kBadRatioMessage}, // not reduced: no float angle
        {false, "100", "1", "50", "Новая точка легла бы за краем диаграммы"},
        {false, "1", "1", "1e300", "Новая точка легла бы за краем диаграммы"},
        {true, "x", "1", "0",
         "Расстояние l: «x» не является числом. Введите число, например «50,5»."},
        {true, "1", "1e400", "0",
         "Длина волны: число «1e400» слишком велико: введите число не больше 1,7·10^308 по "
         "модулю."},
        {true, "1", "1", "0.5",
         "Затухание: «0.5» не является числом. Десятичный разделитель в этой системе — "
         "запятая. Введите «0,5»."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.l) + " / " + r.lambda + " A=" + r.attenuation);
        Window w;
        w.ShowLoad("30", "40");
        const auto picture = w.Picture();
        const std::string l6 = w.form.Label6->Caption, l7 = w.form.Label7->Caption;
        try {
            w.Move(r.toGenerator, r.l, r.lambda, r.attenuation);
            ADD_FAILURE() << "no error";
        } catch (const tk::Exception& e) {
            if (r.message) {
                EXPECT_EQ(e.Message.substr(0, std::string(r.message).size()), r.message);
            }
        }
        EXPECT_EQ(w.Picture(), picture);
        EXPECT_EQ(w.form.Label6->Caption, l6);
        EXPECT_EQ(w.form.Label7->Caption, l7);
        EXPECT_TRUE(w.log.empty());
    }
    { // before any load is shown
        Window w;
        const auto picture = w.Picture();
        try {
            w.Move(true, "0,3", "1", "3");
            ADD_FAILURE() << "no error";
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message, chart::kNoPointMessage);
        }
        EXPECT_EQ(w.Picture(), picture);
        EXPECT_EQ(w.form.Label6->Caption, "R+jX = ");
        EXPECT_TRUE(w.log.empty());
    }
}

// Nearer the load a lossy line has a larger |Г|: a move that takes it past 1, exactly or on
// the chart (whichever first), is refused with the longest distance and the largest loss
// that stay on the chart; typed back, those are accepted. Lossless moves of a load on the rim
// stay on it.
TEST(Button2Click, MovesPastTheRimAreRefusedWithWhatStaysOnTheChart) {
    struct Row {
        const char *rn, *xn;
        bool toGenerator;
        const char *l, *attenuation;
        const char* says; // nullptr: accepted
        const char *longest = nullptr, *largest = nullptr;
    };
    // clang-format off
    const Row rows[] = {
        {"10", "5", false, "1", "20", "он вырос бы до 66,95", "0,08711", "1,742"},
        {"10", "5", true, "-1", "20", "он вырос бы до 66,95", "-0,08711", "1,742"},
        // The chart's pixel lies 2 px farther out than the exact place: the chart goes first.
        {"0,3239", "-0,09128", false, "0,05", "1", "на диаграмме точка ушла бы от центра на 301,3 пикселя", "0,03061", "0,6123"},
        {"0", "50", false, "0,1", "1", "Задайте затухание 0"},
        {"0", "50", false, "0,1", "0,0", nullptr},
        {"0", "50", true, "0,3", "0", nullptr},
        {"10", "5", true, "1", "20", nullptr},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.rn) + "+j" + r.xn + ", l = " + r.l + ", A = " + r.attenuation);
        Window w;
        w.ShowLoad(r.rn, r.xn);
        const auto picture = w.Picture();
        std::string message;
        try {
            w.Move(r.toGenerator, r.l, "1", r.attenuation);
        } catch (const tk::Exception& e) {
            message = e.Message;
        }
        if (!r.says) {
            EXPECT_EQ(message, "");
            continue;
        }
        EXPECT_NE(message.find(r.says), std::string::npos) << message;
        EXPECT_EQ(w.Picture(), picture);
        if (!r.longest) continue;
        EXPECT_NE(message.find(std::string("расстояния l до ") + r.longest + " см"),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find(std::string("затухание до ") + r.largest + " дБ"), std::string::npos)
            << message;
        EXPECT_NO_THROW(w.Move(r.toGenerator, r.longest, "1", r.attenuation));
        EXPECT_NO_THROW(w.Move(r.toGenerator, r.l, "1", r.largest));
    }
}

// Very long lines keep the fraction of a half wavelength that they add to the load's
// position (0,2136), also beyond what a float holds.
TEST(Button2Click, LongLinesKeepTheirFraction) {
    const struct {
        bool toGenerator;
        const char* l;
        const char* position;
    } rows[] = {
        {true, "1000000,3", "0,0136"}, {true, "1e9", "0,2136"},   {true, "1e12", "0,2136"},
        {false, "1e9", "-0,2864"},     {false, "-1e9", "1E0009"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.l);
        Window w;
        w.PlaceLoad(150, 0.2136f);
        w.Move(r.toGenerator, r.l, "1", "0");
        EXPECT_EQ(w.form.Label7->Caption, std::string("раст./длин.волн. = ") + r.position);
    }
}

// A move's hints name the load it started from: a new load shown after it leaves Label6 and
// Label12 with the old move's results, and their hints say whose they are.
TEST(Button2Click, HintsNameTheirLoad) {
    Window w;
    w.ShowLoad("100", "50");
    w.Move(false, "0,3", "1", "2");
    w.ShowLoad("20", "-30");
    for (const tk::TLabel* label : {w.form.Label6, w.form.Label12}) {
        EXPECT_NE(label->Hint.find("нагрузки Zн = 100+j50 Ом"), std::string::npos) << label->Hint;
        EXPECT_NE(label->Hint.find("10^(+A·l/(10·λ)) = 1,14815 при A = 2 дБ"), std::string::npos)
            << label->Hint;
    }
    EXPECT_NE(w.form.Label7->Hint.find("нагрузки Zн = 20-j30 Ом"), std::string::npos)
        << w.form.Label7->Hint;

    // Copied, the load's figures and the old move's lines stand apart, each group under
    // what it answers, the move with all it was asked for.
    EXPECT_NE(chart::ResultsText(w.form).find(
                  "КБВ = 0,2850\n"
                  "Точный расчёт: z = 0,40000-j0,60000, положение на шкале длин волн к "
                  "генератору (от 0 до 0,5 λ): 0,40528 λ\n"
                  "|Г| = 0,55709, КСВ = 3,51555, КБВ = 0,28445\n\n"
                  "Перемещение нагрузки Zн = 100+j50 Ом на линии Zв = 50 Ом на l = 0,3 см к "
                  "нагрузке при λ = 1 см и затухании A = 2 дБ на длину волны\nR+jX= "),
              std::string::npos)
        << chart::ResultsText(w.form);
}

} // namespace
