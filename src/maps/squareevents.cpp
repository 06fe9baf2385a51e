// The things on one square of the current map: thrown items, whether a thing floats, arrivals on ice, water
// and bogs, the party's stack, tree marks and paused work, and the readiness and burning texts.
#include "maps/squareevents.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "maps/spiritdata.h"
#include "core/magicknow.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/records.h"
#include "core/weather.h"
#include "core/creatures.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/mapquery.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/notelink.h"
#include "maps/sight.h"
#include "maps/trapdata.h"
#include "core/commandcodes.h"
#include "maps/water.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

uint32_t PLRGLOBAL_rodfishing_luck_mintick;

static bool valid_pos(int n) { return n >= 0 && n < DATA_MAX; }

static bool player_wears_anything() {
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int obj = Plr.inv_obj[s];
        if (obj >= OBJ_PLAYER_FIRST && obj <= OBJ_PLAYER_LAST && (PlayerObj[obj - OBJ_PLAYER_FIRST].status & ISTAT_WORN))
            return true;
    }
    return false;
}

static bool name_has(const ItemStruct &it, const char *part) {
    char name[41];
    return strstr(item_name(it, name), part) != nullptr;
}

// ---- item stacks ----------------------------------------------------------------------------------

float kuluta_datapos(int n, float amount) {
    if (!valid_pos(n) || Data[n].type != DT_ITEM) return 0;
    ItemStruct it;
    ObjToItem(it, (int)Data[n].id);
    if (it.weight <= amount) {
        const float w = it.weight;
        reduce_datapos(n);
        return w;
    }
    // What is left of the unit is an object of its own; without room for it nothing is used.
    it.weight -= amount;
    const int left = Luo_Esineen_Itempos(it);
    if (!left) return 0;
    if (Data[n].count > 1) {
        // The other units stay as they are, in a record of their own; without room for it the
        // stack keeps all its units and nothing is used.
        DTEMP = Data[n];
        DTEMP.count = (uint16_t)(Data[n].count - 1);
        Data[n].count = 1;
        if (SetDTEMP(-1) < 0) {
            Data[n].count = (uint16_t)(DTEMP.count + 1);
            return 0;
        }
    }
    Data[n].id = (uint32_t)left;
    return amount;
}

// ---- tree marks -----------------------------------------------------------------------------------

static int tree_record(int x, int y) {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_TREE && Data[i].x == x && Data[i].y == y) return i;
    return -1;
}

int init_TreeData(int x, int y) {
    const int n = tree_record(x, y);
    if (n >= 0) return n;
    ClearDTEMP();
    DTEMP.type = DT_TREE;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.count = 1;
    return SetDTEMP(-1);
}

void set_TreeData_peeled(int x, int y) {
    const int n = init_TreeData(x, y);
    if (valid_pos(n)) Data[n].flags |= 1 << TREEDATA_PEELED;
}

int get_TreeData_ExtraBit(int x, int y, int bit) {
    const int n = tree_record(x, y);
    if (n < 0 || bit < 0 || bit > 7) return 0;
    return (Data[n].flags >> bit) & 1;
}

int get_TreeData_peeled(int x, int y) { return get_TreeData_ExtraBit(x, y, TREEDATA_PEELED); }

int is_TreeData_sapling(int x, int y) {
    const int n = tree_record(x, y);
    if (n < 0) return 0;
    if (!terrain_flag(get_mapchar(x, y), TF_TREE)) {   // the tree is gone: so is its mark
        CrunchData(n);
        return 0;
    }
    return (Data[n].flags >> TREEDATA_SAPLING) & 1;
}

// ---- finished work --------------------------------------------------------------------------------

// The owner of a work process is in the local area, awake and conscious.
static bool owner_at_hand(int owner) {
    for (int c = 0; c < CRE_COUNT; c++) {
        const CreatureStruct &cr = Cre[c];
        if (cr.kind == CK_NONE || cr.socialid != (uint32_t)(uint16_t)owner) continue;
        return cr.mode != CM_ASLEEP && !onko_JOKU_tajuton(c);
    }
    return false;
}

int PreparedReady(int n) {
    if (!valid_pos(n)) return 0;
    const DataStruct &d = Data[n];
    if (d.ready_day && (int)Plr.daynumber >= (int)d.ready_day) return 1;
    if (d.ready_minute && Plr.minutes >= d.ready_minute) return d.owner == 0 || owner_at_hand(d.owner) ? 1 : 0;
    return 0;
}

