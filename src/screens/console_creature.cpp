// src/screens/console_creature.cpp -- the console's creature questionnaire: one picked creature, a
// row of yes/no questions, each "yes" acting on it; most end the questions.
#include "screens/console.h"

#include "base/ui.h"
#include "core/notes.h"
#include "core/records.h"
#include "activities/magic.h"
#include "creatures/animals.h"
#include "creatures/breaches.h"
#include "creatures/creatures.h"
#include "creatures/decisions.h"
#include "creatures/life.h"
#include "creatures/perception.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "society/reputation.h"
#include "society/village.h"
#include "creatures/melee.h"
#include "base/ownlib.h"

#include <cstring>

enum { SF_COMPANION = 256, SF_FOREST_COVER_FLAG = 128, SF_COMPANION_STATE = 262144 };

static void stop_activity(int n) { Keskeyta_Puuha(n, 0); }

// Companionship on and off for a person; a pet becomes wild and any other animal the player's.
static void toggle_companion(int n) {
    CreatureStruct &c = Cre[n];
    if (c.kind != 1) {
        if (onko_NPC_kesyelain(n)) {
            c.owner = 0;
            Note("wild!");
        } else {
            c.owner = -1;
            Note("Yours!");
        }
        if (c.owner == -1) Note("Player owned!");
        return;
    }
    if (onko_NPC_kumppani(n)) {
        c.stateflags &= ~(uint32_t)(SF_COMPANION | SF_COMPANION_STATE);
        return;
    }
    c.stateflags |= SF_COMPANION;
    if (KyllaEi("Escortee?")) {
        c.escortstate = 2;
        make_NPC_escortee(n, 3);
    } else {
        c.stateflags &= ~(uint32_t)SF_COMPANION;
    }
}

void creature_questionnaire(int n) {
    if (n < 0 || n >= CRE_COUNT) return;
    CreatureStruct &c = Cre[n];
    console_say("onko_taistelutilanne: %d", onko_taistelutilanne(n, 0));
    if (KyllaEi("burden")) return setnpc_magic_burden(n);
    if (KyllaEi("flush?")) flush_socmember(n);
    if (KyllaEi("aantele?")) Elainaanet(n);
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
    if (KyllaEi("pakene?")) {
        NPC_Pakene(n, CRE_PLAYER, 1);
        return;
    }
    if (KyllaEi("cubgenerate")) console_say("%d", CubGenerate(n, 1));
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
    if (KyllaEi("yhteisoelain?")) make_animal_socowned(n, 0);
    if (KyllaEi("kumppanuus toggle?")) toggle_companion(n);
}
