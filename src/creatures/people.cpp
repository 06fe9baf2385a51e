// src/creatures/people.cpp -- the life of people (see people.h).
#include "creatures/people.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/worldservices.h"
#include "core/datafunc.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/player.h"
#include "creatures/animals.h"
#include "creatures/breaches.h"
#include "core/creatures.h"
#include "creatures/cremove.h"
#include "creatures/lifeask.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "core/worldservices.h"
#include "creatures/zoomservices.h"
#include "items/items.h"
#include "items/ownership.h"
#include "items/wearing.h"
#include "maps/area.h"
#include "creatures/crestep.h"
#include "maps/facing.h"
#include "maps/kulttuuri.h"
#include "maps/maps.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/sight.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "core/tekstit.h"
#include "core/vilrecord.h"
#include "maps/vilplace.h"

static void dbg(const char *text) {
    if (DEBUG_INFO) DebugNote(text);
}

static CreatureStruct *person(int n) { return ask_valid(n) ? &Cre[n] : nullptr; }

void set_compword(int n, uint32_t w) {
    if (ask_valid(n)) memcpy(Cre[n].compflags, &w, sizeof w);
}

static uint32_t spare_u32(CreatureStruct &c, int at) {
    uint32_t v;
    memcpy(&v, &c.spare2[at], sizeof v);
    return v;
}
static void set_spare_u32(CreatureStruct &c, int at, uint32_t v) { memcpy(&c.spare2[at], &v, sizeof v); }

// ---- speaking and shouting ----

void (*people_speech_log)(int n, const char *key, const char *text) = nullptr;

static int speak(int n, const char *key, const char *text) {
    if (people_speech_log) {
        people_speech_log(n, key, text ? text : "");
        return 1;
    }
    copy_bounded(vMSG_var, sizeof vMSG_var, text ? text : "");
    TARGET_NPC = n;
    char line[MSGBUF_SIZE];
    copy_bounded(vMSG_s, sizeof vMSG_s, text ? text : "");
    copy_bounded(line, sizeof line, MSG(key));
    return NPCNote(n, line, "");
}

int Olento_Puhuu(int n, const char *text) {
    if (n != -1 && !ask_valid(n)) return 0;
    const int shown = speak(n, "NPC_SAYS", text);
    if (n >= 0 && Cre[n].kind == 50) SPEND_INTERRUPT = 4;
    return shown;
}

int Olento_Huutaa(int n, const char *text) {
    if (n != -1 && !ask_valid(n)) return 0;
    const int shown = speak(n, "NPC_SHOUTS", text);
    if (n >= 0 && is_socmember(n)) {
        const uint32_t soc = Cre[n].community;
        for (int m = 0; m < CRE_COUNT; m++)
            if (m != n && Cre[m].kind != CK_NONE && Cre[m].mode == CM_ASLEEP && Cre[m].community == soc && is_socmember(m))
                HerataNPC(m);
    }
    return shown;
}

void noisy_agree(int n) { cre_say(n, "SOUND_AGREEMENT"); }
void noisy_disagree(int n) {
    if (is_human(n)) Olento_Puhuu(n, "I won't do that!");
    else cre_say(n, "SOUND_DISAGREEMENT");
}
void wounded_disagree(int n) {
    if (is_human(n)) Olento_Puhuu(n, "I won't do that! See, I've hurt myself enough already.");
    else cre_say(n, "SOUND_WOUNDED_DISAGREEMENT");
}
void response_happy(int n) { cre_say(n, "RESPONSE_HAPPY"); }
void response_confused(int n) { cre_say(n, "RESPONSE_CONFUSED"); }

// ---- greeting ----

const char *chats_TimeBasedGreeting(int n) {
    const int h = Plr.hour;
    const char *key = h >= 5 && h <= 9 ? "GREET_MORNING" : h >= 10 && h <= 21 ? "GREET" : "GREET_NIGHT";
    if (onko_NPC_kumppani(n)) key = "GREET";
    TARGET_NPC = n;
    return CHATMSG(key);
}

const char *chats_MeetGapRemark(int n, int days) {
    if (onko_NPC_kumppani(n)) return "";
    TARGET_NPC = n;
    if (days > 30) return CHATMSG("GREET_LONGER_TIME");
    if (days > 4) return CHATMSG("GREET_LONG_TIME");
    return "";
}

