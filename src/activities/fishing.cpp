// src/activities/fishing.cpp -- fishing (see fishing.h): the nine fish and what makes them bite, the
// rod, the club and the net, and the catch.
#include "activities/fishing.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "activities/actions.h"
#include "creatures/skills.h"
#include "activities/skilluse.h"
#include "core/commandcodes.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/codednotes.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "maps/squareevents.h"
#include "maps/spiritdata.h"
#include "core/tekstit.h"
#include "core/weatherengine.h"
#include "creatures/body.h"
#include "creatures/condition.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/items.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/itemwear.h"
#include "maps/area.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/mapunit.h"
#include "maps/picker.h"
#include "maps/water.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

char fishlist[FISH_KINDS][FISH_NAME];
int fishparveilu[FISH_KINDS];
int fish_in_list;
uint32_t PLRGLOBAL_rowing_fishermans_luck_mintick;

enum {
    TASK_FISHING = 7, TASK_FISH_CAUGHT = 26, TASK_SALMON = 27,
    TF_FISH_WATER = 128, TF_WATER_KIND1 = 4096, TF_WATER_KIND2 = 32768,
    MOVE_ROWING = 3,
    SEASON_GAP_DAYS = 121, SEASON_LAST_MONTH = 9,
    CUSTOM_ROD = 1, CUSTOM_NET = 2,
    HOURS_SPOILED = 96, HOURS_HALF_SPOILED = 51,
};

// ---- the fish -------------------------------------------------------------------------------------

struct FishData {                  // 80 bytes, as the game has always kept the table
    char name[20];
    int32_t depth[3], hour[4], water[3], base, method[3], shoal;
};
static_assert(sizeof(FishData) == 80, "a fish record is 80 bytes");

static const FishData fishdata[FISH_KINDS] = {
    {"BURBOT", {-10, 0, 1}, {-10, 1, 0, 1}, {1, 0, -10}, 0, {1, 2, 1}, 1},
    {"PIKE", {2, 1, 0}, {2, 0, 2, -10}, {2, -10, -10}, 1, {1, 0, 1}, 0},
    {"ROACH", {1, 2, 0}, {1, 2, 1, 0}, {2, 1, -10}, 2, {2, -10, -10}, 2},
    {"BREAM", {-2, 2, 0}, {1, 2, 2, 0}, {2, 0, -10}, 2, {0, 2, -10}, 1},
    {"PERCH", {2, 1, -10}, {2, 0, 1, -10}, {2, 1, 0}, 2, {2, 0, -10}, 2},
    {"PIKE-PERCH", {-10, 0, 2}, {-10, 0, 1, 2}, {2, -10, -10}, 0, {-1, 1, -10}, 0},
    {"TROUT", {-10, 2, 2}, {0, 1, 1, 1}, {-2, 2, 2}, 0, {0, 1, -10}, 0},
    {"LAVARET", {-10, 1, 2}, {0, 1, 1, 0}, {1, 0, -10}, 0, {-10, 1, -10}, 1},
    {"SALMON", {0, 2, 1}, {2, 1, 1, 0}, {-10, 2, 1}, -1, {0, 1, 0}, 0},
};

void ClearFishlist() {
    memset(fishlist, 0, sizeof fishlist);
    memset(fishparveilu, 0, sizeof fishparveilu);
    fish_in_list = 0;
}

void AddFishlist(const char *name, int shoal) {
    if (fish_in_list >= FISH_KINDS) return;
    copy_bounded(fishlist[fish_in_list], FISH_NAME, name ? name : "");
    fishparveilu[fish_in_list] = shoal;
    fish_in_list++;
}

int hourmodcalc(int hour, int steps) {
    int h = (hour + steps) % 24;
    return h < 0 ? h + 24 : h;
}

