// The exercises' generator, answers and check (exercises/): the dice are the published ones,
// a group gets the same variants and another group others, every variant is one a student
// can do on paper, bad asks and answers are refused in Russian, and the check's verdicts.
#include "exercises/Check.h"
#include "exercises/Exercise.h"
#include "exercises/Moodle.h"
#include "exercises/PrintedStrokes.h"
#include "exercises/GroupDice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

namespace {

using namespace exercises;

constexpr TKind kAllKinds[] = {TKind::StubShort,  TKind::StubOpen,    TKind::SeriesStub,
                               TKind::DoubleStub, TKind::QuarterWave, TKind::LSection,
                               TKind::LineMove,   TKind::Reading};

TExerciseSet Set(const std::string& group, TKind kind, int count, double radius = 80) {
    TAsk ask;
    ask.Group = group;
    ask.Kind = kind;
    ask.Count = count;
    ask.RadiusMm = radius;
    return MakeExercises(ask);
}

// The hash and the generator give the values their authors publish, so no platform can
// give other variants: FNV-1a of "" and "a", and splitmix64's first outputs from 0.
TEST(GroupDice, PublishedValues) {
    EXPECT_EQ(Fnv1a64(""), 0xcbf29ce484222325ull);
    EXPECT_EQ(Fnv1a64("a"), 0xaf63dc4c8601ec8cull);
    EXPECT_EQ(Fnv1a64("foobar"), 0x85944171f73967e8ull);
    TGroupDice dice(0);
    EXPECT_EQ(dice.Next(), 0xe220a8397b1dcdafull);
    EXPECT_EQ(dice.Next(), 0x6e789e6aa1b965f4ull);
}

// Same group, same variants; another group or kind, others; a smaller count is a prefix, so a
// check of variant N needs only N of them.
TEST(Exercises, DeterminedByGroupAlone) {
    for (const TKind kind : kAllKinds) {
        const TExerciseSet a = Set("ИВТ-21", kind, 12), b = Set("ИВТ-21", kind, 12);
        const TExerciseSet other = Set("ИВТ-22", kind, 12), few = Set("ИВТ-21", kind, 5);
        const TExerciseSet wider = Set("ИВТ-21", kind, 12, 40);
        int differ = 0, wider_tolerance = 0;
        for (std::size_t i = 0; i < 12; ++i) {
            EXPECT_EQ(a.Variants[i].Problem.LoadOhms, b.Variants[i].Problem.LoadOhms);
            EXPECT_EQ(a.Variants[i].Answers[0].Exact, b.Variants[i].Answers[0].Exact);
            differ += a.Variants[i].Problem.LoadOhms != other.Variants[i].Problem.LoadOhms;
            if (i < 5) {
                EXPECT_EQ(a.Variants[i].Problem.LoadOhms, few.Variants[i].Problem.LoadOhms);
            }
            // The radius widens the tolerance, never changes the problem.
            EXPECT_EQ(a.Variants[i].Problem.LoadOhms, wider.Variants[i].Problem.LoadOhms);
            EXPECT_GE(wider.Variants[i].Answers[0].Tolerance, a.Variants[i].Answers[0].Tolerance);
            wider_tolerance +=
                wider.Variants[i].Answers[0].Tolerance > a.Variants[i].Answers[0].Tolerance;
        }
        EXPECT_GT(differ, 8) << KindKey(kind);
        EXPECT_GT(wider_tolerance, 4) << KindKey(kind);
    }
}

// Every variant of 200: round numbers, clear of rim and centre, none alike, answers within
// their tolerance of the chart's reading (the window reads what paper allows).
TEST(Exercises, VariantsFitForPaper) {
    for (const TKind kind : kAllKinds) {
        const TExerciseSet set = Set("группа 7", kind, kMostVariants);
        std::set<std::tuple<double, double, double, double>> seen;
        for (const TVariant& v : set.Variants) {
            const TProblem& p = v.Problem;
            EXPECT_EQ(std::fmod(p.LoadOhms.real(), 5.0), 0.0);
            EXPECT_EQ(std::fmod(p.LoadOhms.imag(), 5.0), 0.0);
            const double gamma = std::abs((NormalisedLoad(p) - 1.0) / (NormalisedLoad(p) + 1.0));
            EXPECT_TRUE(gamma >= 0.2 && gamma <= 0.8) << KindKey(kind) << " " << v.Number;
            EXPECT_TRUE(seen.insert({p.LoadOhms.real(), p.LoadOhms.imag(), p.LineOhms,
                                     p.Distance * 1000 + p.Wavelength + p.Attenuation / 8})
                            .second);
            for (const TAnswer& a : v.Answers)
                EXPECT_LE(std::fabs(a.Chart - a.Exact), a.Tolerance)
                    << KindKey(kind) << " " << v.Number << " " << a.Name;
        }
    }
}

// Bad asks: each refused with a Russian message naming the limit.
TEST(Exercises, BadAsksRefused) {
    struct TCase {
        int Count;
        double Radius, Spacing;
        TKind Kind;
        const char* Says;
    } const cases[] = {
        {0, 80, 0.125, TKind::StubShort, "от 1 до 200"},
        {201, 80, 0.125, TKind::StubShort, "от 1 до 200"},
        {5, 150, 0.125, TKind::StubShort, "A4"},
        {5, 10, 0.125, TKind::StubShort, "A4"},
        {5, NAN, 0.125, TKind::StubShort, "A4"},
        {5, 80, 0.25, TKind::DoubleStub, "λ/4"},
        {5, 80, 0.5, TKind::DoubleStub, "от 0,05 до 0,45"},
    };
    for (const TCase& c : cases) {
        TAsk ask;
        ask.Count = c.Count;
        ask.RadiusMm = c.Radius;
        ask.Spacing = c.Spacing;
        ask.Kind = c.Kind;
        try {
            MakeExercises(ask);
            ADD_FAILURE() << c.Says;
        } catch (const TExerciseError& e) {
            EXPECT_NE(e.Message.find(c.Says), std::string::npos) << e.Message;
        }
    }
}

// The answers' text: pairs read with either separator; what does not read is refused.
TEST(Check, ReadsAnswers) {
    const auto read = ReadAnswers(" d=0.198;l=0,126\n");
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].Name, "l");
    EXPECT_EQ(read[1].Value, 0.126);
    for (const char* bad :
         {"", "d", "=0.1", "d=", "d=abc", "d=1e999", "d=nan", "d=1 D=2", "d=0.1.2", "d=\xff"}) {
        EXPECT_THROW(ReadAnswers(bad), TExerciseError) << bad;
    }
}

