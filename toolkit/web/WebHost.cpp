#include "toolkit/web/WebHost.h"

#include "toolkit/PdfDocument.h"
#include "toolkit/PictureTitle.h"
#include "toolkit/PngWriter.h"
#include "toolkit/web/JsonText.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdint>

// ---------------------------------------------------------------------------------------
// The page's script, called from here (toolkit/web/page/ defines ZPage).

// clang-format off
EM_JS(void, js_start, (tkweb::WebHost* host), {
    ZPage.start(host);
});
EM_JS(void, js_show_form, (const char* description), {
    ZPage.showForm(JSON.parse(UTF8ToString(description)));
});
EM_JS(void, js_refresh, (const char* changes), {
    ZPage.refresh(JSON.parse(UTF8ToString(changes)));
});
// The page reads the pixels where they lie, without a copy of its own.
EM_JS(void, js_picture, (int form, int image, const std::uint8_t* rgba, int width, int height,
                         int block, int top, int rows), {
    ZPage.picture(form, image, new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4),
                  width, height, block, top, rows);
});
EM_JS(void, js_error, (const char* title, const char* message), {
    ZPage.error(UTF8ToString(title), UTF8ToString(message));
});
EM_JS(void, js_ask, (const char* question), {
    ZPage.ask(JSON.parse(UTF8ToString(question)));
});
EM_JS(void, js_open_url, (const char* url), {
    ZPage.openUrl(UTF8ToString(url));
});
EM_JS(void, js_set_address, (const char* text), {
    ZPage.address.set(UTF8ToString(text));
});
EM_JS(void, js_bytes, (const char* what, const char* name, const std::uint8_t* bytes, int size), {
    ZPage.bytes(UTF8ToString(what), UTF8ToString(name), HEAPU8.slice(bytes, bytes + size));
});
EM_JS(void, js_copy_text, (const char* text), {
    ZPage.copyText(UTF8ToString(text));
});
EM_JS(int, js_decimal_separator, (), {
    return ZPage.decimalSeparator().charCodeAt(0);
});
// clang-format on

