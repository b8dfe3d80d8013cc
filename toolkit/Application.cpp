#include "toolkit/Application.h"

#include <new>

namespace tk {

void TApplication::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
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
    if (form_->OnCreate) Dispatch([&] { form_->OnCreate(form_.get()); });
    host_.Show(*form_, *this);
}

} // namespace tk
