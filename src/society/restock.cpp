// src/society/restock.cpp -- restocking a village by its culture: the share and count tables, the
// goods used up while the player was away, and the classes of goods made anew and stored as the
// village's property.
#include "society/restock.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "activities/harvest.h"
#include "activities/herblore.h"
#include "base/ownlib.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/player.h"
#include "creatures/outfit.h"
#include "creatures/weaponchoice.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/itemwear.h"
#include "items/materials.h"
#include "activities/mending.h"
#include "maps/mapunit.h"
#include "maps/maps.h"
#include "society/village.h"
#include "worldgen/culturegoods.h"

// ---- the culture tables ----

enum { CULTURE_COLUMNS = 13 };     // codes 0 to 11, then every other code

static const float SHARE[RS_ROWS][CULTURE_COLUMNS] = {
    /* fur      */ {0.6f, 0.1f, 0.5f, 0.3f, 0.4f, 0, 0.5f, 0.8f, 1, 0.7f, 0.5f, 0.5f, 0.5f},
    /* salt     */ {0, 0.2f, 0, 0, 0.15f, 0.1f, 0, 0, 0, 0, 0, 0, 0},
    /* food     */ {2, 1.6f, 1.7f, 2.8f, 1.6f, 0.1f, 1.8f, 1.5f, 4, 2.5f, 1.0f, 1.0f, 1.0f},
    /* fish     */ {0.5f, 1.8f, 1.5f, 2.6f, 1.1f, 5, 1.4f, 0.8f, 0, 1.5f, 0.5f, 0.5f, 0.5f},
    /* armour   */ {0, 0.1f, 0, 0.08f, 0.09f, 0, 0.07f, 0, 0, 0, 0, 0.1f, 0},
    /* clothing */ {0.11f, 0.2f, 0.11f, 0.14f, 0.16f, 0, 0.13f, 0, 0, 0, 0, 0.1f, 0},
    /* war      */ {0.1f, 0.3f, 0.1f, 0.15f, 0.2f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.2f, 0.1f},
    /* bows     */ {0.15f, 0.1f, 0.15f, 0.13f, 0.1f, 0.07f, 0.07f, 0.2f, 0.18f, 0.12f, 0.07f, 0.2f, 0.07f},
    /* shields  */ {0.15f, 0.2f, 0, 0.1f, 0.15f, 0, 0, 0, 0, 0, 0, 0.2f, 0},
    /* fishing  */ {0.35f, 0.2f, 0.35f, 0.25f, 0.15f, 0.35f, 0.25f, 0.15f, 0, 0.3f, 0, 0, 0},
    /* smith    */ {0, 0.3f, 0.1f, 0.25f, 0.25f, 0.15f, 0.15f, 0, 0, 0, 0, 0.15f, 0},
    /* pot      */ {0.125f, 0.2f, 0.14f, 0.16f, 0.2f, 0.1f, 0.16f, 0, 0, 0, 0, 0.16f, 0},
    /* rope     */ {0.16f, 0.14f, 0.2f, 0.14f, 0.2f, 0.2f, 0.16f, 0.25f, 0.25f, 0.25f, 0, 0.16f, 0},
    /* sickle   */ {0.12f, 0.1f, 0.2f, 0.14f, 0.14f, 0, 0.16f, 0, 0, 0, 0, 0, 0},
    /* shovel   */ {0.12f, 0.08f, 0.2f, 0.14f, 0.14f, 0, 0.16f, 0, 0, 0, 0, 0, 0},
};

static const int COUNT[RN_ROWS][CULTURE_COLUMNS] = {
    /* tub      */ {1, 2, 2, 2, 2, 0, 2, 0, 0, 0, 0, 1, 0},
    /* bowl     */ {3, 1, 2, 3, 1, 3, 2, 2, 2, 2, 0, 2, 0},
    /* boards   */ {3, 15, 5, 10, 15, 3, 10, 0, 0, 0, 0, 5, 0},
    /* stakes   */ {0, 0, 10, 0, 15, 0, 10, 15, 10, 0, 0, 0, 0},
    /* slender  */ {10, 3, 10, 5, 0, 15, 0, 5, 15, 5, 0, 5, 0},
    /* logs     */ {3, 0, 5, 5, 8, 0, 0, 0, 0, 0, 0, 0, 0},
    /* treasure */ {1, 3, 1, 2, 2, 1, 3, 2, 1, 2, 1, 2, 1},
};