static int hour_class(int hour) {
    if (hour >= 6 && hour <= 11) return 0;
    if (hour >= 12 && hour <= 18) return 1;
    if (hour >= 19 && hour <= 22) return 2;
    return 3;
}
static int depth_class(int x, int y) {
    const int d = vesisyvyys(x, y);
    return d > 5 ? 2 : d > 3 ? 1 : 0;
}
static int water_kind(int x, int y) {
    const int c = get_mapchar(x, y);
    if (terrain_flag(c, TF_WATER_KIND2)) return 2;
    if (terrain_flag(c, TF_WATER_KIND1)) return 1;
    return 0;
}

void CreateFishlist(int x, int y, int hour, int spread, int column) {
    ClearFishlist();
    if (column < 0 || column > 2) return;
    const int depth = depth_class(x, y), water = water_kind(x, y);
    if (DEBUG_INFO) {
        char line[60];
        bprintf(line, sizeof line, "Veden syvyys 0-2 arvona: %d", depth);
        DebugNote(line);
    }
    int h = hourmodcalc(hour, 0);
    for (const FishData &f : fishdata) {
        h = hourmodcalc(h, random(spread));
        const int value = f.depth[depth] + f.water[water] + f.hour[hour_class(h)] + f.base + f.method[column];
        if (7 * value >= random(100)) AddFishlist(f.name, f.shoal);
    }
}

int CatchFromFishlist(int count, int x, int y) {
    if (fish_in_list <= 0) return 0;
    int got[FISH_KINDS] = {};
    for (int i = 0; i < count; i++) {
        const int e = random(fish_in_list);
        if (strstr(fishlist[e], "SALMON") || strstr(fishlist[e], "TROUT")) world_services.course_task_check(TASK_SALMON);
        if (object(fishlist[e], 1) > 0) got[e]++;
        // A lone fish is one fish, however often the draws find it.
        if (fishparveilu[e] == 0 && got[e] > 1) got[e] = 1;
    }
    char list[SBUF_SIZE] = "";
    for (int e = 0; e < fish_in_list; e++) {
        if (got[e] <= 0) continue;
        const int row = object(fishlist[e], 1);
        if (row <= 0) continue;
        const int pos = Luo_Esineen_Itempos(ObjToItem(row));
        set_data(DT_ITEM, x, y, pos, got[e]);
        char part[SBUF_SIZE];
        if (got[e] == 1) copy_bounded(part, sizeof part, an(ekuvaus(pos, 1, 0)));
        else copy_bounded(part, sizeof part, ekuvaus(pos, got[e], 1));
        if (list[0]) strncat(list, ", ", sizeof list - strlen(list) - 1);
        strncat(list, part, sizeof list - strlen(list) - 1);
    }
    if (!list[0]) return 0;
    copy_bounded(vMSG_var, sizeof vMSG_var, andlist(list));
    Note(MSG("FISHING_CATCH"));
    Note(MSG("CATCH_PICK_INFO"));
    return 0;
}

int FishCaught(int count, int method, int hour, int spread) {
    if (method == FISH_BY_CLUB || method == FISH_BY_ROD) {
        CreateFishlist(PlayerX, PlayerY, Plr.hour, 0, method == FISH_BY_CLUB ? 2 : 0);
        if (count <= 0 || fish_in_list == 0) {
            Note(MSG("FISHING_NO_CATCH"));
            return 0;
        }
    } else {
        if (spread == 0) hour = random(10) + 5;
        CreateFishlist(PlayerX, PlayerY, hour, spread, 1);
        if (count <= 0 || fish_in_list == 0) {
            Note(MSG("NET_NO_CATCH"));
            return 0;
        }
    }
    set_SpiritData_mood(PlayerX, PlayerY, SPIRIT_WATER_FOLK, -1);
    // The first catch of a season keeps its day; the customs of the season begin again.
    if (GlobWeather.water_temp >= 0 && Plr.month <= SEASON_LAST_MONTH) {
        const bool net = method == FISH_BY_NET;
        uint16_t &day = net ? Plr.net_season_day : Plr.rod_season_day;
        const uint16_t today = (uint16_t)Plr.daynumber;
        if (day == 0 || std::abs((int)today - (int)day) >= SEASON_GAP_DAYS) {
            day = today;
            Plr.spirit_customs &= ~(uint32_t)(net ? CUSTOM_NET : CUSTOM_ROD);
        }
    }
    world_services.course_task_check(TASK_FISH_CAUGHT);
    Heading();
    play_sample("splash", 0);
    return CatchFromFishlist(count, PlayerX, PlayerY);
}

