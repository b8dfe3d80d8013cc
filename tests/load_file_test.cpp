// «Нагрузка из файла…» in either window, its questions answered by a script: a point of the
// file or a frequency between two goes into the Zн fields with its tooltip and is
// remembered; a cancel, a file that does not read or a frequency that does not change
// nothing.
#include "chart/ChartForm.h"
#include "tests/common/ScriptedAnswers.h"
#include "tests/zline/ZlineTesting.h"
#include "tests/zmatch/ZmatchTesting.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

class ScriptedHost : public tk::THost {
  public:
    void Show(tk::TForm&, tk::TApplication&) override {}
    void Run() override {}
    void ShowError(const std::string& message) override { Errors.push_back(message); }
    void OpenURL(const std::string&) override {}
    std::optional<std::string> AskOpenPath(const tk::TOpenFileQuestion& q) override {
        return Script.Open(q);
    }
    std::optional<std::string> AskChoice(const tk::TChoiceQuestion& q) override {
        return Script.Choose(q);
    }
    testing_common::ScriptedAnswers Script;
    std::vector<std::string> Errors;
};

// In a folder of this process's own: ctest runs each test as a process of its own, side by
// side, and each writes the files afresh.
std::string WriteFile(const std::string& name, const std::string& text) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) /
                                         ("load_file_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// Three points on a 50 Ом reference: 50+j50, 100 and 25+j25 Ом at 1, 2 and 3 GHz.
const std::string kThreePoints = WriteFile("three_points.s1p", "! антенна\n"
                                                               "# GHz S RI R 50\n"
                                                               "1 0.2 0.4\n"
                                                               "2 0.333333333333 0\n"
                                                               "3 -0.2 0.4\n");
const std::string kBadFile = WriteFile("bad.s1p", "# GHz S RI R 50\n1 0.2\n");
// An open circuit at 0 Hz, as a time-domain file has it, then 50 and 100 Ом.
const std::string kOpenAtZero =
    WriteFile("open_at_zero.s1p", "# MHz S RI R 50\n0 1 0\n1 0 0\n2 0.333333333333 0\n");

template <class W> class LoadFileTest : public ::testing::Test {
  protected:
    LoadFileTest() {
        w.form.Application = &app;
        w.TypeLoad("7", "-3", "75", "0");
    }

    // The row of the chart's menu, chosen with `answers` scripted.
    void Run(std::deque<std::optional<std::string>> answers) {
        host.Script.Answers = std::move(answers);
        for (const tk::TActionDesc& a : w.form.Actions())
            if (std::string(a.Caption) == "Нагрузка из файла…") {
                EXPECT_EQ(a.Shortcut, tk::TShortcut::Open);
                app.Dispatch([&] { a.Command(w.form); });
                return;
            }
        ADD_FAILURE() << "no row «Нагрузка из файла…»";
    }

    std::vector<std::string> Fields() const {
        const auto& f = w.form;
        return {f.Edit1->Text, f.Edit2->Text, f.Edit3->Text,
                f.Edit4->Text, f.Edit1->Hint, f.Edit2->Hint};
    }

    W w;
    ScriptedHost host;
    tk::TApplication app{host};
};

using Windows = ::testing::Types<testing_zmatch::Window, testing_zline::Window>;
TYPED_TEST_SUITE(LoadFileTest, Windows);

// A point chosen, a frequency typed at a point, and one between two: the load in the Zн
// fields, Zв as typed, remembered with the texts written, the tooltip saying where from.
TYPED_TEST(LoadFileTest, WritesTheChosenLoad) {
    struct Row {
        const char* answer;
        const char *re, *im;
        double hz;
        const char* hint;
    };
    const Row rows[] = {
        {"2 ГГц: 100,0 + j0,0 Ом", "100", "0", 2e9,
         "Zн из файла «three_points.s1p» на 2 ГГц: 100,0 + j0,0 Ом"},
        {"3 ггц", "25", "25", 3e9, "Zн из файла «three_points.s1p» на 3 ГГц: 25,0 + j25,0 Ом"},
        {"1,5 ГГц", "75", "25", 1.5e9,
         "Zн из файла «three_points.s1p» на 1,5 ГГц: 75,0 + j25,0 Ом, интерполировано между "
         "1 ГГц и 2 ГГц"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.answer);
        this->Run({kThreePoints, r.answer});
        EXPECT_EQ(this->host.Errors, std::vector<std::string>{});
        EXPECT_EQ(this->host.Script.Items,
                  (std::vector<std::string>{"1 ГГц: 50,0 + j50,0 Ом", "2 ГГц: 100,0 + j0,0 Ом",
                                            "3 ГГц: 25,0 + j25,0 Ом"}));
        EXPECT_EQ(this->Fields(),
                  (std::vector<std::string>{r.re, r.im, "75", "0", r.hint, r.hint}));
        const chart::TMeasuredChoice* m = this->w.form.Measured();
        ASSERT_TRUE(m);
        EXPECT_EQ(m->Hz, r.hz);
        EXPECT_EQ(m->Re, r.re);
        EXPECT_EQ(m->Im, r.im);
        EXPECT_EQ(m->Load.Points.size(), 3u);
    }
}

// A cancel at either question, a file that does not read, a frequency that does not or lies
// outside the file's band: the message (the file's own names its line), and the fields,
// their tooltips and the measurement they were filled from stay as they were.
TYPED_TEST(LoadFileTest, RefusalsAndCancelsChangeNothing) {
    struct Row {
        std::deque<std::optional<std::string>> answers;
        const char* says; // nullptr: nothing
    };
    const Row rows[] = {
        {{std::nullopt}, nullptr},
        {{kThreePoints, std::nullopt}, nullptr},
        {{kBadFile}, "строка 2"},
        {{::testing::TempDir() + "missing.s1p"}, "missing.s1p"},
        {{kThreePoints, "5 ГГц"}, "вне"},
        {{kThreePoints, "пять"}, "пять"},
        {{kOpenAtZero, "0 Гц: холостой ход, точка не используется"}, "холостой ход"},
        {{kOpenAtZero, "0,5 МГц"}, "интерполировать между ними нельзя"},
    };
    this->Run({kThreePoints, "1 ГГц: 50,0 + j50,0 Ом"});
    const std::vector<std::string> before = this->Fields();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.says ? r.says : "cancel");
        this->host.Errors.clear();
        this->Run(r.answers);
        ASSERT_EQ(this->host.Errors.size(), r.says ? 1u : 0u);
        if (r.says) {
            EXPECT_NE(this->host.Errors[0].find(r.says), std::string::npos) << this->host.Errors[0];
        }
        EXPECT_EQ(this->Fields(), before);
        ASSERT_TRUE(this->w.form.Measured());
        EXPECT_EQ(this->w.form.Measured()->Hz, 1e9);
    }
}

