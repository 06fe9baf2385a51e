// src/game/playerstep.cpp -- one step of the player: what stops it (trees, walls, fences, doors,
// creatures, fires, traps, ice, slopes), what it asks, what it costs in game time and effort,
// and the sound it makes.
#include "game/playerstep.h"

#include "core/config.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/localarea.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "maps/squareevents.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "maps/mapquery.h"
#include "creatures/doors.h"
#include "game/look.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "activities/waterway.h"
#include "maps/notelink.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "maps/worldsearch.h"
#include "creatures/animals.h"
#include "creatures/body.h"
#include "creatures/life.h"
#include "creatures/melee_aside.h"
#include "activities/traps.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/hauling.h"
#include "items/itemwear.h"
#include "activities/skilluse.h"
#include "activities/swimclimb.h"
#include "base/ui.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "quests/courses.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

enum { MODE_WALK = 1, MODE_SWIM = 2, MODE_ROW = 3, MODE_WADE = 4, MODE_SKI = 7, MODE_HAUL = 9 };
// The one definition row a watercraft's cargo leaves behind on the square it set out from.
enum { TRANSPORT_STAYS = 88 };
enum { MOVE_FREE = 1, MOVE_CREATURE = 100, MOVE_TOLD = 101, MOVE_OBSTACLE = 103, MOVE_TRAPPED = 104 };

static int backward_step = 0;      // the last step went backward or blind

// ---- services of other modules ------------------------------------------------------------------

// A set trap on her new square fires; a sprung one never holds her.
static int trap_fires(int x, int y) { return AstuAnsaan(CRE_PLAYER, x, y); }
static int trap_holds_player(int trap) { return PiteleekoAnsa(trap, CRE_PLAYER); }

static void set_effort(int level) { AsetaPonnistelu(-1, level); }

// The step's noise goes into the world at her square and stands as her own noise of the turn.
static void register_noise(int x, int y, int level) {
    aseta_maailmaan_meteli(x, y, level, -1);
    setNPCnoise(-1, level);
}

// A creature that makes way for the player: awake and standing, and her pet, her companion or a
// person who neither flees nor fights.
static int gives_way(int slot) {
    const CreatureStruct &c = Cre[slot];
    if (c.mode == CM_ASLEEP || c.posture != 0) return 0;
    if (onko_NPC_kesyelain(slot) || onko_NPC_kumppani(slot)) return 1;
    return c.kind == CK_HUMAN && !pakeneeko_NPC(slot) && !taisteleeko_NPC(slot);
}

// The text of a message key, copied out of the message module's buffer.
static const char *key_text(const char *key) {
    static char text[MSGBUF_SIZE];
    copy_bounded(text, sizeof text, MSG(key));
    return text;
}

// ---- small rules ------------------------------------------------------------------------------

// The ice would break under a part of the player's weight with the load.
static int ice_breaks(int x, int y, float part) {
    float w = FullWeightLoad(-1);
    if (w <= 0) w = 180.0f;   // a record without a body weight: a grown person with a pack
    return ice_break_check(x, y, w * part, bigmap()) == 1;
}

// A pointed thing in hand bites into the ice edge: 20 for each hand that wields one.
static int ice_grip_bonus() {
    int bonus = 0;
    for (int hand = 1; hand <= 2; hand++) {
        const int slot = wielding(hand);
        if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] <= 0) continue;
        ItemStruct it;
        ObjToItem(it, Plr.inv_obj[slot]);
        if (it.type == IT_WEAPON && it.fig[2] < 200) bonus += 20;
    }
    return bonus;
}

// A message text with its one "%s" filled; the text comes from a data file, so it is never used as
// a format.
static const char *fill_one(char *out, size_t size, const char *pattern, const char *value) {
    const char *at = strstr(pattern, "%s");
    if (!at) {
        copy_bounded(out, size, pattern);
        return out;
    }
    snprintf(out, size, "%.*s%s%s", (int)(at - pattern), pattern, value, at + 2);
    return out;
}

