// The skills command: a skill chosen on the skills screen leads to its own menu or work. Also the
// farming and hide-work menus, weather lore, the physician's work and the texts that tell how the
// player's condition lowers a skill.
#include "activities/skilluse.h"

#include "activities/actions.h"
#include "activities/charscreens.h"
#include "activities/cooking.h"
#include "core/commandcodes.h"
#include "creatures/skills.h"
#include "creatures/healing.h"
#include "activities/herblore.h"
#include "activities/fishing.h"
#include "activities/making.h"
#include "activities/swimclimb.h"
#include "activities/timber.h"
#include "activities/traps.h"
#include "activities/tracking.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "core/weatherengine.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "creatures/life.h"
#include "creatures/physical.h"
#include "maps/mapunit.h"
#include "maps/plrlink.h"
#include "core/codednotes.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "base/ui.h"

#include <cstdio>
#include <cstring>

int GAMERESTORE_MAPSCREEN = 0;
int Weatherlore_lastskillhour = -1;
int Weatherlore_suc;

int UseSkills() {
    // The game screen as it stands now is what the skills screen puts back: a page kept by an
    // earlier command is stale, and before the first one it is black.
    GAME_SAVED = 0;
    game_save();
    int slot = TaitoRuutu(0);
    if (slot == 1000) {
        GAME_SAVED = 0;   // the command puts its own page back
        return 0;
    }
    FLIP_map_ON();
    game_restore();
    doskill(slot);
    return 1;
}

// Alt + letter: the skill bearing the letter as its key, looked up in the lists made anew from the
// skill slots now held; a letter no skill bears does nothing.
void KaytaNappaintaitoa(int letter) {
    if (letter < 0 || letter >= 26) return;
    SKILLS_Lajittele();
    const int slot = HotkeySkill((unsigned char)('a' + letter));
    if (slot >= 0) doskill(slot);
}

void doskill(int slot) {
    if (slot < 0 || slot >= PLR_SKILLS || !Plr.skill_name[slot][0]) return;
    char name[PLR_SKILLNAME + 1];
    memcpy(name, Plr.skill_name[slot], PLR_SKILLNAME);
    name[PLR_SKILLNAME] = 0;
    com(name);
    if (onko_taistelutilanne(-1, 0)) {
        Note(NOTE_NO_TIME_IN_A_FIGHT);
        return;
    }
    char line[64];
    snprintf(line, sizeof line, "#Using: %s", name);
    Note(line);
    TurnUsed = 1;
    use_skill(name);
}

void use_skill(const char *name) {
    if (!name || !name[0]) return;
    if (strstr("UNARMED SHIELD DODGE KNIFE DAGGER SWORD BOW CROSSBOW CLUB FLAIL WHIP AXE SPEAR SKIING", name)) {
        Note(NOTE_SKILL_USED_BY_WIELDING);
        return;
    }
    auto is = [name](const char *part) { return strstr(name, part) != nullptr; };
    if (is("HERBLORE")) Herblore();
    else if (is("FISHING")) { if (!non_outdoor()) Fishing(); }
    else if (is("RITUAL")) {
        GAMERESTORE_MAPSCREEN = 1;
        InvocationMenu();
        GAMERESTORE_MAPSCREEN = 0;
    }
    else if (is("AGRICULTURE")) { if (!non_outdoor()) agriculture(); }
    else if (is("BUILDING")) { if (!non_outdoor()) building_skill(); }
    else if (is("WEATHERLORE")) Weatherlore();
    else if (is("SWIMMING")) { if (!non_outdoor()) Swimming(0, 0); }
    else if (is("CLIMBING")) { if (!non_outdoor()) climb_it(0, 0); }
    else if (is("TIMBERC")) { if (!non_outdoor()) TIMBERCRAFT(); }
    else if (is("TRAPPING")) { if (!non_outdoor()) Ansat(); }
    else if (is("CARPENTRY")) wooden_items();
    else if (is("HIDEWORKIN")) HIDEWORK();
    else if (is("TRACKING")) {
        if (bigmap()) Tracking_IsoKartta(0);
        else Tutki_Jaljet(PlayerX, PlayerY, 1);
    } else if (is("PHYSICIAN")) PHYSICIAN();
    else if (is("COOKERY")) Cook();
}

// A work menu of action codes; the chosen entry runs through the dispatcher.
static int work_menu(const char *title, const char *topic, const int (*entries)[2], int count) {
    Valinta_Tyhjaa();
    for (int i = 0; i < count; i++) Valinta_LisaaToiminnalla(entries[i][0], Toiminta(entries[i][1]), entries[i][1]);
    Valinta_LisaaGlobalGameinfo(topic);
    NOUPDATE_RC = 1;
    const int key = TeeValinta(title);
    Valinta_Toimi();
    return key;
}

int agriculture() {
    static const int entries[][2] = {{'S', 30}, {'P', 31}, {'H', 29}, {'T', 28}, {'G', 27}};
    return work_menu("Agriculture option", "AGRICULTURE", entries, 5);
}

int HIDEWORK() {
    static const int entries[][2] = {{'S', 36}, {'C', 43}, {'U', 37}, {'T', 38}, {'D', 39}};
    return work_menu("Hidework option", "HIDEWORKING", entries, 5);
}

void Weatherlore() {
    if (Plr.hour != Weatherlore_lastskillhour) {
        Weatherlore_suc = Kayta_Taitoa(0, 0, "WEATHERLORE", 0);
        Weatherlore_lastskillhour = Plr.hour;
    }
    Note(":You attempt to predict the weather...");
    if (!realbasicspend(1, 0, "PREDICTING THE WEATHER", 0)) return;
    int day_of_year = (Plr.month - 1) * 30 + Plr.day;
    char forecast[300];
    copy_bounded(forecast, sizeof forecast, weatherengine.get_forecast(Weatherlore_suc, 62, day_of_year, Plr.hour));
    Note(forecast);
    Note("_That's how you think the weather will be like.");
}

void PHYSICIAN() {
    int ax = PlayerX + Heds_x(PlayerDir), ay = PlayerY + Heds_y(PlayerDir);
    int who = -1, slot = -1, worst = 0;
    for (int d = 0; d < DATA_MAX; d++) {
        const DataStruct &r = Data[d];
        if (r.type != DT_CREATURE || r.x != ax || r.y != ay || r.id < CRE_DATAID) continue;
        int c = (int)r.id - CRE_DATAID;
        if (c >= CRE_COUNT || !(onko_NPC_kesyelain(c) || onko_NPC_kumppani(c))) continue;
        for (int w = 0; w < 20; w++)
            if (Cre[c].woundbleeding[w] > worst) {
                worst = Cre[c].woundbleeding[w];
                who = c;
                slot = w;
            }
    }
    if (who >= 0) {
        char line[200];
        snprintf(line, sizeof line, ":You see %s is bleeding.", monnam(who, 4));
        Note(line);
        TARGET_NPC = who;
        char question[200];
        fill_name(question, sizeof question, "Try to treat %s wounds?",
                  MSG(Cre[who].sexage & 1 ? "PP_GEN:MASC" : "PP_GEN:FEM"));
        copy_bounded(line, sizeof line, question);
        if (KyllaEi(line)) {
            Hoida_Haavaa(who, slot);
            return;
        }
    }
    int chosen = Wounds();
    if (chosen != -1) Hoida_Haavaa(-1, chosen);
}
