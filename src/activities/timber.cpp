// Timbercraft: felling, chopping and splitting, peeling bark, and the people's felling and chopping
// one step at a time (see timber.h).
#include "activities/timber.h"
#include "creatures/timberwork.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "activities/actions.h"
#include "activities/magic.h"
#include "creatures/skills.h"
#include "activities/skilluse.h"
#include "core/commandcodes.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "maps/spiritdata.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "maps/squareevents.h"
#include "core/tekstit.h"
#include "core/weather.h"
#include "creatures/body.h"
#include "creatures/breaches.h"
#include "creatures/condition.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/physical.h"
#include "items/itemdefs.h"
#include "activities/making.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/ownership.h"
#include "items/quality.h"
#include "maps/area.h"
#include "maps/facing.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/picker.h"
#include "maps/worldsearch.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"
#include "items/inventory.h"

enum {
    TASK_TREE_FELLED = 5,          // the game course's event of a felled tree
    FOREST_ANGER_FELLING = -50,
    TREEFLAG_SAPLING = 1 << TREEDATA_SAPLING,
    STAMP_POS_BITS = 14, STAMP_POS_MASK = (1 << STAMP_POS_BITS) - 1, STAMP_OBJ_MASK = (1 << 17) - 1,
};

static const char *const NO_TREE = "!There's no proper tree to work with!";
static const char *const SKILL = "TIMBERCRAFT";

static int worker_ok(int c) { return c == CRE_PLAYER || ask_valid(c); }

static int creature_roll(int c) {
    int level = Skill_ML(c, SKILL);
    if (level == 1000) level = 0;
    return skill_successroll(PHYSICAL_PENALTY(c), level);
}

static ItemStruct product_named(const char *name) {
    const int row = object(name, 1);
    if (row > 0) return ObjToItem(row);
    ItemStruct none;
    memset(&none, 0, sizeof none);
    return none;
}

static const char *last_word(const char *text) {
    const char *space = strrchr(text, ' ');
    return space ? space + 1 : text;
}

// What the tree at x, y falls into, marked when it falls in the rain; nothing when it has no product.
static ItemStruct felled_product(const FellKind &k, int x, int y, bool rain) {
    char tree[128];
    copy_bounded(tree, sizeof tree, terrain_desc(get_mapchar(x, y)) ? terrain_desc(get_mapchar(x, y)) : "tree");
    ItemStruct it = k.product ? product_named(k.product) : Luo_Kaadettu_Puunvesa(StrLwr(last_word(tree)));
    if (it.type != IT_NONE && rain && OnkoEsineId(it, OID_FELLED_TRUNK)) it.magic = TIMBER_RAIN_MARK;
    return it;
}

// The felled product finds its object before the work, rained on or not: false when the object table
// has no room for it (she has been told).
static bool felled_room(const FellKind &k, int x, int y) {
    for (bool rain : {false, true}) {
        const ItemStruct it = felled_product(k, x, y, rain);
        if (it.type != IT_NONE && !Luo_Esineen_Itempos(it)) return false;
    }
    return true;
}

