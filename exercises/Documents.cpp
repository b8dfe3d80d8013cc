#include "exercises/Documents.h"

#include "exercises/PrintedStrokes.h"
#include "exercises/Solve.h"

#include "chart/ChainChart.h"
#include "chart/ChainSteps.h"
#include "chart/DrawnGrid.h"
#include "chart/Frame.h"
#include "toolkit/Conversions.h"
#include "toolkit/PdfPages.h"

#include <algorithm>
#include <span>
#include <string>

namespace exercises {

namespace {

// An A4 page in page pixels (1/96 inch), and its margin.
constexpr int kPageWidth = 794, kPageHeight = 1123, kMargin = 76;
constexpr int kLineGap = 4;
// Where the worksheet's chart has its centre: below the problem, above the answers' box.
constexpr double kSheetChartCentreY = 610;
// The key's chart is for looking at, not measuring: three quarters of the window's size.
constexpr double kKeyChartScale = 0.75;
constexpr double kKeyChartTop = 190;
// The key's paths kept within a pixel of the window's polylines, themselves within half a
// pixel of the exact path: 0,2 mm as the key prints them, a pencil's line.
constexpr double kPrintTolerancePx = 1.0;

// The canvas's face has no λ: a length spells its unit out, as the chain's legend does.
std::string SpelledOut(std::string text) {
    for (std::size_t at = text.find("λ"); at != std::string::npos; at = text.find("λ"))
        text.replace(at, std::string("λ").size(), "дл. волны");
    return text;
}

// A page's own drawing: its text and boxes, at the page's scale, recorded into `Calls`. All
// pages draw on one canvas (its pixels are never used, only the record), so that a set of
// 200 pages does not hold 200 page-sized bitmaps.
struct TPageWriter {
    tk::TCanvas& Canvas;
    std::vector<tk::TCanvasCall>& Calls;
    int Y = 50;

    TPageWriter(tk::TCanvas& canvas, std::vector<tk::TCanvasCall>& calls)
        : Canvas(canvas), Calls(calls) {
        Canvas.Log = &Calls;
        Canvas.Brush.Style = tk::TBrushStyle::bsClear;
        Canvas.Pen = tk::TPen{};
    }

    // `text` from the left margin on, broken between words to the page's width.
    void Paragraph(const std::string& given, int indent = 0) {
        const std::string text = SpelledOut(given);
        const int width = kPageWidth - 2 * kMargin - indent;
        std::string line;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find(' ', start);
            if (end == std::string::npos) end = text.size();
            const std::string word = text.substr(start, end - start);
            const std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && Canvas.TextWidth(longer) > width) {
                Line(line, indent);
                line = word;
            } else {
                line = longer;
            }
            start = end + 1;
        }
        if (!line.empty()) Line(line, indent);
    }

    void Line(const std::string& text, int indent = 0) {
        Canvas.TextOut(kMargin + indent, Y, SpelledOut(text));
        Y += Canvas.TextHeight(text) + kLineGap;
    }

    tk::TPdfPicture Picture() const { return {Calls, -1, kPageWidth, kPageHeight, 1, 0, 0, true}; }
};

std::string Title(const TExerciseSet& set, const char* what) {
    const std::string group = GroupText(set.Ask.Group);
    return std::string(what) + ": " + std::string(KindName(set.Ask.Kind)) +
           (group.empty() ? "" : ", группа «" + group + "»");
}

// The PDF's own title: «Задания — ИВТ-21», or «Задания» for no group.
std::string DocumentTitle(const char* what, const TExerciseSet& set) {
    const std::string group = GroupText(set.Ask.Group);
    return group.empty() ? std::string(what) : std::string(what) + " — " + group;
}

std::string WithUnit(double v, int decimals, const std::string& unit) {
    return DecimalComma(v, decimals) + (unit.empty() ? "" : " " + unit);
}

// The box the student writes the answers in, a row an answer.
void AnswersBox(TPageWriter& page, const TVariant& v, int top) {
    const int row = 26;
    const int bottom = top + 12 + row * int(v.Answers.size());
    page.Canvas.Rectangle(kMargin, top, kPageWidth - kMargin, bottom);
    page.Y = top + 10;
    for (const TAnswer& a : v.Answers) {
        page.Line("Ответ " + a.Name + " (" + a.Meaning + ") = ____________ " + a.Unit, 10);
        page.Y += row - page.Canvas.TextHeight("Ответ") - kLineGap;
    }
}

// A chart's canvas placed with its centre at (x, y) of the page: its own calls, or the
// shared blank chart (form 0) when `calls` is empty; `white` as TPdfPicture's.
tk::TPdfPicture ChartAt(std::span<const tk::TCanvasCall> calls, double scale, double x, double y,
                        bool white = true) {
    return {calls,
            calls.empty() ? 0 : -1,
            chart::kChainChartWidth,
            chart::kChainChartHeight,
            scale,
            x - scale * chart::ChartCenterX,
            y - scale * chart::ChartCenterY,
            white};
}

// The blank chart every page shows, drawn once: its calls.
std::vector<tk::TCanvasCall> BlankChart(chart::TDrawnGrid& grid) {
    std::vector<tk::TCanvasCall> calls;
    tk::TCanvas c(chart::kChainChartWidth, chart::kChainChartHeight);
    c.Log = &calls;
    grid.LayOn(c);
    return calls;
}

