#include "toolkit/Application.h"

#include "toolkit/CanvasLog.h"

#include <new>

namespace tk {

void TApplication::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
        for (TImage* image : images_)
            DropHiddenCalls(image->Canvas);
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
    for (std::size_t i = 0; i < images_.size(); ++i)
        images_[i]->Canvas.Log = &records_[i];
    if (form_->OnCreate) Dispatch([&] { form_->OnCreate(form_.get()); });
    host_.Show(*form_, *this);
}

} // namespace tk
