// src/quests/stories_common.cpp -- the bounded field writer and the person and map checks that the
// village stories' generators share.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/records.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "maps/maps.h"
#include "maps/zoomstore.h"
#include "quests/stories_int.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"
#include "society/questoffer.h"

namespace stories {

enum {
    ZOOM_RECORDS_HANDED = ZOOM_RECORDS - 10,   // the placer never hands out a map's last ten records
};
constexpr uint32_t TAKEN_MARK = 0xffffffffu;   // a quest id no file has: the picker passes the person by

void fieldf(char *dst, size_t size, const char *format, ...) {
    va_list ap;
    va_start(ap, format);
    vsnprintf(dst, size, format, ap);
    va_end(ap);
}

void personal_name(const CreatureStruct &c, char (&out)[17]) {
    memcpy(out, c.pname, sizeof c.pname);
    out[16] = 0;
}

void titled_name(const CreatureStruct &c, char *out, size_t size) {
    char name[17], kind[sizeof c.species + 1];
    personal_name(c, name);
    memcpy(kind, c.species, sizeof c.species);
    kind[sizeof c.species] = 0;
    fieldf(out, size, "%s, the %s", name, StrLwr(kind));
}

int pick_side_person(const char *role, const CreatureStruct &giver, const int *taken) {
    uint32_t kept[CRE_COUNT];
    int marked[CRE_COUNT], count = 0;
    for (const int *t = taken; t && *t != CRE_NONE && count < CRE_COUNT; t++)
        if (*t >= 0 && *t < CRE_COUNT) {
            marked[count] = *t;
            kept[count++] = Cre[*t].quest;
            Cre[*t].quest = TAKEN_MARK;
        }
    const int n = pick_socsivuNPC(role, (int)giver.community, (int)giver.socialid);
    while (count-- > 0) Cre[marked[count]].quest = kept[count];
    return n;
}

int stored_map_has_room(int x, int y) {
    if (!ZoomMapPos(x, y)) return 0;
    static ZoomStruct kept;
    memcpy(&kept, &Zoom, sizeof kept);
    int room = 0;
    if (load_zoommap(x, y))
        for (int i = 0; i < ZOOM_RECORDS_HANDED && !room; i++)
            room = Zoom.data[i].type == DT_UNUSED || Zoom.data[i].type == DT_FREED;
    memcpy(&Zoom, &kept, sizeof Zoom);
    return room;
}

int stored_map_made(int x, int y) {
    if (!ZoomMapPos(x, y)) spotgenerate(x, y, 0);
    return ZoomMapPos(x, y) != 0;
}

void unmake_person(unsigned s) {
    static CreatureStruct blank;
    memset(&blank, 0, sizeof blank);
    Talleta_RealCreature(blank, (int)s);
}

unsigned new_person_placed(CreatureStruct &c, int x, int y) {
    if (cre_file_records() < 0) return 0;
    const int s = SaveNewRealCreature(c);
    if (spawn_sotucre_on_zoommap(s, x, y)) return (unsigned)s;
    unmake_person((unsigned)s);   // nobody is left in the file without a place in the world
    return 0;
}

bool save_all(QuestStruct *const *records) {
    bool ok = true;
    for (QuestStruct *const *r = records; *r && ok; r++) ok = SaveQuest(*r);
    if (ok) return true;
    for (QuestStruct *const *r = records; *r; r++) quest_file_drop((*r)->id);
    return false;
}

}  // namespace stories
