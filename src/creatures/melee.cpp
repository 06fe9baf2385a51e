// src/creatures/melee.cpp -- one exchange of blows: the attacker picks weapon, aspect and zone, the
// defender a manoeuvre, both roll, the result table decides who strikes whom, and strikes wound.
#include "creatures/melee.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "creatures/skills.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/spend.h"
#include "maps/movement.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/combat.h"
#include "core/crefunc.h"
#include "creatures/cremove.h"
#include "creatures/decisions.h"
#include "creatures/life.h"
#include "creatures/lifeask.h"
#include "creatures/melee_aside.h"
#include "creatures/missile_exchange.h"
#include "creatures/missiles.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/wounding.h"
#include "creatures/wounds.h"
#include "creatures/throwing.h"
#include "items/wearing.h"
#include "maps/directions.h"
#include "creatures/doors.h"
#include "maps/picker.h"
#include "maps/sight.h"
#include "core/codednotes.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "base/ui.h"
#include "core/tekstit.h"

StrikeRecord StrikeData, AttackerStrike, DefenderStrike;
int TACTICAL_ADVANTAGE = -1000;
int LAST_TACTICAL_ADVANTAGE = -1000;
int COMBATREPEAT_ATTACKCOMMAND, COMBATREPEAT_ASPECT, COMBATREPEAT_ZONE, COMBATREPEAT_DEATHBLOW;
int combat_repeat_option;
static int counterstrike_flag;
AttackOutcome COMBAT_outcome;
int COMBAT_alevel, COMBAT_dlevel;

enum { MODE_COMBAT = 99, UNUSABLE = 200 };

static bool creature(int n) { return n >= 0 && n < CRE_COUNT && Cre[n].kind != CK_NONE; }
static bool body(int n) { return n == -1 || creature(n); }
static void body_xy(int n, int &x, int &y) {
    if (n == -1) x = PlayerX, y = PlayerY;
    else x = cre_x(n), y = cre_y(n);
}
static void key_text(char *out, const char *key) { copy_bounded(out, 100, MSG(key)); }

// ---- the tactical advantage ----

void Aseta_Etulyontiasema(int n) {
    if (n < 0) {
        TACTICAL_ADVANTAGE = LAST_TACTICAL_ADVANTAGE = -1000;
        return;
    }
    if (n == LAST_TACTICAL_ADVANTAGE) {
        TACTICAL_ADVANTAGE = -1000;
        DebugNote("TACTICAL_ADVANTAGE tupla - ei tulosta");
    } else if (TACTICAL_ADVANTAGE != -1000) {
        TACTICAL_ADVANTAGE = -1000;
        DebugNote("TACTICAL_ADVANTAGE molemmille - ei tulosta!");
    } else {
        TACTICAL_ADVANTAGE = LAST_TACTICAL_ADVANTAGE = n;
        DebugNotef("new LAST_TACTICAL_ADVANTAGE: %d", n);
    }
}

void Kerro_Etulyontiasema() {
    if (TACTICAL_ADVANTAGE == -1000) return;
    Note(MSG(TACTICAL_ADVANTAGE == DEFENDER ? "DEFENDER_ADVANTAGE" : "ATTACKER_ADVANTAGE"));
}

// ---- the death blow ----

int ARMONISKU(int attacker, int target) {
    if (target == 1000) target = -1;
    if (!body(target)) return 0;
    if (attacker == -1) {
        if (!creature(target)) return 0;
        if (onko_taistelutilanne(-1, 0) > 0) return 0;
        if (onko_NPC_lieassa(target)) return 2;   // her own leashed beast is butchered, not fought
        if (onko_JOKU_tajuton(target)) return 1;
        return 0;
    }
    return onko_JOKU_tajuton(target) ? 1 : 0;
}

const char *ArmoniskuTekstilisa(int kind) {
    return kind == 1 ? MSG("HITOPT_DEATHBLOW") : kind == 2 ? MSG("HITOPT_BUTCHERING") : "";
}

// ---- the engaged count ----

int onko_taistelutilanne(int who, int mode) {
    if (who != -1) return 0;
    int count = 0;
    for (int c = 0; c < CRE_COUNT; c++) {
        const CreatureStruct &cr = Cre[c];
        if (cr.kind == CK_NONE || cr.mode == CM_CARCASS) continue;
        if (cr.korkeus == 100 || cr.korkeus == -100) continue;
        if (cr.mode != 2 && cr.mode != MODE_COMBAT) continue;
        if (cr.posture == 4 || cr.enemy != -1) continue;
        if (!plr_engaged(cre_x(c), cre_y(c))) continue;
        count++;
        if (mode == 1) count += -1 + (COMBATPROFILE(c) == 0 ? 1 : 0);
    }
    return count;
}

