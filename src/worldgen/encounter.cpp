// src/worldgen/encounter.cpp -- what the turn loop asks of world generation each turn: the wilderness
// encounter check and its encounters (a creature met, a small event, a sound in the distance), open
// places of the world map, the world map's area check, the settlements, camps and caves entered by stepping
// on them, and leaving a local area for the world map.
#include "worldgen/encounter.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "creatures/skills.h"
#include "activities/spirits.h"
#include "activities/tracking.h"
#include "base/savecommit.h"
#include "base/strupr.h"
#include "core/commandcodes.h"
#include "core/tekstit.h"
#include "core/weather.h"
#include "creatures/bodyrec.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/describe.h"
#include "creatures/outfit.h"
#include "creatures/physical.h"
#include "maps/kulttuuri.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "maps/mapquery.h"
#include "worldgen/culturegoods.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "core/gamefiles.h"
#include "core/oxa.h"
#include "worldgen/encountupkeep.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/zoomservices.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/zoomstore.h"
#include "core/codednotes.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "base/ui.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "worldgen/worldgen.h"
#include "core/worldservices.h"

int LastHour = 0, LastWatch = WATCH_UNSET;

// ---- the check of each turn -------------------------------------------------------------------

// The first encounter record on the world-map cell x, y; -1 none. The turn loop asks it every turn of
// the whole pool, so the square (the record's first four bytes) is compared four records at a time
// and the type only where the square matched.
static int encounter_at(int x, int y) {
    if (x < 0 || y < 0 || x > 0xffff || y > 0xffff) return -1;
    const uint32_t key = (uint32_t)x | (uint32_t)y << 16;
    auto square = [](int i) {
        uint32_t v;
        memcpy(&v, &Data[i], sizeof v);
        return v;
    };
    static_assert(DATA_MAX % 4 == 0, "the pool is walked four records at a time");
    static_assert(offsetof(DataStruct, x) == 0 && offsetof(DataStruct, y) == 2, "the square leads the record");
    for (int i = 0; i < DATA_MAX; i += 4) {
        if (int(square(i) != key) & int(square(i + 1) != key) & int(square(i + 2) != key) & int(square(i + 3) != key))
            continue;
        for (int k = i; k < i + 4; k++)
            if (square(k) == key && Data[k].type == DT_ENCOUNTER) return k;
    }
    return -1;
}

void EncounterCheck() {
    if (ENCOUNTER) return;
    const bool world = bigmap();
    if (is_settled_area(IsoX(), IsoY(), 1)) return;
    // A group standing on her cell meets her, unless it is one she has to see first.
    const int rec = world ? encounter_at(PlayerX, PlayerY) : -1;
    if (rec >= 0) {
        if (Data[rec].flags == ENC_SEEN_FIRST && !See_FigureInDistance(PlayerX, PlayerY, rec)) return;
        ENCOUNTER = ENC_CREATURE;
        return;
    }
    const int h = Plr.hour;
    const bool new_hour = h != LastHour;
    if (new_hour) LastHour = h;
    // The watch keeps an eye on the wilds every four hours of the same day; the hours do not wrap.
    bool watch = false;
    if (LastWatch >= WATCH_UNSET) {
        LastWatch = h;
    } else if (abs(h - LastWatch) > 3) {
        LastWatch = h;
        watch = true;
    }
    if (new_hour && world) {
        WorldMap_Maintenance();
        WorldMap_Populate(0);
    }
    if (watch && !terrain_flag(get_mapchar(PlayerX, PlayerY), TF_WATER) && random(10) == 0) ENCOUNTER = ENC_EVENT;
    if (ENCOUNTER) SLEEP_INTERRUPT = 3;
}

void DO_ENCOUNTER() {
    switch (ENCOUNTER) {
    case ENC_CREATURE: WildernessEncounter(); break;
    case ENC_EVENT: Aja_Eramaakohtaus(); break;
    case ENC_SUPERNATURAL: supernatural_encount(); break;
    default: break;
    }
    ENCOUNTER = ENC_NONE;
    LastWatch = Plr.hour;
}

// ---- a creature met in the wilds ---------------------------------------------------------------

