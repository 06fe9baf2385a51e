// src/creatures/condition.cpp -- the wound and condition checks of each turn, fainting and coming
// to, sleep, getting up, the limbs a task needs, and the phrases that tell what harmed someone.
#include "creatures/condition.h"
#include "creatures/perception.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/gamefiles.h"
#include "core/magicknow.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "core/weather.h"
#include "maps/localweather.h"
#include "core/weatherengine.h"
#include "creatures/ancestors.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "core/crefunc.h"
#include "creatures/healing.h"
#include "creatures/life.h"
#include "creatures/physical.h"
#include "creatures/breaches.h"
#include "creatures/decisions.h"
#include "creatures/describe.h"
#include "creatures/predicates.h"
#include "creatures/wounds.h"
#include "core/datafunc.h"
#include "items/ownership.h"
#include "items/vessels.h"
#include "items/vildebt.h"
#include "items/inventory.h"
#include "items/items.h"
#include "items/materials.h"
#include "items/wearing.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/zoomstore.h"
#include "base/debuglog.h"
#include "core/worldservices.h"

uint8_t PLAYER_SLEEPING;
int NSAFETY, PVAM_EMERGENCY;
uint32_t Haavatarkistukset_last_note_mintick, Condition_Check_lastnotemin;
float TURKISPAITA;
// The save of a sleep: the game's own save of the character and the map's renewal.
static void save_and_renew() { world_services.save_and_renew(); }
void (*sleep_save)() = save_and_renew;

void plr_set_deathcause(int cause) { plr_set<int32_t>(PB_DEATHCAUSE, cause); }
float plr_fatigue() { return plr_get<float>(PB_FATIGUE); }
int plr_tiredness() { return plr_get<int32_t>(PB_SLEEPINESS); }
int plr_injury_total() { return (int)plr_get<uint32_t>(PB_INJURY); }

static void say(const char *text) { Note(text); }
static void say_key(const char *key) {
    TARGET_NPC = -1;
    Note(MSG(key));
}

// Below 0 (the player, or nobody) answers 1; the callers that weigh a blow ask it of creatures only.
// A robber means to rob, not to kill.
int fightmode_dontkill(int c) {
    if (c < 0) return 1;
    if (c >= CRE_COUNT || Cre[c].kind == CK_NONE) return 0;
    return onko_NPC_rosvo(c) || (Cre[c].fightbits & 7) ? 1 : 0;
}

// The creature of the area whose social id is the last attacker's; -1 none.
static int attacker_present() {
    const int32_t id = plr_get<int32_t>(PB_ATTACKER);
    if (id <= 0) return -1;
    for (int c = 0; c < CRE_COUNT; c++)
        if (Cre[c].kind != CK_NONE && Cre[c].socialid == (uint32_t)id) return c;
    return -1;
}

void player_dies(int cause) {
    plr_set_deathcause(cause);
    // The last line names what the memorial will: whoever dealt the blows when the game knows him,
    // else what she died of.
    PlayerStruct rec = Plr;
    char death_text[ANC_TEXT], sentence[ANC_TEXT];
    compose_death_texts(rec, death_text, sentence);
    char line[ANC_TEXT + 20];
    snprintf(line, sizeof line, "&You are dead: %s.", death_text[0] ? death_text : harmer(cause, 10));
    DISABLE_NOTES = 0;
    say(line);
    PlayerDeath();
}

// The player falls prone (the fighting rules have their own for every body).
static void plr_fall_prone() {
    if (Plr.posture == 0) {
        Plr.posture = 1;
        RUNNING = 0;
        say_key("DO_FALL_PRONE");
    }
}

// What the hand of that side holds falls to the ground.
static void plr_drop_hand(int side) {
    const int slot = wielding(side == 1 ? 1 : 2);
    if (slot >= PLR_SLOTS) return;
    const int obj = Plr.inv_obj[slot];
    char line[200];
    char name[41];
    ItemStruct it;
    snprintf(line, sizeof line, "!You drop the %s.", StrLwr(item_name(ObjToItem(it, obj), name)));
    say(line);
    DropItem(Plr.inv_count[slot], obj, PlayerX, PlayerY);
    Poista_PlrItem(slot, Plr.inv_count[slot]);
}

