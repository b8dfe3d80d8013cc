#include "Controls.h"

#include "Exceptions.h"

namespace tk {

void TRadioButton::SetChecked(bool checked) {
    if (checked)
        for (const auto& c : form_.Controls())
            if (auto* other = dynamic_cast<TRadioButton*>(c.get());
                other && other != this && other->Parent == Parent)
                other->checked_ = false;
    checked_ = checked;
}

namespace {

std::unique_ptr<TControl> Make(const TControlDesc& d, TForm& form) {
    switch (d.Kind) {
    case TControlKind::Image:
        return std::make_unique<TImage>(d.Name, d.Width, d.Height);
    case TControlKind::Label: {
        auto c = std::make_unique<TLabel>(d.Name);
        c->Caption = d.Caption;
        return c;
    }
    case TControlKind::Edit: {
        auto c = std::make_unique<TEdit>(d.Name);
        c->Text = d.Caption;
        return c;
    }
    case TControlKind::Button: {
        auto c = std::make_unique<TButton>(d.Name);
        c->Caption = d.Caption;
        return c;
    }
    case TControlKind::GroupBox: {
        auto c = std::make_unique<TGroupBox>(d.Name);
        c->Caption = d.Caption;
        return c;
    }
    case TControlKind::RadioButton: {
        auto c = std::make_unique<TRadioButton>(d.Name, form);
        c->Caption = d.Caption;
        return c;
    }
    case TControlKind::CheckBox: {
        auto c = std::make_unique<TCheckBox>(d.Name);
        c->Caption = d.Caption;
        c->Checked = d.Checked;
        return c;
    }
    }
    throw Exception(std::string("Неизвестный вид элемента: ") + d.Name);
}

} // namespace

TForm::TForm(const TFormDesc& desc)
    : Caption(desc.Caption), ClientWidth(desc.ClientWidth), ClientHeight(desc.ClientHeight) {
    for (const TControlDesc& d : desc.Controls) {
        if (FindControl(d.Name)) throw Exception(std::string("Повторное имя: ") + d.Name);
        auto c = Make(d, *this);
        if (d.Parent) {
            c->Parent = FindControl(d.Parent);
            if (!c->Parent) throw Exception(std::string("Нет родителя: ") + d.Parent);
        }
        c->Left = d.Left;
        c->Top = d.Top;
        c->Width = d.Width;
        c->Height = d.Height;
        c->TabOrder = d.TabOrder;
        if (d.Link) {
            c->Font.Color = clBlue;
            c->Cursor = TCursor::crHandPoint;
        }
        controls_.push_back(std::move(c));
        if (d.Kind == TControlKind::RadioButton && d.Checked)
            static_cast<TRadioButton&>(*controls_.back()).SetChecked(true);
    }
}

TControl* TForm::FindControl(std::string_view name) const {
    for (const auto& c : controls_)
        if (c->Name == name) return c.get();
    return nullptr;
}

} // namespace tk