// ---- attack choice ----

static int aspect_value(const ItemStruct &w, int aspect) { return w.fig[aspect]; }

static int aiming_zone(int attacker, int defender, int headDiff, int armsDiff, int legsDiff) {
    StrikeRecord &s = StrikeData;
    if (attacker != -1) {
        s.zone = 2;
        if ((COMBATPROFILE(attacker) != 0 && COMBATPROFILE(defender) == 0) || Cre[attacker].attackfig == 3) s.zone = 3;
        shield_guard_renew();
        if (s.mode == ATTACK_MISSILE && (defender == -1 || defender == 1000) && (Plr.shield_guard & 1)) {
            // Around a held shield: the head or the legs, the body from the side or behind.
            if (Plr.shield_guard & (2 | 8)) {
                const int r = random(5);
                if (r <= 1) s.zone = 0, s.aimdiff = headDiff;
                else if (r <= 3) s.zone = 3, s.aimdiff = legsDiff;
            } else if ((Plr.shield_guard & 4) && random(2) == 0) {
                s.zone = 3, s.aimdiff = legsDiff;
            }
            const int d = reldir(-1, s.x, s.y);
            if (d >= 2 && d <= 6) s.zone = 2, s.aimdiff = 0;
        }
        if (s.deathblow) {
            s.zone = BP_NECK;
            BODYPART_KILLZONE = 1;
        }
        return 1;
    }
    int choice;
    if (combat_repeat_option && COMBATREPEAT_ZONE && COMBATREPEAT_DEATHBLOW == s.deathblow) {
        choice = COMBATREPEAT_ZONE;
    } else {
        Valinta_Tyhjaa();
        char line[100];
        if (s.deathblow) {
            Valinta_Lisaa('N', "Neck");
            Valinta_Lisaa('S', "Skull");
            Valinta_Lisaa('T', "Thorax");
            Valinta_Lisaa('A', "Abdomen");
            Valinta_Tekstilisa(ArmoniskuTekstilisa(s.deathblow));
        } else {
            Valinta_Lisaa('B', "Body");
            snprintf(line, sizeof line, "Head%s", zonepenalty_kuvaus(headDiff));
            Valinta_Lisaa('H', line);
            snprintf(line, sizeof line, "Arms%s", zonepenalty_kuvaus(armsDiff));
            Valinta_Lisaa('A', line);
            snprintf(line, sizeof line, "Legs%s", zonepenalty_kuvaus(legsDiff));
            Valinta_Lisaa('L', line);
        }
        choice = toupper(TeeValinta("Aiming Zone"));
    }
    if (choice == 0) {
        TurnUsed = 0;
        return 0;
    }
    COMBATREPEAT_ZONE = choice;
    COMBATREPEAT_DEATHBLOW = s.deathblow;
    if (s.deathblow) {
        s.zone = choice == 'N' ? BP_NECK : choice == 'A' ? BP_ABDOMEN : choice == 'T' ? BP_THORAX : BP_SKULL;
        BODYPART_KILLZONE = 1;
        return 1;
    }
    switch (choice) {
    case 'A': s.zone = 1, s.aimdiff = armsDiff; break;
    case 'H': s.zone = 0, s.aimdiff = headDiff; break;
    case 'L': s.zone = 3, s.aimdiff = legsDiff; break;
    default: s.zone = 2; break;
    }
    return 1;
}

static int player_aspect(const ItemStruct &w) {
    const char keys[3] = {'B', 'E', 'P'};
    int usable = 0, only = 0;
    for (int i = 0; i < 3; i++)
        if (aspect_value(w, i) < UNUSABLE) usable++, only = keys[i];
    if (usable == 0) return 0;
    int choice = 0;
    if (combat_repeat_option && COMBATREPEAT_ASPECT && COMBATREPEAT_DEATHBLOW == StrikeData.deathblow) {
        const int i = COMBATREPEAT_ASPECT == 'B' ? 0 : COMBATREPEAT_ASPECT == 'E' ? 1 : COMBATREPEAT_ASPECT == 'P' ? 2 : -1;
        if (i >= 0 && aspect_value(w, i) < UNUSABLE) choice = COMBATREPEAT_ASPECT;
    }
    if (!choice && usable == 1) choice = only;
    if (!choice) {
        Valinta_Tyhjaa();
        if (aspect_value(w, 0) < UNUSABLE) Valinta_Lisaa('B', "Blunt");
        if (aspect_value(w, 1) < UNUSABLE) Valinta_Lisaa('E', "Edge");
        if (aspect_value(w, 2) < UNUSABLE) Valinta_Lisaa('P', "Point");
        choice = toupper(TeeValinta("Weapon Aspect"));
    }
    if (choice == 'B' || choice == 'E' || choice == 'P') COMBATREPEAT_ASPECT = choice;
    return choice;
}

