// src/core/turnloop.cpp -- the turn loop: the world's answer to the last command (clock tick,
// creatures, fires, upkeep, encounters, map changes), then one command of the player.
#include "core/turnloop.h"

#include "activities/actions.h"
#include "core/burning.h"
#include "core/command.h"
#include "core/datafunc.h"
#include "core/encountupkeep.h"
#include "core/loader.h"
#include "core/maintenance.h"
#include "core/mapupkeep.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/weather.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "maps/crestep.h"
#include "creatures/creatures.h"
#include "creatures/death.h"
#include "creatures/life.h"
#include "creatures/predicates.h"
#include "creatures/physical.h"
#include "maps/area.h"
#include "maps/facing.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/zoomstore.h"
#include "presentation/input.h"
#include "presentation/msglog.h"
#include "presentation/audio.h"
#include "presentation/boxes.h"
#include "presentation/effects.h"
#include "presentation/notes.h"
#include "presentation/panels.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "base/ui.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int TACTICAL_ADVANTAGE = -1000;
uint8_t LittleTurns = 0;
int LOAD_MAP = 0;
int PrevX = 0, PrevY = 0;
int EXIT_CLOSE_GAME = 0;
int FIRESAFE = 0;
int BURGLARYSOC = 0;
int INVISIBLE = 0;

static void cre_log(int c, const char *stage) {
    if (!DEBUGLOG) return;
    char line[120];
    snprintf(line, sizeof line, "Cre[%d] %s", c, stage);
    debuglog("cre", line);
}

void turnloop_reset() {
    TACTICAL_ADVANTAGE = -1000;
    LittleTurns = 0;
    LOAD_MAP = 0;
    PrevX = PrevY = 0;
    EXIT_CLOSE_GAME = 0;
    FIRESAFE = 0;
    BURGLARYSOC = 0;
    INVISIBLE = 0;
    TurnUsed = 0;
    ENCOUNTER = 0;
    command_reset();
}

// ---- fires --------------------------------------------------------------------------------------

int burn(int c) {
    if (c < 0 || c > 255) return 0;
    if (terrain_flag(c, TF_WATER)) return 0;
    switch (c) {
    case 4: case 5: case 20: case 21: case 30: case 39: case 41: case 60: case 82: case 91: case 94:
    case 96: case 127: case 233: case 236: case 246: case 250:
        return 0;
    default:
        return 1;
    }
}

void DoFireEffect(int x, int y, int minutes) {
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_CARCASS || d.x != x || d.y != y) continue;
        const int c = (int)d.id - CRE_DATAID;
        if (c < 0 || c >= CRE_COUNT) continue;
        CreatureStruct &cr = Cre[c];
        if (cr.Puuha[0] != 300) {
            cr.Puuha[0] = 300;
            cr.PuuhaAika[0] = 0;
            continue;
        }
        cr.PuuhaAika[0] += minutes;
        if ((double)cr.PuuhaAika[0] > std::ceil(10.0 * (double)cr.weight)) {
            CrunchData(i);
            return;
        }
    }
}

static void light_fire(int x, int y, int minutes) {
    ClearDTEMP();
    DTEMP.type = DT_FIRE;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.count = (uint16_t)minutes;
    SetDTEMP(-1);
}

// The fires near a square, and whether one burns on a neighbouring square.
static void count_fires(int x, int y, int &nearby, int &neighbours) {
    nearby = neighbours = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_FIRE) continue;
        const int dx = abs((int)d.x - x), dy = abs((int)d.y - y);
        if (dx > 29 || dy > 29) continue;
        nearby++;
        if (dx <= 1 && dy <= 1 && (dx || dy)) neighbours++;
    }
}

