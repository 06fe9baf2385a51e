// src/society/villagesim.cpp -- headless runs of village life (see villagesim.h).
#include "society/villagesim.h"

#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/records.h"
#include "core/vilrecord.h"
#include "core/player.h"
#include "creatures/bodyrec.h"
#include "creatures/breaches.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/crsim.h"
#include "creatures/lifeask.h"
#include "creatures/people.h"
#include "creatures/perception.h"
#include "creatures/puuha.h"
#include "activities/itemcmd.h"
#include "items/items.h"
#include "items/ownership.h"
#include "maps/area.h"
#include "creatures/crestep.h"
#include "maps/facing.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "core/notes.h"
#include "society/village.h"

enum { VX = 100, VY = 100 };       // the village's world cell: the centre of the area

static FILE *speech_out = nullptr;
static int speech_lines = 0, speech_tick = 0;

static void hear(int n, const char *key, const char *text) {
    speech_lines++;
    if (!speech_out || speech_lines > 60) return;
    char name[sizeof Cre[0].pname + 1] = "someone";
    if (n >= 0 && n < CRE_COUNT && Cre[n].pname[0]) copy_bounded(name, sizeof name, Cre[n].pname);
    fprintf(speech_out, "  t%-5d %s %s: \"%s\"\n", speech_tick, name, strcmp(key, "NPC_SHOUTS") ? "says" : "shouts", text);
}

static void make_village() {
    maailma_alltime[mapidx(VX, VY)] = 210;
    world_layers_unsaved();
    memset(ZoomExtra, 0, sizeof ZoomExtra);
    marker_tables_changed();
    clrVillages();
    GOT_UNPAID_clr();
    GOT_TAKEN_clr();
    GOT_PACKED_clr();
    MOVETAKEN_clr();
    BURGLARYSOC = 0;
    INVISIBLE = 0;
    CLOAK = 0;
    plr_set<int32_t>(PB_BODYWEIGHT, 130);
    InitSines();
    Sight = 50;
    CalculateLDist(50);
    Plr.hour = 12;   // daylight: the villagers see her
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
}

static const char *const NAMES[] = {"Anni", "Eero", "Kaisa", "Lauri", "Outi", "Paavo", "Rauha", "Sulo", "Toivo"};

static int free_square(int x0, int y0) {
    for (int r = 0; r < 10; r++)
        for (int dy = -r; dy <= r; dy++)
            for (int dx = -r; dx <= r; dx++)
                if (crestep_free_square(x0 + dx, y0 + dy) && !terrain_flag(get_mapchar(x0 + dx, y0 + dy), TF_WATER | TF_BLOCKS))
                    return (x0 + dx) * 1000 + (y0 + dy);
    return 0;
}

static int place_person(int n, int x0, int y0, int role, uint32_t community, const char *name) {
    const int at = free_square(x0, y0);
    if (!at) return 0;
    CreatureStruct &c = Cre[n];
    memset(&c, 0, sizeof c);
    c.kind = CK_HUMAN;
    c.role = (uint8_t)role;
    c.speciescode = SPECIES_VILLAGER;
    c.culture = 0;
    c.weight = 70.0f;
    c.rhythm = 1;
    c.hearing = 12;
    c.smell = 8;
    c.speed = 50;
    c.endurance = 12;
    c.strength = 12;
    c.morale1 = 40;
    c.energy = 1400;
    c.community = community;
    c.socialid = 80000u + (uint32_t)n;
    c.enemy = CRE_NONE;
    c.familiarity = 1;
    c.Suunta = random(8);
    copy_bounded(c.species, sizeof c.species, role == 20 ? "robber" : "villager");
    memcpy(c.pname, name, strlen(name) < sizeof c.pname ? strlen(name) : sizeof c.pname);
    c.Viimeisin_X = at / 1000;
    c.Viimeisin_Y = at % 1000;
    return set_data(DT_CREATURE, at / 1000, at % 1000, n + CRE_DATAID, 1) ? 1 : 0;
}