// ---- the gear -----------------------------------------------------------------------------------

int fishingequ(const ItemStruct &item) {
    if (item.type == IT_NONE) return 0;
    char skill[sizeof item.skill + 1];
    copy_bounded(skill, sizeof skill, item.skill);
    return item.subtype == 1 || item.subtype == 2 || strcmp(skill, "CLUB") == 0;
}

static bool is_net(const ItemStruct &it) { return it.type == IT_TOOL && it.subtype == ST_NET; }
static bool is_rod(const ItemStruct &it) {
    char name[sizeof it.name + 1];
    copy_bounded(name, sizeof name, it.name);
    return strstr(name, "Fishing") != nullptr;
}
static bool stored_item(uint32_t id) {
    return (id >= 1 && id < (uint32_t)CONSTANTOBJ_ROWS) || (id >= OBJ_PLAYER_FIRST && id <= OBJ_PLAYER_LAST);
}

int onko_kalavesi(int x, int y) {
    return terrain_flag(get_alltime_maailmachar(kohtaIsoX(x), kohtaIsoY(y)), TF_FISH_WATER) ? 1 : 0;
}

static int fishing_level() {
    const int l = plr_ML("FISHING");
    return l == 1000 ? 0 : l;
}

// ---- the net ------------------------------------------------------------------------------------

static int set_net(int slot, const ItemStruct &net) {
    const int obj = Plr.inv_obj[slot];
    if (pctofItem(net) < NET_WORN_OUT) {
        TARGET_ITEM = obj;
        Note(MSG("NET_DESTROYED"));
        Pause();
        return 0;
    }
    if (puuhausvammaus(CRE_PLAYER, 5, 0, txt_toimia(ACTION_SET_NET))) return 0;
    const int grade = Kayta_Taitoa(1, 25, "FISHING", LEARN_NONE);
    static const int by_class[5] = {30, 20, 15, 10, 10};
    const int q = craftquality(fishing_level(), grade);
    const int minutes = q >= 1 && q <= 5 ? by_class[q - 1] : 15;
    if (!OtaKohta_Suunta("where to set this net")) return 0;
    const int x = GeneralX, y = GeneralY;
    if (!avovesi(x, y)) {
        Note(MSG("GOOF_NO_WATER"));
        return 0;
    }
    if (get_datatype(DT_NET, x, y) >= 0) {
        Note("!There's already a net. Can't set another one to same location.");
        return 0;
    }
    if (vesisyvyys(x, y) < 4) {
        Note("!You can't set the net over there. The water is not deep enough.");
        return 0;
    }
    const char *analysis = Skill_Analyysi("FISHING", 1);
    if (analysis[0]) Note(analysis);
    if (!realbasicspend(minutes, 0, "Setting the net", 384)) return 0;
    if (Plr.inv_obj[slot] != obj || Plr.inv_count[slot] <= 0) return 0;   // the net left her pack meanwhile
    Kayta_Taitoa(0, 0, "FISHING", LEARN_EIGHT);
    ClearDTEMP();
    DTEMP.type = DT_NET;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.count = 1;
    DTEMP.id = (uint32_t)obj;
    DTEMP.flags = (uint8_t)grade;
    DTEMP.day = (uint16_t)Plr.daynumber;
    DTEMP.ready_minute = Plr.minutes;
    if (SetDTEMP(-1) < 0) {
        Note("!There is no room to set anything more here.");
        return 0;
    }
    Poista_PlrItem(slot, 1);
    play_sample("splash", 0);
    Note(":@You set your net into the water.");
    Note(NOTE_LEAVE_THE_NET);
    return 1;
}

