#include "toolkit/Application.h"

#include "toolkit/CanvasLog.h"

#include <algorithm>
#include <new>

namespace tk {

void TApplication::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
        // A record checked once is checked again only when it has doubled: pictures drawn
        // over and over without a wipe keep all they have drawn, and are not played back
        // after every keystroke.
        for (std::size_t i = 0; i < images_.size(); ++i)
            if (records_[i].size() > recheckAt_[i]) {
                DropHiddenCalls(images_[i]->Canvas, 0);
                recheckAt_[i] = std::max(kRecordBound, 2 * records_[i].size());
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
    for (TImage* image : images_)
        image->Compose();
    host_.Changed();
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
    form_ = std::move(form);
    form_->Application = this;
    // Recorded from the first call on, while the canvases are still white: a record that
    // begins later cannot give the picture back.
    images_.clear();
    for (const auto& c : form_->Controls())
        if (auto* image = dynamic_cast<TImage*>(c.get())) images_.push_back(image);
    records_.assign(images_.size(), {});
    recheckAt_.assign(images_.size(), kRecordBound);
    for (std::size_t i = 0; i < images_.size(); ++i)
        images_[i]->Canvas.Log = &records_[i];
    if (form_->OnCreate) Dispatch([&] { form_->OnCreate(form_.get()); });
    host_.Show(*form_, *this);
}

} // namespace tk
