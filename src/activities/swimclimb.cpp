// src/activities/swimclimb.cpp -- going into the water and every swimming turn's check; climbing a
// steep step, a fence or a tree, with falls, and the look from a tree top; the movement menu.
#include "activities/swimclimb.h"

#include <cstdio>
#include <cstring>

#include "creatures/skills.h"
#include "activities/skilluse.h"
#include "activities/timber.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/commandcodes.h"
#include "core/harnrule.h"
#include "core/maintenance.h"
#include "core/player.h"
#include "core/worldservices.h"
#include "core/notes.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "creatures/doors.h"
#include "creatures/predicates.h"
#include "creatures/wounds.h"
#include "activities/itemcmd.h"
#include "maps/area.h"
#include "maps/facing.h"
#include "maps/mapquery.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "activities/waterway.h"
#include "maps/picker.h"
#include "maps/water.h"

enum { MODE_WALK = 1, MODE_SWIM = 2, MODE_ROW = 3, MODE_WADE = 4 };
enum { SWIM_MIN_LEVEL = 5, SWIM_GRACE_TURNS = 4, TREE_LOOK_MIN = 5, TOO_STEEP = 1000 };

// ---- the tree climbed ---------------------------------------------------------------------------

// The height of the tree climbed; tests put a fixed one in its place.
int (*climb_tree_height)(int mapchar) = Tree_Height;

// ---- swimming -----------------------------------------------------------------------------------

int UINTI(int flag) {
    int level = Skill_ML(-1, "SWIMMING");
    if (level == 1000 || level < SWIM_MIN_LEVEL) level = SWIM_MIN_LEVEL;
    const float fatigue = swim_fatigue();
    if (fatigue > (float)level && (flag == 0 || SWIMTURNS > SWIM_GRACE_TURNS)) return -1;
    const float q = fatigue / (float)level;
    if (DEBUG_INFO) DebugNotef("UINTI debug suhde: %.2f", q);
    if (flag) {
        const char *line = "&You swim at ease.";
        if (q >= 0.75f) line = "&You struggle in the water with your last bit of strength! You are in danger of drowning!";
        else if (q >= 0.6f) line = "&You are exhausted and having trouble to keep afloat!";
        else if (q >= 0.45f) line = "&You are lacking the strength to swim much longer.";
        else if (q >= 0.3f) line = "&You are moderately fatigued from swimming.";
        else if (q >= 0.15f) line = "&You feel slightly fatigued from swimming.";
        Note(line);
    }
    if (!avovesi(PlayerX, PlayerY)) return 2;
    return Kayta_Taitoa(1, 0, "SWIMMING", LEARN_THIRD);
}

int Swimming(int x, int y) {
    if (Plr.movement_mode == MODE_SWIM) {
        Note("!You are swimming now! Just move normally to swim ahead.");
        return 0;
    }
    SWIMTURNS = 0;
    if (x == 0) {
        x = PlayerX + Heds_x(PlayerDir);
        y = PlayerY + Heds_y(PlayerDir);
    }
    const int mode = Plr.movement_mode;
    if (mode == MODE_ROW) {
        if (SestaStatus() != 0) {
            Note(cantwhile("swim", "rowing"));
            return 0;
        }
    } else if (mode != MODE_WALK && mode != MODE_WADE) {
        char how[64];
        copy_bounded(how, sizeof how, StrLwr(movement_desc()));
        Note(cantwhile("swim", how));
        return 0;
    }
    if (skisequipped(CRE_PLAYER) > 0) {
        Note(cant("swim with skis on"));
        return 0;
    }
    if (!terrain_flag(get_mapchar(x, y), TF_SWIM) || ice_thickness_true(x, y) >= 1) {
        Note("!There is no water in front of you! Make sure you are facing towards the water and try again.");
        return 0;
    }
    if (puuhausvammaus(CRE_PLAYER, 36, 5, "swim")) return 0;
    if (UINTI(0) == -1) {
        Note("&You are too fatigued to swim right now!");
        return 0;
    }
    if (!cold_water_confirmation(x, y, 1)) return 0;
    const char *analysis = Skill_Analyysi("SWIMMING", 1);
    if (analysis[0]) Note(analysis);
    Note(":You enter the water.");
    Plr.movement_mode = MODE_SWIM;
    PlayerX = x;
    PlayerY = y;
    TurnUsed = 1;
    UPDATE_SCREEN = 1;
    return 1;
}

// ---- climbing -----------------------------------------------------------------------------------

// She stands on the square she climbed to: into the water, or out of it.
static void land_on(int x, int y) {
    PlayerX = x;
    PlayerY = y;
    if (terrain_flag(get_mapchar(x, y), TF_WATER)) {
        WaterwayCheck(x, y);
    } else if (Plr.movement_mode == MODE_SWIM || Plr.movement_mode == MODE_WADE) {
        Plr.movement_mode = MODE_WALK;
        Note(MSG("OUT_OF_THE_WATER"));
    }
    UPDATE_SCREEN = 1;
}

// Up a tree: the whole land in view while she looks around, then down to where she started.
static void look_from_tree(int fromX, int fromY) {
    ALL_SEE = 1;
    UPDATE_SCREEN = 1;
    for (;;) {
        Note("#Now observe the terrain and press [ESC] to climb down.");
        if (!ValitseLokaatio(PICK_DIRECTION | PICK_UNSEEN, "where to look")) break;
        turn_towards(GeneralX, GeneralY);
    }
    realbasicspend(3, 0, "climbing", 0);
    Note(":You climb down from the tree.");
    TurnUsed = 1;
    ALL_SEE = 0;
    PlayerX = fromX;
    PlayerY = fromY;
    UPDATE_SCREEN = 1;
}

