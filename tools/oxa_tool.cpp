// tools/oxa_tool.cpp -- headless chores on a character's files and the game's tables, without
// starting the game.
//   oxa_tool defcreat <dir>     builds the creature templates and writes "<dir>/CONSTANT.CRE"
//   oxa_tool creatures          run in the working folder: every creature template with its number,
//                               species, weight, attributes, diet and picture
//   oxa_tool objdefs <dir>      builds the catalogue of item kinds and writes "<dir>/CONSTANT.OBJ";
//                               a file already there is read first, so rows added in play stay
//   oxa_tool describe-items     run in the working folder: name, description, weight and price of
//                               every catalogue row and every plant of the plant data files
//   oxa_tool body --wound "cut,13,2"   a grown body with those wounds: penalties, speed, limb ratios
//   oxa_tool days --seed 4 --days 10 --wounds "cut,9,2;influenza"   each slot's course, day by day
//   oxa_tool recipes --check    run in the working folder: every recipe file read, each product's
//                               resolution and its parsed lines; fails on an unresolved product, an
//                               unknown requirement or a building that names no terrain
//   oxa_tool craft <product> [--seed n]   run in the working folder: the product made once on a
//                               fixture holding just its materials; fails unless exactly the used
//                               materials left the pack and the product arrived
//   oxa_tool sim [--seed N] [--ticks T]   run in the working folder: 20 animals of mixed species on
//                               a generated forest-and-lake local area for T creature passes; prints
//                               each species' activities
//   oxa_tool sim --fixture village [--seed N] [--ticks T]   the same area with a village at its centre:
//                               villagers, their dogs, a robber band and wildlife; prints what each
//                               group did and the words said
//   oxa_tool village-run [--seed N]   the scripted visit: goods taken unseen, then seen, then the
//                               village left; prints the debts, collection levels and shouts
//   oxa_tool village-stock --cell X,Y [--days D] [--people N] [--culture C] [--seed N]   a village of N
//                               people (10) of culture C (0) at world cell X, Y, on a local map with
//                               free floor: its first stocking, then a restock for every week of D
//                               days (14), each printed by goods class with what was used up
//   oxa_tool wound --victim N --type T --impact I --part P --seed S   one wound to template N: the
//                               wound cell, the rolls and whether it lived
//   oxa_tool duel --seed S A B --rounds R   template A against template B R times: how they ended
//   oxa_tool plants --cell X,Y [--days D] [--seed N]   run in the working folder: the local map of
//                               world cell X, Y (forest all round) with its plants grown day by day
//                               from the first of the year for D days (365); at each month's end the
//                               records of every plant by state. A map its builder sowed nothing on
//                               gets one dormant patch of every plant.
//   oxa_tool questoffer --cell X,Y [--force] [--people N] [--culture C] [--month M] [--day D]   the quest
//                               offer of a village of N people (10) of culture C (0) at world cell X, Y
//                               in month M (6) of day D played (40): its precondition log
//   oxa_tool create --seed N --name NAME [--culture C] [--sex S] [--season S] [--scenario N] [--course K]
//                               run in the working folder: a new character built in quick mode from
//                               the seed (culture 0-9, sex 1 or 2, season 0-3, scenario, course -1/1/2);
//                               prints the folder and its files with their sizes
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "activities/herblore.h"
#include "items/plantlife.h"
#include "core/weatherengine.h"
#include "maps/area.h"
#include "maps/zoomstore.h"
#include "worldgen/worldgen.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/datafunc.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "society/questoffer.h"
#include "worldgen/newchar.h"
#include "worldgen/chardefs.h"
#include <dirent.h>
#include <sys/stat.h>
#include "society/restock.h"
#include "society/village.h"
#include "creatures/bodytool.h"
#include "creatures/combat_tool.h"
#include "core/creatures.h"
#include "creatures/crsim.h"
#include "society/villagesim.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/plants.h"
#include "activities/recipecheck.h"
#include "core/oxa.h"
#include "presentation/show.h"
#include <SDL2/SDL.h>
#include <cstdlib>
#include "core/tekstit.h"

