#include "exercises/Moodle.h"

#include "toolkit/DecimalText.h"

namespace exercises {

std::string XmlEscaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string PointDecimal(double v) {
    std::string text = DecimalComma(v, 6);
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

namespace {

std::string Text(std::string_view tag, const std::string& text) {
    return "<" + std::string(tag) + "><text>" + XmlEscaped(text) + "</text></" + std::string(tag) +
           ">";
}

std::string Question(const TExerciseSet& set, const TVariant& v, const TAnswer& a) {
    const std::string asked = "Ответ " + a.Name + " — " + a.Meaning +
                              (a.Unit.empty() ? "" : ", в единицах «" + a.Unit + "»") + ".";
    return "  <question type=\"numerical\">\n    " +
           Text("name", "Вариант " + std::to_string(v.Number) + ": " + a.Name) +
           "\n    <questiontext format=\"plain_text\"><text>" +
           XmlEscaped(ProblemText(set, v) + "\n" + asked) +
           "</text></questiontext>\n    <defaultgrade>1</defaultgrade>\n"
           "    <answer fraction=\"100\"><text>" +
           PointDecimal(a.Exact) + "</text><tolerance>" + PointDecimal(a.Tolerance) +
           "</tolerance></answer>\n  </question>\n";
}

// A name within Moodle's category path, where «/» parts categories and «//» is a slash.
std::string CategoryName(const std::string& name) {
    std::string out;
    for (const char c : name)
        out += c == '/' ? std::string("//") : std::string(1, c);
    return out;
}

} // namespace

std::string MoodleXml(const TExerciseSet& set) {
    // No group, no category of its own: an empty name would make «Диаграмма//…», which
    // Moodle reads as one name with a slash in it.
    const std::string group = GroupText(set.Ask.Group);
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n"
                      "  <question type=\"category\"><category><text>" +
                      XmlEscaped("$course$/Диаграмма/" +
                                 (group.empty() ? "" : CategoryName(group) + "/") +
                                 std::string(KindName(set.Ask.Kind))) +
                      "</text></category></question>\n";
    for (const TVariant& v : set.Variants)
        for (const TAnswer& a : v.Answers)
            xml += Question(set, v, a);
    return xml + "</quiz>\n";
}

} // namespace exercises
