// Saving the character folder. The files of one save are first written beside the old ones under
// temporary names and put in place only when every one of them was written whole, so a full disk or
// a crash in the middle of a save leaves the last good save as it was.
#include <cstdio>
#include <cstring>

#include "activities/activities.h"
#include "core/loader.h"
#include "core/loader_int.h"
#include "core/obj_func.h"
#include "core/ownlib.h"
#include "core/player.h"
#include "core/weatherengine.h"
#include "maps/kulttuuri.h"
#include "maps/mapload.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "presentation/notes.h"
#include "presentation/panels.h"
#include "society/village.h"

namespace {

enum { STAGED_MAX = 8 };

struct SaveSet {
    char path[STAGED_MAX][1200];   // the final names; the staged copy is "<path>.new"
    int count = 0;
    char failed[1200] = "";        // the first file that could not be written
};

void staged_name(char *buf, size_t size, const char *path) { snprintf(buf, size, "%s.new", path); }

bool remember(SaveSet &set, const char *path) {
    if (set.count >= STAGED_MAX) return false;
    copy_bounded(set.path[set.count++], sizeof set.path[0], path);
    return true;
}

void fail(SaveSet &set, const char *path) {
    if (!set.failed[0]) copy_bounded(set.failed, sizeof set.failed, path);
}

bool write_whole(const char *path, const void *buf, size_t size) {
    FILE *f = fopen(path, "wb");
    if (!f) return false;
    bool ok = fwrite(buf, 1, size, f) == size;
    ok = fflush(f) == 0 && ok;
    ok = fclose(f) == 0 && ok;
    if (!ok) remove(path);
    return ok;
}

void stage(SaveSet &set, const char *path, const void *buf, size_t size) {
    if (set.failed[0]) return;
    char tmp[1300];
    staged_name(tmp, sizeof tmp, path);
    if (!remember(set, path) || !write_whole(tmp, buf, size)) fail(set, path);
}

void stage_weather(SaveSet &set, const char *path) {
    if (set.failed[0]) return;
    char tmp[1300];
    staged_name(tmp, sizeof tmp, path);
    if (!remember(set, path) || !weatherengine.write_file(tmp)) fail(set, path);
}

void discard(SaveSet &set) {
    char tmp[1300];
    for (int i = 0; i < set.count; i++) {
        staged_name(tmp, sizeof tmp, set.path[i]);
        remove(tmp);
    }
    set.count = 0;
}

const char *base_name(const char *path) {
    const char *slash = strrchr(path, '/');
    return slash ? slash + 1 : path;
}

// Every staged file goes in place, in the order it was staged. The list of the staged files is
// written first and is the point of no return: once it stands, a save cut short by a crash is
// finished by the next load; before it, the next load throws the staged files away.
bool commit(SaveSet &set) {
    if (set.failed[0]) {
        discard(set);
        return false;
    }
    char list[STAGED_MAX * 130] = "";
    for (int i = 0; i < set.count; i++) {
        strncat(list, base_name(set.path[i]), sizeof list - strlen(list) - 2);
        strncat(list, "\n", sizeof list - strlen(list) - 1);
    }
    char marker[1200];
    char_file_path(marker, sizeof marker, SAVE_COMMIT_FILE);
    if (!write_atomic(marker, list, strlen(list))) {
        fail(set, marker);
        discard(set);
        return false;
    }
    char tmp[1300];
    for (int i = 0; i < set.count; i++) {
        staged_name(tmp, sizeof tmp, set.path[i]);
        if (rename(tmp, set.path[i]) != 0) {
            fail(set, set.path[i]);
            return false;   // the list stays: the next load puts the rest in place
        }
    }
    remove(marker);
    return true;
}

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
    char msg[1400];
    snprintf(msg, sizeof msg, "!Your character couldn't be saved (%s). The last save is kept.", what);
    loader_say(msg);
}

}  // namespace