// The points one try gains by its roll; `lost` set when a bad roll late in the climb loses the grip.
static int climb_try(int need, int tries, int &last, bool &lost) {
    lost = false;
    if (need <= 5 && d6(3) <= Plr.agility) return last = 3;
    int grade = Kayta_Taitoa(1, 0, "CLIMBING", LEARN_TWELVE);
    if (need <= 5 && grade == SR_CRITFAIL) grade = SR_FAIL;
    switch (grade) {
    case SR_CRITSUCCESS: return last = 3;
    case SR_SUCCESS: return last = 1;
    case SR_FAIL:
        if (random(3) == 0) return last = 1;
        return last;
    default:
        if (tries <= 2) return last = 0;
        lost = true;
        return 0;
    }
}

int climb_it(int x, int y) {
    const int mode = Plr.movement_mode;
    if (mode != MODE_WALK && mode != MODE_WADE) {
        char how[64];
        copy_bounded(how, sizeof how, StrLwr(movement_desc()));
        Note(cantwhile("climb", how));
        return 0;
    }
    if (skisequipped(CRE_PLAYER) > 0) {
        Note(cant("climb with skis on"));
        return 0;
    }
    if (x == 0 && y == 0) {
        if (!OtaKohta_Suunta("where to climb")) return 0;
        x = GeneralX;
        y = GeneralY;
    }
    const int c = get_mapchar(x, y);
    const bool tree = terrain_flag(c, TF_TREE) != 0;
    const int obstacle = tree ? climb_tree_height(c) : (c == '\'' || c == '*') ? 1 : 0;
    if (tree && obstacle < TREE_LOOK_MIN) {
        Note("!That tree isn't big enough for observing.");
        return 0;
    }
    const int steep = KiipeilyTarkistus(CRE_PLAYER, PlayerX, PlayerY, x, y);
    if (steep == TOO_STEEP) {
        Note("!That's too steep to be climbed!");
        return 0;
    }
    if (steep < 2 && obstacle == 0) {
        Note(":That requires no special climbing skills. Just walk over there.");
        return 0;
    }
    if (puuhausvammaus(CRE_PLAYER, 37, 6, "climb")) return 0;
    const int need = steep >= 2 ? 3 * steep : 3 * obstacle;
    const bool upward = tree || Pinnan_Korkeus(x, y) >= Pinnan_Korkeus(PlayerX, PlayerY);
    const int fromX = PlayerX, fromY = PlayerY;
    int progress = 0, last = 0, seconds = 0, tries = 0;
    for (;;) {
        seconds += 10;
        tries++;
        bool lost;
        progress += climb_try(need, tries, last, lost);
        if (!lost) {
            if (progress < need) continue;
            AsetaPonnistelu(CRE_PLAYER, 6);
            if (!realbasicspend(0, seconds, "climbing", 0)) return 0;
            Note(":You climbed successfully.");
            if (tree) {
                PlayerX = x;
                PlayerY = y;
                look_from_tree(fromX, fromY);
                return 1;
            }
            land_on(x, y);
            return 1;
        }
        AsetaPonnistelu(CRE_PLAYER, 6);
        realbasicspend(0, seconds, "climbing", 0);
        char where[40], line[120];
        if (progress / 3 < 2) copy_bounded(where, sizeof where, "early on");
        else snprintf(where, sizeof where, "at %d meters", progress / 3);
        snprintf(line, sizeof line, "{fall}:You lose your grip %s!", where);
        Note(line);
        Pause();
        if (!upward) {
            const int rest = need - progress;
            fall(rest < 1 ? 1 : rest);
            land_on(x, y);
            return 1;
        }
        const int drop = random(progress) + random(progress) + 1;
        if (drop >= progress) {
            fall(progress);
            Note("&You fall back on the ground.");
            return 0;
        }
        fall(drop);
        if (Plr.posture > 1) {
            Note("&You fall back on the ground.");
            return 0;
        }
        if (!KyllaEi("Continue climbing?")) return 0;
        // She starts the climb over: its first tries may again go badly without a fall.
        progress = 0;
        seconds = 0;
        tries = 0;
    }
}

// ---- the movement menu --------------------------------------------------------------------------

void menusel_Movemode() {
    const int lying = COMBATPROFILE(CRE_PLAYER) == 1;
    Valinta_Tyhjaa();
    if (lying) Valinta_Lisaa('G', "Get up (stand)");
    if (RUNNING) Valinta_Lisaa('W', "Walk (stop running)");
    if (LURK) Valinta_Lisaa('H', "Stop sneaking");
    if (!RUNNING) Valinta_Lisaa('R', "Run");
    if (!LURK) {
        Valinta_Lisaa('H', "Hide and sneak");
        Valinta_LisaaGameinfo("STEALTH");
    }
    if (!lying) Valinta_Lisaa('G', "Go prone (lay down)");
    Valinta_Lisaa(-1, "");
    Valinta_Lisaa('-', "Stand still - wait and rest");
    if (plr_fatigue() != 0.0f) Valinta_Lisaa('F', "Rest until not fatigued");
    Valinta_Lisaa('S', "Sleep");
    switch (TeeValinta("MOVEMENT AND REST ACTIONS")) {
    case 'R': MOVEDO_run(); break;
    case '-': MOVEDO_wait(); break;
    case 'F': MOVEDO_restfatigue(); break;
    case 'H': Piiloudu(); break;
    case 'G': MOVEDO_stand_or_lay(); break;
    case 'S':
        com("Sleep");
        world_services.run_action(ACTION_SLEEP, 0, "");
        break;
    case 'W': MOVEDO_walk(); break;
    case 'C':   // climbing, which no entry of the menu offers
        if (!indoors(PlayerX, PlayerY)) climb_it(0, 0);
        break;
    default: break;
    }
    Statistics();
}
