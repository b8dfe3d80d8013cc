#include "tests/zmatch/ZmatchTesting.h"

#include "toolkit/Exceptions.h"
#include "zmatch/StubMatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using testing_zmatch::Window;
using Op = tk::TCanvasCall::TOp;

namespace {

struct Pixel {
    int x, y;
    bool operator==(const Pixel&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Pixel& p) {
    return os << "(" << p.x << ", " << p.y << ")";
}

// The red dots of a matching, in drawing order: A, M, S.
std::vector<Pixel> Dots(const std::vector<tk::TCanvasCall>& log) {
    std::vector<Pixel> dots;
    for (const auto& c : log)
        if (c.Op == Op::Ellipse && c.Brush.Color == tk::clRed &&
            c.Brush.Style == tk::TBrushStyle::bsSolid)
            dots.push_back({c.X1 + 4, c.Y1 + 4});
    return dots;
}

std::vector<tk::TCanvasCall> WithPen(const std::vector<tk::TCanvasCall>& log, tk::TColor color,
                                     Op op) {
    std::vector<tk::TCanvasCall> out;
    for (const auto& c : log)
        if (c.Op == op && c.Pen.Color == color) out.push_back(c);
    return out;
}

// Worked constructions: A, M and S, the susceptance at M, and every result text.
TEST(Button2Click, WorkedConstructions) {
    struct Row {
        Pixel load;
        const char* wavelength;
        bool shortStub;
        Pixel a, m, s;
        float bM;
        const char *label6, *label4, *label11, *label7, *label12;
    };
    // clang-format off
    const Row rows[] = {
        // Load point (520, 290): G = 0.4 + j0.2, z = 2 + j1.
        {{520, 290}, "1", true, {280, 410}, {460, 230}, {400, 650}, 1.0f, "Y'вх. = 0,40-j0,20", "l. раст. от нагр.= 0,199", "l. раст. от нагр.= 0,199", "l1 длн. шл. = 0,125", "l1 длн. шл. = 0,125"},
        {{520, 290}, "1", false, {280, 410}, {460, 230}, {400, 650}, 1.0f, "Y'вх. = 0,40-j0,20", "l. раст. от нагр.= 0,199", "l. раст. от нагр.= 0,199", "l1 длн. шл. = 0,375", "l1 длн. шл. = 0,375"},
        {{520, 290}, "2", true, {280, 410}, {460, 230}, {400, 650}, 1.0f, "Y'вх. = 0,40-j0,20", "l. раст. от нагр.= 0,398", "l. раст. от нагр.= 0,199", "l1 длн. шл. = 0,250", "l1 длн. шл. = 0,125"},
        {{520, 290}, "2", false, {280, 410}, {460, 230}, {400, 650}, 1.0f, "Y'вх. = 0,40-j0,20", "l. раст. от нагр.= 0,398", "l. раст. от нагр.= 0,199", "l1 длн. шл. = 0,750", "l1 длн. шл. = 0,375"},
        // Load point (500, 350), z = 2: the pixel grid gives bM 0.7097, not 0.7071.
        {{500, 350}, "1", true, {300, 350}, {433, 255}, {300, 633}, 0.7097f, "Y'вх. = 0,50+j0,00", "l. раст. от нагр.= 0,152", "l. раст. от нагр.= 0,152", "l1 длн. шл. = 0,152", "l1 длн. шл. = 0,152"},
        {{500, 350}, "1", false, {300, 350}, {433, 255}, {300, 633}, 0.7097f, "Y'вх. = 0,50+j0,00", "l. раст. от нагр.= 0,152", "l. раст. от нагр.= 0,152", "l1 длн. шл. = 0,402", "l1 длн. шл. = 0,402"},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << r.load << " λ=" << r.wavelength << (r.shortStub ? " short" : " open"));
        Window w;
        w.PlaceLoad(r.load.x, r.load.y);
        w.Match(r.shortStub, r.wavelength);
        EXPECT_EQ(Dots(w.log), (std::vector<Pixel>{r.a, r.m, r.s}));
        EXPECT_NEAR(-1 / w.state.XCircleRadius, r.bM, 1e-4); // the second circle is -bM
        EXPECT_EQ(w.form.Label6->Caption, r.label6);
        EXPECT_EQ(w.form.Label4->Caption, r.label4);
        EXPECT_EQ(w.form.Label11->Caption, r.label11);
        EXPECT_EQ(w.form.Label7->Caption, r.label7);
        EXPECT_EQ(w.form.Label12->Caption, r.label12);
        EXPECT_EQ(w.state.RCircleRadius, 0.5f);
        EXPECT_EQ(w.state.PixX, 550);
    }
}

// The worked geometry drawn: radial lines to A and M at width 2, the two purple circles of
// susceptance +-1 centred (700, 50) and (700, 650), the stub arc of radius 315.
TEST(Button2Click, WorkedGeometryDrawing) {
    Window w;
    w.PlaceLoad(520, 290);
    w.Match(true);
    const auto green = WithPen(w.log, tk::clGreen, Op::LineTo);
    ASSERT_FALSE(green.empty());
    EXPECT_EQ(green[0].Pen.Width, 2); // inherited from the legend
    const Pixel a{280, 410};
    const double rho = std::hypot(120.0, 60.0);
    EXPECT_EQ((Pixel{green[0].X1, green[0].Y1}),
              (Pixel{400 + int(320 * (a.x - 400) / rho), 350 + int(320 * (a.y - 350) / rho)}));
    const auto yellow = WithPen(w.log, tk::clYellow, Op::LineTo);
    ASSERT_EQ(yellow.size(), 1u);
    EXPECT_EQ(yellow[0].Pen.Width, 2);

    const auto purple = WithPen(w.log, tk::clPurple, Op::Ellipse);
    ASSERT_EQ(purple.size(), 2u);
    EXPECT_EQ((std::array{purple[0].X1, purple[0].Y1, purple[0].X2, purple[0].Y2}),
              (std::array{400, -250, 1000, 350}));
    EXPECT_EQ((std::array{purple[1].X1, purple[1].Y1, purple[1].X2, purple[1].Y2}),
              (std::array{1000, 950, 400, 350}));

    // The distance arc: a tick from radius 320 to 310, then 360 or 361 vertices on 310.
    const auto arc = WithPen(w.log, tk::clGreen, Op::LineTo);
    std::size_t onArc = 0;
    for (const auto& c : arc)
        if (c.Pen.Width == 1) ++onArc;
    EXPECT_GE(onArc, 360u);
    EXPECT_LE(onArc, 361u);
    auto stub = WithPen(w.log, tk::clFuchsia, Op::LineTo);
    stub.pop_back(); // the legend's own line
    ASSERT_GE(stub.size(), 360u);
    EXPECT_EQ(stub.back().X1, 400); // ends at S = (400, 650), on radius 315
    EXPECT_NEAR(stub.back().Y1, 665, 1);
    EXPECT_EQ(w.log.back().Text, "Длина шлейфа"); // the legend comes back last
}

// The open stub is a quarter wavelength longer than the short one, whatever the load.
TEST(Button2Click, OpenStubIsAQuarterLonger) {
    const Pixel loads[] = {{520, 290}, {500, 350}, {300, 200}, {450, 500}, {350, 340}, {620, 300}};
    for (const Pixel& p : loads) {
        SCOPED_TRACE(testing::Message() << p);
        Window w;
        w.PlaceLoad(p.x, p.y);
        w.Match(true);
        const double shortLen =
            std::stod(w.form.Label12->Caption.substr(w.form.Label12->Caption.rfind(' ') + 1)
                          .replace(1, 1, "."));
        w.Match(false);
        const double openLen =
            std::stod(w.form.Label12->Caption.substr(w.form.Label12->Caption.rfind(' ') + 1)
                          .replace(1, 1, "."));
        EXPECT_NEAR(openLen - shortLen, 0.250, 0.0015);
    }
}

// The sweep from A to M at its ends: M on A gives a zero sweep and only the radial tick; M
// a hair anticlockwise of A wraps to just under half a wavelength, almost a full turn.
TEST(Button2Click, SweepEnds) {
    struct Row {
        Pixel load;
        const char* label11;
        std::size_t arcVertices; // width-1 green lines before the legend: tick + arc
    };
    // clang-format off
    const Row rows[] = {
        {{103, 380}, "l. раст. от нагр.= 0,000", 1},
        {{110, 401}, "l. раст. от нагр.= 0,499", 361},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.load);
        Window w;
        w.PlaceLoad(r.load.x, r.load.y);
        w.Match();
        EXPECT_EQ(w.form.Label11->Caption, r.label11);
        auto green = WithPen(w.log, tk::clGreen, Op::LineTo);
        green.pop_back(); // the legend's own line
        const auto thin = std::count_if(green.begin(), green.end(),
                                        [](const tk::TCanvasCall& c) { return c.Pen.Width == 1; });
        EXPECT_NEAR(double(thin), double(r.arcVertices), 1.0);
        if (r.arcVertices == 1) {
            EXPECT_EQ(thin, 1);
            EXPECT_EQ(Dots(w.log)[0], Dots(w.log)[1]);
        }
    }
}