static void article_lower(const char *desc, char *out, size_t size) {
    char lower[100];
    size_t i = 0;
    for (; desc[i] && i + 1 < sizeof lower; i++) lower[i] = (char)tolower((unsigned char)desc[i]);
    lower[i] = 0;
    const char *art = strchr("aeiou", lower[0]) && lower[0] ? "an" : "a";
    snprintf(out, size, "%s %s", art, lower);
}

int MoveTo(int, int fromX, int fromY, int toX, int toY, int step) {
    const int c = get_mapchar(toX, toY);
    const int world = bigmap();
    const int mode = Plr.movement_mode;
    // A sapling, or a tree its record marks as passable, does not block the way; water goes on to the
    // ice rules.
    if (terrain_flag(c, TF_BLOCKS) && !terrain_flag(c, TF_WATER)) {
        const bool open_tree = terrain_flag(c, TF_TREE) && (is_TreeData_sapling(toX, toY) ||
                                                           get_TreeData_ExtraBit(toX, toY, TREEDATA_PASSABLE));
        if (!open_tree) return MOVE_OBSTACLE;
    }

    if (has_ice(toX, toY) && !has_ice(fromX, fromY)) {
        if (step == 0 && ice_breaks(toX, toY, 1.0f)) return MOVE_OBSTACLE;
        bool rowing_on = false;   // a watercraft on ice that holds: on to the walker's question
        if (world) {
            if (mode == MODE_ROW) {
                if (ice_breaks(toX, toY, 1.0f)) {
                    Note("!The ice prevents you from rowing there.");
                    return MOVE_CREATURE;
                }
                rowing_on = true;
            } else if (ice_breaks(toX, toY, 1.0f)) {
                Note("!You can't trust the ice completely, and for now you can cross it only on zoomed in map.");
                Note("_Press [ENTER] to zoom in if you want to go on the ice there.");
                return MOVE_TOLD;
            }
        }
        if (!rowing_on && mode == MODE_ROW && ice_breaks(toX, toY, 1.0f)) {
            if (step != 0) Note("!The ice prevents you from rowing there.");
            return MOVE_CREATURE;
        }
        if (mode != MODE_SWIM) {
            if (step != 0 && ice_breaks(toX, toY, 0.7f)) {
                Note("!You doubt the ice will hold your weight.");
                if (!KyllaEi("Still want to step on the ice?")) return MOVE_CREATURE;
            }
        } else if (mode == MODE_SWIM) {
            if (step == 0) return MOVE_CREATURE;
            if (ice_breaks(toX, toY, 0.75f)) {
                Note("!You try to climb on the ice but it breaks!");
                do_break_ice(toX, toY);
                TurnUsed = 1;
                return MOVE_FREE;
            }
            const int r = SuccessRoll(2, (plr_ML("CLIMBING") == 1000 ? 0 : plr_ML("CLIMBING")) + ice_grip_bonus());
            int ok = 0;
            if (r >= 3) {
                ok = 1;
                set_effort(5);
            } else if (r == 2) {
                set_effort(6);
                ok = d6(3) <= Plr.agility && d6(3) <= Plr.strength;
            } else if (r == 1)
                set_effort(7);
            else if (r == 0)
                set_effort(10);
            TurnUsed = 1;
            if (ok) {
                Note(key_text("ICE_CLIMB_SUCCESS"));
                TARGET_NPC = -1;
                Plr.posture = 1;
                return MOVE_FREE;
            }
            Note(random(2) ? "!You fail to lift yourself up onto the ice." : "!You struggle to pull yourself onto the ice but fail.");
            return MOVE_CREATURE;
        }
    }
    if (world && mode != MODE_ROW && step != 0 && ice_breaks(fromX, fromY, 1.0f) && has_ice(fromX, fromY) &&
        !avovesi(toX, toY)) {
        Note("!The ice here can't be trusted completely and while on it you can travel only on zoomed in map.");
        Note("_Press [ENTER] to zoom in now and find your way there.");
        return MOVE_TOLD;
    }

    for (int i = 0, end = data_end(); i < end; i++) {
        DataStruct &d = Data[i];
        if (d.x == toX && d.y == toY) {
            if (d.type == DT_FIRE) {
                Note("!You can't walk through the fire!");
                return MOVE_TOLD;
            }
            if (d.type == DT_TRAP && d.extra == 'd') {
                if (step == 0 || !KyllaEi("Really walk into a trap?")) return MOVE_TOLD;
            } else if (d.type == DT_ICEHOLE) {
                if (step == 0) return MOVE_TOLD;
                if (d.flags <= 50) {
                    Note("!You spot a partially frozen hole in the ice over there.");
                    if (!KyllaEi("Really step on that ice?")) return MOVE_TOLD;
                }
            } else if (d.type == DT_CREATURE && !world && d.id >= CRE_DATAID) {
                const long slot = (long)d.id - CRE_DATAID;
                if (slot >= CRE_COUNT) continue;   // a damaged id names no creature
                const CreatureStruct &cr = Cre[slot];
                if (cr.mode == CM_ASLEEP) {
                    if (HerataNPC((int)slot)) return MOVE_CREATURE;
                    continue;
                }
                if (gives_way((int)slot)) {
                    TARGET_NPC = (int)slot;
                    Note(key_text("NPC_WITHDRAWS"));
                    Pakene((int)slot);
                    // A creature with nowhere to go keeps its square: the player never shares it.
                    if (d.type == DT_CREATURE && d.x == toX && d.y == toY) return MOVE_CREATURE;
                    continue;
                }
                if (cr.korkeus == 0) {
                    TARGET_NPC = (int)slot;
                    Note(key_text("MOVEMENT_NPC_AHEAD"));
                    return MOVE_CREATURE;
                }
            }
        } else if (d.x == fromX && d.y == fromY && d.type == DT_TRAP && d.extra == 'e') {
            if (trap_holds_player(i)) return MOVE_TRAPPED;
            PaastaAnsa(i);
        }
    }
    return MOVE_FREE;
}