// ---- thrown items and arrivals --------------------------------------------------------------------

// Units of an object lying on a square.
static int units_at(int type, int x, int y, uint32_t id) {
    int units = 0;
    for (const DataStruct &d : Data)
        if (d.type == type && d.x == x && d.y == y && d.id == id) units += d.count;
    return units;
}

// Units lying on a square that new units of `id` may have joined: the object's own stacks, and for an
// item every stack of an equal item, which takes the units it is given under its own number.
static int units_like(int type, int x, int y, uint32_t id) {
    if (type != DT_ITEM) return units_at(type, x, y, id);
    ItemStruct fresh, held;
    ObjToItem(fresh, (int)id);
    int units = 0;
    for (const DataStruct &d : Data) {
        if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
        if (d.id != id) {
            ObjToItem(held, (int)d.id);
            if (!ItemStructsEqual(held, fresh)) continue;
        }
        units += d.count;
    }
    return units;
}

void aseta_heitetty_esine(int x, int y, int obj) {
    map_debugnote("aseta_heitetty_esine %d,%d - %d", x, y, obj);
    const int c = get_mapchar(x, y);
    ItemStruct it;
    ObjToItem(it, obj);
    const bool may_bounce = !terrain_flag(c, TF_WATER) && it.subtype != ST_ARROW && c != 4 && c != 5 &&
                            !(it.id == OID_SKULL && c == 18);
    if (terrain_flag(c, TF_BLOCKS) && may_bounce) {
        play_sample("thump", 0);
        for (int tries = 0; tries < 10; tries++) {
            const int tx = x - 1 + random(3), ty = y - 1 + random(3);
            if (!terrain_flag(get_mapchar(tx, ty), TF_BLOCKS) && See(tx, ty)) {
                x = tx;
                y = ty;
                break;
            }
        }
    }
    GeneralX = x;
    GeneralY = y;
    if (obj != 0) {
        const int before = units_like(DT_ITEM, x, y, (uint32_t)obj);
        set_data(DT_ITEM, x, y, obj, 1);
        if (units_like(DT_ITEM, x, y, (uint32_t)obj) <= before && ObjToItem(obj).type != IT_CARCASS) {
            char line[120];
            snprintf(line, sizeof line, "thrown item %d found no room at %d,%d", obj, x, y);
            debuglog("_system", line);
            Note("!There's no room left on this map: what you threw is lost from sight.");
        }
    }
    esineet_paikkatarkistus(x, y);
}

static bool watercraft_on(int x, int y, int *pos) {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
        if (ObjToItem((int)d.id).subtype == ST_BOAT) {
            if (pos) *pos = i;
            return true;
        }
    }
    return false;
}

static int record_here(int type, int x, int y) {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == type && Data[i].x == x && Data[i].y == y) return i;
    return -1;
}

// The rituals that an item laid on a square may complete.
static void ritual_checks(int i, const ItemStruct &it, int x, int y) {
    DataStruct &d = Data[i];
    const int c = get_mapchar(x, y);
    if (it.id == OID_LOOP_SNARE && c == 29 && taikakeino_tuttu(89, 0)) d.day = (uint16_t)Plr.daynumber;
    if (it.id == OID_FEATHER && d.count == 3 && it.magic == 4 &&
        (record_here(DT_FIRE_REMAINS, x, y) >= 0 || c == 5 || maapera_arvo(x, y) == 1))
        SotuNPC_omatunto(it.origin);
    if ((it.id == OID_RAWMEAT || it.id == OID_RAWFISH) && taikakeino_tuttu(40, 0) && !player_wears_anything()) {
        for (int t = 0; t < DATA_MAX; t++) {
            DataStruct &trap = Data[t];
            // A built trap's record holds its construction code as its id.
            if (trap.type != DT_TRAP || trap.x != x || trap.y != y || trap_portable(trap) || trap.id != ACTION_BEAR_DEADFALL)
                continue;
            world_services.course_task_check(11);
            trap.flags |= TRAPF_FAVOURED;
            break;
        }
    }
    if (it.id == OID_SKULL && (it.origin == SPECIES_BEAR || name_has(it, "ear skull")) && c == 18) {
        bearmagic_SkullPlacement(1);
        Note("&You gracefully hang the bear skull in the pine.");
        set_SpiritData_mood(x, y, 702, 20);
    }
}

