// The player record's files, the inventory slots and the skill lookups.
#include "core/player.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/creatures.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/tehtavat.h"
#include "core/tekstit.h"
#include "core/worldservices.h"

#include <cstdio>
#include <cstring>

int INVISIBLE = 0;
int Environ = 1;

int bigmap() {
    if (memcmp(Plr.mapname, "BIGMAP", 7) == 0) {
        Environ = 1;
        return 1;
    }
    Environ = 2;
    world_services.course_task_check(2);
    return 0;
}

int non_outdoor() {
    if (!bigmap()) return 0;
    Note("!That's not allowed on the wilderness map! Press [ENTER] to zoom on the local terrain map.");
    return 1;
}

// The note box and its pause.
static void say(const char *text) { Note(text); }
static void pause_notes() { Pause(); }

static void character_file(char *buf, size_t size, const char *ext) {
    snprintf(buf, size, "%s/%s.%s", CharacterPath, CharacterFile, ext);
}

// ---- files ----

int do_OXS_backup() {
    char oxs[1200], bak[1200];
    character_file(oxs, sizeof oxs, "OXS");
    character_file(bak, sizeof bak, "BAK");
    static uint8_t copy[PLR_SIZE];
    if (!read_exact(oxs, copy, sizeof copy)) return 0;
    if (copy[0] == 0 && copy[1] == 0 && copy[2] == 0 && copy[3] == 0) return 0;
    // A backup that holds the file already (the character was not saved since) is left as it is.
    return file_holds(bak, copy, sizeof copy) || write_atomic(bak, copy, sizeof copy) ? 1 : 0;
}

void aseta_peliversio() { Plr.save_version = SAVE_VERSION; }

int ReadPlrFile() {
    char path[1200];
    character_file(path, sizeof path, "OXS");
    FILE *f = fopen(path, "rb");
    if (!f) return 0;
    static PlayerStruct fresh;
    size_t got = fread(&fresh, 1, sizeof fresh, f);
    fclose(f);
    if (got != sizeof fresh) {
        // A short file would leave the rest of the record from the previous game.
        char note[1300];
        const char *slash = strrchr(path, '/');
        snprintf(note, sizeof note, "!The character file %s is damaged (%u of %u bytes).", slash ? slash + 1 : path,
                 (unsigned)got, (unsigned)sizeof fresh);
        say(note);
        return -1;
    }
    Plr = fresh;
    return 1;
}

int WritePlrFile() {
    if (Plr.name[0] == 0) {
        say("!OXS name blank. Report!");
        pause_notes();
        return 0;
    }
    char path[1200];
    character_file(path, sizeof path, "OXS");
    if (!write_atomic(path, &Plr, sizeof Plr)) {
        say("!Write error with .OXS file. Report!");
        pause_notes();
        return 0;
    }
    return 1;
}

bool exiter_sound(const int32_t v[3]) {
    return v[2] == 0 && v[0] >= 0 && v[0] % 3 == 0 && v[0] / 3 <= DAYNUMBER_MAX && v[1] >= -500 &&
           v[1] <= DAYNUMBER_MAX - 500 && (v[0] | v[1]) != 0;
}

int ReadExiter() {
    char path[1200];
    snprintf(path, sizeof path, "%s/EXITER.DAT", CharacterPath);
    int32_t v[3];
    if (!read_exact(path, v, sizeof v) || !exiter_sound(v)) return 0;
    Plr.day_counter2 = (uint32_t)(v[0] / 3);
    Plr.daynumber = (uint32_t)(v[1] + 500);
    return 1;
}

int WriteExiter() {
    char path[1200];
    snprintf(path, sizeof path, "%s/EXITER.DAT", CharacterPath);
    int32_t v[3] = {(int32_t)(Plr.day_counter2 * 3), (int32_t)Plr.daynumber - 500, 0};
    return write_atomic(path, v, sizeof v) ? 1 : 0;
}

// ---- skills ----

static void skill_text(int s, char *out) {
    memcpy(out, Plr.skill_name[s], PLR_SKILLNAME);
    out[PLR_SKILLNAME] = 0;
}

int plr_ML(const char *name) {
    char sk[PLR_SKILLNAME + 1];
    for (int s = 0; s < PLR_SKILLS; s++) {
        skill_text(s, sk);
        if (sk[0] && strstr(sk, name)) return Plr.skill_level[s];
    }
    return 1000;
}

void set_ML(const char *name, int level) {
    char sk[PLR_SKILLNAME + 1];
    for (int s = 0; s < PLR_SKILLS; s++) {
        skill_text(s, sk);
        if (sk[0] && strstr(sk, name)) Plr.skill_level[s] = (uint8_t)level;
    }
}

void impro(const char *name) {
    char sk[PLR_SKILLNAME + 1];
    for (int s = 0; s < PLR_SKILLS; s++) {
        skill_text(s, sk);
        if (sk[0] && strcmp(sk, name) == 0 && Plr.skill_level[s] < 80) Plr.skill_level[s] += 20;
    }
}
