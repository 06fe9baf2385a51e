#!/usr/bin/env bash
# The order of the rule folders at link time: the include check sees what a file includes, this check
# what an object calls. Every symbol an object of rule folder F leaves undefined, and that only an
# object of a rule folder higher in the order core, maps, items, creatures, activities, worldgen,
# society, quests, game defines, is a call up the order. It fails unless it is a use of the table of
# world services (the calls that must run the world above: core/worldservices.h), or the exceptions
# file lists the pair "F: symbol" (the symbol as nm -C names it). A listed pair no longer in the
# objects fails too, so that the list stays true and only shrinks.
# An object belongs to the folder of its source file: the objects are read one source file each
# (.../src/<folder>/<file>.cpp.o), which is why the rules library is never a unity build.
#   tools/link_order_check.sh <nm> <exceptions file> <object>...
# With LINK_ORDER_WRITE=<file> the pairs found now are written to <file> in the exceptions file's form.
set -euo pipefail
nm_tool=$1
exceptions=$2
shift 2
world_services=world_services

for obj in "$@"; do
  case "$obj" in
    */src/*/*.o) ;;
    *) echo "$obj: not the object of a source file in src/<folder>/" >&2; exit 2 ;;
  esac
done
# One nm over all objects: "<object>: <name> <type> [<value> <size>]", the name as nm -C spells it.
"$nm_tool" -C -P -A "$@" | awk -v exceptions="$exceptions" -v world="$world_services" -v write="${LINK_ORDER_WRITE:-}" '
  BEGIN {
    split("core maps items creatures activities worldgen society quests game", order, " ")
    for (i in order) rank[order[i]] = i
    while ((getline line < exceptions) > 0) {
      if (line ~ /^#/ || line == "") continue
      listed[line] = 1
    }
  }
  {
    i = index($0, ": ")
    obj = substr($0, 1, i - 1); rest = substr($0, i + 2)
    sub(/ +$/, "", rest)
    folder = obj; sub(/\/[^\/]*\.o$/, "", folder); sub(/.*\/src\//, "", folder)
    # The type is the field after the name; the name may hold spaces.
    m = match(rest, / [A-Za-z]( [0-9a-fA-F]+( [0-9a-fA-F]+)?)?$/)
    if (!m) next
    name = substr(rest, 1, RSTART - 1)
    kind = substr(rest, RSTART + 1, 1)
    if (!(folder in rank)) { print obj ": the folder " folder " is not a rule folder" > "/dev/stderr"; bad = 1; next }
    if (kind == "U" || kind == "w" || kind == "v") {
      nu++; uobj[nu] = obj; ufolder[nu] = folder; uname[nu] = name
    } else if (kind ~ /[A-Zui]/) {
      # Defined and seen by other objects; the lowest folder that defines it counts.
      if (!(name in low) || rank[folder] < rank[low[name]]) { low[name] = folder; where[name] = obj }
    }
  }
  END {
    for (i = 1; i <= nu; i++) {
      name = uname[i]; folder = ufolder[i]
      if (!(name in low)) continue                      # base, or the C/C++ library
      if (rank[low[name]] <= rank[folder]) continue
      if (name == world) continue                       # the table of world services
      key = folder ": " name
      refs++
      pair = uobj[i] " -> " where[name]
      if (!(pair in pairs)) { pairs[pair] = 1; npairs++ }
      if (!(key in found)) { found[key] = 1; nfound++; keys[nfound] = key }
      if (write == "" && !(key in listed)) {
        printf "%s: %s   [%s -> %s, defined in %s, against the order]\n", uobj[i], name, folder, low[name], where[name]
        against++
      }
    }
    if (write != "") {
      print "# Calls of the rules up the order of the rule folders (see README'"'"'s Layout and tools/link_order_check.sh):" > write
      print "# one \"<folder>: <symbol>\" a line, the symbol as nm -C names it. Each goes when its code moves to the" > write
      print "# folder that uses it or its callers go through the table of world services; this list may only" > write
      print "# shrink. The check fails on a call up the order not listed here, and on a listed pair that is gone." > write
      print "# Written by: LINK_ORDER_WRITE=<this file> tools/link_order_check.sh nm /dev/null <the objects of oxa_rules>" > write
      n = asort_keys()
      for (i = 1; i <= n; i++) print sorted[i] > write
      printf "%d calls up the order written to %s\n", n, write
      exit 0
    }
    gone = 0
    for (key in listed) if (!(key in found)) {
      print key "   [listed as a call up the order, but no longer in the objects: remove it from the list]"
      gone++
    }
    if (bad || against || gone) {
      printf "%d references up the order unlisted, %d listed calls are gone\n", against, gone
      exit 1
    }
    printf "every call of the rules stands in the order (%d references in %d object pairs through %d listed exceptions)\n", refs, npairs, nfound
  }
  function asort_keys(   i, j, t, n) {
    n = nfound
    for (i = 1; i <= n; i++) sorted[i] = keys[i]
    for (i = 2; i <= n; i++) { t = sorted[i]; for (j = i - 1; j >= 1 && sorted[j] > t; j--) sorted[j + 1] = sorted[j]; sorted[j + 1] = t }
    return n
  }'
