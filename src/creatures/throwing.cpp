// src/creatures/throwing.cpp -- the command 't': throw an item at a square or a creature, or shoot the
// wielded bow. The flight, the hit and the landing are the missile code's.
#include "creatures/throwing.h"

#include <cstdio>
#include <cstring>

#include "creatures/skills.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "creatures/animals.h"
#include "creatures/condition.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "creatures/life.h"
#include "creatures/melee.h"
#include "creatures/missiles.h"
#include "creatures/predicates.h"
#include "items/inventory.h"
#include "items/invsel.h"
#include "items/items.h"
#include "items/wearing.h"
#include "maps/movement.h"
#include "maps/picker.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/worldservices.h"
#include "creatures/physical.h"


static bool slot_held(int slot) { return slot >= 0 && slot < PLR_SLOTS && Plr.inv_obj[slot] != 0; }

static ItemStruct slot_item(int slot) {
    ItemStruct it{};
    if (slot_held(slot)) ObjToItem(it, Plr.inv_obj[slot]);
    return it;
}

static bool name_has(const ItemStruct &it, const char *part) {
    char n[sizeof it.name + 1];
    memcpy(n, it.name, sizeof it.name);
    n[sizeof it.name] = 0;
    return strstr(n, part) != nullptr;
}

// The slot's own record in the player's objects; -1 when it has none.
static int own_record(int slot) {
    if (!slot_held(slot)) return -1;
    const int n = Plr.inv_obj[slot];
    return n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST ? n - OBJ_PLAYER_FIRST : -1;
}

// Bow and arrow in the hands: the hand holding each (hand 2 counts over hand 1 for the bow), 0 none.
static void launcher_hands(int &bowhand, int &arrowhand) {
    bowhand = arrowhand = 0;
    for (int h = 1; h <= 2; h++) {
        const int s = wielding(h);
        if (!slot_held(s)) continue;
        const ItemStruct it = slot_item(s);
        if (onko_JOUSIPYSSY(it)) bowhand = h;
        else if (onko_NUOLI(it) && !arrowhand) arrowhand = h;
    }
}

// The shooting of an arrow: a bow must be wielded, the arrow goes into the hand. Answers the
// launcher's item position, 0 when the shot is refused (the item stays where it was).
static int ready_arrow(int &slot, int &delay) {
    int bowhand, arrowhand;
    launcher_hands(bowhand, arrowhand);
    if (!bowhand) {
        Note("!In order to shoot an arrow you also need to wield a bow!");
        return 0;
    }
    if (puuhausvammaus(-1, 4, 5, "shoot a bow")) return 0;
    if (slot != wielding(1) && slot != wielding(2)) {
        if (!Wield(slot, 0, 0) || (slot != wielding(1) && slot != wielding(2))) {
            Yhdista_Slottiin(slot);
            return 0;
        }
    }
    const int launcher = Plr.inv_obj[wielding(bowhand)];
    TARGET_ITEM = launcher;
    if (name_has(ObjToItem(launcher), "rossbow")) {
        Note(MSG("PREPARE_TO_FIRE"));
        delay = 0;
        return launcher;
    }
    int ml = Skill_ML(-1, "BOW");
    if (ml >= 1000) ml = 0;
    if (ml > 69 && delay > 1) {
        if (random(3) != 2) delay = 0;
    } else if (ml <= 24) {
        delay++;
        if (random(3) != 2) delay = 0;
    }
    Note(MSG("PREPARE_TO_SHOOT"));
    return launcher;
}

// Food or a bone thrown to her own animal, or to any dog, lands at its feet: no attack.
static bool food_for(int target, const ItemStruct &item) {
    return (item.type == IT_FOOD || item.id == OID_BONE) &&
           (onko_NPC_kesyelain(target) || Cre[target].speciescode == SPECIES_DOG);
}

// One key press shoots no friend: a throw or shot at her own animal or a companion asks first.
static bool friend_spared(int target, const ItemStruct &item, int launcher) {
    if (target < 0 || food_for(target, item)) return false;
    if (!onko_NPC_kesyelain(target) && !onko_NPC_kumppani(target)) return false;
    char question[120];
    snprintf(question, sizeof question, "Really %s at %s?", launcher ? "shoot" : "throw", monnam(target, 2));
    return !KyllaEi(question);
}

// The choice of what to throw: the wielded arrow of a ready bow without asking, else the item screen
// with the checks of hands and arms. -1 when nothing is thrown.
static int choose_missile() {
    int bowhand, arrowhand;
    launcher_hands(bowhand, arrowhand);
    if (bowhand && arrowhand) return wielding(arrowhand);
    const int slot = selslot("What do you want to throw, or shoot?", "throw/shoot", 48, 0, 0);
    if (slot == INVSEL_NOTHING) {
        Note(nothingto("throw nor shoot"));
        return -1;
    }
    if (slot < 0 || !slot_held(slot)) return -1;
    const int s1 = wielding(1), s2 = wielding(2);
    if (slot_held(s1) && slot_held(s2)) {
        if (slot_item(slot).type == IT_WEAPON && slot != s1 && slot != s2) {
            Note("!With both hands in use you can't thrown an unwielded weapon now!");
            return -1;
        }
        return slot;
    }
    const int first = (int)INVALIDITEETTI(-1, 3, 1), second = (int)INVALIDITEETTI(-1, 3, 2);
    if (slot_held(s1) && second >= 1 && slot != s1) {
        Note(MSG("CANT_WIELD_INJURED:2"));
        return -1;
    }
    if (slot_held(s2) && first >= 1 && slot != s2) {
        Note(MSG("CANT_WIELD_INJURED:1"));
        return -1;
    }
    if (puuhausvammaus(-1, 2, 4, "throw anything")) return -1;
    return slot;
}

