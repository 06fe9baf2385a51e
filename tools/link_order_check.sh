#!/usr/bin/env bash
# The order of the rule folders at link time: the include check sees what a file includes, this check
# what an object calls. Every symbol an object of rule folder F leaves undefined, and that only an
# object of a rule folder higher in the order core, maps, items, creatures, activities, worldgen,
# society, quests, game defines, is a call up the order. It fails unless it is a use of the table of
# world services (the calls that must run the world above: core/worldservices.h).
# An object belongs to the folder of its source file: the objects are read one source file each
# (.../src/<folder>/<file>.cpp.o), which is why the rules library is never a unity build.
#   tools/link_order_check.sh <nm> <object>...
set -euo pipefail
nm_tool=$1
shift 1
world_services=world_services

for obj in "$@"; do
  case "$obj" in
    */src/*/*.o) ;;
    *) echo "$obj: not the object of a source file in src/<folder>/" >&2; exit 2 ;;
  esac
done
# One nm over all objects: "<object>: <name> <type> [<value> <size>]", the name as nm -C spells it.
"$nm_tool" -C -P -A "$@" | awk -v world="$world_services" '
  BEGIN {
    split("core maps items creatures activities worldgen society quests game", order, " ")
    for (i in order) rank[order[i]] = i
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
      if (name == world) { served++; continue }         # the table of world services
      if (rank[low[name]] <= rank[folder]) continue
      printf "%s: %s   [%s -> %s, defined in %s, against the order]\n", uobj[i], name, folder, low[name], where[name]
      against++
    }
    if (bad || against) {
      printf "%d references up the order\n", against
      exit 1
    }
    printf "every call of the rules stands in the order (%d objects use the world services)\n", served
  }'
