// src/creatures/combat_rolls.cpp -- the rolls a blow calls for: dice against endurance, dexterity
// and agility decide who fumbles, stumbles, faints or dies, and what a contact wears off weapons.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/config.h"
#include "core/harnrule.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/combat.h"
#include "core/creatures.h"
#include "creatures/condition.h"
#include "creatures/deathdrop.h"
#include "creatures/lifeask.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "items/inventory.h"
#include "items/itemwear.h"
#include "items/weaponmat.h"
#include "items/wearing.h"
#include "maps/movement.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/tekstit.h"

enum { PLR_DEXTERITY = 2758 };

static bool creature(int who) { return who >= 0 && who < CRE_COUNT && Cre[who].kind != CK_NONE; }

int combat_endurance(int who) {
    if (who == -1) return *plr_bytes(PB_ENDURANCE);
    return creature(who) ? Cre[who].endurance : 0;
}
int combat_dexterity(int who) {
    if (who == -1) return *plr_bytes(PLR_DEXTERITY);
    return creature(who) ? Cre[who].dexterity : 0;
}
int combat_agility(int who) {
    if (who == -1) return Plr.agility;
    return creature(who) ? Cre[who].agility : 0;
}
static int posture(int who) {
    if (who == -1) return Plr.posture;
    return creature(who) ? Cre[who].posture : 0;
}

static void say(int who, const char *key) { cre_say(who, key); }

// ---- the trace of rolls ----

char COMBAT_rolltrace[COMBAT_ROLLTRACE_SIZE];

void combat_rolltrace_clear() { COMBAT_rolltrace[0] = 0; }

// One line of the trace: what was rolled, the dice, the total against its mark, and what came of it.
static void trace_roll(const char *name, int dice, int total, int mark, const char *result) {
    const size_t used = strlen(COMBAT_rolltrace);
    if (used + 1 >= sizeof COMBAT_rolltrace) return;
    snprintf(COMBAT_rolltrace + used, sizeof COMBAT_rolltrace - used, "%s %dd6: %d against %d, %s\n", name, dice,
             total, mark, result);
}

int FumbleRoll(int who, int dice, int hands) {
    if (who != -1 && (!creature(who) || Cre[who].kind != CK_HUMAN)) return 0;
    if (wieldcount(who) == 0) return 0;
    if (dice == 0) return 1;
    const int fumble = ENDURANCE_INDEX(who) + d6(dice);
    if (fumble > combat_dexterity(who)) {
        trace_roll("fumble", dice, fumble, combat_dexterity(who), "dropped");
        PudotaKasista(who, hands);
        return 1;
    }
    trace_roll("fumble", dice, fumble, combat_dexterity(who), "held");
    say(who, "FUMBLE_CHECK");
    return 0;
}

int StumbleRoll(int who, int dice, int tell) {
    if (posture(who) != 0) return 0;
    if (dice == 0) return 1;
    const int stumble = ENDURANCE_INDEX(who) + d6(dice);
    if (combat_agility(who) < stumble) {
        trace_roll("stumble", dice, stumble, combat_agility(who), "fell");
        FallProne(who, 1);
        return 1;
    }
    trace_roll("stumble", dice, stumble, combat_agility(who), "stood");
    if (tell) say(who, "STUMBLE_CHECK");
    return 0;
}

int ShockRoll(int who, int dice, int tell) {
    const int roll = ENDURANCE_INDEX(who) + d6(dice);
    trace_roll("shock", dice, roll, combat_endurance(who), combat_endurance(who) < roll ? "fainted" : "kept up");
    if (posture(who) == 4) return combat_endurance(who) < roll;
    if (combat_endurance(who) >= roll) {
        if (who >= 0 && tell) {
            if (cre_say(who, "SOUND_PAIN") && (onko_NPC_kumppani(who) || onko_NPC_kesyelain(who)))
                SPEND_INTERRUPT = 1;
        }
        return 0;
    }
    Pyorry(who);
    return 1;
}

int KillRoll(int who, int dice) {
    const int endurance = dice == 99 ? 0 : combat_endurance(who);
    const int kill = d6(dice);
    trace_roll("kill", dice, kill, endurance, endurance >= kill ? "lived" : "died");
    if (endurance >= kill) return 0;
    say(who, "FATAL_WOUND");
    if (who >= 0) {
        KillCreature(who, 1);
    } else {
        player_dies(CAUSE_FATAL);
    }
    return 1;
}

int AmputationRoll(int who, int dice) {
    int value;
    if (who == -1) value = plr_get<int32_t>(PB_BODYWEIGHT) / 10;
    else value = creature(who) ? (int)std::ceil(Cre[who].weight / 10.0f) : 0;
    const int cut = d6(dice);
    trace_roll("amputation", dice, cut, value, value >= cut ? "held on" : "cut off");
    if (value >= cut) return 0;
    say(who, "AMPUTATION_WOUND");
    return 1;
}