int socmember_greets(int n) {
    CreatureStruct *c = person(n);
    if (!c || (c->greetbits & GREET_DONE) || cre_spare(*c, SPARE_QUIET)) return 0;
    const int soc = (int)c->community;
    if (!GetGlobVil(soc)) return 0;
    if ((SocFam(n, nullptr) < 3 && c->familiarity == 0) || globVil.visits < 2 || globVil.greetings > 3) {
        c->greetbits |= GREET_DONE;
        return 0;
    }
    int x, y;
    if (!creature_square(n, x, y) || !See(x, y) || koordinaattien_vali(x, y, PlayerX, PlayerY) > 8) return 0;
    c->greetbits |= GREET_DONE;
    globVil.greetings++;
    SaveGlobVil();
    char text[MSGBUF_SIZE];
    copy_bounded(text, sizeof text, chats_MeetGapRemark(n, globVil.visitgap));
    if (!text[0] || random(2) == 0) copy_bounded(text, sizeof text, chats_TimeBasedGreeting(n));
    if (!text[0]) return 0;
    Olento_Puhuu(n, text);
    return 1;
}

// ---- familiarity ----


// ---- weapons ----

static bool slot_is_stock(const CreatureStruct &c, int s) { return (c.packbits[s] & PACK_STOCK) != 0; }

int NPC_riittavasti_aseita(int n, int k) {
    if (!ask_valid(n)) return 0;
    const CreatureStruct &c = Cre[n];
    int weapons = c.wielded ? 1 : 0;
    for (int s = 0; s < CRE_PACK; s++)
        if (c.pack[s] > 0 && !slot_is_stock(c, s) && ObjToItem(c.pack[s]).type == IT_WEAPON) weapons++;
    return weapons >= k;
}

// ---- companions ----

// Below a quarter of its store hungry, with nothing left starving, else neither.
static uint32_t hunger_marks(int n, uint32_t w) {
    const CreatureStruct &c = Cre[n];
    if (c.energy >= maxenergiavaranto(n) / 4) return w & ~(CF_HUNGRY | CF_STARVING);
    if (c.energy > 0) return (w | CF_HUNGRY) & ~CF_STARVING;
    return (w | CF_STARVING) & ~CF_HUNGRY;
}

void pet_hunger(int n) {
    if (ask_valid(n) && onko_NPC_kesyelain(n)) set_compword(n, hunger_marks(n, compword(n)));
}

int comp_partymorale(int n) {
    if (!ask_valid(n) || !onko_NPC_kumppani(n)) return 0;
    syonti(n, 0);
    CreatureStruct &c = Cre[n];
    uint32_t w = hunger_marks(n, compword(n));
    if (c.compstate < 4) {
        w |= CF_UNHAPPY;
    } else {
        w &= ~CF_UNHAPPY;
        if (!(w & (CF_HUNGRY | CF_STARVING))) {
            set_compword(n, w);
            return 0;
        }
    }
    w |= CF_WANTSTALK;
    set_compword(n, w);
    return 1;
}

int comp_tries_talking(int n) {
    int x, y;
    if (!ask_valid(n) || bigmap() || PLAYER_SLEEPING || SPENDING == 1 || !creature_square(n, x, y)) return 0;
    if (koordinaattien_vali(x, y, PlayerX, PlayerY) > 3) return 0;
    kaanna_NPC_kohti(n, PlayerX, PlayerY);
    cre_say(n, "NPC_TALKS");
    Pause();
    world_services.talk_prepare(n, 4);
    world_services.talk_hold(8);
    set_compword(n, compword(n) & ~CF_WANTSTALK);
    return 1;
}

int comp_days_left(int n) {
    if (!ask_valid(n)) return 0;
    CreatureStruct &c = Cre[n];
    if (!(compword(n) & CF_ESCORTEE)) return cre_spare(c, SPARE_PREPAID);
    // An escortee's term is its quest's: the due day is its last, and one without a due day has no end.
    if (c.questday == 0) return 255;
    const long long left = (long long)c.questday + 1 - (long long)Plr.daynumber;
    return left < 0 ? 0 : left > 255 ? 255 : (int)left;
}

