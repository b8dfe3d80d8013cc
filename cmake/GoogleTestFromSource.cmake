# GoogleTest built from Debian's sources (package googletest) for a cross build, where the
# host's libgtest cannot be linked: it defines the same GTest::gtest and GTest::gtest_main
# targets as find_package(GTest) gives a native build.
set(ZCHART_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
if(NOT EXISTS ${ZCHART_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${ZCHART_GOOGLETEST_SOURCE}: apt-get install googletest")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ZCHART_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its own sources are not held to our warning flags.
foreach(target gtest gtest_main)
  set_property(TARGET ${target} PROPERTY COMPILE_OPTIONS "")
endforeach()
