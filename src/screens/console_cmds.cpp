// src/screens/console_cmds.cpp -- the console's typed line: the table of command words in number
// order, how a line matches them, and the commands that report (message lines and files).
#include "screens/console.h"

#include "activities/magic.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "game/mapupkeep.h"
#include "core/maintenance.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/pagan.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/weatherengine.h"
#include "game/wizard.h"
#include "core/creatures.h"
#include "items/herbarium.h"
#include "items/items.h"
#include "items/plants.h"
#include "items/quality.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/maps.h"
#include "presentation/show.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "society/village.h"

#include "creatures/skills.h"
#include "activities/spirits.h"
#include "activities/herblore.h"
#include "maps/marker.h"
#include "maps/mapdesc.h"
#include "maps/zoomstore.h"
#include "creatures/physical.h"
#include "items/invsel.h"
#include "creatures/predicates.h"
#include "maps/directions.h"
#include "maps/mapquery.h"
#include "maps/picker.h"
#include "screens/ancestors.h"

#include <algorithm>
#include <cstdlib>

#include <cctype>
#include <cstdio>
#include <cstring>

// Commands of the other console files.
int console_player_command(int number);      // console_cmds_play.cpp; 1 ends the line
int console_items_command(int number);       // console_cmds_items.cpp; 1 when it was one of those

// ---- reports ------------------------------------------------------------------------------------

static int today() { return dayofyear(Plr.day, Plr.month); }

// A summary over the last `days`, stored as the current one; the first day is held at day 1.
static std::pair<int, int> summary(int days, int &from) {
    from = today() - days;
    if (from < 1) from = 1;
    const std::pair<int, int> s = weatherengine.get_summary(0, from, today() > from ? today() : from + 1);
    SumWeather[0] = s.first;
    SumWeather[1] = s.second;
    return s;
}

static void cmd_sumsaa() {
    for (int days : {30, 90, 180}) {
        int from;
        const std::pair<int, int> s = summary(days, from);
        console_say("from %d to %d (last %d)", from, today(), days);
        console_say("avgtemp: %d avgrain %d", s.first, s.second);
    }
}

// Returns 1 when the console is to end at once.
static int cmd_saa() {
    int from;
    const std::pair<int, int> s = summary(30, from);
    const WeatherStruct &w = GlobWeather;
    console_say("Summary: (%d-%d) avgtemp: %d  avgrain: %d", from, today(), s.first, s.second);
    console_say("temp: %d rain: %d raintype: %d  wndspeed: %d", (int)w.temperature, (int)w.intensity, (int)w.rain_kind,
                (int)w.wind_str);
    console_say("snow: %d mm (%d cm) pilvisyys: %d", (int)w.snow_depth, (int)w.snow_depth / 10, (int)w.cloud);
    console_say("sa now: %d sa next: %d", (int)w.sun_alt, (int)w.sun_alt_next);
    console_say("CurDay: %d CurHour: %d (plrhour: %d)", today(), (int)Plr.hour, (int)Plr.hour);
    console_say("water temp: %d globweather.ice: %d", (int)w.water_temp, (int)w.water_temp);
    console_say("PLR bodytemp: %.2f", (double)Plr.body_temperature);
    if (KyllaEi("pilvia")) {
        const int c = GlobWeather.cloud + 15;
        GlobWeather.cloud = (int8_t)(c > 99 ? 0 : c);
        return 1;
    }
    if (KyllaEi("hirmupakkanen")) {
        GlobWeather.temperature = -35;
    } else if (KyllaEi("ohut jaa?")) {
        GlobWeather.water_temp = -10;
    } else if (KyllaEi("paksuhko jaa?")) {
        GlobWeather.water_temp = -100;
    } else if (KyllaEi("Lumisade?")) {
        if (GlobWeather.intensity < 3) GlobWeather.intensity++;
        GlobWeather.rain_kind = 3;
    } else if (KyllaEi("Vesisade?")) {
        if (GlobWeather.intensity < 3) GlobWeather.intensity++;
        GlobWeather.rain_kind = 1;
    }
    return 0;
}