static void plr_faint() {
    if (Plr.posture == 4) return;
    Plr.posture = 4;
    say_key("FALL_UNCONSCIOUS");
    plr_drop_hand(1);
    plr_drop_hand(2);
    DISABLE_NOTES = 1;
}

// ---- the wound check of each turn ----

void Haavatarkistukset(int form) {
    if (REAL_QUIT == -1) return;
    const float t = Plr.body_temperature;
    // 0.0 is a record that never had a temperature (the loader gives it 37.0).
    if (t > 0.0f && t <= 30.0f) {
        say("&You feel warm for a moment, then lose your consciousness...");
        MAPEFFECT_faint();
        player_dies(Plr.movement_mode == 2 || Plr.movement_mode == 4 ? CAUSE_DROWNED : CAUSE_FROST);
        return;
    }
    if (t > 30.0f && t <= 32.5f && Plr.minutes >= Haavatarkistukset_last_note_mintick + 3) {
        Haavatarkistukset_last_note_mintick = Plr.minutes;
        say(t <= 31.7f ? "&You've become drowsy and confused from the cold and can barely remain conscious!"
                       : "&You are shivering all over from the cold and feel confused.");
        if (Plr.body_temperature_change < 0.0f && SPENDING) SPEND_INTERRUPT = 4;
    }
    if (plr_get<uint32_t>(PB_INJURY) <= 99) {
        Suorita_Verenhukka(-1, PlayerX, PlayerY, form);
        if (REAL_QUIT == -1) return;
        plr_set<uint32_t>(PB_INJURY, (uint32_t)body_injury_sum(-1));
        WoundSlot w;
        for (int s = 0; s < WOUND_SLOTS; s++)
            if (wound_get(-1, s, w) && w.kind && w.kind < ILL_FIRST && w.part == BP_EYE && w.injury >= 6)
                Plr.view_restriction |= (uint8_t)(w.side == 1 ? 1 : 2);
        if (INVASUHDE_liikuntaelimet(-1) >= 1.0f && Plr.posture == 0) {
            say_key("UNUSABLE_LEGS");
            plr_fall_prone();
        }
        for (int side = 1; side <= 2; side++)
            if (INVALIDITEETTI(-1, 3, side) >= 1.0f && wielding(side) < PLR_SLOTS) plr_drop_hand(side);
        return;
    }
    const int c = attacker_present();
    if (c >= 0 && fightmode_dontkill(c)) {
        plr_faint();
        return;
    }
    player_dies(plr_get<int32_t>(PB_ATTACKER) == CAUSE_ILLNESS ? CAUSE_ILLNESS : CAUSE_INJURIES);
}

// ---- the condition notes ----

