// src/creatures/melee_turn.cpp -- a fighting creature's turn: it keeps track of its foe, tires of
// the fight, closes in and strikes with its weapon or its own teeth and claws, or gives up.
#include <cstdlib>

#include "core/datafunc.h"
#include "core/ownlib.h"
#include "core/turnloop.h"
#include "creatures/condition.h"
#include "creatures/cremove.h"
#include "creatures/creatures.h"
#include "creatures/decisions.h"
#include "creatures/life.h"
#include "creatures/lifeask.h"
#include "creatures/melee.h"
#include "creatures/missile_exchange.h"
#include "creatures/perception.h"
#include "creatures/predicates.h"
#include "maps/mapunit.h"

static bool creature(int n) { return n >= 0 && n < CRE_COUNT && Cre[n].kind != CK_NONE; }

// The square of the foe; 0 when it is gone (freed, or a carcass).
static int foe_square(int c, int &x, int &y) {
    const int e = Cre[c].enemy;
    if (e == -1) {
        x = PlayerX, y = PlayerY;
        return 1;
    }
    if (!creature(e) || e == c || Cre[e].mode == CM_CARCASS || cre_datapos(e) < 0) return 0;
    x = cre_x(e), y = cre_y(e);
    return 1;
}

void Taistelu_OHI(int c) {
    if (!creature(c)) return;
    CreatureStruct &cr = Cre[c];
    cr.enemy = CRE_NONE;
    cr.enemy_soc = 0;
    cr.fightbits = 0;
    cr.mode = cr.homemode == 2 || cr.homemode == 99 || cr.homemode == 4 || cr.homemode == 0 ? 3 : cr.homemode;
}

int Taistelu_LIIKE(int c, int) {
    int ex, ey;
    if (!foe_square(c, ex, ey)) return 0;
    CreatureStruct &cr = Cre[c];
    const int d = koordinaattien_vali(cre_x(c), cre_y(c), ex, ey);
    if (d <= 1) return 1;
    if (cr.fightbits & 2) {
        if (d > cr.enemydist) {
            if (d == 2) return 0;
            cr.enemydist = (uint8_t)(d > 255 ? 255 : d);
            if (d > 5 && random(4) < 3) return 0;
            if (random(3) < 2) return 0;
        }
    }
    Kulje_Paikkaan(c, ex, ey);
    const int nd = koordinaattien_vali(cre_x(c), cre_y(c), ex, ey);
    cr.enemydist = (uint8_t)(nd > 255 ? 255 : nd);
    return 0;
}

int Taistelu_ISKU(int c, int) {
    CreatureStruct &cr = Cre[c];
    if (cr.posture != 0) return -1;   // down or dazed: no blow this turn
    int ex, ey;
    if (!foe_square(c, ex, ey)) return 0;
    if (std::abs(ex - cre_x(c)) > 1 || std::abs(ey - cre_y(c)) > 1) return 0;
    const int foe = cr.enemy == -1 ? 1000 : cr.enemy;
    if (cr.wielded) return Taistelu_TAPAHTUMA(c, cr.wielded, 1, foe, 0);
    const int a = NaturalAttack(c);
    if (a == 1000) {
        NPC_Pakene(c, cr.enemy, 0);
        return -1;
    }
    return Taistelu_TAPAHTUMA(c, a, 0, foe, 0);
}

void Taistelu_Main(int c, int pos) {
    if (!creature(c)) return;
    CreatureStruct &cr = Cre[c];
    int ex, ey;
    if (!foe_square(c, ex, ey) || (cr.enemy == -1 && (INVISIBLE || CLOAK))) {
        Taistelu_OHI(c);
        return;
    }
    setNPCnoise(c, 3);
    if (cr.stamina == 0) {
        cre_say(c, "NPC_CALMS_DOWN");
        Taistelu_OHI(c);
        return;
    }
    cr.stamina--;
    if (cr.enemy == -1 && COMBATPROFILE(-1) == 4 && fightmode_dontkill(c)) return;
    if (Taistelu_Jousi(c, pos)) return;
    if (Taistelu_LIIKE(c, pos)) Taistelu_ISKU(c, pos);
}