void fire_maintenance(int pos) {
    if (pos < 0 || pos >= DATA_MAX) return;
    const DataStruct fire = Data[pos];
    const int x = fire.x, y = fire.y;
    const int world = bigmap();
    if (!world) {
        const int old = get_datatype(DT_FIRE_REMAINS, x, y);
        if (old >= 0) CrunchData(old);
        ClearDTEMP();
        DTEMP = fire;
        DTEMP.type = DT_FIRE_REMAINS;
        SetDTEMP(-1);
    }
    CrunchData(pos);
    const int c = get_mapchar(x, y);
    if (c == 4 || c == 5) return;
    if (world) {
        set_mapchar(x, y, CH_GROUND);
        ZoomMap_Remove(x, y);
    } else if (burn(c)) {
        set_mapchar(x, y, CH_GROUND);
    }
    int nearby, neighbours;
    count_fires(x, y, nearby, neighbours);
    if (!neighbours) return;
    if (nearby > 25 || x < 3 || x > 3069 || y < 3 || y > 2045) return;
    if (random(50) == 0) return;
    static const int nx[4] = {0, 0, -1, 1}, ny[4] = {-1, 1, 0, 0};
    for (int k = 0; k < 4; k++) {
        const int tx = x + nx[k], ty = y + ny[k];
        if (PolttoTarkistus(tx, ty, 0, "") > 2 || burn(get_mapchar(tx, ty))) light_fire(tx, ty, 30 + random(30));
    }
}

static void fire_step(int pos) {
    DataStruct &d = Data[pos];
    const uint32_t now = Plr.minutes;
    if (!d.ready_minute) d.ready_minute = d.count + now;
    if (!d.spent_minutes) d.spent_minutes = now;
    if (!d.day) d.day = (uint16_t)Plr.daynumber;
    if (d.ready_minute < now) {
        fire_maintenance(pos);
        return;
    }
    const int x = d.x, y = d.y;
    const int h = 2 * PolttoTarkistus(x, y, 0, "");
    const int add = h > 1200 ? 1200 : h;
    if (add > 0) {
        d.ready_minute += (uint32_t)add;
        d.id += (uint32_t)add;
        // The count is the burn time in minutes; a long fire holds at the largest count.
        d.count = (uint16_t)((int)d.count + add > 65535 ? 65535 : d.count + add);
        SmokePreparingGoods(x, y, add);
    }
    if (d.ready_minute > now + 1200) d.ready_minute = now + 1200;
    const int c = cre_xy(x, y);
    if (c >= 0 && c < CRE_COUNT) {
        DebugNote("Fire esc");
        Pakene(c);
    }
    if (x == PlayerX && y == PlayerY && !FIRESAFE) {
        const int times = Environ == 1 ? 3 : 1;
        for (int k = 0; k < times; k++) {
            const int part = RandomBodypart(2, CRE_PLAYER);
            char line[160];
            snprintf(line, sizeof line, "!The fire burns your %s!", BODYPART(part, CRE_PLAYER));
            Note(line);
            HAAVOITA(CRE_PLAYER, WOUND_BURN, 10 + random(10), part, 0, CAUSE_FIRE);
        }
        FIRESAFE = 1;
    }
    PolttoTarkistus(x, y, 1, "");
    if (Data[pos].type != DT_FIRE) return;   // the fire's record went with its fuel
    const long left = (long)Data[pos].ready_minute - (long)now;
    if (labs(left) <= 14 && See(x, y) && !bigmap()) Note(MSG("FIRE_BURNS_OUT"));
    DoFireEffect(x, y, 1);
}

// ---- creatures ----------------------------------------------------------------------------------

static int is_spirit(const CreatureStruct &cr) { return cr.kind == '2'; }

// The creature dies where it stands, with the note of the key when one is given.
static void cre_dies(int c, const char *key) {
    if (key) {
        char text[MSGBUF_SIZE];
        copy_bounded(text, sizeof text, MSG(key));
        NPCNote(c, text, "");
    }
    cre_kill(c, 1);
}

