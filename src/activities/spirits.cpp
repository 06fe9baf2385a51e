// src/activities/spirits.cpp -- the spirits of the wilds: the forest maid, the water folk and the
// spirit of the forest. Each keeps a mood toward the player in "v" records of the map's data pool;
// the nearest record of a spirit is the one that counts. Once an hour a spirit may show itself to a
// player who did what calls it, and at night one who has had many contacts feels their mood.
#include "activities/spirits.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "activities/actions.h"
#include "activities/activities.h"
#include "activities/magic.h"
#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/ui.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "core/weather.h"
#include "core/weatherengine.h"
#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/zoomservices.h"
#include "items/inventory.h"
#include "maps/area.h"
#include "maps/directions.h"
#include "maps/maps.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/picker.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "core/oxa.h"
#include "core/worldservices.h"

enum {
    MEANS_MAID_FIRE = 25,          // the fire of seven spruce twigs
    MEANS_WATER_FOLK = 135,        // naked on a lone rock at midnight
    CH_ANT_NEST = 29,
    CH_WATER_ROCK = 250,
    WORLD_SPRUCE_MOSS_A = 235, WORLD_SPRUCE_MOSS_B = 15,
    SURFACE_MOSS = 2,
    MEET_REST_DAYS = 3,            // a spirit shows itself again only after this many days
    MAID_CALL_MINUTES = 600,       // a fire stamped for the maid calls her this long
    FOREST_CALL_MINUTES = 120,     // silver in the ant nest calls the forest spirit this long
    CONTACTS_FELT = 15,            // more contacts than this and the night lets her feel the spirits
    BLANK_WORK = 32,
    REMOTE_BLANKS = 20, REMOTE_BLANKS_COUNTED = 250,
    TASK_SPIRITS = 11, TASK_FOREST_SPIRIT = 49,
    SPEND_QUESTION = 4, SLEEP_SPIRITS = 7,
    RITUAL_COUNTERS = 100, RITUAL_MEANINGFUL_MAX = 199, RITUAL_FAVOUR = 5, RITUAL_DONE = 200,
    RITUAL_NONE = 1000, RITUAL_PLAIN_MAX = 250,
};

// ---- where and when a spirit shows itself ---------------------------------------------------------

static bool fire_within_one(int x, int y) {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_FIRE && koordinaattien_vali(x, y, d.x, d.y) <= 1) return true;
    }
    return false;
}

static int humans_within(int r) {
    int count = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE || koordinaattien_vali(PlayerX, PlayerY, d.x, d.y) > r) continue;
        const int c = creature_slot_of(d.id);
        if (c >= 0 && Cre[c].kind == CK_HUMAN) count++;
    }
    return count;
}

static int blank_work_around(int r) {
    int count = 0;
    for (int y = PlayerY - r; y <= PlayerY + r; y++)
        for (int x = PlayerX - r; x <= PlayerX + r; x++) {
            if (!in_layer(x, y) || maailma_work[mapidx(x, y)] != BLANK_WORK) continue;
            if (++count >= REMOTE_BLANKS_COUNTED) return count;
        }
    return count;
}

// The first square (rows top to bottom, columns left to right) of the square of radius r around the
// player, farther than `beyond`, that `fits`; the last one instead when `last`.
template <class F> static bool scan_around(int r, int beyond, bool last, int &ox, int &oy, F fits) {
    bool found = false;
    for (int y = PlayerY - r; y <= PlayerY + r; y++)
        for (int x = PlayerX - r; x <= PlayerX + r; x++) {
            if (koordinaattien_vali(PlayerX, PlayerY, x, y) <= beyond || !fits(x, y)) continue;
            ox = x, oy = y, found = true;
            if (!last) return true;
        }
    return found;
}

