// src/core/tehtavat.cpp -- the quest record and its file: one quest a file "<id>.QST" in the
// character folder, read and written whole; closing a quest; the text dump of a generated quest.
#include "core/tehtavat.h"

#include <glob.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/ownlib.h"
#include "base/savecommit.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/records.h"

int KUESTIT_PIALLA = 1;
int DEBUG_KUESTILIPUT = 0;

static_assert(sizeof(QuestStruct) == QUEST_FILE_SIZE, "a quest file holds one record");

void quest_file_path(uint32_t id, char *buf, size_t size) { snprintf(buf, size, "%s/%u.QST", CharacterPath, id); }

bool loadQuest(uint32_t id, QuestStruct &q) {
    memset(&q, 0, sizeof q);
    if (id == 0) return false;
    char path[1200], staged[1300];
    quest_file_path(id, path, sizeof path);
    // A short file is refused whole: half a record would read as a quest with its talk cut off.
    // A file holding another quest's record is refused too: closing it would close that other quest.
    if (!read_exact(save_source(path, staged, sizeof staged), &q, sizeof q) || q.id != id) {
        memset(&q, 0, sizeof q);
        return false;
    }
    return true;
}

// The id a quest file's name gives: "<id>.QST"; 0 when the name is no such name.
static uint32_t id_of_name(const char *path) {
    const char *slash = strrchr(path, '/');
    const char *name = slash ? slash + 1 : path;
    char *end = nullptr;
    const unsigned long id = strtoul(name, &end, 10);
    if (end == name || strcmp(end, ".QST") != 0 || id == 0 || id > 0xffffffffUL) return 0;
    return (uint32_t)id;
}

std::vector<uint32_t> quest_file_ids() {
    std::vector<std::string> names;
    for (const char *ext : {".QST", ".QST.new"}) {
        if (ext[4] && !save_running()) break;
        char pattern[1200];
        snprintf(pattern, sizeof pattern, "%s/*%s", CharacterPath, ext);
        glob_t found;
        if (glob(pattern, 0, nullptr, &found) == 0)
            for (size_t i = 0; i < found.gl_pathc; i++) {
                std::string name = found.gl_pathv[i];
                if (ext[4]) name.resize(name.size() - 4);
                names.push_back(name);
            }
        globfree(&found);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::vector<uint32_t> ids;
    for (const std::string &name : names)
        if (const uint32_t id = id_of_name(name.c_str())) ids.push_back(id);
    return ids;
}

bool SaveQuest(QuestStruct *q) {
    if (!q || q->id == 0) return false;
    if (q->createdDay == 0 && q->createdMonth == 0) {
        q->createdDay = Plr.day;
        q->createdMonth = Plr.month;
        q->createdYear = Plr.year;
        q->createdDayNumber = Plr.daynumber;
    }
    char path[1200], staged[1300];
    quest_file_path(q->id, path, sizeof path);
    if (write_atomic(save_target(path, staged, sizeof staged), q, sizeof *q)) return true;
    if (save_running()) save_fail(path);
    char line[1300];
    snprintf(line, sizeof line, "SaveQuest: quest #%u could not be written to %s", q->id, path);
    quest_debuglog(line);
    snprintf(line, sizeof line, "!The quest \"%.*s\" could not be written to its file: it is not kept.",
             (int)strnlen(q->title, sizeof q->title), q->title);
    Note(line);
    return false;
}

void RemoveQuest(uint32_t id) {
    static QuestStruct q;
    if (!loadQuest(id, q)) return;
    q.closed = 1;
    q.accepted = 0;
    q.completionDay = 0;
    SaveQuest(&q);
    // The side roles' files go with the save that closes the quest: a save that fails keeps them.
    for (uint32_t side : q.sideQuestIds) {
        if (side == 0 || side == id) continue;
        char path[1200];
        quest_file_path(side, path, sizeof path);
        save_remove(path);
    }
}

// ---- the dump ----

enum { DUMP_TEXT_MAX = 450, DUMP_TAGS_MAX = 95, DUMP_LINE_MAX = 89, DUMP_OPTTAGS_MAX = 59 };

// The length of a text field, never past its end.
static size_t field_len(const char *s, size_t size) {
    const void *end = memchr(s, 0, size);
    return end ? (size_t)((const char *)end - s) : size;
}

int debuglog_quest(const QuestStruct *q) {
    if (!QUEST_LOGGER || !q) return 0;
    char path[1200];
    snprintf(path, sizeof path, "%s/QUEST-%u.TXT", CharacterPath, q->id);
    FILE *f = fopen(path, "w");
    if (!f) {
        quest_debuglog("debuglog_quest: the dump could not be written");
        return 0;
    }
    int errors = 0;
    fprintf(f, " BigLoc: %d,%d\n", q->worldX, q->worldY);
    for (int n = 0; n < QUEST_TALKLINES; n++) {
        const QuestTalkLine &t = q->talk[n];
        const size_t textlen = field_len(t.npcText, sizeof t.npcText);
        if (textlen == 0) continue;
        fprintf(f, "\nTALKLINE %d\n%.*s\n", n, (int)textlen, t.npcText);
        if (textlen > DUMP_TEXT_MAX) {
            fprintf(f, "*** TOO LONG! ***\nMAXSTRING WOULD BE:\n%.*s\n", DUMP_TEXT_MAX, t.npcText);
            errors++;
        }
        const size_t tagslen = field_len(t.actionTags, sizeof t.actionTags);
        if (tagslen) {
            fprintf(f, "%.*s\n", (int)tagslen, t.actionTags);
            if (tagslen > DUMP_TAGS_MAX) {
                fprintf(f, "*** TOO LONG! ***\n");
                errors++;
            }
        }
        for (const QuestOption &o : t.options) {
            const size_t codedlen = field_len(o.coded, sizeof o.coded);
            if (codedlen == 0) continue;
            const size_t optlen = field_len(o.optionTags, sizeof o.optionTags);
            fprintf(f, " -%.*s %.*s\n", (int)codedlen, o.coded, (int)optlen, o.optionTags);
            const char *bar = (const char *)memchr(o.coded, '|', codedlen);
            if (bar && bar - o.coded > DUMP_LINE_MAX) {
                fprintf(f, "*** ERROR! LINE TOO LONG! ***\nMAXSTRING WOULD BE:\n%.*s\n", DUMP_LINE_MAX + 1, o.coded);
                errors++;
            }
            if (optlen > DUMP_OPTTAGS_MAX) {
                fprintf(f, "*** ERROR! TAGS LINE TOO LONG! ***\n\n");
                errors++;
            }
        }
        fprintf(f, "\n");
    }
    fclose(f);
    if (errors) {
        char line[80];
        snprintf(line, sizeof line, "Quest #%u - ERRORS: %d", q->id, errors);
        quest_debuglog(line);
    }
    return errors;
}

// A quest file may be the only thing that names its reward or the giver's craft order (a blend made
// when the quest was made): every quest not closed keeps them through object maintenance. The quests
// are read as the game reads them, a running save's staged ones among them.
void QuestKeepObjects() {
    static QuestStruct q;
    for (const uint32_t id : quest_file_ids()) {
        if (!loadQuest(id, q) || q.closed) continue;
        if (q.rewardItem) keepthisobj((int)q.rewardItem);
        if (q.craftOrder[0]) keepthisobj((int)q.craftOrder[0]);
    }
}