int Taistelu_HYOKKAYS(int attacker, int weapon, int hand, int defender, int launcher) {
    StrikeRecord &s = StrikeData;
    memset(&s, 0, sizeof s);
    s.mode = launcher > 0 ? ATTACK_MISSILE : ATTACK_MELEE;
    s.dicecap = 3;
    s.impactcap = 99;
    s.zone = 2;
    body_xy(attacker, s.x, s.y);
    s.deathblow = ARMONISKU(attacker, defender);
    s.launcher = launcher;
    s.hand = s.hand2 = hand;
    int head = 1, arms = 2, legs = 1;
    if (hand == 0 && attacker == -1) {
        copy_bounded(s.skill, sizeof s.skill, "UNARMED");
        s.ml = Skill_ML(-1, "UNARMED");
        if (s.ml >= 1000) s.ml = 0;
        if (weapon == 4) {
            copy_bounded(s.key, sizeof s.key, "PUNCH");
            s.impact = 0;
            key_text(s.noun, "ATTACK_NOUN:PUNCH");
        } else {
            copy_bounded(s.key, sizeof s.key, "KICK");
            s.impact = 3;
            key_text(s.noun, "ATTACK_NOUN:KICK");
        }
    } else if (hand == 0) {
        if (!creature(attacker) || weapon < 0 || weapon > 2) return 0;
        CreatureStruct &c = Cre[attacker];
        char name[16];
        size_t k = 0;
        for (; k < sizeof c.natattack[weapon] && c.natattack[weapon][k]; k++)
            name[k] = (char)toupper((unsigned char)c.natattack[weapon][k]);
        name[k] = 0;
        copy_bounded(s.key, sizeof s.key, strstr(name, "SQUEEZE") ? "CRUSH" : name);
        char nk[40];
        snprintf(nk, sizeof nk, "ATTACK_NOUN:%s", name);
        key_text(s.noun, nk);
        s.dtype = c.atktype[weapon];
        s.impact = c.atkstrength[weapon];
        s.impactcap = c.atkweight[weapon];
        s.ml = c.atkskill[weapon];
        const int months = CreAgeInMonths(attacker);
        if (months < 16) {
            s.impactcap /= 2, s.impact /= 2;
            if (s.ml > 19) s.ml -= 20;
        }
        if (months < 12) {
            if (s.impactcap > 1) s.impactcap--;
            if (s.impact > 1) s.impact--;
            if (s.ml > 19) s.ml -= 10;
        }
        if (months < 6) {
            if (s.impactcap > 1) s.impactcap--;
            if (s.impact > 1) s.impact--;
            if (s.ml > 14) s.ml -= 10;
        }
    } else {
        s.weapon = ObjToItem(weapon);
        if (s.mode == ATTACK_MISSILE) {
            head = 2, arms = 3, legs = 3;
            s.bowflag = onko_JOUSIPYSSY(ObjToItem(launcher));
        }
        s.cls = (uint8_t)Ota_AttackClass(s.weapon.adclass);
        copy_bounded(s.noun, sizeof s.noun, ekuvaus(weapon, 1, 4));
        char sk[sizeof s.weapon.skill + 1];
        memcpy(sk, s.weapon.skill, sizeof s.weapon.skill);
        sk[sizeof s.weapon.skill] = 0;
        copy_bounded(s.skill, sizeof s.skill, sk);
        const WeaponAnalysis a = analysoi_ase(s.weapon);
        if (a.best < 0 && s.mode != ATTACK_MISSILE) {
            if (attacker == -1) Note(MSG("BAD_MELEE_WEAPON"));
            return 0;
        }
        if (s.mode == ATTACK_MISSILE) {
            // Arrows and throwing weapons fly their best way, other weapons tumble, anything else is
            // blunt; a creature's missile flies its best way. Her blunt arrow strikes no harder than
            // 15, her edged one no harder than 20.
            if (attacker != -1) {
                s.aspect = a.best >= 0 ? a.aspect : 0;
            } else if (s.bowflag || onko_HEITTOASE(s.weapon)) {
                s.aspect = a.best >= 0 ? a.aspect : 0;
                if (onko_NUOLI(s.weapon) && s.aspect == 0) s.impactcap = 15;
                if (onko_NUOLI(s.weapon) && s.aspect == 1) s.impactcap = 20;
            } else {
                s.aspect = onko_MELEEASE(s.weapon) && a.best >= 0 ? a.randomaspect : 0;
            }
        } else if (attacker == -1) {
            const int choice = player_aspect(s.weapon);
            if (choice == 0) {
                TurnUsed = 0;
                return 0;
            }
            s.aspect = choice == 'E' ? 1 : choice == 'P' ? 2 : 0;
        } else {
            s.aspect = a.aspect;
        }
        s.dtype = s.aspect == 1 ? 2 : s.aspect == 2 ? 4 : 0;
        copy_bounded(s.key, sizeof s.key, s.aspect == 1 ? "EDGE" : s.aspect == 2 ? "POINT" : "BLUNT");
        if (s.mode == ATTACK_MISSILE) copy_bounded(s.key, sizeof s.key, s.bowflag ? "SHOOT" : "THROW");
        s.impact = aspect_value(s.weapon, s.aspect);
        if (s.impact >= UNUSABLE) s.impact = 0;
        const int q = ItemGet_laatu(&s.weapon);
        if ((q == 1 || q == 2) && s.impact > 2) s.impact--;
        if (q == 4 || q == 5) s.impact++;
    }
    if (!aiming_zone(attacker, defender, head, arms, legs)) return 0;
    s.part = RandomBodypart(s.zone, defender == 1000 ? -1 : defender);
    s.side = BODYPART_side;
    copy_bounded(s.partname, sizeof s.partname, BODYPART(s.part, defender == 1000 ? -1 : defender));
    s.dicecap = MAXDICES(s.impact);
    DebugNotef("strikeimpact %d maxdices: %d", s.impact, s.dicecap);
    SetLastActionBit(attacker, 0);
    return 1;
}

