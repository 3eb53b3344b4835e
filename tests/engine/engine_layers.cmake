# The engine's folders in their one order, lowest first: a file may include
# its own folder and the folders before its own, never one after it. Adding
# a folder means giving it its place here.
#
# usage: cmake -DENGINE_DIR=<app/engine> -P engine_layers.cmake
cmake_minimum_required(VERSION 3.25)

set(layers host model texts answers reply plugins document conditions design files imports tabulation)

if(NOT IS_DIRECTORY "${ENGINE_DIR}")
  message(FATAL_ERROR "ENGINE_DIR is not a folder: '${ENGINE_DIR}'")
endif()

set(faults "")
file(GLOB folders LIST_DIRECTORIES true RELATIVE "${ENGINE_DIR}" "${ENGINE_DIR}/*")
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${ENGINE_DIR}/${folder}" AND NOT folder IN_LIST layers)
    string(APPEND faults "\n  ${folder}/ has no place in the order")
  endif()
endforeach()

foreach(folder IN LISTS layers)
  list(FIND layers ${folder} rank)
  file(GLOB sources RELATIVE "${ENGINE_DIR}" "${ENGINE_DIR}/${folder}/*.h" "${ENGINE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${ENGINE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([a-z_]+)/.*" "\\1" target "${line}")
      list(FIND layers ${target} targetRank)
      if(targetRank GREATER rank)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" header "${line}")
        string(APPEND faults "\n  ${source} includes ${header}: ${target}/ lies above ${folder}/")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN layers " < " order)
  message(FATAL_ERROR "Engine folders out of order (${order}):${faults}")
endif()
