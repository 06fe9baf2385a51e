// src/screens/console_cmds_play.cpp -- the console's commands that change the player, the clock, the
// maps, the items, the creatures, the villages and the quests.
#include "screens/console.h"

#include "activities/actions.h"
#include "activities/building.h"
#include "activities/harvest.h"
#include "activities/magic.h"
#include "activities/spirits.h"
#include "activities/timber.h"
#include "activities/tracking.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "game/mapupkeep.h"
#include "core/maintenance.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/records.h"
#include "game/scenario.h"
#include "core/tekstit.h"
#include "game/wizard.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/breaches.h"
#include "creatures/combat.h"
#include "creatures/condition.h"
#include "creatures/crefile.h"
#include "creatures/cremove.h"
#include "core/creatures.h"
#include "creatures/healing.h"
#include "creatures/perception.h"
#include "items/itemwear.h"
#include "items/items.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/mapquery.h"
#include "maps/marker.h"
#include "core/shading.h"
#include "maps/zoomstore.h"
#include "presentation/audio.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "quests/courses.h"
#include "society/questoffer.h"
#include "core/tehtavat.h"
#include "society/village.h"
#include "worldgen/culturegoods.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

#include "maps/picker.h"
#include "maps/mapdesc.h"
#include "core/config.h"
#include "creatures/physical.h"
#include "creatures/wounds.h"
#include "creatures/wounding.h"
#include "items/vessels.h"
#include "core/player.h"
#include "creatures/creation.h"
#include "creatures/outfit.h"
#include "creatures/puuha.h"
#include "items/itemdefs.h"
#include "maps/maps.h"
#include "society/meetings.h"
#include "society/reputation.h"
#include "worldgen/localgen.h"
#include "creatures/life.h"

#include <cstdio>
#include <cstring>

enum { MAGIC_HUNT_FLAG = 8 };

// A thing of the object table laid on her square with the ownership flags given; owner_soc names the
// society that owns it (0 keeps the table's).
static void put_named(const char *name, uint8_t ownflags, int village_owned, uint32_t owner_soc = 0) {
    const int def = object(name, 1);
    if (def <= 0) {
        console_say("!No %s in the object table.", name);
        return;
    }
    ItemStruct it{};
    ObjToItem(it, def);
    it.ownerflags = (uint8_t)(it.ownerflags | ownflags);
    if (owner_soc) it.ownersoc = owner_soc;
    const int n = Luo_Esineen_Itempos(it);
    if (n <= 0) return;
    if (village_owned)
        set_socowned_data(DT_ITEM, PlayerX, PlayerY, n, 1);
    else
        set_data(DT_ITEM, PlayerX, PlayerY, n, 1);
}

static void quest_flag(int *flag) {
    const int k = getkey();
    if (k == '1') {
        *flag = 1;
        Note("P");
    } else if (k == '0') {
        *flag = 0;
        Note("EP");
    }
}

static void cmd_gupd() {
    GUPD = !GUPD;
    NEWGFX = GUPD;
    Note(GUPD ? "gupd" : "no gupd");
}

static void cmd_fence() {
    for (int dy = -40; dy < 40; dy++) set_mapchar(PlayerX, PlayerY + dy, 42);
}

static void cmd_qkill() {
    char pattern[1200];
    snprintf(pattern, sizeof pattern, "%s/*.QST", CharacterPath);
    wild_remove(pattern);
    for (CreatureStruct &c : Cre) c.quest = 0;
    Creature.quest = 0;
    Note("qkilled");
}

static void cmd_qload() {
    const int id = console_ask_number("", 10, 255);
    static QuestStruct scratch;
    if (id > 0) loadQuest((uint32_t)id, scratch);
}

static void cmd_killall() {
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const long slot = (long)Data[i].id - CRE_DATAID;
        if (slot >= 0 && slot < CRE_COUNT) KillCreature((int)slot, 0);
    }
}

static void cmd_reloc() {
    if (!OtaKohta("")) return;
    const int x = GeneralX, y = GeneralY;
    Note("whereto");
    if (!OtaKohta("")) return;
    for (DataStruct &d : Data)
        if (d.type != DT_UNUSED && d.x == x && d.y == y) {
            d.x = (uint16_t)GeneralX;
            d.y = (uint16_t)GeneralY;
        }
}