void comp_count_day(int n) {
    if (!ask_valid(n)) return;
    CreatureStruct &c = Cre[n];
    if (cre_spare(c, SPARE_PREPAID) > 0) cre_spare(c, SPARE_PREPAID)--;
    if (cre_spare(c, SPARE_SERVICE) < 255) cre_spare(c, SPARE_SERVICE)++;
    // The state byte counts the days left of the term: in its last three the companion is unhappy and
    // tells how many remain.
    c.compstate = (uint8_t)comp_days_left(n);
}

static int stopped_cell(CreatureStruct &c, int &wx, int &wy) {
    const uint32_t v = spare_u32(c, SPARE_STOPPED);
    wx = (int)(v & 0xffff);
    wy = (int)(v >> 16);
    return v != 0;
}

int follows_nobody(int n) {
    if (n < 0 || !ask_valid(n)) return 1;
    const CreatureStruct &c = Cre[n];
    if (c.kind == CK_HUMAN) return 0;   // a person's answer asks whether she is a companion
    // the leash (role 9) and a tame one's owner (the player, -1) read straight from the record
    if (c.role == 9 || c.owner == CRE_PLAYER || c.owner > 0) return 0;
    return !(cre_control(n) & CTRL_FOLLOW) && !(cre_control2(n) & CTRL2_LED);
}

int come_along(int n, int mode) {
    if (n < 0 || !ask_valid(n)) return 0;
    CreatureStruct &c = Cre[n];
    int leader = -1, dist, follows, bound = 0;
    if (c.kind == CK_HUMAN) {
        if (!onko_NPC_kumppani(n)) return 0;
        dist = 1;
        follows = 1;
    } else {
        const bool freed = (c.stateflags & SF_COVER_FREED) != 0;
        const bool led = onko_NPC_lieassa(n) || (cre_control2(n) & CTRL2_LED) || freed;
        if (!onko_NPC_kesyelain(n) && c.owner <= 0 && !(cre_control(n) & CTRL_FOLLOW) && !led) return 0;
        const int owner = freed ? CRE_NONE : NPCn_omistajan_sotu(n);
        if (owner != CRE_NONE && !onko_NPC_kesyelain(n)) {
            leader = cre_of_socid((unsigned)owner);
            if (leader < 0) return 0;
        }
        dist = 5;
        follows = onko_NPC_kesyelain(n) || led || (cre_control(n) & CTRL_FOLLOW);
        if (c.speciescode == SPECIES_DOG && onko_NPC_kesyelain(n)) c.partyflags |= PF_HEEL;
    }
    const uint32_t w = compword(n);
    // An escortee that has arrived follows only while she stands in the world cell where it stopped.
    if (c.kind == CK_HUMAN && (w & CF_ATDEST)) {
        int sx, sy;
        if (stopped_cell(c, sx, sy) && (sx != IsoX() || sy != IsoY())) return 0;
    }
    if (c.partyflags & PF_HEEL) {
        dist = 1 + random(5);
        follows = 1;
    }
    if (c.partyflags & PF_WAITING) {
        if (Plr.minutes < c.follow[0]) return 0;
        c.partyflags &= ~PF_WAITING;
        c.follow[0] = 0;
    }
    if (c.partyflags & PF_CLOSE) dist = 1;
    int lx = PlayerX, ly = PlayerY;
    if (leader < 0) {
        if (onko_NPC_lieassa(n) || (cre_control2(n) & CTRL2_LED)) {
            dist = 1;
            bound = 1;
        }
        int x, y;
        if (creature_square(n, x, y) && terrain_flag(get_mapchar(x, y), TF_WATER) && is_human(n) == 0 && bound)
            dist = 0;
        if (bigmap()) dist = 0;
    } else if (!creature_square(leader, lx, ly)) {
        return 0;
    }
    if (!follows) return 0;
    int x, y;
    if (!creature_square(n, x, y)) return 0;
    if (koordinaattien_vali(x, y, lx, ly) > dist) {
        if (mode == 1) {
            askel_kohti_paikkaa(n, lx, ly);
            return 1;
        }
        if (mode == 2) return bound;
        return 1;
    }
    c.partyflags &= ~PF_CLOSE;
    return mode == 0 ? 1 : 0;
}

// ---- a companion's wage ----

