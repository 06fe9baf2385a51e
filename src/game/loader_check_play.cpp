// The look over the files of her play that comes with the look over the character folder: the village
// file, her quests, her herb lore, her map markers and her game course. None of them refuses the load:
// what of a damaged file is sound is kept, the rest is given up or written anew once every file of the
// folder has been checked, and the player is told what was lost.
#include <dirent.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "activities/herblore.h"
#include "base/ownlib.h"
#include "base/wholefile.h"
#include "game/loader_int.h"
#include "core/oxa.h"
#include "core/records.h"
#include "items/items.h"
#include "maps/maps.h"
#include "maps/mvmarker.h"
#include "quests/courses.h"
#include "core/tehtavat.h"
#include "society/village.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The whole file; false when it is missing or can't be read. The files of her play are small: a
// village record is 11 KB, a quest 60 KB.
bool slurp(const char *path, Bytes &out) { return read_whole(path, out, SAVE_FILE_CHECK_MAX); }

template <class T> T record_at(const Bytes &b, size_t i) {
    T r;
    memcpy(&r, b.data() + i * sizeof(T), sizeof r);
    return r;
}

bool zeros(const void *p, size_t n) {
    const uint8_t *b = static_cast<const uint8_t *>(p);
    for (size_t i = 0; i < n; i++)
        if (b[i]) return false;
    return true;
}
template <class T> bool zeros(const T &field) { return zeros(&field, sizeof field); }

bool ended(const char *text, size_t size) { return memchr(text, 0, size) != nullptr; }
template <size_t N> bool ended(const char (&text)[N]) { return ended(text, N); }

bool sane(float v, float limit) { return std::isfinite(v) && v >= -limit && v <= limit; }

bool in_world(long x, long y) { return x >= 0 && y >= 0 && x < WORLD_W && y < WORLD_H; }

void path_of(char *buf, size_t size, const char *name) { char_file_path(buf, size, name); }

// The file replaced whole by the bytes kept; with none kept it goes, as a file the game never wrote.
void put(const char *path, const Bytes &b) {
    if (b.empty() ? remove(path) != 0 && own_isfile(path) : !write_atomic(path, b.data(), b.size()))
        loader_log("_system", "a rebuilt file couldn't be written");
}

void told(const char *text) {
    loader_say(text);
    loader_log("_system", text);
}

// ---- the village file -------------------------------------------------------------------------

// A record the game wrote: its id set, its centres in the world, its reserved bytes zero, its levels
// and sums within what the game ever keeps.
bool village_sound(const VillageStruct &v) {
    if (v.socid == 0 || !in_world(v.centre_x, v.centre_y)) return false;
    for (int i = 0; i < 10; i++)
        if (!in_world(v.centres_x[i], v.centres_y[i])) return false;
    if (!zeros(v.pad8014) || v.pad8023 || !zeros(v.pad8028) || v.pad8039 || !zeros(v.pad8540) || !zeros(v.pad8999) ||
        !zeros(v.pad9410) || !zeros(v.pad9422) || !zeros(v.pad9430) || !zeros(v.pad9442) || v.pad9450 ||
        !zeros(v.pad9454) || !zeros(v.pad9541) || !zeros(v.pad9554) || !zeros(v.pad9564) || v.pad9869 ||
        !zeros(v.pad9956) || !zeros(v.pad10401) || !zeros(v.pad10408) || !zeros(v.pad11425))
        return false;
    if (v.debtlevel > 3 || v.reclaimlevel > 3 || v.gracetype > 3) return false;
    for (float f : {v.wholereward, v.credit, v.generosity, v.everdebt})
        if (!sane(f, 1e9f)) return false;
    for (const VillageDebtLine &d : v.debt)
        if (d.active > 1 || !zeros(d.pad1) || !zeros(d.pad16) || !zeros(d.pad68) || !sane(d.value, 1e9f) ||
            d.count > 1000000)
            return false;
    return true;
}

// A file of whole records, counted: how many it holds, how many of them are unsound, whether its end
// cuts a record short. The game never leaves one of these files empty: an empty one is what a crash
// left of it, and so damaged.
struct RecordFile {
    bool damaged = false, cut = false, empty = false;
    size_t records = 0, dropped = 0;
};

