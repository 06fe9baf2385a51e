// Whether an item, or the place the player stands at, meets a requirement id; the naming word of an
// item, the six item facts, in-use and container tests.
#include "items/materials.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "base/strupr.h"
#include "core/weatherengine.h"
#include "items/items_int.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/rooms.h"
#include "core/notes.h"

#include <cstdlib>
#include <cstring>

uint8_t Esinetieto[6];

enum { DT_WARM_FIREPLACE = 98 };

static bool has(const char *upper_name, const char *word) { return strstr(upper_name, word) != nullptr; }

// Upper-case copies of the two text fields a rule reads.
struct Words {
    char name[64];
    char skill[40];
    explicit Words(const ItemStruct &it) {
        char n[41];
        copy_bounded(name, sizeof name, StrUpr(item_name(it, n)));
        char s[28];
        memcpy(s, it.skill, sizeof it.skill);
        s[27] = 0;
        copy_bounded(skill, sizeof skill, StrUpr(s));
    }
};

static bool skill_is(const Words &w, const char *s) { return strcmp(w.skill, s) == 0; }
static bool cutting(const Words &w) {
    return skill_is(w, "KNIFE") || skill_is(w, "DAGGER") || skill_is(w, "SWORD") || skill_is(w, "AXE");
}
static bool spoiled(const ItemStruct &it) { return it.spoil == SPOIL_SPOILED; }

static bool near_player(int type) { return datatype_around(type, PlayerX, PlayerY) != 0; }

static bool mapchar_near(int a, int b, int r) {
    for (int dy = -r; dy <= r; dy++)
        for (int dx = -r; dx <= r; dx++) {
            int c = get_mapchar(PlayerX + dx, PlayerY + dy);
            if (c == a || c == b) return true;
        }
    return false;
}

static int place_rule(int id) {
    switch (id) {
    case 56:
        if (near_player(DT_FIRE)) return 1;
        if (mapchar_near(6, 4, 1) && near_player(DT_WARM_FIREPLACE)) {
            Note("Ok. There's a fire near you.");
            return 1;
        }
        Note("!You don't have any fire!  You should stand next to an open fire or a burning (lit) fireplace.");
        return 0;
    case 58:
        return onkohuone(PlayerX, PlayerY) == 3 && TILA_lampo != 0;
    case 59:
        if (GlobWeather.type < 5 || GlobWeather.type > 9) {
            Note("Ok. The weather now is suitable for the task.");
            return 1;
        }
        Note("!The weather doesn't suite the task. It's too warm and humid at the moment!");
        return 0;
    case 60: {
        if (terrain_flag(get_mapchar(PlayerX, PlayerY), TF_ROOFED)) {
            Note("!You should be outside of the building!");
            return 0;
        }
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if ((dx || dy) && terrain_flag(get_mapchar(PlayerX + dx, PlayerY + dy), TF_ROOFED)) {
                    Note("Ok. There's a proper place for the dried meat/fish here.");
                    return 1;
                }
        Note("!There's no proper place or rig here to where to set the meat/fish to dry!");
        return 0;
    }
    case 62:
        if (near_player(DT_WARM_FIREPLACE)) {
            Note("Ok. There's a burnt-out fire near you.");
            return 1;
        }
        Note("!You should be standing next to a heated, not burning fireplace or a burnt-out campfire with still warm remains!");
        return 0;
    case 63: return avovesi(-1, 0);
    case 65:
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) {
                int x = PlayerX + dx, y = PlayerY + dy, c = get_mapchar(x, y);
                if ((c == 4 || c == 5) && get_datatype(DT_WARM_FIREPLACE, x, y) >= 0) return 1;
            }
        return 0;
    default: return 0;
    }
}

static bool is_place_id(int id) { return id == 56 || id == 58 || id == 59 || id == 60 || id == 62 || id == 63 || id == 65; }

static bool preserved(const Words &w, bool dried_space) {
    return has(w.name, "SALTED ") || has(w.name, dried_space ? "DRIED " : "DRIED") || has(w.name, "ROASTED ") ||
           has(w.name, "SMOKED ");
}

