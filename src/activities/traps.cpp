// src/activities/traps.cpp -- traps (see traps.h): the trapping menu, the trap kinds with their
// materials, times and catches, setting, baiting, re-arming and taking down, springing and holding,
// and the lure pass at map entry.
#include "activities/traps.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "activities/actions.h"
#include "activities/activities.h"
#include "activities/food.h"
#include "core/commandcodes.h"
#include "creatures/skills.h"
#include "items/wornmagic.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "maps/spiritdata.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "maps/squareevents.h"
#include "core/tekstit.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/breaches.h"
#include "creatures/condition.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/wounds.h"
#include "items/inventory.h"
#include "items/invsel.h"
#include "items/items.h"
#include "items/matching.h"
#include "items/materials.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/picker.h"
#include "maps/rooms.h"
#include "maps/sight.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

int asetus_bonus;

enum {
    CH_DUG_PIT = 21,
    MEANS_HARESNARE = 90,
    KIND_BEAR_BLOCK = 24,          // seals: never lured
    TASK_TRAP_SET = 6, TASK_TRAP_VISITED = 22,
    OVERTRAP_SOME = 35, OVERTRAP_MANY = 99,
};

int Tee_Lista_Ansamateriaaleista(int code) {
    Tyhjaa_Tarvikelista();
    const TrapKind *k = trap_kind_of(code);
    if (!k) return 0;
    for (const TrapLine &l : k->lines) {
        if (!l.id) break;
        Tyhjaa_Tarvike();
        Tarvike.id = (uint32_t)l.id;
        Tarvike.count = (uint32_t)l.count;
        Tarvike.remove = (uint8_t)l.consume;
        Tarvike.length = (uint32_t)l.length;
        Tarvike.ground = (uint8_t)l.ground;
        Lisaa_Tarvike();
    }
    asetus_bonus = k->bonus;
    return k->minutes;
}

// ---- the set traps of an area ------------------------------------------------------------------

int AnsaZoomAreaCount(int x, int y) {
    const bool near = x != 0 && y != 0;
    int n = 0;
    for (const DataStruct &d : Data) {
        if (d.type != DT_TRAP || d.extra != TRAP_ARMED) continue;
        if (near && (d.x < x - 32 || d.x > x + 32 || d.y < y - 32 || d.y > y + 32)) continue;
        n++;
    }
    return n;
}

// ---- setting ----------------------------------------------------------------------------------

static const char *lower_action(int code) { return txt_toimia(code); }

// The quality of a fresh setting.
static int setting_quality(bool favoured_item) {
    int r = Kayta_Taitoa(0, asetus_bonus, "TRAPPING", LEARN_NORMAL);
    if (PVAM_EMERGENCY && r > 1) r = 1;
    if (favoured_item && r < 2) r = 2;
    if (DEBUG_INFO) {
        char line[60];
        bprintf(line, sizeof line, "Ansan asetuksen laatu: %d", r);
        DebugNote(line);
    }
    return r;
}

// A portable trap item in pack slot `slot`.
static bool portable_in_slot(int slot, ItemStruct &it) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0 || Plr.inv_count[slot] <= 0) return false;
    it = ObjToItem(Plr.inv_obj[slot]);
    return it.type == IT_TOOL && it.subtype == ST_TRAP;
}

// The forest guardian's anger at too many set traps around the one just set at x, y.
static void overtrapping(int x, int y) {
    const int around = AnsaZoomAreaCount(x, y);
    if (around > OVERTRAP_SOME) set_SpiritData_mood(x, y, SPIRIT_OF_FOREST, -1);
    if (around > OVERTRAP_MANY) set_SpiritData_mood(x, y, SPIRIT_OF_FOREST, -2);
}