template <class T, class Sound> RecordFile count_records(const char *path, Sound sound) {
    RecordFile f;
    Bytes b;
    if (!slurp(path, b)) return f;
    f.records = b.size() / sizeof(T);
    f.cut = b.size() % sizeof(T) != 0;
    f.empty = b.empty();
    for (size_t i = 0; i < f.records; i++) f.dropped += !sound(record_at<T>(b, i));
    f.damaged = f.cut || f.dropped > 0 || f.empty;
    return f;
}

RecordFile village;

void check_village() {
    char path[1200];
    char_ext_path(path, sizeof path, "VIL");
    village = count_records<VillageStruct>(path, village_sound);
}

// The sound records, in file order, written back; the player is told which villages forget her.
void rebuild_village() {
    if (!village.damaged) return;
    char path[1200];
    char_ext_path(path, sizeof path, "VIL");
    Bytes b, kept;
    if (!slurp(path, b)) return;
    for (size_t i = 0; i < b.size() / sizeof(VillageStruct); i++)
        if (village_sound(record_at<VillageStruct>(b, i)))
            kept.insert(kept.end(), b.begin() + (long)(i * sizeof(VillageStruct)),
                        b.begin() + (long)((i + 1) * sizeof(VillageStruct)));
    put(path, kept);
    char msg[500];
    if (village.empty)
        snprintf(msg, sizeof msg,
                 "!The village file %s.VIL was empty: the villages she knew forget her debts, her name and her deeds "
                 "there.",
                 CharacterFile);
    else
        snprintf(msg, sizeof msg,
             "!The village file %s.VIL was damaged: %u of its %u village records%s were lost. Those villages forget "
             "her debts, her name and her deeds there.",
             CharacterFile, (unsigned)village.dropped, (unsigned)village.records,
             village.cut ? " and a record cut short" : "");
    told(msg);
}

// ---- her quests -------------------------------------------------------------------------------

bool quest_sound(const QuestStruct &q, uint32_t id) {
    // A record may name no kind: the side roles' records of the messenger, the carver and the sage and
    // the rival's of the bewitched wolf never do.
    if (q.id != id || q.kind > 1000) return false;
    if (q.accepted > 1 || q.closed > 1 || q.generated > 1 || q.sideRole > 1 || q.ownCompletion > 1) return false;
    if (!ended(q.title) || !ended(q.subject) || !ended(q.pendingText) || !ended(q.olText) || !ended(q.statusTags) ||
        !ended(q.fetchPattern) || !ended(q.rewardSkill))
        return false;
    for (const QuestMark &m : q.marks)
        if (!ended(m.label) || !zeros(m.pad74)) return false;
    for (const QuestTalkLine &t : q.talk) {
        if (!ended(t.npcText) || !ended(t.actionTags) || !zeros(t.pad2060) || !zeros(t.pad2073) || t.said > 1)
            return false;
        for (const QuestOption &o : t.options)
            if (!ended(o.coded) || !ended(o.optionTags) || !zeros(o.pad293)) return false;
    }
    if (!zeros(q.pad9) || !zeros(q.pad21) || !zeros(q.pad290) || !zeros(q.pad304) || !zeros(q.pad648) ||
        !zeros(q.pad61233) || !zeros(q.pad61252) || !zeros(q.pad61373) || !zeros(q.pad61441) || !zeros(q.pad61489) ||
        !zeros(q.pad61512) || !zeros(q.pad61582) || !zeros(q.pad61592) || !zeros(q.pad61637) ||
        !zeros(q.pad61717) || !zeros(q.pad61760) || !zeros(q.pad61812) || !zeros(q.pad61820))
        return false;
    for (int i = 0; i < QUEST_CONDITIONS; i++)
        if (q.conditions[i] > 2 || q.condType[i] > 6) return false;
    return q.rewardKind <= 2 && sane(q.fetchWeight, 1e9f) && sane(q.fetchWeightGiven, 1e9f);
}

// "<id>.QST" with a number the game can give: its id, else 0.
uint32_t quest_id_of(const char *name) {
    char *end = nullptr;
    const unsigned long id = strtoul(name, &end, 10);
    if (end == name || name[0] < '0' || name[0] > '9' || strcmp(end, ".QST") != 0 || id == 0 || id > 0xffffffffUL)
        return 0;
    return (uint32_t)id;
}

std::vector<uint32_t> damaged_quests;

