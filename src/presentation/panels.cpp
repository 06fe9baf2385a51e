// The status panel: labels once with StatScreen, values every turn with Statistics.
#include "presentation/panels.h"

#include <SDL2/SDL_image.h>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "game/toimi.h"
#include "game/loader.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "creatures/physical.h"
#include "items/itemunit.h"
#include "items/objunit.h"
#include "maps/area.h"
#include "presentation/mapborder.h"
#include "maps/mapdraw.h"
#include "maps/movement.h"
#include "maps/plrlink.h"
#include "presentation/boxes.h"
#include "presentation/notes.h"
#include "presentation/pictures.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "presentation/windows.h"

int stat_x[STAT_SLOTS], stat_y[STAT_SLOTS];
int hd = 1;

// Body fields of the player record that the body module keeps (offsets of the character file).
enum {
    PLR_THIRST = 2540,          // u32
    PLR_INJURY = 2724,          // u32, the injury total
    PLR_LOAD = 2728,            // f32, pounds carried
    PLR_BLOODLOSS = 2732,       // u32
    PLR_BODYWEIGHT = 2736,      // i32, pounds: what the blood loss is measured against
    PLR_WEARINESS = 2544,       // i32
};

template <typename T> static T plr_field(size_t offset) {
    T v;
    memcpy(&v, (const char *)&Plr + offset, sizeof v);
    return v;
}

static uint32_t rgb(int r, int g, int b) { return RGB_to_color(r, g, b); }

// ---- value boxes --------------------------------------------------------------------------------

void clr_sink(int x, int y) { box(x + 1, y, x + 48, y + 8, rgb(0, 0, 0)); }

void sink_info(int x, int y, const char *text, uint32_t colour) {
    clr_sink(x, y);
    char t[64];
    copy_bounded(t, sizeof t, text ? text : "");
    showtext(x + (50 - 8 * (int)strlen(t)) / 2, y, t, colour, 0);
}

// A bar needs a positive maximum and a positive value; a value past the maximum stops at x + 47.
int sink_bar_end(int x, int value, int maximum) {
    if (maximum <= 0 || value <= 0) return 0;
    if (maximum >= 1001 && value < maximum / 20) return 0;
    int e = x + 1 + (int)ceilf(48.0f / (float)maximum * (float)value);
    if (e > x + 48) e = x + 47;
    return e;
}

void sink_bar(int x, int y, int value, int maximum) {
    clr_sink(x, y);
    int e = sink_bar_end(x, value, maximum);
    if (e) box(x + 1, y, e, y + 8, rgb(168, 0, 0));
}

void dstat(int slot, const char *text, int value, int maximum) {
    if (slot < 0 || slot >= STAT_SLOTS) return;
    if (!text || !text[0]) sink_bar(stat_x[slot], stat_y[slot], value, maximum);
    else sink_info(stat_x[slot], stat_y[slot], text, (uint32_t)value);
}

void tsub(int column, int row, const char *label, const char *unit, uint32_t colour, int, int slot) {
    int y = (int)((row - 1) * 11.75f), x = column * 9 - 9;
    showtext(x, y, label, colour, 0);
    sinked_box(x, textline(y + 12) - 3, 50, 14);
    if (unit && unit[0]) showtext(column * 9 + 43, y + 12, unit, rgb(252, 252, 84), 0);
    if (slot >= 0 && slot < STAT_SLOTS) {
        stat_x[slot] = x;
        stat_y[slot] = y + 12;
    }
}

static void penalty(int slot, int value) {
    if (value == 0) {
        dstat(slot, "None", (int)rgb(252, 252, 84), 0);
        return;
    }
    char t[16];
    snprintf(t, sizeof t, "-%d%%", value);
    dstat(slot, t, (int)rgb(255, 87, 87), 0);
}

