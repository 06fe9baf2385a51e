// src/screens/console_creature.cpp -- the console's creature questionnaire: one picked creature, a
// row of yes/no questions, each "yes" acting on it; most end the questions.
#include "screens/console.h"

#include "base/ui.h"
#include "core/notes.h"
#include "core/records.h"
#include "activities/magic.h"
#include "creatures/animals.h"
#include "creatures/breaches.h"
#include "core/creatures.h"
#include "creatures/decisions.h"
#include "creatures/life.h"
#include "creatures/perception.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "society/reputation.h"
#include "society/village.h"
#include "creatures/melee.h"
#include "base/ownlib.h"
#include "creatures/crefile.h"
#include "creatures/people.h"
#include "creatures/zoomservices.h"
#include "society/smalltalk.h"

#include <cstring>

enum { SF_FOREST_COVER_FLAG = 128 };
enum { REQUEST_DRESS = 1 };        // request bits: put on the clothes it carries
enum { FOLLOW_BIT = 1, FOLLOW_CLEARED_ON_NO = 8 };   // the follow-flag byte the console flips

static void stop_activity(int n) { Keskeyta_Puuha(n, 0); }

// Companionship on and off for a person; a pet becomes wild and any other animal the player's.
static void toggle_companion(int n) {
    CreatureStruct &c = Cre[n];
    if (c.kind != 1) {
        if (onko_NPC_kesyelain(n)) {
            c.owner = 0;
            Note("wild!");
        } else {
            set_CrePetAndMaster(n, CRE_PLAYER);   // hers, and it obeys her
            Note("Yours!");
        }
        if (c.owner == -1) Note("Player owned!");
        return;
    }
    if (onko_NPC_kumppani(n)) {
        c.partyflags &= ~(uint32_t)PF_COMPANION;
        set_compword(n, compword(n) & ~(uint32_t)(CF_ESCORTEE | CF_OWING));
        return;
    }
    c.partyflags |= PF_COMPANION;
    c.compfigure = 3;
    if (KyllaEi("Escortee?")) {
        c.escortstate = 2;
        c.escortdest |= 3;
        make_NPC_escortee(n, 3);
    } else {
        set_compword(n, compword(n) & ~(uint32_t)CF_ESCORTEE);
    }
}

// A wage owed on parting, set up to be tried at once: a companion whose things are its own.
static void comp_debt_try(int n) {
    CreatureStruct &c = Cre[n];
    makepersonal_NPCitems(n, 1);
    c.compdebt = 50.0f;
    c.compfigure = 2;
    c.hirevalue = (float)NPC_inventoryhinta(n);
    c.partyflags |= PF_COMPANION;
    makepersonal_NPCitems(n, 1);
}

// Every way the person addresses the player as the familiarity runs from 0 to 99, each change
// shown once; first knowing her name, then not. What the loop sets is put back afterwards.
static void address_words(int n) {
    CreatureStruct &c = Cre[n];
    const bool village = is_socmember(n) && GetGlobVil((int)c.community);
    const VillageStruct keep_vil = globVil;
    const uint32_t keep_visits = c.visits;
    const uint8_t keep_names = c.namebits, keep_greet = c.greetbits;
    for (int pass = 0; pass < 2; pass++) {
        if (pass == 0) c.namebits |= NAMEBIT_KNOWS_PLAYER;
        else c.namebits &= (uint8_t)~NAMEBIT_KNOWS_PLAYER, c.greetbits &= (uint8_t)~MEET_INTRODUCED;
        char last[410] = "";
        for (int fam = 0; fam < 100; fam++) {
            if (village) {
                globVil.visits = globVil.talks = (uint16_t)fam;
                globVil.questhelp = 0;
            } else {
                c.visits = (uint32_t)fam;
            }
            char normal[200], mock[200], both[410];
            copy_bounded(normal, sizeof normal, plraddress(n, 0));
            copy_bounded(mock, sizeof mock, plraddress(n, 1));
            snprintf(both, sizeof both, "%s / %s", normal, mock);
            if (!strcmp(both, last)) continue;
            copy_bounded(last, sizeof last, both);
            if (pass == 0) Note(both);
            else SNote1(normal, ":", mock);
            if (pass == 1) c.namebits &= (uint8_t)~NAMEBIT_KNOWS_PLAYER;   // the village's knowledge sets it again
        }
    }
    if (village) globVil = keep_vil;
    c.visits = keep_visits;
    c.namebits = keep_names;
    c.greetbits = keep_greet;
}