static void cmd_vil() {
    int n = 0;
    for (int y = 0; y < WORLD_H; y++)
        for (int x = 0; x < WORLD_W; x++) {
            const int c = get_alltime_maailmachar(x, y);
            n += c == 210 || c == 211 || c == 239;
        }
    console_say("village %d", n);
}

static void cmd_pagan() {
    const PagantimeStruct d = pagantime(Plr.day, Plr.month);
    for (unsigned mode : {1u, 33u, 2u, 34u, 4u, 36u}) Note(pagandatedesc(d, mode));
}

static void cmd_fspot() {
    for (const DataStruct &d : Data)
        if (d.type == 118) console_say("sup %d,%d", (int)d.x, (int)d.y);
}

// The plant records name their plant by its definition row.
static void cmd_flora() {
    for (const DataStruct &d : Data) {
        const char *what = d.type == 9 ? "Growing" : d.type == 65 ? "Wintering" : d.type == 66 ? "Harvested" : nullptr;
        if (!what) continue;
        if (d.id > 0 && d.id < CONSTANTOBJ_ROWS) {
            const ItemStruct &plant = ConstantObj[d.id];
            console_say("%s %.*s", what, (int)strnlen(plant.name, sizeof plant.name), plant.name);
        } else {
            console_say("%s #%u", what, d.id);
        }
    }
}

static void cmd_pstack() {
    for (int i = 0; i < PLR_PARTY; i++)
        if (Plr.party[i].type != DT_UNUSED) console_say("#%d pstack D:%u", i, Plr.party[i].id);
}

static void cmd_tyo() {
    static const char *const CLASS[4] = {"CF", "MF", "MS", "CS"};
    for (int r = 0; r < 4; r++) console_say("og: 60 %s muutos: %d", CLASS[r], tyoaikamuutos(120, 100, r));
}

static void cmd_smood() {
    console_say("Methaltij: %d", get_SpiritData_mood(PlayerX, PlayerY, 702));
    console_say("Vesjhaltij: %d", get_SpiritData_mood(PlayerX, PlayerY, 701));
    console_say("Global Methaltij: %d", (int)Plr.forest_spirit);
    console_say("Global Vesjhaltij: %d", (int)Plr.water_spirit);
    console_say("supercounter: %d", (int)Plr.spirit_contacts);
}

// Each herb effect the body carries, by the name the plant data gives it (its bit when it has none).
static void cmd_herb() {
    Note("Plr.Yrttivaikutus:");
    for (int b = 0; b < YRTTI_COUNT && b < 32; b++) {
        if (!(Plr.body_effects & (1u << b))) continue;
        const char *name = YrttiInfo[b].name;
        if (name[0] && memchr(name, 0, sizeof YrttiInfo[b].name)) Note(name);
        else console_say("%d", b);
    }
}

static void cmd_extraused() { console_say("ZoomExtras used: %d / %d", numused_ZoomExtra(), (int)ZOOMEXTRA_COUNT); }

static void cmd_mon() { Note(mon(getst(255, 20))); }

static void cmd_cc() {
    int x = 0, y = 0;
    cultblock_center(blockculture(IsoX(), IsoY()), &x, &y);
    console_say("%d,%d", x, y);
}

// "rc": the real creatures of the area, then the creature file listed into "crslog.txt".
struct CrsLog {
    FILE *f;
    bool failed;
};

static void crslog_line(int index, const CreatureStruct &c, void *ctx) {
    CrsLog &log = *static_cast<CrsLog *>(ctx);
    if (c.kind == 0) return;
    if (fprintf(log.f, "#%d = %.*s\n\r", index, (int)strnlen(c.pname, sizeof c.pname), c.pname) < 0) log.failed = true;
}