static void cmd_setmc() {
    Note("setmc | select loc");
    if (!ValitseLokaatio(PICK_TARGET | PICK_UNSEEN | PICK_OWN_SQUARE, "")) return;
    const int x = GeneralX, y = GeneralY;
    const int mc = console_ask_number("setmc | mc num?", 5, 15);
    if (mc >= 0 && mc <= 255) set_mapchar(x, y, mc);
}

static bool is_rod(int object) {
    if (object <= 0) return false;
    ItemStruct it{};
    ObjToItem(it, object);
    char name[sizeof it.name + 1];
    copy_bounded(name, sizeof name, it.name);
    return strstr(name, " rod") || strstr(name, " ROD");
}

// The rods lying on the map and those in the packs of the creatures on it.
static void cmd_rod() {
    int lying = 0, carried = 0;
    for (const DataStruct &d : Data) {
        if (d.type == DT_ITEM && is_rod((int)d.id)) lying++;
        if (d.type != DT_CREATURE) continue;
        const long slot = (long)d.id - CRE_DATAID;
        if (slot < 0 || slot >= CRE_COUNT) continue;
        for (int32_t held : Cre[slot].pack) carried += is_rod(held);
    }
    console_say("rods %d+%d = %d", lying, carried, lying + carried);
}

static void cmd_snowtrack() {
    for (DataStruct &d : Data)
        if (d.type == 10 && d.flags != 0) d.flags--;
}

static void cmd_itemstress() {
    for (int i = 0; i < 49400; i++) {
        if (PlayerObj[i].type != 0) continue;
        PlayerObj[i] = PlayerObj[random(1000)];
        PlayerObj[i].fig[0] = (uint8_t)(random(100) + 1);
        PlayerObj[i].fig[1] = (uint8_t)(random(10) + 1);
    }
    WIZARD_objcount = 0;
}

static void cmd_sex() { Plr.sex = Plr.sex == 1 ? 2 : 1; }

static void cmd_tsk() { Tehtavan_Vaihe = 1; }

static void cmd_faint() {
    Plr.posture = 4;
    DISABLE_MAP = 0;
}

static void cmd_volume(int v) {
    AUDIO_MAIN_VOLUME = v;
    SetVolume(v);
}

static void cmd_scenario(int n) {
    Plr.scenario = n;
    start_scenario();
}

// "dq": a forced quest of a chosen kind for a chosen person.
static const struct {
    const char *question;
    int kind;
} DQ_KINDS[] = {
    {"Homeland escort", 37}, {"Collect branches", 72}, {"Forest spirit?", 52}, {"water folk?", 51},
    {"water folk?", 51},     {"Messenger?", 71},       {"Forest maids?", 50},  {"Treasuretale?", 100},
    {"Disoriented?", 38},    {"Animal Forest Cover", 35}, {"Items wanted", 40}, {"Stones for sauna", 70},
    {"Bird thief", 15},      {"Fetch Herbs", 3},       {"Old man's punt", 10}, {"Adventurere's Axe", 5},
    {"Homeland Robbers", 30}, {"Bewitched wolf", 20},
};

static void cmd_dq() {
    const int n = console_pick_creature("");
    if (n < 0) return;
    for (const auto &row : DQ_KINDS) {
        if (!KyllaEi(row.question)) continue;
        char tags[80];
        snprintf(tags, sizeof tags, "[forcequest:%d] [forcenpc:%d]", row.kind, n);
        SocQuestCreator(IsoX(), IsoY(), (int)Cre[n].community, tags);
        return;
    }
}

// A quest made here only where people live within three cells.
static void cmd_iniq() {
    if (is_settled_area(IsoX(), IsoY(), 3)) SocQuestCreator(IsoX(), IsoY(), 0, "");
}

static void cmd_sqcrt() {
    console_say("Creating quest for this soc area: %u", Mapinfo_socID(IsoX(), IsoY()));
    SocQuestCreator(IsoX(), IsoY(), 0, "");
}

