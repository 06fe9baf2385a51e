# The rule folders ask the screen for what to show, never where: no rule file names one of the seam's
# old pixel entries (a window, a line, a button, a part of the screen flipped or kept at x, y, w, h).
# The talk screen too is laid out by the screen: the rules say who speaks and what, never where.
# Nor does a rule file reach into the table itself (`ui.redraw.flip_portion(495, 152, ...)`: the
# table's members are the screen's to fill and the seam's to call) or into the screen side's entries
# at pixels (base/ui_pixels.h).
# Every offending line is listed as file:line: the line; the check fails when there is one.
#   cmake -DOXA_SRC=<source>/src -P tools/seam_check.cmake
cmake_minimum_required(VERSION 3.16)
include(${CMAKE_CURRENT_LIST_DIR}/check_lines.cmake)
get_filename_component(OXA_SRC "${OXA_SRC}" ABSOLUTE)
if(NOT OXA_SRC)
  message(FATAL_ERROR "OXA_SRC: the src folder to check")
endif()

set(RULES core maps items creatures activities worldgen society quests game)
set(GONE "ui_text_window|ui_wrapped_window|ui_picture_above_spend|ui_tile_direct|FlipScreenPortion|progress_meter|TeeRMValinta|askCount|GraafinenApu_X|GraafinenApu_Y|ui_invsel_scale|ui_text_line|ui_drawbutton|ui_grabscr_area|ui_talk_picture|ui_talk_box|ui_talk_fill|ui_talk_menu|ui_talk_panel|ui_talk_sunken|ui_talk_veil")
set(edge "(^|[^A-Za-z0-9_])")
set(tail "([^A-Za-z0-9_]|$)")
set(MEMBER "${edge}(ui *\\. *[a-z_]+ *\\.|ui_pixels|UiPixels)")

set(bad 0)
foreach(r ${RULES})
  file(GLOB_RECURSE files RELATIVE ${OXA_SRC} ${OXA_SRC}/${r}/*.h ${OXA_SRC}/${r}/*.cpp)
  list(SORT files)
  foreach(f ${files})
    set(names "${GONE}")
    file(READ ${OXA_SRC}/${f} text)
    if(NOT text MATCHES "${edge}(${names})${tail}" AND NOT text MATCHES "${MEMBER}")
      continue()   # most files name none: they are not cut into lines
    endif()
    cut_lines("${text}" lines)   # tools/check_lines.cmake
    set(n 0)
    foreach(line IN LISTS lines)
      math(EXPR n "${n} + 1")
      if(line MATCHES "${edge}(${names})${tail}" OR line MATCHES "${MEMBER}")
        string(STRIP "${line}" shown)
        string(REPLACE "<semicolon>" ";" shown "${shown}")
        string(REPLACE "<open>" "[" shown "${shown}")
        string(REPLACE "<close>" "]" shown "${shown}")
        string(REPLACE "<backslash>" "\\" shown "${shown}")
        message("${f}:${n}: ${shown}")
        math(EXPR bad "${bad} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()
if(bad GREATER 0)
  message(FATAL_ERROR "${bad} lines of the rule folders name a pixel entry of the seam or a member of its table")
endif()
message("no rule file names a pixel entry of the seam or a member of its table")
