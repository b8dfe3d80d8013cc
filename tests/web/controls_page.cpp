// The list of rows and the slider in a page of their own, on the chain form every binding's
// tests show (tests/common/ChainForm.h), for the page's tests (page_test.py) to drive.
#include "tests/common/ChainForm.h"

#include "programs/MainForm.h"
#include "toolkit/web/WebHost.h"

int main() {
    static tkweb::WebHost host("controls");
    static tk::TApplication application(host, tkweb::BrowserFormatSettings());
    static testing_common::TChainForm* form = nullptr;
    return programs::Started(application, [&] { application.CreateForm(form); });
}
