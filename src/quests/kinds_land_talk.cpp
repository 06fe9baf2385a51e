// src/quests/kinds_land_talk.cpp -- talk tables into quest records, and the creature-file steps the
// quests that lead across the land can take back.
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/datafunc.h"
#include "creatures/crefile.h"
#include "quests/kinds_land_int.h"

// ---- talk lines -----------------------------------------------------------------------------------

static const char *sub_value(const TalkSub *subs, const char *key, size_t len) {
    for (const TalkSub *s = subs; s && s->key; s++)
        if (strlen(s->key) == len && !strncmp(s->key, key, len)) return s->value ? s->value : "";
    return nullptr;
}

size_t land_expand(char *out, size_t limit, const char *text, const TalkSub *subs, bool player) {
    size_t n = 0;
    auto put = [&](char ch) {
        if (n < limit) out[n++] = ch;
    };
    for (const char *p = text ? text : ""; *p && n < limit; p++) {
        if (*p == '{') {
            const char *end = strchr(p, '}');
            const char *value = end ? sub_value(subs, p + 1, (size_t)(end - p - 1)) : nullptr;
            if (value) {
                for (const char *v = value; *v && n < limit; v++)
                    put(player && (*v == ':' || *v == '|') ? ' ' : *v);
                p = end;
                continue;
            }
        }
        put(*p);
    }
    out[n] = 0;
    return n;
}

void land_tags(char *out, size_t size, const char *tags, const TalkSub *subs) {
    if (size == 0) return;
    char all[400];
    const size_t n = land_expand(all, sizeof all - 1, tags, subs, false);
    const size_t limit = size - 1 < (size_t)TALK_TAGS_MAX ? size - 1 : (size_t)TALK_TAGS_MAX;
    if (n > limit) {
        // A tag cut in half would act on what is left of it: the tags end at the last whole one.
        size_t keep = limit;
        while (keep > 0 && all[keep - 1] != ']') keep--;
        all[keep] = 0;
    }
    copy_bounded(out, size, all);
}

void land_coded(char *out, size_t size, const char *coded, const TalkSub *subs) {
    if (size == 0) return;
    out[0] = 0;
    if (!coded || !*coded) return;
    const char *bar = strchr(coded, '|');
    char player[TALK_PLAYER_MAX + 1], head[240], rest[240];
    const size_t plen = bar ? (size_t)(bar - coded) : strlen(coded);
    snprintf(head, sizeof head, "%.*s", (int)(plen < sizeof head - 1 ? plen : sizeof head - 1), coded);
    land_expand(player, TALK_PLAYER_MAX, head, subs, true);
    rest[0] = 0;
    if (bar) {
        const char *colon = strchr(bar + 1, ':');
        char command[40], reply[TALK_REPLY_MAX + 1];
        const size_t clen = colon ? (size_t)(colon - bar - 1) : strlen(bar + 1);
        snprintf(command, sizeof command, "%.*s", (int)(clen < sizeof command - 1 ? clen : sizeof command - 1), bar + 1);
        reply[0] = 0;
        if (colon) land_expand(reply, TALK_REPLY_MAX, colon + 1, subs, false);
        snprintf(rest, sizeof rest, "|%s%s%s", command, colon ? ":" : "", reply);
    }
    snprintf(out, size, "%s%s", player, rest);
}

// An option: the player's line, the command and the reply each within its limit.
static void fill_option(QuestOption &o, const char *coded, const char *tags, const TalkSub *subs) {
    memset(&o, 0, sizeof o);
    land_coded(o.coded, sizeof o.coded, coded, subs);
    if (tags && o.coded[0]) {
        char t[TALK_OPTTAGS_MAX + 1];
        land_expand(t, TALK_OPTTAGS_MAX, tags, subs, false);
        copy_bounded(o.optionTags, sizeof o.optionTags, t);
    }
}

void land_lines(QuestStruct &q, const TalkRow *rows, size_t count, const TalkSub *subs) {
    for (size_t r = 0; r < count; r++) {
        const TalkRow &row = rows[r];
        if (row.line < 0 || row.line >= QUEST_TALKLINES) continue;
        QuestTalkLine &l = q.talk[row.line];
        memset(l.npcText, 0, sizeof l.npcText);
        memset(l.actionTags, 0, sizeof l.actionTags);
        char text[TALK_TEXT_MAX + 1];
        land_expand(text, TALK_TEXT_MAX, row.text, subs, false);
        copy_bounded(l.npcText, sizeof l.npcText, text);
        if (row.tags) land_tags(l.actionTags, sizeof l.actionTags, row.tags, subs);
        for (int o = 0; o < QUEST_LINE_OPTIONS; o++) fill_option(l.options[o], row.opt[o].coded, row.opt[o].tags, subs);
    }
}

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