static void cmd_debt() {
    console_say("globVilID %u", globVil.socid);
    GetGlobVil((int)Mapinfo_socID(IsoX(), IsoY()));
    vildebtrefresh(&globVil);
    console_say("after rumble globVilID %u", globVil.socid);
}

static void cmd_npcdmg() {
    const int n = console_pick_creature("");
    if (n < 0) return;
    const int part = RandomBodypart(2, n);
    HAAVOITA(n, 2, 18, part, Side, -1001);
    for (int k = 0; k < 20; k++)
        if (Cre[n].woundkind[k]) {
            if (Cre[n].woundlevel[k] < 255) Cre[n].woundlevel[k]++;
            break;
        }
}

static void cmd_bhunt() { magic_flag_today(MAGIC_HUNT_FLAG); }

// "vete", "tapio", "neito": the spirit as a real creature where it could appear now, or beside the
// player when nowhere fits. Only local maps hold spirits.
static void cmd_spirit(int code, const char *forcing) {
    if (bigmap()) return;
    int x = 0, y = 0;
    HaltijaSijainti(code, x, y);
    if (x == 0 && y == 0) {
        if (forcing) Note(forcing);
        x = PlayerX + 2;
        y = PlayerY + 2;
    }
    Luo_Olento(code);
    console_place_real_creature(x, y);
}

// "koiramies": a woodsman with his dog on a leash; no man, no dog.
static void cmd_koiramies() {
    Luo_Olento(540);
    if (!console_place_real_creature(PlayerX + 2, PlayerY + 2)) return;
    const uint32_t master = Creature.socialid;
    Luo_Olento(618);
    Creature.owner = (int32_t)master;
    Creature.ownerbits |= 1;
    console_place_real_creature(PlayerX + 3, PlayerY + 2);
}

// "fcover": a sheep hidden in the forest cover of the cell 3 east and 3 south, whose local map is made
// first when it has none.
static void cmd_fcover() {
    const int wx = IsoX() + 3, wy = IsoY() + 3;
    if (!in_grid(wx, wy)) return;
    if (!ZoomMapPos(wx, wy) && !spotgenerate(wx, wy, 0)) return;
    Luo_Olento(616);
    Creature.stateflags |= 128;
    if (cre_file_records() < 0) return;
    const int number = SaveNewRealCreature(Creature);
    if (!spawn_sotucre_on_zoommap(number, wx, wy)) Note("!No room for it there.");
}

// "ishoot": a thousand adventurers who keep away from raiders, straight into the creature file.
static void cmd_ishoot() {
    if (cre_file_records() < 0) return;
    static CreatureStruct one;
    for (int i = 0; i < 1000; i++) {
        synnyta_IHMISOLENTO(one, 550, Kulttuuri, 0);
        domorale_NjerpezAvoider(one);
        SaveNewRealCreature(one);
    }
}

// "antlers": the antlers of an elk and of a reindeer on the player's square.
static void cmd_antlers() {
    for (int species : {607, 619}) {
        Luo_Olento(species);
        const ItemStruct it = Luo_Sarvet(Creature);
        if (it.type != 0) console_place_item(it);
    }
}

static void cmd_missing() {
    char name[20];
    copy_bounded(name, sizeof name, console_ask_text("name?", 16, 255));
    if (name[0] != KEY_ESC) find_missing(name);
}

// A thing of the object table made anew with an id of its own and state 3; its stored number, 0 none.
static int new_marked_item(const char *name, uint32_t *id) {
    const int def = object(name, 1);
    if (def <= 0) {
        console_say("!No %s in the object table.", name);
        return 0;
    }
    ItemStruct it{};
    ObjToItem(it, def);
    it.origin = crID();
    it.state = 3;
    *id = it.origin;
    const int n = Luo_Esineen_Itempos(it);
    return n > 0 ? n : 0;
}

// "npcdo": a log on the player's square and a picked person set to carve a punt out of it.
static void cmd_npcdo() {
    uint32_t log_id = 0, punt_id = 0;
    const int log = new_marked_item("Log", &log_id);
    if (!log) return;
    set_data(DT_ITEM, PlayerX, PlayerY, log, 1);
    const int n = console_pick_creature("");
    if (n < 0) return;
    const int punt = new_marked_item("Punt", &punt_id);
    if (!punt) return;
    Keskeyta_Puuha(n, 0);
    CreatureStruct &c = Cre[n];
    c.Paapuuha = 1;
    c.mainwords[0] = (uint32_t)punt;
    c.mainwords[1] = 10;
    c.mainwords[2] = log_id;
}

