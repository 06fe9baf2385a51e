// src/creatures/trapcatch.cpp -- the trap kinds, and what a trap takes when a creature steps into it
// or struggles in it (see trapcatch.h).
#include "creatures/trapcatch.h"

#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/commandcodes.h"
#include "core/creatures.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/worldservices.h"
#include "creatures/body.h"
#include "creatures/people.h"   // MB_GOHOME: one going home walks past
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/wounding.h"
#include "creatures/wounds.h"
#include "items/items.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/npcnote.h"

enum {
    TF_NO_TRACKS = 2048,
    KIND_HARE = 2, KIND_FOX = 18, KIND_BIRD = 21,
    TRAP_HEAR_RANGE = 20,
};

// ---- the kinds --------------------------------------------------------------------------------

static const float NO_LIMIT = 1e30f;

const TrapKind TRAP_KINDS[] = {
    {ACTION_LEVER_TRAP, "LIGHT LEVER TRAP", 20, 10, -NO_LIMIT, false, 5.0f, 1, 0, 5, 5, 0,
     {{ID_KNIFE, 1, 0, 0, 0}, {ID_SLENDER, 1, 1, 0, 0}, {ID_BRANCH, 2, 1, 0, 0}, {ID_STONE, 1, 1, 0, 0}}},
    {ACTION_SMALL_DEADFALL, "SMALL DEADFALL TRAP", 30, 5, 3.0f, false, 7.0f, 1, 2, 5, 5, 0,
     {{ID_KNIFE, 1, 0, 0, 0}, {ID_SLENDER, 2, 1, 0, 0}, {ID_TYING, 1, 1, 3, 0}, {ID_BRANCH, 2, 1, 0, 0},
      {ID_STONE, 1, 1, 0, 0}}},
    {ACTION_BIG_DEADFALL, "BIG DEADFALL TRAP", 45, BONUS_BIG_DEADFALL, 10.0f, false, 45.0f, 2, 2, 5, 10, 0,
     {{ID_KNIFE, 1, 0, 0, 0}, {ID_SLENDER, 8, 1, 0, 1}, {ID_BRANCH, 1, 1, 0, 0}, {ID_TYING, 1, 1, 6, 0},
      {ID_STONE, 10, 1, 0, 1}}},
    {ACTION_BEAR_DEADFALL, "HEAVY DEADFALL BEAR TRAP", 60, BONUS_BEAR_TRAP, 30.0f, false, NO_LIMIT, 2, 3, 10, 10, 0,
     {{ID_KNIFE, 1, 0, 0, 0}, {ID_AXE, 1, 0, 0, 0}, {ID_SLENDER, 3, 1, 0, 1}, {ID_TRUNK, 3, 1, 0, 1},
      {ID_ROPE, 1, 1, 10, 0}}},
    {ACTION_TRAP_PIT, "TRAP-PIT", 45, 30, 30.0f, true, NO_LIMIT, 1, 3, 10, 10, 0,
     {{ID_SLENDER, 3, 1, 0, 0}, {ID_BRANCH, 10, 1, 0, 0}, {ID_TWIG, 10, 1, 0, 0}}},
    {ACTION_STAKED_PIT, "TRAP-PIT", 90, 25, 30.0f, true, NO_LIMIT, 1, 4, 10, 15, 4,
     {{ID_STAKE, 6, 1, 0, 0}, {ID_SLENDER, 3, 1, 0, 0}, {ID_BRANCH, 10, 1, 0, 0}, {ID_TWIG, 10, 1, 0, 0}}},
};

const int TRAP_KIND_COUNT = (int)(sizeof TRAP_KINDS / sizeof TRAP_KINDS[0]);

const TrapKind *trap_kind_of(int code) {
    for (const TrapKind &k : TRAP_KINDS)
        if (k.code == code) return &k;
    return nullptr;
}

// ---- the record --------------------------------------------------------------------------------

bool trap_item(const DataStruct &d, ItemStruct &it) {
    if (!trap_item_number(d.id)) return false;
    it = ObjToItem((int)d.id);
    return it.type != IT_NONE;
}

const char *Ansan_Nimi(int n) {
    char *out = sbuf();
    const char *name = "";
    ItemStruct it;
    if (is_trap_record(n)) {
        if (trap_portable(Data[n])) {
            if (trap_item(Data[n], it)) name = ekuvaus((int)Data[n].id, 1, 0);
        } else if (Data[n].id < 1000) {
            name = Toiminta((int)Data[n].id);
        }
    }
    copy_bounded(out, SBUF_SIZE, name[0] ? StrLwr(name) : "useless old trap");
    return out;
}

// ---- what a trap takes ----------------------------------------------------------------------------

static const CreatureStruct *creature_of(int c) {
    if (c == CRE_PLAYER) return &Creature;
    if (c < 0 || c >= CRE_COUNT || Cre[c].kind == CK_NONE) return nullptr;
    return &Cre[c];
}

// A person falls only into a lone trap with no fence or trackless ground about it.
static bool person_may_fall(const DataStruct &t) {
    if (count_datatype_around(DT_TRAP, t.x, t.y) > 1) return false;
    for (int y = t.y - 2; y <= t.y + 2; y++)
        for (int x = t.x - 2; x <= t.x + 2; x++) {
            const int c = get_mapchar(x, y);
            if (c == '*' || terrain_flag(c, TF_NO_TRACKS)) return false;
        }
    return true;
}

