// What the Win32 host does beyond the window: text across the wide-character boundary,
// and only a web address handed to the system to open.
#include "tests/win32/Win32Driver.h"

#include <gtest/gtest.h>

namespace {

// UTF-8 in, UTF-16 at the API and back: Cyrillic, a symbol beyond the basic plane, and
// malformed bytes as one replacement character each.
TEST(Utf16, RoundTripsAndReplacesMalformedBytes) {
    struct Row {
        const char* utf8;
        std::wstring utf16;
        const char* back;
    };
    const Row rows[] = {
        {"Zн = 100+j50 Ом", L"Zн = 100+j50 Ом", "Zн = 100+j50 Ом"},
        {"λ 𝜆", L"λ \xD835\xDF06", "λ 𝜆"},
        {"Zн\xff", L"Zн\xFFFD", "Zн\xEF\xBF\xBD"},
        {"", L"", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.utf8);
        EXPECT_EQ(tkwin::ToUtf16(r.utf8), r.utf16);
        EXPECT_EQ(tkwin::ToUtf8(r.utf16), r.back);
    }
    EXPECT_EQ(tkwin::ToUtf8(L"a\xD800z"), "a\xEF\xBF\xBDz") << "a lone surrogate";
}

// The host opens web addresses only; anything else, or an address nothing opened, ends in
// a message that gives the address.
TEST(Win32Host, OpensOnlyWebAddresses) {
    class Refusing : public tkwin::Win32Host {
      public:
        std::vector<std::string> Urls;
        bool opens = true;

      protected:
        bool Browse(const std::wstring& url) override {
            Urls.push_back(tkwin::ToUtf8(url));
            return opens;
        }
    } host;
    host.OpenURL("https://example.org/Диаграмма");
    EXPECT_EQ(host.Urls, std::vector<std::string>{"https://example.org/Диаграмма"});
    for (const char* url : {"C:\\Windows\\System32\\calc.exe", "file:///C:/x", "cmd /c dir"}) {
        try {
            host.OpenURL(url);
            ADD_FAILURE() << url << " was opened";
        } catch (const tk::Exception& e) {
            EXPECT_NE(e.Message.find(url), std::string::npos) << e.Message;
        }
    }
    host.opens = false;
    EXPECT_THROW(host.OpenURL("https://example.org/"), tk::Exception);
    EXPECT_EQ(host.Urls.size(), 2u);
}

} // namespace
