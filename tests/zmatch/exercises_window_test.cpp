// The exercises window as F4 opens it from zmatch's window: its fields refused with a message
// and nothing lost, the variants listed with each one's construction as the key draws it, a
// student's answers checked, and the three files saved as the library makes them.
#include "tests/common/ErrorRecordingHost.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ChainChart.h"
#include "chart/ExercisesForm.h"
#include "exercises/Documents.h"
#include "exercises/Moodle.h"
#include "exercises/Solve.h"
#include "toolkit/Application.h"
#include "zmatch/Unit1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Answers every save question with a file of its own in the temporary folder, named in
// ASCII, so that the path reads the same as UTF-8 and in Windows' code page.
struct SavingHost : testing_common::ErrorRecordingHost {
    std::optional<std::string> AskSavePath(const tk::TSaveFileQuestion& q) override {
        asked.push_back(q.Name);
        return Path().string();
    }
    std::filesystem::path Path() const {
        return std::filesystem::temp_directory_path() /
               ("exwin_save_" + std::to_string(asked.size()));
    }
    std::vector<std::string> asked;
};

struct Program {
    Program() {
        app.CreateForm(form, state);
        for (const tk::TActionDesc& a : form->Actions())
            if (a.Shortcut == tk::TShortcut::Exercises) app.Dispatch([&] { a.Command(*form); });
        window = app.Windows().empty() ? nullptr
                                       : dynamic_cast<chart::TExercisesForm*>(app.Windows()[0]);
    }
    void Type(tk::TEdit* edit, const std::string& text) { edit->Text = text; }
    std::vector<std::uint32_t> Picture() const {
        const tk::TCanvas& c = window->Picture->Canvas;
        return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
    }
    int Row(exercises::TKind kind) const {
        const auto& kinds = window->Kinds();
        return int(std::find(kinds.begin(), kinds.end(), kind) - kinds.begin());
    }

    testing_common::ScopedDecimalSeparator comma{','};
    chart::TChartState state;
    SavingHost host;
    tk::TApplication app{host};
    zmatch::TForm1* form = nullptr;
    chart::TExercisesForm* window = nullptr;
};