CompanionWage companion_wage(int n) {
    CompanionWage wage = {false, 0.0f, 0.0f};
    if (!ask_valid(n)) return wage;
    CreatureStruct &c = Cre[n];
    if (compword(n) & CF_ESCORTEE) return wage;
    const int served = cre_spare(c, SPARE_SERVICE);
    float expected = std::isfinite(c.hirevalue) ? c.hirevalue : 0.0f;
    float carried = (float)NPC_inventoryhinta(n);
    if (cre_spare(c, SPARE_PREPAID) == 0) {
        if (served > 0) expected += (float)(WAGE_PER_DAY * (served - 1));
        carried += 4.0f;
    } else {
        expected += (float)(WAGE_PER_DAY * served);
    }
    wage.reckoned = true;
    wage.expected = expected;
    wage.carried = carried;
    return wage;
}

int companion_keep_debt(int n, const CompanionWage &wage) {
    CreatureStruct &c = Cre[n];
    c.compdebt = wage.expected - wage.carried;
    return (int)ceilf(c.compdebt);
}

int companion_owed(int n) {
    const CompanionWage wage = companion_wage(n);
    if (!wage.reckoned || wage.carried >= wage.expected) return 0;
    return companion_keep_debt(n, wage);
}

void unjoin_npc(int n) {
    if (!ask_valid(n)) return;
    CreatureStruct &c = Cre[n];
    c.partyflags &= ~PF_COMPANION;
    c.memberbits |= MB_GOHOME;
    c.leftday = Plr.daynumber;
    makepersonal_NPCitems(n, 0);
    uint32_t w = compword(n) | CF_LEFTPARTY;
    if (companion_owed(n) == 0) {
        c.compdebt = c.hirevalue = 0;
        cre_spare(c, SPARE_PREPAID) = 0;
        w &= ~CF_OWING;
    } else {
        w |= CF_OWING;
    }
    w &= ~(CF_ESCORTEE | CF_ATDEST);
    set_compword(n, w);
}

void liitayhteisoon(int n, unsigned soc) {
    if (!ask_valid(n) || !is_human(n)) return;
    CreatureStruct &c = Cre[n];
    if (soc) {
        c.community = soc;
        return;
    }
    if (c.community) return;
    const unsigned id = crID();
    for (int m = 0; m < CRE_COUNT; m++)
        if (m != n && Cre[m].kind == CK_HUMAN && Cre[m].mode != CM_CARCASS && ovatko_NPCt_yhteisossa(n, m)) Cre[m].community = id;
    c.community = id;
}

int EscorteeAtDest(int n, int x, int y) {
    if (!ask_valid(n) || bigmap()) return 0;
    CreatureStruct &c = Cre[n];
    int wx, wy;
    square_worldcell(x, y, &wx, &wy);
    if ((c.escortdest & 1) && (!on_kyla(wx, wy, 1) || get_alltime_kulttuuri(wx, wy) == 11)) return 0;
    if ((c.escortdest & 2) && get_alltime_kulttuuri(wx, wy) != c.escortculture) return 0;
    if (!(c.escortdest & 3)) return 0;
    c.stateflags |= SF_ARRIVED;
    return 1;
}

int PUUHASE_pukeudu(int n) {
    CreatureStruct *c = person(n);
    if (!c) return 0;
    int slot = -1;
    for (int i = 0; i < CRE_WORN && slot < 0; i++)
        if (c->worn[i] == 0) slot = i;
    if (slot < 0) return 0;
    for (int k = 0; k < CRE_PACK; k++) {
        const int pos = c->pack[k];
        if (pos == 0 || c->packcount[k] == 0 || (c->packbits[k] & 1)) continue;
        if (ObjToItem(pos).type != IT_ARMOUR || alreadyworn(n, pos, 0)) continue;
        TARGET_ITEM = pos;
        cre_say(n, "NPC_WEAR_OK");
        c->worn[slot] = pos;
        if (--c->packcount[k] == 0) {
            c->pack[k] = 0;
            c->packbits[k] = 0;
        }
        return 1;
    }
    return 0;
}

// ---- one tick of a person ----

static void roam(int n) { Lisaa_Puuha(n, 1, 15 + random(15)); }

static void member_choice(int n) {
    if (random(20) == 0 && Lisaa_Puuha(n, 120, 100) >= 0) return;
    roam(n);
}

