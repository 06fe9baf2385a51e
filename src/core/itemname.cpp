// src/core/itemname.cpp -- the names and descriptions of items as every message and list tells them:
// the quality words, the units of a quantity, the plants by their local names, a carcass by its dead
// creature, and the animal on a leash.
#include "core/itemname.h"

#include <cstdio>
#include <cstring>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/carcassdesc.h"
#include "core/creatures.h"
#include "core/crefile.h"
#include "core/crefunc.h"
#include "core/obj_func.h"
#include "core/tekstit.h"

ItemStruct NimiTempItem;
char UFLORA[UFLORA_ROWS][UFLORA_SIZE];

int is_arrow(const ItemStruct &item) { return item.type == IT_WEAPON && item.subtype == ST_ARROW; }
int get_Item_pituus(const ItemStruct &item) { return item.fig[4]; }

static const char *const YM_levy = "sheet/sheets";
static const char *const YM_kera = "ball/balls";
static const char *const YM_hyppysellinen = "pinch/pinches";
static const char *const YM_kasa = "pile/piles";
static const char *const YM_tukku = "bunch/bunches";
static const char *const YM_kourallinen = "fistful/fistfuls";
static const char *const YM_sieni = "mushroom/mushrooms";

static const char *unit_word(const char *pair, bool plural) { return plural ? mon(pair) : yks(pair); }

const char *elaatu(const ItemStruct *item, int grade) {
    static const char *const arrows[5] = {"curved", "rough", "decent", "fine", "superior"};
    static const char *const weapons[5] = {"crude", "rough", "decent", "fine", "masterwork"};
    static const char *const containers[5] = {"leaky", "rough", "decent", "fine", "beautiful"};
    static const char *const skins[5] = {"ragged", "harsh", "decent", "fine", "superior"};
    static const char *const foods[5] = {"awful", "bland", "decent", "tasty", "delicious"};
    static const char *const others[5] = {"poor", "inferior", "decent", "fine", "perfect"};
    if (grade < 1) grade = 1;
    if (grade > 5) grade = 5;
    const char *const *words = others;
    if (item && is_arrow(*item)) words = arrows;
    else if (item && (item->type == IT_WEAPON || item->type == IT_ARMOUR)) words = weapons;
    else if (item && item->type == IT_CONTAINER) words = containers;
    else if (item && item->type == IT_SKIN) words = skins;
    else if (item && item->type == IT_FOOD) words = foods;
    return words[grade - 1];
}

static ItemStruct load(int pos) {
    if (pos == ITEMPOS_NAMING) return NimiTempItem;
    return ObjToItem(pos);
}

static const char *plant_unit(const ItemStruct &it, int count, unsigned char flags) {
    bool one = count == 1;
    switch (it.id) {
    case OID_FLOUR: return "flour";
    case OID_GRASS: return one ? "grass" : "grasses";
    case OID_BERRY:
        if (it.type == IT_PLANT) return one ? "berry shrub" : "berry shrubs";
        return (flags & 16) ? "berry" : "berries";
    case OID_POD: return "beans";
    case OID_ROOT: return one ? "root" : "roots";
    case OID_SEED: return "seeds";
    case OID_GRAIN: return "grains";
    case OID_HERB: return "leaves";
    case OID_FLOWER: return "flowers";
    case OID_CEREAL: return one ? "cereal" : "cereals";
    case OID_MUSHROOM: return unit_word(YM_sieni, !one);
    default: break;
    }
    if (it.type == IT_PLANT) return one ? "plant" : "plants";
    return one ? "fruit" : "fruits";
}

