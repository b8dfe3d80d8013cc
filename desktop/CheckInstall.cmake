# Installs the build into a fresh prefix and checks that a desktop would find both
# programs there: each menu entry starts an installed program and names an installed
# icon, and the entries pass desktop-file-validate where it is at hand.
#
#   cmake -D BUILD_DIR=... -D PREFIX=... -D BINDIR=bin -D DATADIR=share -P CheckInstall.cmake
foreach(var BUILD_DIR PREFIX BINDIR DATADIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(status)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

function(expect_file path)
  if(NOT EXISTS "${PREFIX}/${path}" OR IS_DIRECTORY "${PREFIX}/${path}")
    message(SEND_ERROR "not installed: ${path}")
  endif()
endfunction()

# The value of `key` in the [Desktop Entry] group of `entry`; empty when missing.
function(entry_value entry key out)
  file(STRINGS "${entry}" lines ENCODING UTF-8)
  set(group "")
  set(value "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^\\[(.*)\\]$")
      set(group "${CMAKE_MATCH_1}")
    elseif(group STREQUAL "Desktop Entry" AND line MATCHES "^${key}=(.*)$")
      set(value "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

find_program(VALIDATE desktop-file-validate)
if(NOT VALIDATE)
  message(STATUS "desktop-file-validate not found: menu entries not validated")
endif()

foreach(program zmatch zline)
  set(entry "${DATADIR}/applications/${program}.desktop")
  expect_file("${BINDIR}/${program}")
  expect_file("${entry}")
  expect_file("${DATADIR}/icons/hicolor/scalable/apps/${program}.svg")
  if(NOT EXISTS "${PREFIX}/${entry}")
    continue()
  endif()

  entry_value("${PREFIX}/${entry}" Exec exec)
  string(REGEX REPLACE " .*" "" command "${exec}")
  expect_file("${BINDIR}/${command}")
  entry_value("${PREFIX}/${entry}" Icon icon)
  expect_file("${DATADIR}/icons/hicolor/scalable/apps/${icon}.svg")
  entry_value("${PREFIX}/${entry}" Terminal terminal)
  if(NOT terminal STREQUAL "false")
    message(SEND_ERROR "${entry}: a window program must not ask for a terminal")
  endif()

  if(VALIDATE)
    execute_process(COMMAND "${VALIDATE}" "${PREFIX}/${entry}"
      RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    # Warnings mean a desktop may read the entry differently: they fail too.
    if(status OR output MATCHES "(error|warning):")
      message(SEND_ERROR "${entry} does not validate:\n${output}")
    endif()
  endif()
endforeach()
