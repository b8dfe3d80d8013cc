// The window system for the toolkit's application object in a web page: Emscripten's
// WebAssembly, the page's own elements, and its script (page/), which builds each form's
// elements from the description FormPage writes, and hands the user's doing back through
// the functions of PageEvents.cpp, every one of them given this host (whose address the
// page is told when the host is made) and run through its application object.
//
//     static tkweb::WebHost host("zmatch");
//     static tk::TApplication application(host);   // both outlive main(): the page runs on
//     application.CreateForm(zmatch::Form1);       // after it returns
//
// The page has no modal questions: its file picker and dialogs answer later. A command that
// asks (TActionKind::Command) is therefore run once with nothing to answer its first question,
// which it takes as cancelled, changing nothing; the page then asks the user, and the
// command is run again from the start with the answers given so far, until it asks nothing
// more or the user cancels.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Conversions.h"
#include "toolkit/web/FormPage.h"

#include <emscripten/html5.h>

#include <memory>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tkweb {

class WebHost : public tk::THost {
  public:
    explicit WebHost(std::string program);
    ~WebHost() override;
    WebHost(const WebHost&) = delete;
    WebHost& operator=(const WebHost&) = delete;

    void Show(tk::TForm& form, tk::TApplication& application) override;
    void Run() override {}
    void ShowError(const std::string& message) override;
    std::optional<std::string> AskOpenPath(const tk::TOpenFileQuestion& question) override;
    std::optional<std::string> AskChoice(const tk::TChoiceQuestion& question) override;
    // The page saves by download: the browser takes the text under the name proposed.
    bool SaveText(const tk::TSaveFileQuestion& question, const std::string& text) override;
    void OpenURL(const std::string& url) override;
    void ShowWindow(tk::TForm& form, tk::TApplication& application) override;
    void Changed() override;
    // The browser's setTimeout of no delay: the page draws and takes keys between tasks.
    void Later(std::function<void()> task) override;
    void SetAddress(const std::string& text) override;
    std::string Address() override;

    tk::TApplication* Application() const { return application_; }
    FormPage* Page(int id) const;
    // A text handed back to the page: kept here, valid until the next call hands another.
    const char* Returned(std::string text);

    // A row of a form's menu, or its keys: runs it (for a command, asking as above). A
    // picture is saved as a PDF when `pdf`, else as a PNG: the page asks which first.
    void RunAction(int form, int action, bool pdf = false);
    // The answer to the question the page was asked; nothing: cancelled.
    void Answer(std::optional<std::string> answer);
    // A file dropped on the form's picture, at `path` in the page's file system: the form's
    // row that opens a file is run with it as the answer to its first question.
    void Dropped(int form, const std::string& path);
    // The window of a form beside the main one was closed in the page.
    void Closed(int form);
    // The page shows the image at another size or ratio: its pixels again.
    void Reshown(int form, int image, tk::TSize css, double ratio);

  private:
    void Publish(FormPage& page, bool force);
    void Refresh(FormPage& page);
    void ShowPictures(FormPage& page, bool force);
    static EM_BOOL Frame(double time, void* host);
    void RunCommand();

    std::string program_;
    std::string returned_;
    tk::TApplication* application_ = nullptr;
    std::vector<std::unique_ptr<FormPage>> pages_;
    int nextId_ = 1;
    bool framePending_ = false; // the pictures wait for the next frame

    // The command being answered: its form and row, the answers given so far, how many of
    // them its present run has taken, and whether it asked one more.
    struct TAsking {
        int Form = 0, Action = 0;
        std::vector<std::string> Answers;
        std::size_t Taken = 0;
        std::string Question; // JSON for the page; empty: none pending
    };
    std::optional<TAsking> asking_;
};

// The browser's number format: the decimal separator of its language (a comma in Russian).
tk::TFormatSettings BrowserFormatSettings();

} // namespace tkweb
