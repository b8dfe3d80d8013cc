#include "exercises/Documents.h"

#include "exercises/Solve.h"

#include "chart/ChainChart.h"
#include "chart/ChainSteps.h"
#include "chart/DrawnGrid.h"
#include "chart/Frame.h"
#include "toolkit/Conversions.h"
#include "toolkit/PdfPages.h"

#include <cmath>
#include <memory>
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

// The canvas's face has no λ: a length spells its unit out, as the chain's legend does.
std::string SpelledOut(std::string text) {
    for (std::size_t at = text.find("λ"); at != std::string::npos; at = text.find("λ"))
        text.replace(at, std::string("λ").size(), "дл. волны");
    return text;
}

// A page's own drawing: its text and boxes, at the page's scale.
struct TPageCanvas {
    std::unique_ptr<std::vector<tk::TCanvasCall>> Calls =
        std::make_unique<std::vector<tk::TCanvasCall>>();
    tk::TCanvas Canvas{kPageWidth, kPageHeight};
    int Y = 0;

    TPageCanvas() {
        Canvas.Log = Calls.get();
        Canvas.Brush.Style = tk::TBrushStyle::bsClear;
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

    tk::TPdfPicture Picture() const { return {*Calls, kPageWidth, kPageHeight, 1, 0, 0}; }
};

std::string Title(const TExerciseSet& set, const char* what) {
    return std::string(what) + ": " + std::string(KindName(set.Ask.Kind)) + ", группа «" +
           GroupText(set.Ask.Seed) + "»";
}

std::string WithUnit(double v, int decimals, const std::string& unit) {
    return DecimalComma(v, decimals) + (unit.empty() ? "" : " " + unit);
}

// The box the student writes the answers in, a row an answer.
void AnswersBox(TPageCanvas& page, const TVariant& v, int top) {
    const int row = 26;
    const int bottom = top + 12 + row * int(v.Answers.size());
    page.Canvas.Rectangle(kMargin, top, kPageWidth - kMargin, bottom);
    page.Y = top + 10;
    for (const TAnswer& a : v.Answers) {
        page.Line("Ответ " + a.Name + " (" + a.Meaning + ") = ____________ " + a.Unit, 10);
        page.Y += row - page.Canvas.TextHeight("Ответ") - kLineGap;
    }
}

// A chart's whole canvas placed with its centre at (x, y) of the page.
tk::TPdfPicture ChartAt(std::span<const tk::TCanvasCall> calls, double scale, double x,
                        double y) {
    return {calls,
            chart::kChainChartWidth,
            chart::kChainChartHeight,
            scale,
            x - scale * chart::ChartCenterX,
            y - scale * chart::ChartCenterY};
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
    // One blank chart serves every page.
    std::vector<tk::TCanvasCall> chartCalls;
    tk::TCanvas chartCanvas(chart::kChainChartWidth, chart::kChainChartHeight);
    chartCanvas.Log = &chartCalls;
    chart::TDrawnGrid grid;
    grid.LayOn(chartCanvas);
    const double scale = ChartScale(set);
    std::vector<TPageCanvas> canvases(set.Variants.size());
    std::vector<tk::TPdfPageParts> pages;
    for (std::size_t i = 0; i < set.Variants.size(); ++i) {
        const TVariant& v = set.Variants[i];
        TPageCanvas& page = canvases[i];
        page.Y = 50;
        page.Line(Title(set, "Задания"));
        page.Y += 8;
        page.Paragraph(ProblemText(set, v));
        page.Line("Диаграмма: радиус " + DecimalComma(set.Ask.RadiusMm, 1) + " мм.");
        const double below = kSheetChartCentreY + scale * (chart::WaveRingRadius + 25);
        AnswersBox(page, v, int(below));
        pages.push_back({page.Picture(), ChartAt(chartCalls, scale, kPageWidth / 2.0,
                                                 kSheetChartCentreY)});
    }
    return tk::PdfOfPages(pages, tk::kA4, "Задания — " + GroupText(set.Ask.Seed));
}

std::vector<std::uint8_t> KeyPdf(const TExerciseSet& set) {
    // The chain's legend and steps write their numbers in the format in force: the decimal
    // comma of the problems, whatever the machine's locale, so that the key's bytes are
    // the same everywhere.
    const tk::TFormatScope comma(tk::TFormatSettings{','});
    std::vector<TPageCanvas> canvases(set.Variants.size());
    std::vector<std::vector<tk::TCanvasCall>> charts(set.Variants.size());
    chart::TDrawnGrid grid;
    std::vector<tk::TPdfPageParts> pages;
    for (std::size_t i = 0; i < set.Variants.size(); ++i) {
        const TVariant& v = set.Variants[i];
        const theory::TChain chain = ConstructionOf(v.Problem);
        tk::TCanvas c(chart::kChainChartWidth, chart::kChainChartHeight);
        c.Log = &charts[i];
        chart::DrawChainChart(grid, c, chain, v.Problem.LoadOhms);
        TPageCanvas& page = canvases[i];
        page.Y = 50;
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
        const double centreX = kPageWidth / 2.0;
        pages.push_back({page.Picture(),
                         ChartAt(charts[i], kKeyChartScale, centreX,
                                 kKeyChartTop + kKeyChartScale * chart::ChartCenterY)});
    }
    return tk::PdfOfPages(pages, tk::kA4, "Ключ — " + GroupText(set.Ask.Seed));
}

} // namespace exercises
