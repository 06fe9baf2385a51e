// The command dispatcher: one entry for every player activity by its action code, the action names,
// the repeat-last-action memory and the key help lines.
#include "activities/toimi.h"

#include "activities/actions.h"
#include "activities/cooking.h"
#include "activities/worklinks.h"
#include "society/village.h"
#include "core/command.h"
#include "core/loader.h"
#include "core/ownlib.h"
#include "core/records.h"
#include "core/strupr.h"
#include "creatures/life.h"
#include "maps/mapunit.h"
#include "presentation/notes.h"
#include "presentation/panels.h"
#include "presentation/tekstit.h"

#include <cstdio>
#include <cstring>

char s_selite[256];
char s_komentoselite[1024];

struct ActionName {
    int code;
    const char *name;
};

// Every named action code; codes not listed are nameless.
static const ActionName action_names[] = {
    {-1, "Craft an item"},
    {1, "Fell a tree"},
    {2, "Carve trunk into a log"},
    {3, "Chop felled tree into blocks"},
    {4, "Split firewood from a block"},
    {5, "Peel bark from a tree"},
    {6, "Split a trunk into boards"},
    {27, "Grind flour"},
    {28, "Thresh (for grain/seeds/leaves)"},
    {29, "Harvest"},
    {30, "Prepare the soil"},
    {31, "Plant/sow"},
    {32, "Cut branches/twigs from a tree"},
    {33, "Build a fire"},
    {35, "Make a hole in the ice"},
    {36, "Skin an animal"},
    {37, "Cure the skin (for preservation)"},
    {38, "Tan the skin"},
    {39, "De-hair (for rawhide/leather)"},
    {40, "Apply tanning material"},
    {41, "Rinse and dry the skin"},
    {42, "Soften the skin"},
    {43, "Clean the skin"},
    {44, "Soak the skin"},
    {100, "Roasted meat"},
    {101, "Salted meat"},
    {102, "Smoked meat"},
    {103, "Dry (for preservation)"},
    {105, "Salt (for preservation)"},
    {119, "Boil"},
    {120, "Boil"},
    {121, "Roast"},
    {122, "Cook"},
    {123, "Smoke (for preservation)"},
    {124, "Wild flour"},
    {219, "Join ropes and cords"},
    {220, "Shorten ropes and cords"},
    {221, "Withe"},
    {240, "Build something"},
    {350, "Leather belt"},
    {351, "Leather cap"},
    {352, "Leather shirt"},
    {353, "Leather leggings"},
    {354, "Leather shoes"},
    {355, "Fur cap"},
    {356, "Fur shirt"},
    {357, "Fur mittens"},
    {358, "Fur leggings"},
    {359, "Fur hood"},
    {360, "Fur footwear"},
    {361, "Fur cloak"},
    {362, "Leather forearm guards"},
    {363, "Leather shin guards"},
    {364, "Leather cuirass"},
    {365, "Fur overcoat"},
    {370, "Repair worn-out clothes"},
    {390, "Set a trap"},
    {391, "Disassemble a trap construction"},
    {392, "Light lever trap"},
    {393, "Small deadfall trap"},
    {394, "Big deadfall trap"},
    {395, "Heavy deadfall bear trap"},
    {396, "Trap pit"},
    {397, "Trap pit with sharp stakes"},
    {400, "Reset triggered trap"},
    {402, "Bait a trap"},
    {420, "Wear"},
    {423, "Wield"},
    {424, "Drop"},
    {426, "Take off"},
    {449, "Command pets and companions"},
    {450, "Talk to someone"},
    {451, "Fill with water, or milk into"},
    {452, "Get up (stand)"},
    {453, "Wounds and injuries"},
    {454, "Cut a carcass for meat"},
    {455, "Sleep"},
    {456, "Pack an animal"},
    {457, "Unpack an animal"},
    {458, "Pour something into a container"},
    {459, "Empty a container"},
    {500, "Active fishing"},
    {501, "Set a net"},
    {502, "Retrieve a net"},
    {600, "Deconstruct something"},
    {601, "Continue paused process"},
    {700, "Haul items"},
    {701, "Push/pack items"},
    {800, "Throw an item/shoot an arrow"},
};

