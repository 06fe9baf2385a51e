// The setup screen: fourteen settings of "oxa_ini.txt", each written back the moment it is changed.
// Sound, music, movement, lighting, night, grid and Alt settings act on the running game at once;
// the video settings at the next start, as their hints say.
#include "screens/setup.h"

#include "base/ownlib.h"
#include "core/config.h"
#include "core/tekstit.h"
#include "presentation/audio.h"
#include "presentation/listwidget.h"
#include "presentation/oxalistener.h"
#include "presentation/pictures.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "screens/infoscreens.h"

#include <cstdio>
#include <cstring>

enum SetupEntry {
    E_FULLSCREEN, E_RESIZE, E_AUDIO, E_VOLUME, E_MUSIC, E_TRADMOVE, E_HOMESTEAD, E_LIGHTING, E_NIGHT,
    E_FASTCURSOR, E_RIGHTALT, E_GRID, E_OLDHW, E_CONTROLLER, E_COUNT, E_HINT = -1
};

static const char *const entry_key[E_COUNT] = {
    "FULLSCREEN", "LOGICAL_RESIZE", "AUDIO", "VOLUME", "BACKGROUND_MUSIC", "TRADITIONAL_MOVEMENT",
    "AUTO_ENTER_HOMESTEAD", "MAP_LIGHTING_EFFECTS", "NIGHT_BRIGHTNESS", "FAST_TARGET_CURSOR",
    "RIGHT_ALT_HOTKEYS", "MAP_GRID", "OLD_HARDWARE_MODE", "OXA_CONTROLLER",
};

// Where a line stands: from the top, below the sound entries (30 pixels higher while sound is off),
// or below the night entry (H: 290 with lighting on, 255 with it off, less 30 while sound is off).
enum Base { TOP, BELOW_SOUND, BELOW_NIGHT };
enum Need { ALWAYS, SOUND_ON, LIGHTING_ON, TRADMOVE_OFF };

struct SetupLine {
    Base base;
    int y;
    int entry;                     // E_HINT for a hint line
    Need need;
    const char *hint;
};

static const SetupLine setup_lines[] = {
    {TOP, 40, E_FULLSCREEN, ALWAYS, nullptr},
    {TOP, 55, E_RESIZE, ALWAYS, nullptr},
    {TOP, 70, E_HINT, ALWAYS, "  On widescreen displays you can set LOGICAL RESIZE to NO for full, although stretched output."},
    {TOP, 80, E_HINT, ALWAYS, "  You need to restart the game for value changes to these video settings to take effect."},
    {TOP, 105, E_AUDIO, ALWAYS, nullptr},
    {TOP, 120, E_VOLUME, SOUND_ON, nullptr},
    {TOP, 135, E_MUSIC, SOUND_ON, nullptr},
    {BELOW_SOUND, 160, E_TRADMOVE, ALWAYS, nullptr},
    {BELOW_SOUND, 175, E_HINT, TRADMOVE_OFF, "  If heading based movement feels tricky you can switch to traditional roguelike movement here."},
    {BELOW_SOUND, 200, E_HOMESTEAD, ALWAYS, nullptr},
    {BELOW_SOUND, 215, E_HINT, ALWAYS, "  Do you want to automatically zoom in when moving onto your settlement tile on world map."},
    {BELOW_SOUND, 240, E_LIGHTING, ALWAYS, nullptr},
    {BELOW_SOUND, 255, E_HINT, ALWAYS, "  Day and night tint and fire lighting. Disable if found troublesome, or for more retro outlook."},
    {BELOW_SOUND, 275, E_NIGHT, LIGHTING_ON, nullptr},
    {BELOW_SOUND, 290, E_HINT, LIGHTING_ON, "  If the night time color scheme appears too dark on your monitor increase the brightness here."},
    {BELOW_NIGHT, 25, E_FASTCURSOR, ALWAYS, nullptr},
    {BELOW_NIGHT, 40, E_HINT, ALWAYS, "  If target selector movement appears slow switch to fast but less precise cursor here."},
    {BELOW_NIGHT, 65, E_RIGHTALT, ALWAYS, nullptr},
    {BELOW_NIGHT, 80, E_HINT, ALWAYS, "  Disable if you need AltGr key to produce keyboard layout related letters instead."},
    {BELOW_NIGHT, 105, E_GRID, ALWAYS, nullptr},
    {BELOW_NIGHT, 120, E_HINT, ALWAYS, "  You can enable map grid here if you have trouble figuring out which map tile you are at."},
    {BELOW_NIGHT, 145, E_OLDHW, ALWAYS, nullptr},
    {BELOW_NIGHT, 160, E_HINT, ALWAYS, "  If you've got an older computer and rendering fails try enabling old hardware mode here."},
    {BELOW_NIGHT, 170, E_HINT, ALWAYS, "  This mode uses software rendering and should be used only if absolutely necessary."},
    {BELOW_NIGHT, 180, E_HINT, ALWAYS, "  You need to restart the game for value changes here to take effect."},
    {BELOW_NIGHT, 205, E_CONTROLLER, ALWAYS, nullptr},
    {BELOW_NIGHT, 220, E_HINT, ALWAYS, "  Enable this to use Oxa mobile controller app."},
};