static int usage() {
    fprintf(stderr, "usage: oxa_tool defcreat <dir>\n       oxa_tool creatures\n       oxa_tool objdefs <dir>\n       oxa_tool describe-items\n"
                    "       oxa_tool plants --cell X,Y [--days D] [--seed N]\n"
                    "       oxa_tool recipes --check\n       oxa_tool craft <product> [--seed n]\n"
                    "       oxa_tool body --wound \"kind,part,level\"\n"
                    "       oxa_tool days --seed n --days n --wounds \"wound;wound\"\n"
                    "       oxa_tool sim [--seed N] [--ticks T] [--fixture village]\n       oxa_tool village-run [--seed N]\n"
                    "       oxa_tool village-stock --cell X,Y [--days D] [--people N] [--culture C] [--seed N]\n"
                    "       oxa_tool wound --victim N --type T --impact I --part P --seed S\n"
                    "       oxa_tool duel --seed S A B --rounds R\n"
                    "       oxa_tool questoffer --cell X,Y [--force] [--people N] [--culture C] [--month M] [--day D]\n"
                    "       oxa_tool create --seed N --name NAME [--culture C] [--sex S] [--season S] [--scenario N] [--course K]\n");
    return 2;
}

static int cmd_defcreat(const char *dir) {
    if (!defcreat(dir)) {
        fprintf(stderr, "oxa_tool: %s/CONSTANT.CRE couldn't be written\n", dir);
        return 1;
    }
    printf("%s/CONSTANT.CRE: %d templates, %d bytes\n", dir, (int)CONSTANTCRE_COUNT,
           (int)(CONSTANTCRE_COUNT * sizeof(CreatureStruct)));
    return 0;
}

static int objdefs(const char *dir) {
    if (chdir(dir) != 0) {
        fprintf(stderr, "oxa_tool: no folder %s\n", dir);
        return 1;
    }
    copy_bounded(CharacterPath, sizeof CharacterPath, ".");
    InitObjs();
    FILE *f = fopen("CONSTANT.OBJ", "rb");
    long size = -1;
    if (f) {
        fseek(f, 0, SEEK_END);
        size = ftell(f);
        fclose(f);
    }
    if (size != CONSTANTOBJ_BYTES) {
        fprintf(stderr, "oxa_tool: %s/CONSTANT.OBJ was not written whole\n", dir);
        return 1;
    }
    printf("%s/CONSTANT.OBJ: %ld bytes\n", dir, size);
    return 0;
}

static int craft(int argc, char **argv) {
    int seed = 1;
    for (int i = 3; i + 1 < argc; i++)
        if (strcmp(argv[i], "--seed") == 0) seed = atoi(argv[i + 1]);
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    OXA_NODELAY = 1;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        fprintf(stderr, "oxa_tool: %s\n", SDL_GetError());
        return 1;
    }
    win = SDL_CreateWindow("Halvornaland", 0, 0, 800, 600, SDL_WINDOW_HIDDEN);
    if (!win) {
        fprintf(stderr, "oxa_tool: %s\n", SDL_GetError());
        return 1;
    }
    initgr(0);
    copy_bounded(language, sizeof language, "eng");
    const int r = recipe_craft(argv[2], seed, stdout);
    SDL_Quit();
    return r;
}

static int describe_items() {
    definit_yrttidata();
    for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    build_objdef_rows();
    if (!InitUnames_load()) {
        fprintf(stderr, "oxa_tool: messages/%s_uname_flora.txt missing\n", language);
        return 1;
    }
    LuoKasvit();
    printf("row | name | description | weight | price\n");
    char name[41];
    for (int r = 1; r < CONSTANTOBJ_ROWS; r++) {
        const ItemStruct &it = ConstantObj[r];
        if (it.type == 0) continue;
        printf("%d | %s | %s | %s | %.2f\n", r, item_name(it, name), ekuvaus(r, 1, 0), txt_itemweight(r, 1),
               esinehinta(0, it));
    }
    return 0;
}