void HaltijaSijainti(int n, int &x, int &y) {
    x = y = 0;
    if (bigmap() || get_SpiritData_meetgap(n) < MEET_REST_DAYS) return;
    const int wx = IsoX(), wy = IsoY();
    if (n == SPIRIT_FOREST_MAID) {
        const int world = get_alltime_maailmachar(wx, wy);
        if (Plr.month < 9 || Plr.month > 11 || GlobWeather.sun_alt >= 0 || is_settled_area(wx, wy, 10)) return;
        if (!fire_within_one(PlayerX, PlayerY)) return;
        if (world != WORLD_SPRUCE_MOSS_A && world != WORLD_SPRUCE_MOSS_B) return;
        if (PINTA(pintakartta_value(PlayerX, PlayerY)) != SURFACE_MOSS) return;
    }
    if (n != SPIRIT_FOREST_MAID && n != SPIRIT_WATER_FOLK && n != SPIRIT_OF_FOREST) return;
    if (humans_within(30) > 1) return;
    const int h = Plr.hour;
    if (n == SPIRIT_FOREST_MAID) {
        if (blank_work_around(20) < REMOTE_BLANKS) return;
        scan_around(2, 1, true, x, y, [](int sx, int sy) {
            return fire_within_one(sx, sy) && !terrain_flag(get_mapchar(sx, sy), TF_BLOCKS);
        });
    } else if (n == SPIRIT_OF_FOREST) {
        if (h < 21 && h > 4) return;
        if (is_settled_area(wx, wy, 5) || !got_mc_around(PlayerX, PlayerY, CH_ANT_NEST, 3)) return;
        scan_around(8, 3, false, x, y, [](int sx, int sy) {
            return !terrain_flag(get_mapchar(sx, sy), TF_WATER | TF_BLOCKS);
        });
    } else {
        if (h != 23 && h != 0 && h != 1) return;
        if (!plr_naked() || maapera_arvo(PlayerX, PlayerY) != 1 || get_mapchar(PlayerX, PlayerY) != CH_WATER_ROCK)
            return;
        if (!zoommap_ulkoluoto(PlayerX, PlayerY, nullptr, nullptr))
            for (int d = 0; d < 8; d++)
                if (!avovesi(PlayerX + Heds_x(d), PlayerY + Heds_y(d))) return;
        scan_around(3, 1, false, x, y, [](int sx, int sy) { return avovesi(sx, sy) != 0; });
    }
}

int KohtaaHaltija(int x, int y, int n) {
    if (bigmap()) return 0;
    Luo_Olento(n);
    CreatureStruct spirit = Creature;
    const int id = new_creature_to_DATA(spirit);
    if (id == CRE_NONE) return 0;
    set_data(DT_CREATURE, x, y, id, 1);
    set_SpiritData_meetday(x, y, n, Plr.daynumber > 0 ? (int)Plr.daynumber : 1);
    return 1;
}

void supernatural_check() {
    int x = 0, y = 0;
    if (!bigmap() && KUESTIT_PIALLA) {
        int n = 0;
        if (PLAYER_SLEEPING && taikakeino_tuttu(MEANS_MAID_FIRE, 0)) {
            const int gap = get_SpiritData_attractmingap(PlayerX, PlayerY, SPIRIT_FOREST_MAID);
            if (random(36) == 0 || (gap > 0 && gap < MAID_CALL_MINUTES)) {
                HaltijaSijainti(SPIRIT_FOREST_MAID, x, y);
                if (x) n = SPIRIT_FOREST_MAID;
            }
        }
        if (!n && taikakeino_tuttu(MEANS_WATER_FOLK, 0) && plr_naked() && random(3) == 0) {
            HaltijaSijainti(SPIRIT_WATER_FOLK, x, y);
            if (x) n = SPIRIT_WATER_FOLK;
        }
        if (!n) {
            const int gap = get_SpiritData_attractmingap(PlayerX, PlayerY, SPIRIT_OF_FOREST);
            if (gap > 0 && gap < FOREST_CALL_MINUTES) {
                HaltijaSijainti(SPIRIT_OF_FOREST, x, y);
                if (x) n = SPIRIT_OF_FOREST;
            }
        }
        if (n) {
            KohtaaHaltija(x, y, n);
            Note(spirit_words("SPIRITS_PRESENCE"));
            SPEND_INTERRUPT = SPEND_QUESTION;
            SLEEP_INTERRUPT = SLEEP_SPIRITS;
            return;
        }
    }
    const int h = Plr.hour;
    if ((h >= 23 || h <= 4) && Plr.spirit_contacts > CONTACTS_FELT && !is_settled_area(IsoX(), IsoY(), 1))
        ENCOUNTER = ENC_SUPERNATURAL;
}

