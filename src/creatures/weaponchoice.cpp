// src/creatures/weaponchoice.cpp -- a person arms itself for a fight: its best weapon skill, the best
// weapon of its pack for it, a bow when the foe is at shooting range and arrows are at hand, a shield
// held against archers; and the foe it keeps track of.
#include "creatures/weaponchoice.h"

#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/creatures.h"
#include "creatures/decisions.h"
#include "creatures/describe.h"
#include "creatures/lifeask.h"
#include "creatures/life.h"
#include "creatures/melee.h"
#include "items/wearing.h"
#include "items/vessels.h"
#include "maps/mapunit.h"
#include "core/tekstit.h"

int vihollinen = CRE_NONE, vihollinen_x, vihollinen_y, vihollisen_etaisyys;

enum { UNUSABLE = 200 };

static bool creature(int n) { return n >= 0 && n < CRE_COUNT && Cre[n].kind != CK_NONE; }

// The item's skill word as a text of its own.
static void skill_of(const ItemStruct &it, char out[sizeof it.skill + 1]) {
    memcpy(out, it.skill, sizeof it.skill);
    out[sizeof it.skill] = 0;
}
static bool skill_has(const ItemStruct &it, const char *word) {
    char s[sizeof it.skill + 1];
    skill_of(it, s);
    return strstr(s, word) != nullptr;
}
static bool skill_is(const ItemStruct &it, const char *word) {
    char s[sizeof it.skill + 1];
    skill_of(it, s);
    return strcmp(s, word) == 0;
}

// ---- what an item is, for arming ----

static bool arrow_item(const ItemStruct &item) { return item.subtype == ST_ARROW; }

static bool launcher(const ItemStruct &item) {
    if (item.subtype == ST_ARROW) return false;
    return item.subtype == ST_BOW || (item.type == IT_WEAPON && skill_has(item, "BOW"));
}

// What an item is for the fight and the missiles.
int onko_NUOLI(const ItemStruct &item) { return arrow_item(item); }
int onko_JOUSIPYSSY(const ItemStruct &item) { return launcher(item); }

int onko_MELEEASE(const ItemStruct &item) {
    if (item.type != IT_WEAPON || launcher(item) || arrow_item(item)) return 0;
    char s[sizeof item.name + 1];
    memcpy(s, item.name, sizeof item.name);
    s[sizeof item.name] = 0;
    return strcmp(s, "Rock") != 0 && strcmp(s, "Stone") != 0;
}

int onko_HEITTOASE(const ItemStruct &item) {
    if (arrow_item(item)) return 1;
    // The throwing figure of a weapon is its third extra byte.
    char s[sizeof item.name + 1];
    memcpy(s, item.name, sizeof item.name);
    s[sizeof item.name] = 0;
    return onko_MELEEASE(item) && item.cover[2] != 0 && strstr(s, "taff") == nullptr;
}

// A launcher in the hand of n (-1 the player): hand 1, else hand 2.
int onko_JOKU_jousimies(int n) {
    if (n != CRE_PLAYER && !creature(n)) return 0;
    const int first = getwieldedItempos(n, 1);
    const int pos = first ? first : getwieldedItempos(n, 2);
    return pos && launcher(ObjToItem(pos));
}

// ---- the foe ----

void Aseta_Vihollinen(int n, int enemy) {
    if (!creature(n)) return;
    CreatureStruct &c = Cre[n];
    c.enemy = enemy;
    if (enemy == -1) {
        c.enemy_soc = 0xFFFF;
        c.enemy_x = (uint16_t)PlayerX, c.enemy_y = (uint16_t)PlayerY;
    } else if (creature(enemy)) {
        c.enemy_soc = (uint16_t)Cre[enemy].socialid;
        c.enemy_x = (uint16_t)cre_x(enemy), c.enemy_y = (uint16_t)cre_y(enemy);
    } else {
        c.enemy_soc = 0;
    }
}

int OtaVihollisenTiedot(int n) {
    vihollinen = CRE_NONE;
    if (!creature(n)) return 0;
    CreatureStruct &c = Cre[n];
    const int e = c.enemy;
    if (e == n || e == CRE_NONE) return 0;
    int x, y;
    if (e == -1) {
        if (c.enemy_x == 0 && c.enemy_y == 0) c.enemy_x = (uint16_t)PlayerX, c.enemy_y = (uint16_t)PlayerY;
        if (c.perception) c.enemy_x = (uint16_t)PlayerX, c.enemy_y = (uint16_t)PlayerY;
        x = c.enemy_x, y = c.enemy_y;
    } else {
        if (!creature(e) || Cre[e].mode == CM_CARCASS || cre_datapos(e) < 0) return 0;
        // A slot that now holds someone else is no foe.
        if (c.enemy_soc && (uint16_t)Cre[e].socialid != c.enemy_soc) return 0;
        x = cre_x(e), y = cre_y(e);
    }
    vihollinen = e;
    vihollinen_x = x, vihollinen_y = y;
    vihollisen_etaisyys = koordinaattien_vali(cre_x(n), cre_y(n), x, y);
    return 1;
}