static int column(int culture) { return culture >= 0 && culture <= 11 ? culture : CULTURE_COLUMNS - 1; }

float restock_share(int row, int culture) {
    return row >= 0 && row < RS_ROWS ? SHARE[row][column(culture)] : 0.0f;
}

int restock_count(int row, int culture) { return row >= 0 && row < RN_ROWS ? COUNT[row][column(culture)] : 0; }

// trunc(people x share); the shares are written in tenths and hundredths, so a product that lands a
// hair under a whole number in binary is that whole number.
static int people_times(int people, float share) {
    if (people <= 0 || share <= 0) return 0;
    return (int)((double)people * (double)share + 1e-4);
}

int restock_target(int people, int row, int culture) { return people_times(people, restock_share(row, culture)); }

// ---- how many ----

// The first stocking of a rate class: half the target and a random part of the other half.
static int first_units(int target) { return target / 2 + random(target / 2); }

// Toward the target at the rate: nothing when it is reached or the rate is 0; never past it.
static int toward(int target, int held, int rate) {
    if (target <= held || rate <= 0) return 0;
    return held + rate > target ? target - held : rate;
}

int restock_fur_units(int people, int culture, int days, int held) {
    const int target = restock_target(people, RS_FUR, culture);
    if (people <= 0 || restock_share(RS_FUR, culture) <= 0) return 0;
    if (days == RESTOCK_FIRST) return first_units(target);
    return toward(target, held, (people / 5) * (days / 7));
}

int restock_food_units(int people, int culture, int fish, int days, int held) {
    if (people <= 0) return 0;
    const int target = restock_target(people, fish ? RS_FISH : RS_FOOD, culture);
    if (days == RESTOCK_FIRST) return first_units(target);
    const int rate = (people / 5 > 1 ? people / 5 : 1) * (days / 7);
    return toward(target, held, rate);
}

int restock_salt_units(int people, int culture, int days, int held) {
    if (people <= 0 || culture < 1 || culture > 5 || restock_share(RS_SALT, culture) <= 0) return 0;
    const int target = restock_target(people, RS_SALT, culture);
    if (days == RESTOCK_FIRST) return first_units(target);
    return toward(target, held, (people / 5) * (days / 40));
}

RestockArmourUnits restock_armour_units(int people, int culture, int days, int held_armour, int held_clothing) {
    RestockArmourUnits n{0, 0};
    if (people <= 0 || days < 90 || culture < 0 || culture > 11) return n;
    if (restock_share(RS_ARMOUR, culture) <= 0 && restock_share(RS_CLOTHING, culture) <= 0) return n;
    const int armour = std::min(restock_target(people, RS_ARMOUR, culture), 3);
    const int clothing = std::min(restock_target(people, RS_CLOTHING, culture), 7);
    if (days == RESTOCK_FIRST) return {armour, clothing};
    const int rate = (days / 20) * (people / 5);
    if (rate == 0) return n;
    // A class without a target makes nothing, as every other class: its goods never pile up.
    auto units = [rate](int target, int held) {
        if (target == 0) return 0;
        return held + rate <= target ? rate : std::max(target - held, 0);
    };
    return {units(armour, held_armour), units(clothing, held_clothing)};
}

int restock_smith_units(int people, int culture, int days, int held) {
    const int target = restock_target(people, RS_SMITH, culture);
    if (people <= 0 || target == 0) return 0;
    if (days == RESTOCK_FIRST) return first_units(target);
    const int rate = (people / 5) * (days / 20);
    return held + rate <= target ? rate : std::max(target - held, 0);
}

int restock_fishing_units(int people, int culture) {
    const int half = restock_target(people, RS_FISHING, culture) / 2;
    return half + random(half);
}

RestockWeaponUnits restock_weapon_units(int people, int culture, int days, int held_war, int held_bows) {
    RestockWeaponUnits n{0, 0, 0};
    if (people <= 0) return n;
    const int war = restock_target(people, RS_WAR, culture), bows = restock_target(people, RS_BOW, culture);
    if (days == RESTOCK_FIRST) {
        n.war = people_times(war, 0.9f) + random(people_times(war, 0.2f));
        n.bows = people_times(bows, 0.9f) + random(people_times(bows, 0.2f));
        n.shields = random(restock_target(people, RS_SHIELD, culture));
        return n;
    }
    const int rate = (days / 20) * (people / 5);
    auto units = [rate](int target, int held) {
        if (target == 0 || rate == 0) return 0;
        return held + rate > target ? std::max(target - held, 0) : rate;
    };
    n.war = units(war, held_war);
    n.bows = units(bows, held_bows);
    return n;
}

