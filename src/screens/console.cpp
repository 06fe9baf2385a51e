// src/screens/console.cpp -- the developer console: its guard, the single action keys with the
// switches they flip, and the creature questionnaire. The typed line is console_cmds*.cpp.
#include "screens/console.h"
#include "screens/gamescreens.h"

#include "creatures/skills.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/maintenance.h"
#include "game/clockupkeep.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/weatherengine.h"
#include "game/wizard.h"
#include "creatures/cremove.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "creatures/healing.h"
#include "creatures/perception.h"
#include "creatures/wounding.h"
#include "items/inventory.h"
#include "items/invsel.h"
#include "items/items.h"
#include "items/itemdefs.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/picker.h"
#include "presentation/show.h"
#include "core/player.h"
#include "base/debuglog.h"
#include "core/obj_func.h"

#include <cstdarg>
#include "maps/rooms.h"
#include "core/weather.h"
#include "maps/zoomstore.h"
#include "items/ownership.h"
#include "maps/directions.h"
#include "society/village.h"
#include "game/loader.h"
#include "game/mapupkeep.h"
#include "worldgen/localgen.h"
#include "base/ownlib.h"
#include "creatures/doors.h"
#include "maps/worldsearch.h"
#include "maps/burning.h"
#include "creatures/crefile.h"
#include "creatures/predicates.h"
#include "creatures/body.h"

#include <cstdio>
#include <cstring>

// The two guard keys, tested one at a time before the action key.
enum { GUARD_FIRST = 'k', GUARD_SECOND = 'j' };

void console_say(const char *fmt, ...) {
    char text[NOTE_SIZE];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(text, sizeof text, fmt, ap);
    va_end(ap);
    Note(text);
}

const char *console_ask_text(const char *prompt, int maxlen, unsigned colour) {
    if (prompt && prompt[0]) Note(prompt);
    return getst(colour, maxlen);
}

int console_ask_number(const char *prompt, int maxlen, unsigned colour) {
    return wizard_number(console_ask_text(prompt, maxlen, colour));
}

void console_place_item(const ItemStruct &item) {
    const int n = Luo_Esineen_Itempos(item);
    if (n > 0) set_data(DT_ITEM, PlayerX, PlayerY, n, 1);
}

int console_pick_creature(const char *prompt) {
    if (!OtaKohta(prompt)) return -1;
    return cre_xy(GeneralX, GeneralY);
}

int console_place_real_creature(int x, int y) {
    if (cre_file_records() < 0) return 0;
    bool free_slot = false;
    for (int s = 0; s < CRE_COUNT && !free_slot; s++) free_slot = RealCreaturePos[s] == 0 && Cre[s].kind == 0;
    if (!free_slot) return 0;   // nothing written that no slot could take
    const int number = SaveNewRealCreature(Creature);
    if (number < CRE_DATAID) return 0;
    const int id = lisaa_realcreature(number, 0);
    if (id < CRE_DATAID || id >= CRE_DATAID + CRE_COUNT) return 0;
    set_data(DT_CREATURE, x, y, id, 1);
    for (const DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id == (uint32_t)id) return id;
    // The pool had no room: the slot is let go again, the record stays in the file.
    Cre[id - CRE_DATAID].kind = 0;
    RealCreaturePos[id - CRE_DATAID] = 0;
    return 0;
}

// A key that is not a code of its own (0 is nothing pressed).
static int read_key() {
    int k;
    do k = getkey();
    while (k == 0);
    return k;
}

// ---- the action keys -----------------------------------------------------------------------------

static const char *const SUCCESS_MODES[5] = {
    "wizard suc - off", "wizard suc - random", "wizard suc - ML 80%, random", "wizard suc - CF always",
    "wizard suc - CS always",
};

static void key_success_mode() {
    WIZARD_randomsuccess = (WIZARD_randomsuccess + 1) % 5;
    Note(SUCCESS_MODES[WIZARD_randomsuccess]);
}

static void key_needs() {
    console_say("vatsa: %d jano: %d energia: %d %d:%d", (int)Plr.stomach, (int)Plr.thirst, (int)Plr.energy,
                (int)Plr.hour, (int)Plr.minute);
}

static void key_room() {
    Note("Ota og huone");
    if (!OtaKohta("")) return;
    const int rx = GeneralX, ry = GeneralY;
    Note("Ota koordinaatti");
    if (!OtaKohta("")) return;
    const int cx = GeneralX, cy = GeneralY;
    console_say("onkohuone og: %d", onkohuone(rx, ry));
    console_say("onkohuonessa koordinaatti %d", onkohuoneessa_koordinaatti(rx, ry, cx, cy));
    onkohuone(rx, ry);             // the room's figures are those of the first square
    console_say("Koko: %d Lampo: %d", TILA_koko, TILA_lampo);
    console_say("Huonel\344mp\366: %d", TILA_huonelampo);
    Note("mittastart");
    console_say("Mitattu: %.2f", (double)Mittaa_Lampotila(rx, ry));
    LampotilaTarkastus();
    console_say("allowdoorclose %d", allowdoorclose(cx, cy));
}