int Save(int mode) {
    // The backup keeps the last good save; a backup that fails leaves the older one, and the save goes on.
    if (!do_OXS_backup()) loader_log("_system", "the character file couldn't be backed up");
    if (mode == SAVE_EXPLICIT) loader_say("#Saving your character...");

    bool ok = true;
    if (mode != SAVE_QUICK) {
        if (!HERBLORE_save()) {
            say_failure("herb lore");
            ok = false;
        }
        if (mode != SAVE_NOMAP) {
            char name[sizeof Plr.mapname + 1];
            copy_bounded(name, sizeof name, Plr.mapname);
            map_clear_file_error();
            if (!SaveMap(name)) {
                say_failure(map_file_error()[0] ? map_file_error() : "the current map");
                return 0;   // the character files stay with the map files they belong to
            }
        }
    }

    store_position();
    aseta_peliversio();

    if (Plr.name[0] == 0) {
        loader_say("!OXS name blank. Report!");
        loader_wait_key();
        return 0;
    }

    SaveSet set;
    char path[1200];
    char_ext_path(path, sizeof path, "OXS");
    stage(set, path, &Plr, sizeof Plr);
    char_ext_path(path, sizeof path, "OBJ");
    stage(set, path, PlayerObj, sizeof PlayerObj);
    if (mode != SAVE_QUICK) {
        char_file_path(path, sizeof path, "CONSTANT.OBJ");
        stage(set, path, ConstantObj, sizeof ConstantObj);
        char_file_path(path, sizeof path, "WEATHER.DAT");
        stage_weather(set, path);
        int32_t exiter[3];
        exit_record(exiter);
        lines = 0;
        char_file_path(path, sizeof path, "EXITER.DAT");
        stage(set, path, exiter, sizeof exiter);
    }
    if (!commit(set)) {
        char ext[1200];
        char_ext_path(ext, sizeof ext, "OXS");
        if (strcmp(set.failed, ext) == 0) {
            loader_say("!Write error with .OXS file. Report!");
            loader_wait_key();
        } else {
            say_failure(set.failed);
        }
        return 0;
    }
    if (mode == SAVE_QUICK) return ok ? 1 : 0;

    ok = talleta_kulttuurikartta() && ok;
    ok = SaveMarkerFile() && ok;
    ok = SaveExtraMarkerFile() && ok;
    ok = SaveGlobVil() && ok;
    clrGlobVil();
    if (!ok) {
        say_failure("the culture map, the markers or the village");
        return 0;
    }
    if (mode == SAVE_EXPLICIT) loader_say("=Your character has been saved.");
    return 1;
}

void finish_interrupted_save() {
    char marker[1200], path[1300], staged[1400];
    char_file_path(marker, sizeof marker, SAVE_COMMIT_FILE);
    FILE *f = fopen(marker, "r");
    if (f) {
        char name[200];
        bool whole = true;
        while (fgets(name, sizeof name, f)) {
            name[strcspn(name, "\r\n")] = 0;
            if (!name[0] || strchr(name, '/')) continue;
            char_file_path(path, sizeof path, name);
            snprintf(staged, sizeof staged, "%s.new", path);
            if (own_isfile(staged) && rename(staged, path) != 0) {
                remove(staged);
                whole = false;
            }
        }
        fclose(f);
        remove(marker);
        loader_log("_system", "an interrupted save was finished");
        if (!whole) loader_say("!The last save was cut short and could not be finished.");
        return;
    }
    // No list: a save was cut short before its files were complete; the last save stands.
    const char *exts[] = {"OXS", "OBJ"};
    for (const char *ext : exts) {
        char_ext_path(path, sizeof path, ext);
        snprintf(staged, sizeof staged, "%s.new", path);
        remove(staged);
    }
    const char *names[] = {"CONSTANT.OBJ", "WEATHER.DAT", "EXITER.DAT"};
    for (const char *n : names) {
        char_file_path(path, sizeof path, n);
        snprintf(staged, sizeof staged, "%s.new", path);
        remove(staged);
    }
}

void safesave() {
    Save(0);
    UPDATE = 1;
    GetMappie(1);
    UPDATE = 0;
}
