// src/core/repsummary.cpp -- the listener's view of the player that the village rules fill and the
// texts read; how well a person or a village knows her and the words a person addresses her with.
#include "core/repsummary.h"

#include <cstring>

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "core/culture.h"
#include "core/player.h"
#include "core/tekstit.h"
#include "core/tekstit_records.h"
#include "core/vilrecord.h"

RepSummary TARGET_REPSUMMARY;

// ---- familiarity ----

uint32_t basefam(uint32_t visits, uint32_t talks) {
    if (visits < 2) return 0;
    if (visits < 5) return 1;
    if (visits < 10) return 2;
    if (visits < 20) return talks >= 10 ? 3 : 2;
    if (visits < 60) return talks >= 40 ? 4 : 3;
    if (visits < 80) return talks >= 60 ? 5 : 4;
    return talks >= 80 ? 6 : 5;
}

static const CreatureStruct *record_of(int n) { return n >= 0 && n < CRE_COUNT ? &Cre[n] : nullptr; }

// A friend of the player who bears her no grudge.
static bool befriended(const CreatureStruct &c) { return c.friendship && !c.foeship; }

uint32_t SocFam(int n, const VillageStruct *v) {
    uint32_t f;
    if (v) {
        f = v->questhelp ? v->questhelp + 3u : basefam(v->visits, v->talks);
    } else {
        if (n == -1000) return 0;
        const CreatureStruct *c = record_of(n);
        f = c ? basefam(c->visits, c->visits) : 0;
    }
    if (n == -1000) return f;
    const CreatureStruct *c = record_of(n);
    if (!c) return f;
    if (onko_NPC_kumppani(n) || befriended(*c)) return 5;
    return f;
}

// ---- forms of address ----

// The village knows the player's name once she told it to one of its people.
static bool village_knows_name(const VillageStruct &v) { return (v.knowledge & 2) != 0; }

static int player_culture() { return Plr.culture; }

// The player's name as people say it: without the blank an empty second name leaves behind.
static const char *player_name() {
    char *name = plrnam();
    size_t n = strlen(name);
    while (n > 0 && name[n - 1] == ' ') name[--n] = 0;
    return name;
}

char *plraddress(int n, int flags) {
    char *out = sbuf();
    const bool female = texts_plr_female() != 0;
    const char *tribe = female ? "tribeswoman" : "tribesman";
    const char *culture = CULTURE_ADJECTIVE[culture_row(player_culture())];
    CreatureStruct *c = n >= 0 && n < CRE_COUNT ? &Cre[n] : nullptr;
    if (!c) {
        bprintf(out, SBUF_SIZE, "%s", tribe);
        return out;
    }
    const bool disliked = c->foeship || (flags & 1);
    const bool same = c->culture == player_culture();
    uint32_t f;
    if (is_socmember(n) && GetGlobVil((int)c->community)) {
        f = SocFam(n, &globVil);
        if (f > 1 && village_knows_name(globVil)) c->namebits |= NAMEBIT_KNOWS_PLAYER;
    } else {
        f = SocFam(n, nullptr);
    }
    // She told the person her name, or the person learnt it from the village.
    const bool known = (c->namebits & NAMEBIT_KNOWS_PLAYER) != 0 || (c->greetbits & MEET_INTRODUCED) != 0;
    if (f == 0) {
        if (disliked) bprintf(out, SBUF_SIZE, "annoying stranger");
        else if (same) bprintf(out, SBUF_SIZE, "unfamiliar %s", tribe);
        else bprintf(out, SBUF_SIZE, "stranger");
    } else if (f == 1) {
        if (disliked) bprintf(out, SBUF_SIZE, "disreputable traveller");
        else if (known) bprintf(out, SBUF_SIZE, "%s", same ? tribe : "traveller");
        else if (same) bprintf(out, SBUF_SIZE, "travelling %s", tribe);
        else bprintf(out, SBUF_SIZE, "%s traveller", culture);
    } else if (f == 2) {
        if (disliked) bprintf(out, SBUF_SIZE, "frequent nuisance");
        else if (same) bprintf(out, SBUF_SIZE, "fellow %s", tribe);
        else if (known) bprintf(out, SBUF_SIZE, "frequent guest");
        else bprintf(out, SBUF_SIZE, "%s guest", culture);
    } else if (f == 3) {
        if (disliked) bprintf(out, SBUF_SIZE, "familiar nuisance");
        else if (same) bprintf(out, SBUF_SIZE, "fellow %s", tribe);
        else bprintf(out, SBUF_SIZE, "familiar visitor");
    } else if (same) {
        bprintf(out, SBUF_SIZE, "%s", disliked ? "nuisance" : "fellow");
    } else {
        bprintf(out, SBUF_SIZE, disliked ? "%s nuisance" : "%s fellow", culture);
    }
    if (known && (f >= 3 || c->quest)) {
        // one who knows her well calls her by name; a stranger's enemy by where she comes from
        if (disliked && !same) bprintf(out, SBUF_SIZE, "%s %s", culture, female ? "woman" : "man");
        else bprintf(out, SBUF_SIZE, "%s", player_name());
    }
    if (befriended(*c) && !disliked) {
        const int pick = random(3);
        if (known) {
            const char *name = player_name();
            if (pick == 0) bprintf(out, SBUF_SIZE, "%s my friend", name);
            else if (pick == 1) bprintf(out, SBUF_SIZE, "%s", name);
            else bprintf(out, SBUF_SIZE, "good %s", name);
        } else if (same) {
            bprintf(out, SBUF_SIZE, "%s", pick == 0 ? "my friend" : pick == 1 ? "friend" : "dear fellow");
        } else {
            bprintf(out, SBUF_SIZE, "%s friend", culture);
        }
    }
    return out;
}