int Pyorry(int who) {
    if (who == -1) {
        if (Plr.posture == 4) return 1;
        Plr.posture = 4;
        say(-1, "FALL_UNCONSCIOUS");
        DISABLE_NOTES = 1;
    } else {
        if (!creature(who)) return 1;
        if (Cre[who].posture == 4) return 1;
        FallProne(who, 0);
        Cre[who].posture = 4;
        if (is_socmember(who)) npc_socroles_lost(who);
        say(who, "FALL_UNCONSCIOUS");
    }
    PudotaKasista(who, 0);
    return 1;
}

void FallProne(int who, int how) {
    if (who >= 0) {
        if (!creature(who)) return;
        CreatureStruct &c = Cre[who];
        if (c.kind == 11) return;
        if (c.korkeus > 0) {
            say(who, "DO_DROP_DOWN");
            c.korkeus = 0;
        }
        if (c.posture != 0) return;
        c.posture = 1;
        if (c.mode != CM_ASLEEP) say(who, how == 1 ? "STUMBLE_DO" : "DO_FALL_PRONE");
    } else {
        if (Plr.posture == 0) {
            Plr.posture = 1;
            RUNNING = 0;
            say(-1, how == 1 ? "STUMBLE_DO" : "DO_FALL_PRONE");
            Statistics();
        }
    }
    UPDATE_SCREEN = 1;
}

static void drop_hand(int who, int hand) {
    if (who == -1) {
        const int slot = wielding(hand);
        if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0) return;
        const int obj = Plr.inv_obj[slot];
        char name[41];
        ItemStruct it = ObjToItem(obj);
        copy_bounded(vMSG_var, sizeof vMSG_var, StrLwr(item_name(it, name)));
        say(-1, "FUMBLE_DO");
        DropItem(Plr.inv_count[slot], obj, PlayerX, PlayerY);
        Poista_PlrItem(slot, Plr.inv_count[slot]);
        Statistics();
        return;
    }
    if (!creature(who)) return;
    CreatureStruct &c = Cre[who];
    int32_t &held = hand == 2 ? c.offhand : c.wielded;
    if (held == 0) return;
    char name[41];
    ItemStruct it = ObjToItem(held);
    copy_bounded(vMSG_var, sizeof vMSG_var, StrLwr(item_name(it, name)));
    say(who, "FUMBLE_DO");
    NpcDropItem(who, held, 1);
    held = 0;
    if (hand == 2) c.shieldmode = 0;
}

void PudotaKasista(int who, int hands) {
    if (hands == 0 || hands == 1) drop_hand(who, 1);
    if (hands == 0 || hands == 2) drop_hand(who, 2);
}

int MOVEDODGE_kaytossa(int who) {
    int bits;
    if (who == -1) {
        bits = Plr.command_flags;
    } else {
        if (!creature(who)) return 0;
        const int mode = Cre[who].mode;
        if (mode != 2 && mode != 99 && mode != 4 && mode != 5 && mode != 7) return 0;
        bits = Cre[who].lastaction;
    }
    if (bits & 1) return 1;
    if (bits & 2) return 2;
    return 0;
}

// A weapon worn down by a contact: written back, or broken and gone from the hand.
static void wear_weapon(int who, int hand, int damage) {
    if (damage == 0) return;
    const int obj = getwieldedItempos(who, hand);
    if (obj == 0) return;
    ItemStruct it = ObjToItem(obj);
    if (DamageObj(it, (float)damage, 8, 50) == 0) {
        if (who == -1) {
            ItemToObjpos(it, obj);
        } else if (creature(who)) {
            const int pos = Esineesta_Uniikki(it);
            (hand == 2 ? Cre[who].offhand : Cre[who].wielded) = pos;
        }
        return;
    }
    if (who == -1) {
        const int slot = wielding(hand);
        if (slot >= 0 && slot < PLR_SLOTS) Poista_PlrItem(slot, Plr.inv_count[slot]);
    } else if (creature(who)) {
        (hand == 2 ? Cre[who].offhand : Cre[who].wielded) = 0;
    }
    TARGET_NPC = who;
    TARGET_ITEM = obj;
    Item = it;
    say(who, "BREAK_DO");
    laske_Load(who);
    Statistics();
}

void WeaponDamageRoll(int attacker, int aHand, int damageType, int contact, int defender, int dHand) {
    if (!OXAINI_WEAPONDAMAGE) return;
    const int a = getwieldedItempos(attacker, aHand), b = getwieldedItempos(defender, dHand);
    if (a == 0 || b == 0) return;
    const int aspect = damageType == 2 ? ASPECT_EDGE : damageType == 4 ? ASPECT_POINT : ASPECT_BLUNT;
    const char *answer = WpWpDmg(a, b, aspect, contact);
    const int bd = wpdmg_tag(answer, "BD"), ad = wpdmg_tag(answer, "AD");
    wear_weapon(defender, dHand, bd);
    wear_weapon(attacker, aHand, ad);
}

const char *zonepenalty_kuvaus(int difficulty) {
    switch (difficulty) {
    case 1: return "| -- tricky";
    case 2: return "| -- difficult";
    case 3: return "| -- very difficult";
    default: return "";
    }
}
