// The game loader: the per-game reset, reading the character folder, the version check, and the
// steps that turn a chosen character into a running game.
#include "game/loader.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "activities/activities.h"
#include "activities/charscreens.h"
#include "activities/fishing.h"
#include "activities/skilluse.h"
#include "activities/tracking.h"
#include "creatures/skills.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "game/loader_int.h"
#include "base/writewatch.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "quests/courses.h"
#include "base/savecommit.h"
#include "base/tablefile.h"
#include "maps/squareevents.h"
#include "core/weatherengine.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapdesc.h"
#include "maps/mapload.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "core/shading.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "items/itemdefs.h"
#include "base/ui.h"
#include "society/reputation.h"
#include "worldgen/chardefs.h"
#include "society/village.h"
#include "items/ownership.h"
#include "core/weather.h"
#include "creatures/condition.h"
#include "creatures/creation.h"
#include "creatures/crestep.h"
#include "creatures/death.h"
#include "creatures/melee.h"
#include "creatures/puuha.h"
#include "creatures/body.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"
#include "items/inventory.h"
#include "items/itemwear.h"

int ENSIMMAINEN_LATAUS;
int SCENIE;

// ---- messages and paths -------------------------------------------------------------------------

static char last_note[300];
static char load_notes[4000];
const char *loader_last_note() { return last_note; }
const char *loader_load_notes() { return load_notes; }
void loader_clear_note() {
    last_note[0] = 0;
    load_notes[0] = 0;
}

// The loader's messages are shown even while the loading keeps other notes quiet: they tell why a
// file was refused or a save failed.
void loader_say(const char *text) {
    copy_bounded(last_note, sizeof last_note, text);
    if (LOADER_RUN) {
        strncat(load_notes, text, sizeof load_notes - strlen(load_notes) - 1);
        strncat(load_notes, "\n", sizeof load_notes - strlen(load_notes) - 1);
    }
    if (!ui_has_screen()) return;
    const uint8_t keep = DISABLE_NOTES;
    DISABLE_NOTES = 0;
    Note(text);
    DISABLE_NOTES = keep;
}

void loader_wait_key() {
    if (!ui_has_screen()) return;
    const uint8_t keep = DISABLE_NOTES;
    DISABLE_NOTES = 0;
    Pause();
    DISABLE_NOTES = keep;
}

void loader_log(const char *topic, const char *text) { debuglog(topic, text); }

// What a save had to mend goes to the system log.
static void note_save(const char *text) { debuglog("_system", text); }
[[maybe_unused]] static const bool saves_noted = (save_note = note_save, true);

void char_ext_path(char *buf, size_t size, const char *ext) {
    snprintf(buf, size, "%s/%s.%s", CharacterPath, CharacterFile, ext);
}

void char_file_path(char *buf, size_t size, const char *name) { snprintf(buf, size, "%s/%s", CharacterPath, name); }

static long file_size(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 ? (long)st.st_size : -1;
}

// ---- the per-game reset -------------------------------------------------------------------------

void Init() {
    get_notes();
    note_lines_since_pause = 0;
    definit_yrttidata();
    clrskillbank();
    ClrRealCreaturePos();
    InitSines();
    oxa_textinit();
    GOT_PACKED_clr();
    GOT_UNPAID_clr();
    GOT_TAKEN_clr();
    MOVETAKEN_clr();
    vil_forget();   // the village file is the character's: only the cache goes
    memset(&TARGET_REPSUMMARY, 0, sizeof TARGET_REPSUMMARY);
}

// ---- reading the character folder ---------------------------------------------------------------

// The character file: a missing one ends the program; a short one is refused, and Plr keeps nothing
// of it, so no half record of this character mixes with the last one.
static int read_character_file() {
    char path[1200];
    char_ext_path(path, sizeof path, "OXS");
    if (!own_isfile(path)) oxa_quit("Wrong character file specified as a command-line parameter.");
    if (ReadPlrFile() == 1) {
        make_player_record_safe();
        return 1;
    }
    char msg[1400];
    snprintf(msg, sizeof msg, "!The character file %s.OXS is damaged (%ld of %d bytes). It can't be loaded.",
             CharacterFile, file_size(path), (int)PLR_SIZE);
    loader_say(msg);
    loader_wait_key();
    return 0;
}

