// src/creatures/describe.cpp -- the information box of a creature, a creature's pack and what it
// picks up, and who may cut a carcass (its general description line and a carcass's state are
// core/carcassdesc's).
#include "creatures/describe.h"
#include "creatures/decisions.h"

#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "maps/spiritdata.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "base/strupr.h"
#include "creatures/bodyrec.h"
#include "creatures/crefile.h"
#include "core/crefunc.h"
#include "creatures/life.h"
#include "creatures/people.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/wounds.h"
#include "creatures/zoomservices.h"
#include "items/inventory.h"
#include "items/items.h"
#include "items/matching.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "base/ui.h"
#include "core/creatures.h"
#include "core/tekstit.h"

static CreatureStruct *cre(int n) { return n >= 0 && n < CRE_COUNT ? &Cre[n] : nullptr; }

static void field(char *out, size_t size, const char *f, size_t fsize) {
    const size_t n = strnlen(f, fsize);
    copy_bounded(out, size < n + 1 ? size : n + 1, f);
}

// Appends to a text buffer, cut at its end.
static void put(char *out, size_t size, const char *text) {
    const size_t n = strlen(out);
    if (n + 1 < size) copy_bounded(out + n, size - n, text);
}

// ---- the information box ----

// A comma list read aloud: its last comma becomes "and" ("a, b and c").
static void put_list(char *out, size_t size, const char *list) {
    const char *last = strrchr(list, ',');
    if (!last) {
        put(out, size, list);
        return;
    }
    putf(out, size, "%.*s and %s", (int)(last - list), list, last[1] == ' ' ? last + 2 : last + 1);
}

// How tired a creature looks by its fatigue penalty; "" when not at all.
static const char *fatigue_word(int penalty) {
    if (penalty <= 20) return "";
    return word_of(penalty > 80 ? "OVERALL_FATIGUE:GREAT" : penalty > 60 ? "OVERALL_FATIGUE:HIGH"
                 : penalty > 40 ? "OVERALL_FATIGUE:MED" : "OVERALL_FATIGUE:LOW");
}

// The player's own dog shows how hungry it is.
static const char *dog_hunger(int n, const CreatureStruct &c) {
    if (c.speciescode != SPECIES_DOG || !onko_NPC_kesyelain(n)) return "";
    const int most = maxenergiavaranto(n);
    if (c.energy < 0) return "starved";
    if (c.energy < most / 4) return "very hungry";
    if (c.energy < most / 2) return "hungry";
    return "";
}

static void box_looks(int n, const CreatureStruct &c, char *out, size_t size) {
    char list[300] = "";
    int sx, sy;
    if (c.kind == CK_SPIRIT && creature_square(n, sx, sy)) add_word(list, sizeof list, txtdesc_HaltijaIlme(sx, sy, (int)c.speciescode));
    add_word(list, sizeof list, dog_hunger(n, c));
    add_word(list, sizeof list, fatigue_word(FATIGUE_PENALTY(n)));
    if (!list[0]) return;
    putf(out, size, "%s ", MSG("NPC_LOOKS_LIKE"));
    put_list(out, size, list);
    put(out, size, ".<br><br>");
}

static void box_hands(const CreatureStruct &c, char *out, size_t size) {
    const int32_t hands[2] = {c.wielded, c.offhand};
    for (const int32_t held : hands) {
        if (held <= 0) continue;
        putf(out, size, "%s ", MSG("NPC_INFO_WIELDING"));
        putf(out, size, "<red>%s<black><br>", ekuvaus((int)held, 1, 1));
    }
    if (!c.offhand || !c.shieldmode) return;
    // The guard bits of a creature's shield: 2 in the centre, 4 high, 8 at its side.
    const char *guard = (c.shieldmode & 8) ? "on left side" : (c.shieldmode & 4) ? "high" : (c.shieldmode & 2) ? "in center" : "";
    if (guard[0]) putf(out, size, "%s %s.<br>", MSG("NPC_INFO_SHIELD"), guard);
}

static void box_wounds(int n, const CreatureStruct &c, char *out, size_t size) {
    char wounds[1200] = "";
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++)
        if (wound_get(n, s, w) && w.kind) {
            char line[120];
            copy_bounded(line, sizeof line, HAAVA_kuvaus(n, s));
            add_word(wounds, sizeof wounds, StrLwr(line));
        }
    char legs[200];
    copy_bounded(legs, sizeof legs, HK_liikuntaelimet(n));
    if (wounds[0]) {
        putf(out, size, "<red>%s<black> ", MSG("NPC_IS_INJURED"));
        put_list(out, size, wounds);
        put(out, size, ". ");
    }
    if (legs[0]) {
        const char *who = c.kind != CK_HUMAN ? "SUBJ_PRES:IT" : (c.sexage & 1) ? "SUBJ_PRES:MASC" : "SUBJ_PRES:FEM";
        putf(out, size, "%s <red>%s<black>.", MSG(who), legs);
    }
    if (wounds[0] || legs[0]) put(out, size, "<br><br>");
}

