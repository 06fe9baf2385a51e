// src/creatures/wounding.cpp -- what a blow does to a body: armour takes its share, the wound
// table gives the wound and the rolls that follow it, and the wound is stored in a slot; a bleeding
// body loses blood every tick, and a fainted one may come to.
#include "creatures/wounding.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "creatures/animals.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/combat.h"
#include "creatures/condition.h"
#include "core/creatures.h"
#include "creatures/life.h"
#include "creatures/lifeask.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "creatures/wounds.h"
#include "creatures/fightvillage.h"
#include "creatures/predicates.h"
#include "core/magicknow.h"
#include "items/wornmagic.h"
#include "items/itemwear.h"
#include "items/wearing.h"
#include "creatures/doors.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"

int WIZARD_nodamage;

const char ITable[ITABLE_ROWS][ITABLE_WIDTH] = {
    "yE2  yE3  oK3  rB1K5",   // 0: 0 skull
    "yE2  oE3  rE4  rB2K4",   // 0: 1 eye
    "yE1  yE2  oE2  rB1K4",   // 0: 2 face
    "yE2  yE3  oK3  rB2K4",   // 0: 3 neck
    "yF2  yF3  oF5  rB1E4",   // 0: 4 shoulder
    "yF3  yF4  oF6  rB1E3",   // 0: 5 upper arm
    "yF4  oF5  rE3  rB1E4",   // 0: 6 elbow
    "yF3  yF4  oF6  rB1E3",   // 0: 7 forearm
    "yF4  oF5  rE3  rB1E3",   // 0: 8 hand
    "yE1  yE2  oE3  rB1K4",   // 0: 9 thorax
    "yE2  oE3  rB1E4rB2K3",   // 0: 10 abdomen
    "yS3  yS4E1oS5E2rB1E3",   // 0: 11 hip
    "yS4E3oS5E4rE5  rB1E6",   // 0: 12 groin
    "yS3  yS4  oS6  rB2E3",   // 0: 13 thigh
    "yS4  oS6  rE3  rB2E4",   // 0: 14 knee
    "yS3  yS4  oS6  rB1E3",   // 0: 15 calf
    "yS4  oS5  rE3  rB1E4",   // 0: 16 foot
    "yS1  yS2  oS4  rS5E3",   // 0: 17 tail
    "yS2  yS3E2oS4E3rS5E4",   // 0: 18 wing
    "yE1  oE3  rK3  rB1K4",   // 1: 0 skull
    "yE2  oB1E3rB1E4rB2K5",   // 1: 1 eye
    "yE1  oE2  oB1E3rB2K4",   // 1: 2 face
    "yE2  oB1E3rB2K4rB4A4",   // 1: 3 neck
    "yF1  oF3  rB1E3rB2K3",   // 1: 4 shoulder
    "yF2  oF4  oB1E4rB1A5",   // 1: 5 upper arm
    "yF3  oF5  rB1E2rB1A5",   // 1: 6 elbow
    "yF2  yF4  oF6  rB1A5",   // 1: 7 forearm
    "yF3  yF5  oF7  rB1A6",   // 1: 8 hand
    "yE1  oE2  rE4  rB1K3",   // 1: 9 thorax
    "yE2  oB1E3rB2E4rB3E5",   // 1: 10 abdomen
    "yS2  oS3E1rS4E2rB1E5",   // 1: 11 hip
    "yS4E3yS5E4oS6E5rB2A5",   // 1: 12 groin
    "yS2  oS3  rB1E2rB2A4",   // 1: 13 thigh
    "yS3  oS4E1rB1E2rB2A5",   // 1: 14 knee
    "yS2  yS3  oS5E2rB1A5",   // 1: 15 calf
    "yS2  yS4  oS5E3rB1A5",   // 1: 16 foot
    "yS2  oS3  rS4A3rB1A5",   // 1: 17 tail
    "yS3  yS4  oS5B1rB2A5",   // 1: 18 wing
    "yE1  oE3  rB1K3rB1K4",   // 2: 0 skull
    "oE3  oB1E4rB1K4rB2K5",   // 2: 1 eye
    "yE1  oE3  oB1E5rB1K4",   // 2: 2 face
    "yE2  oE4  rB1K3rB3K4",   // 2: 3 neck
    "yF2  yF3  oF5  rB1E3",   // 2: 4 shoulder
    "yF2  yF3  oF4  oB1E3",   // 2: 5 upper arm
    "yF3  oF5  oF6E2oB1E3",   // 2: 6 elbow
    "yF2  yF4  oF5E1oB1E2",   // 2: 7 forearm
    "yF3  yF5  oF6E1oB1E2",   // 2: 8 hand
    "yE2  oE3  rB1K3rB1K4",   // 2: 9 thorax
    "yE2  oB1E3rB2E5rB3K3",   // 2: 10 abdomen
    "yS2  yS3  oS3E2rB1E3",   // 2: 11 hip
    "yS4E3oS5E4oE5  oB1E6",   // 2: 12 groin
    "yS2  yS3  oS4E2rB1E4",   // 2: 13 thigh
    "yS3  oS4  oE2  rB1E4",   // 2: 14 knee
    "yS3  yS4  oS5E1oB1E4",   // 2: 15 calf
    "yS2  yS3  oE2  oB1E3",   // 2: 16 foot
    "yS2  yS3  oS4E2oB1E3",   // 2: 17 tail
    "yS2  yS3  oS4E2oE3  ",   // 2: 18 wing
    "yE1  oE3  rK3       ",   // 3: 0 skull
    "yE2  oE4  rE6       ",   // 3: 1 eye
    "yE2  oE4  rE5       ",   // 3: 2 face
    "yE1  oE3  rK3       ",   // 3: 3 neck
    "yE1  oE2  rE3       ",   // 3: 4 shoulder
    "yF2E2oF3E3rE4       ",   // 3: 5 upper arm
    "yF3E1oF4E2rE3       ",   // 3: 6 elbow
    "yF2E2oF3E3rE4       ",   // 3: 7 forearm
    "yF3E1oF4E2rE3       ",   // 3: 8 hand
    "yE3  oE3  rK4       ",   // 3: 9 thorax
    "yE3  oE4  rE6       ",   // 3: 10 abdomen
    "yE2  oE3  rE4       ",   // 3: 11 hip
    "yE3  oE4  rE5       ",   // 3: 12 groin
    "yE2  oE3  rE4       ",   // 3: 13 thigh
    "yE1  oE2  rE3       ",   // 3: 14 knee
    "yE2  oE3  rE4       ",   // 3: 15 calf
    "yE1  oE2  rE3       ",   // 3: 16 foot
    "yE1  oE2  rE3       ",   // 3: 17 tail
    "yE1  oE2  rE3       ",   // 3: 18 wing
};