int OnkoEsineId(const ItemStruct &it, int id) {
    if (it.type == IT_CARCASS) return 0;
    if (is_place_id(id)) return place_rule(id);
    const Words w(it);
    const uint32_t oid = it.id;
    bool ok = false;
    switch (id) {
    case 50: if (oid == 141) return 0; ok = skill_is(w, "AXE"); break;
    case 51: ok = skill_is(w, "DAGGER") || skill_is(w, "KNIFE"); break;
    case 53: case 54: ok = cutting(w); break;
    case 55:
        if ((oid == 331 || oid == 350 || oid == 351 || it.type == IT_CONTAINER) && it.vessel == 0 && !has(w.name, "WATER"))
            return 0;
        ok = it.type == IT_CONTAINER && it.subtype != ST_LIQUID_VESSEL && has(w.name, "WATER");
        break;
    case 64: ok = strcmp(w.name, "TREE TRUNK") == 0 || strcmp(w.name, "LOG") == 0 || mapchar_near(240, 28, 1); break;
    case 70: ok = (oid == 412 || oid == 413) && it.weight > 7.0f; if (!ok) return 0; break;
    case 120: ok = it.subtype == 5; break;
    case 141: ok = has(w.name, "SICKLE"); break;
    case 170: ok = it.type == IT_ARMOUR && (has(w.name, "SHOES") || has(w.name, "BOOTS") || has(w.name, "FOOTWEAR")); break;
    case 200: ok = has(w.name, "LOG"); break;
    case 201: ok = strcmp(w.name, "SLENDER TREE TRUNK") == 0; break;
    case 202: ok = strcmp(w.name, "SPRUCE TWIG") == 0; break;
    case 203: case 335: ok = has(w.name, "BRANCH"); break;
    case 220: ok = skill_is(w, "CLUB") || strcmp(w.name, "FIREWOOD") == 0; break;
    case 221: ok = oid == 203 || oid == 404 || oid == 140 || has(w.skill, "CLUB") || has(w.skill, "SPEAR"); break;
    case 300: ok = oid == 300; break;
    case 309: ok = oid == 309 || oid == 310 || oid == 311; break;
    case 320:
        ok = oid == 300 || cutting(w) || (skill_is(w, "SPEAR") && !has(w.name, "STAFF") && !has(w.name, "JAVELIN"));
        break;
    case 327: ok = oid == 327; break;
    case 330: ok = oid == 333 || oid == 327 || oid == 328 || it.subtype == ST_ROPE; break;
    case 333: ok = oid == 333 || has(w.name, "-BARK ROPE"); break;
    case 334: ok = has(w.name, "STAFF"); break;
    case 336: ok = has(w.name, "ROCK"); break;
    case 337:
        ok = oid == 412 || oid == 413 ||
             (it.type == IT_ARMOUR && !(it.material & MAT_BARK) && !has(w.name, "RING") && !has(w.name, "LAMELLAR") &&
              !has(w.name, "MAIL") && !has(w.name, "IRON"));
        break;
    case 370: ok = oid == 370 || oid == 331; break;
    case 374: case 375: ok = oid == 331 || oid == 350 || oid == 351 || it.type == IT_CONTAINER || it.vessel != 0; return ok;
    case 380: ok = oid == 300; break;
    case 399: ok = strcmp(w.name, "SAPLING") == 0; break;
    case 400: ok = strcmp(w.name, "TREE TRUNK") == 0 || strcmp(w.name, "LOG") == 0; break;
    case 401: ok = strcmp(w.name, "BLOCK OF WOOD") == 0; break;
    case 402: ok = strcmp(w.name, "TREE TRUNK") == 0; break;
    case 404: ok = oid == 404; break;
    case 410: ok = oid == 410 || oid == 411 || oid == 415; break;
    case 412: ok = has(w.name, "FUR") || oid == 412; break;
    case 413: ok = has(w.name, "LEATHER") || oid == 413; break;
    case 414: ok = has(w.name, "BARK") || has(w.name, "FAT") || (it.material & MAT_BARK) || oid == 407; break;
    case 420:
        ok = OnkoEsineId(it, 495) || oid == 431 || oid == 432 || oid == 433 || oid == 434 || oid == 436 || oid == 437 ||
             oid == 513;
        break;
    case 421: ok = oid == 434 || oid == 436 || oid == 437; break;
    case 436: ok = oid == 436 || oid == 437; break;
    case 481: ok = oid == 432 || oid == 433 || has(w.name, "BEANS") || has(w.name, "PEAS") || has(w.name, "CABBAGE"); break;
    case 490: ok = oid == 490; break;
    case 495: ok = (oid == 490 || oid == 500) && !spoiled(it); if (!ok) return 0; break;
    case 500: ok = !spoiled(it) && (oid == 500 || (it.type == IT_FOOD && it.subtype == 27)); if (!ok) return 0; break;
    case 513: ok = has(w.name, "MUSHROOM") || oid == 513; break;
    case 516: ok = has(w.name, "BEANS"); break;
    case 530: {
        char s[28];
        memcpy(s, it.skill, sizeof it.skill);
        s[27] = 0;
        return it.type == IT_FOOD && preserved(w, false) && s[0] && strcmp(s, "tuntematon") != 0;
    }
    case 531: {
        char s[28];
        memcpy(s, it.skill, sizeof it.skill);
        s[27] = 0;
        return it.type == IT_FOOD && preserved(w, true) && (!s[0] || strcmp(s, "tuntematon") == 0);
    }
    case 600: ok = has(w.name, "BANDAGE"); break;
    default: break;
    }
    return ok || (id > 0 && oid == (uint32_t)id) ? 1 : 0;
}