void panel_physical() {
    char t[32];
    snprintf(t, sizeof t, "%.1f", (double)plr_field<float>(PLR_LOAD));
    dstat(0, t, (int)rgb(252, 252, 84), 0);
    int injury = (int)plr_field<uint32_t>(PLR_INJURY);
    penalty(1, ENCUMBRANCE_PENALTY(-1));
    dstat(2, "", FATIGUE_PENALTY(-1), 100);
    penalty(3, FATIGUE_PENALTY(-1));
    dstat(4, "", injury, 100);
    penalty(5, injury);
    dstat(6, "", (int)plr_field<uint32_t>(PLR_BLOODLOSS), 4 * plr_field<int32_t>(PLR_BODYWEIGHT));
    penalty(7, PHYSICAL_PENALTY(-1));
}

void nutri_stat() {
    dstat(11, "", Plr.starvation, 100);
    penalty(12, Plr.starvation);
}

// ---- state and speed ----------------------------------------------------------------------------

const char *state_word(uint8_t *r, uint8_t *g, uint8_t *b, int *figure) {
    static char word[100];
    SDL_Color c = {171, 171, 171, 255};
    int h = 1;
    copy_bounded(word, sizeof word, "Walking");
    switch (Plr.posture) {
    case 1:
        copy_bounded(word, sizeof word, PLAYER_SLEEPING == 1 ? "Sleeping" : "Fallen");
        h = PLAYER_SLEEPING == 1 ? 6 : 3;
        c = {255, 87, 87, 255};
        break;
    case 0:
        if (RUNNING == 1) {
            copy_bounded(word, sizeof word, "Running");
            c = {100, 255, 255, 255};
            h = 5;
        }
        break;
    case 3: copy_bounded(word, sizeof word, "Shocked"); c = {168, 0, 0, 255}; h = 6; break;
    case 4: copy_bounded(word, sizeof word, "Fainted"); c = {87, 87, 87, 255}; h = 6; break;
    default: break;
    }
    switch (Plr.movement_mode) {
    case 9: copy_bounded(word, sizeof word, "Hauling"); c = {255, 255, 255, 255}; h = 1; break;
    case 4: copy_bounded(word, sizeof word, movement_desc()); c = {100, 149, 237, 255}; h = 1; break;
    case 7: copy_bounded(word, sizeof word, "Skiing"); c = {255, 255, 255, 255}; h = 5; break;
    default: break;
    }
    if (LURK == 1) {
        copy_bounded(word, sizeof word, "Hiding");
        c = {84, 252, 84, 255};
        h = 2;
    }
    if (Plr.movement_mode == 3) {
        copy_bounded(word, sizeof word, "Watercraft");
        c = {100, 149, 237, 255};
        h = 4;
    } else if (Plr.movement_mode == 2) {
        copy_bounded(word, sizeof word, "Swimming");
        h = 204;
    }
    *r = c.r;
    *g = c.g;
    *b = c.b;
    *figure = h;
    return word;
}

// The sliding colour of a percentage held within 0-100; no best counts as the worst.
static uint32_t speed_colour(int actual, int best) {
    float pct = best > 0 ? 100.0f - ceilf((float)actual / (float)best * 100.0f) : 100.0f;
    if (pct < 0) pct = 0;
    if (pct > 100) pct = 100;
    return Liukuvari(pct);
}

void INFOPALKKI_mobility() {
    TextBox(670, 170, 115, " Mob.:   km/h", rgb(171, 171, 171));
    int actual = ACTUAL_MOBILITY(-1);
    int s = (int)ceilf((float)actual / 10.0f);
    char t[16];
    snprintf(t, sizeof t, s < 10 ? " %d" : "%d", s);
    showtext(725, 173, t, speed_colour(actual, MAX_MOBILITY(-1)), 0);
}

// ---- basic needs --------------------------------------------------------------------------------

int hunger_red(uint32_t energy) {
    int r = 255 - (int)(energy / 10);
    return r < 0 ? 0 : r > 255 ? 255 : r;
}

int thirst_red(uint32_t thirst) {
    uint32_t t = thirst / 18;
    return t > 254 ? 254 : (int)t;
}