// "soc": the report of the player's village and a few changes to it.
static void cmd_soc() {
    const int soc = (int)Mapinfo_socID(IsoX(), IsoY());
    if (!GetGlobVil(soc)) {
        Note("!No village here.");
        return;
    }
    VillageStruct &v = globVil;
    console_say("Socarea: %u", v.socid);
    console_say("credit: %.2f", (double)v.credit);
    console_say("soccenter: %d", v.centre_x == IsoX() && v.centre_y == IsoY());
    if (v.tradeban || v.tradeban_day) console_say("EMBARGO nfs: %d reset: %u", (int)v.tradeban, v.tradeban_day);
    if (v.generosity != 0.0f) console_say("GENEROSITY: %.2f", (double)v.generosity);
    console_say("#everdebt: %.2f generosity: %.2f", (double)v.everdebt, (double)v.generosity);
    console_say("socfam: %u", SocFam(-1000, &v));
    console_say("population: %d", socpopulation(soc));
    console_say("lastday: %u meets: %d meetgap: %d", v.lastvisit, (int)v.visits, (int)v.visitgap);
    console_say("suspicion: %d", (int)v.suspicion);
    console_say("soc isox,y: %d,%d", (int)v.centre_x, (int)v.centre_y);
    console_say("suspicion: %d", (int)v.suspicion);
    console_say("theft: %d", (int)v.theft);
    console_say("murder: %d", (int)v.murders);
    console_say("murder: %d", (int)v.murders);
    console_say("violence: %d", (int)v.violence);
    static RepSummary rep;
    socrepSummary(&rep, v);
    const struct {
        const char *label;
        const RepReport &r;
    } lines[] = {{"trade", rep.trade}, {"steal", rep.theft}, {"mischief", rep.mischief}, {"help", rep.help}};
    for (const auto &l : lines)
        console_say("%s: %d %.*s", l.label, (int)l.r.level, (int)strnlen(l.r.noun, sizeof l.r.noun), l.r.noun);
    v.lentaxe_day = KyllaEi("borrow axe") ? Plr.daynumber + 1 : 0;
    bool save = false;
    if (KyllaEi("credit")) {
        v.credit += 10.0f;
        v.wholereward += 10.0f;
        save = true;
    } else if (KyllaEi("Clear credit")) {
        v.credit = v.wholereward = 0.0f;
        save = true;
    }
    if (save && !SaveGlobVil()) Note("!The village could not be saved.");
    if (KyllaEi("fetch news")) socnews(soc, IsoX(), IsoY());
    if (KyllaEi("maint soc news")) socnews_maint(soc);
}

int console_world_command(int number);   // console_cmds_world.cpp; 1 when it was one of those

