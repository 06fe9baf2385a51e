// src/creatures/missile_exchange.cpp -- the parts of the exchange of blows that belong to a missile:
// the flight before the defence, the defender's answer (a dodge on the move or a shield), and what
// becomes of the missile after the hit.
#include "creatures/missile_exchange.h"

#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "maps/squareevents.h"
#include "creatures/body.h"
#include "creatures/combat.h"
#include "core/creatures.h"
#include "creatures/melee.h"
#include "creatures/missiles.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "creatures/wounds.h"
#include "creatures/doors.h"
#include "items/inventory.h"
#include "items/itemwear.h"
#include "items/wearing.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"

static bool creature(int n) { return n >= 0 && n < CRE_COUNT && Cre[n].kind != CK_NONE; }
static void body_xy(int n, int &x, int &y) {
    if (n == -1) x = PlayerX, y = PlayerY;
    else x = cre_x(n), y = cre_y(n);
}
static void end_message() {
    strncat(MISSILE_message, ".", sizeof MISSILE_message - strlen(MISSILE_message) - 1);
    Note(MISSILE_message);
}

int missile_skip_morale;

// A missile stuck in a creature goes into its pack; false when the pack has no room for it.
static bool stick_in(int n, int pos) {
    CreatureStruct &c = Cre[n];
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] == pos && c.packcount[i] < 255) {
            c.packcount[i]++;
            return true;
        }
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] == 0) {
            c.pack[i] = pos;
            c.packcount[i] = 1;
            c.packbits[i] = 0;
            return true;
        }
    return false;
}

int missile_exchange_flight(int attacker, int &defender) {
    StrikeRecord &a = AttackerStrike;
    missile_skip_morale = 0;
    int tx, ty;
    body_xy(defender, tx, ty);
    MISSILE_aiming_modifier = a.aimdiff;
    MISSILE_blunt = a.aspect == 0;
    MISSILE_original_target = defender;
    if (creature(defender)) set_NPC_alertness(defender, 10);
    const ItemStruct missile = a.weapon;
    MissileTarkistukset(attacker, tx, ty, missile, a.bowflag ? a.launcher : 0);
    if (MISSILE_osui) {
        const int before = a.impact;
        a.impact = (a.impact + MISSILE_ke) / 2;
        if (DEBUG_INFO) {
            char line[120];
            snprintf(line, sizeof line, "MISSILE olento_osuma - NewImpact: %d (OGI %d+KE %d / 2)", a.impact, before,
                     MISSILE_ke);
            DebugNote(line);
        }
        if (missile.type != IT_WEAPON) {
            a.dicecap = 1;
            a.impact = 0;
            const int t = missile.type;
            a.impactcap = t == IT_ARMOUR || t == IT_SKIN || t == IT_FOOD || t == IT_PLANT ? 0 : 6;
        }
        const int hit = MISSILE_living_target;
        if (hit != defender) {
            const int aimed = defender;
            defender = hit;
            DEFENDER = COMBAT_defender = hit;
            a.part = RandomBodypart(2, hit);
            a.side = BODYPART_side;
            copy_bounded(a.partname, sizeof a.partname, BODYPART(a.part, hit));
            copy_bounded(vMSG_defender_bodypart, sizeof vMSG_defender_bodypart, a.partname);
            end_message();
            Note(MSG(MISSILE_passed ? "MISSILE_ACCIDENTAL_TARGET_BEHIND" : "MISSILE_ACCIDENTAL_TARGET"));
            missile_skip_morale = !(creature(aimed) && creature(hit) && Cre[aimed].community != Cre[hit].community);
            if (MISSILE_passed) {
                MISSILE_target_suc = MISSILE_OGTARGET_target_suc;
                MISSILE_puolustus = MISSILE_OGTARGET_puolustus;
                MISSILE_osuman_laatu = MISSILE_OGTARGET_osuman_laatu;
            }
        }
        const int q = MISSILE_osuman_laatu;
        MISSILE_osuman_success = q <= 25 ? 0 : q <= 50 ? 1 : q <= 75 ? 2 : 3;
        // The sentence of the exchange goes on with how the shot flies.
        strncat(MISSILE_message, ",", sizeof MISSILE_message - strlen(MISSILE_message) - 1);
        return 1;
    }
    if (attacker == -1) end_message();
    if (MISSILE_passed) Note(MSG("MISSILE_WILD"));
    if (MISSILE_tile_osuma) Missile_Tileosuma(MISSILE_tosiesine, MISSILE_landX, MISSILE_landY);
    else if (MISSILE_ground_hit) Note(MSG("CANT_THROW_PAST_CONTOUR"));
    else if (attacker == -1 && MISSILE_short) {
        TARGET_ITEM = MISSILE_tosiesine;
        Note(MSG("CANT_THROW_THAT_FAR"));
    }
    return 0;
}

void missile_exchange_defence(int attacker, int defender, int &code, int &level) {
    level = MISSILE_target_suc;
    if (MISSILE_puolustus != 0) code = DEF_MOVEDODGE;
    int ax, ay;
    body_xy(attacker, ax, ay);
    int shields[2] = {0, 0};
    if (defender == -1) shields[0] = getwieldedItempos(-1, 1), shields[1] = getwieldedItempos(-1, 2);
    else if (creature(defender)) shields[0] = Cre[defender].offhand;
    for (int pos : shields) {
        if (pos <= 0 || !onko_KILPI(ObjToItem(pos))) continue;
        if (mslhit_shieldcheck(defender, AttackerStrike.part, 0, pos, ax, ay)) {
            code = DEF_SHIELD;
            level = 3;
            return;
        }
    }
}

void missile_exchange_aftermath(int defender, int grade) {
    if (MISSILE_tile_osuma) {
        Missile_Tileosuma(MISSILE_tosiesine, MISSILE_landX, MISSILE_landY);
        return;
    }
    if (MISSILE_ground_hit) {
        Note(MSG("CANT_THROW_PAST_CONTOUR"));
        return;
    }
    const int pos = MISSILE_tosiesine;
    if (pos <= 0) return;
    const ItemStruct it = ObjToItem(pos);
    const bool thrown_weapon = AttackerStrike.bowflag || onko_HEITTOASE(it);
    int x = MISSILE_landX, y = MISSILE_landY;
    if (MISSILE_osui && defender != -1000) body_xy(defender, x, y);
    if (MISSILE_osui && thrown_weapon && grade > 1) {
        if (onko_NUOLI(it) && random(10) == 0) {
            char line[120], name[41];
            snprintf(line, sizeof line, "+The %s breaks!", item_name(it, name));
            Note(line);
            break_item_at(x, y, pos);
            return;
        }
        if (AttackerStrike.aspect != 0 && creature(defender)) {
            // It sticks in the creature: into its pack, or on the ground when the pack is full.
            if (stick_in(defender, pos)) return;
        }
    }
    aseta_heitetty_esine(x, y, pos);
}

// ---- a creature's shot ----

int NPC_ammu(int c, int bow) {
    if (!creature(c) || bow <= 0) return 0;
    const int foe = Cre[c].enemy;
    if (foe != -1 && (!creature(foe) || foe == c)) return 0;
    const int arrow = NPC_nuoli(c, 1);
    if (!arrow) return 0;
    return Taistelu_TAPAHTUMA(c, arrow, 1, foe == -1 ? 1000 : foe, bow);
}