static void key_skill_test() {
    char name[24];
    copy_bounded(name, sizeof name, getst(255, 20));
    for (char *p = name; *p; p++)
        if (*p >= 'a' && *p <= 'z') *p = (char)(*p - 32);
    console_say("%s:%d", name, Skill_ML(CRE_PLAYER, name));
    for (int i = 0; i < 1000; i++) Kayta_Taitoa(0, 0, name, 0);
    console_say("100*v = %s:%d", name, Skill_ML(CRE_PLAYER, name));
    Plr.hour = 23;
    wizard_weather_restart();
    hourly_check();
}

static void key_hour() {
    Plr.hour++;
    Plr.minutes += 60;
    Plr.minute = 30;
    hourly_check();
}

static void key_teleport() {
    Note("teleport:");
    const int x = wizard_number(getst(255, 10));
    const int y = wizard_number(getst(255, 10));
    if (!wizard_teleport(x, y)) console_say("!%d,%d is not on this map.", x, y);
}

static void key_location() {
    const int ch = get_alltime_maailmachar((int)Plr.world_x, (int)Plr.world_y);
    console_say("PlaeyrX,Y: %d,%d ISO %d %d [%d]", PlayerX, PlayerY, (int)Plr.world_x, (int)Plr.world_y, ch);
    console_say("mintick: %u", Plr.minutes);
    console_say("%.*s", (int)strnlen(Plr.mapname, sizeof Plr.mapname), Plr.mapname);
    Note(ZoomMapPos(IsoX(), IsoY()) ? "Zoom yes" : "Zoom nada");
    console_say("alltime: %d", ch);
    console_say("Zoom-out loc x,y: %d,%d", Mapinfo_LastX(PlayerX, PlayerY), Mapinfo_LastY(PlayerX, PlayerY));
    if (bigmap()) console_say("socid: %u own:%d", Mapinfo_socID(PlayerX, PlayerY), (int)own_bigmaploc(PlayerX, PlayerY).soc);
}

static void key_morning() {
    Plr.hour = 7;
    Plr.minute = 55;
    Plr.last_upkeep_day = 31;
    wizard_weather_restart();
    hourly_check();
}

static void key_month() {
    const int m = console_ask_number("Month change:", 10, 255);
    if (!wizard_set_month(m)) {
        console_say("!Month %d is not a month.", m);
        return;
    }
    console_say("Day %d Month %d", (int)Plr.day, (int)Plr.month);
    clockbox();
}

static void key_kill() {
    const int n = console_pick_creature("");
    if (n < 0) return;
    Cre[n].killer = -1;
    KillCreature(n, 0);
}

static void key_square() {
    if (ValitseLokaatio(4, "")) {
        const int x = GeneralX, y = GeneralY;
        console_say("%d", reldir(CRE_PLAYER, x, y));
        Note("#L\344mp\366arvot");
        console_say("Uusi Arvo: %d", lampoarvo(x, y, 0));
        console_say("Vanha Arvo: %d", ota_lampoarvo(x, y, 0));
        if (bigmap()) {
            console_say("isokartta_saari: %d", isokartta_saari(x, y));
            console_say("WordLocation: %s", navitxt_WorldLocation(x, y));
            console_say("Suolampi: %d", Onko_Reviiri(x, y, 2));
        }
    }
    DEBUG_kasveja_aina = !DEBUG_kasveja_aina;
    console_say("DEBUG_kasveja_aina: %d", DEBUG_kasveja_aina);
}

static void key_days() {
    const int n = console_ask_number("Pass how many days:", 10, 255);
    wizard_pass_days(n);
}

static void key_object() {
    char name[52];
    copy_bounded(name, sizeof name, getst(255, 50));
    for (char *p = name; *p; p++)
        if (*p >= 'a' && *p <= 'z') *p = (char)(*p - 32);
    const int count = console_ask_number("how many?", 50, 255);
    const int def = object(name, 0);
    if (def > 0 && count > 0) set_data(DT_ITEM, PlayerX, PlayerY, def, count > 65535 ? 65535 : count);
}

static void key_square_list() {
    for (const DataStruct &d : Data)
        if (d.type != DT_UNUSED && d.x == PlayerX && d.y == PlayerY)
            console_say("T:%d D:%u C:%d", (int)d.type, d.id, (int)d.count);
    selslot("ITEMINFO", "", 0, 0, 0);
}