const char *Toiminta(int action) {
    for (const ActionName &a : action_names)
        if (a.code == action) return a.name;
    return "";
}

char *txt_toimia(int action) {
    const char *name = Toiminta(action);
    char *buf = sbuf();
    copy_bounded(buf, SBUF_SIZE, name[0] ? StrLwr(name) : "do that");
    return buf;
}

int non_outdoor() {
    if (!bigmap()) return 0;
    Note("!That's not allowed on the wilderness map! Press [ENTER] to zoom on the local terrain map.");
    return 1;
}

// Codes that need the local map before anything is remembered.
static bool local_first(int action) {
    switch (action) {
    case 500: case 501: case 502: case 700: case 701: case 800: return true;
    default: return false;
    }
}

// Codes that a refusal on the world map still leaves as the command to repeat.
static bool local_after(int action) {
    switch (action) {
    case 1: case 5: case 28: case 29: case 30: case 31: case 32: case 33: case 35: case 240: case 601:
        return true;
    default: return false;
    }
}

static bool remembered(int action) {
    switch (action) {
    case 33: case 420: case 423: case 424: case 425: case 426: case 451: case 452: case 453: case 454:
    case 455: case 458: case 459: case 700: case 701: case 800: case 900:
        return false;
    default: return true;
    }
}

static void run_action(int action, int value, const char *text) {
    switch (action) {
    case -1: Tee(-1, value, text ? text : ""); break;
    case 1: felltimber(-1, 0, 0, 0); break;
    case 2: case 3: case 4: case 6: TIMBERCRAFT_chop(-1, 0, 0, action, 0); break;
    case 5: TIMBERCRAFT_bark(); break;
    case 27: AGRICULTURE_jauhatus(); break;
    case 28: AGRICULTURE_puinti(-1, PlayerX, PlayerY, -1000); break;
    case 29: AGRICULTURE_korjuu(); break;
    case 30: AGRICULTURE_prepare_soil(); break;
    case 31: AGRICULTURE_plant(); break;
    case 32: SURVIVAL_branches(); break;
    case 33: SURVIVAL_fire(); break;
    case 35: SURVIVAL_icehole(); break;
    case 36: HIDEWORK_skinCmd(); break;
    case 37: HIDEWORK_cure(-1, -1000, 1); break;
    case 38: HIDEWORK_pretan(); break;
    case 39: HIDEWORK_karvo(); break;
    case 43: HIDEWORK_puhdistus(); break;
    case 103: case 105: case 120: case 121: case 123: Kokkaa(-1, action, "", 0, 0); break;
    case 122: TeeResepti(text ? text : ""); break;
    case 219: TYING_join(); break;
    case 220: TYING_shorten(); break;
    case 240: branchRakenna(value & 0xff, 0); break;
    case 350: TeeVaate("LEATHER BELT"); break;
    case 351: TeeVaate("LEATHER CAP"); break;
    case 352: TeeVaate("LEATHER SHIRT"); break;
    case 353: TeeVaate("LEATHER LEGGINGS"); break;
    case 354: TeeVaate("LEATHER SHOES"); break;
    case 355: TeeVaate("FUR CAP"); break;
    case 356: TeeVaate("FUR SHIRT"); break;
    case 357: TeeVaate("Fur mittens"); break;
    case 358: TeeVaate("Fur leggings"); break;
    case 359: TeeVaate("Fur hood"); break;
    case 360: TeeVaate("Fur footwear"); break;
    case 361: TeeVaate("Fur cloak"); break;
    case 362: TeeVaate("LEATHER FOREARM GUARDS"); break;
    case 363: TeeVaate("LEATHER SHIN GUARDS"); break;
    case 364: TeeVaate("LEATHER CUIRASS"); break;
    case 365: TeeVaate("FUR OVERCOAT"); break;
    case 370: Korjaa_Vaatteita(); break;
    case 391: Pura_Ansa(); break;
    case 392: case 393: case 394: case 395: case 396: case 397: case 400: AsetaAnsa(action, -1); break;
    case 402: trap_improve(2); break;
    case 420: wearCmd(); break;
    case 423: wieldCmd(-1000, 0); break;
    case 424: dropCmd(); break;
    case 426: takeoffCmd(); break;
    case 449: Do_Talk(1); break;
    case 450: Do_Talk(0); break;
    case 451: fillCmd(-1000); break;
    case 452: Nouse(-1); break;
    case 453: Wounds(); break;
    case 454: BUTCHERY_cutCmd(); break;
    case 455: Sleep(0); break;          // she lies down to sleep: not a doze
    case 457: Pura_NPC(457, -1); break;
    case 458: Kaada_Astiaan(-1000); break;
    case 459: Tyhjenna_InventoryAstia(-1000); break;
    case 500: case 501: Aktiivinen_Kalastus(-1000); break;
    case 502: Koe_Verkko(0, 0); break;
    case 600: Pura(-1, 0, 0); break;
    case 601: branchRakenna(0, 0); break;
    case 700: moveCmd(); break;
    case 701: pushCmd(0, 0, 0); break;
    case 800: combat_command('t'); break;
    case 900: superapplyCmd(); break;
    default: break;    // named codes without work of their own, and unknown codes
    }
}

