// The windows a binding keeps open for a program's forms: the main one, and those beside it,
// one a form. Each binding's host holds one of these for its own window class, so that the
// rules are the same on every system:
// - a new main window closes every window before it (one main window at a time);
// - a form that has a window beside the main one is found, to raise that window rather than
//   open another;
// - after every handler each window is refreshed, the main one first;
// - a control is looked for in the main window first, then in the others in their order.
// W is the binding's window of a form: it has `const tk::TForm& Form()` and `Refresh()`.
#pragma once

#include "toolkit/Controls.h"

#include <memory>
#include <utility>
#include <vector>

namespace tk {

template <class W> class TFormWindows {
  public:
    W* Main() const { return main_.get(); }

    // The main window anew; every window before it closes first.
    W& SetMain(std::unique_ptr<W> window) {
        Clear();
        main_ = std::move(window);
        return *main_;
    }
    W& Add(std::unique_ptr<W> window) { return *others_.emplace_back(std::move(window)); }
    // The others first, as they belong to the main window.
    void Clear() {
        others_.clear();
        main_.reset();
    }

    // The window beside the main one that shows `form`, or nullptr.
    W* Of(const TForm& form) const {
        for (const auto& w : others_)
            if (&w->Form() == &form) return w.get();
        return nullptr;
    }
    // That window out of the list, for the caller to destroy when its system allows: not
    // within the window's own close event.
    std::unique_ptr<W> Take(const TForm& form) {
        for (auto it = others_.begin(); it != others_.end(); ++it)
            if (&(*it)->Form() == &form) {
                std::unique_ptr<W> taken = std::move(*it);
                others_.erase(it);
                return taken;
            }
        return nullptr;
    }

    void RefreshAll() const {
        if (main_) main_->Refresh();
        for (const auto& w : others_)
            w->Refresh();
    }

    // The first answer `find` gives that is not null, asked of the main window and then of
    // each other: a widget realising a control, a window with a given handle.
    template <class F> auto FindInAny(F find) const -> decltype(find(std::declval<W&>())) {
        if (main_)
            if (auto found = find(*main_)) return found;
        for (const auto& w : others_)
            if (auto found = find(*w)) return found;
        return nullptr;
    }

  private:
    std::unique_ptr<W> main_;
    std::vector<std::unique_ptr<W>> others_;
};

} // namespace tk
