// src/screens/console_cmds_world.cpp -- the console's commands on places, creatures and spirits, the
// world map's cells and treasures, and the test answers of the conversation.
#include "screens/console.h"

#include "activities/activities.h"
#include "activities/magic.h"
#include "core/maintenance.h"
#include "activities/herblore.h"
#include "activities/spirits.h"
#include "activities/tools.h"
#include "activities/tracking.h"
#include "items/wornmagic.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "core/crefunc.h"
#include "core/player.h"
#include "creatures/creation.h"
#include "creatures/kindtable.h"
#include "creatures/outfit.h"
#include "items/itemwear.h"
#include "maps/area.h"
#include "maps/directions.h"
#include "maps/mapdesc.h"
#include "maps/kulttuuri.h"
#include "core/shading.h"
#include "maps/mapdraw.h"
#include "items/recipes.h"
#include "creatures/predicates.h"
#include "creatures/villagejudge.h"
#include "core/vilrecord.h"
#include "creatures/people.h"
#include "creatures/zoomservices.h"
#include "worldgen/encounter.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "activities/waterway.h"
#include "maps/picker.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"
#include "presentation/show.h"
#include "quests/lairs.h"
#include "quests/rewards.h"
#include "society/meetings.h"
#include "society/smalltalk.h"
#include "society/village.h"
#include "worldgen/culturegoods.h"
#include "worldgen/scenes.h"
#include "worldgen/worldgen.h"
#include "worldgen/localgen.h"
#include "presentation/windows.h"
#include "screens/creation.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static void cmd_murkku() {
    for (int dx = 0; dx < 64; dx++)
        for (int dy = 0; dy < 64; dy++)
            if (get_mapchar(PlayerX + dx, PlayerY + dy) == 29) console_say("x+ %d y+ ,%d on pesa", dx, dy);
}

static void cmd_sotu() {
    const int s = console_ask_number("", 20, 255);
    getsotucrstruct(Creature, (unsigned)s, 0);
}

static void cmd_keino() {
    int a, aa, b, bb;
    arvo_taikakeino(100, "", a, aa, b, bb);
    arvo_taikakeino(50, "", a, aa, b, bb);
}

static void cmd_ter() {
    Note(terdesc(IsoX(), IsoY(), 0));
    Note(navitxt_WorldLocation(IsoX(), IsoY()));
    const struct {
        const char *label;
        unsigned flags;
        int ch;
    } finds[] = {{"island %d,%d", BIGLOC_ISLAND, 0}, {"cave %d,%d", 0, CH_CAVE_MOUTH}, {"Cliff %d,%d", 0, CH_CAVE_WALL}};
    for (const auto &f : finds) {
        const UiPoint p = FindBigmapLoc(IsoX(), IsoY(), 0, 100, f.flags, 0, f.ch);
        console_say(f.label, p.x, p.y);
    }
}

// "aarreset" and "aarre": a treasure hidden near or far from the player's cell.
static void cmd_treasure(int min_distance, int max_distance) {
    char tags[100];
    copy_bounded(tags, sizeof tags, "[trscult:6]");
    const int culture = blockculture(IsoX(), IsoY());
    const UiPoint p = CreateTreasureLoc(IsoX(), IsoY(), min_distance, max_distance, 0, culture, tags, sizeof tags);
    if (p.x == 0 && p.y == 0) {
        Note("Not possible.");
        return;
    }
    console_say("Loc: %d,%d", p.x, p.y);
    char where[400];
    copy_bounded(where, sizeof where, navitxt_WorldLocation(p.x, p.y));
    Note(where);
    console_say("There's a treasure %s %s", TREASURESTR_aarrepaikka, where);
    console_say("The treasure is %s, %s. It's said to be %s.", TREASURESTR_piilotustapa, TREASURESTR_piilotuskohta,
                TREASURESTR_aarretyyppi);
}

static void cmd_robberspot() {
    robber_lair(IsoX(), IsoY(), (int)crID(), blockculture(IsoX(), IsoY()), random(4), 3);
}