// The stored objects: every whole record of the file in table order; the records past a short file's
// end, and a record cut short, are empty.
static void read_objects() {
    char path[1200];
    char_ext_path(path, sizeof path, "OBJ");
    // A character loaded again whose objects are as her file holds them keeps the table as it stands:
    // the file is compared with it, and the megabytes are not written anew, nor their watch set up again
    // where it already knows the file.
    size_t got = PLAYEROBJ_COUNT;
    if (file_holds(path, PlayerObj, sizeof PlayerObj)) {
        if (!writewatch_knows(objects_watch(), path)) writewatch_file_holds(objects_watch(), path);
    } else {
        writewatch_release(objects_watch());   // the read writes every page: it is watched again once it stands
        const TableRead r = read_record_table(path, PlayerObj, sizeof(ItemStruct), PLAYEROBJ_COUNT, true);
        if (!r.opened) oxa_quit("Couldn't open object data!");
        got = r.got;
        if (got == (size_t)PLAYEROBJ_COUNT) writewatch_file_holds(objects_watch(), path);
    }
    if (got < (size_t)PLAYEROBJ_COUNT) {
        char msg[1400];
        snprintf(msg, sizeof msg, "!The object file %s.OBJ was short: %u of %d objects read, the rest are empty.",
                 CharacterFile, (unsigned)got, (int)PLAYEROBJ_COUNT);
        loader_say(msg);
    }
    char line[200];
    for (int i = 0; i < PLAYEROBJ_COUNT; i++) {
        if (PlayerObj[i].type == 0 && PlayerObj[i].name[0] == 0) continue;
        char name[sizeof PlayerObj[i].name + 1];
        copy_bounded(name, sizeof name, PlayerObj[i].name);
        snprintf(line, sizeof line, "#%d/%d %s", i, (int)PLAYEROBJ_COUNT, name);
        loader_log("readguy", line);
    }
}

// The creature templates: at most the table's 1000 records, each whole; a cut record at the end and
// anything past the table are left out, and the rest of the table is empty.
static void read_templates() {
    char path[1200];
    char_file_path(path, sizeof path, "CONSTANT.CRE");
    memset(ConstantCre, 0, sizeof ConstantCre);
    const TableRead r = read_record_table(path, ConstantCre, sizeof(CreatureStruct), CONSTANTCRE_COUNT, true);
    if (!r.opened) {
        loader_log("readguy", "CONSTANT.CRE missing");
        return;
    }
    const size_t got = r.got;
    const bool more = r.more;
    char line[200];
    for (size_t i = 0; i < got; i++) {
        char name[sizeof ConstantCre[i].species + 1];
        copy_bounded(name, sizeof name, ConstantCre[i].species);
        snprintf(line, sizeof line, "#%u %s", (unsigned)i, name);
        loader_log("readguy", line);
    }
    if (more) loader_say("!CONSTANT.CRE holds more than 1000 creature templates; the rest were left out.");
    // A new character's file is empty: its templates are all built at the load.
    if (got > 0 && got < (size_t)CONSTANTCRE_COUNT) {
        char msg[200];
        snprintf(msg, sizeof msg, "!CONSTANT.CRE is cut short (%u of %d creature templates); those past its end are built anew or left empty.",
                 (unsigned)got, (int)CONSTANTCRE_COUNT);
        loader_say(msg);
    }
    if (!more && r.cut) loader_say("!CONSTANT.CRE ends in a damaged record; it was left out.");
}

// The creature file is only looked through here; its creatures are loaded when they are needed.
static void scan_creature_file() {
    char path[1200];
    char_ext_path(path, sizeof path, "CRS");
    long size = file_size(path);
    if (size < 0) {
        loader_log("readguy", "creature file missing");
        return;
    }
    if (size % (long)sizeof(CreatureStruct) != 0) loader_log("readguy", "creature file ends in a cut record");
}

// The exit record overrides both day counters; a damaged one is ignored and the character file's
// counters stay. The game writes the second counter times three, the day number less 500 (both within
// the last day a game reaches) and a zero; a record of zeros is no day the game wrote.
static void read_exit_record() {
    char path[1200];
    char_file_path(path, sizeof path, "EXITER.DAT");
    if (!own_isfile(path)) return;
    int32_t v[3] = {0, 0, 0};
    const bool whole = file_size(path) == (long)sizeof v && read_exact(path, v, sizeof v);
    const bool sound = whole && exiter_sound(v);
    if (!sound || !ReadExiter()) loader_say("!EXITER.DAT is damaged; the day counters of the character file are kept.");
}

static int day_of_year() {
    int month = Plr.month >= 1 && Plr.month <= 12 ? Plr.month : 1;
    int day = Plr.day >= 1 && Plr.day <= 30 ? Plr.day : 1;
    return (month - 1) * 30 + day;
}