void Condition_Check(int force) {
    if (REAL_QUIT == -1) return;
    // The running minute counter: a note at 59 past keeps the next one away for 14 minutes too.
    if (!force && Plr.minutes >= Condition_Check_lastnotemin && Plr.minutes - Condition_Check_lastnotemin <= 14)
        return;
    auto shown = [] { Condition_Check_lastnotemin = Plr.minutes; };
    const int sleepy = plr_get<int32_t>(PB_SLEEPINESS);
    if (sleepy > 1000 && (force || random(20) == 0)) {
        char line[200];
        snprintf(line, sizeof line, ":%s %s.", VasymysTeksti(sleepy, 1), StrLwr(VasymysTeksti(sleepy, 0)));
        say(line);
        shown();
    }
    if (sleepy > 1800 && (force || random(20) == 0)) {
        say("!You need to sleep! You can't stay awake much longer.");
        shown();
    }
    if (sleepy > 2000) {
        if (Plr.posture == 0) {
            say(":You are too tired to stay on your feet.");
            Plr.posture = 1;
            shown();
        }
        if (!force) {
            int slept = 0;
            if (sleepy >= 2501) slept = Sleep(0);
            else if (random(15) == 0) slept = Sleep(1);
            if (slept && plr_get<int32_t>(PB_SLEEPINESS) > 2000) plr_set<int32_t>(PB_SLEEPINESS, 1950);
            if (REAL_QUIT == -1) return;
        }
    }
    const int h = nalantunne(-1);
    const char *hunger = NalkaTeksti(h);
    if (hunger && hunger[0] && (force || h > random(1000))) {
        char line[200];
        snprintf(line, sizeof line, "&You are %s%s", hunger, h > 200 ? "!" : ".");
        say(line);
        shown();
    }
    const char *thirst = JanoTeksti((int)Plr.thirst);
    if (thirst && thirst[0] && (force || random(20000) < Plr.thirst)) {
        char line[200];
        snprintf(line, sizeof line, "&You are %s", thirst);
        say(line);
        shown();
        if (Plr.thirst > 4000 && Plr.posture != 1) {
            say("&Being very weak from prolonged lack of water you find it impossible to stand on your shaky legs anymore!");
            plr_fall_prone();
        }
        if (Plr.thirst > 6000) player_dies(CAUSE_THIRST);
    }
}

// ---- unconsciousness ----

// Notes and the map come back on as she comes to (or dies).
static void senses_back() {
    DISABLE_NOTES = 0;
    DISABLE_MAP = 0;
}

void PlayerUnconscious() {
    // The ambient sound stops and she reads how she fell before the world goes on without her.
    StopIdleSample();
    Pause();
    DISABLE_NOTES = 1;
    DISABLE_MAP = 1;
    plr_fall_prone();
    Plr.posture = 4;
    const int downer = attacker_present();
    if (downer >= 0 && fightmode_dontkill(downer)) unlethalize(0);
    const uint32_t wx = Plr.world_x, wy = Plr.world_y;
    for (int i = 0; i < 500; i++) {
        if (REAL_QUIT == -1) {
            senses_back();
            return;
        }
        SecondTick(6, 0);
        world_services.creature_pass();
        Haavatarkistukset(0);
        Tajuttomuustarkistus(-1, 0);
        if (Plr.posture != 4) break;
    }
    if (REAL_QUIT == -1) {
        senses_back();
        return;
    }
    // Her dog or companions who take on the downer keep it from her.
    if (downer >= 0 && Cre[downer].kind != CK_NONE && Cre[downer].mode != CM_CARCASS && Cre[downer].mode != 4 &&
        Tarkista_Kumppanit(downer) == 0)
        plr_downed_act(downer);
    senses_back();
    Plr.posture = 1;
    if (Plr.world_x == wx && Plr.world_y == wy) {
        say_key("REGAIN_CONSCIOUSNESS");
        MAPEFFECT_wakeup();
    } else
        say(":You come to your senses in unfamiliar surroundings...");
    UPDATE_SCREEN = 1;
}

// One owned item of the community taken back: its debt cleared, its owner marks gone, into c's pack
// or else the village's goods pool.
static void take_back(int c, int soc, int pos, int count) {
    remitemdebt(soc, (unsigned)pos, (unsigned)count);
    ItemStruct item = ObjToItem(pos);
    item.ownerflags &= (uint8_t)~7;
    const int stored = Luo_Esineen_Itempos(item);
    const int give = stored > 0 ? stored : pos;
    if (!new_AddCrPack(c, give, count, 0)) addvilpool(soc, give, count);
}

static bool community_goods(int pos, int soc) {
    if (pos <= 0) return false;
    const ItemStruct item = ObjToItem(pos);
    const OwnerStruct o = own_item(item);
    return !o.free && o.soc == (uint32_t)soc && (item.ownerflags & 3);
}