static void box_gear(const CreatureStruct &c, char *out, size_t size) {
    char list[1500] = "";
    for (const int32_t item : c.worn)
        if (item > 0) add_word(list, sizeof list, ekuvaus((int)item, 1, 1));
    if (list[0]) {
        putf(out, size, "<blue>%s ", MSG("NPC_IS_WEARING"));
        put_list(out, size, list);
        put(out, size, ".<br><br>");
    }
    list[0] = 0;
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] > 0 && c.packcount[i] > 0) add_word(list, sizeof list, ekuvaus((int)c.pack[i], c.packcount[i], 1));
    if (list[0]) {
        putf(out, size, "<blue>%s ", MSG("NPC_IS_CARRYING"));
        put_list(out, size, list);
        put(out, size, ".<br>");
    }
    put(out, size, "<black>");
}

// The raw values a developer reads beside the words.
static void box_debug(int n, const CreatureStruct &c, char *out, size_t size) {
    putf(out, size, "<br>slot %d, species %u, kind %u, role %u, age %d (born %d), young %d<br>", n, c.speciescode,
         c.kind, c.role, (int)c.playerage, (int)c.birthday, (c.sexage & 2) ? 1 : 0);
    putf(out, size, "energy %d of %d, diet %u/%u, herd %u, group %u<br>", (int)c.energy, maxenergiavaranto(n), c.diet1,
         c.diet2, c.herd, c.group);
    putf(out, size, "mode %u, activity %d (main %u), posture %u, enemy %d<br>", c.mode, (int)c.Puuha[0], c.Paapuuha,
         c.posture, (int)c.enemy);
    putf(out, size, "social id %u, mother %u, community %u, member bits %u, party %u<br>", c.socialid, c.mother,
         c.community, c.memberbits, c.partyflags);
    for (int s = 0; s < 4; s++)
        if (c.skillname[s][0]) putf(out, size, "%.*s %u, ", (int)sizeof c.skillname[s], c.skillname[s], c.skilllevel[s]);
    putf(out, size, "<br>weight %.1f kg (species %.1f), load %u<br>", (double)c.weight, (double)c.speciesweight, c.load);
    putf(out, size, "penalties: injury %d, fatigue %d, starvation %d, encumbrance %d<br>", INJURY_PENALTY(n),
         FATIGUE_PENALTY(n), STARVATION_PENALTY(n), ENCUMBRANCE_PENALTY(n));
    putf(out, size, "legs %.2f, speed %d, most %d, now %d, height %d<br>", (double)INVASUHDE_liikuntaelimet(n),
         MOBILITY(n), MAX_MOBILITY(n), ACTUAL_MOBILITY(n), (int)c.korkeus);
    putf(out, size, "escape %u/%u, morale %u %u %u %u %u %u %u, aggression %u<br>", c.refuge[0], c.refuge[1], c.morale1,
         c.morale2, c.morale3, c.morale4, c.morale5, c.morale6, c.morale7, c.aggressiveness);
    putf(out, size, "price %d, friendship %u, foeship %u, familiarity %u<br>", NPC_inventoryhinta(n), c.friendship,
         c.foeship, c.familiarity);
}

void NPC_inforuutu(int n) {
    const CreatureStruct *c = cre(n);
    if (!c) return;
    static char text[6000];
    char general[512];
    copy_bounded(general, sizeof general, NPC_yleiskuvaus(n, c->mode));
    general[0] = (char)toupper((unsigned char)general[0]);
    snprintf(text, sizeof text, "%s.<br><br>", general);
    box_looks(n, *c, text, sizeof text);
    box_hands(*c, text, sizeof text);
    box_wounds(n, *c, text, sizeof text);
    box_gear(*c, text, sizeof text);
    if (DEBUG_INFO) box_debug(n, *c, text, sizeof text);
    char title[64], topic[64];
    field(title, sizeof title, c->species, sizeof c->species);
    copy_bounded(topic, sizeof topic, strstr(StrUpr(title), "NJERPEZ") ? "NJERPEZI" : title);
    ui_cursor_infobox(title, text, topic);
}

// ---- the pack ----