int verkon_kalat(int grade, int hours, int marked) {
    if (hours <= 0) return 0;
    int n = 0;
    switch (grade) {
    case 2:
        n = hours < 5 ? random(hours + 1) : hours < 49 ? random(hours / 4 + 1) + 1 : d6(2);
        if (n > 12) n = d6(1) + 10;
        break;
    case 3:
        n = hours < 7 ? random(hours + 1) : hours < 49 ? random(hours / 2) + d6(1) : d6(4);
        if (n > 20) n = random(15) + 10;
        break;
    case 1: n = hours > 5 ? (hours < 24 ? random(2) : random(3)) : 0; break;
    default: n = 0; break;
    }
    if (marked) {
        n += random(3);
        if (n == 0) n = 1;
    }
    return n;
}

int Koe_Verkko(int x, int y) {
    const int check = Kayta_Taitoa(0, 0, "FISHING", LEARN_NORMAL);
    static const int by_class[6] = {15, 15, 13, 10, 8, 5};
    const int q = craftquality(fishing_level(), check);
    const int base = q >= 0 && q <= 5 ? by_class[q] : 15;
    const int n = get_datatype(DT_NET, x, y);
    if (n < 0 || n >= DATA_MAX) {
        Note(MSG("GOOF_NO_NET"));
        return 0;
    }
    const DataStruct net = Data[n];
    // A net that kept no minute is taken as set at this minute of its day.
    long long set = net.ready_minute;
    if (set == 0) set = (long long)Plr.minutes - 1440LL * ((long long)(uint16_t)Plr.daynumber - net.day);
    long long hours_long = ((long long)Plr.minutes - set) / 60;
    if (hours_long < 0) hours_long = 0;
    const int hours = hours_long > 100000 ? 100000 : (int)hours_long;
    const bool known = stored_item(net.id);
    const ItemStruct item = known ? ObjToItem((int)net.id) : ItemStruct{};
    int fish = verkon_kalat(net.flags, hours, known && item.magic == '!');
    Note(MSG("NET_PULL"));
    copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "water");
    if (!realbasicspend(base + fish, 0, "Retrieving the net", 384)) return 0;
    if (Data[n].type != DT_NET || Data[n].x != net.x || Data[n].y != net.y) return 0;   // gone meanwhile
    float wear = (float)fish / 50.0f;
    if (net.flags == 0) wear += 0.2f;
    else if (net.flags == 1) wear += 0.1f;
    if (check == 1) wear *= 1.5f;
    else if (check == 0) wear *= 2.0f;
    else if (check == 2) wear *= 0.5f;
    else if (check == 3) wear /= 3.0f;
    CrunchData(n);
    if (known && item.type != IT_NONE) {
        ItemStruct worn = item;
        DamageObj(worn, wear, 5, 50);
        Lisaa_Inventoryyn(Luo_Esineen_Itempos(worn), 1, 1, -1);
    }
    if (fish == 0) {
        Note(MSG("NET_NO_CATCH"));
        return 1;
    }
    if (hours > HOURS_SPOILED) {
        Note("!All the fish in the net appear to be dead and spoiled beyond edible.");
        Note("_You should probably check your nets more often.");
        return 1;
    }
    if (hours >= HOURS_HALF_SPOILED) {
        if (fish > 1) fish /= 2;
        Note("!You find some of the fish in the net dead and spoiled, but some are good and edible.");
        Note("_You should probably check your nets more often.");
    }
    FishCaught(fish, FISH_BY_NET, hourmodcalc(Plr.hour, -(hours % 24)), hours);
    return 1;
}

