# A Windows program's resources, compiled in by windres: the icon drawn from the program's
# shapes, the manifest (themed controls, per-monitor DPI awareness, Windows 10 and 11) and
# the version information Explorer shows. The window program and its console companion
# both carry them:
#
#     include(packaging/windows/Resources.cmake)
#     zchart_windows_resources(zmatch_window zmatch)    # zmatch.exe
#     zchart_windows_resources(zmatch_console zmatch)   # zmatch.com
#
# The description is the program's Russian menu name from its desktop entry, the maker and
# the copyright come from LICENSE, the version from the project: one copy of each.
include_guard(GLOBAL)
enable_language(RC)
include(ExternalProject)

set(ZCHART_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})
get_filename_component(ZCHART_WINDOWS_ROOT ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
set(ZCHART_WINDOWS_OUT ${CMAKE_BINARY_DIR}/packaging/windows)

# The icon maker runs on the building machine: built by the host's compiler with the host's
# Qt, whatever compiler builds the programs.
find_program(ZCHART_HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(ZCHART_MAKE_ICON ${ZCHART_WINDOWS_OUT}/icon-host/make_icon)
ExternalProject_Add(zchart_make_icon
  SOURCE_DIR ${ZCHART_WINDOWS_DIR}/icon
  BINARY_DIR ${ZCHART_WINDOWS_OUT}/icon-host
  CMAKE_ARGS
    -DCMAKE_CXX_COMPILER=${ZCHART_HOST_CXX}
    -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
    -DCMAKE_BUILD_TYPE=Release
    -DZCHART_WERROR=${ZCHART_WERROR}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON # its own make decides, so that an edited shape redraws the icons
  BUILD_BYPRODUCTS ${ZCHART_MAKE_ICON}
)

file(STRINGS ${ZCHART_WINDOWS_ROOT}/LICENSE ZCHART_COPYRIGHT REGEX "^Copyright" LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\)" "©" ZCHART_COPYRIGHT "${ZCHART_COPYRIGHT}")
string(REGEX REPLACE "^© [0-9]+ " "" ZCHART_COMPANY "${ZCHART_COPYRIGHT}")

# What Windows reads back from those resources, for scripts/windows-dist.sh to check.
add_executable(windows_read_resources ${ZCHART_WINDOWS_DIR}/check/ReadResources.cpp)
set_target_properties(windows_read_resources PROPERTIES
  OUTPUT_NAME read_resources RUNTIME_OUTPUT_DIRECTORY ${ZCHART_WINDOWS_OUT})
target_compile_options(windows_read_resources PRIVATE -municode)
target_link_options(windows_read_resources PRIVATE -municode -static)
target_link_libraries(windows_read_resources PRIVATE version gdi32)

function(zchart_windows_icon program)
  if(TARGET zchart_icon_${program})
    return()
  endif()
  set(icon ${ZCHART_WINDOWS_OUT}/${program}.ico)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${ZCHART_MAKE_ICON} ${program} ${icon}
    DEPENDS zchart_make_icon ${ZCHART_MAKE_ICON}
    VERBATIM)
  add_custom_target(zchart_icon_${program} DEPENDS ${icon})
endfunction()

function(zchart_windows_resources target program)
  set(desktop ${ZCHART_WINDOWS_ROOT}/desktop/ru.zchart.${program}.desktop)
  file(STRINGS ${desktop} name REGEX "^Name\\[ru\\]=" LIMIT_COUNT 1 ENCODING UTF-8)
  string(REGEX REPLACE "^Name\\[ru\\]=" "" DESCRIPTION "${name}")
  if(NOT DESCRIPTION)
    message(FATAL_ERROR "${desktop} has no Russian name (Name[ru]=)")
  endif()
  set(PROGRAM ${program})
  set(VERSION ${PROJECT_VERSION})
  # Windows' versions have four numbers: 1.0.0 is 1.0.0.0.
  set(parts "")
  foreach(part MAJOR MINOR PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
      list(APPEND parts 0)
    else()
      list(APPEND parts ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  list(JOIN parts "." VERSION_QUAD)
  list(JOIN parts "," VERSION_COMMAS)
  set(COMPANY ${ZCHART_COMPANY})
  set(COPYRIGHT ${ZCHART_COPYRIGHT})
  set(ICON ${ZCHART_WINDOWS_OUT}/${program}.ico)
  set(MANIFEST ${ZCHART_WINDOWS_OUT}/${program}.manifest)
  set(FILENAME "$<TARGET_FILE_NAME:${target}>")
  configure_file(${ZCHART_WINDOWS_DIR}/program.manifest.in ${MANIFEST} @ONLY)
  configure_file(${ZCHART_WINDOWS_DIR}/program.rc.in ${ZCHART_WINDOWS_OUT}/${target}.rc.in @ONLY)
  file(GENERATE OUTPUT ${ZCHART_WINDOWS_OUT}/${target}.rc
    INPUT ${ZCHART_WINDOWS_OUT}/${target}.rc.in)

  zchart_windows_icon(${program})
  target_sources(${target} PRIVATE ${ZCHART_WINDOWS_OUT}/${target}.rc)
  set_source_files_properties(${ZCHART_WINDOWS_OUT}/${target}.rc PROPERTIES
    OBJECT_DEPENDS "${ICON};${MANIFEST}")
  add_dependencies(${target} zchart_icon_${program})
endfunction()
