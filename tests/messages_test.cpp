// Every message a handler or the number parser can raise, grouped by the field it is about:
// each names the field as the window does and says what to do about it.
#include "chart/ChartForm.h"
#include "chart/FieldNames.h"
#include "chart/LoadPoint.h"
#include "toolkit/ReadNumber.h"
#include "zline/LineMove.h"
#include "zmatch/StubMatch.h"

#include "tests/common/ScopedDecimalSeparator.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Parsed(std::string_view field, const char* text) {
    tk::TEdit edit("Edit");
    edit.Text = text;
    try {
        tk::ReadSingle(edit, field);
    } catch (const tk::Exception& e) {
        return e.Message;
    }
    return "(прочитано)";
}

TEST(Messages, NameTheFieldAndSayWhatToDo) {
    const testing_common::ScopedDecimalSeparator comma(',');
    struct Row {
        std::string message;
        const char* field;  // how the window calls what is wrong
        const char* advice; // what the user is told to do
    };
    const auto& f = chart::field::LoadR;
    // clang-format off
    const Row rows[] = {
        // Any number field: the text as typed, in «», and what to type instead.
        {Parsed(f, "50.5"),                  "Zн, активная часть: «50.5» не является числом", "Введите «50,5»"},
        {Parsed(f, "abc"),                   "Zн, активная часть: «abc» не является числом", "Введите число, например «50,5»"},
        {Parsed(f, ""),                      "Zн, активная часть: поле пустое", "введите число"},
        {Parsed(f, "\xE2\x88\x92" "5"),      "Zн, активная часть: «\xE2\x88\x92" "5»", "дефисом «-». Введите «-5»"},
        {Parsed(f, "5 000"),                 "Zн, активная часть: «5 000»", "без пробелов. Введите «5000»"},
        {Parsed(f, "5\xC2\xA0" "000.5"),     "Zн, активная часть: «5‹U+00A0›000.5»", "(неразрывный пробел)"},
        // Characters that show as nothing: named by code, and the text without them.
        {Parsed(f, "5\xE2\x80\x8B"),         "Zн, активная часть: «5‹U+200B›» не является числом", "невидимый знак ‹U+200B› (пробел нулевой ширины): в поле его не видно, но число из-за него не читается. Удалите его и введите «5»"},
        {Parsed(f, "5\xC2\xA0"),             "«5‹U+00A0›»", "Удалите его и введите «5»"},
        {Parsed(f, "\x07" "5\x1B"),           "«‹U+0007›5‹U+001B›»", "невидимые знаки ‹U+0007› (звуковой сигнал BEL), ‹U+001B› (знак Escape): в поле их не видно"},
        {Parsed(f, "5.5\xEF\xBB\xBF"),       "«5.5‹U+FEFF›»", "(метка порядка байтов): в поле его не видно, но число из-за него не читается. Десятичный разделитель в этой системе — запятая. Введите «5,5»"},
        {Parsed(f, "5\xFF"),                  "«5‹0xFF›» не является числом", "Введите число"},
        {Parsed(f, "5\x01"),                  "«5‹U+0001›»", "(управляющий знак)"},
        {Parsed(f, "1e39"),                  "Zн, активная часть: число «1e39» слишком велико", "не больше 3,4·10^38"},
        // Zн and Zв together.
        {chart::kNoPointMessage,             "точку нагрузки", "Сначала покажите"},
        {chart::kLineResistanceMessage,      "Активная часть волнового сопротивления линии Zв", "Исправьте поле «Zв, активная часть»"},
        {chart::kNegativeLoadMessage,        "Активное сопротивление нагрузки", "Проверьте знак активной части Zн"},
        {chart::kNegativeNormalisedMessage,  "нормированное сопротивление нагрузки", "Проверьте Zв"},
        {chart::kOffChartMessage,            "Точка нагрузки", "Проверьте знак активной части Zн"},
        // A pixel of the chart taken as the load.
        {chart::kPickBeyondRimMessage,       "за окружностью |Г| = 1", "Выберите точку внутри круга"},
        {chart::kPickOpenCircuitMessage,     "холостой ход", "Выберите точку рядом с ней"},
        {zmatch::kReactiveMessage,           "Нагрузка", "Задайте нагрузку с активной частью"},
        {zmatch::OnRimMessage({{1e6, 1e6}, {50, 0}}, theory::TStubKind::Short), "Точка нагрузки", "расстояние от нагрузки 0,249208 λ"},
        {zmatch::kWavelengthSignMessage,     "Длина волны", "больше нуля"},
        {zmatch::kWavelengthRangeMessage,    "Длина волны", "от 10^-300 до 10^300"},
        {zmatch::kConstructionMessage,       "согласование", "Немного измените Zн или Zв"},
        {zmatch::kMatchedMessage,            "нагрузка", "шлейф не нужен"},
        // l, λ and the attenuation.
        {zline::kWavelengthSignMessage,      "Длина волны", "больше нуля"},
        {zline::kNegativeLossMessage,        "Затухание", "0 или больше"},
        {zline::kBadRatioMessage,            "l/λ", "Уменьшите расстояние l или увеличьте длину волны"},
        {zline::kFarPointMessage,            "Новая точка", "уменьшите затухание или расстояние"},
    };
    // clang-format on
    for (const Row& r : rows) {
        EXPECT_NE(r.message.find(r.field), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(r.advice), std::string::npos) << r.message;
        // No message runs two clauses together with a dash before «является».
        EXPECT_EQ(r.message.find("— не является"), std::string::npos) << r.message;
        // Nothing unseen inside what is read and copied: a search for «|Г|» finds it.
        EXPECT_EQ(r.message.find("\u2060"), std::string::npos) << r.message;
    }
}

} // namespace