// ---- defence choice ----

static bool melee_item(const ItemStruct &it) {
    return it.type == IT_WEAPON && it.subtype != ST_BOW && it.subtype != ST_ARROW && analysoi_ase(it).best >= 0;
}
static bool is_shield(const ItemStruct &it) { return strncmp(it.skill, "SHIELD", 7) == 0; }

void Taistelu_PUOLUSTUS(int defender) {
    StrikeRecord &s = StrikeData;
    memset(&s, 0, sizeof s);
    int code = DEF_NONE, hand = 0, dml = Skill_ML(defender, "DODGE");
    if (dml >= 1000) dml = 0;
    const bool down = defender == -1 ? Plr.posture == 4 || PLAYER_SLEEPING : Cre[defender].posture == 4;
    bool sees = true;
    int ax, ay;
    body_xy(ATTACKER, ax, ay);
    if (defender == -1) {
        sees = See(ax, ay);
        SPEND_INTERRUPT = 3;
    } else {
        sees = NPCSee(defender, ax, ay) && (taisteleeko_NPC(defender) || pakeneeko_NPC(defender));
    }
    ItemStruct w1{}, w2{};
    const int p1 = getwieldedItempos(defender, 1), p2 = getwieldedItempos(defender, 2);
    if (p1) w1 = ObjToItem(p1);
    if (p2) w2 = ObjToItem(p2);
    if (AttackerStrike.mode == ATTACK_MISSILE && COMBAT_attacker == ATTACKER) {
        // Nothing parries a missile: only a body on the move may slip aside.
        code = !down && MOVEDODGE_kaytossa(defender) ? DEF_MOVEDODGE : DEF_NONE;
    } else if (down || !sees) {
        code = DEF_NONE;
    } else if (defender == -1) {
        // F1 (or '?') over a manoeuvre opens its page, over the heading and "Ignore" the menu's own.
        Valinta_Tyhjaa();
        Valinta_Lisaa('?', "Defense maneuvers");
        Valinta_Lisaa('D', "Dodge");
        Valinta_LisaaGameinfo("DODGE");
        const bool m1 = p1 && melee_item(w1), m2 = p2 && melee_item(w2);
        const bool block2 = m2 && (!m1 || Ota_DefenseClass(w2.adclass) > Ota_DefenseClass(w1.adclass));
        char line[100], name[41];
        if (m1 || m2) {
            snprintf(line, sizeof line, "Block with %s", item_name(block2 ? w2 : w1, name));
            Valinta_Lisaa('B', line);
            Valinta_LisaaGameinfo("BLOCK");
        }
        for (int h = 1; h <= 2; h++) {
            const ItemStruct &w = h == 1 ? w1 : w2;
            if (!(h == 1 ? m1 : m2) || is_shield(w)) continue;
            snprintf(line, sizeof line, "Counterstrike with %s", item_name(w, name));
            Valinta_Lisaa('0' + h, line);
            Valinta_LisaaGameinfo("COUNTERSTRIKE");
        }
        Valinta_Lisaa('I', "Ignore");
        Valinta_LisaaGlobalGameinfo("DEFENSE MANEUVER");
        TeeValinta_NOCANCEL = 1;
        const int k = toupper(TeeValinta("Defense Maneuver"));
        if (k == '1' || k == '2') code = DEF_COUNTERSTRIKE, hand = k - '0';
        else if (k == 'B') code = DEF_BLOCK, hand = block2 ? 2 : 1;
        else if (k == 'D') code = DEF_DODGE;
    } else if (Cre[defender].kind != CK_HUMAN) {
        code = DEF_DODGE;
        if (ELAIN_counterstrike_halukkuus(defender)) code = DEF_COUNTERSTRIKE, hand = 0;
    } else {
        const bool m1 = p1 && melee_item(w1), m2 = p2 && melee_item(w2);
        const ItemStruct &bw = m2 ? w2 : w1;
        const bool canblock = m1 || m2, cancounter = m1 && !is_shield(w1);
        int wml = 0;
        if (canblock) {
            char sk[sizeof bw.skill + 1];
            memcpy(sk, bw.skill, sizeof bw.skill);
            sk[sizeof bw.skill] = 0;
            wml = Skill_ML(defender, sk);
        }
        // A weapon in the second hand gives the skill and both classes, the odds of a counterstrike too.
        const int dcls = canblock ? Ota_DefenseClass(bw.adclass) : 0, acls = m1 ? Ota_AttackClass(bw.adclass) : 0;
        if (dml == 0) {
            code = DEF_NONE;
        } else if (!canblock || dcls < 2 || wml == 0) {
            code = DEF_DODGE;
        } else {
            code = random(dcls * 5 + wml) > random(dml) ? DEF_BLOCK : DEF_DODGE;
            hand = m2 ? 2 : 1;
        }
        if (cancounter) {
            const int base = code == DEF_BLOCK ? dcls * 5 + wml : dml;
            if (random(base) < random(acls * 5 + wml)) code = DEF_COUNTERSTRIKE, hand = 1;
        }
        DebugNotef("NPCdefend: %s Dge:%d Blk:%d chose:%d", monnam(defender, 0), dml, wml, code);
    }
    s.mode = code;
    s.hand = s.hand2 = hand;
    if (code == DEF_DODGE) {
        copy_bounded(s.skill, sizeof s.skill, "DODGE");
        s.cls = 2;
        s.ml = dml;
    } else if (code == DEF_MOVEDODGE) {
        copy_bounded(s.skill, sizeof s.skill, "MOVEDODGE");
        s.cls = 2;
    } else if (code == DEF_BLOCK || (code == DEF_COUNTERSTRIKE && hand)) {
        const int pos = hand == 2 ? p2 : p1;
        s.weapon = ObjToItem(pos);
        char sk[sizeof s.weapon.skill + 1];
        memcpy(sk, s.weapon.skill, sizeof s.weapon.skill);
        sk[sizeof s.weapon.skill] = 0;
        copy_bounded(s.skill, sizeof s.skill, sk);
        copy_bounded(s.noun, sizeof s.noun, ekuvaus(pos, 1, 4));
        s.cls = (uint8_t)(code == DEF_BLOCK ? Ota_DefenseClass(s.weapon.adclass) : Ota_AttackClass(s.weapon.adclass));
    }
    if (code >= DEF_BLOCK && code <= DEF_MOVEDODGE) SetLastActionBit(defender, 2);
}

