// src/quests/kinds_land_talk.cpp -- the creature-file steps the quests that lead across the land can
// take back.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/savecommit.h"
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

bool land_read_record(int n, CreatureStruct &out) { return cre_file_record(n, out) != 0; }

int land_save_new(CreatureStruct &c, CreUndo &undo) {
    memset(&undo, 0, sizeof undo);
    char path[1200];
    cre_file_path(path, sizeof path);
    struct stat st;
    const long long size = stat(path, &st) == 0 ? (long long)st.st_size : -1;
    const int records = cre_file_records();
    if (size < 0 || records < 0) return 0;
    undo.records = records;
    // The record the file will give: its first free one, as it is now, else a new one at the end (over
    // any part record a damaged file ends in, which is kept to be put back).
    const int next = cre_file_next_id();
    if (next >= CRE_DATAID && next - CRE_DATAID < records) cre_file_record(next, undo.was);
    const long whole = (long)(size / (long long)sizeof(CreatureStruct));
    undo.tail = whole == undo.records ? (size_t)(size - (long long)whole * (long long)sizeof(CreatureStruct)) : 0;
    if (undo.tail) {
        FILE *f = fopen(path, "rb");
        if (!f || fseek(f, whole * (long)sizeof(CreatureStruct), SEEK_SET) != 0 ||
            fread(undo.tailbytes, 1, undo.tail, f) != undo.tail)
            undo.tail = 0;
        if (f) fclose(f);
    }
    undo.number = SaveNewRealCreature(c);
    return undo.number;
}

void land_undo(const CreUndo &undo) {
    if (undo.number < CRE_DATAID) return;
    if (undo.number - CRE_DATAID < undo.records) {
        Talleta_RealCreature(undo.was, undo.number);
        return;
    }
    // Inside a save the new record stands in its journal, which can't shorten the file: it is freed.
    if (save_running()) {
        static const CreatureStruct blank{};
        Talleta_RealCreature(blank, undo.number);
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
