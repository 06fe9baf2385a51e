// src/creatures/creturn.cpp -- a creature's turn: its body, wounds and consciousness first, then its
// reactions and perception, then what its mode asks of it (fighting, fleeing or everyday life).
#include "creatures/creturn.h"

#include "maps/spiritdata.h"
#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/body.h"
#include "core/creatures.h"
#include "creatures/life.h"
#include "creatures/melee.h"
#include "creatures/predicates.h"
#include "maps/movement.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "maps/water.h"
#include "creatures/puuha.h"
#include "core/player.h"
#include "core/tekstit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static void cre_log(int c, const char *stage) {
    if (!DEBUGLOG) return;
    char line[120];
    snprintf(line, sizeof line, "Cre[%d] %s", c, stage);
    debuglog("cre", line);
}

int ADVANTAGE_ALONE = -1000;

static int is_spirit(const CreatureStruct &cr) { return cr.kind == '2'; }

// The creature dies where it stands, with the note of the key when one is given.
static void cre_dies(int c, const char *key) {
    if (key) {
        char text[MSGBUF_SIZE];
        copy_bounded(text, sizeof text, MSG(key));
        NPCNote(c, text, "");
    }
    cre_kill(c, 1);
}

// The ice under a creature that steps onto it: when it breaks, the creature and the others of its
// village drop what they do and keep away from the ice the rest of the month.
int NpcIceFallCheck(int x, int y, int n) {
    if (n < 0 || n >= CRE_COUNT) return 0;
    if (lentaako_NPC(n) || sukeltaako_NPC(n)) return 0;
    if (bigmap() || ice_thickness_mapwise(x, y) < 1 || ice_break_check(x, y, 0, 0) != 1) return 0;
    TARGET_NPC = n;
    NPCNote(n, MSG("ICE_BREAKS"), "");
    do_break_ice(x, y);
    if (onko_NPC_kesyelain(n)) return 1;
    const uint32_t community = Cre[n].community;
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE || d.id < (uint32_t)CRE_DATAID || d.id - CRE_DATAID >= (uint32_t)CRE_COUNT) continue;
        const int c = (int)(d.id - CRE_DATAID);
        if (c != n && (community == 0 || Cre[c].community != community)) continue;
        Keskeyta_Puuha(c, -1);
        Cre[c].stateflags |= 8;
        if (!onko_NPC_kesyelain(c) && !onko_NPC_kumppani(c)) Cre[c].icefall = Plr.month;
    }
    return 1;
}

void EasyGoing(int pos) {
    if (pos < 0 || pos >= DATA_MAX || Data[pos].type != DT_CREATURE) return;
    const int c = (int)Data[pos].id - CRE_DATAID;
    if (c < 0 || c >= CRE_COUNT) return;
    const CreatureStruct &cr = Cre[c];
    if (cr.posture == 4 || cr.posture == 1) return;
    if (cr.kind == CK_HUMAN)
        Ela_Ihminen(pos);
    else if (is_spirit(cr))
        Ela_Haltija(pos);
    else
        Ela_Elain(pos);
}

void ActIt(int c) {
    if (c < 0 || c >= CRE_COUNT) return;
    CreatureStruct &cr = Cre[c];
    cr_loc(c);
    const int pos = cre_datapos(c);
    if ((cr.mode == 2 || cr.mode == 4 || cr.mode == 99) && random(3) == 0) {
        const int dp = combatwise_dp(c, GeneralX, GeneralY);
        if (dp != -1000 && dp >= 0 && dp < DATA_MAX && cr_pickup(c, dp, Data[dp].count)) return;
    }
    switch (cr.mode) {
    case 2: case 99:
        Taistelu_Main(c, pos);
        break;
    case 3:
        EasyGoing(pos);
        break;
    case 4: case 5: case 7: {
        char line[60];
        snprintf(line, sizeof line, "Activity based Esc Cre[%d]", c);
        DebugNote(line);
        Pakene(c);
        break;
    }
    default:
        cr.mode = 0;
    }
}

void CreatureAct(int pos) {
    if (pos < 0 || pos >= DATA_MAX || Data[pos].type != DT_CREATURE) return;
    const int c = (int)Data[pos].id - CRE_DATAID;
    if (c < 0 || c >= CRE_COUNT) return;   // a damaged record names no creature
    CreatureStruct &cr = Cre[c];
    const int cx = Data[pos].x, cy = Data[pos].y;
    if (cr.Viimeisin_X != cx || cr.Viimeisin_Y != cy) {
        cr.Viimeisin_X = cx;
        cr.Viimeisin_Y = cy;
        cr.still = 0;
    } else {
        cr.still = 1;
    }
    TARGET_NPC = c;
    const int alone = ADVANTAGE_ALONE != -1000 ? ADVANTAGE_ALONE : TACTICAL_ADVANTAGE;
    if (alone != -1000) {
        if (c != alone) return;
        TACTICAL_ADVANTAGE = -1000;
    }
    cre_log(c, "body");
    cr.lastaction = 0;
    FatigueTick(c, 6);
    if (cr.turnstate != Plr.minutes) {
        PhysicalTick(c, 1);
        cr.turnstate = Plr.minutes;
    }
    AsetaPonnistelu(c, 1);
    NPC_Kuntotarkistus(c);
    if (cx == PlayerX && cy == PlayerY) {
        DebugNote("Esc under PLR");
        Pakene(c);
        return;
    }
    if (NpcIceFallCheck(cx, cy, c)) return;
    if (cr.bodytemp > 0.0f && cr.bodytemp < 30.0f) {
        cre_dies(c, "NPC_DEATH_DROWN");
        return;
    }
    if (cr.trapminute) {
        const long since = (long)Plr.minutes - (long)cr.trapminute;
        const long limit = cr.kind == CK_HUMAN ? 7199 : 4319 + cr.energy;
        if (since > limit) {
            if (cr.kind != CK_HUMAN) set_SpiritData_mood(cx, cy, 702, -10);
            cre_dies(c, nullptr);
            return;
        }
    }
    cre_log(c, "wounds");
    if (cr.injury) {
        if (HAAVAPROSENTTI(c) > 99) {
            cre_dies(c, nullptr);
            return;
        }
        if (Suorita_Verenhukka(c, cx, cy, 0)) return;
    }
    if (cr.posture == 3) cr.posture = 4;
    if (cr.posture == 4) {
        cre_log(c, "unconscious");
        if (!onko_NPC_vesielaja(c) && avovesi(cx, cy) && cr.unconscious > 10 + random(10)) {
            cre_dies(c, "NPC_DEATH_DROWN");
            return;
        }
        Tajuttomuustarkistus(c, 0);
        return;
    }
    if (cr.posture == 1 && cr.mode != CM_ASLEEP && Nouse(c)) return;
    cre_log(c, "reactions");
    Reagoi_Olentoihin(c);
    Havaitse_PLR(c, pos);
    cre_log(c, "life");
    if (is_spirit(cr))
        Ela_Haltija(pos);
    else if (cr.mode & ~CM_ASLEEP)
        ActIt(c);
    else
        EasyGoing(pos);
}