// The felling; -1 refused, 0 not felled (broken off, or a creature's work under way), 1 felled or,
// with check, the tools were there.
static int fell(int c, int x, int y, int check) {
    if (!worker_ok(c)) return -1;
    if (c == CRE_PLAYER && x == 0) {
        getaheadxy(CRE_PLAYER, &x, &y);
        if (!timber_is_tree(x, y)) {
            if (!OtaKohta("a tree to fell")) return -1;
            x = GeneralX, y = GeneralY;
        }
    }
    int n;
    const FellKind *kind;
    if (timber_fell_ready(c, x, y, n, kind) < 0) return -1;
    const FellKind &k = *kind;
    if (check) {
        if (c == CRE_PLAYER) Palauta_Kaytetyt_Tarvikkeet();
        return 1;
    }
    int minutes = k.minutes;
    if (c == CRE_PLAYER) {
        const int roll = Kayta_Taitoa(1, 0, SKILL, k.learn);
        const char *analysis = Skill_Analyysi(SKILL, 1);
        if (analysis[0]) Note(analysis);
        minutes = tyoaikamuutos(k.minutes, Tarvikelista_Tyokalukelpoisuus(-1), roll);
        if (PVAM_EMERGENCY) minutes *= 4;
        DebugNotef("og time to fell: %d", minutes);
        if (!felled_room(k, x, y)) {
            Palauta_Kaytetyt_Tarvikkeet();
            return 0;
        }
    } else {
        kaanna_NPC_kohti(c, x, y);
        if (n < 0 || Data[n].ready_minute == 0) minutes = tyoaikamuutos(k.minutes, 100, creature_roll(c));
    }
    if (n < 0) n = init_TreeData(x, y);
    if (n >= 0 && Data[n].ready_minute == 0) {
        Data[n].ready_minute = (uint32_t)minutes;
        Data[n].spent_minutes = 0;
    }
    AsetaPonnistelu(c, 6);
    if (c == CRE_PLAYER) {
        const int left = n >= 0 ? dp_leftmins(n) : minutes, spent = n >= 0 ? dp_spentmins(n) : 0;
        DebugNotef("calc time to fell: %d (%d-%d)", left, left + spent, spent);
        DebugNotef("FELLSPEND: spend(%d) - spent already:%d", left, spent);
        Heading();
        copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "TREECHOP");
        breachrun_mischief_here(ACTION_FELL_TREE, 2);
        if (left > 0 && !spend(left, 0, "FELLING A TREE", spent, SPF_LONG0)) {
            const int done = SPEND_MINDONE;
            Palauta_Kaytetyt_Tarvikkeet();
            // Looked up again: the pool may have changed while she worked.
            const int m = timber_tree_rec(x, y);
            if (m >= 0 && Data[m].ready_minute) dp_addmins(m, done);
            DebugNotef("not felled, spent working: %d", done);
            if (m >= 0) DebugNotef("time left: %d total spent: %d", dp_leftmins(m), dp_spentmins(m));
            return 0;
        }
    } else {
        if (n < 0) return 0;   // no room in the pool to keep the work: it waits
        if (dp_leftmins(n) > 1) {
            dp_addmins(n, 1);
            return 0;
        }
    }
    if (!timber_is_tree(x, y)) {
        if (c == CRE_PLAYER) {
            Palauta_Kaytetyt_Tarvikkeet();
            Note(NO_TREE);
        }
        return -1;
    }
    if (isloc_karhunkallohonka(x, y)) set_SpiritData_mood(x, y, SPIRIT_OF_FOREST, FOREST_ANGER_FELLING);
    const ItemStruct it = felled_product(k, x, y, is_it_raining());
    TARGET_NPC = c;
    NPCNote(c, MSG(k.message), "");
    set_mapchar(x, y, TIMBER_FELLED_CHAR);
    if (it.type != IT_NONE) {
        const int pos = Luo_Esineen_Itempos(it);
        if (pos) set_data(DT_ITEM, x, y, pos, k.count + random(k.extra));
    }
    const int m = timber_tree_rec(x, y);
    if (m >= 0) CrunchData(m);
    if (c == CRE_PLAYER) {
        Poista_Kaytetyt_Tarvikkeet();
        world_services.course_task_check(TASK_TREE_FELLED);
    }
    return 1;
}