static int rearm(int x, int y) {
    const int n = get_datatype(DT_TRAP, x, y);
    if (!is_trap_record(n)) {
        Note("!There's no trap construction! Only trap constructions that are fixed, not single items, can be "
             "re-triggered.");
        return 0;
    }
    DataStruct &t = Data[n];
    if (t.extra == TRAP_ARMED || (t.extra == TRAP_SPRUNG && get_datatype(DT_CREATURE, x, y) >= 0)) {
        Note("!The trap is in use, there's no need to trigger it again.");
        return 0;
    }
    int minutes = REARM_PORTABLE_MINUTES;
    if (trap_portable(t)) asetus_bonus = BONUS_PORTABLE;
    else minutes = (Tee_Lista_Ansamateriaaleista((int)t.id) + 2) / 3;
    if (minutes <= 0) minutes = REARM_PORTABLE_MINUTES;
    if (!realbasicspend(minutes, 0, "RE-TRIGGERING THE TRAP", 0)) return 0;
    if (!is_trap_record(n) || Data[n].x != x || Data[n].y != y) return 0;   // gone while she worked
    Data[n].extra = TRAP_ARMED;
    ItemStruct it;
    const bool favoured = trap_portable(Data[n]) && trap_item(Data[n], it) && it.magic == '!';
    Data[n].count = (uint16_t)setting_quality(favoured);
    char line[200];
    bprintf(line, sizeof line, ":@The %s is now set and readied. Don't forget to check it after a day or two.",
            Ansan_Nimi(n));
    Note(line);
    overtrapping(x, y);
    return 0;
}

int AsetaAnsa(int code, int slot) {
    if (non_outdoor()) return 0;
    if (code == ACTION_RESET_TRAP) {
        if (!OtaKohta_Suunta("a trap to trigger again")) return 0;
        return rearm(GeneralX, GeneralY);
    }
    const bool carried = code == ACTION_SET_TRAP;
    if (!carried && !trap_kind_of(code)) return 0;
    if (code == ACTION_TRAP_PIT || code == ACTION_STAKED_PIT) {
        const int c = OtaKohta_Suunta("where is your trap pit");
        if (!c) return 0;
        if (c != CH_DUG_PIT) {
            Note("!First you need to dig a pit over there! So apply your shovel first. Only then you can make it a "
                 "trap pit.");
            return 0;
        }
    } else if (!OtaTyhja_Suunta("where to set the trap")) {
        return 0;
    }
    const int x = GeneralX, y = GeneralY;
    if (get_datatype(DT_TRAP, x, y) >= 0) {
        Note("!There's a trap already! Disassemble the previous trap first if you want to set a new one to that "
             "location.");
        return 0;
    }
    ItemStruct it;
    int minutes = PORTABLE_MINUTES;
    if (carried) {
        if (!portable_in_slot(slot, it)) return 0;
    } else {
        minutes = Tee_Lista_Ansamateriaaleista(code);
        if (puuhausvammaus(CRE_PLAYER, 36, 0, lower_action(code))) return 0;
        if (!Kay_Tarvikelista(Toiminta(code))) {
            Palauta_Kaytetyt_Tarvikkeet();
            return 0;
        }
    }
    breachrun_mischief(0, code, 2);
    Heading();
    if (!realbasicspend(minutes * (PVAM_EMERGENCY ? 4 : 1), 0, "SETTING THE TRAP", carried ? 0 : 384)) {
        if (!carried) Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    ClearDTEMP();
    if (carried) {
        if (!portable_in_slot(slot, it)) return 0;   // the trap left her pack while she worked
        const int obj = Plr.inv_obj[slot];
        Poista_PlrItem(slot, 1);
        DTEMP.id = (uint32_t)obj;
        DTEMP.flags = TRAPF_PORTABLE;
        asetus_bonus = BONUS_PORTABLE;
        if (it.id == OID_LOOP_SNARE && taikakeino_tuttu(MEANS_HARESNARE, 0) &&
            hasmagic_worn(CRE_PLAYER, 0, "[haresnare mittens]")) {
            DTEMP.flags |= TRAPF_FAVOURED;
            set_SpiritData_mood(x, y, SPIRIT_OF_FOREST, 2);
        }
    } else {
        world_services.course_task_check(TASK_TRAP_SET);
        Jaadyta_Tarvikkeet_Maasta_Kohtaan(x, y, TRAP_MATERIAL_MARK);
        Jaadyta_Kaytetyt_Tarvikkeet_Kohtaan(x, y, TRAP_MATERIAL_MARK);
        Poista_Kaytetyt_Tarvikkeet();
        DTEMP.id = (uint32_t)code;
    }
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.type = DT_TRAP;
    DTEMP.extra = TRAP_ARMED;
    DTEMP.count = (uint16_t)setting_quality(carried && it.magic == '!');
    const uint32_t obj = DTEMP.id;
    const int n = SetDTEMP(-1);
    if (n < 0) {
        // No room in the pool: the trap item goes back to her pack rather than vanish.
        if (carried) Lisaa_Jaon_Loput((int)obj, 1, 1, -1);   // hers already: a full pack keeps it
        Note("!There is no room to set anything more here.");
        return 0;
    }
    char line[200];
    bprintf(line, sizeof line, ":@The %s is now set and readied. Don't forget to check it after a day or two.",
            Ansan_Nimi(n));
    Note(line);
    overtrapping(x, y);
    return 0;
}

// ---- baiting and taking down ---------------------------------------------------------------------

int trap_improve(int mode) {
    int x = 0, y = 0;
    if (!askdir_datatype("location of the trap", DT_TRAP, &x, &y, 0)) return 0;
    if (x == 0 && y == 0) return 0;
    if (get_datatype(DT_TRAP, x, y) < 0) {
        Note("!There is no trap!");
        return 0;
    }
    if (mode != 2) return 1;
    const int slot = selslot("What do you want to use as a bait?", "bait the trap with", SEL_WRONG_TYPE, IT_FOOD, 0);
    if (slot == INVSEL_NOTHING) {
        Note(nothingto("use as a bait"));
        return 0;
    }
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0) return 0;
    const int obj = Plr.inv_obj[slot];
    if (Poista_PlrItem(slot, 1) < 1) return 0;
    set_data(DT_ITEM, x, y, obj, 1);
    esineet_paikkatarkistus(x, y);
    Note("+Ok. The bait has been set.");
    Note("(Simply throwing or pushing a bait on the trap works also)");
    return 1;
}