void Heita() {
    int slot = choose_missile();
    if (slot < 0) return;
    const ItemStruct chosen = slot_item(slot);
    int delay = chosen.status == 0 ? 1 : 0;
    if (onko_taistelutilanne(-1, 1) > 0) delay++;
    if (chosen.status & ISTAT_WORN) {
        Note("!You can't select something that is being worn!");
        return;
    }
    if (chosen.subtype == ST_NET) {
        Note("!Don't throw your nets - use your fishing skill to set them!");
        return;
    }
    if (chosen.subtype == ST_BOW) {
        Note("!Throwing a bow isn't a wise move! Keep it wielded and shoot arrows instead.");
        return;
    }
    int launcher = 0;
    if (onko_NUOLI(chosen)) {
        launcher = ready_arrow(slot, delay);
        if (!launcher) return;
    } else {
        TARGET_ITEM = Plr.inv_obj[slot];
        Note(MSG("PREPARE_TO_THROW"));
    }
    Slotista_Uniikki(slot);
    if (delay) world_services.creature_pass();
    UPDATE_SCREEN = 1;
    if (TACTICAL_ADVANTAGE != -1 && (Plr.command_flags & (4 | 8))) {
        Note(MSG("MISSILE_ATTACK_CANCELLED"));
        TurnUsed = 1;
        Yhdista_Slottiin(slot);
        return;
    }
    if (!OtaKohta("where to throw") || (GeneralX == 0 && GeneralY == 0)) {
        Yhdista_Slottiin(slot);
        return;
    }
    const int tx = GeneralX, ty = GeneralY;
    int target = cre_xy(tx, ty);
    if (target >= 0 && (target >= CRE_COUNT || Cre[target].kind == CK_NONE || Cre[target].mode == CM_CARCASS))
        target = -1;
    const bool nobody = target < 0;
    if (friend_spared(target, chosen, launcher)) {
        Yhdista_Slottiin(slot);
        return;
    }

    // Everything the throw changes in the record can be put back when the exchange refuses it.
    const PlayerStruct kept = Plr;
    const int obj = Plr.inv_obj[slot];
    const int rec = own_record(slot);
    const uint8_t kept_status = rec >= 0 ? PlayerObj[rec].status : 0;
    TurnUsed = 1;
    if (rec >= 0) {
        if (Status(rec, ISTAT_PRIMARY)) StatusUnset(rec, ISTAT_PRIMARY);
        if (Status(rec, ISTAT_SECOND)) StatusUnset(rec, ISTAT_SECOND);
    }
    const ItemStruct item = ObjToItem(obj);
    Poista_PlrItem(slot, 1);

    int feed = -1000;
    if (target >= 0 && (item.type == IT_FOOD || item.id == OID_BONE)) {
        if (onko_NPC_kesyelain(target)) {
            feed = target;
            target = -1;
        } else if (Cre[target].speciescode == SPECIES_DOG) {
            target = -1;
        } else if (onko_vironsusi(target) && name_has(item, "bread")) {
            feed = target;
            Cre[target].energy = 0;
            target = -1;
        }
    }
    if (target >= 0) {
        if (!Taistelu_TAPAHTUMA(-1, obj, 1, target, launcher ? launcher : obj)) {
            Plr = kept;
            if (rec >= 0) PlayerObj[rec].status = kept_status;
        }
    } else {
        MISSILE_original_target = -1000;
        MISSILE_aiming_modifier = 0;
        MissileTarkistukset(-1, tx, ty, item, launcher);
        strncat(MISSILE_message, ".", sizeof MISSILE_message - strlen(MISSILE_message) - 1);
        Note(MISSILE_message);
        if (MISSILE_tile_osuma) {
            Missile_Tileosuma(MISSILE_tosiesine, MISSILE_landX, MISSILE_landY);
        } else if (MISSILE_ground_hit) {
            Missile_Groundhit(MISSILE_tosiesine);
        } else if (MISSILE_short) {
            TARGET_ITEM = MISSILE_tosiesine;
            Note(MSG("CANT_THROW_THAT_FAR"));
        }
        // No aiming menu comes for an empty square: the note waits, even when the notes of this turn
        // were let run on, so that the keys meant for the menu run no command.
        if (nobody) {
            Note("!There was nobody to aim at.");
            const int run_on = DISABLE_MORECHECK;
            DISABLE_MORECHECK = 0;
            Pause();
            DISABLE_MORECHECK = run_on;
        }
    }
    if (feed != -1000) feedtrigger(feed);
}
