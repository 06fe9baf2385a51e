// tools/oxa_tool.cpp -- headless chores on a character's files, without starting the game.
// Usage:
//   oxa_tool defcreat DIR    builds the creature templates and writes DIR/CONSTANT.CRE
#include <cstdio>
#include <cstring>

#include "creatures/creatures.h"

static int usage() {
    fprintf(stderr, "usage: oxa_tool defcreat DIR\n");
    return 2;
}

static int cmd_defcreat(const char *dir) {
    if (!defcreat(dir)) {
        fprintf(stderr, "oxa_tool: %s/CONSTANT.CRE couldn't be written\n", dir);
        return 1;
    }
    printf("%s/CONSTANT.CRE: %d templates, %d bytes\n", dir, (int)CONSTANTCRE_COUNT,
           (int)(CONSTANTCRE_COUNT * sizeof(CreatureStruct)));
    return 0;
}

int main(int argc, char **argv) {
    if (argc < 2) return usage();
    if (!strcmp(argv[1], "defcreat") && argc == 3) return cmd_defcreat(argv[2]);
    return usage();
}
