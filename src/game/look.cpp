// src/game/look.cpp -- the lines that tell what lies on a square: after each step, by the look
// commands and by the far look, with the terrain, the water and the tracks there.
#include "game/look.h"

#include "activities/building.h"
#include "items/plantlife.h"
#include "activities/traps.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "maps/squareevents.h"
#include "core/weather.h"
#include "creatures/describe.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "core/obj_func.h"
#include "items/items.h"
#include "maps/area.h"
#include "maps/mapdesc.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/mvmarker.h"
#include "maps/picker.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "maps/burning.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/player.h"
#include "activities/tracking.h"

#include <cstdlib>
#include <cstring>

static int dpskip[DPSKIP_MAX];

// ---- services of other modules ------------------------------------------------------------------

static const char *creature_desc(int c) { return NPC_yleiskuvaus(c, 0); }
static const char *carcass_desc(int c) { return NPC_ruhokuvaus(c); }
static void creature_infobox(int c) { NPC_inforuutu(c); }
static const char *plant_desc(int i) { return KASVIDATA_infostr(i); }
static void plant_harvestinfo(int i) { KASVIDATA_harvestinfo(i); }
static const char *trap_name(int n) { return Ansan_Nimi(n); }
// The first line of the player's own marker that the record mirrors.
static const char *custom_marker_desc(int i) { return CustomMarkerDesc(Data[i].x, Data[i].y); }
// A look at a square holding tracks reads them with the tracking skill; tracks farther off are told
// as the map draws them: noticed, and fewer than six squares away.
static int examine_tracks(int x, int y) {
    if (get_datatype(DT_TRACKS, x, y) < 0) return 0;
    return Tutki_Jaljet(x, y, 0);
}

// ---- the skip list ----------------------------------------------------------------------------

void init_inprocess() {
    for (int &s : dpskip) s = -1;
}

void add_dpskip(int i) {
    for (int &s : dpskip)
        if (s == -1) {
            s = i;
            return;
        }
}

void clear_look() { init_inprocess(); }

int is_dpskip(int i) {
    for (int s : dpskip)
        if (s == i) return 1;
    return 0;
}

char *inprocess_entry(int i) {
    if (i < 0 || i >= DATA_MAX) return sbuf();
    const DataStruct &w = Data[i];
    char desc[SBUF_SIZE];
    copy_bounded(desc, sizeof desc, ekuvaus((int)w.id, 1, 0));
    int total = w.count;
    add_dpskip(i);
    for (int j = 0, end = data_end(); j < end; j++) {
        const DataStruct &d = Data[j];
        if (j == i || d.type != DT_WORK || d.x != w.x || d.y != w.y || is_dpskip(j)) continue;
        if (strcmp(ekuvaus((int)d.id, 1, 0), desc) != 0) continue;
        total += d.count;
        add_dpskip(j);
    }
    return ekuvaus((int)w.id, total, 1);
}

// ---- the listing ------------------------------------------------------------------------------

// The map-info record of a world cell, or null.
static const ZoomExtraStruct *cell_record(int x, int y) {
    for (const ZoomExtraStruct &z : ZoomExtra)
        if (z.x != 0 && z.x == x && z.y == y) return &z;
    return nullptr;
}

static void world_cell_lines(int x, int y) {
    const ZoomExtraStruct *z = cell_record(x, y);
    if (!z) return;
    if (z->dwelling & 4) Note("#There's your settlement at this location.");
    if (z->dwelling & 2) Note("#There is a shelter at this location.");
    if (z->dwelling & 8) Note("#There is a kota at this location.");
    if (z->trapflags & 4) Note("#There is set trap(s) at this location.");
    if (z->trapflags & 2) Note("#There is net(s) set for catch at this location.");
}

// The name of the template an encounter figure is drawn from; "" when none fits.
static const char *figure_name(const DataStruct &d) {
    const int t = d.id < 1000 ? (int)d.id : (int)d.owner;
    if (t < 0 || t >= CONSTANTCRE_COUNT) return "";
    char *out = sbuf();
    copy_bounded(out, sizeof ConstantCre[t].species, ConstantCre[t].species);
    return out;
}

