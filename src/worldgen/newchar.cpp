// src/worldgen/newchar.cpp -- a new character's folder.
// Stands in until character creation lands: no name passes and no folder is built.
#include "worldgen/newchar.h"

#include "base/ownlib.h"

int crtplr_folder_name(const char *, char *folder, size_t size, const char **why) {
    if (folder && size) folder[0] = 0;
    if (why) *why = "Too short character name.";
    return 0;
}

int crtplr_build(const NewCharChoices &, const NewCharAsk *, char *err, size_t errsize) {
    if (err && errsize) copy_bounded(err, errsize, "character creation is not built");
    return 0;
}
