# Each way around the layer guards, written into a copy of the program's
# sources, fails the guard it goes around and is named there; the copy
# without it passes both guards.
#
# usage: cmake -DSOURCE_DIR=<top> -DWORK_DIR=<scratch folder> -P layer_guard_bypasses.cmake
cmake_minimum_required(VERSION 3.25)

set(copy "${WORK_DIR}/app")
file(REMOVE_RECURSE "${WORK_DIR}")
file(COPY "${SOURCE_DIR}/app" DESTINATION "${WORK_DIR}")
file(COPY "${SOURCE_DIR}/zuntab/zuntab.h" "${SOURCE_DIR}/zuntab/kzplugin.h" DESTINATION "${WORK_DIR}/zuntab")
# The engine's include path as the build gives it: the runtime through a
# folder that holds nothing else.
file(MAKE_DIRECTORY "${WORK_DIR}/runtime_root")
file(CREATE_LINK "${copy}/platform/runtime" "${WORK_DIR}/runtime_root/runtime" SYMBOLIC)
set(engineIncludes "${copy}/engine" "${WORK_DIR}/zuntab" "${WORK_DIR}/runtime_root")

# guard | the file written, from the guard's folder | its text
set(bypasses
  "engine|model/up.cpp|#include \"../tabulation/count_sheet.h\""
  "engine|model/angled.cpp|#include <tabulation/count_sheet.h>"
  "engine|model/beep.cpp|#include \"widgets/beep.h\""
  "engine|model/through.cpp|#include \"runtime/../widgets/beep.h\""
  "engine|model/beside.cpp|#include \"survey.h\""
  "engine|model/detail/deep.h|#include \"tabulation/count_sheet.h\""
  "engine|model/other.hpp|#include \"tabulation/count_sheet.h\""
  "engine|model/spaced.cpp|  %:  include<tabulation/count_sheet.h>"
  "engine|model/continued.cpp|#include \\\n  \"tabulation/count_sheet.h\""
  "engine|model/macro.cpp|#include COUNT_SHEET"
  "engine|loose.h|#include \"tabulation/count_sheet.h\""
  "windows|design/angled.cpp|#include <tabulation/frm_total.h>"
  "windows|design/through.cpp|#include \"shell/../tabulation/frm_total.h\""
  "windows|design/detail/deep.h|#include \"tabulation/frm_total.h\""
  "windows|design/other.hpp|#include \"tabulation/frm_total.h\""
  "windows|design/macro.cpp|#include FRM_TOTAL"
)

# Runs a guard over the copy, the engine's with `includes` as its include
# path; sets `failed` and `said` in the caller.
function(run_guard guard includes)
  if(guard STREQUAL "engine")
    execute_process(COMMAND "${CMAKE_COMMAND}" "-DENGINE_DIR=${copy}/engine" "-DENGINE_INCLUDES=${includes}" -P
                            "${SOURCE_DIR}/tests/engine/engine_layers.cmake" RESULT_VARIABLE result ERROR_VARIABLE said)
  else()
    execute_process(COMMAND "${CMAKE_COMMAND}" "-DAPP_DIR=${copy}" -P "${SOURCE_DIR}/tests/shell/window_folders.cmake"
                    RESULT_VARIABLE result ERROR_VARIABLE said)
  endif()
  if(result EQUAL 0)
    set(failed FALSE PARENT_SCOPE)
  else()
    set(failed TRUE PARENT_SCOPE)
  endif()
  set(said "${said}" PARENT_SCOPE)
endfunction()

set(faults "")
foreach(guard engine windows)
  run_guard(${guard} "${engineIncludes}")
  if(failed)
    string(APPEND faults "\nthe clean copy fails the ${guard} guard:\n${said}")
  endif()
endforeach()

foreach(bypass IN LISTS bypasses)
  string(REPLACE "|" ";" fields "${bypass}")
  list(GET fields 0 guard)
  list(GET fields 1 file)
  list(GET fields 2 text)
  if(guard STREQUAL "engine")
    set(written "${copy}/engine/${file}")
  else()
    set(written "${copy}/${file}")
  endif()
  file(WRITE "${written}" "${text}\n")
  run_guard(${guard} "${engineIncludes}")
  file(REMOVE "${written}")
  string(FIND "${said}" "${file}" named)
  if(NOT failed OR named EQUAL -1)
    string(APPEND faults "\n${file} (${text}) goes around the ${guard} guard:\n${said}")
  endif()
endforeach()

run_guard(engine "${engineIncludes};${copy}/platform")
if(NOT failed)
  string(APPEND faults "\nthe engine guard takes an include path that reaches app/platform/widgets")
endif()

if(faults)
  message(FATAL_ERROR "${faults}")
endif()
