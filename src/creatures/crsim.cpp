// src/creatures/crsim.cpp -- a headless run of the creatures' life (see crsim.h).
#include "creatures/crsim.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "core/datafunc.h"
#include "core/config.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/creturn.h"
#include "core/weatherengine.h"
#include "creatures/body.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/perception.h"
#include "creatures/puuha.h"
#include "maps/area.h"
#include "maps/cellmaker.h"
#include "creatures/crestep.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "core/notes.h"
#include "core/worldservices.h"

// The animals of the run, made by the game's own animal builder; the figures here stand for a
// species the builder does not know: species code, kind, movement class, kilograms, the two diet
// words, the attack, flee and avoid figures, the daily rhythm and the meat eater byte.
struct SimSpecies {
    const char *name;
    int code, kind, moveclass;
    float kg;
    uint32_t diet1, diet2;
    int m1, m4, m5, rhythm, meat;
};
static const SimSpecies species_table[] = {
    {"reindeer", 620, 5, 0, 100.0f, DIET_GRASS | DIET_MUSHROOMS, 0, 5, 60, 40, 1, 0},
    {"elk", 660, 5, 0, 400.0f, DIET_GRASS | DIET_BERRIES, 0, 10, 70, 30, 0, 0},
    {"hare", 600, 6, 0, 3.0f, DIET_GRASS | DIET_PODS, 0, 0, 95, 50, 2, 0},
    {"wolf", 611, 7, 0, 40.0f, 0x2 | 0x10, 0x4 | DIET_ANYCARCASS, 60, 20, 10, 0, 1},
    {"bear", 605, 8, 0, 250.0f, DIET_BERRIES | DIET_MUSHROOMS, DIET_ANYCARCASS, 70, 10, 30, 1, 1},
    {"grouse", 628, 21, 64, 1.0f, DIET_BERRIES | DIET_GRASS, 0, 0, 90, 60, 1, 0},
    {"squirrel", 604, 9, 0, 0.3f, DIET_MUSHROOMS | DIET_PODS, 0, 0, 90, 50, 1, 0},
};
enum { SIM_SPECIES = sizeof species_table / sizeof species_table[0] };
// Of every twenty animals: six reindeer, three elk, four hares, two wolves, a bear, three grouse
// and a squirrel.
static const int mix[20] = {0, 0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 3, 3, 4, 5, 5, 5, 6};

static void remove_folder(const char *folder) {
    if (DIR *d = opendir(folder)) {
        while (dirent *e = readdir(d)) {
            if (!strcmp(e->d_name, ".") || !strcmp(e->d_name, "..")) continue;
            remove((std::string(folder) + "/" + e->d_name).c_str());
        }
        closedir(d);
    }
    rmdir(folder);
}

static int seconds;                // of the running minute