static bool creature(int n) { return n >= 0 && n < CRE_COUNT && Cre[n].kind != CK_NONE; }

int damage_group(int type) {
    switch (type) {
    case 2: case 3: return 1;
    case 4: return 2;
    case 5: case 6: return 3;
    default: return 0;
    }
}

int haava_column(int group, int I) {
    switch (group) {
    case 1: return I < 9 ? 0 : I <= 12 ? 1 : I <= 16 ? 2 : 3;
    case 2: return I < 11 ? 0 : I <= 15 ? 1 : I <= 20 ? 2 : 3;
    case 3: return I < 11 ? 0 : I <= 20 ? 1 : 2;
    default: return I < 7 ? 0 : I <= 12 ? 1 : I <= 18 ? 2 : 3;
    }
}

WoundCell HaavaSarake(int type, int I, int part) {
    WoundCell w{};
    if (part < 0 || part >= BODYPARTS) part = BP_THORAX;
    const int group = damage_group(type);
    const char *cell = ITable[group * BODYPARTS + part] + haava_column(group, I) * 5;
    if (DEBUG_INFO) {
        char line[60];
        snprintf(line, sizeof line, "Haavatulos: %.5s", cell);
        DebugNote(line);
    }
    switch (cell[0]) {
    case 'y': w.level = 1, w.injury = 1 + random(10); break;
    case 'o': w.level = 2, w.injury = 11 + random(10); break;
    case 'r': w.level = 3, w.injury = 21 + random(10); break;
    default: break;
    }
    char rest[5];
    memcpy(rest, cell + 1, 4);
    rest[4] = 0;
    auto dice = [&](char letter) -> int {
        const char *p = strchr(rest, letter);
        return p && p[1] >= '0' && p[1] <= '9' ? p[1] - '0' : 0;
    };
    w.fumble = (uint8_t)dice('F');
    w.stumble = (uint8_t)dice('S');
    w.shock = (uint8_t)dice('E');
    w.bleeding = (uint8_t)dice('B');
    w.amputation = (uint8_t)dice('A');
    w.kill = (uint8_t)dice('K');
    if (w.kill) w.shock = (uint8_t)(w.kill + 1);
    return w;
}