static int place_dog(int n, int x0, int y0, uint32_t soc, uint32_t master) {
    const int at = free_square(x0, y0);
    if (!at) return 0;
    CreatureStruct &c = Cre[n];
    memset(&c, 0, sizeof c);
    Luo_ElainOlento(c, 618, "");
    if (c.kind == CK_NONE) {
        c.kind = 7;
        c.speciescode = SPECIES_DOG;
        c.weight = 25.0f;
        c.rhythm = 1;
        c.hearing = 14;
        c.smell = 16;
        c.speed = 60;
        c.morale4 = 20;
        c.morale5 = 10;
        c.energy = 500;
        copy_bounded(c.species, sizeof c.species, "dog");
    }
    c.owner = (int32_t)master;
    c.community = soc;
    c.home_x = VX;
    c.home_y = VY;
    c.socialid = 80000u + (uint32_t)n;
    c.enemy = CRE_NONE;
    c.Viimeisin_X = at / 1000;
    c.Viimeisin_Y = at % 1000;
    memset(c.Puuha, 0, sizeof c.Puuha);
    return set_data(DT_CREATURE, at / 1000, at % 1000, n + CRE_DATAID, 1) ? 1 : 0;
}

static int goods_item(const char *name, int type, float price) {
    ItemStruct it{};
    it.type = (uint8_t)type;
    it.id = 300;
    it.price = price;
    it.weight = it.fullweight = 2.0f;
    copy_bounded(it.name, sizeof it.name, name);
    return Esineesta_Uniikki(it);
}

// ---- the run ----

enum { GROUP_PEOPLE, GROUP_DOGS, GROUP_ROBBERS, GROUP_ANIMALS, GROUPS };
static const char *const GROUP_NAME[GROUPS] = {"villagers", "dogs", "robbers", "wildlife"};
static const int CODE_OF[] = {0, 1, 2, 4, 60, 65, 80, 81, 100, 101, 110, 120, 130, 150, 200};
static const char *const CODE_NAME[] = {"choosing", "roam", "idle", "sleep", "go", "home", "reclaim", "snatch",
                                        "to the house", "resting place", "fire", "fell", "roast", "robbery", "leave",
                                        "other", "gone"};
enum { CODES = sizeof CODE_OF / sizeof CODE_OF[0] };

VillageSimResult village_sim(int seed, int ticks, FILE *out) {
    VillageSimResult r;
    if (!crsim_build_area(seed)) return r;
    make_village();
    PlayerX = AREA_CENTRE + 66;   // on the fields just east of the village
    PlayerY = AREA_CENTRE + 32;
    r.animals = crsim_place_animals(20);
    const int soc = createsocarea(VX, VY, 1);
    int group[CRE_COUNT];
    for (int &g : group) g = -1;
    for (int k = 0; k < 20; k++) group[k] = GROUP_ANIMALS;
    for (int i = 0; i < 6; i++) {
        const int n = 20 + i;
        if (!place_person(n, AREA_CENTRE + 40 + 4 * i, AREA_CENTRE + 30 + (i & 1) * 4, i == 5 ? 15 : 0, (uint32_t)soc, NAMES[i])) continue;
        Cre[n].home_x = VX;
        Cre[n].home_y = VY;
        group[n] = GROUP_PEOPLE;
        r.people++;
    }
    for (int i = 0; i < 2; i++)
        if (place_dog(26 + i, AREA_CENTRE + 24 + 6 * i, AREA_CENTRE + 40, (uint32_t)soc, 80020u + (uint32_t)i)) {
            group[26 + i] = GROUP_DOGS;
            r.dogs++;
        }
    const uint32_t band = 91000;
    for (int i = 0; i < 3; i++)
        if (place_person(28 + i, AREA_MAX - 62 + 2 * i, AREA_CENTRE + 32 + i, 20, band, NAMES[6 + i])) {
            group[28 + i] = GROUP_ROBBERS;
            r.robbers++;
        }
    Cre[28].herd = 1;
    socmaint(VX, VY);
    if (GetGlobVil(soc)) {   // her third visit: the people know her
        globVil.visits = 3;
        SaveGlobVil();
    }
    // her belongings worth a robber's while
    Plr.inv_obj[0] = goods_item("Iron axe", IT_TOOL, 120.0f);
    Plr.inv_count[0] = 1;
    Plr.inv_obj[1] = goods_item("Silver brooch", 10, 300.0f);
    Plr.inv_count[1] = 1;
    speech_out = out;
    speech_lines = 0;
    people_speech_log = hear;
    // Headless, she gives in to each hold-up: her answer waits in the key queue.
    static const int give_in[] = {'3', '3', '3'};
    ui_script_keys(give_in, 3);
    const int keep_notes = DISABLE_NOTES;
    DISABLE_NOTES = 1;
    if (out) fprintf(out, "seed %d, %d ticks, village %d at %d,%d: %d villagers, %d dogs, %d robbers, %d animals\n", seed,
                     ticks, soc, VX, VY, r.people, r.dogs, r.robbers, r.animals);
    if (out) fprintf(out, "words heard:\n");
    long hist[GROUPS][CODES + 2] = {};
    long seen[GROUPS] = {};
    for (int t = 0; t < ticks; t++) {
        speech_tick = t;
        crsim_tick();
        for (int k = 0; k < CRE_COUNT; k++) {
            if (group[k] < 0) continue;
            const int g = group[k];
            seen[g]++;
            int x, y;
            hist[g][crsim_tally_column(k, CODE_OF, CODES, r.outside, x, y)]++;
        }
    }
    people_speech_log = nullptr;
    ui_script_clear();
    DISABLE_NOTES = (uint8_t)keep_notes;
    r.words = speech_lines;
    r.robbed = 2;
    for (int s = 0; s < 2; s++) r.robbed -= Plr.inv_obj[s] ? 1 : 0;
    if (out) {
        if (speech_lines > 60) fprintf(out, "  ... %d more\n", speech_lines - 60);
        for (int g = 0; g < GROUPS; g++) {
            if (!seen[g]) continue;
            fprintf(out, "%-9s:", GROUP_NAME[g]);
            crsim_print_shares(out, CODE_NAME, hist[g], CODES + 2, seen[g]);
        }
        fprintf(out, "the band robbed %d of her 2 goods (%s); %d words said or shouted; outside the area: %ld\n", r.robbed,
                rob_items_string[0] ? rob_items_string : "nothing", r.words, r.outside);
    }
    speech_out = nullptr;
    return r;
}