// A point without a load is listed as such, the list starting at the first point with one,
// which is taken as any other.
TYPED_TEST(LoadFileTest, APointWithoutALoadIsListedAsSuch) {
    this->Run({kOpenAtZero, "1 МГц: 50,0 + j0,0 Ом"});
    EXPECT_EQ(this->host.Errors, std::vector<std::string>{});
    EXPECT_EQ(this->host.Script.Items,
              (std::vector<std::string>{"0 Гц: холостой ход, точка не используется",
                                        "1 МГц: 50,0 + j0,0 Ом", "2 МГц: 100,0 + j0,0 Ом"}));
    EXPECT_EQ(this->host.Script.Selected, 1u);
    EXPECT_EQ(this->w.form.Edit1->Text, "50");
}

// Typed over, the load is the user's own: the measurement is forgotten, and the tooltips go
// once the point is shown.
TYPED_TEST(LoadFileTest, TypingOverForgetsTheMeasurement) {
    this->Run({kThreePoints, "1 ГГц: 50,0 + j50,0 Ом"});
    ASSERT_TRUE(this->w.form.Measured());
    this->w.form.Button1->OnClick(this->w.form.Button1);
    EXPECT_FALSE(this->w.form.Edit1->Hint.empty());
    this->w.form.Edit1->Text = "51";
    EXPECT_FALSE(this->w.form.Measured());
    this->w.form.Button1->OnClick(this->w.form.Button1);
    EXPECT_EQ(this->w.form.Edit1->Hint, "");
    EXPECT_EQ(this->w.form.Edit2->Hint, "");
}

} // namespace