// Right within the tolerance, wrong beyond it with how far, a length across λ/2 as near.
TEST(Check, Verdicts) {
    const TExerciseSet set = Set("ИВТ-21", TKind::StubShort, 3);
    const TAnswer& d = set.Variants[2].Answers[0];
    const TAnswer& l = set.Variants[2].Answers[1];
    struct TCase {
        double D, L;
        bool RightD, RightL;
    } const cases[] = {
        {d.Exact, l.Exact, true, true},
        {d.Chart, l.Exact + 0.5, true, true}, // the reading; a half wave more is the same
        {d.Exact + 0.9 * d.Tolerance, l.Exact - 2 * l.Tolerance, true, false},
    };
    for (const TCase& c : cases) {
        const auto verdicts = CheckAnswers(set, 3, {{"d", c.D}, {"L", c.L}});
        EXPECT_EQ(verdicts[0].Right, c.RightD);
        EXPECT_EQ(verdicts[1].Right, c.RightL);
        if (!c.RightL) {
            EXPECT_NEAR(verdicts[1].Off, -2 * l.Tolerance, 1e-12);
            // On the rim's scale: 4π·80 mm a wavelength.
            EXPECT_NEAR(verdicts[1].OffMm, 4 * 3.141592653589793 * 80 * 2 * l.Tolerance, 1e-9);
            EXPECT_NEAR(verdicts[1].OffPixels, verdicts[1].OffMm * 300 / 80, 1e-9);
        }
    }
    const auto missing = CheckAnswers(set, 1, {{"d", 0.1}});
    EXPECT_FALSE(missing[1].Given);
    EXPECT_FALSE(missing[1].Right);
    EXPECT_THROW(CheckAnswers(set, 1, {{"zt", 1}}), TExerciseError);
    EXPECT_THROW(CheckAnswers(set, 4, {{"d", 1}}), TExerciseError);
}

// The group's text escaped wherever it goes: no raw markup, no control character; no group
// named, none shown.
TEST(Exercises, GroupTextEscaped) {
    const TExerciseSet set = Set("<a href='x'>&\"\x01\xff", TKind::Reading, 2);
    const std::string xml = MoodleXml(set);
    EXPECT_EQ(xml.find("<a href"), std::string::npos);
    EXPECT_NE(xml.find("&lt;a href=&apos;x&apos;&gt;&amp;&quot;"), std::string::npos);
    EXPECT_EQ(xml.find('\x01'), std::string::npos);
    EXPECT_EQ(xml.find('\xff'), std::string::npos);
    for (const char* unnamed : {"", "  "}) {
        const TExerciseSet blank = Set(unnamed, TKind::Reading, 1);
        EXPECT_EQ(ProblemText(blank, blank.Variants[0]).rfind("Вариант 1. Нагрузка", 0), 0u);
        EXPECT_NE(MoodleXml(blank).find("<text>$course$/Диаграмма/|Г|"), std::string::npos);
    }
}

// The key's polylines thinned: a straight run to its ends, a corner kept, a dashed run or
// one whose start is not a point left as drawn, and a change of pen ends a run.
TEST(PrintedStrokes, KeepsWhatTheLineNeeds) {
    using TOp = tk::TCanvasCall::TOp;
    const auto run = [](std::vector<tk::TPoint> points,
                        tk::TPenStyle style = tk::TPenStyle::psSolid, TOp first = TOp::MoveTo) {
        std::vector<tk::TCanvasCall> calls;
        for (std::size_t i = 0; i < points.size(); ++i) {
            tk::TCanvasCall c;
            c.Op = i == 0 ? first : TOp::LineTo;
            c.X1 = points[i].X;
            c.Y1 = points[i].Y;
            c.Pen.Style = style;
            calls.push_back(c);
        }
        return calls;
    };
    struct TCase {
        std::vector<tk::TCanvasCall> Calls;
        std::size_t Kept;
    } const cases[] = {
        {run({{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}}), 2},
        {run({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}}), 3},
        {run({{0, 0}, {1, 0}, {2, 1}, {3, 1}}, tk::TPenStyle::psDash), 4},
        {run({{0, 0}, {1, 0}, {2, 0}}, tk::TPenStyle::psSolid, TOp::TextOut), 3},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SimplifiedStrokes(c.Calls, 1.0).size(), c.Kept);
    std::vector<tk::TCanvasCall> twoPens = run({{0, 0}, {1, 0}, {2, 0}, {3, 0}});
    twoPens[2].Pen.Width = 3;
    EXPECT_EQ(SimplifiedStrokes(twoPens, 1.0).size(), 4u); // 0–1 | 2 | 3 with its own pen
}

} // namespace