// ---- the step ---------------------------------------------------------------------------------

static void target_of(int step, int &tx, int &ty) {
    static const int cw_dx[8] = {0, 1, 1, 1, 0, -1, -1, -1}, cw_dy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
    tx = PlayerX;
    ty = PlayerY;
    if (step >= 100 && step <= 107) {
        tx += cw_dx[step - 100];
        ty += cw_dy[step - 100];
    } else if (step == -1) {
        tx -= Heds_x(PlayerDir);
        ty -= Heds_y(PlayerDir);
    } else if (step != 0) {
        tx += step * Heds_x(PlayerDir);
        ty += step * Heds_y(PlayerDir);
    }
}

// A shore landed on by boat belongs to a small island when, of the 5 x 5 world cells around the
// player, fewer are land than water and fewer than 15 are land.
static bool small_island_shore(int world) {
    int wx = PlayerX, wy = PlayerY;
    if (!world) {
        wx = (int)Plr.world_x + find_zoom_x(PlayerX, 0);
        wy = (int)Plr.world_y + find_zoom_y(PlayerY, 0);
    }
    int land = 0, water = 0;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) {
            if (terrain_flag(get_alltime_maailmachar(wx + dx, wy + dy), TF_WATER))
                water++;
            else
                land++;
        }
    return land < water && land < 15;
}

static void spend_step(int world) {
    const int c = get_mapchar(PlayerX, PlayerY);
    if (c == 96) Tarkista_Suoritus(28);
    const float metres = world ? 100.0f : 2.0f;
    double minutes = metres * move_seconds_per_metre(c) / 60.0;
    if (Plr.movement_mode == MODE_SWIM) minutes *= 10;
    if (Plr.movement_mode == MODE_WADE) minutes *= 5;
    if (minutes < 1.0) {
        // Round the float product to whole hundredths of a second before rounding up, so that
        // 2 m at 0.9 s/m costs 2 seconds, not 3.
        const double s = std::floor(minutes * 60.0 * 100.0 + 0.5) / 100.0;
        SecondTick((int)std::ceil(s), 0);
        Kuluta_Kenkia((int)std::ceil(s), 0);
    } else {
        const double m = std::floor(minutes * 100.0 + 0.5) / 100.0;
        MinuteTick((int)std::ceil(m), 0);
        Kuluta_Kenkia(0, (int)std::ceil(m));
    }
}

