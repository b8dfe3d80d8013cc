// A small form with one control of each kind, shown through a host that records error
// boxes and opened addresses instead of showing or opening them, and answers the modal
// questions from a script.
#pragma once

#include "tests/common/ScriptedAnswers.h"
#include "tests/qt/OffscreenDesktop.h"
#include "toolkit/Application.h"
#include "toolkit/qt/QtHost.h"

#include <QWidget>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testform {

using K = tk::TControlKind;

// Tab order deliberately differs from the order on screen and in the form: Edit2 before
// Edit1, the group box between them and Button1, Button2 not reached at all.
inline constexpr tk::TControlDesc kControls[] = {
    {K::Image, "Image1", nullptr, 200, 8, 40, 30, "", -1},
    {K::Label, "Label1", nullptr, 8, 16, 103, 13, "Zн=                        +j", -1},
    {K::Edit, "Edit1", nullptr, 34, 13, 63, 21, "0", 1},
    {K::Edit, "Edit2", nullptr, 117, 13, 60, 21, "5", 0},
    {K::Button, "Button1", nullptr, 8, 99, 169, 25, "Показать точку", 3},
    {K::GroupBox, "GroupBox1", nullptr, 8, 130, 169, 81, "Тип шлейфа", 2},
    {K::RadioButton, "RadioButton1", "GroupBox1", 3, 24, 142, 17, "Коротко замкнутый", 0, true},
    {K::RadioButton, "RadioButton2", "GroupBox1", 3, 47, 113, 17, "Разомкнутый", 1},
    {K::CheckBox, "CheckBox1", nullptr, 8, 215, 169, 17, "отображать дополн.точки", 4},
    {K::Button, "Button2", nullptr, 8, 240, 169, 25, "Сбой", -1},
    {K::Label, "Label2", nullptr, 8, 270, 38, 13, "Итог = ", -1},
    {K::Label, "Label3", nullptr, 8, 300, 70, 13, "example.org", -1, false, true},
};

// What the text action copies: made from the form when it runs.
inline std::string Results(const tk::TForm& form) {
    return "итог: " + form.Get<tk::TLabel>("Label2")->Caption;
}

inline constexpr tk::TActionDesc kActions[] = {
    {"Копировать рисунок", tk::TShortcut::Copy, tk::TActionKind::CopyPicture},
    {"Сохранить рисунок…", tk::TShortcut::Save, tk::TActionKind::SavePicture},
    {"Печать…", tk::TShortcut::Print, tk::TActionKind::PrintPicture},
    {"Копировать итог", tk::TShortcut::None, tk::TActionKind::CopyText, Results},
};

inline constexpr tk::TFormDesc kForm{"Диаграмма сопротивлений", 1016, 734, kControls, kActions};

inline constexpr const char* kAddress = "https://example.org/";
inline constexpr const char* kBadNumber = "'x' is not a valid floating point value";

class TTestForm : public tk::TForm {
  public:
    TTestForm() : TForm(kForm) {
        Get<tk::TButton>("Button1")->OnClick = [this](tk::TObject*) {
            Get<tk::TLabel>("Label2")->Caption = "Итог = " + Get<tk::TEdit>("Edit1")->Text;
        };
        // Writes, then fails: what was written before the failure stays on screen.
        Get<tk::TButton>("Button2")->OnClick = [this](tk::TObject*) {
            Get<tk::TLabel>("Label2")->Caption = "до сбоя";
            throw tk::EConvertError(kBadNumber);
        };
        Get<tk::TLabel>("Label3")->OnClick = [this](tk::TObject*) {
            Application->OpenURL(kAddress);
        };
    }
};

class RecordingHost : public tkqt::QtHost {
  public:
    void ShowError(const std::string& message) override { Errors.push_back(message); }
    std::optional<std::string> AskOpenPath(const tk::TOpenFileQuestion& q) override {
        return Script.Open(q);
    }
    std::optional<std::string> AskChoice(const tk::TChoiceQuestion& q) override {
        return Script.Choose(q);
    }
    void OpenURL(const std::string& url) override { Urls.push_back(url); }

    std::vector<std::string> Errors;
    std::vector<std::string> Urls;
    testing_common::ScriptedAnswers Script;
};

class FormTest : public ::testing::Test {
  protected:
    FormTest() { app.CreateForm(form); }

    template <class W = QWidget> W* Widget(std::string_view name) const {
        return qobject_cast<W*>(host.WidgetOf(*form->FindControl(name)));
    }
    template <class T> T* Control(std::string_view name) const { return form->Get<T>(name); }

    testing_qt::OffscreenDesktop platform;
    RecordingHost host;
    tk::TApplication app{host};
    TTestForm* form = nullptr;
};

} // namespace testform
