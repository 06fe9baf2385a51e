// Building work: the square chosen and checked against the placement rules, the recipe read from the
// "biy" record named by the structure's terrain description, the materials and the skill roll, and the
// timed work that either finishes the structure or leaves a paused job on its square.
#include "activities/building.h"

#include "core/commandcodes.h"
#include "creatures/skills.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "creatures/body.h"
#include "creatures/breaches.h"
#include "creatures/condition.h"
#include "creatures/physical.h"
#include "items/inventory.h"
#include "items/invsel.h"
#include "activities/making.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/quality.h"
#include "items/recipes.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/picker.h"
#include "maps/rooms.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

#include <cstdio>
#include <cstring>

RaksaData GlobalRaksaData;

enum {
    CH_CEILING = '_', CH_FRAMEWORK = ')', CH_KOTA_INSIDE = '(', CH_KOTA_DOOR = '+', CH_DOOR = 254, CH_SHELTER = 31,
};

// ---- paused jobs ---------------------------------------------------------------------------------

static int paused_at(int x, int y) {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_PAUSED_BUILDING && Data[i].x == x && Data[i].y == y) return i;
    return -1;
}

static bool in_pool(int record) { return record >= 0 && record < DATA_MAX; }

int mcinprocess_pct(int record) {
    if (!in_pool(record)) return 0;
    return pct((int)Data[record].spent_minutes, (int)Data[record].ready_minute);
}

const char *mcinprocess_desc(int record) {
    char *out = sbuf();
    out[0] = 0;
    if (!in_pool(record)) return out;
    const int p = mcinprocess_pct(record);
    const char *word = p > 80 ? "finishing" : p > 60 ? "semi-finished" : p > 40 ? "half-finished" : p > 20 ? "partly built"
                                                                                                    : "initially prepared";
    char what[100];
    copy_bounded(what, sizeof what, StrLwr(terrain_desc((int)Data[record].id)));
    bprintf(out, SBUF_SIZE, "%s %s (under construction)", word, what);
    return out;
}

void set_build_pause(int x, int y, int structure, int spent, int total) {
    // Every earlier job of the square goes: a square holds one paused job at most.
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_PAUSED_BUILDING && Data[i].x == x && Data[i].y == y) CrunchData(i);
    ClearDTEMP();
    DTEMP.type = DT_PAUSED_BUILDING;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.id = (uint32_t)structure;
    DTEMP.count = 1;
    DTEMP.ready_minute = (uint32_t)(total > 0 ? total : 0);
    DTEMP.spent_minutes = (uint32_t)(spent > 0 ? spent : 0);
    SetDTEMP(-1);
    DebugNotef("build_pause (%d,%d) - mc: %d", x, y, structure);
    DebugNotef("rakennusaika %d/%d", spent, total);
}

// ---- placement rules -----------------------------------------------------------------------------

static bool blocked(int x, int y) { return terrain_flag(get_mapchar(x, y), TF_BLOCKS) != 0; }

// The rectangle around a kota part in which its framework centre must stand: columns x + x0 .. x + x1,
// rows y + y0 .. y + y1.
struct KotaReach {
    int mc, x0, x1, y0, y1;
};
static const KotaReach KOTA_REACH[] = {
    {139, -2, -1, 1, 2},  {142, -1, 1, 1, 2},   {140, 1, 2, -2, -1}, {141, -2, -1, -2, -1}, {143, -1, 1, -2, -1},
    {144, -2, -1, -1, 1}, {CH_KOTA_DOOR, -2, 2, -2, 2}, {136, 1, 2, -1, 1}, {138, 1, 2, 1, 2},
    {CH_KOTA_INSIDE, -1, 1, -1, 1},
};

static const KotaReach *kota_reach(int mc) {
    for (const KotaReach &k : KOTA_REACH)
        if (k.mc == mc) return &k;
    return nullptr;
}

static bool needs_floor(int structure, const char *header) {
    return strstr(header, "[indoors]") || structure == 4 || structure == 5 || structure == 19 || structure == 28 ||
           structure == 240;
}

// The refusal of the placement rules for building `structure` at x, y; null when it may be built.
static const char *placement_refusal(int structure, const char *header, int x, int y) {
    static char line[300];
    const int c = get_mapchar(x, y);
    if (needs_floor(structure, header) && c != CH_CEILING)
        return "!You can build that only inside of a building, in a location that has a floor and ceiling present!";
    if (const KotaReach *k = kota_reach(structure)) {
        if (c == CH_FRAMEWORK) return "!The framework center here should be left open and intact.";
        bool found = false;
        for (int j = y + k->y0; j <= y + k->y1 && !found; j++)
            for (int i = x + k->x0; i <= x + k->x1 && !found; i++) found = get_mapchar(i, j) == CH_FRAMEWORK;
        if (!found) {
            char what[100];
            copy_bounded(what, sizeof what, StrLwr(terrain_desc(structure)));
            bprintf(line, sizeof line, "!Placing %s there is either too far or incorrectly aligned from the framework center!", what);
            return line;
        }
    }
    if (structure == CH_DOOR) {
        const int walls = blocked(x - 1, y) + blocked(x + 1, y) + blocked(x, y - 1) + blocked(x, y + 1);
        if (walls < 2) return "!You can build a door only to a location in between two solid walls or structures!";
        return nullptr;
    }
    if (structure == CH_CEILING) {
        int roofed = 0;
        for (int j = y - 1; j <= y + 1; j++)
            for (int i = x - 1; i <= x + 1; i++) roofed += terrain_flag(get_mapchar(i, j), TF_ROOFED) != 0;
        if (blocked(x, y) || roofed < 3)
            return "!You can't build a ceiling there yet! There needs to be more solid structures, walls or surrounding "
                   "ceiling around first.";
        return nullptr;
    }
    if (blocked(x, y)) return "!The location must be an open area and free of obstacles!";
    if (structure == CH_FRAMEWORK)
        for (int j = y - 1; j <= y + 1; j++)
            for (int i = x - 1; i <= x + 1; i++)
                if (blocked(i, j)) return "!The chosen location being the framework center there should also be open area all around it!";
    return nullptr;
}

