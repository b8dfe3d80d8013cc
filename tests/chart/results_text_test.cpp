#include "chart/ResultsText.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using K = tk::TControlKind;

// A column in brief: a field's caption, a result, two results whose captions are alike,
// each under its heading, and one more result.
const tk::TControlDesc kControls[] = {
    {K::Label, "Label1", nullptr, 0, 0, 1, 1, "Zн="},
    {K::Edit, "Edit1", nullptr, 0, 0, 1, 1, "50"},
    {K::Label, "Label3", nullptr, 0, 0, 1, 1, "Zнн=1,00+j1,00"},
    {K::Label, "Label8", nullptr, 0, 0, 1, 1, "Расстояние "},
    {K::Label, "Label4", nullptr, 0, 0, 1, 1, "l. раст. от нагр.= 0,32"},
    {K::Label, "Label10", nullptr, 0, 0, 1, 1, "Значения в длинах волн"},
    {K::Label, "Label11", nullptr, 0, 0, 1, 1, "l. раст. от нагр.= 0,16"},
    {K::Label, "Label12", nullptr, 0, 0, 1, 1, "|Г| = 0,4472"},
};

// One group for each hint, in the order its first label stands: the hint's first line, its
// labels each under its heading, the rest of the hint. Nothing before any result has a
// hint, and a heading shows only with its result.
TEST(ResultsText, GroupedByWhatTheyAnswer) {
    struct Case {
        std::map<std::string, std::string> hints;
        std::string want;
    } const cases[] = {
        {{}, ""},
        {{{"Label3", "load\nz"}}, "load\nZнн=1,00+j1,00\nz\n"},
        // Results of two constructions interleaved in the column come apart.
        {{{"Label3", "load\nz"}, {"Label4", "match\nd"}, {"Label11", "match\nd"}, {"Label12", "load\nz"}},
         "load\nZнн=1,00+j1,00\n|Г| = 0,4472\nz\n\n"
         "match\nРасстояние \nl. раст. от нагр.= 0,32\nЗначения в длинах волн\n"
         "l. раст. от нагр.= 0,16\nd\n"},
        {{{"Label3", "one line"}}, "one line\nZнн=1,00+j1,00\n"},
    };
    for (const Case& c : cases) {
        tk::TForm form({"", 1, 1, kControls});
        for (const auto& [name, hint] : c.hints)
            form.Get<tk::TLabel>(name)->Hint = hint;
        EXPECT_EQ(chart::ResultsText(form), c.want);
    }
}

} // namespace
