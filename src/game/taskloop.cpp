// src/game/taskloop.cpp -- the timed-task loop.
#include "game/taskloop.h"

#include "core/config.h"
#include "core/datafunc.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "game/turnloop.h"
#include "game/wizard.h"
#include "game/worldpass.h"
#include "creatures/body.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "creatures/life.h"
#include "items/inventory.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "worldgen/encounter.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

// ---- services of other modules ------------------------------------------------------------------

static void say(const char *key) { Note(MSG(key)); }

// The physical statistics boxes and the heading box.
static void stat_boxes() {
    STATSCREEN_fyysiset();
    Heading();
}

// One watched creature of the local area.
struct Watch {
    int x, y, dist;
    unsigned id;                   // social id; 0 not watched
    bool seen, reported, aggression, approach;
};

enum { ABORT_NO = 0, ABORT_HOSTILE = 1, ABORT_ALL = 2 };

static int abort_setting(const char *key, const char *def) {
    const char *v = inival(key, def);
    if (!strcmp(v, "NO")) return ABORT_NO;
    if (!strcmp(v, "HOSTILE")) return ABORT_HOSTILE;
    return ABORT_ALL;
}

struct TaskState {
    Watch watch[CRE_COUNT];
    int abort_humans, abort_animals, abort_sounds, delay_add;
    int saved_x, saved_y;
    ItemStruct item_backup;
    bool moved_in_sight;
};
static TaskState T;

static int setting_for(int c) { return is_human(c) ? T.abort_humans : T.abort_animals; }

static int chebyshev(int x, int y) {
    const int dx = abs(x - PlayerX), dy = abs(y - PlayerY);
    return dx > dy ? dx : dy;
}

static void fill_watch() {
    memset(T.watch, 0, sizeof T.watch);
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const int c = (int)Data[i].id - CRE_DATAID;
        if (c < 0 || c >= CRE_COUNT) continue;
        Watch &w = T.watch[c];
        w.seen = See(Data[i].x, Data[i].y) != 0;
        w.aggression = taisteleeko_NPC(c) != 0;
        w.x = Data[i].x;
        w.y = Data[i].y;
        w.id = Cre[c].socialid;
        w.dist = chebyshev(w.x, w.y);
        if (setting_for(c) == ABORT_NO) w.id = 0;
    }
}

// The ending shared by the short tasks and the completed loop.
static void restore_after() {
    Item = T.item_backup;
    GeneralX = T.saved_x;
    GeneralY = T.saved_y;
    SPENDING = 0;
    SPENDING_CRITICAL = 0;
}

static int completed() {
    oxa_delay(200);
    stop_task_sample();
    SPENDING = 0;
    SPENDING_CRITICAL = 0;
    restorescr("spend");
    GeneralX = T.saved_x;
    GeneralY = T.saved_y;
    DrawMap();
    stat_boxes();
    Item = T.item_backup;
    Kerro_Ponnisteluanalyysi();
    return 1;
}

static int cancelled() {
    restorescr("spend");
    DrawMap();
    stat_boxes();
    if (SPEND_CRAFTPAUSE)
        say("TASK_PAUSED");
    else
        say("TASK_CANCELLED");
    SPENDING = 0;
    Item = T.item_backup;
    GeneralX = T.saved_x;
    GeneralY = T.saved_y;
    SPENDING_CRITICAL = 0;
    stop_task_sample();
    TurnUsed = 3;
    return 0;
}

static void time_spent_text(char *out, size_t size, int tick) {
    const int h = SPEND_MINDONE / 60, m = SPEND_MINDONE % 60;
    out[0] = 0;
    if (h == 1)
        snprintf(out, size, " 1 hour");
    else if (h > 1)
        snprintf(out, size, " %d hours", h);
    if (m > 0) {
        const size_t n = strlen(out);
        snprintf(out + n, size - n, "%s%d minutes", h ? ", " : " ", m);
    }
    if (!h && !m) snprintf(out, size, " %d seconds", 10 * tick);
}

static void open_window(const char *message, int continued, unsigned flags) {
    char title[120];
    snprintf(title, sizeof title, "%s ...", message);
    strupr(title);
    char effort[60];
    copy_bounded(effort, sizeof effort, effortdesc(Plr.exertion));
    if (effort[0] >= 'a' && effort[0] <= 'z') effort[0] = (char)(effort[0] - 'a' + 'A');
    ui_spend_window(title, continued, !(flags & SPF_NOPROGRESS), effort);
}

// Asks the interrupt question; 1 for yes.
static int ask_abort() { return KeskeytaKyllaEi("Abort task?"); }

// A question about one creature: 1 when the player chose to abort.
static int creature_question(int c, const char *key) {
    DrawMap();
    TARGET_NPC = c;
    say(key);
    return ask_abort();
}