static void cmd_rc() {
    for (int slot = 0; slot < CRE_COUNT; slot++) {
        if (RealCreaturePos[slot] == 0) continue;
        Lataa_RealCreature(RealCreaturePos[slot]);
        console_say("rcpos[%d] = %d(%.*s)", slot, RealCreaturePos[slot], (int)strnlen(Creature.pname, sizeof Creature.pname),
                    Creature.pname);
        for (const DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.id == (uint32_t)(slot + CRE_DATAID)) console_say(" Data ref: %u", d.id);
    }
    CrsLog log{fopen("crslog.txt", "w"), false};
    if (!log.f) {
        Note("!crslog.txt can not be written.");
        return;
    }
    char path[1200];
    snprintf(path, sizeof path, "%s/%s.CRS", CharacterPath, CharacterFile);
    wizard_read_creatures(path, crslog_line, &log);
    if (ferror(log.f) | (fclose(log.f) != 0) || log.failed) Note("!crslog.txt could not be written whole.");
}

static void kill_line(int, const CreatureStruct &c, void *) {
    const int days = c.birthday == 0 && c.playerage == 0 ? 1000 : std::abs((int)Plr.daynumber - c.birthday);
    console_say("%.*s AgeInMonths: %d", (int)strnlen(c.pname, sizeof c.pname), c.pname, days / 30);
}

static void cmd_kills() {
    char path[1200];
    snprintf(path, sizeof path, "%s/KILL.LOG", CharacterPath);
    wizard_read_creatures(path, kill_line, nullptr);
}

// "luoto": open water along the compass lines, then an outer rock or islet close by.
static void cmd_luoto() {
    int wx = 0, wy = 0, ox = 0, oy = 0;
    console_say("%d ", etaisyys_veteen(PlayerX, PlayerY, &wx, &wy));
    if (zoommap_ulkoluoto(PlayerX, PlayerY, &ox, &oy)) {
        console_say("%d,%d", ox, oy);
        Note("On");
    } else {
        Note("Ei");
    }
}

// "zoomimportant": the keep test of a picked cell's stored local map.
static void cmd_zoomimportant() {
    if (!OtaKohta("Select zoommap")) return;
    const int cx = kohtaIsoX(GeneralX), cy = kohtaIsoY(GeneralY);
    if (!load_zoommap(cx, cy)) {
        console_say("!%d,%d has no stored local map.", cx, cy);
        return;
    }
    const int days = std::abs((int)Plr.daynumber - Mapinfo_LastDay(GeneralX, GeneralY));
    console_say("important: %d", zoommap_important(days));
}

// "gamefind": the biggest game animal about, and the promise a herder would make of it.
static void cmd_gamefind() {
    static CreatureStruct found;
    int x = 0, y = 0;
    if (!find_BigMapGame(0, &found, &x, &y)) {
        Note("nope!");
        return;
    }
    char name[sizeof found.species + 1];
    copy_bounded(name, sizeof name, found.species);
    console_say("%d,%d (nyt %d,%d) %s", x, y, IsoX(), IsoY(), name);
    const int wx = bigmap() ? x : kohtaIsoX(x), wy = bigmap() ? y : kohtaIsoY(y);
    console_say("I promise you %s from my flock to be found in the %s.", name,
                navitxt_Dir(IsoX(), IsoY(), wx, wy, NAVI_BARE));
}

// "ld": how a picked cell is told from the player's cell.
static void cmd_ld() {
    const int px = IsoX(), py = IsoY();
    console_say("cur x,y: %d,%d", px, py);
    if (!OtaKohta("")) return;
    const int cx = kohtaIsoX(GeneralX), cy = kohtaIsoY(GeneralY);
    console_say("check x,y: %d,%d", cx, cy);
    Note(HaetunAlueenKuvaus(cx, cy));
    const int d = std::max(std::abs(cx - px), std::abs(cy - py));
    Note(EtaisyydenKuvaus(d));
    Note("--");
    Note("From here navi:");
    Note(navitxt_Full(px, py, cx, cy, 1));
    Note("From here | vague navi:");
    Note(navitxt_Full(px, py, cx, cy, 3));
    Note(navitxt_Area(cx, cy));
}

// A number's low bits as a text of ones and zeros, the highest first.
static const char *bits(uint32_t v, int count, char *buf) {
    for (int i = 0; i < count; i++) buf[i] = (v >> (count - 1 - i)) & 1 ? '1' : '0';
    buf[count] = 0;
    return buf;
}