// A loop snare set at sunset with an offering beside it.
static void sunset_snare(int x, int y) {
    for (DataStruct &trap : Data) {
        if (trap.type != DT_TRAP || trap.x != x || trap.y != y || !(trap.flags & 2)) continue;
        if (ObjToItem((int)trap.id).id != OID_FOX_TRAP) continue;
        if (trap.count < 2) trap.count = 2;
        trap.flags = (uint8_t)(trap.flags + 4);
        set_SpiritData_mood(PlayerX, PlayerY, 702, 3);
        world_services.course_task_check(11);
    }
}

// The rod fisherman's sacrifice: the first fish of the season's rod catch, given back to the water
// the day it was caught or the next, pleases the water folk once a season.
static bool rod_sacrifice(int x, int y) {
    enum { MEANS_ROD_SACRIFICE = 110, CUSTOM_ROD = 1 };
    const int caught = Plr.rod_season_day, today = (uint16_t)Plr.daynumber;   // the day as fishing keeps it
    if (!taikakeino_tuttu(MEANS_ROD_SACRIFICE, 0) || caught == 0) return false;
    if (today - caught + 1 > 2 || (Plr.spirit_customs & CUSTOM_ROD)) return false;
    set_SpiritData_mood(x, y, SPIRIT_WATER_FOLK, 25);
    Plr.spirit_customs |= CUSTOM_ROD;
    return true;
}

// ---- floating ----------------------------------------------------------------------------------

int KELLUUKO(int item) {
    const ItemStruct it = ObjToItem(item);
    char name[64], n[41], skill[28];
    copy_bounded(name, sizeof name, StrUpr(item_name(it, n)));
    memcpy(skill, it.skill, sizeof it.skill);
    skill[27] = 0;
    StrUpr_into(skill, sizeof skill, skill);
    const auto has = [&](const char *word) { return strstr(name, word) != nullptr; };
    const auto skill_is = [&](const char *s) { return strcmp(skill, s) == 0; };
    if (it.type == IT_FOOD) return it.id == OID_RAWMEAT || it.id == OID_RAWFISH;
    if (it.material & (MAT_ROCK | MAT_BONE | MAT_ANTLER)) return 0;
    if (it.type == IT_ARMOUR && (has("MAIL") || has("RING") || has("IRON") || has("LAMELLAR"))) return 0;
    // an edge of metal sinks
    if (it.type == IT_WEAPON && (skill_is("KNIFE") || skill_is("DAGGER") || skill_is("SWORD") || skill_is("AXE"))) return 0;
    if (it.type != IT_CARCASS && (has("ROCK") || it.id == OID_SMALL_ROCK)) return 0;
    if (it.id == OID_STONE || it.id == OID_POT) return 0;
    return 1;
}

static int reentry;   // breaking the ice checks the square again: that check leaves the ice alone

void esineet_paikkatarkistus(int x, int y) {
    if (!reentry && ice_break_check(x, y, 0, 0) == 1) {
        reentry = 1;
        do_break_ice(x, y);
        reentry = 0;
    }
    int boat = -1;
    if (watercraft_on(x, y, &boat)) make_datapos_bottom(boat);

    const bool open_water = avovesi(x, y) != 0;
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_ITEM || Data[i].x != x || Data[i].y != y) continue;
        ItemStruct it;
        ObjToItem(it, (int)Data[i].id);
        ritual_checks(i, it, x, y);

        DataStruct &d = Data[i];
        if (is_it_sunset() && taikakeino_tuttu(82, 0)) sunset_snare(x, y);

        if (!open_water || watercraft_on(x, y, nullptr)) continue;
        play_sample("splash", 0);
        if (it.subtype == ST_POLEARM && taikakeino_tuttu(130, 0)) {
            PLRGLOBAL_rodfishing_luck_mintick = Plr.minutes + ROD_LUCK_MINUTES;
            world_services.course_task_check(11);
            set_SpiritData_mood(PlayerX, PlayerY, 701, 2);
        }
        if (it.id == OID_RAWFISH && d.count == 1 && rod_sacrifice(x, y)) {
            // given to the water folk: it sinks, floating or not
        } else if (KELLUUKO((int)d.id)) {
            continue;
        }
        const int world_c = get_alltime_maailmachar(kohtaIsoX(x), kohtaIsoY(y));
        if (terrain_flag(world_c, TF_MIRE)) {
            TARGET_ITEM = (int)d.id;
            Note(MSG("BURIED_IN_BOG"));
            if (Plr.hour < 5 || Plr.hour > 20) world_services.course_task_check(41);
        }
        CrunchData(i);
    }
    if (taikakeino_tuttu(70, 0)) TKCHECK_IlvesEstetaanPakenemasta(x, y);
}

