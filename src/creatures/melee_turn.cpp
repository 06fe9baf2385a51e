// src/creatures/melee_turn.cpp -- a fighting creature's turn: it keeps track of its foe, tires of
// the fight, closes in and strikes with its weapon or its own teeth and claws, or gives up.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "creatures/condition.h"
#include "creatures/cremove.h"
#include "core/creatures.h"
#include "creatures/decisions.h"
#include "creatures/life.h"
#include "creatures/lifeask.h"
#include "creatures/melee.h"
#include "creatures/missiles.h"
#include "creatures/perception.h"
#include "creatures/predicates.h"
#include "creatures/people.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "maps/facing.h"
#include "creatures/doors.h"
#include "maps/worldsearch.h"
#include "creatures/physical.h"
#include "core/obj_func.h"
#include "creatures/fightvillage.h"
#include "creatures/puuha.h"
#include "creatures/weaponchoice.h"
#include "creatures/zoomservices.h"
#include "creatures/wounding.h"
#include "core/notes.h"

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
    // An animal on her leash goes where she goes.
    if (cr.role == 9 && koordinaattien_vali(cre_x(c), cre_y(c), PlayerX, PlayerY) > 1) {
        pet_drag(-1, c);
        return 0;
    }
    // A dog holds at bay a beast that does not fight back: it bites only when it is the heavier,
    // and otherwise heads the beast off and gives tongue.
    const int e = cr.enemy;
    if (cr.speciescode == SPECIES_DOG && e >= 0 && !taisteleeko_NPC(e)) {
        if (d <= 1) {
            kaanna_NPC_kohti(c, ex, ey);
            return cr.weight >= Cre[e].weight && random(2) == 0 ? 1 : 0;
        }
        int ax, ay;
        getaheadxy(e, &ax, &ay);
        Kulje_Paikkaan(c, ax, ay);
        cre_say(c, "SOUND_ALARM");
        setNPCnoise(c, 3);
        NPC_uhkareagointi(e, c);
        return 0;
    }
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
    if (!creature(c)) return 0;
    CreatureStruct &cr = Cre[c];
    if (pokertynyt(c)) return -1;   // dazed: no blow this turn (one lying on the ground still strikes)
    int ex, ey;
    if (!foe_square(c, ex, ey)) return 0;
    kaanna_NPC_kohti(c, ex, ey);
    // A foe far above or below (up a tree, in the air, down a slope) is out of reach, unless the
    // striker flies.
    if (std::fabs(olennon_korkeus(c) - olennon_korkeus(cr.enemy)) > 2.0f && !onko_NPC_lintu(c)) return -1;
    if (cr.enemy == -1 && !plr_engaged(cre_x(c), cre_y(c))) {
        Taistelu_OHI(c);
        return 0;
    }
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

// The fight is over for c: it goes back to its own ways, and a person's dogs with it.
static void calm_down(int c, bool pets) {
    Taistelu_OHI(c);
    if (pets) rauhoita_NPCn_lemmikit(c);
}

// A villager's fight to reclaim goods, banish the player or beat her: 1 when the turn is spent.
static int village_fight(int c) {
    CreatureStruct &cr = Cre[c];
    const int soc = (int)cr.community;
    if (cr.fightbits & 1) {
        if (!GOT_PROPERTY_ofsoc(soc)) {
            calm_down(c, true);
            fight_aggtalk(c, 1, 1);
            fight_reclaim_check(soc);
            return 1;
        }
        fight_aggtalk(c, 1, 2);
        if (fight_clever_thievery(c)) return 1;
    }
    if ((cr.fightbits & 2) && !fight_banish_condition(soc)) {
        calm_down(c, true);
        fight_aggtalk(c, 2, 1);
    }
    if ((cr.fightbits & 4) && turpakarajat_ohi(c)) {
        calm_down(c, true);
        fight_after_violence(soc);
        const int seer = socseeplr(soc);
        if (seer != CRE_NONE && Olento_Huutaa(seer, "Won't you behave now?")) Pause();
        fight_clear_violence_flag(soc);
        return 1;
    }
    return 0;
}

// A bowman's turn with its bow: 1 when the turn is spent (aiming or shooting).
static int bow_turn(int c, int sees) {
    CreatureStruct &cr = Cre[c];
    if (!sees) return 0;
    if (cr.bowaim == 0) {
        cr.bowaim = 1;
        return 1;
    }
    const ItemStruct bow = ObjToItem(cr.wielded);
    char skill[sizeof bow.skill + 1];
    memcpy(skill, bow.skill, sizeof bow.skill);
    skill[sizeof bow.skill] = 0;
    // A crossbow takes longer to span and lay than a bow to draw.
    if (strcmp(skill, "CROSSBOW") == 0 && cr.bowaim < 4) {
        cr.bowaim++;
        return 1;
    }
    if (random(2) == 0 && NPC_ammu(c, cr.wielded)) {
        cr.bowaim = 0;
        return 1;
    }
    return 0;
}

void Taistelu_Main(int c, int pos) {
    if (!creature(c)) return;
    CreatureStruct &cr = Cre[c];
    if (!OtaVihollisenTiedot(c)) {
        calm_down(c, true);
        return;
    }
    const int foe = vihollinen;
    if (cr.kind != CK_HUMAN && !onko_NPC_lintu(c) && foe >= 0 && huono_saalis_maaelaimelle(c, foe)) {
        calm_down(c, false);
        return;
    }
    if (foe == -1 && (INVISIBLE || CLOAK)) {
        calm_down(c, false);
        return;
    }
    aseta_maailmaan_meteli(cre_x(c), cre_y(c), 3, c);
    setNPCnoise(c, 3);
    taistelutilanne_puuhakeskeytys(c);
    if (is_socmember(c) && village_fight(c)) return;
    if (!taisteleeko_NPC(c)) return;
    if (cr.stamina == 0) {
        cre_say(c, "NPC_CALMS_DOWN");
        calm_down(c, true);
        return;
    }
    cr.stamina--;
    if (foe == -1) {
        Tarkista_Kumppanit(c);
        if (COMBATPROFILE(-1) == 4 && fightmode_dontkill(c)) return;
    }
    if (NPC_wield(c)) return;
    if (cr.wielded && ObjToItem(cr.wielded).subtype == ST_BOW) {
        const int sees = NPC_see(cre_x(c), cre_y(c), vihollinen_x, vihollinen_y, cr.Suunta);
        if (bow_turn(c, sees)) return;
        if (!sees && !Taistelu_LIIKE(c, pos)) return;
    }
    if (Taistelu_LIIKE(c, pos)) Taistelu_ISKU(c, pos);
}