int cre_natural_armour(int n, int part, int type) {
    if (!creature(n) || part == BP_EYE) return 0;
    const int index = type == 6 ? 5 : type == 7 ? 0 : type;
    if (index < 0 || index > 5) return 0;
    return Cre[n].natprot[index];
}

int CreArmour(int n, int part, int type) {
    if (!creature(n)) return 0;
    int sum = 0;
    for (int s = 0; s < CRE_WORN; s++) {
        if (Cre[n].worn[s] == 0) continue;
        Item = ObjToItem(Cre[n].worn[s]);
        if (ArmourItemProtects(Item, part)) sum += ObjArmourProtection(type);
    }
    return sum + cre_natural_armour(n, part, type);
}

void AsetaHaava(int victim, int type, int level, int part, int side, int injury, int bleeding) {
    if (WIZARD_nodamage) return;
    if (victim != -1 && !creature(victim)) return;
    if (injury < 0) injury = 0;
    if (injury > 255) injury = 255;
    if (bleeding < 0) bleeding = 0;
    if (bleeding > 255) bleeding = 255;
    WoundSlot w{};
    const WoundSlot fresh{(uint8_t)wound_kind_of_type(type), (uint8_t)level, (uint8_t)part, (uint8_t)injury,
                          (uint8_t)bleeding, (uint8_t)side, 0};
    int slot = -1;
    for (int s = 0; s < WOUND_SLOTS && slot < 0; s++)
        if (wound_get(victim, s, w) && w.kind == 0) slot = s;
    if (victim == -1) {
        if (slot < 0) {
            slot = random(WOUND_SLOTS);
            // The wound written over leaves the totals first, so they stay the sums of the slots.
            wound_get(-1, slot, w);
            const uint32_t inj = plr_get<uint32_t>(PB_INJURY), bl = plr_get<uint32_t>(PB_BLOODLOSS);
            plr_set<uint32_t>(PB_INJURY, inj >= w.injury ? inj - w.injury : 0);
            plr_set<uint32_t>(PB_BLOODLOSS, bl >= w.bleeding ? bl - w.bleeding : 0);
        }
        wound_put(-1, slot, fresh);
        plr_set<uint32_t>(PB_INJURY, plr_get<uint32_t>(PB_INJURY) + (uint32_t)injury);
        return;
    }
    CreatureStruct &c = Cre[victim];
    const int total = c.injury + injury;
    c.injury = (uint8_t)(total > 255 ? 255 : total);
    if (slot >= 0) {
        wound_put(victim, slot, fresh);
        return;
    }
    for (int s = 0; s < WOUND_SLOTS && slot < 0; s++)
        if (wound_get(victim, s, w) && w.kind == fresh.kind && w.level == fresh.level && w.part == fresh.part &&
            w.side == fresh.side && w.bleeding == fresh.bleeding)
            slot = s;
    for (int s = 0; s < WOUND_SLOTS && slot < 0; s++)
        if (wound_get(victim, s, w) && w.kind == fresh.kind && w.part == fresh.part && w.side == fresh.side) slot = s;
    if (slot < 0) slot = random(WOUND_SLOTS);
    wound_get(victim, slot, w);
    w.injury = (uint8_t)(w.injury + injury > 255 ? 255 : w.injury + injury);
    wound_put(victim, slot, w);
}

static void tell(int victim, const char *key) { cre_say(victim, key); }