// ---- the rod and the club ---------------------------------------------------------------------------

int Aktiivinen_Kalastus(int slot) {
    if (non_outdoor()) return 0;
    if (!avovesi(-1, -1)) {
        Note("!There's no open water around here!");
        return 0;
    }
    if (!onko_kalavesi(PlayerX, PlayerY)) {
        Note("!You should find a better spot! From this very location you can't expect to catch any fish");
        return 0;
    }
    if (slot < 0) {
        slot = selslot("Choose your fishing equipment?", "fish with", SEL_WRONG_TYPE, invmask(IT_WEAPON, IT_TOOL), 0);
        if (slot < 0) return 0;
    }
    if (slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0 || Plr.inv_count[slot] <= 0) return 0;
    const ItemStruct gear = ObjToItem(Plr.inv_obj[slot]);
    if (!fishingequ(gear)) {
        Note("!You can't fish with that!");
        return 0;
    }
    Komentohistoria = ACTION_FISH;
    Komentotarkenne = 0;
    Kayta_Taitoa(0, 0, "FISHING", LEARN_NONE);
    const int pre = Kayta_Taitoa(0, 0, "FISHING", LEARN_NONE);
    if (is_net(gear)) return set_net(slot, gear);

    if (puuhausvammaus(CRE_PLAYER, 2, 0, txt_toimia(ACTION_FISH))) return 0;
    const bool rod = is_rod(gear);
    int roll, effort, method;
    if (rod) {
        Note(MSG("ANGLE_START"));
        roll = Kayta_Taitoa(0, 0, "FISHING", LEARN_NONE);
        if (Plr.minutes < PLRGLOBAL_rodfishing_luck_mintick) roll = Kayta_Taitoa(0, 20, "FISHING", LEARN_NONE);
        if (Plr.movement_mode == MOVE_ROWING && Plr.minutes < PLRGLOBAL_rowing_fishermans_luck_mintick)
            roll = Kayta_Taitoa(0, 20, "FISHING", LEARN_NONE);
        effort = 1;
        method = FISH_BY_ROD;
    } else {
        Note(NOTE_WADE_FOR_A_FISH);
        roll = Kayta_Taitoa(1, 0, "FISHING", LEARN_NONE);
        const char *analysis = Skill_Analyysi("FISHING", 1);
        if (analysis[0]) Note(analysis);
        effort = 2;
        method = FISH_BY_CLUB;
    }
    int minutes = random(90) + (3 - pre) * 60;
    if (minutes < 60) minutes = 60 + random(20);
    copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "water");
    Heading();
    AsetaPonnistelu(CRE_PLAYER, effort);
    if (!spend(minutes, 0, "fishing", 0, SPF_NOPROGRESS)) return 0;
    Kayta_Taitoa(0, 0, "FISHING", LEARN_EIGHT);
    world_services.course_task_check(TASK_FISHING);
    if (roll <= 1) {
        Note(MSG("FISHING_NO_CATCH"));
        return 0;
    }
    int count = roll == 2 ? d6(1) : d6(2);
    if (method == FISH_BY_CLUB) count = 1;
    FishCaught(count, method, 0, 0);
    return 1;
}

void Fishing() {
    Valinta_Tyhjaa();
    Valinta_LisaaToiminnalla('1', Toiminta(ACTION_FISH), ACTION_FISH);
    Valinta_LisaaToiminnalla('2', Toiminta(ACTION_SET_NET), ACTION_SET_NET);
    Valinta_LisaaToiminnalla('3', Toiminta(ACTION_RETRIEVE_NET), ACTION_RETRIEVE_NET);
    Valinta_LisaaToiminnalla('H', Toiminta(ACTION_ICE_HOLE), ACTION_ICE_HOLE);
    Valinta_LisaaGlobalGameinfo("FISHING");
    TeeValinta("Fishing options");
    Valinta_Toimi();
}
