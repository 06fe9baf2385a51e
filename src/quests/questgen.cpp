// src/quests/questgen.cpp -- the generators' shared writes: every text goes into its field cut to size.
#include "quests/questgen_int.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/maintenance.h"
#include "creatures/creatures.h"

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

bool qgen_linef(QuestStruct &q, int n, const char *actionTags, const char *fmt, ...) {
    QuestTalkLine *t = line_of(q, n);
    if (!t) return false;
    va_list ap;
    va_start(ap, fmt);
    vfield(t->npcText, sizeof t->npcText, fmt, ap);
    va_end(ap);
    if (actionTags) copy_bounded(t->actionTags, sizeof t->actionTags, actionTags);
    return true;
}

static int free_slot(QuestStruct &q, int n) {
    QuestTalkLine *t = line_of(q, n);
    if (!t) return -1;
    for (int k = 0; k < QUEST_LINE_OPTIONS; k++)
        if (!t->options[k].coded[0]) return k;
    return -1;
}

int qgen_option(QuestStruct &q, int n, const char *coded, const char *optionTags) {
    const int k = free_slot(q, n);
    if (k < 0 || !coded || !coded[0]) return -1;
    QuestOption &o = q.talk[n].options[k];
    copy_bounded(o.coded, sizeof o.coded, coded);
    copy_bounded(o.optionTags, sizeof o.optionTags, optionTags ? optionTags : "");
    return k;
}

int qgen_optionf(QuestStruct &q, int n, const char *optionTags, const char *fmt, ...) {
    char coded[sizeof(QuestOption::coded)];
    va_list ap;
    va_start(ap, fmt);
    vfield(coded, sizeof coded, fmt, ap);
    va_end(ap);
    return qgen_option(q, n, coded, optionTags);
}

void qgen_printf(char *field, size_t size, const char *fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    vfield(field, size, fmt, ap);
    va_end(ap);
}

bool qgen_addtag(char *field, size_t size, const char *tag) {
    if (!field || size == 0 || !tag || !tag[0]) return false;
    field[size - 1] = 0;
    if (strstr(field, tag)) return false;
    const size_t used = strlen(field), add = strlen(tag);
    if (used + add > size - 1) return false;
    memcpy(field + used, tag, add + 1);
    return true;
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