static bool square_clear(int x, int y) {
    Alusta_Esinepoiminta(2);
    if (Siirra_Esineet(x, y) > 0) return false;
    for (const DataStruct &d : Data)
        if (d.x == x && d.y == y && d.type == DT_WORK) return false;
    return true;
}

// ---- the work ------------------------------------------------------------------------------------

static const unsigned ASSIST_FLAGS[4] = {0, SPF_HELPERS | SPF_HELPERS1, SPF_HELPERS | SPF_HELPERS2, SPF_HELPERS};

static void game_course_hooks(int structure) {
    const char *desc = terrain_desc(structure);
    if (strstr(desc, " wall") || strstr(desc, " corner")) world_services.course_task_check(17);
    if (onkohuone(PlayerX, PlayerY)) world_services.course_task_check(38);
    if (structure == CH_SHELTER) {
        world_services.course_task_check(9);
        const int culture = get_kulttuuri(PlayerX, PlayerY);
        if (culture == 10 || culture == 13) world_services.course_task_check(24);
    }
}

int branchRakenna(int structure, int deconstruct) {
    if (deconstruct) return structure_work_minutes(structure);
    memset(&GlobalRaksaData, 0, sizeof GlobalRaksaData);
    DebugNotef("rakenna: [%d] pura: [%d]", structure, deconstruct);
    int x = 0, y = 0, paused = -1, spent = 0, left = 0;
    bool continuing = false;
    if (structure == 0) {
        if (!askdir_datatype("work under construction", DT_PAUSED_BUILDING, &x, &y, 1 | 4)) return 0;
    } else {
        if (!ValitseLokaatio(PICK_DIRECTION | PICK_OWN_SQUARE, "location of construction")) return 0;
        x = GeneralX, y = GeneralY;
    }
    const int c = get_mapchar(x, y);
    paused = paused_at(x, y);
    if (paused < 0) {
        if (structure == CH_CEILING && c == CH_CEILING) {
            Note("!There's a built structure already!");
            return 0;
        }
        if (structure == 0) {
            Note("!There's nothing to continue, nothing under construction.");
            return 0;
        }
    } else {
        if (structure == 0) structure = (int)(Data[paused].id & 0xff);
        if ((int)Data[paused].id != structure) {
            char line[300];
            bprintf(line, sizeof line, "!Not possible! There's %s.", mcinprocess_desc(paused));
            Note(line);
            return 0;
        }
        Note(msg_with("BIY_CONTINUE", mcinprocess_desc(paused)));
        continuing = true;
        left = dp_leftmins(paused);
        spent = dp_spentmins(paused);
    }

    BuildingRecord record;
    if (!read_building_record(structure, continuing, 0, record)) return 0;
    GlobalRaksaData = record.job;
    const char *name = record.name, *header = record.header;
    const int development = Tekoheader_kehitys(header), bonus = Tekoheader_bonus(header);
    const int assist = Tekoheader_apuvoimat(header);
    const unsigned flags = ASSIST_FLAGS[assist < 0 ? 0 : assist > 3 ? 3 : assist];
    int minutes = (int)GlobalRaksaData.minutes;
    if (continuing && spent > 0) minutes = left > 1 ? left : 1;

    if (puuhausvammaus(-1, (int)GlobalRaksaData.condflags, (int)GlobalRaksaData.effort, txt_toimia(ACTION_BUILD))) return 0;
    if (const char *refusal = placement_refusal(structure, header, x, y)) {
        Note(refusal);
        return 0;
    }
    if (!square_clear(x, y)) {
        Note("!The chosen location must be clear of any objects.");
        return 0;
    }
    if (!Kay_Tarvikelista(name)) return 0;
    Check_SocRawMaterial_Theft();
    breachrun_mischief(0, ACTION_BUILD, 3);
    if (!continuing) Tyhjenna_Kohta(x, y);
    const int tools = Tarvikelista_Tyokalukelpoisuus(-1);
    const int roll = Kayta_Taitoa(Physical_Penalty(), bonus, "BUILDING", development);
    if (!continuing) minutes = tyoaikamuutos(minutes, tools, roll);

    Note("You start building...");
    copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "TREECHOP");
    Heading();
    AsetaPonnistelu(-1, (int)GlobalRaksaData.effort);
    if (!spend(minutes, 0, "BUILDING", spent, flags + SPF_LONG5)) {
        if (!SPEND_CRAFTPAUSE) {
            Palauta_Kaytetyt_Tarvikkeet();
            return 0;
        }
        const int job = paused_at(x, y);
        if (job >= 0) dp_addmins(job, SPEND_MINDONE);
        else set_build_pause(x, y, structure, spent + SPEND_MINDONE, minutes);
        Jaadyta_Tarvikkeet_Maasta_Kohtaan(x, y, structure);
        Poista_Kaytetyt_Tarvikkeet();
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    clear_mcinprocess(x, y);
    set_mapchar(x, y, structure);
    Tyhjenna_PINTA(x, y);
    if (structure == CH_FRAMEWORK)
        Note("Ok. Kota may be now built around the framework in a free form with maximum diameter of six meters from wall "
             "to wall.");
    else
        Note("Ok. You finish the current building job.");
    game_course_hooks(structure);
    return 1;
}
