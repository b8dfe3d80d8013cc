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

} // namespace cli