void check_quests() {
    damaged_quests.clear();
    DIR *d = opendir(CharacterPath);
    if (!d) return;
    static QuestStruct q;
    while (dirent *e = readdir(d)) {
        const uint32_t id = quest_id_of(e->d_name);
        if (!id) continue;
        char path[1200];
        path_of(path, sizeof path, e->d_name);
        Bytes b;
        if (!slurp(path, b)) continue;
        const bool whole = b.size() == sizeof q;
        if (whole) memcpy(&q, b.data(), sizeof q);
        if (!whole || !quest_sound(q, id)) damaged_quests.push_back(id);
    }
    closedir(d);
}

// A damaged quest can't be told from its bytes: it is forgotten, as a quest the game removes.
void rebuild_quests() {
    for (uint32_t id : damaged_quests) {
        char path[1200];
        quest_file_path(id, path, sizeof path);
        remove(path);
        char msg[300];
        snprintf(msg, sizeof msg, "!The quest file %u.QST was damaged; that quest is forgotten.", id);
        told(msg);
    }
}

// ---- her herb lore ----------------------------------------------------------------------------

bool herb_sound(const KasvioStruct &k) {
    const ItemStruct &p = k.plant;
    if (p.name[0] == 0 || !ended(p.name) || !ended(p.skill) || p.type > IT_CARCASS) return false;
    if (k.mark < 1 || k.mark > 99 || k.difficulty > 95 || k.exam_roll > 3) return false;
    return zeros(k.pad2) && zeros(k.pad177) && zeros(k.pad364) && zeros(k.pad374) && zeros(k.pad420);
}

RecordFile herbs;

void check_herbs() {
    char path[1200];
    path_of(path, sizeof path, "HERBLORE.DAT");
    herbs = count_records<KasvioStruct>(path, herb_sound);
    herbs.damaged = herbs.damaged || herbs.records > HERBARIUM_ROWS;
}

// The sound rows stay, the first hundred; the plants of the rest are recognised anew.
void rebuild_herbs() {
    if (!herbs.damaged) return;
    char path[1200];
    path_of(path, sizeof path, "HERBLORE.DAT");
    Bytes b, kept;
    if (!slurp(path, b)) return;
    size_t rows = 0;
    for (size_t i = 0; i < b.size() / sizeof(KasvioStruct) && rows < (size_t)HERBARIUM_ROWS; i++)
        if (herb_sound(record_at<KasvioStruct>(b, i))) {
            kept.insert(kept.end(), b.begin() + (long)(i * sizeof(KasvioStruct)),
                        b.begin() + (long)((i + 1) * sizeof(KasvioStruct)));
            rows++;
        }
    put(path, kept);
    char msg[400];
    if (herbs.empty)
        snprintf(msg, sizeof msg, "!HERBLORE.DAT was empty; the plants she knew, if any, must be recognised anew.");
    else
        snprintf(msg, sizeof msg,
             "!HERBLORE.DAT was damaged; her lore of %u plants is kept, the rest is lost: those plants must be "
             "recognised anew.",
             (unsigned)rows);
    told(msg);
}

// ---- her map markers --------------------------------------------------------------------------

bool marker_sound(const mvMarkerStruct &m) {
    if (zeros(m)) return true;   // an erased marker
    if (m.x <= 0 || !in_world(m.x, m.y) || m.color < 1 || m.color > 5) return false;
    if (!ended(m.text1) || !ended(m.text2) || !zeros(m.pad9) || !zeros(m.pad216) || !zeros(m.pad1453)) return false;
    return m.day >= 1 && m.day <= 30 && m.month >= 1 && m.month <= 12 && m.hour < 24 && m.minute < 60;
}

RecordFile markers;

void check_markers() {
    char path[1200];
    path_of(path, sizeof path, "MVMARKER.DAT");
    markers = count_records<mvMarkerStruct>(path, marker_sound);
}

// A damaged marker is erased in its place, as the game erases one; a record cut short is left out.
void rebuild_markers() {
    if (!markers.damaged) return;
    char path[1200];
    path_of(path, sizeof path, "MVMARKER.DAT");
    Bytes b;
    if (!slurp(path, b)) return;
    b.resize(b.size() / sizeof(mvMarkerStruct) * sizeof(mvMarkerStruct));
    for (size_t i = 0; i < b.size() / sizeof(mvMarkerStruct); i++)
        if (!marker_sound(record_at<mvMarkerStruct>(b, i))) memset(b.data() + i * sizeof(mvMarkerStruct), 0, sizeof(mvMarkerStruct));
    put(path, b);
    char msg[300];
    if (markers.empty)
        snprintf(msg, sizeof msg, "!MVMARKER.DAT was empty; her map markers are lost.");
    else
        snprintf(msg, sizeof msg, "!MVMARKER.DAT was damaged; %u of her map markers %s lost.",
             (unsigned)(markers.dropped + markers.cut), markers.dropped + markers.cut == 1 ? "is" : "are");
    told(msg);
}

