# dlib's optimisation headers (Debian's libdlib-dev), for the one theory file that tunes a
# network across a band (theory/ChooseTuning.cpp). They are templates: nothing to link.
#
# The cross builds (mingw-w64, Emscripten) must not see the host's /usr/include, where the
# host's C library lives beside dlib: a folder in the build tree holds only a link `dlib`
# to the host's dlib, and that folder is what the compiler is given, as a system folder so
# that dlib's own warnings stay dlib's.
set(ZCHART_DLIB_DIR /usr/include/dlib CACHE PATH "dlib's headers (libdlib-dev)")
if(NOT EXISTS "${ZCHART_DLIB_DIR}/optimization/optimization_bobyqa.h")
  message(FATAL_ERROR "dlib's headers are not in ${ZCHART_DLIB_DIR}: install libdlib-dev "
    "(scripts/setup.sh) or set ZCHART_DLIB_DIR")
endif()
set(ZCHART_DLIB_INCLUDE "${CMAKE_BINARY_DIR}/dlib-include")
file(MAKE_DIRECTORY "${ZCHART_DLIB_INCLUDE}")
file(CREATE_LINK "${ZCHART_DLIB_DIR}" "${ZCHART_DLIB_INCLUDE}/dlib" SYMBOLIC)
