#include "toolkit/web/FormPage.h"

#include "toolkit/Link.h"
#include "toolkit/RowList.h"
#include "toolkit/ShortcutKeys.h"
#include "toolkit/SliderValue.h"
#include "toolkit/TabOrder.h"
#include "toolkit/web/JsonText.h"

#include <algorithm>

namespace tkweb {

namespace {

const char* KindName(tk::TControlKind kind) {
    using K = tk::TControlKind;
    switch (kind) {
    case K::Image:
        return "image";
    case K::Label:
        return "label";
    case K::Edit:
        return "edit";
    case K::Button:
        return "button";
    case K::GroupBox:
        return "group";
    case K::RadioButton:
        return "radio";
    case K::CheckBox:
        return "check";
    case K::RowList:
        return "rowlist";
    case K::SliderValue:
        return "slider";
    }
    return "label";
}

// The keys of a shortcut as the page matches them: "ctrl+c", "f1"; empty: none.
std::string MatchOf(const tk::TShortcutKeys& keys) {
    std::string match = keys.Control ? "ctrl+" : "";
    if (keys.Letter) return match + char(keys.Letter - 'A' + 'a');
    if (keys.FunctionKey) return match + "f" + std::to_string(keys.FunctionKey);
    if (keys.Escape) return match + "escape";
    return {};
}

const char* ActionName(tk::TActionKind kind) {
    using A = tk::TActionKind;
    switch (kind) {
    case A::CopyPicture:
        return "copy";
    case A::SavePicture:
        return "save";
    case A::PrintPicture:
        return "print";
    case A::CopyText:
        return "copytext";
    case A::ToggleOverlay:
        return "overlay";
    case A::Command:
        return "command";
    }
    return "command";
}

std::string ColorText(tk::TColor c) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        text += kHex[(c >> shift) & 15];
    return text;
}

bool Readable(const tk::TControl& c) {
    const auto* image = dynamic_cast<const tk::TImage*>(&c);
    return image && (image->OnReadout || image->OnPick);
}

bool CheckedOf(const tk::TControl& c) {
    if (c.Kind == tk::TControlKind::RadioButton)
        return static_cast<const tk::TRadioButton&>(c).Checked();
    if (c.Kind == tk::TControlKind::CheckBox) return static_cast<const tk::TCheckBox&>(c).Checked;
    return false;
}

std::string TextList(const std::vector<std::string>& texts) {
    std::vector<std::string> quoted;
    for (const std::string& t : texts)
        quoted.push_back(Quoted(t));
    return List(quoted.data(), quoted.data() + quoted.size());
}

// What a list or a slider holds beyond its text, for the page to show: the rows and the
// selected one, the range and the position and the steps; null for the other kinds.
std::string HeldState(const tk::TControl& c) {
    if (const auto* list = dynamic_cast<const tk::TRowList*>(&c)) {
        std::vector<std::string> rows;
        for (const tk::TRowList::TRow& row : list->Rows())
            rows.push_back(TextList(row));
        JsonText o;
        o.Raw("rows", List(rows.data(), rows.data() + rows.size()));
        o.Field("item", list->ItemIndex());
        return o.Close();
    }
    if (const auto* slider = dynamic_cast<const tk::TSliderValue*>(&c)) {
        JsonText o;
        o.Field("min", slider->Min());
        o.Field("max", slider->Max());
        o.Field("pos", slider->Position());
        o.Field("small", slider->SmallStep);
        o.Field("large", slider->LargeStep);
        return o.Close();
    }
    return "null";
}

// A list's rows, kept to compare with the next; none for the other kinds.
std::vector<tk::TRowList::TRow> RowsOf(const tk::TControl& c) {
    if (c.Kind != tk::TControlKind::RowList) return {};
    return static_cast<const tk::TRowList&>(c).Rows();
}

// Whether a list shows the rows it showed: compared in place, without a copy.
bool SameRows(const tk::TControl& c, const std::vector<tk::TRowList::TRow>& before) {
    return c.Kind != tk::TControlKind::RowList ||
           static_cast<const tk::TRowList&>(c).Rows() == before;
}

} // namespace

THeld HeldOf(const tk::TControl& c) {
    if (c.Kind == tk::TControlKind::RowList)
        return {static_cast<const tk::TRowList&>(c).ItemIndex()};
    if (c.Kind != tk::TControlKind::SliderValue) return {};
    const auto& slider = static_cast<const tk::TSliderValue&>(c);
    return {-1, slider.Min(), slider.Max(), slider.Position(), slider.SmallStep, slider.LargeStep};
}

const std::string& ShownText(const tk::TControl& c) {
    // By the control's kind, as it was built (TControl): asked of every control on every
    // change, where a chain of casts cost more than the rest of the comparison.
    using K = tk::TControlKind;
    static const std::string kNone;
    switch (c.Kind) {
    case K::Label:
        return static_cast<const tk::TLabel&>(c).Caption;
    case K::Edit:
        return static_cast<const tk::TEdit&>(c).Text;
    case K::Button:
        return static_cast<const tk::TButton&>(c).Caption;
    case K::GroupBox:
        return static_cast<const tk::TGroupBox&>(c).Caption;
    case K::RadioButton:
        return static_cast<const tk::TRadioButton&>(c).Caption;
    case K::CheckBox:
        return static_cast<const tk::TCheckBox&>(c).Caption;
    case K::SliderValue:
        return static_cast<const tk::TSliderValue&>(c).Caption;
    case K::Image:
    case K::RowList:
        break;
    }
    return kNone;
}