// A creature's chopping remembers its piece as one number: the object number above the pool index,
// so that a record freed, or freed and filled anew, meanwhile is not taken for the piece.
static int32_t chop_stamp(int src) {
    return (int32_t)(((Data[src].id & STAMP_OBJ_MASK) << STAMP_POS_BITS) | (uint32_t)(src + 1));
}
static int stamped_source(int32_t stamp, int source, int x, int y) {
    if (stamp <= 0) return -1;
    const int src = (int)(stamp & STAMP_POS_MASK) - 1;
    const uint32_t obj = (uint32_t)stamp >> STAMP_POS_BITS;
    if (src < 0 || src >= DATA_MAX) return -1;
    const DataStruct &d = Data[src];
    if (d.type != DT_ITEM || (d.id & STAMP_OBJ_MASK) != obj || abs((int)d.x - x) > 1 || abs((int)d.y - y) > 1) return -1;
    return OnkoEsineId(ObjToItem((int)d.id), source) ? src : -1;
}

// The pieces of one job with their grades in q; answers the roll that sets the minutes.
static int roll_pieces(int c, const ChopKind &k, const ItemStruct &piece, QualityListStruct &q) {
    int pieces = k.pieces;
    if (!pieces) pieces = random(4) + (int)(piece.weight / 2);
    if (pieces < 1) pieces = 1;   // a light block still gives a stick
    ItemStruct product = product_named(k.product);
    if (k.mode == ACTION_CARVE_LOG) product.magic = piece.magic;
    qualist_init(q, 0);
    qualist_inititem(q, product);
    int level = Skill_ML(c, SKILL);
    if (level == 1000) level = 0;
    int time_roll = SR_FAIL;
    for (int i = 0; i < pieces; i++) {
        int grade_roll;
        if (c == CRE_PLAYER) {
            grade_roll = Kayta_Taitoa(1, 0, SKILL, k.learn);
            time_roll = Kayta_Taitoa(1, 0, SKILL, LEARN_NONE);
        } else {
            grade_roll = time_roll = creature_roll(c);
        }
        qualist_add(q, craftquality(level, grade_roll));
    }
    return time_roll;
}

// The worked piece loses one unit and the products are laid at its square; -1 when the piece is not
// what it was.
static int finish_chop(int c, const ChopKind &k, int src, uint32_t obj, int sx, int sy, QualityListStruct &q) {
    if (src < 0 || src >= DATA_MAX || Data[src].type != DT_ITEM || Data[src].id != obj || Data[src].x != sx ||
        Data[src].y != sy || !OnkoEsineId(ObjToItem((int)obj), k.source)) {
        if (c == CRE_PLAYER) {
            Palauta_Kaytetyt_Tarvikkeet();
            Note("&You end the task consufed, and seem to have misplaced something.");
        }
        return -1;
    }
    const ItemStruct piece = ObjToItem((int)obj);
    reduce_datapos(src);
    if (k.branches && piece.subtype != TIMBER_SUBTYPE_LOG) karsi_puu_toxy(0, sx, sy);
    aikaansaantirutiini(c, q, 1, sx, sy, 0);
    if (c == CRE_PLAYER) Poista_Kaytetyt_Tarvikkeet();
    return 1;
}

void karsi_puu_toxy(int, int x, int y) {
    const int row = object("Branch", 1);
    if (row <= 0 || !in_grid(x, y)) return;
    const int pos = Luo_Esineen_Itempos(ObjToItem(row));
    if (pos) set_data(DT_ITEM, x, y, pos, 20 + random(15));
}

int Tee_Vitsas() {
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = OID_SAPLING;
    Tarvike.count = 0;
    Tarvike.max_count = 50;
    Tarvike.remove = 1;
    Tarvike.naming = NAMING_ORIGINAL;
    copy_bounded(Tarvike.naming_text, sizeof Tarvike.naming_text, "dried %s");
    Lisaa_Tarvike();
    Tyhjaa_Tarvike();
    Tarvike.id = OID_KNIFE;
    Lisaa_Tarvike();
    return Kay_Tarvikelista("VITSAS");
}

float timber_bark_factor(int month) {
    switch (month) {
    case 4: case 6: return 1.25f;
    case 5: return 1.0f;
    case 7: return 1.5f;
    case 8: return 2.0f;
    default: return 0.0f;
    }
}

