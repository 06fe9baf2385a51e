// src/quests/questgen.cpp -- the generators' shared writes: every text goes into its field cut to size.
#include "quests/questgen_int.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/maintenance.h"
#include "core/creatures.h"

QuestStruct qS;

QuestStruct &qgen_begin() {
    memset(&qS, 0, sizeof qS);
    return qS;
}

uint32_t qgen_new_id() { return crID(); }

static QuestTalkLine *line_of(QuestStruct &q, int n) { return n >= 0 && n < QUEST_TALKLINES ? &q.talk[n] : nullptr; }

bool qgen_line(QuestStruct &q, int n, const char *npcText, const char *actionTags) {
    QuestTalkLine *t = line_of(q, n);
    if (!t) return false;
    if (npcText) copy_bounded(t->npcText, sizeof t->npcText, npcText);
    if (actionTags) copy_bounded(t->actionTags, sizeof t->actionTags, actionTags);
    return true;
}

static void vfield(char *field, size_t size, const char *fmt, va_list ap) {
    if (!field || size == 0) return;
    vsnprintf(field, size, fmt, ap);
}

void qgen_printf(char *field, size_t size, const char *fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    vfield(field, size, fmt, ap);
    va_end(ap);
}

bool qgen_side_begin(QuestStruct &side, const QuestStruct &main, int c) {
    memset(&side, 0, sizeof side);
    if (c < 0 || c >= CRE_COUNT || Cre[c].kind == CK_NONE) return false;
    side.id = qgen_new_id();
    side.kind = main.kind;
    side.sideRole = 1;
    side.giverUid = Cre[c].socialid;
    side.worldX = main.worldX;
    side.worldY = main.worldY;
    return true;
}

bool qgen_side_commit(QuestStruct &side, QuestStruct &main, int c) {
    if (c < 0 || c >= CRE_COUNT || side.id == 0) return false;
    int slot = -1;
    for (int k = 0; k < QUEST_SIDEQUESTS && slot < 0; k++)
        if (main.sideQuestIds[k] == 0) slot = k;
    if (slot < 0 || !SaveQuest(&side)) return false;
    main.sideQuestIds[slot] = side.id;
    Cre[c].quest = side.id;
    Cre[c].questexpiry = 0;
    return true;
}

// ---- talk tables ---------------------------------------------------------------------------------

enum { TALK_COMPOSE = 1024 };

static const char *sub_value(const TalkSub *subs, size_t nsubs, const char *key, size_t len) {
    for (size_t i = 0; subs && i < nsubs && subs[i].key; i++)
        if (strlen(subs[i].key) == len && !strncmp(subs[i].key, key, len)) return subs[i].value ? subs[i].value : "";
    return nullptr;
}

// The template filled into out (size bytes, terminated); `player` turns the ':' and '|' of the values
// into blanks, for they would end a player's line early.
static void expand(char *out, size_t size, const char *tmpl, const TalkSub *subs, size_t nsubs, bool player) {
    if (!out || size == 0) return;
    size_t n = 0;
    for (const char *p = tmpl ? tmpl : ""; *p && n + 1 < size; p++) {
        const char *close = *p == '{' ? strchr(p, '}') : nullptr;
        const char *value = close ? sub_value(subs, nsubs, p + 1, (size_t)(close - p - 1)) : nullptr;
        if (!value) {
            out[n++] = *p;
            continue;
        }
        for (const char *v = value; *v && n + 1 < size; v++) out[n++] = player && (*v == ':' || *v == '|') ? ' ' : *v;
        p = close;
    }
    out[n] = 0;
}

// Cut to at most `max` characters at the last blank when there is one to cut at, trailing blanks off.
static void cut_words(char *text, size_t max) {
    if (strlen(text) <= max) return;
    size_t at = max;
    while (at > 0 && text[at] != ' ') at--;
    if (at == 0) at = max;
    while (at > 0 && text[at - 1] == ' ') at--;
    text[at] = 0;
}

// Tags cut to at most `max` characters at the end of a whole tag: half a tag would act on what is left.
static void cut_tags(char *tags, size_t max) {
    if (strlen(tags) <= max) return;
    size_t keep = max;
    while (keep > 0 && tags[keep - 1] != ']') keep--;
    tags[keep] = 0;
}

void talk_fill(char *out, size_t size, const char *tmpl, const TalkSub *subs, size_t nsubs) {
    expand(out, size, tmpl, subs, nsubs, false);
}

void talk_coded(char *out, size_t size, const char *coded, const TalkSub *subs, size_t nsubs) {
    if (!out || size == 0) return;
    out[0] = 0;
    if (!coded || !*coded) return;
    char head[TALK_COMPOSE], player[TALK_COMPOSE], reply[TALK_COMPOSE], command[64];
    const char *bar = strchr(coded, '|');
    const size_t plen = bar ? (size_t)(bar - coded) : strlen(coded);
    snprintf(head, sizeof head, "%.*s", (int)(plen < sizeof head - 1 ? plen : sizeof head - 1), coded);
    expand(player, sizeof player, head, subs, nsubs, true);
    if (strlen(player) > TALK_PLAYER_MAX) {
        // A line grown past what the option menu shows ends in "..." at a word.
        cut_words(player, TALK_PLAYER_MAX - 3);
        strcat(player, "...");
    }
    if (!bar) {
        copy_bounded(out, size, player);
        return;
    }
    const char *colon = strchr(bar + 1, ':');
    const size_t clen = colon ? (size_t)(colon - bar - 1) : strlen(bar + 1);
    snprintf(command, sizeof command, "%.*s", (int)(clen < sizeof command - 1 ? clen : sizeof command - 1), bar + 1);
    reply[0] = 0;
    if (colon) {
        expand(reply, sizeof reply, colon + 1, subs, nsubs, false);
        cut_words(reply, TALK_REPLY_MAX);
    }
    snprintf(out, size, "%s|%s%s%s", player, command, colon ? ":" : "", reply);
}

void talk_lines(QuestStruct &q, const TalkRow *rows, size_t nrows, const TalkSub *subs, size_t nsubs) {
    char buf[TALK_COMPOSE];
    for (size_t r = 0; rows && r < nrows; r++) {
        const TalkRow &row = rows[r];
        QuestTalkLine *l = line_of(q, row.line);
        if (!l) continue;
        if (row.text) {
            expand(buf, sizeof buf, row.text, subs, nsubs, false);
            cut_words(buf, TALK_TEXT_MAX);
            memset(l->npcText, 0, sizeof l->npcText);
            copy_bounded(l->npcText, sizeof l->npcText, buf);
            expand(buf, sizeof buf, row.tags, subs, nsubs, false);
            cut_tags(buf, TALK_TAGS_MAX);
            memset(l->actionTags, 0, sizeof l->actionTags);
            copy_bounded(l->actionTags, sizeof l->actionTags, buf);
        }
        for (int k = 0; k < QUEST_LINE_OPTIONS; k++) {
            const TalkOpt &o = row.opt[k];
            if (!o.coded) continue;
            QuestOption &slot = l->options[k];
            memset(slot.coded, 0, sizeof slot.coded);
            memset(slot.optionTags, 0, sizeof slot.optionTags);
            talk_coded(slot.coded, sizeof slot.coded, o.coded, subs, nsubs);
            expand(buf, sizeof buf, o.tags, subs, nsubs, false);
            cut_tags(buf, TALK_OPTTAGS_MAX);
            copy_bounded(slot.optionTags, sizeof slot.optionTags, buf);
        }
    }
}