static bool shown(Need need) {
    switch (need) {
    case SOUND_ON: return SB_SOUND != 0;
    case LIGHTING_ON: return OXAINI_MAPLIGHTING != 0;
    case TRADMOVE_OFF: return !TRADMOVEMENT;
    default: return true;
    }
}

static int line_y(const SetupLine &l) {
    const int sound_shift = SB_SOUND ? 0 : -30;
    switch (l.base) {
    case BELOW_SOUND: return l.y + sound_shift;
    case BELOW_NIGHT: return (OXAINI_MAPLIGHTING ? 290 : 255) + sound_shift + l.y;
    default: return l.y;
    }
}

static const char *yes_no(int on) { return on ? "YES" : "NO"; }

// The night brightness as shown: taken up to a multiple of 5, with the ends named.
static void night_text(char *out, size_t size) {
    const int v = OXAINI_BRIGHTNIGHT;
    if (v < 1) snprintf(out, size, "0 (default)");
    else if (v > 55) snprintf(out, size, "60 (maximum)");
    else snprintf(out, size, "%d", (v + 4) / 5 * 5);
}

// The volume as shown, and as the game then takes it: down to a multiple of 10, at least 10.
static int shown_volume() {
    int v = AUDIO_MAIN_VOLUME / 10 * 10;
    if (v <= 0) v = 10;
    AUDIO_MAIN_VOLUME = v;
    return v;
}

static void entry_text(int e, char *out, size_t size) {
    char night[20];
    switch (e) {
    case E_FULLSCREEN: snprintf(out, size, "FULLSCREEN: %s", inival("FULLSCREEN", "NO")); break;
    case E_RESIZE: snprintf(out, size, "LOGICAL RESIZE: %s", inival("LOGICAL_RESIZE", "YES")); break;
    case E_AUDIO: snprintf(out, size, "AUDIO: %s", yes_no(SB_SOUND)); break;
    case E_VOLUME: snprintf(out, size, "VOLUME: %d", shown_volume()); break;
    case E_MUSIC: snprintf(out, size, "BACKGROUND MUSICS: %s", yes_no(BACKMUSIC)); break;
    case E_TRADMOVE: snprintf(out, size, "TRADITIONAL MOVEMENT: %s", yes_no(TRADMOVEMENT)); break;
    case E_HOMESTEAD: snprintf(out, size, "AUTO ENTER HOMESTEAD: %s", yes_no(inivalyes("AUTO_ENTER_HOMESTEAD"))); break;
    case E_LIGHTING: snprintf(out, size, "MAP LIGHTING EFFECTS: %s", yes_no(OXAINI_MAPLIGHTING)); break;
    case E_NIGHT:
        night_text(night, sizeof night);
        snprintf(out, size, "NIGHT BRIGHTNESS: %s", night);
        break;
    case E_FASTCURSOR: snprintf(out, size, "FAST TARGET CURSOR: %s", inival("FAST_TARGET_CURSOR", "NO")); break;
    case E_RIGHTALT: snprintf(out, size, "RIGHT ALT HOTKEYS: %s", inival("RIGHT_ALT_HOTKEYS", "YES")); break;
    case E_GRID: snprintf(out, size, "MAP GRID: %s", inival("MAP_GRID", "NO")); break;
    case E_OLDHW: snprintf(out, size, "OLD HARDWARE MODE: %s", inival("OLD_HARDWARE_MODE", "NO")); break;
    case E_CONTROLLER: snprintf(out, size, "MOBILE CONTROLLER: %s", inival("OXA_CONTROLLER", "NO")); break;
    default: out[0] = 0; break;
    }
}