// ---- the party's stack ----------------------------------------------------------------------------

static void partylog(const char *format, int a, int b, int c, int d) {
    char line[160];
    snprintf(line, sizeof line, format, a, b, c, d);
    debuglog("party!", line);
}

// A creature of the stack into the local area and onto the map; false when it could not be placed.
static bool place_creature(const DataStruct &e, int x, int y) {
    if (e.id == 0 || e.id > 0x7fffffffu) return false;   // no creature number names this
    const int slot = lisaa_realcreature((int)e.id, 1);
    if (slot < CRE_DATAID || slot >= CRE_DATAID + CRE_COUNT) return false;
    const int before = units_at(e.type, x, y, (uint32_t)slot);
    set_data(e.type, x, y, slot, 1);
    return units_at(e.type, x, y, (uint32_t)slot) > before;
}

void exit_mess() {
    for (int k = 0; k < PLR_PARTY; k++) {
        const DataStruct &e = Plr.party[k];
        if (e.type != DT_UNUSED) partylog("partystack #%d T:%d D:%d C:%d", k, e.type, (int)e.id, e.count);
    }
    int kept = 0;
    for (int k = 0; k < PLR_PARTY; k++) {
        DataStruct &e = Plr.party[k];
        if (e.type == DT_UNUSED) continue;
        bool placed;
        if (e.type == DT_CREATURE || e.type == DT_CARCASS) {
            for (int j = k + 1; j < PLR_PARTY; j++) {
                DataStruct &later = Plr.party[j];
                if (later.type != e.type || later.id != e.id) continue;
                debuglog("party!", "duplicate entry!");
                partylog("remove duplo #%d: T:%d D:%d%.0d", j, later.type, (int)later.id, 0);
                later = DataStruct{};
            }
            placed = place_creature(e, e.type == DT_CREATURE ? PlayerX + 1 : PlayerX, PlayerY);
        } else if (e.type == DT_ITEM && e.id == 0) {
            placed = true;   // nothing to set down
        } else {
            const int count = e.type == DT_PARTY && e.count > 30 ? 30 : e.count;
            const int before = units_like(e.type, PlayerX, PlayerY, e.id);
            set_data(e.type, PlayerX, PlayerY, (int)e.id, count);
            placed = units_like(e.type, PlayerX, PlayerY, e.id) > before ||
                     (e.type == DT_ITEM && ObjToItem((int)e.id).type == IT_CARCASS);
        }
        if (placed) {
            e = DataStruct{};
        } else {
            kept++;
            partylog("no room for #%d: T:%d D:%d C:%d", k, e.type, (int)e.id, e.count);
        }
    }
    if (kept) Note("!There's no room on this map for everything you brought along; the rest stays with you.");
}

// ---- what a square shows --------------------------------------------------------------------------

int itemcount(int x, int y) {
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.x != x || d.y != y) continue;
        switch (d.type) {
        case DT_ITEM: case DT_CARCASS: case DT_WORK: case DT_TRAP: case DT_NET: case DT_FIRE:
        case DT_LEFTOVER: case DT_LEFTOVER_A: case DT_FIRE_REMAINS: case DT_COUNTED: case DT_HERB_B:
        case DT_VISIBLE: case DT_PAUSED_BUILDING:
            n++;
            break;
        case DT_CREATURE: {
            const int c = datapos_Crepos(i);
            if (c < 0 || c >= CRE_COUNT || !sukeltaako_NPC(c)) n++;
            break;
        }
        case DT_PLANT: n += onko_KASVI_nakyvissa(i); break;
        case DT_ENCOUNTER: n += d.id != 0 && See_FigureInDistance(x, y, i); break;
        case DT_BOUND: n += DEBUG_INFO != 0; break;
        default: break;
        }
    }
    return n;
}

int nopickcheck(int x, int y, int say) {
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_WORK || d.x != x || d.y != y) continue;
        n++;
        if (!say) continue;
        TARGET_ITEM = (int)d.id;
        char line[300];
        snprintf(line, sizeof line, "%s It will be ready %s.", MSG("CANT_PICK_PREPARING"), DataReadyDesc(i));
        Note(line);
    }
    return n;
}