namespace {
struct TestRecord {                // the file test's record: 24 bytes
    int32_t word;
    int16_t half;
    uint8_t pad6[18];
};
static_assert(sizeof(TestRecord) == 24, "TestRecord is a file record");
}  // namespace

static void cmd_var() {
    console_say("queststruct: %d", (int)sizeof(QuestStruct));
    console_say("QUALIST: %d", (int)sizeof(QualityListStruct));
    console_say("zx,zy:%d,%d zrx,zry:%d,%d", AREA_MIN, AREA_MIN, AREA_MAX + 1, AREA_MAX + 1);
    console_say("Uint32: %ld Sint32: %ld", (long)sizeof(uint32_t), (long)sizeof(int32_t));
    console_say("zoomextra %ld", (long)sizeof(ZoomExtraStruct));
    console_say("int: %ld - unsigned int: %ld - Uint16: %ld - Sint16: %d - short int: %ld - char: %ld", (long)sizeof(int),
                (long)sizeof(unsigned), (long)sizeof(uint16_t), (int)sizeof(int16_t), (long)sizeof(short), (long)sizeof(char));
    console_say("float: %ld", (long)sizeof(float));
    console_say("creature: %ld", (long)sizeof(CreatureStruct));
    console_say("item: %ld", (long)sizeof(ItemStruct));
    console_say("data: %ld", (long)sizeof(DataStruct));
    console_say("obj: %ld", (long)sizeof(ItemStruct));
    console_say("plr: %ld", (long)sizeof(PlayerStruct));
    console_say("vil: %ld", (long)sizeof(VillageStruct));
    TestRecord rec{};
    rec.word = 3;
    char b[40];
    if (!write_atomic("test.dat", &rec, sizeof rec)) {
        Note("!test.dat can not be written.");
        return;
    }
    console_say("a %s", bits((uint32_t)rec.word, 32, b));
    TestRecord back{};
    if (!read_exact("test.dat", &back, sizeof back)) {
        Note("!test.dat can not be read back.");
        return;
    }
    console_say("b %s", bits((uint16_t)back.half, 16, b));
    console_say("a: %d b: %d", (int)back.word, (int)back.half);
    if (!write_atomic("testb.dat", &back, sizeof back)) Note("!testb.dat can not be written.");
}

// ---- the data-pool dump (action key 4) -----------------------------------------------------------