static void choose_effort(int level_step) {
    const int mode = Plr.movement_mode;
    if (mode == MODE_WADE) set_effort(6);
    else if (mode == MODE_ROW) set_effort(4);
    // A runner runs on into the shallows too.
    if (RUNNING && Plr.posture == 0) {
        set_effort(10);
        Note("&You run.");
    } else if (mode != MODE_ROW) {
        const int snow = snow_thickness_mapwise(PlayerX, PlayerY);
        if (snow <= 99 || mode == MODE_SWIM) {
            if (mode == MODE_WALK && plr_tiredness() <= 1499 && level_step) set_effort(2);
        } else if (mode == MODE_SKI) {
            int r = SuccessRoll(-3, plr_ML("SKIING") == 1000 ? 0 : plr_ML("SKIING"));
            if (random(2)) r = SuccessRoll(0, plr_ML("SKIING") == 1000 ? 0 : plr_ML("SKIING"));
            if (r == 0) set_effort(5);
            else if (r == 1) set_effort(4);
            else if (r == 2) set_effort(3);
            else if (r == 3) set_effort(2);
            copy_bounded(MoveSound, sizeof MoveSound, "ski");
        } else {
            const int w = plr_tiredness();
            set_effort(w > 749 ? 7 : w > 599 ? 6 : w > 499 ? 5 : w < 250 ? 3 : 4);
            copy_bounded(MoveSound, sizeof MoveSound, "walk_deepsnow");
        }
    }
    if (Plr.posture == 1) set_effort(7);
}

static int in_band(int x, int y, int lo_x, int hi_x, int lo_y, int hi_y) {
    return x >= lo_x && x <= hi_x && y >= lo_y && y <= hi_y;
}