// The watch over the creatures in view: 1 when the player chose to cancel.
static int watch_creatures() {
    T.moved_in_sight = false;
    for (int c = 0; c < CRE_COUNT; c++) {
        Watch &w = T.watch[c];
        if (!w.id) continue;
        const int dp = cre_datapos(c);
        if (dp < 0) continue;
        const int x = Data[dp].x, y = Data[dp].y;
        const int insight = See(x, y);
        if (insight && !Cre[c].still) T.moved_in_sight = true;
        const int fights = taisteleeko_NPC(c);
        const int on_player = fights && Cre[c].enemy == CRE_PLAYER;
        int threat = (onko_NPC_kumppani(c) || onko_NPC_kesyelain(c)) ? on_player : 1;
        if (setting_for(c) == ABORT_HOSTILE && !fights) threat = 0;
        if (!threat || !insight || sukeltaako_NPC(c)) continue;
        if (on_player) {
            if (!w.aggression) {
                if (creature_question(c, "TASK_PROMPT_AGGRESSION")) return 1;
                w.reported = w.aggression = true;
            }
            const int d = chebyshev(x, y);
            if (d < w.dist && d <= 5 && !w.approach) {
                if (creature_question(c, w.seen ? "TASK_PROMPT_AGG_APPROACH" : "TASK_PROMPT_AGG_CREATURE")) return 1;
                w.seen = w.reported = w.approach = true;
                continue;
            }
        }
        if (!w.seen && !w.reported) {
            if (creature_question(c, fights ? "TASK_PROMPT_AGG_CREATURE" : "TASK_PROMPT_CREATURE")) return 1;
            w.seen = w.reported = true;
        }
    }
    return 0;
}

static bool window_closed_now() { return ui_window_closing() != 0; }