void Toimi(int action, int value, const char *text) {
    if (action == 0) return;
    com(Toiminta(action));
    if (local_first(action) && non_outdoor()) return;
    if (remembered(action)) {
        Komentohistoria = action;
        Komentotarkenne = value;
        // The memory holds 99 characters; a longer text is cut there.
        if (text != Komentotekstitarkenne)
            copy_bounded(Komentotekstitarkenne, sizeof Komentotekstitarkenne, text ? text : "");
    }
    if (local_after(action) && non_outdoor()) return;
    // The repeated text may be overwritten by the work itself: hand over a copy.
    char arg[TOIMI_TEXT];
    copy_bounded(arg, sizeof arg, text ? text : "");
    run_action(action, value, text ? arg : nullptr);
}

// ---- key help ----------------------------------------------------------------------------------

struct KeyHelp {
    int key;
    const char *text;
    const char *detail;            // the longer wording, or null
};

static const KeyHelp key_help[] = {
    {KC_ENTER, "Zoom in/out between wilderness and terrain map", nullptr},
    {KC_ESC, "Help and game options", nullptr},
    {'!', "Command pets and companions", nullptr},
    {'-', "Wait and rest until cancelled", nullptr},
    {'.', "Wait for one turn", nullptr},
    {'0', "Kick", nullptr},
    {'1', "Attack with 1st weapon", nullptr},
    {'2', "Attack with 2nd weapon", nullptr},
    {'3', "Repeat the last attack", nullptr},
    {'9', "Punch", nullptr},
    {':', "Look what is at current location", nullptr},
    {'A', "Armour coverage statistics", nullptr},
    {'C', "Chat (talk) with someone", nullptr},
    {'E', "Eat something", nullptr},
    {'e', "Eat something", nullptr},
    {'P', "Character profile", nullptr},
    {'Q', "Quit and optionally save the game", nullptr},
    {'R', "Run", nullptr},
    {'T', "Take off worn clothes or wielded weapons", nullptr},
    {'W', "Wear clothes or armor", nullptr},
    {'X', "Exchange wielded weapons", nullptr},
    {'a', "Apply (use) a tool or container", nullptr},
    {'c', "Close a door or gate", nullptr},
    {'d', "Drop something", nullptr},
    {'f', "Build a fire", nullptr},
    {'h', "Hide", nullptr},
    {'i', "Inventory", "Inventory -- look at what you are carrying "},
    {'m', "Move items", "Move items -- haul items around with you"},
    {'o', "Open a door or gate", nullptr},
    {'p', "Push/pack -- push items at your feet to an adjacent location or pack them on an animal", nullptr},
    {'q', "Quaff (drink) something", nullptr},
    {'r', "Repeat the last action", nullptr},
    {'s', "Skills -- view and use your skills", nullptr},
    {'t', "Throw something, or shoot an arrow", nullptr},
    {'v', "View message log", nullptr},
    {'w', "Wield a weapon or tools", nullptr},
    {'x', "Look to a direction", nullptr},
    {KC_F1, "Game encyclopedia; a hypertext guide", nullptr},
    {KC_F2, "Quest journal", nullptr},
    {KC_F4, "Spells and magic means", nullptr},
    {KC_F5, "Game course information", nullptr},
    {KC_F6, "Map of known areas", nullptr},
    {KC_F7, "Wounds and injuries", nullptr},
    {KC_CTRL_S, "Save the game", nullptr},
};

