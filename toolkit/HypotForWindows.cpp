// The Windows build's hypot: tk::Hypot in place of the C runtime's, for std::hypot and for
// std::abs of a complex number (mingw's cabs calls hypot) alike. Linked into each Windows
// executable itself (toolkit/CMakeLists.txt), so it is found before msvcrt.dll's, whose
// last bit differs from glibc's for about one vector in eight and differs again between
// Windows and Wine. See Hypot.h.
#include "toolkit/Hypot.h"

extern "C" double hypot(double x, double y) {
    return tk::Hypot(x, y);
}