// A creature number an encounter record may name: a template, or a record of the creature file.
static bool creature_number_ok(uint32_t n) {
    if (n == 0) return false;
    if (n < (uint32_t)CONSTANTCRE_COUNT) return true;
    const int records = cre_file_records();
    return n >= (uint32_t)CRE_DATAID && records > 0 && n < (uint32_t)(CRE_DATAID + records);
}

static int water_cells_around(int wx, int wy) {
    int n = 0;
    for (int y = wy - 1; y <= wy + 1; y++)
        for (int x = wx - 1; x <= wx + 1; x++) n += terrain_flag(get_alltime_maailmachar(x, y), TF_WATER) != 0;
    return n;
}

// On a local map a crowd keeps new company away: more than three followers, or more than three
// creatures of some size, within 63 squares.
static bool crowded_here() {
    int followers = 0, others = 0;
    for (const DataStruct &d : Data) {
        if (d.type != DT_CREATURE) continue;
        const int c = creature_slot_of(d.id);
        if (c < 0 || Cre[c].kind == CK_NONE) continue;
        if (abs((int)d.x - PlayerX) > 63 || abs((int)d.y - PlayerY) > 63) continue;
        if (Cre[c].mode == 6 || Cre[c].role == 9) followers++;
        else if (Cre[c].weight > 10.0f) others++;
    }
    return followers > 3 || others > 3;
}

void WildernessEncounter() {
    const bool world = bigmap();
    const int wx = IsoX(), wy = IsoY();
    const int c = world ? get_mapchar(PlayerX, PlayerY) : get_alltime_maailmachar(wx, wy);
    if (c == 239 || c == 60 || c == 30 || c == 86 || c == 211 || terrain_flag(c, TF_SWIM)) return;
    if (is_settled_area(wx, wy, 1)) return;
    const int rec = world ? encounter_at(PlayerX, PlayerY) : -1;
    if (rec < 0 && water_cells_around(wx, wy) > 4) return;
    if (!world && crowded_here()) return;

    DrawMap();
    int n, sub = 0;
    if (rec >= 0) {
        n = (int)Data[rec].id;
        sub = Data[rec].flags;
        const bool named = creature_number_ok(Data[rec].id);
        CrunchData(rec);
        if (!named) return;
    } else {
        n = Arvo_Olento(Kulttuuripiiri(get_alltime_kulttuuri(wx, wy)), wx, wy, 0);
    }
    if (n <= 0 || !creature_number_ok((uint32_t)n)) return;

    if (world) {
        if (!Lataa_RealCreature(n)) return;
        if (Creature.kind != CK_HUMAN) {
            char line[200];
            snprintf(line, sizeof line, "!@You encounter an animal. You think it's %s...",
                     an(StrLwr(monnam_cre(Creature, 0))));
            Note(line);
            play_sample("harr", 0);
            if (Creature.weight < 20.0f) {
                Note(":You can zoom to the local terrain map and look for it.");
                if (!KyllaEi("Zoom in the local terrain map?")) {
                    Note("Ok, you continue on your way.");
                    return;
                }
            } else {
                Pause();
            }
        } else {
            if (n < CONSTANTCRE_COUNT) get_defined(n, 1);
            else if (!Lataa_RealCreature(n)) return;
            char line[200];
            snprintf(line, sizeof line, "!@You encounter %s...",
                     StrLwr(EsineTeksti(1, monnam_cre(Creature, 0), 1, 1)));
            Note(line);
            play_sample("harr", 0);
            Pause();
        }
        KARTANLATAUSTAPA = 2;
        KARTANLATAUSEXTRA = sub;
    }
    if (!Lataa_RealCreature(n)) return;
    // The zoom that names the creature counts the encounter for the game course itself.
    if (sub == ENC_SEEN_FIRST) {
        if (Creature.kind != CK_HUMAN) world_services.course_task_check(10);
        EnterLocale(0, n);
    } else {
        EnterLocale(1, n);
    }
}

// ---- small events of the wilds -----------------------------------------------------------------

static bool has_influenza() {
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++)
        if (wound_get(-1, s, w) && w.kind == ILL_INFLUENZA) return true;
    return false;
}