// ---- the exchange ----

// The player hears which weapon the classes favour, when a weapon strikes and one side gains.
static void tell_weapon_classes(int attacker, int defender, int mod) {
    if (mod == 0 || !AttackerStrike.hand || (attacker != -1 && defender != -1)) return;
    vMSG_wc_bonus = mod < 0 ? -mod : mod;
    const char *key;
    if (DefenderStrike.mode == DEF_DODGE) key = mod < 0 ? "WC_BONUS_DODGE" : "WC_BONUS_ATTACKER";
    else if (DefenderStrike.mode == DEF_BLOCK || DefenderStrike.mode == DEF_COUNTERSTRIKE)
        key = mod < 0 ? "WC_BONUS_DEFENDER_WINS" : "WC_BONUS_ATTACKER_WINS";
    else return;
    Note(MSG(key));
}

static int roll(int who, int penalty, int bonus, const char *skill, int ml) {
    if (who == -1) return Kayta_Taitoa(penalty, bonus, skill, 0);
    return SuccessRoll(penalty, ml + bonus);
}

static int effective_ml(int who, const StrikeRecord &r) {
    int ml = r.skill[0] ? Skill_ML(who, r.skill) : r.ml;
    if (ml >= 1000) ml = 0;
    if (ml == 0 && who != -1) ml = 35;
    return ml;
}