void EasyGoing(int pos) {
    if (pos < 0 || pos >= DATA_MAX || Data[pos].type != DT_CREATURE) return;
    const int c = (int)Data[pos].id - CRE_DATAID;
    if (c < 0 || c >= CRE_COUNT) return;
    const CreatureStruct &cr = Cre[c];
    if (cr.posture == 4 || cr.posture == 1) return;
    if (cr.kind == CK_HUMAN)
        Ela_Ihminen(pos);
    else if (is_spirit(cr))
        Ela_Haltija(pos);
    else
        Ela_Elain(pos);
}

void ActIt(int c) {
    if (c < 0 || c >= CRE_COUNT) return;
    CreatureStruct &cr = Cre[c];
    cr_loc(c);
    const int pos = cre_datapos(c);
    if ((cr.mode == 2 || cr.mode == 4 || cr.mode == 99) && random(3) == 0) {
        const int dp = combatwise_dp(c, GeneralX, GeneralY);
        if (dp != -1000 && dp >= 0 && dp < DATA_MAX && cr_pickup(c, dp, Data[dp].count)) return;
    }
    switch (cr.mode) {
    case 2: case 99:
        Taistelu_Main(c, pos);
        break;
    case 3:
        EasyGoing(pos);
        break;
    case 4: case 5: case 7: {
        char line[60];
        snprintf(line, sizeof line, "Activity based Esc Cre[%d]", c);
        DebugNote(line);
        Pakene(c);
        break;
    }
    default:
        cr.mode = 0;
    }
}

void CreatureAct(int pos) {
    if (pos < 0 || pos >= DATA_MAX || Data[pos].type != DT_CREATURE) return;
    const int c = (int)Data[pos].id - CRE_DATAID;
    if (c < 0 || c >= CRE_COUNT) return;   // a damaged record names no creature
    CreatureStruct &cr = Cre[c];
    const int cx = Data[pos].x, cy = Data[pos].y;
    if (cr.Viimeisin_X != cx || cr.Viimeisin_Y != cy) {
        cr.Viimeisin_X = cx;
        cr.Viimeisin_Y = cy;
        cr.still = 0;
    } else {
        cr.still = 1;
    }
    TARGET_NPC = c;
    if (TACTICAL_ADVANTAGE != -1000) {
        if (c != TACTICAL_ADVANTAGE) return;
        TACTICAL_ADVANTAGE = -1000;
    }
    cre_log(c, "body");
    cr.lastaction = 0;
    FatigueTick(c, 6);
    if (cr.turnstate != Plr.minutes) {
        PhysicalTick(c, 1);
        cr.turnstate = Plr.minutes;
    }
    AsetaPonnistelu(c, 1);
    NPC_Kuntotarkistus(c);
    if (cx == PlayerX && cy == PlayerY) {
        DebugNote("Esc under PLR");
        Pakene(c);
        return;
    }
    if (NpcIceFallCheck(cx, cy, c)) return;
    if (cr.bodytemp > 0.0f && cr.bodytemp < 30.0f) {
        cre_dies(c, "NPC_DEATH_DROWN");
        return;
    }
    if (cr.trapminute) {
        const long since = (long)Plr.minutes - (long)cr.trapminute;
        const long limit = cr.kind == CK_HUMAN ? 7199 : 4319 + cr.energy;
        if (since > limit) {
            if (cr.kind != CK_HUMAN) set_SpiritData_mood(cx, cy, 702, -10);
            cre_dies(c, nullptr);
            return;
        }
    }
    cre_log(c, "wounds");
    if (cr.injury) {
        if (HAAVAPROSENTTI(c) > 99) {
            cre_dies(c, nullptr);
            return;
        }
        if (Suorita_Verenhukka(c, cx, cy, 0)) return;
    }
    if (cr.posture == 3) cr.posture = 4;
    if (cr.posture == 4) {
        cre_log(c, "unconscious");
        if (!onko_NPC_vesielaja(c) && avovesi(cx, cy) && cr.unconscious > 10 + random(10)) {
            cre_dies(c, "NPC_DEATH_DROWN");
            return;
        }
        Tajuttomuustarkistus(c, 0);
        return;
    }
    if (cr.posture == 1 && cr.mode != CM_ASLEEP && Nouse(c)) return;
    cre_log(c, "reactions");
    Reagoi_Olentoihin(c);
    Havaitse_PLR(c, pos);
    cre_log(c, "life");
    if (is_spirit(cr))
        Ela_Haltija(pos);
    else if (cr.mode & ~CM_ASLEEP)
        ActIt(c);
    else
        EasyGoing(pos);
}

