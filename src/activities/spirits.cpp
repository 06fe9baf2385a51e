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

enum {
    MEANS_MAID_FIRE = 25,          // the fire of seven spruce twigs
    MEANS_WATER_FOLK = 135,        // naked on a lone rock at midnight
    CH_ANT_NEST = 29,
    CH_WATER_ROCK = 250,
    WORLD_SPRUCE_MOSS_A = 235, WORLD_SPRUCE_MOSS_B = 15,
    SURFACE_MOSS = 2,
    MEET_GAP_NEVER = 100,
    MEET_REST_DAYS = 3,            // a spirit shows itself again only after this many days
    MAID_CALL_MINUTES = 600,       // a fire stamped for the maid calls her this long
    FOREST_CALL_MINUTES = 120,     // silver in the ant nest calls the forest spirit this long
    CONTACTS_FELT = 15,            // more contacts than this and the night lets her feel the spirits
    BLANK_WORK = 32,
    REMOTE_BLANKS = 20, REMOTE_BLANKS_COUNTED = 250,
    TASK_SPIRITS = 11, TASK_FOREST_SPIRIT = 49,
    SPEND_QUESTION = 4, SLEEP_SPIRITS = 7,
    SKULL_DAYS_QUIET = 2, SKULL_MOOD_FLOOR = -25,
    RITUAL_COUNTERS = 100, RITUAL_MEANINGFUL_MAX = 199, RITUAL_FAVOUR = 5, RITUAL_DONE = 200,
    RITUAL_NONE = 1000, RITUAL_PLAIN_MAX = 250,
};

static int clamp_mood(int m) { return m < SPIRIT_MOOD_MIN ? SPIRIT_MOOD_MIN : m > SPIRIT_MOOD_MAX ? SPIRIT_MOOD_MAX : m; }

// A text of the spirits' file, its "%s" marks filled in turn; in a scratch buffer.
static const char *say(const char *key, const char *a = nullptr, const char *b = nullptr) {
    char pattern[MSGBUF_SIZE];
    copy_bounded(pattern, sizeof pattern, MSG(key));
    char *out = sbuf();
    size_t o = 0;
    const char *fill[2] = {a, b};
    int next = 0;
    for (const char *p = pattern; *p && o + 1 < SBUF_SIZE; p++) {
        if (p[0] == '%' && p[1] == 's' && next < 2 && fill[next]) {
            for (const char *f = fill[next++]; *f && o + 1 < SBUF_SIZE; f++) out[o++] = *f;
            p++;
            continue;
        }
        out[o++] = *p;
    }
    out[o] = 0;
    return out;
}

// ---- records ------------------------------------------------------------------------------------

// The pool position of spirit n's record nearest to the player (the first wins a tie); -1 none.
static int nearest_record(int n) {
    int best = -1, bestd = 1 << 30;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_SPIRIT || d.id != (uint32_t)n) continue;
        const int dist = koordinaattien_vali(PlayerX, PlayerY, d.x, d.y);
        if (dist < bestd) bestd = dist, best = i;
    }
    return best;
}

DataStruct get_SpiritData(int n) {
    const int i = nearest_record(n);
    if (i >= 0) return Data[i];
    DataStruct none;
    memset(&none, 0, sizeof none);
    return none;
}

// A new record goes into the never-used record after the last one in use: the walks of the pool that
// stop at the first never-used record see what they saw before.
void set_SpiritData(int n, const DataStruct &record) {
    if (bigmap()) return;
    int last = -1;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type == DT_SPIRIT && d.id == (uint32_t)n && d.x == record.x && d.y == record.y) {
            d = record;
            return;
        }
        if (d.type != DT_UNUSED) last = i;
    }
    const int free = last + 1;
    // A full pool keeps every record it has: the spirit simply reads neutral next time.
    if (free >= DATA_MAX) return;
    Data[free] = record;
    mark_filled(free);
}

DataStruct SpiritDataInit(int x, int y, int n) {
    DataStruct d;
    memset(&d, 0, sizeof d);
    d.type = DT_SPIRIT;
    d.x = (uint16_t)x;
    d.y = (uint16_t)y;
    d.id = (uint32_t)n;
    return d;
}

// The nearest record of n, or a fresh one at x, y.
static DataStruct record_or_fresh(int x, int y, int n) {
    const int i = nearest_record(n);
    return i >= 0 ? Data[i] : SpiritDataInit(x, y, n);
}

int spirit_mood_skull(int mood, int days) {
    if (days < SKULL_DAYS_QUIET) return mood;
    const int m = mood - 2 * days;
    return m < SKULL_MOOD_FLOOR ? SKULL_MOOD_FLOOR : m;
}

int get_SpiritData_mood(int x, int y, int n) {
    if (bigmap()) return 0;
    int mood = 0;
    const int i = nearest_record(n);
    if (i >= 0) mood = Data[i].owner;
    else set_SpiritData(n, SpiritDataInit(x, y, n));
    const int days = bearmagic_SkullDays();   // -1 when no skull waits for its pine
    if (n == SPIRIT_OF_FOREST && days >= 0) mood = spirit_mood_skull(mood, days);
    return mood;
}

void set_SpiritData_mood(int x, int y, int n, int change) {
    DataStruct d = record_or_fresh(x, y, n);
    d.owner = (int16_t)clamp_mood(d.owner + change);
    set_SpiritData(n, d);
    Plr.spirit_contacts++;
    if (change >= 1) {
        Tarkista_Suoritus(TASK_SPIRITS);
        if (n == SPIRIT_OF_FOREST) Tarkista_Suoritus(TASK_FOREST_SPIRIT);
    }
    if (n == SPIRIT_OF_FOREST) Plr.forest_spirit = clamp_mood(Plr.forest_spirit + change);
    if (n == SPIRIT_WATER_FOLK) Plr.water_spirit = clamp_mood(Plr.water_spirit + change);
}