// What one record gives to the listing: its text ("" nothing) and whether it is a creature, a
// plant or a fire (for the article and the lines that follow).
enum { KIND_PLAIN, KIND_CREATURE, KIND_PLANT, KIND_FIRE };

static const char *record_text(int i, int x, int y, int &kind, int &figure_told) {
    const DataStruct &d = Data[i];
    kind = KIND_PLAIN;
    char *out = sbuf();
    const uint32_t slot = d.id - CRE_DATAID;
    const bool creature_id = d.id >= (uint32_t)CRE_DATAID && slot < (uint32_t)CRE_COUNT;
    switch (d.type) {
    case DT_ITEM: return ekuvaus((int)d.id, d.count, 1);
    case DT_CREATURE:
        if (!creature_id || sukeltaako_NPC((int)slot)) return "";
        kind = KIND_CREATURE;
        return creature_desc((int)slot);
    case DT_WORK:
        if (is_dpskip(i)) return "";
        bprintf(out, SBUF_SIZE, "%s (being prepared)", inprocess_entry(i));
        return out;
    case DT_FIRE: kind = KIND_FIRE; return "fire";
    case DT_PLANT: case DT_HERB_B: kind = KIND_PLANT; return plant_desc(i);
    case DT_ENCOUNTER: {
        if (!bigmap() || (x == PlayerX && y == PlayerY) || figure_told || d.id == 0) return "";
        if (!See_FigureInDistance(x, y, i)) return "";
        const char *name = figure_name(d);
        if (!name[0]) return "";
        figure_told = 1;
        bprintf(out, SBUF_SIZE, "%s shaped figure in the distance", name);
        return out;
    }
    case DT_VISIBLE: bprintf(out, SBUF_SIZE, "marked location - \"%s\"", custom_marker_desc(i)); return out;
    case DT_TRAP: bprintf(out, SBUF_SIZE, d.extra == 'd' ? "set %s" : "triggered %s", trap_name(i)); return out;
    case DT_NET: bprintf(out, SBUF_SIZE, "%s set to catch fish", enimi((int)d.id, 1, 0)); return out;
    case DT_CARCASS:
        if (!creature_id) return "";
        Cre[slot].mode = CM_CARCASS;
        return carcass_desc((int)slot);
    case DT_FIRE_REMAINS: {
        if (RemainsHeat(x, y) >= 10) return "burnt-out fire with glowing embers";
        const int since = firesite_last_diemins(i), burned = firesite_total_burnmins(i);
        return since < burned / 4.0 ? "burnt-out fire with still warm embers" : "burnt-out fire";
    }
    case DT_COUNTED: return "bloodscape";
    case DT_PAUSED_BUILDING: return mcinprocess_desc(i);
    default: return "";
    }
}

int Display_Items(int x, int y, int looking) {
    const int n = itemcount(x, y);
    if (bigmap()) world_cell_lines(x, y);
    if (n == 0) return 0;
    ui_hold_note_flips(1);   // the list shows at once, with one flip
    const char *where = (x == PlayerX && y == PlayerY) ? "here" : "there";
    char line[SBUF_SIZE];
    if (n > 1) {
        bprintf(line, sizeof line, n < 7 || looking ? "#Things that are %s:" : "#There are several objects %s:", where);
        Note(line);
    }
    init_inprocess();
    const int tupla = NOTE_TUPLAOK;
    NOTE_TUPLAOK = 1;
    int told = 0, held = 0, figure_told = 0;
    char held_text[SBUF_SIZE] = "";
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.x != x || d.y != y) continue;
        int kind;
        const char *text = record_text(i, x, y, kind, figure_told);
        if (!text[0]) continue;
        if (n == 1) {
            bprintf(line, sizeof line, "#You see %s %s.", kind == KIND_CREATURE ? text : an(text), where);
            Note(line);
        } else if (!looking && n > 8 && told >= 7) {
            if (held++ == 0) copy_bounded(held_text, sizeof held_text, text);
            continue;
        } else {
            note(text);
        }
        told++;
        if (kind == KIND_PLANT) plant_harvestinfo(i);
        if (kind == KIND_FIRE) {
            bprintf(line, sizeof line, ":This fire will burn %s.", FireBurnDesc(i));
            Note(line);
        }
    }
    if (held == 1)
        note(held_text);
    else if (held > 1) {
        bprintf(line, sizeof line, "_...and %d more.", held);
        Note(line);
    }
    NOTE_TUPLAOK = tupla;
    ui_hold_note_flips(0);
    return n;
}