// ---- the scripted visit ----

static void report(FILE *out, const char *step, int soc) {
    GetGlobVil(soc);
    if (out)
        fprintf(out, "%-34s debts %d, collection level %d, unpaid list %d, taken list %d\n", step, vildebtcount(soc),
                perinta_taso(soc), GOT_UNPAID_ofsoc(soc), GOT_TAKEN_ofsoc(soc));
}

static int goods_record(int x, int y, const char *name) {
    ClearDTEMP();
    DTEMP.type = DT_ITEM;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.id = (uint32_t)goods_item(name, IT_TOOL, 20.0f);
    DTEMP.count = 1;
    DTEMP.owner = SOC_OWNER;
    return SetDTEMP(-1);
}

VillageScriptResult village_script(int seed, FILE *out) {
    VillageScriptResult r;
    if (!crsim_build_area(seed)) return r;
    make_village();
    const int soc = createsocarea(VX, VY, 1);
    PlayerX = PlayerY = AREA_CENTRE + 32;
    for (int i = 0; i < 3; i++) {
        place_person(i, PlayerX + 4 + 2 * i, PlayerY + 3, 0, (uint32_t)soc, NAMES[i]);
        Cre[i].home_x = VX;
        Cre[i].home_y = VY;
        // all look away from her
        Cre[i].Suunta = (suunta_jostain_johonkin(Cre[i].Viimeisin_X, Cre[i].Viimeisin_Y, PlayerX, PlayerY) + 4) % 8;
        npctosocppl(i, soc);   // the village's own people, as its upkeep enrols them
    }
    SaveGlobVil();
    socmaint(VX, VY);
    speech_out = out;
    speech_lines = 0;
    people_speech_log = hear;
    const int keep_notes = DISABLE_NOTES;
    DISABLE_NOTES = 1;
    if (out) fprintf(out, "village %d at %d,%d; three villagers with their backs to her\n", soc, VX, VY);
    const int jug = goods_record(PlayerX, PlayerY + 1, "Clay jug");
    GetIt(jug, 1, 0);
    report(out, "1. the jug taken unseen:", soc);
    r.debts_unseen = vildebtcount(soc);
    Cre[0].Suunta = suunta_jostain_johonkin(Cre[0].Viimeisin_X, Cre[0].Viimeisin_Y, PlayerX, PlayerY);
    const int bowl = goods_record(PlayerX - 1, PlayerY, "Wooden bowl");
    GetIt(bowl, 1, 0);
    report(out, "2. the bowl taken while Anni sees:", soc);
    r.debts_seen = vildebtcount(soc);
    burglary(soc, 0);
    report(out, "3. the village checks her goods:", soc);
    r.debts_checked = vildebtcount(soc);
    r.level_checked = perinta_taso(soc);
    BURGLARYSOC = 0;
    Plr.world_x = VX + 1;   // she walks into the next cell with the goods
    burglary(soc, 0);
    report(out, "4. she leaves the village:", soc);
    r.level_left = perinta_taso(soc);
    people_speech_log = nullptr;
    DISABLE_NOTES = (uint8_t)keep_notes;
    r.shouts = speech_lines;
    speech_out = nullptr;
    return r;
}