void HAAVOITA(int victim, int type, int impact, int part, int side, int attacker) {
    if (victim != -1 && !creature(victim)) return;
    if (attacker >= CRE_COUNT) attacker = CAUSE_NO_HARM;
    if (attacker >= 0 && !creature(attacker)) attacker = CAUSE_NO_HARM;
    if (part < 0 || part >= BODYPARTS) part = BP_THORAX;
    copy_bounded(vMSG_wounded_bodypart, sizeof vMSG_wounded_bodypart, BODYPART(part, victim));
    int armour, mass;
    if (victim == -1) {
        armour = PlrArmour(part, type);
        mass = 2 * plr_get<int32_t>(PB_BODYWEIGHT);
    } else {
        armour = CreArmour(victim, part, type);
        mass = (int)Cre[victim].weight;
    }
    // Dog-fur mittens and the lore of the bear make her blows bite deeper into a bear.
    const int bearmagic = attacker == -1 && victim >= 0 && Cre[victim].speciescode == SPECIES_BEAR &&
                          taikakeino_tuttu(94, 0) && hasmagic_worn(-1, 0, "[dog fur mittens]");
    bool venomous = false;
    if (attacker >= 0) {
        aseta_maailmaan_meteli(cre_x(attacker), cre_y(attacker), 3, attacker);
        setNPCnoise(attacker, 3);
        if (Cre[attacker].speciescode == SPECIES_SNAKE && Cre[attacker].venom == 0) {
            Cre[attacker].venom = 1;
            venomous = true;
        }
    }
    const int eff = impact - armour + (bearmagic ? 2 : 0);
    if (DEBUG_INFO) {
        char line[120];
        snprintf(line, sizeof line, "HAAVOITA %d: impact: %d Haarniskointi: %d -> eff_impact: %d", victim, impact,
                 armour, eff);
        DebugNote(line);
    }
    if (eff < 1) {
        tell(victim, armour == 0 && (victim == -1 || Cre[victim].kind == CK_HUMAN) ? "IMPACT_UNHURT" : "IMPACT_ABSORBED");
        return;
    }
    SetLastActionBit(victim, 3);
    WoundCell w = HaavaSarake(type, eff, part);
    if (type != 7) {
        if (w.bleeding && victim == -1)
            plr_set<int32_t>(PB_INJURYCAUSE, attacker >= 0 ? (int32_t)Cre[attacker].socialid : attacker);
        if (attacker == CAUSE_NO_HARM && victim >= 0) w.bleeding = 0;
    } else {
        if (mass > 10) w.kill = 0;
        if (mass > 50) {
            if (w.stumble < 5) w.stumble = 0;
            if (w.fumble < 4) w.fumble = 0;
            if (w.shock < 4) w.shock = 0;
            if (w.injury > 13) w.injury = 13;
            if (w.level > 2) w.level = 2;
        }
        if (mass > 100) {
            if (w.level > 1) w.level = 1;
            if (w.shock < 5) w.shock = 0;
            w.stumble = 0;
            if (w.injury > 4) w.injury = 5;
        }
        w.bleeding = 0;
    }
    AsetaHaava(victim, type, w.level, part, side, w.injury, w.bleeding);
    if (victim >= 0) {
        // Whoever wounded it last is its killer if the wounds end it; whom it fights is the morale
        // check's to say, which sets the foe together with its social id.
        Cre[victim].killer = attacker;
    } else if (attacker >= 0) {
        plr_set<int32_t>(PB_ATTACKER, (int32_t)Cre[attacker].socialid);
        // A villager's beating that the village has marked as violence is counted against her.
        const int soc = (int)Cre[attacker].community;
        if (is_socmember(attacker) && (Cre[attacker].fightbits & 4) && fight_violence_flag(soc))
            fight_breach_violence(soc, 2);
    } else if (attacker < -1) {
        plr_set<int32_t>(PB_ATTACKER, attacker);
    }
    if (DEBUG_INFO) {
        char line[100];
        snprintf(line, sizeof line, "Aste: %d F:%d S:%d E:%d B:%d IP:%d", w.level, w.fumble, w.stumble, w.shock,
                 w.bleeding, w.injury);
        DebugNote(line);
    }
    if (venomous && victim == -1) {
        const int second = random(3) + 3;   // drawn before the first
        SetInjury(random(3) + 3, 0, second, 0, 23);
    }
    if (w.amputation) {
        if (AmputationRoll(victim, w.amputation)) {
            w.bleeding++;
            w.shock = 5;
            if (part == BP_NECK) w.kill = 99;
        } else {
            w.shock = 4;
        }
    }
    const bool spared = attacker == CAUSE_NO_HARM || (attacker >= 0 && fightmode_dontkill(attacker));
    if (w.kill && !spared) {
        if (victim >= 0) Cre[victim].killer = attacker;
        if (KillRoll(victim, w.kill)) return;
    }
    if (w.bleeding == 1) tell(victim, "BLEEDING_LIGHT");
    else if (w.bleeding == 2) tell(victim, "BLEEDING");
    else if (w.bleeding == 3 || w.bleeding == 4) tell(victim, "BLEEDING_HARD");
    if (w.shock && (victim == -1 ? Plr.posture : Cre[victim].posture) != 4) {
        const int felled = ShockRoll(victim, w.shock, 1);
        if (felled && victim == -1)
            plr_set<int32_t>(PB_FAINTCAUSE, attacker >= 0 ? (int32_t)Cre[attacker].socialid : attacker);
        // A creature asleep is woken by the blow; one awake keeps its fight and its mind.
        if (victim >= 0 && Cre[victim].mode == CM_ASLEEP) HerataNPC(victim);
    }
    if (w.stumble && StumbleRoll(victim, w.stumble, 1)) Aseta_Etulyontiasema(attacker);
    if (w.fumble && FumbleRoll(victim, w.fumble, side)) Aseta_Etulyontiasema(attacker);
    if (victim == -1) armour_damage(part, eff);
}

