# The window folders and what each may include of them: every include names
# its folder; a window folder includes its own windows and the shell's, never
# those of another window folder; only the program's window services (and
# main.cpp) join them all. A window folder and an engine folder of the same
# name hold no header of the same name, so that no include is ambiguous.
#
# usage: cmake -DAPP_DIR=<app> -P window_folders.cmake
cmake_minimum_required(VERSION 3.25)

set(windows shell design entry tabulation program)
set(reaches_shell shell)
set(reaches_design shell design)
set(reaches_entry shell entry)
set(reaches_tabulation shell tabulation)
set(reaches_program ${windows})

if(NOT IS_DIRECTORY "${APP_DIR}/engine")
  message(FATAL_ERROR "APP_DIR is not the program's source folder: '${APP_DIR}'")
endif()

set(faults "")

# Checks the includes of `source` (relative to APP_DIR) against the window
# folders it may reach.
function(check_includes source)
  set(reachable ${ARGN})
  file(STRINGS "${APP_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT header MATCHES "^([a-z_]+)/")
      string(APPEND faults "\n  ${source} includes ${header}, which names no folder")
      continue()
    endif()
    set(folder ${CMAKE_MATCH_1})
    if(folder IN_LIST windows AND EXISTS "${APP_DIR}/${header}")
      if(NOT folder IN_LIST reachable)
        string(APPEND faults "\n  ${source} includes ${header}, a window of another window folder")
      endif()
    elseif(NOT EXISTS "${APP_DIR}/engine/${header}" AND NOT EXISTS "${APP_DIR}/platform/${header}")
      string(APPEND faults "\n  ${source} includes ${header}, which is no header of the program")
    endif()
  endforeach()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()

foreach(folder IN LISTS windows)
  file(GLOB sources RELATIVE "${APP_DIR}" "${APP_DIR}/${folder}/*.h" "${APP_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    check_includes(${source} ${reaches_${folder}})
    if(source MATCHES "\\.h$" AND EXISTS "${APP_DIR}/engine/${source}")
      string(APPEND faults "\n  ${source} has the name of engine/${source}")
    endif()
  endforeach()
endforeach()
check_includes(main.cpp shell program)

if(faults)
  message(FATAL_ERROR "Window includes out of place:${faults}")
endif()
