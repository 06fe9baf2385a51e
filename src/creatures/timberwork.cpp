// src/creatures/timberwork.cpp -- what a timber job asks of its worker (see timberwork.h).
#include "creatures/timberwork.h"

#include <cstring>

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/strupr.h"
#include "core/commandcodes.h"
#include "core/creatures.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "creatures/condition.h"
#include "creatures/lifeask.h"
#include "creatures/skills.h"
#include "items/matching.h"
#include "items/materials.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/npcnote.h"
#include "maps/squareevents.h"
#include "core/tekstit.h"

enum { TREEFLAG_SAPLING = 1 << TREEDATA_SAPLING, CH_LONE_PINE = 18 };

static const char *const NO_TREE = "!There's no proper tree to work with!";

static const FellKind FELL_SMALL = {101, "Slender tree trunk", 3, 3, "DO_FELL_SMALL_TREE", OID_CUTTING, OID_WOODSMAN_AXE, 10,
                             LEARN_THIRD};
static const FellKind FELL_SAPLING = {101, nullptr, 1, 0, "DO_FELL_SMALL_TREE", OID_CUTTING_OR_HAND, 0, 2, LEARN_FIFTH};
static const FellKind FELL_BIG = {37, "Tree trunk", 1, 0, "DO_FELL_BIG_TREE", OID_AXE, OID_WOODSMAN_AXE, 60, LEARN_EIGHT};

static const ChopKind CHOPS[] = {
    {ACTION_CHOP_BLOCKS, "trunk to work with", OID_TRUNK, "!There is not any big tree trunk to work with!",
     "Block of wood", 8, OID_WOODSMAN_AXE, 6, 36, LEARN_FIFTH, 45, true},
    {ACTION_CARVE_LOG, "trunk to work with", OID_FELLED_TRUNK,
     "!There is no tree trunk from which you could make a log!", "Log", 1, OID_BROAD_AXE, 4, 5, LEARN_EIGHT, 30, true},
    {ACTION_SPLIT_FIREWOOD, "block of wood to chop", OID_BLOCK, "!There is no any block of wood to work with!",
     "Firewood", 0, OID_SPLITTING_AXE, 6, 5, LEARN_THIRD, 30, false},
    {ACTION_SPLIT_BOARDS, "trunk to work with", OID_TRUNK, "!There is no suitable big tree trunk to work with!", "Board",
     20, OID_SPLITTING_AXE, 5, 5, LEARN_EIGHT, 120, true},
};

const ChopKind *timber_chop_kind(int mode) {
    for (const ChopKind &k : CHOPS)
        if (k.mode == mode) return &k;
    return nullptr;
}

int timber_is_tree(int x, int y) { return in_grid(x, y) && terrain_flag(get_mapchar(x, y), TF_TREE); }

// One pass over the pool.
int timber_tree_rec(int x, int y) {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_TREE && Data[i].x == x && Data[i].y == y) return i;
    return -1;
}

int Tree_Height(int c) {
    if (bigmap()) return 5 + random(10);
    char desc[128];
    const char *d = terrain_desc(c);
    copy_bounded(desc, sizeof desc, d ? d : "");
    strupr(desc);
    if (strstr(desc, "YOUNG")) return 1;
    if (strstr(desc, "PINE") || strstr(desc, "SPRUCE") || strstr(desc, "BIRCH")) return 5 + random(10);
    return 4;
}

const FellKind &timber_fell_kind(int x, int y, int tree) {
    const bool sapling = tree >= 0 && (Data[tree].flags & TREEFLAG_SAPLING);
    return sapling ? FELL_SAPLING : Tree_Height(get_mapchar(x, y)) < 5 ? FELL_SMALL : FELL_BIG;
}

static void shout(int c, const char *text) {
    TARGET_NPC = c;
    NPCNote(c, text, "");
}

// One tool line, checked for the player (the crafting list) or for creature c (its pack).
int timber_tools_ok(int c, int tool, int linked, const char *title) {
    Tyhjaa_Tarvike();
    Tarvike.id = (uint32_t)tool;
    Tarvike.linked = (uint32_t)linked;
    Tarvike.count = 1;
    if (c == CRE_PLAYER) {
        Tyhjaa_Tarvikelista();
        Lisaa_Tarvike();
        return Kay_Tarvikelista(title);
    }
    Tarvike_Struct list[NPC_TARVIKE_MAX];
    Tyhjaa_NPC_Tarvikelista(list);
    Lisaa_NPC_Tarvike(list);
    return Kay_NPC_Tarvelista(c, list);
}

int timber_fell_ready(int c, int x, int y, int &tree, const FellKind *&kind) {
    if (!timber_is_tree(x, y)) {
        if (c == CRE_PLAYER) Note(NO_TREE);
        return -1;
    }
    tree = timber_tree_rec(x, y);
    const FellKind &k = timber_fell_kind(x, y, tree);
    kind = &k;
    if (puuhausvammaus(c, k.body, 6, txt_toimia(ACTION_FELL_TREE))) return -1;
    if (!timber_tools_ok(c, k.tool, k.linked, Toiminta(ACTION_FELL_TREE))) return -1;
    return 1;
}

int timber_chop_ready(int c, const ChopKind &k, int x, int y) {
    const int src = IdTarvikeYmparillaDp(k.source, x, y, 1);
    if (src < 0) {
        if (c == CRE_PLAYER) Note(k.missing);
        return -1;
    }
    if (puuhausvammaus(c, k.body, k.exertion, txt_toimia(k.mode))) {
        if (c != CRE_PLAYER) shout(c, "I'm really in no condition for this.");
        return -1;
    }
    if (!timber_tools_ok(c, OID_AXE, k.linked, Toiminta(k.mode))) {
        if (c != CRE_PLAYER) {
            char line[SBUF_SIZE];
            bprintf(line, sizeof line, "I need some equipment to %s.", txt_toimia(k.mode));
            shout(c, line);
        }
        return -1;
    }
    return src;
}

int isloc_karhunkallohonka(int x, int y) {
    if (get_mapchar(x, y) != CH_LONE_PINE) return 0;
    for (const DataStruct &d : Data) {
        if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
        const ItemStruct it = ObjToItem((int)d.id);
        if (it.id == OID_SKULL && it.origin == SPECIES_BEAR) return 1;
    }
    return 0;
}

// The creature's felling as the work would begin it, without working.
static int can_fell(int n, int x, int y) {
    if (!ask_valid(n)) return -1;
    int tree;
    const FellKind *kind;
    return timber_fell_ready(n, x, y, tree, kind) < 0 ? -1 : 1;
}

// The creature's chopping job as the work would begin it, without working.
static int can_chop(int n, int x, int y, int mode) {
    const ChopKind *kind = timber_chop_kind(mode);
    if (!kind || !ask_valid(n)) return -1;
    if (!in_grid(x, y)) return -1;
    return timber_chop_ready(n, *kind, x, y) < 0 ? -1 : 1;
}

int timber_creature_can(int n, int code, int x, int y) {
    if (!ask_valid(n)) return 0;
    switch (code) {
    case 120: return !isloc_karhunkallohonka(x, y) && can_fell(n, x, y) > 0;   // the bear's pine stands
    case 121: return can_chop(n, x, y, ACTION_CARVE_LOG) == 1;
    case 122: return can_chop(n, x, y, ACTION_SPLIT_BOARDS) == 1;
    default: return 0;
    }
}