static int cmd_sim(int argc, char **argv) {
    long seed = 1, ticks = 2000;
    bool village = false;
    for (int i = 0; i < argc; i++) {
        if (!strcmp(argv[i], "--seed") && i + 1 < argc) seed = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--ticks") && i + 1 < argc) ticks = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--fixture") && i + 1 < argc && !strcmp(argv[i + 1], "village")) village = true, i++;
        else return usage();
    }
    if (ticks < 0 || ticks > 10000000 || seed < 0 || seed > 0x7fffffff) return usage();
    if (village) {
        const VillageSimResult v = village_sim((int)seed, (int)ticks, stdout);
        if (v.people == 0) {
            fprintf(stderr, "oxa_tool: no village could be made\n");
            return 1;
        }
        return v.outside ? 1 : 0;
    }
    const CreSimResult r = creature_sim((int)seed, (int)ticks, stdout);
    if (r.creatures == 0) {
        fprintf(stderr, "oxa_tool: no local area could be made\n");
        return 1;
    }
    return r.outside || r.blocked ? 1 : 0;
}

static int cmd_village_run(int argc, char **argv) {
    long seed = 1;
    for (int i = 0; i < argc; i++) {
        if (!strcmp(argv[i], "--seed") && i + 1 < argc) seed = strtol(argv[++i], nullptr, 10);
        else return usage();
    }
    if (seed < 0 || seed > 0x7fffffff) return usage();
    const VillageScriptResult r = village_script((int)seed, stdout);
    return r.debts_unseen == 0 && r.debts_seen == 1 && r.debts_checked >= 1 && r.level_left == 2 ? 0 : 1;
}

// What one stocking made and used, by goods class, and what the village holds in its cell.
static void print_stocking(int day, const char *what) {
    const RestockTally &t = restock_tally();
    printf("day %d, %s:\n", day, what);
    int any = 0;
    for (int g = 0; g < RG_GOODS; g++)
        if (t.stored[g]) printf("  %-18s %d\n", RESTOCK_GOODS_NAME[g], t.stored[g]), any = 1;
    if (!any) printf("  nothing made\n");
    if (t.used_food + t.used_fur + t.used_bows + t.used_melee + t.spoiled + t.reserves)
        printf("  used: food %d, furs %d, bows %d, weapons %d; %d spoiled stacks thrown out, %d stacks of reserves eaten into\n",
               t.used_food, t.used_fur, t.used_bows, t.used_melee, t.spoiled, t.reserves);
    int stacks = 0, units = 0;
    for (const DataStruct &d : Data)
        if (d.type == DT_ITEM && d.owner == SOC_OWNER) stacks++, units += d.count;
    printf("  the village holds %d stacks, %d units\n", stacks, units);
}