static bool file_is(const char *key, const char *def, const char *want) { return !strcmp(inival(key, def), want); }

// The value a choice writes for an entry, after the globals that act at once have taken it.
static const char *next_value(int e, char *num, size_t size) {
    const char *key = entry_key[e];
    switch (e) {
    case E_FULLSCREEN:
        if (file_is(key, "NO", "NO")) return "YES";
        return file_is(key, "NO", "YES") ? "MAXIMIZED" : "NO";
    case E_RESIZE: return file_is(key, "YES", "YES") ? "NO" : "YES";
    case E_AUDIO:
        if (SB_SOUND) {
            stop_music();
            SB_SOUND = 0;
            return "NO";
        }
        SB_SOUND = 1;
        return "YES";
    case E_VOLUME:
        AUDIO_MAIN_VOLUME += 10;
        if (AUDIO_MAIN_VOLUME > 100) AUDIO_MAIN_VOLUME = 10;
        SetVolume(TrueVolume(128));   // the music as loud as the setting makes it at start-up
        snprintf(num, size, "%d", AUDIO_MAIN_VOLUME);
        return num;
    case E_MUSIC:
        BACKMUSIC = !BACKMUSIC;
        if (BACKMUSIC) resume_music();
        else pause_music();
        return yes_no(BACKMUSIC);
    case E_TRADMOVE:
        TRADMOVEMENT = !TRADMOVEMENT;
        return yes_no(TRADMOVEMENT);
    case E_LIGHTING:
        OXAINI_MAPLIGHTING = !OXAINI_MAPLIGHTING;
        return yes_no(OXAINI_MAPLIGHTING);
    case E_NIGHT:
        OXAINI_BRIGHTNIGHT = OXAINI_BRIGHTNIGHT >= 60 ? 0 : (OXAINI_BRIGHTNIGHT < 0 ? 0 : OXAINI_BRIGHTNIGHT) / 5 * 5 + 5;
        snprintf(num, size, "%d", OXAINI_BRIGHTNIGHT);
        return num;
    case E_RIGHTALT:
        OXAINI_RIGHTALT = !OXAINI_RIGHTALT;
        return yes_no(OXAINI_RIGHTALT);
    case E_GRID:
        OXAINI_GRID = !OXAINI_GRID;
        return yes_no(OXAINI_GRID);
    default:   // AUTO_ENTER_HOMESTEAD, FAST_TARGET_CURSOR, OLD_HARDWARE_MODE, OXA_CONTROLLER
        return file_is(key, "", "YES") ? "NO" : "YES";
    }
}

// The entry shown at a list position, -1 for none.
static int setup_entry_at(int pos) {
    int n = 0;
    for (const SetupLine &l : setup_lines) {
        if (l.entry == E_HINT || !shown(l.need)) continue;
        if (n++ == pos) return l.entry;
    }
    return -1;
}

// The last setting that could not be written, told on the screen until a later one is.
static char write_failure[160];

