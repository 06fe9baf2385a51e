// tools/oxa_tool.cpp -- headless chores on a character's files and the game's tables, without
// starting the game.
//   oxa_tool defcreat <dir>     builds the creature templates and writes "<dir>/CONSTANT.CRE"
//   oxa_tool objdefs <dir>      builds the catalogue of item kinds and writes "<dir>/CONSTANT.OBJ";
//                               a file already there is read first, so rows added in play stay
//   oxa_tool describe-items     run in the working folder: name, description, weight and price of
//                               every catalogue row and every plant of the plant data files
//   oxa_tool recipes --check    run in the working folder: every recipe file read, each product's
//                               resolution and its parsed lines; fails on an unresolved product, an
//                               unknown requirement or a building that names no terrain
//   oxa_tool sim [--seed N] [--ticks T]   run in the working folder: 20 animals of mixed species on
//                               a generated forest-and-lake local area for T creature passes; prints
//                               each species' activities
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "activities/herblore.h"
#include "core/ownlib.h"
#include "core/records.h"
#include "creatures/creatures.h"
#include "creatures/crsim.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/plants.h"
#include "items/recipecheck.h"
#include "presentation/tekstit.h"

static int usage() {
    fprintf(stderr, "usage: oxa_tool defcreat <dir>\n       oxa_tool objdefs <dir>\n       oxa_tool describe-items\n"
                    "       oxa_tool recipes --check\n"
                    "       oxa_tool sim [--seed N] [--ticks T]\n");
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

static int objdefs(const char *dir) {
    if (chdir(dir) != 0) {
        fprintf(stderr, "oxa_tool: no folder %s\n", dir);
        return 1;
    }
    copy_bounded(CharacterPath, sizeof CharacterPath, ".");
    InitObjs();
    FILE *f = fopen("CONSTANT.OBJ", "rb");
    long size = -1;
    if (f) {
        fseek(f, 0, SEEK_END);
        size = ftell(f);
        fclose(f);
    }
    if (size != CONSTANTOBJ_BYTES) {
        fprintf(stderr, "oxa_tool: %s/CONSTANT.OBJ was not written whole\n", dir);
        return 1;
    }
    printf("%s/CONSTANT.OBJ: %ld bytes\n", dir, size);
    return 0;
}

static int describe_items() {
    definit_yrttidata();
    YM_init();
    for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    build_objdef_rows();
    if (!InitUnames_load()) {
        fprintf(stderr, "oxa_tool: messages/%s_uname_flora.txt missing\n", language);
        return 1;
    }
    LuoKasvit();
    printf("row | name | description | weight | price\n");
    char name[41];
    for (int r = 1; r < CONSTANTOBJ_ROWS; r++) {
        const ItemStruct &it = ConstantObj[r];
        if (it.type == 0) continue;
        printf("%d | %s | %s | %s | %.2f\n", r, item_name(it, name), ekuvaus(r, 1, 0), txt_itemweight(r, 1),
               esinehinta(0, it));
    }
    return 0;
}

static int cmd_sim(int argc, char **argv) {
    long seed = 1, ticks = 2000;
    for (int i = 0; i < argc; i++) {
        if (!strcmp(argv[i], "--seed") && i + 1 < argc) seed = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--ticks") && i + 1 < argc) ticks = strtol(argv[++i], nullptr, 10);
        else return usage();
    }
    if (ticks < 0 || ticks > 10000000 || seed < 0 || seed > 0x7fffffff) return usage();
    const CreSimResult r = creature_sim((int)seed, (int)ticks, stdout);
    if (r.creatures == 0) {
        fprintf(stderr, "oxa_tool: no local area could be made\n");
        return 1;
    }
    return r.outside || r.blocked ? 1 : 0;
}

int main(int argc, char **argv) {
    if (argc == 3 && strcmp(argv[1], "defcreat") == 0) return cmd_defcreat(argv[2]);
    if (argc >= 3 && strcmp(argv[1], "objdefs") == 0) return objdefs(argv[2]);
    if (argc >= 2 && strcmp(argv[1], "describe-items") == 0) return describe_items();
    if (argc == 3 && strcmp(argv[1], "recipes") == 0 && strcmp(argv[2], "--check") == 0) return recipes_check(stdout);
    if (argc >= 2 && strcmp(argv[1], "sim") == 0) return cmd_sim(argc - 2, argv + 2);
    return usage();
}