// The village duties of an awake member: breaches, greeting, burglary and collection, shadowing.
static int village_duties(int dp, int n) {
    CreatureStruct &c = Cre[n];
    const int soc = (int)c.community;
    if (vio_act(n)) return 1;
    if (c.perception) {
        meet_soc(soc);
        if (!(c.greetbits & GREET_DONE)) socmember_greets(n);
    }
    // Whether this one is the nearest member is asked once: handing out roles and reading the village
    // file move nobody, and it is asked afresh after anything that may have.
    int nearest = -1;
    auto nearest_member = [&] {
        if (nearest == -1) nearest = socnearestnpc_is(soc, n);
        return nearest == 1;
    };
    if (onko_NPC_vapaa_reagoimaan(n) &&
        (has_socrole_susp(n, 1) || (is_socmember(n) && nearest_member() && !onko_NPC_lapsi(n)))) {
        nearest = -1;
        if (perinta_taso(soc) < 3) burglary(soc, 0);
        if (perinta_taso(soc) != 0 && PUUHA_perinta(dp, n)) return 1;
    }
    if (!GetGlobVil(soc)) return 0;
    const int watch = globVil.watch;
    if (watch == 0 && globVil.visits > 4) return 0;
    int qualifies = watch <= 4 ? has_socrole_susp(n, 0) : has_socrole_susp(n, 1);
    if (!qualifies) qualifies = nearest_member();
    return qualifies && PUUHA_varjosta(n);
}

static void set_leave_day(CreatureStruct &c, uint32_t after) {
    if (c.leaveday == 0) c.leaveday = Plr.daynumber + after;
    if (Plr.daynumber >= c.leaveday) c.memberbits |= MB_LEAVE;
}