static int takes(int n, int c, bool chance) {
    if (!is_trap_record(n)) return 0;
    const CreatureStruct *cr = creature_of(c);
    if (!cr) return 0;
    DataStruct &t = Data[n];
    if (c >= 0) {
        if (cr->kind == CK_SPIRIT || onko_NPC_kumppani(c) || onko_NPC_kesyelain(c)) return 0;
        if ((cr->compflags[3] & 64) || (cr->memberbits & MB_GOHOME)) return 0;
        if (cr->kind == CK_HUMAN && !person_may_fall(t)) return 0;
    }
    const int kind = cr->kind;
    const float w = cr->weight;
    if (!trap_portable(t) && t.id == ACTION_BEAR_DEADFALL && (t.flags & TRAPF_FAVOURED)) return cr->speciescode == SPECIES_BEAR;
    if (chance && t.count == 0 && random(100) <= 94) return 0;
    if (kind == CK_HUMAN) return !trap_portable(t) && (t.id == ACTION_TRAP_PIT || t.id == ACTION_STAKED_PIT);
    if (trap_portable(t)) {
        ItemStruct it;
        if (!trap_item(t, it)) return 0;
        if (it.trap[0] && !it.trap[1]) {
            if (chance) PaastaAnsa(n);
            return 0;
        }
        if (it.id == OID_FOX_TRAP) return kind == KIND_FOX && count_datatype_around(DT_TRAP, t.x, t.y) <= 2;
        if (it.id == OID_LOOP_SNARE) {
            if (t.flags & TRAPF_FAVOURED) return kind == KIND_HARE;
            return kind == KIND_HARE || kind == KIND_BIRD;
        }
        return 0;
    }
    const TrapKind *k = trap_kind_of((int)t.id);
    if (!k) return 0;
    const bool above = k->over_inclusive ? w >= k->over : w > k->over;
    return above && w <= k->upto;
}

int VaikuttaakoAnsa(int n, int c) { return takes(n, c, true); }
int ansa_ottaisi(int n, int c) { return takes(n, c, false); }

// ---- springing and holding ------------------------------------------------------------------------

// The trap's name as a message fills it in.
static void trap_words(int n, bool article) {
    const char *name = Ansan_Nimi(n);
    if (article) copy_bounded(vMSG_var, sizeof vMSG_var, an(name));
    else bprintf(vMSG_var, sizeof vMSG_var, "the %s", name);
}

// Tells the key about creature c (-1 the player) within the trap's hearing range.
static void tell(int c, const char *key) {
    TARGET_NPC = c;
    const int was = NPCNOTE_HEARLIMIT;
    NPCNOTE_HEARLIMIT = TRAP_HEAR_RANGE;
    char seen[MSGBUF_SIZE];
    copy_bounded(seen, sizeof seen, MSG(key));
    NPCNote(c, seen, "");
    NPCNOTE_HEARLIMIT = was;
}

int AstuAnsaan(int c, int x, int y) {
    const int n = get_datatype(DT_TRAP, x, y);
    if (!is_trap_record(n) || Data[n].extra != TRAP_ARMED) return 0;
    if (c != CRE_PLAYER && (c < 0 || c >= CRE_COUNT || !VaikuttaakoAnsa(n, c))) return 0;
    DataStruct &t = Data[n];
    t.extra = TRAP_SPRUNG;
    trap_words(n, true);
    tell(c, "TRAP_ENTER");
    if (c == CRE_PLAYER) {
        bprintf(InjuryCause, sizeof InjuryCause, "Walked into %s", an(Ansan_Nimi(n)));
    } else {
        world_services.course_task_check(TASK_CREATURE_TRAPPED);
        Cre[c].trapminute = Plr.minutes ? Plr.minutes : 1;
    }
    const TrapKind *k = trap_portable(t) ? nullptr : trap_kind_of((int)t.id);
    if (!k) return 1;
    const int wounds = k->count + random(k->count_r);
    for (int i = 0; i < wounds; i++) {
        const int part = RandomBodypart(2, c);
        if (c == CRE_PLAYER) {
            char line[120];
            bprintf(line, sizeof line, "&Your %s gets hurt!", BODYPART(part, CRE_PLAYER));
            Note(line);
        }
        HAAVOITA(c, k->damage, k->impact + random(k->impact_r), part, Side, CAUSE_TRAP);
        if (c != CRE_PLAYER && Cre[c].kind == CK_NONE) break;   // it died of the trap
    }
    return 1;
}

int PiteleekoAnsa(int n, int c) {
    if (!is_trap_record(n)) return 0;
    trap_words(n, false);
    if (c == CRE_PLAYER) {
        TARGET_NPC = CRE_PLAYER;
        Note(MSG("TRAP_FREE"));
        return 0;
    }
    if (c < 0 || c >= CRE_COUNT) return 0;
    CreatureStruct &cr = Cre[c];
    if (VaikuttaakoAnsa(n, c) && Data[n].count != 0 && !is_human(c)) {
        if (cr.trapminute == 0) cr.trapminute = Plr.minutes ? Plr.minutes : 1;
        if (cr.korkeus > 0) cr.korkeus = 0;
        return 1;
    }
    trap_words(n, false);
    tell(c, "TRAP_FREE");
    cr.trapminute = 0;
    return 0;
}