int get_stolen_items(int owner, int c) {
    if (c < 0 || c >= CRE_COUNT || Cre[c].community == 0) return 0;
    const int soc = (int)Cre[c].community;
    if (!GetGlobVil(soc)) return 0;
    int taken = 0;
    if (owner == -1)
        for (int s = 0; s < PLR_SLOTS; s++) {
            if (!community_goods(Plr.inv_obj[s], soc) || Plr.inv_count[s] <= 0) continue;
            const int pos = Plr.inv_obj[s], count = Plr.inv_count[s];
            Poista_PlrItem_NoCrunch(s, count);
            take_back(c, soc, pos, count);
            taken++;
        }
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.owner != (int16_t)owner || d.extra != 4 || !community_goods((int)d.id, soc)) continue;
        const int pos = (int)d.id, count = d.count;
        ClearDATA(i);
        take_back(c, soc, pos, count);
        taken++;
    }
    for (int m = 0; m < CRE_COUNT; m++) {
        if (m == c || Cre[m].kind == CK_NONE || !(onko_NPC_kumppani(m) || onko_NPC_kesyelain(m))) continue;
        for (int k = 0; k < CRE_PACK; k++) {
            if (!community_goods(Cre[m].pack[k], soc) || Cre[m].packcount[k] == 0) continue;
            const int pos = Cre[m].pack[k], count = Cre[m].packcount[k];
            Cre[m].pack[k] = 0;
            Cre[m].packcount[k] = 0;
            Cre[m].packbits[k] = 0;
            take_back(c, soc, pos, count);
            taken++;
        }
    }
    SaveGlobVil();
    MOVETAKEN_clr();
    if (owner == -1) {
        CrunchItems();
        GOT_recount(soc);
    }
    laske_Load(owner);
    return taken;
}

void plr_downed_act(int c) {
    if (c < 0 || c >= CRE_COUNT) return;
    if (is_socmember(c)) get_stolen_items(-1, c);
    if (fightmode_dontkill(c)) unlethalize(0);
    if (Cre[c].fightbits & 4) {
        int weapons = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == IT_WEAPON) weapons++;
        int keep = weapons >= 6 ? weapons / 2 : 2;
        if (weapons >= 3) {
            if (keep < 2) keep = 2;
            for (int s = 0; s < PLR_SLOTS && weapons > keep;) {
                if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == IT_WEAPON) {
                    Poista_PlrItem(s, Plr.inv_count[s]);   // the gap closes: the same slot again
                    weapons--;
                } else {
                    s++;
                }
            }
        }
    }
    const bool robber = onko_NPC_rosvo(c) != 0;
    if (robber) {
        unleash_all();
        rob_items(-1, c, 0);
    }
    if ((Cre[c].fightbits & 6) || robber) carry_off();
}

// ---- carried off ----

int carry_off_place(int wx, int wy, int *x, int *y) {
    static int cand_x[101 * 101], cand_y[101 * 101];
    int n = 0;
    for (int cy = wy - 50; cy <= wy + 50; cy += 1 + random(4))
        for (int cx = wx - 50; cx <= wx + 50; cx += 1 + random(4)) {
            if (cx < 101 || cx > 3071 || cy < 101 || cy > 2047) continue;
            if (is_settled_area(cx, cy, 5) || terrain_flag(get_alltime_maailmachar(cx, cy), TF_WATER)) continue;
            if (ZoomMapPos(cx, cy) != 0) continue;
            cand_x[n] = cx;
            cand_y[n++] = cy;
        }
    if (n == 0) return 0;
    const int k = random(n);
    *x = cand_x[k];
    *y = cand_y[k];
    return 1;
}

// The downed player is dragged away to a wild, unvisited place near by; the hours pass meanwhile.
void carry_off() {
    if (bigmap()) return;
    int x, y;
    if (!carry_off_place((int)Plr.world_x, (int)Plr.world_y, &x, &y)) return;
    force_to_zoommap(x, y);
    if (REAL_QUIT == -1 || bigmap()) return;
    const int hours = 2 + random(3);
    for (int h = 0; h < hours && REAL_QUIT != -1; h++) {
        MinuteTick(60, 2);
        Time();
    }
}