const char *Nappainkomennon_Selite(int key, int detail) {
    const char *text = "some action";
    if (key == HOTKEY_make) text = "Make items and constructions";
    else if (key == HOTKEY_butcher) text = "Butcher -- cut a carcass for meat";
    else if (key == HOTKEY_stand_or_lay) text = "Get up or lay down";
    else if (key == HOTKEY_movemode || key == SECKEY_movemode) text = "Movement and rest actions";
    else if (key == HOTKEY_farlook || key == SECKEY_farlook) text = detail ? "Look what is at chosen location" : "Look around";
    else if (key == HOTKEY_pickup || key == SECKEY_pickup) text = "Pick up something";
    else if (key == HOTKEY_pickup_adjacent || key == SECKEY_pickup_adjacent)
        text = detail ? "Pick up from adjacent tile, pack animal or companion" : "Pick up from adjacent tile";
    else if (key == HOTKEY_sleep) text = "Sleep";
    else {
        for (const KeyHelp &k : key_help)
            if (k.key == key) {
                text = detail && k.detail ? k.detail : k.text;
                break;
            }
    }
    copy_bounded(s_selite, sizeof s_selite, text);
    return s_selite;
}

char *oxakeytos(unsigned key) {
    char *buf = sbuf();
    if (key == KC_ESC) copy_bounded(buf, SBUF_SIZE, "ESC");
    else if (key == KC_DELETE) copy_bounded(buf, SBUF_SIZE, "DEL");
    else if (key == KC_ENTER) copy_bounded(buf, SBUF_SIZE, "ENTER");
    else if (key >= KC_F1 && key <= KC_F7) snprintf(buf, SBUF_SIZE, "F%u", key - KC_F1 + 1);
    else buf[0] = (char)key;
    return buf;
}

char *Nappainkomento_Naytto(unsigned key) {
    char *s = s_komentoselite;
    s[0] = 0;
    int k = (int)key;
    if (k == HOTKEY_movemode) snprintf(s, sizeof s_komentoselite, "[%s] or [%s] ", oxakeytos(HOTKEY_movemode), oxakeytos(SECKEY_movemode));
    else if (k == HOTKEY_make) snprintf(s, sizeof s_komentoselite, "[%s] or [%s] ", oxakeytos(HOTKEY_make), oxakeytos(SECKEY_make));
    else if (k == HOTKEY_farlook || k == SECKEY_farlook)
        snprintf(s, sizeof s_komentoselite, "[%s] or [%s] ", oxakeytos(HOTKEY_farlook), oxakeytos(SECKEY_farlook));
    else if (k == HOTKEY_pickup) snprintf(s, sizeof s_komentoselite, "[%s] or [%s] ", oxakeytos(HOTKEY_pickup), oxakeytos(SECKEY_pickup));
    else if (k == HOTKEY_pickup_adjacent)
        snprintf(s, sizeof s_komentoselite, "[%s] or [%s] ", oxakeytos(HOTKEY_pickup_adjacent), oxakeytos(SECKEY_pickup_adjacent));
    else if (key == KC_CTRL_S) copy_bounded(s, sizeof s_komentoselite, "[CTRL]+[s]");
    else if (key == KC_ENTER) copy_bounded(s, sizeof s_komentoselite, "ENTER.");
    else if (key == KC_ESC) copy_bounded(s, sizeof s_komentoselite, "ESC.");
    else if (key >= KC_F1 && key <= KC_F7) snprintf(s, sizeof s_komentoselite, "F%u.", key - KC_F1 + 1);
    else snprintf(s, sizeof s_komentoselite, "%c.", (char)key);
    size_t used = strlen(s);
    copy_bounded(s + used, sizeof s_komentoselite - used, Nappainkomennon_Selite(k, 1));
    return s;
}