void console_datalist() {
    char word[24];
    copy_bounded(word, sizeof word, console_ask_text("items:", 20, 255));
    if (word[0] == KEY_ESC) return;
    FILE *f = fopen("datalist.txt", "w");
    if (!f) {
        Note("!datalist.txt can not be written.");
        return;
    }
    int entries = 0, wandering = 0, statics = 0, spirit = 0, tracks = 0, items = 0, avanto = 0, freezing = 0;
    int freezeitems = 0, inprocess = 0, traps = 0, carcass = 0, growing = 0, wintering = 0, harvested = 0, here = 0;
    bool failed = false;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_UNUSED) continue;
        if (d.type == 119) {
            console_say("TRES %d,%d!", (int)d.x, (int)d.y);
            Pause();
        }
        if (fprintf(f, "#%d T:%d x,y: %d,%d D:%u C:%d RD: %d\n", i, (int)d.type, (int)d.x, (int)d.y, d.id, (int)d.count,
                    (int)d.ready_day) < 0)
            failed = true;
        entries++;
        switch (d.type) {
        case 10: tracks++; break;
        case 118: spirit++; break;
        case DT_ITEM: items++; break;
        case 94: avanto++; break;
        case 93: freezing++; break;
        case 9: growing++; break;
        case 65: wintering++; break;
        case 66: harvested++; break;
        case 127: freezeitems++; break;
        case 126: inprocess++; break;
        case 27: traps++; break;
        case 52: carcass++; break;
        case 11: wandering++; break;
        default: break;
        }
        if (d.type == 11 && d.id == SPECIES_ROBBER) console_say("!Robber %d,%d extra %d count %d", d.x, d.y, d.extra, d.count);
        if (d.type == 11 && (d.id == SPECIES_RAIDER || d.owner == SPECIES_RAIDER))
            console_say("!Njerpez %d,%d extra %d count %d", d.x, d.y, d.extra, d.count);
        if (d.type == DT_ITEM && word[0]) {
            ItemStruct it{};
            ObjToItem(it, (int)d.id);
            char name[sizeof it.name + 1], upper[24];
            copy_bounded(name, sizeof name, it.name);
            copy_bounded(upper, sizeof upper, word);
            for (char *p = upper; *p; p++) *p = (char)toupper((unsigned char)*p);
            if (strstr(name, word) || strstr(name, upper)) console_say("#--- %d %s %d,%d", (int)it.price, name, d.x, d.y);
        }
        // Without a word each creature is told on the screen: its line, its kind and name, its home.
        if (!word[0] && (d.type == DT_CREATURE || d.type == 52)) {
            console_say("#%d T:%d x,y: %d,%d D:%u C:%d RD: %d", i, (int)d.type, (int)d.x, (int)d.y, d.id, (int)d.count,
                        (int)d.ready_day);
            const long slot = (long)d.id - CRE_DATAID;
            if (slot >= 0 && slot < CRE_COUNT) {
                const CreatureStruct &c = Cre[slot];
                console_say("%.*s %.*s (%u)", (int)strnlen(c.species, sizeof c.species), c.species,
                            (int)strnlen(c.pname, sizeof c.pname), c.pname, d.id);
                console_say("Koti %d,%d", (int)c.home_x, (int)c.home_y);
            }
            statics++;
        }
        if (find_zoom_x(d.x, 0) == find_zoom_x(PlayerX, 0) && find_zoom_y(d.y, 0) == find_zoom_y(PlayerY, 0)) here++;
    }
    if (ferror(f) | (fclose(f) != 0) || failed) {
        Note("!datalist.txt could not be written whole.");
        return;
    }
    Note("datalist.txt");
    console_say("entries: %d wandering: %d static: %d", entries, wandering, statics);
    console_say("spiritdata: %d tracks: %d items: %d avanto: %d jaatyva_avanto: %d", spirit, tracks, items, avanto, freezing);
    console_say("freezeitems: %d item_in_process: %d traps: %d carcass: %d", freezeitems, inprocess, traps, carcass);
    console_say("growing plants: %d wintering plants: %d harvested: %d", growing, wintering, harvested);
    console_say("This map entries: %d", here);
}

// ---- the table -----------------------------------------------------------------------------------

enum Match { PART, EXACT, BOTH };

namespace {
struct Word {
    int number;
    const char *word;
    Match match;
    const char *second;            // the other word of a BOTH pair
};
}  // namespace