int Pura_Ansa() {
    int x = 0, y = 0;
    if (!askdir_datatype("select a trap", DT_TRAP, &x, &y, 0)) return 0;
    const int n = get_datatype(DT_TRAP, x, y);
    if (!is_trap_record(n)) {
        Note("!There's no trap!");
        return 0;
    }
    if (puuhausvammaus(CRE_PLAYER, 48, 0, lower_action(ACTION_DISASSEMBLE_TRAP))) return 0;
    char name[SBUF_SIZE];
    copy_bounded(name, sizeof name, Ansan_Nimi(n));
    const bool carried = trap_portable(Data[n]);
    if (PaastaAnsa(n)) {
        char line[SBUF_SIZE + 40];
        bprintf(line, sizeof line, "+You trigger and release the %s.", name);
        Note(line);
    }
    if (carried) {
        // A portable trap that was let go already lies there as its item; one naming no item is cleared.
        if (is_trap_record(n) && Data[n].x == x && Data[n].y == y) {
            if (trap_item_number(Data[n].id)) {
                Data[n].type = DT_ITEM;
                Data[n].count = 1;
                Data[n].flags = 0;
            } else {
                CrunchData(n);
            }
        }
        return 1;
    }
    if (!basicspend(30, "DISASSEMBLING THE TRAP")) return 0;
    if (is_trap_record(n) && Data[n].x == x && Data[n].y == y) CrunchData(n);
    for (DataStruct &d : Data)
        if (d.type == DT_BOUND && d.x == x && d.y == y && d.extra == TRAP_MATERIAL_MARK) {
            d.type = DT_ITEM;
            d.flags = 0;
            d.extra = 0;
        }
    SNote1("Ok, you have disassembled the ", name, " now.");
    return 1;
}