// ---- skills ----

int NPC_paras_taistelukyky(int n, int mode) {
    if (!creature(n)) return -1;
    CreatureStruct &c = Cre[n];
    int best = -1;
    for (int i = 0; i < 4; i++) {
        if (!c.skillname[i][0]) continue;
        // A dagger is fought with as a knife.
        if (strncmp(c.skillname[i], "DAGGER", sizeof c.skillname[i]) == 0)
            copy_bounded(c.skillname[i], sizeof c.skillname[i], "KNIFE");
        if (best < 0 || c.skilllevel[i] > c.skilllevel[best]) best = i;
    }
    if (mode != 2 || best < 0) return best;
    int other = -1;
    for (int i = 0; i < 4; i++) {
        if (!c.skillname[i][0] || strncmp(c.skillname[i], c.skillname[best], sizeof c.skillname[i]) == 0) continue;
        if (other < 0 || c.skilllevel[i] > c.skilllevel[other]) other = i;
    }
    return other;
}

// ---- bows and arrows ----

static bool is_arrow_to_shoot(const ItemStruct &it) { return it.subtype == ST_ARROW && it.fig[0] == 0; }

int NPC_nuoli(int n, int take) {
    if (!creature(n)) return 0;
    CreatureStruct &c = Cre[n];
    for (int s = 0; s < CRE_PACK; s++) {
        if (!c.pack[s] || !arrow_item(ObjToItem(c.pack[s]))) continue;
        const int pos = c.pack[s];
        if (take) {
            if (c.packcount[s] > 1) {
                c.packcount[s]--;
            } else {
                c.pack[s] = 0;
                c.packcount[s] = 0;
                c.packbits[s] = 0;
            }
        }
        return pos;
    }
    return 0;
}

int NPC_jousi_perusteltu(int n, int check) {
    if (!creature(n)) return 0;
    CreatureStruct &c = Cre[n];
    if (check) {
        if (!OtaVihollisenTiedot(n)) return 0;
        const int d = vihollisen_etaisyys;
        if (d < 4) {
            // Close by, only a foe up in the air or a tree is shot at; never the player.
            if (vihollinen == -1 || !creature(vihollinen)) return 0;
            if (Cre[vihollinen].korkeus != 100 && Cre[vihollinen].korkeus != 200) return 0;
        }
        if (d > 15) return 0;
        if (vihollinen == -1 && onko_taistelutilanne(-1, 1) > 0) return 0;
    }
    bool bow = c.wielded && launcher(ObjToItem(c.wielded));
    int arrows = 0;
    for (int s = 0; s < CRE_PACK; s++) {
        if (!c.pack[s]) continue;
        const ItemStruct it = ObjToItem(c.pack[s]);
        if (launcher(it)) bow = true;
        if (is_arrow_to_shoot(it)) arrows += c.packcount[s] ? c.packcount[s] : 1;
    }
    return bow && arrows > 1;
}

// ---- hands ----

static int take_from_pack(CreatureStruct &c, int slot) {
    const int pos = c.pack[slot];
    if (c.packcount[slot] > 1) {
        c.packcount[slot]--;
    } else {
        c.pack[slot] = 0;
        c.packcount[slot] = 0;
        c.packbits[slot] = 0;
    }
    return pos;
}

void NPC_unwield(int n, int which) {
    if (!creature(n)) return;
    CreatureStruct &c = Cre[n];
    int32_t *hands[2] = {&c.wielded, &c.offhand};
    for (int h = 1; h <= 2; h++) {
        if (which != 0 && which != h) continue;
        int32_t &held = *hands[h - 1];
        if (!held) continue;
        TARGET_ITEM = held;
        cre_say(n, "UNWIELD_WEAPON");
        AddCrPack(n, held, 1);
        held = 0;
        if (h == 2) c.shieldmode = 0;
    }
}

void NPC_selectshieldmode(int n) {
    if (!creature(n)) return;
    CreatureStruct &c = Cre[n];
    c.shieldmode = 0;
    if (!c.offhand || !OtaVihollisenTiedot(n)) return;
    if (onko_JOKU_jousimies(vihollinen)) c.shieldmode = random(2) ? 4 : 2;
}