int MovePlayer(int step) {
    if (step == 0 && PLAYER_SLEEPING) return 1;   // a sleeper stays where she lies
    const int world = bigmap();
    PlayerX_Previous = PlayerX;
    PlayerY_Previous = PlayerY;
    MoveSound[0] = 0;
    if (step != 0) movement_way();
    if (Plr.movement_mode == MODE_SKI) Note(":You ski.");

    LastMovingDirection = PlayerDir;
    int tx, ty;
    target_of(step, tx, ty);
    if (step != 0) backward_step = 0;
    if (step >= 100 && step <= 107 && !See(tx, ty)) {
        Plr.command_flags |= 16;
        backward_step = 1;
    }
    if (step == -1) {
        LastMovingDirection = (PlayerDir + 4) % 8;
        Plr.command_flags |= 16;
        backward_step = 1;
    }
    map_debuglog("movement", "MovePlayer(%d) %d,%d -> %d,%d", step, PlayerX, PlayerY, tx, ty);

    // Her speed after the penalties of wounds, weariness and load; the same penalties tell why.
    const int mobility = ACTUAL_MOBILITY(-1);
    char line[400];
    if (mobility < 0) {
        snprintf(line, sizeof line, "!You are not able move ahead %s!", Penalty_Syy((unsigned)pBITFIELD_mobility()));
        Note(line);
        return -1;
    }
    if (mobility <= 9 && RUNNING) {
        RUNNING = 0;
        if (GRAPH_INIT) StatScreen();
        snprintf(line, sizeof line, "!You can't run any longer %s!", Penalty_Syy((unsigned)pBITFIELD_mobility()));
        Note(line);
        Pause();
        return -1;
    }

    int r = MoveTo(1000, PlayerX, PlayerY, tx, ty, step);
    map_debuglog("movement", "movement result: %d", r);
    map_debuglog("movement", "TOXY char: %d", get_mapchar(tx, ty));
    int mode = Plr.movement_mode;
    const int mode_before = mode;
    if (avovesi(tx, ty)) {
        const int w = WaterwayCheck(tx, ty);
        if (step == 0) SWIMTURNS = 0;
        else if (mode == MODE_SWIM) SWIMTURNS++;
        if (w != 1) return w;
        r = MOVE_FREE;
    } else if (mode == MODE_ROW) {
        if (world) {
            Note(has_ice(tx, ty) ? "_To land your watercraft on the ice first press [ENTER] to zoom in."
                                     : "_There's land ahead of you. To go on shore first press [ENTER] to zoom in.");
            return 0;
        }
        if (has_ice(tx, ty) && has_ice(PlayerX, PlayerY)) {
            Note("!The ice prevents you from rowing there.");
            return 0;
        }
    }

    mode = Plr.movement_mode;   // the water check may have set her wading or rowing
    map_debuglog("movement", "movement result 2: %d", r);
    DebugNotef("ACTUAL_MOBILITY: %d", mobility);

    if (Plr.movement_mode == MODE_ROW) {   // a craft just launched goes into the water with her
        TRANSPORT = 1;
        RUNNING = 0;
        LURK = 0;
        // A craft launched by this very step that can't go stays on the shore, and she on her feet.
        const auto stay_ashore = [&]() {
            if (mode_before != MODE_ROW) {
                Plr.movement_mode = mode_before == MODE_HAUL ? MODE_WALK : mode_before;
                TRANSPORT = 0;
            }
            return -1;
        };
        if (step != 0) {
            if (transcap(CRE_PLAYER, PlayerX_Previous, PlayerY_Previous) == -1) return stay_ashore();
            for (int i = 0, end = data_end(); i < end; i++) {
                DataStruct &d = Data[i];
                if (d.type != DT_ITEM || d.x != tx || d.y != ty) continue;
                if (d.id == OID_FEATHER || (AnyObjToObj((int)d.id) && Item.id == OID_FEATHER)) {
                    CrunchData(i);
                    continue;
                }
                Note("!There are some items on your way.");
                return stay_ashore();
            }
        }
    } else {
        TRANSPORT = 0;
    }

    const int climb = KiipeilyTarkistus(-1, PlayerX_Previous, PlayerY_Previous, tx, ty);
    map_debuglog("movement", "kiipeilytarkistus: %d", climb);
    if (climb == 1000) {
        Note("!That's too steep to be climbed!");
        return -1;
    }
    bool climbed = false;
    if (climb >= 2) {
        Note("!That's quite steep. Use your CLIMBING skill to move on.");
        char how[16];
        copy_bounded(how, sizeof how, inival("AUTO_CLIMB_ELEVATION", "ASK"));
        if (!strcmp(how, "ASK")) {
            if (!KyllaEi("Climb it?")) return -1;
        } else if (strcmp(how, "YES") != 0)
            return -1;
        if (!climb_it(tx, ty)) return -1;
        r = MOVE_FREE;
        climbed = true;
        PlayerX = tx;
        PlayerY = ty;
    }

    if (!climbed && r >= 100) {
        TurnUsed = 0;
        const int c = get_mapchar(tx, ty);
        if (r == MOVE_OBSTACLE) {
            if (step == 0) return c == 42 ? 1 : 0;
            if ((c == 44 || c == 254) && inivaldefyes("AUTO_OPEN_DOOR")) {
                open_door(tx, ty);
                TurnUsed = 1;
                return 0;
            }
            char what[120], text[200];
            article_lower(terrain_desc(c), what, sizeof what);
            Note(fill_one(text, sizeof text, key_text("MOVEMENT_OBSTACLE_AHEAD"), what));
            if (c != 42) return 0;
            char how[16];
            copy_bounded(how, sizeof how, inival("AUTO_CLIMB_FENCE", "ASK"));
            if (!strcmp(how, "ASK")) {
                if (!KyllaEi("Climb it?")) return 0;
            } else if (strcmp(how, "YES") != 0)
                return 0;
            if (!climb_it(tx, ty)) return 0;
            r = MOVE_FREE;
            climbed = true;
            PlayerX = tx;
            PlayerY = ty;
        } else if (r == MOVE_TRAPPED) {
            return -1;
        } else if (r == MOVE_CREATURE) {
            TurnUsed = 1;
            return 0;
        } else {
            return 0;
        }
    }

    if (!climbed) {
        if (mode == MODE_HAUL && step != 0) {
            // A hauling step costs what the hauled load weighs: up to a minute ticks by, more is
            // spent as a task that something may cut short.
            const int t = itemmove_spendtime(CRE_PLAYER);
            if (t <= 1) MinuteTick(1, 0);
            else if (!realbasicspend(t, 0, "Moving items", SPF_HELPERS)) return -1;
        }
        if (Plr.posture == 1 && mode != MODE_ROW) Note(":You crawl.");
        TurnUsed = 2;
        PlayerX = tx;
        PlayerY = ty;
        if (world) {
            Plr.world_x = (uint32_t)PlayerX;
            Plr.world_y = (uint32_t)PlayerY;
        }
        UPDATE_SCREEN = 1;
        Plr.distance_km += world ? 0.1f : 0.002f;
        Exit_Checking = 1;
        choose_effort(KiipeilyTarkistus(-1, PlayerX_Previous, PlayerY_Previous, PlayerX, PlayerY) == 0);
        if (mode == MODE_HAUL && step != 0 && ITEMMOVE_ponnistelu > 0) set_effort(ITEMMOVE_ponnistelu);
        Plr.command_flags |= 2;
        spend_step(world);
    }

    // The edges of the world.
    if (world) {
        if (!in_band(PlayerX, PlayerY, 31, 3041, 31, 2017)) {
            const int dy = PlayerY - PlayerY_Previous, dx = PlayerX - PlayerX_Previous;
            const bool inward = (PlayerY <= 30 && dy > 0) || (PlayerY >= 2018 && dy < 0) ||
                                (PlayerX <= 30 && dx > 0) || (PlayerX >= 3042 && dx < 0);
            if (!inward) {
                PlayerX = PlayerX_Previous;
                PlayerY = PlayerY_Previous;
            }
            Note("!For some reason you dare not to go further.");
            Plr.world_x = (uint32_t)PlayerX;
            Plr.world_y = (uint32_t)PlayerY;
        }
    } else if (PlayerX < 136 || PlayerX > 328 || PlayerY < 136 || PlayerY > 328) {
        if (!in_band((int)Plr.world_x, (int)Plr.world_y, 36, 3036, 36, 2012)) {
            PlayerX = PlayerX_Previous;
            PlayerY = PlayerY_Previous;
            Note("!For some reason you dare not to go further.");
        } else if (!LOADER_RUN) {
            ZoomRenew = 1;
        }
    }

    if (!trap_fires(PlayerX, PlayerY) && get_tempcol(PlayerX, PlayerY) != ':') Display_Items(PlayerX, PlayerY, 0);

    if (TRANSPORT)
        for (int i = 0, end = data_end(); i < end; i++) {
            DataStruct &d = Data[i];
            if (d.x == PlayerX_Previous && d.y == PlayerY_Previous && d.id != TRANSPORT_STAYS &&
                (d.type == DT_ITEM || d.type == DT_CARCASS)) {
                d.x = (uint16_t)PlayerX;
                d.y = (uint16_t)PlayerY;
                DebugNotef("MoveTransport %u -> %d,%d", d.id, PlayerX, PlayerY);
            }
        }
    if (mode == MODE_HAUL && step != 0) {
        if (ItemMove() > 0)
            Note(":You haul items along.");
        else
            Plr.movement_mode = MODE_WALK;
    }
    MapBorderInfo();

    if (step != 0 && has_ice(PlayerX, PlayerY)) {
        if (!world) {
            const int b = ice_break_check(PlayerX, PlayerY, 0, 0);
            if (b == 2) Note("!The ice makes a cracking sound.");
            if (b == 1) {
                Note(key_text("ICE_BREAKS"));
                Plr.movement_mode = MODE_SWIM;
                do_break_ice(PlayerX, PlayerY);
                DrawMap();
                Pause();
                WaterwayCheck(PlayerX, PlayerY);
            }
        } else {
            ice_break_check(PlayerX, PlayerY, 0, 1);
        }
    }

    // Mode endings and the step sound.
    int noise = 1;
    const int here = get_mapchar(PlayerX, PlayerY);
    if (Plr.movement_mode == MODE_ROW) {
        copy_bounded(MoveSound, sizeof MoveSound, "water");
        if (!avovesi(PlayerX, PlayerY)) {
            SESTA = 0;
            TRANSPORT = 0;
            Plr.movement_mode = MODE_WALK;
            Note(":You go on shore.");
            if (small_island_shore(world)) Tarkista_Suoritus(47);
            Tarkista_Suoritus(14);
        }
        noise = 2;
    } else if (Plr.movement_mode == MODE_WADE) {
        LampotilaTarkastus();   // the water's cold reaches her at the step
        copy_bounded(MoveSound, sizeof MoveSound, "wade");
        if (!avovesi(PlayerX, PlayerY)) {
            Plr.movement_mode = MODE_WALK;
            Note(key_text("OUT_OF_THE_WATER"));
        }
        noise = 2;
    } else if (Plr.movement_mode == MODE_SWIM) {
        if (!avovesi(PlayerX, PlayerY) || !terrain_flag(here, TF_SWIM)) {
            Plr.movement_mode = MODE_WALK;
            Note(key_text("OUT_OF_THE_WATER"));
        }
        // Open water too shallow to swim in is waded, whether or not the square is one to swim on.
        if (avovesi(PlayerX, PlayerY) && vesisyvyys(PlayerX, PlayerY) < 2) {
            Note(key_text("CAN_WADE"));
            Plr.movement_mode = MODE_WADE;
        }
        copy_bounded(MoveSound, sizeof MoveSound, "water");
        noise = 2;
    } else if (!MoveSound[0]) {
        if (RUNNING) {
            copy_bounded(MoveSound, sizeof MoveSound, "run");
            noise = 2;
        } else if (Plr.posture == 0) {
            const int p = pintakartta_value(PlayerX, PlayerY);
            if (terrain_flag(here, TF_ROOFED))
                copy_bounded(MoveSound, sizeof MoveSound, "walkinside");
            else if (PINTA(p) == 2 && maapera_arvo(PlayerX, PlayerY) == 64)
                copy_bounded(MoveSound, sizeof MoveSound, "walk_soggy");
            else
                copy_bounded(MoveSound, sizeof MoveSound, "walk");
        } else {
            copy_bounded(MoveSound, sizeof MoveSound, "crawl");
        }
    }
    map_debuglog("movement", "playmove %s", MoveSound);
    if (LURK)
        noise = Hiipimisen_Tarkistus();
    else
        play_move(MoveSound);
    if (step != 0) register_noise(PlayerX, PlayerY, noise);
    (void)backward_step;
    if (!world) return r;
    // Out in the wilds now and then a sound of the land around her, somewhere off in the distance.
    SOUND_IN_DISTANCE = 50 + random(200);
    SOUND_IN_POSITION = random(360);
    const bool forest = terrain_flag(here, TF_TREE) && Plr.month >= 3 && Plr.month <= 10 && random(4) != 0;
    if (random(30) == 0) {
        const bool quiet_season = (Plr.month < 5 || Plr.month > 8) && random(3) != 0;
        if (!quiet_season) {
            if (Plr.hour >= 6 && Plr.hour <= 21) {
                play_keyword_sample(forest ? "FOREST LIVING" : "NATURE LIVING");
                return r;
            }
            if (random(2) == 0) play_keyword_sample("NIGHT LIVING");
        }
    }
    SOUND_IN_DISTANCE = 0;
    SOUND_IN_POSITION = 0;
    return 1;
}