static int cmd_village_stock(int argc, char **argv) {
    long x = -1, y = -1, days = 14, people = 10, culture = 0, seed = 1;
    for (int i = 0; i < argc; i++) {
        if (!strcmp(argv[i], "--cell") && i + 1 < argc) {
            if (sscanf(argv[++i], "%ld,%ld", &x, &y) != 2) return usage();
        } else if (!strcmp(argv[i], "--days") && i + 1 < argc) days = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--people") && i + 1 < argc) people = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--culture") && i + 1 < argc) culture = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--seed") && i + 1 < argc) seed = strtol(argv[++i], nullptr, 10);
        else return usage();
    }
    // The cell must leave room for the 5 x 5 local area around it.
    if (x < 2 || x > WORLD_W - 3 || y < 2 || y > WORLD_H - 3 || days < 0 || days > 3650 || people < 0 ||
        people > VILLAGE_PEOPLE || culture < 0 || culture > 255 || seed < 0 || seed > 0x7fffffff)
        return usage();
    char folder[] = "/tmp/oxastock-XXXXXX";
    if (!mkdtemp(folder)) {
        fprintf(stderr, "oxa_tool: no scratch folder\n");
        return 1;
    }
    copy_bounded(CharacterPath, sizeof CharacterPath, folder);
    copy_bounded(CharacterFile, sizeof CharacterFile, "STOCK");
    randomize((int)seed);
    build_objdef_rows();
    DoCreatures();   // the culture's furs and food are made from its animals' templates
    clrVillages();
    memset(Data, 0, sizeof Data);
    memset(ZoomExtra, 0, sizeof ZoomExtra);
    strcpy(Plr.mapname, "ZOOMMAP");
    Plr.world_x = (uint32_t)x;
    Plr.world_y = (uint32_t)y;
    Plr.month = 6;
    Plr.daynumber = 1;
    PlayerX = PlayerY = AREA_CENTRE + ZOOM_SIDE / 2;
    for (int sy = AREA_MIN; sy <= AREA_MAX; sy++)
        for (int sx = AREA_MIN; sx <= AREA_MAX; sx++) set_mapchar(sx, sy, CH_GROUND);
    for (int sy = AREA_CENTRE + 8; sy < AREA_CENTRE + 24; sy++)   // the shop floor of the village
        for (int sx = AREA_CENTRE + 8; sx < AREA_CENTRE + 24; sx++) set_mapchar(sx, sy, '_');
    maailma_alltime[mapidx((int)x, (int)y)] = 210;
    const int soc = 7001;
    Mapinfo_setsocID((int)x, (int)y, soc);
    GetGlobVil(soc);
    globVil.centre_x = (int32_t)x;
    globVil.centre_y = (int32_t)y;
    globVil.culture = (uint8_t)culture;
    for (int i = 0; i < people; i++) globVil.people[i] = 90000u + (uint32_t)i;
    SaveGlobVil();
    printf("village %d at %ld,%ld: %ld people of culture %ld, %ld days\n", soc, x, y, people, culture, days);
    socinventory(soc, (int)x, (int)y, 0, 1);
    print_stocking(1, "first stocking");
    for (long gone = 7; gone <= days; gone += 7) {
        Plr.daynumber += 7;
        socinventory(soc, (int)x, (int)y, 7, 0);
        print_stocking((int)Plr.daynumber, "restock after 7 days away");
    }
    clrVillages();
    char cmd[64];
    snprintf(cmd, sizeof cmd, "rm -rf %s", folder);
    return system(cmd) == 0 ? 0 : 1;
}

// A scratch village's quest offer, its precondition log printed.
static int cmd_questoffer(int argc, char **argv) {
    long x = -1, y = -1, people = 10, culture = 0, month = 6, day = 40;
    bool force = false;
    for (int i = 0; i < argc; i++) {
        if (!strcmp(argv[i], "--cell") && i + 1 < argc) {
            if (sscanf(argv[++i], "%ld,%ld", &x, &y) != 2) return usage();
        } else if (!strcmp(argv[i], "--force")) force = true;
        else if (!strcmp(argv[i], "--people") && i + 1 < argc) people = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--culture") && i + 1 < argc) culture = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--month") && i + 1 < argc) month = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--day") && i + 1 < argc) day = strtol(argv[++i], nullptr, 10);
        else return usage();
    }
    if (x < 2 || x > WORLD_W - 3 || y < 2 || y > WORLD_H - 3 || people < 0 || people > VILLAGE_PEOPLE ||
        culture < 0 || culture > 13 || month < 1 || month > 12 || day < 0 || day > 100000)
        return usage();
    char folder[] = "/tmp/oxaoffer-XXXXXX";
    if (!mkdtemp(folder)) {
        fprintf(stderr, "oxa_tool: no scratch folder\n");
        return 1;
    }
    copy_bounded(CharacterPath, sizeof CharacterPath, folder);
    copy_bounded(CharacterFile, sizeof CharacterFile, "OFFER");
    clrVillages();
    strcpy(Plr.mapname, "ZOOMMAP");
    Plr.world_x = (uint32_t)x;
    Plr.world_y = (uint32_t)y;
    Plr.month = (uint8_t)month;
    Plr.daynumber = (uint32_t)day;
    const int soc = 7001;
    Plr.last_uid = soc;
    maailma_alltime[mapidx((int)x, (int)y)] = 210;
    Mapinfo_setsocID((int)x, (int)y, soc);
    GetGlobVil(soc);
    globVil.centre_x = (int32_t)x;
    globVil.centre_y = (int32_t)y;
    globVil.culture = (uint8_t)culture;
    for (int i = 0; i < people; i++) globVil.people[i] = 90000u + (uint32_t)i;
    SaveGlobVil();
    const int made = SocQuestCreator((int)x, (int)y, soc, force ? "force" : "");
    fputs(questoffer_log(), stdout);
    printf("%s\n", made ? "a quest was made" : "no quest was made");
    clrVillages();
    char cmd[64];
    snprintf(cmd, sizeof cmd, "rm -rf %s", folder);
    return system(cmd) == 0 ? 0 : 1;
}