void TIMBERCRAFT() {
    static const int entries[][2] = {{'F', ACTION_FELL_TREE},      {'C', ACTION_CHOP_BLOCKS}, {'S', ACTION_SPLIT_FIREWOOD},
                                     {'L', ACTION_CARVE_LOG},      {'B', ACTION_SPLIT_BOARDS}, {'P', ACTION_PEEL_BARK},
                                     {'T', ACTION_CUT_BRANCHES}};
    Valinta_Tyhjaa();
    for (const auto &e : entries) Valinta_LisaaToiminnalla(e[0], Toiminta(e[1]), e[1]);
    TeeValinta("Timbercraft option");
    Valinta_Toimi();
}

int felltimber(int c, int x, int y, int check) { return fell(c, x, y, check) > 0; }

int TIMBERCRAFT_chop(int c, int x, int y, int mode, int check) {
    const ChopKind *kind = timber_chop_kind(mode);
    if (!kind || !worker_ok(c)) return -1;
    const ChopKind &k = *kind;
    if (c == CRE_PLAYER && x == 0) {
        if (!ValitseLokaatio(PICK_DIRECTION | PICK_OWN_SQUARE, k.prompt)) return -1;
        x = GeneralX, y = GeneralY;
    }
    if (!in_grid(x, y)) return -1;
    // A creature's job under way: its piece as it was remembered, and the timer running down.
    const bool under_way = c != CRE_PLAYER && !check && (Cre[c].Puuha[0] == 121 || Cre[c].Puuha[0] == 122) &&
                           Cre[c].PuuhaKohde[0] != 0;
    if (under_way) {
        const int src = stamped_source(Cre[c].PuuhaKohde[0], k.source, x, y);
        if (src < 0) {
            Cre[c].PuuhaKohde[0] = 0;
            return -1;
        }
        if (Cre[c].PuuhaAika[0] > 1) return 0;
        Cre[c].PuuhaKohde[0] = 0;
        QualityListStruct q;
        roll_pieces(c, k, ObjToItem((int)Data[src].id), q);
        return finish_chop(c, k, src, Data[src].id, Data[src].x, Data[src].y, q);
    }
    const int src = timber_chop_ready(c, k, x, y);
    if (src < 0) return -1;
    if (check) {
        if (c == CRE_PLAYER) Palauta_Kaytetyt_Tarvikkeet();
        return 1;
    }
    const int rating = c == CRE_PLAYER ? Tarvikelista_Tyokalukelpoisuus(-1) : GLOB_TK_kelpoisuus;
    const uint32_t obj = Data[src].id;
    const int sx = Data[src].x, sy = Data[src].y;
    if (c == CRE_PLAYER) saveskill(CRE_PLAYER, SKILL);
    QualityListStruct q;
    const int time_roll = roll_pieces(c, k, ObjToItem((int)obj), q);
    int minutes = tyoaikamuutos(k.minutes, rating, time_roll);
    if (c != CRE_PLAYER) {
        kaanna_NPC_kohti(c, sx, sy);
        AsetaPonnistelu(c, k.exertion);
        Cre[c].PuuhaAika[0] = 2 * (minutes > 0 ? minutes : 1);
        Cre[c].PuuhaKohde[0] = chop_stamp(src);
        return 0;
    }
    if (PVAM_EMERGENCY) minutes *= 3;
    // The pieces find their objects before the work: with no room (she has been told) nothing is done.
    if (!qualist_store_ahead(q)) {
        Palauta_Kaytetyt_Tarvikkeet();
        restoreskill(CRE_PLAYER, SKILL);
        return 0;
    }
    Heading();
    copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "TREECHOP");
    AsetaPonnistelu(CRE_PLAYER, k.exertion);
    // A village with nobody living in it keeps no books.
    const int keeper = own_datapos_keeper(src);
    if (keeper) breachrun_mischief(keeper, mode, 2);
    if (!spend(minutes, 0, "DOING TIMBERCRAFT", 0, 0)) {
        Palauta_Kaytetyt_Tarvikkeet();
        restoreskill(CRE_PLAYER, SKILL);
        return 0;
    }
    clrskillbank();
    return finish_chop(c, k, src, obj, sx, sy, q);
}