// Saves and leaves the local area for the world map, then enters the local map of world cell x, y:
// both maps are loaded here, so the turn that follows is played on the new one.
void force_to_zoommap(int x, int y) {
    if (bigmap() || REAL_QUIT == -1) return;
    char line[60];
    snprintf(line, sizeof line, "(%d,%d)", x, y);
    debuglog("force_to_zoommap", line);
    // Loading a map turns the notes on; a fainted player's stay off until she comes to.
    const uint8_t quiet = DISABLE_NOTES;
    world_services.exit_environ(PlayerX, PlayerY, 1);
    if (LOAD_MAP) world_services.load_map(0);
    DISABLE_NOTES = quiet;
    if (REAL_QUIT == -1 || !bigmap()) return;
    // On the world map she stands on the cell itself.
    PlayerX = x;
    PlayerY = y;
    Plr.world_x = (uint32_t)x;
    Plr.world_y = (uint32_t)y;
    world_services.enter_locale(0, 0);
    if (LOAD_MAP) world_services.load_map(0);
    DISABLE_NOTES = quiet;
}

// ---- getting up ----

int Nouse(int who) {
    if (who == -1) {
        if (Plr.posture != 1) return 0;
        if (INVASUHDE_liikuntaelimet(-1) >= 1.0f) {
            say_key("UNUSABLE_LEGS");
            return 0;
        }
        NPCNote(-1, MSG("RISE"), "");
        Plr.posture = 0;
        TurnUsed = 1;
        return 1;
    }
    if (who < 0 || who >= CRE_COUNT || Cre[who].posture != 1) return 0;
    if (INVASUHDE_liikuntaelimet(who) >= 1.0f) return 0;
    TARGET_NPC = who;
    NPCNote(who, MSG("RISE"), "");
    Cre[who].posture = 0;
    return 1;
}

// ---- sleep ----

static float fur_shirt_weight() {
    if (TURKISPAITA <= 0.0f) {
        const int row = ConstantObj_Nimella("Fur shirt", IT_ARMOUR);
        TURKISPAITA = row > 0 && ConstantObj[row].weight > 0.0f ? ConstantObj[row].weight : 4.0f;
    }
    return TURKISPAITA;
}

// Animal hides make a bed: a raw skin or a leather does not.
int sleepeasy(int x, int y, int flags) {
    float cover = 0.0f, heaviest = -1.0f;
    int warmth = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
        ItemStruct it;
        ObjToItem(it, (int)d.id);
        if (!OnkoEsineId(it, OID_FUR)) continue;
        cover += (float)d.count * it.weight;
        if (it.weight > heaviest) {
            heaviest = it.weight;
            warmth = it.fig[5];
        }
    }
    const float fur = fur_shirt_weight();
    const char *key = "SLEEPNOTE:NORMAL";
    if (cover > 4.0f * fur) key = "SLEEPNOTE:COVER";
    else if (cover > 2.0f * fur) {
        key = "SLEEPNOTE:RUG";
        warmth /= 2;
    }
    if (flags & 4) say_key(key);
    return (flags & 1) ? warmth : 0;
}

void Wakeup_Mapreturn() {
    UPDATE_SCREEN = 1;
    MAPEFFECT_wakeup();
    Statistics();
}