FormPage::FormPage(tk::TForm& form, int id, bool main) : form_(form), id_(id), main_(main) {
    sent_.resize(form.Controls().size());
    for (std::size_t i = 0; i < form.Controls().size(); ++i)
        if (form.Controls()[i]->Kind == tk::TControlKind::Image)
            images_.push_back(TImageState{int(i), {}, {}, {}, {}, {}, false, {}});
}

tk::TControl* FormPage::Control(int index) const {
    if (index < 0 || std::size_t(index) >= form_.Controls().size()) return nullptr;
    return form_.Controls()[std::size_t(index)].get();
}

tk::TImage* FormPage::Image(int index) const {
    return dynamic_cast<tk::TImage*>(Control(index));
}

std::string FormPage::ControlJson(int index) const {
    const tk::TControl& c = *Control(index);
    JsonText o;
    o.Field("i", index);
    o.Field("kind", KindName(c.Kind));
    o.Field("name", c.Name);
    int parent = -1;
    for (std::size_t j = 0; j < form_.Controls().size(); ++j)
        if (form_.Controls()[j].get() == c.Parent) parent = int(j);
    o.Field("parent", parent);
    o.Field("text", ShownText(c));
    o.Field("checked", CheckedOf(c));
    o.Field("link", tk::IsLink(c));
    o.Field("color", ColorText(c.Font.Color));
    o.Field("readable", Readable(c));
    if (const auto* list = dynamic_cast<const tk::TRowList*>(&c)) {
        o.Raw("columns", TextList(list->Columns()));
        std::vector<std::string> shares;
        for (int s : list->ColumnShares())
            shares.push_back(std::to_string(s));
        o.Raw("shares", List(shares.data(), shares.data() + shares.size()));
    }
    return o.Close();
}

std::string FormPage::Description() const {
    JsonText o;
    o.Field("id", id_);
    o.Field("main", main_);
    o.Field("caption", form_.Caption);
    o.Field("width", form_.ClientWidth);
    o.Field("column", ColumnWidth());
    o.Field("arrows", bool(form_.OnArrowKey));
    std::vector<std::string> controls;
    for (std::size_t i = 0; i < form_.Controls().size(); ++i)
        controls.push_back(ControlJson(int(i)));
    o.Raw("controls", List(controls.data(), controls.data() + controls.size()));

    // The page's elements in Tab's order: the designed stops, then what Tab does not reach,
    // then a picture read with the keys, Tab's last stop.
    const auto& all = form_.Controls();
    const auto indexOf = [&](const tk::TControl* c) {
        return std::to_string(
            std::find_if(all.begin(), all.end(), [&](const auto& p) { return p.get() == c; }) -
            all.begin());
    };
    std::vector<std::string> stops, order;
    for (const tk::TControl* c : tk::TabSequence(form_)) {
        stops.push_back(indexOf(c));
        order.push_back(stops.back());
    }
    for (const auto& c : all)
        if (std::find(stops.begin(), stops.end(), indexOf(c.get())) == stops.end() && !Readable(*c))
            order.push_back(indexOf(c.get()));
    for (const auto& c : all)
        if (Readable(*c)) {
            stops.push_back(indexOf(c.get()));
            order.push_back(stops.back());
        }
    o.Raw("order", List(order.data(), order.data() + order.size()));
    o.Raw("stops", List(stops.data(), stops.data() + stops.size()));

    std::vector<std::string> actions;
    for (std::size_t i = 0; i < form_.Actions().size(); ++i) {
        const tk::TActionDesc& a = form_.Actions()[i];
        JsonText row;
        row.Field("i", int(i));
        row.Field("caption", a.Caption);
        row.Field("kind", ActionName(a.Kind));
        const tk::TShortcutKeys keys = tk::ShortcutKeysOf(a.Shortcut);
        row.Field("keys", MatchOf(keys));
        row.Field("shown", keys.Shown);
        actions.push_back(row.Close());
    }
    o.Raw("actions", List(actions.data(), actions.data() + actions.size()));
    return o.Close();
}

std::string FormPage::Changes() {
    JsonText o;
    o.Field("id", id_);
    bool any = !sentOnce_;
    if (form_.Caption != caption_ || !sentOnce_) {
        caption_ = form_.Caption;
        o.Field("caption", caption_);
        any = true;
    }
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < form_.Controls().size(); ++i) {
        const tk::TControl& c = *form_.Controls()[i];
        TSent& s = sent_[i];
        const std::string& text = ShownText(c);
        const std::string& hint = tk::ToolTipOf(c);
        const bool checked = CheckedOf(c);
        const THeld held = HeldOf(c);
        if (s.Sent && s.Text == text && s.Hint == hint && s.Checked == checked &&
            s.Visible == c.Visible && held == s.Held && SameRows(c, s.Rows))
            continue;
        JsonText row;
        row.Field("i", int(i));
        row.Field("text", text);
        row.Field("hint", hint);
        row.Field("checked", checked);
        row.Field("visible", c.Visible);
        row.Raw("state", HeldState(c));
        changed.push_back(row.Close());
        s = {text, hint, held, RowsOf(c), checked, c.Visible, true};
    }
    any = any || !changed.empty();
    o.Raw("controls", List(changed.data(), changed.data() + changed.size()));
    bool overlay = false;
    if (!images_.empty()) overlay = Image(images_.front().Index)->OverlayShown();
    if (!images_.empty() && (overlay != images_.front().Overlay || !sentOnce_)) any = true;
    if (!images_.empty()) images_.front().Overlay = overlay;
    o.Field("overlay", overlay);
    sentOnce_ = true;
    if (!any) return {};
    return o.Close();
}

} // namespace tkweb
