// What the binding hands the page's script: small JSON objects written as text, which the
// script reads with JSON.parse.
//
//     JsonText o;  o.Field("caption", "Zн=");  o.Field("left", 8);  o.Close();
//     o.Text()   {"caption":"Zн=","left":8}
#pragma once

#include <string>
#include <string_view>

namespace tkweb {

// A string as a JSON string: quotes, backslashes and control characters escaped, the rest
// (UTF-8) as it is.
std::string Quoted(std::string_view text);

class JsonText {
  public:
    JsonText() : text_("{") {}
    void Field(std::string_view name, std::string_view value) { Raw(name, Quoted(value)); }
    void Field(std::string_view name, const char* value) { Raw(name, Quoted(value ? value : "")); }
    void Field(std::string_view name, int value) { Raw(name, std::to_string(value)); }
    void Field(std::string_view name, bool value) { Raw(name, value ? "true" : "false"); }
    // A value already written as JSON: an object, a list.
    void Raw(std::string_view name, std::string_view json);
    const std::string& Close() { return text_ += '}'; }
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// `[a,b,c]` of values already written as JSON.
std::string List(const std::string* first, const std::string* last);

} // namespace tkweb