// ---- looking ----------------------------------------------------------------------------------

static void debug_lines(int x, int y) {
    char text[SBUF_SIZE];
    const int c = get_mapchar(x, y);
    bprintf(text, sizeof text, "terrain %d (%s), height %d, water depth %d", c, terrain_desc(c),
            korkeuskartta[in_layer(x, y) ? mapidx(x, y) : 0], vesisyvyys(x, y));
    DebugNote(text);
    const int ice = bigmap() ? ice_thickness_worldmap(x, y) : ice_thickness_mapwise(x, y);
    bprintf(text, sizeof text, "ice %d mm (%d cm), true ice %d mm", ice, ice / 10, ice_thickness_true(x, y));
    DebugNote(text);
    if (bigmap()) {
        bprintf(text, sizeof text, "society id %u", Mapinfo_socID(x, y));
        DebugNote(text);
    }
    bprintf(text, sizeof text, "nature type %d, freezes %d, place %s", luontotyyppi(c), terrain_jaatyy(c),
            bigmap() ? AlueenNimi(x, y, 1) : "");
    DebugNote(text);
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.x != x || d.y != y) continue;
        bprintf(text, sizeof text, "data %d: type %d id %u count %u flags %u extra %u", i, d.type, d.id, d.count,
                d.flags, d.extra);
        DebugNote(text);
    }
}

void LookPosition(int x, int y, int mode) {
    if (DEBUG_INFO) debug_lines(x, y);
    const int listed = Display_Items(x, y, 1);
    const int c = get_mapchar(x, y);
    bool terrain_told = !(listed && (c == CH_GROUND || c == '_' || c == '('));
    if (!bigmap()) {
        const bool near = koordinaattien_vali(PlayerX, PlayerY, x, y) <= 1;
        if (mode == 1 && examine_tracks(x, y)) terrain_told = false;
        if (mode == 2) {
            if (!near) {
                const int t = get_datatype(DT_TRACKS, x, y);
                if (!listed && t >= 0 && PlrSeeTrackDATA(t)) {
                    Note("There are some tracks over there.");
                    return;
                }
            } else if (examine_tracks(x, y)) {
                return;
            }
        }
    }
    if (terrain_told) Note(karttamerkin_selitys(x, y, ""));
    if (avovesi(x, y) && koordinaattien_vali(PlayerX, PlayerY, x, y) <= 1) {
        char text[SBUF_SIZE];
        bprintf(text, sizeof text, "_The water is %s.", WaterTemp_txtdesc(water_temp()));
        Note(text);
    }
}

void FarLook() {
    const int repeat = !strcmp(inival("FAR_LOOK_REPEAT", "NO"), "YES");
    do {
        lastnote[0] = 0;
        note_lines_since_pause = 0;
        ValitseLokaatio(PICK_TARGET | PICK_OWN_SQUARE, "location to look at");
        if (GeneralX + GeneralY == 0) return;
        const int x = GeneralX, y = GeneralY;
        LookPosition(x, y, 2);
        const int c = cre_xy_select(x, y);
        if (c != CRE_NONE && c != -1)
            creature_infobox(c);
        else
            PREV_CRE_NUM = CRE_NONE;
    } while (repeat);
}