int crsim_build_area(int seed) {
    seconds = 0;
    memset(&Plr, 0, sizeof Plr);
    Plr.month = 6;
    Plr.day = 15;
    Plr.hour = 19;
    Plr.minutes = 100000;
    Plr.daynumber = 400;
    Plr.movement_mode = 1;
    GlobWeather = {};
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
    memset(maailma, CH_BLANK, MAP_BYTES);
    memset(maailma_alltime, CH_BLANK, MAP_BYTES);
    world_layers_unsaved();
    memset(korkeuskartta, 0, MAP_BYTES);
    layer_rows_written(korkeuskartta, 0, MAP_ROWS - 1);   // the area's heights are laid below
    memset(Data, 0, sizeof Data);
    memset(Cre, 0, sizeof Cre);
    const int wx0 = 100, wy0 = 100;
    for (int y = wy0 - 4; y <= wy0 + 4; y++)
        for (int x = wx0 - 4; x <= wx0 + 4; x++) maailma_alltime[mapidx(x, y)] = maailma[mapidx(x, y)] = 15;
    maailma_alltime[mapidx(wx0 + 1, wy0)] = maailma[mapidx(wx0 + 1, wy0)] = CH_DEEP_WATER;
    maailma_alltime[mapidx(wx0 + 1, wy0 + 1)] = maailma[mapidx(wx0 + 1, wy0 + 1)] = CH_DEEP_WATER;
    init_terrain_struct(0, 0);
    char scratch[] = "/tmp/oxa_crsim.XXXXXX";
    if (!mkdtemp(scratch)) return 0;
    copy_bounded(CharacterPath, sizeof CharacterPath, scratch);
    copy_bounded(OxaPath, sizeof OxaPath, scratch);
    randomize(seed ? seed : 1);
    static uint8_t chars[5][5][ZOOM_SQUARES], heights[5][5][ZOOM_SQUARES];
    static DataStruct plants[5][5][ZOOM_RECORDS];
    const int keep_notes = DISABLE_NOTES;
    DISABLE_NOTES = 1;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) {
            const int cx = wx0 + dx, cy = wy0 + dy;
            PlayerX = cx;
            PlayerY = cy;
            copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
            LuoZoomKorkeusAlue(cx, cy);
            Aseta_TERRAIN_Korkeus_Relmap(0, 0);
            world_services.make_cell(terrain_desc(get_alltime_maailmachar(cx, cy)), "ZOOM", 0, Plr.month,
                                     terrain_name(cx, cy), cx, cy, 0);
            memcpy(chars[dy + 2][dx + 2], Zoom.chars, ZOOM_SQUARES);
            memcpy(heights[dy + 2][dx + 2], Zoom.height, ZOOM_SQUARES);
            memcpy(plants[dy + 2][dx + 2], Zoom.data, sizeof plants[0][0]);
        }
    remove_folder(scratch);
    // the cells laid into the local area
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
    Plr.world_x = wx0;
    Plr.world_y = wy0;
    memset(Data, 0, sizeof Data);
    memset(maailma, CH_BLANK, MAP_BYTES);
    world_layers_unsaved();
    for (int gy = 0; gy < 5; gy++)
        for (int gx = 0; gx < 5; gx++) {
            const int ox = AREA_MIN + 64 * gx, oy = AREA_MIN + 64 * gy;
            for (int i = 0; i < ZOOM_SQUARES; i++) {
                const int x = ox + i % 64, y = oy + i / 64;
                maailma[mapidx(x, y)] = chars[gy][gx][i];
                korkeuskartta[mapidx(x, y)] = heights[gy][gx][i];
            }
            for (const DataStruct &z : plants[gy][gx]) {
                if (z.type != DT_PLANT) continue;
                DTEMP = z;
                DTEMP.x = (uint16_t)(z.x + ox);
                DTEMP.y = (uint16_t)(z.y + oy);
                SetDTEMP(-1);
            }
        }
    DISABLE_NOTES = (uint8_t)keep_notes;
    PlayerX = PlayerY = AREA_CENTRE + 32;
    PlayerDir = 0;
    return 1;
}

static int stand_free(int x, int y) {
    const int c = get_mapchar(x, y);
    return !terrain_flag(c, TF_BLOCKS) && !terrain_flag(c, TF_WATER) && crestep_free_square(x, y);
}

int crsim_place_animals(int count) {
    int placed = 0;
    for (int k = 0; k < count && k < CRE_COUNT; k++) {
        const SimSpecies &s = species_table[mix[k % 20]];
        int x = 0, y = 0;
        for (int t = 0; t < 500; t++) {
            x = AREA_MIN + 4 + random(AREA_MAX - AREA_MIN - 8);
            y = AREA_MIN + 4 + random(AREA_MAX - AREA_MIN - 8);
            if (stand_free(x, y) && koordinaattien_vali(x, y, PlayerX, PlayerY) > 12) break;
            x = 0;
        }
        if (!x) continue;
        CreatureStruct &c = Cre[k];
        memset(&c, 0, sizeof c);
        Luo_ElainOlento(c, s.code, "");
        if (c.kind != CK_NONE && c.speciescode == (uint32_t)s.code) {
            c.socialid = 70000u + (uint32_t)k;
            c.enemy = CRE_NONE;
            c.Suunta = random(8);
            c.Viimeisin_X = x;
            c.Viimeisin_Y = y;
            memset(c.Puuha, 0, sizeof c.Puuha);
            if (set_data(DT_CREATURE, x, y, k + CRE_DATAID, 1)) placed++;
            else c.kind = CK_NONE;
            continue;
        }
        memset(&c, 0, sizeof c);
        c.kind = (uint8_t)s.kind;
        copy_bounded(c.species, sizeof c.species, s.name);
        copy_bounded(c.voice1, sizeof c.voice1, s.code == SPECIES_WOLF ? "howl" : "grunt");
        copy_bounded(c.voice2, sizeof c.voice2, s.code == SPECIES_WOLF ? "howl" : "grunt");
        c.speciescode = (uint32_t)s.code;
        c.moveclass = (uint8_t)s.moveclass;
        c.weight = s.kg;
        c.diet1 = s.diet1;
        c.diet2 = s.diet2;
        c.morale1 = (uint8_t)s.m1;
        c.morale4 = (uint8_t)s.m4;
        c.morale5 = (uint8_t)s.m5;
        c.rhythm = (uint8_t)s.rhythm;
        c.meateater = (uint8_t)s.meat;
        c.hearing = 12;
        c.smell = 14;
        c.speed = 60;
        c.endurance = 10;
        c.owner = 0;
        c.enemy = CRE_NONE;
        c.energy = (int16_t)(20.0f * s.kg > 30000 ? 30000 : 20.0f * s.kg);
        c.socialid = 70000u + (uint32_t)k;
        c.Suunta = random(8);
        c.Viimeisin_X = x;
        c.Viimeisin_Y = y;
        if (set_data(DT_CREATURE, x, y, k + CRE_DATAID, 1)) placed++;
        else c.kind = CK_NONE;
    }
    return placed;
}