// ---- her game course --------------------------------------------------------------------------

bool task_sound(const Tehtava &t) {
    if (t.taskNumber < 1 || t.taskNumber > COURSE_TASKS || t.count != 1) return false;
    const bool start = t.startEvent == 0 || (t.startEvent >= COURSE_EVENT_ROD && t.startEvent <= COURSE_EVENT_TRACKING);
    if (!start || (t.endEvent != 0 && t.endEvent != COURSE_EVENT_DONE)) return false;
    if (!ended(t.title) || !ended(t.picture)) return false;
    for (int k = 0; k < TASK_LINES; k++)
        if (!ended(t.description[k]) || !ended(t.completion[k]) || !ended(t.keyHelp[k])) return false;
    return true;
}

struct CourseFile {
    bool damaged = false;
    int which = -1;   // the course its sound records (or her current task) still tell; -1 none
};
CourseFile course;

void check_course(int task_number) {
    course = CourseFile{};
    char path[1200];
    course_file_path(path, sizeof path);
    Bytes b;
    if (!slurp(path, b)) return;
    const size_t n = b.size() / sizeof(Tehtava);
    int told_by[2] = {0, 0};
    size_t unsound = 0;
    for (size_t i = 0; i < n; i++) {
        const Tehtava t = record_at<Tehtava>(b, i);
        if (!task_sound(t)) {
            unsound++;
            continue;
        }
        for (int c = 0; c < 2; c++) told_by[c] += i < (size_t)COURSE_LENGTH && course_order[c][i] == t.taskNumber;
    }
    // The game writes a whole course in its order, or the one task of a course of one.
    const bool whole_course = n == (size_t)COURSE_LENGTH && (told_by[0] == COURSE_LENGTH || told_by[1] == COURSE_LENGTH);
    course.damaged = unsound > 0 || (n != 1 && !whole_course) || b.size() % sizeof(Tehtava) != 0;
    for (int c = 0; c < 2; c++)
        for (int task : course_order[c]) told_by[c] += task_number != 0 && task == task_number;
    if (told_by[0] != told_by[1]) course.which = told_by[0] > told_by[1] ? 0 : 1;
}

void rebuild_course() {
    if (!course.damaged) return;
    if (course.which >= 0 && course_write_file(course.which)) {
        told("!taskdata.oxa was damaged; the tasks of her game course are written anew, and she keeps her place in it.");
        return;
    }
    char path[1200];
    course_file_path(path, sizeof path);
    remove(path);
    told("!taskdata.oxa was damaged and tells no course; her game course ends, and she may choose one again.");
}

}  // namespace

// ---- the look and the rebuilds ----------------------------------------------------------------

void check_play_files(int task_number) {
    check_village();
    check_quests();
    check_herbs();
    check_markers();
    check_course(task_number);
}

void rebuild_play_files() {
    rebuild_village();
    rebuild_quests();
    rebuild_herbs();
    rebuild_markers();
    rebuild_course();
}

std::vector<KnownVillage> known_villages() {
    std::vector<KnownVillage> out;
    char path[1200];
    char_ext_path(path, sizeof path, "VIL");
    Bytes b;
    if (!slurp(path, b)) return out;
    for (size_t i = 0; i < b.size() / sizeof(VillageStruct); i++) {
        const VillageStruct v = record_at<VillageStruct>(b, i);
        if (!village_sound(v) || (v.centre_x == 0 && v.centre_y == 0)) continue;
        KnownVillage k{};
        k.socid = v.socid;
        k.x[0] = v.centre_x;
        k.y[0] = v.centre_y;
        k.n = 1;
        for (int c = 0; c < 10; c++)
            if (v.centres_x[c] != 0) {
                k.x[k.n] = v.centres_x[c];
                k.y[k.n] = v.centres_y[c];
                k.n++;
            }
        out.push_back(k);
    }
    return out;
}