// What the player feels of a spirit's mood m, from the most hostile band to the friendliest.
static const char *feeling(int m, const char *const (&keys)[10]) {
    static const int below[5] = {-50, -35, -20, -10, 0};
    static const int above[4] = {50, 35, 20, 5};
    for (int i = 0; i < 5; i++)
        if (m < below[i]) return keys[i];
    for (int i = 0; i < 4; i++)
        if (m > above[i]) return keys[9 - i];
    return keys[5];
}

void supernatural_encount() {
    static const char *const forest[10] = {"FEEL_FOREST_HOSTILE", "FEEL_FOREST_FRIGHTENING", "FEEL_FRIGHTENED",
                                           "FEEL_SCARED", "FEEL_UNEASY", "FEEL_AT_EASE", "FEEL_PLEASANT",
                                           "FEEL_COMFORTABLE", "FEEL_FOREST_SAFE", "FEEL_FOREST_UNITY"};
    static const char *const water[10] = {"FEEL_WATER_HOSTILE", "FEEL_WATER_FRIGHTENING", "FEEL_WATER_WIND",
                                          "FEEL_SCARED", "FEEL_UNEASY", "FEEL_AT_EASE", "FEEL_PLEASANT",
                                          "FEEL_WATER_SOOTHING", "FEEL_WATER_BREEZE", "FEEL_WATER_UNITY"};
    const int f = get_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST) + Plr.forest_spirit / 2;
    const int w = get_SpiritData_mood(PlayerX, PlayerY, SPIRIT_WATER_FOLK) + Plr.water_spirit / 2;
    Note(spirit_words(abs(w) < abs(f) ? feeling(f, forest) : feeling(w, water)));
    Plr.spirit_contacts = 0;
    Pause();
}

// ---- rituals ------------------------------------------------------------------------------------

int ritual_text_lines(const char *file, char (*lines)[RITUAL_LINE_MAX + 1], int max) {
    char path[1200];
    snprintf(path, sizeof path, "%s/%s", OxaPath, file ? file : "");
    FILE *f = fopen(path, "rb");
    if (!f) return -1;
    int n = 0, len = 0, c;
    bool open_line = false;
    while (n < max && (c = fgetc(f)) != EOF) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines[n++][len] = 0;
            len = 0;
            open_line = false;
            continue;
        }
        open_line = true;
        if (len < RITUAL_LINE_MAX) lines[n][len++] = (char)(c == 0 || c == '\t' ? ' ' : c);
    }
    if (open_line && n < max) lines[n++][len] = 0;
    fclose(f);
    return n;
}

void perform_ritual(const char *file) {
    static char lines[RITUAL_LINES_MAX][RITUAL_LINE_MAX + 1];
    ui_grabscr("ritual");
    const int n = ritual_text_lines(file, lines, RITUAL_LINES_MAX);
    if (n < 0) {
        freescr("ritual");
        return;
    }
    Heading();
    const char *shown[RITUAL_LINES_MAX];
    for (int i = 0; i < n; i++) shown[i] = lines[i];
    ui_ritual_window(MSG("RITUAL_PERFORMANCE"), shown, n);
    play_sample("manaus", 0);
    getkey();
    restorescr("ritual");
    freescr("ritual");
}

int ritual_requirements(int who, int world_only, int minutes, const char *file) {
    if (world_only == 1 && !bigmap()) {
        Note(spirit_words("RITUAL_WORLD_ONLY"));
        return 0;
    }
    if (minutes > 0) {
        Heading();
        if (!basicspend(minutes, MSG("RITUAL_PERFORMING"))) return 0;
    }
    supernatural_modify(who, -4);
    perform_ritual(file);
    world_services.course_task_check(TASK_SPIRITS);
    return 1;
}