void Aja_Eramaakohtaus() {
    if (!bigmap()) return;
    const int r = random(100);
    if (r < 20) {
        Kuulo_Aistimus();
    } else if (r == 94 || r == 95) {
        Note("Something happens...");
        Pause();
        if (!has_influenza()) {
            Note(NOTE_CAUGHT_INFLUENZA);
            SetInjury(10, 0, 5, 0, ILL_INFLUENZA);
        }
    }
}

void Kuulo_Aistimus() {
    if (!bigmap()) return;
    int rec = -1;
    for (int i = 0; i < DATA_MAX && rec < 0; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_ENCOUNTER && abs((int)d.x - PlayerX) + abs((int)d.y - PlayerY) < 6) rec = i;
    }
    if (rec < 0) return;
    const DataStruct &d = Data[rec];
    // A person's record names the species in its owner word; an animal's names its template.
    const int t = d.id >= (uint32_t)CRE_DATAID ? (int)d.owner : (int)d.id;
    if (t <= 0 || t >= CONSTANTCRE_COUNT) return;
    // The template goes into the working record only: no creature of the local area is touched.
    get_defined(t, 0);
    static CreatureStruct heard;
    heard = Creature;
    TARGET_DIR = Kulma_Ilmansuunnaksi(calcAngle(PlayerX, PlayerY, d.x, d.y));
    if (heard.kind == 21 && !BircallActive(CRE_PLAYER)) return;
    char voice[sizeof heard.voice1 + 1], species[sizeof heard.species + 1];
    const char *v = heard.kind == 21 ? heard.voice1 : heard.voice2;
    memcpy(voice, v, sizeof heard.voice1);
    voice[sizeof heard.voice1] = 0;
    memcpy(species, heard.species, sizeof heard.species);
    species[sizeof heard.species] = 0;
    if (!voice[0]) return;
    snprintf(vMSG_var, sizeof vMSG_var, "the distant %s of %s", voice, an(StrLwr(species)));
    char sample[SBUF_SIZE];
    copy_bounded(sample, sizeof sample, BirdcallSamplename(CRE_PLAYER));
    const int target = TARGET_NPC;
    char seen[NOTE_SIZE];
    copy_bounded(seen, sizeof seen, MSG("SOUND_IN_DISTANCE"));
    const int given = NPCNote(rec, seen, "FORCE_HEAR DATAPOS_TARGET");
    TARGET_NPC = target;
    if (given && (heard.voicebits & 1)) play_sample(sample, 0);
    Pause();
}

// ---- open places of the world map --------------------------------------------------------------

// ---- the world map's area check ----------------------------------------------------------------

// The player's tracking roll that notices tracks on the world map.
static int tracking_roll() { return Kayta_Taitoa(0, 0, "TRACKING", 0); }

// The world-map square looked round last; a new game has looked round none.
static int area_last_x = -1, area_last_y = -1;

void area_check_reset() { area_last_x = area_last_y = -1; }

void area_check() {
    if (PlayerX == area_last_x && PlayerY == area_last_y) return;
    area_last_x = PlayerX;
    area_last_y = PlayerY;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.x != PlayerX || d.y != PlayerY) continue;
        if (d.type == 'p') Note(":You think there is someone here.");
        else if (d.type == DT_ENCOUNTER && d.flags == 2 && random(3) == 0 && tracking_roll() > 1)
            Tracking_IsoKartta(1);
    }
}

// The player's own homestead on the cell, entered by itself when the setting asks for it.
static int homestead_entry(int x, int y) {
    const int k = zoomextra_kohta(x, y);
    if (k < 0) return 0;
    const ZoomExtraStruct &z = ZoomExtra[k];
    return z.x == (uint16_t)x && z.y == (uint16_t)y && (z.dwelling & 4) && inivalyes("AUTO_ENTER_HOMESTEAD");
}

// The note of a place being entered from the world map.
static void enter_screen(const char *place) { SNote1("#Entering ", place ? place : "", " ..."); }

