# The floors of the source tree, checked on every include line of src/:
#   base          includes base only (and the C/C++ library)
#   rule folders  (core maps items creatures activities worldgen society quests) include base and
#                 the rule folders; no SDL header, nothing of presentation or screens
#   presentation  includes base, the rule folders, presentation and SDL
#   screens       includes anything in src (src/main.cpp too)
# Inside the rules the folders stand in the order of RULES below, lowest first: a rule folder
# includes only itself and the rule folders before it.
# Every offending line is listed as file:line: the line [from -> to]; the check fails when there is one.
#   cmake -DOXA_SRC=<source>/src -P tools/include_check.cmake
include(${CMAKE_CURRENT_LIST_DIR}/check_lines.cmake)
get_filename_component(OXA_SRC "${OXA_SRC}" ABSOLUTE)
if(NOT OXA_SRC)
  message(FATAL_ERROR "OXA_SRC: the src folder to check")
endif()

set(RULES core maps items creatures activities worldgen society quests game)
set(n 0)
foreach(r ${RULES})
  set(RANK_${r} ${n})
  math(EXPR n "${n} + 1")
endforeach()
set(ALLOWED_base base)
set(ALLOWED_presentation base ${RULES} presentation SDL)
foreach(r ${RULES})
  set(ALLOWED_${r} base ${RULES})
endforeach()

file(GLOB_RECURSE files RELATIVE ${OXA_SRC} ${OXA_SRC}/*.h ${OXA_SRC}/*.cpp)
list(SORT files)
set(bad 0)
set(against 0)
foreach(f ${files})
  string(REGEX MATCH "^[^/]+/" dir "${f}")
  string(REGEX REPLACE "/$" "" from "${dir}")
  if(from STREQUAL "" OR from STREQUAL "screens")
    continue()   # the program and its screens stand on everything
  endif()
  if(NOT DEFINED ALLOWED_${from})
    message("${f}: the folder '${from}' has no place in the table of floors")
    math(EXPR bad "${bad} + 1")
    continue()
  endif()
  # Read whole and cut at its line ends by hand (no include line holds a masked character).
  file(READ ${OXA_SRC}/${f} text)
  cut_lines("${text}" lines)   # tools/check_lines.cmake
  set(n 0)
  foreach(line IN LISTS lines)
    math(EXPR n "${n} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]")
      continue()
    endif()
    set(kind "${CMAKE_MATCH_1}")
    set(path "${CMAKE_MATCH_2}")
    set(to "")
    # A project header named in angle brackets is the same include as in quotes: src/ is on every
    # include path.
    if(kind STREQUAL "<" AND path MATCHES "^([^/]+)/")
      if(IS_DIRECTORY "${OXA_SRC}/${CMAKE_MATCH_1}")
        set(kind "\"")
      endif()
    endif()
    if(kind STREQUAL "<")
      if(path MATCHES "^SDL")
        set(to SDL)
      endif()
    elseif(path MATCHES "^([^/]+)/")
      set(to "${CMAKE_MATCH_1}")
    else()
      set(to "${from}")   # beside the including file
    endif()
    if(to STREQUAL "")
      continue()          # the C/C++ library
    endif()
    list(FIND ALLOWED_${from} "${to}" at)
    if(at EQUAL -1)
      string(STRIP "${line}" shown)
      message("src/${f}:${n}: ${shown}   [${from} -> ${to}]")
      math(EXPR bad "${bad} + 1")
    elseif(DEFINED RANK_${to} AND RANK_${to} GREATER RANK_${from})
      string(STRIP "${line}" shown)
      message("src/${f}:${n}: ${shown}   [${from} -> ${to}, against the order]")
      math(EXPR against "${against} + 1")
    endif()
  endforeach()
endforeach()

if(bad GREATER 0 OR against GREATER 0)
  message(FATAL_ERROR "${bad} include lines cross the floors, ${against} go against the order")
endif()
message("every include line stands on its floor and in the order")