// The period of the day some minutes from now, lower-cased.
static void period_after(int minutes, char *out) {
    int hour = Plr.hour + minutes / 60;
    while (hour >= 25) hour -= 24;
    char period[16];
    AikaTeksti(hour, period);
    for (char *p = period; *p; p++) *p = (char)tolower((unsigned char)*p);
    copy_bounded(out, 16, period);
}

char *DataReadyDesc(int n) {
    static char text[100];
    copy_bounded(text, sizeof text, "some day");
    if (!valid_pos(n)) return text;
    const DataStruct &d = Data[n];
    int days = 0;
    if (d.ready_day) {
        days = (int)d.ready_day - (int)Plr.daynumber;
        if (days == 1)
            copy_bounded(text, sizeof text, "tomorrow");
        else
            snprintf(text, sizeof text, "after %d days", days);
    }
    if (d.ready_minute && !(d.ready_day && days == 1)) {
        const long m = (long)d.ready_minute - (long)Plr.minutes;
        char period[16];
        if (m < 15)
            copy_bounded(text, sizeof text, "shortly");
        else if (m < 40)
            copy_bounded(text, sizeof text, "in half an hour");
        else if (m < 70)
            copy_bounded(text, sizeof text, "in an hour");
        else if (m < 121)
            copy_bounded(text, sizeof text, "in a few hours");
        else if (m < 1301) {
            period_after((int)m, period);
            snprintf(text, sizeof text, "by %s", period);
        } else if (m / 1440 < 2)
            copy_bounded(text, sizeof text, "tomorrow");
        else
            snprintf(text, sizeof text, "after %ld days", m / 1440);
    }
    return text;
}

char *FireBurnDesc(int n) {
    char *text = sbuf();
    const long m = valid_pos(n) ? (long)Data[n].ready_minute - (long)Plr.minutes : 0;
    const char *w = m <= 9    ? "for a very little while"
                    : m < 20  ? "for a little while"
                    : m < 40  ? "for half an hour"
                    : m < 70  ? "for an hour"
                    : m < 90  ? "for over an hour"
                    : m < 150 ? "for a few hours"
                    : m < 240 ? "for several hours"
                              : nullptr;
    if (w) {
        copy_bounded(text, SBUF_SIZE, w);
    } else {
        char period[16];
        period_after((int)m, period);
        snprintf(text, SBUF_SIZE, "till %s", period);
    }
    return text;
}

// ---- plants that show, and the lynx feather -----------------------------------------------------

int onko_KASVI_nakyvissa(int n) {
    if (n < 0 || n >= DATA_MAX) return 0;
    return Data[n].day == 0 || Plr.daynumber >= Data[n].day ? 1 : 0;
}

enum { TASK_SPELL = 11, SF_MAGIC_BURDEN = 0x400, TRACK_FIRST_ESCAPE = 2 };

static bool item_record_at(const DataStruct &d, int x, int y) { return d.type == DT_ITEM && d.x == x && d.y == y; }

void setnpc_magic_burden(int creature) {
    if (creature < 0 || creature >= CRE_COUNT) return;
    CreatureStruct &c = Cre[creature];
    if (c.stateflags & SF_MAGIC_BURDEN) return;
    c.magicburden = (uint8_t)(64 + random(64));
    c.stateflags |= SF_MAGIC_BURDEN;
}

int TKCHECK_IlvesEstetaanPakenemasta(int x, int y) {
    bool escape_track = false;
    for (const DataStruct &d : Data)
        escape_track = escape_track || (d.type == DT_TRACKS && d.x == x && d.y == y && d.id == SPECIES_LYNX &&
                                        (d.owner & TRACK_FIRST_ESCAPE));
    if (!escape_track) return 0;
    int lynx = -1;
    for (const DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
            Cre[d.id - CRE_DATAID].speciescode == SPECIES_LYNX) {
            lynx = (int)d.id - CRE_DATAID;
            break;
        }
    if (lynx < 0) return 0;
    bool feather = false;
    for (const DataStruct &d : Data) {
        if (!item_record_at(d, x, y) || d.count != 1) continue;
        const ItemStruct it = ObjToItem((int)d.id);
        char from[sizeof it.skill + 1];
        memcpy(from, it.skill, sizeof it.skill);
        from[sizeof it.skill] = 0;
        if (it.id == OID_FEATHER && strstr(from, "apercaillie")) feather = true;
    }
    if (!feather) return 0;
    setnpc_magic_burden(lynx);
    set_SpiritData_mood(x, y, SPIRIT_OF_FOREST, 3);
    world_services.course_task_check(TASK_SPELL);
    return 1;
}
