// The Touchstone reader's text: the file cut into lines and words, its numbers read, and the
// pieces of its refusals. A line ends at LF, CR LF or a CR alone (as old Macintosh software
// writes), a UTF-8 byte-order mark before the first line is passed over, and a line's
// comment, from its '!', is cut off. Every number is read with the file's '.' whatever the
// user's locale.
//
//     TLines lines("\xEF\xBB\xBF# MHz S RI\r100 0.5 0 ! first\r");
//     lines.Next();  // lines.Text == "# MHz S RI", lines.Number == 1
//     lines.Next();  // lines.Text == "100 0.5 0 ", lines.Number == 2
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace measured::touchstone {

// Raises the toolkit exception that names the line: «строка 12: ожидалось 3 числа, найдено 2».
[[noreturn]] void Refuse(std::size_t line, const std::string& what);

// A text from the file (or its name) fit to quote: malformed UTF-8 and control characters
// as '?', cut after `limit` characters with "…".
std::string Shown(std::string_view text, std::size_t limit = 24);
// The same in «»: «0,5».
std::string Quote(std::string_view text);

// "1 число", "3 числа", "9 чисел": the count with its noun's three forms.
std::string Counted(std::size_t n, const char* one, const char* few, const char* many);
std::string Numbers(std::size_t n);

std::string Upper(std::string_view text);
std::string_view Trimmed(std::string_view text);

// Takes the next word, split at blanks, off the front of `rest`; false when none is left.
// Words are taken one at a time, so a line of a million of them costs no memory.
bool NextWord(std::string_view& rest, std::string_view& word);
// The one word of `rest`; "" when it has none or more than one.
std::string_view OnlyWord(std::string_view rest);

// The word as a number, or nothing when it is none.
std::optional<double> MaybeNumber(std::string_view word);
// The word as a number; one that is none, or too large, is refused on its line.
double Number(std::string_view word, std::size_t line);

// The text's lines one at a time, each without its comment, numbered from 1.
class TLines {
  public:
    explicit TLines(std::string_view text);

    bool Next();

    std::string_view Text;
    std::size_t Number = 0;

  private:
    std::string_view Rest;
    bool Done = false;
};

} // namespace measured::touchstone