namespace tkweb {

namespace {

tk::TImage* FirstImage(const tk::TForm& form) {
    for (const auto& c : form.Controls())
        if (auto* image = dynamic_cast<tk::TImage*>(c.get())) return image;
    return nullptr;
}

void ShowPixels(int form, int image, const FormPage::TPixels& pixels) {
    js_picture(form, image, pixels.Bytes, pixels.Size.Width, pixels.Size.Height, pixels.Block,
               pixels.Top, pixels.Rows);
}

void Bytes(const char* what, const std::string& name, const std::vector<std::uint8_t>& bytes) {
    js_bytes(what, name.c_str(), bytes.data(), int(bytes.size()));
}

} // namespace

tk::TFormatSettings BrowserFormatSettings() {
    tk::TFormatSettings settings;
    const int separator = js_decimal_separator();
    // One byte that reads unambiguously; anything else keeps the point.
    if (separator == ',' || separator == '.') settings.DecimalSeparator = char(separator);
    return settings;
}

WebHost::WebHost(std::string program) : program_(std::move(program)) {
    js_start(this);
}

// The page's events find no host from now on.
WebHost::~WebHost() {
    js_start(nullptr);
}

const char* WebHost::Returned(std::string text) {
    returned_ = std::move(text);
    return returned_.c_str();
}

FormPage* WebHost::Page(int id) const {
    for (const auto& p : pages_)
        if (p->Id() == id) return p.get();
    return nullptr;
}

void WebHost::Publish(FormPage& page, bool force) {
    Refresh(page);
    ShowPictures(page, force);
}

void WebHost::Refresh(FormPage& page) {
    if (const std::string changes = page.Changes(); !changes.empty()) js_refresh(changes.c_str());
}

void WebHost::ShowPictures(FormPage& page, bool force) {
    for (std::size_t i = 0; i < page.Form().Controls().size(); ++i) {
        if (page.Form().Controls()[i]->Kind != tk::TControlKind::Image) continue;
        const FormPage::TShown shown = page.ShownAs(int(i));
        if (const auto pixels = page.Picture(int(i), shown.Css, shown.Ratio, force))
            ShowPixels(page.Id(), int(i), *pixels);
    }
}

void WebHost::Show(tk::TForm& form, tk::TApplication& application) {
    application_ = &application;
    pages_.clear();
    pages_.push_back(std::make_unique<FormPage>(form, nextId_++, true));
    js_show_form(pages_.back()->Description().c_str());
    Publish(*pages_.back(), true);
}

void WebHost::ShowWindow(tk::TForm& form, tk::TApplication& application) {
    application_ = &application;
    for (const auto& p : pages_)
        if (&p->Form() == &form) {
            JsonText raise;
            raise.Field("id", p->Id());
            raise.Field("raise", true);
            js_refresh(raise.Close().c_str());
            return;
        }
    pages_.push_back(std::make_unique<FormPage>(form, nextId_++, false));
    js_show_form(pages_.back()->Description().c_str());
}

namespace {

// A task handed to the browser's timer, freed once it has run.
void RunLaterTask(void* task) {
    const std::unique_ptr<std::function<void()>> run(static_cast<std::function<void()>*>(task));
    (*run)();
}

} // namespace

void WebHost::Later(std::function<void()> task) {
    emscripten_async_call(&RunLaterTask, new std::function<void()>(std::move(task)), 0);
}

// The controls change at once; the pictures follow in the browser's next frame, as a window
// system paints after an update. Handlers that run within one frame (a key held down, a
// file's load and its steps) bring their pictures to the page once, and the handler's own
// time is not the page's copying.
void WebHost::Changed() {
    for (const auto& p : pages_)
        Refresh(*p);
    if (framePending_) return;
    framePending_ = true;
    emscripten_request_animation_frame(&WebHost::Frame, this);
}

EM_BOOL WebHost::Frame(double, void* host) {
    auto* self = static_cast<WebHost*>(host);
    self->framePending_ = false;
    for (const auto& p : self->pages_)
        self->ShowPictures(*p, false);
    return EM_FALSE;
}

void WebHost::ShowError(const std::string& message) {
    const std::string title = pages_.empty() ? program_ : pages_.front()->Form().Caption;
    js_error(title.c_str(), message.c_str());
}

void WebHost::OpenURL(const std::string& url) {
    js_open_url(url.c_str());
}

void WebHost::SetAddress(const std::string& text) {
    js_set_address(text.c_str());
}

std::string WebHost::Address() {
    // The page's own script's answer, copied out before the next script runs.
    return emscripten_run_script_string("ZPage.address.get()");
}

std::optional<std::string> WebHost::AskOpenPath(const tk::TOpenFileQuestion& question) {
    if (!asking_) return std::nullopt;
    if (asking_->Taken < asking_->Answers.size()) return asking_->Answers[asking_->Taken++];
    if (!asking_->Question.empty()) return std::nullopt; // one question at a time
    JsonText q;
    q.Field("kind", "open");
    q.Field("title", question.Title);
    q.Field("filter", question.Filter);
    asking_->Question = q.Close();
    return std::nullopt;
}

bool WebHost::SaveText(const tk::TSaveFileQuestion& question, const std::string& text) {
    js_bytes("save", question.Name.c_str(), reinterpret_cast<const std::uint8_t*>(text.data()),
             int(text.size()));
    return true;
}

std::optional<std::string> WebHost::AskChoice(const tk::TChoiceQuestion& question) {
    if (!asking_) return std::nullopt;
    if (asking_->Taken < asking_->Answers.size()) return asking_->Answers[asking_->Taken++];
    if (!asking_->Question.empty()) return std::nullopt;
    JsonText q;
    q.Field("kind", "choice");
    q.Field("title", question.Title);
    q.Field("prompt", question.Prompt);
    std::vector<std::string> items;
    for (const std::string& item : question.Items)
        items.push_back(Quoted(item));
    q.Raw("items", List(items.data(), items.data() + items.size()));
    q.Field("selected", int(question.Selected));
    asking_->Question = q.Close();
    return std::nullopt;
}

void WebHost::RunCommand() {
    FormPage* page = Page(asking_->Form);
    if (!page || !application_) {
        asking_.reset();
        return;
    }
    tk::TForm& form = page->Form();
    const tk::TActionDesc action = form.Actions()[std::size_t(asking_->Action)];
    asking_->Taken = 0;
    asking_->Question.clear();
    application_->Dispatch([&] { action.Command(form); });
    if (asking_ && !asking_->Question.empty())
        js_ask(asking_->Question.c_str());
    else
        asking_.reset();
}

void WebHost::Answer(std::optional<std::string> answer) {
    if (!asking_) return;
    // A cancel: the run that asked has already changed nothing.
    if (!answer) {
        asking_.reset();
        return;
    }
    asking_->Answers.push_back(std::move(*answer));
    RunCommand();
}

void WebHost::RunAction(int formId, int index, bool pdf) {
    FormPage* page = Page(formId);
    if (!page || !application_ || index < 0 || std::size_t(index) >= page->Form().Actions().size())
        return;
    tk::TForm& form = page->Form();
    const tk::TActionDesc action = form.Actions()[std::size_t(index)];
    tk::TImage* image = FirstImage(form);
    if (action.Kind == tk::TActionKind::Command) {
        asking_ = TAsking{formId, index, {}, 0, {}};
        RunCommand();
        return;
    }
    const std::string program = program_;
    application_->Dispatch([&] {
        switch (action.Kind) {
        case tk::TActionKind::CopyPicture:
            if (image) Bytes("copy", program + ".png", tk::PngOf(image->Picture()));
            break;
        case tk::TActionKind::SavePicture:
            if (image && !pdf) Bytes("save", program + ".png", tk::PngOf(image->Picture()));
            if (image && pdf && image->Canvas.Log)
                Bytes("save", program + ".pdf",
                      tk::PdfOfCalls(
                          *image->Canvas.Log, image->Canvas.Width(), image->Canvas.Height(),
                          tk::PictureTitle(program, action, form), image->OverlayCalls()));
            break;
        case tk::TActionKind::PrintPicture:
            if (image)
                Bytes("print", tk::PictureTitle(program, action, form),
                      tk::PngOf(image->Picture()));
            break;
        case tk::TActionKind::CopyText:
            js_copy_text(action.Text(form).c_str());
            break;
        case tk::TActionKind::ToggleOverlay:
            if (image) image->ShowOverlay(!image->OverlayShown());
            break;
        case tk::TActionKind::Command:
            break;
        }
    });
}

void WebHost::Dropped(int formId, const std::string& path) {
    FormPage* page = Page(formId);
    if (!page) return;
    const auto& actions = page->Form().Actions();
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (actions[i].Kind == tk::TActionKind::Command &&
            actions[i].Shortcut == tk::TShortcut::Open) {
            asking_ = TAsking{formId, int(i), {path}, 0, {}};
            RunCommand();
            return;
        }
}

void WebHost::Closed(int formId) {
    const auto open = std::find_if(pages_.begin(), pages_.end(),
                                   [&](const auto& p) { return p->Id() == formId; });
    if (open == pages_.end() || open == pages_.begin() || !application_) return; // not the main one
    tk::TForm& form = (*open)->Form();
    pages_.erase(open);
    application_->Closed(form);
}

void WebHost::Reshown(int formId, int image, tk::TSize css, double ratio) {
    FormPage* page = Page(formId);
    if (!page) return;
    if (const auto pixels = page->Picture(image, css, ratio, true))
        ShowPixels(page->Id(), image, *pixels);
}

} // namespace tkweb