static void key_wanderer() {
    const int n = console_ask_number("", 20, 255);
    set_data(DT_ENCOUNTER, PlayerX, PlayerY, n, 0);
}

static int pick_item(const char *verb, ItemStruct &out) {
    const int slot = selslot("ITEMINFO", verb, 0, 0, 0);
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] <= 0) return -1;
    ObjToItem(out, Plr.inv_obj[slot]);
    return slot;
}

static void key_compare() {
    ItemStruct a{}, b{};
    if (pick_item("", a) < 0 || pick_item("", b) < 0) return;
    Note(ItemStructsEqual(a, b) ? "equal" : "not equal");
}

static void key_tweak() {
    ItemStruct it{};
    const int slot = pick_item("tweak", it);
    if (slot < 0) return;
    const int grade = console_ask_number("set quality?", 10, 10);
    ItemSet_laatu(grade, it);
    ItemSet_laatutieto(1, it);
    if (KyllaEi("recognize?")) it.plantname = 1;
    ItemToObjpos(it, Plr.inv_obj[slot]);
}

static void key_helm() {
    const int def = object("Iron helm", 1);
    if (def <= 0) return;
    ItemStruct it{};
    ObjToItem(it, def);
    RAWITEMLINE_go("[ARMOUR_COVERAGE:calf knee foot]", &it);
    console_place_item(it);
}

static void key_midnight() {
    Plr.hour = 25;
    Time();
    Plr.hour = 8;
    TurnUsed = 1;
}

void creature_questionnaire(int n);   // console_creature.cpp

static void action(int key) {
    switch (key) {
    case KEY_ENTER: {
        Note("?>");
        char line[1024];
        copy_bounded(line, sizeof line, getst(0, 20));
        console_run_line(line);
        break;
    }
    case '3': flushvilpool((int)Mapinfo_socID(IsoX(), IsoY())); break;
    case 'f':
        WIZARD_npcfreeze = !WIZARD_npcfreeze;
        console_say("frz %d", WIZARD_npcfreeze);
        break;
    case 'w':
        WIZARD_nodamage = !WIZARD_nodamage;
        console_say("nodmg %d", WIZARD_nodamage);
        break;
    case 'h': Wizard_Haavoita(); break;
    case ',': areal_food_spoil(1); break;
    case '0': {
        const int n = console_pick_creature("");
        if (n >= 0) creature_questionnaire(n);
        break;
    }
    case 's': key_success_mode(); break;
    case 'c':
        CLOAK = !CLOAK;
        Note(CLOAK ? "Wizard: Cloaking on" : "Wizard: Cloaking off");
        break;
    case 'v':
        INVISIBLE = !INVISIBLE;
        console_say("inv %d", INVISIBLE);
        break;
    case 'u': key_needs(); break;
    case 'o': key_room(); break;
    case 'e':
        Note("dea");
        DEBUG_aika_ja_esineet = !DEBUG_aika_ja_esineet;
        break;
    case '-': DEBUG_spend_pass = !DEBUG_spend_pass; break;
    case 'y': key_skill_test(); break;
    case 'i': DEBUG_INFO = !DEBUG_INFO; break;
    case '+': key_hour(); break;
    case 'l': console_say("last: %d now: %u", Mapinfo_LastDay(PlayerX, PlayerY), Plr.daynumber); break;
    case 't': key_teleport(); break;
    case 'z': key_location(); break;
    case 'P': memset(Data, 0, sizeof(DataStruct) * DATA_MAX); break;
    case 'a': key_morning(); break;
    case 'p':
        for (int slot = 0; slot < 20; slot++) HealInjury(slot, 500);
        break;
    case 'm': key_month(); break;
    case 'k': key_kill(); break;
    case 'x': key_square(); break;
    case 'b': WIZ_NAKO = !WIZ_NAKO; break;
    case 'd': key_days(); break;
    case '1': key_object(); break;
    case '2': set_mapchar(PlayerX + 5, PlayerY, 239); break;
    case 'n': pystyta_kulttuurileiri(PlayerX, PlayerY, 30, 11); break;
    case '4': console_datalist(); break;
    case '8': key_square_list(); break;
    case '5': key_wanderer(); break;
    case 'g': key_compare(); break;
    case '6': key_helm(); break;
    case '7': console_item_report(); break;
    case 'q': key_tweak(); break;
    case '.': key_midnight(); break;
    case '9': RUN_OBJMAINT = 1; break;
    default: break;
    }
}

void wizard_screen() {
    if (read_key() != GUARD_FIRST) return;
    if (read_key() != GUARD_SECOND) return;
    action(read_key());
}