static void need_bar(int x, int y, int value, int maximum, int red) {
    if (value < 0) value = 0;
    METERBAR_COLOR = (int)rgb(red, 255 - red, 0);
    meter_bar(x, y, 75, (float)value, (float)maximum);
}

// The vigour text stands on the window's own background: the strip behind it is kept when the window
// is drawn and put back before each new text, so that a shorter word never lands on a longer one.
static SDL_Surface *vigour_ground = nullptr;
static SDL_Rect vigour_place = {0, 0, 0, 0};

static void keep_vigour_ground(int x, int y, int right) {
    vigour_place = {x, y, right - x, 10};
    if (vigour_ground) SDL_FreeSurface(vigour_ground);
    vigour_ground = SDL_CreateRGBSurfaceWithFormat(0, vigour_place.w, vigour_place.h, game_screen->format->BitsPerPixel,
                                                   game_screen->format->format);
    if (!vigour_ground) return;
    SDL_Rect from = vigour_place;
    SDL_BlitSurface(game_screen, &from, vigour_ground, nullptr);
}

static void clear_vigour(int x, int y) {
    if (!vigour_ground || vigour_place.x != x || vigour_place.y != y) return;
    SDL_Rect to = vigour_place;
    SDL_BlitSurface(vigour_ground, nullptr, game_screen, &to);
}

void panel_needs(int values_only) {
    if (!game_screen) return;
    bool newer = NEWHEADINGBRANCH == 1;
    uint32_t grey = rgb(171, 171, 171);
    if (!values_only) {
        if (newer) {
            winbox(503, 190, 286, 68, "", WIN_TEX_SAVU, 0);   // dark logs behind the light grey texts
            showtext(510, 198, "Hunger:", grey, 0);
            showtext(510, 211, "Thirst:", grey, 0);
            showtext(679, 198, "Nutrition:", grey, 0);
            showtext(510, 228, "Warmth:", grey, 0);
            showtext(510, 243, "Vigour:", grey, 0);
            keep_vigour_ground(568, 240, 503 + 286 - 3);
        } else {
            winbox(595, 190, 195, 110, "", WIN_TEX_SAVU, 0);
            TekstiPalkki(595, 190, 195, "Nutrition/Warmth/Vigour", 1);
            showtext(605, 213, "Hunger:", grey, 0);
            showtext(605, 226, "Thirst:", grey, 0);
            keep_vigour_ground(625, 283, 595 + 195 - 3);
        }
    }
    int hr = hunger_red(Plr.energy);
    need_bar(newer ? 568 : 678, newer ? 197 : 211, nalantunne(-1) - 30, 225, hr);
    uint32_t thirst = plr_field<uint32_t>(PLR_THIRST);
    int tr = thirst_red(thirst);
    int over = thirst > 150 ? (int)(thirst - 150 > 2850 ? 2850 : thirst - 150) : 0;
    need_bar(newer ? 568 : 678, newer ? 210 : 224, over, 2850, tr);
    TextBox(679, newer ? 209 : 240, 105, RavitsemusTeksti((int)Plr.energy), rgb(hr, 255 - hr, 0));
    TextRGB wc = {171, 171, 171};
    char warmth[100];
    copy_bounded(warmth, sizeof warmth, PlrWarmthDesc(0, wc));
    TextBox(newer ? 568 : 625, newer ? 226 : 268, 160, warmth, rgb(wc.r, wc.g, wc.b));
    clear_vigour(newer ? 568 : 625, newer ? 240 : 283);
    showtext(newer ? 568 : 625, newer ? 240 : 283, VasymysTeksti(plr_field<int32_t>(PLR_WEARINESS), 0), grey, 0);
}

// ---- wielded items ------------------------------------------------------------------------------