int setup_change(int pos) {
    int e = setup_entry_at(pos);
    if (e < 0) return 1;
    char num[16];
    const char *value = next_value(e, num, sizeof num);
    if (ChangeIniValue(entry_key[e], value)) {
        write_failure[0] = 0;
        return 1;
    }
    snprintf(write_failure, sizeof write_failure, "Could not write [%s:%s] to oxa_ini.txt; the file is left as it was.",
             entry_key[e], value);
    return 0;
}

// The box along the foot: what the screen is for and where the settings file lies, or, red, the
// setting that could not be written.
static void foot_box(const char *first, bool error) {
    uint32_t fill = error ? find_color(63, 24, 24) : SCREEN_FILL_COL;
    shadebox(5, 545, 5 + 790 - 1, 545 + 50 - 1, BLACK_COL, BLACK_COL, SCREEN_COL1, SCREEN_COL2, fill);
    SANATAULUKKO_Lisaa(1, first);
    SANATAULUKKO_Lisaa("For advanced configuration options edit oxa_ini.txt in your installation folder:<br>");
    showtext_sanataulukko(10, 550, 780, 0, COLOR_WHITE(), 0);
    SANATAULUKKO_Tyhjaa();
    char folder[200];
    info_folder_line(folder, sizeof folder, 0);
    showtext(10, 570, folder, COLOR_WHITE(), 1);
}

void setup_open() {
    DISABLE_FLIP = 1;
    SDL_FillRect(game_screen, nullptr, 0);   // no other screen shows through where the picture is missing
    freesizePic("bg-origin.jpg", 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    const int transparent = SHOW_TRANSPARENT;
    SHOW_TRANSPARENT = 1;
    Piirra_Ikkuna(0, 0, RESOLUTION_X, RESOLUTION_Y, "SETUP OPTIONS", 48);
    SHOW_TRANSPARENT = transparent;
    DISABLE_FLIP = 0;
    Flip();
    GetConfig();
    fade_samples();
    write_failure[0] = 0;
    foot_box("Point and click, or use cursor keys and [ENTER] to change values of setup options.<br>", false);
    grabscr("setupscr");
}

void setup_draw(int pos) {
    DISABLE_FLIP = 1;
    showscr("setupscr");
    if (write_failure[0]) {
        char line[200];
        snprintf(line, sizeof line, "%s<br>", write_failure);
        foot_box(line, true);
    }
    LIST_Reset(RGB_to_color(252, 252, 84), "", 5, 35, 500, 480, LIST_SPOTSTYLE);
    LIST_Style((int)COLOR_WHITE(), "", "", 0, 1);
    LIST_AdvStyle(1, 1);
    const uint32_t yellow = RGB_to_color(252, 252, 84), steel = RGB_to_color(176, 196, 222);
    char text[200];
    for (const SetupLine &l : setup_lines) {
        if (!shown(l.need)) continue;
        const int y = line_y(l);
        if (l.entry == E_HINT) {
            showtext(15, y, l.hint, steel, 1);
            continue;
        }
        entry_text(l.entry, text, sizeof text);
        showtext(15, y, text, yellow, 0);
        LIST_SpotEntry(0, 10, y - 5, 310, 18);
    }
    LIST_ButtonSpotEntry(KEY_ESC, 10, 520, "ESC.Exit");
    DISABLE_FLIP = 0;
    Set_LIST_Position(pos);
    LIST_Draw();
}

void setup_leave() {
    scr_freescr("setupscr");
    GetConfig();
    if (OXAINI_CONTROLLER && !Oxalistener_initialized) InitOxalistener(OXAINI_CONTROLLER_PORT);
}

void setup_screen() {
    setup_open();
    int pos = 0;
    for (;;) {
        setup_draw(pos);
        int chosen;
        do chosen = LIST_Go();
        while (chosen == -1 && !WindowClosed());
        if (chosen == -1 || LIST_PosKey(chosen) == KEY_ESC) break;   // Esc, the button or a closed window
        if (chosen < 0) continue;   // a window event: drawn again
        pos = chosen;
        setup_change(pos);
    }
    setup_leave();
}
