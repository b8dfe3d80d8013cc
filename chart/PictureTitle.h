// What the picture shows, for the title of a PDF or a print job: the load and the line of the
// last «Показать точку», in ohms, as typed and as short as they read.
//
//     Zн = 100+j50 Ом, Zв = 50 Ом
#pragma once

#include "toolkit/Controls.h"

#include <string>

namespace chart {

// Empty before any load is shown, and for a form that is no chart window.
std::string PictureTitle(const tk::TForm& form);

} // namespace chart
