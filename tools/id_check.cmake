# Every object id and every species code has one name: the object ids in core/obj_func.h, the
# species in core/creatures.h. Anywhere else in the source the check fails on
#   - a definition (an enum entry, a constant, a #define) of an OID_ name, or of a name of an object
#     or species kind (SPECIES_, OBJ_, CLASS_, REQ_, SP_) whose value is an id or a species the two
#     headers name (a bound such as SPECIES_CODES = 1000 names none);
#   - a comparison of an `.id` or a `speciescode` with a bare number (0, none, aside), or of a local
#     that holds a species (`sp`, `s`) with a number of the species' range 500..799.
# Every offending line is listed as file:line: the line; the check fails when there is one.
#   cmake -DOXA_SRC=<source>/src -P tools/id_check.cmake
cmake_minimum_required(VERSION 3.16)
include(${CMAKE_CURRENT_LIST_DIR}/check_lines.cmake)
get_filename_component(OXA_SRC "${OXA_SRC}" ABSOLUTE)
if(NOT OXA_SRC)
  message(FATAL_ERROR "OXA_SRC: the src folder to check")
endif()

set(HEADERS core/obj_func.h core/creatures.h)
set(edge "(^|[^A-Za-z0-9_])")

# The values the two headers name.
set(known "")
foreach(h ${HEADERS})
  if(NOT EXISTS ${OXA_SRC}/${h})
    message(FATAL_ERROR "${h}: the header that names the ids is missing")
  endif()
  file(READ ${OXA_SRC}/${h} text)
  string(REGEX MATCHALL "${edge}(OID|SPECIES)_[A-Z0-9_]+ *= *[0-9]+" defs "${text}")
  foreach(d ${defs})
    string(REGEX REPLACE ".*= *([0-9]+)$" "\\1" v "${d}")
    list(APPEND known ${v})
  endforeach()
endforeach()
list(REMOVE_DUPLICATES known)
if(NOT known)
  message(FATAL_ERROR "no id is named in ${HEADERS}")
endif()

set(own_name "${edge}OID_[A-Z0-9_]+ *= *[0-9]|#define +OID_")
set(kind_name "${edge}(SPECIES|OBJ|CLASS|REQ|SP)_[A-Z0-9_]+ *= *[0-9]+")
set(bare "\\.id *[=!]= *[1-9]|${edge}speciescode *[=!]= *[1-9]|${edge}(sp|s) *[=!]= *[5-7][0-9][0-9]([^0-9]|$)")

set(bad 0)
file(GLOB_RECURSE files RELATIVE ${OXA_SRC} ${OXA_SRC}/*.h ${OXA_SRC}/*.cpp)
list(SORT files)
foreach(f ${files})
  list(FIND HEADERS ${f} own)
  file(READ ${OXA_SRC}/${f} text)
  if(NOT text MATCHES "${own_name}|${kind_name}|${bare}")
    continue()   # most files hold none: they are not cut into lines
  endif()
  cut_lines("${text}" lines)   # tools/check_lines.cmake
  set(n 0)
  foreach(line IN LISTS lines)
    math(EXPR n "${n} + 1")
    set(why "")
    if(line MATCHES "${bare}")
      set(why "compares an id bare")
    elseif(own EQUAL -1 AND line MATCHES "${own_name}")
      set(why "names an id again")
    elseif(own EQUAL -1 AND line MATCHES "${kind_name}")
      string(REGEX MATCHALL "${kind_name}" defs "${line}")
      foreach(d ${defs})
        string(REGEX REPLACE ".*= *([0-9]+)$" "\\1" v "${d}")
        list(FIND known ${v} at)
        if(at GREATER -1)
          set(why "names an id again")
        endif()
      endforeach()
    endif()
    if(why)
      string(STRIP "${line}" shown)
      string(REPLACE "<semicolon>" ";" shown "${shown}")
      string(REPLACE "<open>" "[" shown "${shown}")
      string(REPLACE "<close>" "]" shown "${shown}")
      string(REPLACE "<backslash>" "\\" shown "${shown}")
      message("${f}:${n}: ${shown}   [${why}]")
      math(EXPR bad "${bad} + 1")
    endif()
  endforeach()
endforeach()
if(bad GREATER 0)
  message(FATAL_ERROR "${bad} lines name an id again or compare one bare")
endif()
message("every id and species is named once, and none is compared bare")