static void cmd_name() {
    char line[NOTE_SIZE];
    for (const char *culture_name : {"Northf ", "Westf "}) {
        line[0] = 0;
        for (int i = 0; i < 100; i++) {
            char one[64];
            snprintf(one, sizeof one, "%s%s ", culture_name, RndHumanName("f", 8));
            strncat(line, one, sizeof line - strlen(line) - 1);
        }
        Note(line);
    }
}

static void cmd_setnpc() {
    Note("setnpc | select loc");
    if (!OtaKohta("")) return;
    const int x = GeneralX, y = GeneralY;
    const int code = console_ask_number("setmc | mc num?", 5, 15);
    if (code <= 0 || code >= CONSTANTCRE_COUNT) return;
    if (Luo_Olento(code) == 0) console_place_real_creature(x, y);
}

static void cmd_werewolf() {
    if (bigmap()) return;
    Luo_NoiduttuSusi(Creature);
    console_place_real_creature(PlayerX + 2, PlayerY + 2);
}

static void cmd_dtemp(const char *prompt, const char *done, uint8_t flag) {
    Note(prompt);
    if (!OtaKohta("")) return;
    DTEMP = DataStruct{};
    DTEMP.type = 64;
    DTEMP.x = (uint16_t)GeneralX;
    DTEMP.y = (uint16_t)GeneralY;
    DTEMP.flags = flag;
    if (SetDTEMP(-1) >= 0) Note(done);
}

static void cmd_stockpile() {
    DTEMP = DataStruct{};
    DTEMP.type = 113;
    DTEMP.id = 2;
    DTEMP.x = (uint16_t)PlayerX;
    DTEMP.y = (uint16_t)PlayerY;
    SetDTEMP(-1);
}

static void cmd_zoomremove() {
    if (!bigmap()) return;
    if (!OtaKohta("Select zoommap")) return;
    ZoomMap_Remove(GeneralX, GeneralY);
    Note("removed");
}

static void cmd_cp() {
    if (OtaKohta("")) cre_xy_select(GeneralX, GeneralY);
}

static void cmd_locname() {
    if (OtaKohta("")) Note(CurrentMapName(GeneralX, GeneralY, 0));
}

static void cmd_def() {
    const int id = console_ask_number("laumaid: ", 5, 15);
    uint8_t info[5] = {};
    GetCRSBasedSocInfo(info, id);
    console_say("dead: %d alive: %d met: %d", info[0], info[1], info[2]);
}

static void cmd_soccer() {
    if (!OtaKohta("")) return;
    const int x = GeneralX, y = GeneralY;
    if (ZoomMapPos(x, y) || Mapinfo_socID(x, y)) return;
    createsocarea(x, y, 1);
    socmaint(x, y);
}

static void cmd_objshoot() {
    for (int i = DATA_MAX - 1; i >= 0; i--) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.x != PlayerX || d.y != PlayerY) continue;
        const uint32_t id = d.id;
        for (int k = 0; k < 100; k++) set_data(DT_ITEM, PlayerX, PlayerY - k, (int)id, 1);
        return;
    }
}

static void cmd_plant() {
    Note("seasonal herb:");
    for (int i = 0; i < 4; i++) {
        const ItemStruct herb = seasonal_herb(IsoX(), IsoY(), "herb");
        console_say("%.*s", (int)strnlen(herb.name, sizeof herb.name), herb.name);
    }
}

static void cmd_valu() {
    for (int culture : {1, 8, 3, 12, 11}) {
        const int n = KULTTUURIESINE_Aarrekoru(culture);
        if (n > 0) set_data(DT_ITEM, PlayerX, PlayerY, n, 1);
    }
}

static void cmd_chat(const char *const *keys, int n) {
    for (int i = 0; i < n; i++) Note(CHATMSG(keys[i]));
}

// "chattest": the cached village's view of the player as the listener, nobody in particular talking.
static void cmd_chattest() {
    socrepSummary(&TARGET_REPSUMMARY, globVil);
    TARGET_NPC = -1;
    static const char *const keys[] = {"TRADE_LETS_BARTER", "TRADE_GENEROUS_DEAL", "DEMAND_PAYMENT"};
    cmd_chat(keys, 3);
}