int TIMBERCRAFT_bark() {
    const float factor = timber_bark_factor(Plr.month);
    if (factor <= 0) {
        Note("!It is not possible to peel bark at this time of the year.");
        Note("_The best season for harvesting bark is early summer.");
        return 0;
    }
    if (puuhausvammaus(CRE_PLAYER, 8, 2, txt_toimia(ACTION_PEEL_BARK))) return 0;
    int x = 0, y = 0;
    getaheadxy(CRE_PLAYER, &x, &y);
    if (!timber_is_tree(x, y)) {
        if (!OtaKohta("tree to peel bark from")) return 0;
        x = GeneralX, y = GeneralY;
    }
    if (!timber_is_tree(x, y)) {
        Note(NO_TREE);
        return 0;
    }
    if (get_TreeData_peeled(x, y)) {
        Note("!The bark has already been harvested from that tree.");
        return 0;
    }
    char tree[128];
    const char *desc = terrain_desc(get_mapchar(x, y));
    copy_bounded(tree, sizeof tree, desc ? desc : "");
    char upper[128];
    copy_bounded(upper, sizeof upper, tree);
    strupr(upper);
    const bool birch = strstr(upper, "BIRCH") != nullptr;
    if (!birch && !strstr(upper, "ALDER") && !strstr(upper, "ROWAN")) {
        Note("!Bark can be peeled only from birch, alder and rowan trees.");
        return 0;
    }
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = OID_KNIFE;
    Tarvike.linked = OID_SMALL_KNIFE;
    copy_bounded(Tarvike.label, sizeof Tarvike.label, "Knife for peeling bark");
    Lisaa_Tarvike();
    if (!Kay_Tarvikelista(Toiminta(ACTION_PEEL_BARK))) return 0;
    const int roll = Kayta_Taitoa(0, 0, SKILL, LEARN_THIRD);
    const int minutes =
        (int)ceilf((float)tyoaikamuutos(birch ? 60 : 30, Tarvikelista_Tyokalukelpoisuus(-1), roll) * factor);
    ItemStruct it;
    int count = 1;
    if (birch) {
        it = Luo_Sommelo((int)ceilf((float)(80 + 10 * roll) / factor));
    } else {
        it = Luo_Parkkilevy(StrLwr(tree));
        count = (int)ceilf((float)(roll + 1) / factor);
        if (count < 1) count = 1;
    }
    // The bark finds its object before the work: with no room (she has been told) the tree is left be.
    const int pos = Luo_Esineen_Itempos(it);
    if (!pos) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    AsetaPonnistelu(CRE_PLAYER, 2);
    breachrun_mischief_here(ACTION_PEEL_BARK, 1);
    if (!spend(minutes, 0, "HARVESTING BARK", 0, SPF_HELPERS | SPF_HELPERS1)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    char what[SBUF_SIZE], line[SBUF_SIZE];
    copy_bounded(what, sizeof what, count == 1 ? an(ekuvaus(pos, 1, 0)) : ekuvaus(pos, count, 1));
    bprintf(line, sizeof line, "+After careful peeling you managed to harvest %s from this tree.", what);
    Note(line);
    Lisaa_Inventoryyn(pos, count, 1, -1);
    set_TreeData_peeled(x, y);
    return 1;
}

int timber_creature_step(int n, int code, int x, int y) {
    if (!ask_valid(n)) return 1;
    switch (code) {
    case 120: return fell(n, x, y, 0) != 0;
    case 121: return TIMBERCRAFT_chop(n, x, y, ACTION_CARVE_LOG, 0) != 0;
    case 122: return TIMBERCRAFT_chop(n, x, y, ACTION_SPLIT_BOARDS, 0) != 0;
    default: return 1;
    }
}