int Taistelu_TAPAHTUMA(int attacker, int weapon, int hand, int defender, int launcher) {
    if (defender == 1000) defender = -1;
    if (!body(attacker) || !body(defender) || attacker == defender) return 0;
    UPDATE_SCREEN = 1;
    ATTACKER = COMBAT_attacker = attacker;
    DEFENDER = COMBAT_defender = defender;
    if (!Taistelu_HYOKKAYS(attacker, weapon, hand, defender, launcher)) return 0;
    AsetaPonnistelu(attacker, 10);
    {
        int nx, ny;
        body_xy(attacker, nx, ny);
        aseta_maailmaan_meteli(nx, ny, 3, attacker);
    }
    setNPCnoise(attacker, 3);
    AttackerStrike = StrikeData;
    vMSG_attack_bow[0] = 0;
    const bool missile = AttackerStrike.mode == ATTACK_MISSILE;
    if (missile && AttackerStrike.bowflag) {
        const ItemStruct bow = ObjToItem(launcher);
        char sk[sizeof bow.skill + 1];
        memcpy(sk, bow.skill, sizeof bow.skill);
        sk[sizeof bow.skill] = 0;
        copy_bounded(AttackerStrike.skill, sizeof AttackerStrike.skill, sk);
        copy_bounded(vMSG_attack_bow, sizeof vMSG_attack_bow, ekuvaus(launcher, 1, 4));
    }
    copy_bounded(vMSG_attack_weapon, sizeof vMSG_attack_weapon, AttackerStrike.noun);
    copy_bounded(vMSG_attack_aspect, sizeof vMSG_attack_aspect, AttackerStrike.key);
    copy_bounded(vMSG_defender_bodypart, sizeof vMSG_defender_bodypart, AttackerStrike.partname);
    {
        char text[MSGBUF_SIZE];
        int ax, ay;
        body_xy(attacker, ax, ay);
        TARGET_NPC = attacker;
        copy_bounded(text, sizeof text,
                     MSG(hand == 0                    ? "UNARMED_ATTACK_DECLARATION"
                         : !missile                   ? "WEAPON_ATTACK_DECLARATION"
                         : AttackerStrike.bowflag     ? "BOW_ATTACK_DECLARATION"
                                                      : "THROW_ATTACK_DECLARATION"));
        if (defender == -1 && !See(ax, ay)) Note(MSG("CANT_SEE_ATTACKER"));
        else NPCNote(attacker, text, "");
    }
    if (missile && !missile_exchange_flight(attacker, defender)) return 1;
    Taistelu_PUOLUSTUS(defender);
    DefenderStrike = StrikeData;
    if (DefenderStrike.mode == DEF_BLOCK)
        copy_bounded(vMSG_defend_weapon, sizeof vMSG_defend_weapon, DefenderStrike.noun);
    if (DefenderStrike.mode == DEF_COUNTERSTRIKE) {
        int dh = DefenderStrike.hand, dw = dh ? getwieldedItempos(defender, dh) : 0;
        if (dw == 0) {
            dh = 0;
            dw = defender == -1 ? 4 : NaturalAttack(defender);
        }
        counterstrike_flag = 1;
        const int ok = dw == 1000 ? 0 : Taistelu_HYOKKAYS(defender, dw, dh, attacker, 0);
        counterstrike_flag = 0;
        if (ok) {
            copy_bounded(vMSG_attacker_bodypart, sizeof vMSG_attacker_bodypart, StrikeData.partname);
            copy_bounded(vMSG_defend_weapon, sizeof vMSG_defend_weapon, dh ? StrikeData.noun : "natural");
            copy_bounded(vMSG_defend_aspect, sizeof vMSG_defend_aspect, StrikeData.key);
            DefenderStrike = StrikeData;
        } else {
            DefenderStrike.mode = DEF_DODGE;
        }
        if (ok) DefenderStrike.mode = DEF_COUNTERSTRIKE;
    }
    const int aml = effective_ml(attacker, AttackerStrike);
    const char *dskill = DefenderStrike.mode == DEF_MOVEDODGE ? "MOVEDODGE" : DefenderStrike.skill;
    int dml = dskill[0] ? Skill_ML(defender, dskill) : DefenderStrike.ml;
    if (dml >= 1000) dml = 0;
    if (dml == 0 && defender != -1) dml = 35;
    DebugNotef("A-SKILL:%s(%d) D-SKILL:%s(%d)", AttackerStrike.skill, aml, dskill, dml);
    const int mod = missile ? 0 : WEAPON_MODIFIER(AttackerStrike.cls, DefenderStrike.cls);
    int abonus = mod > 0 ? mod : 0, dbonus = mod < 0 ? -mod : 0;
    tell_weapon_classes(attacker, defender, mod);
    int apen = PHYSICAL_PENALTY(attacker), dpen = PHYSICAL_PENALTY(defender);
    if (defender == -1) {
        const int n = onko_taistelutilanne(-1, 1);
        if (n > 1) {
            dpen += 10 * (n - 1);
            DebugNotef(">OUTNUMBERED BY %d NPCs", n);
        }
    }
    if (!missile && COMBATPROFILE(defender) != 0) abonus += 20;
    if (!missile && COMBATPROFILE(attacker) != 0) dbonus += 20;
    static const int aimpen[4] = {0, 10, 15, 20};
    if (!missile) {
        apen += aimpen[AttackerStrike.aimdiff & 3];
        if (AttackerStrike.hand) apen += wp_handpenalty(attacker, AttackerStrike.weapon, 0);
    }
    if (DefenderStrike.mode == DEF_COUNTERSTRIKE) dpen += aimpen[DefenderStrike.aimdiff & 3];
    // A weapon meant for two hands held in one blocks and strikes back the worse.
    if ((DefenderStrike.mode == DEF_BLOCK || DefenderStrike.mode == DEF_COUNTERSTRIKE) && DefenderStrike.hand &&
        AttackerStrike.hand) {
        const int pen = wp_handpenalty(defender, DefenderStrike.weapon, 1);
        if (pen && defender == -1) {
            snprintf(vMSG_var, sizeof vMSG_var, "%d", pen);
            Note(MSG("TWO-HANDED_PENALTY"));
        }
        dpen += pen;
    }
    int aml2 = aml, dml2 = dml;
    EML_sync(aml2, apen, dml2, dpen);
    int alevel = missile ? MISSILE_osuman_success : roll(attacker, apen, abonus, AttackerStrike.skill, aml);
    int dlevel = DefenderStrike.mode == DEF_NONE || missile ? 0 : roll(defender, dpen, dbonus, dskill, dml);
    if (missile) missile_exchange_defence(attacker, defender, DefenderStrike.mode, dlevel);
    if (onko_NPC_haltija(defender)) alevel = 0;
    if (defender >= 0 && onko_NPC_haltija(defender)) dlevel = 3;
    if (DefenderStrike.mode == DEF_NONE && alevel < 3) alevel++;
    COMBAT_attacker_dicecap = AttackerStrike.dicecap;
    COMBAT_defender_dicecap = DefenderStrike.dicecap;
    COMBAT_alevel = alevel, COMBAT_dlevel = dlevel;
    const AttackOutcome r = COMBAT_outcome =
        ATTACK_RESULT(missile ? ATTACK_MISSILE : ATTACK_MELEE, alevel, DefenderStrike.mode, dlevel);
    if (missile) missile_exchange_aftermath(defender, r.attacker_grade);
    if (!body(attacker) || !body(defender)) return 1;   // freed in the middle of the exchange
    const bool both = r.attacker_stumble && r.defender_stumble;
    if (r.defender_stumble && StumbleRoll(defender, r.defender_stumble, !both)) Aseta_Etulyontiasema(attacker);
    if (r.attacker_stumble && StumbleRoll(attacker, r.attacker_stumble, !both)) Aseta_Etulyontiasema(defender);
    if (r.defender_fumble && FumbleRoll(defender, r.defender_fumble, DefenderStrike.hand)) Aseta_Etulyontiasema(attacker);
    if (r.attacker_fumble && FumbleRoll(attacker, r.attacker_fumble, AttackerStrike.hand)) Aseta_Etulyontiasema(defender);
    if (r.contact && AttackerStrike.hand)
        WeaponDamageRoll(attacker, AttackerStrike.hand, AttackerStrike.dtype, (int)r.contact, defender,
                         DefenderStrike.hand2);
    if (r.attacker_grade > 0 && body(defender)) {
        int impact = LaskeImpact(r.attacker_grade, AttackerStrike.impact, AttackerStrike.deathblow);
        if (impact > AttackerStrike.impactcap) impact = AttackerStrike.impactcap;
        if (missile && AttackerStrike.aspect == 0 && onko_NUOLI(AttackerStrike.weapon)) AttackerStrike.dtype = 7;
        HAAVOITA(defender, AttackerStrike.dtype, impact, AttackerStrike.part, AttackerStrike.side, attacker);
    }
    if (r.defender_grade > 0 && body(attacker) && body(defender)) {
        int impact = LaskeImpact(r.defender_grade, DefenderStrike.impact, 0);
        if (impact > DefenderStrike.impactcap) impact = DefenderStrike.impactcap;
        HAAVOITA(attacker, DefenderStrike.dtype, impact, DefenderStrike.part, DefenderStrike.side, defender);
    }
    Kerro_Etulyontiasema();
    if (creature(defender) && Cre[defender].mode != CM_CARCASS && !(missile && missile_skip_morale)) {
        NPC_moraalitarkistus_haavoitus(defender, attacker, 1);
        RYHMA_moraalitarkistus(defender, attacker);
        NPC_Kuntotarkistus(defender);
    }
    return 1;
}

