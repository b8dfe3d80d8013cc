#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

struct RecordingHost : tk::THost {
    void Show(tk::TForm&, tk::TApplication&) override { ++shown; }
    void Run() override {}
    void ShowError(const std::string& message) override { errors.push_back(message); }
    void OpenURL(const std::string& url) override { urls.push_back(url); }
    void Changed() override { ++changed; }
    void ShowWindow(tk::TForm& form, tk::TApplication&) override { windows.push_back(&form); }
    int shown = 0, changed = 0;
    std::vector<tk::TForm*> windows;
    std::vector<std::string> errors, urls;
};

using K = tk::TControlKind;
const tk::TControlDesc kControls[] = {
    {K::Label, "Label1", nullptr, 8, 16, 100, 13, "Zн="},
    {K::Edit, "Edit1", nullptr, 34, 13, 63, 21, "0", 0},
    {K::Button, "Button1", nullptr, 8, 99, 169, 25, "Показать точку", 1},
    {K::GroupBox, "GroupBox1", nullptr, 8, 168, 169, 81, "Тип", 2},
    {K::RadioButton, "RadioButton1", "GroupBox1", 3, 24, 142, 17, "А", 0, true},
    {K::RadioButton, "RadioButton2", "GroupBox1", 3, 47, 113, 17, "Б", 1},
    {K::RadioButton, "RadioButton3", nullptr, 3, 300, 113, 17, "В", 3, true},
    {K::Label, "Label2", nullptr, 8, 672, 187, 13, "https://example.org", -1, false, true},
};

struct TestForm : tk::TForm {
    TestForm() : tk::TForm({"Окно", 300, 200, kControls}) {
        OnCreate = [this](tk::TObject*) { ++created; };
    }
    int created = 0;
};

// Handlers run through one dispatcher: an escaping exception ends only that handler, its
// message goes to the error box, and the screen is brought up to date either way.
TEST(Application, DispatchShowsWhatEscapesAHandler) {
    struct Row {
        std::function<void()> handler;
        std::string shown; // empty: no error
    };
    const Row rows[] = {
        {[] {}, ""},
        {[] { throw tk::EConvertError("\"x\" не является числом"); }, "\"x\" не является числом"},
        {[] { throw tk::EZeroDivide(); }, tk::InternalError("деление на ноль")},
        {[] { throw std::runtime_error("сбой"); }, tk::InternalError("сбой")},
        {[] { throw 1; }, tk::InternalError("")},
    };
    for (const Row& r : rows) {
        RecordingHost host;
        tk::TApplication app(host);
        app.Dispatch(r.handler);
        EXPECT_EQ(host.changed, 1);
        const std::vector<std::string> expected =
            r.shown.empty() ? std::vector<std::string>{} : std::vector<std::string>{r.shown};
        EXPECT_EQ(host.errors, expected);
    }
}

// CreateForm builds the form from its description, fires OnCreate once, then shows it.
TEST(Application, CreateFormBuildsFiresAndShows) {
    RecordingHost host;
    tk::TApplication app(host);
    TestForm* form = nullptr;
    app.CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->created, 1);
    EXPECT_EQ(host.shown, 1);
    EXPECT_EQ(form->Application, &app);
    auto* edit = form->Get<tk::TEdit>("Edit1");
    EXPECT_EQ(edit->Text, "0");
    EXPECT_EQ(edit->TabOrder, 0);
    EXPECT_EQ(form->Get<tk::TRadioButton>("RadioButton1")->Parent, form->FindControl("GroupBox1"));
    auto* link = form->Get<tk::TLabel>("Label2");
    EXPECT_EQ(link->Font.Color, tk::clBlue);
    EXPECT_EQ(link->Cursor, tk::TCursor::crHandPoint);
    EXPECT_THROW(form->Get<tk::TEdit>("Label1"), std::logic_error);
}

// Radio buttons exclude each other only within their parent.
TEST(Application, RadioButtonsExcludeWithinTheirGroup) {
    TestForm form;
    auto* r1 = form.Get<tk::TRadioButton>("RadioButton1");
    auto* r2 = form.Get<tk::TRadioButton>("RadioButton2");
    auto* r3 = form.Get<tk::TRadioButton>("RadioButton3");
    EXPECT_TRUE(r1->Checked());
    r2->SetChecked(true);
    EXPECT_FALSE(r1->Checked());
    EXPECT_TRUE(r2->Checked());
    EXPECT_TRUE(r3->Checked());
    r1->SetChecked(true);
    EXPECT_FALSE(r2->Checked());
}

struct OtherForm : TestForm {};

