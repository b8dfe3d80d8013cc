# Checks that a desktop would find both programs where they are installed: each menu
# entry starts an installed program and names an installed icon, each metainfo file names
# its menu entry, each program has its manual page in English and in Russian, and each
# program starts. The entries and metainfo pass desktop-file-validate and appstreamcli
# where those are at hand.
#
# Either installs a build into a fresh prefix first:
#   cmake -D BUILD_DIR=... -D PREFIX=... -D BINDIR=bin -D DATADIR=share -P CheckInstall.cmake
# or unpacks a Debian package into a scratch root and checks its /usr:
#   cmake -D DEB=zchart_1.0.0_amd64.deb -D ROOT=... -P CheckInstall.cmake
if(DEFINED DEB)
  if(NOT DEFINED ROOT)
    message(FATAL_ERROR "ROOT is not set")
  endif()
  file(REMOVE_RECURSE "${ROOT}")
  execute_process(COMMAND dpkg-deb -x "${DEB}" "${ROOT}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(status)
    message(FATAL_ERROR "dpkg-deb -x failed (${status}):\n${output}")
  endif()
  set(PREFIX "${ROOT}/usr")
  set(BINDIR bin)
  set(DATADIR share)
else()
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

# Runs `command` and fails with its output when it says anything worse than `allowed`.
function(expect_clean what allowed)
  execute_process(COMMAND ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(status OR output MATCHES "${allowed}")
    message(SEND_ERROR "${what} does not validate:\n${output}")
  endif()
endfunction()

find_program(DESKTOP_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
foreach(tool DESKTOP_VALIDATE APPSTREAMCLI)
  if(NOT ${tool})
    message(STATUS "${tool} not found: not validated")
  endif()
endforeach()

foreach(program zmatch zline)
  set(id "ru.zchart.${program}")
  set(entry "${DATADIR}/applications/${id}.desktop")
  set(metainfo "${DATADIR}/metainfo/${id}.metainfo.xml")
  expect_file("${BINDIR}/${program}")
  expect_file("${entry}")
  expect_file("${metainfo}")
  expect_file("${DATADIR}/icons/hicolor/scalable/apps/${program}.svg")
  expect_file("${DATADIR}/man/man1/${program}.1.gz")
  expect_file("${DATADIR}/man/ru/man1/${program}.1.gz")
  if(DEFINED DEB)
    expect_file("${DATADIR}/doc/zchart/copyright")
  endif()

  if(EXISTS "${PREFIX}/${entry}")
    entry_value("${PREFIX}/${entry}" Exec exec)
    string(REGEX REPLACE " .*" "" command "${exec}")
    expect_file("${BINDIR}/${command}")
    entry_value("${PREFIX}/${entry}" Icon icon)
    expect_file("${DATADIR}/icons/hicolor/scalable/apps/${icon}.svg")
    entry_value("${PREFIX}/${entry}" Terminal terminal)
    if(NOT terminal STREQUAL "false")
      message(SEND_ERROR "${entry}: a window program must not ask for a terminal")
    endif()
    # The dock matches the program's windows to this entry by their X11 class, which is
    # the executable's name.
    entry_value("${PREFIX}/${entry}" StartupWMClass wm_class)
    if(NOT wm_class STREQUAL "${program}")
      message(SEND_ERROR "${entry}: StartupWMClass is \"${wm_class}\", not \"${program}\"")
    endif()
    # Warnings and hints mean a desktop may read the entry differently (two main
    # categories list the program twice): they fail too.
    if(DESKTOP_VALIDATE)
      expect_clean("${entry}" "(error|warning|hint):" "${DESKTOP_VALIDATE}" "${PREFIX}/${entry}")
    endif()
  endif()

  if(EXISTS "${PREFIX}/${metainfo}")
    file(READ "${PREFIX}/${metainfo}" xml)
    if(NOT xml MATCHES "<id>${id}</id>"
       OR NOT xml MATCHES "<launchable type=\"desktop-id\">${id}.desktop</launchable>")
      message(SEND_ERROR "${metainfo}: its id and launchable must be its menu entry's")
    endif()
    # Only notes (I:) are allowed; appstreamcli takes Cyrillic capitals for lower case.
    if(APPSTREAMCLI)
      expect_clean("${metainfo}" "[EW]: " "${APPSTREAMCLI}" validate --no-net "${PREFIX}/${metainfo}")
    endif()
  endif()

  # The installed program runs: it prints its version, and offscreen its window is still
  # up after two seconds (a crash or a failed start ends it sooner).
  if(EXISTS "${PREFIX}/${BINDIR}/${program}")
    execute_process(COMMAND "${PREFIX}/${BINDIR}/${program}" --version
      TIMEOUT 20 RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(status OR NOT output MATCHES "^${program} [0-9]")
      message(SEND_ERROR "${program} --version: status ${status}\n${output}")
    endif()
    set(ENV{QT_QPA_PLATFORM} offscreen)
    execute_process(COMMAND "${PREFIX}/${BINDIR}/${program}"
      TIMEOUT 2 RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status MATCHES "timeout")
      message(SEND_ERROR "${program} ended on its own (${status}) instead of showing its window:\n${output}")
    endif()
  endif()
endforeach()