// The weather file, or a new run of the weather up to the record's date and hour.
static void read_weather() {
    char path[1200];
    char_file_path(path, sizeof path, "WEATHER.DAT");
    WeatherStruct now;
    if (own_isfile(path) && weatherengine.read_file(path)) {
        now = weatherengine.current;
    } else {
        if (own_isfile(path)) loader_say("!WEATHER.DAT is damaged; the weather starts anew.");
        now = weatherengine.start(WEATHER_LATITUDE, day_of_year(), Plr.hour);
    }
    GlobWeather = now;
    PrevWeather = now;
    Plr.air_temperature = (float)now.temperature;
}

int ReadGuy() {
    ZoomRenew = 0;
    remove("TEMP.PLR");
    int n = snprintf(CharacterPath, sizeof CharacterPath, "%s/%s", OxaPath, CharacterFile);
    if (n < 0 || n >= (int)sizeof CharacterPath) {
        loader_say("!The character folder's path is too long.");
        return 0;
    }
    ignore_lastnote();   // a new load: the last game's last line holds back none of this one's
    if (!character_folder_writable()) return 0;
    if (!settle_unfinished_save()) return 0;
    // Nothing is read into the game, and nothing written, before every file has been looked at.
    if (!check_character_folder()) return 0;
    rebuild_damaged_files();
    // The store of local maps is checked once a load, its damage told and mended with the rest.
    zoomstore_forget_seen();
    zoomstore_check();
    if (!read_character_file()) return 0;
    PlayerX = (int)Plr.x;
    PlayerY = (int)Plr.y;
    PlayerDir = Plr.facing;
    if (Plr.body_temperature == 0.0f) {
        Plr.body_temperature = 37.0f;
        Plr.body_temperature_change = 0.0f;
    }
    read_objects();
    scan_creature_file();
    if (templates_damaged()) {
        reset_creature();
        for (CreatureStruct &t : ConstantCre) t = Creature;
    } else {
        read_templates();
    }
    LoadMarkerFiles();
    read_exit_record();
    read_weather();
    ENSIMMAINEN_LATAUS = 0;
    return 1;
}

void check_save_version() {
    if (Plr.save_version < OLDEST_MIGRATABLE)
        oxa_quit("Can't migrate! This savegame needs a remedy. Report the issue at forums or by e-mail.");
    if (Plr.save_version <= 349) {
        Plr.forest_spirit = 0;
        Plr.forest_spirit2 = 0;
    }
}

// ---- the loader ---------------------------------------------------------------------------------

static bool is_settlement(int c) { return c == 30 || c == 210 || c == 211 || c == 239; }

// Whether a run of 64 cells holds a settlement: a look without branches, done many cells at a step.
static bool any_settlement(const uint8_t *cells) {
    uint8_t hit = 0;
    for (int i = 0; i < 64; i++) {
        const uint8_t c = cells[i];
        hit |= (uint8_t)((c == 30) | (c == 210) | (c == 211) | (c == 239));
    }
    return hit != 0;
}

// Settlements whose local maps are stored but that have no society yet get one, row by row from the
// north-west; runs of a row without a settlement are passed over whole. The store's files are looked at
// once for the whole walk: making a society writes the village records and the map-info records, never
// the store.
void found_missing_societies() {
    static_assert(WORLD_W % 64 == 0, "a row is whole runs of 64 cells");
    zoomstore_lookups(1);
    for (int y = 0; y < WORLD_H; y++)
        for (int run = 0; run < WORLD_W; run += 64) {
            if (!any_settlement(&maailma_alltime[mapidx(run, y)])) continue;
            for (int x = run; x < run + 64; x++)
                if (is_settlement(maailma_alltime[mapidx(x, y)]) && ZoomMapPos(x, y) != 0 && Mapinfo_socID(x, y) == 0)
                    createsocarea(x, y, 3);
        }
    zoomstore_lookups(0);
}

// The backups are taken only of files that were read whole, and only once the map was entered: a
// damaged world or character file never replaces its last good copy, and a refused load leaves the
// folder as it was.
static void back_up_checked_files() {
    if (!do_OXS_backup()) loader_log("_system", "the character file couldn't be backed up");
    char world[1200];
    char_file_path(world, sizeof world, "WORLD.DAT");
    if (file_size(world) == (long)MAP_BYTES && !back_up_world_file())
        loader_log("_system", "WORLD.BAK couldn't be written");
}

