// A control and the widget that realises it. One class per control kind (in
// ControlBinding.cpp) creates the widget as the control was designed, passes what the user
// does to the widget on to the control, and shows what a handler wrote into the control:
// a field's typing becomes the control's Text at once, a Text a handler set becomes the
// field's contents.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Link.h"

#include <memory>
#include <string>

class QWidget;

namespace tkqt {

class FontMap;

class ControlBinding {
  public:
    virtual ~ControlBinding() = default;

    virtual const tk::TControl& Control() const = 0;
    virtual QWidget* Widget() const = 0;
    // After a handler: the widget shows what its control now holds. The window keeps the
    // widgets' signals blocked meanwhile, since this is no user's doing.
    virtual void Refresh() = 0;
    // The widget's tooltip (toolkit/Link.h); empty for none.
    std::string ToolTip() const { return tk::ToolTipOf(Control()); }
};

// What a binding needs beyond its own control: the application that runs every event,
// the form for what a control's siblings hold, and the fonts.
struct BindingContext {
    tk::TApplication& application;
    tk::TForm& form;
    const FontMap& fonts;
};

// The binding for a control of any kind, its widget created inside `parent`.
std::unique_ptr<ControlBinding> Bind(tk::TControl& control, QWidget* parent,
                                     const BindingContext& context);

// What every kind shares: the control's font, colour and cursor, its designed place, and
// the focus.
void Dress(QWidget& widget, const tk::TControl& control, const FontMap& fonts);

// The kinds whose bindings have files of their own (RowListBinding.cpp, SliderValueBinding.cpp).
std::unique_ptr<ControlBinding> BindRowList(tk::TRowList& list, QWidget* parent,
                                            const BindingContext& context);
std::unique_ptr<ControlBinding> BindSliderValue(tk::TSliderValue& slider, QWidget* parent,
                                                const BindingContext& context);

} // namespace tkqt