void skill_up(const char *skill, int amount, int minutes) {
    if (!skill || !skill[0]) return;
    for (int s = 0; s < PLR_SKILLS; s++) {
        char name[PLR_SKILLNAME + 1];
        memcpy(name, Plr.skill_name[s], PLR_SKILLNAME);
        name[PLR_SKILLNAME] = 0;
        if (!name[0] || !strstr(name, skill)) continue;
        if (Plr.skill_bonus[s]) return;
        const int level = Plr.skill_level[s];
        int bonus = level + amount < 96 ? amount : 95 - level;
        if (bonus < 0) bonus = 0;
        Plr.skill_bonus[s] = (uint8_t)bonus;
        Plr.skill_level[s] = (uint8_t)(level + bonus);
        Plr.skill_bonus_min[s] = (uint8_t)(minutes < 0 ? 0 : minutes > 255 ? 255 : minutes);
        return;
    }
}

int supernatural_please(int who, int ritual) {
    // Ritual numbers past the counters have no counter of their own: nothing makes them meaningful.
    uint8_t none = 0;
    uint8_t &c = ritual >= 0 && ritual < RITUAL_COUNTERS ? Plr.ritual_counter[ritual] : none;
    int change = 0;
    if (ritual == 0) {
        change = 1;
    } else if (ritual == 4) {
        if (c >= RITUAL_DONE) return 1;
        c = RITUAL_DONE;
    } else {
        if (ritual == 2)
            for (int i = 0; i < RITUAL_COUNTERS; i++)
                if (Plr.ritual_counter[i] >= 1 && Plr.ritual_counter[i] <= RITUAL_MEANINGFUL_MAX) {
                    Plr.ritual_counter[2] = RITUAL_FAVOUR;
                    Plr.ritual_counter[i] = 0;
                    break;
                }
        if (c == 0 || c >= RITUAL_DONE) return 0;
        if (c >= RITUAL_FAVOUR) {
            c = 0;
            change = 1;
        }
    }
    if (who == 1 || who == 2) supernatural_modify(who, change);
    else if (who == 0)
        for (int k = 0; k < 10; k++) supernatural_modify(k, change);
    Plr.spirit_contacts++;
    return 1;
}

void do_ritual(int n) {
    switch (n) {
    case 6:
        if (Plr.hour < 4 || Plr.hour > 8) {
            Note(spirit_words("RITUAL_EARLY_MORNING"));
            return;
        }
        if (ritual_requirements(1, 0, 15, "HUNT.RIT")) {
            supernatural_please(1, 0);
            skill_up("TRACKING", 30, 240);
        }
        return;
    case 10:
        if (ritual_requirements(0, 0, 0, "BLOODS.RIT"))
            for (int s = 0; s < PLR_WOUNDS; s++) plr_set<uint8_t>(PB_W_BLEEDING + s, 0);
        return;
    case 16:
        if (ritual_requirements(0, 0, 15, "NSAFE.RIT")) NSAFETY = 1;
        return;
    case 42: {
        ui_draw_map_view();
        Note(spirit_words("RITUAL_SELECT_TRAP"));
        if (!OtaKohta_Suunta("where is the trap")) return;
        const int trap = get_datatype(DT_TRAP, GeneralX, GeneralY);
        if (trap < 0) {
            Note(spirit_words("RITUAL_NO_TRAP"));
            return;
        }
        if (ritual_requirements(1, 0, 15, "FTRAP.RIT")) {
            Data[trap].count = 3;
            supernatural_please(1, 0);
        }
        return;
    }
    default: return;
    }
}

int invocation() {
    game_save();
    const int n = religious_profile(1);
    game_restore();
    if (n > RITUAL_PLAIN_MAX || n < 0) return 0;
    if (n == 6 || n == 10 || n == 16 || n == 42) {
        do_ritual(n);
        return 1;
    }
    if (n == 1 && !sacrificial(0)) return 1;
    if (n == 2 && !sacrificial(2)) return 1;
    if (n == 4) {
        Heading();
        if (!basicspend(10, MSG("RITUAL_PERFORMING"))) return 1;
        perform_ritual("SLEEPP.RIT");
    }
    world_services.course_task_check(TASK_SPIRITS);
    if (supernatural_please(n == 1 || n == 4 ? 1 : 0, n)) world_services.course_task_check(TASK_FOREST_SPIRIT);
    else Note(spirit_words("RITUAL_MEANINGLESS"));
    return 1;
}