int NPC_shieldwield(int n) {
    if (!creature(n)) return 0;
    CreatureStruct &c = Cre[n];
    if (c.offhand || !OtaVihollisenTiedot(n) || vihollisen_etaisyys <= 2) return 0;
    if (c.wielded) {
        const ItemStruct held = ObjToItem(c.wielded);
        if (onehanded_pen(held) > 5 || launcher(held)) return 0;
    }
    int slot = -1;
    for (int s = 0; s < CRE_PACK; s++) {
        if (!c.pack[s]) continue;
        const ItemStruct it = ObjToItem(c.pack[s]);
        if (skill_is(it, "SHIELD") && it.type == IT_WEAPON && ase_kayttokelpoinen(it)) slot = s;
    }
    if (slot < 0) return 0;
    TARGET_ITEM = c.pack[slot];
    cre_say(n, "WIELD_WEAPON");
    c.offhand = take_from_pack(c, slot);
    c.shieldmode = 0;
    NPC_selectshieldmode(n);
    return 1;
}

// Sum of the aspects a weapon can strike with.
static int aspect_sum(const ItemStruct &it) {
    int sum = 0;
    for (int i = 0; i < 3; i++)
        if (it.fig[i] < UNUSABLE) sum += it.fig[i];
    return sum;
}

int NPC_wield(int n) {
    if (!creature(n) || Cre[n].kind != CK_HUMAN) return 0;
    CreatureStruct &c = Cre[n];
    const int shoot = NPC_jousi_perusteltu(n, 1);
    if (!shoot) {
        if (c.wielded && skill_has(ObjToItem(c.wielded), "BOW")) NPC_unwield(n, 1);
        if (c.offhand) {
            if (random(5) == 0) NPC_selectshieldmode(n);
        } else if (NPC_shieldwield(n)) {
            return 1;
        }
    } else if (c.wielded && !launcher(ObjToItem(c.wielded))) {
        NPC_unwield(n, 0);
    }
    if (c.offhand && random(5) == 0) NPC_selectshieldmode(n);
    if (c.wielded && random(30) != 0) return 0;
    const int bestskill = NPC_paras_taistelukyky(n, 0);
    int skillslot = -1, skillscore = -1, skillclass = -1;
    int genslot = -1, genscore = -1, genclass = -1;
    for (int s = 0; s < CRE_PACK; s++) {
        if (!c.pack[s]) continue;
        const ItemStruct it = ObjToItem(c.pack[s]);
        if (it.type != IT_WEAPON || arrow_item(it) || skill_is(it, "SHIELD")) continue;
        if ((launcher(it) != 0) != (shoot != 0)) continue;
        // A net or the like strikes no way at all: never taken up for a fight.
        if (!ase_kayttokelpoinen(it)) continue;
        const int cls = Ota_AttackClass(it.adclass);
        if (bestskill >= 0) {
            char s2[sizeof it.skill + 1];
            skill_of(it, s2);
            if (strncmp(s2, c.skillname[bestskill], sizeof c.skillname[bestskill]) == 0) {
                const int score = aspect_sum(it);
                if (score >= skillscore && cls >= skillclass) skillslot = s, skillscore = score, skillclass = cls;
            }
        }
        const int score = analysoi_ase(it).best;
        if (score >= genscore && cls >= genclass) genslot = s, genscore = score, genclass = cls;
    }
    int choice;
    if (skillslot < 0 || c.pack[skillslot] == c.pack[genslot]) {
        if (genslot < 0) return 0;
        choice = genslot;
        if (c.wielded && vertaa_aseita(ObjToItem(c.wielded), ObjToItem(c.pack[choice])) == 2) NPC_unwield(n, 1);
    } else {
        choice = skillslot;
        if (c.wielded) {
            const ItemStruct held = ObjToItem(c.wielded);
            char hs[sizeof held.skill + 1];
            skill_of(held, hs);
            const bool offskill = strncmp(hs, c.skillname[bestskill], sizeof c.skillname[bestskill]) != 0;
            if (offskill || vertaa_aseita(held, ObjToItem(c.pack[choice])) == 2) NPC_unwield(n, 1);
        }
    }
    if (c.wielded) return 0;
    TARGET_ITEM = c.pack[choice];
    cre_say(n, "WIELD_WEAPON");
    c.wielded = take_from_pack(c, choice);
    c.bowaim = 0;
    return 1;
}