void Ela_Ihminen(int dp) {
    if ((unsigned)dp >= (unsigned)DATA_MAX || Data[dp].type != DT_CREATURE) return;
    const int n = creature_slot_of(Data[dp].id);
    if (!ask_valid(n)) return;
    CreatureStruct &c = Cre[n];
    if (DEBUG_INFO) {
        char name[sizeof c.pname + 1], line[96];
        copy_bounded(name, sizeof name, c.pname);
        snprintf(line, sizeof line, "Ela_Ihminen - dp: %d cr: %d (%s)", dp, n, name);
        debuglog("cre", line);
    }
    if (c.noisecounter > 0) c.noisecounter--;
    const bool member = is_socmember(n) != 0;
    if (member && c.mode != CM_ASLEEP && !INVISIBLE && !CLOAK && village_duties(dp, n)) return;
    if (Data[dp].type != DT_CREATURE || creature_slot_of(Data[dp].id) != n) return;
    int x = Data[dp].x, y = Data[dp].y;
    if (c.memberbits & MB_TOLAND) {
        int lx, ly;
        if (!terrain_flag(get_mapchar(x, y), TF_WATER)) {
        } else if (lahin_maa_tile(x, y, &lx, &ly) < 1000) {
            apukoord[0] = lx;
            apukoord[1] = ly;
            Lisaa_Puuha(n, 60, 20);
        } else {
            c.memberbits &= (uint8_t)~MB_TOLAND;
        }
    }
    if (world_services.creature_work(dp)) return;
    if (Data[dp].type != DT_CREATURE || creature_slot_of(Data[dp].id) != n) return;
    x = Data[dp].x, y = Data[dp].y;
    const bool robber = onko_NPC_rosvo(n) != 0;
    if (robber) {
        set_leave_day(c, 30);
        if (laumautumistarve(n, dp)) return;
    } else if (c.role == 5) {
        set_leave_day(c, 5 + (uint32_t)random(5));
        if (laumautumistarve(n, dp)) return;
    }
    if (member && !onko_NPC_lapsi(n) && GetGlobVil((int)c.community) && globVil.reclaimflag) PUUHASE_reclaimnearest(n);
    if (onko_NPC_kumppani(n)) {
        uint32_t w = compword(n);
        if ((w & CF_ESCORTEE) && !bigmap() && EscorteeAtDest(n, x, y)) {
            if (!(w & CF_ATDEST)) {
                int wx, wy;
                square_worldcell(x, y, &wx, &wy);
                set_spare_u32(c, SPARE_STOPPED, (uint32_t)(wx & 0xffff) | ((uint32_t)(wy & 0xffff) << 16));
            }
            w |= CF_ATDEST;
            set_compword(n, w);
        }
        if ((w & CF_WANTSTALK) && comp_tries_talking(n)) return;
    }
    if (c.requestbits & 1) {
        const int put_on = PUUHASE_pukeudu(n);
        if (!put_on) c.requestbits &= ~1u;
        else return;
    }
    if (come_along(n, 0)) {
        come_along(n, 1);
        return;
    }
    int wx, wy;
    square_worldcell(x, y, &wx, &wy);
    if ((c.memberbits & MB_AWAY) && c.community && locdist_soccenter((int)c.community, wx, wy) < 2)
        c.memberbits &= (uint8_t)~MB_AWAY;
    if (c.memberbits & MB_LEAVE) {
        if (Lisaa_Puuha(n, 200, 100) >= 0 && (c.speciescode == SPECIES_FOREIGN_TRADER || robber)) laumapuuhaus(n);
        return;
    }
    if (c.memberbits & MB_GOHOME) {
        if (Lisaa_Puuha(n, 65, 200) >= 0) {
            if (DEBUG_INFO) {
                char name[sizeof c.pname + 1], line[64];
                copy_bounded(name, sizeof name, c.pname);
                snprintf(line, sizeof line, "menekotiin %s", name);
                DebugNote(line);
            }
            return;
        }
        c.memberbits &= (uint8_t)~MB_GOHOME;
    }
    const bool settled = is_settled_area(wx, wy, 1) != 0;
    const int pd = koordinaattien_vali(x, y, PlayerX, PlayerY);
    if (!onko_NPC_hereillaoloaika(n)) {
        const bool near_robber = robber && pd <= 39;
        const bool near_loner = (c.culture == 11 || c.role == 5) && pd <= 24;
        if (!near_robber && !near_loner) {
            if (settled) {
                Lisaa_Puuha(n, 100, 200);
                if (random(3) == 0) Lisaa_Puuha(n, 101, 200);
            }
            Lisaa_Puuha(n, 4, 1000);
            return;
        }
    }
    if (PaaPuuha(n)) return;
    if (c.quest && (c.stateflags & SF_QUESTTALK) && onko_NPC_hereillaoloaika(n) &&
        (c.community == 0 || isloc_soccenter((int)c.community, IsoX(), IsoY())) && NPCSee(n, PlayerX, PlayerY)) {
        Lisaa_Puuha(n, 70, 30);
        return;
    }
    if (!settled) {
        dbg("Ela_Ihminen.past kyla checks");
        if (member && locdist_soccenter((int)c.community, wx, wy) > 0 && locdist_soccenter((int)c.community, wx, wy) < 1000) {
            c.memberbits |= MB_GOHOME;
            return;
        }
        if (robber) {
            if (!PUUHASE_snatchnearest(n) && !Ryostele(n)) roam(n);
            return;
        }
        if (c.speciescode == SPECIES_FOREIGN_TRADER) {
            if (random(10) == 0) Lisaa_Puuha(n, 2, 5 + random(10));
            else roam(n);
            return;
        }
        if (member) {
            member_choice(n);
            return;
        }
        if (npc_got_ESINE(n, 495) != -1000 && Lisaa_Puuha(n, 130, 100) >= 0) return;
        const uint32_t next = spare_u32(c, SPARE_NEXTHUNT);
        if (Plr.minutes > next && Plr.hour >= 6 && Plr.hour <= 18 && random(10) == 0) {
            c.Paapuuha = 69;
            set_spare_u32(c, SPARE_NEXTHUNT, Plr.minutes + 2880);
            return;
        }
        member_choice(n);
        return;
    }
    if (wx == c.home_x && wy == c.home_y) {
        const int r = random(6);
        if (DEBUG_INFO) {
            char line[48];
            snprintf(line, sizeof line, "Ela_Ihminen.kyla rnd puuha %d ->", r);
            DebugNote(line);
        }
        switch (r) {
        case 0: Lisaa_Puuha(n, 100, 100); break;
        case 1: Lisaa_Puuha(n, 110, 100); break;
        case 2: if (npc_got_ESINE(n, 495) != -1000) Lisaa_Puuha(n, 130, 100); break;
        default: roam(n); break;
        }
        dbg("<- ok rnd puuha assigned");
        return;
    }
    if (c.home_x || c.home_y) {
        const UiRect r = bigxy_zoomrect(c.home_x, c.home_y);
        if (r.w) askel_kohti_paikkaa(n, r.x + 32, r.y + 32);
        return;
    }
    roam(n);
}