// The follow-flag byte's bit 1 flipped ("set" / "clred"); clearing it clears the second byte too.
static void follow_toggle(int n) {
    uint8_t &b = cre_control(n);
    b ^= FOLLOW_BIT;
    if (b & FOLLOW_BIT) {
        Note("set");
    } else {
        cre_control2(n) = 0;
        Note("clred");
    }
}

void creature_questionnaire(int n) {
    if (n < 0 || n >= CRE_COUNT || Cre[n].kind == 0) return;
    CreatureStruct &c = Cre[n];
    console_say("onko_taistelutilanne: %d", onko_taistelutilanne(n, 0));
    if (KyllaEi("burden")) return setnpc_magic_burden(n);
    if (KyllaEi("flush?")) flush_socmember(n);
    if (KyllaEi("aantele?")) Elainaanet(n);
    if (KyllaEi("break a leg?")) return CreMod_break_a_leg(n);
    if (KyllaEi("Comp debt try?")) return comp_debt_try(n);
    if (KyllaEi("Varasta?")) {
        rob_items(CRE_PLAYER, n, 0);
        return;
    }
    if (KyllaEi("Saalista?")) {
        stop_activity(n);
        ravinnonhankinta(n, -1, 0);
        return;
    }
    if (KyllaEi("Metsasta?")) {
        stop_activity(n);
        console_say("Metsasta %d", n);
        c.Paapuuha = 69;
        return;
    }
    if (KyllaEi("Paista lihaa?")) {
        stop_activity(n);
        Lisaa_Puuha(n, 110, 150);
        Lisaa_Puuha(n, 130, 150);
        return;
    }
    if (KyllaEi("Rosmoa?")) {
        stop_activity(n);
        Lisaa_Puuha(n, 150, 50);
        return;
    }
    if (KyllaEi("plridentity string")) {
        char normal[200];
        copy_bounded(normal, sizeof normal, plraddress(n, 0));
        console_say("normal: %s - mock: %s", normal, plraddress(n, 1));
    }
    if (KyllaEi("plraddress")) return address_words(n);
    if (KyllaEi("pakene?")) {
        NPC_Pakene(n, CRE_PLAYER, 1);
        return;
    }
    if (KyllaEi("pukeudu?")) {
        c.requestbits |= REQUEST_DRESS;
        return;
    }
    if (KyllaEi("cubgenerate")) console_say("%d", CubGenerate(n, 1));
    if (KyllaEi("Poistu alueelta?")) {
        c.memberbits |= MB_LEAVE;
        return;
    }
    if (KyllaEi("hyokkaa?")) {
        const int t = console_pick_creature("");
        if (t >= 0) NPC_hyokkaa(n, t, 0);
        return;
    }
    if (KyllaEi("fcover")) {
        c.stateflags |= SF_FOREST_COVER_FLAG;
        return;
    }
    if (KyllaEi("rauhoitu?")) {
        Taistelu_OHI(n);
        rauhoita_NPCn_lemmikit(n);
        return;
    }
    if (KyllaEi("syo?")) {
        c.food = 0;
        syonti(n, 1);
        return;
    }
    if (KyllaEi("friendship?")) {
        if (c.friendship < 255) c.friendship++;
    } else if (KyllaEi("foeship?")) {
        set_NPC_foeship(n, 1);
    }
    if (KyllaEi("Faint?")) {
        c.unconscious = 4;
        return;
    }
    if (KyllaEi("bfdom follow")) follow_toggle(n);
    else cre_control(n) &= (uint8_t)~FOLLOW_CLEARED_ON_NO;
    if (KyllaEi("yhteisoelain?")) make_animal_socowned(n, 0);
    if (KyllaEi("kumppanuus toggle?")) toggle_companion(n);
}