void crsim_tick() {
    seconds += 6;
    if (seconds >= 60) {
        seconds = 0;
        Plr.minutes++;
        if (++Plr.minute >= 60) {
            Plr.minute = 0;
            Plr.hour = (uint8_t)((Plr.hour + 1) % 24);
        }
    }
    crestep_pass_begin();
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE) CreatureAct(i);
    crestep_pass_end();
    clear_noises();
}

static int stands_badly(int n, int x, int y) {
    if (x < AREA_MIN || x > AREA_MAX || y < AREA_MIN || y > AREA_MAX) return 0;
    const CreatureStruct &c = Cre[n];
    const int ch = get_mapchar(x, y);
    if (c.korkeus == 100 || c.korkeus == -100) return 0;
    if (c.korkeus == 200) return !terrain_flag(ch, TF_TREE);
    if (terrain_flag(ch, TF_WATER)) return 0;   // wading and swimming are judged by the step
    return terrain_flag(ch, TF_BLOCKS) && ch != 12 && ch != 17 && ch != 254;
}

int crsim_tally_column(int n, const int *codes, int n_codes, long &outside, int &x, int &y) {
    x = y = 0;
    const int p = crestep_pos(n);
    if (p < 0) return n_codes + 1;
    x = Data[p].x;
    y = Data[p].y;
    if (x < AREA_MIN || x > AREA_MAX || y < AREA_MIN || y > AREA_MAX) outside++;
    const int code = Cre[n].mode == CM_ASLEEP ? 4 : Cre[n].Puuha[0];
    for (int j = 0; j < n_codes; j++)
        if (codes[j] == code) return j;
    return n_codes;
}

void crsim_print_shares(FILE *out, const char *const *names, const long *counts, int columns, long total) {
    for (int j = 0; j < columns; j++)
        if (counts[j]) fprintf(out, " %s %.1f%%", names[j], 100.0 * (double)counts[j] / (double)total);
    fputc('\n', out);
}

CreSimResult creature_sim(int seed, int ticks, FILE *out) {
    CreSimResult r;
    if (!crsim_build_area(seed)) return r;
    r.creatures = crsim_place_animals(20);
    const int keep_notes = DISABLE_NOTES;
    DISABLE_NOTES = 1;
    enum { CODES = 9 };
    static const int code_of[CODES] = {0, 1, 2, 4, 52, 53, 55, 60, 65};
    static const char *code_name[CODES + 2] = {"choosing", "roam", "idle", "sleep", "carcass", "eat",
                                               "stalk", "go", "home", "other", "gone"};
    long hist[SIM_SPECIES][CODES + 2] = {};
    int count[SIM_SPECIES] = {};
    for (int k = 0; k < r.creatures; k++) count[mix[k % 20]]++;
    for (int t = 0; t < ticks; t++) {
        crsim_tick();
        for (int k = 0; k < r.creatures; k++) {
            int x, y;
            const int column = crsim_tally_column(k, code_of, CODES, r.outside, x, y);
            hist[mix[k % 20]][column]++;
            if (column != CODES + 1 && stands_badly(k, x, y)) {
                r.blocked++;
                if (getenv("CRSIM_DEBUG"))
                    fprintf(stderr, "t%d #%d %s at %d,%d char %d h %d code %d\n", t, k, Cre[k].species, x, y,
                            get_mapchar(x, y), Cre[k].korkeus, Cre[k].Puuha[0]);
            }
        }
    }
    DISABLE_NOTES = (uint8_t)keep_notes;
    if (out) {
        fprintf(out, "seed %d, %d ticks, %d animals\n", seed, ticks, r.creatures);
        for (int s = 0; s < SIM_SPECIES; s++) {
            if (!count[s]) continue;
            const long total = (long)count[s] * ticks;
            fprintf(out, "%-9s x%d:", species_table[s].name, count[s]);
            crsim_print_shares(out, code_name, hist[s], CODES + 2, total);
        }
        fprintf(out, "outside the area: %ld, on squares it cannot stand on: %ld\n", r.outside, r.blocked);
    }
    return r;
}