// ---- the menu ------------------------------------------------------------------------------------

void Ansat() {
    Valinta_Tyhjaa();
    for (int i = 0; i < TRAP_KIND_COUNT; i++) {
        Valinta_LisaaToiminnalla('1' + i, Toiminta(TRAP_KINDS[i].code), TRAP_KINDS[i].code);
        Valinta_LisaaGameinfo(TRAP_KINDS[i].topic);
    }
    Valinta_LisaaTarkenteella('7', Esineen_Nimi(OID_FOX_TRAP), ACTION_CRAFT_ITEM, OID_FOX_TRAP);
    Valinta_LisaaTarkenteella('8', Esineen_Nimi(OID_LOOP_SNARE), ACTION_CRAFT_ITEM, OID_LOOP_SNARE);
    Valinta_LisaaGameinfo("LOOP SNARE");
    Valinta_Lisaa(-1, "");
    Valinta_LisaaToiminnalla('A', "Apply trap in your inventory", ACTION_APPLY);
    Valinta_Lisaa(-1, "");
    Valinta_LisaaTarkenteella('F', "Build trap-fence", ACTION_BUILD, 42);
    Valinta_LisaaGameinfo("TRAP-FENCE");
    Valinta_LisaaToiminnalla('B', "Bait a trap", ACTION_BAIT_TRAP);
    Valinta_LisaaToiminnalla('R', "Reset triggered trap", ACTION_RESET_TRAP);
    Valinta_LisaaToiminnalla('D', "Disassemble a trap construction", ACTION_DISASSEMBLE_TRAP);
    Valinta_Lisaa(-1, "");
    Valinta_Lisaa('?', "General trapping information");
    Valinta_LisaaGameinfo("TRAPPING");
    FLIP_map_OFF();
    TeeValinta("TRAPS");
    FLIP_map_ON();
    Valinta_Toimi();
}

// ---- the lure pass -------------------------------------------------------------------------------

// How often a wild species comes to a trap, per 5000, and the nature about the place it needs
// (world nature bits within `radius` cells; 0 anywhere).
struct Lure {
    int species, per5000;
    uint32_t nature;
    int radius;
};
enum : uint32_t { N_LAKE = 32, N_POND = 128, N_MOUNTAIN = 0x100, N_BARREN = 1, N_RIVER = 0x20000, N_CONIFER = 0x40000 };
static const Lure LURES[] = {
    {600, 1500, 0, 0},          // hare
    {601, 800, 0, 0},           // fox
    {602, 150, 0, 0},           // glutton
    {603, 400, N_MOUNTAIN | N_BARREN, 2},   // arctic fox
    {604, 1000, 0, 0},          // squirrel
    {605, 200, 0, 0},           // bear
    {608, 300, 0, 0},           // lynx
    {611, 300, 0, 0},           // wolf
    {612, 600, 0, 0},           // ermine
    {613, 150, 0, 0},           // wild boar
    {614, 150, 0, 0},           // wild sow
    {619, 200, 0, 0},           // reindeer
    {620, 200, 0, 0},           // forest reindeer
    {623, 300, N_LAKE | N_POND | N_RIVER, 1},   // beaver
    {624, 400, 0, 0},           // badger
    {625, 500, 0, 0},           // weasel
    {626, 600, N_CONIFER, 2},   // pine-marten
    {627, 400, 0, 0},           // polecat
    {660, 200, 0, 0},           // elk
};

int ansa_houkutusyritykset(int days, int quality) {
    if (days <= 0) return 0;
    int n = days == 1 ? 0 : days <= 4 ? 1 : 2;
    if (quality == 3) n += 2;
    else if (quality == 2) n += 1;
    return n;
}

