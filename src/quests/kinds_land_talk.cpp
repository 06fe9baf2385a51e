// src/quests/kinds_land_talk.cpp -- the creature-file steps the quests that lead across the land can
// take back.
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/datafunc.h"
#include "creatures/crefile.h"
#include "quests/kinds_land_int.h"

// ---- the local creature table and the creature file -------------------------------------------------

int land_free_slot(int skip) {
    for (int s = 0; s < CRE_COUNT; s++)
        if (s != skip && Cre[s].kind == CK_NONE && RealCreaturePos[s] == 0) return s;
    return -1;
}

int land_free_pool_records(int want) {
    int free_records = 0;
    for (int i = 0; i < DATA_MAX && free_records < want; i++)
        if (Data[i].type == 0) free_records++;
    return free_records;
}

static FILE *open_file(const char *mode) {
    char path[1200];
    cre_file_path(path, sizeof path);
    return fopen(path, mode);
}

bool land_read_record(int n, CreatureStruct &out) {
    memset(&out, 0, sizeof out);
    if (n < CRE_DATAID) return false;
    FILE *f = open_file("rb");
    if (!f) return false;
    const bool ok = fseek(f, (long)(n - CRE_DATAID) * (long)sizeof out, SEEK_SET) == 0 && fread(&out, sizeof out, 1, f) == 1;
    fclose(f);
    if (!ok) memset(&out, 0, sizeof out);
    return ok;
}

int land_save_new(CreatureStruct &c, CreUndo &undo) {
    memset(&undo, 0, sizeof undo);
    FILE *f = open_file("rb");
    if (!f) return 0;
    long size = -1;
    if (fseek(f, 0, SEEK_END) == 0) size = ftell(f);
    if (size < 0 || fseek(f, 0, SEEK_SET) != 0) {
        fclose(f);
        return 0;
    }
    undo.records = size / (long)sizeof(CreatureStruct);
    // The record the file will give: its first free one, else a new one at the end (over any part
    // record a damaged file ends in, which is kept to be put back).
    static CreatureStruct r;
    bool found = false;
    for (long k = 0; k < undo.records && !found; k++) {
        if (fread(&r, sizeof r, 1, f) != 1) break;
        if (r.kind == CK_NONE) {
            undo.was = r;
            found = true;
        }
    }
    undo.tail = (size_t)(size - undo.records * (long)sizeof(CreatureStruct));
    if (undo.tail && (fseek(f, undo.records * (long)sizeof(CreatureStruct), SEEK_SET) != 0 ||
                      fread(undo.tailbytes, 1, undo.tail, f) != undo.tail))
        undo.tail = 0;
    fclose(f);
    undo.number = SaveNewRealCreature(c);
    return undo.number;
}

void land_undo(const CreUndo &undo) {
    if (undo.number < CRE_DATAID) return;
    if (undo.number - CRE_DATAID < undo.records) {
        Talleta_RealCreature(undo.was, undo.number);
        return;
    }
    char path[1200];
    cre_file_path(path, sizeof path);
    if (truncate(path, (off_t)undo.records * (off_t)sizeof(CreatureStruct)) != 0 || !undo.tail) return;
    if (FILE *f = fopen(path, "ab")) {
        fwrite(undo.tailbytes, 1, undo.tail, f);
        fclose(f);
    }
}
