// src/creatures/takeapart.cpp -- taking a built structure apart (see takeapart.h): its building
// record, and the structure brought down with its materials left on the square.
#include "creatures/takeapart.h"

#include <cstring>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/sbuf.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/condition.h"
#include "creatures/culturegoods.h"
#include "items/materials.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"

enum { CONDFLAGS_DEFAULT = 5, EFFORT_DEFAULT = 5 };

// ---- the building record -------------------------------------------------------------------------

int read_building_record(int structure, int continuing, int deconstruct, BuildingRecord &r) {
    copy_bounded(r.name, sizeof r.name, terrain_desc(structure));
    copy_bounded(r.header, sizeof r.header, fread_Tekodata(RECIPE_BIY, r.name, 0));
    if (strcmp(r.header, "NOT FOUND") == 0) {
        char line[160];
        bprintf(line, sizeof line, "no building record for \"%s\" (%d)", r.name, structure);
        debuglog("biy", line);
        Note(deconstruct ? "!That is something you can't deconstruct!" : "!Error! Object header not found!");
        return 0;
    }
    Tyhjaa_Tarvikelista();
    for (;;) {
        const char *l = fread_Tekodata(RECIPE_BIY, nullptr, 1);
        if (strcmp(l, "NOT FOUND") == 0) break;
        Tyhjaa_Tarvike();
        pura_esinetarvinta(l);
        if (continuing && Tarvike.remove) continue;   // used when the job began
        Lisaa_Tarvike();
    }
    r.job.minutes = (uint32_t)Tekoheader_aika(r.header);
    const char *cond = Tekoheader_vammaus(r.header);
    r.job.condflags = (uint32_t)(cond[0] ? parse_condflags(cond) : CONDFLAGS_DEFAULT);
    char said[TEKO_VALUE_MAX + 1];
    const int effort = teko_bracket(r.header, "effort", said) ? Tekoheader_ponnistelu(r.header) : 0;
    r.job.effort = (uint32_t)(effort > 0 ? effort : EFFORT_DEFAULT);
    return 1;
}

int structure_work_minutes(int structure) {
    DebugNotef("rakenna: [%d] pura: [%d]", structure, 1);
    BuildingRecord r;
    if (!read_building_record(structure, 0, 1, r)) return 0;
    return (int)r.job.minutes;
}

// ---- taking apart --------------------------------------------------------------------------------

void clear_mcinprocess(int x, int y) {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_PAUSED_BUILDING && Data[i].x == x && Data[i].y == y) CrunchData(i);
}

int hae_esine_tarvike(int id) {
    // A kota is covered with the hide its culture covers one with.
    if (id == OID_KOTA_COVER) {
        const int cover = KULTTUURIESINE_Kotanahka(get_kulttuuri(PlayerX, PlayerY));
        return cover > 0 ? cover : -1;
    }
    return tarvike_definition_row(id);
}

// The structure's building minutes and materials (into the material list), by its building record;
// a record that gives no minutes is read again as it stands.
static int building_minutes(int mc) {
    Tyhjaa_Tarvikelista();
    int minutes = structure_work_minutes(mc);
    if (minutes > 0) return minutes;
    const char *h = fread_Tekodata(RECIPE_BIY, terrain_desc(mc), 0);
    if (strcmp(h, "NOT FOUND") == 0) return 0;
    minutes = Tekoheader_aika(h);
    for (;;) {
        const char *l = fread_Tekodata(RECIPE_BIY, nullptr, 1);
        if (strcmp(l, "NOT FOUND") == 0) break;
        pura_esinetarvinta(l);
        Lisaa_Tarvike();
    }
    return minutes;
}

void survey_structure(int x, int y, StructureAtSquare &s) {
    s.mc = get_mapchar(x, y);
    s.paused = -1;
    for (int i = 0; i < DATA_MAX && s.paused < 0; i++)
        if (Data[i].type == DT_PAUSED_BUILDING && Data[i].x == x && Data[i].y == y) s.paused = i;
    s.spent = s.all = 0;
    if (s.paused >= 0) {
        s.mc = (int)(Data[s.paused].id & 0xff);
        s.spent = (int)Data[s.paused].spent_minutes;
        s.all = (int)Data[s.paused].ready_minute;
    }
    s.after = (s.mc == 19 || s.mc == 4 || s.mc == 5 || s.mc == 28 || s.mc == 240) ? 95 : 250;
    s.build = building_minutes(s.mc);
}

int framework_bears_load(int mc, int x, int y) {
    if (mc != 41) return 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (!(dx == 0 && dy == 0) && !TyhjaRuutu(get_mapchar(x + dx, y + dy))) return 1;
    return 0;
}

void take_apart_at(int x, int y, const StructureAtSquare &s) {
    const int mc = s.mc;
    clear_mcinprocess(x, y);
    set_mapchar(x, y, s.after);
    bool released = false;
    char desc[100];
    copy_bounded(desc, sizeof desc, terrain_desc(mc));
    for (DataStruct &d : Data) {
        if (d.type != DT_BOUND || d.x != x || d.y != y) continue;
        if (d.extra != mc && !wildcmp(desc, terrain_desc(d.extra))) continue;
        d.type = DT_ITEM;
        d.extra = 0;
        released = true;
    }
    if (!released) {
        for (int i = 0; i < TARVIKE_MAX && Tarvikelista[i].id; i++) {
            const Tarvike_Struct &t = Tarvikelista[i];
            if (!t.remove) continue;
            const int row = hae_esine_tarvike((int)t.id);
            if (row > 0) set_data(DT_ITEM, x, y, row, (int)(t.count ? t.count : 1));
        }
    }
    Tyhjaa_Tarvikelista();
}

int take_apart_structure(int x, int y) {
    StructureAtSquare s;
    survey_structure(x, y, s);
    if (framework_bears_load(s.mc, x, y)) return 0;
    take_apart_at(x, y, s);
    return 1;
}
