// What the Win32 host does beyond the window: only a web address is handed to the system
// to open.
#include "tests/win32/Win32Driver.h"

#include <gtest/gtest.h>

namespace {

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