void panel_wielded(int values_only) {
    if (!game_screen) return;
    bool newer = NEWHEADINGBRANCH == 1;
    if (!values_only) {
        if (newer) winbox(503, 263, 286, 65, "Wielded weapons/tools", WIN_DARKTITLE, 0);
        else winbox(507, 320, 286, 65, "Wielded weapons/tools", WIN_DARKTITLE, 0);
    }
    const int rows[2] = {newer ? 283 : 340, newer ? 301 : 358};
    int bx = newer ? 508 : 512, tx = newer ? 528 : 532, tw = newer ? 253 : 250;
    for (int hand = 1; hand <= 2; hand++) {
        int obj = getwieldedItempos(-1, hand);
        char key[8], text[128];
        if (!obj) {
            copy_bounded(key, sizeof key, "w");
            copy_bounded(text, sizeof text, "-");
        } else {
            snprintf(key, sizeof key, "%d", hand);
            ItemStruct item;
            ObjToItem(item, obj);
            copy_bounded(text, sizeof text, ekuvaus(obj, 1, 0));
            if (onko_KILPI(item)) {
                text[25 < sizeof text ? 25 : sizeof text - 1] = 0;
                struct { int bit; const char *right, *left; } guards[3] = {
                    {2, " -- CENTER", " -- CENTER"}, {4, " -- HIGH", " -- HIGH"}, {8, " -- RIGHT", " -- LEFT"}};
                for (const auto &g : guards)
                    if (Plr.shield_guard & g.bit)
                        strncat(text, hand == 1 ? g.right : g.left, sizeof text - strlen(text) - 1);
            } else {
                text[30] = 0;
            }
        }
        Piirra_Nappain(bx, rows[hand - 1], key);
        TextBox(tx, rows[hand - 1], tw, text, rgb(176, 196, 222));
    }
}

void Nayta_Wieldatut_(int values_only) {
    if (SPENDING) return;
    panel_wielded(values_only);
}

// ---- command line and last command --------------------------------------------------------------

void panel_last_command(int values_only) {
    if (!game_screen) return;
    if (!values_only) {
        const uint32_t keep = BUTTON_DEFTEXT;
        BUTTON_DEFTEXT = rgb(176, 196, 222);   // the label light on the panel's dark wood
        Piirra_Nappain(500, 553, "r.Repeat:");
        BUTTON_DEFTEXT = keep;
        TextBox(580, 555, 215, "", rgb(171, 171, 171));
    }
    if (!Komentohistoria) return;
    char name[128];
    copy_bounded(name, sizeof name,
                 Komentohistoria == 240 ? terrain_desc(Komentotarkenne) : Toiminta(Komentohistoria));
    if (strlen(name) > 24) {
        name[23] = 0;
        strncat(name, "..", sizeof name - strlen(name) - 1);
    }
    box(582, 557, 792, 567, rgb(0, 0, 0));
    showtext(585, 559, name, rgb(252, 252, 84), 0);
}

void panel_command_line(const char *text) {
    if (!game_screen) return;
    if (text && !strcmp(text, "INIT")) {
        winbox(500, 530, 295, 15, "", WIN_TEX_SAVU, 0);   // dark under the khaki label
        showtext(505, 534, "Command: ", rgb(240, 230, 140), 0);
        return;
    }
    char t[64];
    copy_bounded(t, sizeof t, text ? text : "");
    if (strlen(t) > 26) {
        t[24] = 0;
        strncat(t, "..", sizeof t - strlen(t) - 1);
    }
    box(570, 532, 790, 542, rgb(0, 0, 0));
    showtext(575, 534, t, rgb(176, 196, 222), 0);
}

// ---- the whole panel ----------------------------------------------------------------------------

// "bg-rpanel.png" on the screen surface, read once it is found; a plain screen box while it is missing.
static void panel_background() {
    static SDL_Surface *picture = nullptr;
    if (!picture) {
        SDL_Surface *loaded = picture_load("bg-rpanel.png");
        if (loaded) {
            picture = SDL_ConvertSurface(loaded, game_screen->format, 0);
            SDL_FreeSurface(loaded);
        }
    }
    if (!picture) {
        draw_colorbox(472, 0, RESOLUTION_X - 1, RESOLUTION_Y - 1, 1000);
        return;
    }
    SDL_Rect place = {472, 0, picture->w, picture->h};
    SDL_BlitSurface(picture, nullptr, game_screen, &place);
}