// ---- storing and the tally ----

const char *const RESTOCK_GOODS_NAME[RG_GOODS] = {
    "furs", "flour", "everyday food", "prepared fish", "salt", "armour", "clothing", "fishing gear", "boats",
    "smith-made tools", "war weapons", "bows", "arrows", "shields", "treasure", "household things", "timber",
};

static RestockTally tally;

const RestockTally &restock_tally() { return tally; }

// Every new thing goes to the village's store through here.
static void store(int goods, int object, int n, int x, int y) {
    if (object <= 0 || n <= 0) return;
    varastoi(object, n, 1, x, y);
    tally.stored[goods] += n;
}

// The object with the culture's quality, as a stored item.
static int with_quality(int object, int wealth) {
    if (object <= 0) return 0;
    return Luo_Esineen_Itempos(kultvaraModObj(object, wealth));
}

// The quality rule of smith-made tools and war weapons.
static int smith_quality(int culture) {
    const int wealth = kult_varallisuus(culture);
    const bool smiths = culture == 0 || culture == 3 || culture == 4 || culture == 6;
    return wealth <= 3 && smiths ? random(3) + 3 : wealth;
}

// The village's people and culture; false when the class has nothing to do.
static bool village_of(int soc, int &people, int &culture) {
    if (soc < 1) return false;
    people = socpopulation(soc);
    if (people <= 0 || !GetGlobVil(soc)) return false;
    culture = globVil.culture;
    return true;
}

// ---- what the village holds ----

static bool item_record(const DataStruct &d) { return d.type == DT_ITEM && d.count > 0; }

static ItemStruct item_of(const DataStruct &d) {
    ItemStruct it;
    ObjToItem(it, (int)d.id);
    return it;
}

static bool has_word(const ItemStruct &it, const char *word) {
    char name[sizeof it.name + 1];
    for (size_t i = 0; i < sizeof it.name; i++) name[i] = (char)toupper((unsigned char)it.name[i]);
    name[sizeof it.name] = 0;
    return strstr(name, word) != nullptr;
}

static bool skill_is(const ItemStruct &it, const char *word) {
    char skill[sizeof it.skill + 1];
    memcpy(skill, it.skill, sizeof it.skill);
    skill[sizeof it.skill] = 0;
    return strcmp(skill, word) == 0;
}

// Records of the whole pool that match, or their summed counts.
template <class F> static int pool_records(F match) {
    int n = 0;
    for (const DataStruct &d : Data)
        if (item_record(d) && match(item_of(d))) n++;
    return n;
}
template <class F> static int pool_units(F match) {
    int n = 0;
    for (const DataStruct &d : Data)
        if (item_record(d) && match(item_of(d))) n += d.count;
    return n;
}

// The harvest year that the goods pool writes into a crop's container (0 unknown), kept in a byte.
static int harvest_year(const ItemStruct &it) { return it.harvestyear; }

// ---- used up while the player was away ----

// Squares of world cell x, y on the current local map.
static bool in_cell(const DataStruct &d, int x, int y) {
    const int x0 = AREA_CENTRE + ZOOM_SIDE * (x - (int)Plr.world_x);
    const int y0 = AREA_CENTRE + ZOOM_SIDE * (y - (int)Plr.world_y);
    return d.x >= x0 && d.x < x0 + ZOOM_SIDE && d.y >= y0 && d.y < y0 + ZOOM_SIDE;
}

static void consumption(int people, int x, int y, int days) {
    if (bigmap()) return;
    int food = (int)((double)days * 0.05 * people), fur = days / 20, bows = days / 90, melee = days / 90;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (!item_record(d) || !in_cell(d, x, y)) continue;
        const ItemStruct it = item_of(d);
        if (oe_pilaantunut(it) || oe_ummehtunut(it)) {
            CrunchData(i);
            tally.spoiled++;
            continue;
        }
        bool used = false;
        if (food > 0 && it.type == IT_FOOD && !onko_kasvikuntaa(it)) food--, tally.used_food++, used = true;
        if (fur > 0 && OnkoEsineId(it, 412)) fur--, tally.used_fur++, used = true;
        if (bows > 0 && onko_JOUSIPYSSY(it)) bows--, tally.used_bows++, used = true;
        if (melee > 0 && onko_MELEEASE(it)) melee--, tally.used_melee++, used = true;
        if (used) datapos_deccount(i, 1);
    }
}

