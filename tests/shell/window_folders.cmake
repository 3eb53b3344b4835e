# The window folders and what each may include of them: every include names
# its folder, in any form; a window folder includes its own windows and the
# shell's, never those of another window folder; only the program's window
# services (and main.cpp) join them all. Every file under a window folder,
# however deep, belongs to it. A window folder and an engine folder of the
# same name hold no file of the same name, so that no include is ambiguous.
#
# usage: cmake -DAPP_DIR=<app> -P window_folders.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../include_directives.cmake)

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
# folders it may reach. An angled include that names no folder of the
# program is a system header.
function(check_includes source)
  set(reachable ${ARGN})
  read_includes("${APP_DIR}/${source}" includes)
  foreach(written IN LISTS includes)
    split_include("${written}" form header folder)
    include_form_fault("${form}" "${header}" formFault)
    if(form STREQUAL "angled" AND NOT (folder AND (IS_DIRECTORY "${APP_DIR}/${folder}"
                                                   OR IS_DIRECTORY "${APP_DIR}/engine/${folder}"
                                                   OR IS_DIRECTORY "${APP_DIR}/platform/${folder}")))
      continue()
    endif()
    if(formFault)
      string(APPEND faults "\n  ${source} includes ${written}, ${formFault}")
    elseif(NOT folder)
      string(APPEND faults "\n  ${source} includes ${written}, which names no folder")
    elseif(folder IN_LIST windows AND EXISTS "${APP_DIR}/${header}")
      if(NOT folder IN_LIST reachable)
        string(APPEND faults "\n  ${source} includes ${written}, a window of another window folder")
      endif()
    elseif(NOT EXISTS "${APP_DIR}/engine/${header}" AND NOT EXISTS "${APP_DIR}/platform/${header}")
      string(APPEND faults "\n  ${source} includes ${written}, which is no header of the program")
    endif()
  endforeach()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()

foreach(folder IN LISTS windows)
  file(GLOB_RECURSE sources RELATIVE "${APP_DIR}" "${APP_DIR}/${folder}/*")
  foreach(source IN LISTS sources)
    check_includes(${source} ${reaches_${folder}})
    if(EXISTS "${APP_DIR}/engine/${source}" AND NOT source MATCHES "CMakeLists.txt$")
      string(APPEND faults "\n  ${source} has the name of engine/${source}")
    endif()
  endforeach()
endforeach()
check_includes(main.cpp shell program)

if(faults)
  message(FATAL_ERROR "Window includes out of place:${faults}")
endif()