// Every command word in the order the line is tested against them.
static const Word WORDS[] = {
    {1, "kl", PART, nullptr}, {2, "qpf", PART, nullptr}, {3, "bhunt", PART, nullptr}, {4, "clean", PART, nullptr},
    {5, "kenkala", PART, nullptr}, {6, "skillboost", PART, nullptr}, {7, "murkku", PART, nullptr},
    {8, "sotu", EXACT, nullptr}, {9, "sumsaa", PART, nullptr}, {10, "saa", PART, nullptr},
    {11, "zerospells", PART, nullptr}, {12, "allspells", PART, nullptr}, {13, "oldrit", PART, nullptr},
    {14, "keino", PART, nullptr}, {15, "amulet", PART, nullptr}, {16, "newhd", PART, nullptr},
    {17, "maintex", PART, nullptr}, {18, "gupd", PART, nullptr}, {19, "raw", PART, nullptr},
    {20, "crswap", PART, nullptr}, {21, "trapspawn", PART, nullptr}, {22, "clear", PART, nullptr},
    {23, "fence", PART, nullptr}, {24, "rod", PART, nullptr}, {25, "killme", EXACT, nullptr},
    {26, "grab", EXACT, nullptr}, {27, "faint", EXACT, nullptr}, {28, "fat", EXACT, nullptr},
    {29, "luoto", PART, nullptr}, {30, "encounter", PART, nullptr}, {31, "taskreward", PART, nullptr},
    {32, "mapnorm", PART, nullptr}, {33, "dusk", PART, nullptr}, {34, "dawn", PART, nullptr},
    {35, "noon", PART, nullptr}, {36, "shadetest", PART, nullptr}, {37, "grab", PART, nullptr},
    {38, "mapshade", PART, nullptr}, {39, "hear", PART, nullptr}, {40, "anipop", EXACT, nullptr},
    {41, "unl", PART, nullptr}, {42, "force", PART, nullptr}, {43, "art", PART, nullptr},
    {44, "camp", PART, nullptr}, {45, "nfs", PART, nullptr}, {46, "debt", PART, nullptr},
    {47, "vilchk", PART, nullptr}, {48, "vilsave", PART, nullptr}, {49, "socown", PART, nullptr},
    {50, "oliot", PART, nullptr}, {51, "unl", PART, nullptr}, {52, "korjuu", PART, nullptr},
    {53, "vil", EXACT, nullptr}, {54, "flow", PART, nullptr}, {55, "gui", PART, nullptr},
    {56, "stock", EXACT, nullptr}, {57, "ihmisuhka", PART, nullptr}, {58, "anc", PART, nullptr},
    {59, "pagan", PART, nullptr}, {60, "ter", PART, nullptr}, {61, "rewspell", PART, nullptr},
    {62, "zoomimportant", PART, nullptr}, {63, "aarreset", PART, nullptr}, {64, "aarre", EXACT, nullptr},
    {65, "cc", PART, nullptr}, {66, "trs", EXACT, nullptr}, {67, "kasvio", PART, nullptr},
    {68, "mon", PART, nullptr}, {69, "fys", PART, nullptr}, {70, "pathmake", PART, nullptr},
    {71, "gamefind", PART, nullptr}, {72, "btrap", EXACT, nullptr}, {73, "spot", EXACT, nullptr},
    {74, "vete", EXACT, nullptr}, {75, "tapio", EXACT, nullptr}, {76, "neito", EXACT, nullptr},
    {77, "koiramies", EXACT, nullptr}, {78, "cama", PART, nullptr}, {79, "robberspot", EXACT, nullptr},
    {80, "herb", PART, nullptr}, {81, "neku", PART, nullptr}, {82, "killall", PART, nullptr},
    {83, "fieldtry", PART, nullptr}, {84, "wool", PART, nullptr}, {85, "vitsas", PART, nullptr},
    {86, "tuohi", EXACT, nullptr}, {87, "tuohityo", PART, nullptr}, {88, "hasmagic", PART, nullptr},
    {89, "objcount", PART, nullptr}, {90, "tyo", EXACT, nullptr}, {91, "reloc", EXACT, nullptr},
    {92, "qkill", PART, nullptr}, {93, "qlog", BOTH, "ogger"}, {95, "qp", BOTH, "ialla"},
    {97, "soccer", PART, nullptr}, {98, "werewolf", PART, nullptr}, {99, "name", PART, nullptr},
    {100, "setnpc", PART, nullptr}, {101, "asento", PART, nullptr}, {102, "taimi", PART, nullptr},
    {103, "relcover", EXACT, nullptr}, {104, "snowtrack", EXACT, nullptr}, {105, "fcover", EXACT, nullptr},
    {106, "fspot", EXACT, nullptr}, {107, "smood", EXACT, nullptr}, {108, "rc", PART, nullptr},
    {109, "zoomremove", PART, nullptr}, {110, "kills", PART, nullptr}, {111, "ld", PART, nullptr},
    {112, "iniq", PART, nullptr}, {113, "cp", PART, nullptr}, {114, "dq", PART, nullptr},
    {115, "sex", PART, nullptr}, {116, "locname", PART, nullptr}, {117, "savezoom", PART, nullptr},
    {118, "mapcheck", PART, nullptr}, {119, "mapmaint", PART, nullptr}, {120, "trackmaint", PART, nullptr},
    {121, "qf1", EXACT, nullptr}, {122, "qf2", EXACT, nullptr}, {123, "qf0", EXACT, nullptr},
    {124, "extraused", PART, nullptr}, {125, "ishoot", PART, nullptr}, {126, "objshoot", PART, nullptr},
    {127, "sleepy", PART, nullptr}, {128, "tired", PART, nullptr}, {129, "def", EXACT, nullptr},
    {130, "setmc", PART, nullptr}, {131, "stat", PART, nullptr}, {132, "reach", PART, nullptr},
    {133, "transport", PART, nullptr}, {134, "itemstress", PART, nullptr}, {135, "sleepy", PART, nullptr},
    {136, "wallbuild", PART, nullptr}, {137, "chattest", PART, nullptr}, {138, "stockpile", PART, nullptr},
    {139, "plant", PART, nullptr}, {140, "valu", EXACT, nullptr}, {141, "fomo", EXACT, nullptr},
    {142, "hide", EXACT, nullptr}, {143, "flora", EXACT, nullptr}, {144, "small hide", PART, nullptr},
    {145, "maketrack", PART, nullptr}, {146, "antlers", PART, nullptr}, {147, "nosale", PART, nullptr},
    {148, "food", PART, nullptr}, {149, "pstack", PART, nullptr}, {150, "wpdam", PART, nullptr},
    {151, "fm", PART, nullptr}, {152, "missing", EXACT, nullptr}, {153, "sotufind", PART, nullptr},
    {154, "npcdo", PART, nullptr}, {155, "tub", PART, nullptr}, {156, "robscene", PART, nullptr},
    {157, "aniscene", PART, nullptr}, {158, "lonely", PART, nullptr}, {159, "sqcrt", PART, nullptr},
    {160, "borrow", PART, nullptr}, {161, "soc", PART, nullptr}, {162, "dig", EXACT, nullptr},
    {163, "qload", PART, nullptr}, {164, "tsk", PART, nullptr}, {165, "chatmsg", PART, nullptr},
    {166, "banish", PART, nullptr}, {167, "lvol", PART, nullptr}, {168, "hvol", PART, nullptr},
    {169, "npcdmg", EXACT, nullptr}, {170, "var", PART, nullptr},
};