int AnsaSpawnCONSTANTCRE(int n, int &x, int &y) {
    x = y = 0;
    if (!is_trap_record(n)) return TRAP_NONE;
    for (const Lure &l : LURES) {
        if (l.per5000 == 0) continue;
        get_defined(l.species, 0);
        if (Creature.kind == CK_NONE || Creature.kind == CK_HUMAN || Creature.kind == KIND_BEAR_BLOCK) continue;
        if (!VaikuttaakoAnsa(n, CRE_PLAYER)) continue;
        if (onko_NPC_lintu(CRE_PLAYER)) continue;
        if (random(5000) > l.per5000) continue;
        if (Creature.firstmonth != 0 && (Plr.month < Creature.firstmonth || Plr.month > Creature.lastmonth)) continue;
        x = PlayerX + 1;
        y = PlayerY - 1;
        if (!SpawnLoc(x, y, -1)) continue;   // the working record: the species just drawn
        if (l.nature) {
            const int wx = kohtaIsoX(x), wy = kohtaIsoY(y);
            if (is_settled_area(wx, wy, 0) || !Onko_Luontotyyppireviiri(wx, wy, l.nature, l.radius)) continue;
        }
        return l.species;
    }
    x = y = 0;
    return TRAP_NONE;
}

int (*trap_lure_pick)(int n, int &x, int &y) = AnsaSpawnCONSTANTCRE;

int AnsakelpoisiaAlueella(int n, int quality) {
    if (!is_trap_record(n)) return 0;
    for (const DataStruct &d : Data) {
        if (d.type != DT_CREATURE || d.id < CRE_DATAID) continue;
        const int c = (int)d.id - CRE_DATAID;
        if (c >= CRE_COUNT || Cre[c].kind == CK_NONE || Cre[c].mode == CM_CARCASS) continue;
        if (is_human(c) || onko_NPC_kesyelain(c) || !VaikuttaakoAnsa(n, c)) continue;
        if (quality >= 2 && !onko_NPC_lintu(c)) {
            const int third = maxenergiavaranto(c) / 3;
            if (Cre[c].energy > third) Cre[c].energy = (int16_t)third;
        }
        return 1;
    }
    return 0;
}

// The last-visit day of the local map holding x, y, looked up once for each of the 25 cells.
struct VisitDays {
    int wx[25], wy[25], day[25], n = 0;
    int of(int x, int y) {
        const int cx = kohtaIsoX(x), cy = kohtaIsoY(y);
        for (int i = 0; i < n; i++)
            if (wx[i] == cx && wy[i] == cy) return day[i];
        const int d = Mapinfo_LastDay(x, y);
        if (n < 25) wx[n] = cx, wy[n] = cy, day[n++] = d;
        return d;
    }
};

static void lure_pass() {
    int lured = 0, on_map = -1;
    bool rolled = false;
    VisitDays visits;
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_TRAP || Data[i].extra != TRAP_ARMED) continue;
        const int days = (int)((long long)Plr.daynumber - visits.of(Data[i].x, Data[i].y));
        if (days <= 0) continue;
        world_services.course_task_check(TASK_TRAP_VISITED);
        if (on_map < 0) on_map = AnsaZoomAreaCount(0, 0);
        if (on_map > TRAP_LURE_MAP_LIMIT) return;
        if (!rolled) {
            Kayta_Taitoa(0, 0, "TRAPPING", LEARN_THIRD);   // practice only
            rolled = true;
        }
        const int quality = Data[i].count;
        if (AnsakelpoisiaAlueella(i, quality)) continue;
        lured++;
        const int tries = ansa_houkutusyritykset(days, quality);
        for (int a = 0; a < tries; a++) {
            int x = 0, y = 0;
            const int t = trap_lure_pick(i, x, y);
            if (t == TRAP_NONE) continue;
            Luo_Olento(t);
            CreatureStruct c = Creature;
            const int id = new_creature_to_DATA(c);
            if (id >= CRE_DATAID && id < CRE_DATAID + CRE_COUNT) {
                set_data(DT_CREATURE, x, y, id, 1);
                world_services.course_task_check(TASK_CREATURE_TRAPPED);
            }
            break;
        }
        if (lured >= TRAP_LURED_MAX) return;
    }
}

void AnsaHoukutus() {
    if (bigmap()) return;
    lure_pass();
}