int tarvike_definition_row(int id) {
    for (int r = 0; r < CONSTANTOBJ_ROWS; r++)
        if (ConstantObj[r].type != IT_NONE && ConstantObj[r].name[0] && !is_place_id(id) && OnkoEsineId(ConstantObj[r], id))
            return r;
    return -1;
}

char *Esineen_Raakanimi(int mode, const ItemStruct &it) {
    static char out[100];
    char n[41];
    item_name(it, n);
    if (mode == NAMING_LASTWORD) {
        const char *sp = strrchr(n, ' ');
        copy_bounded(out, sizeof out, sp ? sp + 1 : n);
    } else if (mode == NAMING_ORIGINAL || it.id == OID_RAWFISH) {
        copy_bounded(out, sizeof out, n);
    } else {
        copy_bounded(out, sizeof out, ItemMatSkill(it));
    }
    return out;
}

static bool sinks_weapon(const ItemStruct &it) {
    const Words w(it);
    return it.type == IT_WEAPON && cutting(w);
}

void luo_esinetieto(int item) {
    ItemStruct it = ObjToItem(item);
    const Words w(it);
    uint8_t *e = Esinetieto;
    e[0] = 1, e[1] = 1, e[2] = e[3] = e[4] = e[5] = 0;
    if (it.type == IT_TIMBER) e[0] = e[1] = e[2] = 5;
    if (has(w.name, "WOODEN")) e[2] = 5, e[0] = 2, e[1] = 5;
    if (it.type == IT_FOOD) e[0] = e[1] = 1;
    if (it.id == OID_POT) e[4] = 5;
    if (it.type == IT_ARMOUR) {
        if (has(w.name, "SCALE") || has(w.name, "MAIL") || has(w.name, "RING") || has(w.name, "IRON") || has(w.name, "LAMELLAR"))
            e[0] = e[1] = 0, e[4] = 5;
        if (has(w.name, "LEATHER ")) e[3] = 5;
        if (has(w.name, "FUR ")) e[5] = 5;
    }
    if (sinks_weapon(it)) e[0] = e[1] = 0, e[4] = 5;
    if (OnkoEsineId(it, OID_SMALL_ROCK) || it.id == OID_STONE) e[0] = e[1] = 0;
    if (e[4]) e[0] = e[1] = 0;
}

int inuse(const ItemStruct *it) {
    if (!it) return 0;
    bool tying = (it->type == IT_TOOL && it->subtype == ST_ROPE) || it->id == 333 || it->id == 330 || it->id == 327;
    return tying && it->state != 0 ? 1 : 0;
}

int OnkoEsineSailio(const ItemStruct &it) {
    if (it.id == OID_BAG) return 1;
    if (it.id == OID_WOODCUP || it.id == OID_POT || it.type == IT_CONTAINER) return 2;
    return it.vessel ? 1 : 0;
}

int OnkoSailioTyhja(const ItemStruct &it) { return it.vessel == 0 ? 1 : 0; }

int IdTarvikeYmparillaDp(int id, int x, int y, int radius) {
    int last = -1000;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (abs((int)d.x - x) > radius || abs((int)d.y - y) > radius) continue;
        if (id == 52) {
            if (d.type != DT_CARCASS) continue;
            Note("Ok. There's a carcass beside you.");
            if (d.x == x && d.y == y) return i;
            last = i;
        } else if (d.type == DT_ITEM && OnkoEsineId(ObjToItem((int)d.id), id)) {
            return i;
        }
    }
    return last;
}