// ---- the classes ----

void restock_fur(int soc, int x, int y, int days) {
    int people, c;
    if (!village_of(soc, people, c)) return;
    const int held = days == RESTOCK_FIRST ? 0 : esineids_around(412, 232, 232, 1000);
    const int n = restock_fur_units(people, c, days, held);
    for (int i = 0; i < n; i++) store(RG_FUR, KULTTUURIESINE_Turkis(c, 0), 1, x, y);
}

void restock_grain(int soc, int x, int y, int days) {
    int people, c;
    if (!village_of(soc, people, c) || days <= 2 || esineids_around(OID_FLOUR, 232, 232, 1000) >= 2) return;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (!item_record(d)) continue;
        const ItemStruct crop = item_of(d);
        const float weight = crop.weight * (float)d.count;
        if (crop.id != OID_GRAIN || weight <= 10.0f) continue;
        CrunchData(i);
        store(RG_FLOUR, Luo_Esinesakki(Jauha_Siemenesine(crop, weight), weight), 1, x, y);
        return;
    }
}

// The rest of a record goes back on its square as a record of its own, owned as it was.
static void put_back(const DataStruct &was, int object) {
    if (object <= 0) return;
    if (was.owner == SOC_OWNER) set_socowned_data(DT_ITEM, was.x, was.y, object, 1);
    else set_data(DT_ITEM, was.x, was.y, object, 1);
}

void foodreserves(int soc, int, int, int days) {
    int people, c;
    if (!village_of(soc, people, c) || days == RESTOCK_FIRST) return;
    double roots = 0.25 * people * days;
    double flour = days == 1 ? 0 : people * 0.05 * days, pods = flour;
    mark_pool_pass();
    for (int i = 0; i < DATA_MAX; i++) {
        if (data_filled[i] || !item_record(Data[i])) continue;
        const DataStruct was = Data[i];
        const ItemStruct it = item_of(was);
        if (!onko_kasvikuntaa(it)) continue;
        if (it.id == OID_ROOT && roots > 0 && it.weight > 0) {
            tally.reserves++;
            if ((double)was.count * it.weight > roots) {
                const int units = (int)std::ceil(roots / it.weight);
                datapos_deccount(i, units);
                roots -= units * (double)it.weight;
            } else {
                CrunchData(i);
                roots -= (double)was.count * it.weight;
            }
        } else if (it.id == OID_SEED || it.id == OID_GRAIN) {
            const int year = harvest_year(it);
            if (Plr.month >= 5 && year != 0 && year < (int)(uint8_t)Plr.year) {
                CrunchData(i);
                tally.reserves++;
            }
        } else if (it.id == OID_FLOUR || it.id == OID_POD) {
            double &budget = it.id == OID_FLOUR ? flour : pods;
            if (budget > 0 && it.weight > 0) tally.reserves++;
            while (budget > 0 && item_record(Data[i]) && it.weight > 0) {
                if (it.weight > budget) {
                    datapos_deccount(i, 1);
                    put_back(was, Kuluta_Item((int)was.id, (float)budget, 0));
                    budget = 0;
                } else {
                    datapos_deccount(i, 1);
                    budget -= it.weight;
                }
            }
        }
    }
}

void restock_food(int soc, int x, int y, int days) {
    int people, c;
    if (!village_of(soc, people, c)) return;
    const bool first = days == RESTOCK_FIRST;
    const int fish_held = first ? 0 : pool_units([](const ItemStruct &it) { return OnkoEsineId(it, 531); });
    const int food_held = first ? 0 : pool_units([](const ItemStruct &it) { return OnkoEsineId(it, 530); });
    const int fish = restock_food_units(people, c, 1, days, fish_held);
    const int food = restock_food_units(people, c, 0, days, food_held);
    // Stacks of a random size until the units are made.
    auto make = [&](int goods, int n, int (*maker)(int)) {
        for (int i = 0; i < n; i++) {
            const int obj = maker(c);
            if (obj > 0) {
                const int k = random(n - i) + 1;
                store(goods, obj, k, x, y);
                i += k;
            }
        }
    };
    make(RG_FISH, fish, KULTTUURIESINE_ValmistettuKala);
    make(RG_FOOD, food, KULTTUURIESINE_Arkiruoka);
}