// ---- bleeding, coming to, and the injury percentage ----

static int enemy_distance(int n) {
    const int e = Cre[n].enemy;
    int ex, ey;
    if (e == -1) {
        ex = PlayerX, ey = PlayerY;
    } else if (creature(e)) {
        ex = cre_x(e), ey = cre_y(e);
    } else {
        return 1000;
    }
    const int dx = std::abs(ex - cre_x(n)), dy = std::abs(ey - cre_y(n));
    return dx > dy ? dx : dy;
}

int Suorita_Verenhukka(int n, int x, int y, int spare) {
    if (n != -1 && !creature(n)) return 0;
    const int E = n == -1 ? combat_endurance(-1) : Cre[n].endurance;
    if (n >= 0) Cre[n].bleedtick = 0;
    const int B = body_bleeding_sum(n);
    if (B == 0) return 0;
    // A blood mark of today: the area's clean-up sweeps it two days on.
    if (random(5) < B && (n == -1 || Cre[n].korkeus != -100)) set_data(DT_COUNTED, x, y, 1, (int)Plr.daynumber);
    uint32_t loss;
    if (n == -1) {
        loss = plr_get<uint32_t>(PB_BLOODLOSS) + (uint32_t)B;
        plr_set<uint32_t>(PB_BLOODLOSS, loss);
        if (loss > 0.75 * 4 * E) Note("!You are about to bleed to death unless physician skills are applied!");
        else Note(":You are bleeding...");
    } else {
        CreatureStruct &c = Cre[n];
        c.bleedtick = (uint8_t)(B > 255 ? 255 : B);
        loss = (uint32_t)c.bloodloss + (uint32_t)B;
        c.bloodloss = (uint8_t)(loss > 255 ? 255 : loss);
        loss = c.bloodloss;
        if ((int)loss > E / 2) {
            const bool stem = (B < 3 && d6(6) < E) ||
                              (c.kind == CK_HUMAN && c.posture != 4 && enemy_distance(n) > 2 * B && d6(4) < E);
            if (stem) {
                WoundSlot w;
                for (int s = 0; s < WOUND_SLOTS; s++)
                    if (wound_get(n, s, w) && w.bleeding) {
                        w.bleeding--;
                        wound_put(n, s, w);
                        break;
                    }
            }
        }
    }
    if (spare || (int)loss <= 4 * E) return 0;
    if (n == -1) {
        if (random(3) != 0) return 0;
        plr_set<int32_t>(PB_FAINTCAUSE, CAUSE_BLEEDING);
        Pyorry(-1);
        if ((int)loss <= 8 * E) return 0;
        const int32_t assailant = plr_get<int32_t>(PB_ATTACKER);
        int who = -1;
        for (int c = 0; c < CRE_COUNT && assailant > 0 && who < 0; c++)
            if (Cre[c].kind != CK_NONE && Cre[c].socialid == (uint32_t)assailant) who = c;
        if (who >= 0 && fightmode_dontkill(who)) {
            plr_set<uint32_t>(PB_BLOODLOSS, (uint32_t)(4 * E + 1));
            return 0;
        }
        player_dies(CAUSE_BLEEDING);
        return 1;
    }
    Pyorry(n);
    if ((int)loss > 8 * E) {
        Cre[n].killer = CAUSE_BLEEDING;
        KillCreature(n, 1);
        return 1;
    }
    return 0;
}

int Tajuttomuustarkistus(int n, int stay) {
    if (n != -1 && !creature(n)) return 0;
    if (n >= 0 && Cre[n].unconscious < 255) Cre[n].unconscious++;
    if (!stay && ShockRoll(n, 3, 0)) return 1;
    if (n == -1) {
        Plr.posture = 1;
        plr_set<int32_t>(PB_FAINTCAUSE, 0);
    } else {
        Cre[n].posture = 1;
        Cre[n].unconscious = 0;
    }
    return 0;
}

int HAAVAPROSENTTI(int n) {
    int E = combat_endurance(n);
    if (E == 0) E = 1;   // a body without endurance never divides by zero
    return (int)std::floor((double)(INJURY_PENALTY(n) / 10) / E * 100.0);
}