static int cmd_wound(int argc, char **argv) {
    long victim = -1, type = 0, impact = 0, part = 9, seed = 1;
    for (int i = 0; i < argc; i++) {
        long *v = !strcmp(argv[i], "--victim") ? &victim : !strcmp(argv[i], "--type") ? &type
                : !strcmp(argv[i], "--impact") ? &impact : !strcmp(argv[i], "--part") ? &part
                : !strcmp(argv[i], "--seed") ? &seed : nullptr;
        if (!v || i + 1 >= argc) return usage();
        *v = strtol(argv[++i], nullptr, 10);
    }
    if (type < 0 || type > 7 || impact < 0 || impact > 999 || part < 0 || part > 18 || seed < 0 ||
        seed > 0x7fffffff)
        return usage();
    build_objdef_rows();   // what a person wears comes from the catalogue
    return combat_wound_tool((int)victim, (int)type, (int)impact, (int)part, (int)seed, stdout);
}

static int cmd_duel(int argc, char **argv) {
    long seed = 1, rounds = 100, t[2] = {-1, -1};
    int n = 0;
    for (int i = 0; i < argc; i++) {
        if (!strcmp(argv[i], "--seed") && i + 1 < argc) seed = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--rounds") && i + 1 < argc) rounds = strtol(argv[++i], nullptr, 10);
        else if (n < 2) t[n++] = strtol(argv[i], nullptr, 10);
        else return usage();
    }
    if (n != 2 || rounds < 1 || rounds > 100000 || seed < 0 || seed > 0x7fffffff) return usage();
    build_objdef_rows();   // people take their weapons and bows from the catalogue
    return combat_duel_tool((int)t[0], (int)t[1], (int)seed, (int)rounds, stdout);
}

// The plant records of the map counted by definition and state, one line a plant.
static void print_plant_states(int month) {
    enum { DORMANT, GROWING, RIPE, FLOWERING, WITHERED, PICKED, STATES };
    static int counts[CONSTANTOBJ_ROWS][STATES];
    memset(counts, 0, sizeof counts);
    for (int n = 0; n < DATA_MAX; n++) {
        const DataStruct &d = Data[n];
        if (d.id >= (uint32_t)CONSTANTOBJ_ROWS) continue;
        int *c = counts[d.id];
        if (d.type == DT_PLANT_DORMANT) c[DORMANT]++;
        else if (d.type == DT_PLANT_PICKED) c[onko_KASVI_kuihtunut(n) ? WITHERED : PICKED]++;
        else if (d.type == DT_PLANT) c[d.flags == PLANT_RIPE ? RIPE : d.flags == PLANT_FLOWERING ? FLOWERING : GROWING]++;
    }
    printf("month %d, day %u\n", month, (unsigned)Plr.daynumber);
    char name[41];
    for (int r = 1; r < CONSTANTOBJ_ROWS; r++) {
        const int *c = counts[r];
        if (!(c[0] + c[1] + c[2] + c[3] + c[4] + c[5])) continue;
        printf("  %-24s dormant %3d  growing %3d  ripe %3d  flowering %3d  withered %3d  picked %3d\n",
               item_name(ConstantObj[r], name), c[DORMANT], c[GROWING], c[RIPE], c[FLOWERING], c[WITHERED], c[PICKED]);
    }
}

