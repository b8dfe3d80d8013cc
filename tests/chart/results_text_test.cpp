#include "chart/ResultsText.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using K = tk::TControlKind;

// zmatch's column in brief: a field's caption, a result, and two results whose captions are
// alike, each under its heading.
const tk::TControlDesc kControls[] = {
    {K::Label, "Label1", nullptr, 0, 0, 1, 1, "Zн="},
    {K::Edit, "Edit1", nullptr, 0, 0, 1, 1, "50"},
    {K::Label, "Label3", nullptr, 0, 0, 1, 1, "Zнн=1,00+j1,00"},
    {K::Label, "Label8", nullptr, 0, 0, 1, 1, "Расстояние "},
    {K::Label, "Label4", nullptr, 0, 0, 1, 1, "l. раст. от нагр.= 0,32"},
    {K::Label, "Label10", nullptr, 0, 0, 1, 1, "Значения в длинах волн"},
    {K::Label, "Label11", nullptr, 0, 0, 1, 1, "l. раст. от нагр.= 0,16"},
};

// Hinted labels in the form's order, each under its heading, then each hint once; nothing
// before any result has a hint, and a heading shows only with its result.
TEST(ResultsText, HintedLabelsUnderTheirHeadingsThenHints) {
    struct Case {
        std::map<std::string, std::string> hints;
        std::string want;
    } const cases[] = {
        {{}, ""},
        {{{"Label3", "z"}}, "Zнн=1,00+j1,00\n\nz\n"},
        {{{"Label3", "z"}, {"Label4", "d"}, {"Label11", "d"}},
         "Zнн=1,00+j1,00\nРасстояние \nl. раст. от нагр.= 0,32\nЗначения в длинах волн\n"
         "l. раст. от нагр.= 0,16\n\nz\n\nd\n"},
    };
    for (const Case& c : cases) {
        tk::TForm form({"", 1, 1, kControls});
        for (const auto& [name, hint] : c.hints)
            form.Get<tk::TLabel>(name)->Hint = hint;
        EXPECT_EQ(chart::ResultsText(form), c.want);
    }
}

} // namespace