// Slots free when the walk began: a record made in one of them during the walk waits for the next.
static uint8_t born_this_pass[DATA_MAX];

static void creature_walk();

// One pass of the creatures. A death marks the pool, which is packed only when the outermost pass
// has ended, so the walk neither skips nor repeats a record.
void CreatureMove() {
    static int depth = 0;
    depth++;
    creature_walk();
    depth--;
    if (depth == 0) death_pack_pending();
}

static void creature_walk() {
    BURGLARYSOC = 0;
    if (REAL_QUIT == -1) return;
    // Every place past the last one in use was free when the pass began: the walk ends there, and
    // the pool is read once a pass to find it.
    const int end = crestep_pool_end();
    for (int i = 0; i < end; i++) born_this_pass[i] = Data[i].type == DT_UNUSED || Data[i].type == DT_FREED;
    mark_pool_pass();
    // the creatures' steps read the things of the local area from a list made once per pass
    struct CreaturePass {
        explicit CreaturePass(int end) { crestep_pass_begin(end); }
        ~CreaturePass() { crestep_pass_end(); }
    } creature_pass(end);
    const int world = bigmap();
    for (int i = 0; i < end; i++) {
        // Free when the pass began, or freed and taken by a new record during it.
        if (born_this_pass[i] || data_filled[i]) continue;
        DataStruct &d = Data[i];
        // A step may free the record and another may take its slot at once: the newcomer stands
        // elsewhere and waits for the next pass.
        const uint16_t x = d.x, y = d.y;
        auto same = [&]() { return d.x == x && d.y == y; };
        if (d.type == DT_SKIN && labs((long)Plr.daynumber - (long)d.id) >= 5) {
            const int carcass = get_datatype(DT_CARCASS, d.x, d.y);
            if (carcass >= 0) Data[carcass].type = 'X';
            CrunchData(i);
        }
        if (d.type == DT_ENCOUNTER) encount_maintenance(i);
        if (!same()) continue;
        if ((d.type == DT_WORK || d.type == DT_BOUND) && d.ready_minute) TickPrepare(i);
        if (!same()) continue;
        if (d.type == DT_ITEM && d.extra == 1) TickActivity(i);
        if (!same()) continue;
        if (d.type == DT_FIRE) fire_step(i);
        if (!same()) continue;
        if (d.type == DT_CREATURE) {
            const int c = (int)d.id - CRE_DATAID;
            if (c >= 0 && c < CRE_COUNT && Cre[c].kind != ENCOUNTER_CREATURE_TYPE) {
                if (INVISIBLE == 1) Cre[c].perception = 0;
                CreatureAct(i);
            }
        }
        if (!same()) continue;
        if (world && (d.type == DT_TRACKS || d.type == DT_ENCOUNTER) && d.count) {
            d.count--;
            if (!d.count) CrunchData(i);
        }
        if (REAL_QUIT == -1) return;
    }
}

void WorldMap_Maintenance() {
    if (!bigmap()) return;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_ENCOUNTER && (abs((int)d.x - PlayerX) > 100 || abs((int)d.y - PlayerY) > 100)) CrunchData(i);
    }
}

// ---- map changes --------------------------------------------------------------------------------

void MapLoader(int mode) {
    debuglog("maploader", "MapLoader start");
    DISABLE_MAP = 1;
    if (!ZoomRenew) {
        if (bigmap()) LURK = 0;
        GetMappie(mode);
    } else {
        GetMappie(1);
    }
    debuglog("maploader", "map entered");
    if (REAL_QUIT == -1 || ZoomRenew) return;
    DISABLE_RENDER = 1;
    DrawMap();
    DISABLE_RENDER = 0;
    DISABLE_MAP = 0;
    RESET_MAPEFF();
    Statistics();
    Heading();
    TurnUsed = 0;
    lines = 0;
    UPDATE_SCREEN = 1;
    DrawMap();
    SetIdleSample("");
    debuglog("maploader", "MapLoader done");
}