int new_AddCrPack(int n, int obj, int count, int tag) {
    if (count == 0 || obj == 0) return 1;
    if (n < 0 || (n >= CRE_COUNT && n != 1000)) return 0;
    // 1000 is the creature being built in the working record: no weight limit applies to it.
    CreatureStruct &c = n == 1000 ? Creature : Cre[n];
    if (n != 1000) {
        if (c.weight < 2.0f) return 0;
        if (!cancarryWT(n, (float)count * ObjToItem(obj).weight)) return 0;
    }
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] == obj && c.packbits[i] == tag && c.packcount[i] + count < 256) {
            c.packcount[i] = (uint8_t)(c.packcount[i] + count);
            if (n != 1000) laske_Load(n);
            return 1;
        }
    const int needed = count <= 255 ? 1 : (count + 254) / 255;
    int free = 0;
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] == 0) free++;
    if (free < needed) return 0;
    for (int i = 0; i < CRE_PACK && count > 0; i++) {
        if (c.pack[i] != 0) continue;
        const int here = count > 255 ? 255 : count;
        c.pack[i] = obj;
        c.packcount[i] = (uint8_t)here;
        c.packbits[i] = (uint8_t)tag;
        count -= here;
    }
    if (n != 1000) laske_Load(n);
    return 1;
}

int AddCrPack(int n, int obj, int count) { return new_AddCrPack(n, obj, count, 0); }

int new_cr_pickup(int n, int pos, int count, int tag) {
    CreatureStruct *c = cre(n);
    if (!c || pos < 0 || pos >= DATA_MAX || Data[pos].type != DT_ITEM) return 0;
    if (c->intelligence < 5 || c->dexterity < 5) return 0;
    const int have = Data[pos].count;
    if (count <= 0 || count > have) count = have;
    if (!new_AddCrPack(n, (int)Data[pos].id, count, tag)) return 0;
    c->lastaction |= 1;
    TARGET_NPC = n;
    TARGET_ITEM = (int)Data[pos].id;
    TARGET_NUM = count;
    NPCNote(n, MSG("NPC_PICK_UP"), "");   // the player's own "PICK_UP" speaks to her
    datapos_deccount(pos, count);
    return 1;
}

int cr_pickup(int n, int pos, int count) { return new_cr_pickup(n, pos, count, 0); }

int combatwise_dp(int, int x, int y) {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
        // A net or anything else that strikes no way at all is no loot for a fight.
        const ItemStruct it = ObjToItem((int)d.id);
        if (it.type == IT_WEAPON && ase_kayttokelpoinen(it)) return i;
    }
    return -1000;
}

int spendtask_helpers(char *names, int size) {
    if (names && size > 0) names[0] = 0;
    int helpers = 0;
    reset_dotlist();
    for (int c = 0; c < CRE_COUNT; c++) {
        const CreatureStruct &r = Cre[c];
        if (r.kind == CK_NONE || r.mode == CM_CARCASS || !onko_NPC_kumppani(c)) continue;
        // one in a fight or on the run helps no one
        if (r.Puuha[0] != 0 || r.posture != 0 || onko_JOKU_tajuton(c) || !onko_NPC_vapaa_reagoimaan(c)) continue;
        const int dp = cre_datapos(c);
        if (dp < 0 || std::abs((int)Data[dp].x - PlayerX) > 1 || std::abs((int)Data[dp].y - PlayerY) > 1) continue;
        helpers++;
        add_dotlist(monnam(c, 0));
    }
    if (names && size > 0) copy_bounded(names, (size_t)size, get_dotlistbuf());
    return helpers;
}

int cre_xy_select(int x, int y) {
    enum { MOST = 24 };
    int found[MOST], n = 0;
    for (int i = 0; i < DATA_MAX && n < MOST; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE || d.x != x || d.y != y) continue;
        int c = (int)d.id - CRE_DATAID;
        if (c < 0 || c >= CRE_COUNT) continue;
        if (!DEBUG_INFO && sukeltaako_NPC(c)) continue;
        found[n++] = c;
    }
    if (n == 0) return -1;
    if (n == 1) return found[0];
    Note("+There are multiple creatures.");
    Valinta_Tyhjaa();
    for (int i = 0; i < n; i++) Valinta_Lisaa(menukeys[i], monnam(found[i], 4));
    int key = TeeValinta("Select target");
    if (key == 0) {
        Note("!Canceled.");
        return -1000;
    }
    for (int i = 0; i < n; i++)
        if (menukeys[i] == key) return found[i];
    return -1;
}

// ---- a carcass and who may cut it ----------------------------------------------------------------


CreatureStruct *carcass_creature(int n, int &m) {
    m = -1;
    if ((unsigned)n >= (unsigned)DATA_MAX || Data[n].type != DT_CARCASS) return nullptr;
    m = creature_slot_of(Data[n].id);
    if (m < 0 || Cre[m].kind == CK_NONE) return nullptr;
    return &Cre[m];
}

int carcass_cuttable(int c, int n) {
    if ((unsigned)c >= (unsigned)CRE_COUNT) return 0;
    int m;
    const CreatureStruct *cr = carcass_creature(n, m);
    if (!cr || cr->kind == CK_HUMAN || m == c) return 0;
    if (pctRotten_carcass(m, nullptr, 0) > 0) return 0;
    return npc_has_requirement(c, OID_CUTTING);
}
