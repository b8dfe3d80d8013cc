#include "chart/Touchstone.h"

#include "toolkit/Exceptions.h"

namespace chart {

TMeasuredLoad ReadTouchstone(std::string_view, int) {
    throw tk::Exception("Файлы Touchstone пока не читаются.");
}

TMeasuredLoad ReadTouchstoneFile(const std::string& path) {
    throw tk::Exception("Файлы Touchstone пока не читаются: " + path);
}

} // namespace chart