// What the game played before in this run still holds, given back to how the program starts: a
// character loaded second plays as she would loaded first.
void forget_the_game_before() {
    clock_reset();   // the hour's upkeep runs once a game, at its first clock step, whether in the load or in play
    LastHour = 0;   // the first check of the hour populates the world map as after a start
    LastWatch = WATCH_UNSET;
    COMPANYZOOMCHECKED = 0;
    edellinen_kohtaaminen = 0;
    COMBATREPEAT_ATTACKCOMMAND = COMBATREPEAT_ASPECT = COMBATREPEAT_ZONE = COMBATREPEAT_DEATHBLOW = 0;
    combat_repeat_option = 0;
    Condition_Check_lastnotemin = Haavatarkistukset_last_note_mintick = 0;
    NSAFETY = PVAM_EMERGENCY = 0;
    weather_notes_reset();
    objects_recent_reset();
    herd_memory_reset();
    crestep_reset();
    death_pack_reset();
    Weatherlore_lastskillhour = -1;   // the last forecast's roll was the other game's
    Weatherlore_suc = 0;
    LastTrackingX = LastTrackingY = 0;   // the square of the last track reading was on the other game's map
    area_check_reset();                  // and so was the world-map square looked round last
    StepSecCounter = StepMinCounter = 0;   // her shoes wear from her own steps
    PrevKenkaSlot = -1000;
    LAST_TACTICAL_ADVANTAGE = -1000;     // the creature slot that held the advantage last was the other game's
    GAME_SAVED = 0;   // a copy of the screen kept by the game before is let go: the next one is taken anew
}

// A new character's first start: the armour she starts in, the scenario marked as begun, then her story.
static void first_start() {
    if (Plr.scenario <= 99) return;
    if (Plr.daynumber < 3) wear_armours();
    Plr.scenario -= 100;
    startup_screen();
}

int loader() {
    LOADER_RUN = 1;
    load_notes[0] = 0;
    // The start menu lets its close button end the program at once; during play a closed window
    // asks to quit and saves first.
    XOUT_OK = 0;
    CLOSE_WINDOW = 0;
    ui_loading(UI_LOAD_WAIT, "Wait a moment ...");

    vil_forget();   // what the last play left unsaved is not written into a folder being loaded
    cre_file_forget();
    Komentohistoria = Komentotarkenne = 0;
    Komentotekstitarkenne[0] = 0;
    ClearPrevNameStack();
    LASTSKILLPOS = 0;   // her skill screen opens on its first row, not on the row the last character picked
    DISABLE_NOTES = 1;
    PLRGLOBAL_luckrolls = 0;   // luck of the character played before stays with it
    PLRGLOBAL_rodfishing_luck_mintick = 0;
    PLRGLOBAL_rowing_fishermans_luck_mintick = 0;
    course_reset();   // a course's phase and pending event belong to the character played before
    // The copy of the village talked to last belongs to the game played before: read anew when asked.
    memset(&NpcVil, 0, sizeof NpcVil);
    NpcVil.socid = (uint32_t)-1000;
    forget_the_game_before();

    Init();
    vil_hold_writes(1);
    GetConfig();
    memset(Data, 0, sizeof Data);

    if (!ReadGuy()) {
        DISABLE_NOTES = 0;
        vil_hold_writes(0);
        return -1;
    }

    char line[200], name[sizeof Plr.name + 1];
    copy_bounded(name, sizeof name, Plr.name);
    snprintf(line, sizeof line, "Loading %s ...", name);
    ui_loading(UI_LOAD_NAME, line);

    check_save_version();
    DoRealMapShade();   // the map is tinted for the hour the character was left in

    init_terrain_struct(Plr.day, Plr.month);
    create_objects(CharacterFile);
    if (templates_damaged())
        rebuild_damaged_templates();
    else
        DoCreatures();
    alustanimilistat();
    lataakulttuurikartta();
    init_cultblock();

    ui_loading(UI_LOAD_DONE, "Ok!");
    REDRAW_NEEDED = 22;
    DISABLE_NOTES = 1;
    laske_Load(-1);
    if (GRAPH_INIT) {
        FadeOut(1);
        first_start();
        ClrOxaFlipMap();
    }
    saveportrait();
    if (GRAPH_INIT) {
        HeadingInit();
        redraw_screen();
        Statistics();
        clockbox();
        sun_draw();
    }
    DISABLE_NOTES = 0;

    GetIso();
    fordmaker();
    if (names_need_rebuilding()) {
        luo_nimet(CharacterPath);   // named in memory too: a names.dat that can't be written loses nothing
        loader_say(names_were_missing() ? "!names.dat was missing; the places of the world are named anew."
                                        : "!names.dat was damaged; the places of the world are named anew.");
    } else {
        lataa_nimet(CharacterPath);
    }
    found_missing_societies();

    GetMappie(0);
    if (REAL_QUIT != -1) back_up_checked_files();
    upgrade_old_records();
    vil_hold_writes(0);
    return REAL_QUIT == -1 ? -1 : 0;
}