void ZoomRenewer() {
    ZoomRenew = 1;
    FixZoomCoordinates();   // her square inside the cell she stands in
    const uint32_t lx = Plr.local_x, ly = Plr.local_y;
    ExitEnviron(PlayerX, PlayerY, 0);
    MapLoader(1);
    ScanSurround();
    Plr.local_x = lx;
    Plr.local_y = ly;
    EnterLocale(0, 0);
    ClearEventMemory();
}

// ---- the loop -----------------------------------------------------------------------------------

int turn_answer() {
    if (ZoomRenew == 1) ZoomRenewer();
    bool world_answer = true;
    if (TACTICAL_ADVANTAGE == -1000) {
        if (TurnUsed == 0) world_answer = false;
        else if (TurnUsed == 1) SecondTick(6, 0);
    } else if (TACTICAL_ADVANTAGE == -1) {
        TurnUsed = 0;
        TACTICAL_ADVANTAGE = -1000;
        world_answer = false;
    } else {
        TurnUsed = 1;
        SecondTick(6, 0);
    }
    if (world_answer) {
        Statistics();
        if (TurnUsed != 3) CreatureMove();
        if (TACTICAL_ADVANTAGE >= -1) {
            CreatureMove();
            TACTICAL_ADVANTAGE = -1000;
        }
        Aseta_Etulyontiasema(-1000);
        if (REAL_QUIT == -1) return 0;
        UPDATE_SCREEN = 1;
        lines = 0;
        LittleTurns = 0;
        if (Plr.hour > 7 && Plr.day != Plr.last_upkeep_day) {
            if (Plr.last_upkeep_day == 0)
                Plr.last_upkeep_day = Plr.day;
            else
                daily_maintenance();
        }
        Haavatarkistukset(0);
        if (REAL_QUIT == -1) return 0;
        Condition_Check(0);
        EncounterCheck();
        if (ENCOUNTER) DO_ENCOUNTER();
    }
    if (REAL_QUIT == -1) return 0;
    if (UPDATE_SCREEN) {
        DrawMap();
        UPDATE_SCREEN = 0;
    }
    if (bigmap()) area_check();
    if (Exit_Checking && !LOAD_MAP) {
        CheckExits();
        Exit_Checking = 0;
    }
    if (LOAD_MAP) {
        MapLoader(0);
        ZoomRenew = 0;
        DrawMap();
        ClearEventMemory();
    }
    if (Plr.posture == 4) {
        MAPEFFECT_faint();
        PlayerUnconscious();
        if (Plr.posture != 4) MAPEFFECT_wakeup();   // came to: the red cover fades off the map
    }
    PrevX = PlayerX;
    PrevY = PlayerY;
    CheckIdleSample();
    IdleSample();
    if (REAL_QUIT != -1 && REAL_QUIT != 1)
        SPEND_SAMPLE[0] = 0;
    else
        LOAD_MAP = 0;
    return 1;
}

int turn_pass(int *result) {
    if (result) *result = 1;
    if (!turn_answer()) return 0;
    const int r = PlayerAction();
    if (result) *result = r;
    DISABLE_MORECHECK = 0;
    if (EXIT_CLOSE_GAME) oxa_quit("");
    // The area markers are set where kills and plentiful years happen; a turn adds none of its own.
    if (Environ != 1 && LittleTurns >= 4) TurnUsed = 1;
    if (REAL_QUIT == -1) return 0;
    if (LOAD_MAP == 1) {
        TurnUsed = 0;
        return r != 0;
    }
    return r != 0;
}

void TurnLoop() {
    int r;
    while (turn_pass(&r)) {
    }
    FLIP_map_OFF();   // however the game was left, the menus that follow show no map
}
