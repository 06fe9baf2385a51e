# tools/check_lines.cmake -- a source file's text cut into its lines for the checks of the tree. CMake's
# own list reading would join lines at a "[" or split them at a ";" (in a comment or a string) and skip
# lines, so that lines went unread and line numbers were wrong: those characters and "\" are masked
# first ("<semicolon>", "<open>", "<close>", "<backslash>") and the text is cut at its line ends by hand.
function(cut_lines text out)
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "[" "<open>" text "${text}")
  string(REPLACE "]" "<close>" text "${text}")
  string(REPLACE "\\" "<backslash>" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()