static void cmd_sotufind() { find_missing_sotu((unsigned)console_ask_number("", 20, 255)); }

static void cmd_stock() {
    for (const DataStruct &d : Data)
        if (d.type == DT_ITEM) varastoi((int)d.id, d.count, 1, IsoX(), IsoY());
}

static void cmd_flow() {
    for (int i = 0; i < 10000; i++) MSG("MONTH_NAME:1");
}

static void cmd_neku() {
    console_say("cur %d", get_alltime_kulttuuri(IsoX(), IsoY()));
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy) console_say("%d", get_alltime_kulttuuri(IsoX() + dx, IsoY() + dy));
}

// "dusk", "dawn", "noon": the map shade of today at a given time.
static void cmd_shade(int hour, int minute, int wait_ms) {
    uint8_t rgb[3];
    GetCurrentMapShade(rgb, Plr.month, Plr.day, hour, minute);
    SetMapShade(rgb[0], rgb[1], rgb[2]);
    DrawMap();
    if (wait_ms) oxa_delay(wait_ms);
}

// "shadetest": the shade of the first of month 5 minute by minute from 04:00 to 19:59.
static void cmd_shadetest() {
    for (int t = 4 * 60; t < 20 * 60; t++) {
        uint8_t rgb[3];
        GetCurrentMapShade(rgb, 5, 1, t / 60, t % 60);
        SetMapShade(rgb[0], rgb[1], rgb[2]);
        DrawMap();
        FlipWithMap();
    }
}

// "mapshade": from white towards the blue of the twilight in 50 steps.
static void cmd_mapshade() {
    int r = 255, g = 255, b = 255;
    SetMapShade(r, g, b);
    for (int step = 0; step < 50; step++) {
        FadeToShade(&r, &g, &b, 1, 50 - step, 135, 164, 211);
        SetMapShade(r, g, b);
        DrawMap();
        FlipWithMap();
        oxa_delay(10);
    }
}

// "grab": the renderer grabbed into the slot "oma" and, after a key, shown, an empty renderer, and
// the slot shown again, each for a moment.
static void cmd_grabtest() {
    enum { GRAB_SHOW_MS = 500 };
    GrabSCR("oma");
    int k;
    do k = getkey();
    while (k == 0 || k == KEY_IDLE || k == KEY_WINDOW);
    ShowSCR("oma");
    oxa_delay(GRAB_SHOW_MS);
    if (ren) {
        SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
        SDL_RenderClear(ren);
        SDL_RenderPresent(ren);
    }
    oxa_delay(GRAB_SHOW_MS);
    RemoveShowSCR("oma");
    oxa_delay(GRAB_SHOW_MS);
}

// "btrap" and "spot": a scene laid into the stored local map of a world cell, made first when the
// cell has none.
static void cmd_scene(int cx, int cy, int bird_trap) {
    if (!spotgenerate(cx, cy, 0) || !load_zoommap(cx, cy)) {
        console_say("!%d,%d has no local map to lay the scene in.", cx, cy);
        return;
    }
    if (bird_trap)
        zoomscene_bird_trap_area(Plr.culture, "[bird theft]", 0);
    else
        zoomscene_adventurers_camp(-1000, 0, "[blood]");
    if (!save_zoommap(cx, cy, 0)) console_say("!The local map of %d,%d could not be stored.", cx, cy);
}

// "fieldtry": the fields of the player's stored local map sown anew and laid into the area.
static void cmd_fieldtry() {
    if (bigmap()) return;
    ZoomMap_Clear();
    if (!load_zoommap(IsoX(), IsoY())) {
        Note("!No stored local map here.");
        return;
    }
    DoField(1);
    zoomset_maailma(find_zoom_x(PlayerX, 0), find_zoom_y(PlayerY, 0));
}

// "maketrack": a picked animal's track laid on a picked square, leading away from the animal.
static void cmd_maketrack() {
    const int n = console_pick_creature("Valitse j\344lki\344 j\344tt\344v\344 el\344in?");
    if (n < 0) return;
    const int ax = GeneralX, ay = GeneralY;
    if (!OtaKohta("Valitse mihin j\344ljet laitetaan.")) return;
    const int x = GeneralX, y = GeneralY;
    const int dx = (x > ax) - (x < ax), dy = (y > ay) - (y < ay);
    tee_zoomjalki(n, x, y, x + (dx || dy ? dx : 1), y + dy);
}