// A second press with the other stub type adds the other arc and rewrites only the stub
// labels; a new wavelength changes only the labels in the typed unit.
TEST(Button2Click, SecondPressesChangeOnlyTheirLabels) {
    Window w;
    w.PlaceLoad(520, 290);
    w.Match(true);
    const std::string l4 = w.form.Label4->Caption, l6 = w.form.Label6->Caption,
                      l11 = w.form.Label11->Caption;
    const auto shortPicture = w.Picture();
    w.Match(false);
    EXPECT_EQ(w.form.Label4->Caption, l4);
    EXPECT_EQ(w.form.Label6->Caption, l6);
    EXPECT_EQ(w.form.Label11->Caption, l11);
    EXPECT_EQ(w.form.Label12->Caption, "l1 длн. шл. = 0,375");
    // The short arc is still there at 3 o'clock on radius 315, and the open one at 9
    // (pixels truncate toward the centre).
    EXPECT_EQ(shortPicture[355 * 807 + 714], tk::clFuchsia);
    EXPECT_EQ(w.form.Image1->Canvas.Pixel(714, 355), tk::clFuchsia);
    EXPECT_EQ(w.form.Image1->Canvas.Pixel(86, 345), tk::clFuchsia);

    w.Match(false, "3");
    EXPECT_EQ(w.form.Label4->Caption, "l. раст. от нагр.= 0,596");
    EXPECT_EQ(w.form.Label7->Caption, "l1 длн. шл. = 1,125");
    EXPECT_EQ(w.form.Label11->Caption, l11);
    EXPECT_EQ(w.form.Label12->Caption, "l1 длн. шл. = 0,375");
}