static bool matches(const Word &w, const char *line) {
    switch (w.match) {
    case EXACT: return strcmp(line, w.word) == 0;
    case BOTH: return strstr(line, w.word) && strstr(line, w.second);
    default: return strstr(line, w.word) != nullptr;
    }
}

int console_line_matches(const char *line, int *numbers, int max) {
    int n = 0;
    for (const Word &w : WORDS)
        if (matches(w, line) && n < max) numbers[n++] = w.number;
    return n;
}

// The report commands here; the rest by the console's other files. 1 ends the line.
static int run(int number) {
    switch (number) {
    case 9: cmd_sumsaa(); return 0;
    case 10: return cmd_saa();
    case 29: cmd_luoto(); return 0;
    case 47: VilChk(); return 0;
    case 50: NaytaOliot(); return 0;
    case 53: cmd_vil(); return 0;
    case 58: ancdisp(); return 0;
    case 59: cmd_pagan(); return 0;
    case 62: cmd_zoomimportant(); return 0;
    case 65: cmd_cc(); return 0;
    case 67: NaytaKasvio(); return 0;
    case 68: cmd_mon(); return 0;
    case 69: Fysiikan_Tarkistus(); return 0;
    case 71: cmd_gamefind(); return 0;
    case 80: cmd_herb(); return 0;
    case 90: cmd_tyo(); return 0;
    case 106: cmd_fspot(); return 0;
    case 107: cmd_smood(); return 0;
    case 108: cmd_rc(); return 0;
    case 110: cmd_kills(); return 0;
    case 111: cmd_ld(); return 0;
    case 118: zoommap_check(); return 0;
    case 124: cmd_extraused(); return 0;
    case 143: cmd_flora(); return 0;
    case 149: cmd_pstack(); return 0;
    case 170: cmd_var(); return 0;
    default: break;
    }
    if (console_items_command(number)) return 0;
    return console_player_command(number);
}

void console_run_line(const char *line) {
    char text[1024];
    copy_bounded(text, sizeof text, line ? line : "");
    for (const Word &w : WORDS)
        if (matches(w, text) && run(w.number)) return;
}
