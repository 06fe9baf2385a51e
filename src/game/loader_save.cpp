// Saving the character folder. Every file of one save, the map's files with the character's, is one
// commit (base/savecommit.h): a full disk or a crash in the middle of a save leaves the last good save
// as it was, and a save that fails changes no file.
#include <cstdio>
#include <cstring>

#include "activities/activities.h"
#include "game/loader.h"
#include "game/loader_int.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "base/reserve.h"
#include "base/savecommit.h"
#include "base/savediff.h"
#include "base/writewatch.h"
#include "core/datafunc.h"
#include "core/weatherengine.h"
#include "maps/kulttuuri.h"
#include "maps/mapload.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "core/notes.h"
#include "base/ui.h"
#include "society/village.h"

namespace {

void exit_record(int32_t v[3]) {
    v[0] = (int32_t)(Plr.day_counter2 * 3);
    v[1] = (int32_t)Plr.daynumber - 500;
    v[2] = 0;
}

void store_position() {
    Plr.x = (uint32_t)PlayerX;
    Plr.y = (uint32_t)PlayerY;
    Plr.facing = (uint8_t)PlayerDir;
    if (bigmap()) {
        Plr.local_x = Plr.local_y = 0;
    } else {
        Plr.local_x = (uint32_t)(PlayerX - (AREA_CENTRE + 64 * find_zoom_x(PlayerX, 0)));
        Plr.local_y = (uint32_t)(PlayerY - (AREA_CENTRE + 64 * find_zoom_y(PlayerY, 0)));
    }
}

void say_failure(const char *what) {
    // A file of her folder is named as the folder names it, with no path of the machine.
    const size_t n = strlen(CharacterPath);
    if (n && strncmp(what, CharacterPath, n) == 0 && what[n] == '/') what += n + 1;
    char msg[1400];
    snprintf(msg, sizeof msg, "!Your character couldn't be saved (%s). The last save is kept.", what);
    loader_say(msg);
}

}  // namespace

// Stages one whole file of the save.
static void stage(const char *path, const void *buf, size_t size) {
    if (!save_write_file(path, buf, size)) save_fail(path);
}

// The backup of the character file joins the save: it holds the last good save's record once this
// save commits, and a save that fails leaves the backup as it was too. A backup that can't be made
// leaves the older one; the save goes on.
static void stage_backup() {
    char oxs[1200], bak[1200];
    char_ext_path(oxs, sizeof oxs, "OXS");
    char_ext_path(bak, sizeof bak, "BAK");
    static uint8_t copy[PLR_SIZE];
    if (!read_exact(oxs, copy, sizeof copy) || (copy[0] == 0 && copy[1] == 0 && copy[2] == 0 && copy[3] == 0) ||
        !save_write_file(bak, copy, sizeof copy))
        loader_log("_system", "the character file couldn't be backed up");
}

// The stored objects are watched for writes from their first load on: a save compares only the pages
// written since the object file last held them (all of them where the system can't tell).
int objects_watch() {
    static const int w = writewatch_open(PlayerObj, sizeof PlayerObj);
    return w;
}

static void objects_committed() {
    char path[1200];
    char_ext_path(path, sizeof path, "OBJ");
    writewatch_committed(objects_watch(), path);
}

static void stage_objects(const char *path) {
    enum { RANGES_MAX = 256 };
    SaveStretch ranges[RANGES_MAX];
    int n = 0;
    const bool watched = writewatch_changed(objects_watch(), path, ranges, RANGES_MAX, n);
    const bool ok = watched ? save_write_file_parts(path, PlayerObj, sizeof PlayerObj, ranges, n)
                            : save_write_file(path, PlayerObj, sizeof PlayerObj);
    // Without room to hear of the commit the watch learns nothing: the file it knows changes, or the
    // pages stay counted, and the next save compares whole again.
    if (!ok) save_fail(path);
    else save_after_commit(objects_committed);
}