int console_player_command(int number) {
    if (console_world_command(number)) return 0;
    switch (number) {
    case 3: cmd_bhunt(); break;
    case 4:
        Siisti_DATA(100);
        Siivoa_DATA();
        break;
    case 6: wizard_skillboost(); break;
    case 11: magic_forget_all(); break;
    case 12: magic_knowledge_fill(255); break;
    case 16:
        NEWHEADINGBRANCH = !NEWHEADINGBRANCH;
        guiInit(RESOLUTION_X, RESOLUTION_Y);   // the note box takes the new layout's place and size
        break;
    case 17:
        USE_MAINTEXTURE = !USE_MAINTEXTURE;
        console_say("tex %d", USE_MAINTEXTURE);
        break;
    case 18: cmd_gupd(); break;
    case 22: memset(Data, 0, sizeof(DataStruct) * DATA_MAX); break;
    case 23: cmd_fence(); break;
    case 24: cmd_rod(); break;
    case 25:
        if (!KillRoll(CRE_PLAYER, 100)) PlayerDeath();
        break;
    case 26: GrabTest(); break;
    case 27: cmd_faint(); break;
    case 30: WildernessEncounter(); break;
    case 31: Tehtavat_Suoritettu(); break;
    case 32: SetMapShade(255, 255, 255); break;
    case 39:
        if (bigmap()) Kuulo_Aistimus();
        break;
    case 41: unleash_all(); break;
    case 42:
        if (!bigmap()) force_to_zoommap(IsoX() + 3, IsoY());
        break;
    case 45: globVil.tradeban = 1; break;
    case 46: cmd_debt(); break;
    case 48: SaveGlobVil(); break;
    case 49: claim_vil_items(IsoX(), IsoY()); break;
    case 51: unlethalize(0); break;
    case 52: magicharvest(); break;
    case 57: IHMISUHKA = 1; break;
    case 74: cmd_spirit(SPIRIT_WATER_FOLK, "forcing loc"); break;
    case 75: cmd_spirit(SPIRIT_OF_FOREST, "forcing loc"); break;
    case 76: cmd_spirit(SPIRIT_FOREST_MAID, nullptr); break;
    case 77: cmd_koiramies(); break;
    case 70:
        BRANCH_PATHMAKE = !BRANCH_PATHMAKE;
        FORCE_PATHMAKE = 0;
        console_say("pathmake: %d", BRANCH_PATHMAKE);
        break;
    case 78: CarcassMaintenance(); break;
    case 82: cmd_killall(); break;
    case 85: Tee_Vitsas(); break;
    case 89: WIZARD_objcount = !WIZARD_objcount; break;
    case 91: cmd_reloc(); break;
    case 92: cmd_qkill(); break;
    case 93: quest_flag(&QUEST_LOGGER); break;
    case 95: quest_flag(&KUESTIT_PIALLA); break;
    case 104: cmd_snowtrack(); break;
    case 105: cmd_fcover(); break;
    case 125: cmd_ishoot(); break;
    case 146: cmd_antlers(); break;
    case 152: cmd_missing(); break;
    case 154: cmd_npcdo(); break;
    case 161: cmd_soc(); break;
    case 112: cmd_iniq(); break;
    case 114: cmd_dq(); break;
    case 115: cmd_sex(); break;
    case 117: save_zoommap(IsoX(), IsoY(), 0); break;
    case 119:
        Note("start");
        zoommap_maintenance();
        Note("end");
        break;
    case 120: trackmaint(); break;
    case 121: DEBUG_KUESTILIPUT = 1, Note("1"); break;
    case 122: DEBUG_KUESTILIPUT = 2, Note("2"); break;
    case 123: DEBUG_KUESTILIPUT = 0, Note("0"); break;
    case 127: plr_set<int32_t>(PB_SLEEPINESS, 1500); break;
    case 128: plr_set<int32_t>(PB_SLEEPINESS, 1400); break;
    case 130: cmd_setmc(); break;
    case 134: cmd_itemstress(); break;
    case 135: plr_set<int32_t>(PB_SLEEPINESS, 3000); break;
    case 136: branchRakenna(196, 0); break;
    case 141: set_SpiritData_mood(PlayerX, PlayerY, 702, 1); break;
    case 147: put_named("Branch", 8, 1); break;
    case 148: {   // the travelling food of the world cell's culture, laid on her square
        const int n = KULTTUURIESINE_Eraruoka(blockculture(IsoX(), IsoY()));
        if (n > 0) set_data(DT_ITEM, PlayerX, PlayerY, n, 1);
        break;
    }
    case 151: field_maintenance(IsoX(), IsoY()); break;
    case 156: cmd_scenario(11); break;
    case 157: cmd_scenario(12); break;
    case 158: cmd_scenario(4); break;
    case 159: cmd_sqcrt(); break;
    case 160: put_named("Knife", 16, 0, Mapinfo_socID(IsoX(), IsoY())); break;   // lent by the village here
    case 163: cmd_qload(); break;
    case 164: cmd_tsk(); break;
    case 166: breachrun_banish((int)Mapinfo_socID(IsoX(), IsoY()), 0, 2); break;
    case 167: cmd_volume(10); break;
    case 168: cmd_volume(100); break;
    case 169: cmd_npcdmg(); break;
    default: break;
    }
    return 0;
}
