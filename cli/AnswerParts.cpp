#include "cli/AnswerParts.h"

#include "chart/FieldNames.h"
#include "chart/LoadPoint.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include "cli/ComplexLoad.h"
#include "cli/Json.h"

namespace cli {

TAnswer Refusal(const std::string& load, const std::string& message) {
    TAnswer a;
    a.Refused = true;
    a.Message = message;
    a.Json = "{" + json::Field("load", json::String(Quoted(load))) + "," +
             json::Field("error", json::String(message)) + "}";
    return a;
}

std::string AnswersHelp(const char* options, const char* load, const char* example) {
    return std::string(
               "Ответ без окна: программа печатает то, что показали бы подписи окна, и точный\n"
               "расчёт из подсказок к ним; окно не открывается, дисплей не нужен.\n") +
           options + "Значение пишется через пробел или через «=»: --load=" + load + ".\n" +
           "Числа пишутся с точкой или с десятичным разделителем системы, мнимая часть —\n"
           "с j до или после числа.\n"
           "С «--load -» на каждую строку ввода выводится одна строка, в том же порядке:\n"
           "нагрузка, табуляция и ответ в одну строку (или «ошибка:» и причина), а с\n"
           "--json — объект JSON (у непринятой нагрузки — с полем error).\n"
           "Код возврата: 0 — ответ дан; 1 — диаграмма не приняла нагрузку (сообщение —\n"
           "в поток ошибок, а в пакете — в строку этой нагрузки) или рисунок не записан;\n"
           "2 — неверный параметр, число или файл (сообщение — в поток ошибок,\n"
           "ответа нет).\n"
           "Пример: " +
           example + "\n";
}

std::optional<TAnswer> TypeLoad(chart::TChartForm& form, const std::string& load,
                                const TComplexText& line) {
    const TComplexText z = ReadComplex(load);
    if (!z.Error.empty()) return Refusal(load, z.Error);
    form.TypeLoad(z.Re, z.Im, line.Re, line.Im);
    return std::nullopt;
}

TComplexText LineOption(const TValues& values) {
    const auto line = values.find("line");
    TComplexText z = ReadComplex(line == values.end() ? "50" : line->second);
    if (!z.Error.empty()) throw TUsageError{"параметр «--line»: " + z.Error};
    RefuseAsTheWindow("line", z.Re, LineResistance);
    FitsTheChart("line", z, chart::field::LineR, chart::field::LineX);
    return z;
}

std::string LabelsField(const tk::TForm& form) {
    std::string list;
    for (const auto& c : form.Controls())
        if (const auto* label = dynamic_cast<const tk::TLabel*>(c.get());
            label && !label->Hint.empty())
            list += (list.empty() ? "" : ",") + json::String(label->Caption);
    return json::Field("labels", "[" + list + "]");
}

std::string NumberOption(const TValues& values, const std::string& name, const char* fallback) {
    const auto it = values.find(name);
    // Defaults are written with a point, as a typed number may be: both in the system's way.
    if (it == values.end()) return NumberText(fallback);
    std::string text = NumberText(it->second);
    if (text.empty()) {
        std::string advice = SeparatorAdvice(it->second, false);
        if (advice.empty()) advice = " Введите число, например «1.5».";
        throw TUsageError{"параметр «--" + name + "»: «" + Quoted(it->second) +
                          "» не является числом." + advice};
    }
    return text;
}

void RefuseAsTheWindow(const std::string& name, const std::string& text,
                       void (*read)(const tk::TEdit&)) {
    tk::TEdit edit("Edit");
    edit.Text = text;
    try {
        read(edit);
    } catch (const tk::Exception& e) {
        throw TUsageError{"параметр «--" + name + "»: " + e.Message};
    }
}

void LineResistance(const tk::TEdit& edit) {
    chart::CheckLineResistance(tk::ReadSingle(edit, chart::field::LineR));
}

void FitsTheChart(const std::string& name, const TComplexText& z, std::string_view reField,
                  std::string_view imField) {
    for (const auto& [text, field] : {std::pair{&z.Re, reField}, std::pair{&z.Im, imField}}) {
        tk::TEdit edit("Edit");
        edit.Text = *text;
        try {
            tk::ReadSingle(edit, field);
        } catch (const tk::Exception& e) {
            throw TUsageError{"параметр «--" + name + "»: " + e.Message};
        }
    }
}

bool ChoiceOption(const TValues& values, const std::string& name, const char* a, const char* b,
                  bool fallback) {
    const auto it = values.find(name);
    if (it == values.end()) return fallback;
    if (it->second == a) return true;
    if (it->second == b) return false;
    throw TUsageError{"параметр «--" + name + "»: «" + Quoted(it->second) +
                      "» не подходит. Введите «--" + name + " " + a + "» или «--" + name + " " + b +
                      "»."};
}

theory::TLoadModel ModelOption(const TValues& values, const TFileLoad* file) {
    if (!file)
        return ChoiceOption(values, "model", "series", "constant", true)
                   ? theory::TLoadModel::Series
                   : theory::TLoadModel::Constant;
    if (values.count("model"))
        throw TUsageError{"с «--touchstone» нагрузка вне f0 берётся из файла: уберите «--model»"};
    return theory::TLoadModel::Measured;
}

} // namespace cli
