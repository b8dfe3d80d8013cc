#include "toolkit/Application.h"

#include "toolkit/CanvasLog.h"

#include <algorithm>
#include <new>
#include <typeinfo>

namespace tk {

bool THost::RunLater() {
    std::vector<std::function<void()>> now;
    now.swap(later_);
    for (const std::function<void()>& task : now)
        task();
    return !now.empty();
}

void TApplication::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
        // A record checked once is checked again only when it has doubled: pictures drawn
        // over and over without a wipe keep all they have drawn, and are not played back
        // after every keystroke.
        for (TShownForm* shown : Shown())
            for (std::size_t i = 0; i < shown->Images.size(); ++i)
                if (shown->Records[i].size() > shown->RecheckAt[i]) {
                    DropHiddenCalls(shown->Images[i]->Canvas, 0);
                    shown->RecheckAt[i] = std::max(kRecordBound, 2 * shown->Records[i].size());
                }
    } catch (const Exception& e) {
        ShowException(e);
    } catch (const std::bad_alloc&) {
        ShowException(Exception("Недостаточно памяти для этого действия: закройте другие "
                                "программы и повторите его."));
    } catch (const std::exception& e) {
        ShowException(Exception(InternalError(e.what())));
    } catch (...) {
        ShowException(Exception(InternalError("")));
    }
    for (TShownForm* shown : Shown())
        for (TImage* image : shown->Images)
            image->Compose();
    host_.Changed();
}

void TApplication::Select(TRowList& list, int row) {
    Dispatch([&] {
        const int before = list.ItemIndex();
        list.SetItemIndex(row);
        if (list.ItemIndex() != before && list.OnChange) list.OnChange(&list);
    });
}

void TApplication::Slide(TSliderValue& slider, int position) {
    Dispatch([&] {
        const int before = slider.Position();
        slider.SetPosition(position);
        if (slider.Position() != before && slider.OnChange) slider.OnChange(&slider);
    });
}

std::unique_ptr<TApplication::TShownForm> TApplication::Prepare(std::unique_ptr<TForm> form) {
    auto shown = std::make_unique<TShownForm>();
    shown->Form = std::move(form);
    shown->Form->Application = this;
    // Recorded from the first call on, while the canvases are still white: a record that
    // begins later cannot give the picture back.
    for (const auto& c : shown->Form->Controls())
        if (auto* image = dynamic_cast<TImage*>(c.get())) shown->Images.push_back(image);
    shown->Records.assign(shown->Images.size(), {});
    shown->RecheckAt.assign(shown->Images.size(), kRecordBound);
    for (std::size_t i = 0; i < shown->Images.size(); ++i)
        shown->Images[i]->Canvas.Log = &shown->Records[i];
    return shown;
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
    windows_.clear();
    main_ = Prepare(std::move(form));
    TForm& f = *main_->Form;
    if (f.OnCreate) Dispatch([&] { f.OnCreate(&f); });
    host_.Show(f, *this);
}

TForm& TApplication::OpenWindow(std::unique_ptr<TForm> form) {
    TForm* open = nullptr;
    const TForm& made = *form;
    for (const auto& w : windows_) {
        TForm& shown = *w->Form;
        if (shown.SameWindow(made)) open = &shown;
    }
    if (!open) {
        windows_.push_back(Prepare(std::move(form)));
        open = windows_.back()->Form.get();
        if (open->OnCreate) open->OnCreate(open);
    }
    host_.ShowWindow(*open, *this);
    return *open;
}

void TApplication::Closed(TForm& form) {
    if (form.OnClose) Dispatch([&] { form.OnClose(&form); });
    std::erase_if(windows_, [&](const auto& w) { return w->Form.get() == &form; });
}

std::vector<TForm*> TApplication::Windows() const {
    std::vector<TForm*> forms;
    for (const auto& w : windows_)
        forms.push_back(w->Form.get());
    return forms;
}

std::vector<TApplication::TShownForm*> TApplication::Shown() const {
    std::vector<TShownForm*> shown;
    if (main_) shown.push_back(main_.get());
    for (const auto& w : windows_)
        shown.push_back(w.get());
    return shown;
}

} // namespace tk
