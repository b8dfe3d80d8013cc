# The Windows console companion's answers are the Linux program's, byte for byte: the same
# command lines run through both (the Windows one through Wine), standard output, standard
# error and exit status compared. The loads cover worked examples, either separator and
# spelling, loads the chart refuses and text that is no load at all; exact_loads.txt holds
# 200 random loads whose exact answers' last digits once came out otherwise on Windows (its C
# library's atan, atan2, sin, cos and pow against glibc's), answered as JSON. A teacher's
# exercises and the choice of networks follow.
#
#   cmake -D LINUX_PROGRAM=/path/to/zmatch -D WINDOWS_PROGRAM=/path/to/zmatch.com -D EMULATOR=wine
#         -D WORK_DIR=/scratch -P CheckSameAnswers.cmake
foreach(var LINUX_PROGRAM WINDOWS_PROGRAM EMULATOR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
get_filename_component(name "${WINDOWS_PROGRAM}" NAME_WE)

# One load a line for --load -.
set(loads
  100+50j 100-j50 50 0 50j -j50 1e6+1j 20-35j 150 0.001+0.001j 75+j10 13+250j 299.9-0.1j
  1e-9 2,5+j1,5 -50+10j -1 zz "" "100 + 50j" Zн=100 1e400 j 100+50i)
string(REPLACE ";" "\n" loads_text "${loads}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(WRITE "${WORK_DIR}/loads.txt" "${loads_text}\n")

if(name STREQUAL "zmatch")
  set(option_sets "--stub short" "--stub open --line 75 --wavelength 2.5" "--line 50+10j")
  set(exact_option_sets "--stub short" "--stub open")
else()
  set(option_sets "--distance 0.3" "--distance 0.123 --attenuation 2 --toward load"
    "--distance 1.7 --wavelength 3 --mirror --line 75")
  # A 10^x (0.118 and 1.5) and a turn (0.125 and 2.7) that Windows' own functions round
  # otherwise.
  set(exact_option_sets "--distance 0.37 --attenuation 1.5"
    "--distance 0.37 --attenuation 1.5 --toward load" "--distance 0.118 --attenuation 1.5"
    "--distance 0.125 --attenuation 2.7")
endif()
get_filename_component(exact_loads "${CMAKE_CURRENT_LIST_DIR}/exact_loads.txt" ABSOLUTE)

# Each option set for one load, for the batch, and for the batch as JSON.
set(runs)
foreach(options IN LISTS option_sets)
  list(APPEND runs "--load 100+50j ${options}" "--load - ${options}" "--load - --json ${options}")
endforeach()
list(APPEND runs "--load 1e6+1j --json" "--load 0 --json" "--load -50+10j" "--line 0 --load 100")
set(inputs)
foreach(run IN LISTS runs)
  list(APPEND inputs "${WORK_DIR}/loads.txt")
endforeach()
foreach(options IN LISTS exact_option_sets)
  list(APPEND runs "--load - --json ${options}")
  list(APPEND inputs "${exact_loads}")
endforeach()

# A teacher's exercises: the same group gives the same variants and answers, and a check
# the same verdicts (the group in ASCII: Wine reads a C locale's arguments as ASCII).
if(name STREQUAL "zmatch")
  set(exercise_kinds stub-short stub-open series-stub double-stub quarter-wave l-section reading)
  set(check "--kind stub-short --variant 3 --answers d=0,169")
else()
  set(exercise_kinds line-move reading)
  set(check "--kind line-move --variant 2 --answers R=30")
endif()
foreach(kind IN LISTS exercise_kinds)
  list(APPEND runs "--exercises 40 --seed group-7 --kind ${kind} --json")
  list(APPEND inputs "${WORK_DIR}/loads.txt")
endforeach()
list(APPEND runs "--check --seed group-7 ${check}" "--check --seed group-7 ${check} --json"
  "--exercises 0 --seed group-7 --kind reading")
list(APPEND inputs "${WORK_DIR}/loads.txt" "${WORK_DIR}/loads.txt" "${WORK_DIR}/loads.txt")

# The choice of networks: every topology tuned by the minimiser, whose path a last bit
# anywhere would change, on standard parts with their Q and on ideal ones.
if(name STREQUAL "zmatch")
  foreach(options "--parts E24 --q-inductor 40 --q-capacitor 300 --span 10%"
      "--parts ideal --zt ideal --from 900MHz --to 1.2GHz --max-vswr 1.5")
    list(APPEND runs "--choose --load 20-35j --line 50 --frequency 1GHz --json ${options}")
    list(APPEND inputs "${WORK_DIR}/loads.txt")
  endforeach()
endif()

# Chains, their nodes' return loss among their answers, across the band (as files: a
# chain's text holds blanks and CMake's list separator).
if(name STREQUAL "zmatch")
  file(WRITE "${WORK_DIR}/stubs.chain" "line 0.1\nstub shunt short 0.125\n")
  file(WRITE "${WORK_DIR}/parts.chain" "shunt L 10nH Q 50\nseries R 5\nline 25mm vf 0.66\n")
  foreach(file stubs.chain parts.chain)
    list(APPEND runs "--chain ${file} --load 20-35j --frequency 433.92MHz --band --json")
    list(APPEND inputs "${WORK_DIR}/loads.txt")
  endforeach()
endif()

# A measured load in magnitude and angle, and in decibels, between its points (the files
# named from the work folder, where both programs run).
file(WRITE "${WORK_DIR}/ma.s1p" "# GHz S MA R 50\n1.0 0.61 -73.3\n1.1 0.58 -101.7\n")
file(WRITE "${WORK_DIR}/db.s1p" "# MHz S DB R 50\n900 -4.3 -63.1\n1100 -4.9 -117.4\n")
foreach(file ma.s1p db.s1p)
  list(APPEND runs "--touchstone ${file} --frequency 1.037GHz --json")
  list(APPEND inputs "${WORK_DIR}/loads.txt")
endforeach()

set(ENV{LC_ALL} C)
set(ENV{LANG} C)
set(failures 0)
foreach(run input IN ZIP_LISTS runs inputs)
  string(REPLACE " " ";" arguments "${run}")
  execute_process(COMMAND "${LINUX_PROGRAM}" ${arguments} INPUT_FILE "${input}"
    WORKING_DIRECTORY "${WORK_DIR}" TIMEOUT 60 RESULT_VARIABLE linux_status OUTPUT_VARIABLE linux_out ERROR_VARIABLE linux_err)
  execute_process(COMMAND ${EMULATOR} "${WINDOWS_PROGRAM}" ${arguments}
    INPUT_FILE "${input}" WORKING_DIRECTORY "${WORK_DIR}"
    TIMEOUT 60 RESULT_VARIABLE windows_status OUTPUT_VARIABLE windows_out
    ERROR_VARIABLE windows_err)
  if(NOT linux_status STREQUAL windows_status OR NOT linux_out STREQUAL windows_out
     OR NOT linux_err STREQUAL windows_err)
    math(EXPR failures "${failures} + 1")
    file(WRITE "${WORK_DIR}/${failures}.linux" "${linux_out}${linux_err}")
    file(WRITE "${WORK_DIR}/${failures}.windows" "${windows_out}${windows_err}")
    message(SEND_ERROR "${name} ${run}: Linux status ${linux_status}, Windows ${windows_status};"
      " outputs in ${WORK_DIR}/${failures}.linux and .windows")
  endif()
endforeach()

# The exercises' files, byte for byte: the worksheets, the key and the quiz of one kind.
list(GET exercise_kinds 0 kind)
foreach(side linux windows)
  if(side STREQUAL "linux")
    set(command "${LINUX_PROGRAM}")
  else()
    set(command ${EMULATOR} "${WINDOWS_PROGRAM}")
  endif()
  execute_process(COMMAND ${command} --exercises 6 --seed group-7 --kind ${kind}
    --worksheets ${side}-w.pdf --key ${side}-k.pdf --moodle ${side}-q.xml
    WORKING_DIRECTORY "${WORK_DIR}" TIMEOUT 120 RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL 0)
    message(SEND_ERROR "${name} exercises' files on ${side}: status ${status}")
  endif()
endforeach()
foreach(file w.pdf k.pdf q.xml)
  file(SHA256 "${WORK_DIR}/linux-${file}" linux_sum)
  file(SHA256 "${WORK_DIR}/windows-${file}" windows_sum)
  if(NOT linux_sum STREQUAL windows_sum)
    message(SEND_ERROR "${name} exercises' ${file} differs: ${WORK_DIR}/linux-${file}, windows-${file}")
  endif()
endforeach()
