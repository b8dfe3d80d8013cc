// Text at the Windows API: every input converts, malformed parts as U+FFFD and nothing
// after them lost; command lines split as Windows splits them, into UTF-8.
#include "toolkit/win32/Arguments.h"
#include "toolkit/win32/Utf16.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tkwin::ToUtf16;
using tkwin::ToUtf8;

TEST(Utf16, WellFormedTextRoundTrips) {
    const struct {
        std::string utf8;
        std::wstring utf16;
    } cases[] = {
        {"", L""},
        {"100+j50", L"100+j50"},
        {"Zнн=2,00+j1,00 λ", L"Z\u043d\u043d=2,00+j1,00 \u03bb"},
        {"\xf0\x9f\x98\x80!", {wchar_t(0xD83D), wchar_t(0xDE00), L'!'}}, // U+1F600, a pair
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(ToUtf8(c.utf16), c.utf8) << c.utf8;
    }
}

TEST(Utf16, MalformedInputBecomesReplacementCharacters) {
    // Stray, cut, overlong and surrogate UTF-8; the text after each still arrives.
    const std::pair<std::string, std::wstring> utf8Cases[] = {
        {"Z\xff"
         "1",
         L"Z\uFFFD"
         L"1"},
        {"\xd0", L"\uFFFD"},
        {"\xe2\x82"
         "x",
         L"\uFFFDx"},
        {"\xc0\xaf", L"\uFFFD\uFFFD"},
        {"\xed\xa0\x80", L"\uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& [utf8, utf16] : utf8Cases)
        EXPECT_EQ(ToUtf16(utf8), utf16);
    // Lone or reversed surrogates.
    const std::pair<std::wstring, std::string> utf16Cases[] = {
        {{wchar_t(0xD83D)}, "\xef\xbf\xbd"},
        {{wchar_t(0xDE00), L'a'},
         "\xef\xbf\xbd"
         "a"},
        {{wchar_t(0xDE00), wchar_t(0xD83D)}, "\xef\xbf\xbd\xef\xbf\xbd"},
        {{wchar_t(0xD83D), L'a'},
         "\xef\xbf\xbd"
         "a"},
    };
    for (const auto& [utf16, utf8] : utf16Cases)
        EXPECT_EQ(ToUtf8(utf16), utf8);
}

TEST(Arguments, SplitAsWindowsSplitsACommandLine) {
    const std::pair<std::wstring, std::vector<std::string>> cases[] = {
        {L"zmatch.com --load 100+50j", {"zmatch.com", "--load", "100+50j"}},
        {LR"("C:\Program Files\zchart\zmatch.com"  --load "100 +50j")",
         {R"(C:\Program Files\zchart\zmatch.com)", "--load", "100 +50j"}},
        {L"zline --picture \u0440\u0438\u0441.png \"\"", {"zline", "--picture", "рис.png", ""}},
        // Backslashes count only before a quote.
        {LR"(z a\\b "c\"d" e\\"f g")", {"z", R"(a\\b)", R"(c"d)", R"(e\f g)"}},
        {L"", {}},
    };
    for (const auto& [line, want] : cases)
        EXPECT_EQ(tkwin::TArguments(line).Items(), want);
}

TEST(Arguments, ValuesAreMainsArgvOfTheirOwnStrings) {
    tkwin::TArguments original(std::vector<std::string>{"zmatch", "--json"});
    tkwin::TArguments copy = original;
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_STREQ(copy.Values()[1], "--json");
    EXPECT_EQ(copy.Values()[2], nullptr);
    EXPECT_NE(copy.Values()[0], original.Values()[0]);
    EXPECT_FALSE(tkwin::TArguments::OfProcess().Items().empty());
}

} // namespace