int Sleep(int mode) {
    const bool protected_night = is_SpellMark(MEANS_EARTH) != 0;   // the earth was greeted
    if (ZoomRenew) return 0;
    LURK = 0;
    SLEEP_INTERRUPT = 0;
    const int sleepy = plr_get<int32_t>(PB_SLEEPINESS);
    if (sleepy < 500) {
        say_key("NOT_TIRED");
        return 0;
    }
    if (Plr.movement_mode == 2 || Plr.movement_mode == 4) {
        say(cantwhile("sleep", movement_desc()));
        return 0;
    }
    const bool rain = GlobWeather.rain_kind == 1;
    if (is_it_raining()) make_me_wet();
    if (SLEEP_INTERRUPT == 6) {
        if (sleepy < 2000) {
            if (rain) say("!You can't sleep outside in the rain!");
            else if (GlobWeather.intensity >= 2) say("!You can't sleep outside when it's snowing this much!");
            SLEEP_INTERRUPT = 0;
            return 0;
        }
        say(rain ? "&Tired as you are, you don't mind sleeping in the rain."
                 : "&Tired as you are, you don't mind sleeping in the snowfall.");
        SLEEP_INTERRUPT = 0;
    }
    if (get_mapchar(PlayerX, PlayerY) == '.') SLEEP_INTERRUPT = 2;
    StopIdleSample();
    const float warmth = (float)sleepeasy(PlayerX, PlayerY, 5) / 2.0f;
    Plr.posture = 1;
    PLAYER_SLEEPING = 1;
    MAPEFFECT_sleep_fade();   // the map darkens to night blue until she wakes
    say("#Zzzz... [HOLD ON]");
    clear_noises();
    sleep_save();
    DISABLE_NOTES = 1;
    DISABLE_MAP = 1;

    int hours = 12, wake = 0;   // wake: 1 hunger, 2 thirst
    if (mode == 1 && nalantunne(-1) > 200) hours = 2, wake = 1;
    else if (Plr.thirst > 3000) hours = 2, wake = 2;
    const float start_temp = Plr.body_temperature;
    bool natural = false;
    for (int hour = 0; hour < hours && REAL_QUIT != -1; hour++) {
        Time();
        if (Plr.body_temperature <= 37.0f) Plr.body_temperature += warmth;
        for (int step = 0; step < 30 && REAL_QUIT != -1; step++) {
            AsetaPonnistelu(-1, 0);
            MinuteTick(2, 0);
            world_services.creature_pass();
            // A noise she hears wakes her; each step listens afresh.
            if (AANI_TASO > 1 && kuulohavainto(-1, AANI_X, AANI_Y, AANI_TASO)) SLEEP_INTERRUPT = 10;
            clear_noises();
            if (onko_taistelutilanne(-1, 0)) SLEEP_INTERRUPT = 1;
            if (Plr.posture != 1) {
                SLEEP_INTERRUPT = 4;
                break;
            }
            if (SLEEP_INTERRUPT == 5 && Plr.body_temperature >= start_temp && step < 20) SLEEP_INTERRUPT = 0;
            if (SLEEP_INTERRUPT) break;
        }
        Time();
        plr_set<float>(PB_FATIGUE, 0.0f);
        if (plr_get<int32_t>(PB_SLEEPINESS) < 1) {
            natural = true;   // slept enough: whatever stirred her last no longer matters
            SLEEP_INTERRUPT = 0;
            break;
        }
        int &si = SLEEP_INTERRUPT;
        if (mode == 0 && (si == 2 || si == 3 || si == 5 || si == 8 || si == 9)) si = 0;
        if (si == 6 && plr_get<int32_t>(PB_SLEEPINESS) >= 2000) si = 0;
        if (si) break;
        if (protected_night) continue;
        world_services.encounter_check();
        if (ENCOUNTER) {
            SLEEP_INTERRUPT = 3;
            break;
        }
    }
    senses_back();
    clr_SpellMark(MEANS_EARTH);
    const int why = SLEEP_INTERRUPT;
    bool get_up = false;
    switch (why) {
    case 100: break;
    case 1: say_key("AWAKEN_BY:FIGHT"); break;
    case 2:
        if (plr_bytes(PB_SANITY)[0] > 1) plr_bytes(PB_SANITY)[0] -= 2;
        say("!You wake up covered in sweat! You've just had the worst nightmare you've ever experienced!");
        say("You hear silent voices from the shadows and notice that your limbs are aching a lot.");
        break;
    case 3:
        say("Something wakes you up.");
        say(random(2) ? "You think you heard some rustle." : "You think you saw something move in the distance.");
        break;
    case 4: break;
    case 5: say("Brr! You wake up shivering from the coldness."); get_up = true; break;
    case 6: say(rain ? "!You wake up to the rain." : "!You wake up to the snowfall."); get_up = true; break;
    case 7: say("=You wake up to a strange feeling, as if being watched."); Pause(); get_up = true; break;
    case 10: say("&Your sleep is interrupted by strange noises."); get_up = true; break;
    default:
        if (!natural && wake == 1) say_key("AWAKEN_BY:HUNGER"), get_up = true;
        else if (!natural && wake == 2) say_key("AWAKEN_BY:THIRST"), get_up = true;
        else {
            say_key("WAKE_UP");
            if (Plr.posture == 1) Plr.posture = 0;
        }
        break;
    }
    if (get_up && plr_get<int32_t>(PB_SLEEPINESS) <= 999 && Plr.posture == 1) Plr.posture = 0;
    Wakeup_Mapreturn();
    TurnUsed = 1;
    if (!why) Condition_Check(1);
    PLAYER_SLEEPING = 0;
    plr_set<uint32_t>(PB_WAKEFLAGS, plr_get<uint32_t>(PB_WAKEFLAGS) & ~4u);
    SLEEP_INTERRUPT = 0;
    return 1;
}

