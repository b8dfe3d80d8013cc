#include "toolkit/PictureTitle.h"

namespace tk {

std::string PictureTitle(const std::string& program, const TActionDesc& action, const TForm& form) {
    const std::string shows = action.Text ? action.Text(form) : std::string();
    return shows.empty() ? program : program + " — " + shows;
}

} // namespace tk
