// src/society/reputation.cpp -- how a village judges the player and how its people address her.
#include "society/reputation.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "core/notes.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/tekstit_records.h"
#include "creatures/breaches.h"
#include "core/creatures.h"
#include "creatures/predicates.h"
#include "society/smalltalk.h"
#include "maps/culture.h"

// A friend of the player who bears her no grudge.
static bool befriended(const CreatureStruct &c) { return c.friendship && !c.foeship; }

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
