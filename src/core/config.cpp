// The settings globals: what each setting of the settings file does in the game.
#include "core/config.h"

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "base/ui.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int PELIMUSEO_EDIT;
uint8_t OXAINI_CONTROLLER;
int OXAINI_CONTROLLER_PORT;
int OXAINI_BRIGHTNIGHT;
uint8_t OXAINI_MAPLIGHTING = 1;
int OXAINI_GRID;
uint8_t OXAINI_WEAPONDAMAGE = 1;
uint8_t OXAINI_RIGHTALT = 1;
uint8_t OXAINI_LOGICALRESIZE = 1;
uint8_t TRADMOVEMENT;
int BACKMUSIC = 1;
int AMBIENTSOUNDS = 1;
int MOVEMENTSOUNDS = 1;
int AUDIO_MAIN_VOLUME = 50;
int IDLE_ANIMATION = 1;
uint8_t INVTYPEORDER[12];
char OxaPath[1024];

static int is_exactly(const char *key, const char *def, const char *want) {
    return strcmp(inival(key, def), want) == 0;
}

void ParseInventoryOrder(const char *value) {
    static const struct {
        const char *word;
        int code;
    } types[] = {{"WEAPON", 1}, {"ARMOUR", 2}, {"CONTAINER", 3}, {"SKIN", 5},   {"TOOL", 6},      {"FOOD", 7},
                 {"FIREWOOD", 8}, {"VEHICLE", 9}, {"VALUABLE", 10}, {"PLANT", 11}, {"CARCASS", 12}};
    memset(INVTYPEORDER, 0, sizeof INVTYPEORDER);
    int used = 0, slot = 0, previous = -1;
    char words[INI_VALUE_MAX + 1];
    copy_bounded(words, sizeof words, value);
    char *save = nullptr;
    for (char *w = strtok_r(words, ",", &save); w && slot < 12; w = strtok_r(nullptr, ",", &save)) {
        int code = -1;
        for (const auto &t : types)
            if (strcmp(w, t.word) == 0) code = t.code;
        if (code < 0) code = previous < 0 ? 0 : previous;   // an unknown word repeats the one before
        previous = code;
        if (used & (1 << code)) continue;
        used |= 1 << code;
        INVTYPEORDER[slot++] = (uint8_t)code;
    }
    for (int s = 0; s < 12; s++) {
        if (INVTYPEORDER[s]) continue;
        for (int code = 1; code <= 12; code++) {
            if (!(used & (1 << code))) {
                INVTYPEORDER[s] = (uint8_t)code;
                used |= 1 << code;
                break;
            }
        }
    }
}

void GetConfig() {
    PELIMUSEO_EDIT = is_exactly("MUSEUM", "NO", "YES");
    OXAINI_CONTROLLER = (uint8_t)is_exactly("OXA_CONTROLLER", "NO", "YES");
    OXAINI_CONTROLLER_PORT = atoi(inival("OXA_CONTROLLER_PORT", "0"));

    const char *quality = inival("SCALE_QUALITY", "2");
    if (strcmp(quality, "1") == 0) ui_scale_quality("1");
    else if (strcmp(quality, "0") == 0) ui_scale_quality("0");
    else ui_scale_quality("2");

    OXAINI_BRIGHTNIGHT = atoi(inival("NIGHT_BRIGHTNESS", "0"));
    if (OXAINI_BRIGHTNIGHT < 1 || OXAINI_BRIGHTNIGHT > 60) OXAINI_BRIGHTNIGHT = 0;
    if (is_exactly("MAP_LIGHTING_EFFECTS", "YES", "NO")) OXAINI_MAPLIGHTING = 0;
    OXAINI_GRID = !is_exactly("MAP_GRID", "NO", "NO");
    if (is_exactly("WEAPON_DAMAGE", "YES", "NO")) OXAINI_WEAPONDAMAGE = 0;
    OXAINI_RIGHTALT = (uint8_t)inivaldefyes("RIGHT_ALT_HOTKEYS");
    OXAINI_LOGICALRESIZE = (uint8_t)inivaldefyes("LOGICAL_RESIZE");
    TRADMOVEMENT = (uint8_t)inivalyes("TRADITIONAL_MOVEMENT");
    BACKMUSIC = inivaldefyes("BACKGROUND_MUSIC");
    AMBIENTSOUNDS = inivaldefyes("AMBIENT_SOUNDS");
    MOVEMENTSOUNDS = inivaldefyes("MOVEMENT_SOUNDS");
    AUDIO_MAIN_VOLUME = volume_setting(inival("VOLUME", "50"));
    IDLE_ANIMATION = inivaldefyes("IDLE_ANIMATION");
    ParseInventoryOrder(inival("INVENTORY_ORDER", ""));
}

void SetOxaPath() { copy_bounded(OxaPath, sizeof OxaPath, CURRENT_DIR()); }