// A wavelength that does not parse stops the matching before it draws or writes anything.
TEST(Button2Click, BadWavelengthChangesNothing) {
    Window w;
    w.ShowLoad("100", "50");
    w.Match(true);
    const std::string l4 = w.form.Label4->Caption, l6 = w.form.Label6->Caption;
    w.ShowLoad("30", "-20");
    const auto picture = w.Picture();
    try {
        w.Match(true, "один");
        ADD_FAILURE() << "no error";
    } catch (const tk::EConvertError& e) {
        EXPECT_EQ(e.Message,
                  "Длина волны: «один» не является числом. Введите число, например «50,5».");
    }
    EXPECT_EQ(w.form.Label4->Caption, l4);
    EXPECT_EQ(w.form.Label6->Caption, l6);
    EXPECT_EQ(w.Picture(), picture);
    EXPECT_TRUE(w.log.empty());
}

// Loads without a one-stub answer stop before anything is drawn or written.
TEST(Button2Click, LoadsWithoutAnAnswerChangeNothing) {
    struct Row {
        const char *rn, *xn; // nullptr: no point shown yet
        const char* message;
        const char *rv = "50", *xv = "0";
    };
    // clang-format off
    const Row rows[] = {
        {nullptr, nullptr, zmatch::kNoPointMessage},
        {"50", "0", zmatch::kMatchedMessage},
        {"50", "0,01", zmatch::kMatchedMessage}, // |G| = 0,0001: lands on the centre
        {"0", "50", zmatch::kReactiveMessage},
        // Not a pixel inside the rim, truly or as plotted: one rule, its figures named.
        {"20000", "0", "Точка нагрузки легла на край диаграммы: |Г| = 0,99501, КСВ = 400,00000."},
        {"1e9", "0", "Точка нагрузки легла на край диаграммы: |Г| = 1,00000, КСВ = 20000000,00000."},
        {"1e6", "1e6", "Точка нагрузки легла на край диаграммы: |Г| = 0,99995, КСВ = 40000,00002."},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.message);
        Window w;
        if (r.rn) w.ShowLoad(r.rn, r.xn, r.rv, r.xv);
        const auto picture = w.Picture();
        const chart::TChartState state = w.state;
        try {
            w.Match();
            ADD_FAILURE() << "no error";
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message.substr(0, std::string(r.message).size()), r.message);
        }
        EXPECT_TRUE(w.log.empty());
        EXPECT_EQ(w.Picture(), picture);
        EXPECT_TRUE(w.state == state);
        EXPECT_EQ(w.form.Label6->Caption, "Y'вх. = ");
        EXPECT_EQ(w.form.Label4->Caption, "l. от нагр. = ");
    }
}

// A match's hints name the load it was built for, so that after a new load is shown the
// results it keeps still say whose they are, and the new load's hint says its own.
TEST(Button2Click, HintsNameTheirLoad) {
    Window w;
    w.ShowLoad("100", "50");
    w.Match();
    w.ShowLoad("20", "-30");
    for (const tk::TLabel* label :
         {w.form.Label6, w.form.Label4, w.form.Label11, w.form.Label7, w.form.Label12}) {
        SCOPED_TRACE(label->Name);
        EXPECT_NE(label->Hint.find("нагрузки Zн = 100+j50 Ом на линии Zв = 50 Ом"),
                  std::string::npos)
            << label->Hint;
        EXPECT_EQ(label->Hint.find("введённ"), std::string::npos) << label->Hint;
    }
    EXPECT_NE(w.form.Label3->Hint.find("нагрузки Zн = 20-j30 Ом"), std::string::npos)
        << w.form.Label3->Hint;
}

} // namespace