static int cmd_plants(int argc, char **argv) {
    long x = -1, y = -1, days = 365, seed = 1;
    for (int i = 0; i < argc; i++) {
        if (!strcmp(argv[i], "--cell") && i + 1 < argc) {
            if (sscanf(argv[++i], "%ld,%ld", &x, &y) != 2) return usage();
        } else if (!strcmp(argv[i], "--days") && i + 1 < argc) days = strtol(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--seed") && i + 1 < argc) seed = strtol(argv[++i], nullptr, 10);
        else return usage();
    }
    if (x < 1 || x > WORLD_W - 2 || y < 1 || y > WORLD_H - 2 || days < 0 || days > 3650 || seed < 0 || seed > 0x7fffffff)
        return usage();
    definit_yrttidata();
    for (ItemStruct &r : ConstantObj) memset(&r, 0, sizeof r);
    build_objdef_rows();
    LuoKasvit();
    char folder[] = "/tmp/oxaplants-XXXXXX";
    if (!mkdtemp(folder)) {
        fprintf(stderr, "oxa_tool: no scratch folder\n");
        return 1;
    }
    copy_bounded(CharacterPath, sizeof CharacterPath, folder);
    randomize((int)seed);
    memset(&Plr, 0, sizeof Plr);
    Plr.month = 1;
    Plr.day = 1;
    Plr.daynumber = 1000;
    memset(maailma, CH_BLANK, MAP_BYTES);
    memset(maailma_alltime, CH_BLANK, MAP_BYTES);
    for (long wy = y - 1; wy <= y + 1; wy++)
        for (long wx = x - 1; wx <= x + 1; wx++) maailma_alltime[mapidx((int)wx, (int)wy)] = maailma[mapidx((int)wx, (int)wy)] = 15;
    init_terrain_struct(0, 0);
    memset(Data, 0, sizeof Data);
    const int keep_notes = DISABLE_NOTES;
    DISABLE_NOTES = 1;
    PlayerX = (int)x;
    PlayerY = (int)y;
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
    LuoZoomKorkeusAlue((int)x, (int)y);
    Aseta_TERRAIN_Korkeus_Relmap(0, 0);
    TERRAIN(terrain_desc(get_alltime_maailmachar((int)x, (int)y)), "ZOOM", 0, Plr.month, terrain_name((int)x, (int)y),
            (int)x, (int)y, 0);
    DISABLE_NOTES = keep_notes;
    char cmd[64];
    snprintf(cmd, sizeof cmd, "rm -rf %s", folder);
    if (system(cmd) != 0) fprintf(stderr, "oxa_tool: %s left behind\n", folder);
    memset(Data, 0, sizeof Data);
    int records = 0;
    for (const DataStruct &z : Zoom.data)
        if ((z.type == DT_PLANT || z.type == DT_PLANT_DORMANT || z.type == DT_PLANT_PICKED) && records < DATA_MAX)
            Data[records++] = z;
    printf("cell %ld,%ld: %d plant records\n", x, y, records);
    if (records == 0) {
        for (int r = 1; r < CONSTANTOBJ_ROWS && records < DATA_MAX; r++) {
            if (ConstantObj[r].type != IT_PLANT || !ConstantObj[r].name[0]) continue;
            DataStruct &d = Data[records];
            d.type = DT_PLANT_DORMANT;
            d.x = (uint16_t)(records % 64);
            d.y = (uint16_t)(records / 64);
            d.id = (uint32_t)r;
            d.count = 3;
            records++;
        }
        printf("nothing sown by the builder: one dormant patch of each of %d plants laid\n", records);
    }
    Plr.month = 12;   // the first day grown is the first of the year
    Plr.day = 30;
    for (long day = 1; day <= days; day++) {
        Plr.daynumber++;
        if (++Plr.day > 30) {
            Plr.day = 1;
            if (++Plr.month > 12) Plr.month = 1;
        }
        VegetationGrowth();
        if (Plr.day == 30) print_plant_states(Plr.month);
    }
    return 0;
}

static int cmd_create(int argc, char **argv) {
    NewCharChoices c{};
    c.mode = CRTPLR_QUICK;
    c.sex = 1;
    c.season = 1;
    c.scenario = 1;
    c.course = -1;
    c.culture = -1;
    bool seeded = false;
    for (int i = 0; i + 1 < argc; i += 2) {
        const char *k = argv[i], *v = argv[i + 1];
        if (strcmp(k, "--seed") == 0) c.seed = (uint32_t)strtoul(v, nullptr, 10), seeded = true;
        else if (strcmp(k, "--name") == 0) {
            if (strlen(v) >= sizeof c.name) {
                fprintf(stderr, "oxa_tool: a name is 3 to 12 letters\n");
                return 1;
            }
            copy_bounded(c.name, sizeof c.name, v);
        }
        else if (strcmp(k, "--culture") == 0) c.culture = atoi(v);
        else if (strcmp(k, "--sex") == 0) c.sex = atoi(v);
        else if (strcmp(k, "--season") == 0) c.season = atoi(v);
        else if (strcmp(k, "--scenario") == 0) c.scenario = atoi(v);
        else if (strcmp(k, "--course") == 0) c.course = atoi(v);
        else return usage();
    }
    if (!seeded || !c.name[0]) return usage();
    if (c.culture < 0) {
        randomize((int)(c.seed & 0x7fffffff));
        c.culture = random(4);   // quick mode's culture: one of the first four
    }
    if (c.culture > 9 || (c.sex != 1 && c.sex != 2) || c.season < 0 || c.season > 3 || c.scenario < 0 ||
        (c.course != -1 && c.course != 1 && c.course != 2))
        return usage();
    char err[200];
    if (!crtplr_build(c, nullptr, err, sizeof err)) {
        fprintf(stderr, "oxa_tool: %s\n", err);
        return 1;
    }
    printf("%s\n", CharacterFile);
    DIR *d = opendir(CharacterFile);
    if (!d) return 1;
    while (const dirent *e = readdir(d)) {
        if (e->d_name[0] == '.') continue;
        char path[400];
        snprintf(path, sizeof path, "%s/%s", CharacterFile, e->d_name);
        struct stat st;
        if (stat(path, &st) == 0) printf("  %-20s %ld\n", e->d_name, (long)st.st_size);
    }
    closedir(d);
    return 0;
}

int main(int argc, char **argv) {
    if (argc == 3 && strcmp(argv[1], "defcreat") == 0) return cmd_defcreat(argv[2]);
    if (argc == 2 && strcmp(argv[1], "creatures") == 0) {
        InitObjs();
        return list_creature_templates(stdout) > 0 ? 0 : 1;
    }
    if (argc >= 3 && strcmp(argv[1], "objdefs") == 0) return objdefs(argv[2]);
    if (argc >= 2 && strcmp(argv[1], "describe-items") == 0) return describe_items();
    if (argc >= 2 && strcmp(argv[1], "body") == 0) return bodytool_body(argc, argv, stdout);
    if (argc >= 2 && strcmp(argv[1], "days") == 0) return bodytool_days(argc, argv, stdout);
    if (argc >= 3 && strcmp(argv[1], "craft") == 0) return craft(argc, argv);
    if (argc == 3 && strcmp(argv[1], "recipes") == 0 && strcmp(argv[2], "--check") == 0) return recipes_check(stdout);
    if (argc >= 2 && strcmp(argv[1], "sim") == 0) return cmd_sim(argc - 2, argv + 2);
    if (argc >= 2 && strcmp(argv[1], "village-run") == 0) return cmd_village_run(argc - 2, argv + 2);
    if (argc >= 2 && strcmp(argv[1], "village-stock") == 0) return cmd_village_stock(argc - 2, argv + 2);
    if (argc >= 2 && strcmp(argv[1], "plants") == 0) return cmd_plants(argc - 2, argv + 2);
    if (argc >= 2 && strcmp(argv[1], "wound") == 0) return cmd_wound(argc - 2, argv + 2);
    if (argc >= 2 && strcmp(argv[1], "duel") == 0) return cmd_duel(argc - 2, argv + 2);
    if (argc >= 2 && strcmp(argv[1], "questoffer") == 0) return cmd_questoffer(argc - 2, argv + 2);
    if (argc >= 2 && strcmp(argv[1], "create") == 0) return cmd_create(argc - 2, argv + 2);
    return usage();
}
