// src/quests/questmarks.cpp -- the quest marks of the map of known areas: each quest's place, the
// areas tied to it once the giver has told of them, and the places of the informants who have spoken;
// each mark leaves a short text that the view's information box tells when a place near it is clicked.
#include "quests/questmarks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "creatures/crefile.h"
#include "creatures/describe.h"
#include "core/tehtavat.h"
#include "society/questlist.h"

MapQuestInfoStruct MapQuestInfos[MAPQUESTINFOS];

enum { SURFACE_SIDE = 1024, SURFACE_HALF = 512 };

int QuestMarkIds(unsigned *ids, int max) {
    int n = ReadQuestList("");
    if (n > QUEST_LIST_MAX) n = QUEST_LIST_MAX;
    if (n > max) n = max;
    for (int i = 0; i < n; i++) ids[i] = QuestListIDs[i];
    return n < 0 ? 0 : n;
}

void ClrMapQuestInfos() { memset(MapQuestInfos, 0, sizeof MapQuestInfos); }

int AddMapQuestInfo(int x, int y, int kind, const char *text) {
    MapQuestInfoStruct *at = nullptr;
    for (MapQuestInfoStruct &r : MapQuestInfos)
        if (r.x != 0 && r.x == x && r.y == y) {
            at = &r;
            break;
        }
    if (!at)
        for (MapQuestInfoStruct &r : MapQuestInfos)
            if (r.x == 0) {
                at = &r;
                break;
            }
    if (!at) {
        // Every record tells of another place: this text is left out rather than mixed into one.
        char line[160];
        snprintf(line, sizeof line, "quest marks: no room for the text at %d,%d; left out", x, y);
        debuglog("quests", line);
        return 0;
    }
    at->x = (uint16_t)x;
    at->y = (uint16_t)y;
    at->kind = (uint16_t)kind;
    int slot = MAPQUESTINFO_TEXTS - 1;
    for (int i = 0; i < MAPQUESTINFO_TEXTS; i++)
        if (!at->text[i][0]) {
            slot = i;
            break;
        }
    copy_bounded(at->text[slot], MAPQUESTINFO_TEXT, text ? text : "");
    return 1;
}

// A text field of a record read from a file, terminated whatever the file held.
template <size_t N> static void field(char (&out)[N + 1], const char (&in)[N]) {
    memcpy(out, in, N);
    out[N] = 0;
}

// Strictly inside the view's surface: a place on its first row or column, or off it, is not drawn.
static bool on_surface(int x, int y, int midX, int midY) {
    const int sx = x - (midX - SURFACE_HALF), sy = y - (midY - SURFACE_HALF);
    return sx > 0 && sy > 0 && sx < SURFACE_SIDE && sy < SURFACE_SIDE;
}

// The long name of the person of a social id, or "someone" when no record of it is kept.
static void person_name(uint32_t social, char *out, size_t size) {
    CreatureStruct c;
    if (social && getsotucrstruct(c, social, 0)) copy_bounded(out, size, monnam_cre(c, 4));
    else copy_bounded(out, size, "someone");
}

static bool any_said(const QuestStruct &q) {
    for (const QuestTalkLine &l : q.talk)
        if (l.said) return true;
    return false;
}

namespace {
struct Marks {
    QuestMarkPlace *out;
    int max, n;
    void put(int x, int y, int type, int radius) {
        if (n < max) out[n++] = QuestMarkPlace{x, y, type, radius};
    }
};
}  // namespace

// An area of a mark once it is shown, with its text.
static void area_mark(Marks &m, const QuestMark &mark, const char *title) {
    if (mark.x == 0 || !mark.areaShown) return;
    const int radius = mark.smallSpot == 1 ? 10 : 16;
    m.put(mark.x, mark.y, 10, radius);
    char label[sizeof mark.label + 1], text[400];
    field(label, mark.label);
    snprintf(text, sizeof text, "<infoblue>%s QUEST</infoblue><br><indblue>%s</indblue><br>", title, label);
    AddMapQuestInfo(mark.x, mark.y, radius, text);
}

int QuestMarkPlaces(unsigned quest, unsigned shown, int midX, int midY, QuestMarkPlace *out, int max) {
    std::unique_ptr<QuestStruct> qmS(new QuestStruct), sideqmS(new QuestStruct);
    if (!loadQuest(quest, *qmS)) return 0;
    const QuestStruct &q = *qmS;
    if (q.completionDay != 0 && shown == 0) return 0;
    if (q.worldX == 0 || !on_surface(q.worldX, q.worldY, midX, midY)) return 0;

    Marks m{out, max, 0};
    char raw[sizeof q.title + 1], title[sizeof q.title + 1], name[200], text[600];
    field(raw, q.title);
    copy_bounded(title, sizeof title, StrUpr(raw));

    m.put(q.worldX, q.worldY, 9, 0);
    person_name(q.giverUid, name, sizeof name);
    snprintf(text, sizeof text,
             "<infoblue>%s QUEST</infoblue><br><indblue>told by: </indblue><infoblue>%s</infoblue><br>", title, name);
    AddMapQuestInfo(q.worldX, q.worldY, 1, text);
    for (const QuestMark &mark : q.marks) area_mark(m, mark, title);

    for (uint32_t id : q.sideQuestIds) {
        if (id == 0 || !loadQuest(id, *sideqmS)) continue;
        const QuestStruct &s = *sideqmS;
        if (!any_said(s) || s.worldX == 0) continue;
        m.put(s.worldX, s.worldY, 9, 0);
        const bool same_place = s.worldX == q.worldX && s.worldY == q.worldY;
        char head[sizeof title + 40] = "";
        if (!same_place) snprintf(head, sizeof head, "<infoblue>%s QUEST</infoblue><br>", title);
        person_name(s.giverUid, name, sizeof name);
        snprintf(text, sizeof text, "%s<indblue>informant: </indblue><infoblue>%s</infoblue><br>", head, name);
        AddMapQuestInfo(s.worldX, s.worldY, 1, text);
        area_mark(m, s.marks[0], title);
    }
    return m.n;
}

size_t MapQuestInfoTexts(int x, int y, int r, char *out, size_t size) {
    if (!out || size == 0) return 0;
    out[0] = 0;
    size_t len = 0;
    for (const MapQuestInfoStruct &rec : MapQuestInfos) {
        if (rec.x == 0 || std::abs(rec.x - x) > r || std::abs(rec.y - y) > r) continue;
        for (const char *t : rec.text) {
            const size_t n = strnlen(t, MAPQUESTINFO_TEXT);
            if (n == 0) continue;
            const size_t room = size - 1 - len;
            const size_t k = n < room ? n : room;
            memcpy(out + len, t, k);
            len += k;
            out[len] = 0;
        }
    }
    return len;
}
