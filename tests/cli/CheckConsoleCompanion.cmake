# Runs a program's Windows console companion (zmatch.com) through Wine with the command
# lines below and checks its exit status and output, as CheckCommandLine.cmake does for
# the Linux program: Windows has no window system's options to pass on, and a command line
# without answer options would start the window program, so none is run here.
#
#   cmake -D PROGRAM=/path/to/zmatch.com -D EMULATOR=wine -D VERSION=1.0.0 -P CheckConsoleCompanion.cmake
foreach(var PROGRAM EMULATOR VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
get_filename_component(name "${PROGRAM}" NAME_WE)
string(REPLACE "." "\\." version "${VERSION}")

# locale | arguments, blank-separated | status | standard output | standard error (regular
# expressions; "^$": empty)
# clang-format off
set(cases
  "C|--help|0|^Использование: ${name} \\[параметры\\]\n.*\n  -v, --version  .*--load Z .*--json.*Код возврата: |^$"
  "C|--version|0|^${name} ${version}\n$|^$"
  "C|--bogus|2|^$|^${name}: неизвестный параметр «--bogus»\nСправка: ${name} --help\n$"
  "C|-style Fusion|2|^$|неизвестный параметр «-style»"
  "C|chart.txt|2|^$|лишний аргумент «chart.txt»"
  "C|--load zz|2|^$|^${name}: параметр «--load»: "
  "C|--load 100+50j --json|0|^\\{\"load\":\"100\\+50j\",.*\"exact\":\\{.*\\}\\}\n$|^$"
  # The user's decimal separator, as Windows' regional settings give it.
  "ru_RU.UTF-8|--load 100+50j|0|Zнн=2,00\\+j1,00\n|^$"
  "C|--load 100+50j|0|Zнн=2\\.00\\+j1\\.00\n|^$"
  # The picture's file: a folder that does not exist, a kind it cannot be.
  "C|--load 100+50j --picture Z:/nonexistent-zchart-folder/a.png|1|^$|Z:/nonexistent-zchart-folder/a\\.png"
  "C|--load 100+50j --picture a.bmp|1|^$|\\.png или \\.pdf"
)
# clang-format on

foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 locale)
  list(GET fields 1 arguments)
  string(REPLACE " " ";" arguments "${arguments}")
  list(GET fields 2 want_status)
  list(GET fields 3 want_out)
  list(GET fields 4 want_err)
  # Wine takes the user's regional settings from the Unix locale.
  set(ENV{LC_ALL} ${locale})
  set(ENV{LANG} ${locale})
  execute_process(
    COMMAND ${EMULATOR} "${PROGRAM}" ${arguments}
    TIMEOUT 60 RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL want_status OR NOT out MATCHES "${want_out}"
     OR NOT err MATCHES "${want_err}")
    message(SEND_ERROR "${name} ${arguments} (${locale}): status ${status} (want ${want_status})\n"
      "stdout:\n${out}\nstderr:\n${err}")
  endif()
endforeach()