int CheckExits() {
    if (!bigmap()) return 0;
    const int x = PlayerX, y = PlayerY;
    const int c = get_mapchar(x, y);
    const int homestead = homestead_entry(x, y);
    int by_setting = 0;
    switch (c) {
    case 30: enter_screen("a njerpez camp"); break;
    case 60: enter_screen("a cave"); break;
    case 86: case 210: case 211: case 239:
        enter_screen("settled area");
        world_services.course_task_check(15);
        PIC_SHOW = 1;
        break;
    default:
        if (!homestead) return 0;
        by_setting = 1;
        break;
    }
    static DataStruct pool_before[DATA_MAX];
    static DataStruct party_before[PLR_PARTY];
    memcpy(pool_before, Data, sizeof pool_before);
    memcpy(party_before, Plr.party, sizeof party_before);
    zoomextra_keep(1);   // a place that can't be stored forgets the map-info of its cells
    creature_swap();
    LuoZoomKorkeusAlue(x, y);
    char keyword[32];
    snprintf(keyword, sizeof keyword, ">%d,%d", x, y);
    Aseta_TERRAIN_Korkeus_Relmap(0, 0);
    // The place and its surroundings are one commit: their maps, the store's index and their map-info
    // records go in together or not at all. Her own save follows as the next. The store is checked
    // before, as the commit leaves its check for later.
    zoomstore_check();
    save_begin();
    int failed = TERRAIN(keyword, "ZOOM", 0, Plr.month, terrain_name(x, y), x, y, 0) ? 0 : 1;
    failed += surroundings(0);
    if (!SaveMarkerFile()) save_fail("the markers");
    if (failed) save_discard();
    else if (!save_commit()) failed++;
    if (failed) zoomextra_put_back();
    zoomextra_keep(0);
    if (failed || !Enter(x, y, by_setting ? 0 : 1)) {
        memcpy(Data, pool_before, sizeof pool_before);
        memcpy(Plr.party, party_before, sizeof party_before);
        if (failed) zoomstore_forget_seen();
        PIC_SHOW = 0;
        // A save that failed has said so itself.
        if (failed) Note("!The local maps of this place couldn't be stored. You stay where you are.");
        return 0;
    }
    return 1;
}

// The things a player makes count towards the game courses: traps, and fences round them.
static void exit_task_checks() {
    int traps = 0, fences = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_TRAP) continue;
        world_services.course_task_check(21);
        if (d.id != ACTION_TRAP_PIT && d.id != ACTION_STAKED_PIT) continue;
        traps++;
        for (int y = d.y - 20; y < d.y + 20; y++)
            for (int x = d.x - 20; x < d.x + 20; x++)
                if (in_layer(x, y) && get_mapchar(x, y) == 42) fences++;
    }
    if (traps >= 2 && fences >= 15) world_services.course_task_check(33);
}

int ExitEnviron(int, int, int all) {
    // What leaving changes before the save, kept so that a save that fails leaves her where she was.
    static DataStruct pool_before[DATA_MAX];
    static DataStruct party_before[PLR_PARTY];
    const bool local = !bigmap();
    if (local) {
        memcpy(pool_before, Data, sizeof pool_before);
        memcpy(party_before, Plr.party, sizeof party_before);
    }
    if (!ZoomRenew) MAPEFFECT_zoomshade();
    UPDATE_SCREEN = 0;
    DISABLE_MAP = 1;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE) continue;
        const int c = creature_slot_of(d.id);
        if (c < 0 || !(onko_NPC_haltija(c) || onko_noiduttupaastetty(c))) continue;
        if (all == 1 || !See(d.x, d.y)) Poista_Olento(c);
    }
    creature_swap();
    if (!world_services.save(0) && local) {
        // The local area was not stored: she stays on it with everything she left there, as the save
        // that failed has told her.
        memcpy(Data, pool_before, sizeof pool_before);
        memcpy(Plr.party, party_before, sizeof party_before);
        DISABLE_MAP = 0;
        UPDATE_SCREEN = 1;
        return 0;
    }
    Plr.local_x = Plr.local_y = 0;
    if (local) {
        copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
        FixPlayerCoordinates();
        PlayerX = (int)Plr.world_x;
        PlayerY = (int)Plr.world_y;
        LOAD_MAP = 1;
        Environ = 1;
    }
    exit_task_checks();
    return 1;
}