void panel_stat_screen() {
    if (!game_screen) return;
    hd = -1;                           // the heading figure draws anew
    WhereXN = WhereYN = 0;
    panel_background();
    draw_notebox();
    panel_command_line("INIT");
    panel_last_command(0);

    uint32_t keep = BUTTON_DEFTEXT;
    BUTTON_DEFTEXT = rgb(176, 196, 222);
    Piirra_Nappain(500, 580, "ESC.Help and game options");
    BUTTON_DEFTEXT = keep;

    bool newer = NEWHEADINGBRANCH == 1;
    if (newer) box(503, 7, 503 + 285, 7 + 15, rgb(56, 88, 120));
    else draw_colorbox(503, 7, 790, 22, 1000);
    char name[200];
    copy_bounded(name, sizeof name, plrnam());
    showtext((newer ? 646 : 652) - textwidth(name) / 2, 11, name, rgb(252, 252, 84), 0);

    // The box behind the labels: dark enough for the light grey labels to read on it.
    const uint32_t label_box = rgb(40, 40, 44);
    if (newer) box(503, 25, 503 + 159, 25 + 159, label_box);
    else box(503, 25, 662, 185, label_box);

    uint32_t label = rgb(171, 171, 171), white = rgb(255, 255, 255);
    tsub(58, 4, "Carrying", "Lbs", label, 0, 0);
    tsub(67, 4, "Penalty:", "", white, 0, 1);
    tsub(58, 6, "Fatigue", "", label, 0, 2);
    tsub(67, 6, "   +", "", label, 0, 3);
    tsub(58, 8, "Injury", "", label, 0, 4);
    tsub(67, 8, "   +", "", label, 0, 5);
    tsub(58, 10, "Starvation", "", label, 0, 11);
    tsub(67, 10, "   +", "", label, 0, 12);
    tsub(67, 12, "Total:", "", white, 0, 7);
    tsub(58, 14, "Bloodloss", "", label, 0, 6);

    INFOPALKKI_mobility();
    Nayta_Wieldatut_(0);
    panel_needs(0);
    FlipWithMap();
}

// The state word and the speed as they stand on the panel now: she may fall, faint or wake after
// the panel was last drawn in a turn, and the next map redraw then puts her real state there.
static char shown_state[100];
static int shown_speed = -1000;

static void state_line() {
    uint8_t r, g, b;
    const char *word = state_word(&r, &g, &b, &hd);
    char t[120];
    snprintf(t, sizeof t, "   %s", word);
    TextBox(670, 155, 115, t, rgb(r, g, b));
    copy_bounded(shown_state, sizeof shown_state, word);
}

static void speed_line() {
    INFOPALKKI_mobility();
    shown_speed = ACTUAL_MOBILITY(-1);
}

void panel_refresh_state_line() {
    if (!game_screen) return;
    uint8_t r, g, b;
    int figure;
    const bool word_changed = strcmp(state_word(&r, &g, &b, &figure), shown_state) != 0;
    const bool speed_changed = ACTUAL_MOBILITY(-1) != shown_speed;
    if (!word_changed && !speed_changed) return;
    state_line();
    speed_line();
    Heading();   // the heading box tells her state and speed too
}

void panel_statistics() {
    if (!game_screen) return;
    panel_physical();
    state_line();
    Heading();
    speed_line();
    nutri_stat();
    Heading();
    Nayta_Wieldatut_(1);
    panel_needs(1);
    FlipStatistics();
}

void FlipStatistics() { FlipWithMap(); }

void panel_redraw_screen() {
    if (REDRAW_NEEDED != 33 && game_screen) SDL_FillRect(game_screen, nullptr, 0);
    MapBorder();
    if (REDRAW_NEEDED == 33) return;
    panel_stat_screen();
    Statistics();
    Heading();
    if (REDRAW_NEEDED == 22)
        box(mapDim.x, mapDim.y, mapDim.x + mapDim.width - 1, mapDim.y + mapDim.height - 1, rgb(0, 0, 0));
    else
        DrawMap();
}