void restock_lux(int soc, int x, int y, int days) {
    int people, c;
    if (!village_of(soc, people, c)) return;
    const int held = days == RESTOCK_FIRST ? 0 : esineids_around(OID_SALT, 232, 232, 1000);
    const int n = restock_salt_units(people, c, days, held);
    for (int i = 0; i < n; i++) store(RG_SALT, Luo_Suolasakki(), 1, x, y);
}

static bool armour_name(const ItemStruct &it) {
    return has_word(it, "IRON") || has_word(it, "LAMELLAR") || has_word(it, "MAIL") || has_word(it, "LEATHER");
}

void restock_armours(int soc, int x, int y, int days) {
    int people, c;
    if (!village_of(soc, people, c) || days < 90) return;
    int held_armour = 0, held_clothing = 0;
    if (days != RESTOCK_FIRST) {
        held_armour = pool_records([](const ItemStruct &it) { return it.type == IT_ARMOUR && armour_name(it); });
        held_clothing = pool_records([](const ItemStruct &it) { return it.type == IT_ARMOUR && !armour_name(it); });
    }
    const RestockArmourUnits n = restock_armour_units(people, c, days, held_armour, held_clothing);
    const int wealth = kult_varallisuus(c), code = c == 11 ? 11 : 12;
    for (int i = 0; i < n.armour; i++) {
        const int heavy = random(2);
        int obj = 0;
        if (random(100) < 25) obj = KULTTUURIESINE_headarmour(code, heavy);
        else if (random(100) < 20) obj = KULTTUURIESINE_spotarmour(code, heavy);
        else if (random(100) < 10) obj = KULTTUURIESINE_bodyarmour(code, heavy);
        store(RG_ARMOUR, with_quality(obj, wealth), 1, x, y);
    }
    for (int i = 0; i < n.clothing; i++) {
        int obj = 0;
        switch (random(9)) {
        case 0: obj = random(3) == 0 ? Pikkuasuste(random(3)) : Kengat(random(2), c); break;
        case 1: obj = Paallysmekko(random(2), c); break;
        case 2: obj = Miesten_Paahine(random(2), c); break;
        case 3: case 4: obj = Paallyspaita(random(2), c); break;
        case 5: case 6: obj = Aluspaita(random(2), c); break;
        default: obj = Housut(random(2), c); break;
        }
        store(RG_CLOTHING, with_quality(obj, wealth), 1, x, y);
    }
}

void restock_tools(int soc, int x, int y, int days) {
    int people, c;
    if (!village_of(soc, people, c)) return;
    const int wealth = kult_varallisuus(c);
    int held = 0;
    if (days == RESTOCK_FIRST) {
        const int gear = restock_fishing_units(people, c);
        for (int i = 0; i < gear; i++) store(RG_FISHING, with_quality(KULTTUURIESINE_Kalastustarvike(c), wealth), 1, x, y);
        if (gear > 0 && people > 15 && c >= 1 && c <= 6) {
            store(RG_BOAT, object("PUNT", 1), 1, x, y);
            store(RG_BOAT, object("PADDLE", 1), 1, x, y);
        }
    } else {
        held = pool_records([](const ItemStruct &it) {
            return it.id == OID_SHOVEL_TOOL || it.id == OID_POT || skill_is(it, "AXE") || skill_is(it, "DAGGER") || skill_is(it, "KNIFE");
        });
    }
    const int n = restock_smith_units(people, c, days, held);
    for (int i = 0; i < n; i++) {
        const int quality = smith_quality(c);   // the quality is drawn before the thing
        store(RG_SMITH, with_quality(KULTTUURIESINE_Sepan_tekemat(c), quality), 1, x, y);
    }
}

static int bow_quality(int c) {
    if (c == 8) return 4;
    if (c == 9) return random(3) + 3;
    if (c == 7) return 5;
    return kult_varallisuus(c);
}