int Save(int mode) {
    if (Plr.name[0] == 0) {
        loader_say("!OXS name blank. Report!");
        loader_wait_key();
        return 0;
    }
    // The pools as they were before the map was saved: saving renumbers the creatures of the pool, and
    // a save that fails goes on playing with the pools it had. Without room for them it does not start.
    const size_t kept = mode != SAVE_QUICK && mode != SAVE_NOMAP ? DATA_MAX : 0;
    using Pool = Reserved<DataStruct>;
    Pool keep_data(kept, Pool::Unfilled{}), keep_iso(kept, Pool::Unfilled{});   // filled before they are read
    if (!keep_data.ok() || !keep_iso.ok()) {
        say_failure("not enough memory");
        return 0;
    }
    if (mode == SAVE_EXPLICIT) loader_say("#Saving your character...");

    save_begin();
    stage_backup();
    bool map_saved = false;
    if (mode != SAVE_QUICK) {
        if (!HERBLORE_save()) save_fail("herb lore");
        if (mode != SAVE_NOMAP) {
            char name[sizeof Plr.mapname + 1];
            copy_bounded(name, sizeof name, Plr.mapname);
            map_clear_file_error();
            memcpy(keep_data.data(), Data, sizeof Data);
            memcpy(keep_iso.data(), IsoData, sizeof IsoData);
            map_saved = true;
            if (!SaveMap(name)) save_fail(map_file_error()[0] ? map_file_error() : "the current map");
        }
    }

    store_position();
    aseta_peliversio();

    char path[1200];
    char_ext_path(path, sizeof path, "OXS");
    stage(path, &Plr, sizeof Plr);
    char_ext_path(path, sizeof path, "OBJ");
    stage_objects(path);
    if (mode != SAVE_QUICK) {
        char_file_path(path, sizeof path, "CONSTANT.OBJ");
        stage(path, ConstantObj, sizeof ConstantObj);
        char_file_path(path, sizeof path, "WEATHER.DAT");
        char name[1300];
        if (!weatherengine.write_file(save_target(path, name, sizeof name))) save_fail(path);
        int32_t exiter[3];
        exit_record(exiter);
        char_file_path(path, sizeof path, "EXITER.DAT");
        stage(path, exiter, sizeof exiter);
        if (!talleta_kulttuurikartta()) save_fail("the culture map");
        if (!SaveMarkerFile() || !SaveExtraMarkerFile()) save_fail("the markers");
        if (!SaveGlobVil()) save_fail("the village");
    }
    char failed[1200];
    copy_bounded(failed, sizeof failed, save_failure());
    if (!save_commit()) {
        if (!failed[0]) copy_bounded(failed, sizeof failed, save_failure());
        if (map_saved) {
            memcpy(Data, keep_data.data(), sizeof Data);
            memcpy(IsoData, keep_iso.data(), sizeof IsoData);
        }
        char ext[1200];
        char_ext_path(ext, sizeof ext, "OXS");
        if (strcmp(failed, ext) == 0) {
            loader_say("!Write error with .OXS file. Report!");
            loader_wait_key();
        } else {
            say_failure(failed);
        }
        return 0;
    }
    if (mode == SAVE_QUICK) return 1;
    note_lines_since_pause = 0;
    clrGlobVil();
    if (mode == SAVE_EXPLICIT) loader_say("=Your character has been saved.");
    return 1;
}

void safesave() {
    Save(0);
    UPDATE = 1;
    GetMappie(1);
    UPDATE = 0;
}

// With the player's word, the unfinished save is set aside and the load goes on with the save before
// it; 0 when the player says no or it can't be done.
static int offer_to_set_aside() {
    if (!ui_has_screen() || !KyllaEi("Load the save before it, and set the unfinished save aside?")) return 0;
    char folder[1200], msg[1400];
    if (!set_unfinished_save_aside(folder, sizeof folder)) {
        loader_say("!The unfinished save couldn't be set aside.");
        loader_wait_key();
        return 0;
    }
    const char *slash = strrchr(folder, '/');
    snprintf(msg, sizeof msg, "!The files of the unfinished save are kept in %s of the character's folder.",
             slash ? slash + 1 : folder);
    loader_say(msg);
    const char *damaged = save_recovery_file();
    if (damaged[0]) {
        char file[200];
        copy_bounded(file, sizeof file, damaged);
        if (char *dot = strrchr(file, '.')) *dot = 0;
        snprintf(msg, sizeof msg, "!%s is damaged: %s stays as the unfinished save left it.", damaged, file);
        loader_say(msg);
    }
    return 1;
}

int settle_unfinished_save() {
    char msg[1400];
    switch (recover_interrupted_save()) {
    case SaveRecovery::none:
    case SaveRecovery::finished: return 1;
    case SaveRecovery::rolled_back:
        loader_say("!The last save was cut short and could not be finished; the save before it is kept.");
        return 1;
    case SaveRecovery::damaged_file:
        snprintf(msg, sizeof msg,
                 "!The last save was cut short and its file %s is damaged: that save is taken back, and the save "
                 "before it is kept.",
                 save_recovery_file());
        loader_say(msg);
        return 1;
    case SaveRecovery::unresolved:
        // Taking it back may have brought some of its files back already: the message says only what
        // stands.
        if (!save_recovery_file()[0])
            snprintf(msg, sizeof msg, "!The last save was cut short and can be neither finished nor taken back whole "
                                      "(is the disk full?).");
        else if (save_recovery_damaged())
            snprintf(msg, sizeof msg, "!The last save was cut short and can be neither finished nor taken back whole: "
                                      "%s is damaged.", save_recovery_file());
        else
            snprintf(msg, sizeof msg, "!The last save was cut short and can be neither finished nor taken back whole: "
                                      "%s couldn't be written (is the disk full?).", save_recovery_file());
        loader_say(msg);
        return offer_to_set_aside();
    case SaveRecovery::in_use:
        loader_say("!This character is in use by another game: close that game first.");
        loader_wait_key();
        return 0;
    case SaveRecovery::unreadable:
        snprintf(msg, sizeof msg, "!%s's folder can't be read (%s). Make it readable and load again. Nothing was "
                                  "changed.", CharacterFile, strerror(save_lock_error()));
        loader_say(msg);
        loader_wait_key();
        return 0;
    case SaveRecovery::damaged_list: break;
    }
    loader_say("!The list of the last save, SAVE.COMMIT, is damaged: that save can't be finished. Its files "
               "and the save before it are both kept.");
    return offer_to_set_aside();
}