static void cmd_relcover() {
    for (int i = DATA_MAX - 1; i >= 0; i--) {
        const DataStruct &d = Data[i];
        if (d.type != 10 || std::abs((int)d.x - PlayerX) > 1 || std::abs((int)d.y - PlayerY) > 1) continue;
        console_say("data, sotu: %u", d.id);
        console_say("rel:%d", sotu_forestcover_release(d.id));
        return;
    }
}

static void cmd_reach() {
    const int n = console_pick_creature("");
    if (n < 0) return;
    come_along(n, 0);
    console_say("canreach: %d", canreachloc(n, PlayerX, PlayerY));
    companyzoomcheck(1);
}

static void cmd_raw() {
    static AsciiRawStruct raw;
    read_asciiraw(RECIPE_DIY, "Club", &raw);
}

// 1 when the command was one of these.
int console_world_command(int number) {
    switch (number) {
    case 2: FindPeople(); break;
    case 5:
        for (int i = 0; i < 5880; i++) Kuluta_Kenkia(0, 1);
        break;
    case 7: cmd_murkku(); break;
    case 8: cmd_sotu(); break;
    case 13: invocation(); break;
    case 14: cmd_keino(); break;
    case 19: cmd_raw(); break;
    case 33: cmd_shade(20, 45, 100); break;
    case 34: cmd_shade(5, 15, 100); break;
    case 35: cmd_shade(12, 30, 0); break;
    case 36: cmd_shadetest(); break;
    case 37: cmd_grabtest(); break;
    case 38: cmd_mapshade(); break;
    case 44: SelectCampaign(); break;
    case 72: cmd_scene(IsoX(), IsoY(), 1); break;
    case 73: cmd_scene(IsoX() + 3, IsoY() + 3, 0); break;
    case 83: cmd_fieldtry(); break;
    case 145: cmd_maketrack(); break;
    case 81: cmd_neku(); break;
    case 103: cmd_relcover(); break;
    case 132: cmd_reach(); break;
    case 20: creature_swap(); break;
    case 21: AnsaHoukutus(); break;
    case 40:
        for (int i = 0; i < 40; i++) PopuloiZoomalue();
        break;
    case 54: cmd_flow(); break;
    case 55: guiInit(800, 600); break;
    case 56: cmd_stock(); break;
    case 60: cmd_ter(); break;
    case 61: GenerateReward_spell("[hunting] [fishing]"); break;
    case 63: cmd_treasure(1, 1); break;
    case 64: cmd_treasure(50, 200); break;
    case 79: cmd_robberspot(); break;
    case 88: console_say("bear teeth: %d", hasmagic_worn(CRE_PLAYER, 17, "")); break;
    case 97: cmd_soccer(); break;
    case 98: cmd_werewolf(); break;
    case 99: cmd_name(); break;
    case 100: cmd_setnpc(); break;
    case 101: cmd_dtemp("asento | select loc", "Asento set.", 4); break;
    case 102: cmd_dtemp("taimi | select loc", "taimi set.", 8); break;
    case 109: cmd_zoomremove(); break;
    case 113: cmd_cp(); break;
    case 116: cmd_locname(); break;
    case 126: cmd_objshoot(); break;
    case 129: cmd_def(); break;
    case 131: StatScreen(); break;
    case 133: transcap(CRE_PLAYER, PlayerX, PlayerY); break;
    case 137: cmd_chattest(); break;
    case 138: cmd_stockpile(); break;
    case 139: cmd_plant(); break;
    case 140: cmd_valu(); break;
    case 153: cmd_sotufind(); break;
    case 162: branch_applyShovel(0); break;
    case 165: {
        static const char *const keys[] = {"WOM_NEWS:many", "WOM_NEWS"};
        cmd_chat(keys, 2);
        break;
    }
    default: return 0;
    }
    return 1;
}