char *enimi(int pos, int count, unsigned char flags) {
    char *out = sbuf();
    ItemStruct it = load(pos);
    if ((flags & 32) && it.vessel != 0) it = ObjToItem((int)it.vessel);
    char name[SBUF_SIZE], own[41];
    item_name(it, own);

    // A carcass is told as its dead creature is: the creature is fetched into the last slot of the
    // area's table for the telling, and whatever stood in that slot goes back after it.
    if (it.type == IT_CARCASS) {
        static CreatureStruct kept, dead;
        if (getsotucrstruct(dead, it.id, 52)) {
            const int last = CRE_COUNT - 1;
            kept = Cre[last];
            Cre[last] = dead;
            Cre[last].mode = CM_CARCASS;
            copy_bounded(out, SBUF_SIZE, NPC_ruhokuvaus(last));
            Cre[last] = kept;
            if (out[0]) return out;
        }
        copy_bounded(out, SBUF_SIZE, StrLwr(own));
        return out;
    }

    int grade = on_laatutieto(&it) ? ItemGet_laatu(&it) : 0;
    bool stale = it.type == IT_FOOD && it.spoil < 2;
    if (stale) grade = 2;
    if (it.type == IT_PLANT || it.id == OID_WATER || it.id == OID_MILK) grade = 0;

    char prefix[40] = "";
    if (!(flags & 6)) {
        if (stale) {
            if (!wildcmp("*stale *", own)) copy_bounded(prefix, sizeof prefix, "stale");
        } else if (grade != 0 && grade != 3) {
            copy_bounded(prefix, sizeof prefix, elaatu(&it, grade));
        }
    }
    if (prefix[0]) strncat(prefix, " ", sizeof prefix - strlen(prefix) - 1);
    if (it.spoil == SPOIL_SPOILED) copy_bounded(prefix, sizeof prefix, it.type == IT_SKIN ? "Rotten " : "Spoiled ");

    copy_bounded(name, sizeof name, (count >= 2 && it.unitkind != UK_SHEET) ? mon(own) : own);
    if (it.material & MAT_WINTER) {
        char winter[SBUF_SIZE];
        bprintf(winter, sizeof winter, "winter %s", name);
        copy_bounded(name, sizeof name, winter);
    }
    if (it.vessel != 0) {
        if (it.id == OID_WATER) copy_bounded(name, sizeof name, "water");
        else if (it.id == OID_MILK) copy_bounded(name, sizeof name, "milk");
    }

    if (it.type == IT_TOOL && it.subtype == ST_ROPE && leash_sotu(it) != 0) {
        const int c = npcleash_check(it);   // the animal on the leash, when it is in the area
        char with[SBUF_SIZE];
        with[0] = 0;
        if (c >= 0 && c < CRE_COUNT && Cre[c].role == 9) {   // led on the leash
            bprintf(with, sizeof with, "%s (%s leash)", name, monnam(c, 0));
        } else if (is_tied(c)) {
            bprintf(with, sizeof with, "%s (tied to %s)", name, monnam(c, 0));
            if (DEBUG_INFO) {
                char id[24];
                bprintf(id, sizeof id, " (#%u)", (unsigned)leash_sotu(it));
                strncat(with, id, sizeof with - strlen(with) - 1);
            }
        }
        if (with[0]) copy_bounded(name, sizeof name, with);
    }

    if (onko_kasvikuntaa(it)) {
        int row = (flags & 8) ? 1 : it.plantname;
        if ((flags & 16) && it.type == IT_PLANT) {
            char skill[sizeof it.skill + 1];
            memcpy(skill, it.skill, sizeof it.skill);
            skill[sizeof it.skill] = 0;
            copy_bounded(name, sizeof name, skill);
        }
        const bool listed = row > 1 && row < UFLORA_ROWS && UFLORA[row][0];
        if (listed) bprintf(name, sizeof name, "%s %s", UFLORA[row], plant_unit(it, count, flags));
        // A plant of a species she has not identified shows only what it looks like.
        else if (row > 1) bprintf(name, sizeof name, "unknown %s", plant_unit(it, count, flags));
    }
    char both[SBUF_SIZE];
    bprintf(both, sizeof both, "%s%s", prefix, name);
    copy_bounded(out, SBUF_SIZE, StrLwr(both));
    return out;
}

char *ekuvaus(int pos, int count, unsigned char flags) {
    char *out = sbuf();
    ItemStruct it = load(pos);
    char text[SBUF_SIZE];
    if (flags & 32) {
        if (it.vessel != 0) it = ObjToItem((int)it.vessel);
    } else if (it.vessel != 0) {
        bprintf(text, sizeof text, "%s of %s", enimi((int)it.vessel, count, flags), enimi(pos, 1, flags));
        if ((flags & 1) && count > 1) {
            char counted[SBUF_SIZE];
            bprintf(counted, sizeof counted, "%d %s", count, text);
            copy_bounded(text, sizeof text, counted);
        }
        copy_bounded(out, SBUF_SIZE, StrLwr(text));
        return out;
    }
    copy_bounded(text, sizeof text, enimi(pos, count, flags));
    const char *unit = nullptr;
    bool plural = count > 1;
    switch (it.unitkind) {
    case UK_COUNT:
    case UK_FEET: break;
    case UK_PINCH: unit = YM_hyppysellinen; break;
    case UK_BUNCH: unit = YM_tukku; break;
    case UK_PILE: unit = YM_kasa; break;
    case UK_BALL: unit = YM_kera; break;
    case UK_SHEET: unit = YM_levy; break;
    default: unit = YM_kourallinen; plural = count >= 2; break;
    }
    if (unit) {
        char with[SBUF_SIZE];
        bprintf(with, sizeof with, "%s of %s", unit_word(unit, plural), text);
        copy_bounded(text, sizeof text, with);
    }
    if (it.unitkind == UK_FEET || it.unitkind == UK_BALL) {
        char feet[32];
        bprintf(feet, sizeof feet, " (%d ft)", get_Item_pituus(it));
        strncat(text, feet, sizeof text - strlen(text) - 1);
    }
    if ((flags & 1) && count > 1) {
        char counted[SBUF_SIZE];
        bprintf(counted, sizeof counted, "%d %s", count, text);
        copy_bounded(text, sizeof text, counted);
    }
    copy_bounded(out, SBUF_SIZE, StrLwr(text));
    return out;
}