// ---- the player's combat commands ----

int MELEEHYOKKAYS_pelaaja(int command) {
    int weapon = command, hand = 0;
    if (command == 1 || command == 2) {
        const int pos = getwieldedItempos(-1, command);
        if (pos == 0) {
            Note(MSG("NOT_WIELDED"));
            return 0;
        }
        const ItemStruct it = ObjToItem(pos);
        if (onko_KILPI(it) && onko_taistelutilanne(-1, 0) == 0) {
            ShieldMode();   // outside a fight the shield's key sets how it is held
            return 0;
        }
        if (it.subtype == ST_BOW) {
            Note("!Don't strike with a bow, but use [t]hrow command and select an arrow to shoot.");
            return 0;
        }
        if (it.subtype == ST_ARROW) {
            Note("!Don't strike with an arrow, but use [t]hrow command to shoot it.");
            return 0;
        }
        if (it.type != IT_WEAPON || !melee_item(it)) {
            Note(MSG("BAD_MELEE_WEAPON"));
            return 0;
        }
        const int pen = wp_handpenalty(-1, it, 0);
        if (pen > 0) {
            snprintf(vMSG_var, sizeof vMSG_var, "%d", pen);
            Note(MSG("TWO-HANDED_PENALTY"));
        }
        weapon = pos;
        hand = command;
    } else if (command == 4 && wieldcount(-1) >= 2) {
        Note(NOTE_HANDS_FULL_NO_PUNCH);
        return 0;
    }
    // A kick may go where she cannot see: behind her, with her heel.
    const int picked = command == 3 ? ValitseLokaatio(PICK_DIRECTION | PICK_UNSEEN, "where to kick")
                                    : OtaKohta_Suunta("where is your enemy");
    if (!picked) return 0;
    if (command == 3 && kick_heel(GeneralX, GeneralY)) return TurnUsed = 1;
    const int c = cre_xy_select(GeneralX, GeneralY);
    if (c == -1000) return 0;
    if (c < 0 || c >= CRE_COUNT) {
        if (command == 3) return TurnUsed = kick_no_creature(GeneralX, GeneralY);
        Note(NOTE_NOBODY_TO_ATTACK);
        return 0;
    }
    if (!See(GeneralX, GeneralY)) {
        Note("!You see no creature there.");
        return 0;
    }
    if (Cre[c].korkeus >= 1) {
        char line[160];
        snprintf(line, sizeof line, "!You can't reach to hit the %s! It's high above your head.", monnam(c, 0));
        Note(line);
        return 0;
    }
    TurnUsed = 1;
    Taistelu_TAPAHTUMA(-1, weapon, hand, c, 0);
    return TurnUsed;
}