bool Says(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Each program's window offers its own kinds: zmatch all but the line's move, zline the move
// and the reading.
TEST(ExercisesWindow, OpensByF4WithTheProgramsKinds) {
    Program p;
    ASSERT_NE(p.window, nullptr);
    EXPECT_EQ(p.window->Kinds(), exercises::KindsOf("zmatch"));
    EXPECT_EQ(p.window->KindList->Rows().size(), p.window->Kinds().size());
    EXPECT_EQ(chart::TExercisesForm("zline").Kinds(), exercises::KindsOf("zline"));
}

// A bad field: its message in Russian, the list made before and every text typed kept.
TEST(ExercisesWindow, BadFieldsSayWhyAndLoseNothing) {
    struct Case {
        exercises::TKind kind;
        const char* field;
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {exercises::TKind::StubShort, "CountEdit", "0", "Число вариантов"},
        {exercises::TKind::StubShort, "CountEdit", "2,5", "целое"},
        {exercises::TKind::StubShort, "CountEdit", "201", "от 1 до 200"},
        {exercises::TKind::StubShort, "CountEdit", "abc", "«abc»"},
        {exercises::TKind::StubShort, "RadiusEdit", "200", "радиус диаграммы должен быть"},
        {exercises::TKind::DoubleStub, "SpacingEdit", "0,25", "расстояние между шлейфами"},
        {exercises::TKind::DoubleStub, "SpacingEdit", "", "Расстояние между шлейфами"},
        {exercises::TKind::LSection, "FrequencyEdit", "0", "частота Г-образного звена"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.text);
        Program p;
        p.window->CountEdit->Text = "3";
        p.app.Click(*p.window->MakeButton);
        const auto rows = p.window->VariantList->Rows();
        p.app.Select(*p.window->KindList, p.Row(c.kind));
        auto* edit = dynamic_cast<tk::TEdit*>(p.window->FindControl(c.field));
        edit->Text = c.text;
        p.app.Click(*p.window->MakeButton);
        ASSERT_EQ(p.host.errors.size(), 1u);
        EXPECT_TRUE(Says(p.host.errors[0], c.says)) << p.host.errors[0];
        EXPECT_EQ(p.window->VariantList->Rows(), rows);
        EXPECT_EQ(edit->Text, c.text);
    }
}

// «Сделать» lists the variants; each one selected shows its problem and, on the window's
// chart, exactly the key's drawing of its construction.
TEST(ExercisesWindow, ListsVariantsAndDrawsTheKeysConstruction) {
    Program p;
    p.window->GroupEdit->Text = "ИВТ-21";
    p.window->CountEdit->Text = "4";
    p.app.Click(*p.window->MakeButton);
    ASSERT_TRUE(p.host.errors.empty()) << p.host.errors[0];
    ASSERT_EQ(p.window->VariantList->Rows().size(), 4u);
    const exercises::TExerciseSet& set = *p.window->Set();
    EXPECT_EQ(set.Ask.Group, "ИВТ-21");
    for (int row : {0, 3}) {
        SCOPED_TRACE(row);
        p.app.Select(*p.window->VariantList, row);
        const exercises::TVariant& v = set.Variants[std::size_t(row)];
        EXPECT_TRUE(Says(p.window->ProblemLabel->Caption,
                         "вариант " + std::to_string(row + 1)))
            << p.window->ProblemLabel->Caption;
        chart::TDrawnGrid grid;
        tk::TCanvas key(chart::kChainChartWidth, chart::kChainChartHeight);
        chart::DrawChainChart(grid, key, exercises::ConstructionOf(v.Problem), v.Problem.LoadOhms);
        EXPECT_TRUE(p.Picture() == std::vector<std::uint32_t>(
                                       key.Bits(), key.Bits() + std::size_t(key.Width()) *
                                                                    key.Height()));
    }
}

// The check: the exact answers are right, one far off is wrong with its distance in mm,
// one left out says so; answers that do not read are refused with the verdicts kept.
TEST(ExercisesWindow, ChecksAStudentsAnswers) {
    Program p;
    p.window->GroupEdit->Text = "7";
    p.window->CountEdit->Text = "5";
    p.app.Click(*p.window->MakeButton);
    const exercises::TVariant v = p.window->Set()->Variants[2];
    ASSERT_EQ(v.Answers.size(), 2u);
    const auto typed = [&](double first, bool second) {
        std::string text = v.Answers[0].Name + "=" + exercises::DecimalComma(first, 6);
        if (second)
            text += " " + v.Answers[1].Name + "=" + exercises::DecimalComma(v.Answers[1].Exact, 6);
        return text;
    };
    p.window->CheckVariantEdit->Text = "3";
    struct Case {
        std::string answers;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {typed(v.Answers[0].Exact, true), "верно", "верно"},
        {typed(v.Answers[0].Exact + 0.1, true), "неверно", "верно"},
        {typed(v.Answers[0].Exact, false), "верно", "нет ответа"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers);
        p.window->AnswersEdit->Text = c.answers;
        p.app.Click(*p.window->CheckButton);
        ASSERT_TRUE(p.host.errors.empty()) << p.host.errors[0];
        const auto& rows = p.window->VerdictList->Rows();
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0][1], c.first);
        EXPECT_EQ(rows[1][1], c.second);
        EXPECT_EQ(rows[0][3] == "0", std::string(c.first) == "верно") << rows[0][3];
        EXPECT_EQ(p.window->VariantList->ItemIndex(), 2);
    }
    const auto verdicts = p.window->VerdictList->Rows();
    for (const char* bad : {"d=abc", "", "q=1"}) {
        p.window->AnswersEdit->Text = bad;
        p.app.Click(*p.window->CheckButton);
        EXPECT_EQ(p.window->VerdictList->Rows(), verdicts) << bad;
    }
    ASSERT_EQ(p.host.errors.size(), 3u);
    EXPECT_TRUE(Says(p.host.errors[0], "Ответы не проверены")) << p.host.errors[0];
    p.window->CheckVariantEdit->Text = "6";
    p.app.Click(*p.window->CheckButton);
    ASSERT_EQ(p.host.errors.size(), 4u);
    EXPECT_EQ(p.host.errors[3], chart::kCheckVariantMessage);
}

// Each button saves its file with the library's bytes for the set the fields ask for.
TEST(ExercisesWindow, SavesTheWorksheetsTheKeyAndTheQuiz) {
    Program p;
    p.window->GroupEdit->Text = "Группа <1> & «2»";
    p.window->CountEdit->Text = "2";
    struct Case {
        tk::TButton* button;
        std::string (*made)(const exercises::TExerciseSet&);
    };
    const Case cases[] = {
        {p.window->WorksheetsButton, [](const exercises::TExerciseSet& s) {
             const auto b = exercises::WorksheetsPdf(s);
             return std::string(b.begin(), b.end());
         }},
        {p.window->KeyButton, [](const exercises::TExerciseSet& s) {
             const auto b = exercises::KeyPdf(s);
             return std::string(b.begin(), b.end());
         }},
        {p.window->MoodleButton, exercises::MoodleXml},
    };
    for (const Case& c : cases) {
        p.app.Click(*c.button);
        ASSERT_TRUE(p.host.errors.empty()) << p.host.errors[0];
        std::string saved;
        {
            std::ifstream in(p.host.Path(), std::ios::binary);
            saved.assign(std::istreambuf_iterator<char>(in), {});
        }
        EXPECT_EQ(saved, c.made(*p.window->Set())) << p.host.asked.back();
        std::filesystem::remove(p.host.Path());
    }
    EXPECT_EQ(p.host.asked, (std::vector<std::string>{"задания.pdf", "ключ.pdf", "тест.xml"}));
}

} // namespace