void restock_weapons(int soc, int x, int y, int days) {
    int people, c;
    if (!village_of(soc, people, c)) return;
    int held_bows = 0, held_war = 0, arrows = 0;
    if (days != RESTOCK_FIRST) {
        held_bows = pool_records([](const ItemStruct &it) { return onko_JOUSIPYSSY(it) != 0; });
        arrows = pool_units([](const ItemStruct &it) { return onko_NUOLI(it) != 0; });
        held_war = pool_units([](const ItemStruct &it) { return onko_MELEEASE(it) && !has_word(it, "SHIELD") && !skill_is(it, "SHIELD"); });
    }
    const RestockWeaponUnits n = restock_weapon_units(people, c, days, held_war, held_bows);
    for (int i = 0; i < n.war; i++) {
        const int quality = smith_quality(c);   // the quality is drawn before the thing
        store(RG_WAR, with_quality(KULTTUURIESINE_Sota_ase(c), quality), 1, x, y);
    }
    const int shield = object("ROUNDSHIELD", 1);
    for (int i = 0; i < n.shields; i++) store(RG_SHIELD, with_quality(shield, kult_varallisuus(c)), 1, x, y);
    for (int i = 0; i < n.bows; i++) {
        const int bow_q = bow_quality(c);   // the quality is drawn before the bow
        const int bow = with_quality(KULTTUURIESINE_Jousi(c), bow_q);
        if (bow <= 0) continue;
        store(RG_BOW, bow, 1, x, y);
        while (arrows < 15 * n.bows) {
            const int k = random(10) + 10, arrow = KULTTUURIESINE_Nuoli(c);
            if (arrow <= 0) break;
            store(RG_ARROW, arrow, k, x, y);
            arrows += k;
        }
    }
}

void restock_valuables(int soc, int x, int y, int days) {
    int people, c;
    if (days != RESTOCK_FIRST || !village_of(soc, people, c) || people < 6) return;
    if (random(10) >= restock_count(RN_TREASURE, c)) return;
    for (int i = random(3) + 1; i > 0; i--) store(RG_TREASURE, KULTTUURIESINE_Aarrekoru(c), 1, x, y);
}

void restock_basictools(int soc, int x, int y, int days) {
    int people, c;
    if (days != RESTOCK_FIRST || !village_of(soc, people, c) || people <= 3) return;
    const int tub = restock_count(RN_TUB, c), bowl = restock_count(RN_BOWL, c);
    const struct {
        const char *name;
        int n;
    } things[] = {
        {"POT", random(std::min(restock_target(people, RS_POT, c), 2) + 1)},
        {"WOODEN TUB", random(std::min(tub + 1, 3))},
        {"WOODEN BOWL", random(bowl <= 3 ? bowl + 1 : 3)},
        {"LEATHER ROPE", random(std::min(restock_target(people, RS_ROPE, c), 3) + 1)},
        {"SICKLE", random(std::min(restock_target(people, RS_SICKLE, c), 1) + 1)},
        {"WOODEN SHOVEL", random(std::min(restock_target(people, RS_SHOVEL, c), 1) + 1)},
    };
    for (const auto &t : things)
        if (t.n > 0) store(RG_HOUSEHOLD, object(t.name, 1), t.n, x, y);
}

void restock_materials(int soc, int x, int y, int days) {
    int people, c;
    if (days != RESTOCK_FIRST || !village_of(soc, people, c) || people <= 3 || c > 11) return;
    static const struct {
        const char *name;
        int row;
    } timber[] = {{"BOARD", RN_BOARD}, {"WOODEN STAKE", RN_STAKE}, {"SLENDER TREE TRUNK", RN_SLENDER}, {"LOG", RN_LOG}};
    for (const auto &t : timber) {
        const int n = random(restock_count(t.row, c));
        if (n > 0) store(RG_TIMBER, object(t.name, 1), n, x, y);
    }
}

// ---- the whole restock ----

void socinventory(int soc, int x, int y, int days, int first) {
    memset(&tally, 0, sizeof tally);
    if (soc < 1) return;
    if (first) days = RESTOCK_FIRST;
    else consumption(socpopulation(soc), x, y, days);
    restock_fur(soc, x, y, days);
    restock_grain(soc, x, y, days);
    foodreserves(soc, x, y, days);
    restock_food(soc, x, y, days);
    restock_lux(soc, x, y, days);
    restock_armours(soc, x, y, days);
    restock_tools(soc, x, y, days);
    restock_weapons(soc, x, y, days);
    if (days != RESTOCK_FIRST) return;
    restock_valuables(soc, x, y, days);
    restock_basictools(soc, x, y, days);
    restock_materials(soc, x, y, days);
}
