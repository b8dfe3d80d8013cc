#include "toolkit/Controls.h"

#include <typeinfo>

#include "toolkit/Exceptions.h"
#include "toolkit/RowList.h"
#include "toolkit/SliderValue.h"

namespace tk {

TControl::TControl(const TControlDesc& desc, TControl* parent)
    : Kind(desc.Kind), Name(desc.Name), Parent(parent), Left(desc.Left), Top(desc.Top),
      Width(desc.Width), Height(desc.Height), TabOrder(desc.TabOrder) {
    if (desc.Link) {
        Font.Color = clBlue;
        Cursor = TCursor::crHandPoint;
    }
}

TRadioButton::TRadioButton(const TControlDesc& desc, TControl* parent, TForm& form)
    : TControl(desc, parent), Caption(desc.Caption), form_(form) {
    if (desc.Checked) SetChecked(true);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked)
        for (const auto& c : form_.Controls())
            if (auto* other = dynamic_cast<TRadioButton*>(c.get());
                other && other != this && other->Parent == Parent)
                other->checked_ = false;
    checked_ = checked;
}

namespace {

std::unique_ptr<TControl> Make(const TControlDesc& d, TControl* parent, TForm& form) {
    using K = TControlKind;
    switch (d.Kind) {
    case K::Image:
        return std::make_unique<TImage>(d, parent);
    case K::Label:
        return std::make_unique<TLabel>(d, parent);
    case K::Edit:
        return std::make_unique<TEdit>(d, parent);
    case K::Button:
        return std::make_unique<TButton>(d, parent);
    case K::GroupBox:
        return std::make_unique<TGroupBox>(d, parent);
    case K::RadioButton:
        return std::make_unique<TRadioButton>(d, parent, form);
    case K::CheckBox:
        return std::make_unique<TCheckBox>(d, parent);
    case K::RowList:
        return std::make_unique<TRowList>(d, parent);
    case K::SliderValue:
        return std::make_unique<TSliderValue>(d, parent);
    }
    throw Exception(std::string("Неизвестный вид элемента: ") + d.Name);
}

} // namespace

TForm::TForm(const TFormDesc& desc)
    : Caption(desc.Caption), ClientWidth(desc.ClientWidth), ClientHeight(desc.ClientHeight) {
    for (const TControlDesc& d : desc.Controls) {
        if (FindControl(d.Name)) throw Exception(std::string("Повторное имя: ") + d.Name);
        TControl* parent = d.Parent ? FindControl(d.Parent) : nullptr;
        if (d.Parent && !parent) throw Exception(std::string("Нет родителя: ") + d.Parent);
        controls_.push_back(Make(d, parent, *this));
    }
    for (const TActionDesc& a : desc.Actions) {
        if (a.Kind == TActionKind::CopyText && !a.Text)
            throw Exception(std::string("Действию нечего копировать: ") + a.Caption);
        if (a.Kind == TActionKind::Command && !a.Command)
            throw Exception(std::string("Действию нечего делать: ") + a.Caption);
        actions_.push_back(a);
    }
}

bool TForm::SameWindow(const TForm& other) const {
    return typeid(*this) == typeid(other);
}

TControl* TForm::FindControl(std::string_view name) const {
    for (const auto& c : controls_)
        if (c->Name == name) return c.get();
    return nullptr;
}

} // namespace tk
