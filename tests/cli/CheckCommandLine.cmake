# Runs a program with the command lines below and checks its exit status and output: help
# and version on standard output, anything else a Russian message on standard error and
# status 2, and never a window (one would hold the run until the time-out).
#
#   cmake -D PROGRAM=/path/to/zmatch -D VERSION=1.0.0 -P CheckCommandLine.cmake
foreach(var PROGRAM VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
get_filename_component(name "${PROGRAM}" NAME)
string(REPLACE "." "\\." version "${VERSION}")

# arguments, blank-separated | status | standard output | standard error (regular
# expressions; "^$": empty)
# clang-format off
set(cases
  "--help|0|^Использование: ${name} \\[параметры\\]\n.*\nПараметры:\n  -h, --help  .*\n  -v, --version  .*стандартные параметры Qt|^$"
  "-h|0|^Использование: ${name} |^$"
  "--version|0|^${name} ${version}\n$|^$"
  "--bogus|2|^$|^${name}: неизвестный параметр «--bogus»\nСправка: ${name} --help\n$"
  "-x|2|^$|неизвестный параметр «-x»"
  "--version=2|2|^$|параметр «--version» не принимает значения"
  "chart.txt|2|^$|лишний аргумент «chart.txt»"
  "-- chart.txt|2|^$|лишний аргумент «chart.txt»"
  # Qt's own options pass, in either spelling, with their values; the program's own are
  # still answered without a window.
  "-style Fusion --platform=xcb -reverse --version|0|^${name} ${version}\n$|^$"
  "-display :99 -h|0|^Использование: |^$"
  "-platform|2|^$|параметру «-platform» нужно значение"
  "-reverse=1|2|^$|параметр «-reverse» не принимает значения"
  # Answers without a window: one JSON line, a bad load or option said, --help telling of it.
  "--load 100+50j --json|0|^\\{\"load\":\"100\\+50j\",.*\"exact\":\\{.*\\}\\}\n$|^$"
  "--load zz|2|^$|^${name}: параметр «--load»: "
  "--load 100 -style Fusion|2|^$|неизвестный параметр «-style»"
  "--touchstone a.s1p|2|^$|^${name}: с «--touchstone» нужна частота"
  "--help|0|--load Z .*--json.*Код возврата: .*\n\nПодробнее, с полями JSON: man ${name}\n$|^$"
  # A PDF is made without a display, and one that cannot be written is said and not left.
  "--load 100+50j --picture /nonexistent-zchart-folder/a.pdf|1|^$|Не удалось сохранить рисунок в файл «/nonexistent-zchart-folder/a.pdf»"
)
# clang-format on

set(ENV{QT_QPA_PLATFORM} offscreen)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 arguments)
  string(REPLACE " " ";" arguments "${arguments}")
  list(GET fields 1 want_status)
  list(GET fields 2 want_out)
  list(GET fields 3 want_err)
  execute_process(
    COMMAND "${PROGRAM}" ${arguments}
    TIMEOUT 20 RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL want_status OR NOT out MATCHES "${want_out}"
     OR NOT err MATCHES "${want_err}")
    message(SEND_ERROR "${name} ${arguments}: status ${status} (want ${want_status})\n"
      "stdout:\n${out}\nstderr:\n${err}")
  endif()
endforeach()
