# Reading the includes of a source file for the layer guards, in every form
# the compiler takes: any spacing, "%:" for "#", include_next and import, a
# directive continued over lines, and an include by macro.

# Sets `out` to the includes of `file`, each as written: "x.h", <x.h>, or the
# bare tokens of an include by macro.
function(read_includes file out)
  file(READ "${file}" text)
  string(REGEX REPLACE "\\\\\r?\n" "" text "${text}")
  # Stops at ";" and "[", which would split or join the list's items.
  string(REGEX MATCHALL "(^|\n)[ \t]*(#|%:)[ \t]*(include_next|include|import)[^\n;[]*" directives "${text}")
  set(includes "")
  foreach(directive IN LISTS directives)
    string(REGEX REPLACE "^\n?[ \t]*(#|%:)[ \t]*(include_next|include|import)[ \t]*" "" operand "${directive}")
    if(operand MATCHES "^(\"[^\"]*\"|<[^>]*>)")
      set(operand "${CMAKE_MATCH_1}")
    endif()
    string(STRIP "${operand}" operand)
    list(APPEND includes "${operand}")
  endforeach()
  set(${out} "${includes}" PARENT_SCOPE)
endfunction()

# Splits an include as written into its form (quoted, angled, or macro), the
# path between its delimiters and that path's first folder (empty when it
# names none).
function(split_include written form path folder)
  set(${form} macro PARENT_SCOPE)
  set(${path} "" PARENT_SCOPE)
  set(${folder} "" PARENT_SCOPE)
  if(written MATCHES "^\"(.*)\"$")
    set(${form} quoted PARENT_SCOPE)
  elseif(written MATCHES "^<(.*)>$")
    set(${form} angled PARENT_SCOPE)
  else()
    return()
  endif()
  set(${path} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  if(CMAKE_MATCH_1 MATCHES "^([^/]+)/")
    set(${folder} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  endif()
endfunction()

# Sets `out` to what is wrong with an include's form whatever it names: an
# include by macro names no header, and a path holding ".." or "." or an
# absolute one is not written from an include folder. Empty when nothing is.
function(include_form_fault form path out)
  if(form STREQUAL "macro")
    set(${out} "which names no header" PARENT_SCOPE)
  elseif(path MATCHES "(^|/)\\.\\.?(/|$)" OR path MATCHES "^/")
    set(${out} "which is not written from an include folder" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()