// ---- what a task asks of the body ----

int parse_condflags(const char *text) {
    int flags = 0;
    char buf[300];
    copy_bounded(buf, sizeof buf, text ? text : "");
    for (char *tok = strtok(buf, " ,"); tok; tok = strtok(nullptr, " ,")) {
        if (strstr(tok, "stance")) flags |= 1;
        if (strstr(tok, "one-")) flags |= 32;
        if (strstr(tok, "hands")) flags |= 16;
        else if (strstr(tok, "hand")) flags |= 8;
        if (strstr(tok, "arms")) flags |= 4;
        else if (strstr(tok, "arm")) flags |= 2;
    }
    return flags;
}

int puuhausvammaus(int who, int flags, int difficulty, const char *action) {
    if (!action) action = "do that";
    const bool player = who == -1;
    // Each task is judged anew: an earlier slow task does not leave every later one slow.
    if (player) PVAM_EMERGENCY = 0;
    bool slow = false;
    const bool lying = player ? Plr.posture != 0 : (who >= 0 && who < CRE_COUNT && Cre[who].posture != 0);
    if ((flags & 1) && lying) {
        if (!(flags & 64)) {
            if (player) {
                char line[MSGBUF_SIZE];
                copy_bounded(vMSG_var, sizeof vMSG_var, action);
                copy_bounded(line, sizeof line, MSG("PHYSREQ_STANCE"));
                say(line);
            }
            return 1;
        }
        if (player) say("_You should be standing to perform this properly.");
        slow = true;
    }
    float ratio = INVASUHDE_liikuntaelimet(who), fallback = 1.0f;
    const char *limb = "better condition", *problem = "", *fallback_limb = "";
    const float ar = INVALIDITEETTI(who, 2, 1), al = INVALIDITEETTI(who, 2, 2);
    const float hr = INVALIDITEETTI(who, 3, 1), hl = INVALIDITEETTI(who, 3, 2);
    if (flags & 4) {
        ratio = ar > al ? ar : al;
        limb = "both arms";
        problem = "badly injured arms";
        if (flags & 32) {
            fallback = ar < al ? ar : al;
            fallback_limb = ar <= al ? "right arm" : "left arm";
        }
    } else if (flags & 2) {
        ratio = ar < al ? ar : al;
        limb = "one usable arm";
    }
    if (flags & 16) {
        ratio = hr > hl ? hr : hl;
        limb = "both hands";
        problem = "badly injured hands";
        if (flags & 32) {
            fallback = hr < hl ? hr : hl;
            fallback_limb = hr <= hl ? "right hand" : "left hand";
        } else {
            fallback = 1.0f;
        }
    } else if (flags & 8) {
        ratio = hr < hl ? hr : hl;
        limb = "one usable hand";
        fallback = 1.0f;   // the hands decide: a sound arm does not stand in for them
    }
    const float d = (float)difficulty / 25.0f;
    ratio = ratio + d > 1.0f ? 1.0f : ratio + d;
    fallback = fallback + d > 1.0f ? 1.0f : fallback + d;
    float judged = ratio;
    if (ratio >= 1.0f && player) {
        char line[300];
        if (fallback < 1.0f) {
            snprintf(line, sizeof line, "_%s needed, but only your %s is in usable condition.", limb, fallback_limb);
            line[1] = (char)toupper((unsigned char)line[1]);
            say(line);
            slow = true;
            judged = fallback;
        } else {
            snprintf(vMSG_var, sizeof vMSG_var, "%s", problem[0] ? problem : "hurt body");
            copy_bounded(vMSG_status, sizeof vMSG_status, action);
            say(MSG("PHYSREQ_CANT"));
            snprintf(line, sizeof line, "_%s needed.", limb);
            line[1] = (char)toupper((unsigned char)line[1]);
            say(line);
        }
    }
    if (judged >= 1.0f) return 1;
    if (slow) {
        PVAM_EMERGENCY = 1;
        if (player) {
            char line[300];
            snprintf(line, sizeof line, "!It will be slow and difficult to %s now.", action);
            say(line);
            Pause();
        }
    }
    return 0;
}

