// The title a saved or printed picture carries: the program, and what the form says its
// picture shows.
//
//     PictureTitle("zmatch", save, form)   "zmatch — Zн = 100+j50 Ом, Zв = 50 Ом"
//     PictureTitle("zmatch", copy, form)   "zmatch"   (the action says nothing)
#pragma once

#include "toolkit/Controls.h"

#include <string>

namespace tk {

std::string PictureTitle(const std::string& program, const TActionDesc& action, const TForm& form);

} // namespace tk