void combat_command(int key) {
    const int saved[4] = {COMBATREPEAT_ATTACKCOMMAND, COMBATREPEAT_ASPECT, COMBATREPEAT_ZONE, COMBATREPEAT_DEATHBLOW};
    combat_repeat_option = 0;
    if (key == '3') {
        if (!COMBATREPEAT_ATTACKCOMMAND) return;
        combat_repeat_option = 1;
        key = COMBATREPEAT_ATTACKCOMMAND;
    } else {
        COMBATREPEAT_ATTACKCOMMAND = key;
    }
    TurnUsed = 0;
    switch (key) {
    case '1': MELEEHYOKKAYS_pelaaja(1); break;
    case '2': MELEEHYOKKAYS_pelaaja(2); break;
    case '0': MELEEHYOKKAYS_pelaaja(3); break;
    case '9': MELEEHYOKKAYS_pelaaja(4); break;
    case 't': Heita(); break;
    default: break;
    }
    combat_repeat_option = 0;
    if (!TurnUsed) {
        COMBATREPEAT_ATTACKCOMMAND = saved[0], COMBATREPEAT_ASPECT = saved[1];
        COMBATREPEAT_ZONE = saved[2], COMBATREPEAT_DEATHBLOW = saved[3];
    }
}

// What a weapon's one-hand penalty costs its holder now.
int wp_handpenalty(int creature, const ItemStruct &item, int verbose) {
    const int pen = onehanded_pen(item);
    if (pen == 0) return 0;
    if (creature != CRE_PLAYER && (creature < 0 || creature >= CRE_COUNT)) return pen;
    if (wieldcount(creature) > 1) return pen;
    const int first = (int)INVALIDITEETTI(creature, 2, 1), second = (int)INVALIDITEETTI(creature, 2, 2);
    if (first < 1 && second < 1) return 0;   // held in both hands
    if (verbose && creature == CRE_PLAYER) Note(MSG(first >= 1 ? "CANT_WIELD_INJURED:1" : "CANT_WIELD_INJURED:2"));
    return pen;
}