// A window beside the main one is one of a kind: opened again, the one open is shown and
// the new one dropped; another kind opens beside it; a closed one is forgotten.
TEST(Application, OpenWindowKeepsOneOfAKind) {
    RecordingHost host;
    tk::TApplication app(host);
    TestForm* main = nullptr;
    app.CreateForm(main);
    tk::TForm& first = app.OpenWindow(std::make_unique<TestForm>());
    EXPECT_EQ(dynamic_cast<TestForm&>(first).created, 1);
    EXPECT_EQ(&app.OpenWindow(std::make_unique<TestForm>()), &first);
    tk::TForm& other = app.OpenWindow(std::make_unique<OtherForm>());
    EXPECT_EQ(app.Windows(), (std::vector<tk::TForm*>{&first, &other}));
    EXPECT_EQ(host.windows, (std::vector<tk::TForm*>{&first, &first, &other}));
    EXPECT_EQ(first.Application, &app);
    app.Closed(first);
    EXPECT_EQ(app.Windows(), (std::vector<tk::TForm*>{&other}));
    EXPECT_EQ(app.MainForm(), main);
}

// A malformed description is refused with a message, not built half-way.
TEST(Application, MalformedDescriptionsAreRefused) {
    const tk::TControlDesc twice[] = {{K::Edit, "Edit1", nullptr, 0, 0, 1, 1, ""},
                                      {K::Edit, "Edit1", nullptr, 0, 0, 1, 1, ""}};
    const tk::TControlDesc orphan[] = {{K::Edit, "Edit1", "Nowhere", 0, 0, 1, 1, ""}};
    const tk::TControlDesc unknown[] = {{static_cast<K>(99), "Thing1", nullptr, 0, 0, 1, 1, ""}};
    EXPECT_THROW(tk::TForm({"", 1, 1, twice}), tk::Exception);
    EXPECT_THROW(tk::TForm({"", 1, 1, orphan}), tk::Exception);
    EXPECT_THROW(tk::TForm({"", 1, 1, unknown}), tk::Exception);
    const tk::TActionDesc textless[] = {
        {"Копировать", tk::TShortcut::None, tk::TActionKind::CopyText}};
    EXPECT_THROW(tk::TForm({"", 1, 1, {}, textless}), tk::Exception);
}

// The application's number format is the one the short conversions write with while it
// lives, without one it keeps the format of the moment, and the one before comes back.
TEST(Application, ItsNumberFormatHoldsWhileItLives) {
    const tk::TFormatScope point(tk::TFormatSettings{'.'});
    RecordingHost host;
    {
        tk::TApplication application(host, tk::TFormatSettings{','});
        EXPECT_EQ(application.Format().DecimalSeparator, ',');
        EXPECT_EQ(tk::FloatToStrF(0.5, 4, 2), "0,50");
        EXPECT_EQ(tk::StrToFloat("0,25"), 0.25);
        const tk::TApplication keeping(host);
        EXPECT_EQ(keeping.Format().DecimalSeparator, ',');
    }
    EXPECT_EQ(tk::FloatToStrF(0.5, 4, 2), "0.50");
}

} // namespace

// The wheel and a drag run as handlers: each brings its change on screen, a press whose
// handler fails takes nothing and shows its message, and a control without a handler for
// them leaves the host untouched.
TEST(Application, WheelAndDragRunAsHandlers) {
    RecordingHost host;
    tk::TApplication app(host);
    TestForm* form = nullptr;
    app.CreateForm(form);
    tk::TImage image({K::Image, "Image1", nullptr, 0, 0, 10, 10, ""}, nullptr);
    const int changed = host.changed;
    EXPECT_FALSE(app.Press(image, {1, 1}));
    app.Wheel(image, {1, 1}, {1, false});
    EXPECT_EQ(host.changed, changed);
    std::vector<std::string> seen;
    image.OnWheel = [&](tk::TPoint p, tk::TWheel w) {
        seen.push_back("wheel " + std::to_string(p.X) + " " + std::to_string(w.Notches) +
                       (w.Coarse ? " coarse" : ""));
    };
    image.OnPress = [&](tk::TPoint p) {
        if (p.X < 0) throw tk::Exception("мимо");
        return p.X > 5;
    };
    image.OnDrag = [&](tk::TPoint p) { seen.push_back("drag " + std::to_string(p.X)); };
    image.OnRelease = [&](tk::TPoint p) { seen.push_back("release " + std::to_string(p.X)); };
    app.Wheel(image, {3, 4}, {-2, true});
    EXPECT_FALSE(app.Press(image, {2, 2}));
    EXPECT_TRUE(app.Press(image, {7, 2}));
    EXPECT_FALSE(app.Press(image, {-1, 2}));
    app.Drag(image, {8, 2});
    app.Release(image, {9, 2});
    EXPECT_EQ(seen, (std::vector<std::string>{"wheel 3 -2 coarse", "drag 8", "release 9"}));
    EXPECT_EQ(host.errors, std::vector<std::string>{"мимо"});
    EXPECT_EQ(host.changed, changed + 6);
}