int task_loop(int minutes, int seconds, const char *message, int continued, unsigned flags) {
    if (!message) message = "";
    T.abort_humans = abort_setting("TASK_ABORT_HUMANS", "HOSTILE");
    T.abort_animals = abort_setting("TASK_ABORT_ANIMALS", "YES");
    T.abort_sounds = !strcmp(inival("TASK_ABORT_SOUNDS", "NO"), "YES");
    T.delay_add = atoi(inival("SPEND_DELAY_ADD", "0"));
    T.moved_in_sight = false;
    fill_watch();

    if (Plr.movement_mode == 2) {
        say("TASK_SWIMMING");
        TurnUsed = 0;
        return 0;
    }
    Alusta_Ponnisteluanalyysi();
    if (INSTANT_TASKS || DEBUG_spend_pass || DEBUG_aika_ja_esineet) return 1;   // a swimmer is refused first
    T.item_backup = Item;
    TurnUsed = 1;
    if (onko_taistelutilanne(CRE_PLAYER, 0)) {
        say("TASK_COMBAT_FIRST");
        return 0;
    }
    if (minutes > SPEND_MAX_MINUTES && !(flags & (SPF_LONG5 | SPF_LONG0))) {
        say("TASK_TOO_LONG");
        return 0;
    }
    SPENDING = 1;
    SPEND_INTERRUPT = 0;
    SPENDING_CRITICAL = strstr(message, "STANDING BY") ? 0 : 1;
    SPEND_MINDONE = 0;
    SPEND_CRAFTPAUSE = 0;
    T.saved_x = GeneralX;
    T.saved_y = GeneralY;

    if (!(flags & SPF_SECONDS) && minutes <= 1) {
        MinuteTick(1, 0);
        CreatureMove();
        DrawMap();
        SPEND_SAMPLE[0] = 0;
        restore_after();
        return 1;
    }
    if ((flags & SPF_SECONDS) && minutes == 0 && seconds <= 10) {
        SecondTick(10, 0);
        TurnUsed = 1;
        DrawMap();
        SPEND_SAMPLE[0] = 0;
        restore_after();
        return 1;
    }

    int helper_limit = 3;
    if (flags & SPF_HELPERS1) helper_limit = 1;
    else if (flags & SPF_HELPERS2) helper_limit = 2;
    const int pause_pct = (flags & SPF_LONG0) ? 0 : (flags & SPF_LONG5) ? 5 : 1000;

    DrawMap();
    ui_grabscr("spend");
    open_window(message, continued, flags);
    if (SPEND_SAMPLE[0]) {
        char sample[sizeof SPEND_SAMPLE];
        copy_bounded(sample, sizeof sample, SPEND_SAMPLE);
        play_task_sample(sample);
        SPEND_SAMPLE[0] = 0;
    }

    const bool tens = (flags & SPF_SECONDS) != 0;
    const int per_minute = tens ? 6 : 1;
    int total = tens ? seconds / 10 + minutes * 6 : minutes;
    const int whole = tens ? minutes + seconds / 60 : minutes;
    const int delay = spend_tick_delay(whole, per_minute, T.delay_add);
    if (total < 1) return completed();

    int injury_ref = plr_injury_total();
    int saved_ticks = 0, last_helpers = 0, sub = 0;
    int last_minute = (int)Plr.minutes;
    uint32_t last_tick_at = ui_ticks();

    for (int i = 1; i <= total; i++) {
        if (++sub >= per_minute) {
            sub = 0;
            SPEND_MINDONE++;
        }
        note_lines_since_pause = 0;
        Time();
        stat_boxes();

        char spent[80];
        time_spent_text(spent, sizeof spent, i);
        int p = pct(i, total), section = 0;
        if (continued) {
            const int all = whole - (saved_ticks / per_minute) + continued;
            p = pct(continued + SPEND_MINDONE, all);
            section = pct(continued, all);
        }
        const int pause_note = pause_pct != 1000 && !SPEND_CRAFTPAUSE && pause_pct <= p;
        ui_spend_tick(spent, !(flags & SPF_NOPROGRESS), (float)p, section, pause_note);
        if (pause_note) SPEND_CRAFTPAUSE = 1;

        const uint32_t now = ui_ticks();
        if (now - last_tick_at < (uint32_t)delay) oxa_delay((int)(delay - (now - last_tick_at)));
        last_tick_at = ui_ticks();

        CreatureMove();

        if ((int)Plr.minutes != last_minute) {
            last_minute = (int)Plr.minutes;
            EncounterCheck();
            Nayta_Perustarpeet(1);
            DrawMap();
        } else if (T.moved_in_sight) {
            DrawMap();
        } else {
            stat_boxes();
        }

        int cancel = 0;            // 1 without a question, 2 with one
        if (window_closed_now()) {
            // Nobody is left to answer: the task ends and the game with it.
            CLOSE_WINDOW = 1;
            EXIT_CLOSE_GAME = 1;
            return cancelled();
        }
        if (kb_hit() == KEY_ESC) cancel = (flags & SPF_ESC_NOASK) ? 1 : 2;

        if ((flags & SPF_REST) && plr_fatigue() == 0.0f) {
            say("TASK_RESTED");
            return completed();
        }
        bool skip = false;
        if (SPEND_INTERRUPT == 2) {
            DrawMap();
            say("TASK_INTERRUPTED");
            SPEND_INTERRUPT = 0;
            TurnUsed = 1;
            cancel = 1;
            skip = true;
        }
        if (!skip) {
            if (SPENDING == -2) cancel = 1;
            if (SPEND_INTERRUPT == 4) {
                SPEND_INTERRUPT = 0;
                if (ask_abort()) {
                    cancel = 1;
                    skip = true;
                }
            } else if (SPEND_INTERRUPT == 1) {
                SPEND_INTERRUPT = 0;
                if (T.abort_sounds && ask_abort()) {
                    cancel = 1;
                    skip = true;
                }
            }
        }
        if (!skip) {
            if (watch_creatures()) cancel = 1;
            if (onko_taistelutilanne(CRE_PLAYER, 0) || SPEND_INTERRUPT == 3) {
                DrawMap();
                say(SPEND_INTERRUPT == 3 ? "TASK_ATTACKED" : "TASK_ENGAGED");
                SPEND_INTERRUPT = 0;
                cancel = 1;
            }
            const int injury = plr_injury_total();
            if (injury > injury_ref && !cancel) {
                DrawMap();
                say("TASK_INJURED");
                cancel = 2;
                injury_ref = injury;
            }
            if (SPEND_CRAFTPAUSE) {
                if (plr_fatigue() >= 100.0f) {
                    say("TASK_TOO_FATIGUED");
                    cancel = 1;
                }
                if (plr_tiredness() > 2000) {
                    say("TASK_TOO_TIRED");
                    cancel = 1;
                    if (SPEND_MINDONE < 2 && minutes > 1) SPEND_MINDONE = 0;
                }
            }
        }
        if (Plr.posture == 4 || REAL_QUIT == -1) return cancelled();
        if (cancel == 1) return cancelled();
        if (cancel == 2) {
            if (KyllaEi(SPEND_CRAFTPAUSE ? "Take a break?" : "Cancel current task?")) return cancelled();
            // A question answered by a closed window ends the task: nobody is there to go on.
            if (CLOSE_WINDOW) return cancelled();
            SPENDING = 1;
        }

        if (tens)
            SecondTick(10, 0);
        else
            MinuteTick(1, 0);

        if (flags & SPF_HELPERS) {
            char names[300];
            int helpers = spendtask_helpers(names, sizeof names);
            if (helpers > helper_limit) helpers = helper_limit;
            if (helpers > 0) {
                if (helpers != last_helpers) {
                    char line[400];
                    if (helpers < helper_limit)
                        snprintf(line, sizeof line, "#You get some help with this task from %s.", names);
                    else if (helper_limit > 1)
                        snprintf(line, sizeof line, "#%s help you with this task.", names);
                    else
                        snprintf(line, sizeof line, "#%s helps you with this task.", names);
                    Note(line);
                    last_helpers = helpers;
                }
                if (random(100) < spend_helper_chance(helpers)) {
                    total--;
                    saved_ticks++;
                }
            }
        }
        Haavatarkistukset((flags & SPF_TASKWOUNDS) ? 1 : 0);
    }
    return completed();
}