void set_SpiritData_meetday(int x, int y, int n, int day) {
    DataStruct d = record_or_fresh(x, y, n);
    d.day = (uint16_t)day;
    set_SpiritData(n, d);
}

void set_SpiritData_attract(int x, int y, int n) {
    DataStruct d = record_or_fresh(x, y, n);
    d.spent_minutes = Plr.minutes;
    d.extra = 1;
    set_SpiritData(n, d);
}

int get_SpiritData_attractmingap(int, int, int n) {
    const int i = nearest_record(n);
    if (i < 0 || !Data[i].extra) return 0;
    const long gap = labs((long)Plr.minutes - (long)Data[i].spent_minutes);
    return gap < 1 ? 1 : (int)gap;
}

// A record made by a mood or a call, before any meeting, holds day 0: the spirit has not met her yet.
int get_SpiritData_meetgap(int n) {
    const int i = nearest_record(n);
    if (i < 0 || Data[i].day == 0) return MEET_GAP_NEVER;
    return abs((int)Data[i].day - (int)Plr.daynumber);
}

void supernatural_modify(int who, int change) {
    if (who == 0 || who == 1) Plr.forest_spirit += change;
    if (who == 0 || who == 2) Plr.water_spirit += change;
}

// ---- looks and words ----------------------------------------------------------------------------

// A mood with the player's own standing toward the spirit, as the spirit feels it.
static int felt_mood(int x, int y, int n) {
    int m = get_SpiritData_mood(x, y, n);
    if (n == SPIRIT_OF_FOREST) m += Plr.forest_spirit / 2;
    if (n == SPIRIT_WATER_FOLK) m += Plr.water_spirit / 2;
    return (int16_t)m;
}

const char *txtdesc_HaltijaIlme(int x, int y, int n) {
    static char word[64];
    const char *key = "SPIRIT_LOOK_FLIRTY";
    if (n != SPIRIT_FOREST_MAID) {
        const int m = felt_mood(x, y, n);
        key = "SPIRIT_LOOK_CALM";
        if (m < -10) key = "SPIRIT_LOOK_UPSET";
        if (m < -25) key = "SPIRIT_LOOK_ANGRY";
        if (m < -50) key = "SPIRIT_LOOK_GLOOMY";
        if (m < -75) key = "SPIRIT_LOOK_FURIOUS";
        if (m > 10) key = "SPIRIT_LOOK_GENTLE";
        if (m > 25) key = "SPIRIT_LOOK_PLEASED";
        if (m > 50) key = "SPIRIT_LOOK_APPRECIATIVE";
        if (m > 75) key = "SPIRIT_LOOK_FRIENDLY";
    }
    copy_bounded(word, sizeof word, MSG(key));
    return word;
}

const char *talkline_Metsanhaltija() {
    static char line[400];
    const int m = get_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST);
    char key[40];
    if (m < -4) snprintf(key, sizeof key, "FORESTSPIRIT_ANGRY_%d", random(3) + 1);
    else if (m >= 3) {
        const int r = random(5);
        snprintf(key, sizeof key, "FORESTSPIRIT_GLAD_%d", r > 2 ? 3 : r + 1);
    } else snprintf(key, sizeof key, "FORESTSPIRIT_SAYS_%d", random(3) + 1);
    copy_bounded(line, sizeof line, say(key));
    CreatureStruct game;
    int gx, gy;
    if (m > 14 && find_BigMapGame(0, &game, &gx, &gy)) {
        char species[sizeof game.species + 1], animal[64];
        copy_bounded(species, sizeof species, game.species);
        for (char *p = species; *p; p++) *p = (char)tolower((unsigned char)*p);
        snprintf(animal, sizeof animal, "%s %s", strchr("aeiou", species[0]) && species[0] ? "an" : "a", species);
        // The game is a herd of the world map within 20 cells of hers, or a creature of her local area.
        const int wx = IsoX(), wy = IsoY();
        const bool world = abs(gx - wx) <= 20 && abs(gy - wy) <= 20;
        char dir[64];
        copy_bounded(dir, sizeof dir, navitxt_Dir(world ? wx : PlayerX, world ? wy : PlayerY, gx, gy, NAVI_BARE));
        const int r = random(3);
        snprintf(key, sizeof key, "FORESTSPIRIT_HINT_%d", r + 1);
        copy_bounded(line, sizeof line, r < 2 ? say(key, animal, dir) : say(key, dir, animal));
    }
    return line;
}

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
            Note(say("SPIRITS_PRESENCE"));
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
    Note(say(abs(w) < abs(f) ? feeling(f, forest) : feeling(w, water)));
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
        Note(say("RITUAL_WORLD_ONLY"));
        return 0;
    }
    if (minutes > 0) {
        Heading();
        if (!basicspend(minutes, MSG("RITUAL_PERFORMING"))) return 0;
    }
    supernatural_modify(who, -4);
    perform_ritual(file);
    Tarkista_Suoritus(TASK_SPIRITS);
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
            Note(say("RITUAL_EARLY_MORNING"));
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
        Note(say("RITUAL_SELECT_TRAP"));
        if (!OtaKohta_Suunta("where is the trap")) return;
        const int trap = get_datatype(DT_TRAP, GeneralX, GeneralY);
        if (trap < 0) {
            Note(say("RITUAL_NO_TRAP"));
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
    Tarkista_Suoritus(TASK_SPIRITS);
    if (supernatural_please(n == 1 || n == 4 ? 1 : 0, n)) Tarkista_Suoritus(TASK_FOREST_SPIRIT);
    else Note(say("RITUAL_MEANINGLESS"));
    return 1;
}