// ---- phrases of harm ----

const char *harmer(int cause, int form) {
    static char out[200];
    const int f = form == 10 ? 2 : form == 1 ? 1 : 0;
    struct Row { int cause; const char *text[3]; };
    static const Row rows[] = {
        {CAUSE_TRAP, {"felling into a trap", "was hurt by a trap", "killed by a trap"}},
        {CAUSE_BLEEDING, {"having started to bleed", "was bleeding", "bled to death"}},
        {CAUSE_FIRE, {"being burned by fire", "was burned by fire", "burned to death"}},
        {CAUSE_FROST, {"getting a frostbite", "was freezing", "froze to death"}},
        {CAUSE_FALL, {"a misfortunate climbing attempt", "was hurt while falling", "died from a fall"}},
        {CAUSE_ILLNESS, {"starting to suffer from %s", "was suffering from %s", "died from %s"}},
        {CAUSE_TREATMENT, {"treating a wound", "was bleeding from the wound", "bled to death"}},
    };
    if (cause > 0) {
        static const char *const hit[3] = {"being hit by %s", "was hit by %s", "killed by %s"};
        // The attacker is named from a scratch record, never from a live slot.
        char name[120] = "someone";
        bool found = false;
        for (int c = 0; c < CRE_COUNT && !found; c++)
            if (Cre[c].kind != CK_NONE && Cre[c].socialid == (uint32_t)cause) {
                copy_bounded(name, sizeof name, monnam(c, 4));
                found = true;
            }
        // One gone from the area is read from the creature file; the working record is kept.
        if (!found && cause >= CRE_DATAID) {
            const CreatureStruct keep = Creature;
            if (Lataa_RealCreature(cause) && Creature.kind != CK_NONE) copy_bounded(name, sizeof name, monnam_cre(Creature, 4));
            Creature = keep;
        }
        const char *at = strstr(hit[f], "%s");
        snprintf(out, sizeof out, "%.*s%s%s", (int)(at - hit[f]), hit[f], name, at + 2);
        return out;
    }
    for (const Row &r : rows)
        if (r.cause == cause) {
            const char *t = r.text[f];
            const char *at = strstr(t, "%s");
            if (at)
                snprintf(out, sizeof out, "%.*s%s%s", (int)(at - t), t, InjuryCause[0] ? InjuryCause : "an illness", at + 2);
            else
                copy_bounded(out, sizeof out, t);
            return out;
        }
    static const char *const other[3] = {"being hurt", "was hurt", "killed by death"};
    copy_bounded(out, sizeof out, other[f]);
    return out;
}