// The answer in λ and, where the problem has a unit of length of its own, in it too.
std::string AnswerLine(const TVariant& v, const TAnswer& a) {
    const int decimals = a.Unit == "λ" ? 3 : 4;
    std::string line = a.Name + " — " + a.Meaning + ": по диаграмме " +
                       WithUnit(a.Chart, decimals, a.Unit) + " ± " +
                       WithUnit(a.Tolerance, decimals, a.Unit);
    if (a.Unit == "λ" && v.Problem.Wavelength != 1)
        line += " (" + DecimalComma(a.Chart * v.Problem.Wavelength, 2) + " см)";
    return line + "; точно " + WithUnit(a.Exact, 5, a.Unit) + ".";
}

} // namespace

double ChartScale(const TExerciseSet& set) {
    return set.Ask.RadiusMm * tk::kPagePixelsPerMm / chart::ChartRadius;
}

std::vector<std::uint8_t> WorksheetsPdf(const TExerciseSet& set) {
    // The chart's scale labels in the problems' decimal comma, whatever the locale.
    const tk::TFormatScope comma(tk::TFormatSettings{','});
    chart::TDrawnGrid grid;
    const std::vector<tk::TCanvasCall> blank = BlankChart(grid);
    const double scale = ChartScale(set);
    tk::TCanvas canvas(kPageWidth, kPageHeight);
    std::vector<std::vector<tk::TCanvasCall>> calls(set.Variants.size());
    std::vector<tk::TPdfPageParts> pages;
    for (std::size_t i = 0; i < set.Variants.size(); ++i) {
        const TVariant& v = set.Variants[i];
        TPageWriter page(canvas, calls[i]);
        page.Line(Title(set, "Задания"));
        page.Y += 8;
        page.Paragraph(ProblemText(set, v));
        page.Line("Диаграмма: радиус " + DecimalComma(set.Ask.RadiusMm, 1) + " мм.");
        const double below = kSheetChartCentreY + scale * (chart::WaveRingRadius + 25);
        AnswersBox(page, v, int(below));
        pages.push_back({page.Picture(), ChartAt({}, scale, kPageWidth / 2.0, kSheetChartCentreY)});
    }
    canvas.Log = nullptr;
    return tk::PdfOfPages(pages, {{blank, chart::kChainChartWidth, chart::kChainChartHeight}},
                          tk::kA4, DocumentTitle("Задания", set));
}

// One page of the key: the problem, the answers and the steps; the chart's construction
// into `drawn`, the calls after the blank chart's `blankCalls`.
tk::TPdfPageParts KeyPage(const TExerciseSet& set, const TVariant& v, chart::TDrawnGrid& grid,
                          tk::TCanvas& canvas, std::vector<tk::TCanvasCall>& text,
                          std::vector<tk::TCanvasCall>& drawn, std::size_t blankCalls) {
    const theory::TChain chain = ConstructionOf(v.Problem);
    tk::TCanvas c(chart::kChainChartWidth, chart::kChainChartHeight);
    c.Log = &drawn;
    chart::DrawChainChart(grid, c, chain, v.Problem.LoadOhms);
    drawn.erase(drawn.begin(), drawn.begin() + std::ptrdiff_t(std::min(blankCalls, drawn.size())));
    drawn = SimplifiedStrokes(drawn, kPrintTolerancePx);
    TPageWriter page(canvas, text);
    page.Line(Title(set, "Ключ"));
    page.Y += 8;
    page.Paragraph(ProblemText(set, v));
    page.Y = int(kKeyChartTop + kKeyChartScale * chart::kChainChartHeight) + 10;
    page.Line("Ответы (допуск — для бумажной диаграммы радиусом " +
              DecimalComma(set.Ask.RadiusMm, 1) + " мм):");
    for (const TAnswer& a : v.Answers)
        page.Paragraph(AnswerLine(v, a), 10);
    page.Y += 6;
    if (!chain.Elements.empty()) page.Line("Построение:");
    for (const chart::TConstructionStep& step : chart::ChainStepTexts(chain, v.Problem.LoadOhms))
        page.Paragraph(step.Text, 10);
    const double x = kPageWidth / 2.0, y = kKeyChartTop + kKeyChartScale * chart::ChartCenterY;
    return {page.Picture(), ChartAt({}, kKeyChartScale, x, y),
            ChartAt(drawn, kKeyChartScale, x, y, false)};
}

std::vector<std::uint8_t> KeyPdf(const TExerciseSet& set) {
    // The chain's legend and steps write their numbers in the format in force: the decimal
    // comma of the problems, whatever the machine's locale, so that the key's bytes are
    // the same everywhere.
    const tk::TFormatScope comma(tk::TFormatSettings{','});
    chart::TDrawnGrid grid;
    const std::vector<tk::TCanvasCall> blank = BlankChart(grid);
    tk::TCanvas canvas(kPageWidth, kPageHeight);
    std::vector<std::vector<tk::TCanvasCall>> texts(set.Variants.size()),
        drawn(set.Variants.size());
    std::vector<tk::TPdfPageParts> pages;
    for (std::size_t i = 0; i < set.Variants.size(); ++i)
        pages.push_back(
            KeyPage(set, set.Variants[i], grid, canvas, texts[i], drawn[i], blank.size()));
    canvas.Log = nullptr;
    return tk::PdfOfPages(pages, {{blank, chart::kChainChartWidth, chart::kChainChartHeight}},
                          tk::kA4, DocumentTitle("Ключ", set));
}

} // namespace exercises
